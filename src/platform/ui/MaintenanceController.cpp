#include "platform/ui/MaintenanceController.h"

#include "platform/db/ChineseMessage.h"
#include "platform/db/SqlText.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/EnterMovesFocus.h"
#include "platform/ui/Mnemonics.h"
#include "platform/ui/Validators.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>
#include <QToolBar>
#include <QWidget>

namespace tj::ui {


MaintenanceController::MaintenanceController(QWidget* window, db::Query& set, db::Query& guards)
    : QObject(window), window_(window), set_(set), guards_(guards)
{
    EnterMovesFocus::install(window);
    connect(&set_, &db::Query::stateChanged, this, [this](db::Query::State) {
        applyState();
        loadEditors();
    });
    connect(&set_, &db::Query::currentChanged, this, [this](int) { loadEditors(); });
    connect(&set_, &db::Query::dataChanged, this, [this] { loadEditors(); });
    connect(&set_, &db::Query::rowChanged, this, [this](int row) {
        if (row == set_.recNo())
            loadEditors();
    });
}

MaintenanceController::~MaintenanceController() = default;

QToolBar* MaintenanceController::createToolBar(QWidget* parent)
{
    auto* bar = new QToolBar(parent);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setIconSize(QSize(24, 24));
    QStyle* st = parent ? parent->style() : QApplication::style();
    add_ = bar->addAction(st->standardIcon(QStyle::SP_FileIcon), QStringLiteral("添加(&A)"));
    edit_ = bar->addAction(st->standardIcon(QStyle::SP_FileDialogDetailedView), QStringLiteral("修改(&E)"));
    save_ = bar->addAction(st->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("保存(&S)"));
    cancel_ = bar->addAction(st->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("取消(&N)"));
    delete_ = bar->addAction(st->standardIcon(QStyle::SP_TrashIcon), QStringLiteral("删除(&D)"));
    separator_ = bar->addSeparator();
    close_ = bar->addAction(st->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("关闭(&C)"));
    bar_ = bar;
    AddMnemonicShortcuts(bar);
    connect(add_, &QAction::triggered, this, &MaintenanceController::BBtnAddClick);
    connect(edit_, &QAction::triggered, this, &MaintenanceController::BBtnEditClick);
    connect(save_, &QAction::triggered, this, &MaintenanceController::BBtnSaveClick);
    connect(cancel_, &QAction::triggered, this, &MaintenanceController::BBtnCancelClick);
    connect(delete_, &QAction::triggered, this, &MaintenanceController::BBtnDelClick);
    connect(close_, &QAction::triggered, this, &MaintenanceController::BBtnCloseClick);
    applyState();
    return bar;
}

QAction* MaintenanceController::insertAction(QAction* before, const QString& caption, int standardIcon,
                                             bool separatorAfter)
{
    if (!bar_)
        return nullptr;
    auto* action = new QAction(bar_->style()->standardIcon(QStyle::StandardPixmap(standardIcon)), caption, bar_);
    bar_->insertAction(before, action);
    if (separatorAfter)
        bar_->insertSeparator(before);
    AddMnemonicShortcuts(bar_);
    return action;
}

void MaintenanceController::setGrid(DataGrid* grid, bool doubleClickEdits)
{
    grid_ = grid;
    if (doubleClickEdits)
        connect(grid, &DataGrid::rowDoubleClicked, this, [this](int) { BBtnEditClick(); });
    applyState();
}

void MaintenanceController::addEditPanel(QWidget* panel)
{
    editPanels_.emplace_back(panel);
    applyState();
}

void MaintenanceController::addBrowseOnly(QWidget* widget)
{
    browseOnly_.emplace_back(widget);
    applyState();
}

bool MaintenanceController::isEditing() const
{
    return set_.state() == db::Query::State::Edit || set_.state() == db::Query::State::Insert;
}

void MaintenanceController::applyState()
{
    const bool editing = isEditing();
    if (add_) {
        add_->setEnabled(!editing);
        edit_->setEnabled(!editing);
        delete_->setEnabled(!editing);
        save_->setEnabled(editing);
        cancel_->setEnabled(editing);
        close_->setEnabled(true);
    }
    if (grid_)
        grid_->setEnabled(!editing);
    for (auto& w : editPanels_)
        if (w)
            w->setEnabled(editing);
    for (auto& w : browseOnly_)
        if (w)
            w->setEnabled(!editing);
    if (stateHook)
        stateHook(editing);
}

// ---------------------------------------------------------------------------
// Bindings

void MaintenanceController::bindText(QLineEdit* edit, const QString& field)
{
    bindings_.emplace_back(Binding::Kind::Text, edit, field);
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) { write(field, text); });
    loadEditors();
}

void MaintenanceController::bindMemo(QPlainTextEdit* edit, const QString& field)
{
    bindings_.emplace_back(Binding::Kind::Memo, edit, field);
    connect(edit, &QPlainTextEdit::textChanged, this, [this, edit, field] {
        if (!loading_)
            write(field, edit->toPlainText());
    });
    loadEditors();
}

void MaintenanceController::bindLookup(QComboBox* combo, const QString& field, db::Query& list, const QString& key,
                                       const QString& display)
{
    combo->setEditable(false);
    Binding b(Binding::Kind::Lookup, combo, field);
    b.list = &list;
    b.key = key;
    b.display = display;
    bindings_.push_back(b);
    const std::size_t index = bindings_.size() - 1;
    connect(&list, &db::Query::dataChanged, this, [this, index] {
        fillLookup(bindings_[index]);
        loadEditors();
    });
    connect(combo, &QComboBox::activated, this, [this, index](int i) {
        const Binding& b = bindings_[index];
        if (i >= 0 && i < b.names.size())
            writeValue(b.field, b.names.keys()[std::size_t(i)]);
    });
    fillLookup(bindings_[index]);
    loadEditors();
}

void MaintenanceController::fillLookup(Binding& b)
{
    auto* combo = qobject_cast<QComboBox*>(b.widget.data());
    if (!combo)
        return;
    const bool wasLoading = loading_;
    loading_ = true;
    b.names = db::Lookup(*b.list, b.key, b.display);
    combo->clear();
    combo->addItems(b.names.names());
    combo->setCurrentIndex(-1);
    loading_ = wasLoading;
}

void MaintenanceController::bindPickList(QComboBox* combo, const QString& field, const QStringList& items)
{
    combo->setEditable(false);
    combo->clear();
    combo->addItems(items);
    bindings_.emplace_back(Binding::Kind::PickList, combo, field);
    connect(combo, &QComboBox::activated, this, [this, combo, field](int) { write(field, combo->currentText()); });
    loadEditors();
}

void MaintenanceController::bindFreeList(QComboBox* combo, const QString& field, const QStringList& items)
{
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->clear();
    combo->addItems(items);
    bindings_.emplace_back(Binding::Kind::FreeList, combo, field);
    connect(combo, &QComboBox::currentTextChanged, this, [this, field](const QString& text) { write(field, text); });
    loadEditors();
}

void MaintenanceController::bindFreeList(QComboBox* combo, const QString& field, db::Query& list,
                                         const QString& display)
{
    bindFreeList(combo, field, QStringList());
    auto fill = [this, combo, &list, display] {
        const bool wasLoading = loading_;
        loading_ = true;
        const QString text = combo->currentText();
        combo->clear();
        if (list.isOpen()) {
            const int d = list.fieldIndex(display);
            for (int r = 0; r < list.recordCount(); ++r)
                combo->addItem(list.value(r, d).toString());
        }
        combo->setEditText(text);
        loading_ = wasLoading;
        loadEditors();
    };
    connect(&list, &db::Query::dataChanged, this, fill);
    fill();
}

void MaintenanceController::bindDate(QDateEdit* edit, const QString& field)
{
    // The lowest date stands for "no date" and shows blank.
    edit->setMinimumDate(QDate(1900, 1, 1));
    edit->setSpecialValueText(QStringLiteral(" "));
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setCalendarPopup(true);
    bindings_.emplace_back(Binding::Kind::Date, edit, field);
    connect(edit, &QDateEdit::dateChanged, this, [this, edit, field](const QDate& d) {
        writeValue(field, d == edit->minimumDate() ? db::Value() : db::Value(d));
    });
    loadEditors();
}

void MaintenanceController::bindCheck(QCheckBox* box, const QString& field, const db::Value& checked,
                                      const db::Value& unchecked)
{
    Binding b(Binding::Kind::Check, box, field);
    b.on = checked;
    b.off = unchecked;
    bindings_.push_back(b);
    connect(box, &QCheckBox::clicked, this,
            [this, field, checked, unchecked](bool on) { writeValue(field, on ? checked : unchecked); });
    loadEditors();
}

void MaintenanceController::bindRadio(QRadioButton* button, const QString& field, const db::Value& value)
{
    Binding b(Binding::Kind::Radio, button, field);
    b.on = value;
    bindings_.push_back(b);
    connect(button, &QRadioButton::clicked, this, [this, field, value](bool on) {
        if (on)
            writeValue(field, value);
    });
    loadEditors();
}

void MaintenanceController::bindPinyin(QLineEdit* edit, const QString& field, QLineEdit* nameBox, PinyinFunction code)
{
    bindText(edit, field);
    pinyin_.push_back({edit, field, nameBox, std::move(code)});
    edit->installEventFilter(this);
}

bool MaintenanceController::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        for (auto& p : pinyin_) {
            if (p.edit != watched || !isEditing() || !p.name)
                continue;
            // Entering the box regenerates the initials from the name as it is now.
            const QString code = p.code(p.name->text());
            p.edit->setText(code);
            writeValue(p.field, code);
        }
    }
    return QObject::eventFilter(watched, event);
}

void MaintenanceController::addRequired(QWidget* editor, const QString& message, QLabel* label)
{
    required_.push_back({editor, message});
    if (label)
        markRequired(label);
}

void MaintenanceController::markRequired(QLabel* label)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::red);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(200, 0, 0));
    label->setPalette(p);
}

void MaintenanceController::setRadioGroup(QWidget* first, std::vector<QWidget*> buttons)
{
    auto& group = radioGroups_[first];
    group.clear();
    for (QWidget* b : buttons)
        group.emplace_back(b);
}

void MaintenanceController::addDeleteGuard(const QString& sqlFormat, const QString& field, const QString& message)
{
    guardList_.push_back({sqlFormat, field, message});
}

db::Value MaintenanceController::current(const QString& field) const
{
    if (!set_.isOpen() || set_.recNo() < 0)
        return {};
    const int f = set_.fieldIndex(field);
    return f < 0 ? db::Value() : set_.currentValue(f);
}

void MaintenanceController::loadEditors()
{
    const bool wasLoading = loading_;
    loading_ = true;
    for (auto& b : bindings_) {
        if (!b.widget)
            continue;
        const db::Value v = current(b.field);
        switch (b.kind) {
        case Binding::Kind::Text:
            static_cast<QLineEdit*>(b.widget.data())->setText(v.toString());
            break;
        case Binding::Kind::Memo: {
            auto* memo = static_cast<QPlainTextEdit*>(b.widget.data());
            if (memo->toPlainText() != v.toString())
                memo->setPlainText(v.toString());
            break;
        }
        case Binding::Kind::Lookup:
            static_cast<QComboBox*>(b.widget.data())->setCurrentIndex(b.names.indexOf(v));
            break;
        case Binding::Kind::PickList: {
            auto* combo = static_cast<QComboBox*>(b.widget.data());
            combo->setCurrentIndex(v.isNull() ? -1 : combo->findText(v.toString()));
            break;
        }
        case Binding::Kind::FreeList: {
            auto* combo = static_cast<QComboBox*>(b.widget.data());
            if (combo->currentText() != v.toString())
                combo->setEditText(v.toString());
            break;
        }
        case Binding::Kind::Date: {
            auto* edit = static_cast<QDateEdit*>(b.widget.data());
            const QDateTime dt = v.toDateTime();
            edit->setDate(dt.isValid() ? dt.date() : edit->minimumDate());
            break;
        }
        case Binding::Kind::Check:
            static_cast<QCheckBox*>(b.widget.data())->setChecked(!v.isNull() && (v == b.on || (!(v == b.off) && v.toBool())));
            break;
        case Binding::Kind::Radio: {
            auto* radio = static_cast<QRadioButton*>(b.widget.data());
            const bool on = !v.isNull() && v.toString() == b.on.toString();
            // Exclusive groups do not let a button be unticked directly.
            const bool exclusive = radio->autoExclusive();
            radio->setAutoExclusive(false);
            radio->setChecked(on);
            radio->setAutoExclusive(exclusive);
            break;
        }
        }
    }
    loading_ = wasLoading;
}

void MaintenanceController::readColumns()
{
    if (columnsRead_)
        return;
    columnsRead_ = true;
    try {
        for (const auto& c : set_.connection().tableColumns(set_.updateTable()))
            columns_[c.name.toLower()] = c;
    } catch (const db::SqlError&) {
        columns_.clear();
    }
}

std::optional<db::ColumnInfo> MaintenanceController::columnInfo(const QString& field)
{
    readColumns();
    const auto it = columns_.find(field.toLower());
    if (it == columns_.end())
        return std::nullopt;
    return it->second;
}

db::Value MaintenanceController::convert(const QString& field, const QString& text)
{
    const auto column = columnInfo(field);
    const QString type = column ? column->type : QString();
    const QString t = text.trimmed();
    if (IsNumberColumn(type) || type == QLatin1String("datetime")) {
        if (t.isEmpty())
            return {};
        bool ok = false;
        if (IsIntegerColumn(type)) {
            const qint64 i = t.toLongLong(&ok);
            if (ok)
                return db::Value(i);
        } else if (IsNumberColumn(type)) {
            const double d = t.toDouble(&ok);
            if (ok)
                return db::Value(d);
        }
        // Text that does not fit the column goes to the database as typed,
        // which refuses it with its own message.
        return db::Value(text);
    }
    return db::Value(text);
}

void MaintenanceController::write(const QString& field, const QString& text)
{
    if (loading_ || !isEditing())
        return;
    set_.setField(field, convert(field, text));
}

void MaintenanceController::writeValue(const QString& field, const db::Value& value)
{
    if (loading_ || !isEditing())
        return;
    set_.setField(field, value);
}

bool MaintenanceController::isEmptyEditor(QWidget* editor) const
{
    if (const auto g = radioGroups_.find(editor); g != radioGroups_.end()) {
        for (const auto& b : g->second)
            if (auto* r = qobject_cast<QRadioButton*>(b.data()); r && r->isChecked())
                return false;
        return true;
    }
    if (auto* date = qobject_cast<QDateEdit*>(editor))
        return date->date() == date->minimumDate();
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        return line->text().trimmed().isEmpty();
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        return (!combo->isEditable() && combo->currentIndex() < 0) || combo->currentText().trimmed().isEmpty();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(editor))
        return memo->toPlainText().trimmed().isEmpty();
    return false;
}

bool MaintenanceController::checkLengths()
{
    for (const auto& b : bindings_) {
        if (!b.widget || (b.kind != Binding::Kind::Text && b.kind != Binding::Kind::Memo
                          && b.kind != Binding::Kind::FreeList))
            continue;
        const auto column = columnInfo(b.field);
        if (!column || column->width <= 0
            || (column->type != QLatin1String("varchar") && column->type != QLatin1String("char")))
            continue;
        const int bytes = GbkBytes(current(b.field).toString());
        if (bytes <= column->width)
            continue;
        QString caption;
        for (QObject* o : window_->findChildren<QLabel*>())
            if (auto* l = static_cast<QLabel*>(o); l->buddy() == b.widget)
                caption = l->text().remove(QLatin1Char('&')).remove(QStringLiteral("：")).remove(QLatin1Char(':'));
        Dialogs::instance().warning(
            QStringLiteral("%1太长：最多 %2 个字节（一个汉字占两个字节），现在是 %3 个字节！")
                .arg(caption.isEmpty() ? QStringLiteral("输入的内容") : caption)
                .arg(column->width)
                .arg(bytes));
        b.widget->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Actions

void MaintenanceController::BBtnAddClick()
{
    if (!set_.isOpen())
        return;
    if (beforeAdd && !beforeAdd())
        return;
    set_.last();
    set_.append();
    if (afterAdd)
        afterAdd();
    if (firstEditor_)
        firstEditor_->setFocus(Qt::OtherFocusReason);
}

void MaintenanceController::BBtnEditClick()
{
    if (!set_.isOpen() || set_.isEmpty() || isEditing())
        return;
    if (beforeEdit && !beforeEdit())
        return;
    set_.edit();
    if (firstEditor_)
        firstEditor_->setFocus(Qt::OtherFocusReason);
}

bool MaintenanceController::BBtnSaveClick()
{
    for (const auto& r : required_) {
        if (r.editor && isEmptyEditor(r.editor)) {
            Dialogs::instance().warning(r.message);
            r.editor->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    if (!checkLengths())
        return false;
    if (extraChecks && !extraChecks())
        return false;
    if (!set_.isOpen() || !isEditing())
        return false;
    try {
        set_.post(alongWithPost);
    } catch (const db::SqlError& e) {
        // The row stays in editing with what the user typed.
        Dialogs::instance().message(postErrorText ? postErrorText(e.message()) : db::ChineseMessage(e));
        return false;
    }
    if (afterSave)
        afterSave();
    return true;
}

void MaintenanceController::BBtnCancelClick()
{
    if (!set_.isOpen())
        return;
    set_.cancel();
    loadEditors();
}

void MaintenanceController::BBtnDelClick()
{
    if (!set_.isOpen() || set_.isEmpty() || isEditing())
        return;
    for (const auto& g : guardList_) {
        const int f = set_.fieldIndex(g.field);
        const db::Value v = f < 0 ? db::Value() : set_.currentValue(f);
        const QByteArray format = g.sql.toUtf8();
        const QString sql = g.sql.contains(QLatin1String("'%s'"))
                                ? db::SqlText::format(format.constData(), v.toString())
                                : db::SqlText::format(format.constData(), v.toInteger());
        // The guard's statement as written; only whether it finds a row matters.
        guards_.close();
        const bool used = guards_.connection().exists(sql);
        if (used) {
            Dialogs::instance().warning(g.message);
            return;
        }
    }
    if (!deleteQuestion_.isEmpty()
        && !Dialogs::instance().question(deleteQuestion_, Caption::Confirm, Icon::Question, deleteDefaultYes_))
        return;
    if (deleteRow)
        deleteRow();
    else
        set_.deleteCurrent();
    if (afterDelete)
        afterDelete();
}

void MaintenanceController::BBtnCloseClick()
{
    if (closeWindow)
        closeWindow();
    else
        window_->close();
}

}  // namespace tj::ui
