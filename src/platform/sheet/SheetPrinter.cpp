#include "platform/sheet/SheetPrinter.h"

#include "platform/sheet/Fonts.h"

#include <QFont>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <cmath>
#include <map>
#include <set>

namespace tj::sheet {

double columnWidthMm(const Sheet& sheet, int col)
{
    int units = sheet.columnWidth(col);
    if (units <= 0) return 0;
    // A character is 7 pixels of a 96 dpi screen, plus 5 pixels of padding.
    double px = units / double(Sheet::kWidthUnitsPerChar) * 7.0 + 5.0;
    return px * 25.4 / 96.0;
}

double rowHeightMm(const Sheet& sheet, int row)
{
    return sheet.rowHeight(row) * 25.4 / 72.0;
}

CellRange printedRange(const Sheet& sheet)
{
    CellRange all = CellRange::of(0, 0, sheet.rowCount() - 1, sheet.columnCount() - 1);
    if (auto a = sheet.printArea(); a && !a->isEmpty()) return *a;
    return all;
}

namespace {
QSizeF paperMm(const Sheet& sheet)
{
    QSizeF s = QPageSize(sheet.pageSetup().paper).size(QPageSize::Millimeter);
    return sheet.pageSetup().landscape ? s.transposed() : s;
}
}  // namespace

std::vector<SheetPage> paginate(const Sheet& sheet)
{
    std::vector<SheetPage> pages;
    CellRange area = printedRange(sheet);
    if (area.isEmpty()) return pages;
    const PageSetup& ps = sheet.pageSetup();
    const double scale = ps.scalePercent / 100.0;
    QSizeF paper = paperMm(sheet);
    double availW = (paper.width() - ps.marginsMm.left() - ps.marginsMm.right()) / scale;
    double availH = (paper.height() - ps.marginsMm.top() - ps.marginsMm.bottom()) / scale;

    std::vector<int> titleRows;
    if (auto t = sheet.printTitleRows())
        for (int r = t->first; r <= t->second; ++r)
            if (!sheet.isRowHidden(r)) titleRows.push_back(r);
    double titleH = 0;
    for (int r : titleRows) titleH += rowHeightMm(sheet, r);

    // Column blocks across the page width.
    std::vector<std::vector<int>> colBlocks(1);
    double w = 0;
    for (int c = area.left; c <= area.right; ++c) {
        double cw = columnWidthMm(sheet, c);
        if (cw <= 0) continue;
        if (!colBlocks.back().empty() && w + cw > availW) {
            colBlocks.emplace_back();
            w = 0;
        }
        colBlocks.back().push_back(c);
        w += cw;
    }
    if (colBlocks.back().empty()) return pages;

    // Row blocks down the page; title rows come again on pages that start below them.
    struct RowBlock {
        bool titles;
        std::vector<int> rows;
    };
    std::vector<RowBlock> rowBlocks;
    RowBlock cur{false, {}};
    double h = 0;
    auto wantsTitles = [&](int firstRow) { return !titleRows.empty() && firstRow > titleRows.back(); };
    for (int r = area.top; r <= area.bottom; ++r) {
        if (sheet.isRowHidden(r)) continue;
        double rh = rowHeightMm(sheet, r);
        bool manualBreak = sheet.rowBreaks().count(r) && !cur.rows.empty();
        if (cur.rows.empty()) {
            cur.titles = wantsTitles(r);
            h = cur.titles ? titleH : 0;
        }
        if (manualBreak || (!cur.rows.empty() && h + rh > availH)) {
            rowBlocks.push_back(cur);
            cur = RowBlock{wantsTitles(r), {}};
            h = cur.titles ? titleH : 0;
        }
        cur.rows.push_back(r);
        h += rh;
    }
    if (!cur.rows.empty()) rowBlocks.push_back(cur);

    for (const auto& cols : colBlocks)
        for (const auto& rb : rowBlocks) pages.push_back(SheetPage{rb.titles ? titleRows : std::vector<int>{}, rb.rows, cols});
    return pages;
}

namespace {
QString headerFooter(QString text, int page, int count)
{
    return text.replace("&P", QString::number(page)).replace("&N", QString::number(count)).replace("&&", "&");
}

bool looksNumeric(const QString& t)
{
    bool ok = false;
    t.toDouble(&ok);
    return ok;
}
}  // namespace

void paintSheetPage(QPainter& painter, const Sheet& sheet, const SheetPage& page, int pageNumber, int pageCount)
{
    const PageSetup& ps = sheet.pageSetup();
    QPaintDevice* dev = painter.device();
    const double sx = dev->logicalDpiX() / 25.4, sy = dev->logicalDpiY() / 25.4;
    const double scale = ps.scalePercent / 100.0;
    QSizeF paper = paperMm(sheet);

    installCjkFontSubstitutions();
    painter.save();
    QFont base(sheet.fontFamily());
    base.setPointSizeF(sheet.fontSize());
    // Header and footer at their distances from the paper edge.
    painter.setFont(base);
    painter.setPen(Qt::black);
    if (!ps.header.isEmpty())
        painter.drawText(QRectF(0, ps.headerMm * sy, paper.width() * sx, 10 * sy), Qt::AlignHCenter | Qt::AlignTop,
                         headerFooter(ps.header, pageNumber, pageCount));
    if (!ps.footer.isEmpty())
        painter.drawText(QRectF(0, (paper.height() - ps.footerMm - 10) * sy, paper.width() * sx, 10 * sy),
                         Qt::AlignHCenter | Qt::AlignBottom, headerFooter(ps.footer, pageNumber, pageCount));

    // Column and row positions on this page (mm, before scaling).
    std::vector<int> rows = page.titleRows;
    rows.insert(rows.end(), page.rows.begin(), page.rows.end());
    std::map<int, std::pair<double, double>> colX, rowY;  // index -> (start, size)
    double x = 0;
    for (int c : page.cols) {
        double w = columnWidthMm(sheet, c);
        colX[c] = {x, w};
        x += w;
    }
    double y = 0;
    std::vector<std::pair<int, double>> rowOrder;
    for (int r : rows) {
        double hgt = rowHeightMm(sheet, r);
        rowOrder.push_back({r, y});
        y += hgt;
    }
    double left = ps.marginsMm.left();
    if (ps.centerHorizontally) left = (paper.width() - x * scale) / 2;
    painter.translate(left * sx, ps.marginsMm.top() * sy);
    painter.scale(scale * sx, scale * sy);  // from here on: millimetres

    QPen grid(QColor(0, 0, 0), 0.1);
    std::set<std::pair<int, int>> mergeDone;
    for (size_t i = 0; i < rowOrder.size(); ++i) {
        int r = rowOrder[i].first;
        double ry = rowOrder[i].second;
        double rh = rowHeightMm(sheet, r);
        for (int c : page.cols) {
            QRectF cell(colX[c].first, ry, colX[c].second, rh);
            QString text = sheet.text(r, c);
            CellFormat f = sheet.format(r, c);
            if (auto m = sheet.mergeAt(r, c)) {
                if (mergeDone.count({m->top, m->left})) continue;
                mergeDone.insert({m->top, m->left});
                // The merged block over the rows and columns of this page.
                double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
                for (int mc = m->left; mc <= m->right; ++mc)
                    if (auto it = colX.find(mc); it != colX.end()) {
                        x0 = std::min(x0, it->second.first);
                        x1 = std::max(x1, it->second.first + it->second.second);
                    }
                for (size_t k = i; k < rowOrder.size() && rowOrder[k].first <= m->bottom; ++k) {
                    if (rowOrder[k].first < m->top) continue;
                    y0 = std::min(y0, rowOrder[k].second);
                    y1 = std::max(y1, rowOrder[k].second + rowHeightMm(sheet, rowOrder[k].first));
                }
                if (x1 <= x0 || y1 <= y0) continue;
                cell = QRectF(x0, y0, x1 - x0, y1 - y0);
                text = sheet.text(m->top, m->left);
                f = sheet.format(m->top, m->left);
            }
            if (ps.gridLines) {
                painter.setPen(grid);
                painter.drawRect(cell);
            }
            if (text.isEmpty()) continue;
            int align = Qt::AlignVCenter;
            switch (f.align) {
            case HAlign::Left: align |= Qt::AlignLeft; break;
            case HAlign::Center: align |= Qt::AlignHCenter; break;
            case HAlign::Right: align |= Qt::AlignRight; break;
            case HAlign::General: align |= looksNumeric(text) ? Qt::AlignRight : Qt::AlignLeft; break;
            }
            QFont cf = base;
            cf.setBold(f.bold);
            // Point sizes are taken at the device resolution; the painter is
            // scaled to millimetres, so the size is given in millimetres instead.
            double points = f.fontSize > 0 ? f.fontSize : sheet.fontSize();
            cf.setPixelSize(std::max(1, int(std::lround(points * 25.4 / 72.0 * 100))));
            painter.save();
            painter.scale(0.01, 0.01);
            painter.setFont(cf);
            painter.setPen(Qt::black);
            QRectF inner(cell.left() * 100 + 50, cell.top() * 100, cell.width() * 100 - 100, cell.height() * 100);
            painter.setClipRect(QRectF(cell.left() * 100, cell.top() * 100, cell.width() * 100, cell.height() * 100));
            painter.drawText(inner, align | Qt::TextSingleLine, text);
            painter.restore();
        }
    }
    painter.restore();
}

void applyPageSetup(const Sheet& sheet, QPrinter& printer)
{
    printer.setPageSize(QPageSize(sheet.pageSetup().paper));
    printer.setPageOrientation(sheet.pageSetup().landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setFullPage(true);
}

void printSheet(const Sheet& sheet, QPrinter& printer)
{
    printer.setFullPage(true);
    std::vector<SheetPage> pages = paginate(sheet);
    QPainter p;
    if (!p.begin(&printer)) throw SheetError(QStringLiteral("无法启动打印机"));
    int from = printer.fromPage() > 0 ? printer.fromPage() - 1 : 0;
    int to = printer.toPage() > 0 ? std::min<int>(printer.toPage(), int(pages.size())) - 1 : int(pages.size()) - 1;
    for (int i = from; i <= to; ++i) {
        if (i > from && !printer.newPage()) throw SheetError(QStringLiteral("打印时出错"));
        paintSheetPage(p, sheet, pages[i], i + 1, int(pages.size()));
    }
    if (!p.end()) throw SheetError(QStringLiteral("打印时出错"));
}

void previewSheet(const Sheet& sheet, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    applyPageSetup(sheet, printer);
    QPrintPreviewDialog dlg(&printer, parent);
    dlg.setWindowTitle(QStringLiteral("打印预览"));
    dlg.setWindowState(Qt::WindowMaximized);
    QObject::connect(&dlg, &QPrintPreviewDialog::paintRequested, &dlg, [&sheet](QPrinter* pr) {
        try {
            printSheet(sheet, *pr);
        } catch (const SheetError&) {
        }
    });
    dlg.exec();
}

}  // namespace tj::sheet
