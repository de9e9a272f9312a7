// The query-window pattern, written once: a filter bar on top (check box and
// box pairs that become writable when checked, a unit list, a date range set
// to the server's date whenever the window is shown), the buttons 查询(&S),
// 打印(&P) and 关闭(&C), and a read-only grid over the result below.
// 查询 runs the window's Search(); an empty result shows "无查询结果！" and
// puts the focus back on the first filter. 打印 prints the grid as shown
// through PrintGridView, titled with the window's title and the subtitle
// "登记日期：%s 至 %s". A window declares its filters and columns and writes
// Search() only:
//
//   class TFPrint_TjryLbiao : public reports::QueryWindow {
//       TFPrint_TjryLbiao(QWidget* p) : QueryWindow(QStringLiteral("体检人员列表"), p) {
//           ChkDwei = addCheckFilter(QStringLiteral("按单位："), CmbDwei = unitList());
//           addDateRange(QStringLiteral("日期："));
//           Grid->addColumn("tjztai", "状态", 60); ...
//       }
//       bool Search() override {
//           if (ChkDwei->isChecked() && !requireUnit()) return false;
//           return openResult(SqlText::format("select ... between '%s' and '%s' ", rangeStart(), rangeEnd()));
//       }
//   };
#pragma once

#include "platform/db/Query.h"
#include "platform/ui/WorkingWindow.h"

#include <QString>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace tj::ui {
class DataGrid;
}

namespace tj::reports {

class QueryWindow : public ui::WorkingWindow {
    Q_OBJECT
public:
    explicit QueryWindow(const QString& caption, QWidget* parent = nullptr);
    ~QueryWindow() override;

    // ---- Filters, left to right in the filter bar.
    // Any control (a label is made for a non-empty caption).
    void addFilter(const QString& caption, QWidget* control);
    // A check box with its box: the box takes input only while the box is
    // checked (a text box turns read-only in the window colour, other
    // controls are disabled); checking moves the focus into it.
    QCheckBox* addCheckFilter(const QString& caption, QWidget* box, bool checked = false);
    // The list of units (names of tjian_dwei, key id), opened when the window
    // is shown; not yet placed: pass it to addFilter or addCheckFilter.
    QComboBox* unitList();
    // The id of the unit chosen in the unit list; 0 when none.
    int unitId() const;
    // The date range: two date pickers in the long date format, both set to
    // the server's date when the window is shown.
    void addDateRange(const QString& caption = QStringLiteral("登记日期："), const QString& to = QStringLiteral("至"));
    // The same behind a check box (the range applies only while it is checked).
    QCheckBox* addCheckedDateRange(const QString& caption, const QString& to = QStringLiteral("至"),
                                   bool checked = true);
    // "yyyy-mm-dd 00:00:00" of the first day and "yyyy-mm-dd 23:59:59" of the last.
    QString rangeStart() const;
    QString rangeEnd() const;
    // Starts a second line of filters.
    void newFilterRow();
    // A button placed before 关闭.
    QPushButton* addButton(const QString& caption);
    // "全选": selects or deselects every row of the grid (multi-select on).
    QCheckBox* addSelectAll(const QString& caption = QStringLiteral("全选"));
    // Switches 全选 off and on: every row selected (after a search).
    void selectAllRows();

    // "请选择团检单位！" when the unit list has no unit chosen; focuses the list.
    bool requireUnit();

    // ---- What a window does.
    // Validates the filters, builds the statement and opens the result
    // (through openResult); false when it refused (its message shown).
    virtual bool Search() = 0;
    virtual QString PrintTitle() const;
    // "登记日期：%s 至 %s" with the two pickers as "yyyy-mm-dd hh:nn:ss".
    virtual QString PrintSubtitle() const;
    // The grid 打印 prints (default: Grid; a window with tabs gives the one in front).
    virtual ui::DataGrid* PrintGrid() const;
    // 打印: the print grid through PrintGridView when its result is open and
    // not empty. A window with a printed layout of its own overrides it.
    virtual void Print();

    // Opens the result on a statement; true when it opened (rows or not).
    bool openResult(const QString& sql);
    // Rebuilds the grid's columns from the result: one column per field,
    // captioned with its name, centred, width 100; footer count on the first
    // column and sums on the others, shown as whole numbers.
    void RebuildColumnsFromResult();

    db::Query Qry;        // the result
    ui::DataGrid* Grid = nullptr;
    QDateEdit* DtpBegin = nullptr;
    QDateEdit* DtpEnd = nullptr;
    QComboBox* CmbDwei = nullptr;  // the unit list once made
    QCheckBox* ChkQxuan = nullptr;  // 全选 once made
    QPushButton* BtnQuery = nullptr;
    QPushButton* BtnPrint = nullptr;
    QPushButton* BtnClose = nullptr;
    // Where the focus goes after "无查询结果！" (default: the first filter).
    QWidget* emptyResultFocus = nullptr;

public slots:
    void BtnQueryClick();
    void BtnPrintClick();

protected:
    void showEvent(QShowEvent* event) override;
    QVBoxLayout* body() const { return body_; }

private:
    QHBoxLayout* row_ = nullptr;
    QHBoxLayout* buttons_ = nullptr;
    QVBoxLayout* filters_ = nullptr;
    QVBoxLayout* body_ = nullptr;
    QWidget* firstFilter_ = nullptr;
    db::Query QryDwei_;
};

}  // namespace tj::reports
