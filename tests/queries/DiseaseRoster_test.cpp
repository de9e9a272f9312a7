// The disease roster: counts per unit and ticked diagnosis with the rate
// against the unit's head count, the names list, the detail tab chosen by
// the double-clicked column, texts with quotes, and a cancelled count that
// leaves both working tables empty.
#include "platform/ui/Progress.h"
#include "queries/DiseaseRoster.h"
#include "queries/QueryChart.h"
#include "queries/TFPrint_DwHbmdCxun.h"
#include "QueryFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QTabWidget>
#include <QTreeView>
#include <QTreeWidget>

namespace {

using namespace tj;
using db::SqlText;

const QString Pressure = QStringLiteral("血压偏高");
const QString Liver = QStringLiteral("脂肪肝");
const QString Quoted = QStringLiteral("左肾'小结石'");

// One visit of the fixture with the diagnoses found: (department, text).
struct RosterVisit {
    int ryid;
    int dwid;
    QString tjhao;
    QString at;
    bool cancelled;
    std::vector<std::pair<int, QString>> found;
};

class DiseaseRoster : public tj::test::QueryTest {
protected:
    DiseaseRoster()
    {
        internal = db.addDepartment(QStringLiteral("内科"), 11);
        imaging = db.addDepartment(QStringLiteral("B超室"), 12);
        db.addDepartment(QStringLiteral("财务科"), 14);  // not in the tree
        for (const auto& [ks, text] : {std::pair{internal, Pressure}, std::pair{internal, Liver},
                                       std::pair{imaging, Quoted}, std::pair{imaging, Pressure}})
            db.execute(SqlText::format("insert into tjian_zdjlyjyi(ksid, zyzduan) values(%d, '%s')", ks, text));
        u1 = db.addUnit({.name = QStringLiteral("岚川机械厂")});
        u2 = db.addUnit({.name = QStringLiteral("东江'电子")});
        db.addUnit({.name = QStringLiteral("无人单位")});
        const int a = db.addPerson({.name = QStringLiteral("张三"), .dwid = u1});
        const int b = db.addPerson({.name = QStringLiteral("李四"), .sex = QStringLiteral("女"), .dwid = u1});
        db.addPerson({.name = QStringLiteral("王五"), .dwid = u1});
        db.addPerson({.name = QStringLiteral("赵六"), .dwid = u1});  // never registered: still in the head count
        const int c = db.addPerson({.name = QStringLiteral("O'Neil"), .dwid = u2});
        const int d = db.addPerson({.name = QStringLiteral("钱七"), .dwid = u2});
        heads = {{u1, 4}, {u2, 2}};
        names = {{a, QStringLiteral("张三(男)")}, {b, QStringLiteral("李四(女)")}, {c, QStringLiteral("O'Neil(男)")},
                 {d, QStringLiteral("钱七(男)")}};
        // The same person twice, two departments, a cancelled visit (still
        // counted), one visit outside June.
        roster = {
            {a, u1, QStringLiteral("1-1"), QStringLiteral("2024-06-03 08:00:00"), false, {{internal, Pressure}, {internal, Liver}}},
            {b, u1, QStringLiteral("1-2"), QStringLiteral("2024-06-03 08:10:00"), false, {{internal, Pressure}, {imaging, Quoted}}},
            {a, u1, QStringLiteral("1-3"), QStringLiteral("2024-06-30 23:59:59"), false, {{internal, Pressure}, {imaging, Pressure}}},
            {c, u2, QStringLiteral("2-1"), QStringLiteral("2024-06-04 08:00:00"), false, {{internal, Pressure}, {imaging, Quoted}}},
            {d, u2, QStringLiteral("2-2"), QStringLiteral("2024-06-05 08:00:00"), true, {{internal, Pressure}}},
            {d, u2, QStringLiteral("2-3"), QStringLiteral("2024-07-01 00:00:00"), false, {{internal, Pressure}}},
        };
        for (const RosterVisit& r : roster) {
            add({.tjhao = r.tjhao, .ryid = r.ryid, .dwid = r.dwid, .registered = r.at,
                 .cancelledAt = r.cancelled ? QStringLiteral("2024-06-06 08:00:00") : QString()});
            for (const auto& [ks, text] : r.found)
                db.execute(SqlText::format("insert into tjian_jguo_zdjlun(ksid, tjhao, zyzduan) values(%d, '%s', '%s')", ks,
                                           r.tjhao, text));
        }
    }

    // Ticks the diagnoses with these texts (in every department that lists them).
    static void tick(queries::TFPrint_DwHbmdCxun& w, const QStringList& texts)
    {
        for (int i = 0; i < w.TreeJbing->topLevelItemCount(); ++i)
            for (int k = 0; k < w.TreeJbing->topLevelItem(i)->childCount(); ++k) {
                QTreeWidgetItem* item = w.TreeJbing->topLevelItem(i)->child(k);
                item->setCheckState(0, texts.contains(item->text(0)) ? Qt::Checked : Qt::Unchecked);
            }
    }

    // The names found for the unit and diagnosis in June, sorted.
    QStringList expectedNames(int dwid, const QString& text) const
    {
        QStringList out;
        for (const RosterVisit& r : roster)
            if ((dwid == 0 || r.dwid == dwid) && r.at >= QStringLiteral("2024-06-01") && r.at <= QStringLiteral("2024-06-30 23:59:59"))
                for (const auto& f : r.found)
                    if (f.second == text)
                        out << names.at(r.ryid);
        out.sort();
        return out;
    }

    int internal = 0, imaging = 0, u1 = 0, u2 = 0;
    std::map<int, int> heads;
    std::map<int, QString> names;
    std::vector<RosterVisit> roster;
};

TEST_F(DiseaseRoster, CountsRatesAndNamesPerUnitAndTickedDiagnosis)
{
    queries::TFPrint_DwHbmdCxun w;
    w.show();
    // Departments of categories 11 to 13 only, each with its diagnoses.
    QStringList departments;
    for (int i = 0; i < w.TreeJbing->topLevelItemCount(); ++i)
        departments << w.TreeJbing->topLevelItem(i)->text(0);
    EXPECT_TRUE(departments.contains(QStringLiteral("内科")));
    EXPECT_FALSE(departments.contains(QStringLiteral("财务科")));
    ASSERT_EQ(w.TreeJbing->topLevelItem(0)->text(0), QStringLiteral("内科"));
    EXPECT_EQ(w.TreeJbing->topLevelItem(1)->child(0)->text(0), Quoted);

    w.ChkDwei->setChecked(false);
    w.DtpBegin->setDate(QDate(2024, 6, 1));
    w.DtpEnd->setDate(QDate(2024, 6, 30));
    w.BtnQueryClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("没有选择要统计的疾病，请在左侧列表中选择！"));

    // 血压偏高 is listed by both departments: each tick counts its rows.
    tick(w, {Liver, Quoted});
    w.TreeJbing->topLevelItem(0)->child(0)->setCheckState(0, Qt::Checked);  // 内科's 血压偏高 only
    w.BtnQueryClick();
    struct Line { int unit; QString text; };
    std::vector<Line> want;
    for (int unit : {u1, u2})
        for (const QString& text : {Pressure, Liver, Quoted})
            if (!expectedNames(unit, text).isEmpty())
                want.push_back({unit, text});
    ASSERT_EQ(w.Grid->rowCount(), int(want.size()));
    const int unitCol = 0, textCol = 1, countCol = 2, rateCol = 3;
    for (std::size_t i = 0; i < want.size(); ++i) {
        const int r = w.Grid->displayRows()[i];
        const QStringList names = expectedNames(want[i].unit, want[i].text);
        EXPECT_EQ(w.Grid->displayText(r, unitCol), want[i].unit == u1 ? QStringLiteral("岚川机械厂") : QStringLiteral("东江'电子"));
        EXPECT_EQ(w.Grid->displayText(r, textCol), want[i].text);
        EXPECT_EQ(w.Grid->displayText(r, countCol), QString::number(names.size()));
        const double rate = names.size() * 100.0 / heads.at(want[i].unit);
        EXPECT_EQ(w.Grid->displayText(r, rateCol), QString::number(rate, 'f', 2) + QLatin1Char('%'));
        QStringList listed = w.Qry.value(r, w.Qry.fieldIndex(QStringLiteral("rymdan"))).toString().split(QLatin1Char(','));
        listed.sort();
        EXPECT_EQ(listed, names);
    }
    // 张三's two visits (one with the diagnosis from two departments) and 李四:
    // 4 rows for 4 persons.
    EXPECT_EQ(w.Grid->displayText(w.Grid->displayRows()[0], rateCol), QStringLiteral("100.00%"));

    // Ticking the imaging department's 血压偏高 too counts its rows once more.
    w.TreeJbing->topLevelItem(1)->child(1)->setCheckState(0, Qt::Checked);
    w.BtnQueryClick();
    EXPECT_EQ(countHere(QStringLiteral("select count(*) from #tjian_dwhzmdcxun where jbmcheng='血压偏高'")), 4);

    // The unit chart shows the current line's unit, most frequent first.
    w.Grid->setCurrentRow(w.Grid->displayRows()[0]);
    // One bar per diagnosis (ticked twice, counted once), most frequent first.
    QStringList bars;
    for (const auto& p : w.Chart->points())
        bars << p.label;
    EXPECT_EQ(bars, (QStringList{Pressure, Liver, Quoted}));
    EXPECT_EQ(w.Chart->points().front().value, 4);
    for (std::size_t i = 1; i < w.Chart->points().size(); ++i)
        EXPECT_GE(w.Chart->points()[i - 1].value, w.Chart->points()[i].value);
    w.resize(1200, 760);
    shot(&w, QStringLiteral("chart_TFPrint_DwHbmdCxun"));
}

TEST_F(DiseaseRoster, TheDoubleClickedColumnDecidesTheDetailList)
{
    queries::TFPrint_DwHbmdCxun w;
    w.show();
    w.ChkDwei->setChecked(false);
    w.DtpBegin->setDate(QDate(2024, 6, 1));
    w.DtpEnd->setDate(QDate(2024, 6, 30));
    tick(w, {Quoted, Liver});
    w.BtnQueryClick();
    // The line of 东江'电子 and the quoted diagnosis.
    int line = -1;
    for (int r : w.Grid->displayRows())
        if (w.Grid->displayText(r, 0) == QStringLiteral("东江'电子") && w.Grid->displayText(r, 1) == Quoted)
            line = r;
    ASSERT_GE(line, 0);
    const auto details = [&](int col) {
        w.PageControl->setCurrentIndex(0);
        w.Grid->focusCell(line, col);
        emit w.Grid->view()->doubleClicked(w.Grid->view()->currentIndex());
        EXPECT_EQ(w.PageControl->currentIndex(), 1);
        QStringList shown;
        for (int r : w.GridMx->displayRows())
            shown << w.GridMx->displayText(r, 3) + QLatin1Char('(') + w.GridMx->displayText(r, 4) + QLatin1Char(')');
        shown.sort();
        return shown;
    };
    EXPECT_EQ(details(0), expectedNames(u2, Quoted));  // that unit and diagnosis
    EXPECT_EQ(details(1), expectedNames(0, Quoted));   // that diagnosis in all units
    QStringList all = expectedNames(0, Quoted) + expectedNames(0, Liver);
    all.sort();
    EXPECT_EQ(details(2), all);  // any other column: every name
    // All units: the unit list shows nothing, the title starts with the diagnosis.
    EXPECT_EQ(w.PrintTitle(), QStringLiteral("[%1]患病名单").arg(Quoted));
}

TEST_F(DiseaseRoster, ACancelledCountLeavesBothTablesEmpty)
{
    queries::TFPrint_DwHbmdCxun w;
    w.show();
    w.ChkDwei->setChecked(false);
    w.DtpBegin->setDate(QDate(2024, 6, 1));
    w.DtpEnd->setDate(QDate(2024, 6, 30));
    tick(w, {Pressure, Liver, Quoted});
    static int steps = 0;
    steps = 0;
    ui::Progress::setStepHook([](ui::Progress& p, int) {
        if (++steps == 5)  // well into the first unit's lines
            p.cancel();
    });
    w.BtnQueryClick();
    ui::Progress::setStepHook(nullptr);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("统计已取消。"));
    EXPECT_EQ(countHere(QStringLiteral("select count(*) from #tjian_dwhzmdcxun")), 0);
    EXPECT_EQ(countHere(QStringLiteral("select count(*) from #tjian_dwhzmd")), 0);
    EXPECT_FALSE(w.Qry.isOpen());

    // Run whole, every summary line matches its names.
    w.BtnQueryClick();
    EXPECT_EQ(countHere(QStringLiteral("select sum(rci) from #tjian_dwhzmdcxun")), countHere(QStringLiteral("select count(*) from #tjian_dwhzmd")));
}

}  // namespace
