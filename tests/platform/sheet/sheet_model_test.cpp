// Editing the sheet (rows, columns, cells, sorting) and cutting it into pages.
#include "platform/sheet/Sheet.h"
#include "platform/sheet/SheetPrinter.h"

#include <gtest/gtest.h>

using namespace tj::sheet;

namespace {
Sheet grid(int rows, int cols)
{
    Sheet s;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) s.setText(r, c, QString("%1%2").arg(columnName(c)).arg(r + 1));
    return s;
}
}  // namespace

TEST(SheetModel, InsertingAndRemovingRowsAndColumnsMovesEverythingAfterThem)
{
    Sheet s = grid(6, 4);
    s.merge(CellRange::of(4, 0, 4, 2));
    s.setPrintArea(CellRange::of(0, 0, 5, 3));
    s.setPrintTitleRows(std::pair{2, 3});
    s.setColumnWidth(2, 5000);
    s.setRowHidden(3, true);

    s.insertRows(1, 2);
    EXPECT_EQ(s.text(3, 0), "A2");
    EXPECT_EQ(s.text(1, 0), "");
    EXPECT_EQ(s.rowCount(), 8);
    EXPECT_EQ(s.mergeAt(6, 1), CellRange::of(6, 0, 6, 2));
    EXPECT_EQ(s.printArea(), CellRange::of(0, 0, 7, 3));
    EXPECT_EQ(s.printTitleRows(), (std::pair{4, 5}));
    EXPECT_TRUE(s.isRowHidden(5));

    s.removeColumns(0, 1);
    EXPECT_EQ(s.text(0, 0), "B1");
    EXPECT_EQ(s.columnCount(), 3);
    EXPECT_EQ(s.columnWidth(1), 5000);
    EXPECT_EQ(s.mergeAt(6, 0), CellRange::of(6, 0, 6, 1));

    // Removing the rows a merge lies in drops the merge; removing title rows
    // drops the titles.
    s.removeRows(4, 3);
    EXPECT_FALSE(s.mergeAt(4, 0).has_value());
    EXPECT_FALSE(s.printTitleRows().has_value());
    EXPECT_EQ(s.text(4, 0), "B6");
}

TEST(SheetModel, SortPutsNumbersByValueThenTextsAndEmptyLast)
{
    Sheet s;
    QStringList keys{"10", "", "9", "王五", "100", "李四"};
    for (int r = 0; r < keys.size(); ++r) {
        s.setText(r, 0, keys[r]);
        s.setText(r, 1, QString::number(r));
    }
    s.sortRows(CellRange::of(0, 0, 5, 1), 0, true);
    QStringList asc;
    for (int r = 0; r < 6; ++r) asc << s.text(r, 0);
    EXPECT_EQ(asc, (QStringList{"9", "10", "100", "李四", "王五", ""}));
    EXPECT_EQ(s.text(0, 1), "2");  // whole rows move
    s.sortRows(CellRange::of(0, 0, 5, 1), 0, false);
    EXPECT_EQ(s.text(0, 0), "王五");
    EXPECT_EQ(s.text(5, 0), "");
}

TEST(SheetModel, CellShiftsAndClearing)
{
    Sheet s = grid(3, 3);
    s.insertCells(CellRange::of(0, 1, 0, 1), true);
    EXPECT_EQ(s.text(0, 1), "");
    EXPECT_EQ(s.text(1, 1), "B1");
    EXPECT_EQ(s.text(3, 1), "B3");
    s.removeCells(CellRange::of(0, 1, 0, 1), true);
    EXPECT_EQ(s.text(0, 1), "B1");
    s.removeCells(CellRange::of(1, 0, 1, 0), false);
    EXPECT_EQ(s.text(1, 0), "B2");
    s.setFormat(2, 2, CellFormat{HAlign::Right, true});
    s.clearRange(CellRange::of(2, 2, 2, 2), true, false);
    EXPECT_EQ(s.text(2, 2), "");
    EXPECT_TRUE(s.format(2, 2).bold);
}

TEST(SheetPrinting, TitleRowsRepeatOnEveryPageAndHiddenColumnsDoNotPrint)
{
    Sheet s = grid(120, 4);
    s.setColumnHidden(2, true);
    s.setPrintTitleRows(std::pair{0, 1});
    s.setPrintArea(CellRange::of(0, 0, 110, 3));
    std::vector<SheetPage> pages = paginate(s);
    ASSERT_GE(pages.size(), 2u);
    EXPECT_TRUE(pages[0].titleRows.empty());
    EXPECT_EQ(pages[0].rows.front(), 0);
    int printed = 0;
    for (size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(pages[i].cols, (std::vector<int>{0, 1, 3}));
        if (i > 0) {
            EXPECT_EQ(pages[i].titleRows, (std::vector<int>{0, 1}));
            EXPECT_EQ(pages[i].rows.front(), pages[i - 1].rows.back() + 1);
        }
        printed += int(pages[i].rows.size());
    }
    EXPECT_EQ(printed, 111);  // rows 1..111 of the print area, none twice
}

TEST(SheetPrinting, WideSheetsGoAcrossAfterDownAndManualBreaksStartPages)
{
    Sheet s = grid(10, 12);
    for (int c = 0; c < 12; ++c) s.setColumnWidth(c, 20 * 256);
    s.addRowBreak(5);
    std::vector<SheetPage> pages = paginate(s);
    ASSERT_EQ(pages.size(), 6u);  // 4 columns of 20 characters fit across; 2 row blocks
    EXPECT_EQ(pages[0].rows.back(), 4);
    EXPECT_EQ(pages[1].rows.front(), 5);
    EXPECT_EQ(pages[1].cols, pages[0].cols);
    EXPECT_NE(pages[2].cols, pages[0].cols);
}
