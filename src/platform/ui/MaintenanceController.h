// The maintenance-window pattern, written once: a browse grid over one data
// set, an edit panel bound to its current row, a tool bar that follows the
// data set between browse and editing, mandatory-field checks in order,
// delete guards in order on the shared scratch query, pinyin initials filled
// when their box is entered, refused posts shown and kept in editing.
//
// A window creates its controls, hands them to the controller with the
// fields they edit, and describes its checks and guards:
//
//   auto* c = new MaintenanceController(this, qryKshi, TDM::instance().QryCx());
//   layout->addWidget(c->createToolBar(this));
//   c->setGrid(grid);
//   c->addEditPanel(panel);
//   c->bindText(edtName, "mcheng");
//   c->bindPinyin(edtPyjma, "pyjma", edtName, code);
//   c->addRequired(edtName, "科室名称不能为空！", lblName);
//   c->addDeleteGuard("select * from tjian_dwei where ksid=%d ", "id", "此科室已经在团体单位中使用，不能删除！");
//   c->setDeleteQuestion("是否确定删除此科室？");
#pragma once

#include "platform/db/Lookup.h"
#include "platform/db/Query.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QToolBar;
class QWidget;

namespace tj::ui {

class DataGrid;

class MaintenanceController : public QObject {
    Q_OBJECT
public:
    // set: the data set the window maintains; guards: the shared scratch
    // query the delete guards run on. Installs Enter-moves-focus on the window.
    MaintenanceController(QWidget* window, db::Query& set, db::Query& guards);
    ~MaintenanceController() override;

    db::Query& set() const { return set_; }

    // Tool bar 添加(&A) 修改(&E) 保存(&S) 取消(&N) 删除(&D) | 关闭(&C), pictures
    // above the captions. Extra buttons can be inserted before actionClose().
    QToolBar* createToolBar(QWidget* parent);
    QToolBar* toolBar() const { return bar_; }
    // The separator after 删除.
    QAction* separatorAfterDelete() const { return separator_; }
    // A further tool-bar button before `before` (a separator too when
    // `separatorAfter`); its "&" caption answers Alt+letter.
    //   c->insertAction(c->actionClose(), "类别(&L)", QStyle::SP_FileDialogListView, true);
    QAction* insertAction(QAction* before, const QString& caption, int standardIcon, bool separatorAfter = false);
    QAction* actionAdd() const { return add_; }
    QAction* actionEdit() const { return edit_; }
    QAction* actionSave() const { return save_; }
    QAction* actionCancel() const { return cancel_; }
    QAction* actionDelete() const { return delete_; }
    QAction* actionClose() const { return close_; }

    // The browse grid: disabled while editing; a double click edits.
    void setGrid(DataGrid* grid, bool doubleClickEdits = true);
    // Controls enabled only while editing (the edit panel) or only while
    // browsing (further grids and buttons).
    void addEditPanel(QWidget* panel);
    void addBrowseOnly(QWidget* widget);
    // The control that gets the focus when an edit starts.
    void setFirstEditor(QWidget* editor) { firstEditor_ = editor; }

    // Editors bound to fields of the current row. Values typed are written
    // to the row as they change; the editors show the current row.
    void bindText(QLineEdit* edit, const QString& field);
    void bindMemo(QPlainTextEdit* edit, const QString& field);
    // A drop-down of the names of a list storing the key (no free text).
    void bindLookup(QComboBox* combo, const QString& field, db::Query& list,
                    const QString& key = QStringLiteral("id"), const QString& display = QStringLiteral("mcheng"));
    // A drop-down of fixed texts storing the chosen text.
    void bindPickList(QComboBox* combo, const QString& field, const QStringList& items);
    // A drop-down offering texts where any text may be typed; the text is stored.
    void bindFreeList(QComboBox* combo, const QString& field, const QStringList& items);
    // The same offering a column of a list (kept current with it).
    void bindFreeList(QComboBox* combo, const QString& field, db::Query& list, const QString& display);
    // A date editor; an empty field shows blank and a cleared editor stores NULL.
    void bindDate(QDateEdit* edit, const QString& field);
    void bindCheck(QCheckBox* box, const QString& field, const db::Value& checked, const db::Value& unchecked);
    // One of several radio buttons of a field, storing value when chosen.
    void bindRadio(QRadioButton* button, const QString& field, const db::Value& value);
    // Pinyin initials: each time the box is entered while editing, the field
    // is overwritten with code(text of the name box).
    using PinyinFunction = std::function<QString(const QString&)>;
    void bindPinyin(QLineEdit* edit, const QString& field, QLineEdit* nameBox, PinyinFunction code);

    // Mandatory fields, checked in the order added: an empty editor shows
    // the message (warning) and takes the focus. The label turns red.
    void addRequired(QWidget* editor, const QString& message, QLabel* label = nullptr);
    static void markRequired(QLabel* label);
    // Radio buttons of one field: a mandatory check on the first looks at all of them.
    void setRadioGroup(QWidget* first, std::vector<QWidget*> buttons);

    // The declared column of the update table (type, width), read once.
    std::optional<db::ColumnInfo> columnInfo(const QString& field);

    // Delete guards, run in the order added on the guard query with the
    // current row's field (as %d, or as text where the format has '%s');
    // the first that finds a row shows its message and stops the delete.
    void addDeleteGuard(const QString& sqlFormat, const QString& field, const QString& message);
    // The question before a delete (No preselected unless defaultYes). Without
    // one nothing is asked: a deleteRow that asks itself (a grid's own
    // delete command) asks instead.
    void setDeleteQuestion(const QString& question, bool defaultYes = false)
    {
        deleteQuestion_ = question;
        deleteDefaultYes_ = defaultYes;
    }

    // Hooks for what a window adds to the pattern.
    std::function<bool()> beforeAdd;                           // before 添加 appends; false stops it
    std::function<void()> afterAdd;                            // after the append, before the focus moves
    std::function<bool()> beforeEdit;                          // before 修改 edits the row; false stops it
    std::function<bool()> extraChecks;                         // after the mandatory fields; false stops the save
    // Statements written in one transaction with the post (detail rows of
    // the row; the new identity is in the set's fields): a failure of
    // either rolls back both and keeps the row in editing.
    std::function<void()> alongWithPost;
    std::function<void()> afterSave;                           // after a successful post
    std::function<QString(const QString&)> postErrorText;      // text shown for a refused post
    std::function<void()> deleteRow;                           // replaces the data set's delete
    std::function<void()> afterDelete;
    std::function<void(bool editing)> stateHook;               // after the controls followed the state
    std::function<void()> closeWindow;                         // 关闭; default closes the window

    bool isEditing() const;
    // Shows the current row in the editors (called on every row change).
    void loadEditors();

public slots:
    // The tool-bar actions.
    void BBtnAddClick();
    void BBtnEditClick();
    bool BBtnSaveClick();
    void BBtnCancelClick();
    void BBtnDelClick();
    void BBtnCloseClick();
    // Browse/editing state of the controls from the data set's state.
    void applyState();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding {
        enum class Kind { Text, Memo, Lookup, PickList, FreeList, Check, Radio, Date };
        Binding(Kind k, QWidget* w, const QString& f) : kind(k), widget(w), field(f) {}
        Kind kind;
        QPointer<QWidget> widget;
        QString field;
        db::Query* list = nullptr;
        QString key, display;
        db::Lookup names;             // lookup: keys and names of the combo entries
        db::Value on, off;            // check box / radio values
    };
    struct Required {
        QPointer<QWidget> editor;
        QString message;
    };
    struct Guard {
        QString sql;
        QString field;
        QString message;
    };
    struct Pinyin {
        QPointer<QLineEdit> edit;
        QString field;
        QPointer<QLineEdit> name;
        PinyinFunction code;
    };

    void write(const QString& field, const QString& text);
    void writeValue(const QString& field, const db::Value& value);
    db::Value convert(const QString& field, const QString& text);
    db::Value current(const QString& field) const;
    void fillLookup(Binding& b);
    void readColumns();
    bool isEmptyEditor(QWidget* editor) const;
    // The first bound text whose GBK length exceeds its column: shows the message and focuses it.
    bool checkLengths();

    QWidget* window_;
    db::Query& set_;
    db::Query& guards_;
    QAction* add_ = nullptr;
    QAction* edit_ = nullptr;
    QAction* save_ = nullptr;
    QAction* cancel_ = nullptr;
    QAction* delete_ = nullptr;
    QAction* close_ = nullptr;
    QToolBar* bar_ = nullptr;
    QAction* separator_ = nullptr;
    QPointer<DataGrid> grid_;
    std::vector<QPointer<QWidget>> editPanels_;
    std::vector<QPointer<QWidget>> browseOnly_;
    QPointer<QWidget> firstEditor_;
    std::vector<Binding> bindings_;
    std::vector<Required> required_;
    std::vector<Guard> guardList_;
    std::vector<Pinyin> pinyin_;
    QString deleteQuestion_;
    bool deleteDefaultYes_ = false;
    bool loading_ = false;
    // Declared columns of the update table by lower-case name.
    std::map<QString, db::ColumnInfo> columns_;
    bool columnsRead_ = false;
    std::map<QWidget*, std::vector<QPointer<QWidget>>> radioGroups_;
};

}  // namespace tj::ui
