// Builds the GBK pinyin reading table (src/common/PinyinReadings.cpp) from
// ICU: every double-byte GBK code is decoded with the Windows code page 936
// converter, its character is put through ICU's Han-Latin transliteration,
// the tone marks are dropped and the syllable is stored as its number in the
// fixed syllable list. A few readings are fixed by hand (see below).
//
// Usage: tj_pinyin_table_generator OUTPUT.cpp
// Run it through the build target tj_regenerate_pinyin_table; the output is
// committed, so an ordinary build never needs it.
#include "common/PinyinSyllables.h"

#include <unicode/normalizer2.h>
#include <unicode/translit.h>
#include <unicode/ucnv.h>
#include <unicode/uscript.h>
#include <unicode/unistr.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kLeadCount = 126;   // lead bytes 0x81..0xFE
constexpr int kTrailCount = 191;  // trail bytes 0x40..0xFE

// Readings the centre's staff rely on in search codes, and the characters
// that deliberately have none. They override whatever the source says.
const std::map<std::string, std::string> kFixedReadings = {
    {"张", "zhang"}, {"王", "wang"}, {"体", "ti"},    {"检", "jian"}, {"长", "zhang"},
    {"行", "hang"},  {"重", "zhong"}, {"单", "dan"},  {"曾", "ceng"}, {"乐", "le"},
    {"仇", "chou"},  {"率", "lv"},    {"参", "can"},  {"嗲", "dia"},
    {"佛", ""},      {"给", ""},      {"髟", ""},
};

// Syllables the source uses that the fixed list does not hold are folded onto
// a listed syllable with the same initial letter (an attested reading of the
// same characters where there is one), so the initials stay right.
const std::map<std::string, std::string> kFoldedSyllables = {
    {"lve", "lue"},  {"nve", "nue"},  {"shei", "shui"}, {"kei", "ke"},  {"lo", "luo"},
    {"rua", "ruo"},  {"gei", "ge"},   {"chua", "chu"},  {"den", "deng"}, {"eng", "en"},
    {"fiao", "fu"},  {"hm", "hen"},   {"nun", "nu"},
};

int fail(const char* what, UErrorCode status)
{
    std::fprintf(stderr, "%s: %s\n", what, u_errorName(status));
    return 1;
}

// Tone-free lower-case ASCII form of a transliterated syllable; u with
// diaeresis becomes v. Returns empty when the text is not one plain syllable.
std::string plainSyllable(const icu::UnicodeString& latin, const icu::Normalizer2& nfd)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString decomposed = nfd.normalize(latin, status);
    if (U_FAILURE(status))
        return {};
    std::string out;
    for (int i = 0; i < decomposed.length(); ++i) {
        const char16_t ch = decomposed[i];
        if (ch == 0x0308 && !out.empty() && out.back() == 'u') {
            out.back() = 'v';
        } else if (ch >= 0x0300 && ch < 0x0370) {
            continue;  // tone mark
        } else if (ch >= 'a' && ch <= 'z') {
            out += char(ch);
        } else if (ch >= 'A' && ch <= 'Z') {
            out += char(ch - 'A' + 'a');
        } else {
            return {};
        }
    }
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.cpp\n", argv[0]);
        return 2;
    }

    UErrorCode status = U_ZERO_ERROR;
    UConverter* gbk = ucnv_open("windows-936-2000", &status);
    if (U_FAILURE(status))
        return fail("code page 936", status);
    std::unique_ptr<icu::Transliterator> toLatin(
        icu::Transliterator::createInstance("Han-Latin", UTRANS_FORWARD, status));
    if (U_FAILURE(status))
        return fail("Han-Latin", status);
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    if (U_FAILURE(status))
        return fail("NFD", status);

    std::map<std::string, int> syllableNumber;
    for (int i = 0; i < tj::common::kPinyinSyllableCount; ++i)
        syllableNumber[tj::common::kPinyinSyllables[i]] = i + 1;

    std::map<UChar32, std::string> fixed;
    for (const auto& [character, syllable] : kFixedReadings)
        fixed[icu::UnicodeString::fromUTF8(character).char32At(0)] = syllable;

    std::vector<std::uint16_t> table(kLeadCount * kTrailCount, 0);
    int gb2312 = 0, extension = 0, later = 0, fixedUsed = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        if (lead >= 0xA1 && lead <= 0xA9)
            continue;  // symbol rows: no readings
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            const char bytes[2] = {char(lead), char(trail)};
            const char* source = bytes;
            ucnv_reset(gbk);
            status = U_ZERO_ERROR;
            const UChar32 cp = ucnv_getNextUChar(gbk, &source, bytes + 2, &status);
            if (U_FAILURE(status) || source != bytes + 2)
                continue;  // unassigned code
            UErrorCode scriptStatus = U_ZERO_ERROR;
            if (uscript_getScript(cp, &scriptStatus) != USCRIPT_HAN)
                continue;  // user-defined area, symbols

            std::string syllable;
            if (auto it = fixed.find(cp); it != fixed.end()) {
                syllable = it->second;
                ++fixedUsed;
            } else {
                icu::UnicodeString text(cp);
                const icu::UnicodeString original = text;
                toLatin->transliterate(text);
                if (text == original)
                    continue;  // the source knows no reading
                syllable = plainSyllable(text, *nfd);
                if (auto folded = kFoldedSyllables.find(syllable); folded != kFoldedSyllables.end())
                    syllable = folded->second;
                if (syllable.empty()) {
                    std::fprintf(stderr, "unusable reading for %02X%02X\n", lead, trail);
                    return 1;
                }
            }
            if (syllable.empty())
                continue;  // deliberately without a reading
            auto number = syllableNumber.find(syllable);
            if (number == syllableNumber.end()) {
                std::fprintf(stderr, "syllable '%s' of %02X%02X is not in the list\n",
                             syllable.c_str(), lead, trail);
                return 1;
            }
            table[(lead - 0x81) * kTrailCount + (trail - 0x40)] = std::uint16_t(number->second);
            if (lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1)
                ++gb2312;
            else if (lead <= 0xA0)
                ++extension;
            else
                ++later;
        }
    }
    ucnv_close(gbk);
    if (fixedUsed != int(kFixedReadings.size())) {
        std::fprintf(stderr, "only %d of %zu fixed readings were placed\n", fixedUsed,
                     kFixedReadings.size());
        return 1;
    }

    std::ofstream out(argv[1], std::ios::binary);
    out << "// Generated by src/common/generator/GeneratePinyinTable.cpp from ICU's\n"
           "// Han-Latin transliteration; regenerate with the build target\n"
           "// tj_regenerate_pinyin_table instead of editing by hand.\n"
           "//\n"
           "// One entry per GBK double-byte code, indexed by\n"
           "// (lead - 0x81) * 191 + (trail - 0x40): the 1-based number of the\n"
           "// character's syllable in kPinyinSyllables, or 0 for no reading.\n"
           "#include \"common/PinyinCode.h\"\n\n"
           "namespace tj::common {\n\n"
           "extern const std::uint16_t kGbkPinyinReadings[kGbkReadingTableSize] = {\n";
    for (int lead = 0; lead < kLeadCount; ++lead) {
        char line[64];
        std::snprintf(line, sizeof line, "    // lead 0x%02X\n", lead + 0x81);
        out << line;
        for (int trail = 0; trail < kTrailCount; ++trail) {
            if (trail % 16 == 0)
                out << "    ";
            out << table[lead * kTrailCount + trail] << ',';
            out << ((trail % 16 == 15 || trail == kTrailCount - 1) ? "\n" : "");
        }
    }
    out << "};\n\n}  // namespace tj::common\n";
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::fprintf(stderr, "readings: GB2312 %d, rows 0x81-0xA0 %d, rows 0xAA-0xFE %d\n", gb2312,
                 extension, later);
    return 0;
}
