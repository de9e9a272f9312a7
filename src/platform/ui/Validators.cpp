#include "platform/ui/Validators.h"

#include "platform/db/GbkText.h"

namespace tj::ui {

int GbkBytes(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return int(db::gbk::byteLength(utf8.constData(), std::size_t(utf8.size())));
}

QValidator::State GbkLengthValidator::validate(QString& input, int&) const
{
    return GbkBytes(input) <= max_ ? Acceptable : Invalid;
}

QValidator::State NumberValidator::validate(QString& input, int&) const
{
    const QString t = input.trimmed();
    if (t.isEmpty() || t == QLatin1String("-") || t == QLatin1String("+"))
        return t.isEmpty() ? Acceptable : Intermediate;
    int i = (t[0] == QLatin1Char('-') || t[0] == QLatin1Char('+')) ? 1 : 0;
    int digits = 0, fraction = -1;
    for (; i < t.size(); ++i) {
        const QChar ch = t[i];
        if (ch.isDigit() && ch.unicode() < 128) {
            ++digits;
            if (fraction >= 0)
                ++fraction;
        } else if (ch == QLatin1Char('.') && fraction < 0 && decimals_ > 0) {
            fraction = 0;
        } else {
            return Invalid;
        }
    }
    if (fraction > decimals_ || digits > 18)
        return Invalid;
    return digits > 0 ? Acceptable : Intermediate;
}

bool IsIntegerColumn(const QString& type)
{
    return type == QLatin1String("int") || type == QLatin1String("bigint") || type == QLatin1String("smallint")
           || type == QLatin1String("tinyint") || type == QLatin1String("bit");
}

bool IsNumberColumn(const QString& type)
{
    return IsIntegerColumn(type) || type == QLatin1String("money") || type == QLatin1String("smallmoney")
           || type == QLatin1String("decimal") || type == QLatin1String("numeric") || type == QLatin1String("float")
           || type == QLatin1String("real");
}

QValidator* ValidatorFor(const db::ColumnInfo& column, QObject* parent)
{
    const QString type = column.type.toLower();
    if (IsIntegerColumn(type))
        return new NumberValidator(0, parent);
    if (type == QLatin1String("money") || type == QLatin1String("smallmoney"))
        return new NumberValidator(4, parent);
    if (IsNumberColumn(type))
        return new NumberValidator(8, parent);
    if ((type == QLatin1String("varchar") || type == QLatin1String("char")) && column.width > 0)
        return new GbkLengthValidator(column.width, parent);
    return nullptr;
}

}  // namespace tj::ui
