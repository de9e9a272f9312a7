// The query-window pattern on a small window of its own: the date range from
// the server's date, the unit refusal, the empty result, columns rebuilt
// from the result, 全选.
#include "reports/QueryWindow.h"
#include "platform/db/SqlText.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>

using tj::db::SqlText;

namespace {

// Visits per unit and day of registration, one column per day.
class VisitsPerDay : public tj::reports::QueryWindow {
public:
    VisitsPerDay() : QueryWindow(QStringLiteral("按单位日登记量"))
    {
        ChkDwei = addCheckFilter(QStringLiteral("单位："), unitList(), true);
        addDateRange();
        addSelectAll();
    }
    bool Search() override
    {
        if (ChkDwei->isChecked() && !requireUnit())
            return false;
        const auto days = Qry.connection().query(SqlText::format(
            "select convert(varchar(10), sfsjian, 23) from tjian_sfei_main where sfsjian between '%s' and '%s' "
            "group by convert(varchar(10), sfsjian, 23) order by 1",
            rangeStart(), rangeEnd()));
        QString columns;
        for (const auto& day : days.rows)
            columns += SqlText::format(",sum((case when convert(varchar(10), a.sfsjian, 23)='%s' then 1 else 0 end)) as [%s]",
                                       day[0].toString(), day[0].toString());
        openResult(SqlText::format("select d.mcheng as 单位名称 %s from tjian_sfei_main a inner join tjian_ryuan b on b.id=a.ryid "
                                   "inner join tjian_dwei d on d.id=b.dwid where a.sfsjian between '%s' and '%s' %s group by d.mcheng",
                                   columns, rangeStart(), rangeEnd(),
                                   ChkDwei->isChecked() ? SqlText::format("and d.id=%d", unitId()) : QString()));
        if (!Qry.isEmpty())
            RebuildColumnsFromResult();
        return true;
    }
    QCheckBox* ChkDwei;
};

class QueryWindowTest : public tj::test::WindowTest {};

TEST_F(QueryWindowTest, DatesFromTheServerUnitRefusalEmptyResultAndColumnsPerDay)
{
    const int unit = db.addUnit({.name = QStringLiteral("岚川机械厂")});
    const int a = db.addPerson({.name = QStringLiteral("张三"), .dwid = unit});
    const int b = db.addPerson({.name = QStringLiteral("李四"), .dwid = unit});
    db.addVisit({.ryid = a, .tjhao = QString::number(unit) + QStringLiteral("-1"), .registeredAt = QStringLiteral("2024-05-06 08:30:00")});
    db.addVisit({.ryid = b, .tjhao = QString::number(unit) + QStringLiteral("-2"), .registeredAt = QStringLiteral("2024-05-07 23:59:59")});

    VisitsPerDay w;
    w.show();
    const QDate today = db.scalar(QStringLiteral("select getdate()")).toDateTime().date();
    EXPECT_EQ(w.DtpBegin->date(), today);
    EXPECT_EQ(w.DtpEnd->date(), today);
    EXPECT_EQ(w.CmbDwei->findText(QStringLiteral("岚川机械厂")) >= 0, true);

    w.CmbDwei->setCurrentIndex(-1);
    w.BtnQueryClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("请选择团检单位！"));
    EXPECT_EQ(dialogs.last().caption, QStringLiteral("警告信息"));

    w.CmbDwei->setCurrentIndex(w.CmbDwei->findText(QStringLiteral("岚川机械厂")));
    w.BtnQueryClick();  // nothing registered today
    EXPECT_EQ(dialogs.last().text, QStringLiteral("无查询结果！"));
    EXPECT_TRUE(dialogs.last().caption.isEmpty());
    EXPECT_EQ(w.focusWidget(), w.CmbDwei);

    w.DtpBegin->setDate(QDate(2024, 5, 6));
    w.DtpEnd->setDate(QDate(2024, 5, 7));
    EXPECT_EQ(w.rangeEnd(), QStringLiteral("2024-05-07 23:59:59"));
    const auto shown = dialogs.shown().size();
    w.BtnQueryClick();
    EXPECT_EQ(dialogs.shown().size(), shown);
    ASSERT_EQ(w.Grid->columnCount(), 3);
    EXPECT_EQ(w.Grid->column(1).caption, QStringLiteral("2024-05-06"));
    EXPECT_EQ(w.Grid->column(2).caption, QStringLiteral("2024-05-07"));
    EXPECT_EQ(w.Grid->displayText(0, 2), QStringLiteral("1"));
    EXPECT_EQ(w.Grid->summaryText(0), QStringLiteral("1"));

    // A narrower range rebuilds the columns.
    w.DtpBegin->setDate(QDate(2024, 5, 7));
    w.BtnQueryClick();
    ASSERT_EQ(w.Grid->columnCount(), 2);
    EXPECT_EQ(w.Grid->column(1).caption, QStringLiteral("2024-05-07"));

    w.selectAllRows();
    EXPECT_EQ(w.Grid->selectedRows().size(), 1u);
    w.ChkQxuan->setChecked(false);
    EXPECT_TRUE(w.Grid->selectedRows().empty());
}

}  // namespace
