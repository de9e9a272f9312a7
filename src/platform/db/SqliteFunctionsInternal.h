// Pieces shared by the SQLite function families: argument and result
// helpers, the date-time reading that conversions also use, and the entry
// points that registerAll() registers. Not for use outside the database layer.
#pragma once

#include "platform/db/SqliteFunctions.h"

#include <QByteArray>
#include <QString>
#include <sqlite3.h>

namespace tj::db::sqlfn {

// ---- arguments and results (SqliteFunctions.cpp) ---------------------------

QString argText(sqlite3_value* v);
void resultText(sqlite3_context* ctx, const QByteArray& s);
void resultText(sqlite3_context* ctx, const QString& s);
// A number as the server writes it as text: integers without a point, reals shortest.
QString numberText(sqlite3_value* v);
// Text of a text or number argument.
QString textOf(sqlite3_value* v);

// ---- dates (SqliteDateFunctions.cpp) ---------------------------------------

extern const char* const DateError;
// The date-time value of an argument: text in a date shape, or a number of
// days since day zero (0 is 1900-01-01).
enum class Got { Null, Ok, Bad };
Got argDateTime(sqlite3_value* v, qint64* ms);
// The text of a date-time in one of the server's convert styles.
bool styled(qint64 ms, int style, QByteArray* out);

void fnGetdate(sqlite3_context* ctx, int, sqlite3_value**);
void fnDatetime(sqlite3_context* ctx, int, sqlite3_value** argv);
void fnDateadd(sqlite3_context* ctx, int, sqlite3_value** argv);
void fnDatediff(sqlite3_context* ctx, int, sqlite3_value** argv);
void fnDatepart(sqlite3_context* ctx, int, sqlite3_value** argv);
int collateDateTime(void*, int alen, const void* a, int blen, const void* b);

// ---- conversions (SqliteConversionFunctions.cpp) ---------------------------

void fnBit(sqlite3_context* ctx, int, sqlite3_value** argv);
void fnMoney(sqlite3_context* ctx, int, sqlite3_value** argv);
void fnConvert(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void fnPlus(sqlite3_context* ctx, int, sqlite3_value** argv);

// ---- text and collation (SqliteTextFunctions.cpp) --------------------------

void fnLen(sqlite3_context* ctx, int, sqlite3_value** argv);
void fnDatalength(sqlite3_context* ctx, int, sqlite3_value** argv);
void fnSubstring(sqlite3_context* ctx, int, sqlite3_value** argv);
void fnLeft(sqlite3_context* ctx, int, sqlite3_value** argv);
void fnRight(sqlite3_context* ctx, int, sqlite3_value** argv);
void fnCharindex(sqlite3_context* ctx, int argc, sqlite3_value** argv);
void fnWidth(sqlite3_context* ctx, int, sqlite3_value** argv);
void fnLike(sqlite3_context* ctx, int argc, sqlite3_value** argv);
// Chinese_PRC_CI_AS (user data null) and Chinese_PRC_CS_AS (non-null).
int collate(void* cs, int alen, const void* a, int blen, const void* b);

}  // namespace tj::db::sqlfn
