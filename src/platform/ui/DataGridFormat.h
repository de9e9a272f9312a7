// Value formatting and ordering of the grid's cells and footer.
#pragma once

#include "platform/db/Value.h"

#include <QString>

namespace tj::ui::grid {

bool isNumber(const db::Value& v);
// Text order of the server's Chinese collation: GBK codes, letters without case,
// trailing blanks ignored.
int compareText(const QString& a, const QString& b);
// Nulls first, numbers by value, the rest as text.
int compareValues(const db::Value& a, const db::Value& b);
// A number in a column format ("%.2f", "%d", "0", any printf format of one double).
QString formatNumber(const QString& format, const db::Value& v);
// printf with one integer; the format's %d is taken as a 64-bit value.
QString formatCount(const QString& format, qint64 n);

}  // namespace tj::ui::grid
