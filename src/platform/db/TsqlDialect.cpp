// Statements: splitting a batch, the statement forms and their steps, GO
// batches and table names.
#include "platform/db/TsqlDialect.h"

#include "platform/db/SqlLexer.h"
#include "platform/db/TsqlInternal.h"

namespace tj::db {

using namespace tsql;

namespace {

bool isStatementStart(const Token& t)
{
    return t.isAny({"create", "alter", "drop", "truncate", "insert", "update", "delete", "if", "begin", "commit",
                    "rollback", "use", "declare", "exec", "execute"});
}

// Whether a top-level SELECT begins a new statement after the tokens of the
// current one. It does not when it continues a query (UNION, EXCEPT,
// INTERSECT, CREATE VIEW ... AS, DECLARE ... FOR) or gives the rows of an
// INSERT or a WITH that has no query yet.
bool selectStartsStatement(const Tokens& cur, bool queryStarted)
{
    if (cur.empty())
        return false;
    const Token& prev = cur.back();
    if (prev.is("union") || prev.is("all") || prev.is("except") || prev.is("intersect") || prev.is("as")
        || prev.is("for"))
        return false;
    if ((cur.front().is("insert") || cur.front().is("with")) && !queryStarted)
        return false;
    return true;
}

// Splits a batch into statements at ';' and at the start of the next
// statement (T-SQL needs no separators: "select 1" on one line and
// "select 2" on the next are two statements).
std::vector<Tokens> splitStatements(const Tokens& ts)
{
    std::vector<Tokens> out;
    Tokens cur;
    int paren = 0;
    int block = 0;        // BEGIN/CASE ... END nesting
    bool ifPending = false;
    bool inTrigger = false;
    bool queryStarted = false;  // the current statement has a top-level SELECT or VALUES
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
            ifPending = inTrigger = queryStarted = false;
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
                    inTrigger = queryStarted = false;
                }
            } else if (block == 0 && t.is("select") && !ifPending && selectStartsStatement(cur, queryStarted)) {
                out.push_back(std::move(cur));
                cur.clear();
                inTrigger = queryStarted = false;
            }
            if (block == 0 && (t.is("select") || t.is("values")))
                queryStarted = true;
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
    // A GO line holds the word GO alone (a ';' and a -- comment may follow);
    // GO inside a string or a comment is text like any other.
    QStringList batches;
    auto add = [&](int from, int to) {
        const QString batch = script.mid(from, to - from);
        if (!batch.trimmed().isEmpty())
            batches << batch;
    };
    const QStringView text(script);
    sql::Lexer lexer(text);
    sql::Lexeme l;
    int batchStart = 0;
    int lineStart = 0;       // where the current line begins
    bool atLineStart = true;  // only blanks so far on the current line
    while (lexer.next(l)) {
        if (l.kind == sql::Lexeme::Space) {
            const int nl = int(text.mid(l.begin, l.size()).lastIndexOf(QLatin1Char('\n')));
            if (nl >= 0) {
                atLineStart = true;
                lineStart = l.begin + nl + 1;
            }
            continue;
        }
        const bool go = atLineStart && l.kind == sql::Lexeme::Word && sql::isWord(l.text(text), "go");
        atLineStart = false;
        if (!go)
            continue;
        // The rest of the line: blanks, an optional ';', an optional comment.
        sql::Lexer probe = lexer;
        sql::Lexeme r;
        bool alone = true;
        bool semicolon = false;
        int lineEnd = int(text.size());  // just past the GO line
        int nextLine = lineEnd;           // start of the line the probe stopped on
        while (probe.next(r)) {
            if (r.kind == sql::Lexeme::Space) {
                const QStringView blanks = text.mid(r.begin, r.size());
                const int nl = int(blanks.indexOf(QLatin1Char('\n')));
                if (nl >= 0) {
                    lineEnd = r.begin + nl + 1;
                    nextLine = r.begin + int(blanks.lastIndexOf(QLatin1Char('\n'))) + 1;
                    break;
                }
                continue;
            }
            if (r.kind == sql::Lexeme::Punct && text[r.begin] == QLatin1Char(';') && !semicolon) {
                semicolon = true;
                continue;
            }
            if (r.kind == sql::Lexeme::Comment && text[r.begin] == QLatin1Char('-'))
                continue;
            alone = false;
            break;
        }
        if (!alone)
            continue;
        add(batchStart, lineStart);
        batchStart = lineEnd;
        lexer = probe;
        atLineStart = true;
        lineStart = nextLine;
    }
    add(batchStart, int(script.size()));
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
