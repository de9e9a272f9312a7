#include "platform/sheet/ZipArchive.h"

#include "platform/sheet/SheetIo.h"

#include <zlib.h>

namespace tj::sheet {

namespace {
// Members larger than this are refused rather than inflated: no worksheet
// of a staff list or report comes near it.
constexpr quint64 kMaxMemberSize = quint64(1) << 30;
}  // namespace

QString ZipArchive::normalName(const QString& name)
{
    QString n = name;
    n.replace('\\', '/');
    while (n.startsWith('/')) n.remove(0, 1);
    return n.toLower();
}

ZipArchive::ZipArchive(QByteArray data) : data_(std::move(data))
{
    // The end-of-directory record sits in the last 64 KiB (after an optional comment).
    qsizetype eocd = -1;
    for (qsizetype i = data_.size() - 22; i >= 0 && i >= data_.size() - 22 - 65535; --i)
        if (u32At(data_, i) == 0x06054b50) {
            eocd = i;
            break;
        }
    if (eocd < 0) throw damagedFile();
    quint64 count = u16At(data_, eocd + 10);
    quint64 dirSize = u32At(data_, eocd + 12), dirOffset = u32At(data_, eocd + 16);
    qsizetype dirEnd = eocd;
    // Zip64: the locator just before the record points to the larger record.
    if (eocd >= 20 && u32At(data_, eocd - 20) == 0x07064b50) {
        quint64 at = u64At(data_, eocd - 20 + 8);
        if (at + 56 > quint64(eocd - 20) || u32At(data_, qsizetype(at)) != 0x06064b50) throw damagedFile();
        count = u64At(data_, qsizetype(at) + 32);
        dirSize = u64At(data_, qsizetype(at) + 40);
        dirOffset = u64At(data_, qsizetype(at) + 48);
        dirEnd = qsizetype(at);
    }
    if (dirOffset + dirSize > quint64(dirEnd)) throw damagedFile();
    qsizetype p = qsizetype(dirOffset);
    for (quint64 i = 0; i < count; ++i) {
        if (p + 46 > dirEnd || u32At(data_, p) != 0x02014b50) throw damagedFile();
        Entry e;
        e.flags = u16At(data_, p + 8);
        e.method = u16At(data_, p + 10);
        e.compressedSize = u32At(data_, p + 20);
        e.size = u32At(data_, p + 24);
        quint16 nameLen = u16At(data_, p + 28), extraLen = u16At(data_, p + 30), commentLen = u16At(data_, p + 32);
        e.localOffset = u32At(data_, p + 42);
        if (p + 46 + nameLen + extraLen > dirEnd) throw damagedFile();
        // Sizes and offset that do not fit 32 bits are in the zip64 extra field, in this order.
        const qsizetype extraEnd = p + 46 + nameLen + extraLen;
        for (qsizetype x = p + 46 + nameLen; x + 4 <= extraEnd;) {
            quint16 id = u16At(data_, x), len = u16At(data_, x + 2);
            qsizetype f = x + 4, end = std::min(f + len, extraEnd);
            if (id == 0x0001) {
                auto take = [&](quint64& field) {
                    if (field != 0xFFFFFFFF || f + 8 > end) return;
                    field = u64At(data_, f);
                    f += 8;
                };
                take(e.size);
                take(e.compressedSize);
                take(e.localOffset);
            }
            x = end;
        }
        QString name = normalName(QString::fromUtf8(data_.constData() + p + 46, nameLen));
        entries_.insert(name, e);
        p += 46 + nameLen + extraLen + commentLen;
    }
}

bool ZipArchive::contains(const QString& name) const
{
    return entries_.contains(normalName(name));
}

std::optional<QByteArray> ZipArchive::read(const QString& name) const
{
    auto it = entries_.constFind(normalName(name));
    if (it == entries_.constEnd()) return std::nullopt;
    const Entry& e = *it;
    if (e.flags & 0x01) throw SheetError::of(SheetError::Reason::Encrypted);
    if (e.size > kMaxMemberSize) throw damagedFile();
    if (e.localOffset + 30 > quint64(data_.size())) throw damagedFile();
    qsizetype lh = qsizetype(e.localOffset);
    if (u32At(data_, lh) != 0x04034b50) throw damagedFile();
    qsizetype start = lh + 30 + u16At(data_, lh + 26) + u16At(data_, lh + 28);
    if (quint64(start) + e.compressedSize > quint64(data_.size())) throw damagedFile();
    if (e.method == 0) {
        if (e.compressedSize != e.size) throw damagedFile();
        return data_.mid(start, qsizetype(e.size));
    }
    if (e.method != 8) throw SheetError::of(SheetError::Reason::Unsupported);

    QByteArray out;
    out.resize(qsizetype(e.size));
    z_stream zs{};
    if (inflateInit2(&zs, -MAX_WBITS) != Z_OK) throw damagedFile();
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data_.constData() + start));
    zs.avail_in = uInt(e.compressedSize);
    zs.next_out = reinterpret_cast<Bytef*>(out.data());
    zs.avail_out = uInt(e.size);
    int rc = inflate(&zs, Z_FINISH);
    inflateEnd(&zs);
    if (rc != Z_STREAM_END || zs.total_out != e.size) throw damagedFile();
    return out;
}

}  // namespace tj::sheet
