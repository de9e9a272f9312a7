#include "platform/ui/WorkingTableEditor.h"

#include "platform/db/ChineseMessage.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/KeyPreview.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QHeaderView>
#include <QTreeView>

namespace tj::ui {

WorkingTableEditor::WorkingTableEditor(QWidget* window, db::WorkingTable& table, DataGrid* grid)
    : QObject(window), table_(table), grid_(grid)
{
    grid_->setQuery(&table_.query());
    grid_->setEditable(true);
    grid_->setAlwaysShowEditor(true);
    grid_->setEnterMovesToNextCell(true);
    grid_->setSortingEnabled(false);
    grid_->view()->header()->setSectionsMovable(false);
    KeyPreview::of(window)->add([this](QKeyEvent* key, QWidget* focus) { return handleKey(key, focus); }, 50);
}

bool WorkingTableEditor::handleKey(QKeyEvent* key, QWidget* focus)
{
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    for (const auto& w : exempt_)
        for (QWidget* f = focus; f && w; f = f->parentWidget())
            if (f == w)
                return false;
    QWidget* editor = grid_->currentEditor();
    if (!editor || !editor->isVisible())
        return false;
    // Enter in an open drop-down takes the entry chosen.
    if (auto* combo = qobject_cast<QComboBox*>(editor); combo && combo->view() && combo->view()->isVisible())
        return false;
    const int column = grid_->currentColumn();
    Enter e;
    e.row = grid_->currentRow();
    e.column = column;
    e.field = column >= 0 ? grid_->column(column).field : QString();
    e.text = grid_->editorText().left(1024);
    e.key = key;
    if (e.row < 0)
        return false;
    return onEnter && onEnter(e);
}

bool WorkingTableEditor::setRow(int row, const std::vector<std::pair<QString, db::Value>>& values)
{
    db::Query& q = table_.query();
    grid_->discardEditor();
    try {
        if (q.state() != db::Query::State::Browse)
            q.post();
        if (q.recNo() != row)
            q.setRecNo(row);
        q.edit();
        for (const auto& [field, value] : values)
            q.setField(field, value);
        q.post();
        return true;
    } catch (const db::SqlError& e) {
        Dialogs::instance().message(db::ChineseMessage(e));
        q.cancel();
        return false;
    }
}

void WorkingTableEditor::focus(int row, const QString& field)
{
    const int column = grid_->columnIndex(field);
    if (column >= 0 && row >= 0)
        grid_->focusCell(row, column);
}

int WorkingTableEditor::rowCount() const
{
    return table_.query().isOpen() ? table_.query().recordCount() : 0;
}

}  // namespace tj::ui
