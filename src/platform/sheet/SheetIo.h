// What the sheet file readers share: reading a whole file, decoding the 8-bit
// code pages of legacy files, and the readers that work on a file's bytes.
#pragma once

#include "platform/sheet/Sheet.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtEndian>

struct UConverter;

namespace tj::sheet {

// Little-endian fields of the binary file formats, at an offset the caller
// has checked against the data's size.
inline quint16 u16At(const QByteArray& d, qsizetype at)
{
    return qFromLittleEndian<quint16>(d.constData() + at);
}
inline quint32 u32At(const QByteArray& d, qsizetype at)
{
    return qFromLittleEndian<quint32>(d.constData() + at);
}
inline quint64 u64At(const QByteArray& d, qsizetype at)
{
    return qFromLittleEndian<quint64>(d.constData() + at);
}

// The error of a file whose content is cut short or broken.
inline SheetError damagedFile()
{
    return SheetError::of(SheetError::Reason::Damaged);
}

// The whole content of a file; throws SheetError when the file cannot be
// opened or holds no bytes.
QByteArray readFileData(const QString& path);

// Decodes text in a code page as legacy workbooks number them (936 GBK,
// 1252 Western, 10000 Mac Roman, 10008 Mac Simplified Chinese, ...). A file
// without a code page (0) and an unknown one are read as GBK, the code page
// of Chinese Windows, whose GB18030 superset also covers plain ASCII.
class CodepageDecoder {
public:
    explicit CodepageDecoder(int codepage = 0);
    ~CodepageDecoder();
    CodepageDecoder(const CodepageDecoder&) = delete;
    CodepageDecoder& operator=(const CodepageDecoder&) = delete;
    QString operator()(QByteArrayView bytes) const;

private:
    UConverter* conv_ = nullptr;
};

// The readers behind readXls and readXlsx, on the file's bytes.
Sheet xlsFromData(const QByteArray& data);
Sheet xlsxFromData(QByteArray data);
// True for the start of a legacy workbook: a compound document, or the bare
// records of an old Excel file.
bool isLegacyWorkbook(const QByteArray& data);

}  // namespace tj::sheet
