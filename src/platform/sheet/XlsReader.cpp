// Reads the first visible worksheet of a legacy .xls workbook: the BIFF5
// records of Excel 5.0 and 95 (texts in the workbook's code page) and the BIFF8
// records of Excel 97 to 2003 (Unicode texts, shared string table), on Windows
// and Mac. Cell texts are shown as a person sees them: numbers and dates through
// their number formats, booleans, errors and the cached results of formulas.
// Merges, column widths, hidden columns and rows and row heights come along.
//
// Only the records that hold values are read; the DIMENSION record, which
// some programs fill with the whole sheet, is never used to size anything.
#include "platform/sheet/CompoundFile.h"
#include "platform/sheet/NumberFormat.h"
#include "platform/sheet/Sheet.h"
#include "platform/sheet/SheetIo.h"

#include <QHash>
#include <QtEndian>
#include <cmath>
#include <cstring>
#include <memory>

namespace tj::sheet {

namespace {

using Reason = SheetError::Reason;

// Record numbers.
enum : quint16 {
    kFormula = 0x0006,
    kEof = 0x000A,
    kFilePass = 0x002F,
    kDateMode = 0x0022,
    kContinue = 0x003C,
    kCodepage = 0x0042,
    kDefColWidth = 0x0055,
    kColInfo = 0x007D,
    kBoundSheet = 0x0085,
    kStandardWidth = 0x0099,
    kMulRk = 0x00BD,
    kRString = 0x00D6,
    kXf = 0x00E0,
    kMergedCells = 0x00E5,
    kSst = 0x00FC,
    kLabelSst = 0x00FD,
    kNumber = 0x0203,
    kLabel = 0x0204,
    kBoolErr = 0x0205,
    kString = 0x0207,
    kRow = 0x0208,
    kRk = 0x027E,
    kFormat = 0x041E,
    kBof = 0x0809,
};

struct Record {
    quint16 type = 0;
    qsizetype pos = 0;  // of the payload
    int size = 0;
};

// Walks the records of a workbook stream.
class Records {
public:
    explicit Records(const QByteArray& stream) : s_(stream) {}
    bool next(Record& r)
    {
        if (at_ + 4 > s_.size()) return false;
        r.type = qFromLittleEndian<quint16>(s_.constData() + at_);
        r.size = qFromLittleEndian<quint16>(s_.constData() + at_ + 2);
        r.pos = at_ + 4;
        // A record cut off by the end of the stream is damage.
        if (r.pos + r.size > s_.size()) throw damagedFile();
        at_ = r.pos + r.size;
        return true;
    }
    // The type of the record that follows, 0 at the end.
    quint16 peek() const { return at_ + 4 <= s_.size() ? qFromLittleEndian<quint16>(s_.constData() + at_) : 0; }
    qsizetype position() const { return at_; }
    void seek(qsizetype at) { at_ = at; }
    QByteArrayView payload(const Record& r) const { return QByteArrayView(s_.constData() + r.pos, r.size); }

private:
    const QByteArray& s_;
    qsizetype at_ = 0;
};

// Reads little-endian fields from a record and the CONTINUE records after
// it, as one run of bytes. A text whose characters go on in the next record
// starts again there with a flags byte that tells their width.
class Reader {
public:
    explicit Reader(QByteArrayView one) { parts_.push_back(one); }
    explicit Reader(std::vector<QByteArrayView> parts) : parts_(std::move(parts)) {}

    bool atEnd()
    {
        skipEmptyParts();
        return part_ >= parts_.size();
    }
    quint8 u8()
    {
        char c;
        bytes(&c, 1);
        return quint8(c);
    }
    quint16 u16()
    {
        char b[2];
        bytes(b, 2);
        return qFromLittleEndian<quint16>(b);
    }
    quint32 u32()
    {
        char b[4];
        bytes(b, 4);
        return qFromLittleEndian<quint32>(b);
    }
    double f64()
    {
        char b[8];
        bytes(b, 8);
        return qFromLittleEndian<double>(b);
    }
    void skip(qint64 n)
    {
        while (n > 0) {
            skipEmptyParts();
            if (part_ >= parts_.size()) throw damagedFile();
            qint64 k = std::min<qint64>(n, parts_[part_].size() - pos_);
            pos_ += k;
            n -= k;
        }
    }
    // A BIFF8 Unicode string: count (8 or 16 bits), flags, optional counts
    // of formatting runs and phonetic data, characters, runs, phonetic data.
    QString unicodeString(int countBytes)
    {
        int count = countBytes == 1 ? u8() : u16();
        quint8 flags = u8();
        int runs = (flags & 0x08) ? u16() : 0;
        quint32 ext = (flags & 0x04) ? u32() : 0;
        bool wide = flags & 0x01;
        QString text;
        text.reserve(count);
        while (int(text.size()) < count) {
            if (part_ < parts_.size() && pos_ >= parts_[part_].size()) {
                // The characters go on in the next record, after a flags byte.
                ++part_;
                pos_ = 0;
                if (part_ >= parts_.size() || parts_[part_].isEmpty()) throw damagedFile();
                wide = quint8(parts_[part_][pos_++]) & 0x01;
            }
            if (part_ >= parts_.size()) throw damagedFile();
            const QByteArrayView& p = parts_[part_];
            qsizetype avail = (p.size() - pos_) / (wide ? 2 : 1);
            qsizetype take = std::min<qsizetype>(avail, count - text.size());
            if (take <= 0) throw damagedFile();
            if (wide)
                text += QStringView(reinterpret_cast<const char16_t*>(p.data() + pos_), take).toString();
            else
                text += QString::fromLatin1(p.data() + pos_, take);
            pos_ += take * (wide ? 2 : 1);
        }
        skip(qint64(runs) * 4 + ext);
        return text;
    }
    // BIFF5 byte string: count (8 or 16 bits) of bytes in the code page.
    QByteArray byteString(int countBytes)
    {
        int count = countBytes == 1 ? u8() : u16();
        QByteArray out(count, '\0');
        bytes(out.data(), count);
        return out;
    }

private:
    void skipEmptyParts()
    {
        while (part_ < parts_.size() && pos_ >= parts_[part_].size()) {
            ++part_;
            pos_ = 0;
        }
    }
    void bytes(char* out, qsizetype n)
    {
        while (n > 0) {
            skipEmptyParts();
            if (part_ >= parts_.size()) throw damagedFile();
            qsizetype k = std::min<qsizetype>(n, parts_[part_].size() - pos_);
            std::memcpy(out, parts_[part_].data() + pos_, size_t(k));
            out += k;
            pos_ += k;
            n -= k;
        }
    }

    std::vector<QByteArrayView> parts_;
    size_t part_ = 0;
    qsizetype pos_ = 0;
};

double rkValue(quint32 rk)
{
    double v;
    if (rk & 0x02) {
        v = double(qint32(rk) >> 2);
    } else {
        quint64 bits = quint64(rk & 0xFFFFFFFC) << 32;
        std::memcpy(&v, &bits, 8);
    }
    return (rk & 0x01) ? v / 100.0 : v;
}

QString errorText(quint8 code)
{
    switch (code) {
    case 0x00: return QStringLiteral("#NULL!");
    case 0x07: return QStringLiteral("#DIV/0!");
    case 0x0F: return QStringLiteral("#VALUE!");
    case 0x17: return QStringLiteral("#REF!");
    case 0x1D: return QStringLiteral("#NAME?");
    case 0x24: return QStringLiteral("#NUM!");
    case 0x2A: return QStringLiteral("#N/A");
    default: return QStringLiteral("#N/A");
    }
}

struct SheetInfo {
    quint32 offset = 0;
    int visibility = 0;  // 0 visible, 1 hidden, 2 very hidden
    int type = 0;        // 0 worksheet, 1 macro sheet, 2 chart, 6 module
    QByteArray rawName;  // BIFF5: bytes in the code page
    QString name;        // BIFF8
};

class BiffReader {
public:
    explicit BiffReader(const QByteArray& stream) : stream_(stream), records_(stream) {}

    Sheet read()
    {
        readGlobals();
        // The first visible worksheet, as a spreadsheet program opens it;
        // charts, macro sheets and modules are passed over.
        int chosen = -1;
        for (int i = 0; i < int(sheets_.size()) && chosen < 0; ++i)
            if (sheets_[i].type == 0 && sheets_[i].visibility == 0) chosen = i;
        for (int i = 0; i < int(sheets_.size()) && chosen < 0; ++i)
            if (sheets_[i].type == 0) chosen = i;
        if (chosen < 0) throw SheetError::of(Reason::NoWorksheet);

        Sheet sheet;
        const SheetInfo& info = sheets_[chosen];
        sheet.setName(biff8_ ? info.name : decode(info.rawName));
        seekSubstream(chosen);
        readWorksheet(sheet);
        return sheet;
    }

private:
    void readGlobals()
    {
        Record r;
        if (!records_.next(r) || r.type != kBof || r.size < 4) throw damagedFile();
        quint16 version = qFromLittleEndian<quint16>(stream_.constData() + r.pos);
        // Excel 97-2003 writes 0x0600; Excel 5.0 and 95 write 0x0500.
        biff8_ = version == 0x0600 || (version != 0x0500 && r.size >= 16);
        int codepage = 0;
        QHash<int, QByteArray> rawFormats;  // BIFF5 format codes, decoded once the code page is known
        while (records_.next(r)) {
            Reader in(records_.payload(r));
            switch (r.type) {
            case kEof:
                finishGlobals(codepage, rawFormats);
                return;
            case kFilePass: throw SheetError::of(Reason::Encrypted);
            case kCodepage: codepage = in.u16(); break;
            case kDateMode: date1904_ = in.u16() == 1; break;
            case kFormat: {
                int id = in.u16();
                if (biff8_)
                    formats_.insert(id, in.unicodeString(2));
                else
                    rawFormats.insert(id, in.byteString(1));
                break;
            }
            case kXf:
                in.skip(2);
                xfFormats_.push_back(in.u16());
                break;
            case kBoundSheet: {
                SheetInfo s;
                s.offset = in.u32();
                s.visibility = in.u8() & 0x03;
                s.type = in.u8();
                if (biff8_)
                    s.name = in.unicodeString(1);
                else
                    s.rawName = in.byteString(1);
                sheets_.push_back(s);
                break;
            }
            case kSst: readSst(r); break;
            default: break;
            }
        }
        // A stream that ends without closing its globals is cut short; what
        // was read so far is used when it names a sheet.
        if (sheets_.empty()) throw damagedFile();
        finishGlobals(codepage, rawFormats);
    }

    void finishGlobals(int codepage, const QHash<int, QByteArray>& rawFormats)
    {
        decoder_ = std::make_unique<CodepageDecoder>(codepage);
        for (auto it = rawFormats.begin(); it != rawFormats.end(); ++it) formats_.insert(it.key(), decode(it.value()));
        globalsEnd_ = records_.position();
    }

    // The payloads of a record and the CONTINUE records after it.
    std::vector<QByteArrayView> withContinues(const Record& first)
    {
        std::vector<QByteArrayView> parts{records_.payload(first)};
        Record c;
        while (records_.peek() == kContinue && records_.next(c)) parts.push_back(records_.payload(c));
        return parts;
    }

    void readSst(const Record& r)
    {
        Reader in(withContinues(r));
        in.u32();  // references in the workbook
        quint32 unique = in.u32();
        sst_.reserve(std::min<qsizetype>(unique, stream_.size() / 3));
        for (quint32 i = 0; i < unique && !in.atEnd(); ++i) sst_.push_back(in.unicodeString(2));
    }

    // Finds the sheet's substream: where its BOUNDSHEET record says, or,
    // when that offset is wrong, the substream in the same place in order.
    void seekSubstream(int index)
    {
        qsizetype at = sheets_[index].offset;
        if (at + 4 <= stream_.size() && at >= globalsEnd_ && qFromLittleEndian<quint16>(stream_.constData() + at) == kBof) {
            records_.seek(at);
            return;
        }
        records_.seek(globalsEnd_);
        Record r;
        int n = 0, depth = 0;
        while (records_.next(r)) {
            if (r.type == kBof && depth++ == 0 && n++ == index) {
                records_.seek(r.pos - 4);
                return;
            }
            if (r.type == kEof && depth > 0) --depth;
        }
        throw damagedFile();
    }

    QString textOf(QByteArrayView payload)
    {
        Reader in(payload);
        return biff8_ ? in.unicodeString(2) : decode(in.byteString(2));
    }

    QString decode(const QByteArray& bytes) const { return (*decoder_)(bytes); }

    // The text of a number as its cell's format shows it.
    QString numberText(int xf, double v)
    {
        QString code;
        if (xf >= 0 && xf < int(xfFormats_.size())) {
            int id = xfFormats_[xf];
            auto it = formats_.constFind(id);
            code = it != formats_.constEnd() ? *it : builtinNumberFormat(id);
        }
        return code.trimmed() == u"@" ? formatGeneral(v) : formatNumber(v, code, date1904_);
    }

    void readWorksheet(Sheet& sheet)
    {
        Record r;
        int depth = 0;
        int maxRow = -1, maxCol = -1;
        int pendingRow = -1, pendingCol = -1;  // formula cell whose text follows in a STRING record
        auto put = [&](int row, int col, const QString& text) {
            if (text.isEmpty()) return;
            sheet.setText(row, col, text);
            maxRow = std::max(maxRow, row);
            maxCol = std::max(maxCol, col);
        };
        while (records_.next(r)) {
            if (r.type == kBof) {
                ++depth;
                continue;
            }
            if (r.type == kEof) {
                if (--depth <= 0) break;
                continue;
            }
            if (depth != 1) continue;  // charts embedded in the sheet
            Reader in(records_.payload(r));
            switch (r.type) {
            case kLabel:
            case kRString: {
                if (r.size < 8) break;
                int row = in.u16(), col = in.u16();
                put(row, col, textOf(records_.payload(r).sliced(6)));
                break;
            }
            case kLabelSst: {
                int row = in.u16(), col = in.u16();
                in.skip(2);
                quint32 i = in.u32();
                if (i < sst_.size()) put(row, col, sst_[i]);
                break;
            }
            case kNumber: {
                int row = in.u16(), col = in.u16(), xf = in.u16();
                put(row, col, numberText(xf, in.f64()));
                break;
            }
            case kRk: {
                int row = in.u16(), col = in.u16(), xf = in.u16();
                put(row, col, numberText(xf, rkValue(in.u32())));
                break;
            }
            case kMulRk: {
                int row = in.u16(), col = in.u16();
                for (int k = 0; k < (r.size - 6) / 6; ++k) {
                    int xf = in.u16();
                    put(row, col + k, numberText(xf, rkValue(in.u32())));
                }
                break;
            }
            case kBoolErr: {
                int row = in.u16(), col = in.u16();
                in.skip(2);
                quint8 value = in.u8(), isError = in.u8();
                put(row, col, isError ? errorText(value) : value ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
                break;
            }
            case kFormula: {
                if (r.size < 14) break;
                int row = in.u16(), col = in.u16(), xf = in.u16();
                QByteArrayView res = records_.payload(r).sliced(6, 8);
                pendingRow = -1;
                if (uchar(res[6]) == 0xFF && uchar(res[7]) == 0xFF) {
                    switch (uchar(res[0])) {
                    case 0:
                        pendingRow = row;
                        pendingCol = col;
                        break;
                    case 1: put(row, col, res[2] ? QStringLiteral("TRUE") : QStringLiteral("FALSE")); break;
                    case 2: put(row, col, errorText(uchar(res[2]))); break;
                    default: break;  // an empty text
                    }
                } else {
                    put(row, col, numberText(xf, in.f64()));
                }
                break;
            }
            case kString:
                if (pendingRow >= 0) {
                    Reader s(withContinues(r));
                    put(pendingRow, pendingCol, biff8_ ? s.unicodeString(2) : decode(s.byteString(2)));
                    pendingRow = -1;
                }
                break;
            case kMergedCells: {
                int count = in.u16();
                for (int k = 0; k < count; ++k) {
                    int top = in.u16(), bottom = in.u16(), left = in.u16(), right = in.u16();
                    if (bottom < top || right < left) continue;
                    sheet.merge(CellRange::of(top, left, bottom, right));
                    maxRow = std::max(maxRow, bottom);
                    maxCol = std::max(maxCol, right);
                }
                break;
            }
            case kColInfo: {
                int first = in.u16(), last = in.u16(), width = in.u16();
                in.skip(2);
                bool hidden = in.u16() & 0x01;
                for (int c = first; c <= std::min(last, 255); ++c) {
                    if (width > 0) sheet.setColumnWidth(c, width);
                    if (hidden || width == 0) sheet.setColumnHidden(c, true);
                }
                break;
            }
            case kDefColWidth: sheet.setDefaultColumnWidth(in.u16() * Sheet::kWidthUnitsPerChar); break;
            case kStandardWidth: sheet.setDefaultColumnWidth(in.u16()); break;
            case kRow: {
                int row = in.u16();
                in.skip(4);
                int height = in.u16() & 0x7FFF;  // twips
                in.skip(4);
                quint16 flags = in.u16();
                if (flags & 0x40) sheet.setRowHeight(row, height / 20.0);
                if (flags & 0x20) sheet.setRowHidden(row, true);
                break;
            }
            default: break;
            }
        }
        sheet.setExtent(maxRow + 1, maxCol + 1);
    }

    const QByteArray& stream_;
    Records records_;
    bool biff8_ = true;
    bool date1904_ = false;
    std::unique_ptr<CodepageDecoder> decoder_;  // 8-bit texts of BIFF5
    QHash<int, QString> formats_;
    std::vector<int> xfFormats_;
    std::vector<SheetInfo> sheets_;
    std::vector<QString> sst_;
    qsizetype globalsEnd_ = 0;
};

// Record numbers of the BOF records of Excel 2.1 to 4.0 files, which keep
// their records directly in the file, without a compound document.
bool isOldBiff(const QByteArray& data)
{
    if (data.size() < 4 || data[1] > 0x04 || data[0] != 0x09) return false;
    quint16 size = qFromLittleEndian<quint16>(data.constData() + 2);
    return (data[1] == 0x00 || data[1] == 0x02 || data[1] == 0x04) && size >= 4 && size <= 16;
}

// A workbook stream of Excel 5.0 or later saved without its container.
bool isBareBiff(const QByteArray& data)
{
    return data.size() >= 8 && data[0] == 0x09 && data[1] == 0x08 && quint8(data[2]) >= 8 && quint8(data[2]) <= 20 &&
           data[3] == 0 && (data[5] == 0x05 || data[5] == 0x06);
}

}  // namespace

bool isLegacyWorkbook(const QByteArray& data)
{
    return CompoundFile::hasSignature(data) || isOldBiff(data) || isBareBiff(data);
}

Sheet xlsFromData(const QByteArray& data)
{
    if (isOldBiff(data)) throw SheetError::of(Reason::Unsupported);
    if (isBareBiff(data)) return BiffReader(data).read();
    if (!CompoundFile::hasSignature(data)) throw SheetError::of(Reason::NotSpreadsheet);
    CompoundFile file(data);
    // Excel 97-2003 names its stream Workbook; Excel 5.0 and 95 name it Book.
    // A file saved for both keeps both, and the newer one is read.
    std::optional<QByteArray> stream = file.read(QStringLiteral("Workbook"));
    if (!stream) stream = file.read(QStringLiteral("Book"));
    if (!stream) {
        // A password-protected .xlsx is a compound document with the package
        // encrypted inside.
        if (file.contains(QStringLiteral("EncryptedPackage")) || file.contains(QStringLiteral("EncryptionInfo")))
            throw SheetError::of(Reason::Encrypted);
        throw SheetError::of(Reason::NotSpreadsheet);
    }
    return BiffReader(*stream).read();
}

Sheet readXls(const QString& path)
{
    return xlsFromData(readFileData(path));
}

}  // namespace tj::sheet
