#include "platform/db/Connection.h"

namespace tj::db {

SqlError::SqlError(const QString& message, Kind kind, const QString& nativeState, int nativeCode)
    : std::runtime_error(message.toStdString()), message_(message), kind_(kind), nativeState_(nativeState),
      nativeCode_(nativeCode)
{
}

int ResultSet::columnIndex(const QString& name) const
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Value ResultSet::value(std::size_t row, const QString& column) const
{
    const int c = columnIndex(column);
    if (c < 0 || row >= rows.size())
        return Value();
    return rows[row][std::size_t(c)];
}

Connection::~Connection() = default;

Value Connection::scalar(const QString& sql)
{
    const ResultSet rs = query(sql);
    if (rs.rows.empty() || rs.rows.front().empty())
        return Value();
    return rs.rows.front().front();
}

bool Connection::exists(const QString& sql)
{
    return !query(sql).isEmpty();
}

std::vector<StatementResult> Connection::executeBatch(const QString& sql)
{
    StatementResult r;
    r.resultSet = query(sql);
    r.hasResultSet = !r.resultSet.columns.isEmpty();
    r.rowsAffected = r.hasResultSet ? int(r.resultSet.rows.size()) : -1;
    return {r};
}

}  // namespace tj::db
