// The figures of the settlement sheet for a period: visits and amounts
// charged to units' accounts, received back from units, paid on the spot and
// cancelled, for group and individual visits, and what the cashier hands in.
// Every visit counts once, however many charge lines it has; amounts are
// summed exactly (money).
#pragma once

#include "platform/db/Currency.h"

#include <QDateTime>
#include <QString>

namespace tj::db {
class Connection;
}

namespace tj::finance {

// A count of visits and the sum of their amounts.
struct SheetCell {
    qint64 count = 0;
    db::Currency amount;
    bool operator==(const SheetCell&) const = default;
};

struct DailySheet {
    QString periodText;  // "yyyy-mm-dd hh:nn:ss 至 yyyy-mm-dd hh:nn:ss"
    QString cashier;

    SheetCell groupAccount;     // 团检 记帐: billed to the unit
    SheetCell groupReturned;    // 团检 回收: of those, paid by the unit within the period
    SheetCell groupCash;        // 团检 现结
    SheetCell individualCash;   // 散检 现结
    SheetCell totalAccount;     // 合计 记帐
    SheetCell totalReturned;    // 合计 回收
    SheetCell totalCash;        // 合计 现结
    db::Currency groupDue;      // 应缴金额 团检: 回收 + 团检 现结
    db::Currency individualDue; // 应缴金额 散检
    db::Currency totalDue;      // 应缴金额 合计
    SheetCell cancelledGroup;       // remark 1: cancelled group visits
    SheetCell cancelledIndividual;  // remark 2: cancelled individual visits
};

// Fills the sheet for the charges made from `start` to `end` (both
// included), whoever made them; `cashier` is the name printed on it.
DailySheet ComputeDailySheet(db::Connection& c, const QDateTime& start, const QDateTime& end, const QString& cashier);

}  // namespace tj::finance
