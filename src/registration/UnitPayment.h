// The unit payment receipt: visits charged to a unit's account are marked
// settled when the unit pays. The visits chosen are handed over as a list
// of record ids of any length; they travel through a working table
// (#tjian_hkuan) filled in chunks, so a unit of thousands of visits is
// summed and settled in one statement each and one transaction.
#pragma once

#include "platform/db/Connection.h"
#include "platform/db/Currency.h"

#include <vector>

namespace tj::registration {

// The amount of the visits: the received amounts of their charge lines in force.
db::Currency PaymentAmount(db::Connection& c, const std::vector<qint64>& visitIds);

struct PaymentResult {
    int selected = 0;        // visits handed over
    int settled = 0;         // visits this payment settled
    db::Currency amount;     // their amount
};

// Settles, in one transaction, those of the visits that are still on
// account, unsettled and not cancelled at this moment (another workstation
// may have settled or cancelled some since they were listed); settlement
// time is the server's, one for the whole payment.
PaymentResult SettleUnitVisits(db::Connection& c, const std::vector<qint64>& visitIds);

}  // namespace tj::registration
