// The editable view's commands on the selection.
#include "platform/sheet/SheetView.h"

#include <QApplication>
#include <QClipboard>
#include <gtest/gtest.h>

using namespace tj::sheet;

namespace {
Sheet small()
{
    Sheet s;
    QStringList rows{"体检号\t姓名\t金额", "1-1\t张三\t10.00", "1-2\t李四\t20.00", "1-3\t王五\t30.00"};
    return parseText(rows.join("\n").toUtf8());
}
}  // namespace

TEST(SheetView, CutAndPasteMovesCellsWithFormats)
{
    SheetView v;
    Sheet s = small();
    s.setFormat(1, 1, CellFormat{HAlign::Center, true});
    v.setSheet(s);
    v.select(CellRange::of(1, 1, 2, 1));
    v.cut();
    EXPECT_TRUE(v.canPaste());
    EXPECT_EQ(QApplication::clipboard()->text(), "张三\n李四");
    v.select(CellRange::of(5, 3, 5, 3));
    v.paste();
    EXPECT_EQ(v.sheet().text(5, 3), "张三");
    EXPECT_EQ(v.sheet().text(6, 3), "李四");
    EXPECT_TRUE(v.sheet().format(5, 3).bold);
    EXPECT_EQ(v.sheet().text(1, 1), "");
    EXPECT_EQ(v.sheet().text(2, 1), "");

    // Text from another program pastes as texts at the selection.
    QApplication::clipboard()->setText("甲\t乙\n丙\t丁");
    v.select(CellRange::of(0, 4, 0, 4));
    v.paste();
    EXPECT_EQ(v.sheet().text(1, 5), "丁");
}

TEST(SheetView, RowAndColumnCommandsActOnTheSelection)
{
    SheetView v;
    v.setSheet(small());
    v.select(CellRange::of(1, 0, 2, 0));
    v.insertRows();
    EXPECT_EQ(v.sheet().text(3, 1), "张三");
    v.select(CellRange::of(0, 1, 0, 1));
    v.setSelectedColumnsHidden(true);
    EXPECT_TRUE(v.sheet().isColumnHidden(1));
    EXPECT_TRUE(v.isColumnHidden(1));
    v.setSelectedColumnsHidden(false);
    EXPECT_FALSE(v.isColumnHidden(1));
    EXPECT_GT(v.sheet().columnWidth(1), 0);
    v.select(CellRange::of(4, 0, 4, 0));
    v.setSelectedRowsHidden(true);
    EXPECT_TRUE(v.isRowHidden(4));
    v.select(CellRange::of(0, 0, 1, 2));
    v.setPrintAreaFromSelection();
    EXPECT_EQ(v.sheet().printArea(), CellRange::of(0, 0, 1, 2));
    v.setPrintTitlesFromSelection();
    EXPECT_EQ(v.sheet().printTitleRows(), (std::pair{0, 1}));
    v.clearPrintArea();
    v.clearPrintTitles();
    EXPECT_FALSE(v.sheet().printArea().has_value());
    EXPECT_FALSE(v.sheet().printTitleRows().has_value());
}

TEST(SheetView, FindReplaceAndGoTo)
{
    SheetView v;
    v.setSheet(small());
    v.select(CellRange::of(0, 0, 0, 0));
    ASSERT_TRUE(v.findNext("李"));
    EXPECT_EQ(v.selection(), CellRange::of(2, 1, 2, 1));
    EXPECT_FALSE(v.findNext("赵六"));
    EXPECT_EQ(v.replaceAll("1-", "2024-"), 3);
    EXPECT_EQ(v.sheet().text(3, 0), "2024-3");
    EXPECT_TRUE(v.goTo("c4"));
    EXPECT_EQ(v.selection(), CellRange::of(3, 2, 3, 2));
    EXPECT_FALSE(v.goTo("4C"));
}
