// Conversions: convert(type, value, style), the bit and money shapes of
// stored values, and '+' as the server evaluates it.
#include "platform/db/SqliteFunctionsInternal.h"

#include "platform/db/Currency.h"

#include <QLocale>
#include <cmath>

namespace tj::db::sqlfn {

namespace {

void bitOf(sqlite3_context* ctx, sqlite3_value* v)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_NULL: sqlite3_result_null(ctx); return;
    case SQLITE_INTEGER: sqlite3_result_int(ctx, sqlite3_value_int64(v) != 0); return;
    case SQLITE_FLOAT: sqlite3_result_int(ctx, sqlite3_value_double(v) != 0.0); return;
    default: {
        const QString t = argText(v).trimmed();
        if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
            sqlite3_result_int(ctx, 1);
            return;
        }
        if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
            sqlite3_result_int(ctx, 0);
            return;
        }
        bool ok = false;
        const double d = t.toDouble(&ok);
        if (!ok) {
            const QByteArray msg = "Conversion failed when converting the varchar value '" + t.toUtf8() + "' to data type bit.";
            sqlite3_result_error(ctx, msg.constData(), int(msg.size()));
            return;
        }
        sqlite3_result_int(ctx, d != 0.0);
    }
    }
}


void moneyOf(sqlite3_context* ctx, sqlite3_value* v)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_NULL: sqlite3_result_null(ctx); return;
    case SQLITE_INTEGER: sqlite3_result_int64(ctx, sqlite3_value_int64(v)); return;
    case SQLITE_FLOAT: sqlite3_result_double(ctx, Currency::fromDouble(sqlite3_value_double(v)).toDouble()); return;
    default: {
        auto c = Currency::fromString(argText(v));
        if (!c) {
            const QByteArray msg = "Cannot convert a char value to money. The char value has incorrect syntax.";
            sqlite3_result_error(ctx, msg.constData(), int(msg.size()));
            return;
        }
        sqlite3_result_double(ctx, c->toDouble());
    }
    }
}

}  // namespace

void fnBit(sqlite3_context* ctx, int, sqlite3_value** argv) { bitOf(ctx, argv[0]); }

void fnMoney(sqlite3_context* ctx, int, sqlite3_value** argv) { moneyOf(ctx, argv[0]); }

void fnConvert(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    const QByteArray type = QByteArray(reinterpret_cast<const char*>(sqlite3_value_text(argv[0]))).toLower();
    const int width = sqlite3_value_int(argv[1]);
    sqlite3_value* v = argv[2];
    const bool hasStyle = argc > 3 && sqlite3_value_type(argv[3]) != SQLITE_NULL;
    const int style = hasStyle ? sqlite3_value_int(argv[3]) : 0;
    if (sqlite3_value_type(v) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    if (type == "varchar" || type == "nvarchar" || type == "char" || type == "nchar" || type == "text" || type == "ntext") {
        QString s;
        if (sqlite3_value_type(v) == SQLITE_TEXT) {
            s = argText(v);
            if (hasStyle) {
                // A style applies to date-times, which are stored as text.
                auto ms = parseDateTime(s.toUtf8());
                if (ms) {
                    QByteArray t;
                    if (!styled(*ms, style, &t)) {
                        const QByteArray msg = QByteArray::number(style) + " is not a valid style number when converting from datetime to a character string.";
                        sqlite3_result_error(ctx, msg.constData(), -1);
                        return;
                    }
                    s = QString::fromUtf8(t);
                }
            }
        } else if (sqlite3_value_type(v) == SQLITE_BLOB) {
            s = QString::fromUtf8(static_cast<const char*>(sqlite3_value_blob(v)), sqlite3_value_bytes(v));
        } else {
            s = numberText(v);
        }
        const bool fixedWidth = type == "char" || type == "nchar";
        const int n = width > 0 ? width : (type.contains("text") ? -1 : 30);
        if (n > 0 && s.size() > n)
            s.truncate(n);
        if (fixedWidth && n > 0 && s.size() < n)
            s = s.leftJustified(n, QLatin1Char(' '));
        resultText(ctx, s);
        return;
    }
    if (type == "datetime" || type == "smalldatetime" || type == "datetime2" || type == "date") {
        qint64 ms;
        if (argDateTime(v, &ms) != Got::Ok) {
            sqlite3_result_error(ctx, DateError, -1);
            return;
        }
        if (type == "date") {
            QByteArray t;
            styled(ms, 23, &t);
            resultText(ctx, t);
        } else {
            resultText(ctx, formatDateTime(ms));
        }
        return;
    }
    if (type == "int" || type == "bigint" || type == "smallint" || type == "tinyint") {
        if (sqlite3_value_type(v) == SQLITE_INTEGER) {
            sqlite3_result_int64(ctx, sqlite3_value_int64(v));
            return;
        }
        if (sqlite3_value_type(v) == SQLITE_FLOAT) {
            sqlite3_result_int64(ctx, qint64(std::trunc(sqlite3_value_double(v))));
            return;
        }
        const QString raw = argText(v);
        const QString t = raw.trimmed();
        if (t.isEmpty()) {
            sqlite3_result_int(ctx, 0);  // the server reads '' as 0
            return;
        }
        bool ok = false;
        const qint64 i = t.toLongLong(&ok);
        if (!ok) {
            const QByteArray msg = "Conversion failed when converting the varchar value '" + raw.toUtf8() + "' to data type " + type + ".";
            sqlite3_result_error(ctx, msg.constData(), int(msg.size()));
            return;
        }
        sqlite3_result_int64(ctx, i);
        return;
    }
    if (type == "bit") {
        bitOf(ctx, v);
        return;
    }
    if (type == "money" || type == "smallmoney") {
        moneyOf(ctx, v);
        return;
    }
    if (type == "float" || type == "real" || type == "decimal" || type == "numeric") {
        if (sqlite3_value_type(v) == SQLITE_TEXT) {
            bool ok = false;
            const double d = argText(v).trimmed().toDouble(&ok);
            if (!ok) {
                sqlite3_result_error(ctx, "Error converting data type varchar to numeric.", -1);
                return;
            }
            sqlite3_result_double(ctx, d);
        } else {
            sqlite3_result_value(ctx, v);
        }
        return;
    }
    const QByteArray msg = "convert: type " + type + " is not supported";
    sqlite3_result_error(ctx, msg.constData(), int(msg.size()));
}

// text converts the text to a number, numbers add.
void fnPlus(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const int ta = sqlite3_value_type(argv[0]), tb = sqlite3_value_type(argv[1]);
    if (ta == SQLITE_NULL || tb == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const bool textA = ta == SQLITE_TEXT || ta == SQLITE_BLOB, textB = tb == SQLITE_TEXT || tb == SQLITE_BLOB;
    if (textA && textB) {
        QByteArray s(reinterpret_cast<const char*>(sqlite3_value_text(argv[0])), sqlite3_value_bytes(argv[0]));
        s.append(reinterpret_cast<const char*>(sqlite3_value_text(argv[1])), sqlite3_value_bytes(argv[1]));
        resultText(ctx, s);
        return;
    }
    auto number = [&](sqlite3_value* v, int type, qint64* i, double* d) -> int {
        if (type == SQLITE_INTEGER) {
            *i = sqlite3_value_int64(v);
            return SQLITE_INTEGER;
        }
        if (type == SQLITE_FLOAT) {
            *d = sqlite3_value_double(v);
            return SQLITE_FLOAT;
        }
        const QString t = argText(v).trimmed();
        bool ok = false;
        *i = t.toLongLong(&ok);
        if (ok)
            return SQLITE_INTEGER;
        *d = t.toDouble(&ok);
        return ok ? SQLITE_FLOAT : 0;
    };
    qint64 ia = 0, ib = 0;
    double da = 0, db = 0;
    const int ka = number(argv[0], ta, &ia, &da), kb = number(argv[1], tb, &ib, &db);
    if (!ka || !kb) {
        const QByteArray msg = "Conversion failed when converting the varchar value '" + argText(ka ? argv[1] : argv[0]).toUtf8()
            + "' to data type int.";
        sqlite3_result_error(ctx, msg.constData(), int(msg.size()));
        return;
    }
    if (ka == SQLITE_INTEGER && kb == SQLITE_INTEGER) {
        qint64 r;
        if (!__builtin_add_overflow(ia, ib, &r)) {
            sqlite3_result_int64(ctx, r);
            return;
        }
        sqlite3_result_error(ctx, "Arithmetic overflow error converting expression to data type int.", -1);
        return;
    }
    sqlite3_result_double(ctx, (ka == SQLITE_INTEGER ? double(ia) : da) + (kb == SQLITE_INTEGER ? double(ib) : db));
}

// Date-time columns compare by value, so '2024-01-06' equals the stored

}  // namespace tj::db::sqlfn
