#include "queries/QueryColumns.h"

#include "platform/ui/DataGrid.h"

namespace tj::queries {

void AddColumns(ui::DataGrid& grid, std::initializer_list<ColumnSpec> columns)
{
    for (const ColumnSpec& spec : columns) {
        ui::GridColumn c;
        c.field = QString::fromUtf8(spec.field);
        c.caption = QString::fromUtf8(spec.caption);
        c.width = spec.width;
        switch (spec.kind) {
        case ColumnSpec::Check:
            c.kind = ui::GridColumn::Kind::Check;
            c.alignment = Qt::AlignCenter;
            break;
        case ColumnSpec::DateTime:
            c.format = QStringLiteral("yyyy-MM-dd hh:mm:ss");
            break;
        case ColumnSpec::Money:
            c.format = QStringLiteral("%.2f");
            c.alignment = Qt::AlignRight | Qt::AlignVCenter;
            break;
        case ColumnSpec::Whole:
            c.alignment = Qt::AlignRight | Qt::AlignVCenter;
            break;
        case ColumnSpec::Text:
            break;
        }
        grid.addColumn(c);
    }
}

}  // namespace tj::queries
