// Display texts of numeric cells the way spreadsheet programs show them:
// "General" numbers, fixed decimals, thousands, percent, dates and times.
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

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
// Date and time to day serial; 1900-01-01 is 1 and, as in spreadsheet
// programs, the days from 1900-03-01 on count the nonexistent 1900-02-29.
double dateTimeToSerial(const QDateTime& dt, bool date1904 = false);

// A number as spreadsheet programs store it, with the format code that
// shows it as the text it was read from.
struct NumberValue {
    double value = 0;
    QString format;
    bool operator==(const NumberValue&) const = default;
};
// Reads a text the way lists show numbers, amounts, percentages, dates and
// times ("35", "1234.50", "1,234.50", "-0.5", "12.50%", "2024-01-05",
// "2024-01-05 08:30:00", "08:30") as a number and its format, so that a
// written workbook can be summed and sorted and still shows the same text.
// Texts that must stay as typed give nullopt: leading zeros ("0012"), more
// than 11 digits before the point (identity card numbers, bar codes), "+",
// spaces, exponents, impossible dates, and every text that would not come
// back the same.
std::optional<NumberValue> numberFromText(const QString& text);

}  // namespace tj::sheet
