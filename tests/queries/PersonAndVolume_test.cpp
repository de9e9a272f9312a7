// The person and volume queries on a small fixture whose expected rows and
// counts the test works out from the fixture itself: statuses and dates at
// the day boundaries, the unit refusal, names with quotes, per-day columns
// over a range crossing a month, and the day chart.
#include "queries/QueryChart.h"
#include "queries/TFPrint_DwRTjlCxun.h"
#include "queries/TFPrint_DwTjlCxun.h"
#include "queries/TFPrint_DwTjryCxun.h"
#include "queries/TFPrint_TjryLbiao.h"
#include "QueryFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QRadioButton>
#include <array>
#include <map>

namespace {

using namespace tj;
using tj::test::FixtureVisit;

const QString JuneFirst = QStringLiteral("2024-06-01 00:00:00");
const QString JuneLast = QStringLiteral("2024-06-30 23:59:59");

class PersonAndVolume : public tj::test::QueryTest {
protected:
    PersonAndVolume()
    {
        u1 = db.addUnit({.name = QStringLiteral("岚川机械厂")});
        u2 = db.addUnit({.name = QStringLiteral("东江电子")});
        const int ks = db.addDepartment(QStringLiteral("内科"));
        const int item = db.addItem({.ksid = ks, .name = QStringLiteral("心率")});
        const int zh = db.addCombinedItem({.ksid = ks, .name = QStringLiteral("内科检查"), .price = 10, .members = {item}});
        std::vector<int> p;
        for (int i = 0; i < 5; ++i)
            p.push_back(db.addPerson({.name = QStringLiteral("职工%1").arg(i + 1), .dwid = u1}));
        const int quoted = db.addPerson({.name = QStringLiteral("D'Arcy李"), .sex = QStringLiteral("女"), .dwid = u2});
        walkIn = db.addPerson({.name = QStringLiteral("散客"), .dwid = 0});
        const auto id = [](int unit, int n) { return QStringLiteral("%1-%2").arg(unit).arg(n); };
        // The edges of June: the last second of May and of June, the first of June and of July.
        add({.tjhao = id(u1, 1), .ryid = p[0], .dwid = u1, .registered = QStringLiteral("2024-05-31 23:59:59"),
             .status = QStringLiteral("检完"), .chiefAt = QStringLiteral("2024-06-01 10:00:00"), .items = {zh}});
        add({.tjhao = id(u1, 2), .ryid = p[1], .dwid = u1, .registered = JuneFirst, .status = QStringLiteral("检中"), .items = {zh}});
        add({.tjhao = id(u1, 3), .ryid = p[2], .dwid = u1, .registered = QStringLiteral("2024-06-15 09:00:00"),
             .cancelledAt = QStringLiteral("2024-06-16 08:00:00"), .items = {zh}});
        add({.tjhao = id(u1, 4), .ryid = p[3], .dwid = u1, .registered = JuneLast, .status = QStringLiteral("检完"),
             .chiefAt = QStringLiteral("2024-07-01 09:00:00"), .items = {zh}});
        add({.tjhao = id(u1, 5), .ryid = p[4], .dwid = u1, .registered = QStringLiteral("2024-07-01 00:00:00"), .items = {zh}});
        add({.tjhao = id(u2, 1), .ryid = quoted, .dwid = u2, .registered = QStringLiteral("2024-06-10 08:00:00"),
             .status = QStringLiteral("检完"), .chiefAt = QStringLiteral("2024-06-10 15:00:00"), .items = {zh}});
        add({.tjhao = QStringLiteral("0-1"), .ryid = walkIn, .dwid = 0, .registered = QStringLiteral("2024-06-05 08:00:00"),
             .status = QStringLiteral("检中"), .items = {zh}});
    }

    template <typename W>
    static void june(W& w)
    {
        w.DtpBegin->setDate(QDate(2024, 6, 1));
        w.DtpEnd->setDate(QDate(2024, 6, 30));
    }

    // Examination numbers the grid shows, sorted.
    static QStringList numbers(ui::DataGrid* grid)
    {
        QStringList out = column(grid, grid->columnIndex(QStringLiteral("tjhao")));
        out.sort();
        return out;
    }
    // The fixture's visits that pass a test, sorted.
    template <typename F>
    QStringList expected(F keep) const
    {
        QStringList out;
        for (const FixtureVisit& v : visits)
            if (keep(v))
                out << v.tjhao;
        out.sort();
        return out;
    }

    int u1 = 0, u2 = 0, walkIn = 0;
};

TEST_F(PersonAndVolume, PersonQueryByStatusUnitAndRegistrationDate)
{
    queries::TFPrint_DwTjryCxun w;
    w.show();
    struct Case {
        int status;       // radio index: 全部 未检 检中 检完 注销
        bool byDate;
        int unit;         // 0: all units
    };
    const QString statuses[] = {QString(), QStringLiteral("未检"), QStringLiteral("检中"), QStringLiteral("检完")};
    for (const Case c : {Case{0, false, 0}, Case{0, true, 0}, Case{3, true, 0}, Case{4, false, 0}, Case{0, false, 2},
                         Case{2, true, 1}}) {
        SCOPED_TRACE(testing::Message() << "status " << c.status << " date " << c.byDate << " unit " << c.unit);
        w.RdgTjlx[c.status]->setChecked(true);
        w.ChkSfsjian->setChecked(c.byDate);
        june(w);
        const int unit = c.unit == 1 ? u1 : c.unit == 2 ? u2 : 0;
        w.ChkDwei->setChecked(unit != 0);
        if (unit)
            choose(w.CmbDwei, unit == u1 ? QStringLiteral("岚川机械厂") : QStringLiteral("东江电子"));
        dialogs.clear();
        w.BtnQueryClick();
        const QStringList want = expected([&](const FixtureVisit& v) {
            if (v.dwid == 0 || (unit && v.dwid != unit))
                return false;  // persons without a unit never appear
            if (c.byDate && !within(v.registered, JuneFirst, JuneLast))
                return false;
            const bool cancelled = !v.cancelledAt.isEmpty();
            if (c.status == 4)
                return cancelled;
            return c.status == 0 || (!cancelled && v.status == statuses[c.status]);
        });
        EXPECT_EQ(numbers(w.Grid), want);
        EXPECT_EQ(dialogs.wasShown(QStringLiteral("无查询结果！")), want.isEmpty());
    }
    EXPECT_EQ(w.PrintTitle(), QStringLiteral("岚川机械厂体检人员查询"));

    w.ChkDwei->setChecked(true);
    w.CmbDwei->setCurrentIndex(-1);
    w.BtnQueryClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("请选择团检单位！"));
    EXPECT_EQ(dialogs.last().caption, QStringLiteral("警告信息"));
    EXPECT_EQ(w.focusWidget(), w.CmbDwei);
}

TEST_F(PersonAndVolume, PersonListLeavesOutCancelledVisitsAndMatchesNamesWithQuotes)
{
    queries::TFPrint_TjryLbiao w;
    w.show();
    june(w);
    w.BtnQueryClick();
    const QStringList june = expected([](const FixtureVisit& v) { return v.cancelledAt.isEmpty() && within(v.registered, JuneFirst, JuneLast); });
    EXPECT_EQ(numbers(w.Grid), june);
    // Persons without a unit sort first, with an empty unit name.
    EXPECT_EQ(w.Grid->displayText(w.Grid->displayRows().front(), w.Grid->columnIndex(QStringLiteral("tjhao"))), QStringLiteral("0-1"));
    EXPECT_EQ(w.Grid->summaryText(0), QString::number(june.size()));

    w.ChkXming->setChecked(true);
    EXPECT_EQ(w.focusWidget(), w.EdtXming);
    w.BtnQueryClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("请输入要查询的体检人员姓名（支持模糊查询，可只输入姓名的一部分）！"));
    // A quote in the typed name is part of the name, not of the statement.
    type(w.EdtXming, QStringLiteral("'A"));
    w.BtnQueryClick();
    EXPECT_EQ(numbers(w.Grid), QStringList{QStringLiteral("%1-1").arg(u2)});
    type(w.EdtXming, QStringLiteral("'; delete from tjian_sfei_main --"));
    w.BtnQueryClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("无查询结果！"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from tjian_sfei_main")), qint64(visits.size()));
}

TEST_F(PersonAndVolume, VolumePerUnitCountsEachStatusByItsOwnDate)
{
    // A second unit of the same name is counted with the first.
    const int twin = db.addUnit({.name = QStringLiteral("东江电子")});
    const int p = db.addPerson({.name = QStringLiteral("孪生"), .dwid = twin});
    add({.tjhao = QStringLiteral("%1-1").arg(twin), .ryid = p, .dwid = twin, .registered = QStringLiteral("2024-06-20 10:00:00"),
         .status = QStringLiteral("检中")});

    queries::TFPrint_DwTjlCxun w;
    w.show();
    june(w);
    w.BtnQueryClick();
    ASSERT_EQ(w.Grid->columnCount(), 6);
    const QStringList captions = {QStringLiteral("单位名称"), QStringLiteral("全部"), QStringLiteral("未检"),
                                  QStringLiteral("检中"), QStringLiteral("检完"), QStringLiteral("注销")};
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(w.Grid->column(c).caption, captions[c]);

    // Expected: over the visits registered in June, per unit name.
    std::map<QString, std::array<int, 5>> want;
    const auto unitName = [&](int dwid) { return dwid == u1 ? QStringLiteral("岚川机械厂") : QStringLiteral("东江电子"); };
    for (const FixtureVisit& v : visits) {
        if (v.dwid == 0 || !within(v.registered, JuneFirst, JuneLast))
            continue;
        auto& row = want[unitName(v.dwid)];
        const bool cancelled = !v.cancelledAt.isEmpty(), chief = !v.chiefAt.isEmpty();
        row[0] += !cancelled;
        row[1] += !cancelled && !chief && v.status == QStringLiteral("未检");
        row[2] += !cancelled && !chief && v.status == QStringLiteral("检中");
        row[3] += !cancelled && chief && v.status == QStringLiteral("检完") && within(v.chiefAt, JuneFirst, JuneLast);
        row[4] += cancelled && within(v.cancelledAt, JuneFirst, JuneLast);
    }
    ASSERT_EQ(w.Grid->rowCount(), int(want.size()));
    for (int r : w.Grid->displayRows()) {
        const auto& row = want.at(w.Grid->displayText(r, 0));
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(w.Grid->displayText(r, c + 1), QString::number(row[std::size_t(c)])) << r << " " << c;
    }
    EXPECT_EQ(w.Grid->summaryText(0), QString::number(want.size()));
}

TEST_F(PersonAndVolume, ChiefExaminationsPerDayOverAMonthEndWithTheDayChart)
{
    queries::TFPrint_DwRTjlCxun w;
    w.show();
    w.BtnQueryClick();  // nothing today
    EXPECT_EQ(dialogs.last().text, QStringLiteral("无查询结果！"));
    EXPECT_TRUE(w.Chart->points().empty());

    w.DtpBegin->setDate(QDate(2024, 5, 31));
    w.DtpEnd->setDate(QDate(2024, 7, 1));
    w.BtnQueryClick();
    // One column per day with a chief examination of a unit's current visit, ascending.
    std::map<QString, std::map<QString, int>> perUnitDay;
    std::map<QString, int> perDay;
    for (const FixtureVisit& v : visits)
        if (v.dwid > 0 && v.cancelledAt.isEmpty() && !v.chiefAt.isEmpty()) {
            const QString day = v.chiefAt.left(10);
            ++perUnitDay[v.dwid == u1 ? QStringLiteral("岚川机械厂") : QStringLiteral("东江电子")][day];
            ++perDay[day];
        }
    ASSERT_EQ(w.Grid->columnCount(), int(perDay.size()) + 1);
    int c = 1;
    for (const auto& [day, n] : perDay) {
        EXPECT_EQ(w.Grid->column(c).caption, day);
        for (int r : w.Grid->displayRows())
            EXPECT_EQ(w.Grid->displayText(r, c), QString::number(perUnitDay[w.Grid->displayText(r, 0)][day]));
        const auto& point = w.Chart->points()[std::size_t(c - 1)];
        EXPECT_EQ(point.label, day);
        EXPECT_EQ(point.value, n);
        ++c;
    }
    EXPECT_EQ(w.Grid->column(1).caption, QStringLiteral("2024-06-01"));
    EXPECT_EQ(w.Grid->column(w.Grid->columnCount() - 1).caption, QStringLiteral("2024-07-01"));

    // The chart prints with the list: its pages carry the title and every unit.
    const report::Document doc = w.Chart->document();
    ASSERT_GE(doc.pageCount(), 1);
    const QStringList texts = doc.texts(0);
    EXPECT_TRUE(texts.contains(QStringLiteral("按单位日体检量查询")));
    EXPECT_TRUE(texts.contains(QStringLiteral("岚川机械厂")));
    EXPECT_TRUE(texts.contains(QStringLiteral("2024-06-10")));
    // Exported as PDF and as pictures of the same pages.
    QTemporaryDir dir;
    const QStringList pdf = w.Chart->exportTo(dir.filePath(QStringLiteral("日体检量.pdf")));
    ASSERT_EQ(pdf.size(), 1);
    QFile file(pdf.front());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));
    const QStringList png = w.Chart->exportTo(dir.filePath(QStringLiteral("日体检量.png")));
    ASSERT_EQ(png.size(), doc.pageCount());
    EXPECT_FALSE(QImage(png.front()).isNull());
    // 导出图表 asks for the file and says where it went.
    dialogs.chooseFile(dir.filePath(QStringLiteral("图表")));
    w.Chart->BtnExportChartClick();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("图表.pdf"))));
    EXPECT_EQ(dialogs.last().caption, QStringLiteral("提示信息"));
    w.resize(1200, 700);
    shot(&w, QStringLiteral("chart_TFPrint_DwRTjlCxun"));
}

}  // namespace

namespace {

// A quarter of days: the bars keep their order, the axis names every n-th day.
TEST(QueryChartLongRange, NamesEveryNthDayAndPrintsWhole)
{
    tj::queries::QueryChart chart(QStringLiteral("每日总检人数"), tj::queries::QueryChart::Kind::Bars);
    std::vector<tj::queries::QueryChart::Point> points;
    for (int d = 0; d < 90; ++d)
        points.push_back({QDate(2025, 1, 1).addDays(d).toString(QStringLiteral("yyyy-MM-dd")), double((d * 37) % 50)});
    chart.setPoints(points);
    chart.resize(900, 500);
    EXPECT_FALSE(chart.render(QSize(800, 400)).isNull());
    EXPECT_EQ(chart.document().pageCount(), 1);
    if (const QString dir = qEnvironmentVariable("TJ_SHOTS"); !dir.isEmpty())
        chart.render(QSize(1200, 600)).save(dir + QStringLiteral("/chart_quarter.png"));
}

}  // namespace
