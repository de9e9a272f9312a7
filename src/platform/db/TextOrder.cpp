#include "platform/db/TextOrder.h"

#include "platform/db/GbkText.h"

#include <cstring>

namespace tj::db {

namespace {

inline char32_t fold(char32_t c, bool caseSensitive)
{
    if (c >= 0xFF01 && c <= 0xFF5E)
        c -= 0xFEE0;  // full-width forms compare as their ASCII originals
    else if (c == 0x3000)
        c = 0x20;
    if (!caseSensitive && c >= 'a' && c <= 'z')
        c -= 32;
    return c;
}

inline quint32 sortKey(char32_t c)
{
    if (c < 0x80)
        return c;
    const quint16 g = gbk::code(c);
    return g ? g : 0x10000 + c;
}

// Code points of UTF-8 bytes.
struct Utf8Cursor {
    const unsigned char* p;
    const unsigned char* end;
    bool atEnd() const { return p >= end; }
    char32_t next() { return gbk::next(p, end); }
};

// Code points of UTF-16 text.
struct Utf16Cursor {
    const char16_t* p;
    const char16_t* end;
    bool atEnd() const { return p >= end; }
    char32_t next()
    {
        const char16_t u = *p++;
        if (QChar::isHighSurrogate(u) && p < end && QChar::isLowSurrogate(*p))
            return QChar::surrogateToUcs4(u, *p++);
        return u;
    }
};

template <typename Cursor>
int compareCursors(Cursor a, Cursor b, bool caseSensitive)
{
    while (!a.atEnd() && !b.atEnd()) {
        const quint32 x = sortKey(fold(a.next(), caseSensitive));
        const quint32 y = sortKey(fold(b.next(), caseSensitive));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (!a.atEnd())
        return 1;
    if (!b.atEnd())
        return -1;
    return 0;
}

Utf16Cursor trimmedCursor(const QString& s)
{
    const char16_t* p = reinterpret_cast<const char16_t*>(s.utf16());
    const char16_t* end = p + s.size();
    while (end > p && end[-1] == u' ')
        --end;
    return {p, end};
}

int rankOf(const Value& v)
{
    switch (v.type()) {
    case Value::Type::Null: return 0;
    case Value::Type::Integer:
    case Value::Type::Real: return 1;
    case Value::Type::Text: return 2;
    case Value::Type::Blob: return 3;
    }
    return 0;
}

bool likeMatch(const char32_t* p, const char32_t* pe, const char32_t* s, const char32_t* se, char32_t esc)
{
    while (p < pe) {
        char32_t c = *p;
        if (c == esc && p + 1 < pe) {
            if (s >= se || *s != p[1])
                return false;
            p += 2;
            ++s;
            continue;
        }
        if (c == U'%') {
            while (p < pe && *p == U'%')
                ++p;
            if (p == pe)
                return true;
            for (; s <= se; ++s)
                if (likeMatch(p, pe, s, se, esc))
                    return true;
            return false;
        }
        if (s >= se)
            return false;
        if (c == U'_') {
            ++p;
            ++s;
            continue;
        }
        if (c == U'[') {
            const char32_t* q = p + 1;
            bool negate = false;
            if (q < pe && *q == U'^') {
                negate = true;
                ++q;
            }
            const char32_t* close = q;
            while (close < pe && *close != U']')
                ++close;
            if (close < pe) {
                bool in = false;
                for (const char32_t* r = q; r < close; ++r) {
                    if (r + 2 < close && r[1] == U'-') {
                        if (*s >= r[0] && *s <= r[2])
                            in = true;
                        r += 2;
                    } else if (*r == *s) {
                        in = true;
                    }
                }
                if (in == negate)
                    return false;
                p = close + 1;
                ++s;
                continue;
            }
        }
        if (c != *s)
            return false;
        ++p;
        ++s;
    }
    return s == se;
}

std::u32string folded(const QString& s)
{
    std::u32string out;
    out.reserve(std::size_t(s.size()));
    Utf16Cursor c{reinterpret_cast<const char16_t*>(s.utf16()), reinterpret_cast<const char16_t*>(s.utf16()) + s.size()};
    while (!c.atEnd())
        out.push_back(fold(c.next(), false));
    return out;
}

}  // namespace

int compareText(const QString& a, const QString& b)
{
    return compareCursors(trimmedCursor(a), trimmedCursor(b), false);
}

int compareTextUtf8(const char* a, int alen, const char* b, int blen, bool caseSensitive)
{
    while (alen > 0 && a[alen - 1] == ' ')
        --alen;
    while (blen > 0 && b[blen - 1] == ' ')
        --blen;
    // Equal bytes are equal text; grouping and distinct counts compare equal
    // texts again and again.
    if (alen == blen && std::memcmp(a, b, std::size_t(alen)) == 0)
        return 0;
    const auto* pa = reinterpret_cast<const unsigned char*>(a);
    const auto* pb = reinterpret_cast<const unsigned char*>(b);
    const auto* ea = pa + alen;
    const auto* eb = pb + blen;
    // ASCII characters weigh their own (folded) code: compared directly up to
    // the first other character, from where the cursors go on.
    while (pa < ea && pb < eb && *pa < 0x80 && *pb < 0x80) {
        const char32_t x = fold(*pa, caseSensitive), y = fold(*pb, caseSensitive);
        if (x != y)
            return x < y ? -1 : 1;
        ++pa;
        ++pb;
    }
    return compareCursors(Utf8Cursor{pa, ea}, Utf8Cursor{pb, eb}, caseSensitive);
}

int compareValues(const Value& a, const Value& b)
{
    const int ra = rankOf(a), rb = rankOf(b);
    if (ra != rb)
        return ra < rb ? -1 : 1;
    switch (a.type()) {
    case Value::Type::Null:
        return 0;
    case Value::Type::Integer:
    case Value::Type::Real:
        if (a.type() == Value::Type::Integer && b.type() == Value::Type::Integer)
            return a.toInteger() < b.toInteger() ? -1 : a.toInteger() > b.toInteger() ? 1 : 0;
        return a.toDouble() < b.toDouble() ? -1 : a.toDouble() > b.toDouble() ? 1 : 0;
    case Value::Type::Text:
        return compareText(a.toString(), b.toString());
    case Value::Type::Blob: {
        const QByteArray x = a.toBlob(), y = b.toBlob();
        const int r = std::memcmp(x.constData(), y.constData(), std::size_t(std::min(x.size(), y.size())));
        if (r != 0)
            return r < 0 ? -1 : 1;
        return x.size() < y.size() ? -1 : x.size() > y.size() ? 1 : 0;
    }
    }
    return 0;
}

std::u32string foldedUtf8(const char* utf8, int len)
{
    const auto* p = reinterpret_cast<const unsigned char*>(utf8);
    Utf8Cursor c{p, p + len};
    std::u32string s;
    s.reserve(std::size_t(len));
    while (!c.atEnd())
        s.push_back(fold(c.next(), false));
    return s;
}

bool likeFolded(const std::u32string& text, const std::u32string& pattern, char32_t escape)
{
    return likeMatch(pattern.data(), pattern.data() + pattern.size(), text.data(), text.data() + text.size(), escape);
}

bool likeText(const QString& text, const QString& pattern, QChar escape)
{
    const char32_t esc = escape.isNull() ? 0xFFFFFFFF : fold(escape.unicode(), false);
    return likeFolded(folded(text), folded(pattern), esc);
}

}  // namespace tj::db
