// The one grid of the program: a tree view over a data set (tj::db::Query)
// with columns bound to fields, lookup and check-box columns, grouping by a
// (usually hidden) column, footer summaries, multi-row selection, row
// styles, in-place editing, client-side filter and sort. The grid's current
// row follows the data set's current row and the other way round.
#pragma once

#include "platform/db/Lookup.h"
#include "platform/db/Query.h"
#include "platform/db/Value.h"

#include <QColor>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class QKeyEvent;
class QModelIndex;
class QTreeView;

namespace tj::ui {

// The program's one highlight colour for special rows.
inline QColor HighlightColor() { return QColor(250, 201, 177); }

struct GridColumn {
    enum class Kind { Text, Check };

    QString field;
    QString caption;
    int width = 100;
    bool visible = true;
    Kind kind = Kind::Text;
    // printf-style format of numbers ("%.2f", "%d"), or a date-time format
    // ("yyyy-MM-dd hh:mm:ss"); empty shows the value as text.
    QString format;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    // Cells of this column can be edited when the grid allows editing.
    bool editable = true;
    // Lookup: the cell shows lookupDisplay of the row of `lookup` whose
    // lookupKey equals the cell's value (kept current with the list).
    db::Query* lookup = nullptr;
    QString lookupKey = QStringLiteral("id");
    QString lookupDisplay = QStringLiteral("mcheng");
    // Check-box columns: the values stored for ticked and unticked. A cell
    // shows ticked when its value is true (not null, non-zero, "1", "true",
    // or equal to checkedValue).
    db::Value checkedValue = 1;
    db::Value uncheckedValue = 0;
    // Drop-down editor of a text column: the entries offered; pickListOnly
    // refuses free text.
    QStringList pickList;
    bool pickListOnly = false;
};

struct GridSummary {
    enum class Kind { Count, Sum, Min, Max, Average };
    int column = 0;
    Kind kind = Kind::Count;
    // printf-style: "%d" for counts ("共 %d 条"), "%.2f" for sums and the
    // others; "0" shows a whole number as the old grids did.
    QString format = QStringLiteral("%d");
};

class DataGridModel;
class DataGridFooter;

class DataGrid : public QWidget {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    // The data set shown; the grid does not own it. Passing nullptr detaches.
    void setQuery(db::Query* query);
    db::Query* query() const { return query_; }

    // Columns, in display order; returns the new column's index.
    int addColumn(const GridColumn& column);
    // Convenience forms.
    int addColumn(const QString& field, const QString& caption, int width = 100);
    int addLookupColumn(const QString& field, const QString& caption, db::Query& list,
                        const QString& key = QStringLiteral("id"),
                        const QString& display = QStringLiteral("mcheng"), int width = 100);
    int addCheckColumn(const QString& field, const QString& caption, int width = 50);
    void clearColumns();
    int columnCount() const { return int(columns_.size()); }
    const GridColumn& column(int index) const { return columns_.at(std::size_t(index)); }
    int columnIndex(const QString& field) const;
    void setColumnVisible(int column, bool visible);
    void setColumnCaption(int column, const QString& caption);
    // The width as shown (after the user resized it).
    int columnWidth(int column) const;

    // Grouping by a column's value (usually a hidden one): one group row per
    // distinct value, captioned with the column's display text; groups are
    // ordered ascending by value, or by their text when byText is set.
    void setGroupColumn(int column, bool byText = false);
    int groupColumn() const { return groupColumn_; }
    void expandAll();
    void collapseAll();
    // Groups appearing for the first time (after a reload) start expanded.
    void setExpandNewGroups(bool expand) { expandNewGroups_ = expand; }
    int groupCount() const;
    QString groupText(int group) const;
    bool isGroupExpanded(int group) const;

    // Sorting by one column (within the groups); -1 restores the data
    // set's order. With sorting enabled a header click sorts.
    void sortBy(int column, bool ascending = true);
    void setSortingEnabled(bool enabled);

    // Footer summaries, shown in a bar under the grid aligned with their columns.
    void addSummary(const GridSummary& summary);
    void clearSummaries();
    const std::vector<GridSummary>& summaries() const { return summaries_; }
    QString summaryText(int index) const;

    // Several rows selectable (Ctrl/Shift-click).
    void setMultiSelect(bool multi);
    // Data-set rows of the selection, in the order the grid shows them.
    std::vector<int> selectedRows() const;
    void selectRows(const std::vector<int>& rows);

    // Row background: the colour for a data-set row, or nothing.
    using RowStyle = std::function<std::optional<QColor>(int row)>;
    void setRowStyle(RowStyle style);
    // Highlights (HighlightColor) the rows for which the predicate holds.
    void setHighlight(std::function<bool(int row)> predicate);
    std::optional<QColor> rowBackground(int row) const;

    // In-place editing: cells of editable columns are edited in the grid and
    // written to the data set (the row is put into editing). The row is
    // posted when the grid moves to another row; a refused post shows the
    // database's text and abandons the row edit.
    void setEditable(bool editable);
    bool isEditable() const { return editable_; }
    // The focused cell's editor is always open.
    void setAlwaysShowEditor(bool always);
    // Enter commits the cell and moves to the next editable cell.
    void setEnterMovesToNextCell(bool moves);
    // A custom editor for a column (e.g. a drop-down filled per row); the
    // editor must be a QLineEdit or QComboBox or expose a "value" property.
    using EditorFactory = std::function<QWidget*(QWidget* parent, int row)>;
    void setEditorFactory(int column, EditorFactory factory);
    // Writes a value into a cell as the user would (row into editing).
    void setCellValue(int row, int column, const db::Value& value);
    // Posts the row edited in the grid, if any; false when the database
    // refused it (the text has been shown and the edit abandoned).
    bool postEditedRow();
    // The editor of the current cell when one is open.
    QWidget* currentEditor() const;
    // The text in the open cell editor (a text box's or a drop-down's); empty when none is open.
    QString editorText() const;
    // Closes the open cell editor without writing what it holds.
    void discardEditor();
    // Writes what the open cell editor holds into its row, as leaving the
    // cell does (a tool-bar 保存 pressed while the clerk is still typing).
    void commitEditor();
    // Moves the focus to a cell and opens its editor when editing is allowed.
    void focusCell(int row, int column);
    int currentColumn() const;

    // The grid's own delete command: asks the question (Yes preselected) and
    // deletes the selected rows (or the current one) through the data set.
    // Returns how many rows were deleted.
    int deleteSelectedRows(const QString& question = QStringLiteral("是否删除所选记录？"));

    // Client-side filter of the data set ("pyjma like 'zs*'"); empty clears.
    void setFilter(const QString& filter);

    // The data-set row the grid shows as current (-1 when none or a group
    // row is focused).
    int currentRow() const;
    void setCurrentRow(int row);

    // The rows as shown: data-set rows in display order (groups expanded
    // or not), their display texts, and whether a cell is ticked.
    std::vector<int> displayRows() const;
    int rowCount() const;
    QString displayText(int row, int column) const;
    bool isChecked(int row, int column) const;

    QTreeView* view() const { return view_; }

    // Sees key presses of the grid and its cell editors first (a window
    // that handles Enter itself); returning true consumes the key.
    std::function<bool(QKeyEvent*)> keyHook;

signals:
    void rowClicked(int row);
    void rowDoubleClicked(int row);
    void currentRowChanged(int row);
    // A user's tick or untick of a check-box cell (already written to the row).
    void checkToggled(int row, int column, bool checked);
    // A cell was changed by the user.
    void cellEdited(int row, int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    friend class DataGridModel;
    friend class DataGridDelegate;
    friend class DataGridFooter;

    void applyColumnLayout();
    void rebuild();
    void syncCurrentFromQuery();
    void onViewCurrentChanged(const QModelIndex& current, const QModelIndex& previous);
    void onQueryRowChanged(int row);
    void onQueryStateChanged();
    void restoreExpansion();
    void updateEditorForCurrent();
    bool moveToNextCell();
    db::Value lookupValue(const GridColumn& c, const db::Value& v) const;
    void refreshLookups();

    QTreeView* view_ = nullptr;
    DataGridModel* model_ = nullptr;
    DataGridFooter* footer_ = nullptr;
    QPointer<db::Query> query_;
    std::vector<QMetaObject::Connection> queryConnections_;
    std::vector<QMetaObject::Connection> lookupConnections_;
    std::vector<GridColumn> columns_;
    std::vector<GridSummary> summaries_;
    std::map<int, EditorFactory> editorFactories_;
    // Lookup names per column.
    mutable std::map<int, db::Lookup> lookupCache_;
    mutable bool lookupsDirty_ = true;
    int groupColumn_ = -1;
    bool groupByText_ = false;
    bool expandNewGroups_ = false;
    std::map<QString, bool> expanded_;  // group key -> expanded
    int sortColumn_ = -1;
    bool sortAscending_ = true;
    RowStyle rowStyle_;
    bool editable_ = false;
    bool alwaysShowEditor_ = false;
    bool enterMovesToNextCell_ = false;
    bool syncing_ = false;
    bool freshOpen_ = true;  // the next rebuild follows an opening of the data set
    int editedRow_ = -1;  // row put into editing by the grid
    QPointer<QWidget> editor_;  // the open cell editor
};

}  // namespace tj::ui
