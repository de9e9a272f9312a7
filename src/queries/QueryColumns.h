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

}  // namespace tj::queries
