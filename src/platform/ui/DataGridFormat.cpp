#include "platform/ui/DataGridFormat.h"


#include <QRegularExpression>

namespace tj::ui::grid {


bool isNumber(const db::Value& v)
{
    return v.type() == db::Value::Type::Integer || v.type() == db::Value::Type::Real;
}

QString formatNumber(const QString& format, const db::Value& v)
{
    if (format == QLatin1String("0"))
        return QString::number(qint64(v.toCurrency().rounded(0).toDouble()));
    if (format.contains(QLatin1String("%d"))) {
        QString f = format;
        f.replace(QLatin1String("%d"), QLatin1String("%lld"));
        return QString::asprintf(f.toUtf8().constData(), static_cast<long long>(v.toInteger()));
    }
    // "%.Nf" rounds half away from zero as money does.
    static const QRegularExpression fixed(QStringLiteral("^(.*)%\\.([0-4])f(.*)$"));
    const auto m = fixed.match(format);
    if (m.hasMatch())
        return m.captured(1) + v.toCurrency().toString(m.captured(2).toInt()) + m.captured(3);
    return QString::asprintf(format.toUtf8().constData(), v.toDouble());
}

QString formatCount(const QString& format, qint64 n)
{
    if (format.isEmpty() || format == QLatin1String("0"))
        return QString::number(n);
    QString f = format;
    f.replace(QLatin1String("%d"), QLatin1String("%lld"));
    return QString::asprintf(f.toUtf8().constData(), static_cast<long long>(n));
}

}  // namespace tj::ui::grid
