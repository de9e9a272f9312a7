// Changing the combined items of registered visits: adding chosen items,
// with price, discount and received amount, to several visits at once, and
// withdrawing chosen items from them. Each press is one transaction over all
// visits and items; every visit and item gets a time-stamped log line, green
// for a change made and red for one refused or for the error that undid the
// press.
//
// An added item becomes a charge line marked as added after registration
// and gets its result rows as at registration (none on a cancelled visit). A
// withdrawn item keeps its charge line, no longer in force, and loses all
// its result rows, examined or not.
//
// Each visit is locked (its charge record updated in place) before its items
// are checked, so two workstations changing the same visit at the same time
// take turns: the second sees what the first wrote.
#pragma once

#include "platform/db/Connection.h"
#include "registration/WorkingItems.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace tj::registration {

// One line of the dialogs' log.
struct ChangeLogLine {
    QDateTime time;  // the server's
    QString text;
    bool ok = false;  // a change made (green) or refused / failed (red)
    // "[yyyy-mm-dd hh:nn:ss] text"
    QString rendered() const;
};
using ChangeLog = std::function<void(const ChangeLogLine&)>;

// The add dialog's check before anything is written. For each row (counted
// from 1 in the message): the discount lies in 0..1, the received amount is
// exactly list price × discount and the reduction exactly list price −
// received, to the ten-thousandth (a NULL cell counts as 0). The first row
// that fails, with its message ("第 %d 行：..."); nullopt when all pass.
std::optional<RowFault> CheckItemsToAdd(const std::vector<WorkingItem>& rows);

// A combined item chosen for withdrawal.
struct ChosenItem {
    int zhxmid = 0;
    QString mcheng;
};

// Adds the rows to every visit named, in the order given; a visit that
// already has an item in force is left without a second one. A number whose
// visit does not exist gets a failure line and the others go on. Any error
// rolls the whole press back and logs "增加项目时出现错误：%s". True when
// the press committed.
bool AddItemsToVisits(db::Connection& c, const QStringList& examNumbers, const std::vector<WorkingItem>& rows,
                      const ChangeLog& log);

// Withdraws the items from every visit named: the item's charge lines in
// force are marked withdrawn and its result rows deleted. A visit without
// the item gets the failure line. Any error rolls the press back and logs
// "减少项目时出现错误：%s".
bool RemoveItemsFromVisits(db::Connection& c, const QStringList& examNumbers, const std::vector<ChosenItem>& rows,
                           const ChangeLog& log);

}  // namespace tj::registration
