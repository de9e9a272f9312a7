// Edit panels built from one declaration per field. Each call makes the
// label (red when the field is mandatory), the editor, places both in the
// panel's grid, continues the tab order and binds the editor to the field of
// the maintenance controller's data set, with the mandatory message:
//
//   ui::FormBuilder f(Maint, panel, 3);   // three label/editor pairs a row
//   EdtMcheng = f.text("科室名称：", "mcheng", {.required = "科室名称不能为空！"});
//   f.pinyin("拼音简码：", "pyjma", EdtMcheng, common::SearchCode);
//   f.lookup("科室类别：", "kslbie", QryKslbie, {.required = "科室类别不能为空！"});
//   f.memo("备注：", "bzhu", {.span = 3});
//
// Editors hold only what their column can: text is limited to the column's
// width in GBK bytes, number columns take numbers, date columns get a date
// editor. Without a controller the builder only lays out and orders the
// editors (filter panels, registration forms).
#pragma once

#include "platform/db/Value.h"
#include "platform/ui/MaintenanceController.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QWidget;

namespace tj::db {
class Query;
}

namespace tj::ui {

class DataGrid;

// What a declaration may add to the field's caption and column.
struct FieldOptions {
    QString required;      // mandatory: the message shown when the editor is empty
    int span = 1;          // label/editor pairs the editor stretches over
    bool newRow = false;   // start a new row of the panel before this field
    int height = 0;        // memo: height in pixels (0: three lines)
    int width = 0;         // minimum editor width in pixels (0: the layout's)
    bool readOnly = false; // shown, never edited
    bool first = false;    // the editor that gets the focus when an edit starts
};

class FormBuilder {
public:
    // Fields are laid out left to right, `columns` label/editor pairs a row,
    // in the panel's grid layout (made when the panel has none).
    FormBuilder(MaintenanceController* controller, QWidget* panel, int columns = 1);

    QLineEdit* text(const QString& caption, const QString& field, const FieldOptions& o = {});
    // Pinyin initials computed from the name box whenever the box is entered while editing.
    QLineEdit* pinyin(const QString& caption, const QString& field, QLineEdit* nameBox,
                      MaintenanceController::PinyinFunction code, const FieldOptions& o = {});
    QPlainTextEdit* memo(const QString& caption, const QString& field, const FieldOptions& o = {});
    // A drop-down of fixed texts storing the chosen text (no free text).
    QComboBox* pickList(const QString& caption, const QString& field, const QStringList& items,
                        const FieldOptions& o = {});
    // A drop-down of texts offered, any text may be typed; the text is stored.
    QComboBox* freeList(const QString& caption, const QString& field, const QStringList& items,
                        const FieldOptions& o = {});
    // The same, offering a column of a data set (kept current with it).
    QComboBox* freeList(const QString& caption, const QString& field, db::Query& list, const QString& display,
                        const FieldOptions& o = {});
    // A drop-down of the names of a list, storing the key.
    QComboBox* lookup(const QString& caption, const QString& field, db::Query& list, const FieldOptions& o = {},
                      const QString& key = QStringLiteral("id"), const QString& display = QStringLiteral("mcheng"));
    // A check box storing one of two values ("是"/"否", 1/0); the caption is the box's own text.
    QCheckBox* check(const QString& caption, const QString& field, const db::Value& checked,
                     const db::Value& unchecked, const FieldOptions& o = {});
    QDateEdit* date(const QString& caption, const QString& field, const FieldOptions& o = {});
    // Two radio buttons of one field side by side, each storing its value.
    std::pair<QRadioButton*, QRadioButton*> radioPair(const QString& caption, const QString& field,
                                                      const QString& first, const db::Value& firstValue,
                                                      const QString& second, const db::Value& secondValue,
                                                      const FieldOptions& o = {});
    // Any widget the declarations above do not cover, placed and ordered the same way.
    QLabel* place(const QString& caption, QWidget* editor, const FieldOptions& o = {});

    // Starts a new row of the panel.
    void newRow();
    QGridLayout* layout() const { return grid_; }
    QWidget* panel() const { return panel_; }
    // The editors in tab order.
    const std::vector<QWidget*>& editors() const { return editors_; }
    // The label made for an editor; nullptr when it has none.
    QLabel* labelOf(QWidget* editor) const;

private:
    QLabel* add(const QString& caption, QWidget* editor, QWidget* focusFirst, QWidget* focusLast,
                const FieldOptions& o);
    void limit(QLineEdit* edit, const QString& field);

    MaintenanceController* c_;
    QWidget* panel_;
    QGridLayout* grid_;
    int columns_;
    int row_ = 0;
    int column_ = 0;
    std::vector<QWidget*> editors_;
    std::vector<std::pair<QWidget*, QLabel*>> labels_;
    QWidget* lastFocus_ = nullptr;
};

// Where a maintenance window puts its edit panel.
enum class FormPlacement {
    Below,   // tool bar, grid, edit panel under it
    Beside,  // grid on the left; tool bar and edit panel on the right
};

// Lays out a maintenance window: the controller's tool bar, the browse grid
// and the edit panel; registers grid and panel with the controller (a double
// click on the grid edits unless doubleClickEdits is false).
void LayoutMaintenanceWindow(QWidget* window, MaintenanceController* controller, DataGrid* grid, QWidget* panel,
                             FormPlacement placement, bool doubleClickEdits = true);

}  // namespace tj::ui
