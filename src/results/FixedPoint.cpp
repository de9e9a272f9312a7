#include "results/FixedPoint.h"

namespace tj::results {

std::optional<qint64> ToFixed4(const QString& text)
{
    const QString s = text.normalized(QString::NormalizationForm_KC).trimmed();
    int i = 0;
    const int n = int(s.size());
    bool negative = false;
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) {
        negative = s[i] == QLatin1Char('-');
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
    qint64 frac = 0;     // first four fractional digits
    int fracDigits = 0;
    int next = -1;       // fifth fractional digit
    bool restNonZero = false;
    if (i < n && s[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && s[i] >= QLatin1Char('0') && s[i] <= QLatin1Char('9')) {
            const int d = s[i].unicode() - '0';
            if (fracDigits < 4) {
                frac = frac * 10 + d;
                ++fracDigits;
            } else if (next < 0) {
                next = d;
            } else if (d != 0) {
                restNonZero = true;
            }
            ++digits;
            ++i;
        }
    }
    if (i != n || digits == 0)
        return std::nullopt;
    for (int k = fracDigits; k < 4; ++k)
        frac *= 10;
    qint64 value = whole * 10000 + frac;
    if (next > 5 || (next == 5 && (restNonZero || (value % 2) != 0)))
        ++value;
    return negative ? -value : value;
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
