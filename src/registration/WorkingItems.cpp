#include "registration/WorkingItems.h"

#include "platform/db/SqlText.h"

__extension__ typedef __int128 tj_i128;

namespace tj::registration {

using db::Currency;
using db::SqlText;

namespace {

const char* const DropGroupTable =
    "if exists (select * from tempdb.dbo.sysobjects where id = object_id(N'tempdb.dbo.[#tjian_tjdj]')) "
    "drop table [dbo].[#tjian_tjdj] ";
const char* const CreateGroupTable =
    "CREATE TABLE [#tjian_tjdj] (         [id] [int] IDENTITY (1, 1) NOT NULL ,         [zhxmid] [int] NOT NULL,"
    "         [mcheng] [varchar] (100) COLLATE Chinese_PRC_CI_AS NOT NULL ,         [sfjge] [money] NULL ,"
    "         [zkou] [money] NULL ,         [ssje] [money] NULL ,         [yhje] [money] NULL ) ON [PRIMARY]";

const char* const DropIndividualTable =
    "if exists (select * from tempdb.dbo.sysobjects where id = object_id(N'tempdb.dbo.[#tjian_sjdj]')) "
    "drop table [dbo].[#tjian_sjdj] ";
const char* const CreateIndividualTable =
    "CREATE TABLE [#tjian_sjdj] (         [id] [int] IDENTITY (1, 1) NOT NULL ,         [zhxmid] [int] NOT NULL,"
    "         [mcheng] [varchar] (100) COLLATE Chinese_PRC_CI_AS NOT NULL ,"
    "         [ksmcheng] [varchar] (200) COLLATE Chinese_PRC_CI_AS NOT NULL ,"
    "         [tsxxi] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,         [sfjge] [money] NULL ,"
    "         [zkou] [money] NULL ,         [ssje] [money] NULL ,         [yhje] [money] NULL ) ON [PRIMARY]";

const char* const InsertPackageGroup =
    "insert into #tjian_tjdj(zhxmid, mcheng, sfjge, zkou, ssje, yhje) select a.id, a.mcheng, a.sfjge, 1, a.sfjge, 0 "
    "from tjian_zhxmu_main a   inner join tjian_tcan_sub b on b.zhxmid=a.id where b.tcid=%s ";
const char* const InsertPackageIndividual =
    "insert into #tjian_sjdj(zhxmid, mcheng, ksmcheng, tsxxi, sfjge, zkou, ssje, yhje) select a.id, a.mcheng, "
    "c.mcheng, a.tsxxi, a.sfjge, 1, a.sfjge, 0 from tjian_zhxmu_main a   inner join tjian_tcan_sub b on "
    "b.zhxmid=a.id   inner join pub_kshi c on c.id=a.ksid where b.tcid=%d ";
const char* const InsertItemIndividual =
    "insert into #tjian_sjdj(zhxmid, mcheng, ksmcheng, tsxxi, sfjge, zkou, ssje, yhje) select a.id, a.mcheng, "
    "b.mcheng, a.tsxxi, a.sfjge, 1, a.sfjge, 0 from tjian_zhxmu_main a   inner join pub_kshi b on b.id=a.ksid "
    "where a.id=%d ";

// a * b / d with the exact quotient truncated toward zero (128-bit
// intermediate, so large amounts cannot overflow).
qint64 mulDivTrunc(qint64 a, qint64 b, qint64 d)
{
    return qint64((tj_i128(a) * b) / d);
}

// a * b / d rounded half away from zero.
qint64 mulDivRound(qint64 a, qint64 b, qint64 d)
{
    tj_i128 num = tj_i128(a) * b;
    tj_i128 q = num / d;
    tj_i128 r = num % d;
    tj_i128 absR = r < 0 ? -r : r;
    tj_i128 absD = d < 0 ? -tj_i128(d) : tj_i128(d);
    if (2 * absR >= absD)
        q += ((num < 0) != (d < 0)) ? -1 : 1;
    return qint64(q);
}

}  // namespace

QString WorkingTableName(WorkingTable table)
{
    return table == WorkingTable::Group ? QStringLiteral("#tjian_tjdj") : QStringLiteral("#tjian_sjdj");
}

void CreateWorkingTable(db::Connection& c, WorkingTable table)
{
    if (table == WorkingTable::Group) {
        c.execute(QString::fromUtf8(DropGroupTable));
        c.execute(QString::fromUtf8(CreateGroupTable));
    } else {
        c.execute(QString::fromUtf8(DropIndividualTable));
        c.execute(QString::fromUtf8(CreateIndividualTable));
    }
}

PackageLoad LoadPackageItems(db::Connection& c, int packageId)
{
    PackageLoad load;
    load.packagePrice = c.scalar(SqlText::format("select jge from tjian_tcan_main where id=%d ", packageId)).toCurrency();
    CreateWorkingTable(c, WorkingTable::Group);
    c.execute(SqlText::format(InsertPackageGroup, QString::number(packageId)));
    load.totals = RecomputeTotals(c, WorkingTable::Group);
    return load;
}

void AddPackageToIndividualItems(db::Connection& c, int packageId)
{
    c.execute(SqlText::format(InsertPackageIndividual, packageId));
}

void AddCombinedItemToIndividualItems(db::Connection& c, int zhxmid)
{
    c.execute(SqlText::format(InsertItemIndividual, zhxmid));
}

std::vector<WorkingItem> ReadWorkingItems(db::Connection& c, WorkingTable table)
{
    return ReadWorkingItems(c, WorkingTableName(table));
}

std::vector<WorkingItem> ReadWorkingItems(db::Connection& c, const QString& tableName)
{
    const db::ResultSet rs = c.query(SqlText::format("select * from %s order by id ", tableName));
    const int iId = rs.columnIndex("id"), iZh = rs.columnIndex("zhxmid"), iMc = rs.columnIndex("mcheng"),
              iSf = rs.columnIndex("sfjge"), iZk = rs.columnIndex("zkou"), iSs = rs.columnIndex("ssje"),
              iYh = rs.columnIndex("yhje");
    std::vector<WorkingItem> items;
    items.reserve(rs.rows.size());
    for (const auto& row : rs.rows) {
        WorkingItem it;
        it.id = int(row[iId].toInteger());
        it.zhxmid = int(row[iZh].toInteger());
        it.mcheng = row[iMc].toString();
        it.sfjge = row[iSf].toCurrency();
        it.zkou = row[iZk].toCurrency();
        it.ssje = row[iSs].toCurrency();
        it.yhje = row[iYh].toCurrency();
        items.push_back(std::move(it));
    }
    return items;
}

ItemTotals TotalsOf(const std::vector<WorkingItem>& items)
{
    ItemTotals t;
    for (const auto& it : items) {
        t.itemPrice += it.sfjge;
        t.received += it.ssje;
        t.reduction += it.yhje;
    }
    return t;
}

ItemTotals RecomputeTotals(db::Connection& c, WorkingTable table)
{
    return TotalsOf(ReadWorkingItems(c, table));
}

Currency AmountFromBoxText(const QString& text)
{
    return Currency::fromString(text).value_or(Currency());
}

std::vector<WorkingItem> SpreadPrice(std::vector<WorkingItem> items, Currency typedPrice, Currency receivedTotal,
                                     Currency itemPriceTotal)
{
    const Currency r = receivedTotal - typedPrice;  // > 0 reduction, < 0 surcharge
    Currency spread;                                // shared out so far
    std::size_t k = items.size();
    for (auto& it : items) {
        if (it.sfjge.isZero()) {
            it.yhje = Currency();
            it.ssje = Currency();
            it.zkou = Currency::fromInteger(1);
        } else {
            Currency share;
            if (k <= 1) {
                share = r - spread;
            } else {
                // A total of zero can only come from prices that cancel out;
                // such rows get no proportional share and the last row takes
                // the whole difference instead of dividing by zero.
                qint64 raw = itemPriceTotal.isZero() ? 0 : mulDivTrunc(it.sfjge.raw(), r.raw(), itemPriceTotal.raw());
                raw -= raw % 100;  // whole hundredths, cut toward zero
                share = Currency::fromRaw(raw);
                spread += share;
            }
            it.yhje += share;
            it.ssje = it.sfjge - it.yhje;
            it.zkou = Currency::fromRaw(mulDivRound(it.ssje.raw(), Currency::Scale, it.sfjge.raw()));
        }
        --k;
    }
    return items;
}

const QString DiscountRangeMessage = QStringLiteral("超出范围（0~1），请重新输入！");

Currency Times(Currency a, Currency b)
{
    return Currency::fromRaw(mulDivRound(a.raw(), b.raw(), Currency::Scale));
}

Currency Divided(Currency a, Currency b)
{
    return b.isZero() ? Currency() : Currency::fromRaw(mulDivRound(a.raw(), Currency::Scale, b.raw()));
}

std::optional<RowAmounts> DiscountEntered(Currency price, Currency factor)
{
    if (factor < Currency() || factor > Currency::fromInteger(1))
        return std::nullopt;
    const Currency received = Times(price, factor);
    return RowAmounts{factor, received, Times(price, Currency::fromInteger(1) - factor)};
}

RowAmounts ReceivedEntered(Currency price, Currency received)
{
    const Currency factor = price > Currency() ? Divided(received, price) : Currency::fromInteger(1);
    return RowAmounts{factor, received, price - received};
}

ItemTotals SpreadPackagePrice(db::Connection& c, WorkingTable table, Currency typedPrice, Currency receivedTotal,
                              Currency itemPriceTotal)
{
    const std::vector<WorkingItem> after = SpreadPrice(ReadWorkingItems(c, table), typedPrice, receivedTotal, itemPriceTotal);
    const QString name = WorkingTableName(table);
    for (std::size_t i = 0; i < after.size(); ++i) {
        const WorkingItem& a = after[i];
        c.execute(SqlText::format("update %s set zkou=%.4f, ssje=%.4f, yhje=%.4f where id=%d ", name, a.zkou, a.ssje,
                                  a.yhje, a.id));
    }
    return RecomputeTotals(c, table);
}

}  // namespace tj::registration
