// Tab-separated text: reading with the encoding detected (UTF-8 or GBK, or
// UTF-16 with a byte-order mark) and writing as UTF-8 with a byte-order mark,
// so that spreadsheet programs and text editors on Chinese Windows open it.
#include "platform/sheet/Sheet.h"
#include "platform/sheet/SheetIo.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace tj::sheet {

namespace {

QString decode(const QByteArray& data)
{
    if (data.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(data.mid(3));
    if (data.startsWith("\xFF\xFE")) {
        auto d = QStringDecoder(QStringDecoder::Utf16LE);
        return d(data.mid(2));
    }
    if (data.startsWith("\xFE\xFF")) {
        auto d = QStringDecoder(QStringDecoder::Utf16BE);
        return d(data.mid(2));
    }
    if (data.contains('\0')) throw SheetError::of(SheetError::Reason::NotSpreadsheet);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString s = utf8(data);
    if (!utf8.hasError()) return s;
    return CodepageDecoder(936)(data);
}

}  // namespace

Sheet parseText(const QByteArray& data)
{
    QString s = decode(data);
    // Control characters other than tab, line ends and form feed do not occur
    // in text exports; they mark a binary file.
    for (QChar c : s)
        if (c.unicode() < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f')
            throw SheetError::of(SheetError::Reason::NotSpreadsheet);

    Sheet sheet;
    int row = 0, col = 0;
    int maxCol = -1, maxRow = -1;
    QString field;
    bool quoted = false, wasQuoted = false;
    auto endField = [&] {
        if (!field.isEmpty()) {
            sheet.setText(row, col, field);
            maxRow = std::max(maxRow, row);
        }
        maxCol = std::max(maxCol, field.isEmpty() && !wasQuoted ? maxCol : col);
        field.clear();
        wasQuoted = false;
    };
    const int n = int(s.size());
    for (int i = 0; i < n; ++i) {
        QChar c = s[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < n && s[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
            continue;
        }
        if (c == '"' && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (c == '\t') {
            endField();
            ++col;
        } else if (c == '\n' || c == '\r') {
            endField();
            if (c == '\r' && i + 1 < n && s[i + 1] == '\n') ++i;
            ++row;
            col = 0;
        } else {
            field += c;
        }
    }
    endField();
    sheet.setExtent(maxRow + 1, maxCol + 1);
    return sheet;
}

Sheet readText(const QString& path)
{
    return parseText(readFileData(path));
}

QByteArray toText(const Sheet& sheet)
{
    QString out;
    for (int r = 0; r < sheet.rowCount(); ++r) {
        for (int c = 0; c < sheet.columnCount(); ++c) {
            if (c) out += '\t';
            QString t = sheet.text(r, c);
            if (t.contains('\t') || t.contains('\n') || t.contains('\r') || t.startsWith('"')) {
                t.replace("\"", "\"\"");
                t = '"' + t + '"';
            }
            out += t;
        }
        out += "\r\n";
    }
    return "\xEF\xBB\xBF" + out.toUtf8();
}

void writeText(const Sheet& sheet, const QString& path)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) throw SheetError(QStringLiteral("无法写入文件 %1").arg(path));
    f.write(toText(sheet));
    if (!f.commit()) throw SheetError(QStringLiteral("无法写入文件 %1").arg(path));
}

}  // namespace tj::sheet
