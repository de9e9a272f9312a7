// The front desk's work on registered visits, on a real embedded database:
// adding and withdrawing combined items (checks, log lines, rows left, one
// transaction a press, two workstations at once), cancelling numbers, and
// settling a unit's visits when it pays.
#include "platform/db/SqlText.h"
#include "support/DbFixture.h"

#include "registration/CancelVisits.h"
#include "registration/ItemChanges.h"
#include "registration/RegisterVisits.h"
#include "registration/UnitPayment.h"
#include "registration/WorkingItems.h"

#include <QSet>

#include <barrier>
#include <thread>

using namespace tj::registration;
using tj::db::Currency;
using tj::db::SqlText;

namespace {

Currency money(const char* text)
{
    return *Currency::fromString(QString::fromUtf8(text));
}

WorkingItem row(int zhxmid, const QString& name, const char* price, const char* factor, const char* received,
                const char* reduction)
{
    return WorkingItem{0, zhxmid, name, money(price), money(factor), money(received), money(reduction)};
}

TEST(ItemsToAdd, DiscountArithmeticOfTheEnterKey)
{
    struct Case {
        const char* what;
        bool factorTyped;
        const char* price;
        const char* typed;
        const char* zkou;
        const char* ssje;
        const char* yhje;
    };
    const Case cases[] = {
        {"discount 0.9", true, "200", "0.9", "0.9", "180", "20"},
        {"received 150", false, "200", "150", "0.75", "150", "50"},
        {"received above the price", false, "200", "250", "1.25", "250", "-50"},
        {"the product rounded to four decimals", true, "33.33", "0.8888", "0.8888", "29.6237", "3.7063"},
        {"a free item keeps full price", false, "0", "0", "1", "0", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const RowAmounts out = c.factorTyped ? *DiscountEntered(money(c.price), money(c.typed))
                                             : ReceivedEntered(money(c.price), money(c.typed));
        EXPECT_EQ(out.zkou, money(c.zkou));
        EXPECT_EQ(out.ssje, money(c.ssje));
        EXPECT_EQ(out.yhje, money(c.yhje));
    }
    EXPECT_FALSE(DiscountEntered(money("200"), money("1.2")));
    EXPECT_FALSE(DiscountEntered(money("200"), money("-0.1")));
}

TEST(ItemsToAdd, ExactTwoSidedCheck)
{
    struct Case {
        const char* what;
        std::vector<WorkingItem> rows;
        int failingRow;  // -1: accepted
        QString message;
    };
    const WorkingItem fine = row(1, "血常规", "100", "1", "100", "0");
    const Case cases[] = {
        {"0.9 of 33.33 is 29.997", {row(1, "a", "33.33", "0.9", "29.997", "3.333")}, -1, {}},
        {"0.8888 of 33.33 has eight decimals", {fine, row(2, "b", "33.33", "0.8888", "29.6237", "3.7063")}, 1,
         "第 2 行：实收与应收和折扣的乘积不符，请检查！"},
        {"received below the product", {row(1, "a", "200", "0.9", "179.99", "20.01")}, 0,
         "第 1 行：实收与应收和折扣的乘积不符，请检查！"},
        {"reduction below the difference", {row(1, "a", "200", "0.9", "180", "19.99")}, 0,
         "第 1 行：优惠金额与应收和实收的差不符，请检查！"},
        {"discount above 1", {fine, fine, row(3, "c", "100", "1.1", "110", "-10")}, 2,
         "第 3 行：折扣超出范围（0~1），请重新输入！"},
        {"negative discount", {row(1, "a", "100", "-0.5", "-50", "150")}, 0, "第 1 行：折扣超出范围（0~1），请重新输入！"},
        {"empty cells count as 0", {row(1, "a", "0", "0", "0", "0")}, -1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto problem = CheckItemsToAdd(c.rows);
        if (c.failingRow < 0) {
            EXPECT_FALSE(problem) << problem->message.toStdString();
            continue;
        }
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->row, c.failingRow);
        EXPECT_EQ(problem->message, c.message);
    }
}

class FrontDesk : public tj::test::DbTest {
protected:
    void SetUp() override
    {
        ks = db.addDepartment("检验科");
        hb = db.addItem({.ksid = ks, .name = "血红蛋白", .maleLow = "120", .maleHigh = "160", .femaleLow = "110",
                         .femaleHigh = "150", .normal = "135"});
        wbc = db.addItem({.ksid = ks, .name = "白细胞", .maleLow = "4", .maleHigh = "10", .femaleLow = "3.5",
                          .femaleHigh = "9.5"});
        glu = db.addItem({.ksid = ks, .name = "血糖", .maleLow = "3.9", .maleHigh = "6.1", .femaleLow = "3.9",
                          .femaleHigh = "6.1"});
        blood = db.addCombinedItem({.ksid = ks, .name = "血常规", .price = 33.33, .members = {hb, wbc}});
        sugar = db.addCombinedItem({.ksid = ks, .name = "血糖组", .price = 20, .members = {glu}});
        zhang = db.addPerson({.name = "张三"});
        li = db.addPerson({.name = "李四", .sex = "女"});
        wang = db.addPerson({.name = "王五"});
        db.addVisit({.ryid = zhang, .tjhao = "0-1", .zhxmids = {blood}});
        db.addVisit({.ryid = li, .tjhao = "0-2", .zhxmids = {sugar}});
        db.addVisit({.ryid = wang, .tjhao = "0-3", .zhxmids = {sugar}});
        db.execute("update tjian_sfei_main set zxbzhi=1 where tjhao='0-3'");
    }

    tj::db::SqliteConnection& c() { return db.connection(); }
    qint64 count(const QString& sql) { return db.scalar(sql).toInteger(); }
    // Charge lines of a visit and item: in force and withdrawn.
    std::pair<qint64, qint64> lines(const QString& tjhao, int zhxmid)
    {
        const QString base = SqlText::format(
            "select count(*) from tjian_sfei_sub a inner join tjian_sfei_main b on b.id=a.sfid where b.tjhao='%s' and "
            "a.zhxmid=%d and a.hsbzhi=",
            tjhao, zhxmid);
        return {count(base + "1"), count(base + "0")};
    }
    qint64 results(const QString& tjhao, int zhxmid)
    {
        return count(SqlText::format("select count(*) from tjian_jguo where tjhao='%s' and zhxmid=%d", tjhao, zhxmid));
    }

    struct Logged {
        QStringList texts;
        std::vector<bool> ok;
        ChangeLog log()
        {
            return [this](const ChangeLogLine& l) {
                texts << l.text;
                ok.push_back(l.ok);
                EXPECT_TRUE(l.time.isValid());
                EXPECT_TRUE(l.rendered().startsWith("[" + l.time.toString("yyyy-MM-dd hh:mm:ss") + "] "));
            };
        }
    };

    int ks = 0, hb = 0, wbc = 0, glu = 0, blood = 0, sugar = 0, zhang = 0, li = 0, wang = 0;
};

TEST_F(FrontDesk, AddingAndWithdrawingItemsVisitByVisit)
{
    // Results of 李四's sugar test were already entered.
    db.execute("update tjian_jguo set jcjguo='7.2', jcbzhi=1 where tjhao='0-2'");

    Logged added;
    ASSERT_TRUE(AddItemsToVisits(c(), {"0-1", "0-2", "0-3", "9-9"},
                                 {row(blood, "血常规", "33.33", "0.9", "29.997", "3.333")}, added.log()));
    EXPECT_EQ(added.texts, QStringList({"体检人员（张三）已经有此体检项目（血常规），增加失败！",
                                        "体检人员（李四）增加体检项目（血常规）成功。",
                                        "体检人员（王五）增加体检项目（血常规）成功。",
                                        "体检号（9-9）的体检记录不存在，增加失败！"}));
    EXPECT_EQ(added.ok, std::vector<bool>({false, true, true, false}));

    Logged removed;
    ASSERT_TRUE(RemoveItemsFromVisits(c(), {"0-1", "0-2", "9-9"}, {{sugar, "血糖组"}}, removed.log()));
    EXPECT_EQ(removed.texts, QStringList({"体检人员（张三）无此体检项目（血糖组），减少失败！",
                                          "体检人员（李四）减少体检项目（血糖组）成功。",
                                          "体检号（9-9）的体检记录不存在，减少失败！"}));
    EXPECT_EQ(removed.ok, std::vector<bool>({false, true, false}));

    struct Expected {
        const char* what;
        QString tjhao;
        int zhxmid;
        qint64 inForce, withdrawn, resultRows;
    };
    const Expected expected[] = {
        {"had it already: one line, untouched", "0-1", blood, 1, 0, 2},
        {"added with its result rows", "0-2", blood, 1, 0, 2},
        {"examined item withdrawn: line kept, results gone", "0-2", sugar, 0, 1, 0},
        {"cancelled visit: charged, no result rows", "0-3", blood, 1, 0, 0},
        {"cancelled visit keeps what it had", "0-3", sugar, 1, 0, 1},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.what);
        EXPECT_EQ(lines(e.tjhao, e.zhxmid), std::make_pair(e.inForce, e.withdrawn));
        EXPECT_EQ(results(e.tjhao, e.zhxmid), e.resultRows);
    }
    EXPECT_EQ(count("select count(*) from tjian_sfei_sub where sfid not in (select id from tjian_sfei_main)"), 0);

    // The added line: price, discount and received as typed, marked added, with the server's time.
    const auto a = db.query(
        "select a.ysje, a.zkou, a.ssje, a.zjbzhi, a.zjsjian from tjian_sfei_sub a inner join tjian_sfei_main b on "
        "b.id=a.sfid where b.tjhao='0-2' and a.zhxmid=" + QString::number(blood));
    ASSERT_EQ(a.rows.size(), 1u);
    EXPECT_EQ(a.rows[0][0].toCurrency(), money("33.33"));
    EXPECT_EQ(a.rows[0][1].toCurrency(), money("0.9"));
    EXPECT_EQ(a.rows[0][2].toCurrency(), money("29.997"));
    EXPECT_EQ(a.rows[0][3].toInteger(), 1);
    EXPECT_TRUE(a.rows[0][4].toDateTime().isValid());
    EXPECT_TRUE(db.scalar("select zjsjian from tjian_sfei_sub a inner join tjian_sfei_main b on b.id=a.sfid "
                          "where b.tjhao='0-2' and a.hsbzhi=0").toDateTime().isValid());
    // 李四 is a woman: her added rows carry the female limits.
    EXPECT_EQ(db.scalar(SqlText::format("select ckxxian from tjian_jguo where tjhao='0-2' and xmid=%d", hb)).toString(),
              "110");

    // Added again after its withdrawal: two lines, the older withdrawn, one set of results.
    ASSERT_TRUE(AddItemsToVisits(c(), {"0-2"}, {row(sugar, "血糖组", "20", "1", "20", "0")}, {}));
    EXPECT_EQ(lines("0-2", sugar), std::make_pair(qint64(1), qint64(1)));
    EXPECT_EQ(results("0-2", sugar), 1);
}

TEST_F(FrontDesk, AnErrorUndoesTheWholePress)
{
    const qint64 before = count("select count(*) from tjian_sfei_sub") + count("select count(*) from tjian_jguo");
    Logged logged;
    bool broken = false;
    ChangeLog log = [&](const ChangeLogLine& l) {
        logged.log()(l);
        // The first change made, the database refuses the next statement.
        if (l.ok && !broken) {
            broken = true;
            c().execute("drop table tjian_jguo");
        }
    };
    EXPECT_FALSE(AddItemsToVisits(c(), {"0-2", "0-3"}, {row(blood, "血常规", "33.33", "1", "33.33", "0")}, log));
    ASSERT_EQ(logged.texts.size(), 2);
    EXPECT_EQ(logged.texts[0], "体检人员（李四）增加体检项目（血常规）成功。");
    EXPECT_TRUE(logged.texts[1].startsWith("增加项目时出现错误：")) << logged.texts[1].toStdString();
    EXPECT_FALSE(logged.ok[1]);
    EXPECT_FALSE(c().inTransaction());
    EXPECT_EQ(count("select count(*) from tjian_sfei_sub") + count("select count(*) from tjian_jguo"), before);
    EXPECT_EQ(lines("0-2", blood), std::make_pair(qint64(0), qint64(0)));
}

TEST_F(FrontDesk, TwoWorkstationsAddingTheSameItemToAVisitAtOnce)
{
    QStringList texts[2];
    std::barrier start(2);
    auto station = [&](int s) {
        tj::db::SqliteConnection own(db.path());
        own.open();
        start.arrive_and_wait();
        AddItemsToVisits(own, {"0-2"}, {row(blood, "血常规", "33.33", "1", "33.33", "0")},
                         [&](const ChangeLogLine& l) { texts[s] << l.text; });
    };
    std::thread first(station, 0), second(station, 1);
    first.join();
    second.join();

    const QStringList all = texts[0] + texts[1];
    EXPECT_EQ(all.count("体检人员（李四）增加体检项目（血常规）成功。"), 1) << all.join('\n').toStdString();
    EXPECT_EQ(all.count("体检人员（李四）已经有此体检项目（血常规），增加失败！"), 1);
    EXPECT_EQ(lines("0-2", blood), std::make_pair(qint64(1), qint64(0)));
    EXPECT_EQ(results("0-2", blood), 2);
}

TEST_F(FrontDesk, CancellingKeepsTheRowsAndTheNumberIsNeverIssuedAgain)
{
    const int unit = db.addUnit({.name = "东方机械", .settlement = 2});
    const int staff = db.addPerson({.name = "赵六", .dwid = unit});
    LoadPackageItems(c(), db.addPackage({.name = "入职", .price = 53.33, .zhxmids = {blood, sugar}, .dwid = unit}));
    const Operator clerk{1, "系统管理员"};
    const RegistrationResult first = RegisterVisits(c(), SingleRegistration{unit, staff, 0, 0, clerk, {}});
    ASSERT_TRUE(first.ok) << first.message.toStdString();
    const QString number = first.examNumbers.value(0);
    db.execute(SqlText::format("update tjian_jguo set jcjguo='8.8', jcbzhi=1 where tjhao='%s'", number));

    CancelVisits(c(), {{number, staff}});
    const auto v = db.query(SqlText::format("select zxbzhi, zxsjian from tjian_sfei_main where tjhao='%s'", number));
    EXPECT_EQ(v.rows.at(0)[0].toInteger(), 1);
    EXPECT_TRUE(v.rows.at(0)[1].toDateTime().isValid());
    EXPECT_EQ(results(number, sugar), 1);
    EXPECT_EQ(db.scalar(SqlText::format("select jcjguo from tjian_jguo where tjhao='%s' and zhxmid=%d", number, sugar))
                  .toString(),
              "8.8");
    EXPECT_EQ(count(SqlText::format("select djbzhi from tjian_ryuan where id=%d", staff)), 0);

    const RegistrationResult again = RegisterVisits(c(), SingleRegistration{unit, staff, 0, 0, clerk, {}});
    ASSERT_TRUE(again.ok) << again.message.toStdString();
    EXPECT_EQ(again.examNumbers, QStringList{SqlText::format("%d-2", unit)});

    // Cancelling an old visit of a person whose newer one is still open
    // leaves him registered.
    CancelVisits(c(), {{"0-2", li}});
    db.addVisit({.ryid = zhang, .tjhao = "0-4", .zhxmids = {sugar}});
    db.execute("update tjian_sfei_main set zjbzhi=1, tjztai='检完' where tjhao='0-1'");
    CancelVisits(c(), {{"0-1", zhang}});
    EXPECT_EQ(count(SqlText::format("select djbzhi from tjian_ryuan where id=%d", li)), 0);
    EXPECT_EQ(count(SqlText::format("select djbzhi from tjian_ryuan where id=%d", zhang)), 1);
}

class UnitPayment : public FrontDesk {
protected:
    // A unit visit on account with one charge line of the amount.
    qint64 visit(const QString& tjhao, const char* amount)
    {
        const int person = db.addPerson({.name = "职工" + tjhao, .dwid = unit});
        const qint64 id = db.addVisit({.ryid = person, .tjhao = tjhao, .settlement = 2});
        db.execute(SqlText::format("insert into tjian_sfei_sub(sfid, zhxmid, ysje, zkou, ssje) values(%d, %d, %s, 1, %s)",
                                   id, sugar, QString::fromLatin1(amount), QString::fromLatin1(amount)));
        return id;
    }
    qint64 settled() { return count("select count(*) from tjian_sfei_main where jzlxing=2 and jzbzhi=1"); }
    int unit = 0;
    void SetUp() override
    {
        FrontDesk::SetUp();
        unit = db.addUnit({.name = "东方机械", .settlement = 2});
    }
};

TEST_F(UnitPayment, SumsAndSettlesOnlyWhatIsStillOpen)
{
    const qint64 a = visit("1-1", "120.00"), b = visit("1-2", "80.00"), c3 = visit("1-3", "0.50");
    // A withdrawn line does not count.
    db.execute(SqlText::format("insert into tjian_sfei_sub(sfid, zhxmid, ysje, zkou, ssje, hsbzhi) values(%d, %d, 9, 1, 9, 0)",
                               a, blood));
    EXPECT_EQ(PaymentAmount(c(), {a, b, c3}), money("200.5"));

    // Another workstation settles one of them, and one is cancelled, before the press.
    db.execute(SqlText::format("update tjian_sfei_main set jzbzhi=1, jzsjian=getdate() where id=%d", b));
    db.execute(SqlText::format("update tjian_sfei_main set zxbzhi=1 where id=%d", c3));
    const PaymentResult r = SettleUnitVisits(c(), {a, b, c3});
    EXPECT_EQ(r.selected, 3);
    EXPECT_EQ(r.settled, 1);
    EXPECT_EQ(r.amount, money("120"));
    EXPECT_EQ(count(SqlText::format("select jzbzhi from tjian_sfei_main where id=%d", c3)), 0);
    EXPECT_TRUE(db.scalar(SqlText::format("select jzsjian from tjian_sfei_main where id=%d", a)).toDateTime().isValid());
    // Visits paid at registration are never touched.
    EXPECT_EQ(SettleUnitVisits(c(), {db.scalar("select id from tjian_sfei_main where tjhao='0-1'").toInteger()}).settled, 0);
}

TEST_F(UnitPayment, ThreeThousandVisitsInOneStatement)
{
    constexpr int N = 3000;
    const int person = db.addPerson({.name = "职工", .dwid = unit});
    {
        tj::db::Transaction t(c());
        for (int from = 0; from < N; from += 500) {
            QStringList visits;
            for (int i = from; i < from + 500; ++i)
                visits << SqlText::format("('%d-%d', %d, 2, 0, '2024-05-06 08:30:00')", unit, i + 1, person);
            db.execute("insert into tjian_sfei_main(tjhao, ryid, jzlxing, jzbzhi, sfsjian) values " + visits.join(','));
        }
        db.execute(SqlText::format("insert into tjian_sfei_sub(sfid, zhxmid, ysje, zkou, ssje) select id, %d, 1.5, 1, "
                                   "1.5 from tjian_sfei_main where jzlxing=2",
                                   sugar));
        t.commit();
    }
    std::vector<qint64> ids;
    for (const auto& r : db.query("select id from tjian_sfei_main where jzlxing=2 order by id").rows)
        ids.push_back(r[0].toInteger());
    ASSERT_EQ(ids.size(), std::size_t(N));

    EXPECT_EQ(PaymentAmount(c(), ids), money("4500"));
    const PaymentResult r = SettleUnitVisits(c(), ids);
    EXPECT_EQ(r.settled, N);
    EXPECT_EQ(r.amount, money("4500"));
    EXPECT_EQ(settled(), N);
    // One settlement time for the whole payment.
    EXPECT_EQ(count("select count(distinct jzsjian) from tjian_sfei_main where jzlxing=2"), 1);
    EXPECT_FALSE(c().inTransaction());
}

}  // namespace
