// Writing a sheet as .xlsx (libxlsxwriter; texts that are numbers and dates
// as numbers with their display format) and as an HTML page, and choosing
// the reader for a file by its content.
#include "platform/sheet/NumberFormat.h"
#include "platform/sheet/Sheet.h"
#include "platform/sheet/SheetIo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <map>
#include <tuple>
#include <xlsxwriter.h>

namespace tj::sheet {

namespace {

// A web page or an XML spreadsheet, which some programs save under .xls.
bool isMarkup(const QByteArray& data)
{
    QByteArray head = data.left(512);
    if (head.startsWith("\xEF\xBB\xBF")) head.remove(0, 3);
    head = head.trimmed().toLower();
    for (const char* start : {"<?xml", "<!doctype", "<html", "<table", "<!--"})
        if (head.startsWith(start)) return true;
    return false;
}

}  // namespace

Sheet readSheet(const QString& path)
{
    QByteArray data = readFileData(path);
    if (data.startsWith("PK\x03\x04") || data.startsWith("PK\x05\x06")) return xlsxFromData(std::move(data));
    if (isLegacyWorkbook(data)) return xlsFromData(data);
    if (isMarkup(data)) throw SheetError::of(SheetError::Reason::Unsupported);
    return parseText(data);
}

void writeSheet(const Sheet& sheet, const QString& path, FileFormat format)
{
    switch (format) {
    case FileFormat::Xlsx: writeXlsx(sheet, path); break;
    case FileFormat::Text: writeText(sheet, path); break;
    case FileFormat::Html: writeHtml(sheet, path); break;
    }
}

namespace {

uint8_t paperCode(QPageSize::PageSizeId id)
{
    switch (id) {
    case QPageSize::Letter: return 1;
    case QPageSize::Legal: return 5;
    case QPageSize::A3: return 8;
    case QPageSize::A5: return 11;
    case QPageSize::B4: return 12;
    case QPageSize::B5: return 13;
    default: return 9;  // A4
    }
}

uint8_t lxwAlign(HAlign a)
{
    switch (a) {
    case HAlign::Left: return LXW_ALIGN_LEFT;
    case HAlign::Center: return LXW_ALIGN_CENTER;
    case HAlign::Right: return LXW_ALIGN_RIGHT;
    default: return LXW_ALIGN_NONE;
    }
}

// Header/footer text: "&" other than the page fields is doubled.
QByteArray headerCode(const QString& text)
{
    QString t = text;
    QString out;
    for (int i = 0; i < t.size(); ++i) {
        if (t[i] == '&' && i + 1 < t.size() && (t[i + 1] == 'P' || t[i + 1] == 'N' || t[i + 1] == 'D' || t[i + 1] == 'T' || t[i + 1] == '&')) {
            out += t.mid(i, 2);
            ++i;
        } else if (t[i] == '&') {
            out += "&&";
        } else {
            out += t[i];
        }
    }
    return ("&C" + out).toUtf8();
}

}  // namespace

void writeXlsx(const Sheet& sheet, const QString& path)
{
    // libxlsxwriter writes through stdio; the file goes to a temporary name in
    // the same folder first so that a failure never leaves half a workbook.
    QFileInfo info(path);
    QString tmp = info.absoluteDir().filePath(QStringLiteral(".~%1.tmp").arg(info.fileName()));
    QByteArray tmpLocal = QFile::encodeName(tmp);
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    QTemporaryDir scratch;
    QByteArray scratchLocal = QFile::encodeName(scratch.path());
    options.tmpdir = scratch.isValid() ? const_cast<char*>(scratchLocal.constData()) : nullptr;
    lxw_workbook* wb = workbook_new_opt(tmpLocal.constData(), &options);
    if (!wb) throw SheetError(QStringLiteral("无法写入文件 %1").arg(path));
    QByteArray sheetName = (sheet.name().isEmpty() ? QStringLiteral("Sheet1") : sheet.name()).left(31).toUtf8();
    lxw_worksheet* ws = workbook_add_worksheet(wb, sheetName.constData());
    if (!ws) ws = workbook_add_worksheet(wb, nullptr);

    QByteArray font = sheet.fontFamily().toUtf8();
    std::map<std::tuple<int, bool, double, QString>, lxw_format*> formats;
    auto formatFor = [&](const CellFormat& f, const QString& numberFormat = QString()) {
        auto key = std::tuple{int(f.align), f.bold, f.fontSize, numberFormat};
        auto it = formats.find(key);
        if (it != formats.end()) return it->second;
        lxw_format* fmt = workbook_add_format(wb);
        if (!numberFormat.isEmpty()) format_set_num_format(fmt, numberFormat.toUtf8().constData());
        format_set_font_name(fmt, font.constData());
        format_set_font_size(fmt, f.fontSize > 0 ? f.fontSize : sheet.fontSize());
        if (f.align != HAlign::General) format_set_align(fmt, lxwAlign(f.align));
        format_set_align(fmt, LXW_ALIGN_VERTICAL_CENTER);
        if (f.bold) format_set_bold(fmt);
        formats.emplace(key, fmt);
        return fmt;
    };
    lxw_format* plain = formatFor(CellFormat{});

    const PageSetup& page = sheet.pageSetup();
    worksheet_set_paper(ws, paperCode(page.paper));
    if (page.landscape) worksheet_set_landscape(ws); else worksheet_set_portrait(ws);
    worksheet_set_margins(ws, page.marginsMm.left() / 25.4, page.marginsMm.right() / 25.4,
                          page.marginsMm.top() / 25.4, page.marginsMm.bottom() / 25.4);
    if (!page.header.isEmpty()) {
        lxw_header_footer_options o{page.headerMm / 25.4, nullptr, nullptr, nullptr};
        worksheet_set_header_opt(ws, headerCode(page.header).constData(), &o);
    }
    if (!page.footer.isEmpty()) {
        lxw_header_footer_options o{page.footerMm / 25.4, nullptr, nullptr, nullptr};
        worksheet_set_footer_opt(ws, headerCode(page.footer).constData(), &o);
    }
    if (page.gridLines) worksheet_gridlines(ws, LXW_SHOW_ALL_GRIDLINES);
    if (page.centerHorizontally) worksheet_center_horizontally(ws);
    if (page.scalePercent != 100) worksheet_set_print_scale(ws, uint16_t(page.scalePercent));
    worksheet_set_default_row(ws, sheet.defaultRowHeight(), LXW_FALSE);

    // Column widths, including those beyond the used block.
    int widthCols = std::max(sheet.columnCount(), 256);
    for (int c = 0; c < widthCols; ++c) {
        bool hidden = sheet.isColumnHidden(c);
        if (!hidden && !sheet.hasCustomColumnWidth(c)) continue;
        lxw_row_col_options o{};
        o.hidden = hidden;
        double width = (sheet.hasCustomColumnWidth(c) ? sheet.columnWidth(c) : sheet.defaultColumnWidth()) /
                       double(Sheet::kWidthUnitsPerChar);
        worksheet_set_column_opt(ws, lxw_col_t(c), lxw_col_t(c), width, nullptr, &o);
    }

    // Merges are written with their first cell; in constant-memory mode cells
    // go out row by row, so merges are written when their first row comes.
    std::map<int, std::vector<CellRange>> mergesByRow;
    for (const auto& m : sheet.merges()) mergesByRow[m.top].push_back(m);

    int lastRow = std::max(sheet.rowCount(), 0);
    for (int r = 0; r < lastRow; ++r) {
        if (sheet.hasCustomRowHeight(r) || sheet.isRowHidden(r)) {
            lxw_row_col_options o{};
            o.hidden = sheet.isRowHidden(r);
            double h = sheet.hasCustomRowHeight(r) ? sheet.rowHeight(r) : sheet.defaultRowHeight();
            if (sheet.isRowHidden(r) && !sheet.hasCustomRowHeight(r)) h = sheet.defaultRowHeight();
            worksheet_set_row_opt(ws, lxw_row_t(r), h, nullptr, &o);
        }
        auto mit = mergesByRow.find(r);
        for (int c = 0; c < sheet.columnCount(); ++c) {
            if (mit != mergesByRow.end()) {
                bool skip = false;
                for (const auto& m : mit->second)
                    if (m.left == c) {
                        QByteArray t = sheet.text(r, c).toUtf8();
                        worksheet_merge_range(ws, lxw_row_t(m.top), lxw_col_t(m.left), lxw_row_t(m.bottom),
                                              lxw_col_t(m.right), t.constData(), formatFor(sheet.format(r, c)));
                        c = m.right;
                        skip = true;
                        break;
                    }
                if (skip) continue;
            }
            QString text = sheet.text(r, c);
            CellFormat f = sheet.format(r, c);
            if (text.isEmpty()) {
                if (f != CellFormat{}) worksheet_write_blank(ws, lxw_row_t(r), lxw_col_t(c), formatFor(f));
                continue;
            }
            // Numbers, amounts and dates go out as numbers with a format that
            // shows the same text, so that the list can be summed and sorted.
            if (auto v = numberFromText(text)) {
                worksheet_write_number(ws, lxw_row_t(r), lxw_col_t(c), v->value, formatFor(f, v->format));
                continue;
            }
            QByteArray t = text.toUtf8();
            worksheet_write_string(ws, lxw_row_t(r), lxw_col_t(c), t.constData(), f == CellFormat{} ? plain : formatFor(f));
        }
    }
    if (auto a = sheet.printArea(); a && !a->isEmpty())
        worksheet_print_area(ws, lxw_row_t(a->top), lxw_col_t(a->left), lxw_row_t(a->bottom), lxw_col_t(a->right));
    if (auto t = sheet.printTitleRows()) worksheet_repeat_rows(ws, lxw_row_t(t->first), lxw_row_t(t->second));
    std::vector<lxw_row_t> breaks;
    if (!sheet.rowBreaks().empty()) {
        breaks.assign(sheet.rowBreaks().begin(), sheet.rowBreaks().end());
        breaks.push_back(0);
        worksheet_set_h_pagebreaks(ws, breaks.data());
    }

    lxw_error err = workbook_close(wb);
    if (err != LXW_NO_ERROR) {
        QFile::remove(tmp);
        throw SheetError(QStringLiteral("无法写入文件 %1：%2").arg(path, QString::fromUtf8(lxw_strerror(err))));
    }
    // Replaces the old file in one step: it is never lost if this fails.
    if (std::rename(tmpLocal.constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(tmp);
        throw SheetError(QStringLiteral("无法写入文件 %1").arg(path));
    }
}

QString toHtml(const Sheet& sheet, const QString& title)
{
    auto esc = [](const QString& s) { return s.toHtmlEscaped().replace("\n", "<br>"); };
    QString h;
    h += "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" + esc(title.isEmpty() ? sheet.name() : title) +
         "</title>\n<style>\ntable{border-collapse:collapse;font-family:'" + sheet.fontFamily() +
         "','Noto Serif CJK SC',serif;font-size:" + QString::number(sheet.fontSize()) +
         "pt}\ntd{border:1px solid #999;padding:1px 4px;white-space:nowrap}\n</style>\n</head>\n<body>\n<table>\n";
    // Hidden columns and rows are left out, as they do not show in the sheet.
    h += "<colgroup>";
    for (int c = 0; c < sheet.columnCount(); ++c)
        if (!sheet.isColumnHidden(c))
            h += QStringLiteral("<col style=\"width:%1px\">").arg(int(std::lround(sheet.columnWidth(c) / 35.0)));
    h += "</colgroup>\n";
    for (int r = 0; r < sheet.rowCount(); ++r) {
        if (sheet.isRowHidden(r)) continue;
        h += "<tr>";
        for (int c = 0; c < sheet.columnCount(); ++c) {
            if (sheet.isColumnHidden(c)) continue;
            auto m = sheet.mergeAt(r, c);
            if (m && (m->top != r || m->left != c)) continue;
            QString attrs;
            if (m) {
                int span = 0;
                for (int k = m->left; k <= m->right; ++k) span += sheet.isColumnHidden(k) ? 0 : 1;
                int rows = 0;
                for (int k = m->top; k <= m->bottom; ++k) rows += sheet.isRowHidden(k) ? 0 : 1;
                if (span > 1) attrs += QStringLiteral(" colspan=\"%1\"").arg(span);
                if (rows > 1) attrs += QStringLiteral(" rowspan=\"%1\"").arg(rows);
            }
            CellFormat f = sheet.format(r, c);
            QString style;
            if (f.align == HAlign::Left) style += "text-align:left;";
            if (f.align == HAlign::Center) style += "text-align:center;";
            if (f.align == HAlign::Right) style += "text-align:right;";
            if (f.bold) style += "font-weight:bold;";
            if (f.fontSize > 0) style += QStringLiteral("font-size:%1pt;").arg(f.fontSize);
            if (!style.isEmpty()) attrs += " style=\"" + style + "\"";
            h += "<td" + attrs + ">" + esc(sheet.text(r, c)) + "</td>";
        }
        h += "</tr>\n";
    }
    h += "</table>\n</body>\n</html>\n";
    return h;
}

void writeHtml(const Sheet& sheet, const QString& path, const QString& title)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) throw SheetError(QStringLiteral("无法写入文件 %1").arg(path));
    f.write(toHtml(sheet, title).toUtf8());
    if (!f.commit()) throw SheetError(QStringLiteral("无法写入文件 %1").arg(path));
}

}  // namespace tj::sheet
