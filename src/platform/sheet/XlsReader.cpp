// Reads the first worksheet of a legacy .xls workbook through freexl: texts,
// numbers in General form, dates and times as freexl decodes them.
#include "platform/sheet/NumberFormat.h"
#include "platform/sheet/Sheet.h"

#include <QFile>
#include <freexl.h>

namespace tj::sheet {

namespace {
struct Handle {
    const void* h = nullptr;
    ~Handle()
    {
        if (h) freexl_close(h);
    }
};

QString dateText(const char* s, int type)
{
    QString t = QString::fromUtf8(s);
    // freexl gives "YYYY-MM-DD", "YYYY-MM-DD HH:MM:SS" or "HH:MM:SS"; a date
    // and time at midnight reads as the date alone.
    if (type == FREEXL_CELL_DATETIME && t.endsWith(" 00:00:00")) t.chop(9);
    return t;
}
}  // namespace

Sheet readXls(const QString& path)
{
    Handle handle;
    QByteArray local = QFile::encodeName(path);
    int rc = freexl_open(local.constData(), &handle.h);
    if (rc != FREEXL_OK) throw SheetError(QStringLiteral("无法读取 Excel 文件 %1（%2）").arg(path).arg(rc));
    unsigned int count = 0;
    if (freexl_get_info(handle.h, FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK || count == 0)
        throw SheetError(QStringLiteral("工作簿中没有工作表"));
    if (freexl_select_active_worksheet(handle.h, 0) != FREEXL_OK) throw SheetError(QStringLiteral("无法选择工作表"));
    unsigned int rows = 0;
    unsigned short cols = 0;
    if (freexl_worksheet_dimensions(handle.h, &rows, &cols) != FREEXL_OK) throw SheetError(QStringLiteral("无法读取工作表大小"));

    Sheet sheet;
    const char* name = nullptr;
    if (freexl_get_worksheet_name(handle.h, 0, &name) == FREEXL_OK && name) sheet.setName(QString::fromUtf8(name));
    int maxRow = -1, maxCol = -1;
    for (unsigned int r = 0; r < rows; ++r) {
        for (unsigned short c = 0; c < cols; ++c) {
            FreeXL_CellValue v;
            if (freexl_get_cell_value(handle.h, r, c, &v) != FREEXL_OK) continue;
            QString text;
            switch (v.type) {
            case FREEXL_CELL_INT: text = QString::number(v.value.int_value); break;
            case FREEXL_CELL_DOUBLE: text = formatGeneral(v.value.double_value); break;
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT: text = QString::fromUtf8(v.value.text_value); break;
            case FREEXL_CELL_DATE:
            case FREEXL_CELL_DATETIME:
            case FREEXL_CELL_TIME: text = dateText(v.value.text_value, v.type); break;
            default: continue;
            }
            if (text.isEmpty()) continue;
            sheet.setText(int(r), int(c), text);
            maxRow = std::max(maxRow, int(r));
            maxCol = std::max(maxCol, int(c));
        }
    }
    sheet.setExtent(maxRow + 1, maxCol + 1);
    return sheet;
}

}  // namespace tj::sheet
