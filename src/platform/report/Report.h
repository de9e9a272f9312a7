// Banded report layouts: a page set-up and bands (title, page header and
// footer, data bands with group headers and footers, sub-details and a
// summary) holding items (texts, data fields, memos with word wrap, pictures,
// lines, boxes, page numbers). layoutReport() turns a layout into pages.
//
// Beside it: StandardBands.h (the centre's header and the "第 N 页 共 M 页"
// footer), Output.h (one call for preview, print and PDF), Batch.h (many
// reports into one job, one PDF or a PDF per item), Barcode.h (Code 128).
#pragma once

#include "platform/report/Barcode.h"
#include "platform/report/DataSource.h"
#include "platform/report/PageModel.h"

#include <QFont>
#include <QMarginsF>
#include <QPageSize>
#include <functional>
#include <memory>

namespace tj::report {

// Where the engine is while it fills a band: the current row of each nested
// data band, and the page.
class Context {
public:
    const Context* parent = nullptr;
    const DataSource* source = nullptr;
    int row = -1;

    // Field of the current row, looked up from the innermost data band outwards.
    QString text(const QString& field) const;
    QVariant value(const QString& field) const;
    QByteArray blob(const QString& field) const;
    bool isFirstRow() const { return row == 0; }
    bool isLastRow() const { return source && row == source->rowCount() - 1; }
    int page() const;       // 1-based
    int pageCount() const;  // known on the final pass; 0 while counting

    struct PageInfo {
        int page = 0;
        int pageCount = 0;
    };
    const PageInfo* pageInfo = nullptr;
};

using TextFn = std::function<QString(const Context&)>;
using VisibleFn = std::function<bool(const Context&)>;
using ImageFn = std::function<QImage(const Context&)>;
// Draws an item: the elements it puts on the page, in mm of the band (the
// rectangle given is the item's, already moved down by growing memos).
using DrawFn = std::function<std::vector<Element>(const Context&, const QRectF& rectMm)>;
// Breaks a text into the lines printed in a box of the given width.
using WrapFn = std::function<QStringList(const QString& text, const QFont& font, double widthMm)>;

// Default wrap: lines break at the measured width of the font, between words
// or Chinese characters; line feeds start new lines.
QStringList wrapToWidth(const QString& text, const QFont& font, double widthMm);
// Height of one line of the font in millimetres.
double lineHeightMm(const QFont& font);
// Width of the text in the font in millimetres.
double textWidthMm(const QString& text, const QFont& font);
// A font of the given family and point size (bold optional).
QFont makeFont(const QString& family, double points, bool bold = false);

struct Item {
    enum class Kind { Text, Memo, Image, Line, Box, Drawing };
    Kind kind = Kind::Text;
    QRectF rect;  // mm within the band; a line runs from topLeft to bottomRight
    TextFn text;
    QFont font;
    int flags = Qt::AlignLeft | Qt::AlignVCenter;
    bool frame = false;      // a box drawn around a text
    QPen pen{Qt::black, 0.2};  // width in mm
    QBrush brush;            // fill of a box or behind a text
    WrapFn wrap;             // memo: defaults to wrapToWidth
    double lineHeight = 0;   // memo: mm per line; 0 = from the font
    ImageFn image;
    bool keepAspect = true;
    DrawFn draw;
    VisibleFn visible;

    static Item label(const QRectF& rect, const QString& text, const QFont& font, int flags = Qt::AlignLeft | Qt::AlignVCenter);
    static Item field(const QRectF& rect, const QString& field, const QFont& font, int flags = Qt::AlignLeft | Qt::AlignVCenter);
    static Item computed(const QRectF& rect, TextFn text, const QFont& font, int flags = Qt::AlignLeft | Qt::AlignVCenter);
    // A text that grows downwards with its wrapped lines; items below it in
    // the band move down and boxes around it grow by the same amount.
    static Item memo(const QRectF& rect, TextFn text, const QFont& font, WrapFn wrap = {}, double lineHeightMm = 0);
    static Item picture(const QRectF& rect, ImageFn image);
    // A picture from a binary field (JPEG, BMP, PNG ...).
    static Item pictureField(const QRectF& rect, const QString& field);
    static Item line(const QPointF& from, const QPointF& to, double widthMm = 0.2, Qt::PenStyle style = Qt::SolidLine);
    static Item box(const QRectF& rect, double widthMm = 0.2, const QBrush& fill = QBrush());
    // Anything else: the function returns the elements to print.
    static Item drawing(const QRectF& rect, DrawFn draw);
    // A Code 128 barcode of the text (an examination number "12-35"), drawn
    // as bars (sharp at any resolution) fitted into the rectangle, with the
    // text printed under the bars unless the options say otherwise:
    //   band.add(Item::barcode({140, 0, 50, 15}, [](const Context& c) { return c.text("tjhao"); }));
    // An empty text prints nothing; a text Code 128 cannot hold (Chinese)
    // stops the layout with a ReportError.
    static Item barcode(const QRectF& rect, TextFn text, const BarcodeOptions& options = {});
    // "%1" is replaced by the page number and "%2" by the page count.
    static Item pageNumber(const QRectF& rect, const QString& format, const QFont& font, int flags = Qt::AlignCenter);

    Item& showIf(VisibleFn fn) { visible = std::move(fn); return *this; }
    Item& framed(bool on = true) { frame = on; return *this; }
    Item& filled(const QBrush& b) { brush = b; return *this; }
};

struct Band {
    double height = 0;  // mm; memos may make it taller
    std::vector<Item> items;
    VisibleFn visible;
    bool newPageBefore = false;
    bool newPageAfter = false;

    Band& add(Item item) { items.push_back(std::move(item)); return *this; }
    bool isEmpty() const { return height <= 0 && items.empty(); }
};

struct Group {
    TextFn key;  // a new group starts whenever the key changes
    Band header;
    Band footer;
};

// Runs over the rows of a data source: header once, then per row the group
// headers, the detail band, the sub-details (nested data bands fed from the
// current row), the detail footer and the group footers; footer once.
struct DataBand {
    std::function<const DataSource*(const Context& parent)> source;
    Band header;
    std::vector<Group> groups;
    Band detail;
    std::vector<DataBand> children;
    Band detailFooter;
    Band footer;
    bool printWhenEmpty = false;  // header and footer even without rows

    void setSource(const DataSource* s) { source = [s](const Context&) { return s; }; }
};

struct ReportLayout {
    QString name;  // document name (PDF title, print job)
    QPageSize::PageSizeId paper = QPageSize::A4;
    QSizeF customSizeMm;  // used when not empty, instead of paper
    bool landscape = false;
    QMarginsF marginsMm{10, 10, 10, 10};

    Band title;            // first page only
    Band pageHeader;
    Band pageFooter;       // at the bottom of every page
    Band summary;          // once, after all data
    std::vector<DataBand> data;
    bool titleBeforePageHeader = true;
    bool pageHeaderOnFirstPage = true;
    bool pageFooterOnLastPage = true;

    QSizeF pageSizeMm() const;
};

// Lays the report out into pages. Page counts are known: the layout is run
// twice when any text asks for the page count.
Document layoutReport(const ReportLayout& layout);

}  // namespace tj::report
