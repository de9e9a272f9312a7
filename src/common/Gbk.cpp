#include "common/Gbk.h"

#include "platform/db/GbkText.h"

#include <unicode/ucnv.h>

#include <array>
#include <cstdint>
#include <memory>

namespace tj::common {

namespace {

constexpr int kTrailCount = 191;  // trail bytes 0x40..0xFE
constexpr char16_t kReplacement = 0xFFFD;

// Both directions of code page 936, read once from ICU's converter.
struct Cp936Tables {
    std::array<char16_t, 126 * kTrailCount> decode{};  // 0 = unassigned code
    std::array<std::uint16_t, 0x10000> encode{};       // 0 = not in GBK; < 0x100 = one byte
};

const Cp936Tables& cp936()
{
    static const std::unique_ptr<Cp936Tables> tables = [] {
        auto t = std::make_unique<Cp936Tables>();
        UErrorCode status = U_ZERO_ERROR;
        UConverter* conv = ucnv_open("windows-936-2000", &status);
        if (U_FAILURE(status))
            return t;  // ICU without the code page: only ASCII converts
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                const char bytes[2] = {char(lead), char(trail)};
                const char* source = bytes;
                ucnv_reset(conv);
                status = U_ZERO_ERROR;
                const UChar32 cp = ucnv_getNextUChar(conv, &source, bytes + 2, &status);
                if (U_FAILURE(status) || source != bytes + 2 || cp > 0xFFFF)
                    continue;
                t->decode[(lead - 0x81) * kTrailCount + (trail - 0x40)] = char16_t(cp);
                if (t->encode[cp] == 0)
                    t->encode[cp] = std::uint16_t(lead << 8 | trail);
            }
        }
        ucnv_close(conv);
        t->encode[0x20AC] = 0x80;  // the euro sign is the one single byte above ASCII
        return t;
    }();
    return *tables;
}

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};

// GB18030 converter for the characters GBK lacks (one per thread: ICU
// converters keep state).
UConverter* gb18030()
{
    thread_local std::unique_ptr<UConverter, ConverterCloser> conv = [] {
        UErrorCode status = U_ZERO_ERROR;
        UConverter* c = ucnv_open("gb18030", &status);
        return std::unique_ptr<UConverter, ConverterCloser>(U_SUCCESS(status) ? c : nullptr);
    }();
    return conv.get();
}

bool isFourByteSequence(QByteArrayView b, qsizetype pos)
{
    if (pos + 3 >= b.size())
        return false;
    const auto at = [&](qsizetype i) { return static_cast<unsigned char>(b[pos + i]); };
    return at(0) >= 0x81 && at(0) <= 0xFE && at(1) >= 0x30 && at(1) <= 0x39 && at(2) >= 0x81 &&
           at(2) <= 0xFE && at(3) >= 0x30 && at(3) <= 0x39;
}

// GB18030 bytes of one code point GBK lacks; "?" when even that fails.
void appendGb18030(QByteArray& out, char32_t cp)
{
    UConverter* conv = gb18030();
    if (conv) {
        char16_t units[2];
        int n = 0;
        if (QChar::requiresSurrogates(cp)) {
            units[n++] = QChar::highSurrogate(cp);
            units[n++] = QChar::lowSurrogate(cp);
        } else {
            units[n++] = char16_t(cp);
        }
        char bytes[8];
        UErrorCode status = U_ZERO_ERROR;
        ucnv_reset(conv);
        const int len = ucnv_fromUChars(conv, bytes, sizeof bytes, units, n, &status);
        if (U_SUCCESS(status) && len > 0 && len <= 4) {
            out.append(bytes, len);
            return;
        }
    }
    out.append('?');
}

}  // namespace

qsizetype gbkCharLength(QByteArrayView bytes, qsizetype pos)
{
    if (pos < 0 || pos >= bytes.size())
        return 0;
    const auto b = static_cast<unsigned char>(bytes[pos]);
    if (b < 0x81 || pos + 1 >= bytes.size())
        return 1;
    if (isFourByteSequence(bytes, pos))
        return 4;
    return static_cast<unsigned char>(bytes[pos + 1]) >= 0x40 ? 2 : 1;
}

QByteArray toGbk(const QString& text)
{
    const Cp936Tables& t = cp936();
    QByteArray out;
    out.reserve(text.size() * 2);
    const char16_t* s = reinterpret_cast<const char16_t*>(text.utf16());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = s[i];
        if (u < 0x80) {
            out.append(char(u));
            continue;
        }
        if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(s[i + 1])) {
            appendGb18030(out, QChar::surrogateToUcs4(u, s[i + 1]));
            ++i;
            continue;
        }
        if (QChar::isSurrogate(u)) {
            out.append('?');  // a lone surrogate is no character
            continue;
        }
        const std::uint16_t code = t.encode[u];
        if (code >= 0x100) {
            out.append(char(code >> 8));
            out.append(char(code & 0xFF));
        } else if (code != 0) {
            out.append(char(code));
        } else {
            appendGb18030(out, u);
        }
    }
    return out;
}

QString fromGbk(QByteArrayView bytes)
{
    const Cp936Tables& t = cp936();
    QString out;
    out.reserve(bytes.size());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out.append(QChar(b));
            ++i;
            continue;
        }
        if (b == 0x80 || b == 0xFF) {
            out.append(QChar(b == 0x80 ? char16_t(0x20AC) : kReplacement));
            ++i;
            continue;
        }
        const qsizetype len = gbkCharLength(bytes, i);
        if (len == 2) {
            const auto trail = static_cast<unsigned char>(bytes[i + 1]);
            const char16_t u =
                trail <= 0xFE ? t.decode[(b - 0x81) * kTrailCount + (trail - 0x40)] : 0;
            out.append(QChar(u ? u : kReplacement));
        } else if (len == 4) {
            UConverter* conv = gb18030();
            char16_t units[4];
            UErrorCode status = U_ZERO_ERROR;
            int got = 0;
            if (conv) {
                ucnv_reset(conv);
                got = ucnv_toUChars(conv, units, 4, bytes.data() + i, 4, &status);
            }
            if (conv && U_SUCCESS(status) && got > 0 && got <= 2)
                out.append(reinterpret_cast<const QChar*>(units), got);
            else
                out.append(QChar(kReplacement));
        } else {
            out.append(QChar(kReplacement));
        }
        i += len;
    }
    return out;
}

qsizetype gbkLength(const QString& text)
{
    return qsizetype(db::gbk::byteLength(text));
}

}  // namespace tj::common
