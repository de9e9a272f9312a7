// Names of keys from a list data set: the lookup that grids, edit panels
// and other views use to show a stored key (a department id) by its name
// (the department's mcheng). Keys compare by their text, so 12 and "12" match.
#pragma once

#include "platform/db/Query.h"
#include "platform/db/Value.h"

#include <QString>
#include <QStringList>
#include <unordered_map>
#include <vector>

namespace tj::db {

class Lookup {
public:
    Lookup() = default;
    // The list's rows in their order; empty when the list is closed or lacks a field.
    Lookup(const Query& list, const QString& keyField = QStringLiteral("id"),
           const QString& displayField = QStringLiteral("mcheng"));

    // The name of a key; empty for null or unknown keys.
    QString name(const Value& key) const;
    // Position of a key in the list; -1 when absent.
    int indexOf(const Value& key) const;
    int size() const { return int(keys_.size()); }
    const std::vector<Value>& keys() const { return keys_; }
    const QStringList& names() const { return names_; }

private:
    std::vector<Value> keys_;
    QStringList names_;
    std::unordered_map<QString, int> index_;  // key text -> first position
};

}  // namespace tj::db
