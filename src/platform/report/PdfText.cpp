#include "platform/report/PdfText.h"

#include "platform/report/Report.h"

#include <QFont>
#include <QList>
#include <QRawFont>
#include <algorithm>

namespace tj::report {

const QHash<char16_t, char16_t>& unifiedIdeographForLookAlike()
{
    static const QHash<char16_t, char16_t> table = [] {
        installFontSubstitutions();
        QHash<char16_t, char16_t> out;
        QString unified, lower;
        for (char16_t c = 0x4E00; c <= 0x9FFF; ++c) unified += QChar(c);
        // Radicals, strokes and the extension A block: everything of the CJK
        // ranges that sorts before the unified ideographs.
        for (char16_t c = 0x2E80; c < 0x4E00; ++c) lower += QChar(c);
        for (const char* family : {"宋体", "微软雅黑", "楷体"}) {
            for (bool bold : {false, true}) {
                QFont font(QString::fromUtf8(family));
                font.setPixelSize(20);
                font.setBold(bold);
                const QRawFont raw = QRawFont::fromFont(font);
                if (!raw.isValid()) continue;
                const QList<quint32> ug = raw.glyphIndexesForString(unified);
                const QList<quint32> lg = raw.glyphIndexesForString(lower);
                if (ug.size() != unified.size() || lg.size() != lower.size()) continue;
                QHash<quint32, char16_t> byGlyph;
                for (qsizetype i = 0; i < ug.size(); ++i)
                    if (ug[i] != 0 && !byGlyph.contains(ug[i])) byGlyph.insert(ug[i], unified[i].unicode());
                for (qsizetype i = 0; i < lg.size(); ++i) {
                    auto it = byGlyph.constFind(lg[i]);
                    if (lg[i] != 0 && it != byGlyph.cend() && !out.contains(lower[i].unicode())) out.insert(lower[i].unicode(), *it);
                }
            }
        }
        return out;
    }();
    return table;
}

namespace {

// "<5C0A>" → 0x5C0A; -1 for anything that is not one 16-bit code.
int code16(QByteArrayView token)
{
    if (token.size() != 6 || token.front() != '<' || token.back() != '>') return -1;
    bool ok = false;
    const uint v = token.sliced(1, 4).toByteArray().toUInt(&ok, 16);
    return ok ? int(v) : -1;
}

// Mends the destinations of one character map in place. Qt writes the
// lines "<lo> <hi> [<u> <u> ...]" and "<lo> <hi> <u>" in bfrange sections
// (the second form with lo < hi is a run of consecutive characters, which
// radicals never make in real text, and is left alone) and "<code> <u>" in
// bfchar sections. Every code keeps its four digits, so nothing moves.
bool mendCharacterMap(char* map, qsizetype size)
{
    const auto& table = unifiedIdeographForLookAlike();
    bool changed = false;
    auto mend = [&](char* token) {
        const int u = code16(QByteArrayView(token, 6));
        auto it = table.constFind(char16_t(u));
        if (u < 0 || it == table.cend()) return;
        const QByteArray digits = QByteArray::number(uint(*it), 16).toUpper().rightJustified(4, '0');
        std::copy(digits.begin(), digits.end(), token + 1);
        changed = true;
    };
    enum { Other, Range, Char } section = Other;
    for (qsizetype start = 0; start < size;) {
        qsizetype end = start;
        while (end < size && map[end] != '\n') ++end;
        const QByteArrayView line = QByteArrayView(map + start, end - start).trimmed();
        char* first = map + start;
        while (*first == ' ') ++first;
        if (line.endsWith("beginbfrange")) section = Range;
        else if (line.endsWith("beginbfchar")) section = Char;
        else if (line == "endbfrange" || line == "endbfchar") section = Other;
        else if (section == Char && line.size() == 13 && code16(line.sliced(0, 6)) >= 0) mend(first + 7);
        else if (section == Range && line.size() >= 15 && code16(line.sliced(0, 6)) >= 0 && code16(line.sliced(7, 6)) >= 0) {
            if (line[14] == '[') {
                for (qsizetype k = 15; k + 6 <= line.size(); ++k)
                    if (line[k] == '<') mend(first + k);
            } else if (line.sliced(0, 6) == line.sliced(7, 6) && line.size() == 20) {
                mend(first + 14);
            }
        }
        start = end + 1;
    }
    return changed;
}

}  // namespace

bool mendPdfCharacterMaps(QByteArray& pdf)
{
    static const QByteArray marker = "/CIDInit /ProcSet findresource begin";
    bool changed = false;
    for (qsizetype at = pdf.indexOf(marker); at >= 0; at = pdf.indexOf(marker, at + marker.size())) {
        const qsizetype end = pdf.indexOf("endcmap", at);
        if (end < 0) break;
        // Only codes of four digits are touched (a code of eight, for a
        // character beyond the first plane, does not match), so the stream
        // keeps its length and every offset of the file stays true.
        changed = mendCharacterMap(pdf.data() + at, end - at) || changed;
        at = end;
    }
    return changed;
}

}  // namespace tj::report
