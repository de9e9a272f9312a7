#include "queries/DiseaseRoster.h"

#include "platform/db/Currency.h"
#include "platform/db/SqlText.h"

namespace tj::queries {

using db::SqlText;

void CreateRosterTables(db::Connection& c)
{
    c.execute(QStringLiteral(
        "if exists (select * from tempdb.dbo.sysobjects where id = object_id(N'tempdb.dbo.[#tjian_dwhzmdcxun]')) "
        "drop table [dbo].[#tjian_dwhzmdcxun] "));
    c.execute(QStringLiteral(
        "CREATE TABLE [#tjian_dwhzmdcxun] (   [id] [int] IDENTITY (1, 1) NOT NULL ,   [dwmcheng] [varchar] (200) NOT "
        "NULL ,   [jbmcheng] [varchar] (200) NOT NULL ,   [rci] [int] NOT NULL ,   [bfbi] [money] NOT NULL ,   "
        "[rymdan] [text] NULL ) ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]"));
    c.execute(QStringLiteral(
        "if exists (select * from tempdb.dbo.sysobjects where id = object_id(N'tempdb.dbo.[#tjian_dwhzmd]')) drop "
        "table [dbo].[#tjian_dwhzmd] "));
    c.execute(QStringLiteral(
        "CREATE TABLE [#tjian_dwhzmd] (   [id] [int] IDENTITY (1, 1) NOT NULL ,   [dwmcheng] [varchar] (200) NOT NULL "
        ",   [jbmcheng] [varchar] (200) NOT NULL ,   [xming] [varchar] (50) NOT NULL ,   [xbie] [varchar] (50) NOT "
        "NULL ) ON [PRIMARY]"));
}

QString RosterStatement(const QString& diagnosis, int unit, const QString& b, const QString& e)
{
    return SqlText::format(
        "select d.zrs, c.xming, c.xbie from tjian_jguo_zdjlun a   inner join tjian_sfei_main b on b.tjhao=a.tjhao   "
        "inner join tjian_ryuan c on c.id=b.ryid   inner join (select dwid, count(*) as zrs from tjian_ryuan group by "
        "dwid) d on d.dwid=c.dwid where a.zyzduan='%s' and c.dwid=%s and b.sfsjian between '%s' and '%s' ",
        diagnosis, QString::number(unit), b, e);
}

namespace {
void emptyTables(db::Connection& c)
{
    c.execute(QStringLiteral("truncate table #tjian_dwhzmdcxun"));
    c.execute(QStringLiteral("truncate table #tjian_dwhzmd"));
}
}  // namespace

bool RunDiseaseRoster(db::Connection& c, const std::vector<RosterUnit>& units, const QStringList& diagnoses,
                      const QString& rangeStart, const QString& rangeEnd, const RosterStep& step)
{
    emptyTables(c);
    for (int u = 0; u < int(units.size()); ++u) {
        const RosterUnit& unit = units[std::size_t(u)];
        for (int d = 0; d < diagnoses.size(); ++d) {
            if (step && !step(u, d)) {
                emptyTables(c);
                return false;
            }
            const QString& diagnosis = diagnoses[d];
            const db::ResultSet rows = c.query(RosterStatement(diagnosis, unit.id, rangeStart, rangeEnd));
            if (rows.isEmpty())
                continue;
            db::Transaction t(c);
            QStringList names;
            qint64 headCount = 0;
            for (const auto& row : rows.rows) {
                headCount = row[0].toInteger();
                const QString name = row[1].toString(), sex = row[2].toString();
                names << SqlText::format("%s(%s)", name, sex);
                c.execute(SqlText::format(
                    "insert into #tjian_dwhzmd(dwmcheng, jbmcheng, xming, xbie) values('%s', '%s', '%s', '%s') ",
                    unit.name, diagnosis, name, sex));
            }
            const int count = int(rows.rows.size());
            // The head count includes every person found, so it is never 0 here.
            const db::Currency rate = db::Currency::fromDouble(headCount > 0 ? count * 100.0 / double(headCount) : 0);
            c.execute(SqlText::format(
                "insert into #tjian_dwhzmdcxun(dwmcheng, jbmcheng, rci, bfbi, rymdan) values('%s', '%s', %d, %.2f, '%s')",
                unit.name, diagnosis, count, rate, names.join(QLatin1Char(','))));
            t.commit();
        }
    }
    return true;
}

}  // namespace tj::queries
