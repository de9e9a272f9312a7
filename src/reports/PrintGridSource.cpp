#include "reports/PrintGridSource.h"

namespace tj::reports {

QString ModelGridSource::displayText(int row, int col) const
{
    return model_->index(row, columns_.at(col).modelColumn).data(Qt::DisplayRole).toString();
}

bool ModelGridSource::boolValue(int row, int col) const
{
    QModelIndex i = model_->index(row, columns_.at(col).modelColumn);
    QVariant check = i.data(Qt::CheckStateRole);
    if (check.isValid()) return check.toInt() == Qt::Checked;
    QVariant v = i.data(Qt::EditRole);
    if (v.typeId() == QMetaType::QString) {
        QString s = v.toString().trimmed().toLower();
        return s == "1" || s == "true" || s == "-1";
    }
    return v.toBool();
}

}  // namespace tj::reports
