#include "core/SharedConnection.h"

namespace tj::core {

void SharedConnection::setBackend(std::unique_ptr<db::Connection> backend)
{
    reset();
    backend_ = std::move(backend);
}

void SharedConnection::reset()
{
    if (backend_) {
        try {
            backend_->close();
        } catch (...) {
        }
    }
    backend_.reset();
}

db::Connection& SharedConnection::target() const
{
    if (!backend_)
        throw db::SqlError(QStringLiteral("数据库连接失败：没有打开的数据库连接"));
    return *backend_;
}

void SharedConnection::open() { target().open(); }
void SharedConnection::close()
{
    if (backend_)
        backend_->close();
}
bool SharedConnection::isOpen() const { return backend_ && backend_->isOpen(); }
int SharedConnection::execute(const QString& sql) { return target().execute(sql); }
int SharedConnection::execute(const QString& sql, const std::vector<db::Value>& params)
{
    return target().execute(sql, params);
}
db::ResultSet SharedConnection::query(const QString& sql) { return target().query(sql); }
bool SharedConnection::exists(const QString& sql) { return target().exists(sql); }
std::vector<db::StatementResult> SharedConnection::executeBatch(const QString& sql) { return target().executeBatch(sql); }
db::ResultSet SharedConnection::query(const QString& sql, const std::vector<db::Value>& params)
{
    return target().query(sql, params);
}
void SharedConnection::beginTransaction() { target().beginTransaction(); }
void SharedConnection::commit() { target().commit(); }
void SharedConnection::rollback() { target().rollback(); }
bool SharedConnection::inTransaction() const { return backend_ && backend_->inTransaction(); }
QString SharedConnection::backendName() const { return backend_ ? backend_->backendName() : QString(); }
std::vector<db::ColumnInfo> SharedConnection::tableColumns(const QString& table)
{
    return target().tableColumns(table);
}
db::Value SharedConnection::lastIdentity() { return target().lastIdentity(); }

}  // namespace tj::core
