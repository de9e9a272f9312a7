#include "reports/DataGridPrintSource.h"

#include "platform/ui/DataGrid.h"
#include "reports/PrintGridView.h"

namespace tj::reports {

DataGridPrintSource::DataGridPrintSource(const ui::DataGrid& grid) : grid_(grid), rows_(grid.displayRows()) {}

int DataGridPrintSource::columnCount() const
{
    return grid_.columnCount();
}

PrintGridColumn DataGridPrintSource::column(int col) const
{
    const ui::GridColumn& c = grid_.column(col);
    PrintGridColumn look;
    look.caption = c.caption;
    look.width = c.width;
    look.visible = c.visible;
    look.isBoolean = c.kind == ui::GridColumn::Kind::Check;
    return look;
}

QString DataGridPrintSource::displayText(int row, int col) const
{
    return grid_.displayText(rows_.at(std::size_t(row)), col);
}

bool DataGridPrintSource::boolValue(int row, int col) const
{
    return grid_.isChecked(rows_.at(std::size_t(row)), col);
}

std::vector<PrintGridSummary> DataGridPrintSource::footerSummaries() const
{
    std::vector<PrintGridSummary> out;
    const auto& summaries = grid_.summaries();
    for (std::size_t i = 0; i < summaries.size(); ++i)
        out.push_back({summaries[i].column, grid_.summaryText(int(i))});
    return out;
}

void PrintGridView(const ui::DataGrid& grid, const QString& title, const QString& subtitle, QWidget* parent)
{
    PrintGridView(DataGridPrintSource(grid), ReportTemplatePath(), title, subtitle, parent);
}

}  // namespace tj::reports
