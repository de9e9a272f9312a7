// The generated year at a small size: the same seed gives the same
// database, another seed another; visits, charges, results, findings and
// chief examinations hang together, and the counters equal the highest
// numbers issued.
#include "queries/YearGenerator.h"
#include "support/DbFixture.h"

#include <QCryptographicHash>

namespace {

using namespace tj;

queries::YearOptions smallYear(quint64 seed)
{
    queries::YearOptions o;
    o.seed = seed;
    o.visits = 120;
    o.units = 4;
    o.firstDay = QDate(2025, 3, 1);
    o.days = 40;
    return o;
}

// A digest of every row of the tables the generator writes.
QByteArray digest(test::TestDatabase& db)
{
    QCryptographicHash h(QCryptographicHash::Sha256);
    for (const char* table : {"pub_yhu", "tjian_dwei", "tjian_ryuan", "tjian_sfei_main", "tjian_sfei_sub", "tjian_jguo",
                              "tjian_jguo_xjie", "tjian_jguo_zdjlun", "tjian_jguo_zjian", "tjian_sfei_rjie",
                              "tjian_sfei_yjie", "tjian_csszhi"}) {
        const db::ResultSet rs = db.query(QStringLiteral("select * from %1 order by id").arg(QLatin1String(table)));
        for (const auto& row : rs.rows)
            for (const db::Value& v : row)
                h.addData(v.toString().toUtf8() + '\x1f');
    }
    return h.result();
}

TEST(YearGenerator, SameSeedSameDatabase)
{
    test::TestDatabase a, b, c;
    const auto sa = queries::GenerateYear(a.connection(), smallYear(7));
    queries::GenerateYear(b.connection(), smallYear(7));
    queries::GenerateYear(c.connection(), smallYear(8));
    EXPECT_EQ(digest(a), digest(b));
    EXPECT_NE(digest(a), digest(c));
    EXPECT_NEAR(sa.visits, 120, 8);
    EXPECT_EQ(sa.units, 4);
    // A second run on a database that has visits is refused.
    EXPECT_THROW(queries::GenerateYear(a.connection(), smallYear(7)), std::runtime_error);
}

TEST(YearGenerator, VisitsChargesAndResultsHangTogether)
{
    test::TestDatabase db;
    auto o = smallYear(3);
    o.visits = 300;
    const auto s = queries::GenerateYear(db.connection(), o);
    const auto none = [&](const char* sql) { EXPECT_EQ(db.scalar(QString::fromUtf8(sql)).toInteger(), 0) << sql; };
    // No orphans.
    none("select count(*) from tjian_sfei_sub where sfid not in (select id from tjian_sfei_main)");
    none("select count(*) from tjian_jguo where tjhao not in (select tjhao from tjian_sfei_main)");
    none("select count(*) from tjian_jguo_xjie where tjhao not in (select tjhao from tjian_sfei_main)");
    none("select count(*) from tjian_jguo_zdjlun where tjhao not in (select tjhao from tjian_sfei_main)");
    none("select count(*) from tjian_jguo_zjian where tjhao not in (select tjhao from tjian_sfei_main)");
    none("select count(*) from tjian_sfei_main where ryid not in (select id from tjian_ryuan)");
    // Result rows only for combined items charged and in force.
    none("select count(*) from tjian_jguo a inner join tjian_sfei_main b on b.tjhao=a.tjhao where not exists (select * "
         "from tjian_sfei_sub c where c.sfid=b.id and c.zhxmid=a.zhxmid and c.hsbzhi=1)");
    // Cancelled visits were never examined; a chief examination exactly for the finished ones.
    none("select count(*) from tjian_jguo a inner join tjian_sfei_main b on b.tjhao=a.tjhao where b.zxbzhi=1 and a.jcbzhi=1");
    none("select count(*) from tjian_sfei_main a where a.zjbzhi=1 and not exists (select * from tjian_jguo_zjian c where c.tjhao=a.tjhao)");
    none("select count(*) from tjian_sfei_main a where a.zjbzhi=0 and exists (select * from tjian_jguo_zjian c where c.tjhao=a.tjhao)");
    none("select count(*) from tjian_sfei_main where zxbzhi=0 and ((tjztai='检完') <> (zjbzhi=1))");
    none("select count(*) from tjian_sfei_main where zxbzhi=0 and zjbzhi=1 and exists (select * from tjian_jguo c where "
         "c.tjhao=tjian_sfei_main.tjhao and c.jcbzhi=0)");
    none("select count(*) from tjian_jguo where jcbzhi=1 and (tjysid is null or tjsjian is null)");
    // Some of everything.
    EXPECT_GT(s.cancelled, 0);
    EXPECT_GT(s.completed, s.visits / 2);
    EXPECT_GT(db.scalar(QStringLiteral("select count(*) from tjian_jguo where ycbzhi=1")).toInteger(), 0);
    EXPECT_LT(db.scalar(QStringLiteral("select count(*) from tjian_jguo where ycbzhi=1")).toInteger() * 4, s.resultRows);
    EXPECT_GT(db.scalar(QStringLiteral("select count(*) from tjian_jguo_zdjlun")).toInteger(), 0);
    EXPECT_GT(db.scalar(QStringLiteral("select count(*) from tjian_sfei_rjie")).toInteger(), 0);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from tjian_sfei_main")).toInteger(), s.visits);
    // Counters: each unit's equals its highest sequence number, the individual one likewise.
    const db::ResultSet units = db.query(QStringLiteral("select id, maxtjhao from tjian_dwei"));
    for (const auto& row : units.rows) {
        int highest = 0;
        for (const auto& v : db.query(QStringLiteral("select tjhao from tjian_sfei_main where tjhao like '%1-%'").arg(row[0].toInteger())).rows)
            highest = std::max(highest, v[0].toString().section(QLatin1Char('-'), 1).toInt());
        EXPECT_EQ(row[1].toInteger(), highest) << row[0].toInteger();
    }
    int walkIns = 0;
    for (const auto& v : db.query(QStringLiteral("select tjhao from tjian_sfei_main where tjhao like '0-%'")).rows)
        walkIns = std::max(walkIns, v[0].toString().section(QLatin1Char('-'), 1).toInt());
    EXPECT_GT(walkIns, 0);
    EXPECT_EQ(db.scalar(QStringLiteral("select zhi from tjian_csszhi where jian='散检最大体检号'")).toString(), QString::number(walkIns));
}

}  // namespace
