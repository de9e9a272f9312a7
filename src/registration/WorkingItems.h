// The working item table of a registration: the combined items chosen for
// the visit being registered, with their list price, discount factor,
// received amount and reduction. It is a temporary table on the shared
// connection that the registration windows' grids edit; the functions here
// create it, fill it from a package, total it and spread a typed package
// price over its rows.
#pragma once

#include "platform/db/Connection.h"
#include "platform/db/Currency.h"

#include <QString>
#include <optional>
#include <vector>

namespace tj::registration {

// Which working table: the group windows share #tjian_tjdj, the individual
// window has #tjian_sjdj (with department name and hint columns).
enum class WorkingTable { Group, Individual };

// "#tjian_tjdj" or "#tjian_sjdj".
QString WorkingTableName(WorkingTable table);

// One row of a working table, read in id order.
struct WorkingItem {
    int id = 0;
    int zhxmid = 0;
    QString mcheng;
    db::Currency sfjge;   // list price
    db::Currency zkou;    // discount factor, 1 = full price
    db::Currency ssje;    // received
    db::Currency yhje;    // reduction
};

struct ItemTotals {
    db::Currency itemPrice;  // sum of sfjge: the divisor of the price spreading
    db::Currency received;   // sum of ssje, shown as 实收合计
    db::Currency reduction;  // sum of yhje, shown as 优惠金额
};

// Drops any earlier copy of the working table and creates it empty.
void CreateWorkingTable(db::Connection& c, WorkingTable table);

// Replaces the group working table by the combined items of a package (each
// at full price) and returns the package price and the new totals.
struct PackageLoad {
    db::Currency packagePrice;  // tjian_tcan_main.jge, for the 套餐价格 box
    ItemTotals totals;
};
PackageLoad LoadPackageItems(db::Connection& c, int packageId);

// Individual working table: appends a package's combined items, or one
// combined item, at full price (with department name and hint).
void AddPackageToIndividualItems(db::Connection& c, int packageId);
void AddCombinedItemToIndividualItems(db::Connection& c, int zhxmid);

std::vector<WorkingItem> ReadWorkingItems(db::Connection& c, WorkingTable table);
// The same for any table with these columns (the add dialog's #tjian_zjxm).
std::vector<WorkingItem> ReadWorkingItems(db::Connection& c, const QString& tableName);
ItemTotals TotalsOf(const std::vector<WorkingItem>& items);
ItemTotals RecomputeTotals(db::Connection& c, WorkingTable table);

// An amount typed into a price box: empty or unreadable text counts as 0.
db::Currency AmountFromBoxText(const QString& text);

// The spreading itself, on rows in id order: the difference between the
// received total and the typed price is shared out in proportion to the
// list prices, each share cut toward zero to whole hundredths, the last row
// taking what is left; zero-priced rows keep 0 at full price. Shares are
// added to the reductions the rows already carry.
std::vector<WorkingItem> SpreadPrice(std::vector<WorkingItem> items, db::Currency typedPrice,
                                     db::Currency receivedTotal, db::Currency itemPriceTotal);

// Amounts exact to four decimals: a × b and a ÷ b, rounded half away from zero.
db::Currency Times(db::Currency a, db::Currency b);
db::Currency Divided(db::Currency a, db::Currency b);

// The amounts of one row after the operator typed into it (the Enter key of
// the batch registration and of adding items).
struct RowAmounts {
    db::Currency zkou;
    db::Currency ssje;
    db::Currency yhje;
};
// A discount factor typed for a row of list price `price`: received price ×
// factor, reduction the rest. Nothing for a factor outside 0..1.
std::optional<RowAmounts> DiscountEntered(db::Currency price, db::Currency factor);
// A received amount typed: the factor follows (1 for a free row), the
// reduction is the difference (negative above the list price).
RowAmounts ReceivedEntered(db::Currency price, db::Currency received);
extern const QString DiscountRangeMessage;  // "超出范围（0~1），请重新输入！"

// A row of a working item table that fails a check: the row (0-based) and
// its message "第 %d 行：..." with the row counted from 1.
struct RowFault {
    int row = -1;
    QString message;
};

// Spreads the typed package price over the rows of the working table and
// writes them back; returns the new totals (the received total then equals
// the typed price, so a second call finds nothing left to spread).
ItemTotals SpreadPackagePrice(db::Connection& c, WorkingTable table, db::Currency typedPrice,
                              db::Currency receivedTotal, db::Currency itemPriceTotal);

}  // namespace tj::registration
