// Functions and collations that give an SQLite connection SQL Server's
// results for the translated T-SQL (see TsqlDialect).
#pragma once

#include "platform/db/Value.h"

#include <QString>
#include <optional>

struct sqlite3;

namespace tj::db::sqlfn {

// Registers everything on a connection; scopeIdentity is read by
// tj_scope_identity() and must outlive the connection.
void registerAll(sqlite3* db, const Value* scopeIdentity);

// A date-time as milliseconds since 1900-01-01 00:00:00.000 (the server's
// day zero), parsed from the text shapes the server accepts; nullopt when
// the text is no date.
std::optional<qint64> parseDateTime(const QByteArray& utf8);
// "yyyy-mm-dd hh:nn:ss.zzz"
QByteArray formatDateTime(qint64 ms);
// The local time now in the stored shape, or the fixed moment set below.
QByteArray now();
// Fixes what now() gives ("yyyy-mm-dd hh:nn:ss.zzz"); empty restores the local time.
void setFixedNow(const QByteArray& stored);

}  // namespace tj::db::sqlfn
