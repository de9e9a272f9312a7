// The pieces the T-SQL translation is built from, shared by its source
// files: tokens (TsqlTokens.cpp), expressions (TsqlExpressions.cpp), CREATE
// TABLE (TsqlCreateTable.cpp) and statements (TsqlDialect.cpp). Not for use
// outside the database layer.
#pragma once

#include "platform/db/TsqlDialect.h"

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <utility>
#include <vector>

namespace tj::db::tsql {

struct Token {
    enum Kind { Word, QIdent, String, Number, Blob, Var, Punct, Param };
    Kind kind = Punct;
    QString text;  // Word/Number/Punct/Var: as written; QIdent: the bare name; String: unescaped value
    bool collate = false;  // String: followed by the text collation when rendered

    bool is(const char* word) const
    {
        return kind == Word && text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    bool isAny(std::initializer_list<const char*> words) const
    {
        for (const char* w : words)
            if (is(w))
                return true;
        return false;
    }
    bool isPunct(const char* p) const { return kind == Punct && text == QLatin1String(p); }
    bool isName() const { return kind == Word || kind == QIdent; }
};

using Tokens = std::vector<Token>;

// Throws SqlError naming a construct the embedded database cannot run.
[[noreturn]] void unsupported(const QString& what);

// ---- tokens (TsqlTokens.cpp) ----------------------------------------------

// The tokens of a batch, comments and blanks left out; throws SqlError for
// an unclosed string, name or comment.
Tokens tokenize(const QString& s);
QString quoteName(const QString& name);
QString quoteString(const QString& v);
// SQLite text of tokens [from, to).
QString render(const Tokens& ts, int from = 0, int to = -1);
// Index of the token closing the parenthesis opened at `open`; -1 if none.
int matchParen(const Tokens& ts, int open);
// Collapses qualified table names: "dbo.t", "[dbo].[t]", "tempdb.dbo.#t",
// "tempdb..#t" and "db.dbo.t" become the last part.
void collapseQualifiedNames(Tokens& ts);
// Splits the tokens between `from` and `to` at top-level commas.
std::vector<std::pair<int, int>> splitCommas(const Tokens& ts, int from, int to);

bool isCompareOp(const Token& t);
// Words that never name a column.
bool isKeyword(const Token& t);
bool isPlainName(const Token& t);
bool isArith(const Token& t);

// ---- expressions (TsqlExpressions.cpp) ------------------------------------

// Rewrites functions, TOP, operators and variables of an expression or a
// whole DML statement into SQLite.
void rewriteExpressions(Tokens& ts, bool collateStrings);
// rewriteExpressions of tokens [from, to), rendered.
QString renderExpr(const Tokens& ts, int from, int to, bool collate);

// ---- CREATE TABLE (TsqlCreateTable.cpp) -----------------------------------

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

// Skips WITH (...) options, ON [PRIMARY] and TEXTIMAGE_ON [PRIMARY] from i on.
void skipStorageClauses(const Tokens& ts, int& i);
// One column definition, tokens [a, b) of a column list.
ColumnDef parseColumn(const Tokens& ts, int a, int b, const QString& table);
// Its SQLite text.
QString renderColumn(const ColumnDef& c, const QString& table, bool asPrimaryKey);
// CREATE TABLE whose name is the token at nameAt: the table and its
// normalisation triggers.
void translateCreateTable(const Tokens& ts, int nameAt, TsqlProgram& prog);

}  // namespace tj::db::tsql
