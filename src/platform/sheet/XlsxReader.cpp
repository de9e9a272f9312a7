// Reads the first worksheet of an .xlsx workbook: cell texts as a person sees
// them (shared strings, numbers through their number formats, dates, booleans),
// merges, alignment, bold, column widths, row heights, hidden rows and columns,
// print area, print titles, page breaks and page set-up.
#include "platform/sheet/NumberFormat.h"
#include "platform/sheet/Sheet.h"
#include "platform/sheet/ZipArchive.h"

#include <QFile>
#include <QHash>
#include <QXmlStreamReader>
#include <cmath>
#include <map>

namespace tj::sheet {

namespace {

QByteArray readEntry(const ZipArchive& zip, const QString& name, bool required)
{
    QString n = name.startsWith('/') ? name.mid(1) : name;
    auto data = zip.read(n);
    if (!data) {
        if (required) throw SheetError(QStringLiteral("工作簿缺少 %1").arg(n));
        return {};
    }
    return *data;
}

QString resolveTarget(const QString& base, const QString& target)
{
    if (target.startsWith('/')) return target.mid(1);
    QString dir = base;
    QStringList parts = dir.split('/', Qt::SkipEmptyParts);
    for (const QString& p : target.split('/')) {
        if (p == "..") {
            if (!parts.isEmpty()) parts.removeLast();
        } else if (p != ".") {
            parts << p;
        }
    }
    return parts.join('/');
}

// Reads the text of an <si> or <is> element: plain <t> and rich-text runs,
// leaving out phonetic runs.
QString readStringItem(QXmlStreamReader& x)
{
    QString text;
    int depth = 1;
    bool inPhonetic = false;
    while (depth > 0 && !x.atEnd()) {
        x.readNext();
        if (x.isStartElement()) {
            ++depth;
            if (x.name() == u"rPh") inPhonetic = true;
            else if (x.name() == u"t" && !inPhonetic) {
                text += x.readElementText();
                --depth;
            }
        } else if (x.isEndElement()) {
            --depth;
            if (x.name() == u"rPh") inPhonetic = false;
        }
    }
    return text;
}

// Rows and columns in the file count from 1; "A1:C3", "$A$1:$C$3", "$1:$2".
std::optional<CellRange> parseRange(const QString& ref)
{
    QString r = ref;
    int bang = r.lastIndexOf('!');
    if (bang >= 0) r = r.mid(bang + 1);
    r.remove('$');
    QStringList p = r.split(':');
    auto a = parseCellRef(p.value(0));
    auto b = p.size() > 1 ? parseCellRef(p[1]) : a;
    if (!a || !b) return std::nullopt;
    return CellRange::of(a->first, a->second, b->first, b->second);
}

struct Style {
    QString numFmt;
    HAlign align = HAlign::General;
    bool bold = false;
    double fontSize = 0;
    QString fontName;
};

struct Styles {
    std::vector<Style> xfs;
};

HAlign alignFrom(QStringView v)
{
    if (v == u"left") return HAlign::Left;
    if (v == u"center" || v == u"centerContinuous") return HAlign::Center;
    if (v == u"right") return HAlign::Right;
    return HAlign::General;
}

Styles readStyles(const QByteArray& data)
{
    Styles out;
    std::vector<Style>& xfs = out.xfs;
    if (data.isEmpty()) return out;
    QHash<int, QString> numFmts;
    std::vector<bool> boldFonts;
    std::vector<double> fontSizes;
    std::vector<QString> fontNames;
    QXmlStreamReader x(data);
    enum { None, Fonts, CellXfs } section = None;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement()) {
            auto n = x.name();
            if (n == u"numFmt") {
                numFmts.insert(x.attributes().value("numFmtId").toInt(), x.attributes().value("formatCode").toString());
            } else if (n == u"fonts") {
                section = Fonts;
            } else if (n == u"font" && section == Fonts) {
                boldFonts.push_back(false);
                fontSizes.push_back(0);
                fontNames.push_back(QString());
            } else if (n == u"sz" && section == Fonts && !fontSizes.empty()) {
                fontSizes.back() = x.attributes().value("val").toDouble();
            } else if (n == u"name" && section == Fonts && !fontNames.empty()) {
                fontNames.back() = x.attributes().value("val").toString();
            } else if (n == u"b" && section == Fonts && !boldFonts.empty()) {
                auto v = x.attributes().value("val");
                boldFonts.back() = v.isEmpty() || v == u"1" || v == u"true";
            } else if (n == u"cellXfs") {
                section = CellXfs;
            } else if (n == u"xf" && section == CellXfs) {
                Style s;
                int id = x.attributes().value("numFmtId").toInt();
                s.numFmt = numFmts.contains(id) ? numFmts.value(id) : builtinNumberFormat(id);
                int font = x.attributes().value("fontId").toInt();
                s.bold = font >= 0 && font < int(boldFonts.size()) && boldFonts[font];
                if (font >= 0 && font < int(fontSizes.size())) s.fontSize = fontSizes[font];
                if (font >= 0 && font < int(fontNames.size())) s.fontName = fontNames[font];
                xfs.push_back(s);
            } else if (n == u"alignment" && section == CellXfs && !xfs.empty()) {
                xfs.back().align = alignFrom(x.attributes().value("horizontal"));
            }
        } else if (x.isEndElement()) {
            if (x.name() == u"fonts" || x.name() == u"cellXfs") section = None;
        }
    }
    return out;
}

QPageSize::PageSizeId paperFromCode(int code)
{
    switch (code) {
    case 1: return QPageSize::Letter;
    case 5: return QPageSize::Legal;
    case 8: return QPageSize::A3;
    case 11: return QPageSize::A5;
    case 12: return QPageSize::B4;
    case 13: return QPageSize::B5;
    default: return QPageSize::A4;
    }
}

// Header/footer codes: "&C" sections and "&P"/"&N" fields are kept; font codes dropped.
QString headerText(const QString& raw)
{
    QString out;
    for (int i = 0; i < raw.size(); ++i) {
        if (raw[i] == '&' && i + 1 < raw.size()) {
            QChar n = raw[i + 1];
            if (n == 'P' || n == 'N' || n == 'D' || n == 'T' || n == '&') {
                out += raw.mid(i, 2);
                ++i;
            } else if (n == '"') {
                int end = raw.indexOf('"', i + 2);
                i = end < 0 ? raw.size() : end;
            } else {
                ++i;
                while (i + 1 < raw.size() && raw[i + 1].isDigit()) ++i;
            }
            continue;
        }
        out += raw[i];
    }
    return out;
}

// Widths in the file include 5 pixels of cell padding (characters of 7
// pixels); the sheet keeps the width a person types, without it.
int widthUnits(double fileWidth)
{
    double px = std::round(fileWidth * 7.0);
    double chars = px > 12 ? (px - 5.0) / 7.0 : px / 12.0;
    return std::max(1, int(std::lround(chars * Sheet::kWidthUnitsPerChar)));
}

}  // namespace

Sheet readXlsx(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw SheetError(QStringLiteral("无法打开文件 %1").arg(path));
    ZipArchive zip(file.readAll());
    file.close();

    Sheet sheet;
    // Workbook: the first sheet, the date system and the defined print names.
    QByteArray wb = readEntry(zip, "xl/workbook.xml", true);
    QString firstRid, firstName;
    bool date1904 = false;
    QString printArea, printTitles;
    {
        QXmlStreamReader x(wb);
        while (!x.atEnd()) {
            x.readNext();
            if (!x.isStartElement()) continue;
            if (x.name() == u"workbookPr") {
                auto v = x.attributes().value("date1904");
                date1904 = v == u"1" || v == u"true";
            } else if (x.name() == u"sheet" && firstRid.isEmpty()) {
                for (const auto& a : x.attributes())
                    if (a.name() == u"id") firstRid = a.value().toString();
                firstName = x.attributes().value("name").toString();
            } else if (x.name() == u"definedName") {
                QString name = x.attributes().value("name").toString();
                QString local = x.attributes().value("localSheetId").toString();
                QString value = x.readElementText();
                if (!local.isEmpty() && local != "0") continue;
                if (name == "_xlnm.Print_Area") printArea = value;
                if (name == "_xlnm.Print_Titles") printTitles = value;
            }
        }
        if (x.hasError()) throw SheetError(QStringLiteral("工作簿格式错误：%1").arg(x.errorString()));
    }
    if (firstRid.isEmpty()) throw SheetError(QStringLiteral("工作簿中没有工作表"));
    sheet.setName(firstName);

    QString sheetPath = "xl/worksheets/sheet1.xml";
    {
        QXmlStreamReader x(readEntry(zip, "xl/_rels/workbook.xml.rels", true));
        while (!x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.name() == u"Relationship" && x.attributes().value("Id") == firstRid)
                sheetPath = resolveTarget("xl", x.attributes().value("Target").toString());
        }
    }

    QStringList shared;
    {
        QByteArray data = readEntry(zip, "xl/sharedStrings.xml", false);
        QXmlStreamReader x(data);
        while (!data.isEmpty() && !x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.name() == u"si") shared << readStringItem(x);
        }
    }
    Styles allStyles = readStyles(readEntry(zip, "xl/styles.xml", false));
    const std::vector<Style>& styles = allStyles.xfs;
    // The sheet's font is the one most cells use; the others keep their size.
    std::vector<int> xfUse(styles.size(), 0);

    QByteArray ws = readEntry(zip, sheetPath, true);
    QXmlStreamReader x(ws);
    struct Pending {
        int row, col;
        CellFormat format;
    };
    std::vector<Pending> styledEmpty;
    int rowIndex = -1;
    int maxRow = -1, maxCol = -1;
    PageSetup& page = sheet.pageSetup();
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement()) continue;
        auto n = x.name();
        auto at = x.attributes();
        if (n == u"sheetFormatPr") {
            if (at.hasAttribute("defaultRowHeight")) sheet.setDefaultRowHeight(at.value("defaultRowHeight").toDouble());
            if (at.hasAttribute("defaultColWidth"))
                sheet.setDefaultColumnWidth(widthUnits(at.value("defaultColWidth").toDouble()));
            else if (at.hasAttribute("baseColWidth"))
                sheet.setDefaultColumnWidth(int(std::lround(at.value("baseColWidth").toDouble() * Sheet::kWidthUnitsPerChar)));
        } else if (n == u"col") {
            int first = at.value("min").toInt() - 1, last = at.value("max").toInt() - 1;
            bool hidden = at.value("hidden") == u"1" || at.value("hidden") == u"true";
            double width = at.value("width").toDouble();
            last = std::min(last, first + 16384);
            for (int c = std::max(0, first); c <= last; ++c) {
                if (width > 0 && at.hasAttribute("width")) sheet.setColumnWidth(c, widthUnits(width));
                if (hidden || (at.hasAttribute("width") && width == 0)) sheet.setColumnHidden(c, true);
            }
        } else if (n == u"row") {
            rowIndex = at.hasAttribute("r") ? at.value("r").toInt() - 1 : rowIndex + 1;
            if (at.hasAttribute("ht") && (at.value("customHeight") == u"1" || at.value("customHeight") == u"true"))
                sheet.setRowHeight(rowIndex, at.value("ht").toDouble());
            if (at.value("hidden") == u"1" || at.value("hidden") == u"true") sheet.setRowHidden(rowIndex, true);
        } else if (n == u"c") {
            auto ref = parseCellRef(at.value("r").toString());
            int row = ref ? ref->first : rowIndex;
            int col = ref ? ref->second : maxCol + 1;
            QString type = at.value("t").toString();
            int s = at.value("s").toInt();
            const Style style = s >= 0 && s < int(styles.size()) ? styles[s] : Style{};
            if (s >= 0 && s < int(xfUse.size())) ++xfUse[s];
            QString value;
            bool hasValue = false;
            // Walk the children of <c>: <v>, <is>, <f>.
            while (!x.atEnd()) {
                x.readNext();
                if (x.isEndElement() && x.name() == u"c") break;
                if (!x.isStartElement()) continue;
                if (x.name() == u"v") {
                    value = x.readElementText();
                    hasValue = true;
                } else if (x.name() == u"is") {
                    value = readStringItem(x);
                    hasValue = true;
                }
            }
            CellFormat fmt{style.align, style.bold, style.fontSize};
            if (!hasValue) {
                if (fmt != CellFormat{}) styledEmpty.push_back({row, col, fmt});
                continue;
            }
            QString text;
            if (type == u"s") {
                int i = value.toInt();
                text = i >= 0 && i < shared.size() ? shared[i] : QString();
            } else if (type == u"str" || type == u"inlineStr" || type == u"e") {
                text = value;
            } else if (type == u"b") {
                text = value.trimmed() == "1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
            } else if (type == u"d") {
                QDateTime dt = QDateTime::fromString(value, Qt::ISODate);
                text = dt.isValid() ? dt.toString(dt.time() == QTime(0, 0) ? "yyyy-MM-dd" : "yyyy-MM-dd hh:mm:ss") : value;
            } else {
                bool ok = false;
                double v = value.toDouble(&ok);
                text = ok ? (style.numFmt == "@" ? value : formatNumber(v, style.numFmt, date1904)) : value;
            }
            sheet.setText(row, col, text);
            sheet.setFormat(row, col, fmt);
            if (!text.isEmpty()) {
                maxRow = std::max(maxRow, row);
                maxCol = std::max(maxCol, col);
            }
        } else if (n == u"mergeCell") {
            if (auto r = parseRange(at.value("ref").toString())) {
                sheet.merge(*r);
                maxRow = std::max(maxRow, r->bottom);
                maxCol = std::max(maxCol, r->right);
            }
        } else if (n == u"printOptions") {
            page.gridLines = at.value("gridLines") == u"1" || at.value("gridLines") == u"true";
            page.centerHorizontally = at.value("horizontalCentered") == u"1" || at.value("horizontalCentered") == u"true";
        } else if (n == u"pageMargins") {
            auto mm = [&](const char* k, double fallback) {
                return at.hasAttribute(k) ? at.value(k).toDouble() * 25.4 : fallback;
            };
            page.marginsMm = QMarginsF(mm("left", 19), mm("top", 25), mm("right", 19), mm("bottom", 25));
            page.headerMm = mm("header", 13);
            page.footerMm = mm("footer", 13);
        } else if (n == u"pageSetup") {
            if (at.hasAttribute("paperSize")) page.paper = paperFromCode(at.value("paperSize").toInt());
            page.landscape = at.value("orientation") == u"landscape";
            if (at.hasAttribute("scale")) page.scalePercent = std::clamp(at.value("scale").toInt(), 10, 400);
        } else if (n == u"oddHeader") {
            QString h = headerText(x.readElementText());
            int c = h.indexOf("&C");
            page.header = c >= 0 ? h.mid(c + 2) : h;
        } else if (n == u"oddFooter") {
            QString h = headerText(x.readElementText());
            int c = h.indexOf("&C");
            page.footer = c >= 0 ? h.mid(c + 2) : h;
        } else if (n == u"brk" && rowIndex >= -1) {
            // Only row breaks are kept; column breaks sit in <colBreaks>.
        } else if (n == u"rowBreaks") {
            while (!x.atEnd()) {
                x.readNext();
                if (x.isEndElement() && x.name() == u"rowBreaks") break;
                if (x.isStartElement() && x.name() == u"brk") sheet.addRowBreak(x.attributes().value("id").toInt());
            }
        }
    }
    if (x.hasError()) throw SheetError(QStringLiteral("工作表格式错误：%1").arg(x.errorString()));

    // Formatted empty cells belong to the used block, as in spreadsheet programs.
    for (const auto& p : styledEmpty) {
        maxRow = std::max(maxRow, p.row);
        maxCol = std::max(maxCol, p.col);
    }
    sheet.setExtent(maxRow + 1, maxCol + 1);
    for (const auto& p : styledEmpty) sheet.setFormat(p.row, p.col, p.format);
    std::map<std::pair<QString, double>, int> fontUse;
    for (size_t i = 0; i < styles.size(); ++i)
        if (styles[i].fontSize > 0) fontUse[{styles[i].fontName, styles[i].fontSize}] += xfUse[i];
    if (!fontUse.empty()) {
        auto best = std::max_element(fontUse.begin(), fontUse.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
        if (!best->first.first.isEmpty()) sheet.setFontFamily(best->first.first);
        sheet.setFontSize(best->first.second);
        for (int r = 0; r < sheet.rowCount(); ++r)
            for (int c = 0; c < sheet.columnCount(); ++c) {
                CellFormat f = sheet.format(r, c);
                if (f.fontSize == best->first.second) {
                    f.fontSize = 0;
                    sheet.setFormat(r, c, f);
                }
            }
    }

    if (!printArea.isEmpty())
        if (auto r = parseRange(printArea.split(',').value(0))) sheet.setPrintArea(*r);
    for (const QString& part : printTitles.split(',', Qt::SkipEmptyParts)) {
        QString p = part.mid(part.lastIndexOf('!') + 1).remove('$');
        QStringList ends = p.split(':');
        bool ok1 = false, ok2 = false;
        int a = ends.value(0).toInt(&ok1), b = ends.value(1).toInt(&ok2);
        if (ok1 && ok2 && a >= 1 && b >= a) sheet.setPrintTitleRows(std::pair{a - 1, b - 1});
    }
    return sheet;
}

}  // namespace tj::sheet
