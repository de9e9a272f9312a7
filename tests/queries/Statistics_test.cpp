// The twenty key figures: a small June whose figures are worked out by hand
// below, a day with no registration but a cancellation (every divisor zero),
// the rounding to four and then two decimals, a cancelled run, and the
// charts of visits by status and income by settlement type.
#include "platform/ui/Progress.h"
#include "queries/ExamStatistics.h"
#include "queries/QueryChart.h"
#include "queries/TFPrint_TjsjCxun.h"
#include "QueryFixture.h"

#include <QDateEdit>

namespace {

using namespace tj;
using db::SqlText;

class Statistics : public tj::test::QueryTest {
protected:
    Statistics()
    {
        const int ks = db.addDepartment(QStringLiteral("内科"));
        const int i1 = db.addItem({.ksid = ks, .name = QStringLiteral("心率")});
        const int i2 = db.addItem({.ksid = ks, .name = QStringLiteral("血压")});
        const int ks2 = db.addDepartment(QStringLiteral("B超室"), 12);
        const int i3 = db.addItem({.ksid = ks2, .name = QStringLiteral("肝脏")});
        z1 = db.addCombinedItem({.ksid = ks, .name = QStringLiteral("内科检查"), .price = 30, .members = {i1, i2}});
        z2 = db.addCombinedItem({.ksid = ks2, .name = QStringLiteral("腹部B超"), .price = 50, .members = {i3}});
        const int unit = db.addUnit({.name = QStringLiteral("岚川机械厂"), .settlement = 2});
        std::vector<int> p;
        for (int i = 0; i < 5; ++i)
            p.push_back(db.addPerson({.name = QStringLiteral("职工%1").arg(i), .dwid = i < 3 ? unit : 0}));
        add({.tjhao = QStringLiteral("1-1"), .ryid = p[0], .registered = QStringLiteral("2024-06-01 08:00:00"),
             .status = QStringLiteral("检完"), .chiefAt = QStringLiteral("2024-06-02 08:00:00"), .items = {z1, z2}});
        add({.tjhao = QStringLiteral("1-2"), .ryid = p[1], .registered = QStringLiteral("2024-06-02 08:00:00"),
             .status = QStringLiteral("检中"), .items = {z1}});
        add({.tjhao = QStringLiteral("1-3"), .ryid = p[2], .registered = QStringLiteral("2024-06-03 08:00:00"),
             .cancelledAt = QStringLiteral("2024-06-05 09:00:00"), .items = {z1}});
        add({.tjhao = QStringLiteral("0-1"), .ryid = p[3], .registered = QStringLiteral("2024-05-20 08:00:00"),
             .cancelledAt = QStringLiteral("2024-06-04 09:00:00"), .items = {z2}});
        add({.tjhao = QStringLiteral("0-2"), .ryid = p[4], .registered = QStringLiteral("2024-06-04 08:00:00"), .items = {z2}});
        // 1-1 examined whole, 1-2 one row; 1-1 got 5 off the ultrasound;
        // 0-2's ultrasound was taken off again (line out of force, rows gone).
        db.execute(QStringLiteral("update tjian_jguo set jcbzhi=1 where tjhao='1-1'"));
        db.execute(SqlText::format("update tjian_jguo set jcbzhi=1 where tjhao='1-2' and xmid=%d", i1));
        db.execute(SqlText::format("update tjian_sfei_sub set ssje=45, zkou=0.9 where zhxmid=%d and sfid=(select id from "
                                   "tjian_sfei_main where tjhao='1-1')",
                                   z2));
        db.execute(QStringLiteral("update tjian_sfei_sub set hsbzhi=0 where sfid=(select id from tjian_sfei_main where tjhao='0-2')"));
        db.execute(QStringLiteral("delete from tjian_jguo where tjhao='0-2'"));
        db.execute(QStringLiteral("update tjian_sfei_main set jzlxing=2 where tjhao like '1-%'"));  // the unit's: on account
        // The trigger of the first examined row put 1-1 and 1-2 under examination; set them back.
        db.execute(QStringLiteral("update tjian_sfei_main set tjztai='检完' where tjhao='1-1'"));
        db.execute(QStringLiteral("update tjian_sfei_main set tjztai='检中' where tjhao='1-2'"));
    }

    static QStringList values(queries::TFPrint_TjsjCxun& w)
    {
        return column(w.Grid, 2);
    }

    int z1 = 0, z2 = 0;
};

TEST_F(Statistics, TheTwentyFiguresOfJune)
{
    queries::TFPrint_TjsjCxun w;
    w.show();
    w.DtpBegin->setDate(QDate(2024, 6, 1));
    w.DtpEnd->setDate(QDate(2024, 6, 30));
    w.BtnQueryClick();
    // A = 4 registered in June (1-1, 1-2, 1-3, 0-2); N1 = 1 (0-2), N2 = 1, N3 = 1;
    // X = 2 cancelled in June (1-3 and 0-1, registered in May); Z = 2, Zc = 2, I = 3
    // over the rows of 1-1 and 1-2; S = 30 + 45 + 30, T = 30 + 50 + 30.
    const QStringList want = {
        QStringLiteral("5"),       QStringLiteral("4"),       QStringLiteral("1"),      QStringLiteral("1"),
        QStringLiteral("1"),       QStringLiteral("2"),       QStringLiteral("50.00％"), QStringLiteral("25.00％"),
        QStringLiteral("25.00％"), QStringLiteral("50.00％"), QStringLiteral("2"),      QStringLiteral("1.00"),
        QStringLiteral("2"),       QStringLiteral("100.00％"), QStringLiteral("3"),     QStringLiteral("0.75"),
        QStringLiteral("105.00"),  QStringLiteral("52.50"),   QStringLiteral("110.00"), QStringLiteral("55.00"),
    };
    EXPECT_EQ(values(w), want);
    EXPECT_EQ(column(w.Grid, 1).at(6), QStringLiteral("已检（检中＋检完）百分比（％）"));
    EXPECT_EQ(column(w.Grid, 0).last(), QStringLiteral("20"));

    // The charts: visits by status, income by settlement type.
    ASSERT_EQ(w.ChartStatus->points().size(), 4u);
    EXPECT_EQ(w.ChartStatus->points()[3].label, QStringLiteral("注销"));
    EXPECT_EQ(w.ChartStatus->points()[3].value, 2);
    // Only the unit's visits on account took money: the walk-in's one line is out of force.
    ASSERT_EQ(w.ChartIncome->points().size(), 1u);
    EXPECT_EQ(w.ChartIncome->points()[0].label, QStringLiteral("记帐"));
    EXPECT_EQ(w.ChartIncome->points()[0].value, 105);
    w.resize(1200, 700);
    shot(&w, QStringLiteral("chart_TFPrint_TjsjCxun"));

    // Line 1 does not follow the dates.
    w.DtpBegin->setDate(QDate(2030, 1, 1));
    w.DtpEnd->setDate(QDate(2030, 1, 1));
    w.BtnQueryClick();
    EXPECT_EQ(values(w).front(), QStringLiteral("5"));
}

TEST_F(Statistics, ADayWithoutRegistrationsGivesZeroForEveryRateAndAverage)
{
    queries::TFPrint_TjsjCxun w;
    w.show();
    w.DtpBegin->setDate(QDate(2024, 6, 5));
    w.DtpEnd->setDate(QDate(2024, 6, 5));
    w.BtnQueryClick();
    // A = 0 and X = 1: A - X is negative, every quotient is 0.
    const QStringList want = {
        QStringLiteral("5"),     QStringLiteral("0"),     QStringLiteral("0"),     QStringLiteral("0"),
        QStringLiteral("0"),     QStringLiteral("1"),     QStringLiteral("0.00％"), QStringLiteral("0.00％"),
        QStringLiteral("0.00％"), QStringLiteral("0.00％"), QStringLiteral("0"),     QStringLiteral("0.00"),
        QStringLiteral("0"),     QStringLiteral("0.00％"), QStringLiteral("0"),     QStringLiteral("0.00"),
        QStringLiteral("0.00"),  QStringLiteral("0.00"),  QStringLiteral("0.00"),  QStringLiteral("0.00"),
    };
    EXPECT_EQ(values(w), want);
    for (const QString& v : values(w)) {
        EXPECT_FALSE(v.contains(QStringLiteral("inf"), Qt::CaseInsensitive));
        EXPECT_FALSE(v.contains(QStringLiteral("nan"), Qt::CaseInsensitive));
    }
}

TEST(StatisticsLines, QuotientsRoundToFourDecimalsThenTwo)
{
    struct Case {
        qint64 part, whole;
        QString text;
    };
    // 1/7 = 14.285714…%, 2/3 = 66.666…%, 4937/40000 = 12.3425%; 12345/100000
    // is 12.345% (12.3449999… as a double): four decimals first make it
    // 12.3450, which then reads 12.35.
    for (const Case& c : {Case{1, 7, QStringLiteral("14.29％")}, Case{2, 3, QStringLiteral("66.67％")},
                          Case{4937, 40000, QStringLiteral("12.34％")}, Case{12345, 100000, QStringLiteral("12.35％")},
                          Case{3, 3, QStringLiteral("100.00％")}}) {
        queries::StatisticsCounts n;
        n.A = c.whole;
        n.N2 = c.part;
        EXPECT_EQ(queries::StatisticsLines(n)[7].value, c.text) << c.part << "/" << c.whole;
    }
    queries::StatisticsCounts n;
    n.A = 3;
    n.X = 3;  // A - X = 0: the averages per visit are 0, the totals stand
    n.S = db::Currency::fromInteger(90);
    n.Z = 2;
    const auto lines = queries::StatisticsLines(n);
    EXPECT_EQ(lines[11].value, QStringLiteral("0.00"));
    EXPECT_EQ(lines[16].value, QStringLiteral("90.00"));
    EXPECT_EQ(lines[17].value, QStringLiteral("0.00"));
    EXPECT_EQ(lines[13].value, QStringLiteral("0.00％"));  // Zc / Z with Zc = 0
}

TEST_F(Statistics, ACancelledRunLeavesTheTableEmpty)
{
    queries::TFPrint_TjsjCxun w;
    w.show();
    w.DtpBegin->setDate(QDate(2024, 6, 1));
    w.DtpEnd->setDate(QDate(2024, 6, 30));
    ui::Progress::setStepHook([](ui::Progress& p, int done) {
        if (done == 9)
            p.cancel();
    });
    w.BtnQueryClick();
    ui::Progress::setStepHook(nullptr);
    EXPECT_EQ(countHere(QStringLiteral("select count(*) from #tjian_sjcxun")), 0);
    EXPECT_FALSE(w.Qry.isOpen());
    w.BtnQueryClick();
    EXPECT_EQ(countHere(QStringLiteral("select count(*) from #tjian_sjcxun")), 20);
}

}  // namespace
