#include "core/Session.h"

namespace tj::core {

Session& Session::current()
{
    static Session session;
    return session;
}

void Session::reset()
{
    current() = Session{};
}

}  // namespace tj::core
