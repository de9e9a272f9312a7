// Report rows from the database layer: a result set held by value, or an
// open query (its visible rows, in their current order).
#pragma once

#include "platform/db/Connection.h"
#include "platform/db/Query.h"
#include "platform/report/DataSource.h"

namespace tj::report {

// NULL becomes an invalid QVariant; integers, reals, texts and blobs keep their type.
QVariant toVariant(const db::Value& v);

class ResultSetDataSource : public DataSource {
public:
    explicit ResultSetDataSource(db::ResultSet rows) : rs_(std::move(rows)) {}
    int rowCount() const override { return int(rs_.rows.size()); }
    bool hasField(const QString& field) const override { return rs_.columnIndex(field) >= 0; }
    QVariant value(int row, const QString& field) const override;
    QString text(int row, const QString& field) const override;
    QByteArray blob(int row, const QString& field) const override;
    const db::ResultSet& rows() const { return rs_; }

private:
    db::ResultSet rs_;
};

// The query must stay open while the report is laid out.
class QueryDataSource : public DataSource {
public:
    explicit QueryDataSource(const db::Query& query) : q_(query) {}
    int rowCount() const override { return q_.recordCount(); }
    bool hasField(const QString& field) const override { return q_.fieldIndex(field) >= 0; }
    QVariant value(int row, const QString& field) const override;
    QString text(int row, const QString& field) const override;
    QByteArray blob(int row, const QString& field) const override;

private:
    const db::Query& q_;
};

}  // namespace tj::report
