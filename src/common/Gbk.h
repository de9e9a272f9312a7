// Conversion between the program's Unicode text and GBK bytes (Windows code
// page 936), used wherever byte semantics matter: the text cipher, the
// pinyin walk, text wrapping and column widths counted in bytes.
//
// Characters that GBK lacks are written as their four-byte GB18030 sequence
// (lead 0x81-0xFE, second byte 0x30-0x39), so no conversion loses text; such
// sequences can never be mistaken for GBK's one- or two-byte codes.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tj::common {

// GBK bytes of a text.
QByteArray toGbk(const QString& text);

// Text of GBK bytes; undecodable bytes become U+FFFD.
QString fromGbk(QByteArrayView bytes);

// The width SQL Server's varchar counts for the text: GBK bytes, a character
// GBK lacks counting one byte as the server stores it as '?' (toGbk writes
// such characters as four bytes, so this can be less than toGbk's size).
// The same measure as the embedded database's width check (db::gbk::byteLength).
qsizetype gbkLength(const QString& text);

// Length in bytes (1, 2 or 4) of the character starting at pos of GBK bytes.
// A byte from 0x81 with a following byte from 0x40 starts a double-byte
// character; everything else not part of a four-byte sequence is one byte.
qsizetype gbkCharLength(QByteArrayView bytes, qsizetype pos);

}  // namespace tj::common
