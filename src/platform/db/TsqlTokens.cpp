// T-SQL tokens on the shared scanner, their SQLite text, and the small
// tests on tokens that the other parts of the translation share.
#include "platform/db/TsqlInternal.h"

#include "platform/db/SqlLexer.h"

namespace tj::db::tsql {

void unsupported(const QString& what)
{
    throw SqlError(QStringLiteral("T-SQL construct not supported by the embedded database: %1").arg(what));
}

Tokens tokenize(const QString& s)
{
    Tokens out;
    sql::Lexer lexer(s);
    sql::Lexeme l;
    while (lexer.next(l)) {
        Token t;
        switch (l.kind) {
        case sql::Lexeme::Space:
            continue;
        case sql::Lexeme::Comment:
            if (!l.closed)
                throw SqlError(QStringLiteral("Missing end comment mark '*/'."));
            continue;
        case sql::Lexeme::String:
            t.kind = Token::String;
            t.text = sql::stringValue(s, l);
            if (!l.closed)
                throw SqlError(QStringLiteral("Unclosed quotation mark after the character string '%1'.").arg(t.text));
            break;
        case sql::Lexeme::Name:
            t.kind = Token::QIdent;
            t.text = sql::nameValue(s, l);
            if (!l.closed)
                throw SqlError(QStringLiteral("Unclosed quoted name '%1'.").arg(t.text));
            break;
        case sql::Lexeme::Binary:
            t.kind = Token::Blob;
            t.text = l.text(s).mid(2).toString();
            if (t.text.size() % 2)
                t.text.prepend(QLatin1Char('0'));
            break;
        case sql::Lexeme::Number:
            t.kind = Token::Number;
            break;
        case sql::Lexeme::Parameter:
            // A numbered parameter ?N standing for a literal of the statement.
            t.kind = Token::Param;
            break;
        case sql::Lexeme::Variable:
            t.kind = Token::Var;
            break;
        case sql::Lexeme::Word:
            t.kind = Token::Word;
            break;
        case sql::Lexeme::Punct:
            t.kind = Token::Punct;
            break;
        }
        if (t.text.isEmpty() && t.kind != Token::String && t.kind != Token::QIdent)
            t.text = l.text(s).toString();
        out.push_back(std::move(t));
    }
    return out;
}

QString quoteName(const QString& name)
{
    QString n = name;
    n.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + n + QLatin1Char('"');
}

QString quoteString(const QString& v)
{
    QString s = v;
    s.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + s + QLatin1Char('\'');
}

static bool needsQuoting(const QString& w)
{
    for (QChar c : w)
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != QLatin1Char('_'))
            return true;
    return false;
}

QString render(const Tokens& ts, int from, int to)
{
    if (to < 0)
        to = int(ts.size());
    QString out;
    for (int i = from; i < to; ++i) {
        const Token& t = ts[i];
        if (!out.isEmpty() && !(t.kind == Token::Punct && (t.text == QLatin1String(",") || t.text == QLatin1String(")")))
            && !out.endsWith(QLatin1Char('(')) && !out.endsWith(QLatin1Char('.')) && !(t.isPunct(".")))
            out += QLatin1Char(' ');
        switch (t.kind) {
        case Token::Word:
            out += needsQuoting(t.text) ? quoteName(t.text) : t.text;
            break;
        case Token::QIdent:
            out += quoteName(t.text);
            break;
        case Token::String:
            out += quoteString(t.text);
            if (t.collate)
                out += QLatin1String(" COLLATE ") + QLatin1String(TsqlDialect::Collation);
            break;
        case Token::Blob:
            out += QLatin1String("X'") + t.text + QLatin1Char('\'');
            break;
        case Token::Param:
            out += t.text;
            if (t.collate)
                out += QLatin1String(" COLLATE ") + QLatin1String(TsqlDialect::Collation);
            break;
        default:
            out += t.text;
        }
    }
    return out;
}

// Index of the token closing the parenthesis opened at `open`; -1 if none.
int matchParen(const Tokens& ts, int open)
{
    int depth = 0;
    for (int i = open; i < int(ts.size()); ++i) {
        if (ts[i].isPunct("("))
            ++depth;
        else if (ts[i].isPunct(")")) {
            if (--depth == 0)
                return i;
        }
    }
    return -1;
}

// Collapses qualified table names: "dbo.t", "[dbo].[t]", "tempdb.dbo.#t",
// "tempdb..#t" and "db.dbo.t" become the last part.
void collapseQualifiedNames(Tokens& ts)
{
    Tokens out;
    out.reserve(ts.size());
    for (int i = 0; i < int(ts.size()); ++i) {
        const Token& t = ts[i];
        if (t.isName() && i + 1 < int(ts.size()) && ts[i + 1].isPunct(".")) {
            const QString low = t.text.toLower();
            if (low == QLatin1String("dbo") || low == QLatin1String("tempdb")) {
                // Skip "x ." and a following ". " (the empty schema of db..t).
                int j = i + 2;
                if (j < int(ts.size()) && ts[j].isPunct("."))
                    ++j;
                if (j < int(ts.size()) && ts[j].isName()) {
                    if (low == QLatin1String("tempdb") && ts[j].text.compare(QLatin1String("dbo"), Qt::CaseInsensitive) == 0
                        && j + 1 < int(ts.size()) && ts[j + 1].isPunct("."))
                        j += 2;
                    i = j - 1;
                    continue;
                }
            }
        }
        out.push_back(t);
    }
    ts.swap(out);
}


// Splits the tokens between `from` and `to` at top-level commas.
std::vector<std::pair<int, int>> splitCommas(const Tokens& ts, int from, int to)
{
    std::vector<std::pair<int, int>> parts;
    int depth = 0;
    int start = from;
    for (int i = from; i < to; ++i) {
        if (ts[i].isPunct("("))
            ++depth;
        else if (ts[i].isPunct(")"))
            --depth;
        else if (depth == 0 && ts[i].isPunct(",")) {
            parts.push_back({start, i});
            start = i + 1;
        }
    }
    if (start < to)
        parts.push_back({start, to});
    return parts;
}

bool isCompareOp(const Token& t)
{
    static const char* const ops[] = {"=", "==", "<>", "!=", "<", ">", "<=", ">=", "!<", "!>"};
    if (t.kind != Token::Punct)
        return false;
    for (const char* o : ops)
        if (t.text == QLatin1String(o))
            return true;
    return false;
}

// Words that never name a column.
bool isKeyword(const Token& t)
{
    return t.isAny({"null", "end", "then", "else", "when", "and", "or", "not", "select", "where", "on",
                    "having", "case", "as", "in", "is", "like", "between", "exists", "distinct", "from",
                    "by", "set", "values", "union", "all", "top", "escape", "collate", "limit", "into",
                    "join", "inner", "left", "right", "outer", "cross", "group", "order", "asc", "desc",
                    "any", "some", "update", "delete", "insert"});
}

bool isPlainName(const Token& t)
{
    return t.kind == Token::QIdent || (t.kind == Token::Word && !isKeyword(t));
}

bool isArith(const Token& t)
{
    return t.kind == Token::Punct && (t.text == QLatin1String("+") || t.text == QLatin1String("-") || t.text == QLatin1String("*")
                                      || t.text == QLatin1String("/") || t.text == QLatin1String("%") || t.text == QLatin1String("||"));
}

}  // namespace tj::db::tsql
