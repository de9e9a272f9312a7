// The workstation's one connection. Windows and queries hold this object for
// the whole run; behind it the backend connection can be replaced (account
// set switch, reconnect, rebuild) without any of them noticing.
#pragma once

#include "platform/db/Connection.h"

#include <memory>

namespace tj::core {

class SharedConnection : public db::Connection {
public:
    SharedConnection() = default;

    // Puts a freshly opened backend connection behind this one; the previous
    // one is closed.
    void setBackend(std::unique_ptr<db::Connection> backend);
    // Closes and drops the backend.
    void reset();
    bool hasBackend() const { return backend_ != nullptr; }
    db::Connection* backend() const { return backend_.get(); }

    void open() override;
    void close() override;
    bool isOpen() const override;
    int execute(const QString& sql) override;
    int execute(const QString& sql, const std::vector<db::Value>& params) override;
    db::ResultSet query(const QString& sql) override;
    db::ResultSet query(const QString& sql, const std::vector<db::Value>& params) override;
    bool exists(const QString& sql) override;
    std::vector<db::StatementResult> executeBatch(const QString& sql) override;
    void beginTransaction() override;
    void commit() override;
    void rollback() override;
    bool inTransaction() const override;
    QString backendName() const override;
    std::vector<db::ColumnInfo> tableColumns(const QString& table) override;
    db::Value lastIdentity() override;

private:
    db::Connection& target() const;
    std::unique_ptr<db::Connection> backend_;
};

}  // namespace tj::core
