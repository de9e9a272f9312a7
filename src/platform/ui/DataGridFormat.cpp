#include "platform/ui/DataGridFormat.h"

#include "platform/db/GbkText.h"

#include <QRegularExpression>

namespace tj::ui::grid {


bool isNumber(const db::Value& v)
{
    return v.type() == db::Value::Type::Integer || v.type() == db::Value::Type::Real;
}

int compareText(const QString& a, const QString& b)
{
    const QByteArray ua = a.toUtf8(), ub = b.toUtf8();
    auto pa = reinterpret_cast<const unsigned char*>(ua.constData());
    auto pb = reinterpret_cast<const unsigned char*>(ub.constData());
    const auto ea = pa + ua.size(), eb = pb + ub.size();
    while (pa < ea && pb < eb) {
        char32_t ca = db::gbk::next(pa, ea), cb = db::gbk::next(pb, eb);
        if (ca < 0x80) ca = char32_t(std::tolower(int(ca)));
        if (cb < 0x80) cb = char32_t(std::tolower(int(cb)));
        if (ca == cb)
            continue;
        const quint16 ga = db::gbk::code(ca), gb = db::gbk::code(cb);
        if (ga && gb && ga != gb)
            return ga < gb ? -1 : 1;
        return ca < cb ? -1 : 1;
    }
    // Trailing blanks do not count.
    auto restBlank = [](const unsigned char* p, const unsigned char* e) {
        for (; p < e; ++p)
            if (*p != ' ')
                return false;
        return true;
    };
    const bool aRest = restBlank(pa, ea), bRest = restBlank(pb, eb);
    if (aRest && bRest)
        return 0;
    return aRest ? -1 : 1;
}

int compareValues(const db::Value& a, const db::Value& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull() ? 0 : (a.isNull() ? -1 : 1);
    if (isNumber(a) && isNumber(b)) {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    return compareText(a.toString(), b.toString());
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
