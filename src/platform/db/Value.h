// One field value of a row: null, integer, real, text or blob. Conversions
// follow the old data-set fields: text "12" reads as 12, null reads as 0, ""
// or false.
#pragma once

#include "platform/db/Currency.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <variant>

namespace tj::db {

class Value {
public:
    enum class Type { Null, Integer, Real, Text, Blob };

    Value() = default;
    Value(std::nullptr_t) {}
    Value(int v) : v_(qint64(v)) {}
    Value(unsigned v) : v_(qint64(v)) {}
    Value(long v) : v_(qint64(v)) {}
    Value(long long v) : v_(qint64(v)) {}
    Value(bool v) : v_(qint64(v ? 1 : 0)) {}
    Value(double v) : v_(v) {}
    Value(const QString& v) : v_(v) {}
    Value(QString&& v) : v_(std::move(v)) {}
    Value(const char* utf8) : v_(QString::fromUtf8(utf8)) {}
    Value(const QByteArray& blob) : v_(blob) {}
    // Money is stored as a real rounded to four decimals.
    Value(Currency c) : v_(c.toDouble()) {}
    // Date-times are stored as text "yyyy-MM-dd hh:mm:ss.zzz"; an invalid
    // date-time is null.
    Value(const QDateTime& dt);
    // A date alone is stored as "yyyy-MM-dd 00:00:00.000".
    Value(const QDate& d);

    Type type() const { return Type(v_.index()); }
    bool isNull() const { return v_.index() == 0; }

    qint64 toInteger() const;
    double toDouble() const;
    QString toString() const;
    QByteArray toBlob() const;
    Currency toCurrency() const;
    // From 'yyyy-MM-dd hh:mm:ss.zzz', 'yyyy-MM-dd hh:mm:ss', 'yyyy-MM-dd'
    // (also with 'T' or '/'); invalid QDateTime when the text has no such shape.
    QDateTime toDateTime() const;
    // Integers: non-zero; text: "1", "true", "-1" (any case); null: false.
    bool toBool() const;

    // The stored text shape of a date-time.
    static QString dateTimeText(const QDateTime& dt);

    bool operator==(const Value& o) const { return v_ == o.v_; }

private:
    std::variant<std::monostate, qint64, double, QString, QByteArray> v_;
};

}  // namespace tj::db
