// Cell editors of the grid: text boxes, drop-down lists (pick lists and
// lookups) and custom editors of the window. Used by DataGrid only.
#pragma once

#include "platform/ui/DataGridModel.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace tj::ui {


class DataGridDelegate : public QStyledItemDelegate {
public:
    DataGridDelegate(DataGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const int row = grid_->model_->rowOf(index);
        if (row < 0)
            return nullptr;
        const auto& c = grid_->columns_[std::size_t(index.column())];
        QWidget* editor = makeEditor(parent, option, index, row, c);
        grid_->editor_ = editor;
        return editor;
    }

    QWidget* makeEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index, int row,
                        const GridColumn& c) const
    {
        if (auto it = grid_->editorFactories_.find(index.column()); it != grid_->editorFactories_.end())
            return it->second(parent, row);
        if (c.lookup) {
            auto* combo = new QComboBox(parent);
            combo->setEditable(false);
            if (c.lookup->isOpen()) {
                const int k = c.lookup->fieldIndex(c.lookupKey), d = c.lookup->fieldIndex(c.lookupDisplay);
                for (int r = 0; r < c.lookup->recordCount(); ++r)
                    combo->addItem(c.lookup->value(r, d).toString(), c.lookup->value(r, k).toString());
            }
            return combo;
        }
        if (!c.pickList.isEmpty()) {
            auto* combo = new QComboBox(parent);
            combo->setEditable(!c.pickListOnly);
            combo->addItems(c.pickList);
            return combo;
        }
        return QStyledItemDelegate::createEditor(parent, option, index);
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        const QString text = index.data(Qt::EditRole).toString();
        const auto& c = grid_->columns_[std::size_t(index.column())];
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            if (c.lookup) {
                combo->setCurrentIndex(combo->findData(text));
            } else if (combo->isEditable()) {
                combo->setEditText(text);
            } else {
                combo->setCurrentIndex(combo->findText(text));
            }
            return;
        }
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setText(text);
            return;
        }
        if (editor->property("value").isValid()) {
            editor->setProperty("value", text);
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        const auto& c = grid_->columns_[std::size_t(index.column())];
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            if (c.lookup) {
                if (combo->currentIndex() >= 0)
                    model->setData(index, combo->currentData(), Qt::EditRole);
                return;
            }
            model->setData(index, combo->currentText(), Qt::EditRole);
            return;
        }
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            model->setData(index, line->text(), Qt::EditRole);
            return;
        }
        if (editor->property("value").isValid()) {
            model->setData(index, editor->property("value").toString(), Qt::EditRole);
            return;
        }
        QStyledItemDelegate::setModelData(editor, model, index);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (grid_->model_->groupOf(index) < 0) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        // Group caption: across the whole row, bold.
        const QString text = index.data(Qt::DisplayRole).toString();
        if (text.isEmpty())
            return;
        QRect r = option.rect;
        r.setRight(grid_->view_->viewport()->width() - 2);
        r.adjust(4, 0, 0, 0);
        painter->save();
        QFont f = option.font;
        f.setBold(true);
        painter->setFont(f);
        painter->setPen(option.palette.color(QPalette::Text));
        painter->drawText(r, Qt::AlignLeft | Qt::AlignVCenter,
                          QFontMetrics(f).elidedText(text, Qt::ElideRight, r.width()));
        painter->restore();
    }

    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor && event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (grid_->keyHook && grid_->keyHook(key))
                return true;
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
                && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
                if (auto* combo = qobject_cast<QComboBox*>(editor); combo && combo->view()->isVisible())
                    return QStyledItemDelegate::eventFilter(object, event);
                // The grid keeps Enter: commit the cell, then move on or stay.
                emit const_cast<DataGridDelegate*>(this)->commitData(editor);
                emit const_cast<DataGridDelegate*>(this)->closeEditor(editor, QAbstractItemDelegate::NoHint);
                if (grid_->enterMovesToNextCell_)
                    grid_->moveToNextCell();
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    DataGrid* grid_;
};

}  // namespace tj::ui
