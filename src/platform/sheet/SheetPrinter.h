// Printing a sheet: the print area (or the used block) cut into pages down
// then across, title rows repeated at the top of every page, hidden rows and
// columns left out, manual page breaks honoured.
#pragma once

#include "platform/sheet/Sheet.h"

#include <QRectF>
#include <vector>

class QPainter;
class QPrinter;
class QWidget;

namespace tj::sheet {

struct SheetPage {
    std::vector<int> titleRows;  // repeated rows printed first
    std::vector<int> rows;
    std::vector<int> cols;
};

// Printed sizes in millimetres.
double columnWidthMm(const Sheet& sheet, int col);
double rowHeightMm(const Sheet& sheet, int row);
// The block that printing covers.
CellRange printedRange(const Sheet& sheet);
std::vector<SheetPage> paginate(const Sheet& sheet);
// Paints one page onto a device whose origin is the paper's top-left corner.
void paintSheetPage(QPainter& painter, const Sheet& sheet, const SheetPage& page, int pageNumber, int pageCount);
// Prints every page; throws SheetError when the printer cannot be started.
void printSheet(const Sheet& sheet, QPrinter& printer);
// Applies the sheet's paper, orientation to the printer.
void applyPageSetup(const Sheet& sheet, QPrinter& printer);
// The preview window of the sheet's printout; blocks until it is closed.
void previewSheet(const Sheet& sheet, QWidget* parent);

}  // namespace tj::sheet
