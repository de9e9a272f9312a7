// The program's grid as PrintGridView sees it: columns in grid order with
// their captions, widths and check-box kind, rows in display order, and the
// footer texts.
#pragma once

#include "reports/PrintGridSource.h"

namespace tj::ui {
class DataGrid;
}

namespace tj::reports {

class DataGridPrintSource : public PrintGridSource {
public:
    explicit DataGridPrintSource(const ui::DataGrid& grid);

    int columnCount() const override;
    PrintGridColumn column(int col) const override;
    int rowCount() const override { return int(rows_.size()); }
    QString displayText(int row, int col) const override;
    bool boolValue(int row, int col) const override;
    std::vector<PrintGridSummary> footerSummaries() const override;

private:
    const ui::DataGrid& grid_;
    std::vector<int> rows_;  // data-set rows in display order, taken when made
};

// Prints a grid through the spreadsheet template and the print window.
void PrintGridView(const ui::DataGrid& grid, const QString& title, const QString& subtitle = QString(),
                   QWidget* parent = nullptr);

}  // namespace tj::reports
