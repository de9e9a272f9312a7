#include "app/core/Session.h"

namespace tj::app {

Session& Session::current()
{
    static Session session;
    return session;
}

void Session::reset()
{
    current() = Session{};
}

}  // namespace tj::app
