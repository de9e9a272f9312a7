// The laid-out pages of a report: every text, line, box and picture with its
// position in millimetres from the paper's top-left corner. Tests read it
// (dump), the preview paints it, printing and PDF export send it to a device.
#pragma once

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <stdexcept>
#include <vector>

class QPainter;
class QPrinter;

namespace tj::report {

class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

struct Element {
    // A path is a filled outline (the bars of a barcode): `path` in mm from
    // the page's top-left corner, filled with `brush`; `rect` is its bounds
    // and `text` says what it shows (listings only, never printed).
    enum class Kind { Text, Line, Rect, Image, Path };
    Kind kind = Kind::Text;
    QRectF rect;        // mm; a line runs from rect.topLeft() to rect.bottomRight()
    QString text;
    QFont font;
    int flags = 0;      // Qt::Alignment and text flags
    QPen pen;           // width in mm
    QBrush brush;
    QImage image;
    QPainterPath path;

    void translate(double dxMm, double dyMm)
    {
        rect.translate(dxMm, dyMm);
        if (kind == Kind::Path) path.translate(dxMm, dyMm);
    }
};

struct Page {
    std::vector<Element> elements;
};

class Document {
public:
    QSizeF pageSizeMm{210, 297};
    std::vector<Page> pages;
    QString title;

    int pageCount() const { return int(pages.size()); }
    // Adds the other document's pages after these (a cover and a body sent
    // as one item of a batch). The page size stays this document's.
    void append(Document other);
    // All texts of a page in order, for quick checks.
    QStringList texts(int page) const;
    // A stable text listing of every element on every page (positions to 0.1 mm).
    QString dump() const;
    // Paints one page onto the painter's device, filling the device's page
    // from its top-left corner; the scale comes from the device resolution.
    void paintPage(QPainter& painter, int page) const;
    // One page as a picture of the given resolution.
    QImage renderPage(int page, double dpi) const;
};

// Writes the document as a PDF file; throws ReportError on failure.
void exportPdf(const Document& doc, const QString& path);
// Sends the document to a printer already set up; throws ReportError when
// the printer cannot be started.
void printDocument(const Document& doc, QPrinter& printer);
// Shows the printer dialog and prints; false when the user cancelled.
bool printWithDialog(const Document& doc, QWidget* parent);
// Prints on the default printer without asking; throws ReportError when
// there is no printer or it fails.
void printDirect(const Document& doc);

// Maps the Windows font names used by the layouts (宋体, 微软雅黑, 楷体, 黑体)
// to installed fonts with Chinese glyphs. Safe to call more than once.
void installFontSubstitutions();

}  // namespace tj::report
