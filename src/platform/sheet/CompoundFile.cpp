#include "platform/sheet/CompoundFile.h"

#include "platform/sheet/SheetIo.h"

#include <set>

namespace tj::sheet {

namespace {

constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr quint32 kFree = 0xFFFFFFFF;
constexpr quint32 kNoStream = 0xFFFFFFFF;
const char kSignature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

}  // namespace

bool CompoundFile::hasSignature(const QByteArray& data)
{
    return data.startsWith(QByteArrayView(kSignature, 8));
}

CompoundFile::CompoundFile(QByteArray data) : data_(std::move(data))
{
    if (data_.size() < 512 || !hasSignature(data_)) throw damagedFile();
    int shift = u16At(data_, 0x1E), miniShift = u16At(data_, 0x20);
    if (shift < 7 || shift > 16 || miniShift < 2 || miniShift >= shift) throw damagedFile();
    sectorSize_ = 1 << shift;
    miniCutoff_ = u32At(data_, 0x38);
    const qsizetype sectorCount = (data_.size() - 1) / sectorSize_;  // after the header
    auto sectorAt = [&](quint32 id) -> qsizetype {
        if (qsizetype(id) >= sectorCount) throw damagedFile();
        return qsizetype(id + 1) * sectorSize_;
    };
    auto sectorU32 = [&](quint32 id, int index) -> quint32 {
        qsizetype at = sectorAt(id) + qsizetype(index) * 4;
        return at + 4 <= data_.size() ? u32At(data_, at) : kFree;
    };
    const int perSector = sectorSize_ / 4;

    // The allocation table's own sectors: 109 in the header, the rest in a
    // chain of extra sectors whose last entry points to the next one.
    std::vector<quint32> fatSectors;
    quint32 fatCount = u32At(data_, 0x2C);
    for (int i = 0; i < 109 && fatSectors.size() < fatCount; ++i) fatSectors.push_back(u32At(data_, 0x4C + i * 4));
    quint32 difat = u32At(data_, 0x44);
    std::set<quint32> seen;
    while (fatSectors.size() < fatCount && difat != kEndOfChain && difat != kFree) {
        if (!seen.insert(difat).second) throw damagedFile();
        for (int i = 0; i < perSector - 1 && fatSectors.size() < fatCount; ++i) fatSectors.push_back(sectorU32(difat, i));
        difat = sectorU32(difat, perSector - 1);
    }
    if (fatSectors.size() < fatCount || fatCount > quint32(sectorCount) + 1) throw damagedFile();
    fat_.reserve(fatSectors.size() * perSector);
    for (quint32 s : fatSectors)
        for (int i = 0; i < perSector; ++i) fat_.push_back(sectorU32(s, i));

    QByteArray dir = chain(u32At(data_, 0x30), 0, false);
    for (qsizetype at = 0; at + 128 <= dir.size(); at += 128) {
        Entry e;
        int nameBytes = std::min<int>(u16At(dir, at + 0x40), 64);
        e.name = QString::fromUtf16(reinterpret_cast<const char16_t*>(dir.constData() + at), std::max(0, nameBytes / 2 - 1));
        e.type = uchar(dir[at + 0x42]);
        e.left = u32At(dir, at + 0x44);
        e.right = u32At(dir, at + 0x48);
        e.child = u32At(dir, at + 0x4C);
        e.start = u32At(dir, at + 0x74);
        e.size = u32At(dir, at + 0x78);
        // Version 3 files may leave garbage in the high half of the size.
        if (u16At(data_, 0x1A) >= 4) e.size |= quint64(u32At(dir, at + 0x7C)) << 32;
        entries_.push_back(e);
    }
    if (entries_.empty() || entries_[0].type != 5) throw damagedFile();

    miniFat_.clear();
    QByteArray miniFatBytes = chain(u32At(data_, 0x3C), 0, false);
    for (qsizetype at = 0; at + 4 <= miniFatBytes.size(); at += 4) miniFat_.push_back(u32At(miniFatBytes, at));
    const Entry& root = entries_[0];
    if (root.start != kEndOfChain && root.size > 0) miniStream_ = chain(root.start, root.size, false);

    // The root's children form a tree through their left and right siblings.
    std::vector<quint32> stack{entries_[0].child};
    std::set<quint32> visited;
    while (!stack.empty()) {
        quint32 i = stack.back();
        stack.pop_back();
        if (i == kNoStream || i >= entries_.size() || !visited.insert(i).second) continue;
        rootChildren_.push_back(int(i));
        stack.push_back(entries_[i].left);
        stack.push_back(entries_[i].right);
    }
}

QByteArray CompoundFile::chain(quint32 start, quint64 size, bool mini) const
{
    const std::vector<quint32>& table = mini ? miniFat_ : fat_;
    const int unit = mini ? (1 << u16At(data_, 0x20)) : sectorSize_;
    // A stream never claims more than the file could hold.
    if (size > quint64(mini ? miniStream_.size() : data_.size())) throw damagedFile();
    QByteArray out;
    if (size) out.reserve(qsizetype(size));
    quint32 s = start;
    size_t steps = 0;
    while (s != kEndOfChain && (size == 0 || quint64(out.size()) < size)) {
        if (s >= table.size() || ++steps > table.size()) throw damagedFile();
        qsizetype at = mini ? qsizetype(s) * unit : qsizetype(s + 1) * unit;
        const QByteArray& src = mini ? miniStream_ : data_;
        if (at >= src.size()) throw damagedFile();
        out.append(src.constData() + at, std::min<qsizetype>(unit, src.size() - at));
        s = table[s];
    }
    if (quint64(out.size()) < size) throw damagedFile();
    if (size) out.truncate(qsizetype(size));
    return out;
}

const CompoundFile::Entry* CompoundFile::find(const QString& name) const
{
    for (int i : rootChildren_)
        if (entries_[i].type == 2 && entries_[i].name.compare(name, Qt::CaseInsensitive) == 0) return &entries_[i];
    return nullptr;
}

bool CompoundFile::contains(const QString& name) const
{
    return find(name) != nullptr;
}

std::optional<QByteArray> CompoundFile::read(const QString& name) const
{
    const Entry* e = find(name);
    if (!e) return std::nullopt;
    if (e->size == 0) return QByteArray();
    return chain(e->start, e->size, e->size < miniCutoff_);
}

}  // namespace tj::sheet
