#include "platform/ui/DataGrid.h"

#include "platform/ui/DataGridDelegate.h"
#include "platform/ui/DataGridFooter.h"
#include "platform/ui/DataGridModel.h"
#include "platform/db/ChineseMessage.h"
#include "platform/db/TextOrder.h"
#include "platform/ui/Dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace tj::ui {

using grid::formatCount;
using grid::formatNumber;
using grid::isNumber;

DataGrid::DataGrid(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    view_ = new QTreeView(this);
    model_ = new DataGridModel(this);
    view_->setModel(model_);
    view_->setItemDelegate(new DataGridDelegate(this));
    view_->setRootIsDecorated(false);
    view_->setUniformRowHeights(true);
    view_->setAllColumnsShowFocus(true);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setExpandsOnDoubleClick(true);
    view_->header()->setSectionsMovable(false);
    view_->header()->setStretchLastSection(false);
    view_->header()->setDefaultAlignment(Qt::AlignCenter);
    view_->installEventFilter(this);
    layout->addWidget(view_);
    footer_ = new DataGridFooter(this);
    footer_->hide();
    layout->addWidget(footer_);

    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this, &DataGrid::onViewCurrentChanged);
    connect(view_, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        const int row = model_->rowOf(index);
        if (row >= 0)
            emit rowDoubleClicked(row);
    });
    connect(view_, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        const int row = model_->rowOf(index);
        if (row >= 0)
            emit rowClicked(row);
    });
    connect(view_, &QTreeView::expanded, this, [this](const QModelIndex& index) {
        if (const int g = model_->groupOf(index); g >= 0)
            expanded_[model_->groups_[std::size_t(g)].key] = true;
    });
    connect(view_, &QTreeView::collapsed, this, [this](const QModelIndex& index) {
        if (const int g = model_->groupOf(index); g >= 0)
            expanded_[model_->groups_[std::size_t(g)].key] = false;
    });
    auto repaintFooter = [this] { footer_->update(); };
    connect(view_->header(), &QHeaderView::sectionResized, this, repaintFooter);
    connect(view_->header(), &QHeaderView::sectionMoved, this, repaintFooter);
    connect(view_->horizontalScrollBar(), &QScrollBar::valueChanged, this, repaintFooter);
    connect(view_->header(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (!view_->isSortingEnabled() && !property("tjSorting").toBool())
            return;
        const bool asc = sortColumn_ == section ? !sortAscending_ : true;
        sortBy(section, asc);
    });
}

DataGrid::~DataGrid()
{
    for (auto& c : queryConnections_)
        disconnect(c);
    for (auto& c : lookupConnections_)
        disconnect(c);
    // The view and the footer read the columns while they go; they go first.
    delete view_;
    view_ = nullptr;
    delete footer_;
    footer_ = nullptr;
}

void DataGrid::setQuery(db::Query* query)
{
    for (auto& c : queryConnections_)
        disconnect(c);
    queryConnections_.clear();
    query_ = query;
    editedRow_ = -1;
    freshOpen_ = true;
    if (query) {
        queryConnections_.push_back(connect(query, &db::Query::dataChanged, this, [this] { rebuild(); }));
        queryConnections_.push_back(connect(query, &db::Query::rowChanged, this, &DataGrid::onQueryRowChanged));
        queryConnections_.push_back(
            connect(query, &db::Query::currentChanged, this, [this](int) { syncCurrentFromQuery(); }));
        queryConnections_.push_back(
            connect(query, &db::Query::stateChanged, this, [this](db::Query::State) { onQueryStateChanged(); }));
        queryConnections_.push_back(connect(query, &QObject::destroyed, this, [this] {
            query_ = nullptr;
            rebuild();
        }));
    }
    rebuild();
}

int DataGrid::addColumn(const GridColumn& column)
{
    columns_.push_back(column);
    const int index = int(columns_.size()) - 1;
    if (column.lookup) {
        lookupConnections_.push_back(connect(column.lookup, &db::Query::dataChanged, this, [this] {
            lookupsDirty_ = true;
            view_->viewport()->update();
            footer_->update();
        }));
        lookupConnections_.push_back(connect(column.lookup, &db::Query::rowChanged, this, [this] {
            lookupsDirty_ = true;
            view_->viewport()->update();
        }));
    }
    lookupsDirty_ = true;
    rebuild();
    applyColumnLayout();
    return index;
}

int DataGrid::addColumn(const QString& field, const QString& caption, int width)
{
    GridColumn c;
    c.field = field;
    c.caption = caption;
    c.width = width;
    return addColumn(c);
}

int DataGrid::addLookupColumn(const QString& field, const QString& caption, db::Query& list, const QString& key,
                              const QString& display, int width)
{
    GridColumn c;
    c.field = field;
    c.caption = caption;
    c.width = width;
    c.lookup = &list;
    c.lookupKey = key;
    c.lookupDisplay = display;
    return addColumn(c);
}

int DataGrid::addCheckColumn(const QString& field, const QString& caption, int width)
{
    GridColumn c;
    c.field = field;
    c.caption = caption;
    c.width = width;
    c.kind = GridColumn::Kind::Check;
    c.alignment = Qt::AlignCenter;
    return addColumn(c);
}

void DataGrid::clearColumns()
{
    for (auto& c : lookupConnections_)
        disconnect(c);
    lookupConnections_.clear();
    columns_.clear();
    summaries_.clear();
    editorFactories_.clear();
    groupColumn_ = -1;
    sortColumn_ = -1;
    lookupCache_.clear();
    footer_->hide();
    rebuild();
}

int DataGrid::columnIndex(const QString& field) const
{
    for (int i = 0; i < int(columns_.size()); ++i)
        if (columns_[std::size_t(i)].field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void DataGrid::setColumnVisible(int column, bool visible)
{
    columns_.at(std::size_t(column)).visible = visible;
    applyColumnLayout();
}

void DataGrid::setColumnCaption(int column, const QString& caption)
{
    columns_.at(std::size_t(column)).caption = caption;
    emit model_->headerDataChanged(Qt::Horizontal, column, column);
}

int DataGrid::columnWidth(int column) const
{
    return view_->header()->sectionSize(column);
}

void DataGrid::applyColumnLayout()
{
    QHeaderView* header = view_->header();
    for (int i = 0; i < int(columns_.size()) && i < header->count(); ++i) {
        const auto& c = columns_[std::size_t(i)];
        header->resizeSection(i, c.width);
        header->setSectionHidden(i, !c.visible);
    }
    // The tree (group rows' expand boxes) lives in the first shown column.
    for (int v = 0; v < header->count(); ++v) {
        const int logical = header->logicalIndex(v);
        if (!header->isSectionHidden(logical)) {
            view_->setTreePosition(logical);
            break;
        }
    }
    footer_->update();
}

void DataGrid::setGroupColumn(int column, bool byText)
{
    groupColumn_ = column;
    groupByText_ = byText;
    view_->setRootIsDecorated(column >= 0);
    rebuild();
}

void DataGrid::expandAll()
{
    for (auto& g : model_->groups_)
        expanded_[g.key] = true;
    view_->expandAll();
}

void DataGrid::collapseAll()
{
    for (auto& g : model_->groups_)
        expanded_[g.key] = false;
    view_->collapseAll();
}

int DataGrid::groupCount() const
{
    return model_->grouped() ? int(model_->groups_.size()) : 0;
}

QString DataGrid::groupText(int group) const
{
    return model_->groups_.at(std::size_t(group)).text;
}

bool DataGrid::isGroupExpanded(int group) const
{
    return view_->isExpanded(model_->groupIndex(group));
}

void DataGrid::sortBy(int column, bool ascending)
{
    sortColumn_ = column;
    sortAscending_ = ascending;
    if (column >= 0)
        view_->header()->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    view_->header()->setSortIndicatorShown(column >= 0);
    rebuild();
}

void DataGrid::setSortingEnabled(bool enabled)
{
    // The view's own sorting would call the model's sort; the grid sorts itself.
    setProperty("tjSorting", enabled);
    view_->header()->setSectionsClickable(enabled);
}

void DataGrid::addSummary(const GridSummary& summary)
{
    summaries_.push_back(summary);
    footer_->show();
    footer_->update();
}

void DataGrid::clearSummaries()
{
    summaries_.clear();
    footer_->hide();
}

QString DataGrid::summaryText(int index) const
{
    const GridSummary& s = summaries_.at(std::size_t(index));
    const int n = model_->totalRows();
    if (s.kind == GridSummary::Kind::Count)
        return formatCount(s.format, n);
    db::Currency sum;
    std::optional<db::Value> best;
    int counted = 0;
    for (int r = 0; r < n; ++r) {
        const db::Value v = model_->rawValue(r, s.column);
        if (v.isNull())
            continue;
        ++counted;
        sum += v.toCurrency();
        if (!best || (s.kind == GridSummary::Kind::Min && db::compareValues(v, *best) < 0)
            || (s.kind == GridSummary::Kind::Max && db::compareValues(v, *best) > 0))
            best = v;
    }
    db::Value result;
    switch (s.kind) {
    case GridSummary::Kind::Sum: result = db::Value(sum); break;
    case GridSummary::Kind::Average:
        result = counted ? db::Value(db::Currency::fromDouble(sum.toDouble() / counted)) : db::Value(0);
        break;
    default: result = best.value_or(db::Value()); break;
    }
    if (s.format.isEmpty())
        return result.toString();
    if (s.format.contains(QLatin1String("%d")))
        return formatCount(s.format, result.toInteger());
    return formatNumber(s.format, result);
}

void DataGrid::setMultiSelect(bool multi)
{
    view_->setSelectionMode(multi ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

std::vector<int> DataGrid::selectedRows() const
{
    std::vector<std::pair<int, int>> found;  // (display position, row)
    const std::vector<int> order = model_->displayRows();
    std::vector<int> position(order.size());
    for (int i = 0; i < int(order.size()); ++i)
        position[std::size_t(order[std::size_t(i)])] = i;
    for (const QModelIndex& index : view_->selectionModel()->selectedRows(0)) {
        const int row = model_->rowOf(index);
        if (row >= 0)
            found.emplace_back(position[std::size_t(row)], row);
    }
    std::sort(found.begin(), found.end());
    std::vector<int> rows;
    for (auto& f : found)
        rows.push_back(f.second);
    return rows;
}

void DataGrid::selectRows(const std::vector<int>& rows)
{
    QItemSelection selection;
    for (int row : rows) {
        const QModelIndex index = model_->indexOfRow(row, 0);
        if (index.isValid())
            selection.select(index, model_->indexOfRow(row, columnCount() - 1));
    }
    view_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void DataGrid::setRowStyle(RowStyle style)
{
    rowStyle_ = std::move(style);
    view_->viewport()->update();
}

void DataGrid::setHighlight(std::function<bool(int row)> predicate)
{
    if (!predicate) {
        setRowStyle({});
        return;
    }
    setRowStyle([p = std::move(predicate)](int row) -> std::optional<QColor> {
        if (p(row))
            return HighlightColor();
        return std::nullopt;
    });
}

std::optional<QColor> DataGrid::rowBackground(int row) const
{
    if (!rowStyle_ || row < 0)
        return std::nullopt;
    return rowStyle_(row);
}

void DataGrid::setEditable(bool editable)
{
    editable_ = editable;
    updateEditorForCurrent();
    view_->viewport()->update();
}

void DataGrid::setAlwaysShowEditor(bool always)
{
    alwaysShowEditor_ = always;
    updateEditorForCurrent();
}

void DataGrid::setEnterMovesToNextCell(bool moves)
{
    enterMovesToNextCell_ = moves;
}

void DataGrid::updateEditorForCurrent()
{
    QAbstractItemView::EditTriggers triggers = QAbstractItemView::NoEditTriggers;
    if (editable_) {
        triggers = QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed
                   | QAbstractItemView::AnyKeyPressed;
        if (alwaysShowEditor_)
            triggers |= QAbstractItemView::CurrentChanged;
    }
    view_->setEditTriggers(triggers);
    if (editable_ && alwaysShowEditor_) {
        const QModelIndex current = view_->currentIndex();
        if (current.isValid() && (current.flags() & Qt::ItemIsEditable) && view_->isVisible())
            view_->edit(current);
    }
}

void DataGrid::setEditorFactory(int column, EditorFactory factory)
{
    editorFactories_[column] = std::move(factory);
}

void DataGrid::setCellValue(int row, int column, const db::Value& value)
{
    if (!query_ || !query_->isOpen() || column < 0 || column >= columnCount())
        return;
    using S = db::Query::State;
    if (query_->recNo() != row) {
        if (query_->state() != S::Browse && !postEditedRow())
            return;
        query_->setRecNo(row);
    }
    if (query_->state() == S::Browse) {
        query_->edit();
        editedRow_ = row;
    } else if (editedRow_ < 0) {
        editedRow_ = row;
    }
    query_->setField(columns_[std::size_t(column)].field, value);
    model_->rowUpdated(row);
    footer_->update();
    emit cellEdited(row, column);
}

bool DataGrid::postEditedRow()
{
    if (!query_)
        return true;
    using S = db::Query::State;
    if (query_->state() != S::Edit && query_->state() != S::Insert)
        return true;
    try {
        query_->post();
        editedRow_ = -1;
        return true;
    } catch (const db::SqlError& e) {
        Dialogs::instance().message(db::ChineseMessage(e));
        query_->cancel();
        editedRow_ = -1;
        return false;
    }
}

QWidget* DataGrid::currentEditor() const
{
    return editor_;
}

QString DataGrid::editorText() const
{
    if (auto* line = qobject_cast<QLineEdit*>(editor_.data()))
        return line->text();
    if (auto* combo = qobject_cast<QComboBox*>(editor_.data()))
        return combo->currentText();
    if (editor_)
        return editor_->property("value").toString();
    return QString();
}

void DataGrid::discardEditor()
{
    if (editor_)
        emit view_->itemDelegate()->closeEditor(editor_, QAbstractItemDelegate::NoHint);
}

void DataGrid::commitEditor()
{
    if (editor_)
        emit view_->itemDelegate()->commitData(editor_);
}

void DataGrid::focusCell(int row, int column)
{
    const QModelIndex index = model_->indexOfRow(row, column);
    if (!index.isValid())
        return;
    view_->setCurrentIndex(index);
    view_->setFocus();
    if (editable_ && (index.flags() & Qt::ItemIsEditable))
        view_->edit(index);
}

int DataGrid::currentColumn() const
{
    return view_->currentIndex().isValid() ? view_->currentIndex().column() : -1;
}

bool DataGrid::moveToNextCell()
{
    const QModelIndex current = view_->currentIndex();
    const int row = model_->rowOf(current);
    if (row < 0)
        return false;
    auto editableColumn = [this](int from) {
        for (int c = from; c < columnCount(); ++c) {
            const auto& col = columns_[std::size_t(c)];
            if (col.visible && col.editable && col.kind == GridColumn::Kind::Text)
                return c;
        }
        return -1;
    };
    if (const int c = editableColumn(current.column() + 1); c >= 0) {
        focusCell(row, c);
        return true;
    }
    const std::vector<int> order = model_->displayRows();
    auto it = std::find(order.begin(), order.end(), row);
    if (it == order.end() || ++it == order.end())
        return false;
    const int c = editableColumn(0);
    focusCell(*it, c >= 0 ? c : current.column());
    return true;
}

int DataGrid::deleteSelectedRows(const QString& question)
{
    if (!query_ || !query_->isOpen() || query_->isEmpty() || query_->state() != db::Query::State::Browse)
        return 0;
    std::vector<int> rows = selectedRows();
    if (rows.empty() && currentRow() >= 0)
        rows.push_back(currentRow());
    if (rows.empty() || !Dialogs::instance().question(question, Caption::Confirm, Icon::Question, true))
        return 0;
    // From the last row up, so the row numbers still to delete stay valid.
    std::sort(rows.rbegin(), rows.rend());
    int deleted = 0;
    for (int row : rows) {
        query_->setRecNo(row);
        query_->deleteCurrent();
        ++deleted;
    }
    return deleted;
}

void DataGrid::setFilter(const QString& filter)
{
    if (query_)
        query_->setFilter(filter);
}

int DataGrid::currentRow() const
{
    return model_->rowOf(view_->currentIndex());
}

void DataGrid::setCurrentRow(int row)
{
    if (query_ && query_->state() == db::Query::State::Browse && query_->recNo() != row)
        query_->setRecNo(row);
    const QModelIndex index = model_->indexOfRow(row, std::max(0, currentColumn()));
    if (index.isValid()) {
        syncing_ = true;
        view_->setCurrentIndex(index);
        syncing_ = false;
    }
}

std::vector<int> DataGrid::displayRows() const
{
    return model_->displayRows();
}

int DataGrid::rowCount() const
{
    return model_->totalRows();
}

void DataGrid::refreshLookups()
{
    lookupCache_.clear();
    for (int i = 0; i < int(columns_.size()); ++i) {
        const auto& c = columns_[std::size_t(i)];
        if (c.lookup)
            lookupCache_[i] = db::Lookup(*c.lookup, c.lookupKey, c.lookupDisplay);
    }
    lookupsDirty_ = false;
}

QString DataGrid::displayText(int row, int column) const
{
    if (column < 0 || column >= columnCount())
        return {};
    const auto& c = columns_[std::size_t(column)];
    const db::Value v = model_->rawValue(row, column);
    if (c.kind == GridColumn::Kind::Check)
        return isChecked(row, column) ? QStringLiteral("√") : QString();
    if (v.isNull())
        return {};
    if (c.lookup) {
        if (lookupsDirty_)
            const_cast<DataGrid*>(this)->refreshLookups();
        return lookupCache_[column].name(v);
    }
    if (!c.format.isEmpty()) {
        if (c.format.contains(QLatin1Char('y')) || c.format.contains(QLatin1Char('h'))) {
            const QDateTime dt = v.toDateTime();
            return dt.isValid() ? dt.toString(c.format) : v.toString();
        }
        bool ok = isNumber(v);
        if (!ok)
            v.toString().trimmed().toDouble(&ok);
        return ok ? formatNumber(c.format, v) : v.toString();
    }
    return v.toString();
}

bool DataGrid::isChecked(int row, int column) const
{
    const auto& c = columns_.at(std::size_t(column));
    const db::Value v = model_->rawValue(row, column);
    if (v.isNull())
        return false;
    if (v == c.checkedValue)
        return true;
    if (v == c.uncheckedValue)
        return false;
    return v.toBool();
}

void DataGrid::rebuild()
{
    const int current = query_ && query_->isOpen() ? query_->recNo() : -1;
    syncing_ = true;
    model_->rebuild();
    applyColumnLayout();
    restoreExpansion();
    syncing_ = false;
    // A data set just opened starts on the first row the grid shows (its
    // statement order may differ from the grid's sort or grouping).
    if (freshOpen_ && query_ && query_->isOpen()) {
        freshOpen_ = false;
        const std::vector<int> shown = displayRows();
        if (!shown.empty() && query_->state() == db::Query::State::Browse && shown.front() != current) {
            query_->setRecNo(shown.front());
            return;
        }
    }
    if (current >= 0)
        syncCurrentFromQuery();
    footer_->update();
}

void DataGrid::restoreExpansion()
{
    if (!model_->grouped())
        return;
    for (int g = 0; g < int(model_->groups_.size()); ++g) {
        const QString& key = model_->groups_[std::size_t(g)].key;
        auto it = expanded_.find(key);
        const bool open = it != expanded_.end() ? it->second : expandNewGroups_;
        if (it == expanded_.end())
            expanded_[key] = open;
        view_->setExpanded(model_->groupIndex(g), open);
    }
}

void DataGrid::syncCurrentFromQuery()
{
    if (!query_ || !query_->isOpen())
        return;
    const int row = query_->recNo();
    if (row < 0 || row >= model_->totalRows()) {
        if (row >= model_->totalRows() && row < query_->recordCount())
            rebuild();
        return;
    }
    const int col = std::max(0, currentColumn());
    const QModelIndex index = model_->indexOfRow(row, col);
    if (!index.isValid() || index == view_->currentIndex())
        return;
    syncing_ = true;
    view_->selectionModel()->setCurrentIndex(
        index, view_->selectionMode() == QAbstractItemView::SingleSelection
                   ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
                   : QItemSelectionModel::NoUpdate);
    if (view_->selectionMode() != QAbstractItemView::SingleSelection && view_->selectionModel()->selectedRows().isEmpty())
        view_->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    // scrollTo would open a collapsed group; groups stay as the user left them.
    if (!model_->grouped() || view_->isExpanded(index.parent()))
        view_->scrollTo(index);
    syncing_ = false;
    emit currentRowChanged(row);
}

void DataGrid::onViewCurrentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    if (syncing_ || !query_ || !query_->isOpen())
        return;
    const int row = model_->rowOf(current);
    const int before = model_->rowOf(previous);
    if (row < 0 || row == before)
        return;
    using S = db::Query::State;
    if (query_->state() != S::Browse) {
        // A row edited in the grid is written when the grid leaves it.
        if (editedRow_ < 0)
            return;
        if (!postEditedRow()) {
            model_->rowUpdated(before);
            return;
        }
    }
    if (query_->recNo() != row)
        query_->setRecNo(row);
    emit currentRowChanged(row);
}

void DataGrid::onQueryRowChanged(int row)
{
    if (model_->totalRows() != (query_ && query_->isOpen() ? query_->recordCount() : 0) || model_->rowMisplaced(row)) {
        rebuild();
        return;
    }
    model_->rowUpdated(row);
    footer_->update();
}

void DataGrid::onQueryStateChanged()
{
    if (!query_ || !query_->isOpen())
        freshOpen_ = true;
    const int n = query_ && query_->isOpen() ? query_->recordCount() : 0;
    if (query_ && query_->state() == db::Query::State::Browse)
        editedRow_ = -1;
    // A row being inserted moves to the end of a sorted grid.
    if (n != model_->totalRows() || (query_ && query_->state() == db::Query::State::Insert && sortColumn_ >= 0)) {
        rebuild();
        return;
    }
    if (query_ && query_->recNo() >= 0)
        model_->rowUpdated(query_->recNo());
    footer_->update();
}

bool DataGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (keyHook && keyHook(key))
            return true;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && editable_ && enterMovesToNextCell_) {
            moveToNextCell();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DataGrid::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    applyColumnLayout();
    updateEditorForCurrent();
}

}  // namespace tj::ui
