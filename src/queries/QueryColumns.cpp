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

void AddVisitListColumns(ui::DataGrid& grid)
{
    AddColumns(grid, {{"tjztai", "状态", 40},
                      {"jgbzhi", "结果", 40, ColumnSpec::Check},
                      {"zjbzhi", "总检", 40, ColumnSpec::Check},
                      {"tjhao", "体检号", 80},
                      {"zdybhao", "自定义编号", 80},
                      {"xming", "姓名", 80},
                      {"xbie", "性别", 40},
                      {"nling", "年龄", 40},
                      {"rylbmcheng", "人员类别", 80},
                      {"dwmcheng", "单位", 100},
                      {"sfsjian", "登记时间", 120, ColumnSpec::DateTime},
                      {"tjsjian", "体检时间", 120, ColumnSpec::DateTime}});
}

}  // namespace tj::queries
