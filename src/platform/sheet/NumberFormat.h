// Display texts of numeric cells the way spreadsheet programs show them:
// "General" numbers, fixed decimals, thousands, percent, dates and times.
#pragma once

#include <QDateTime>
#include <QString>

namespace tj::sheet {

// The format code of a built-in number format id of the file formats; an
// empty text for General and for unknown ids.
QString builtinNumberFormat(int id);
// True when the code shows a date and/or a time.
bool isDateFormat(const QString& code);
// The number shown as General: integers without decimals, others with up
// to ten significant digits.
QString formatGeneral(double value);
// The number shown with the format code; date codes take the number as a
// day serial (1900 or 1904 date system).
QString formatNumber(double value, const QString& code, bool date1904 = false);
// Day serial to date and time, to the nearest second.
QDateTime serialToDateTime(double serial, bool date1904 = false);

}  // namespace tj::sheet
