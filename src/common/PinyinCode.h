// Pinyin search codes (the pyjma columns): the initials of the Chinese
// characters of a name, walked over its GBK bytes with a fixed reading table.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace tj::common {

// Flags of PinyinCode, combined with |.
enum PinyinFlag : int {
    PinyinWholeSyllables = 1,      // whole syllables (up to 6 letters) instead of initials
    PinyinMarkUnknown = 2,         // "?" for a character without a reading
    PinyinKeepAllSingleBytes = 4,  // keep every single-byte character, not only letters and digits
};

// What every pyjma column is filled with: initials, all single-byte characters kept.
inline constexpr int kPinyinSearchCodeFlags = PinyinKeepAllSingleBytes;
inline constexpr int kPinyinSearchCodeMaxLength = 255;

// Search code of a text, e.g. "张三" -> "ZS", "王A-1" -> "WA-1". Negative flags
// give an empty code; the result is cut to maxLength characters.
QString PinyinCode(const QString& text, int flags = kPinyinSearchCodeFlags,
                   int maxLength = kPinyinSearchCodeMaxLength);

// What every pyjma column is filled with: PinyinCode with the search-code
// flags and length (a plain function, so editors can take it as their code).
inline QString SearchCode(const QString& name)
{
    return PinyinCode(name);
}

// The same walk over GBK bytes, giving GBK bytes.
QByteArray PinyinCodeGbk(const QByteArray& gbk, int flags, int maxLength);

// Syllable number (1 to 405, see PinyinSyllables.h) of a GBK double-byte
// code, 0 when the character has no reading.
int GbkPinyinReading(unsigned char lead, unsigned char trail);

// Lower-case text of a syllable number; empty for 0 or out of range.
const char* PinyinSyllableText(int number);

// The generated reading table: index (lead - 0x81) * 191 + (trail - 0x40).
inline constexpr int kGbkReadingTableSize = 126 * 191;
extern const std::uint16_t kGbkPinyinReadings[kGbkReadingTableSize];

}  // namespace tj::common
