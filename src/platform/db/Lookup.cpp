#include "platform/db/Lookup.h"

namespace tj::db {

Lookup::Lookup(const Query& list, const QString& keyField, const QString& displayField)
{
    if (!list.isOpen())
        return;
    const int k = list.fieldIndex(keyField), d = list.fieldIndex(displayField);
    if (k < 0 || d < 0)
        return;
    for (int r = 0; r < list.recordCount(); ++r) {
        const Value key = list.value(r, k);
        index_.emplace(key.toString(), int(keys_.size()));
        keys_.push_back(key);
        names_ << list.value(r, d).toString();
    }
}

int Lookup::indexOf(const Value& key) const
{
    if (key.isNull())
        return -1;
    const auto it = index_.find(key.toString());
    return it == index_.end() ? -1 : it->second;
}

QString Lookup::name(const Value& key) const
{
    const int i = indexOf(key);
    return i < 0 ? QString() : names_[i];
}

}  // namespace tj::db
