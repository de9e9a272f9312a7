#include "platform/sheet/SheetIo.h"

#include <QFile>
#include <unicode/ucnv.h>
#include <vector>

namespace tj::sheet {

SheetError SheetError::of(Reason reason)
{
    switch (reason) {
    case Reason::Empty: return SheetError(QStringLiteral("文件是空的（0 字节），没有可读取的内容。"), reason);
    case Reason::NotSpreadsheet:
        return SheetError(QStringLiteral("文件不是电子表格，请选择 Excel 工作簿（.xls、.xlsx）或制表符分隔的文本文件。"), reason);
    case Reason::Damaged:
        return SheetError(QStringLiteral("文件已损坏或不完整，无法读取。请在电子表格程序中打开并另存后再试。"), reason);
    case Reason::Encrypted:
        return SheetError(QStringLiteral("文件设有打开密码（已加密），无法读取。请在电子表格程序中取消密码并保存后再试。"), reason);
    case Reason::Unsupported:
        return SheetError(QStringLiteral("文件的格式太旧或不受支持，无法读取。请在电子表格程序中另存为"
                                         "“Excel 97-2003 工作簿（.xls）”或“Excel 工作簿（.xlsx）”后再试。"),
                          reason);
    case Reason::NoWorksheet: return SheetError(QStringLiteral("工作簿中没有工作表"), reason);
    case Reason::CannotOpen: return SheetError(QStringLiteral("无法打开文件"), reason);
    case Reason::Other: break;
    }
    return SheetError(QStringLiteral("无法读取文件"), reason);
}

SheetError SheetError::cannotOpen(const QString& path)
{
    return SheetError(QStringLiteral("无法打开文件 %1，请检查文件是否存在、是否正被其他程序使用。").arg(path),
                      Reason::CannotOpen);
}

QByteArray readFileData(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) throw SheetError::cannotOpen(path);
    QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError) throw SheetError::cannotOpen(path);
    if (data.isEmpty()) throw SheetError::of(SheetError::Reason::Empty);
    return data;
}

namespace {

const char* converterName(int codepage)
{
    switch (codepage) {
    case 367: case 20127: return "US-ASCII";
    case 437: return "ibm-437";
    case 850: return "ibm-850";
    case 852: return "ibm-852";
    case 866: return "ibm-866";
    case 874: return "windows-874";
    case 932: case 10001: return "windows-932";
    case 949: case 10003: return "windows-949";
    case 950: case 10002: return "windows-950";
    case 1250: return "windows-1250";
    case 1251: return "windows-1251";
    case 1252: case 32769: return "windows-1252";
    case 1253: return "windows-1253";
    case 1254: return "windows-1254";
    case 1255: return "windows-1255";
    case 1256: return "windows-1256";
    case 1257: return "windows-1257";
    case 1258: return "windows-1258";
    case 10000: case 32768: return "macintosh";
    case 10006: return "x-mac-greek";
    case 10007: return "x-mac-cyrillic";
    case 10029: return "x-mac-centraleurroman";
    case 10081: return "x-mac-turkish";
    case 65001: return "UTF-8";
    // 936 and 20936 (GB2312), 10008 (Mac Simplified Chinese, GB2312 bytes)
    // and everything unknown: GB18030, a superset of all of them.
    default: return "GB18030";
    }
}

}  // namespace

CodepageDecoder::CodepageDecoder(int codepage)
{
    UErrorCode err = U_ZERO_ERROR;
    conv_ = ucnv_open(converterName(codepage), &err);
    if (U_FAILURE(err)) {
        err = U_ZERO_ERROR;
        conv_ = ucnv_open("GB18030", &err);
    }
    if (U_FAILURE(err)) throw SheetError(QStringLiteral("无法转换文字编码"));
}

CodepageDecoder::~CodepageDecoder()
{
    if (conv_) ucnv_close(conv_);
}

QString CodepageDecoder::operator()(QByteArrayView bytes) const
{
    if (bytes.isEmpty()) return {};
    std::vector<UChar> out(size_t(bytes.size()) * 2 + 16);
    UErrorCode err = U_ZERO_ERROR;
    ucnv_resetToUnicode(conv_);
    int32_t n = ucnv_toUChars(conv_, out.data(), int32_t(out.size()), bytes.data(), int32_t(bytes.size()), &err);
    if (U_FAILURE(err)) throw SheetError(QStringLiteral("无法转换文字编码"));
    return QString(reinterpret_cast<const QChar*>(out.data()), n);
}

}  // namespace tj::sheet
