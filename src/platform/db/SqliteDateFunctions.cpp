// Date functions: getdate, dateadd, datediff, datepart, the stored text shape
// of date-times and the date-time collation.
#include "platform/db/SqliteFunctionsInternal.h"

#include <cmath>
#include <cstring>
#include <mutex>
#include <ctime>
#include <sys/time.h>

namespace tj::db::sqlfn {

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

}  // namespace

const char* const DateError = "Conversion failed when converting date and/or time from character string.";

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

namespace {

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

}  // namespace

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

// '2024-01-06 00:00:00.000' as on the server; other text compares as is.
namespace {
// "yyyy-mm-dd hh:mm:ss" (19) or with ".zzz" (23), fields in range: such texts
// order as their characters do.
bool isPlainDateTime(const char* s, int n)
{
    if (n != 19 && n != 23)
        return false;
    for (int i = 0; i < n; ++i) {
        const char c = s[i];
        const bool digit = c >= '0' && c <= '9';
        switch (i) {
        case 4: case 7: if (c != '-') return false; break;
        case 10: if (c != ' ') return false; break;
        case 13: case 16: if (c != ':') return false; break;
        case 19: if (c != '.') return false; break;
        default: if (!digit) return false;
        }
    }
    const auto two = [s](int at) { return (s[at] - '0') * 10 + (s[at + 1] - '0'); };
    const int year = (s[0] - '0') * 1000 + (s[1] - '0') * 100 + two(2), month = two(5), day = two(8);
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1)
        return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (day > days[month - 1] + (month == 2 && leap ? 1 : 0))
        return false;
    return two(11) < 24 && two(14) < 60 && two(17) < 60;
}
}  // namespace

int collateDateTime(void*, int alen, const void* a, int blen, const void* b)
{
    if (alen == blen && alen == 23)
        return std::memcmp(a, b, size_t(alen)) < 0 ? -1 : std::memcmp(a, b, size_t(alen)) > 0 ? 1 : 0;
    // A stored time against a statement's 'yyyy-mm-dd hh:mm:ss' (the day
    // ranges of every query): the first 19 characters decide, then the
    // milliseconds, which the shorter form has as 000.
    const auto* ca = static_cast<const char*>(a);
    const auto* cb = static_cast<const char*>(b);
    if (isPlainDateTime(ca, alen) && isPlainDateTime(cb, blen)) {
        if (const int r = std::memcmp(ca, cb, 19))
            return r < 0 ? -1 : 1;
        const auto ms = [](const char* s, int n) { return n == 23 ? (s[20] - '0') * 100 + (s[21] - '0') * 10 + (s[22] - '0') : 0; };
        const int ma = ms(ca, alen), mb = ms(cb, blen);
        return ma < mb ? -1 : ma > mb ? 1 : 0;
    }
    const auto x = parseDateTime(QByteArray::fromRawData(static_cast<const char*>(a), alen));
    const auto y = parseDateTime(QByteArray::fromRawData(static_cast<const char*>(b), blen));
    if (x && y)
        return *x < *y ? -1 : *x > *y ? 1 : 0;
    if (x || y)
        return x ? -1 : 1;  // dates sort before other text
    const int r = std::memcmp(a, b, size_t(std::min(alen, blen)));
    return r ? (r < 0 ? -1 : 1) : (alen < blen ? -1 : alen > blen ? 1 : 0);
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

namespace {
std::mutex fixedNowMutex;
QByteArray fixedNow;
}  // namespace

void setFixedNow(const QByteArray& stored)
{
    std::lock_guard<std::mutex> lock(fixedNowMutex);
    fixedNow = stored;
}

QByteArray now()
{
    {
        std::lock_guard<std::mutex> lock(fixedNowMutex);
        if (!fixedNow.isEmpty())
            return fixedNow;
    }
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

}  // namespace tj::db::sqlfn
