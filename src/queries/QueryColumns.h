// Grid columns of the query windows declared as a table: field, caption,
// width and how the value shows (text, tick, date-time, money).
#pragma once

#include <QString>
#include <initializer_list>

namespace tj::ui {
class DataGrid;
}

namespace tj::queries {

struct ColumnSpec {
    enum Kind { Text, Check, DateTime, Money, Whole };
    const char* field;
    const char* caption;
    int width = 80;
    Kind kind = Text;
};

void AddColumns(ui::DataGrid& grid, std::initializer_list<ColumnSpec> columns);

// The visit list of the person list and the unit report window: 状态, 结果,
// 总检, 体检号, 自定义编号, 姓名, 性别, 年龄, 人员类别, 单位, 登记时间, 体检时间.
void AddVisitListColumns(ui::DataGrid& grid);

}  // namespace tj::queries
