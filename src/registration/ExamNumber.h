// Examination numbers: "<unit id>-<sequence>", the sequence taken from the
// unit's counter (tjian_dwei.maxtjhao) or, for persons without a unit, from
// the centre parameter 散检最大体检号.
#pragma once

#include "platform/db/Connection.h"

#include <QString>

namespace tj::registration {

// Key of the individual counter row in tjian_csszhi.
extern const QString IndividualCounterKey;  // "散检最大体检号"

struct ExamNumber {
    int unitId = 0;
    int sequence = 0;
    // "%d-%d" of unit id and sequence, e.g. "12-35" or "0-5".
    QString text() const;
};

// The counter that numbers the visits of one unit (unit id > 0) or of the
// persons without a unit (unit id <= 0).
//
// Two workstations may register for the same counter at the same moment.
// The registration therefore calls lock() first thing inside its
// transaction: a no-op update of the counter row, which takes the row's write
// lock and holds it to the end of the transaction, so the other workstation
// waits before it reads the counter. The unique index on the examination
// number remains the last guard.
class ExamNumberCounter {
public:
    ExamNumberCounter(db::Connection& c, int unitId) : c_(c), unitId_(unitId) {}

    bool isIndividual() const { return unitId_ <= 0; }
    int unitId() const { return unitId_; }

    // Individual counter only: creates the row with "0" when it is missing.
    // Meant to run outside the registration transaction, so the row survives
    // a rolled-back registration. The key is unique in the database, so two
    // workstations doing this at once leave one row.
    void ensureRow();
    // Takes the counter row's write lock inside the current transaction.
    void lock();
    // The last sequence number issued (no row, NULL or unreadable text: 0).
    int read();
    // Stores the last sequence number issued.
    void write(int lastIssued);

private:
    db::Connection& c_;
    int unitId_;
};

// The next number of the counter, without advancing it: the caller writes
// the counter once the visit's rows are written. For persons without a unit
// the counter row is created first when missing.
ExamNumber AllocateExamNumber(db::Connection& c, int unitId);

}  // namespace tj::registration
