#include "platform/ui/FormBuilder.h"

#include "platform/ui/DataGrid.h"
#include "platform/ui/Validators.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>

namespace tj::ui {

FormBuilder::FormBuilder(MaintenanceController* controller, QWidget* panel, int columns)
    : c_(controller), panel_(panel), columns_(qMax(1, columns))
{
    grid_ = qobject_cast<QGridLayout*>(panel->layout());
    if (!grid_)
        grid_ = new QGridLayout(panel);
    for (int i = 0; i < columns_; ++i)
        grid_->setColumnStretch(2 * i + 1, 1);
    if (c_)
        c_->addEditPanel(panel);
}

void FormBuilder::newRow()
{
    if (column_ > 0) {
        ++row_;
        column_ = 0;
    }
}

QLabel* FormBuilder::labelOf(QWidget* editor) const
{
    for (const auto& [e, l] : labels_)
        if (e == editor)
            return l;
    return nullptr;
}

QLabel* FormBuilder::add(const QString& caption, QWidget* editor, QWidget* focusFirst, QWidget* focusLast,
                         const FieldOptions& o)
{
    if (o.newRow)
        newRow();
    const int span = qBound(1, o.span, columns_);
    if (column_ + span > columns_)
        newRow();
    QLabel* label = nullptr;
    if (!caption.isEmpty()) {
        label = new QLabel(caption, panel_);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(focusFirst);
        grid_->addWidget(label, row_, 2 * column_);
        labels_.emplace_back(focusFirst, label);
    }
    // An editor spanning several pairs covers their label cells as well.
    grid_->addWidget(editor, row_, 2 * column_ + 1, 1, 2 * span - 1);
    column_ += span;
    if (column_ >= columns_)
        newRow();
    if (o.width > 0)
        editor->setMinimumWidth(o.width);
    if (lastFocus_)
        QWidget::setTabOrder(lastFocus_, focusFirst);
    lastFocus_ = focusLast;
    editors_.push_back(focusFirst);
    if (c_) {
        if (!o.required.isEmpty())
            c_->addRequired(focusFirst, o.required, label);
        if (o.first || editors_.size() == 1)
            c_->setFirstEditor(focusFirst);
    } else if (!o.required.isEmpty() && label) {
        MaintenanceController::markRequired(label);
    }
    return label;
}

void FormBuilder::limit(QLineEdit* edit, const QString& field)
{
    if (!c_)
        return;
    if (const auto column = c_->columnInfo(field))
        if (QValidator* v = ValidatorFor(*column, edit))
            edit->setValidator(v);
}

QLineEdit* FormBuilder::text(const QString& caption, const QString& field, const FieldOptions& o)
{
    auto* e = new QLineEdit(panel_);
    e->setReadOnly(o.readOnly);
    add(caption, e, e, e, o);
    if (c_) {
        limit(e, field);
        c_->bindText(e, field);
    }
    return e;
}

QLineEdit* FormBuilder::pinyin(const QString& caption, const QString& field, QLineEdit* nameBox,
                               MaintenanceController::PinyinFunction code, const FieldOptions& o)
{
    auto* e = new QLineEdit(panel_);
    add(caption, e, e, e, o);
    if (c_) {
        limit(e, field);
        c_->bindPinyin(e, field, nameBox, std::move(code));
    }
    return e;
}

QPlainTextEdit* FormBuilder::memo(const QString& caption, const QString& field, const FieldOptions& o)
{
    auto* e = new QPlainTextEdit(panel_);
    e->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    e->setTabChangesFocus(true);
    e->setReadOnly(o.readOnly);
    const int lines = QFontMetrics(e->font()).lineSpacing();
    e->setFixedHeight(o.height > 0 ? o.height : 3 * lines + 12);
    add(caption, e, e, e, o);
    if (c_)
        c_->bindMemo(e, field);
    return e;
}

QComboBox* FormBuilder::pickList(const QString& caption, const QString& field, const QStringList& items,
                                 const FieldOptions& o)
{
    auto* e = new QComboBox(panel_);
    add(caption, e, e, e, o);
    if (c_)
        c_->bindPickList(e, field, items);
    else
        e->addItems(items);
    return e;
}

QComboBox* FormBuilder::freeList(const QString& caption, const QString& field, const QStringList& items,
                                 const FieldOptions& o)
{
    auto* e = new QComboBox(panel_);
    add(caption, e, e, e, o);
    if (c_) {
        c_->bindFreeList(e, field, items);
        limit(e->lineEdit(), field);
    } else {
        e->setEditable(true);
        e->addItems(items);
    }
    return e;
}

QComboBox* FormBuilder::freeList(const QString& caption, const QString& field, db::Query& list,
                                 const QString& display, const FieldOptions& o)
{
    auto* e = new QComboBox(panel_);
    add(caption, e, e, e, o);
    if (c_) {
        c_->bindFreeList(e, field, list, display);
        limit(e->lineEdit(), field);
    }
    return e;
}

QComboBox* FormBuilder::lookup(const QString& caption, const QString& field, db::Query& list, const FieldOptions& o,
                               const QString& key, const QString& display)
{
    auto* e = new QComboBox(panel_);
    add(caption, e, e, e, o);
    if (c_)
        c_->bindLookup(e, field, list, key, display);
    return e;
}

QCheckBox* FormBuilder::check(const QString& caption, const QString& field, const db::Value& checked,
                              const db::Value& unchecked, const FieldOptions& o)
{
    auto* e = new QCheckBox(caption, panel_);
    add(QString(), e, e, e, o);
    if (c_)
        c_->bindCheck(e, field, checked, unchecked);
    return e;
}

QDateEdit* FormBuilder::date(const QString& caption, const QString& field, const FieldOptions& o)
{
    auto* e = new QDateEdit(panel_);
    add(caption, e, e, e, o);
    if (c_)
        c_->bindDate(e, field);
    return e;
}

std::pair<QRadioButton*, QRadioButton*> FormBuilder::radioPair(const QString& caption, const QString& field,
                                                               const QString& first, const db::Value& firstValue,
                                                               const QString& second, const db::Value& secondValue,
                                                               const FieldOptions& o)
{
    auto* box = new QWidget(panel_);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* a = new QRadioButton(first, box);
    auto* b = new QRadioButton(second, box);
    row->addWidget(a);
    row->addWidget(b);
    row->addStretch();
    add(caption, box, a, b, o);
    QWidget::setTabOrder(a, b);
    if (c_) {
        c_->bindRadio(a, field, firstValue);
        c_->bindRadio(b, field, secondValue);
        // The mandatory check looks at the pair, not at the first button alone.
        c_->setRadioGroup(a, {a, b});
    }
    return {a, b};
}

QLabel* FormBuilder::place(const QString& caption, QWidget* editor, const FieldOptions& o)
{
    editor->setParent(panel_);
    return add(caption, editor, editor, editor, o);
}

void LayoutMaintenanceWindow(QWidget* window, MaintenanceController* controller, DataGrid* grid, QWidget* panel,
                             FormPlacement placement, bool doubleClickEdits)
{
    controller->setGrid(grid, doubleClickEdits);
    controller->addEditPanel(panel);
    if (placement == FormPlacement::Below) {
        auto* layout = new QVBoxLayout(window);
        layout->addWidget(controller->createToolBar(window));
        layout->addWidget(grid, 1);
        layout->addWidget(panel);
        return;
    }
    auto* outer = new QHBoxLayout(window);
    auto* split = new QSplitter(window);
    outer->addWidget(split);
    split->addWidget(grid);
    auto* right = new QWidget(split);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(controller->createToolBar(right));
    panel->setParent(right);
    rightLayout->addWidget(panel);
    rightLayout->addStretch();
    split->addWidget(right);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);
}

}  // namespace tj::ui
