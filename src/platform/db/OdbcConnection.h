// The SQL Server backend: ODBC through unixODBC and the FreeTDS driver,
// DSN-less, UTF-8 client charset. Statements are passed through unchanged.
#pragma once

#include "platform/db/Connection.h"

#include <memory>

namespace tj::db {

class OdbcConnection : public Connection {
public:
    // A full ODBC connection string: one made by buildConnectionString, or
    // any DSN-less string of another driver ("DRIVER=...;DATABASE=...;").
    explicit OdbcConnection(const QString& connectionString, int loginTimeoutSeconds = 15);
    ~OdbcConnection() override;

    // "DRIVER={...};SERVER=host;PORT=n;DATABASE=db;UID=login;PWD={pw};
    // TDS_Version=7.3;ClientCharset=UTF-8". Values holding ';', '{', '}' or
    // blanks at either end are enclosed in braces with '}' doubled. The
    // driver is the one registered as "FreeTDS" in odbcinst.ini when present,
    // else the FreeTDS driver library's path. Port 0 leaves the port out.
    static QString buildConnectionString(const QString& server, int port, const QString& database,
                                         const QString& login, const QString& password);
    // The driver part used by buildConnectionString ("FreeTDS" or a path);
    // empty when no FreeTDS driver is installed.
    static QString driver();
    // The DRIVER= value for an installed ODBC driver: its name when
    // odbcinst.ini registers it under that name, else the library's path
    // when the file exists, else empty.
    static QString installedDriver(const QString& name, const QString& library);

    void open() override;
    void close() override;
    bool isOpen() const override;

    int execute(const QString& sql) override;
    int execute(const QString& sql, const std::vector<Value>& params) override;
    ResultSet query(const QString& sql) override;
    ResultSet query(const QString& sql, const std::vector<Value>& params) override;
    bool exists(const QString& sql) override;
    // Batches are sent one at a time, split at GO lines as the server's tools split them.
    std::vector<StatementResult> executeBatch(const QString& sql) override;

    void beginTransaction() override;
    void commit() override;
    void rollback() override;
    bool inTransaction() const override;

    QString backendName() const override { return QStringLiteral("SQL Server"); }
    std::vector<ColumnInfo> tableColumns(const QString& table) override;
    Value lastIdentity() override;

    struct Impl;

private:
    std::unique_ptr<Impl> d;
};

}  // namespace tj::db
