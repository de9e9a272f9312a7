// What kind of error a database reported, and the text a Chinese SQL Server
// shows for it.
#include "platform/db/ChineseMessage.h"

#include <QRegularExpression>
#include <sqlite3.h>


namespace tj::db {

using Kind = SqlError::Kind;

SqlError::Kind SqlError::kindOfOdbc(const QString& sqlState, int nativeError)
{
    struct Native {
        int number;
        Kind kind;
    };
    static const Native natives[] = {
        {2627, Kind::Constraint},  {2601, Kind::Constraint},  {547, Kind::Constraint},   {515, Kind::Constraint},
        {245, Kind::Conversion},   {8114, Kind::Conversion},  {241, Kind::Conversion},   {242, Kind::Conversion},
        {235, Kind::Conversion},   {8115, Kind::Conversion},  {220, Kind::Conversion},   {232, Kind::Conversion},
        {248, Kind::Conversion},   {8169, Kind::Conversion},  {8152, Kind::Truncation},  {2628, Kind::Truncation},
        {1205, Kind::Busy},        {1222, Kind::Busy},        {20003, Kind::Timeout},    {-2, Kind::Timeout},
    };
    for (const Native& n : natives)
        if (n.number == nativeError)
            return n.kind;
    const QString s = sqlState.toUpper();
    if (s.startsWith(QLatin1String("08")))
        return Kind::ConnectionLost;
    if (s == QLatin1String("HYT00") || s == QLatin1String("HYT01") || s == QLatin1String("S1T00"))
        return Kind::Timeout;
    if (s.startsWith(QLatin1String("23")))
        return Kind::Constraint;
    if (s == QLatin1String("22001"))
        return Kind::Truncation;
    if (s.startsWith(QLatin1String("22")))
        return Kind::Conversion;
    if (s == QLatin1String("40001"))
        return Kind::Busy;
    return Kind::Other;
}

SqlError::Kind SqlError::kindOfSqlite(int extendedResultCode, const QString& message)
{
    switch (extendedResultCode & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Kind::Busy;
    case SQLITE_CONSTRAINT:
        return Kind::Constraint;
    case SQLITE_CANTOPEN:
    case SQLITE_IOERR:
    case SQLITE_NOTADB:
        return Kind::ConnectionLost;
    case SQLITE_INTERRUPT:
        return Kind::Timeout;
    case SQLITE_MISMATCH:
        return Kind::Conversion;
    case SQLITE_TOOBIG:
        return Kind::Truncation;
    default:
        break;
    }
    // The dialect's functions refuse values with SQL Server's own texts.
    if (message.startsWith(QLatin1String("String or binary data would be truncated")))
        return Kind::Truncation;
    static const char* const conversions[] = {"Conversion failed when converting", "Cannot convert a char value to money",
                                              "Error converting data type", "Arithmetic overflow error"};
    for (const char* c : conversions)
        if (message.startsWith(QLatin1String(c)))
            return Kind::Conversion;
    return Kind::Other;
}

namespace {

// The server's own text: ODBC puts "[SQLSTATE] [driver][SQL Server]" before
// each record; only the first record (the error itself) is kept.
QString serverText(const QString& message)
{
    QString t = message.section(QLatin1Char('\n'), 0, 0).trimmed();
    static const QRegularExpression prefix(QStringLiteral("^(\\[[^\\]]*\\]\\s*)+"));
    t.remove(prefix);
    return t.trimmed();
}

bool hasChinese(const QString& s)
{
    for (const QChar c : s)
        if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF)
            return true;
    return false;
}

struct Pattern {
    const char* regex;   // SQL Server's or SQLite's English text
    const char* chinese; // %1.. are the captured parts
};

// Known texts of both backends and the words a Chinese SQL Server uses for them.
const Pattern patterns[] = {
    {"^String or binary data would be truncated in table '([^']*)', column '([^']*)'", "将截断字符串或二进制数据。（列：%2）"},
    {"^String or binary data would be truncated", "将截断字符串或二进制数据。"},
    {"^Conversion failed when converting the (\\w+) value '(.*)' to data type (\\w+)\\.", "将 %1 值 '%2' 转换成数据类型 %3 时失败。"},
    {"^Conversion failed when converting date and/or time from character string", "从字符串转换日期和/或时间时，转换失败。"},
    {"^Cannot convert a char value to money", "不能将 char 值转换为 money。该 char 值的语法有误。"},
    {"^Error converting data type (\\w+) to (\\w+)", "从数据类型 %1 转换为 %2 时出错。"},
    {"^Arithmetic overflow error converting (\\w+) to data type (\\w+)", "将 %1 转换为数据类型 %2 时出现算术溢出错误。"},
    {"^Violation of (PRIMARY KEY|UNIQUE KEY) constraint '([^']*)'\\. Cannot insert duplicate key in object '([^']*)'\\."
     "(?: The duplicate key value is \\((.*)\\)\\.)?",
     "违反了 %1 约束“%2”。不能在对象“%3”中插入重复键。重复键值为 (%4)。"},
    {"^Cannot insert duplicate key row in object '([^']*)' with unique index '([^']*)'\\."
     "(?: The duplicate key value is \\((.*)\\)\\.)?",
     "不能在具有唯一索引“%2”的对象“%1”中插入重复键的行。重复键值为 (%3)。"},
    {"^Cannot insert the value NULL into column '([^']*)', table '([^']*)'; column does not allow nulls\\. (\\w+) fails",
     "不能将值 NULL 插入列 '%1'，表 '%2'；列不允许有 Null 值。%3 失败。"},
    {"^The (\\w+) statement conflicted with the ([A-Z ]+) constraint \"([^\"]*)\"", "%1 语句与 %2 约束\"%3\"冲突。"},
    {"^UNIQUE constraint failed: ([^.,\\s]+)\\.(.*)$", "违反了 UNIQUE KEY 约束。不能在对象“%1”中插入重复键。（列：%2）"},
    {"^NOT NULL constraint failed: ([^.\\s]+)\\.(.*)$", "不能将值 NULL 插入列 '%2'，表 '%1'；列不允许有 Null 值。"},
    {"^CHECK constraint failed", "语句与 CHECK 约束冲突。"},
    {"^FOREIGN KEY constraint failed", "语句与 FOREIGN KEY 约束冲突。"},
    {"^Invalid object name '([^']*)'", "对象名 '%1' 无效。"},
    {"^no such table: (.*)$", "对象名 '%1' 无效。"},
    {"^Invalid column name '([^']*)'", "列名 '%1' 无效。"},
    {"^no such column: (.*)$", "列名 '%1' 无效。"},
    {"^Incorrect syntax near '(.*)'\\.", "'%1' 附近有语法错误。"},
    {"^near \"(.*)\": syntax error", "'%1' 附近有语法错误。"},
    {"^Unclosed quotation mark after the character string '(.*)'\\.", "字符串 '%1' 后的引号不完整。"},
    {"^Missing end comment mark", "缺少注释结束标记 '*/'。"},
    {"^The COMMIT TRANSACTION request has no corresponding BEGIN TRANSACTION", "COMMIT TRANSACTION 请求没有对应的 BEGIN TRANSACTION。"},
    {"^The ROLLBACK TRANSACTION request has no corresponding BEGIN TRANSACTION", "ROLLBACK TRANSACTION 请求没有对应的 BEGIN TRANSACTION。"},
    {"^T-SQL construct not supported by the embedded database: (.*)$", "内置数据库不支持此 T-SQL 语句：%1"},
    {"^Row cannot be located for updating", "无法定位要更新的行，某些值可能已在上次读取后被修改。"},
    {"^Field '([^']*)' not found", "找不到字段 '%1'。"},
};

QString fromPattern(const QString& text)
{
    for (const Pattern& p : patterns) {
        const QRegularExpression re(QString::fromUtf8(p.regex), QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpressionMatch m = re.match(text);
        if (!m.hasMatch())
            continue;
        // %N takes the N-th captured part, in one pass (a part may itself hold "%1").
        const QString pattern = QString::fromUtf8(p.chinese);
        QString out;
        for (int i = 0; i < pattern.size(); ++i) {
            if (pattern[i] == QLatin1Char('%') && i + 1 < pattern.size() && pattern[i + 1].isDigit()) {
                out += m.captured(pattern[i + 1].digitValue());
                ++i;
            } else {
                out += pattern[i];
            }
        }
        // A duplicate key value the server did not name leaves no empty brackets.
        out.remove(QStringLiteral("重复键值为 ()。"));
        return out;
    }
    return QString();
}

}  // namespace

QString ChineseMessage(const SqlError& e)
{
    const QString text = serverText(e.message());
    const QString known = fromPattern(text);
    if (!known.isEmpty())
        return known;
    if (hasChinese(text))
        return text;  // a Chinese server's own words, or a message of this program
    switch (e.kind()) {
    case Kind::ConnectionLost: return QStringLiteral("数据库连接失败：与数据库的连接已断开或无法建立。");
    case Kind::Timeout: return QStringLiteral("查询超时已过期。");
    case Kind::Busy: return QStringLiteral("数据库正忙（其他工作站正在写入），请稍后重试。");
    case Kind::Constraint: return QStringLiteral("违反了数据库约束，数据未保存。");
    case Kind::Conversion: return QStringLiteral("数据类型转换失败。");
    case Kind::Truncation: return QStringLiteral("将截断字符串或二进制数据。");
    case Kind::Other: break;
    }
    return text.isEmpty() ? e.message() : text;
}

QString ChineseMessage(const std::exception& e)
{
    if (const auto* s = dynamic_cast<const SqlError*>(&e))
        return ChineseMessage(*s);
    return QString::fromUtf8(e.what());
}

}  // namespace tj::db
