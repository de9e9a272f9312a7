// The grid over a real data set: grouping with lookup names, footers,
// selection order, current-row sync, filter, in-place editing and styles.
#include "platform/db/Query.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/Dialogs.h"
#include "support/DbFixture.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeView>
#include <gtest/gtest.h>

using tj::db::Query;
using tj::db::Value;
using tj::ui::DataGrid;
using tj::ui::GridColumn;
using tj::ui::GridSummary;

namespace {

class DataGridTest : public tj::test::DbTest {
protected:
    void SetUp() override
    {
        db.execute(QStringLiteral(
            "CREATE TABLE [gridt] ([id] [int] IDENTITY (1, 1) NOT NULL , [mcheng] [varchar] (10) NULL , "
            "[pyjma] [varchar] (10) NULL , [lb] [int] NULL , [je] [money] NULL , [bz] [bit] NULL , "
            "CONSTRAINT [PK_gridt] PRIMARY KEY CLUSTERED ([id])) ON [PRIMARY]"));
        // Category 13 first, so grouping has to reorder.
        db.execute(QStringLiteral("insert into gridt(mcheng, pyjma, lb, je, bz) values('内科', 'NK', 13, 10.005, 1)"));
        db.execute(QStringLiteral("insert into gridt(mcheng, pyjma, lb, je, bz) values('外科', 'WK', 11, 20, 0)"));
        db.execute(QStringLiteral("insert into gridt(mcheng, pyjma, lb, je, bz) values('眼科', 'YK', 13, 0.5, 0)"));
        db.execute(QStringLiteral("insert into gridt(mcheng, pyjma, lb, je, bz) values('耳鼻科', 'EBK', 11, NULL, 1)"));
        list.setSql(QStringLiteral("select * from pub_kslbie"));
        list.open();
        set.setSql(QStringLiteral("select * from gridt order by id"));
        set.open();
        grid.addColumn(QStringLiteral("id"), QStringLiteral("编号"), 50);
        grid.addColumn(QStringLiteral("mcheng"), QStringLiteral("名称"));
        lbCol = grid.addLookupColumn(QStringLiteral("lb"), QStringLiteral("类别"), list);
        GridColumn je;
        je.field = QStringLiteral("je");
        je.caption = QStringLiteral("金额");
        je.format = QStringLiteral("%.2f");
        jeCol = grid.addColumn(je);
        bzCol = grid.addCheckColumn(QStringLiteral("bz"), QStringLiteral("标志"));
        grid.setQuery(&set);
    }

    QStringList names() const
    {
        QStringList out;
        for (int row : grid.displayRows())
            out << grid.displayText(row, 1);
        return out;
    }

    Query list{db.connection()};
    Query set{db.connection()};
    DataGrid grid;
    int lbCol = 0, jeCol = 0, bzCol = 0;
};

TEST_F(DataGridTest, GroupsByLookupColumnAscendingWithFooterSummaries)
{
    grid.setColumnVisible(lbCol, false);
    grid.setGroupColumn(lbCol);
    grid.addSummary({1, GridSummary::Kind::Count, QStringLiteral("共 %d 条")});
    grid.addSummary({jeCol, GridSummary::Kind::Sum, QStringLiteral("%.2f")});

    ASSERT_EQ(grid.groupCount(), 2);
    EXPECT_EQ(grid.groupText(0), QStringLiteral("临床检查科室"));
    EXPECT_EQ(grid.groupText(1), QStringLiteral("体检业务科室"));
    // Rows keep the data set's order inside their group.
    EXPECT_EQ(names(), QStringList({"外科", "耳鼻科", "内科", "眼科"}));
    EXPECT_EQ(grid.summaryText(0), QStringLiteral("共 4 条"));
    // Money is summed exactly and rounded half away from zero: 30.505 -> 30.51.
    EXPECT_EQ(grid.summaryText(1), QStringLiteral("30.51"));
    EXPECT_EQ(grid.displayText(grid.displayRows()[2], jeCol), QStringLiteral("10.01"));

    grid.expandAll();
    EXPECT_TRUE(grid.isGroupExpanded(0));
    // A reload keeps the groups as the user left them.
    grid.collapseAll();
    set.close();
    set.open();
    EXPECT_FALSE(grid.isGroupExpanded(1));
    EXPECT_EQ(grid.summaryText(0), QStringLiteral("共 4 条"));
}

TEST_F(DataGridTest, SelectionComesBackInDisplayOrderAndSortingReordersRows)
{
    grid.sortBy(1, false);  // names descending in GBK (pinyin) order: 眼 外 内 耳
    EXPECT_EQ(names(), QStringList({"眼科", "外科", "内科", "耳鼻科"}));
    grid.setMultiSelect(true);
    grid.selectRows({0, 2});  // 内科 and 眼科, as data-set rows
    const std::vector<int> rows = grid.selectedRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(grid.displayText(rows[0], 1), QStringLiteral("眼科"));
    EXPECT_EQ(grid.displayText(rows[1], 1), QStringLiteral("内科"));
    grid.sortBy(-1);
    EXPECT_EQ(names(), QStringList({"内科", "外科", "眼科", "耳鼻科"}));
}

TEST_F(DataGridTest, CurrentRowFollowsTheDataSetBothWays)
{
    set.setRecNo(2);
    EXPECT_EQ(grid.currentRow(), 2);
    grid.setCurrentRow(1);
    EXPECT_EQ(set.recNo(), 1);
    EXPECT_EQ(set.field(QStringLiteral("mcheng")).asString(), QStringLiteral("外科"));
}

TEST_F(DataGridTest, PrefixFilterAndChecksAndHighlight)
{
    grid.setFilter(QStringLiteral("pyjma like 'n*'"));
    EXPECT_EQ(names(), QStringList({"内科"}));
    grid.setFilter(QString());
    EXPECT_EQ(grid.rowCount(), 4);

    EXPECT_TRUE(grid.isChecked(0, bzCol));
    EXPECT_FALSE(grid.isChecked(1, bzCol));
    EXPECT_EQ(grid.displayText(0, bzCol), QStringLiteral("√"));

    grid.setHighlight([this](int row) { return grid.isChecked(row, bzCol); });
    const QModelIndex first = grid.view()->model()->index(0, 1);
    EXPECT_EQ(first.data(Qt::BackgroundRole).value<QColor>(), QColor(250, 201, 177));
    EXPECT_FALSE(grid.view()->model()->index(1, 1).data(Qt::BackgroundRole).isValid());
}

TEST_F(DataGridTest, InPlaceEditsArePostedWhenTheGridLeavesTheRow)
{
    tj::ui::ScriptedDialogs dialogs;
    grid.setEditable(true);
    QAbstractItemModel* model = grid.view()->model();
    int toggledRow = -1;
    QObject::connect(&grid, &DataGrid::checkToggled, [&](int row, int, bool) { toggledRow = row; });

    ASSERT_TRUE(model->setData(model->index(1, 1), QStringLiteral("普外科"), Qt::EditRole));
    ASSERT_TRUE(model->setData(model->index(1, bzCol), int(Qt::Checked), Qt::CheckStateRole));
    EXPECT_EQ(set.state(), Query::State::Edit);
    EXPECT_EQ(toggledRow, 1);
    EXPECT_EQ(grid.displayText(1, 1), QStringLiteral("普外科"));
    grid.view()->setCurrentIndex(model->index(2, 1));
    EXPECT_EQ(set.state(), Query::State::Browse);
    EXPECT_EQ(db.scalar(QStringLiteral("select mcheng from gridt where id=2")).toString(), QStringLiteral("普外科"));
    EXPECT_EQ(db.scalar(QStringLiteral("select bz from gridt where id=2")).toInteger(), 1);

    // A value too wide for its column: the database's text, the row edit abandoned.
    ASSERT_TRUE(model->setData(model->index(2, 1), QStringLiteral("一二三四五六七八九十"), Qt::EditRole));
    grid.view()->setCurrentIndex(model->index(0, 1));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(dialogs.last().caption.isEmpty());
    EXPECT_EQ(set.state(), Query::State::Browse);
    EXPECT_EQ(db.scalar(QStringLiteral("select mcheng from gridt where id=3")).toString(), QStringLiteral("眼科"));
}

TEST_F(DataGridTest, OwnDeleteCommandDeletesTheSelectedRows)
{
    tj::ui::ScriptedDialogs dialogs;
    grid.setMultiSelect(true);
    grid.selectRows({1, 3});
    dialogs.answer(false);
    EXPECT_EQ(grid.deleteSelectedRows(), 0);
    EXPECT_EQ(grid.deleteSelectedRows(), 2);  // default answer Yes
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from gridt")).toInteger(), 2);
    EXPECT_EQ(names(), QStringList({"内科", "眼科"}));
}

}  // namespace

namespace {

TEST_F(DataGridTest, EnterCommitsTheCellAndMovesOnPostingTheRowItLeaves)
{
    tj::ui::ScriptedDialogs dialogs;
    grid.setEditable(true);
    grid.setAlwaysShowEditor(true);
    grid.setEnterMovesToNextCell(true);
    grid.resize(600, 300);
    grid.show();
    grid.focusCell(0, jeCol);
    auto* editor = qobject_cast<QLineEdit*>(grid.currentEditor());
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("12.5"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(editor, &enter);
    // The last editable column was left: the next row's first column, row 0 written.
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_EQ(grid.currentColumn(), 0);
    EXPECT_EQ(set.state(), Query::State::Browse);
    EXPECT_EQ(db.scalar(QStringLiteral("select je from gridt where id=1")).toDouble(), 12.5);
    EXPECT_TRUE(dialogs.shown().empty());
}

}  // namespace

namespace {

// A data set opened under a sorted grid starts on the grid's first row, and a
// row being added is shown where an ascending key puts it once saved.
TEST_F(DataGridTest, OpensOnTheFirstShownRowAndShowsANewRowWhereItWillStand)
{
    set.close();
    set.setSql(QStringLiteral("select * from gridt order by mcheng desc"));
    grid.sortBy(0);
    set.open();
    EXPECT_EQ(set.field(QStringLiteral("mcheng")).asString(), QStringLiteral("内科"));
    EXPECT_EQ(grid.currentRow(), grid.displayRows().front());

    set.last();
    set.append();
    EXPECT_EQ(grid.displayRows().back(), set.recNo());
    set.setField(QStringLiteral("mcheng"), QStringLiteral("口腔科"));
    set.post();
    EXPECT_EQ(grid.displayText(grid.displayRows().back(), 1), QStringLiteral("口腔科"));
}

}  // namespace
