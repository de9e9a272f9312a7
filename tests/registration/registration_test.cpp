// The registration transaction on a real embedded database: the rows it
// writes for the three callers, numbering, settlement, result rows by sex,
// all-or-nothing failure, and numbers that stay unique between two
// workstations registering at the same time.
// The fixture's specs are filled with designated initializers; the fields
// left out keep their defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

#include "platform/db/SqlText.h"
#include "support/DbFixture.h"

#include "registration/ExamNumber.h"
#include "registration/RegisterVisits.h"
#include "registration/WorkingItems.h"

#include <QSet>

#include <array>
#include <tuple>

#include <thread>

using namespace tj::registration;
using tj::db::Currency;
using tj::db::SqlText;

namespace {

const QDateTime T(QDate(2024, 5, 6), QTime(8, 30, 15));
const Operator Clerk{5, QStringLiteral("O'Neil 王")};

class Registration : public tj::test::DbTest {
protected:
    void SetUp() override
    {
        ks = db.addDepartment("检验科");
        hb = db.addItem({.ksid = ks, .name = "血红蛋白", .unit = "g/L", .maleLow = "120", .maleHigh = "160",
                         .femaleLow = "110", .femaleHigh = "150", .normal = "135", .order = 1});
        wbc = db.addItem({.ksid = ks, .name = "白细胞", .unit = "10^9/L", .maleLow = "4", .maleHigh = "10",
                          .femaleLow = "3.5", .femaleHigh = "9.5", .order = 2});
        // Not selected in any combined item: never gets a result row.
        db.addItem({.ksid = ks, .name = "旧项目", .order = 3});
        glu = db.addItem({.ksid = ks, .name = "血糖", .unit = "mmol/L", .maleLow = "3.9", .maleHigh = "6.1",
                          .femaleLow = "3.9", .femaleHigh = "6.1", .order = 4});
        blood = db.addCombinedItem({.ksid = ks, .name = "血常规", .price = 100, .members = {hb, wbc}});
        liver = db.addCombinedItem({.ksid = ks, .name = "肝功能", .price = 100, .members = {glu}});
        sugar = db.addCombinedItem({.ksid = ks, .name = "血糖组", .price = 100, .members = {glu}});
        db.execute(SqlText::format("update tjian_zhxmu_main set tsxxi='空腹' where id=%d", liver));
        pkg = db.addPackage({.name = "入职套餐", .price = 250, .zhxmids = {blood, liver, sugar}});
    }

    tj::db::SqliteConnection& c() { return db.connection(); }
    tj::db::ResultSet rows(const QString& sql) { return db.query(sql); }
    qint64 count(const QString& sql) { return db.scalar(sql).toInteger(); }

    // Settlement type and counter as SQL text, so NULL can be given.
    int unit(const QString& name, const QString& jzlxing, int tjfqid, const QString& maxtjhao)
    {
        const int id = db.addUnit({.name = name, .tjfqid = tjfqid});
        db.execute(SqlText::format("update tjian_dwei set jzlxing=%s, maxtjhao=%s where id=%d", jzlxing, maxtjhao, id));
        return id;
    }
    int person(const QString& name, const QString& sex, int dwid)
    {
        return db.addPerson({.name = name, .sex = sex, .dwid = dwid});
    }

    // The group working table loaded with the package and spread to 250.
    void loadSpreadPackage()
    {
        const PackageLoad load = LoadPackageItems(c(), pkg);
        SpreadPackagePrice(c(), WorkingTable::Group, load.packagePrice, load.totals.received, load.totals.itemPrice);
    }

    QVariantList visit(const QString& tjhao)
    {
        const auto rs = rows(SqlText::format(
            "select ryid, tjlbid, jzlxing, jzbzhi, jzsjian, tcid, sfyid, sfyuan, sfsjian, tjfqid, tjztai, zxbzhi "
            "from tjian_sfei_main where tjhao='%s'", tjhao));
        if (rs.rows.size() != 1)
            return {};
        QVariantList out;
        for (const auto& v : rs.rows[0])
            out << (v.isNull() ? QVariant() : QVariant(v.toString()));
        return out;
    }

    int ks = 0, hb = 0, wbc = 0, glu = 0, blood = 0, liver = 0, sugar = 0, pkg = 0;
};

}  // namespace

TEST(SpreadPrice, CasesOnRowsInIdOrder)
{
    auto rowsOf = [](std::initializer_list<const char*> prices) {
        std::vector<WorkingItem> v;
        int id = 0;
        for (const char* p : prices) {
            const Currency c = *Currency::fromString(p);
            v.push_back(WorkingItem{++id, id, QString(), c, Currency::fromInteger(1), c, Currency()});
        }
        return v;
    };
    auto spread = [](std::vector<WorkingItem> v, const char* typed) {
        const ItemTotals t = TotalsOf(v);
        return SpreadPrice(std::move(v), *Currency::fromString(typed), t.received, t.itemPrice);
    };
    struct Case {
        const char* what;
        std::vector<WorkingItem> items;
        const char* typed;
        std::vector<std::array<const char*, 3>> expected;  // yhje, ssje, zkou
    };
    const Case cases[] = {
        {"equal to the sum changes nothing", rowsOf({"100", "200"}), "300", {{"0", "100", "1"}, {"0", "200", "1"}}},
        {"cut to hundredths, the last takes the rest", rowsOf({"100", "100", "100"}), "250",
         {{"16.66", "83.34", "0.8334"}, {"16.66", "83.34", "0.8334"}, {"16.68", "83.32", "0.8332"}}},
        {"cut toward zero for a surcharge", rowsOf({"100", "100", "100"}), "350",
         {{"-16.66", "116.66", "1.1666"}, {"-16.66", "116.66", "1.1666"}, {"-16.68", "116.68", "1.1668"}}},
        {"above the sum", rowsOf({"100", "200"}), "330", {{"-10", "110", "1.1"}, {"-20", "220", "1.1"}}},
        {"zero-priced last row takes no share", rowsOf({"100", "100", "100", "0"}), "250",
         {{"16.66", "83.34", "0.8334"}, {"16.66", "83.34", "0.8334"}, {"16.66", "83.34", "0.8334"}, {"0", "0", "1"}}},
        {"zero-priced row in the middle", rowsOf({"100", "0", "100"}), "150",
         {{"25", "75", "0.75"}, {"0", "0", "1"}, {"25", "75", "0.75"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto out = spread(c.items, c.typed);
        ASSERT_EQ(out.size(), c.expected.size());
        for (std::size_t i = 0; i < out.size(); ++i) {
            EXPECT_EQ(out[i].yhje, *Currency::fromString(c.expected[i][0])) << i;
            EXPECT_EQ(out[i].ssje, *Currency::fromString(c.expected[i][1])) << i;
            EXPECT_EQ(out[i].zkou, *Currency::fromString(c.expected[i][2])) << i;
        }
    }

    // Reductions already on a row (typed in the batch window) stay and the
    // share is added to them.
    auto v = rowsOf({"200", "100"});
    v[0].yhje = Currency::fromInteger(20);
    v[0].ssje = Currency::fromInteger(180);
    v[0].zkou = *Currency::fromString("0.9");
    const auto out = SpreadPrice(v, Currency::fromInteger(250), Currency::fromInteger(280), Currency::fromInteger(300));
    EXPECT_EQ(out[0].yhje, Currency::fromInteger(40));
    EXPECT_EQ(out[0].ssje, Currency::fromInteger(160));
    EXPECT_EQ(out[0].zkou, *Currency::fromString("0.8"));
    EXPECT_EQ(out[1].yhje, Currency::fromInteger(10));

    EXPECT_EQ(AmountFromBoxText(""), Currency());
    EXPECT_EQ(AmountFromBoxText("二百"), Currency());
    EXPECT_EQ(AmountFromBoxText(" 250.5 "), *Currency::fromString("250.5"));
}

TEST_F(Registration, PackageLoadAndSpreadingInTheWorkingTable)
{
    const PackageLoad load = LoadPackageItems(c(), pkg);
    EXPECT_EQ(load.packagePrice, Currency::fromInteger(250));
    EXPECT_EQ(load.totals.itemPrice, Currency::fromInteger(300));
    EXPECT_EQ(load.totals.received, Currency::fromInteger(300));
    EXPECT_EQ(load.totals.reduction, Currency());

    ItemTotals t = SpreadPackagePrice(c(), WorkingTable::Group, load.packagePrice, load.totals.received,
                                      load.totals.itemPrice);
    EXPECT_EQ(t.received, Currency::fromInteger(250));
    EXPECT_EQ(t.reduction, Currency::fromInteger(50));
    auto items = ReadWorkingItems(c(), WorkingTable::Group);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[2].zhxmid, sugar);
    EXPECT_EQ(items[2].mcheng, "血糖组");
    EXPECT_EQ(items[0].zkou, *Currency::fromString("0.8334"));
    EXPECT_EQ(items[2].ssje, *Currency::fromString("83.32"));

    // A second press finds nothing left to spread.
    t = SpreadPackagePrice(c(), WorkingTable::Group, load.packagePrice, t.received, t.itemPrice);
    const auto again = ReadWorkingItems(c(), WorkingTable::Group);
    for (std::size_t i = 0; i < again.size(); ++i) {
        EXPECT_EQ(again[i].yhje, items[i].yhje);
        EXPECT_EQ(again[i].zkou, items[i].zkou);
    }

    // Loading again replaces the rows.
    LoadPackageItems(c(), pkg);
    EXPECT_EQ(RecomputeTotals(c(), WorkingTable::Group).received, Currency::fromInteger(300));
    EXPECT_EQ(ReadWorkingItems(c(), WorkingTable::Group).front().id, 1);
}

TEST_F(Registration, BatchWritesVisitsChargesResultsCounterAndFlags)
{
    const int u = unit("东方机械", "2", 3, "7");
    const int man = person("张伟", "男", u), woman = person("李秀英", "女", u), unknown = person("刘某", "", u);
    loadSpreadPackage();

    const RegistrationResult r = RegisterVisits(c(), BatchRegistration{u, {man, woman, unknown}, 2, pkg, Clerk, T});
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    const QString p = QString::number(u) + "-";
    EXPECT_EQ(r.examNumbers, QStringList({p + "8", p + "9", p + "10"}));
    EXPECT_EQ(r.message, "所选人员批量登记成功！");
    EXPECT_EQ(count(SqlText::format("select maxtjhao from tjian_dwei where id=%d", u)), 10);

    // Settlement type 2: not settled, no settlement time; zone from the unit.
    const QVariantList expected = {QString::number(man), "2", "2", "0", QVariant(), QString::number(pkg), "5",
                                   "O'Neil 王", "", "3", "未检", "0"};
    QVariantList v = visit(p + "8");
    ASSERT_EQ(v.size(), expected.size());
    EXPECT_EQ(tj::db::Value(v[8].toString()).toDateTime(), T);
    v[8] = "";
    EXPECT_EQ(v, expected);

    // Every person is charged the same spread rows.
    for (const QString& n : r.examNumbers) {
        const auto charges = rows(SqlText::format(
            "select d.zhxmid, d.ysje, d.zkou, d.ssje, d.hsbzhi from tjian_sfei_sub d inner join tjian_sfei_main e "
            "on e.id=d.sfid where e.tjhao='%s' order by d.id", n));
        ASSERT_EQ(charges.rows.size(), 3u) << n.toStdString();
        EXPECT_EQ(charges.rows[0][1].toCurrency(), Currency::fromInteger(100));
        EXPECT_EQ(charges.rows[0][2].toCurrency(), *Currency::fromString("0.8334"));
        EXPECT_EQ(charges.rows[2][3].toCurrency(), *Currency::fromString("83.32"));
        EXPECT_EQ(charges.rows[2][4].toInteger(), 1);
    }

    // Result rows: one per active member and charged combined item (blood
    // sugar twice, the retired member never), limits by sex, the normal
    // result as the starting result, not examined.
    for (const auto& [n, lo, hi] : {std::tuple{p + "8", "120", "160"}, std::tuple{p + "9", "110", "150"},
                                    std::tuple{p + "10", "110", "150"}}) {
        SCOPED_TRACE(n.toStdString());
        EXPECT_EQ(count(SqlText::format("select count(*) from tjian_jguo where tjhao='%s'", n)), 4);
        EXPECT_EQ(count(SqlText::format("select count(*) from tjian_jguo where tjhao='%s' and xmid=%d", n, glu)), 2);
        const auto hbRow = rows(SqlText::format(
            "select ckxxian, cksxian, jcjguo, zcjguo, xxtshi, sxtshi, dwei, xhao, jcbzhi, ycbzhi, zhxmid "
            "from tjian_jguo where tjhao='%s' and xmid=%d", n, hb));
        ASSERT_EQ(hbRow.rows.size(), 1u);
        const auto& h = hbRow.rows[0];
        EXPECT_EQ(h[0].toString(), lo);
        EXPECT_EQ(h[1].toString(), hi);
        EXPECT_EQ(h[2].toString(), "135");
        EXPECT_EQ(h[3].toString(), "135");
        EXPECT_EQ(h[4].toString(), "偏低");
        EXPECT_EQ(h[5].toString(), "偏高");
        EXPECT_EQ(h[6].toString(), "g/L");
        EXPECT_EQ(h[7].toInteger(), 1);
        EXPECT_EQ(h[8].toInteger(), 0);
        EXPECT_EQ(h[9].toInteger(), 0);
        EXPECT_EQ(h[10].toInteger(), blood);
    }
    EXPECT_EQ(count(SqlText::format("select count(*) from tjian_ryuan where djbzhi=1 and id in (%d, %d, %d)", man,
                                    woman, unknown)), 3);
}

TEST_F(Registration, FailureInTheBatchLeavesNothingAndKeepsTheWorkingTable)
{
    const int u = unit("东方机械", "1", 3, "7");
    const int a = person("甲", "男", u), b = person("乙", "男", u), third = person("丙", "女", u);
    const int other = person("旧档案", "男", u);
    // An old visit already holds the number the third person would get.
    const QString taken = QString::number(u) + "-10";
    c().execute(SqlText::format("insert into tjian_sfei_main(tjhao, ryid) values('%s', %d)", taken, other));
    loadSpreadPackage();
    const auto before = ReadWorkingItems(c(), WorkingTable::Group);

    const RegistrationResult r = RegisterVisits(c(), BatchRegistration{u, {a, b, third}, 2, pkg, Clerk, T});
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.examNumbers.isEmpty());
    EXPECT_TRUE(r.message.startsWith("批量登记失败：")) << r.message.toStdString();
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(r.message, "批量登记失败：" + r.error);

    EXPECT_EQ(count("select count(*) from tjian_sfei_main"), 1);
    EXPECT_EQ(count("select count(*) from tjian_sfei_sub"), 0);
    EXPECT_EQ(count("select count(*) from tjian_jguo"), 0);
    EXPECT_EQ(count(SqlText::format("select maxtjhao from tjian_dwei where id=%d", u)), 7);
    EXPECT_EQ(count("select count(*) from tjian_ryuan where djbzhi=1"), 0);
    const auto after = ReadWorkingItems(c(), WorkingTable::Group);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after[2].yhje, before[2].yhje);
}

TEST_F(Registration, SettlementAndStartOfNumbering)
{
    struct Case {
        const char* jzlxing;
        const char* maxtjhao;
        int sequence;
        bool settled;
    };
    for (const Case& tc : {Case{"1", "0", 1, true}, Case{"2", "4", 5, false}, Case{"NULL", "NULL", 1, false},
                          Case{"0", "NULL", 1, false}}) {
        SCOPED_TRACE(std::string(tc.jzlxing) + " " + tc.maxtjhao);
        const int u = unit("单位", tc.jzlxing, 4, tc.maxtjhao);
        const int p = person("某人", "男", u);
        loadSpreadPackage();
        const RegistrationResult r = RegisterVisits(c(), SingleRegistration{u, p, 1, pkg, Clerk, T});
        ASSERT_TRUE(r.ok) << r.message.toStdString();
        EXPECT_EQ(r.message, "所选人员登记成功！");
        const QString n = SqlText::format("%d-%d", u, tc.sequence);
        ASSERT_EQ(r.examNumbers, QStringList{n});
        EXPECT_EQ(count(SqlText::format("select maxtjhao from tjian_dwei where id=%d", u)), tc.sequence);
        const auto v = rows(SqlText::format("select jzbzhi, jzsjian, sfsjian, tjfqid from tjian_sfei_main "
                                            "where tjhao='%s'", n));
        ASSERT_EQ(v.rows.size(), 1u);
        EXPECT_EQ(v.rows[0][0].toInteger(), tc.settled ? 1 : 0);
        if (tc.settled)
            EXPECT_EQ(v.rows[0][1].toDateTime(), v.rows[0][2].toDateTime());
        else
            EXPECT_TRUE(v.rows[0][1].isNull());
        EXPECT_EQ(v.rows[0][3].toInteger(), 4);
    }
}

TEST_F(Registration, IndividualWithoutUnitCreatesTheCounterAndPaysAtOnce)
{
    ASSERT_EQ(count("select count(*) from tjian_csszhi where jian='散检最大体检号'"), 0);
    const int p = person("散客", "女", 0);
    CreateWorkingTable(c(), WorkingTable::Individual);
    AddPackageToIndividualItems(c(), pkg);
    AddCombinedItemToIndividualItems(c(), liver);
    const auto chosen = rows("select ksmcheng, tsxxi from #tjian_sjdj order by id");
    ASSERT_EQ(chosen.rows.size(), 4u);
    EXPECT_EQ(chosen.rows[3][0].toString(), "检验科");
    EXPECT_EQ(chosen.rows[3][1].toString(), "空腹");

    const RegistrationResult r =
        RegisterVisits(c(), IndividualRegistration{QString::number(p), 0, 3, 6, pkg, Clerk, T});
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    EXPECT_EQ(r.examNumbers, QStringList{"0-1"});
    EXPECT_EQ(r.message, "散检人员登记成功！");
    EXPECT_EQ(IndividualNumberLabel(r.examNumbers[0]), "本次体检号：0-1");
    EXPECT_EQ(c().scalar("select zhi from tjian_csszhi where jian='散检最大体检号'").toString(), "1");

    const auto v = rows("select jzlxing, jzbzhi, jzsjian, sfsjian, tjfqid, tcid, ryid from tjian_sfei_main "
                        "where tjhao='0-1'");
    ASSERT_EQ(v.rows.size(), 1u);
    EXPECT_EQ(v.rows[0][0].toInteger(), 1);
    EXPECT_EQ(v.rows[0][1].toInteger(), 1);
    EXPECT_EQ(v.rows[0][2].toDateTime(), T);
    EXPECT_EQ(v.rows[0][3].toDateTime(), T);
    EXPECT_EQ(v.rows[0][4].toInteger(), 6);
    EXPECT_EQ(v.rows[0][5].toInteger(), pkg);
    EXPECT_EQ(v.rows[0][6].toInteger(), p);
    EXPECT_EQ(count("select count(*) from tjian_sfei_sub"), 4);
    EXPECT_EQ(count("select sum(ssje) from tjian_sfei_sub"), 400);
    // liver charged twice: its blood-sugar row comes once per charge line.
    EXPECT_EQ(count(SqlText::format("select count(*) from tjian_jguo where tjhao='0-1' and xmid=%d", glu)), 3);
    EXPECT_EQ(c().scalar(SqlText::format("select ckxxian from tjian_jguo where tjhao='0-1' and xmid=%d", hb))
                  .toString(), "110");

    // The next one continues the counter.
    const RegistrationResult again =
        RegisterVisits(c(), IndividualRegistration{QString::number(p), 0, 3, 6, 0, Clerk, T});
    EXPECT_EQ(again.examNumbers, QStringList{"0-2"});
}

TEST_F(Registration, IndividualCounterRowSurvivesAFailedFirstRegistration)
{
    const int p = person("散客", "男", 0);
    c().execute(SqlText::format("insert into tjian_sfei_main(tjhao, ryid) values('0-1', %d)", person("旧", "男", 0)));
    CreateWorkingTable(c(), WorkingTable::Individual);
    AddCombinedItemToIndividualItems(c(), blood);

    const RegistrationResult r = RegisterVisits(c(), IndividualRegistration{QString::number(p), 0, 3, 6, 0, Clerk, T});
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.message.startsWith("散检人员登记失败：")) << r.message.toStdString();
    EXPECT_EQ(c().scalar("select zhi from tjian_csszhi where jian='散检最大体检号'").toString(), "0");
    EXPECT_EQ(count("select count(*) from tjian_sfei_main"), 1);
    EXPECT_EQ(count(SqlText::format("select djbzhi from tjian_ryuan where id=%d", p)), 0);
}

TEST_F(Registration, TwoWorkstationsCreatingTheIndividualCounterLeaveOneRow)
{
    auto other = db.openAnother();
    ExamNumberCounter(c(), 0).ensureRow();
    ExamNumberCounter(*other, 0).ensureRow();
    EXPECT_EQ(AllocateExamNumber(*other, 0).text(), "0-1");
    EXPECT_EQ(AllocateExamNumber(c(), 0).text(), "0-1");
    // A workstation that missed the other's row and appends its own, as a
    // data set would, is refused by the database: never two counters.
    try {
        other->execute("insert into tjian_csszhi(jian, zhi) values('散检最大体检号', '5')");
        ADD_FAILURE() << "a second counter row was stored";
    } catch (const tj::db::SqlError& e) {
        EXPECT_EQ(e.kind(), tj::db::SqlError::Kind::Constraint) << e.what();
    }
    EXPECT_EQ(count("select count(*) from tjian_csszhi where jian='散检最大体检号'"), 1);
    EXPECT_EQ(c().scalar("select zhi from tjian_csszhi where jian='散检最大体检号'").toString(), "0");
}

TEST_F(Registration, IndividualOfAUnitUsesTheUnitButTheZoneBox)
{
    const int u = unit("华信科技", "2", 3, "41");
    const int p = person("员工", "男", u);
    CreateWorkingTable(c(), WorkingTable::Individual);
    AddCombinedItemToIndividualItems(c(), blood);

    const RegistrationResult r = RegisterVisits(c(), IndividualRegistration{" " + QString::number(p) + " ", u, 3, 6, 0,
                                                                            Clerk, T});
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    const QString n = SqlText::format("%d-42", u);
    EXPECT_EQ(r.examNumbers, QStringList{n});
    EXPECT_EQ(count(SqlText::format("select maxtjhao from tjian_dwei where id=%d", u)), 42);
    const auto v = rows(SqlText::format("select jzbzhi, jzsjian, tjfqid from tjian_sfei_main where tjhao='%s'", n));
    EXPECT_EQ(v.rows[0][0].toInteger(), 0);
    EXPECT_TRUE(v.rows[0][1].isNull());
    EXPECT_EQ(v.rows[0][2].toInteger(), 6);
    EXPECT_EQ(count("select count(*) from tjian_csszhi where jian='散检最大体检号'"), 0);
}

TEST_F(Registration, RefusalsWriteNothing)
{
    const int p = person("某人", "男", 0);
    CreateWorkingTable(c(), WorkingTable::Individual);
    AddCombinedItemToIndividualItems(c(), blood);
    loadSpreadPackage();

    struct Case {
        const char* what;
        RegistrationResult result;
        const char* prefix;
    };
    const Case cases[] = {
        // The unit row is the counter: without it the same number would come
        // again on every press.
        {"individual of a unit that does not exist",
         RegisterVisits(c(), IndividualRegistration{QString::number(p), 999, 3, 6, 0, Clerk, T}), "散检人员登记失败："},
        {"group unit that does not exist", RegisterVisits(c(), SingleRegistration{999, p, 1, pkg, Clerk, T}),
         "登记失败："},
        {"person not saved yet", RegisterVisits(c(), IndividualRegistration{"", 0, 3, 6, 0, Clerk, T}),
         "散检人员登记失败："},
        {"archive number that is no number",
         RegisterVisits(c(), IndividualRegistration{"1 or 1=1", 0, 3, 6, 0, Clerk, T}), "散检人员登记失败："},
        {"person that does not exist",
         RegisterVisits(c(), BatchRegistration{unit("单位", "1", 1, "0"), {123456}, 1, pkg, Clerk, T}),
         "批量登记失败："},
        {"nobody selected", RegisterVisits(c(), BatchRegistration{unit("单位", "1", 1, "0"), {}, 1, pkg, Clerk, T}),
         "批量登记失败："},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.what);
        EXPECT_FALSE(tc.result.ok);
        EXPECT_TRUE(tc.result.message.startsWith(QString::fromUtf8(tc.prefix))) << tc.result.message.toStdString();
        EXPECT_GT(tc.result.error.size(), 0);
    }
    EXPECT_TRUE(cases[0].result.error.contains("999"));
    EXPECT_EQ(count("select count(*) from tjian_sfei_main"), 0);
    EXPECT_EQ(count("select count(*) from tjian_sfei_sub"), 0);
    EXPECT_EQ(count("select count(*) from tjian_ryuan where djbzhi=1"), 0);
    EXPECT_EQ(count("select count(*) from tjian_dwei where maxtjhao<>0"), 0);
}

TEST_F(Registration, AWorkstationWaitingForTheCounterFailsCleanlyOrGetsTheNextNumber)
{
    const int u = unit("东方机械", "2", 3, "7");
    const int p1 = person("甲", "男", u), p2 = person("乙", "男", u);
    loadSpreadPackage();

    // The second workstation gives up quickly while the first holds the counter.
    tj::db::SqliteConnection other(db.path(), 200);
    other.open();
    LoadPackageItems(other, pkg);

    c().beginTransaction();
    ExamNumberCounter counter(c(), u);
    counter.lock();
    const int last = counter.read();
    const RegistrationResult blocked = RegisterVisits(other, SingleRegistration{u, p2, 1, pkg, Clerk, T});
    EXPECT_FALSE(blocked.ok);
    EXPECT_TRUE(blocked.message.startsWith("登记失败："));
    counter.write(last + 1);
    c().execute(SqlText::format("insert into tjian_sfei_main(tjhao, ryid) values('%s', %d)",
                                ExamNumber{u, last + 1}.text(), p1));
    c().commit();

    const RegistrationResult next = RegisterVisits(other, SingleRegistration{u, p2, 1, pkg, Clerk, T});
    ASSERT_TRUE(next.ok) << next.message.toStdString();
    EXPECT_EQ(next.examNumbers, QStringList{SqlText::format("%d-9", u)});
    EXPECT_EQ(count("select count(*) from tjian_sfei_main"), 2);
}

TEST_F(Registration, TwoWorkstationsRegisteringAtOnceNeverShareANumber)
{
    const int u = unit("东方机械", "2", 3, "0");
    constexpr int PerStation = 15;
    std::vector<int> staff[2], walkIns[2];
    for (int s = 0; s < 2; ++s)
        for (int i = 0; i < PerStation; ++i) {
            staff[s].push_back(person("职工", "男", u));
            walkIns[s].push_back(person("散客", "女", 0));
        }

    QStringList numbers[2];
    int failures[2] = {0, 0};
    auto station = [&](int s) {
        tj::db::SqliteConnection own(db.path());
        own.open();
        LoadPackageItems(own, pkg);
        CreateWorkingTable(own, WorkingTable::Individual);
        AddCombinedItemToIndividualItems(own, blood);
        for (int i = 0; i < PerStation; ++i) {
            for (const RegistrationResult& r :
                 {RegisterVisits(own, SingleRegistration{u, staff[s][i], 1, pkg, Clerk, T}),
                  RegisterVisits(own, IndividualRegistration{QString::number(walkIns[s][i]), 0, 1, 2, 0, Clerk, T})}) {
                if (r.ok)
                    numbers[s] += r.examNumbers;
                else
                    ++failures[s];
            }
        }
    };
    std::thread first(station, 0), second(station, 1);
    first.join();
    second.join();

    // Each press either committed under a number of its own or failed whole.
    const QStringList all = numbers[0] + numbers[1];
    EXPECT_EQ(all.size() + failures[0] + failures[1], 4 * PerStation);
    EXPECT_EQ(QSet<QString>(all.begin(), all.end()).size(), all.size());
    EXPECT_EQ(count("select count(*) from tjian_sfei_main"), all.size());
    EXPECT_EQ(count("select count(distinct tjhao) from tjian_sfei_main"), all.size());
    EXPECT_EQ(count("select count(*) from tjian_jguo"), count("select count(*) from tjian_sfei_main where tjhao like "
                                                              "'0-%'") * 2 +
                                                            count(SqlText::format("select count(*) from "
                                                                                  "tjian_sfei_main where tjhao like "
                                                                                  "'%d-%%'", u)) * 4);
    // With the counter locked inside the transaction nobody needs to fail.
    EXPECT_EQ(failures[0] + failures[1], 0);
    EXPECT_EQ(count(SqlText::format("select maxtjhao from tjian_dwei where id=%d", u)), 2 * PerStation);
    EXPECT_EQ(c().scalar("select zhi from tjian_csszhi where jian='散检最大体检号'").toString(),
              QString::number(2 * PerStation));
}
