// The one order of text and field values in the program: the comparison the
// Chinese_PRC_CI_AS collation makes on the server. Case and width are
// ignored (ａ = a = A), trailing blanks are ignored ('ab ' = 'ab'), and
// Chinese characters sort in GBK code order, which is pinyin order for the
// common characters. The embedded database's collation, the data set's
// client-side sort, filter and locate, and the grids all use it.
#pragma once

#include "platform/db/Value.h"

#include <QString>
#include <string>

namespace tj::db {

// Negative, zero or positive as a comes before, equals or follows b.
int compareText(const QString& a, const QString& b);

// Field values as the database orders them: null first, then numbers by
// value, then text by compareText, then binary data byte by byte.
int compareValues(const Value& a, const Value& b);

// Whether text matches a LIKE pattern (% any run, _ one character, [abc],
// [a-c], [^abc]; the escape character, when given, makes the next pattern
// character literal), compared as compareText compares characters.
bool likeText(const QString& text, const QString& pattern, QChar escape = QChar());

// The same over UTF-8 bytes, as the SQLite collation and LIKE receive them.
// caseSensitive gives Chinese_PRC_CS_AS.
int compareTextUtf8(const char* a, int alen, const char* b, int blen, bool caseSensitive = false);
// UTF-8 text as the characters the comparison sees (full-width forms as
// ASCII, letters upper case), for likeFolded.
std::u32string foldedUtf8(const char* utf8, int len);
// LIKE over folded characters; escape 0xFFFFFFFF for none.
bool likeFolded(const std::u32string& text, const std::u32string& pattern, char32_t escape);

}  // namespace tj::db
