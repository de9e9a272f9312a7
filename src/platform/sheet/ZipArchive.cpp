#include "platform/sheet/ZipArchive.h"

#include "platform/sheet/Sheet.h"

#include <zlib.h>

namespace tj::sheet {

namespace {
quint16 u16(const QByteArray& d, qsizetype at)
{
    return quint16(uchar(d[at])) | quint16(uchar(d[at + 1])) << 8;
}
quint32 u32(const QByteArray& d, qsizetype at)
{
    return quint32(u16(d, at)) | quint32(u16(d, at + 2)) << 16;
}
SheetError damaged() { return SheetError(QStringLiteral("文件已损坏或不是工作簿")); }
}  // namespace

ZipArchive::ZipArchive(QByteArray data) : data_(std::move(data))
{
    // The end-of-directory record sits in the last 64 KiB (after an optional comment).
    qsizetype eocd = -1;
    for (qsizetype i = data_.size() - 22; i >= 0 && i >= data_.size() - 22 - 65535; --i)
        if (u32(data_, i) == 0x06054b50) {
            eocd = i;
            break;
        }
    if (eocd < 0) throw damaged();
    quint16 count = u16(data_, eocd + 10);
    quint32 dirSize = u32(data_, eocd + 12), dirOffset = u32(data_, eocd + 16);
    if (qsizetype(dirOffset) + dirSize > eocd) throw damaged();
    qsizetype p = dirOffset;
    for (int i = 0; i < count; ++i) {
        if (p + 46 > eocd || u32(data_, p) != 0x02014b50) throw damaged();
        Entry e;
        e.method = u16(data_, p + 10);
        e.compressedSize = u32(data_, p + 20);
        e.size = u32(data_, p + 24);
        quint16 nameLen = u16(data_, p + 28), extraLen = u16(data_, p + 30), commentLen = u16(data_, p + 32);
        e.localOffset = u32(data_, p + 42);
        if (p + 46 + nameLen > eocd) throw damaged();
        QString name = QString::fromUtf8(data_.constData() + p + 46, nameLen).toLower();
        entries_.insert(name, e);
        p += 46 + nameLen + extraLen + commentLen;
    }
}

bool ZipArchive::contains(const QString& name) const
{
    return entries_.contains(name.toLower());
}

std::optional<QByteArray> ZipArchive::read(const QString& name) const
{
    auto it = entries_.constFind(name.toLower());
    if (it == entries_.constEnd()) return std::nullopt;
    const Entry& e = *it;
    qsizetype lh = e.localOffset;
    if (lh + 30 > data_.size() || u32(data_, lh) != 0x04034b50) throw damaged();
    qsizetype start = lh + 30 + u16(data_, lh + 26) + u16(data_, lh + 28);
    if (start + qsizetype(e.compressedSize) > data_.size()) throw damaged();
    if (e.method == 0) return data_.mid(start, e.compressedSize);
    if (e.method != 8) throw SheetError(QStringLiteral("不支持的压缩方式"));

    QByteArray out;
    out.resize(qsizetype(e.size));
    z_stream zs{};
    if (inflateInit2(&zs, -MAX_WBITS) != Z_OK) throw damaged();
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data_.constData() + start));
    zs.avail_in = e.compressedSize;
    zs.next_out = reinterpret_cast<Bytef*>(out.data());
    zs.avail_out = e.size;
    int rc = inflate(&zs, Z_FINISH);
    inflateEnd(&zs);
    if (rc != Z_STREAM_END || zs.total_out != e.size) throw damaged();
    return out;
}

}  // namespace tj::sheet
