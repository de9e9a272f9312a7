// GBK facts the embedded backend needs: the byte width of text as a
// varchar column of the Chinese code page stores it, and the GBK code of a
// character for sorting (the order SQL Server's Chinese_PRC collations use).
#pragma once

#include <QString>
#include <QtGlobal>
#include <cstddef>

namespace tj::db::gbk {

// GBK code of a code point: 0..0x7F for ASCII, 0x8140..0xFEFE for double-byte
// characters, 0 when GBK has no such character.
quint16 code(char32_t cp);

// Bytes of text in GBK, the width a varchar column of the Chinese code page
// counts (characters GBK lacks count as one byte, as the server stores them
// as '?'). The one measure of that width in the program.
std::size_t byteLength(const char* utf8, std::size_t len);
std::size_t byteLength(const QString& text);

// Decodes one code point of UTF-8 at p (p < end); advances p.
inline char32_t next(const unsigned char*& p, const unsigned char* end)
{
    const unsigned char c = *p++;
    if (c < 0x80)
        return c;
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    char32_t cp = c & (0x3F >> extra);
    while (extra-- > 0 && p < end && (*p & 0xC0) == 0x80)
        cp = (cp << 6) | (*p++ & 0x3F);
    return cp;
}

}  // namespace tj::db::gbk
