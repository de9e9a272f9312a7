// printf-style formatting of SQL statements with typed arguments.
//
//   SqlText::format("select * from t where xm='%s' and id=%d", name, id)
//
// Conversions: %d / %i (integers, bool), %s (QString, const char* as UTF-8,
// QByteArray as UTF-8, integers), %f and %.Nf (double or Currency; Currency
// is rounded half away from zero), %% for a percent sign. A %s that stands
// between single quotes of the format has the single quotes of its value
// doubled, so typed text is stored as typed and never changes the statement;
// a %s inside a [bracketed] name has its ']' doubled; a %s elsewhere is
// inserted as is (for SQL fragments such as "where %s order by id").
// Quotes are told apart as the database reads them: a quote inside a
// comment or a bracketed name opens no string, and a conversion inside a
// comment is refused. A wrong argument count or an argument that does
// not fit its conversion throws std::logic_error: a statement is never
// produced silently from a mismatch.
#pragma once

#include "platform/db/Currency.h"

#include <QByteArray>
#include <QString>
#include <type_traits>
#include <variant>
#include <vector>

namespace tj::db {

class SqlText {
public:
    struct Arg {
        // Integer, double, Currency, text.
        std::variant<qint64, double, Currency, QString> v;
        Arg(bool b) : v(qint64(b ? 1 : 0)) {}
        Arg(int i) : v(qint64(i)) {}
        Arg(unsigned i) : v(qint64(i)) {}
        Arg(long i) : v(qint64(i)) {}
        Arg(long long i) : v(qint64(i)) {}
        Arg(unsigned long i) : v(qint64(i)) {}
        Arg(unsigned long long i) : v(qint64(i)) {}
        Arg(double d) : v(d) {}
        Arg(Currency c) : v(c) {}
        Arg(const QString& s) : v(s) {}
        Arg(const char* s) : v(QString::fromUtf8(s)) {}
        Arg(const QByteArray& s) : v(QString::fromUtf8(s)) {}
    };

    template <typename... Args>
    static QString format(const char* fmt, Args&&... args)
    {
        std::vector<Arg> list;
        list.reserve(sizeof...(Args));
        (list.emplace_back(std::forward<Args>(args)), ...);
        return formatList(fmt, list);
    }

    // The same with a prepared argument list.
    static QString formatList(const char* fmt, const std::vector<Arg>& args);

    // 'text' with single quotes doubled.
    static QString quoted(const QString& text);
    // text with single quotes doubled, without surrounding quotes.
    static QString escaped(const QString& text);
};

}  // namespace tj::db
