#include "registration/UnitPayment.h"

#include "core/ServerClock.h"
#include "platform/db/SqlText.h"
#include "platform/db/WorkingTable.h"

#include <QStringList>

namespace tj::registration {

using db::SqlText;

namespace {

// Rows of one insert: SQL Server takes at most 1000 in a VALUES list.
constexpr std::size_t ChunkSize = 500;

// The ids in the connection's working table #tjian_hkuan.
void fillIdTable(db::Connection& c, const std::vector<qint64>& ids)
{
    db::WorkingTable table(c, QStringLiteral("#tjian_hkuan"), {db::Column(QStringLiteral("sfid"), QStringLiteral("int"), true)},
                           QStringLiteral("select * from #tjian_hkuan"));
    table.create();
    for (std::size_t from = 0; from < ids.size(); from += ChunkSize) {
        QStringList rows;
        for (std::size_t i = from; i < ids.size() && i < from + ChunkSize; ++i)
            rows << QStringLiteral("(%1)").arg(ids[i]);
        c.execute(SqlText::format("insert into #tjian_hkuan(sfid) values %s", rows.join(QLatin1Char(','))));
    }
}

db::Currency amountOfTable(db::Connection& c)
{
    return c.scalar(QStringLiteral("select isnull(sum(ssje),0) from tjian_sfei_sub where hsbzhi=1 and sfid in "
                                   "(select sfid from #tjian_hkuan) "))
        .toCurrency();
}

}  // namespace

db::Currency PaymentAmount(db::Connection& c, const std::vector<qint64>& visitIds)
{
    fillIdTable(c, visitIds);
    return amountOfTable(c);
}

PaymentResult SettleUnitVisits(db::Connection& c, const std::vector<qint64>& visitIds)
{
    PaymentResult r;
    r.selected = int(visitIds.size());
    db::Transaction tx(c);
    fillIdTable(c, visitIds);
    // Lock the visits first, so that what is checked below is what gets
    // settled; then keep only those still open to this payment.
    c.execute(QStringLiteral("update tjian_sfei_main set jzbzhi=jzbzhi where id in (select sfid from #tjian_hkuan) "));
    c.execute(QStringLiteral("delete from #tjian_hkuan where sfid not in (select id from tjian_sfei_main where "
                             "zxbzhi=0 and jzlxing=2 and jzbzhi=0) "));
    r.amount = amountOfTable(c);
    // One settlement time for the whole payment, read once from the server,
    // so that a settlement period never splits it.
    const QString now = core::ServerNow(c).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    r.settled = c.execute(SqlText::format("update tjian_sfei_main set jzbzhi=1, jzsjian='%s' where id in (select sfid "
                                          "from #tjian_hkuan) and zxbzhi=0 and jzlxing=2 and jzbzhi=0 ",
                                          now));
    tx.commit();
    return r;
}

}  // namespace tj::registration
