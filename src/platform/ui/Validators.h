// What an editor accepts for a column: text up to the column's width in GBK
// bytes (a Chinese character takes two), whole numbers for integer columns,
// decimals for money and other number columns. The database would refuse
// the rest with an error text the operator cannot act on.
#pragma once

#include "platform/db/Connection.h"

#include <QString>
#include <QValidator>

namespace tj::ui {

// Bytes of the text in GBK, as a varchar column of the Chinese code page holds it.
int GbkBytes(const QString& text);

// Text of at most maxBytes GBK bytes.
class GbkLengthValidator : public QValidator {
public:
    GbkLengthValidator(int maxBytes, QObject* parent) : QValidator(parent), max_(maxBytes) {}
    State validate(QString& input, int& pos) const override;
    int maxBytes() const { return max_; }

private:
    int max_;
};

// A whole number or a decimal with at most `decimals` places, optionally signed;
// empty text is acceptable (it stores NULL).
class NumberValidator : public QValidator {
public:
    NumberValidator(int decimals, QObject* parent) : QValidator(parent), decimals_(decimals) {}
    State validate(QString& input, int& pos) const override;

private:
    int decimals_;
};

// The validator for an editor of the column, or nullptr when the column
// takes any text (text, image and unknown types).
QValidator* ValidatorFor(const db::ColumnInfo& column, QObject* parent);

// Whether the column holds numbers (integers, bit, money, decimals, reals).
bool IsNumberColumn(const QString& type);
bool IsIntegerColumn(const QString& type);

}  // namespace tj::ui
