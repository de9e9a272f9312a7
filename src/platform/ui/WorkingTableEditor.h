// The editor of a working table: its grid edits the rows in place with the
// editor always shown in the focused cell (rows are neither inserted nor
// deleted, columns neither sorted nor moved), footers count and sum, and
// Enter in a cell may do arithmetic on the row and move on. The window sees
// Enter before its controls: Enter pressed anywhere in the window while the
// grid's focused cell has its editor open acts on that cell, except in the
// controls the window exempts.
//
//   editor = new ui::WorkingTableEditor(this, table, grid);
//   editor->onEnter = [this](const ui::WorkingTableEditor::Enter& e) {
//       if (e.field != "zkou") return false;          // left to the grid
//       editor->setRow(e.row, {{"zkou", v}, {"ssje", p * v}, {"yhje", p - p * v}});
//       editor->focus(e.row, "ssje");
//       return true;
//   };
#pragma once

#include "platform/db/Value.h"
#include "platform/db/WorkingTable.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <utility>
#include <vector>

class QKeyEvent;
class QWidget;

namespace tj::ui {

class DataGrid;

class WorkingTableEditor : public QObject {
    Q_OBJECT
public:
    WorkingTableEditor(QWidget* window, db::WorkingTable& table, DataGrid* grid);

    db::WorkingTable& table() const { return table_; }
    db::Query& query() const { return table_.query(); }
    DataGrid* grid() const { return grid_; }

    // An Enter on the focused cell: its row, column, field and the text in its editor.
    struct Enter {
        int row = -1;
        int column = -1;
        QString field;
        QString text;
        QKeyEvent* key = nullptr;
    };
    // Runs on Enter while the cell editor is open; true consumes the key.
    // Unhandled, Enter moves to the next editable cell of the row.
    std::function<bool(const Enter&)> onEnter;
    // Controls whose keys the editor leaves alone (a number box, memo boxes).
    void exempt(QWidget* control) { exempt_.emplace_back(control); }

    // Writes values to a row in one edit and posts it, discarding what the
    // open cell editor holds; a refusal of the database is shown and the
    // edit abandoned (false).
    bool setRow(int row, const std::vector<std::pair<QString, db::Value>>& values);
    // Moves the focus to a row's cell and opens its editor.
    void focus(int row, const QString& field);
    int rowCount() const;

private:
    bool handleKey(QKeyEvent* key, QWidget* focus);

    db::WorkingTable& table_;
    DataGrid* grid_;
    std::vector<QPointer<QWidget>> exempt_;
};

}  // namespace tj::ui
