#include "platform/db/Query.h"

#include "platform/db/TextOrder.h"
#include "platform/db/TsqlDialect.h"

#include <QRegularExpression>
#include <algorithm>

namespace tj::db {

namespace {

QString quoteIdent(const QString& name)
{
    if (name.startsWith(QLatin1Char('[')))
        return name;
    QString n = name;
    n.replace(QLatin1Char(']'), QLatin1String("]]"));
    return QLatin1Char('[') + n + QLatin1Char(']');
}

bool isNumber(const Value& v)
{
    return v.type() == Value::Type::Integer || v.type() == Value::Type::Real;
}

bool equalValues(const Value& field, const Value& wanted)
{
    if (field.isNull() || wanted.isNull())
        return field.isNull() && wanted.isNull();
    if (isNumber(wanted) != isNumber(field)) {
        // A number and a text: equal when the text reads as that number.
        const Value& number = isNumber(wanted) ? wanted : field;
        bool ok = false;
        const double d = (isNumber(wanted) ? field : wanted).toString().trimmed().toDouble(&ok);
        return ok && d == number.toDouble();
    }
    return compareValues(field, wanted) == 0;
}

// A filter pattern ('*' any run of characters, everything else literal)
// as a LIKE pattern with '\\' escaping LIKE's own marks.
QString likePattern(const QString& filterPattern)
{
    QString out;
    out.reserve(filterPattern.size() + 4);
    for (const QChar c : filterPattern) {
        if (c == QLatin1Char('*')) {
            out += QLatin1Char('%');
            continue;
        }
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('[') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

}  // namespace

QString Field::name() const
{
    return col_ >= 0 ? q_->rs_.columns.value(col_) : QString();
}

Value Field::value() const
{
    return q_->currentValue(col_);
}

Query::Query(Connection& connection, QObject* parent) : QObject(parent), conn_(connection) {}

Query::~Query() = default;

void Query::setSql(const QString& sql)
{
    if (isOpen())
        close();
    sql_ = sql;
}

void Query::setState(State s)
{
    if (state_ == s)
        return;
    state_ = s;
    emit stateChanged(s);
}

void Query::open()
{
    if (state_ == State::Edit || state_ == State::Insert)
        cancel();
    rs_ = conn_.query(sql_);
    buffer_.clear();
    changed_.clear();
    insertAt_ = -1;
    setState(State::Browse);
    rebuildView();
}

void Query::refresh()
{
    const int at = cur_;
    open();
    if (at >= 0 && !view_.empty())
        setRecNo(std::min(at, int(view_.size()) - 1));
}

void Query::close()
{
    if (state_ == State::Inactive)
        return;
    rs_ = ResultSet();
    view_.clear();
    buffer_.clear();
    changed_.clear();
    insertAt_ = -1;
    cur_ = -1;
    eof_ = bof_ = true;
    setState(State::Inactive);
    emit dataChanged();
    emit currentChanged(-1);
}

int Query::execSql()
{
    return conn_.execute(sql_);
}

void Query::rebuildView()
{
    view_.clear();
    for (int i = 0; i < int(rs_.rows.size()); ++i)
        if (filterTerms_.empty() || rowMatches(rs_.rows[i]))
            view_.push_back(i);
    if (sortColumn_ >= 0 && sortColumn_ < rs_.columns.size()) {
        const int c = sortColumn_;
        const bool asc = sortAscending_;
        std::stable_sort(view_.begin(), view_.end(), [&](int a, int b) {
            const int r = compareValues(rs_.rows[a][c], rs_.rows[b][c]);
            return asc ? r < 0 : r > 0;
        });
    }
    cur_ = view_.empty() ? -1 : 0;
    bof_ = true;
    eof_ = view_.empty();
    emit dataChanged();
    emit currentChanged(cur_);
}

void Query::moveTo(int row)
{
    if (state_ == State::Edit || state_ == State::Insert)
        post();
    if (view_.empty()) {
        cur_ = -1;
        bof_ = eof_ = true;
        return;
    }
    const int clamped = std::clamp(row, 0, int(view_.size()) - 1);
    bof_ = row <= 0;
    eof_ = row >= int(view_.size());
    if (clamped != cur_) {
        cur_ = clamped;
        emit currentChanged(cur_);
    }
}

void Query::first() { moveTo(0); }
void Query::last()
{
    moveTo(int(view_.size()) - 1);
    eof_ = true;
}
void Query::next()
{
    if (cur_ + 1 >= int(view_.size())) {
        if (state_ == State::Edit || state_ == State::Insert)
            post();
        eof_ = true;
        return;
    }
    moveTo(cur_ + 1);
    bof_ = false;
}
void Query::prior()
{
    if (cur_ <= 0) {
        if (state_ == State::Edit || state_ == State::Insert)
            post();
        bof_ = true;
        return;
    }
    moveTo(cur_ - 1);
    eof_ = false;
}
void Query::setRecNo(int row)
{
    moveTo(row);
    bof_ = cur_ <= 0;
    eof_ = view_.empty();
}

bool Query::locate(const QString& fieldName, const Value& value)
{
    const int c = rs_.columnIndex(fieldName);
    if (c < 0)
        throw SqlError(QStringLiteral("Field '%1' not found.").arg(fieldName));
    for (int i = 0; i < int(view_.size()); ++i) {
        if (equalValues(rs_.rows[view_[i]][c], value)) {
            setRecNo(i);
            return true;
        }
    }
    return false;
}

Field Query::field(const QString& name) const
{
    const int c = rs_.columnIndex(name);
    if (c < 0)
        throw SqlError(QStringLiteral("Field '%1' not found.").arg(name));
    return Field(this, c);
}

Value Query::value(int row, int column) const
{
    if (row < 0 || row >= int(view_.size()) || column < 0 || column >= rs_.columns.size())
        return Value();
    if (row == cur_ && (state_ == State::Edit || state_ == State::Insert))
        return buffer_[column];
    return rs_.rows[view_[row]][column];
}

Value Query::currentValue(int column) const
{
    return value(cur_, column);
}

QString Query::updateTable() const
{
    if (!updateTable_.isEmpty())
        return updateTable_;
    // The single table of "select ... from T [alias] [where ...]".
    static const QRegularExpression from(QStringLiteral("\\bfrom\\s+((?:\\[[^\\]]+\\]|[#\\w]+)(?:\\s*\\.\\s*(?:\\[[^\\]]+\\]|[#\\w]+))*)"),
                                         QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression join(QStringLiteral("\\bjoin\\b"), QRegularExpression::CaseInsensitiveOption);
    const auto m = from.match(sql_);
    if (!m.hasMatch() || join.match(sql_).hasMatch())
        return QString();
    QString rest = sql_.mid(m.capturedEnd());
    // "from a, b" lists two tables.
    const int where = int(rest.indexOf(QRegularExpression(QStringLiteral("\\b(where|order|group)\\b"), QRegularExpression::CaseInsensitiveOption)));
    if (rest.left(where < 0 ? rest.size() : where).contains(QLatin1Char(',')))
        return QString();
    return TsqlDialect::tableName(m.captured(1).remove(QLatin1Char(' ')));
}

std::vector<QString> Query::keyColumns()
{
    std::vector<QString> keys;
    if (!keyFields_.isEmpty()) {
        for (const QString& k : keyFields_)
            keys.push_back(k);
        return keys;
    }
    const QString table = updateTable();
    for (const ColumnInfo& c : conn_.tableColumns(table))
        if (c.primaryKey)
            keys.push_back(c.name);
    if (keys.empty())
        for (const ColumnInfo& c : conn_.tableColumns(table))
            if (c.identity)
                keys.push_back(c.name);
    return keys;
}

void Query::append()
{
    if (state_ == State::Inactive)
        throw SqlError(QStringLiteral("Cannot perform this operation on a closed dataset."));
    if (state_ == State::Edit || state_ == State::Insert)
        post();
    rs_.rows.emplace_back(std::size_t(rs_.columns.size()));
    view_.push_back(int(rs_.rows.size()) - 1);
    buffer_.assign(std::size_t(rs_.columns.size()), Value());
    changed_.assign(std::size_t(rs_.columns.size()), false);
    insertAt_ = int(view_.size()) - 1;
    cur_ = insertAt_;
    bof_ = false;
    eof_ = false;
    emit dataChanged();
    emit currentChanged(cur_);
    setState(State::Insert);
}

void Query::edit()
{
    if (state_ == State::Edit || state_ == State::Insert)
        return;
    if (state_ == State::Inactive)
        throw SqlError(QStringLiteral("Cannot perform this operation on a closed dataset."));
    if (cur_ < 0)
        throw SqlError(QStringLiteral("Cannot perform this operation on an empty dataset."));
    buffer_ = rs_.rows[view_[cur_]];
    changed_.assign(buffer_.size(), false);
    setState(State::Edit);
}

void Query::setField(const QString& name, const Value& v)
{
    const int c = rs_.columnIndex(name);
    if (c < 0)
        throw SqlError(QStringLiteral("Field '%1' not found.").arg(name));
    if (state_ == State::Browse)
        edit();
    if (state_ != State::Edit && state_ != State::Insert)
        throw SqlError(QStringLiteral("Dataset not in edit or insert mode."));
    buffer_[c] = v;
    changed_[c] = true;
    emit rowChanged(cur_);
}

void Query::post()
{
    if (state_ != State::Edit && state_ != State::Insert)
        return;
    writeRow();
    finishPost();
}

void Query::post(const std::function<void()>& alongside)
{
    if (!alongside) {
        post();
        return;
    }
    if (state_ != State::Edit && state_ != State::Insert)
        return;
    // The row's own write fills the edit buffer with the new identity and
    // the stored values; a failure puts back what the user typed.
    const std::vector<Value> typed = buffer_;
    Transaction t(conn_);
    try {
        writeRow();
        alongside();
        t.commit();
    } catch (...) {
        buffer_ = typed;
        throw;
    }
    finishPost();
}

void Query::writeRow()
{
    const QString table = updateTable();
    if (table.isEmpty())
        throw SqlError(QStringLiteral("The data set has no single table to write to: %1").arg(sql_));
    const std::vector<ColumnInfo> cols = conn_.tableColumns(table);
    if (cols.empty())
        throw SqlError(QStringLiteral("Invalid object name '%1'.").arg(table));
    auto tableColumn = [&](const QString& name) -> const ColumnInfo* {
        for (const ColumnInfo& c : cols)
            if (c.name.compare(name, Qt::CaseInsensitive) == 0)
                return &c;
        return nullptr;
    };
    QStringList names;
    std::vector<Value> params;
    for (int c = 0; c < rs_.columns.size(); ++c) {
        if (!changed_[c])
            continue;
        const ColumnInfo* info = tableColumn(rs_.columns.at(c));
        if (!info || info->identity)
            continue;  // computed columns and the identity are not written
        names << quoteIdent(info->name);
        params.push_back(buffer_[c]);
    }
    const int row = view_[cur_];
    if (state_ == State::Insert) {
        QString sql;
        if (names.isEmpty()) {
            sql = QStringLiteral("insert into %1 default values").arg(quoteIdent(table));
        } else {
            QStringList marks;
            for (int i = 0; i < names.size(); ++i)
                marks << QStringLiteral("?");
            sql = QStringLiteral("insert into %1 (%2) values (%3)").arg(quoteIdent(table), names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
        }
        conn_.execute(sql, params);
        // The identity and the defaults the database filled in.
        const Value id = conn_.lastIdentity();
        const ColumnInfo* identity = nullptr;
        for (const ColumnInfo& c : cols)
            if (c.identity)
                identity = &c;
        if (identity && !id.isNull()) {
            const int ic = rs_.columnIndex(identity->name);
            if (ic >= 0)
                buffer_[ic] = id;
            const ResultSet fresh = conn_.query(QStringLiteral("select * from %1 where %2 = ?").arg(quoteIdent(table), quoteIdent(identity->name)), {id});
            if (!fresh.rows.empty()) {
                for (int c = 0; c < rs_.columns.size(); ++c) {
                    const int fc = fresh.columnIndex(rs_.columns.at(c));
                    if (fc >= 0)
                        buffer_[c] = fresh.rows.front()[fc];  // as stored: defaults, rounded money
                }
            }
        }
    } else if (!names.isEmpty()) {
        const std::vector<QString> keys = keyColumns();
        if (keys.empty())
            throw SqlError(QStringLiteral("Table '%1' has no key to locate the row by.").arg(table));
        QStringList sets, where;
        for (const QString& n : names)
            sets << n + QStringLiteral(" = ?");
        for (const QString& k : keys) {
            const int kc = rs_.columnIndex(k);
            if (kc < 0)
                throw SqlError(QStringLiteral("Key field '%1' is not in the data set.").arg(k));
            const Value& original = rs_.rows[row][kc];
            if (original.isNull()) {
                where << quoteIdent(k) + QStringLiteral(" is null");
            } else {
                where << quoteIdent(k) + QStringLiteral(" = ?");
                params.push_back(original);
            }
        }
        const int n = conn_.execute(QStringLiteral("update %1 set %2 where %3").arg(quoteIdent(table), sets.join(QStringLiteral(", ")), where.join(QStringLiteral(" and "))), params);
        if (n == 0)
            throw SqlError(QStringLiteral("Row cannot be located for updating. Some values may have been changed since it was last read."));
    }
}

void Query::finishPost()
{
    const int row = view_[cur_];
    rs_.rows[row] = buffer_;
    buffer_.clear();
    changed_.clear();
    insertAt_ = -1;
    setState(State::Browse);
    emit rowChanged(cur_);
}

void Query::cancel()
{
    if (state_ == State::Insert) {
        const int row = view_[insertAt_];
        rs_.rows.erase(rs_.rows.begin() + row);
        view_.erase(view_.begin() + insertAt_);
        for (int& v : view_)
            if (v > row)
                --v;
        insertAt_ = -1;
        buffer_.clear();
        changed_.clear();
        if (cur_ >= int(view_.size()))
            cur_ = int(view_.size()) - 1;
        eof_ = view_.empty();
        setState(State::Browse);
        emit dataChanged();
        emit currentChanged(cur_);
        return;
    }
    if (state_ == State::Edit) {
        buffer_.clear();
        changed_.clear();
        setState(State::Browse);
        emit rowChanged(cur_);
    }
}

void Query::deleteCurrent()
{
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    if (state_ == State::Edit)
        cancel();
    if (state_ != State::Browse || cur_ < 0)
        throw SqlError(QStringLiteral("Cannot perform this operation on an empty dataset."));
    const QString table = updateTable();
    if (table.isEmpty())
        throw SqlError(QStringLiteral("The data set has no single table to delete from: %1").arg(sql_));
    const std::vector<QString> keys = keyColumns();
    if (keys.empty())
        throw SqlError(QStringLiteral("Table '%1' has no key to locate the row by.").arg(table));
    const int row = view_[cur_];
    QStringList where;
    std::vector<Value> params;
    for (const QString& k : keys) {
        const int kc = rs_.columnIndex(k);
        if (kc < 0)
            throw SqlError(QStringLiteral("Key field '%1' is not in the data set.").arg(k));
        if (rs_.rows[row][kc].isNull()) {
            where << quoteIdent(k) + QStringLiteral(" is null");
        } else {
            where << quoteIdent(k) + QStringLiteral(" = ?");
            params.push_back(rs_.rows[row][kc]);
        }
    }
    conn_.execute(QStringLiteral("delete from %1 where %2").arg(quoteIdent(table), where.join(QStringLiteral(" and "))), params);
    rs_.rows.erase(rs_.rows.begin() + row);
    view_.erase(view_.begin() + cur_);
    for (int& v : view_)
        if (v > row)
            --v;
    if (cur_ >= int(view_.size()))
        cur_ = int(view_.size()) - 1;
    eof_ = view_.empty();
    emit dataChanged();
    emit currentChanged(cur_);
}

bool Query::rowMatches(const std::vector<Value>& row) const
{
    for (const FilterTerm& t : filterTerms_) {
        const Value& v = row[t.column];
        switch (t.op) {
        case FilterTerm::Like:
            if (v.isNull() || !likeText(v.toString(), t.text, QLatin1Char('\\')))
                return false;
            break;
        case FilterTerm::Eq:
        case FilterTerm::Ne: {
            bool ok = false;
            const double d = t.text.toDouble(&ok);
            const bool eq = ok && isNumber(v) ? v.toDouble() == d : equalValues(v, Value(t.text));
            if (eq != (t.op == FilterTerm::Eq))
                return false;
            break;
        }
        }
    }
    return true;
}

void Query::setFilter(const QString& filterText)
{
    std::vector<FilterTerm> terms;
    const QString f = filterText.trimmed();
    if (!f.isEmpty()) {
        // Terms joined by "and" outside quotes.
        QStringList parts;
        QString cur;
        bool quote = false;
        for (int i = 0; i < f.size(); ++i) {
            const QChar c = f.at(i);
            if (c == QLatin1Char('\''))
                quote = !quote;
            if (!quote && f.mid(i, 5).compare(QLatin1String(" and "), Qt::CaseInsensitive) == 0) {
                parts << cur;
                cur.clear();
                i += 4;
                continue;
            }
            cur += c;
        }
        parts << cur;
        static const QRegularExpression term(QStringLiteral("^\\s*\\[?([^\\s=<>\\]]+)\\]?\\s*(like|=|<>|!=)\\s*(.*?)\\s*$"),
                                             QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
        for (const QString& p : parts) {
            const auto m = term.match(p);
            if (!m.hasMatch())
                throw SqlError(QStringLiteral("Filter expression not understood: %1").arg(p.trimmed()));
            FilterTerm t;
            t.column = rs_.columnIndex(m.captured(1));
            if (t.column < 0)
                throw SqlError(QStringLiteral("Field '%1' not found.").arg(m.captured(1)));
            const QString op = m.captured(2).toLower();
            t.op = op == QLatin1String("like") ? FilterTerm::Like : op == QLatin1String("=") ? FilterTerm::Eq : FilterTerm::Ne;
            QString v = m.captured(3);
            if (v.size() >= 2 && v.startsWith(QLatin1Char('\'')) && v.endsWith(QLatin1Char('\'')))
                v = v.mid(1, v.size() - 2).replace(QLatin1String("''"), QLatin1String("'"));
            if (t.op == FilterTerm::Like)
                v = likePattern(v.replace(QLatin1Char('%'), QLatin1Char('*')));
            t.text = v;
            terms.push_back(t);
        }
    }
    if (state_ == State::Edit || state_ == State::Insert)
        post();
    filter_ = f;
    filterTerms_ = std::move(terms);
    if (isOpen())
        rebuildView();
}

void Query::setSort(const QString& fieldName, bool ascending)
{
    int c = -1;
    if (!fieldName.isEmpty()) {
        c = rs_.columnIndex(fieldName);
        if (c < 0)
            throw SqlError(QStringLiteral("Field '%1' not found.").arg(fieldName));
    }
    if (state_ == State::Edit || state_ == State::Insert)
        post();
    sortColumn_ = c;
    sortAscending_ = ascending;
    if (isOpen())
        rebuildView();
}

}  // namespace tj::db
