#include "platform/report/DataSource.h"

#include <QDate>
#include <QDateTime>

namespace tj::report {

QString DataSource::text(int row, const QString& field) const
{
    QVariant v = value(row, field);
    if (!v.isValid() || v.isNull()) return {};
    switch (v.typeId()) {
    case QMetaType::QDate: return v.toDate().toString("yyyy-MM-dd");
    case QMetaType::QDateTime: return v.toDateTime().toString("yyyy-MM-dd hh:mm:ss");
    case QMetaType::Bool: return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    default: return v.toString();
    }
}

QByteArray DataSource::blob(int row, const QString& field) const
{
    return value(row, field).toByteArray();
}

bool TableDataSource::hasField(const QString& field) const
{
    return fields_.contains(field, Qt::CaseInsensitive);
}

QVariant TableDataSource::value(int row, const QString& field) const
{
    if (row < 0 || row >= int(rows_.size())) return {};
    int i = int(fields_.indexOf(field));
    if (i < 0)
        for (int k = 0; k < fields_.size(); ++k)
            if (fields_[k].compare(field, Qt::CaseInsensitive) == 0) i = k;
    if (i < 0 || i >= rows_[row].size()) return {};
    return rows_[row][i];
}

}  // namespace tj::report
