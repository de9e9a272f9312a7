#include "platform/db/Value.h"

#include <cmath>

namespace tj::db {

namespace {

bool digitsAt(const QString& s, int pos, int n, int* out)
{
    if (pos + n > s.size())
        return false;
    int v = 0;
    for (int i = 0; i < n; ++i) {
        const QChar c = s.at(pos + i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        v = v * 10 + (c.unicode() - '0');
    }
    *out = v;
    return true;
}

QString realText(double d)
{
    if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 1e15)
        return QString::number(qint64(d));
    // Fifteen significant digits, as the old data-set fields showed floats:
    // 0.1 + 0.2 reads 0.3, not 0.30000000000000004.
    return QString::number(d, 'g', 15);
}

}  // namespace

Value::Value(const QDateTime& dt)
{
    if (dt.isValid())
        v_ = dateTimeText(dt);
}

Value::Value(const QDate& d)
{
    if (d.isValid())
        v_ = d.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 00:00:00.000");
}

QString Value::dateTimeText(const QDateTime& dt)
{
    return dt.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
}

qint64 Value::toInteger() const
{
    switch (type()) {
    case Type::Null: return 0;
    case Type::Integer: return std::get<qint64>(v_);
    case Type::Real: {
        const double d = std::get<double>(v_);
        return std::isfinite(d) ? qint64(std::llround(d)) : 0;
    }
    case Type::Text: {
        const QString t = std::get<QString>(v_).trimmed();
        bool ok = false;
        const qint64 i = t.toLongLong(&ok);
        if (ok)
            return i;
        const double d = t.toDouble(&ok);
        return ok && std::isfinite(d) ? qint64(std::llround(d)) : 0;
    }
    case Type::Blob: return 0;
    }
    return 0;
}

double Value::toDouble() const
{
    switch (type()) {
    case Type::Integer: return double(std::get<qint64>(v_));
    case Type::Real: return std::get<double>(v_);
    case Type::Text: return std::get<QString>(v_).trimmed().toDouble();
    default: return 0.0;
    }
}

QString Value::toString() const
{
    switch (type()) {
    case Type::Null: return QString();
    case Type::Integer: return QString::number(std::get<qint64>(v_));
    case Type::Real: return realText(std::get<double>(v_));
    case Type::Text: return std::get<QString>(v_);
    case Type::Blob: return QString::fromUtf8(std::get<QByteArray>(v_));
    }
    return QString();
}

QByteArray Value::toBlob() const
{
    switch (type()) {
    case Type::Blob: return std::get<QByteArray>(v_);
    case Type::Null: return QByteArray();
    default: return toString().toUtf8();
    }
}

Currency Value::toCurrency() const
{
    switch (type()) {
    case Type::Integer: return Currency::fromInteger(std::get<qint64>(v_));
    case Type::Real: return Currency::fromDouble(std::get<double>(v_));
    case Type::Text: return Currency::fromString(std::get<QString>(v_)).value_or(Currency());
    default: return Currency();
    }
}

QDateTime Value::toDateTime() const
{
    if (type() != Type::Text)
        return QDateTime();
    const QString s = std::get<QString>(v_).trimmed();
    int y, mo, d;
    if (!digitsAt(s, 0, 4, &y) || s.size() < 10)
        return QDateTime();
    const QChar sep = s.at(4);
    if ((sep != QLatin1Char('-') && sep != QLatin1Char('/')) || s.at(7) != sep)
        return QDateTime();
    if (!digitsAt(s, 5, 2, &mo) || !digitsAt(s, 8, 2, &d))
        return QDateTime();
    const QDate date(y, mo, d);
    if (!date.isValid())
        return QDateTime();
    int h = 0, mi = 0, se = 0, ms = 0;
    if (s.size() > 10) {
        const QChar t = s.at(10);
        if (t != QLatin1Char(' ') && t != QLatin1Char('T'))
            return QDateTime();
        if (!digitsAt(s, 11, 2, &h) || s.size() < 16 || s.at(13) != QLatin1Char(':') || !digitsAt(s, 14, 2, &mi))
            return QDateTime();
        if (s.size() > 16) {
            if (s.at(16) != QLatin1Char(':') || !digitsAt(s, 17, 2, &se))
                return QDateTime();
            if (s.size() > 19) {
                if (s.at(19) != QLatin1Char('.'))
                    return QDateTime();
                int n = 0;
                int frac = 0;
                for (int i = 20; i < s.size(); ++i) {
                    const QChar c = s.at(i);
                    if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                        return QDateTime();
                    if (n < 3) {
                        frac = frac * 10 + (c.unicode() - '0');
                        ++n;
                    }
                }
                while (n < 3) {
                    frac *= 10;
                    ++n;
                }
                ms = frac;
            }
        }
    }
    const QTime time(h, mi, se, ms);
    if (!time.isValid())
        return QDateTime();
    return QDateTime(date, time);
}

bool Value::toBool() const
{
    switch (type()) {
    case Type::Integer: return std::get<qint64>(v_) != 0;
    case Type::Real: return std::get<double>(v_) != 0.0;
    case Type::Text: {
        const QString t = std::get<QString>(v_).trimmed();
        if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        bool ok = false;
        const double d = t.toDouble(&ok);
        return ok && d != 0.0;
    }
    default: return false;
    }
}

}  // namespace tj::db
