#include "platform/db/SqlText.h"

#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

namespace tj::db {

namespace {

[[noreturn]] void fail(const char* fmt, const std::string& why)
{
    throw std::logic_error("SqlText::format(\"" + std::string(fmt) + "\"): " + why);
}

QString fixed(double d, int precision, const char* fmt)
{
    if (!std::isfinite(d))
        fail(fmt, "a number that is not finite");
    // Within money's range and precision the decimal rounding of Currency is
    // used, so 2.675 formats as 2.68 (half away from zero, as written).
    if (precision <= 4 && std::fabs(d) < 9e14)
        return Currency::fromDouble(d).toString(precision);
    return QString::number(d, 'f', precision);
}

}  // namespace

QString SqlText::escaped(const QString& text)
{
    QString s = text;
    s.replace(QLatin1Char('\''), QLatin1String("''"));
    return s;
}

QString SqlText::quoted(const QString& text)
{
    return QLatin1Char('\'') + escaped(text) + QLatin1Char('\'');
}

QString SqlText::formatList(const char* fmt, const std::vector<Arg>& args)
{
    if (!fmt)
        fail("", "no format");
    QString out;
    const std::size_t n = std::strlen(fmt);
    out.reserve(int(n) + 32 * int(args.size()));
    std::size_t next = 0;
    bool inQuote = false;
    std::size_t chunk = 0;  // start of the literal text not yet copied
    auto flush = [&](std::size_t end) {
        if (end > chunk)
            out += QString::fromUtf8(fmt + chunk, qsizetype(end - chunk));
    };
    for (std::size_t i = 0; i < n; ++i) {
        const char c = fmt[i];
        if (c == '\'') {
            inQuote = !inQuote;
            continue;
        }
        if (c != '%')
            continue;
        flush(i);
        std::size_t j = i + 1;
        if (j < n && fmt[j] == '%') {
            out += QLatin1Char('%');
            chunk = i = j;
            ++chunk;
            continue;
        }
        int precision = -1;
        if (j < n && fmt[j] == '.') {
            ++j;
            precision = 0;
            while (j < n && fmt[j] >= '0' && fmt[j] <= '9')
                precision = precision * 10 + (fmt[j++] - '0');
            if (precision > 15)
                fail(fmt, "precision too large");
        }
        while (j < n && fmt[j] == 'l')
            ++j;
        if (j >= n)
            fail(fmt, "a '%' at the end of the format");
        const char conv = fmt[j];
        if (next >= args.size())
            fail(fmt, "fewer arguments than conversions");
        const Arg& a = args[next++];
        switch (conv) {
        case 'd':
        case 'i':
        case 'u':
            if (precision >= 0)
                fail(fmt, "precision given to %d");
            if (!std::holds_alternative<qint64>(a.v))
                fail(fmt, "argument " + std::to_string(next) + " of %d is not an integer");
            out += QString::number(std::get<qint64>(a.v));
            break;
        case 's':
            if (const auto* s = std::get_if<QString>(&a.v))
                out += inQuote ? escaped(*s) : *s;
            else if (const auto* v = std::get_if<qint64>(&a.v))
                out += QString::number(*v);
            else
                fail(fmt, "argument " + std::to_string(next) + " of %s is not text");
            break;
        case 'f': {
            const int p = precision < 0 ? 6 : precision;
            if (const auto* d = std::get_if<double>(&a.v))
                out += fixed(*d, p, fmt);
            else if (const auto* c2 = std::get_if<Currency>(&a.v))
                out += p <= 4 ? c2->toString(p) : QString::number(c2->toDouble(), 'f', p);
            else if (const auto* v = std::get_if<qint64>(&a.v))
                out += fixed(double(*v), p, fmt);
            else
                fail(fmt, "argument " + std::to_string(next) + " of %f is not a number");
            break;
        }
        default:
            fail(fmt, std::string("unsupported conversion '%") + conv + "'");
        }
        i = j;
        chunk = j + 1;
    }
    flush(n);
    if (next != args.size())
        fail(fmt, "more arguments than conversions");
    return out;
}

}  // namespace tj::db
