// Cancelling examination numbers: the visit keeps all its rows but is
// flagged cancelled with the server's time, drops out of every list that
// selects visits not cancelled, and its person becomes registrable again.
// The unit counter is left as it is, so the number is never issued again.
#pragma once

#include "platform/db/Connection.h"

#include <QString>
#include <vector>

namespace tj::registration {

struct VisitToCancel {
    QString examNumber;
    int personId = 0;
};

// Cancels the visits in one transaction; any error rolls all of them back
// and is thrown again. A person keeps the registered flag while another of
// his visits is still open (neither completed nor cancelled).
void CancelVisits(db::Connection& c, const std::vector<VisitToCancel>& visits);

}  // namespace tj::registration
