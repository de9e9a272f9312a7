// Expressions: functions, TOP, variables, "+" on text and the collation of
// literals, rewritten for SQLite.
#include "platform/db/TsqlInternal.h"

namespace tj::db::tsql {

namespace {

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

}  // namespace

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

QString renderExpr(const Tokens& ts, int from, int to, bool collate)
{
    Tokens part(ts.begin() + from, ts.begin() + to);
    rewriteExpressions(part, collate);
    return render(part);
}

}  // namespace tj::db::tsql
