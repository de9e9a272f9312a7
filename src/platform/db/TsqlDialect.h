// Translation of T-SQL statements into SQLite, token by token.
//
// A script is split into batches at GO lines and into statements at ';' or
// at the start of the next statement; each statement becomes one step. Most
// steps are plain SQLite text; a few need the connection's help (select
// into a new table, truncate, transaction control). A construct that has no
// faithful translation throws SqlError naming it.
#pragma once

#include "platform/db/Connection.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace tj::db {

struct TsqlStep {
    enum class Kind {
        Sql,          // run `sql`
        SelectInto,   // create table `table` from the columns of `sql` (a select), then fill it
        Truncate,     // delete all rows of `table` and restart its identity
        Begin,        // begin tran
        Commit,       // commit tran
        Rollback,     // rollback tran
    };
    Kind kind = Kind::Sql;
    QString sql;
    QString table;          // SelectInto / Truncate target; Sql: the table an INSERT writes to
    bool isInsert = false;  // an INSERT: the identity it produces becomes SCOPE_IDENTITY()
    bool returnsRows = false;  // a SELECT (or another statement that yields columns)
};

struct TsqlProgram {
    std::vector<TsqlStep> steps;
};

class TsqlDialect {
public:
    // Translates one statement or a whole script.
    static TsqlProgram translate(const QString& tsql);

    // The batches of a script between GO lines (GO alone on a line, any case).
    static QStringList splitBatches(const QString& script);

    // The SQLite name of a T-SQL table name: "#x", "[dbo].[#x]" and
    // "tempdb..#x" give "#x" (kept in the connection's temp schema); "[dbo].[t]"
    // gives "t".
    static QString tableName(const QString& tsqlName);

    // Name of the collation registered for text columns.
    static constexpr const char* Collation = "Chinese_PRC_CI_AS";
};

}  // namespace tj::db
