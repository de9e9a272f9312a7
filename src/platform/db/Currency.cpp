#include "platform/db/Currency.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace tj::db {

__extension__ typedef __int128 i128;

namespace {

constexpr qint64 pow10(int n)
{
    qint64 r = 1;
    while (n-- > 0)
        r *= 10;
    return r;
}

// Rounds raw ten-thousandths to `decimals` decimals, half away from zero.
qint64 roundRaw(qint64 raw, int decimals)
{
    if (decimals >= 4)
        return raw;
    if (decimals < 0)
        decimals = 0;
    const qint64 unit = pow10(4 - decimals);
    const qint64 half = unit / 2;
    if (raw >= 0)
        return (raw + half) / unit * unit;
    return -((-raw + half) / unit * unit);
}

// A plain decimal "[+-]digits[.digits]" cut after its fourth decimal: the
// magnitude in ten-thousandths, the fifth decimal and whether any later
// digit is not 0.
struct Decimal {
    bool negative = false;
    qint64 magnitude = 0;
    int fifth = 0;
    bool restNonZero = false;

    bool exact() const { return fifth == 0 && !restNonZero; }
    qint64 rounded(Currency::Rounding r) const
    {
        bool up = fifth >= 5;
        if (r == Currency::Rounding::HalfToEven)
            up = fifth > 5 || (fifth == 5 && (restNonZero || magnitude % 2 != 0));
        const qint64 m = magnitude + (up ? 1 : 0);
        return negative ? -m : m;
    }
};

// False when the text has another shape or is out of range.
bool parseDecimal(const char* p, const char* end, Decimal* out)
{
    Decimal d;
    if (p < end && (*p == '+' || *p == '-')) {
        d.negative = *p == '-';
        ++p;
    }
    qint64 whole = 0;
    int digits = 0;
    while (p < end && *p >= '0' && *p <= '9') {
        if (whole > (std::numeric_limits<qint64>::max() / Currency::Scale - 10) / 10)
            return false;
        whole = whole * 10 + (*p - '0');
        ++p;
        ++digits;
    }
    qint64 frac = 0;
    int fracDigits = 0;
    if (p < end && *p == '.') {
        ++p;
        while (p < end && *p >= '0' && *p <= '9') {
            const int digit = *p - '0';
            if (fracDigits < 4)
                frac = frac * 10 + digit;
            else if (fracDigits == 4)
                d.fifth = digit;
            else if (digit != 0)
                d.restNonZero = true;
            ++fracDigits;
            ++digits;
            ++p;
        }
    }
    if (p != end || digits == 0)
        return false;
    for (int i = fracDigits; i < 4; ++i)
        frac *= 10;
    d.magnitude = whole * Currency::Scale + frac;
    *out = d;
    return true;
}

bool parseDecimal(const char* p, const char* end, qint64* out)
{
    Decimal d;
    if (!parseDecimal(p, end, &d))
        return false;
    *out = d.rounded(Currency::Rounding::HalfAwayFromZero);
    return true;
}

// A typed decimal: full-width forms read as ASCII, blanks around it ignored.
bool parseTyped(const QString& text, Decimal* out)
{
    const QString s = text.normalized(QString::NormalizationForm_KC).trimmed();
    for (const QChar c : s)
        if (c.unicode() >= 0x80)
            return false;
    const QByteArray t = s.toLatin1();
    return parseDecimal(t.constData(), t.constData() + t.size(), out);
}

}  // namespace

Currency Currency::fromDouble(double value)
{
    if (!std::isfinite(value))
        return Currency();
    const double scaled = value * double(Scale);
    const double nearest = std::round(scaled);
    // Values that are already (nearly) whole ten-thousandths need no decimal
    // detour; the rest are rounded on their shortest decimal text, so that
    // 1.00005 rounds up as written rather than as its binary neighbour.
    if (std::fabs(scaled - nearest) < 1e-6 || std::fabs(scaled) > 9e17)
        return fromRaw(qint64(nearest));
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    qint64 raw = 0;
    if (res.ec == std::errc() && parseDecimal(buf, res.ptr, &raw))
        return fromRaw(raw);
    return fromRaw(qint64(nearest));
}

std::optional<Currency> Currency::fromString(const QString& text)
{
    const QByteArray t = text.trimmed().toLatin1();
    if (t.isEmpty())
        return std::nullopt;
    qint64 raw = 0;
    if (parseDecimal(t.constData(), t.constData() + t.size(), &raw))
        return fromRaw(raw);
    // Exponent forms and the like.
    bool ok = false;
    const double d = QString::fromLatin1(t).toDouble(&ok);
    if (!ok || !std::isfinite(d) || std::fabs(d) > 9e14)
        return std::nullopt;
    return fromDouble(d);
}

std::optional<Currency> Currency::fromDecimalText(const QString& text, Rounding rounding)
{
    Decimal d;
    if (!parseTyped(text, &d))
        return std::nullopt;
    return fromRaw(d.rounded(rounding));
}

std::optional<Currency::Bounds> Currency::boundsOf(const QString& text)
{
    Decimal d;
    if (!parseTyped(text, &d))
        return std::nullopt;
    const qint64 up = d.magnitude + (d.exact() ? 0 : 1);
    if (d.negative)
        return Bounds{fromRaw(-up), fromRaw(-d.magnitude)};
    return Bounds{fromRaw(d.magnitude), fromRaw(up)};
}

Currency Currency::fromString(const QString& text, bool* ok)
{
    auto c = fromString(text);
    if (ok)
        *ok = c.has_value();
    return c.value_or(Currency());
}

QString Currency::toString(int decimals) const
{
    if (decimals < 0)
        decimals = 0;
    if (decimals > 4)
        decimals = 4;
    const qint64 r = roundRaw(raw_, decimals);
    const bool neg = r < 0;
    const quint64 a = neg ? quint64(-r) : quint64(r);
    QString s = QString::number(a / Scale);
    if (decimals > 0) {
        const quint64 frac = (a % Scale) / quint64(pow10(4 - decimals));
        s += QLatin1Char('.') + QString::number(frac).rightJustified(decimals, QLatin1Char('0'));
    }
    if (neg)
        s.prepend(QLatin1Char('-'));
    return s;
}

QString Currency::toPlainString() const
{
    QString s = toString(4);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

Currency Currency::rounded(int decimals) const
{
    return fromRaw(roundRaw(raw_, decimals));
}

Currency Currency::multiplied(double factor, int decimals) const
{
    // The product is formed in decimal: raw * factor, with the factor taken
    // at its shortest decimal text (0.85 is 85/100, not its binary value).
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, factor, std::chars_format::fixed);
    std::string f(buf, res.ptr);
    qint64 num = 0;
    qint64 den = 1;
    bool neg = false;
    bool exact = res.ec == std::errc();
    size_t i = 0;
    if (exact && i < f.size() && (f[i] == '-' || f[i] == '+')) {
        neg = f[i] == '-';
        ++i;
    }
    bool afterPoint = false;
    for (; exact && i < f.size(); ++i) {
        if (f[i] == '.') {
            afterPoint = true;
            continue;
        }
        if (num > std::numeric_limits<qint64>::max() / 100 || den > std::numeric_limits<qint64>::max() / 100) {
            exact = false;
            break;
        }
        num = num * 10 + (f[i] - '0');
        if (afterPoint)
            den *= 10;
    }
    if (exact) {
        // raw * num / den with 128-bit intermediate, half away from zero.
        i128 p = i128(raw_) * num;
        if (neg)
            p = -p;
        const bool pneg = p < 0;
        if (pneg)
            p = -p;
        const int d = decimals < 0 ? 0 : (decimals > 4 ? 4 : decimals);
        const i128 step = pow10(4 - d);
        const i128 unit = i128(den) * step;
        i128 q = (p + unit / 2) / unit * step;
        return fromRaw(qint64(pneg ? -q : q));
    }
    return fromDouble(toDouble() * factor).rounded(decimals);
}

}  // namespace tj::db
