// The text a Chinese SQL Server shows for a database error, for windows that
// show a refused post or statement and for the application-wide handler.
// Both backends report errors in SQL Server's English wording (the embedded
// backend imitates it); this gives the clerk the server's Chinese wording,
// e.g. "将截断字符串或二进制数据。（列：mcheng）" or
// "将 varchar 值 'abc' 转换成数据类型 int 时失败。". A message that is
// already Chinese is returned as it is (without the ODBC driver's prefixes);
// an unknown English message falls back to a sentence for its kind, and to
// its own text when the kind is unknown too. SqlError::message() keeps the
// original text.
#pragma once

#include "platform/db/Connection.h"

#include <QString>
#include <exception>

namespace tj::db {

QString ChineseMessage(const SqlError& e);
// A SqlError as above; any other exception: its own text.
QString ChineseMessage(const std::exception& e);

}  // namespace tj::db
