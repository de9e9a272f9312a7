#include "platform/db/SqlText.h"

#include "platform/db/SqlLexer.h"

#include <cmath>
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
    // Where each conversion stands is read with the statement scanner, so a
    // quote inside a comment or a [bracketed name] does not change what
    // follows it.
    const QString f = QString::fromUtf8(fmt);
    std::vector<sql::Lexeme> lexemes;
    {
        sql::Lexer lexer(f);
        sql::Lexeme l;
        while (lexer.next(l))
            lexemes.push_back(l);
    }
    std::size_t at = 0;  // the lexeme holding position i
    auto lexemeAt = [&](int i) -> const sql::Lexeme& {
        while (at + 1 < lexemes.size() && lexemes[at].end <= i)
            ++at;
        return lexemes[at];
    };

    QString out;
    const int n = int(f.size());
    out.reserve(n + 32 * int(args.size()));
    std::size_t next = 0;
    int chunk = 0;  // start of the literal text not yet copied
    for (int i = 0; i < n; ++i) {
        if (f[i] != QLatin1Char('%'))
            continue;
        out += QStringView(f).mid(chunk, i - chunk);
        int j = i + 1;
        if (j < n && f[j] == QLatin1Char('%')) {
            out += QLatin1Char('%');
            chunk = i = j;
            ++chunk;
            continue;
        }
        const sql::Lexeme& where = lexemeAt(i);
        if (where.kind == sql::Lexeme::Comment)
            fail(fmt, "a conversion inside a comment");
        int precision = -1;
        if (j < n && f[j] == QLatin1Char('.')) {
            ++j;
            precision = 0;
            while (j < n && f[j] >= QLatin1Char('0') && f[j] <= QLatin1Char('9'))
                precision = precision * 10 + (f[j++].unicode() - '0');
            if (precision > 15)
                fail(fmt, "precision too large");
        }
        while (j < n && f[j] == QLatin1Char('l'))
            ++j;
        if (j >= n)
            fail(fmt, "a '%' at the end of the format");
        const char conv = char(f[j].unicode());
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
            if (const auto* s = std::get_if<QString>(&a.v)) {
                if (where.kind == sql::Lexeme::String) {
                    out += escaped(*s);
                } else if (where.kind == sql::Lexeme::Name) {
                    // Inside a quoted name its closing mark is doubled.
                    const QChar open = f[where.begin];
                    const QChar close = open == QLatin1Char('[') ? QLatin1Char(']') : open;
                    QString name = *s;
                    out += name.replace(close, QString(2, close));
                } else {
                    out += *s;
                }
            } else if (const auto* v = std::get_if<qint64>(&a.v)) {
                out += QString::number(*v);
            } else {
                fail(fmt, "argument " + std::to_string(next) + " of %s is not text");
            }
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
    out += QStringView(f).mid(chunk);
    if (next != args.size())
        fail(fmt, "more arguments than conversions");
    return out;
}

}  // namespace tj::db
