#include "finance/DailySheet.h"

#include "finance/SettlementPeriods.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"

namespace tj::finance {

using db::SqlText;

namespace {

// Every statement counts the visits of its condition and sums their lines;
// the inner query groups by examination number so each visit counts once.
const char* const VisitsAndAmountSql =
    "select count(*), isnull(sum(ssje),0) from   (    select b.tjhao, sum(a.ssje) as ssje    from tjian_sfei_sub a "
    "     inner join tjian_sfei_main b on b.id=a.sfid      inner join tjian_ryuan c on c.id=b.ryid    %s    group by "
    "b.tjhao   ) as t ";

const char* const GroupAccountWhere =
    "where c.dwid>0 and b.jzlxing=2 and b.zxbzhi=0 and a.hsbzhi=1 and sfsjian between '%s' and '%s'";
const char* const GroupReturnedWhere =
    "where c.dwid>0 and b.jzlxing=2 and b.zxbzhi=0 and a.hsbzhi=1 and sfsjian between '%s' and '%s'      and "
    "b.jzbzhi=1 and b.jzsjian between '%s' and '%s'";
const char* const GroupCashWhere =
    "where c.dwid>0 and b.jzlxing=1 and b.zxbzhi=0 and a.hsbzhi=1 and sfsjian between '%s' and '%s'";
const char* const IndividualCashWhere =
    "where c.dwid=0 and b.jzlxing=1 and b.zxbzhi=0 and a.hsbzhi=1 and sfsjian between '%s' and '%s'";
const char* const CancelledGroupWhere = "where c.dwid>0 and a.hsbzhi=1 and b.zxbzhi=1 and sfsjian between '%s' and '%s'";
const char* const CancelledIndividualWhere =
    "where c.dwid=0 and a.hsbzhi=1 and b.zxbzhi=1 and sfsjian between '%s' and '%s'";

SheetCell visitsAndAmount(db::Connection& c, const QString& where)
{
    const db::ResultSet rs = c.query(SqlText::format(VisitsAndAmountSql, where));
    SheetCell cell;
    if (rs.rows.empty() || rs.rows[0].size() < 2)
        return cell;
    cell.count = rs.rows[0][0].toInteger();
    cell.amount = rs.rows[0][1].toCurrency();
    return cell;
}

}  // namespace

DailySheet ComputeDailySheet(db::Connection& c, const QDateTime& start, const QDateTime& end, const QString& cashier)
{
    const QString from = SettlementTimeText(start);
    const QString to = SettlementTimeText(end);
    DailySheet s;
    s.periodText = QStringLiteral("%1 至 %2").arg(from, to);
    s.cashier = cashier;

    s.groupAccount = visitsAndAmount(c, SqlText::format(GroupAccountWhere, from, to));
    s.totalAccount = s.groupAccount;

    s.groupReturned = visitsAndAmount(c, SqlText::format(GroupReturnedWhere, from, to, from, to));
    s.totalReturned = s.groupReturned;
    s.groupDue += s.groupReturned.amount;

    s.groupCash = visitsAndAmount(c, SqlText::format(GroupCashWhere, from, to));
    s.totalCash.count += s.groupCash.count;
    s.totalCash.amount += s.groupCash.amount;
    s.groupDue += s.groupCash.amount;

    s.individualCash = visitsAndAmount(c, SqlText::format(IndividualCashWhere, from, to));
    s.totalCash.count += s.individualCash.count;
    s.totalCash.amount += s.individualCash.amount;
    s.individualDue += s.individualCash.amount;

    s.cancelledGroup = visitsAndAmount(c, SqlText::format(CancelledGroupWhere, from, to));
    s.cancelledIndividual = visitsAndAmount(c, SqlText::format(CancelledIndividualWhere, from, to));

    s.totalDue = s.groupDue + s.individualDue;
    return s;
}

}  // namespace tj::finance
