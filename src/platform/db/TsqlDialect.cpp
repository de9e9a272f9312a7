#include "platform/db/TsqlDialect.h"

#include <QRegularExpression>
#include <functional>

namespace tj::db {

namespace {

struct Token {
    enum Kind { Word, QIdent, String, Number, Blob, Var, Punct, Param };
    Kind kind = Punct;
    QString text;  // Word/Number/Punct/Var: as written; QIdent: the bare name; String: unescaped value
    bool collate = false;  // String: followed by the text collation when rendered

    bool is(const char* word) const
    {
        return kind == Word && text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    bool isPunct(const char* p) const { return kind == Punct && text == QLatin1String(p); }
    bool isName() const { return kind == Word || kind == QIdent; }
};

using Tokens = std::vector<Token>;

[[noreturn]] void unsupported(const QString& what)
{
    throw SqlError(QStringLiteral("T-SQL construct not supported by the embedded database: %1").arg(what));
}

bool isIdentStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_') || c == QLatin1Char('#') || c.unicode() >= 0x80;
}

bool isIdentChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('#') || c == QLatin1Char('$')
        || c.unicode() >= 0x80;
}

Tokens tokenize(const QString& s)
{
    Tokens out;
    const int n = int(s.size());
    int i = 0;
    while (i < n) {
        const QChar c = s.at(i);
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('-') && i + 1 < n && s.at(i + 1) == QLatin1Char('-')) {
            while (i < n && s.at(i) != QLatin1Char('\n'))
                ++i;
            continue;
        }
        if (c == QLatin1Char('/') && i + 1 < n && s.at(i + 1) == QLatin1Char('*')) {
            const int e = int(s.indexOf(QLatin1String("*/"), i + 2));
            if (e < 0)
                throw SqlError(QStringLiteral("Missing end comment mark '*/'."));
            i = e + 2;
            continue;
        }
        Token t;
        if ((c == QLatin1Char('N') || c == QLatin1Char('n')) && i + 1 < n && s.at(i + 1) == QLatin1Char('\'')) {
            ++i;  // N'...': the N only marks Unicode text on the server
            continue;
        }
        if (c == QLatin1Char('\'')) {
            QString v;
            ++i;
            for (;;) {
                if (i >= n)
                    throw SqlError(QStringLiteral("Unclosed quotation mark after the character string '%1'.").arg(v));
                if (s.at(i) == QLatin1Char('\'')) {
                    if (i + 1 < n && s.at(i + 1) == QLatin1Char('\'')) {
                        v += QLatin1Char('\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                v += s.at(i++);
            }
            t.kind = Token::String;
            t.text = v;
            out.push_back(std::move(t));
            continue;
        }
        if (c == QLatin1Char('[') || c == QLatin1Char('"') || c == QLatin1Char('`')) {
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            QString v;
            ++i;
            for (;;) {
                if (i >= n)
                    throw SqlError(QStringLiteral("Unclosed quoted name '%1'.").arg(v));
                if (s.at(i) == close) {
                    if (i + 1 < n && s.at(i + 1) == close) {
                        v += close;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                v += s.at(i++);
            }
            t.kind = Token::QIdent;
            t.text = v;
            out.push_back(std::move(t));
            continue;
        }
        if (c == QLatin1Char('0') && i + 1 < n && (s.at(i + 1) == QLatin1Char('x') || s.at(i + 1) == QLatin1Char('X'))) {
            int j = i + 2;
            while (j < n && QStringLiteral("0123456789abcdefABCDEF").contains(s.at(j)))
                ++j;
            t.kind = Token::Blob;
            t.text = s.mid(i + 2, j - i - 2);
            if (t.text.size() % 2)
                t.text.prepend(QLatin1Char('0'));
            out.push_back(std::move(t));
            i = j;
            continue;
        }
        if (c.isDigit() || (c == QLatin1Char('.') && i + 1 < n && s.at(i + 1).isDigit())) {
            int j = i;
            while (j < n && s.at(j).isDigit())
                ++j;
            if (j < n && s.at(j) == QLatin1Char('.')) {
                ++j;
                while (j < n && s.at(j).isDigit())
                    ++j;
            }
            if (j < n && (s.at(j) == QLatin1Char('e') || s.at(j) == QLatin1Char('E'))) {
                int k = j + 1;
                if (k < n && (s.at(k) == QLatin1Char('+') || s.at(k) == QLatin1Char('-')))
                    ++k;
                if (k < n && s.at(k).isDigit()) {
                    j = k;
                    while (j < n && s.at(j).isDigit())
                        ++j;
                }
            }
            t.kind = Token::Number;
            t.text = s.mid(i, j - i);
            out.push_back(std::move(t));
            i = j;
            continue;
        }
        if (c == QLatin1Char('?')) {
            // A numbered parameter ?N standing for a literal of the statement.
            int j = i + 1;
            while (j < n && s.at(j).isDigit())
                ++j;
            t.kind = Token::Param;
            t.text = s.mid(i, j - i);
            out.push_back(std::move(t));
            i = j;
            continue;
        }
        if (c == QLatin1Char('@')) {
            int j = i + 1;
            while (j < n && (s.at(j) == QLatin1Char('@') || isIdentChar(s.at(j))))
                ++j;
            t.kind = Token::Var;
            t.text = s.mid(i, j - i);
            out.push_back(std::move(t));
            i = j;
            continue;
        }
        if (isIdentStart(c)) {
            int j = i + 1;
            while (j < n && isIdentChar(s.at(j)))
                ++j;
            t.kind = Token::Word;
            t.text = s.mid(i, j - i);
            out.push_back(std::move(t));
            i = j;
            continue;
        }
        static const char* const two[] = {"<=", ">=", "<>", "!=", "!<", "!>", "||", "==", "<<", ">>"};
        t.kind = Token::Punct;
        t.text = QString(c);
        for (const char* op : two) {
            if (c == QLatin1Char(op[0]) && i + 1 < n && s.at(i + 1) == QLatin1Char(op[1])) {
                t.text = QLatin1String(op);
                break;
            }
        }
        i += int(t.text.size());
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

bool needsQuoting(const QString& w)
{
    for (QChar c : w)
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != QLatin1Char('_'))
            return true;
    return false;
}

QString render(const Tokens& ts, int from = 0, int to = -1)
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
    static const char* const words[] = {"null", "end", "then", "else", "when", "and", "or", "not", "select", "where", "on",
                                        "having", "case", "as", "in", "is", "like", "between", "exists", "distinct", "from",
                                        "by", "set", "values", "union", "all", "top", "escape", "collate", "limit", "into",
                                        "join", "inner", "left", "right", "outer", "cross", "group", "order", "asc", "desc",
                                        "any", "some", "update", "delete", "insert"};
    if (t.kind != Token::Word)
        return false;
    for (const char* w : words)
        if (t.is(w))
            return true;
    return false;
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

// A bare column reference ("c", "a.c", "[a].[c]") ends at j and is a whole operand.
bool columnEndsAt(const Tokens& ts, int j)
{
    const int n = int(ts.size());
    if (j < 0 || j >= n || !isPlainName(ts[j]))
        return false;
    int k = j;
    while (k >= 2 && ts[k - 1].isPunct(".") && isPlainName(ts[k - 2]))
        k -= 2;
    return !(k >= 1 && isArith(ts[k - 1]));
}

bool columnStartsAt(const Tokens& ts, int j)
{
    const int n = int(ts.size());
    if (j < 0 || j >= n || !isPlainName(ts[j]))
        return false;
    int k = j;
    while (k + 2 < n && ts[k + 1].isPunct(".") && isPlainName(ts[k + 2]))
        k += 2;
    return !(k + 1 < n && (ts[k + 1].isPunct("(") || isArith(ts[k + 1])));
}

// A text literal compared with a bare column takes the column's collation
// (text columns compare as Chinese_PRC_CI_AS, date-times by their value);
// any other literal carries the text collation itself, so that literals and
// expressions compare as the server compares them.
bool literalNeedsCollation(const Tokens& ts, int i)
{
    if (i >= 1 && isCompareOp(ts[i - 1]) && columnEndsAt(ts, i - 2))
        return false;
    if (i + 1 < int(ts.size()) && isCompareOp(ts[i + 1]) && columnStartsAt(ts, i + 2))
        return false;
    if (i >= 2 && ts[i - 1].is("between") && columnEndsAt(ts, i - 2))
        return false;
    if (i >= 4 && ts[i - 1].is("and") && (ts[i - 2].kind == Token::String || ts[i - 2].kind == Token::Param)
        && ts[i - 3].is("between") && columnEndsAt(ts, i - 4))
        return false;
    return true;
}

// ---- '+' on text ---------------------------------------------------------
// T-SQL's '+' adds numbers and joins text; SQLite's only adds. Every binary
// '+' becomes tj_plus(a, b), which does what the server does for the types
// it meets. Operands are found by precedence: a chain of '+'/'-' ends at
// commas, comparisons and keywords.

bool isChainDelimiter(const Token& t)
{
    if (t.kind == Token::Punct)
        return t.text == QLatin1String(",") || t.text == QLatin1String(";") || isCompareOp(t);
    return isKeyword(t);
}

bool endsOperand(const Token& t)
{
    switch (t.kind) {
    case Token::Number:
    case Token::String:
    case Token::Param:
    case Token::Blob:
    case Token::QIdent:
        return true;
    case Token::Word:
        return !isKeyword(t) || t.is("end") || t.is("null");
    case Token::Punct:
        return t.text == QLatin1String(")");
    default:
        return false;
    }
}

Tokens rewriteChain(const Tokens& f, int a, int b)
{
    std::vector<std::pair<int, int>> operands;  // [from, to)
    std::vector<QString> ops;
    int depth = 0;
    int start = a;
    bool hasPlus = false;
    for (int k = a; k < b; ++k) {
        if (f[k].isPunct("("))
            ++depth;
        else if (f[k].isPunct(")"))
            --depth;
        else if (depth == 0 && k > start && (f[k].isPunct("+") || f[k].isPunct("-")) && endsOperand(f[k - 1])) {
            operands.push_back({start, k});
            ops.push_back(f[k].text);
            hasPlus = hasPlus || f[k].text == QLatin1String("+");
            start = k + 1;
        }
    }
    if (!hasPlus)
        return Tokens(f.begin() + a, f.begin() + b);
    operands.push_back({start, b});
    Tokens acc(f.begin() + operands[0].first, f.begin() + operands[0].second);
    for (size_t i = 0; i < ops.size(); ++i) {
        const auto [from, to] = operands[i + 1];
        Tokens next;
        if (ops[i] == QLatin1String("+")) {
            next.push_back({Token::Word, QStringLiteral("tj_plus")});
            next.push_back({Token::Punct, QStringLiteral("(")});
            next.insert(next.end(), acc.begin(), acc.end());
            next.push_back({Token::Punct, QStringLiteral(",")});
            next.insert(next.end(), f.begin() + from, f.begin() + to);
            next.push_back({Token::Punct, QStringLiteral(")")});
        } else {
            next.push_back({Token::Punct, QStringLiteral("(")});
            next.insert(next.end(), acc.begin(), acc.end());
            next.push_back({Token::Punct, QStringLiteral(")")});
            next.push_back({Token::Punct, QStringLiteral("-")});
            next.insert(next.end(), f.begin() + from, f.begin() + to);
        }
        acc.swap(next);
    }
    return acc;
}

Tokens plusPass(const Tokens& in, int from, int to)
{
    Tokens flat;
    flat.reserve(std::size_t(to - from));
    for (int i = from; i < to;) {
        if (in[i].isPunct("(")) {
            int depth = 0, close = -1;
            for (int k = i; k < to; ++k) {
                if (in[k].isPunct("("))
                    ++depth;
                else if (in[k].isPunct(")") && --depth == 0) {
                    close = k;
                    break;
                }
            }
            if (close < 0) {
                flat.insert(flat.end(), in.begin() + i, in.begin() + to);
                break;
            }
            flat.push_back(in[i]);
            const Tokens inner = plusPass(in, i + 1, close);
            flat.insert(flat.end(), inner.begin(), inner.end());
            flat.push_back(in[close]);
            i = close + 1;
        } else {
            flat.push_back(in[i++]);
        }
    }
    Tokens out;
    out.reserve(flat.size());
    int depth = 0, seg = 0;
    for (int j = 0; j <= int(flat.size()); ++j) {
        if (j == int(flat.size()) || (depth == 0 && isChainDelimiter(flat[j]))) {
            const Tokens part = rewriteChain(flat, seg, j);
            out.insert(out.end(), part.begin(), part.end());
            if (j < int(flat.size()))
                out.push_back(flat[j]);
            seg = j + 1;
            continue;
        }
        if (flat[j].isPunct("("))
            ++depth;
        else if (flat[j].isPunct(")"))
            --depth;
    }
    return out;
}

struct Frame {
    QString limit;  // pending "LIMIT n" for a select whose TOP was removed
};

// Rewrites functions, TOP, operators and variables of an expression or a
// whole DML statement into SQLite.
void rewriteExpressions(Tokens& ts, bool collateStrings)
{
    Tokens out;
    out.reserve(ts.size() + 8);
    std::vector<Frame> frames(1);
    const int n = int(ts.size());
    for (int i = 0; i < n; ++i) {
        Token t = ts[i];
        const bool call = i + 1 < n && ts[i + 1].isPunct("(");
        if (t.kind == Token::Var) {
            const QString v = t.text.toLower();
            if (v == QLatin1String("@@identity")) {
                out.push_back({Token::Word, QStringLiteral("tj_scope_identity")});
                out.push_back({Token::Punct, QStringLiteral("(")});
                out.push_back({Token::Punct, QStringLiteral(")")});
                continue;
            }
            if (v == QLatin1String("@@rowcount")) {
                out.push_back({Token::Word, QStringLiteral("changes")});
                out.push_back({Token::Punct, QStringLiteral("(")});
                out.push_back({Token::Punct, QStringLiteral(")")});
                continue;
            }
            unsupported(QStringLiteral("variable %1").arg(t.text));
        }
        if (t.kind == Token::String || t.kind == Token::Param) {
            t.collate = collateStrings && !(i + 1 < n && ts[i + 1].is("collate")) && literalNeedsCollation(ts, i);
            out.push_back(t);
            continue;
        }
        if (t.kind == Token::Punct) {
            if (t.text == QLatin1String("(")) {
                frames.push_back({});
            } else if (t.text == QLatin1String(")")) {
                if (frames.size() > 1) {
                    if (!frames.back().limit.isEmpty()) {
                        out.push_back({Token::Word, QStringLiteral("LIMIT")});
                        out.push_back({Token::Number, frames.back().limit});
                    }
                    frames.pop_back();
                }
            } else if (t.text == QLatin1String("*") && i + 1 < n && ts[i + 1].isPunct("=")) {
                unsupported(QStringLiteral("old-style outer join *="));
            } else if (t.text == QLatin1String(";")) {
                if (!frames.back().limit.isEmpty()) {
                    out.push_back({Token::Word, QStringLiteral("LIMIT")});
                    out.push_back({Token::Number, frames.back().limit});
                    frames.back().limit.clear();
                }
            }
            out.push_back(t);
            continue;
        }
        if (t.kind != Token::Word) {
            out.push_back(t);
            continue;
        }
        const QString w = t.text.toLower();
        if (w.startsWith(QLatin1Char('#'))) {
            t.kind = Token::QIdent;  // working tables live in the temp schema under their own name
            out.push_back(t);
            continue;
        }
        if (w == QLatin1String("select")) {
            out.push_back(t);
            int j = i + 1;
            if (j < n && (ts[j].is("distinct") || ts[j].is("all"))) {
                out.push_back(ts[j]);
                ++j;
            }
            if (j < n && ts[j].is("top")) {
                QString limit;
                int k = j + 1;
                if (k < n && ts[k].kind == Token::Number) {
                    limit = ts[k].text;
                    k += 1;
                } else if (k + 2 < n && ts[k].isPunct("(") && ts[k + 1].kind == Token::Number && ts[k + 2].isPunct(")")) {
                    limit = ts[k + 1].text;
                    k += 3;
                } else {
                    unsupported(QStringLiteral("TOP without a constant row count"));
                }
                if (k < n && ts[k].is("percent"))
                    unsupported(QStringLiteral("TOP ... PERCENT"));
                if (k < n && ts[k].is("with"))
                    unsupported(QStringLiteral("TOP ... WITH TIES"));
                if (!frames.back().limit.isEmpty())
                    unsupported(QStringLiteral("two TOP clauses at one level"));
                frames.back().limit = limit;
                i = k - 1;
            } else {
                i = j - 1;
            }
            continue;
        }
        if (w == QLatin1String("with") && i + 1 < n && ts[i + 1].isPunct("(") && i + 2 < n
            && (ts[i + 2].is("nolock") || ts[i + 2].is("rowlock") || ts[i + 2].is("updlock") || ts[i + 2].is("holdlock")
                || ts[i + 2].is("readpast") || ts[i + 2].is("tablock") || ts[i + 2].is("index"))) {
            i = matchParen(ts, i + 1);  // table hints mean nothing to a single-file database
            if (i < 0)
                unsupported(QStringLiteral("unbalanced table hint"));
            continue;
        }
        if (call && (w == QLatin1String("nolock"))) {
            unsupported(QStringLiteral("table hint without WITH"));
        }
        static const QStringList stop = {
            QStringLiteral("declare"), QStringLiteral("exec"), QStringLiteral("execute"), QStringLiteral("while"),
            QStringLiteral("print"), QStringLiteral("raiserror"), QStringLiteral("goto"), QStringLiteral("cursor"),
            QStringLiteral("fetch"), QStringLiteral("merge"), QStringLiteral("output"), QStringLiteral("pivot"),
            QStringLiteral("unpivot"), QStringLiteral("compute"), QStringLiteral("waitfor"), QStringLiteral("openquery"),
            QStringLiteral("openrowset"), QStringLiteral("xml")};
        if (stop.contains(w))
            unsupported(t.text.toUpper());
        if (!call && w == QLatin1String("current_timestamp")) {
            out.push_back({Token::Word, QStringLiteral("tj_getdate")});
            out.push_back({Token::Punct, QStringLiteral("(")});
            out.push_back({Token::Punct, QStringLiteral(")")});
            continue;
        }
        if (!call) {
            out.push_back(t);
            continue;
        }
        // Function calls.
        auto pushWord = [&](const char* name) { out.push_back({Token::Word, QLatin1String(name)}); };
        auto datepartArg = [&](int at) -> QString {
            // The first argument of dateadd/datediff/datepart is a bare word.
            if (at >= n || !(ts[at].isName() || ts[at].kind == Token::String))
                unsupported(QStringLiteral("%1 without a date part").arg(t.text));
            return ts[at].text.toLower();
        };
        if (w == QLatin1String("isnull")) {
            pushWord("ifnull");
        } else if (w == QLatin1String("len")) {
            pushWord("tj_len");
        } else if (w == QLatin1String("datalength")) {
            pushWord("tj_datalength");
        } else if (w == QLatin1String("getdate") || w == QLatin1String("current_timestamp")) {
            pushWord("tj_getdate");
        } else if (w == QLatin1String("substring")) {
            pushWord("tj_substring");
        } else if (w == QLatin1String("left")) {
            pushWord("tj_left");
        } else if (w == QLatin1String("right")) {
            pushWord("tj_right");
        } else if (w == QLatin1String("charindex")) {
            pushWord("tj_charindex");
        } else if (w == QLatin1String("scope_identity")) {
            pushWord("tj_scope_identity");
        } else if (w == QLatin1String("year") || w == QLatin1String("month") || w == QLatin1String("day")) {
            out.push_back({Token::Word, QStringLiteral("tj_datepart")});
            out.push_back({Token::Punct, QStringLiteral("(")});
            out.push_back({Token::String, w});
            out.push_back({Token::Punct, QStringLiteral(",")});
            frames.push_back({});
            i += 1;  // past "("
            continue;
        } else if (w == QLatin1String("dateadd") || w == QLatin1String("datediff") || w == QLatin1String("datepart")
                   || w == QLatin1String("datename")) {
            const QString part = datepartArg(i + 2);
            if (!(i + 3 < n && ts[i + 3].isPunct(",")))
                unsupported(QStringLiteral("%1 with too few arguments").arg(t.text));
            out.push_back({Token::Word, QStringLiteral("tj_") + w});
            out.push_back({Token::Punct, QStringLiteral("(")});
            out.push_back({Token::String, part});
            out.push_back({Token::Punct, QStringLiteral(",")});
            frames.push_back({});
            i += 3;  // past "( part ,"
            continue;
        } else if (w == QLatin1String("convert")) {
            // convert(type[(n[,s])], expr[, style]) -> tj_convert('type', n, expr[, style])
            int k = i + 2;
            if (k >= n || !ts[k].isName())
                unsupported(QStringLiteral("CONVERT without a type"));
            const QString type = ts[k].text.toLower();
            QString width = QStringLiteral("-1");
            ++k;
            if (k < n && ts[k].isPunct("(")) {
                const int close = matchParen(ts, k);
                if (close < 0)
                    unsupported(QStringLiteral("CONVERT with an unbalanced type"));
                if (ts[k + 1].kind == Token::Number)
                    width = ts[k + 1].text;
                else if (ts[k + 1].is("max"))
                    width = QStringLiteral("-1");
                k = close + 1;
            }
            if (!(k < n && ts[k].isPunct(",")))
                unsupported(QStringLiteral("CONVERT without a value"));
            out.push_back({Token::Word, QStringLiteral("tj_convert")});
            out.push_back({Token::Punct, QStringLiteral("(")});
            out.push_back({Token::String, type});
            out.push_back({Token::Punct, QStringLiteral(",")});
            out.push_back({Token::Number, width});
            out.push_back({Token::Punct, QStringLiteral(",")});
            frames.push_back({});
            i = k;
            continue;
        } else if (w == QLatin1String("newid") || w == QLatin1String("object_id") || w == QLatin1String("objectproperty")
                   || w == QLatin1String("db_name") || w == QLatin1String("user_name") || w == QLatin1String("host_name")
                   || w == QLatin1String("patindex") || w == QLatin1String("stuff") || w == QLatin1String("datename")) {
            unsupported(QStringLiteral("function %1()").arg(t.text));
        } else {
            out.push_back(t);
        }
    }
    if (!frames.front().limit.isEmpty()) {
        // Before a trailing ';'.
        auto pos = out.end();
        if (!out.empty() && out.back().isPunct(";"))
            --pos;
        pos = out.insert(pos, {Token::Word, QStringLiteral("LIMIT")});
        out.insert(pos + 1, {Token::Number, frames.front().limit});
    }
    bool hasPlus = false;
    for (const Token& t : out)
        hasPlus = hasPlus || t.isPunct("+");
    if (hasPlus)
        out = plusPass(out, 0, int(out.size()));
    ts.swap(out);
}

// ---- CREATE TABLE -------------------------------------------------------

struct ColumnDef {
    QString name;
    QString baseType;   // lower case T-SQL type
    int width = 0;      // varchar(n)
    bool identity = false;
    bool notNull = false;
    bool primaryKey = false;
    bool unique = false;
    QString collation;
    QString defaultExpr;  // rendered SQLite text
    QStringList checks;   // rendered
    QString references;
};

QString sqliteType(const ColumnDef& c, bool* isText)
{
    const QString& t = c.baseType;
    *isText = false;
    if (t == QLatin1String("int") || t == QLatin1String("integer") || t == QLatin1String("smallint") || t == QLatin1String("tinyint"))
        return QStringLiteral("INT");
    if (t == QLatin1String("bigint"))
        return QStringLiteral("BIGINT");
    if (t == QLatin1String("bit"))
        return QStringLiteral("BIT");
    if (t == QLatin1String("money") || t == QLatin1String("smallmoney"))
        return QStringLiteral("MONEY");
    if (t == QLatin1String("datetime") || t == QLatin1String("smalldatetime") || t == QLatin1String("datetime2")
        || t == QLatin1String("date"))
        return QStringLiteral("DATETIME");
    if (t == QLatin1String("float") || t == QLatin1String("real"))
        return QStringLiteral("REAL");
    if (t == QLatin1String("decimal") || t == QLatin1String("numeric"))
        return QStringLiteral("NUMERIC");
    if (t == QLatin1String("varchar") || t == QLatin1String("nvarchar") || t == QLatin1String("char") || t == QLatin1String("nchar")) {
        *isText = true;
        return c.width > 0 ? QStringLiteral("VARCHAR(%1)").arg(c.width) : QStringLiteral("TEXT");
    }
    if (t == QLatin1String("text") || t == QLatin1String("ntext")) {
        *isText = true;
        return QStringLiteral("TEXT");
    }
    if (t == QLatin1String("image") || t == QLatin1String("varbinary") || t == QLatin1String("binary"))
        return QStringLiteral("BLOB");
    if (t == QLatin1String("uniqueidentifier")) {
        *isText = true;
        return QStringLiteral("VARCHAR(36)");
    }
    unsupported(QStringLiteral("column type %1").arg(t));
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

QString renderExpr(const Tokens& ts, int from, int to, bool collate)
{
    Tokens part(ts.begin() + from, ts.begin() + to);
    rewriteExpressions(part, collate);
    return render(part);
}

QStringList nameList(const Tokens& ts, int open)
{
    const int close = matchParen(ts, open);
    if (close < 0)
        unsupported(QStringLiteral("unbalanced column list"));
    QStringList names;
    for (auto [a, b] : splitCommas(ts, open + 1, close)) {
        if (b > a && ts[a].isName())
            names << ts[a].text;
        // ASC/DESC are kept out: SQLite key order does not matter for constraints.
    }
    return names;
}

void skipStorageClauses(const Tokens& ts, int& i)
{
    // WITH (...) options, ON [PRIMARY], TEXTIMAGE_ON [PRIMARY]
    for (;;) {
        if (i < int(ts.size()) && ts[i].is("with") && i + 1 < int(ts.size()) && ts[i + 1].isPunct("(")) {
            i = matchParen(ts, i + 1) + 1;
            if (i <= 0)
                unsupported(QStringLiteral("unbalanced WITH options"));
        } else if (i + 1 < int(ts.size()) && (ts[i].is("on") || ts[i].is("textimage_on")) && ts[i + 1].isName()) {
            i += 2;
        } else {
            return;
        }
    }
}

struct TableDef {
    QString name;
    bool temp = false;
    std::vector<ColumnDef> columns;
};

ColumnDef parseColumn(const Tokens& ts, int a, int b, const QString& table)
{
    ColumnDef c;
    c.name = ts[a].text;
    int i = a + 1;
    if (i >= b || !ts[i].isName())
        unsupported(QStringLiteral("column %1 without a type").arg(c.name));
    c.baseType = ts[i].text.toLower();
    ++i;
    if (i < b && ts[i].isPunct("(")) {
        const int close = matchParen(ts, i);
        if (close < 0 || close >= b)
            unsupported(QStringLiteral("unbalanced type of column %1").arg(c.name));
        if (ts[i + 1].kind == Token::Number)
            c.width = ts[i + 1].text.toInt();
        i = close + 1;
    }
    while (i < b) {
        const Token& t = ts[i];
        if (t.is("collate") && i + 1 < b) {
            c.collation = ts[i + 1].text;
            i += 2;
        } else if (t.is("identity")) {
            c.identity = true;
            ++i;
            if (i < b && ts[i].isPunct("("))
                i = matchParen(ts, i) + 1;
        } else if (t.is("not") && i + 1 < b && ts[i + 1].is("null")) {
            c.notNull = true;
            i += 2;
        } else if (t.is("null")) {
            ++i;
        } else if (t.is("constraint") && i + 1 < b) {
            i += 2;
        } else if (t.is("default")) {
            ++i;
            int e = i;
            if (e < b && ts[e].isPunct("(")) {
                e = matchParen(ts, e) + 1;
            } else {
                if (e < b && (ts[e].isPunct("-") || ts[e].isPunct("+")))
                    ++e;
                ++e;
            }
            if (e <= i || e > b)
                unsupported(QStringLiteral("DEFAULT of column %1").arg(c.name));
            c.defaultExpr = renderExpr(ts, i, e, false);
            i = e;
        } else if (t.is("primary") && i + 1 < b && ts[i + 1].is("key")) {
            c.primaryKey = true;
            i += 2;
            if (i < b && (ts[i].is("clustered") || ts[i].is("nonclustered")))
                ++i;
        } else if (t.is("unique")) {
            c.unique = true;
            ++i;
            if (i < b && (ts[i].is("clustered") || ts[i].is("nonclustered")))
                ++i;
        } else if (t.is("check") && i + 1 < b && ts[i + 1].isPunct("(")) {
            const int close = matchParen(ts, i + 1);
            c.checks << QStringLiteral("CHECK ") + renderExpr(ts, i + 1, close + 1, true);
            i = close + 1;
        } else if (t.is("references") && i + 1 < b) {
            int e = i + 2;
            if (e < b && ts[e].isPunct("("))
                e = matchParen(ts, e) + 1;
            c.references = render(ts, i, e);
            i = e;
        } else if (t.is("rowguidcol") || t.is("sparse") || t.is("filestream")) {
            unsupported(t.text.toUpper());
        } else {
            unsupported(QStringLiteral("'%1' in the definition of column %2.%3").arg(t.text, table, c.name));
        }
    }
    return c;
}

QString normalizationTrigger(const TableDef& def, bool onInsert)
{
    // Keeps stored values in one shape whatever wrote them: date-times as
    // 'yyyy-mm-dd hh:nn:ss.zzz', bits as 0/1, money rounded to four decimals.
    QStringList conds, sets, cols;
    for (const ColumnDef& c : def.columns) {
        const QString q = quoteName(c.name);
        const QString nq = QStringLiteral("NEW.") + q;
        if (c.baseType.contains(QLatin1String("date"))) {
            conds << QStringLiteral("%1 NOT GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9].[0-9][0-9][0-9]'").arg(nq);
            sets << QStringLiteral("%1 = tj_datetime(%1)").arg(q);
        } else if (c.baseType == QLatin1String("bit")) {
            conds << QStringLiteral("typeof(%1) NOT IN ('integer', 'null')").arg(nq);
            sets << QStringLiteral("%1 = tj_bit(%1)").arg(q);
        } else if (c.baseType.contains(QLatin1String("money"))) {
            // Lists of at most two values: a longer IN list makes SQLite build a
            // lookup table on every run of the trigger.
            conds << QStringLiteral("typeof(%1) IN ('text', 'blob') OR (typeof(%1) = 'real' AND %1 <> tj_money(%1))").arg(nq);
            sets << QStringLiteral("%1 = tj_money(%1)").arg(q);
        } else if (!c.identity && (c.baseType == QLatin1String("int") || c.baseType == QLatin1String("bigint")
                                   || c.baseType == QLatin1String("smallint") || c.baseType == QLatin1String("tinyint"))) {
            // Text the column's affinity could not turn into a number is refused as the server refuses it.
            conds << QStringLiteral("typeof(%1) NOT IN ('integer', 'null')").arg(nq);
            sets << QStringLiteral("%1 = tj_convert('%2', -1, %1)").arg(q, c.baseType);
        } else {
            continue;
        }
        cols << q;
    }
    if (conds.isEmpty())
        return QString();
    const QString trig = quoteName(QStringLiteral("tj_%1_%2").arg(onInsert ? QLatin1String("ins") : QLatin1String("upd"), def.name));
    return QStringLiteral("CREATE %1TRIGGER %2 AFTER %3 ON %4 WHEN %5 BEGIN UPDATE %4 SET %6 WHERE rowid = NEW.rowid; END")
        .arg(def.temp ? QStringLiteral("TEMP ") : QString(), trig,
             onInsert ? QStringLiteral("INSERT") : QStringLiteral("UPDATE OF ") + cols.join(QStringLiteral(", ")),
             quoteName(def.name), conds.join(QStringLiteral(" OR ")), sets.join(QStringLiteral(", ")));
}

QString renderColumn(const ColumnDef& c, const QString& table, bool asPrimaryKey)
{
    bool isText = false;
    QString s = quoteName(c.name) + QLatin1Char(' ');
    if (c.identity) {
        // SQLite's own key must be declared INTEGER; a comment keeps the declared width.
        s += QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
        if (c.baseType == QLatin1String("bigint"))
            s += QStringLiteral(" /*bigint*/");
    } else {
        s += sqliteType(c, &isText);
        if (asPrimaryKey)
            s += QStringLiteral(" PRIMARY KEY");
    }
    if (c.notNull || c.identity)
        s += QStringLiteral(" NOT NULL");
    if (c.unique)
        s += QStringLiteral(" UNIQUE");
    if (!c.defaultExpr.isEmpty())
        s += QStringLiteral(" DEFAULT ") + c.defaultExpr;
    if (c.baseType.contains(QLatin1String("date")))
        s += QStringLiteral(" COLLATE tj_datetime");
    if (isText) {
        const bool cs = c.collation.contains(QLatin1String("_CS_"), Qt::CaseInsensitive);
        s += QStringLiteral(" COLLATE ") + (cs ? QStringLiteral("Chinese_PRC_CS_AS") : QLatin1String(TsqlDialect::Collation));
        if (c.width > 0) {
            const bool chars = c.baseType.startsWith(QLatin1Char('n'));
            s += QStringLiteral(" CHECK (tj_width(%1, %2, %3, %4, %5))")
                     .arg(quoteName(c.name)).arg(c.width).arg(chars ? 1 : 0)
                     .arg(quoteString(table), quoteString(c.name));
        }
    }
    for (const QString& ch : c.checks)
        s += QLatin1Char(' ') + ch;
    if (!c.references.isEmpty())
        s += QLatin1Char(' ') + c.references;
    return s;
}

void translateCreateTable(const Tokens& ts, int nameAt, TsqlProgram& prog)
{
    TableDef def;
    def.name = TsqlDialect::tableName(ts[nameAt].text);
    def.temp = def.name.startsWith(QLatin1Char('#'));
    const int open = nameAt + 1;
    if (open >= int(ts.size()) || !ts[open].isPunct("("))
        unsupported(QStringLiteral("CREATE TABLE %1 without a column list").arg(def.name));
    const int close = matchParen(ts, open);
    if (close < 0)
        unsupported(QStringLiteral("CREATE TABLE %1 with unbalanced parentheses").arg(def.name));

    QStringList tableConstraints;
    QStringList pkColumns;
    for (auto [a, b] : splitCommas(ts, open + 1, close)) {
        int i = a;
        if (ts[i].is("constraint"))
            i += 2;
        if (i < b && ts[i].is("primary") && i + 1 < b && ts[i + 1].is("key")) {
            int k = i + 2;
            if (k < b && (ts[k].is("clustered") || ts[k].is("nonclustered")))
                ++k;
            if (!(k < b && ts[k].isPunct("(")))
                unsupported(QStringLiteral("PRIMARY KEY without columns in %1").arg(def.name));
            pkColumns = nameList(ts, k);
            int e = matchParen(ts, k) + 1;
            skipStorageClauses(ts, e);
            continue;
        }
        if (i < b && ts[i].is("unique")) {
            int k = i + 1;
            if (k < b && (ts[k].is("clustered") || ts[k].is("nonclustered")))
                ++k;
            QStringList cols = nameList(ts, k);
            for (QString& c : cols)
                c = quoteName(c);
            tableConstraints << QStringLiteral("UNIQUE (%1)").arg(cols.join(QStringLiteral(", ")));
            continue;
        }
        if (i < b && (ts[i].is("check") || ts[i].is("foreign"))) {
            tableConstraints << renderExpr(ts, i, b, true);
            continue;
        }
        if (i != a)
            unsupported(QStringLiteral("constraint in %1").arg(def.name));
        def.columns.push_back(parseColumn(ts, a, b, def.name));
    }
    int after = close + 1;
    skipStorageClauses(ts, after);
    if (after < int(ts.size()) && !ts[after].isPunct(";"))
        unsupported(QStringLiteral("'%1' after CREATE TABLE %2").arg(ts[after].text, def.name));

    const ColumnDef* identity = nullptr;
    for (const ColumnDef& c : def.columns)
        if (c.identity)
            identity = &c;
    QStringList parts;
    for (const ColumnDef& c : def.columns) {
        const bool singlePk = !identity && pkColumns.size() == 1 && pkColumns.front().compare(c.name, Qt::CaseInsensitive) == 0;
        parts << renderColumn(c, def.name, singlePk || (!identity && c.primaryKey));
    }
    if (pkColumns.size() > 1 || (identity && !pkColumns.isEmpty()
                                 && !(pkColumns.size() == 1 && pkColumns.front().compare(identity->name, Qt::CaseInsensitive) == 0))) {
        QStringList cols;
        for (const QString& c : pkColumns)
            cols << quoteName(c);
        // The identity takes SQLite's primary key; another declared key stays unique.
        parts << (identity ? QStringLiteral("UNIQUE (%1)") : QStringLiteral("PRIMARY KEY (%1)")).arg(cols.join(QStringLiteral(", ")));
    }
    parts << tableConstraints;

    TsqlStep create;
    create.sql = QStringLiteral("CREATE %1TABLE %2 (%3)")
                     .arg(def.temp ? QStringLiteral("TEMP ") : QString(), quoteName(def.name), parts.join(QStringLiteral(", ")));
    prog.steps.push_back(create);
    for (bool ins : {true, false}) {
        const QString trig = normalizationTrigger(def, ins);
        if (!trig.isEmpty()) {
            TsqlStep s;
            s.sql = trig;
            prog.steps.push_back(s);
        }
    }
}

// ---- statements ---------------------------------------------------------

bool isStatementStart(const Token& t)
{
    static const char* const words[] = {"create", "alter", "drop", "truncate", "insert", "update", "delete",
                                        "if", "begin", "commit", "rollback", "use", "declare", "exec", "execute"};
    if (t.kind != Token::Word)
        return false;
    for (const char* w : words)
        if (t.is(w))
            return true;
    return false;
}

// Splits a batch into statements at ';' and at the start of the next
// statement (T-SQL needs no separators).
std::vector<Tokens> splitStatements(const Tokens& ts)
{
    std::vector<Tokens> out;
    Tokens cur;
    int paren = 0;
    int block = 0;        // BEGIN/CASE ... END nesting
    bool ifPending = false;
    bool inTrigger = false;
    for (int i = 0; i < int(ts.size()); ++i) {
        const Token& t = ts[i];
        if (t.isPunct("(")) {
            ++paren;
        } else if (t.isPunct(")")) {
            --paren;
        } else if (t.isPunct(";") && paren == 0 && block == 0) {
            if (!cur.empty())
                out.push_back(std::move(cur));
            cur.clear();
            ifPending = inTrigger = false;
            continue;
        } else if (t.kind == Token::Word && paren == 0) {
            if (t.is("case")) {
                ++block;
            } else if (t.is("begin") && (inTrigger || block > 0)) {
                ++block;
            } else if (t.is("end") && block > 0) {
                --block;
            } else if (block == 0 && isStatementStart(t) && !cur.empty()) {
                const Token& prev = cur.back();
                const bool continues = prev.is("after") || prev.is("before") || prev.is("of") || prev.is("on")
                    || prev.is("for") || prev.is("instead") || prev.isPunct(",") || prev.is("or") || prev.is("with")
                    || (prev.is("if") && false);
                if (ifPending) {
                    ifPending = false;
                } else if (!continues) {
                    out.push_back(std::move(cur));
                    cur.clear();
                    inTrigger = false;
                }
            }
            if (cur.empty() && t.is("if"))
                ifPending = true;
            if (cur.size() >= 1 && cur.front().is("create") && t.is("trigger"))
                inTrigger = true;
        }
        cur.push_back(t);
    }
    if (!cur.empty())
        out.push_back(std::move(cur));
    return out;
}

QString nameAfter(const Tokens& ts, int i)
{
    if (i >= int(ts.size()) || !ts[i].isName())
        unsupported(QStringLiteral("statement without a table name"));
    return TsqlDialect::tableName(ts[i].text);
}

// SQLite's UPDATE ... FROM joins the target implicitly, while T-SQL often
// names the target again as the first table of FROM ("update a set ... from
// t a inner join x on ..."). That first table is taken out of FROM: the
// target gets its alias, the join condition moves to WHERE. The target
// named anywhere else would become a self-join, and is refused.
Tokens rewriteUpdateFrom(const Tokens& ts, int fromAt)
{
    const int n = int(ts.size());
    const QString target = TsqlDialect::tableName(ts[1].text).toLower();
    int whereAt = n;
    int depth = 0;
    for (int k = fromAt + 1; k < n; ++k) {
        depth += ts[k].isPunct("(") ? 1 : ts[k].isPunct(")") ? -1 : 0;
        if (depth == 0 && ts[k].is("where")) {
            whereAt = k;
            break;
        }
    }
    // Where does the target appear in FROM (as a table or as an alias)?
    auto namesTarget = [&](int k) {
        return ts[k].isName() && TsqlDialect::tableName(ts[k].text).toLower() == target && !(k > 0 && ts[k - 1].isPunct("."))
            && !(k + 1 < n && ts[k + 1].isPunct("."));
    };
    int first = fromAt + 1;
    bool targetFirst = false;
    QString realTable, alias;
    if (first < whereAt && ts[first].isName()) {
        int k = first + 1;
        QString a;
        if (k < whereAt && ts[k].is("as"))
            ++k;
        if (k < whereAt && isPlainName(ts[k]) && !ts[k].is("inner") && !ts[k].is("join") && !ts[k].is("left"))
            a = ts[k].text;
        if (namesTarget(first) && a.isEmpty()) {
            targetFirst = true;
            realTable = TsqlDialect::tableName(ts[first].text);
        } else if (!a.isEmpty() && a.toLower() == target) {
            targetFirst = true;
            realTable = TsqlDialect::tableName(ts[first].text);
            alias = a;
        }
    }
    depth = 0;
    for (int k = targetFirst ? first + 1 : fromAt + 1; k < whereAt; ++k) {
        depth += ts[k].isPunct("(") ? 1 : ts[k].isPunct(")") ? -1 : 0;
        if (depth == 0 && namesTarget(k) && !(targetFirst && !alias.isEmpty() && k == first + 1)
            && !(targetFirst && !alias.isEmpty() && k == first + 2 && ts[first + 1].is("as")))
            unsupported(QStringLiteral("UPDATE whose target %1 appears again in its FROM clause").arg(target));
    }
    if (!targetFirst)
        return ts;

    // Skip "t [as] [a]" and find what joins it to the rest.
    int k = first + 1;
    if (!alias.isEmpty())
        k += ts[k].is("as") ? 2 : 1;
    Tokens restFrom;
    Tokens joinCond;
    if (k < whereAt && ts[k].isPunct(",")) {
        restFrom.assign(ts.begin() + k + 1, ts.begin() + whereAt);
    } else {
        if (k < whereAt && ts[k].is("inner"))
            ++k;
        if (!(k < whereAt && ts[k].is("join")))
            unsupported(QStringLiteral("UPDATE ... FROM whose target is joined other than by an inner join"));
        ++k;
        // The joined table (or derived table) and its alias, up to ON.
        int on = -1;
        depth = 0;
        for (int j = k; j < whereAt; ++j) {
            depth += ts[j].isPunct("(") ? 1 : ts[j].isPunct(")") ? -1 : 0;
            if (depth == 0 && ts[j].is("on")) {
                on = j;
                break;
            }
        }
        if (on < 0)
            unsupported(QStringLiteral("UPDATE ... FROM with a join without ON"));
        restFrom.assign(ts.begin() + k, ts.begin() + on);
        int condEnd = whereAt;
        depth = 0;
        for (int j = on + 1; j < whereAt; ++j) {
            depth += ts[j].isPunct("(") ? 1 : ts[j].isPunct(")") ? -1 : 0;
            if (depth == 0 && (ts[j].is("inner") || ts[j].is("join") || ts[j].is("left") || ts[j].is("right")
                               || ts[j].is("cross") || ts[j].is("full"))) {
                condEnd = j;
                break;
            }
        }
        joinCond.assign(ts.begin() + on + 1, ts.begin() + condEnd);
        restFrom.insert(restFrom.end(), ts.begin() + condEnd, ts.begin() + whereAt);
    }
    Tokens out;
    out.push_back(ts[0]);
    out.push_back({Token::QIdent, realTable});
    if (!alias.isEmpty()) {
        out.push_back({Token::Word, QStringLiteral("AS")});
        out.push_back({Token::QIdent, alias});
    }
    // SET list, with the qualifiers of assigned columns dropped ("set a.x = ...").
    for (int j = 2; j < fromAt; ++j) {
        if ((ts[j - 1].is("set") || ts[j - 1].isPunct(",")) && j + 3 < fromAt && ts[j].isName() && ts[j + 1].isPunct(".")
            && ts[j + 2].isName() && ts[j + 3].isPunct("=")) {
            j += 1;  // skip "a ."
            continue;
        }
        out.push_back(ts[j]);
    }
    out.push_back(ts[fromAt]);
    out.insert(out.end(), restFrom.begin(), restFrom.end());
    if (!joinCond.empty() || whereAt < n) {
        out.push_back({Token::Word, QStringLiteral("WHERE")});
        if (!joinCond.empty()) {
            out.push_back({Token::Punct, QStringLiteral("(")});
            out.insert(out.end(), joinCond.begin(), joinCond.end());
            out.push_back({Token::Punct, QStringLiteral(")")});
        }
        if (whereAt < n) {
            if (!joinCond.empty())
                out.push_back({Token::Word, QStringLiteral("AND")});
            out.push_back({Token::Punct, QStringLiteral("(")});
            out.insert(out.end(), ts.begin() + whereAt + 1, ts.end());
            out.push_back({Token::Punct, QStringLiteral(")")});
        }
    }
    return out;
}

void translateStatement(Tokens ts, TsqlProgram& prog)
{
    collapseQualifiedNames(ts);
    while (!ts.empty() && ts.back().isPunct(";"))
        ts.pop_back();
    if (ts.empty())
        return;
    const Token& first = ts.front();
    const int n = int(ts.size());

    if (first.is("set")) {
        // Session options of the server (NOCOUNT, ANSI_NULLS, ...) have no meaning here.
        static const QStringList options = {QStringLiteral("nocount"), QStringLiteral("ansi_nulls"), QStringLiteral("quoted_identifier"),
                                            QStringLiteral("ansi_padding"), QStringLiteral("ansi_warnings"), QStringLiteral("xact_abort"),
                                            QStringLiteral("arithabort"), QStringLiteral("concat_null_yields_null"),
                                            QStringLiteral("dateformat"), QStringLiteral("datefirst"), QStringLiteral("language"),
                                            QStringLiteral("lock_timeout"), QStringLiteral("transaction")};
        if (n >= 2 && options.contains(ts[1].text.toLower())) {
            // "set nocount on" takes three words; anything after it is the next statement.
            int rest = ts[1].is("transaction") ? 5 : 3;
            if (n > rest)
                translateStatement(Tokens(ts.begin() + rest, ts.end()), prog);
            return;
        }
        unsupported(QStringLiteral("SET %1").arg(n >= 2 ? ts[1].text : QString()));
    }
    if (first.is("begin") && n >= 2 && (ts[1].is("tran") || ts[1].is("transaction"))) {
        { TsqlStep s; s.kind = TsqlStep::Kind::Begin; prog.steps.push_back(s); }
        return;
    }
    if ((first.is("commit") || first.is("rollback")) && (n == 1 || ts[1].is("tran") || ts[1].is("transaction") || ts[1].is("work"))) {
        { TsqlStep s; s.kind = first.is("commit") ? TsqlStep::Kind::Commit : TsqlStep::Kind::Rollback; prog.steps.push_back(s); }
        return;
    }
    if (first.is("use") || first.is("restore") || first.is("backup") || first.is("dbcc") || first.is("grant")
        || first.is("revoke") || first.is("deny"))
        unsupported(first.text.toUpper());
    if (first.is("if")) {
        // if exists (select * from [tempdb.]dbo.sysobjects where id = object_id(N'name') ...) drop table name
        // if object_id('name') is not null drop table name
        int dropAt = -1;
        for (int i = 1; i + 1 < n; ++i) {
            if (ts[i].is("drop") && (ts[i + 1].is("table") || ts[i + 1].is("view") || ts[i + 1].is("index")
                                     || ts[i + 1].is("trigger") || ts[i + 1].is("procedure"))) {
                dropAt = i;
                break;
            }
        }
        bool knownTest = false;
        for (int i = 1; i < (dropAt < 0 ? n : dropAt); ++i)
            if (ts[i].is("object_id") || ts[i].is("sysobjects"))
                knownTest = true;
        if (dropAt < 0 || !knownTest || ts[1].is("not"))
            unsupported(QStringLiteral("IF statement other than the existence test before DROP"));
        if (ts[dropAt + 1].is("procedure"))
            unsupported(QStringLiteral("DROP PROCEDURE"));
        if (dropAt + 2 >= n)
            unsupported(QStringLiteral("DROP without a name"));
        const QString kind = ts[dropAt + 1].text.toUpper();
        const QString name = TsqlDialect::tableName(ts[dropAt + 2].text);
        TsqlStep s;
        s.sql = QStringLiteral("DROP %1 IF EXISTS %2").arg(kind, quoteName(name));
        prog.steps.push_back(s);
        return;
    }
    if (first.is("drop")) {
        if (n < 3)
            unsupported(QStringLiteral("DROP without a name"));
        if (!(ts[1].is("table") || ts[1].is("view") || ts[1].is("index") || ts[1].is("trigger")))
            unsupported(QStringLiteral("DROP %1").arg(ts[1].text.toUpper()));
        int i = 2;
        QString ifExists;
        if (ts[2].is("if") && n > 4 && ts[3].is("exists")) {
            ifExists = QStringLiteral("IF EXISTS ");
            i = 4;
        }
        QStringList names;
        for (; i < n; ++i) {
            if (ts[i].isPunct(","))
                continue;
            if (ts[1].is("index") && i + 2 < n && ts[i + 1].isPunct("."))
                i += 2;  // table.index
            names << quoteName(TsqlDialect::tableName(ts[i].text));
        }
        for (const QString& nm : names) {
            TsqlStep s;
            s.sql = QStringLiteral("DROP %1 %2%3").arg(ts[1].text.toUpper(), ifExists, nm);
            prog.steps.push_back(s);
        }
        return;
    }
    if (first.is("truncate")) {
        if (n < 3 || !ts[1].is("table"))
            unsupported(QStringLiteral("TRUNCATE without TABLE"));
        TsqlStep s;
        s.kind = TsqlStep::Kind::Truncate;
        s.table = TsqlDialect::tableName(ts[2].text);
        prog.steps.push_back(s);
        return;
    }
    if (first.is("create")) {
        int i = 1;
        if (i < n && ts[i].is("table")) {
            if (i + 1 >= n)
                unsupported(QStringLiteral("CREATE TABLE without a name"));
            translateCreateTable(ts, i + 1, prog);
            return;
        }
        bool unique = false;
        if (i < n && ts[i].is("unique")) {
            unique = true;
            ++i;
        }
        if (i < n && (ts[i].is("clustered") || ts[i].is("nonclustered")))
            ++i;
        if (i < n && ts[i].is("index")) {
            // CREATE [UNIQUE] [NONCLUSTERED] INDEX name ON table (cols) [WITH ...] [ON [PRIMARY]]
            if (i + 4 >= n || !ts[i + 2].is("on"))
                unsupported(QStringLiteral("CREATE INDEX"));
            const QString index = ts[i + 1].text;
            const QString table = TsqlDialect::tableName(ts[i + 3].text);
            const int open = i + 4;
            if (!ts[open].isPunct("("))
                unsupported(QStringLiteral("CREATE INDEX without columns"));
            const int close = matchParen(ts, open);
            QStringList cols;
            for (auto [a, b] : splitCommas(ts, open + 1, close)) {
                QString c = quoteName(ts[a].text);
                if (a + 1 < b && ts[a + 1].is("desc"))
                    c += QStringLiteral(" DESC");
                cols << c;
            }
            int e = close + 1;
            skipStorageClauses(ts, e);
            if (e < n)
                unsupported(QStringLiteral("'%1' after CREATE INDEX").arg(ts[e].text));
            const bool temp = table.startsWith(QLatin1Char('#'));
            TsqlStep s;
            s.sql = QStringLiteral("CREATE %1INDEX %2%3 ON %4 (%5)")
                        .arg(unique ? QStringLiteral("UNIQUE ") : QString(), temp ? QStringLiteral("temp.") : QString(),
                             quoteName(index), quoteName(table), cols.join(QStringLiteral(", ")));
            prog.steps.push_back(s);
            return;
        }
        if (i < n && ts[i].is("view") && i + 2 < n && ts[i + 2].is("as")) {
            Tokens body(ts.begin() + i + 3, ts.end());
            rewriteExpressions(body, true);
            TsqlStep s;
            s.sql = QStringLiteral("CREATE VIEW %1 AS %2").arg(quoteName(TsqlDialect::tableName(ts[i + 1].text)), render(body));
            prog.steps.push_back(s);
            return;
        }
        unsupported(QStringLiteral("CREATE %1").arg(i < n ? ts[i].text.toUpper() : QString()));
    }
    if (first.is("alter")) {
        // ALTER TABLE t ADD column definitions
        if (n > 4 && ts[1].is("table") && ts[3].is("add") && !ts[4].is("constraint") && !ts[4].is("primary")
            && !ts[4].is("unique") && !ts[4].is("check") && !ts[4].is("default") && !ts[4].is("foreign")) {
            const QString table = TsqlDialect::tableName(ts[2].text);
            for (auto [a, b] : splitCommas(ts, 4, n)) {
                const ColumnDef c = parseColumn(ts, a, b, table);
                if (c.identity || c.primaryKey)
                    unsupported(QStringLiteral("ALTER TABLE ADD of a key column"));
                TsqlStep s;
                s.sql = QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(quoteName(table), renderColumn(c, table, false));
                prog.steps.push_back(s);
            }
            return;
        }
        unsupported(QStringLiteral("ALTER other than ALTER TABLE ... ADD column"));
    }

    TsqlStep step;
    if (first.is("insert")) {
        int i = 1;
        if (i < n && ts[i].is("into"))
            ++i;
        else
            ts.insert(ts.begin() + 1, Token{Token::Word, QStringLiteral("INTO")}), ++i;
        step.isInsert = true;
        step.table = nameAfter(ts, i);
    } else if (first.is("delete")) {
        int i = 1;
        if (i < int(ts.size()) && ts[i].is("from"))
            ++i;
        else
            ts.insert(ts.begin() + 1, Token{Token::Word, QStringLiteral("FROM")}), ++i;
        for (int k = i + 1; k < int(ts.size()); ++k)
            if (ts[k].is("from") || ts[k].is("join"))
                {
                    // Only at the top level: a FROM inside a subquery is fine.
                    int depth = 0;
                    for (int m = 0; m < k; ++m)
                        depth += ts[m].isPunct("(") ? 1 : ts[m].isPunct(")") ? -1 : 0;
                    if (depth == 0)
                        unsupported(QStringLiteral("DELETE with a second FROM (joined delete)"));
                }
    } else if (first.is("update")) {
        nameAfter(ts, 1);
        int depth = 0;
        int fromAt = -1;
        for (int k = 2; k < int(ts.size()); ++k) {
            depth += ts[k].isPunct("(") ? 1 : ts[k].isPunct(")") ? -1 : 0;
            if (depth == 0 && ts[k].is("from")) {
                fromAt = k;
                break;
            }
        }
        if (fromAt > 0)
            ts = rewriteUpdateFrom(ts, fromAt);
    } else if (first.is("select")) {
        // select ... into #t from ...
        int depth = 0;
        for (int k = 1; k < int(ts.size()); ++k) {
            depth += ts[k].isPunct("(") ? 1 : ts[k].isPunct(")") ? -1 : 0;
            if (depth == 0 && ts[k].is("into")) {
                if (k + 1 >= int(ts.size()))
                    unsupported(QStringLiteral("SELECT INTO without a table"));
                TsqlStep s;
                s.kind = TsqlStep::Kind::SelectInto;
                s.table = TsqlDialect::tableName(ts[k + 1].text);
                Tokens sel(ts.begin(), ts.begin() + k);
                sel.insert(sel.end(), ts.begin() + k + 2, ts.end());
                rewriteExpressions(sel, true);
                s.sql = render(sel);
                prog.steps.push_back(s);
                return;
            }
        }
        step.returnsRows = true;
    } else if (first.isPunct("(") || first.is("with") || first.is("values")) {
        step.returnsRows = true;
    } else {
        unsupported(QStringLiteral("statement %1").arg(first.text.toUpper()));
    }
    rewriteExpressions(ts, true);
    step.sql = render(ts);
    prog.steps.push_back(step);
}

}  // namespace

QString TsqlDialect::tableName(const QString& tsqlName)
{
    QString s = tsqlName.trimmed();
    // Strip brackets and qualifiers: [tempdb].[dbo].[#x], tempdb..#x, dbo.t
    const int dot = int(s.lastIndexOf(QLatin1Char('.')));
    if (dot >= 0)
        s = s.mid(dot + 1);
    if (s.startsWith(QLatin1Char('[')) && s.endsWith(QLatin1Char(']')))
        s = s.mid(1, s.size() - 2);
    return s;
}

QStringList TsqlDialect::splitBatches(const QString& script)
{
    QStringList batches;
    QString cur;
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QString t = line.trimmed();
        if (t.compare(QLatin1String("go"), Qt::CaseInsensitive) == 0
            || (t.startsWith(QLatin1String("go"), Qt::CaseInsensitive) && t.size() > 2 && t.at(2) == QLatin1Char(';'))) {
            if (!cur.trimmed().isEmpty())
                batches << cur;
            cur.clear();
            continue;
        }
        cur += line;
        cur += QLatin1Char('\n');
    }
    if (!cur.trimmed().isEmpty())
        batches << cur;
    return batches;
}

TsqlProgram TsqlDialect::translate(const QString& tsql)
{
    TsqlProgram prog;
    const bool hasGo = tsql.contains(QLatin1String("go"), Qt::CaseInsensitive);
    const QStringList batches = hasGo ? splitBatches(tsql) : QStringList{tsql};
    for (const QString& batch : batches) {
        const Tokens ts = tokenize(batch);
        for (const Tokens& st : splitStatements(ts))
            translateStatement(st, prog);
    }
    return prog;
}

}  // namespace tj::db
