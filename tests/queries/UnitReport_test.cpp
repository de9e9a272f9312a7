// The unit summary and advice report: only finished, current visits of the
// chosen unit are listed and printed; summary and advice stand side by
// side and grow with their text; the footer's total is the real page count.
#include "platform/report/Output.h"
#include "platform/report/PageModel.h"
#include "platform/report/Report.h"
#include "queries/TFPrint_DwZjJyBbiao.h"
#include "QueryFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>

namespace {

using namespace tj;
using db::SqlText;

class UnitReport : public tj::test::QueryTest {
protected:
    UnitReport()
    {
        unit = db.addUnit({.name = QStringLiteral("岚川机械厂")});
        const int other = db.addUnit({.name = QStringLiteral("东江电子")});
        std::vector<int> p;
        for (int i = 0; i < 5; ++i)
            p.push_back(db.addPerson({.name = QStringLiteral("职工%1").arg(i), .dwid = i < 4 ? unit : other}));
        const auto id = [&](int u, int n) { return QStringLiteral("%1-%2").arg(u).arg(n); };
        add({.tjhao = id(unit, 2), .ryid = p[0], .dwid = unit, .registered = QStringLiteral("2024-06-03 08:00:00"),
             .status = QStringLiteral("检完"), .chiefAt = QStringLiteral("2024-06-05 09:00:00")});
        add({.tjhao = id(unit, 1), .ryid = p[1], .dwid = unit, .registered = QStringLiteral("2024-06-03 08:05:00"),
             .status = QStringLiteral("检完"), .chiefAt = QStringLiteral("2024-06-06 09:00:00")});
        add({.tjhao = id(unit, 3), .ryid = p[2], .dwid = unit, .registered = QStringLiteral("2024-06-03 08:10:00"),
             .status = QStringLiteral("检完"), .chiefAt = QStringLiteral("2024-06-06 10:00:00"),
             .cancelledAt = QStringLiteral("2024-06-07 08:00:00")});
        add({.tjhao = id(unit, 4), .ryid = p[3], .dwid = unit, .registered = QStringLiteral("2024-06-04 08:00:00"),
             .status = QStringLiteral("检中")});
        add({.tjhao = id(other, 1), .ryid = p[4], .dwid = other, .registered = QStringLiteral("2024-06-04 08:00:00"),
             .status = QStringLiteral("检完"), .chiefAt = QStringLiteral("2024-06-05 09:00:00")});
        // A flag set without a chief-examination record still prints its line.
        db.execute(SqlText::format("delete from tjian_jguo_zjian where tjhao='%s'", id(unit, 1)));
        // A long summary and a short advice for the first.
        QStringList lines;
        for (int i = 1; i <= 160; ++i)
            lines << QStringLiteral("第%1条：血压偏高，建议低盐饮食并复查。").arg(i);
        db.execute(SqlText::format("update tjian_jguo_zjian set tjzjie='%s', zjjyi='%s' where tjhao='%s'", lines.join(QLatin1Char('\n')),
                                   QStringLiteral("定期复查血压。"), id(unit, 2)));
    }
    int unit = 0;
};

TEST_F(UnitReport, FinishedCurrentVisitsSideBySideWithTheTruePageTotal)
{
    queries::TFPrint_DwZjJyBbiao w;
    w.show();
    EXPECT_TRUE(w.ChkPreview->isChecked());
    EXPECT_TRUE(w.BtnPrint->isEnabled());
    w.BtnQueryClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("请选择团检单位！"));
    EXPECT_FALSE(w.Qry.isOpen());

    choose(w.CmbDwei, QStringLiteral("岚川机械厂"));
    w.BtnQueryClick();  // today: nothing finished
    EXPECT_EQ(dialogs.last().text, QStringLiteral("无查询结果！"));
    EXPECT_FALSE(w.BtnPrint->isEnabled());

    w.DtpBegin->setDate(QDate(2024, 6, 1));
    w.DtpEnd->setDate(QDate(2024, 6, 30));
    w.BtnQueryClick();
    EXPECT_TRUE(w.BtnPrint->isEnabled());
    // Listed in examination-number order: the cancelled and the unfinished are not.
    const QStringList want = {QStringLiteral("%1-1").arg(unit), QStringLiteral("%1-2").arg(unit)};
    EXPECT_EQ(column(w.Grid, 3), want);
    EXPECT_EQ(w.Grid->summaryText(0), QStringLiteral("2"));

    const report::Document doc = w.BuildReport();
    ASSERT_GE(doc.pageCount(), 3);  // 160 lines of summary run over pages
    EXPECT_EQ(w.Report.qrlbTotalPageCount, doc.pageCount());
    const QString total = QStringLiteral("第%1页/共%2页");
    for (int p = 0; p < doc.pageCount(); ++p)
        EXPECT_TRUE(doc.texts(p).contains(total.arg(p + 1).arg(doc.pageCount()))) << p;
    const QStringList first = doc.texts(0);
    EXPECT_TRUE(first.contains(QStringLiteral("岚川机械厂")));
    EXPECT_TRUE(first.contains(QStringLiteral("体检总结与建议汇总表")));
    EXPECT_TRUE(first.contains(QStringLiteral("2024-06-01 00:00:00 至 2024-06-30 23:59:59")));
    // Both visits print, in number order: the one without a record first, empty.
    QStringList all;
    for (int p = 0; p < doc.pageCount(); ++p)
        all += doc.texts(p);
    EXPECT_TRUE(first.contains(QStringLiteral("职工1")));
    EXPECT_LT(all.indexOf(QStringLiteral("职工1")), all.indexOf(QStringLiteral("职工0")));
    // Summary and advice of one visit start side by side, on the same line.
    const report::Element* summary = nullptr;
    const report::Element* advice = nullptr;
    int summaryPage = -1, advicePage = -2;
    for (int p = 0; p < doc.pageCount(); ++p)
        for (const report::Element& e : doc.pages[std::size_t(p)].elements) {
            if (!summary && e.text.startsWith(QStringLiteral("第1条"))) {
                summary = &e;
                summaryPage = p;
            }
            if (e.text == QStringLiteral("定期复查血压。")) {
                advice = &e;
                advicePage = p;
            }
        }
    ASSERT_TRUE(summary && advice);
    EXPECT_EQ(summaryPage, advicePage);
    EXPECT_NEAR(summary->rect.top(), advice->rect.top(), 0.1);
    EXPECT_LT(summary->rect.right(), advice->rect.left() + 0.1);
    EXPECT_GT(advice->rect.left(), 90);
    // 打印 without preview goes straight to the printer, with the same true total.
    {
        report::OutputCapture capture;
        w.ChkPreview->setChecked(false);
        w.BtnPrintClick();
        ASSERT_EQ(capture.sent.size(), 1u);
        EXPECT_EQ(capture.sent[0].how, report::Output::PrintNoDialog);
        const report::Document& printed = capture.sent[0].document;
        EXPECT_TRUE(printed.texts(printed.pageCount() - 1).contains(total.arg(printed.pageCount()).arg(printed.pageCount())));
    }
    if (const QString dir = qEnvironmentVariable("TJ_SHOTS"); !dir.isEmpty())
        report::exportPdf(doc, dir + QStringLiteral("/TQrDwZjJyi.pdf"));
    // Nothing of the other unit.
    for (int p = 0; p < doc.pageCount(); ++p)
        EXPECT_FALSE(doc.texts(p).contains(QStringLiteral("职工4")));
}

}  // namespace
