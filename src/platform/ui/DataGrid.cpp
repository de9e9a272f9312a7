#include "platform/ui/DataGrid.h"

#include "platform/db/GbkText.h"
#include "platform/ui/Dialogs.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

namespace tj::ui {

namespace {

constexpr quintptr kTop = quintptr(-1);

bool isNumber(const db::Value& v)
{
    return v.type() == db::Value::Type::Integer || v.type() == db::Value::Type::Real;
}

// Text order of the server's Chinese collation: GBK codes, letters without case.
int compareText(const QString& a, const QString& b)
{
    const QByteArray ua = a.toUtf8(), ub = b.toUtf8();
    auto pa = reinterpret_cast<const unsigned char*>(ua.constData());
    auto pb = reinterpret_cast<const unsigned char*>(ub.constData());
    const auto ea = pa + ua.size(), eb = pb + ub.size();
    while (pa < ea && pb < eb) {
        char32_t ca = db::gbk::next(pa, ea), cb = db::gbk::next(pb, eb);
        if (ca < 0x80) ca = char32_t(std::tolower(int(ca)));
        if (cb < 0x80) cb = char32_t(std::tolower(int(cb)));
        if (ca == cb)
            continue;
        const quint16 ga = db::gbk::code(ca), gb = db::gbk::code(cb);
        if (ga && gb && ga != gb)
            return ga < gb ? -1 : 1;
        return ca < cb ? -1 : 1;
    }
    // Trailing blanks do not count.
    auto restBlank = [](const unsigned char* p, const unsigned char* e) {
        for (; p < e; ++p)
            if (*p != ' ')
                return false;
        return true;
    };
    const bool aRest = restBlank(pa, ea), bRest = restBlank(pb, eb);
    if (aRest && bRest)
        return 0;
    return aRest ? -1 : 1;
}

int compareValues(const db::Value& a, const db::Value& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull() ? 0 : (a.isNull() ? -1 : 1);
    if (isNumber(a) && isNumber(b)) {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    return compareText(a.toString(), b.toString());
}

QString formatNumber(const QString& format, const db::Value& v)
{
    if (format == QLatin1String("0"))
        return QString::number(qint64(v.toCurrency().rounded(0).toDouble()));
    if (format.contains(QLatin1String("%d"))) {
        QString f = format;
        f.replace(QLatin1String("%d"), QLatin1String("%lld"));
        return QString::asprintf(f.toUtf8().constData(), static_cast<long long>(v.toInteger()));
    }
    // "%.Nf" rounds half away from zero as money does.
    static const QRegularExpression fixed(QStringLiteral("^(.*)%\\.([0-4])f(.*)$"));
    const auto m = fixed.match(format);
    if (m.hasMatch())
        return m.captured(1) + v.toCurrency().toString(m.captured(2).toInt()) + m.captured(3);
    return QString::asprintf(format.toUtf8().constData(), v.toDouble());
}

// printf with one integer; the format's %d is taken as a 64-bit value.
QString formatCount(const QString& format, qint64 n)
{
    if (format.isEmpty() || format == QLatin1String("0"))
        return QString::number(n);
    QString f = format;
    f.replace(QLatin1String("%d"), QLatin1String("%lld"));
    return QString::asprintf(f.toUtf8().constData(), static_cast<long long>(n));
}

}  // namespace

// ---------------------------------------------------------------------------
// The model: group rows at the top level (when grouped) with the data rows
// below them, or the data rows alone.

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
            std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
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

// ---------------------------------------------------------------------------
// Cell editors: text boxes, drop-down lists (pick lists and lookups) and
// custom editors of the window.

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

// ---------------------------------------------------------------------------
// Footer bar: the summaries under their columns.

class DataGridFooter : public QWidget {
public:
    explicit DataGridFooter(DataGrid* grid) : QWidget(grid), grid_(grid)
    {
        setFixedHeight(fontMetrics().height() + 8);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().window());
        p.setPen(palette().mid().color());
        p.drawLine(0, 0, width(), 0);
        p.setPen(palette().windowText().color());
        QHeaderView* header = grid_->view_->header();
        const int offset = grid_->view_->viewport()->x() + grid_->view_->frameWidth() - 1;
        // Several summaries on one column are shown one after the other.
        std::map<int, QString> texts;
        for (int i = 0; i < int(grid_->summaries_.size()); ++i) {
            const int col = grid_->summaries_[std::size_t(i)].column;
            QString& t = texts[col];
            if (!t.isEmpty())
                t += QLatin1String("  ");
            t += grid_->summaryText(i);
        }
        for (const auto& [col, text] : texts) {
            if (col < 0 || col >= header->count() || header->isSectionHidden(col))
                continue;
            const QRect r(offset + header->sectionViewportPosition(col) + 4, 0, header->sectionSize(col) - 8, height());
            const auto& c = grid_->columns_[std::size_t(col)];
            p.drawText(r, int(c.alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter,
                       fontMetrics().elidedText(text, Qt::ElideRight, r.width()));
        }
    }

private:
    DataGrid* grid_;
};

// ---------------------------------------------------------------------------

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
        if (!best || (s.kind == GridSummary::Kind::Min && compareValues(v, *best) < 0)
            || (s.kind == GridSummary::Kind::Max && compareValues(v, *best) > 0))
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
        Dialogs::instance().message(e.message());
        query_->cancel();
        editedRow_ = -1;
        return false;
    }
}

QWidget* DataGrid::currentEditor() const
{
    return editor_;
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
        if (!c.lookup || !c.lookup->isOpen())
            continue;
        auto& cache = lookupCache_[i];
        const int k = c.lookup->fieldIndex(c.lookupKey), d = c.lookup->fieldIndex(c.lookupDisplay);
        if (k < 0 || d < 0)
            continue;
        for (int r = 0; r < c.lookup->recordCount(); ++r) {
            const QString key = c.lookup->value(r, k).toString();
            cache.emplace(key, c.lookup->value(r, d).toString());
        }
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
        const auto& cache = lookupCache_[column];
        auto it = cache.find(v.toString());
        return it == cache.end() ? QString() : it->second;
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
    const int n = query_ && query_->isOpen() ? query_->recordCount() : 0;
    if (query_ && query_->state() == db::Query::State::Browse)
        editedRow_ = -1;
    if (n != model_->totalRows()) {
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
