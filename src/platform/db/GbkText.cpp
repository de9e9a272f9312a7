#include "platform/db/GbkText.h"

#include <iconv.h>
#include <mutex>
#include <vector>

namespace tj::db::gbk {

namespace {

// GBK codes of the Basic Multilingual Plane, built once with iconv.
const std::vector<quint16>& table()
{
    static std::vector<quint16> t;
    static std::once_flag once;
    std::call_once(once, [] {
        t.assign(0x10000, 0);
        for (char32_t c = 0; c < 0x80; ++c)
            t[c] = quint16(c);
        iconv_t cd = iconv_open("GBK", "UTF-32LE");
        if (cd == iconv_t(-1))
            return;
        for (char32_t c = 0x80; c < 0x10000; ++c) {
            if (c >= 0xD800 && c < 0xE000)
                continue;
            unsigned char in[4] = {static_cast<unsigned char>(c & 0xFF), static_cast<unsigned char>((c >> 8) & 0xFF), 0, 0};
            unsigned char out[4];
            char* ip = reinterpret_cast<char*>(in);
            char* op = reinterpret_cast<char*>(out);
            size_t il = 4, ol = 4;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &ip, &il, &op, &ol) != size_t(-1)) {
                const size_t n = 4 - ol;
                if (n == 2)
                    t[c] = quint16((out[0] << 8) | out[1]);
                else if (n == 1)
                    t[c] = out[0];
            }
        }
        iconv_close(cd);
    });
    return t;
}

}  // namespace

quint16 code(char32_t cp)
{
    if (cp < 0x80)
        return quint16(cp);
    if (cp >= 0x10000)
        return 0;
    return table()[cp];
}

std::size_t byteLength(const char* utf8, std::size_t len)
{
    const auto* p = reinterpret_cast<const unsigned char*>(utf8);
    const auto* end = p + len;
    std::size_t n = 0;
    while (p < end) {
        if (*p < 0x80) {
            ++p;
            ++n;
            continue;
        }
        const char32_t cp = next(p, end);
        const quint16 g = code(cp);
        n += g > 0xFF ? 2 : 1;
    }
    return n;
}

std::size_t byteLength(const QString& text)
{
    std::size_t n = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t u = text.at(i).unicode();
        if (u < 0x80) {
            ++n;
            continue;
        }
        if (QChar::isHighSurrogate(u) && i + 1 < size && QChar::isLowSurrogate(text.at(i + 1).unicode()))
            ++i;  // beyond the BMP: never in GBK
        n += code(u) > 0xFF ? 2 : 1;
    }
    return n;
}

}  // namespace tj::db::gbk
