// Printing a grid as displayed: the grid is copied into the spreadsheet read
// from the template Report/报表.xlsx and shown in the print window.
#pragma once

#include "platform/sheet/Sheet.h"
#include "reports/PrintGridSource.h"

class QWidget;

namespace tj::reports {

// Writes the grid into the sheet (rows and columns from 1 in the comments):
// row 1 the title merged over the grid's columns and centred, row 2 the
// subtitle merged and left-aligned, row 3 the captions, then one row per
// grid row, then "合计" and the footer summaries; widths are the grid's
// widths × 35 (1/256 character units), hidden columns at width 0; the print
// area covers the whole block.
void FillSheetFromGrid(sheet::Sheet& sheet, const PrintGridSource& grid, const QString& title, const QString& subtitle);

// The template beside the executable.
QString ReportTemplatePath();

// Reads the template (a failure throws, so the print window is not shown),
// fills it from the grid and shows the print window modally.
void PrintGridView(const PrintGridSource& grid, const QString& templatePath, const QString& title,
                   const QString& subtitle = QString(), QWidget* parent = nullptr);

}  // namespace tj::reports
