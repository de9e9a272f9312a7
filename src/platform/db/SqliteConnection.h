// The embedded backend: one SQLite file (":memory:" allowed) spoken to in
// T-SQL through TsqlDialect. Opening sets WAL and a busy timeout, registers
// the Chinese_PRC_CI_AS collation and the functions that give SQL Server's
// results (getdate, dateadd, datediff, convert, len, ...).
#pragma once

#include "platform/db/Connection.h"

#include <memory>

struct sqlite3;

namespace tj::db {

class SqliteConnection : public Connection {
public:
    explicit SqliteConnection(const QString& path, int busyTimeoutMs = 10000);
    ~SqliteConnection() override;

    void open() override;
    void close() override;
    bool isOpen() const override;

    int execute(const QString& sql) override;
    int execute(const QString& sql, const std::vector<Value>& params) override;
    ResultSet query(const QString& sql) override;
    ResultSet query(const QString& sql, const std::vector<Value>& params) override;
    bool exists(const QString& sql) override;
    std::vector<StatementResult> executeBatch(const QString& sql) override;

    void beginTransaction() override;
    void commit() override;
    void rollback() override;
    bool inTransaction() const override;

    QString backendName() const override { return QStringLiteral("SQLite"); }
    std::vector<ColumnInfo> tableColumns(const QString& table) override;
    Value lastIdentity() override;

    // Runs native SQLite text unchanged (several statements allowed), for
    // the parts of a script written for this backend only (e.g. triggers).
    void executeNative(const QString& sql);

    QString path() const;

    // The embedded server's clock, which getdate() reads: the workstation's
    // clock, or a fixed moment (tests of what happens at a given server
    // time); an invalid QDateTime restores the workstation's clock. It holds
    // for every embedded connection of the process.
    static void setServerTime(const QDateTime& fixed);

    // The raw handle (open connections only), for tools and benchmarks.
    sqlite3* handle() const;

    struct Impl;

private:
    std::unique_ptr<Impl> d;
};

}  // namespace tj::db
