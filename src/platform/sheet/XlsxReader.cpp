// Reads the first visible worksheet of an .xlsx workbook: cell texts as a
// person sees them (shared and inline strings, numbers through their number
// formats, dates, booleans), merges, alignment, bold, column widths, row
// heights, hidden rows and columns, print area, print titles, page breaks and
// page set-up. The parts are found through the package's relationships, so
// workbooks that other programs lay out differently read the same.
#include "platform/sheet/NumberFormat.h"
#include "platform/sheet/Sheet.h"
#include "platform/sheet/SheetIo.h"
#include "platform/sheet/ZipArchive.h"

#include <QHash>
#include <QUrl>
#include <QXmlStreamReader>
#include <cmath>
#include <map>

namespace tj::sheet {

namespace {

bool isTrue(QStringView v)
{
    return v == u"1" || v == u"true";
}

// The parts of the package and the relationships between them. Parts are
// found as the package says: the workbook through the package's
// relationships (or its content types), and the worksheets, shared strings
// and styles through the workbook's relationships, wherever they lie.
class Package {
public:
    explicit Package(QByteArray data) : zip_(std::move(data))
    {
        QByteArray types = part(QStringLiteral("[Content_Types].xml"));
        QXmlStreamReader x(types);
        while (!types.isEmpty() && !x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.name() == u"Override")
                overrides_.push_back({ZipArchive::normalName(x.attributes().value("PartName").toString()),
                                      x.attributes().value("ContentType").toString()});
        }
    }

    QByteArray part(const QString& name) const { return zip_.read(name).value_or(QByteArray()); }
    bool contains(const QString& name) const { return !name.isEmpty() && zip_.contains(name); }

    struct Relationship {
        QString id, type, target;  // type: the last segment of the type URI; target: a part name
    };
    // The relationships of a part ("" for the package itself).
    std::vector<Relationship> relationships(const QString& source) const
    {
        int slash = source.lastIndexOf('/');
        QString dir = slash >= 0 ? source.left(slash) : QString();
        QString file = source.mid(slash + 1);
        QString relsName = (dir.isEmpty() ? QString() : dir + '/') + "_rels/" + file + ".rels";
        std::vector<Relationship> out;
        QByteArray data = part(relsName);
        QXmlStreamReader x(data);
        while (!data.isEmpty() && !x.atEnd()) {
            x.readNext();
            if (!x.isStartElement() || x.name() != u"Relationship") continue;
            auto at = x.attributes();
            if (at.value("TargetMode") == u"External") continue;
            QString type = at.value("Type").toString();
            out.push_back({at.value("Id").toString(), type.mid(type.lastIndexOf('/') + 1),
                           resolve(dir, at.value("Target").toString())});
        }
        return out;
    }
    // Part names of a content type (the text after the last "." or "-"
    // variant does not matter), in the order the package lists them.
    QStringList partsOfType(const QStringList& typeEnds) const
    {
        QStringList out;
        for (const auto& [name, type] : overrides_)
            for (const QString& end : typeEnds)
                if (type.endsWith(end)) out << name;
        return out;
    }

private:
    // A relationship target: relative to the source's folder or, with a
    // leading "/", to the package; backslashes and %-escapes as some
    // programs write them.
    static QString resolve(const QString& dir, QString target)
    {
        target = QUrl::fromPercentEncoding(target.replace('\\', '/').toUtf8());
        QStringList parts = target.startsWith('/') ? QStringList() : dir.split('/', Qt::SkipEmptyParts);
        for (const QString& p : target.split('/', Qt::SkipEmptyParts)) {
            if (p == "..") {
                if (!parts.isEmpty()) parts.removeLast();
            } else if (p != ".") {
                parts << p;
            }
        }
        return parts.join('/');
    }

    ZipArchive zip_;
    std::vector<std::pair<QString, QString>> overrides_;
};

// Characters XML cannot carry are written as "_xHHHH_" (a line break typed
// in a cell as "_x000D_"), and a literal "_x" as "_x005F_x".
QString unescapeText(QString text)
{
    if (!text.contains(u"_x")) return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'_' && i + 6 < text.size() && text[i + 1] == u'x' && text[i + 6] == u'_') {
            bool ok = false;
            ushort code = QStringView(text).sliced(i + 2, 4).toUShort(&ok, 16);
            if (ok) {
                out += QChar(code);
                i += 6;
                continue;
            }
        }
        out += text[i];
    }
    return out;
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
    return unescapeText(text);
}

// Formatting (formatted empty cells, merges) reaches no further than the
// rows and columns of legacy sheets; cells with values count wherever they are.
constexpr int kFormattedRowLimit = 65536;
constexpr int kFormattedColumnLimit = 256;

// A cell reference as cells carry it ("B3"), read without copying: this
// runs once for every cell of the sheet.
std::optional<std::pair<int, int>> cellRef(QStringView r)
{
    qsizetype i = 0;
    int col = 0, row = 0;
    while (i < r.size() && r[i] >= u'A' && r[i] <= u'Z' && col <= 16384) col = col * 26 + (r[i++].unicode() - 'A' + 1);
    if (i == 0 || i == r.size()) return parseCellRef(r.toString());  // lower case, "$" or spaces
    for (; i < r.size(); ++i) {
        if (r[i] < u'0' || r[i] > u'9' || row > 1048576) return parseCellRef(r.toString());
        row = row * 10 + (r[i].unicode() - '0');
    }
    if (row < 1 || row > 1048576 || col > 16384) return std::nullopt;
    return std::pair{row - 1, col - 1};
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

Sheet xlsxFromData(QByteArray data)
{
    Package pkg(std::move(data));

    // The workbook part: the package's main document.
    QString wbName;
    for (const auto& rel : pkg.relationships(QString()))
        if (rel.type == u"officeDocument" && pkg.contains(rel.target) && wbName.isEmpty()) wbName = rel.target;
    if (wbName.isEmpty())
        for (const QString& p : pkg.partsOfType({"spreadsheetml.sheet.main+xml", "spreadsheetml.template.main+xml",
                                                 "ms-excel.sheet.macroEnabled.main+xml", "ms-excel.template.macroEnabled.main+xml",
                                                 "ms-excel.addin.macroEnabled.main+xml"}))
            if (pkg.contains(p)) {
                wbName = p;
                break;
            }
    if (wbName.isEmpty() && pkg.contains(QStringLiteral("xl/workbook.xml"))) wbName = QStringLiteral("xl/workbook.xml");
    if (wbName.isEmpty()) throw SheetError::of(SheetError::Reason::NotSpreadsheet);

    // Workbook: its sheets, the date system and the defined print names.
    struct SheetEntry {
        QString name, rid;
        int sheetId = 0;
        bool hidden = false;
    };
    std::vector<SheetEntry> sheets;
    bool date1904 = false;
    struct DefinedName {
        QString name, localSheetId, value;
    };
    std::vector<DefinedName> definedNames;
    {
        QXmlStreamReader x(pkg.part(wbName));
        bool first = true;
        while (!x.atEnd()) {
            x.readNext();
            if (!x.isStartElement()) continue;
            if (first && x.name() != u"workbook") throw SheetError::of(SheetError::Reason::NotSpreadsheet);
            first = false;
            if (x.name() == u"workbookPr") {
                date1904 = isTrue(x.attributes().value("date1904"));
            } else if (x.name() == u"sheet") {
                SheetEntry e;
                for (const auto& a : x.attributes())
                    if (a.name() == u"id") e.rid = a.value().toString();
                e.name = x.attributes().value("name").toString();
                e.sheetId = x.attributes().value("sheetId").toInt();
                auto state = x.attributes().value("state");
                e.hidden = state == u"hidden" || state == u"veryHidden";
                sheets.push_back(e);
            } else if (x.name() == u"definedName") {
                DefinedName d{x.attributes().value("name").toString(), x.attributes().value("localSheetId").toString(), {}};
                d.value = x.readElementText();
                definedNames.push_back(d);
            }
        }
        if (x.hasError()) throw damagedFile();
    }

    // Which part each sheet is, through the workbook's relationships; a
    // workbook written without them names its worksheets in the content
    // types, one for each sheet in order.
    std::vector<Package::Relationship> wbRels = pkg.relationships(wbName);
    auto relOf = [&](const QString& type) {
        for (const auto& r : wbRels)
            if (r.type == type && pkg.contains(r.target)) return r.target;
        return QString();
    };
    QStringList typedSheets = pkg.partsOfType({"worksheet+xml"});
    std::vector<QString> sheetParts(sheets.size());
    for (size_t i = 0; i < sheets.size(); ++i) {
        bool related = false;
        for (const auto& r : wbRels)
            if (r.id == sheets[i].rid) {
                related = true;
                if (r.type == u"worksheet") sheetParts[i] = r.target;  // not charts, dialogs or macros
            }
        if (!related && wbRels.empty()) {
            QString usual = QStringLiteral("xl/worksheets/sheet%1.xml").arg(sheets[i].sheetId);
            sheetParts[i] = pkg.contains(usual) ? usual : typedSheets.value(qsizetype(i));
        }
    }
    // The first visible worksheet, as a spreadsheet program opens it.
    int chosen = -1;
    for (int i = 0; i < int(sheets.size()) && chosen < 0; ++i)
        if (!sheets[i].hidden && pkg.contains(sheetParts[i])) chosen = i;
    for (int i = 0; i < int(sheets.size()) && chosen < 0; ++i)
        if (pkg.contains(sheetParts[i])) chosen = i;
    if (chosen < 0) {
        // A worksheet part named in the workbook's relationships but missing is damage.
        for (const QString& p : sheetParts)
            if (!p.isEmpty()) throw damagedFile();
        throw SheetError::of(SheetError::Reason::NoWorksheet);
    }

    Sheet sheet;
    sheet.setName(sheets[chosen].name);
    QString printArea, printTitles;
    for (const DefinedName& d : definedNames) {
        if (!d.localSheetId.isEmpty() && d.localSheetId.toInt() != chosen) continue;
        if (d.name == "_xlnm.Print_Area") printArea = d.value;
        if (d.name == "_xlnm.Print_Titles") printTitles = d.value;
    }

    auto partOf = [&](const QString& relType, const QString& contentType, const QString& usual) {
        QString p = relOf(relType);
        if (p.isEmpty()) p = pkg.partsOfType({contentType}).value(0);
        if (p.isEmpty()) p = usual;
        return pkg.part(p);
    };
    QStringList shared;
    {
        QByteArray data = partOf("sharedStrings", "sharedStrings+xml", "xl/sharedStrings.xml");
        QXmlStreamReader x(data);
        while (!data.isEmpty() && !x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.name() == u"si") shared << readStringItem(x);
        }
        if (x.hasError()) throw damagedFile();
    }
    Styles allStyles = readStyles(partOf("styles", "styles+xml", "xl/styles.xml"));
    const std::vector<Style>& styles = allStyles.xfs;
    std::vector<int> xfUse(styles.size(), 0);  // cells of each style

    QByteArray ws = pkg.part(sheetParts[chosen]);
    QXmlStreamReader x(ws);
    // Cells whose style matters: those with values, and formatted empty
    // ones. Formats are set once the sheet's font and block are known.
    struct Styled {
        int row, col, xf;
    };
    std::vector<Styled> styled, styledEmpty;
    int rowIndex = -1, colIndex = -1;
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
            bool hidden = isTrue(at.value("hidden"));
            double width = at.value("width").toDouble();
            last = std::min(last, first + 16384);
            for (int c = std::max(0, first); c <= last; ++c) {
                if (width > 0 && at.hasAttribute("width")) sheet.setColumnWidth(c, widthUnits(width));
                if (hidden || (at.hasAttribute("width") && width == 0)) sheet.setColumnHidden(c, true);
            }
        } else if (n == u"row") {
            rowIndex = at.hasAttribute("r") ? at.value("r").toInt() - 1 : rowIndex + 1;
            colIndex = -1;
            if (at.hasAttribute("ht") && isTrue(at.value("customHeight")))
                sheet.setRowHeight(rowIndex, at.value("ht").toDouble());
            if (isTrue(at.value("hidden"))) sheet.setRowHidden(rowIndex, true);
        } else if (n == u"c") {
            // A cell without a reference follows the one before it in its row.
            auto ref = cellRef(at.value("r"));
            int row = ref ? ref->first : rowIndex;
            int col = ref ? ref->second : colIndex + 1;
            colIndex = col;
            if (row < 0) continue;
            const QStringView type = at.value("t");
            int s = at.value("s").toInt();
            static const Style kNoStyle;
            const Style& style = s >= 0 && s < int(styles.size()) ? styles[s] : kNoStyle;
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
            if (!hasValue) {
                if (s >= 0 && s < int(styles.size())) styledEmpty.push_back({row, col, s});
                continue;
            }
            QString text;
            if (type == u"s") {
                int i = value.toInt();
                text = i >= 0 && i < shared.size() ? shared[i] : QString();
            } else if (type == u"str") {
                text = unescapeText(value);
            } else if (type == u"inlineStr" || type == u"e") {
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
            if (text.isEmpty()) {
                if (s >= 0 && s < int(styles.size())) styledEmpty.push_back({row, col, s});
                continue;
            }
            sheet.setText(row, col, text);
            if (s >= 0 && s < int(styles.size())) styled.push_back({row, col, s});
            maxRow = std::max(maxRow, row);
            maxCol = std::max(maxCol, col);
        } else if (n == u"mergeCell") {
            if (auto r = parseRange(at.value("ref").toString())) {
                // A merge of whole rows or columns is cut at the size of legacy sheets.
                r->bottom = std::min(r->bottom, std::max(r->top, kFormattedRowLimit - 1));
                r->right = std::min(r->right, std::max(r->left, kFormattedColumnLimit - 1));
                sheet.merge(*r);
                maxRow = std::max(maxRow, r->bottom);
                maxCol = std::max(maxCol, r->right);
            }
        } else if (n == u"printOptions") {
            page.gridLines = isTrue(at.value("gridLines"));
            page.centerHorizontally = isTrue(at.value("horizontalCentered"));
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
    if (x.hasError()) throw damagedFile();

    // The sheet's font is the one most cells use; the others keep their size.
    std::map<std::pair<QString, double>, int> fontUse;
    for (size_t i = 0; i < styles.size(); ++i)
        if (styles[i].fontSize > 0) fontUse[{styles[i].fontName, styles[i].fontSize}] += xfUse[i];
    double sheetSize = 0;
    if (!fontUse.empty()) {
        auto best = std::max_element(fontUse.begin(), fontUse.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
        if (!best->first.first.isEmpty()) sheet.setFontFamily(best->first.first);
        sheet.setFontSize(best->first.second);
        sheetSize = best->first.second;
    }
    auto formatOf = [&](const Styled& c) {
        const Style& st = styles[c.xf];
        return CellFormat{st.align, st.bold, st.fontSize == sheetSize ? 0 : st.fontSize};
    };
    // The used block holds the cells with values, the merges and the
    // formatted empty cells (a template is nothing else), but formatted cells
    // widen it only within the size of legacy sheets: some programs format
    // cells out to the last column and row, and a block grown to that size
    // would be read, shown and printed for nothing.
    for (const Styled& c : styledEmpty)
        if (c.row < kFormattedRowLimit && c.col < kFormattedColumnLimit && formatOf(c) != CellFormat{}) {
            maxRow = std::max(maxRow, c.row);
            maxCol = std::max(maxCol, c.col);
        }
    sheet.setExtent(maxRow + 1, maxCol + 1);
    for (const auto* list : {&styled, &styledEmpty})
        for (const Styled& c : *list)
            if (c.row <= maxRow && c.col <= maxCol && formatOf(c) != CellFormat{})
                sheet.setFormat(c.row, c.col, formatOf(c));

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

Sheet readXlsx(const QString& path)
{
    return xlsxFromData(readFileData(path));
}

}  // namespace tj::sheet
