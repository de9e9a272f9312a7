// A connection to the database: the embedded SQLite backend (statements in
// T-SQL, translated) or SQL Server over ODBC (statements passed through).
#pragma once

#include "platform/db/Value.h"

#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

namespace tj::db {

// A database error; what() is the UTF-8 text of the database's own message.
// The kind says what went wrong in terms a caller can act on (offer to
// reconnect, retry later, show a refused post); the native state and number
// are the database's own codes (ODBC: the SQLSTATE such as "08S01" and the
// server's error number; SQLite: the extended result code, as number and as
// decimal text).
class SqlError : public std::runtime_error {
public:
    enum class Kind {
        Other,           // anything not below
        ConnectionLost,  // the connection is gone or could not be made
        Timeout,         // the statement or the login timed out
        Busy,            // another session holds the lock (SQLite busy, deadlock victim, lock time-out)
        Constraint,      // a key, NOT NULL, CHECK or foreign-key constraint refused the row
        Conversion,      // a value did not convert to the column's or the expression's type
        Truncation,      // text or binary data longer than its column
    };

    explicit SqlError(const QString& message, Kind kind = Kind::Other, const QString& nativeState = QString(),
                      int nativeCode = 0);
    QString message() const { return message_; }
    Kind kind() const { return kind_; }
    QString nativeState() const { return nativeState_; }
    int nativeCode() const { return nativeCode_; }
    // Connection lost or timed out: the cases in which reconnecting may help.
    bool isConnectionProblem() const { return kind_ == Kind::ConnectionLost || kind_ == Kind::Timeout; }

    // The kind of an ODBC diagnostic: SQL Server's error numbers first
    // (2627/2601/547/515 constraint, 245/8114 conversion, 8152/2628
    // truncation, 1205/1222 busy, ...), then the SQLSTATE class (08 connection,
    // HYT00/HYT01 time-out, 23 constraint, 22001 truncation, other 22
    // conversion, 40001 busy).
    static Kind kindOfOdbc(const QString& sqlState, int nativeError);
    // The kind of an SQLite error: busy/locked, constraint, cannot-open and
    // I/O errors (the file is out of reach), and the dialect's own errors that
    // carry SQL Server's texts (conversion, truncation).
    static Kind kindOfSqlite(int extendedResultCode, const QString& message);

private:
    QString message_;
    Kind kind_ = Kind::Other;
    QString nativeState_;
    int nativeCode_ = 0;
};

struct ResultSet {
    QStringList columns;
    std::vector<std::vector<Value>> rows;

    // Case-insensitive; -1 when there is no such column.
    int columnIndex(const QString& name) const;
    bool isEmpty() const { return rows.empty(); }
    // rows[row][column-by-name]; null Value when the column is missing.
    Value value(std::size_t row, const QString& column) const;
};

// What one statement of a batch gave: a result set, or the number of rows
// it changed.
struct StatementResult {
    bool hasResultSet = false;
    ResultSet resultSet;
    // Rows changed by an INSERT, UPDATE, DELETE or SELECT ... INTO, or the
    // rows of the result set; -1 when the statement does neither (CREATE,
    // DROP, SET, transaction control).
    int rowsAffected = -1;
};

// One column of a table as declared.
struct ColumnInfo {
    QString name;
    QString type;      // lower-case base type: int, bigint, bit, money, datetime, varchar, text, image, ...
    int width = 0;     // varchar(n): n; 0 otherwise
    bool identity = false;
    bool primaryKey = false;
    bool notNull = false;
};

class Connection {
public:
    Connection() = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    virtual ~Connection();

    virtual void open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Runs a statement or a batch (several statements, GO separators
    // allowed); returns the rows affected by the last statement that changed
    // rows (0 when none did).
    virtual int execute(const QString& sql) = 0;
    // One statement with positional parameters '?' bound to values.
    virtual int execute(const QString& sql, const std::vector<Value>& params) = 0;
    // The rows of the statement's result set (the last statement of a batch
    // that returns columns).
    virtual ResultSet query(const QString& sql) = 0;
    virtual ResultSet query(const QString& sql, const std::vector<Value>& params) = 0;
    // First column of the first row; null Value when there is no row.
    Value scalar(const QString& sql);
    // Whether the statement (one SELECT, sent as it stands) yields a row.
    // Fetches at most one row: the embedded backend steps once, ODBC fetches
    // once and closes the cursor. The default runs query().
    virtual bool exists(const QString& sql);
    // Runs a statement or a batch (GO separators allowed) and gives what each
    // statement gave, in order: every result set and the row count of every
    // statement that changed rows (as SQL Server's command-line client prints
    // them). The default runs query() and gives its result set alone.
    virtual std::vector<StatementResult> executeBatch(const QString& sql);

    // Transactions nest by count: only the outermost commit commits; a
    // rollback at any depth rolls back everything (as on SQL Server).
    virtual void beginTransaction() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;
    virtual bool inTransaction() const = 0;

    // "SQLite" or "SQL Server".
    virtual QString backendName() const = 0;

    // Columns of a table as declared (temporary tables "#x" included);
    // empty when there is no such table.
    virtual std::vector<ColumnInfo> tableColumns(const QString& table) = 0;
    // The identity produced by the last insert on this connection, as
    // SCOPE_IDENTITY() gives it; null after an insert of no rows.
    virtual Value lastIdentity() = 0;
};

// Rolls back on destruction unless committed.
class Transaction {
public:
    explicit Transaction(Connection& c) : c_(c) { c_.beginTransaction(); }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction()
    {
        if (!done_) {
            try { c_.rollback(); } catch (...) {}
        }
    }
    void commit() { c_.commit(); done_ = true; }
    void rollback() { done_ = true; c_.rollback(); }

private:
    Connection& c_;
    bool done_ = false;
};

}  // namespace tj::db
