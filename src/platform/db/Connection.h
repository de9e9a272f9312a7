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
class SqlError : public std::runtime_error {
public:
    explicit SqlError(const QString& message);
    QString message() const { return message_; }

private:
    QString message_;
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
