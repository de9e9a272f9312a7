#include "platform/db/SqliteFunctions.h"

#include "platform/db/Currency.h"
#include "platform/db/GbkText.h"

#include <sqlite3.h>

#include <cmath>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/time.h>

namespace tj::db::sqlfn {

__extension__ typedef __int128 i128;

namespace {

constexpr qint64 MsPerDay = 86400000;

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
qint64 daysFromCivil(qint64 y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + qint64(doe) - 719468;
}

void civilFromDays(qint64 z, int& y, int& m, int& d)
{
    z += 719468;
    const qint64 era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const qint64 yy = qint64(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = int(doy - (153 * mp + 2) / 5 + 1);
    m = int(mp < 10 ? mp + 3 : mp - 9);
    y = int(yy + (m <= 2));
}

const qint64 Day0 = daysFromCivil(1900, 1, 1);

qint64 floorDiv(qint64 a, qint64 b)
{
    qint64 q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

struct Parts {
    int y, m, d, h, mi, s, ms;
    qint64 days;  // since day zero
};

Parts split(qint64 ms)
{
    Parts p;
    p.days = floorDiv(ms, MsPerDay);
    qint64 rem = ms - p.days * MsPerDay;
    civilFromDays(p.days + Day0, p.y, p.m, p.d);
    p.h = int(rem / 3600000);
    rem %= 3600000;
    p.mi = int(rem / 60000);
    rem %= 60000;
    p.s = int(rem / 1000);
    p.ms = int(rem % 1000);
    return p;
}

int daysInMonth(int y, int m)
{
    static const int dm[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m == 2 && ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0))
        return 29;
    return dm[m - 1];
}

qint64 compose(int y, int m, int d, qint64 msOfDay)
{
    return (daysFromCivil(y, unsigned(m), unsigned(d)) - Day0) * MsPerDay + msOfDay;
}

const char* const DateError = "Conversion failed when converting date and/or time from character string.";

// The date-time value of an argument: text in a date shape, or a number of
// days since day zero (0 is 1900-01-01).
enum class Got { Null, Ok, Bad };
Got argDateTime(sqlite3_value* v, qint64* ms)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_NULL: return Got::Null;
    case SQLITE_INTEGER: *ms = sqlite3_value_int64(v) * MsPerDay; return Got::Ok;
    case SQLITE_FLOAT: *ms = qint64(std::llround(sqlite3_value_double(v) * double(MsPerDay))); return Got::Ok;
    default: {
        const char* t = reinterpret_cast<const char*>(sqlite3_value_text(v));
        auto r = parseDateTime(QByteArray::fromRawData(t, sqlite3_value_bytes(v)));
        if (!r)
            return Got::Bad;
        *ms = *r;
        return Got::Ok;
    }
    }
}

QString argText(sqlite3_value* v)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v)), sqlite3_value_bytes(v));
}

void resultText(sqlite3_context* ctx, const QByteArray& s)
{
    sqlite3_result_text(ctx, s.constData(), int(s.size()), SQLITE_TRANSIENT);
}

void resultText(sqlite3_context* ctx, const QString& s)
{
    resultText(ctx, s.toUtf8());
}

QByteArray two(int v) { return QByteArray::number(v).rightJustified(2, '0'); }
QByteArray three(int v) { return QByteArray::number(v).rightJustified(3, '0'); }
QByteArray four(int v) { return QByteArray::number(v).rightJustified(4, '0'); }

// Normalised date part name.
QByteArray partName(sqlite3_value* v)
{
    QByteArray p = QByteArray(reinterpret_cast<const char*>(sqlite3_value_text(v))).toLower();
    if (p == "yy" || p == "yyyy") return "year";
    if (p == "qq" || p == "q") return "quarter";
    if (p == "mm" || p == "m") return "month";
    if (p == "dy" || p == "y") return "dayofyear";
    if (p == "dd" || p == "d") return "day";
    if (p == "wk" || p == "ww") return "week";
    if (p == "dw" || p == "w") return "weekday";
    if (p == "hh") return "hour";
    if (p == "mi" || p == "n") return "minute";
    if (p == "ss" || p == "s") return "second";
    if (p == "ms") return "millisecond";
    return p;
}

// ---- date functions --------------------------------------------------------

void fnGetdate(sqlite3_context* ctx, int, sqlite3_value**)
{
    resultText(ctx, now());
}

void fnDatetime(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    qint64 ms;
    switch (argDateTime(argv[0], &ms)) {
    case Got::Null: sqlite3_result_null(ctx); return;
    case Got::Bad: sqlite3_result_error(ctx, DateError, -1); return;
    case Got::Ok: resultText(ctx, formatDateTime(ms)); return;
    }
}

void fnDateadd(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QByteArray part = partName(argv[0]);
    if (sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const qint64 n = sqlite3_value_type(argv[1]) == SQLITE_FLOAT ? qint64(std::trunc(sqlite3_value_double(argv[1])))
                                                                  : sqlite3_value_int64(argv[1]);
    qint64 ms;
    switch (argDateTime(argv[2], &ms)) {
    case Got::Null: sqlite3_result_null(ctx); return;
    case Got::Bad: sqlite3_result_error(ctx, DateError, -1); return;
    case Got::Ok: break;
    }
    if (part == "year" || part == "quarter" || part == "month") {
        const Parts p = split(ms);
        const qint64 months = part == "year" ? n * 12 : part == "quarter" ? n * 3 : n;
        const qint64 total = qint64(p.y) * 12 + (p.m - 1) + months;
        const int y = int(floorDiv(total, 12));
        const int m = int(total - qint64(y) * 12) + 1;
        const int d = std::min(p.d, daysInMonth(y, m));
        ms = compose(y, m, d, ms - p.days * MsPerDay);
    } else if (part == "day" || part == "dayofyear" || part == "weekday") {
        ms += n * MsPerDay;
    } else if (part == "week") {
        ms += n * 7 * MsPerDay;
    } else if (part == "hour") {
        ms += n * 3600000;
    } else if (part == "minute") {
        ms += n * 60000;
    } else if (part == "second") {
        ms += n * 1000;
    } else if (part == "millisecond") {
        ms += n;
    } else {
        sqlite3_result_error(ctx, ("dateadd: unknown date part " + part).constData(), -1);
        return;
    }
    resultText(ctx, formatDateTime(ms));
}

// Boundaries of a date part crossed between two moments, as the server
// counts them (23:00 to 01:00 the next day is one day).
bool datediff(const QByteArray& part, qint64 a, qint64 b, qint64* out)
{
    const Parts pa = split(a), pb = split(b);
    if (part == "year")
        *out = pb.y - pa.y;
    else if (part == "quarter")
        *out = (qint64(pb.y) * 4 + (pb.m - 1) / 3) - (qint64(pa.y) * 4 + (pa.m - 1) / 3);
    else if (part == "month")
        *out = (qint64(pb.y) * 12 + pb.m) - (qint64(pa.y) * 12 + pa.m);
    else if (part == "day" || part == "dayofyear" || part == "weekday")
        *out = pb.days - pa.days;
    else if (part == "week")
        *out = floorDiv(pb.days + 1, 7) - floorDiv(pa.days + 1, 7);  // weeks start on Sunday
    else if (part == "hour")
        *out = floorDiv(b, 3600000) - floorDiv(a, 3600000);
    else if (part == "minute")
        *out = floorDiv(b, 60000) - floorDiv(a, 60000);
    else if (part == "second")
        *out = floorDiv(b, 1000) - floorDiv(a, 1000);
    else if (part == "millisecond")
        *out = b - a;
    else
        return false;
    return true;
}

void fnDatediff(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QByteArray part = partName(argv[0]);
    qint64 a, b;
    const Got ga = argDateTime(argv[1], &a);
    const Got gb = argDateTime(argv[2], &b);
    if (ga == Got::Bad || gb == Got::Bad) {
        sqlite3_result_error(ctx, DateError, -1);
        return;
    }
    if (ga == Got::Null || gb == Got::Null) {
        sqlite3_result_null(ctx);
        return;
    }
    qint64 r;
    if (!datediff(part, a, b, &r)) {
        sqlite3_result_error(ctx, ("datediff: unknown date part " + part).constData(), -1);
        return;
    }
    sqlite3_result_int64(ctx, r);
}

void fnDatepart(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QByteArray part = partName(argv[0]);
    qint64 ms;
    switch (argDateTime(argv[1], &ms)) {
    case Got::Null: sqlite3_result_null(ctx); return;
    case Got::Bad: sqlite3_result_error(ctx, DateError, -1); return;
    case Got::Ok: break;
    }
    const Parts p = split(ms);
    qint64 r;
    if (part == "year") r = p.y;
    else if (part == "quarter") r = (p.m - 1) / 3 + 1;
    else if (part == "month") r = p.m;
    else if (part == "day") r = p.d;
    else if (part == "dayofyear") r = p.days - (daysFromCivil(p.y, 1, 1) - Day0) + 1;
    else if (part == "weekday") r = (p.days + 1) % 7 + 1 + ((p.days + 1) % 7 < 0 ? 7 : 0);
    else if (part == "week") {
        const qint64 jan1 = daysFromCivil(p.y, 1, 1) - Day0;
        r = floorDiv(p.days + 1, 7) - floorDiv(jan1 + 1, 7) + 1;
    } else if (part == "hour") r = p.h;
    else if (part == "minute") r = p.mi;
    else if (part == "second") r = p.s;
    else if (part == "millisecond") r = p.ms;
    else {
        sqlite3_result_error(ctx, ("datepart: unknown date part " + part).constData(), -1);
        return;
    }
    sqlite3_result_int64(ctx, r);
}

// The text of a date-time in one of the server's convert styles.
bool styled(qint64 ms, int style, QByteArray* out)
{
    const Parts p = split(ms);
    static const char* const mon[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QByteArray yyyy = four(p.y), yy = two(p.y % 100), mm = two(p.m), dd = two(p.d);
    const QByteArray hms = two(p.h) + ':' + two(p.mi) + ':' + two(p.s);
    switch (style) {
    case 0:
    case 100: {
        const int h12 = p.h % 12 == 0 ? 12 : p.h % 12;
        *out = QByteArray(mon[p.m - 1]) + ' ' + QByteArray::number(p.d).rightJustified(2, ' ') + ' ' + yyyy + ' '
            + QByteArray::number(h12).rightJustified(2, ' ') + ':' + two(p.mi) + (p.h < 12 ? "AM" : "PM");
        return true;
    }
    case 1: *out = mm + '/' + dd + '/' + yy; return true;
    case 101: *out = mm + '/' + dd + '/' + yyyy; return true;
    case 2: *out = yy + '.' + mm + '.' + dd; return true;
    case 102: *out = yyyy + '.' + mm + '.' + dd; return true;
    case 3: *out = dd + '/' + mm + '/' + yy; return true;
    case 103: *out = dd + '/' + mm + '/' + yyyy; return true;
    case 8:
    case 108: *out = hms; return true;
    case 11: *out = yy + '/' + mm + '/' + dd; return true;
    case 111: *out = yyyy + '/' + mm + '/' + dd; return true;
    case 12: *out = yy + mm + dd; return true;
    case 112: *out = yyyy + mm + dd; return true;
    case 14:
    case 114: *out = hms + ':' + three(p.ms); return true;
    case 20:
    case 120: *out = yyyy + '-' + mm + '-' + dd + ' ' + hms; return true;
    case 21:
    case 121:
    case 25: *out = yyyy + '-' + mm + '-' + dd + ' ' + hms + '.' + three(p.ms); return true;
    case 23: *out = yyyy + '-' + mm + '-' + dd; return true;
    case 126: *out = yyyy + '-' + mm + '-' + dd + 'T' + hms + '.' + three(p.ms); return true;
    default: return false;
    }
}

QString numberText(sqlite3_value* v)
{
    if (sqlite3_value_type(v) == SQLITE_INTEGER)
        return QString::number(sqlite3_value_int64(v));
    const double d = sqlite3_value_double(v);
    if (d == std::floor(d) && std::fabs(d) < 1e15)
        return QString::number(qint64(d));
    return QString::number(d, 'g', QLocale::FloatingPointShortest);
}

void bitOf(sqlite3_context* ctx, sqlite3_value* v)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_NULL: sqlite3_result_null(ctx); return;
    case SQLITE_INTEGER: sqlite3_result_int(ctx, sqlite3_value_int64(v) != 0); return;
    case SQLITE_FLOAT: sqlite3_result_int(ctx, sqlite3_value_double(v) != 0.0); return;
    default: {
        const QString t = argText(v).trimmed();
        if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
            sqlite3_result_int(ctx, 1);
            return;
        }
        if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
            sqlite3_result_int(ctx, 0);
            return;
        }
        bool ok = false;
        const double d = t.toDouble(&ok);
        if (!ok) {
            const QByteArray msg = "Conversion failed when converting the varchar value '" + t.toUtf8() + "' to data type bit.";
            sqlite3_result_error(ctx, msg.constData(), int(msg.size()));
            return;
        }
        sqlite3_result_int(ctx, d != 0.0);
    }
    }
}

void fnBit(sqlite3_context* ctx, int, sqlite3_value** argv) { bitOf(ctx, argv[0]); }

void moneyOf(sqlite3_context* ctx, sqlite3_value* v)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_NULL: sqlite3_result_null(ctx); return;
    case SQLITE_INTEGER: sqlite3_result_int64(ctx, sqlite3_value_int64(v)); return;
    case SQLITE_FLOAT: sqlite3_result_double(ctx, Currency::fromDouble(sqlite3_value_double(v)).toDouble()); return;
    default: {
        auto c = Currency::fromString(argText(v));
        if (!c) {
            const QByteArray msg = "Cannot convert a char value to money. The char value has incorrect syntax.";
            sqlite3_result_error(ctx, msg.constData(), int(msg.size()));
            return;
        }
        sqlite3_result_double(ctx, c->toDouble());
    }
    }
}

void fnMoney(sqlite3_context* ctx, int, sqlite3_value** argv) { moneyOf(ctx, argv[0]); }

void fnConvert(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    const QByteArray type = QByteArray(reinterpret_cast<const char*>(sqlite3_value_text(argv[0]))).toLower();
    const int width = sqlite3_value_int(argv[1]);
    sqlite3_value* v = argv[2];
    const bool hasStyle = argc > 3 && sqlite3_value_type(argv[3]) != SQLITE_NULL;
    const int style = hasStyle ? sqlite3_value_int(argv[3]) : 0;
    if (sqlite3_value_type(v) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    if (type == "varchar" || type == "nvarchar" || type == "char" || type == "nchar" || type == "text" || type == "ntext") {
        QString s;
        if (sqlite3_value_type(v) == SQLITE_TEXT) {
            s = argText(v);
            if (hasStyle) {
                // A style applies to date-times, which are stored as text.
                auto ms = parseDateTime(s.toUtf8());
                if (ms) {
                    QByteArray t;
                    if (!styled(*ms, style, &t)) {
                        const QByteArray msg = QByteArray::number(style) + " is not a valid style number when converting from datetime to a character string.";
                        sqlite3_result_error(ctx, msg.constData(), -1);
                        return;
                    }
                    s = QString::fromUtf8(t);
                }
            }
        } else if (sqlite3_value_type(v) == SQLITE_BLOB) {
            s = QString::fromUtf8(static_cast<const char*>(sqlite3_value_blob(v)), sqlite3_value_bytes(v));
        } else {
            s = numberText(v);
        }
        const bool fixedWidth = type == "char" || type == "nchar";
        const int n = width > 0 ? width : (type.contains("text") ? -1 : 30);
        if (n > 0 && s.size() > n)
            s.truncate(n);
        if (fixedWidth && n > 0 && s.size() < n)
            s = s.leftJustified(n, QLatin1Char(' '));
        resultText(ctx, s);
        return;
    }
    if (type == "datetime" || type == "smalldatetime" || type == "datetime2" || type == "date") {
        qint64 ms;
        if (argDateTime(v, &ms) != Got::Ok) {
            sqlite3_result_error(ctx, DateError, -1);
            return;
        }
        if (type == "date") {
            QByteArray t;
            styled(ms, 23, &t);
            resultText(ctx, t);
        } else {
            resultText(ctx, formatDateTime(ms));
        }
        return;
    }
    if (type == "int" || type == "bigint" || type == "smallint" || type == "tinyint") {
        if (sqlite3_value_type(v) == SQLITE_INTEGER) {
            sqlite3_result_int64(ctx, sqlite3_value_int64(v));
            return;
        }
        if (sqlite3_value_type(v) == SQLITE_FLOAT) {
            sqlite3_result_int64(ctx, qint64(std::trunc(sqlite3_value_double(v))));
            return;
        }
        const QString raw = argText(v);
        const QString t = raw.trimmed();
        if (t.isEmpty()) {
            sqlite3_result_int(ctx, 0);  // the server reads '' as 0
            return;
        }
        bool ok = false;
        const qint64 i = t.toLongLong(&ok);
        if (!ok) {
            const QByteArray msg = "Conversion failed when converting the varchar value '" + raw.toUtf8() + "' to data type " + type + ".";
            sqlite3_result_error(ctx, msg.constData(), int(msg.size()));
            return;
        }
        sqlite3_result_int64(ctx, i);
        return;
    }
    if (type == "bit") {
        bitOf(ctx, v);
        return;
    }
    if (type == "money" || type == "smallmoney") {
        moneyOf(ctx, v);
        return;
    }
    if (type == "float" || type == "real" || type == "decimal" || type == "numeric") {
        if (sqlite3_value_type(v) == SQLITE_TEXT) {
            bool ok = false;
            const double d = argText(v).trimmed().toDouble(&ok);
            if (!ok) {
                sqlite3_result_error(ctx, "Error converting data type varchar to numeric.", -1);
                return;
            }
            sqlite3_result_double(ctx, d);
        } else {
            sqlite3_result_value(ctx, v);
        }
        return;
    }
    const QByteArray msg = "convert: type " + type + " is not supported";
    sqlite3_result_error(ctx, msg.constData(), int(msg.size()));
}

// ---- text functions --------------------------------------------------------

void fnLen(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    sqlite3_value* v = argv[0];
    if (sqlite3_value_type(v) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    QString s = sqlite3_value_type(v) == SQLITE_TEXT ? argText(v) : numberText(v);
    int n = int(s.size());
    while (n > 0 && s.at(n - 1) == QLatin1Char(' '))
        --n;
    // Characters, not UTF-16 units.
    sqlite3_result_int(ctx, int(QStringView(s).left(n).toUcs4().size()));
}

void fnDatalength(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    sqlite3_value* v = argv[0];
    switch (sqlite3_value_type(v)) {
    case SQLITE_NULL: sqlite3_result_null(ctx); return;
    case SQLITE_TEXT:
        sqlite3_result_int64(ctx, qint64(gbk::byteLength(reinterpret_cast<const char*>(sqlite3_value_text(v)), size_t(sqlite3_value_bytes(v)))));
        return;
    case SQLITE_BLOB: sqlite3_result_int(ctx, sqlite3_value_bytes(v)); return;
    case SQLITE_INTEGER: sqlite3_result_int(ctx, 4); return;
    default: sqlite3_result_int(ctx, 8); return;
    }
}

QString textOf(sqlite3_value* v)
{
    return sqlite3_value_type(v) == SQLITE_TEXT ? argText(v) : numberText(v);
}

void fnSubstring(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    for (int i = 0; i < 3; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
            sqlite3_result_null(ctx);
            return;
        }
    const QList<uint> s = textOf(argv[0]).toUcs4();
    const qint64 start = sqlite3_value_int64(argv[1]);
    const qint64 len = sqlite3_value_int64(argv[2]);
    if (len < 0) {
        sqlite3_result_error(ctx, "Invalid length parameter passed to the substring function.", -1);
        return;
    }
    // Characters start..start+len-1 (1-based) that exist.
    const qint64 from = std::max<qint64>(start, 1);
    const qint64 to = std::min<qint64>(start + len, qint64(s.size()) + 1);
    QString out;
    for (qint64 i = from; i < to; ++i)
        out += QString::fromUcs4(reinterpret_cast<const char32_t*>(&s[i - 1]), 1);
    resultText(ctx, out);
}

void leftRight(sqlite3_context* ctx, sqlite3_value** argv, bool left)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const qint64 n = sqlite3_value_int64(argv[1]);
    if (n < 0) {
        sqlite3_result_error(ctx, left ? "Invalid length parameter passed to the left function."
                                       : "Invalid length parameter passed to the right function.", -1);
        return;
    }
    const QList<uint> s = textOf(argv[0]).toUcs4();
    const qint64 k = std::min<qint64>(n, s.size());
    const uint* p = s.constData() + (left ? 0 : s.size() - k);
    resultText(ctx, QString::fromUcs4(reinterpret_cast<const char32_t*>(p), k));
}

void fnLeft(sqlite3_context* ctx, int, sqlite3_value** argv) { leftRight(ctx, argv, true); }
void fnRight(sqlite3_context* ctx, int, sqlite3_value** argv) { leftRight(ctx, argv, false); }

void fnCharindex(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString find = textOf(argv[0]);
    const QString s = textOf(argv[1]);
    qint64 start = argc > 2 ? sqlite3_value_int64(argv[2]) : 1;
    if (start < 1)
        start = 1;
    if (find.isEmpty()) {
        sqlite3_result_int(ctx, 0);
        return;
    }
    const qsizetype at = s.indexOf(find, start - 1, Qt::CaseInsensitive);
    sqlite3_result_int64(ctx, at < 0 ? 0 : qint64(at) + 1);
}

// tj_width(value, n, chars, table, column): the declared width of a varchar
// (GBK bytes) or nvarchar (characters) column; refuses longer text.
void fnWidth(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    sqlite3_value* v = argv[0];
    const int type = sqlite3_value_type(v);
    if (type == SQLITE_NULL) {
        sqlite3_result_int(ctx, 1);
        return;
    }
    const qint64 n = sqlite3_value_int64(argv[1]);
    const bool chars = sqlite3_value_int(argv[2]) != 0;
    const char* t = reinterpret_cast<const char*>(sqlite3_value_text(v));
    const size_t bytes = size_t(sqlite3_value_bytes(v));
    // UTF-8 never takes fewer bytes than GBK or characters, so short text passes at once.
    if (qint64(bytes) <= n) {
        sqlite3_result_int(ctx, 1);
        return;
    }
    qint64 len;
    if (chars) {
        len = 0;
        for (size_t i = 0; i < bytes; ++i)
            if ((static_cast<unsigned char>(t[i]) & 0xC0) != 0x80)
                ++len;
    } else {
        len = qint64(gbk::byteLength(t, bytes));
    }
    if (len <= n) {
        sqlite3_result_int(ctx, 1);
        return;
    }
    const QByteArray msg = QByteArray("String or binary data would be truncated in table '")
        + reinterpret_cast<const char*>(sqlite3_value_text(argv[3])) + "', column '"
        + reinterpret_cast<const char*>(sqlite3_value_text(argv[4])) + "'.";
    sqlite3_result_error(ctx, msg.constData(), int(msg.size()));
}

// '+' as the server evaluates it: null wins, text joins text, a number with
// text converts the text to a number, numbers add.
void fnPlus(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const int ta = sqlite3_value_type(argv[0]), tb = sqlite3_value_type(argv[1]);
    if (ta == SQLITE_NULL || tb == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const bool textA = ta == SQLITE_TEXT || ta == SQLITE_BLOB, textB = tb == SQLITE_TEXT || tb == SQLITE_BLOB;
    if (textA && textB) {
        QByteArray s(reinterpret_cast<const char*>(sqlite3_value_text(argv[0])), sqlite3_value_bytes(argv[0]));
        s.append(reinterpret_cast<const char*>(sqlite3_value_text(argv[1])), sqlite3_value_bytes(argv[1]));
        resultText(ctx, s);
        return;
    }
    auto number = [&](sqlite3_value* v, int type, qint64* i, double* d) -> int {
        if (type == SQLITE_INTEGER) {
            *i = sqlite3_value_int64(v);
            return SQLITE_INTEGER;
        }
        if (type == SQLITE_FLOAT) {
            *d = sqlite3_value_double(v);
            return SQLITE_FLOAT;
        }
        const QString t = argText(v).trimmed();
        bool ok = false;
        *i = t.toLongLong(&ok);
        if (ok)
            return SQLITE_INTEGER;
        *d = t.toDouble(&ok);
        return ok ? SQLITE_FLOAT : 0;
    };
    qint64 ia = 0, ib = 0;
    double da = 0, db = 0;
    const int ka = number(argv[0], ta, &ia, &da), kb = number(argv[1], tb, &ib, &db);
    if (!ka || !kb) {
        const QByteArray msg = "Conversion failed when converting the varchar value '" + argText(ka ? argv[1] : argv[0]).toUtf8()
            + "' to data type int.";
        sqlite3_result_error(ctx, msg.constData(), int(msg.size()));
        return;
    }
    if (ka == SQLITE_INTEGER && kb == SQLITE_INTEGER) {
        qint64 r;
        if (!__builtin_add_overflow(ia, ib, &r)) {
            sqlite3_result_int64(ctx, r);
            return;
        }
        sqlite3_result_error(ctx, "Arithmetic overflow error converting expression to data type int.", -1);
        return;
    }
    sqlite3_result_double(ctx, (ka == SQLITE_INTEGER ? double(ia) : da) + (kb == SQLITE_INTEGER ? double(ib) : db));
}

// Date-time columns compare by value, so '2024-01-06' equals the stored
// '2024-01-06 00:00:00.000' as on the server; other text compares as is.
int collateDateTime(void*, int alen, const void* a, int blen, const void* b)
{
    if (alen == blen && alen == 23)
        return std::memcmp(a, b, size_t(alen)) < 0 ? -1 : std::memcmp(a, b, size_t(alen)) > 0 ? 1 : 0;
    const auto x = parseDateTime(QByteArray::fromRawData(static_cast<const char*>(a), alen));
    const auto y = parseDateTime(QByteArray::fromRawData(static_cast<const char*>(b), blen));
    if (x && y)
        return *x < *y ? -1 : *x > *y ? 1 : 0;
    if (x || y)
        return x ? -1 : 1;  // dates sort before other text
    const int r = std::memcmp(a, b, size_t(std::min(alen, blen)));
    return r ? (r < 0 ? -1 : 1) : (alen < blen ? -1 : alen > blen ? 1 : 0);
}

void fnScopeIdentity(sqlite3_context* ctx, int, sqlite3_value**)
{
    const auto* v = static_cast<const Value*>(sqlite3_user_data(ctx));
    if (!v || v->isNull())
        sqlite3_result_null(ctx);
    else
        sqlite3_result_int64(ctx, v->toInteger());
}

// ---- collation and like ----------------------------------------------------

inline char32_t fold(char32_t c, bool caseSensitive)
{
    if (c >= 0xFF01 && c <= 0xFF5E)
        c -= 0xFEE0;  // full-width forms compare as their ASCII originals
    else if (c == 0x3000)
        c = 0x20;
    if (!caseSensitive && c >= 'a' && c <= 'z')
        c -= 32;
    return c;
}

inline quint32 sortKey(char32_t c)
{
    if (c < 0x80)
        return c;
    const quint16 g = gbk::code(c);
    return g ? g : 0x10000 + c;
}

int collate(void* cs, int alen, const void* a, int blen, const void* b)
{
    return compareText(static_cast<const char*>(a), alen, static_cast<const char*>(b), blen, cs != nullptr);
}

std::u32string foldedText(sqlite3_value* v)
{
    const auto* p = reinterpret_cast<const unsigned char*>(sqlite3_value_text(v));
    const auto* end = p + sqlite3_value_bytes(v);
    std::u32string s;
    s.reserve(size_t(end - p));
    while (p < end)
        s.push_back(fold(gbk::next(p, end), false));
    return s;
}

// LIKE with % _ [set] [^set] and an optional escape character, compared as
// the collation compares (case- and width-insensitive).
bool likeMatch(const char32_t* p, const char32_t* pe, const char32_t* s, const char32_t* se, char32_t esc)
{
    while (p < pe) {
        char32_t c = *p;
        if (c == esc && p + 1 < pe) {
            if (s >= se || *s != p[1])
                return false;
            p += 2;
            ++s;
            continue;
        }
        if (c == U'%') {
            while (p < pe && *p == U'%')
                ++p;
            if (p == pe)
                return true;
            for (; s <= se; ++s)
                if (likeMatch(p, pe, s, se, esc))
                    return true;
            return false;
        }
        if (s >= se)
            return false;
        if (c == U'_') {
            ++p;
            ++s;
            continue;
        }
        if (c == U'[') {
            const char32_t* q = p + 1;
            bool negate = false;
            if (q < pe && *q == U'^') {
                negate = true;
                ++q;
            }
            const char32_t* close = q;
            while (close < pe && *close != U']')
                ++close;
            if (close < pe) {
                bool in = false;
                for (const char32_t* r = q; r < close; ++r) {
                    if (r + 2 < close && r[1] == U'-') {
                        if (*s >= r[0] && *s <= r[2])
                            in = true;
                        r += 2;
                    } else if (*r == *s) {
                        in = true;
                    }
                }
                if (in == negate)
                    return false;
                p = close + 1;
                ++s;
                continue;
            }
        }
        if (c != *s)
            return false;
        ++p;
        ++s;
    }
    return s == se;
}

void fnLike(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    char32_t esc = 0xFFFFFFFF;
    if (argc > 2 && sqlite3_value_type(argv[2]) != SQLITE_NULL) {
        const std::u32string e = foldedText(argv[2]);
        if (e.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        esc = e[0];
    }
    const std::u32string pat = foldedText(argv[0]);
    const std::u32string str = foldedText(argv[1]);
    sqlite3_result_int(ctx, likeMatch(pat.data(), pat.data() + pat.size(), str.data(), str.data() + str.size(), esc));
}

// ---- exact sum -------------------------------------------------------------

struct SumState {
    qint64 count;
    qint64 intSum;
    i128 raw;  // ten-thousandths
    qint64 reals;
    bool overflow;
};

void addToSum(SumState* st, sqlite3_value* v, int sign)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_NULL: return;
    case SQLITE_INTEGER: {
        const qint64 i = sqlite3_value_int64(v);
        if (__builtin_add_overflow(st->intSum, sign * i, &st->intSum))
            st->overflow = true;
        st->raw += i128(i) * Currency::Scale * sign;
        break;
    }
    case SQLITE_FLOAT:
        st->raw += i128(Currency::fromDouble(sqlite3_value_double(v)).raw()) * sign;
        st->reals += sign;
        break;
    default: {
        const QString t = argText(v).trimmed();
        bool ok = false;
        const qint64 i = t.toLongLong(&ok);
        if (ok) {
            if (__builtin_add_overflow(st->intSum, sign * i, &st->intSum))
                st->overflow = true;
            st->raw += i128(i) * Currency::Scale * sign;
        } else {
            st->raw += i128(Currency::fromString(t).value_or(Currency()).raw()) * sign;
            st->reals += sign;
        }
    }
    }
    st->count += sign;
}

void sumStep(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    auto* st = static_cast<SumState*>(sqlite3_aggregate_context(ctx, sizeof(SumState)));
    if (st)
        addToSum(st, argv[0], 1);
}

void sumInverse(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    auto* st = static_cast<SumState*>(sqlite3_aggregate_context(ctx, sizeof(SumState)));
    if (st)
        addToSum(st, argv[0], -1);
}

void sumResult(sqlite3_context* ctx, SumState* st)
{
    if (!st || st->count == 0) {
        sqlite3_result_null(ctx);
        return;
    }
    if (st->reals > 0) {
        sqlite3_result_double(ctx, double(st->raw) / double(Currency::Scale));
        return;
    }
    if (st->overflow) {
        sqlite3_result_error(ctx, "integer overflow", -1);
        return;
    }
    sqlite3_result_int64(ctx, st->intSum);
}

void sumValue(sqlite3_context* ctx)
{
    sumResult(ctx, static_cast<SumState*>(sqlite3_aggregate_context(ctx, 0)));
}

void sumFinal(sqlite3_context* ctx)
{
    sumResult(ctx, static_cast<SumState*>(sqlite3_aggregate_context(ctx, 0)));
}

}  // namespace

int compareText(const char* a, int alen, const char* b, int blen, bool caseSensitive)
{
    while (alen > 0 && a[alen - 1] == ' ')
        --alen;
    while (blen > 0 && b[blen - 1] == ' ')
        --blen;
    const auto* p = reinterpret_cast<const unsigned char*>(a);
    const auto* pe = p + alen;
    const auto* q = reinterpret_cast<const unsigned char*>(b);
    const auto* qe = q + blen;
    while (p < pe && q < qe) {
        if (*p < 0x80 && *q < 0x80) {
            unsigned char x = *p++, y = *q++;
            if (!caseSensitive) {
                if (x >= 'a' && x <= 'z')
                    x -= 32;
                if (y >= 'a' && y <= 'z')
                    y -= 32;
            }
            if (x != y)
                return x < y ? -1 : 1;
            continue;
        }
        const quint32 x = sortKey(fold(gbk::next(p, pe), caseSensitive));
        const quint32 y = sortKey(fold(gbk::next(q, qe), caseSensitive));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (p < pe)
        return 1;
    if (q < qe)
        return -1;
    return 0;
}

std::optional<qint64> parseDateTime(const QByteArray& text)
{
    const char* s = text.constData();
    int n = int(text.size());
    while (n > 0 && s[0] == ' ') {
        ++s;
        --n;
    }
    while (n > 0 && s[n - 1] == ' ')
        --n;
    int i = 0;
    auto num = [&](int maxDigits, int* out) {
        int v = 0, k = 0;
        while (i < n && k < maxDigits && s[i] >= '0' && s[i] <= '9') {
            v = v * 10 + (s[i] - '0');
            ++i;
            ++k;
        }
        *out = v;
        return k;
    };
    int y = 1900, m = 1, d = 1, h = 0, mi = 0, se = 0, ms = 0;
    const bool timeOnly = n >= 3 && (s[1] == ':' || s[2] == ':');
    if (!timeOnly) {
        int k = num(8, &y);
        if (k == 8 && (i == n || s[i] == ' ' || s[i] == 'T')) {
            d = y % 100;
            m = (y / 100) % 100;
            y /= 10000;
        } else {
            if (k != 4 || i >= n || (s[i] != '-' && s[i] != '/' && s[i] != '.'))
                return std::nullopt;
            const char sep = s[i++];
            if (num(2, &m) == 0 || i >= n || s[i] != sep)
                return std::nullopt;
            ++i;
            if (num(2, &d) == 0)
                return std::nullopt;
        }
        if (i < n) {
            if (s[i] != ' ' && s[i] != 'T')
                return std::nullopt;
            while (i < n && (s[i] == ' ' || s[i] == 'T'))
                ++i;
        }
    }
    if (i < n) {
        if (num(2, &h) == 0 || i >= n || s[i] != ':')
            return std::nullopt;
        ++i;
        if (num(2, &mi) == 0)
            return std::nullopt;
        if (i < n && s[i] == ':') {
            ++i;
            if (num(2, &se) == 0)
                return std::nullopt;
            if (i < n && (s[i] == '.' || s[i] == ':')) {
                ++i;
                int frac = 0, k = 0;
                while (i < n && s[i] >= '0' && s[i] <= '9') {
                    if (k < 3) {
                        frac = frac * 10 + (s[i] - '0');
                        ++k;
                    }
                    ++i;
                }
                if (k == 0)
                    return std::nullopt;
                while (k++ < 3)
                    frac *= 10;
                ms = frac;
            }
        }
        if (i < n && (s[i] == 'A' || s[i] == 'a' || s[i] == 'P' || s[i] == 'p')) {
            const bool pm = s[i] == 'P' || s[i] == 'p';
            i += (i + 1 < n && (s[i + 1] == 'M' || s[i + 1] == 'm')) ? 2 : 1;
            if (h < 1 || h > 12)
                return std::nullopt;
            h = h % 12 + (pm ? 12 : 0);
        }
        if (i != n)
            return std::nullopt;
    }
    if (m < 1 || m > 12 || d < 1 || y < 1 || y > 9999 || d > daysInMonth(y, m) || h > 23 || mi > 59 || se > 59)
        return std::nullopt;
    return compose(y, m, d, qint64(h) * 3600000 + qint64(mi) * 60000 + qint64(se) * 1000 + ms);
}

QByteArray formatDateTime(qint64 ms)
{
    const Parts p = split(ms);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d.%03d", p.y, p.m, p.d, p.h, p.mi, p.s, p.ms);
    return QByteArray(buf);
}

QByteArray now()
{
    timeval tv;
    gettimeofday(&tv, nullptr);
    tm lt;
    const time_t secs = tv.tv_sec;
    localtime_r(&secs, &lt);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d.%03d", lt.tm_year + 1900, lt.tm_mon + 1, lt.tm_mday,
                  lt.tm_hour, lt.tm_min, lt.tm_sec, int(tv.tv_usec / 1000));
    return QByteArray(buf);
}

void registerAll(sqlite3* db, const Value* scopeIdentity)
{
    const int det = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    const int vol = SQLITE_UTF8 | SQLITE_INNOCUOUS;
    struct Fn {
        const char* name;
        int args;
        int flags;
        void (*fn)(sqlite3_context*, int, sqlite3_value**);
    };
    const Fn fns[] = {
        {"tj_getdate", 0, vol, fnGetdate},
        {"tj_datetime", 1, det, fnDatetime},
        {"tj_dateadd", 3, det, fnDateadd},
        {"tj_datediff", 3, det, fnDatediff},
        {"tj_datepart", 2, det, fnDatepart},
        {"tj_convert", 3, det, fnConvert},
        {"tj_convert", 4, det, fnConvert},
        {"tj_bit", 1, det, fnBit},
        {"tj_money", 1, det, fnMoney},
        {"tj_len", 1, det, fnLen},
        {"tj_datalength", 1, det, fnDatalength},
        {"tj_substring", 3, det, fnSubstring},
        {"tj_left", 2, det, fnLeft},
        {"tj_right", 2, det, fnRight},
        {"tj_charindex", 2, det, fnCharindex},
        {"tj_charindex", 3, det, fnCharindex},
        {"tj_width", 5, det, fnWidth},
        {"tj_plus", 2, det, fnPlus},
        {"like", 2, det, fnLike},
        {"like", 3, det, fnLike},
    };
    for (const Fn& f : fns)
        sqlite3_create_function_v2(db, f.name, f.args, f.flags, nullptr, f.fn, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "tj_scope_identity", 0, SQLITE_UTF8, const_cast<Value*>(scopeIdentity),
                               fnScopeIdentity, nullptr, nullptr, nullptr);
    sqlite3_create_window_function(db, "sum", 1, det, nullptr, sumStep, sumFinal, sumValue, sumInverse, nullptr);
    sqlite3_create_collation_v2(db, "Chinese_PRC_CI_AS", SQLITE_UTF8, nullptr, collate, nullptr);
    sqlite3_create_collation_v2(db, "tj_datetime", SQLITE_UTF8, nullptr, collateDateTime, nullptr);
    static int cs = 1;
    sqlite3_create_collation_v2(db, "Chinese_PRC_CS_AS", SQLITE_UTF8, &cs, collate, nullptr);
}

}  // namespace tj::db::sqlfn
