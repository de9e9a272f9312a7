#include "platform/sheet/Sheet.h"

#include <QCollator>
#include <algorithm>
#include <utility>

namespace tj::sheet {

namespace {
const Cell kEmptyCell{};
}

Cell* Sheet::cellPtr(int row, int col)
{
    if (row < 0 || col < 0) return nullptr;
    grow(row + 1, col + 1);
    auto& r = cells_[row];
    if (int(r.size()) <= col) r.resize(col + 1);
    return &r[col];
}

const Cell* Sheet::cellPtr(int row, int col) const
{
    if (row < 0 || col < 0 || row >= int(cells_.size())) return nullptr;
    const auto& r = cells_[row];
    if (col >= int(r.size())) return nullptr;
    return &r[col];
}

void Sheet::grow(int rows, int cols)
{
    if (rows > rows_) {
        rows_ = rows;
        cells_.resize(rows_);
    }
    cols_ = std::max(cols_, cols);
}

void Sheet::setExtent(int rows, int cols)
{
    rows = std::max(0, rows);
    cols = std::max(0, cols);
    cells_.resize(rows);
    for (auto& r : cells_)
        if (int(r.size()) > cols) r.resize(cols);
    rows_ = rows;
    cols_ = cols;
    std::vector<CellRange> kept;
    for (auto m : merges_) {
        m.bottom = std::min(m.bottom, rows - 1);
        m.right = std::min(m.right, cols - 1);
        if (!m.isEmpty() && (m.rowCount() > 1 || m.columnCount() > 1)) kept.push_back(m);
    }
    merges_ = std::move(kept);
}

void Sheet::clearContents()
{
    rows_ = cols_ = 0;
    cells_.clear();
    merges_.clear();
    widths_.clear();
    hiddenCols_.clear();
    heights_.clear();
    hiddenRows_.clear();
    printArea_.reset();
    printTitles_.reset();
    rowBreaks_.clear();
}

QString Sheet::text(int row, int col) const
{
    const Cell* c = cellPtr(row, col);
    return c ? c->text : QString();
}

void Sheet::setText(int row, int col, const QString& text)
{
    if (Cell* c = cellPtr(row, col)) c->text = text;
}

CellFormat Sheet::format(int row, int col) const
{
    const Cell* c = cellPtr(row, col);
    return c ? c->format : CellFormat{};
}

void Sheet::setFormat(int row, int col, const CellFormat& format)
{
    if (Cell* c = cellPtr(row, col)) c->format = format;
}

void Sheet::setAlignment(const CellRange& range, HAlign align)
{
    for (int r = range.top; r <= range.bottom; ++r)
        for (int c = range.left; c <= range.right; ++c)
            if (Cell* cell = cellPtr(r, c)) cell->format.align = align;
}

void Sheet::clearRange(const CellRange& range, bool texts, bool formats)
{
    for (int r = range.top; r <= std::min(range.bottom, rows_ - 1); ++r)
        for (int c = range.left; c <= std::min(range.right, cols_ - 1); ++c) {
            if (range.top < 0 || range.left < 0) continue;
            Cell* cell = cellPtr(r, c);
            if (texts) cell->text.clear();
            if (formats) cell->format = CellFormat{};
        }
    if (formats) unmerge(range);
}

void Sheet::merge(const CellRange& range)
{
    if (range.isEmpty() || range.top < 0 || range.left < 0) return;
    unmerge(range);
    if (range.rowCount() == 1 && range.columnCount() == 1) return;
    grow(range.bottom + 1, range.right + 1);
    merges_.push_back(range);
}

void Sheet::unmerge(const CellRange& range)
{
    std::erase_if(merges_, [&](const CellRange& m) { return m.intersects(range); });
}

std::optional<CellRange> Sheet::mergeAt(int row, int col) const
{
    for (const auto& m : merges_)
        if (m.contains(row, col)) return m;
    return std::nullopt;
}

int Sheet::columnWidth(int col) const
{
    if (isColumnHidden(col)) return 0;
    if (col >= 0 && col < int(widths_.size()) && widths_[col] >= 0) return widths_[col];
    return defaultColumnWidth_;
}

bool Sheet::hasCustomColumnWidth(int col) const
{
    return col >= 0 && col < int(widths_.size()) && widths_[col] >= 0;
}

void Sheet::setColumnWidth(int col, int width)
{
    if (col < 0) return;
    if (int(widths_.size()) <= col) widths_.resize(col + 1, -1);
    if (width <= 0) {
        // Width 0 hides the column, as in spreadsheet programs.
        setColumnHidden(col, true);
        return;
    }
    widths_[col] = width;
    setColumnHidden(col, false);
}

bool Sheet::isColumnHidden(int col) const
{
    return col >= 0 && col < int(hiddenCols_.size()) && hiddenCols_[col];
}

void Sheet::setColumnHidden(int col, bool hidden)
{
    if (col < 0) return;
    if (int(hiddenCols_.size()) <= col) hiddenCols_.resize(col + 1, 0);
    hiddenCols_[col] = hidden;
}

double Sheet::rowHeight(int row) const
{
    if (isRowHidden(row)) return 0;
    if (row >= 0 && row < int(heights_.size()) && heights_[row] >= 0) return heights_[row];
    return defaultRowHeight_;
}

bool Sheet::hasCustomRowHeight(int row) const
{
    return row >= 0 && row < int(heights_.size()) && heights_[row] >= 0;
}

void Sheet::setRowHeight(int row, double points)
{
    if (row < 0) return;
    if (int(heights_.size()) <= row) heights_.resize(row + 1, -1);
    if (points <= 0) {
        setRowHidden(row, true);
        return;
    }
    heights_[row] = points;
    setRowHidden(row, false);
}

bool Sheet::isRowHidden(int row) const
{
    return row >= 0 && row < int(hiddenRows_.size()) && hiddenRows_[row];
}

void Sheet::setRowHidden(int row, bool hidden)
{
    if (row < 0) return;
    if (int(hiddenRows_.size()) <= row) hiddenRows_.resize(row + 1, 0);
    hiddenRows_[row] = hidden;
}

namespace {
// Maps an index through an insertion/removal; -1 means removed.
struct Shift {
    int at, count;  // count > 0 insert, < 0 remove
    int operator()(int i) const
    {
        if (i < at) return i;
        if (count > 0) return i + count;
        if (i < at - count) return -1;
        return i + count;
    }
};

template <class T>
void shiftVector(std::vector<T>& v, int at, int count, T fill)
{
    if (at >= int(v.size())) return;
    if (count > 0)
        v.insert(v.begin() + at, count, fill);
    else
        v.erase(v.begin() + at, v.begin() + std::min<int>(v.size(), at - count));
}

// Range ends after a shift: a removed end moves inward; nullopt when the
// whole range was removed.
std::optional<std::pair<int, int>> shiftSpan(int first, int last, const Shift& s)
{
    if (s.count > 0) {
        int f = s(first);
        int l = last >= s.at && first < s.at ? last + s.count : s(last);
        return std::pair{f, l};
    }
    int removedFirst = s.at, removedLast = s.at - s.count - 1;
    int f = first, l = last;
    if (f >= removedFirst && l <= removedLast) return std::nullopt;
    auto mapEnd = [&](int i, bool isFirst) {
        if (i < removedFirst) return i;
        if (i > removedLast) return i + s.count;
        return isFirst ? removedFirst : removedFirst - 1;
    };
    return std::pair{mapEnd(f, true), mapEnd(l, false)};
}
}  // namespace

template <class F>
void Sheet::remapRows(F&& span)
{
    std::vector<CellRange> kept;
    for (auto m : merges_)
        if (auto s = span(m.top, m.bottom)) {
            m.top = s->first;
            m.bottom = s->second;
            if (m.rowCount() > 1 || m.columnCount() > 1) kept.push_back(m);
        }
    merges_ = std::move(kept);
    if (printArea_) {
        if (auto s = span(printArea_->top, printArea_->bottom))
            printArea_->top = s->first, printArea_->bottom = s->second;
        else
            printArea_.reset();
    }
    if (printTitles_) {
        if (auto s = span(printTitles_->first, printTitles_->second))
            printTitles_ = *s;
        else
            printTitles_.reset();
    }
}

template <class F>
void Sheet::remapColumns(F&& span)
{
    std::vector<CellRange> kept;
    for (auto m : merges_)
        if (auto s = span(m.left, m.right)) {
            m.left = s->first;
            m.right = s->second;
            if (m.rowCount() > 1 || m.columnCount() > 1) kept.push_back(m);
        }
    merges_ = std::move(kept);
    if (printArea_) {
        if (auto s = span(printArea_->left, printArea_->right))
            printArea_->left = s->first, printArea_->right = s->second;
        else
            printArea_.reset();
    }
}

void Sheet::insertRows(int row, int count)
{
    if (row < 0 || count <= 0) return;
    Shift s{row, count};
    if (row < rows_) {
        cells_.insert(cells_.begin() + row, count, {});
        rows_ += count;
    }
    shiftVector(heights_, row, count, -1.0);
    shiftVector(hiddenRows_, row, count, char(0));
    remapRows([&](int a, int b) { return shiftSpan(a, b, s); });
    std::set<int> breaks;
    for (int b : rowBreaks_) breaks.insert(s(b));
    rowBreaks_ = breaks;
}

void Sheet::removeRows(int row, int count)
{
    if (row < 0 || count <= 0) return;
    Shift s{row, -count};
    if (row < rows_) {
        int n = std::min(count, rows_ - row);
        cells_.erase(cells_.begin() + row, cells_.begin() + row + n);
        rows_ -= n;
    }
    shiftVector(heights_, row, -count, -1.0);
    shiftVector(hiddenRows_, row, -count, char(0));
    remapRows([&](int a, int b) { return shiftSpan(a, b, s); });
    std::set<int> breaks;
    for (int b : rowBreaks_)
        if (int m = s(b); m > 0) breaks.insert(m);
    rowBreaks_ = breaks;
}

void Sheet::insertColumns(int col, int count)
{
    if (col < 0 || count <= 0) return;
    Shift s{col, count};
    if (col < cols_) {
        for (auto& r : cells_)
            if (col < int(r.size())) r.insert(r.begin() + col, count, Cell{});
        cols_ += count;
    }
    shiftVector(widths_, col, count, -1);
    shiftVector(hiddenCols_, col, count, char(0));
    remapColumns([&](int a, int b) { return shiftSpan(a, b, s); });
}

void Sheet::removeColumns(int col, int count)
{
    if (col < 0 || count <= 0) return;
    Shift s{col, -count};
    if (col < cols_) {
        for (auto& r : cells_)
            if (col < int(r.size())) r.erase(r.begin() + col, r.begin() + std::min<int>(r.size(), col + count));
        cols_ -= std::min(count, cols_ - col);
    }
    shiftVector(widths_, col, -count, -1);
    shiftVector(hiddenCols_, col, -count, char(0));
    remapColumns([&](int a, int b) { return shiftSpan(a, b, s); });
}

void Sheet::insertCells(const CellRange& range, bool shiftDown)
{
    if (range.isEmpty() || range.top < 0 || range.left < 0) return;
    unmerge(range);
    if (shiftDown) {
        int n = range.rowCount();
        int last = rows_ - 1;
        grow(rows_ + n, 0);
        for (int c = range.left; c <= range.right; ++c) {
            for (int r = last; r >= range.top; --r) {
                const Cell* src = std::as_const(*this).cellPtr(r, c);
                Cell moved = src ? *src : Cell{};
                *cellPtr(r + n, c) = std::move(moved);
            }
            for (int r = range.top; r <= range.bottom; ++r) *cellPtr(r, c) = Cell{};
        }
    } else {
        int n = range.columnCount();
        for (int r = range.top; r <= range.bottom; ++r) {
            auto& row = cells_.size() > size_t(r) ? cells_[r] : (grow(r + 1, 0), cells_[r]);
            if (int(row.size()) > range.left) {
                row.insert(row.begin() + range.left, n, Cell{});
                cols_ = std::max<int>(cols_, row.size());
            }
        }
    }
}

void Sheet::removeCells(const CellRange& range, bool shiftUp)
{
    if (range.isEmpty() || range.top < 0 || range.left < 0) return;
    unmerge(range);
    if (shiftUp) {
        int n = range.rowCount();
        for (int c = range.left; c <= range.right && c < cols_; ++c) {
            for (int r = range.top; r < rows_; ++r) {
                const Cell* src = std::as_const(*this).cellPtr(r + n, c);
                Cell moved = src ? *src : Cell{};
                *cellPtr(r, c) = std::move(moved);
            }
        }
    } else {
        for (int r = range.top; r <= range.bottom && r < rows_; ++r) {
            auto& row = cells_[r];
            if (int(row.size()) > range.left)
                row.erase(row.begin() + range.left, row.begin() + std::min<int>(row.size(), range.right + 1));
        }
    }
}

void Sheet::sortRows(const CellRange& range, int keyCol, bool ascending)
{
    if (range.isEmpty() || range.top < 0 || range.bottom >= rows_) return;
    QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
    collator.setNumericMode(true);
    struct Key {
        bool isNumber;
        double number;
        QString text;
    };
    std::vector<int> order;
    std::vector<Key> keys;
    for (int r = range.top; r <= range.bottom; ++r) {
        order.push_back(r);
        QString t = text(r, keyCol).trimmed();
        bool ok = false;
        double v = t.toDouble(&ok);
        keys.push_back({ok, v, t});
    }
    auto keyLess = [&](const Key& x, const Key& y) {
        // Numbers before texts; texts in Chinese (pinyin) order.
        if (x.isNumber != y.isNumber) return x.isNumber;
        if (x.isNumber) return x.number < y.number;
        return collator.compare(x.text, y.text) < 0;
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const Key& x = keys[a - range.top];
        const Key& y = keys[b - range.top];
        // Empty cells go last in both directions.
        if (x.text.isEmpty() != y.text.isEmpty()) return y.text.isEmpty();
        if (x.text.isEmpty()) return false;
        return ascending ? keyLess(x, y) : keyLess(y, x);
    });
    std::vector<std::vector<Cell>> block;
    for (int r : order) {
        std::vector<Cell> cells;
        for (int c = range.left; c <= range.right; ++c) {
            const Cell* cell = std::as_const(*this).cellPtr(r, c);
            cells.push_back(cell ? *cell : Cell{});
        }
        block.push_back(std::move(cells));
    }
    for (int i = 0; i < int(block.size()); ++i)
        for (int c = range.left; c <= range.right; ++c) *cellPtr(range.top + i, c) = block[i][c - range.left];
}

std::vector<QStringList> Sheet::texts() const
{
    std::vector<QStringList> out;
    out.reserve(rows_);
    for (int r = 0; r < rows_; ++r) {
        QStringList row;
        row.reserve(cols_);
        for (int c = 0; c < cols_; ++c) row << text(r, c);
        out.push_back(row);
    }
    return out;
}

QString columnName(int col)
{
    QString name;
    for (int n = col + 1; n > 0; n = (n - 1) / 26) name.prepend(QChar('A' + (n - 1) % 26));
    return name;
}

std::optional<std::pair<int, int>> parseCellRef(const QString& ref)
{
    QString s = ref.trimmed().toUpper().remove('$');
    int i = 0, col = 0;
    while (i < s.size() && s[i] >= 'A' && s[i] <= 'Z') col = col * 26 + (s[i++].unicode() - 'A' + 1);
    if (i == 0 || i == s.size() || col > 16384) return std::nullopt;
    bool ok = false;
    int row = s.mid(i).toInt(&ok);
    if (!ok || row < 1 || row > 1048576) return std::nullopt;
    return std::pair{row - 1, col - 1};
}

}  // namespace tj::sheet
