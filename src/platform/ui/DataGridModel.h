// The grid's item model: group rows at the top level (when grouped) with the
// data rows below them, or the data rows alone. Used by DataGrid only.
#pragma once

#include "platform/ui/DataGrid.h"
#include "platform/db/TextOrder.h"
#include "platform/ui/DataGridFormat.h"

#include <QAbstractItemModel>
#include <QTreeView>
#include <algorithm>
#include <map>
#include <numeric>

namespace tj::ui {

// The grid orders text as the database's collation does: one comparison for both.
using db::compareText;
using db::compareValues;
using grid::isNumber;

// Internal id of top-level indexes.
inline constexpr quintptr kTop = quintptr(-1);


class DataGridModel : public QAbstractItemModel {
public:
    struct Group {
        QString key;
        db::Value value;
        QString text;
        std::vector<int> rows;
    };

    explicit DataGridModel(DataGrid* grid) : QAbstractItemModel(grid), grid_(grid) {}

    bool grouped() const { return grid_->groupColumn_ >= 0; }

    void rebuild()
    {
        beginResetModel();
        groups_.clear();
        flat_.clear();
        pos_.clear();
        fieldIndex_.clear();
        db::Query* q = grid_->query_;
        const int n = q && q->isOpen() ? q->recordCount() : 0;
        for (const auto& c : grid_->columns_)
            fieldIndex_.push_back(q && q->isOpen() ? q->fieldIndex(c.field) : -1);
        std::vector<int> rows(std::size_t(std::max(n, 0)));
        std::iota(rows.begin(), rows.end(), 0);
        if (grid_->sortColumn_ >= 0 && grid_->sortColumn_ < int(fieldIndex_.size())) {
            const int col = grid_->sortColumn_;
            const bool asc = grid_->sortAscending_;
            // A row being inserted is shown last, where a new row of an
            // ascending identity will stand once it is saved.
            const int inserting = q && q->state() == db::Query::State::Insert ? q->recNo() : -1;
            std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
                if (a == inserting || b == inserting)
                    return b == inserting && a != inserting;
                const int c = compareValues(sortValue(a, col), sortValue(b, col));
                return asc ? c < 0 : c > 0;
            });
        }
        if (grouped()) {
            const int gc = grid_->groupColumn_;
            std::map<QString, std::size_t> byKey;
            for (int r : rows) {
                const db::Value v = rawValue(r, gc);
                const QString key = v.isNull() ? QString() : v.toString();
                auto it = byKey.find(key);
                if (it == byKey.end()) {
                    it = byKey.emplace(key, groups_.size()).first;
                    groups_.push_back({key, v, grid_->displayText(r, gc), {}});
                }
                groups_[it->second].rows.push_back(r);
            }
            const bool byText = grid_->groupByText_;
            std::stable_sort(groups_.begin(), groups_.end(), [&](const Group& a, const Group& b) {
                return (byText ? compareText(a.text, b.text) : compareValues(a.value, b.value)) < 0;
            });
            pos_.assign(rows.size(), {-1, -1});
            for (int g = 0; g < int(groups_.size()); ++g)
                for (int i = 0; i < int(groups_[std::size_t(g)].rows.size()); ++i)
                    pos_[std::size_t(groups_[std::size_t(g)].rows[std::size_t(i)])] = {g, i};
        } else {
            flat_ = rows;
            pos_.assign(rows.size(), {-1, -1});
            for (int i = 0; i < int(flat_.size()); ++i)
                pos_[std::size_t(flat_[std::size_t(i)])] = {-1, i};
        }
        endResetModel();
    }

    int totalRows() const { return int(pos_.size()); }

    db::Value rawValue(int row, int column) const
    {
        db::Query* q = grid_->query_;
        if (!q || column < 0 || column >= int(fieldIndex_.size()))
            return {};
        const int f = fieldIndex_[std::size_t(column)];
        if (f < 0 || row < 0 || row >= q->recordCount())
            return {};
        if (row == q->recNo() && (q->state() == db::Query::State::Edit || q->state() == db::Query::State::Insert))
            return q->currentValue(f);
        return q->value(row, f);
    }

    db::Value sortValue(int row, int column) const
    {
        const auto& c = grid_->columns_[std::size_t(column)];
        if (c.lookup)
            return db::Value(grid_->displayText(row, column));
        return rawValue(row, column);
    }

    // Data-set row of an index; -1 for group rows and invalid indexes.
    int rowOf(const QModelIndex& index) const
    {
        if (!index.isValid())
            return -1;
        if (grouped()) {
            if (index.internalId() == kTop)
                return -1;
            const auto& g = groups_[std::size_t(index.internalId())];
            return g.rows[std::size_t(index.row())];
        }
        return flat_[std::size_t(index.row())];
    }

    // Group number of a group-row index; -1 otherwise.
    int groupOf(const QModelIndex& index) const
    {
        if (!index.isValid() || !grouped() || index.internalId() != kTop)
            return -1;
        return index.row();
    }

    QModelIndex indexOfRow(int row, int column = 0) const
    {
        if (row < 0 || row >= int(pos_.size()))
            return {};
        const auto [g, i] = pos_[std::size_t(row)];
        if (g >= 0)
            return createIndex(i, column, quintptr(g));
        return i >= 0 ? createIndex(i, column, kTop) : QModelIndex();
    }

    QModelIndex groupIndex(int group) const { return createIndex(group, 0, kTop); }

    QModelIndex index(int row, int column, const QModelIndex& parent) const override
    {
        if (row < 0 || column < 0 || column >= columnCount(parent))
            return {};
        if (!parent.isValid()) {
            if (row >= (grouped() ? int(groups_.size()) : int(flat_.size())))
                return {};
            return createIndex(row, column, kTop);
        }
        const int g = groupOf(parent);
        if (g < 0 || row >= int(groups_[std::size_t(g)].rows.size()))
            return {};
        return createIndex(row, column, quintptr(g));
    }

    QModelIndex parent(const QModelIndex& child) const override
    {
        if (!child.isValid() || child.internalId() == kTop)
            return {};
        return createIndex(int(child.internalId()), 0, kTop);
    }

    int rowCount(const QModelIndex& parent) const override
    {
        if (!parent.isValid())
            return grouped() ? int(groups_.size()) : int(flat_.size());
        if (parent.column() != 0)
            return 0;
        const int g = groupOf(parent);
        return g >= 0 ? int(groups_[std::size_t(g)].rows.size()) : 0;
    }

    int columnCount(const QModelIndex&) const override { return int(grid_->columns_.size()); }

    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        if (o == Qt::Horizontal && role == Qt::DisplayRole && section < int(grid_->columns_.size()))
            return grid_->columns_[std::size_t(section)].caption;
        return {};
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        const int g = groupOf(index);
        if (g >= 0) {
            // The caption sits in the column that carries the tree (the first
            // shown one); the delegate lets it run across the row.
            if (index.column() != grid_->view_->treePosition() && grid_->view_->treePosition() >= 0)
                return {};
            if (role == Qt::DisplayRole) {
                const auto& c = grid_->columns_[std::size_t(grid_->groupColumn_)];
                return QStringLiteral("%1 : %2").arg(c.caption, groups_[std::size_t(g)].text);
            }
            if (role == Qt::FontRole) {
                QFont f = grid_->font();
                f.setBold(true);
                return f;
            }
            return {};
        }
        const int row = rowOf(index);
        const auto& c = grid_->columns_[std::size_t(index.column())];
        switch (role) {
        case Qt::DisplayRole:
            return c.kind == GridColumn::Kind::Check ? QVariant() : QVariant(grid_->displayText(row, index.column()));
        case Qt::EditRole:
            return rawValue(row, index.column()).toString();
        case Qt::CheckStateRole:
            if (c.kind == GridColumn::Kind::Check)
                return grid_->isChecked(row, index.column()) ? Qt::Checked : Qt::Unchecked;
            return {};
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(c.alignment);
        case Qt::BackgroundRole:
            if (auto colour = grid_->rowBackground(row))
                return *colour;
            return {};
        default:
            return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        if (!index.isValid())
            return Qt::NoItemFlags;
        if (groupOf(index) >= 0)
            return Qt::ItemIsEnabled;
        Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
        const auto& c = grid_->columns_[std::size_t(index.column())];
        if (grid_->editable_ && c.editable) {
            if (c.kind == GridColumn::Kind::Check)
                f |= Qt::ItemIsUserCheckable;
            else
                f |= Qt::ItemIsEditable;
        }
        return f;
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        const int row = rowOf(index);
        if (row < 0)
            return false;
        const auto& c = grid_->columns_[std::size_t(index.column())];
        if (role == Qt::CheckStateRole && c.kind == GridColumn::Kind::Check) {
            const bool checked = value.toInt() == Qt::Checked;
            grid_->setCellValue(row, index.column(), checked ? c.checkedValue : c.uncheckedValue);
            if (grid_->query_ && grid_->query_->recNo() == row)
                emit grid_->checkToggled(row, index.column(), checked);
            return true;
        }
        if (role != Qt::EditRole)
            return false;
        db::Value v;
        if (value.userType() == qMetaTypeId<qlonglong>() || value.userType() == QMetaType::Int)
            v = db::Value(value.toLongLong());
        else {
            const QString text = value.toString();
            const db::Value old = rawValue(row, index.column());
            bool ok = false;
            if (isNumber(old) && text.trimmed().isEmpty())
                v = db::Value();
            else if (old.type() == db::Value::Type::Integer && (text.trimmed().toLongLong(&ok), ok))
                v = db::Value(text.trimmed().toLongLong());
            else if (old.type() == db::Value::Type::Real && (text.trimmed().toDouble(&ok), ok))
                v = db::Value(text.trimmed().toDouble());
            else
                v = db::Value(text);
        }
        if (rawValue(row, index.column()) == v)
            return true;
        grid_->setCellValue(row, index.column(), v);
        return true;
    }

    void rowUpdated(int row)
    {
        const QModelIndex first = indexOfRow(row, 0);
        if (first.isValid())
            emit dataChanged(first, indexOfRow(row, columnCount({}) - 1));
    }

    // Whether the row's group or sort position no longer matches its values.
    bool rowMisplaced(int row) const
    {
        if (row < 0 || row >= int(pos_.size()))
            return true;
        if (grouped()) {
            const db::Value v = rawValue(row, grid_->groupColumn_);
            const QString key = v.isNull() ? QString() : v.toString();
            if (groups_[std::size_t(pos_[std::size_t(row)].first)].key != key)
                return true;
        }
        if (grid_->sortColumn_ >= 0) {
            const auto [g, i] = pos_[std::size_t(row)];
            const std::vector<int>& list = g >= 0 ? groups_[std::size_t(g)].rows : flat_;
            const int col = grid_->sortColumn_;
            const int sign = grid_->sortAscending_ ? 1 : -1;
            if (i > 0 && sign * compareValues(sortValue(list[std::size_t(i - 1)], col), sortValue(row, col)) > 0)
                return true;
            if (i + 1 < int(list.size())
                && sign * compareValues(sortValue(row, col), sortValue(list[std::size_t(i + 1)], col)) > 0)
                return true;
        }
        return false;
    }

    std::vector<int> displayRows() const
    {
        if (!grouped())
            return flat_;
        std::vector<int> out;
        out.reserve(pos_.size());
        for (const auto& g : groups_)
            out.insert(out.end(), g.rows.begin(), g.rows.end());
        return out;
    }

    std::vector<Group> groups_;
    std::vector<int> flat_;
    std::vector<std::pair<int, int>> pos_;  // data-set row -> (group, position)
    std::vector<int> fieldIndex_;           // grid column -> field of the data set

private:
    DataGrid* grid_;
};

}  // namespace tj::ui
