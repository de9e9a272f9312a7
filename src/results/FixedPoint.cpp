#include "results/FixedPoint.h"

namespace tj::results {

namespace {

// A plain decimal cut after its fourth decimal: the magnitude in
// ten-thousandths, the fifth decimal and whether any later digit is not 0.
struct Decimal {
    bool negative = false;
    qint64 magnitude = 0;
    int fifth = 0;
    bool restNonZero = false;
    bool exact() const { return fifth == 0 && !restNonZero; }
};

std::optional<Decimal> parseDecimal(const QString& text)
{
    const QString s = text.normalized(QString::NormalizationForm_KC).trimmed();
    int i = 0;
    const int n = int(s.size());
    Decimal d;
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) {
        d.negative = s[i] == QLatin1Char('-');
        ++i;
    }
    // Integer part; more than 14 digits would not fit with four decimals.
    qint64 whole = 0;
    int digits = 0;
    int wholeDigits = 0;
    while (i < n && s[i] >= QLatin1Char('0') && s[i] <= QLatin1Char('9')) {
        whole = whole * 10 + (s[i].unicode() - '0');
        if (whole != 0 && ++wholeDigits > 14)
            return std::nullopt;
        ++digits;
        ++i;
    }
    qint64 frac = 0;  // first four fractional digits
    int fracDigits = 0;
    if (i < n && s[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && s[i] >= QLatin1Char('0') && s[i] <= QLatin1Char('9')) {
            const int digit = s[i].unicode() - '0';
            if (fracDigits < 4)
                frac = frac * 10 + digit;
            else if (fracDigits == 4)
                d.fifth = digit;
            else if (digit != 0)
                d.restNonZero = true;
            ++fracDigits;
            ++digits;
            ++i;
        }
    }
    if (i != n || digits == 0)
        return std::nullopt;
    for (int k = fracDigits; k < 4; ++k)
        frac *= 10;
    d.magnitude = whole * 10000 + frac;
    return d;
}

}  // namespace

std::optional<qint64> ToFixed4(const QString& text)
{
    const auto d = parseDecimal(text);
    if (!d)
        return std::nullopt;
    qint64 value = d->magnitude;
    if (d->fifth > 5 || (d->fifth == 5 && (d->restNonZero || (value % 2) != 0)))
        ++value;
    return d->negative ? -value : value;
}

std::optional<ScaledBounds> ToScaledBounds(const QString& text)
{
    const auto d = parseDecimal(text);
    if (!d)
        return std::nullopt;
    const qint64 up = d->magnitude + (d->exact() ? 0 : 1);
    if (d->negative)
        return ScaledBounds{-up, -d->magnitude};
    return ScaledBounds{d->magnitude, up};
}

QString Fixed4ToString(qint64 value, int decimals)
{
    decimals = qBound(0, decimals, 4);
    qint64 unit = 1;
    for (int k = decimals; k < 4; ++k)
        unit *= 10;
    const bool negative = value < 0;
    quint64 a = negative ? quint64(-(value + 1)) + 1 : quint64(value);
    a = (a + quint64(unit / 2)) / quint64(unit);  // half away from zero
    quint64 scale = 1;
    for (int k = 0; k < decimals; ++k)
        scale *= 10;
    QString out = QString::number(a / scale);
    if (decimals > 0)
        out += QLatin1Char('.') + QString::number(a % scale).rightJustified(decimals, QLatin1Char('0'));
    if (negative && a != 0)
        out.prepend(QLatin1Char('-'));
    return out;
}

}  // namespace tj::results
