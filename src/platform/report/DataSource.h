// Rows that a report's data bands run over: a row count and field values by
// name. Query results are adapted to it; layouts may also build rows in memory.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace tj::report {

class DataSource {
public:
    virtual ~DataSource() = default;
    virtual int rowCount() const = 0;
    virtual bool hasField(const QString& field) const = 0;
    virtual QVariant value(int row, const QString& field) const = 0;
    // Display text of a field: dates as yyyy-MM-dd, date-times as
    // yyyy-MM-dd hh:mm:ss, NULL as an empty text.
    virtual QString text(int row, const QString& field) const;
    // Binary content of a field (pictures).
    virtual QByteArray blob(int row, const QString& field) const;
};

// Rows held in memory.
class TableDataSource : public DataSource {
public:
    explicit TableDataSource(QStringList fields = {}) : fields_(std::move(fields)) {}
    void setFields(const QStringList& fields) { fields_ = fields; }
    const QStringList& fields() const { return fields_; }
    // Values in the order of the fields; missing ones are NULL.
    void addRow(const QVariantList& values) { rows_.push_back(values); }
    void clear() { rows_.clear(); }

    int rowCount() const override { return int(rows_.size()); }
    bool hasField(const QString& field) const override;
    QVariant value(int row, const QString& field) const override;

private:
    QStringList fields_;
    std::vector<QVariantList> rows_;
};

}  // namespace tj::report
