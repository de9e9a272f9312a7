#include "common/PinyinCode.h"

#include "common/Gbk.h"
#include "common/PinyinSyllables.h"

namespace tj::common {

namespace {

// Digit text of the numbered symbols of row 0xA2 (ⅰ…ⅹ, ⒈…⒛, ⑴…⒇, ①…⑩,
// ㈠…㈩, Ⅰ…Ⅻ); 0 for the unassigned positions.
int numberedSymbol(unsigned char trail)
{
    struct Run {
        unsigned char first, last;
    };
    static constexpr Run runs[] = {{0xA1, 0xAA}, {0xB1, 0xC4}, {0xC5, 0xD8},
                                   {0xD9, 0xE2}, {0xE5, 0xEE}, {0xF1, 0xFC}};
    for (const Run& run : runs)
        if (trail >= run.first && trail <= run.last)
            return trail - run.first + 1;
    return 0;
}

// Latin transliteration of the Greek letters of row 0xA6, in alphabet order.
const char* greekLetter(unsigned char trail)
{
    static constexpr const char* letters[24] = {"A", "B", "G", "D", "E",  "Z",  "E",  "TH",
                                                "I", "K", "L", "M", "N",  "X",  "O",  "P",
                                                "R", "S", "T", "U", "PH", "KH", "PS", "O"};
    if (trail >= 0xA1 && trail <= 0xB8)
        return letters[trail - 0xA1];
    if (trail >= 0xC1 && trail <= 0xD8)
        return letters[trail - 0xC1];
    return nullptr;
}

bool isAsciiLetterOrDigit(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

int GbkPinyinReading(unsigned char lead, unsigned char trail)
{
    if (lead < 0x81 || lead > 0xFE || trail < 0x40 || trail > 0xFE)
        return 0;
    return kGbkPinyinReadings[(lead - 0x81) * 191 + (trail - 0x40)];
}

const char* PinyinSyllableText(int number)
{
    if (number < 1 || number > kPinyinSyllableCount)
        return "";
    return kPinyinSyllables[number - 1];
}

QByteArray PinyinCodeGbk(const QByteArray& gbk, int flags, int maxLength)
{
    QByteArray out;
    if (flags < 0 || maxLength <= 0)
        return out;
    const bool wholeSyllables = flags & PinyinWholeSyllables;
    const bool markUnknown = flags & PinyinMarkUnknown;
    const bool keepAll = flags & PinyinKeepAllSingleBytes;
    const auto unknown = [&] {
        if (markUnknown)
            out.append('?');
    };

    const qsizetype n = gbk.size();
    for (qsizetype i = 0; i < n && out.size() < maxLength;) {
        const auto lead = static_cast<unsigned char>(gbk[i]);
        const qsizetype len = gbkCharLength(gbk, i);
        if (len == 1) {
            if (isAsciiLetterOrDigit(lead) || keepAll)
                out.append(lead >= 'a' && lead <= 'z' ? char(lead - 'a' + 'A') : char(lead));
            i += 1;
            continue;
        }
        i += len;
        if (len == 4) {
            unknown();  // a character outside GBK has no reading
            continue;
        }
        const auto trail = static_cast<unsigned char>(gbk[i - 1]);
        if (lead == 0xA2) {
            if (trail < 0xA1) {
                unknown();
            } else if (const int number = numberedSymbol(trail)) {
                out.append(QByteArray::number(number));
            }
        } else if (lead == 0xA3) {
            // Full-width ASCII: the plain character, its letter case kept.
            // Codes below 0xA1 are no ASCII character and have no reading.
            if (trail >= 0xA1 && trail <= 0xFE) {
                const auto c = static_cast<unsigned char>(trail - 0x80);
                if (isAsciiLetterOrDigit(c) || keepAll)
                    out.append(char(c));
            } else {
                unknown();
            }
        } else if (lead == 0xA6) {
            if (const char* letter = greekLetter(trail))
                out.append(letter);
        } else if (const int number = GbkPinyinReading(lead, trail)) {
            const QByteArray syllable = QByteArray(kPinyinSyllables[number - 1]).toUpper();
            out.append(wholeSyllables ? syllable.left(6) : syllable.left(1));
        } else {
            unknown();
        }
    }
    out.truncate(maxLength);
    return out;
}

QString PinyinCode(const QString& text, int flags, int maxLength)
{
    return fromGbk(PinyinCodeGbk(toGbk(text), flags, maxLength));
}

}  // namespace tj::common
