#include "platform/report/DbDataSource.h"

namespace tj::report {

QVariant toVariant(const db::Value& v)
{
    switch (v.type()) {
    case db::Value::Type::Null: return {};
    case db::Value::Type::Integer: return QVariant(v.toInteger());
    case db::Value::Type::Real: return QVariant(v.toDouble());
    case db::Value::Type::Text: return QVariant(v.toString());
    case db::Value::Type::Blob: return QVariant(v.toBlob());
    }
    return {};
}

QVariant ResultSetDataSource::value(int row, const QString& field) const
{
    if (row < 0 || row >= rowCount()) return {};
    return toVariant(rs_.value(std::size_t(row), field));
}

QString ResultSetDataSource::text(int row, const QString& field) const
{
    if (row < 0 || row >= rowCount()) return {};
    return rs_.value(std::size_t(row), field).toString();
}

QByteArray ResultSetDataSource::blob(int row, const QString& field) const
{
    if (row < 0 || row >= rowCount()) return {};
    return rs_.value(std::size_t(row), field).toBlob();
}

QVariant QueryDataSource::value(int row, const QString& field) const
{
    int col = q_.fieldIndex(field);
    if (row < 0 || row >= rowCount() || col < 0) return {};
    return toVariant(q_.value(row, col));
}

QString QueryDataSource::text(int row, const QString& field) const
{
    int col = q_.fieldIndex(field);
    if (row < 0 || row >= rowCount() || col < 0) return {};
    return q_.value(row, col).toString();
}

QByteArray QueryDataSource::blob(int row, const QString& field) const
{
    int col = q_.fieldIndex(field);
    if (row < 0 || row >= rowCount() || col < 0) return {};
    return q_.value(row, col).toBlob();
}

}  // namespace tj::report
