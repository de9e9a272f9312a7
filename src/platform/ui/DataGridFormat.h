// Value formatting and ordering of the grid's cells and footer.
#pragma once

#include "platform/db/Value.h"

#include <QString>

namespace tj::ui::grid {

bool isNumber(const db::Value& v);
// A number in a column format ("%.2f", "%d", "0", any printf format of one double).
QString formatNumber(const QString& format, const db::Value& v);
// printf with one integer; the format's %d is taken as a 64-bit value.
QString formatCount(const QString& format, qint64 n);

}  // namespace tj::ui::grid
