// Text functions: len, datalength, substring, left, right, charindex, the
// varchar width check in GBK bytes, LIKE and the Chinese_PRC collations, all
// comparing as TextOrder compares.
#include "platform/db/SqliteFunctionsInternal.h"

#include "platform/db/GbkText.h"
#include "platform/db/TextOrder.h"

namespace tj::db::sqlfn {

namespace {

void leftRight(sqlite3_context* ctx, sqlite3_value** argv, bool left)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const qint64 n = sqlite3_value_int64(argv[1]);
    if (n < 0) {
        sqlite3_result_error(ctx, left ? "Invalid length parameter passed to the left function."
                                       : "Invalid length parameter passed to the right function.", -1);
        return;
    }
    const QList<uint> s = textOf(argv[0]).toUcs4();
    const qint64 k = std::min<qint64>(n, s.size());
    const uint* p = s.constData() + (left ? 0 : s.size() - k);
    resultText(ctx, QString::fromUcs4(reinterpret_cast<const char32_t*>(p), k));
}

std::u32string foldedText(sqlite3_value* v)
{
    return foldedUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v)), sqlite3_value_bytes(v));
}

}  // namespace

void fnLen(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    sqlite3_value* v = argv[0];
    if (sqlite3_value_type(v) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    QString s = sqlite3_value_type(v) == SQLITE_TEXT ? argText(v) : numberText(v);
    int n = int(s.size());
    while (n > 0 && s.at(n - 1) == QLatin1Char(' '))
        --n;
    // Characters, not UTF-16 units.
    sqlite3_result_int(ctx, int(QStringView(s).left(n).toUcs4().size()));
}

void fnDatalength(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    sqlite3_value* v = argv[0];
    switch (sqlite3_value_type(v)) {
    case SQLITE_NULL: sqlite3_result_null(ctx); return;
    case SQLITE_TEXT:
        sqlite3_result_int64(ctx, qint64(gbk::byteLength(reinterpret_cast<const char*>(sqlite3_value_text(v)), size_t(sqlite3_value_bytes(v)))));
        return;
    case SQLITE_BLOB: sqlite3_result_int(ctx, sqlite3_value_bytes(v)); return;
    case SQLITE_INTEGER: sqlite3_result_int(ctx, 4); return;
    default: sqlite3_result_int(ctx, 8); return;
    }
}

void fnSubstring(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    for (int i = 0; i < 3; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
            sqlite3_result_null(ctx);
            return;
        }
    const QList<uint> s = textOf(argv[0]).toUcs4();
    const qint64 start = sqlite3_value_int64(argv[1]);
    const qint64 len = sqlite3_value_int64(argv[2]);
    if (len < 0) {
        sqlite3_result_error(ctx, "Invalid length parameter passed to the substring function.", -1);
        return;
    }
    // Characters start..start+len-1 (1-based) that exist.
    const qint64 from = std::max<qint64>(start, 1);
    const qint64 to = std::min<qint64>(start + len, qint64(s.size()) + 1);
    QString out;
    for (qint64 i = from; i < to; ++i)
        out += QString::fromUcs4(reinterpret_cast<const char32_t*>(&s[i - 1]), 1);
    resultText(ctx, out);
}

void fnLeft(sqlite3_context* ctx, int, sqlite3_value** argv) { leftRight(ctx, argv, true); }
void fnRight(sqlite3_context* ctx, int, sqlite3_value** argv) { leftRight(ctx, argv, false); }

void fnCharindex(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString find = textOf(argv[0]);
    const QString s = textOf(argv[1]);
    qint64 start = argc > 2 ? sqlite3_value_int64(argv[2]) : 1;
    if (start < 1)
        start = 1;
    if (find.isEmpty()) {
        sqlite3_result_int(ctx, 0);
        return;
    }
    const qsizetype at = s.indexOf(find, start - 1, Qt::CaseInsensitive);
    sqlite3_result_int64(ctx, at < 0 ? 0 : qint64(at) + 1);
}

// tj_width(value, n, chars, table, column): the declared width of a varchar
// (GBK bytes) or nvarchar (characters) column; refuses longer text.
void fnWidth(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    sqlite3_value* v = argv[0];
    const int type = sqlite3_value_type(v);
    if (type == SQLITE_NULL) {
        sqlite3_result_int(ctx, 1);
        return;
    }
    const qint64 n = sqlite3_value_int64(argv[1]);
    const bool chars = sqlite3_value_int(argv[2]) != 0;
    const char* t = reinterpret_cast<const char*>(sqlite3_value_text(v));
    const size_t bytes = size_t(sqlite3_value_bytes(v));
    // UTF-8 never takes fewer bytes than GBK or characters, so short text passes at once.
    if (qint64(bytes) <= n) {
        sqlite3_result_int(ctx, 1);
        return;
    }
    qint64 len;
    if (chars) {
        len = 0;
        for (size_t i = 0; i < bytes; ++i)
            if ((static_cast<unsigned char>(t[i]) & 0xC0) != 0x80)
                ++len;
    } else {
        len = qint64(gbk::byteLength(t, bytes));
    }
    if (len <= n) {
        sqlite3_result_int(ctx, 1);
        return;
    }
    const QByteArray msg = QByteArray("String or binary data would be truncated in table '")
        + reinterpret_cast<const char*>(sqlite3_value_text(argv[3])) + "', column '"
        + reinterpret_cast<const char*>(sqlite3_value_text(argv[4])) + "'.";
    sqlite3_result_error(ctx, msg.constData(), int(msg.size()));
}

// '+' as the server evaluates it: null wins, text joins text, a number with

int collate(void* cs, int alen, const void* a, int blen, const void* b)
{
    return compareTextUtf8(static_cast<const char*>(a), alen, static_cast<const char*>(b), blen, cs != nullptr);
}

void fnLike(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    char32_t esc = 0xFFFFFFFF;
    if (argc > 2 && sqlite3_value_type(argv[2]) != SQLITE_NULL) {
        const std::u32string e = foldedText(argv[2]);
        if (e.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        esc = e[0];
    }
    const std::u32string pat = foldedText(argv[0]);
    const std::u32string str = foldedText(argv[1]);
    sqlite3_result_int(ctx, likeFolded(str, pat, esc));
}

}  // namespace tj::db::sqlfn
