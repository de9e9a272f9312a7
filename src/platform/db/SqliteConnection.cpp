#include "platform/db/SqliteConnection.h"

#include "platform/db/SqlLexer.h"
#include "platform/db/SqliteFunctions.h"
#include "platform/db/TsqlDialect.h"

#include <QDateTime>
#include <QHash>
#include <sqlite3.h>

#include <cstdlib>
#include <memory>

namespace tj::db {

namespace {

// An error of the database with its kind and extended result code.
SqlError sqliteError(int code, const QString& message)
{
    return SqlError(message, SqlError::kindOfSqlite(code, message), QString::number(code), code);
}

// Translations (and their prepared statements) kept per connection; the
// cache is emptied when it grows past this many statement texts.
constexpr int CacheLimit = 400;

struct Compiled {
    TsqlProgram program;
    bool shapeUsable = true;                // a shape whose program takes its values as parameters
    std::vector<sqlite3_stmt*> statements;  // one per step, prepared on first use
    std::vector<char> ddl;                  // the step changes the schema

    ~Compiled()
    {
        for (sqlite3_stmt* s : statements)
            sqlite3_finalize(s);
    }
};

bool startsWithWord(const QString& s, const char* w)
{
    return s.startsWith(QLatin1String(w), Qt::CaseInsensitive);
}

// ---- statement shapes ------------------------------------------------------
// Statements are mostly made by SqlText with their values written in. The
// literals of a select/insert/update/delete are lifted out into numbered
// parameters, so that statements differing only in their values share one
// translation and one prepared statement. Literals whose value matters to
// the statement's form stay in the text: TOP counts, type widths, ORDER BY /
// GROUP BY positions, and constants of a plain select list (they name the
// result column).

struct Shape {
    QString key;
    std::vector<Value> values;
};

using sql::isWord;

bool isTypeWord(QStringView w)
{
    static const char* const types[] = {"varchar", "nvarchar", "char", "nchar", "decimal", "numeric", "varbinary", "binary", "top"};
    for (const char* t : types)
        if (isWord(w, t))
            return true;
    return false;
}

bool parameterize(const QString& sql, Shape& out)
{
    const QStringView text(sql);
    out.key.clear();
    out.key.reserve(sql.size());
    out.values.clear();

    enum class Prev { None, Word, Punct, Literal };
    Prev prev = Prev::None;
    QStringView prevText;
    int depth = 0;
    int selectListDepth = -1;  // inside "select ... from" at this depth
    int orderDepth = -1;       // inside "order by" / "group by" at this depth
    int typeParenDepth = -1;   // inside "varchar(...)", "top (...)"
    bool insert = false;
    bool firstWord = true;

    auto note = [&](Prev kind, QStringView t) {
        prevText = t;
        prev = kind;
    };
    auto literalAllowed = [&]() { return !(selectListDepth == depth && !insert); };

    sql::Lexer lexer(text);
    sql::Lexeme l;
    int numberEnd = -1;  // end of the number just read
    while (lexer.next(l)) {
        const QStringView t = l.text(text);
        if (l.begin == numberEnd && (l.kind == sql::Lexeme::Word || l.kind == sql::Lexeme::Number))
            return false;  // "1abc", "1.2.3": odd text, kept whole
        switch (l.kind) {
        case sql::Lexeme::Space:
        case sql::Lexeme::Comment:
            if (!l.closed)
                return false;
            if (!out.key.isEmpty() && !out.key.endsWith(QLatin1Char(' ')))
                out.key += QLatin1Char(' ');
            continue;
        case sql::Lexeme::Parameter:
        case sql::Lexeme::Binary:
            return false;  // the caller's own parameters; binary literals stay in the text
        case sql::Lexeme::String:
            if (!l.closed)
                return false;
            if (literalAllowed()) {
                out.values.emplace_back(sql::stringValue(text, l));
                out.key += QLatin1Char('?') + QString::number(out.values.size());
            } else {
                out.key += t;
            }
            note(Prev::Literal, QStringView());
            continue;
        case sql::Lexeme::Name:
            if (!l.closed)
                return false;
            out.key += t;
            note(Prev::Word, t);
            continue;
        case sql::Lexeme::Number: {
            if (t.contains(QLatin1Char('e')) || t.contains(QLatin1Char('E')))
                return false;  // exponents: keep the whole text
            numberEnd = l.end;
            bool param = false;
            if (literalAllowed() && orderDepth != depth && typeParenDepth != depth) {
                if (prev == Prev::Punct)
                    param = prevText != QLatin1String(")") && prevText != QLatin1String("-") && prevText != QLatin1String("+")
                        && prevText != QLatin1String("*") && prevText != QLatin1String("/") && prevText != QLatin1String("%");
                else if (prev == Prev::Word)
                    param = isWord(prevText, "then") || isWord(prevText, "else") || isWord(prevText, "when")
                        || isWord(prevText, "between") || isWord(prevText, "and") || isWord(prevText, "or")
                        || (isWord(prevText, "select") && insert);
            }
            if (param) {
                bool ok = false;
                if (t.contains(QLatin1Char('.'))) {
                    const double d = t.toDouble(&ok);
                    if (!ok)
                        return false;
                    out.values.emplace_back(d);
                } else {
                    const qint64 v = t.toLongLong(&ok);
                    if (!ok)
                        return false;
                    out.values.emplace_back(v);
                }
                out.key += QLatin1Char('?') + QString::number(out.values.size());
            } else {
                out.key += t;
            }
            note(Prev::Literal, QStringView());
            continue;
        }
        case sql::Lexeme::Word:
        case sql::Lexeme::Variable: {
            out.key += t;
            if (t.size() > 8 || t.size() < 2) {
                if (firstWord)
                    return false;
                note(Prev::Word, t);
                continue;
            }
            if (firstWord) {
                firstWord = false;
                insert = isWord(t, "insert");
                if (!insert && !isWord(t, "select") && !isWord(t, "update") && !isWord(t, "delete"))
                    return false;
            }
            if (isWord(t, "select")) {
                selectListDepth = depth;
            } else if (isWord(t, "from") || isWord(t, "where")) {
                if (selectListDepth == depth)
                    selectListDepth = -1;
            } else if (isWord(t, "into")) {
                if (selectListDepth == depth)
                    return false;  // select ... into: a table is made from the statement
            } else if (isWord(t, "by") && (isWord(prevText, "order") || isWord(prevText, "group"))) {
                orderDepth = depth;
            }
            if (orderDepth == depth && (isWord(t, "having") || isWord(t, "limit") || isWord(t, "union") || isWord(t, "select")))
                orderDepth = -1;
            if (isWord(t, "create") || isWord(t, "drop") || isWord(t, "alter") || isWord(t, "truncate") || isWord(t, "exec")
                || isWord(t, "declare") || isWord(t, "begin") || isWord(t, "commit") || isWord(t, "rollback"))
                return false;
            note(Prev::Word, t);
            continue;
        }
        case sql::Lexeme::Punct:
            break;
        }
        const QChar c = t.front();
        if (c == QLatin1Char('(')) {
            ++depth;
            if (prev == Prev::Word && isTypeWord(prevText))
                typeParenDepth = depth;
        } else if (c == QLatin1Char(')')) {
            if (typeParenDepth == depth)
                typeParenDepth = -1;
            if (orderDepth == depth)
                orderDepth = -1;
            if (selectListDepth == depth)
                selectListDepth = -1;
            --depth;
        } else if (c == QLatin1Char(';')) {
            insert = false;
            firstWord = true;
            selectListDepth = orderDepth = -1;
        }
        out.key += t;
        note(Prev::Punct, t);
    }
    return !out.values.empty();
}

}  // namespace

struct SqliteConnection::Impl {
    QString path;
    int busyTimeout = 10000;
    sqlite3* db = nullptr;
    int depth = 0;
    Value identity;
    QHash<QString, std::shared_ptr<Compiled>> cache;
    QHash<QString, std::vector<ColumnInfo>> columns;

    [[noreturn]] void fail() const
    {
        if (!db)
            requireOpen();
        throw sqliteError(sqlite3_extended_errcode(db), QString::fromUtf8(sqlite3_errmsg(db)));
    }

    void requireOpen() const
    {
        if (!db)
            throw SqlError(QStringLiteral("The connection to the database is not open."), SqlError::Kind::ConnectionLost);
    }

    void exec(const char* sql)
    {
        char* err = nullptr;
        const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &err);
        if (rc != SQLITE_OK) {
            const QString msg = QString::fromUtf8(err ? err : sqlite3_errmsg(db));
            sqlite3_free(err);
            throw sqliteError(sqlite3_extended_errcode(db), msg);
        }
    }

    std::shared_ptr<Compiled> compile(const QString& sql, bool shape = false)
    {
        auto it = cache.constFind(sql);
        if (it != cache.constEnd())
            return it.value();
        auto c = std::make_shared<Compiled>();
        if (shape) {
            try {
                c->program = TsqlDialect::translate(sql);
            } catch (const SqlError&) {
                c->shapeUsable = false;  // the statement's own text decides (and reports)
            }
            for (const TsqlStep& st : c->program.steps)
                if (st.kind != TsqlStep::Kind::Sql)
                    c->shapeUsable = false;
        } else {
            c->program = TsqlDialect::translate(sql);
        }
        c->statements.assign(c->program.steps.size(), nullptr);
        for (const TsqlStep& s : c->program.steps)
            c->ddl.push_back(s.kind == TsqlStep::Kind::SelectInto
                             || (s.kind == TsqlStep::Kind::Sql
                                 && (startsWithWord(s.sql, "create") || startsWithWord(s.sql, "drop") || startsWithWord(s.sql, "alter"))));
        if (cache.size() >= CacheLimit)
            cache.clear();
        cache.insert(sql, c);
        return c;
    }

    sqlite3_stmt* prepare(const QString& sql, unsigned flags)
    {
        const QByteArray u = sql.toUtf8();
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v3(db, u.constData(), int(u.size()), flags, &st, nullptr) != SQLITE_OK) {
            sqlite3_finalize(st);
            fail();
        }
        return st;
    }

    static void bindOne(sqlite3_stmt* st, int i, const Value& v)
    {
        {
            switch (v.type()) {
            case Value::Type::Null: sqlite3_bind_null(st, i + 1); break;
            case Value::Type::Integer: sqlite3_bind_int64(st, i + 1, v.toInteger()); break;
            case Value::Type::Real: sqlite3_bind_double(st, i + 1, v.toDouble()); break;
            case Value::Type::Text: {
                const QByteArray u = v.toString().toUtf8();
                sqlite3_bind_text(st, i + 1, u.constData(), int(u.size()), SQLITE_TRANSIENT);
                break;
            }
            case Value::Type::Blob: {
                const QByteArray b = v.toBlob();
                sqlite3_bind_blob(st, i + 1, b.constData(), int(b.size()), SQLITE_TRANSIENT);
                break;
            }
            }
        }
    }

    // Binds the lifted literals of a shape: "?N" takes value N.
    static void bindNumbered(sqlite3_stmt* st, const std::vector<Value>& values)
    {
        const int count = sqlite3_bind_parameter_count(st);
        for (int j = 1; j <= count; ++j) {
            const char* name = sqlite3_bind_parameter_name(st, j);
            if (!name)
                continue;  // numbers used by other statements of the batch
            const int index = std::atoi(name + 1) - 1;
            if (index < 0 || index >= int(values.size()))
                throw SqlError(QStringLiteral("internal error: parameter %1 has no value").arg(QString::fromUtf8(name)));
            bindOne(st, j - 1, values[std::size_t(index)]);
        }
    }

    static void bind(sqlite3_stmt* st, const std::vector<Value>& params)
    {
        const int expected = sqlite3_bind_parameter_count(st);
        if (expected != int(params.size()))
            throw SqlError(QStringLiteral("The statement has %1 parameters but %2 values were given.").arg(expected).arg(params.size()));
        for (int i = 0; i < int(params.size()); ++i) {
            const Value& v = params[i];
            switch (v.type()) {
            case Value::Type::Null: sqlite3_bind_null(st, i + 1); break;
            case Value::Type::Integer: sqlite3_bind_int64(st, i + 1, v.toInteger()); break;
            case Value::Type::Real: sqlite3_bind_double(st, i + 1, v.toDouble()); break;
            case Value::Type::Text: {
                const QByteArray u = v.toString().toUtf8();
                sqlite3_bind_text(st, i + 1, u.constData(), int(u.size()), SQLITE_TRANSIENT);
                break;
            }
            case Value::Type::Blob: {
                const QByteArray b = v.toBlob();
                sqlite3_bind_blob(st, i + 1, b.constData(), int(b.size()), SQLITE_TRANSIENT);
                break;
            }
            }
        }
    }

    // Runs one prepared statement to its end, or until maxRows rows are read
    // when maxRows >= 0; rows go to rs when given. Returns sqlite3_changes
    // for statements that write.
    int run(sqlite3_stmt* st, ResultSet* rs, int maxRows = -1)
    {
        const int ncol = sqlite3_column_count(st);
        std::vector<char> money;
        if (ncol > 0 && rs) {
            rs->columns.clear();
            rs->rows.clear();
            money.resize(ncol);
            for (int c = 0; c < ncol; ++c) {
                rs->columns << QString::fromUtf8(sqlite3_column_name(st, c));
                const char* decl = sqlite3_column_decltype(st, c);
                money[c] = decl && sqlite3_stricmp(decl, "MONEY") == 0;
            }
        }
        for (;;) {
            const int rc = sqlite3_step(st);
            if (rc == SQLITE_ROW) {
                if (!rs || ncol == 0)
                    continue;
                std::vector<Value> row;
                row.reserve(ncol);
                for (int c = 0; c < ncol; ++c) {
                    switch (sqlite3_column_type(st, c)) {
                    case SQLITE_INTEGER: row.emplace_back(qint64(sqlite3_column_int64(st, c))); break;
                    case SQLITE_FLOAT: {
                        const double d = sqlite3_column_double(st, c);
                        row.emplace_back(money[c] ? Currency::fromDouble(d).toDouble() : d);
                        break;
                    }
                    case SQLITE_TEXT:
                        row.emplace_back(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c)),
                                                           sqlite3_column_bytes(st, c)));
                        break;
                    case SQLITE_BLOB: {
                        const void* p = sqlite3_column_blob(st, c);
                        row.emplace_back(QByteArray(static_cast<const char*>(p), sqlite3_column_bytes(st, c)));
                        break;
                    }
                    default: row.emplace_back(); break;
                    }
                }
                rs->rows.push_back(std::move(row));
                if (maxRows >= 0 && int(rs->rows.size()) >= maxRows)
                    break;
                continue;
            }
            if (rc == SQLITE_DONE)
                break;
            const QString msg = QString::fromUtf8(sqlite3_errmsg(db));
            sqlite3_reset(st);
            sqlite3_clear_bindings(st);
            throw sqliteError(rc, msg);
        }
        const int changes = sqlite3_stmt_readonly(st) ? -1 : sqlite3_changes(db);
        sqlite3_reset(st);
        sqlite3_clear_bindings(st);
        return changes;
    }

    bool hasIdentity(const QString& table);
    std::vector<ColumnInfo> tableColumns(const QString& table);
    void selectInto(const TsqlStep& step, sqlite3_stmt* select);
    void truncate(const QString& table);

    void begin()
    {
        requireOpen();
        if (depth == 0)
            exec("BEGIN IMMEDIATE");
        ++depth;
    }
    void commit()
    {
        requireOpen();
        if (depth == 0)
            throw SqlError(QStringLiteral("The COMMIT TRANSACTION request has no corresponding BEGIN TRANSACTION."));
        if (depth == 1 && !sqlite3_get_autocommit(db))
            exec("COMMIT");  // a failed commit (busy) keeps the transaction open
        --depth;
    }
    void rollback()
    {
        requireOpen();
        if (depth == 0)
            throw SqlError(QStringLiteral("The ROLLBACK TRANSACTION request has no corresponding BEGIN TRANSACTION."));
        depth = 0;
        if (!sqlite3_get_autocommit(db))
            exec("ROLLBACK");
        columns.clear();
    }

    // Where the rows of a program go.
    struct Output {
        ResultSet* last = nullptr;                    // the last result set
        std::vector<StatementResult>* all = nullptr;  // every result set and row count, in order
        bool firstRowOnly = false;  // the first result set decides: one row into `last`, then stop
    };
    int execute(const QString& sql, const std::vector<Value>* params, const Output& out);
    int runProgram(Compiled& c, const std::vector<Value>* params, bool numbered, const Output& out);
    Shape shape;  // scratch, reused between statements
};

std::vector<ColumnInfo> SqliteConnection::Impl::tableColumns(const QString& tableText)
{
    const QString table = TsqlDialect::tableName(tableText);
    const QString key = table.toLower();
    auto it = columns.constFind(key);
    if (it != columns.constEnd())
        return it.value();
    const bool temp = table.startsWith(QLatin1Char('#'));
    QString escaped = table;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    sqlite3_stmt* st = prepare(QStringLiteral("PRAGMA %1.table_info(\"%2\")").arg(temp ? QLatin1String("temp") : QLatin1String("main"), escaped), 0);
    std::vector<ColumnInfo> cols;
    while (sqlite3_step(st) == SQLITE_ROW) {
        ColumnInfo c;
        c.name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
        const QString decl = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 2))).toLower();
        c.notNull = sqlite3_column_int(st, 3) != 0;
        c.primaryKey = sqlite3_column_int(st, 5) != 0;
        if (decl == QLatin1String("integer") && c.primaryKey) {
            c.type = QStringLiteral("int");
            c.identity = true;
            c.notNull = true;
        } else if (decl.startsWith(QLatin1String("varchar"))) {
            c.type = QStringLiteral("varchar");
            const int open = int(decl.indexOf(QLatin1Char('(')));
            c.width = open > 0 ? decl.mid(open + 1, decl.size() - open - 2).toInt() : 0;
        } else if (decl == QLatin1String("blob")) {
            c.type = QStringLiteral("image");
        } else if (decl == QLatin1String("integer")) {
            c.type = QStringLiteral("int");
        } else {
            c.type = decl;
        }
        cols.push_back(c);
    }
    sqlite3_finalize(st);
    // A bigint identity is an INTEGER key marked with a comment in the table's text.
    for (ColumnInfo& c : cols) {
        if (!c.identity)
            continue;
        sqlite3_stmt* q = prepare(QStringLiteral("SELECT sql FROM %1.sqlite_master WHERE type = 'table' AND name = ?")
                                      .arg(temp ? QLatin1String("temp") : QLatin1String("main")), 0);
        const QByteArray name = table.toUtf8();
        sqlite3_bind_text(q, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        if (sqlite3_step(q) == SQLITE_ROW
            && QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(q, 0))).contains(QLatin1String("AUTOINCREMENT /*bigint*/")))
            c.type = QStringLiteral("bigint");
        sqlite3_finalize(q);
    }
    columns.insert(key, cols);
    return cols;
}

bool SqliteConnection::Impl::hasIdentity(const QString& table)
{
    for (const ColumnInfo& c : tableColumns(table))
        if (c.identity)
            return true;
    return false;
}

void SqliteConnection::Impl::selectInto(const TsqlStep& step, sqlite3_stmt* select)
{
    // The new table takes the select's column names and declared types; text
    // columns get the text collation, as every table of the database has it.
    const bool temp = step.table.startsWith(QLatin1Char('#'));
    QString quotedTable = step.table;
    quotedTable.replace(QLatin1Char('"'), QLatin1String("\"\""));
    quotedTable = QLatin1Char('"') + quotedTable + QLatin1Char('"');
    QStringList defs;
    const int n = sqlite3_column_count(select);
    for (int c = 0; c < n; ++c) {
        QString name = QString::fromUtf8(sqlite3_column_name(select, c));
        name.replace(QLatin1Char('"'), QLatin1String("\"\""));
        QString decl = QString::fromUtf8(sqlite3_column_decltype(select, c));
        const QString low = decl.toLower();
        if (low == QLatin1String("integer"))
            decl = QStringLiteral("INT");
        const bool text = decl.isEmpty() || low.contains(QLatin1String("char")) || low.contains(QLatin1String("text"));
        const bool date = low.contains(QLatin1String("date"));
        defs << QStringLiteral("\"%1\" %2%3").arg(name, decl,
                                                 text   ? QStringLiteral(" COLLATE ") + QLatin1String(TsqlDialect::Collation)
                                                 : date ? QStringLiteral(" COLLATE tj_datetime")
                                                        : QString());
    }
    const QString create = QStringLiteral("CREATE %1TABLE %2 (%3)")
                               .arg(temp ? QStringLiteral("TEMP ") : QString(), quotedTable, defs.join(QStringLiteral(", ")));
    exec(create.toUtf8().constData());
    columns.clear();
    sqlite3_stmt* ins = prepare(QStringLiteral("INSERT INTO %1 %2").arg(quotedTable, QString::fromUtf8(sqlite3_sql(select))), 0);
    try {
        run(ins, nullptr);
    } catch (...) {
        sqlite3_finalize(ins);
        throw;
    }
    sqlite3_finalize(ins);
}

void SqliteConnection::Impl::truncate(const QString& table)
{
    const bool temp = table.startsWith(QLatin1Char('#'));
    QString q = table;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    QString s = q;
    s.replace(QLatin1Char('\''), QLatin1String("''"));
    exec(QStringLiteral("DELETE FROM \"%1\"").arg(q).toUtf8().constData());
    // The identity restarts; the sequence table exists once any table has one.
    const QString seq = QStringLiteral("SELECT 1 FROM %1.sqlite_master WHERE name = 'sqlite_sequence'").arg(temp ? QLatin1String("temp") : QLatin1String("main"));
    sqlite3_stmt* st = prepare(seq, 0);
    const bool hasSeq = sqlite3_step(st) == SQLITE_ROW;
    sqlite3_finalize(st);
    if (hasSeq)
        exec(QStringLiteral("DELETE FROM %1.sqlite_sequence WHERE name = '%2'").arg(temp ? QLatin1String("temp") : QLatin1String("main"), s).toUtf8().constData());
}

int SqliteConnection::Impl::execute(const QString& sql, const std::vector<Value>* params, const Output& out)
{
    requireOpen();
    if (!params && parameterize(sql, shape)) {
        const std::shared_ptr<Compiled> c = compile(shape.key, true);
        if (c->shapeUsable) {
            const std::vector<Value> values = std::move(shape.values);
            return runProgram(*c, &values, true, out);
        }
    }
    const std::shared_ptr<Compiled> c = compile(sql);
    if (params && (c->program.steps.size() != 1 || c->program.steps.front().kind != TsqlStep::Kind::Sql))
        throw SqlError(QStringLiteral("Parameters can be given to a single statement only."));
    return runProgram(*c, params, false, out);
}

int SqliteConnection::Impl::runProgram(Compiled& compiled, const std::vector<Value>* params, bool numbered, const Output& out)
{
    Compiled* c = &compiled;
    const auto& steps = c->program.steps;
    int changes = 0;
    ResultSet scratch;
    for (size_t i = 0; i < steps.size(); ++i) {
        const TsqlStep& step = steps[i];
        switch (step.kind) {
        case TsqlStep::Kind::Begin: begin(); continue;
        case TsqlStep::Kind::Commit: commit(); continue;
        case TsqlStep::Kind::Rollback: rollback(); continue;
        case TsqlStep::Kind::Truncate: truncate(step.table); continue;
        case TsqlStep::Kind::SelectInto:
        case TsqlStep::Kind::Sql: break;
        }
        sqlite3_stmt*& st = c->statements[i];
        if (!st)
            st = prepare(step.sql, c->ddl[i] ? 0 : SQLITE_PREPARE_PERSISTENT);
        if (step.kind == TsqlStep::Kind::SelectInto) {
            selectInto(step, st);
            changes = sqlite3_changes(db);
            if (out.all)
                out.all->push_back({false, {}, changes});
            continue;
        }
        if (params) {
            if (numbered)
                bindNumbered(st, *params);
            else
                bind(st, *params);
        }
        const bool hasColumns = sqlite3_column_count(st) > 0;
        const bool rowsWanted = (out.last || out.all) && hasColumns;
        const bool stopHere = out.firstRowOnly && hasColumns;
        int n;
        try {
            n = run(st, rowsWanted ? &scratch : nullptr, stopHere ? 1 : -1);
        } catch (...) {
            if (step.isInsert)
                identity = Value();
            if (c->ddl[i])
                columns.clear();
            throw;
        }
        if (out.all) {
            if (hasColumns)
                out.all->push_back({true, scratch, int(scratch.rows.size())});
            else if (!c->ddl[i] && !sqlite3_stmt_readonly(st))
                out.all->push_back({false, {}, n});
        }
        if (rowsWanted && out.last)
            *out.last = std::move(scratch);
        if (stopHere)
            return 0;
        if (c->ddl[i]) {
            columns.clear();
            // A statement prepared against the old schema is prepared again next time.
            sqlite3_finalize(st);
            st = nullptr;
        }
        if (step.isInsert)
            identity = (n > 0 && hasIdentity(step.table)) ? Value(qint64(sqlite3_last_insert_rowid(db))) : Value();
        if (n >= 0)
            changes = n;
    }
    return changes;
}

SqliteConnection::SqliteConnection(const QString& path, int busyTimeoutMs) : d(std::make_unique<Impl>())
{
    d->path = path;
    d->busyTimeout = busyTimeoutMs;
}

SqliteConnection::~SqliteConnection()
{
    close();
}

void SqliteConnection::open()
{
    if (d->db)
        return;
    sqlite3* db = nullptr;
    const QByteArray p = d->path.toUtf8();
    const int rc = sqlite3_open_v2(p.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString msg = QStringLiteral("%1: %2").arg(db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory"), d->path);
        const int code = db ? sqlite3_extended_errcode(db) : rc;
        sqlite3_close(db);
        throw sqliteError(code, msg);
    }
    d->db = db;
    try {
        sqlite3_extended_result_codes(db, 1);
        sqlite3_busy_timeout(db, d->busyTimeout);
        if (d->path != QLatin1String(":memory:") && !d->path.isEmpty())
            d->exec("PRAGMA journal_mode=WAL");
        sqlfn::registerAll(db, &d->identity);
    } catch (...) {
        sqlite3_close(db);
        d->db = nullptr;
        throw;
    }
}

void SqliteConnection::close()
{
    if (!d->db)
        return;
    d->cache.clear();
    d->columns.clear();
    d->depth = 0;
    sqlite3_close_v2(d->db);
    d->db = nullptr;
}

bool SqliteConnection::isOpen() const
{
    return d->db != nullptr;
}

int SqliteConnection::execute(const QString& sql)
{
    return d->execute(sql, nullptr, {});
}

int SqliteConnection::execute(const QString& sql, const std::vector<Value>& params)
{
    return d->execute(sql, &params, {});
}

ResultSet SqliteConnection::query(const QString& sql)
{
    ResultSet rs;
    d->execute(sql, nullptr, {&rs});
    return rs;
}

ResultSet SqliteConnection::query(const QString& sql, const std::vector<Value>& params)
{
    ResultSet rs;
    d->execute(sql, &params, {&rs});
    return rs;
}

bool SqliteConnection::exists(const QString& sql)
{
    ResultSet rs;
    d->execute(sql, nullptr, {&rs, nullptr, true});
    return !rs.isEmpty();
}

std::vector<StatementResult> SqliteConnection::executeBatch(const QString& sql)
{
    std::vector<StatementResult> all;
    d->execute(sql, nullptr, {nullptr, &all});
    return all;
}

void SqliteConnection::executeNative(const QString& sql)
{
    d->requireOpen();
    d->columns.clear();
    d->exec(sql.toUtf8().constData());
}

void SqliteConnection::beginTransaction() { d->begin(); }
void SqliteConnection::commit() { d->commit(); }
void SqliteConnection::rollback() { d->rollback(); }
bool SqliteConnection::inTransaction() const { return d->depth > 0; }

std::vector<ColumnInfo> SqliteConnection::tableColumns(const QString& table)
{
    d->requireOpen();
    return d->tableColumns(table);
}

Value SqliteConnection::lastIdentity()
{
    return d->identity;
}

QString SqliteConnection::path() const
{
    return d->path;
}

void SqliteConnection::setServerTime(const QDateTime& fixed)
{
    sqlfn::setFixedNow(fixed.isValid() ? fixed.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")).toUtf8() : QByteArray());
}

sqlite3* SqliteConnection::handle() const
{
    return d->db;
}

}  // namespace tj::db
