#include "platform/report/Report.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImageReader>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace tj::report {

namespace {

constexpr double kMeasureDpi = 600.0;
constexpr double kEps = 1e-6;

const QPaintDevice* measureDevice()
{
    static QImage device = [] {
        QImage img(1, 1, QImage::Format_ARGB32);
        img.setDotsPerMeterX(int(std::lround(kMeasureDpi / 0.0254)));
        img.setDotsPerMeterY(int(std::lround(kMeasureDpi / 0.0254)));
        return img;
    }();
    return &device;
}

double pxToMm(double px) { return px / kMeasureDpi * 25.4; }
double mmToPx(double mm) { return mm / 25.4 * kMeasureDpi; }

}  // namespace

QFont makeFont(const QString& family, double points, bool bold)
{
    installFontSubstitutions();
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

double lineHeightMm(const QFont& font)
{
    return pxToMm(QFontMetricsF(font, measureDevice()).lineSpacing());
}

double textWidthMm(const QString& text, const QFont& font)
{
    return pxToMm(QFontMetricsF(font, measureDevice()).horizontalAdvance(text));
}

QStringList wrapToWidth(const QString& text, const QFont& font, double widthMm)
{
    QStringList lines;
    QString normalized = text;
    normalized.replace("\r\n", "\n").replace('\r', '\n');
    const double width = std::max(1.0, mmToPx(widthMm));
    for (const QString& para : normalized.split('\n')) {
        if (para.isEmpty()) {
            lines << QString();
            continue;
        }
        QTextLayout layout(para, font, measureDevice());
        QTextOption opt;
        opt.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(opt);
        layout.beginLayout();
        for (;;) {
            QTextLine line = layout.createLine();
            if (!line.isValid()) break;
            line.setLineWidth(width);
            QString part = para.mid(line.textStart(), line.textLength());
            while (part.endsWith(' ')) part.chop(1);
            lines << part;
        }
        layout.endLayout();
    }
    // A text ending in a line feed does not print an empty last line.
    if (lines.size() > 1 && lines.last().isEmpty() && normalized.endsWith('\n')) lines.removeLast();
    return lines;
}

// ---- Context -------------------------------------------------------------

QString Context::text(const QString& field) const
{
    for (const Context* c = this; c; c = c->parent)
        if (c->source && c->row >= 0 && c->source->hasField(field)) return c->source->text(c->row, field);
    return {};
}

QVariant Context::value(const QString& field) const
{
    for (const Context* c = this; c; c = c->parent)
        if (c->source && c->row >= 0 && c->source->hasField(field)) return c->source->value(c->row, field);
    return {};
}

QByteArray Context::blob(const QString& field) const
{
    for (const Context* c = this; c; c = c->parent)
        if (c->source && c->row >= 0 && c->source->hasField(field)) return c->source->blob(c->row, field);
    return {};
}

int Context::page() const
{
    for (const Context* c = this; c; c = c->parent)
        if (c->pageInfo) return c->pageInfo->page;
    return 0;
}

int Context::pageCount() const
{
    for (const Context* c = this; c; c = c->parent)
        if (c->pageInfo) return c->pageInfo->pageCount;
    return 0;
}

// ---- Items ---------------------------------------------------------------

Item Item::label(const QRectF& rect, const QString& text, const QFont& font, int flags)
{
    Item i;
    i.rect = rect;
    i.text = [text](const Context&) { return text; };
    i.font = font;
    i.flags = flags;
    return i;
}

Item Item::field(const QRectF& rect, const QString& field, const QFont& font, int flags)
{
    return computed(rect, [field](const Context& c) { return c.text(field); }, font, flags);
}

Item Item::computed(const QRectF& rect, TextFn text, const QFont& font, int flags)
{
    Item i;
    i.rect = rect;
    i.text = std::move(text);
    i.font = font;
    i.flags = flags;
    return i;
}

Item Item::memo(const QRectF& rect, TextFn text, const QFont& font, WrapFn wrap, double lineHeightMm)
{
    Item i = computed(rect, std::move(text), font, Qt::AlignLeft | Qt::AlignTop);
    i.kind = Kind::Memo;
    i.wrap = std::move(wrap);
    i.lineHeight = lineHeightMm;
    return i;
}

Item Item::picture(const QRectF& rect, ImageFn image)
{
    Item i;
    i.kind = Kind::Image;
    i.rect = rect;
    i.image = std::move(image);
    return i;
}

Item Item::pictureField(const QRectF& rect, const QString& field)
{
    return picture(rect, [field](const Context& c) {
        QByteArray data = c.blob(field);
        QImage img;
        if (!data.isEmpty()) img.loadFromData(data);
        return img;
    });
}

Item Item::drawing(const QRectF& rect, DrawFn draw)
{
    Item i;
    i.kind = Kind::Drawing;
    i.rect = rect;
    i.draw = std::move(draw);
    return i;
}

Item Item::line(const QPointF& from, const QPointF& to, double widthMm, Qt::PenStyle style)
{
    Item i;
    i.kind = Kind::Line;
    i.rect = QRectF(from, to);
    i.pen = QPen(QBrush(Qt::black), widthMm, style);
    return i;
}

Item Item::box(const QRectF& rect, double widthMm, const QBrush& fill)
{
    Item i;
    i.kind = Kind::Box;
    i.rect = rect;
    i.pen = widthMm > 0 ? QPen(QBrush(Qt::black), widthMm) : QPen(Qt::NoPen);
    i.brush = fill;
    return i;
}

Item Item::pageNumber(const QRectF& rect, const QString& format, const QFont& font, int flags)
{
    return computed(
        rect, [format](const Context& c) { return QString(format).replace("%1", QString::number(c.page())).replace("%2", QString::number(c.pageCount())); },
        font, flags);
}

QSizeF ReportLayout::pageSizeMm() const
{
    QSizeF s = customSizeMm.isEmpty() ? QPageSize(paper).size(QPageSize::Millimeter) : customSizeMm;
    return landscape ? s.transposed() : s;
}

// ---- Layout --------------------------------------------------------------

namespace {

struct BandOutput {
    double height = 0;
    std::vector<Element> elements;  // band coordinates
};

BandOutput renderBand(const Band& band, const Context& ctx)
{
    BandOutput out;
    // Memos first: how much each grows.
    struct Grower {
        double top, bottom, left, right, extra, shift = 0;
    };
    std::vector<Grower> growers;
    std::vector<QStringList> memoLines(band.items.size());
    std::vector<double> memoLineHeight(band.items.size(), 0);
    std::vector<char> shown(band.items.size(), 0);
    for (size_t k = 0; k < band.items.size(); ++k) {
        const Item& it = band.items[k];
        shown[k] = !it.visible || it.visible(ctx);
        if (!shown[k] || it.kind != Item::Kind::Memo) continue;
        QString t = it.text ? it.text(ctx) : QString();
        QStringList lines = t.isEmpty() ? QStringList() : (it.wrap ? it.wrap(t, it.font, it.rect.width()) : wrapToWidth(t, it.font, it.rect.width()));
        double lh = it.lineHeight > 0 ? it.lineHeight : lineHeightMm(it.font);
        memoLines[k] = lines;
        memoLineHeight[k] = lh;
        double extra = std::max(0.0, lines.size() * lh - it.rect.height());
        if (extra > kEps) growers.push_back({it.rect.top(), it.rect.bottom(), it.rect.left(), it.rect.right(), extra});
    }
    std::sort(growers.begin(), growers.end(), [](const Grower& a, const Grower& b) { return a.top < b.top; });
    for (size_t i = 0; i < growers.size(); ++i)
        for (size_t j = 0; j < i; ++j)
            if (growers[j].bottom <= growers[i].top + kEps)
                growers[i].shift = std::max(growers[i].shift, growers[j].shift + growers[j].extra);
    auto shiftFor = [&](const QRectF& r) {
        double s = 0;
        for (const auto& g : growers)
            if (g.bottom <= r.top() + kEps) s = std::max(s, g.shift + g.extra);
        return s;
    };
    // Boxes and vertical lines that reach over a growing memo stretch with it.
    auto stretchFor = [&](const QRectF& r, double shift) {
        double s = 0;
        for (const auto& g : growers)
            if (r.top() <= g.top + kEps && r.bottom() >= g.bottom - kEps && g.bottom > r.top() + kEps)
                s = std::max(s, g.shift + g.extra - shift);
        return std::max(0.0, s);
    };
    double growth = 0;
    for (const auto& g : growers) growth = std::max(growth, g.shift + g.extra);
    out.height = band.height + growth;

    for (size_t k = 0; k < band.items.size(); ++k) {
        if (!shown[k]) continue;
        const Item& it = band.items[k];
        QRectF r = it.rect.normalized();
        if (it.kind == Item::Kind::Line) r = it.rect;  // direction matters
        double shift = 0;
        for (const auto& g : growers)
            if (g.top == it.rect.top() && g.left == it.rect.left() && g.right == it.rect.right() && it.kind == Item::Kind::Memo)
                shift = g.shift;
        if (it.kind != Item::Kind::Memo) shift = shiftFor(it.rect.normalized());
        r.translate(0, shift);
        switch (it.kind) {
        case Item::Kind::Text: {
            if (it.brush.style() != Qt::NoBrush) {
                Element bg;
                bg.kind = Element::Kind::Rect;
                bg.rect = r;
                bg.pen = Qt::NoPen;
                bg.brush = it.brush;
                out.elements.push_back(bg);
            }
            Element e;
            e.kind = Element::Kind::Text;
            e.rect = r;
            e.text = it.text ? it.text(ctx) : QString();
            e.font = it.font;
            e.flags = it.flags;
            if (!e.text.isEmpty()) out.elements.push_back(e);
            if (it.frame) {
                Element f;
                f.kind = Element::Kind::Rect;
                f.rect = r;
                f.pen = it.pen;
                out.elements.push_back(f);
            }
            break;
        }
        case Item::Kind::Memo: {
            const QStringList& lines = memoLines[k];
            double lh = memoLineHeight[k];
            double h = std::max(r.height(), lines.size() * lh);
            if (it.brush.style() != Qt::NoBrush || it.frame) {
                Element f;
                f.kind = Element::Kind::Rect;
                f.rect = QRectF(r.left(), r.top(), r.width(), h);
                f.pen = it.frame ? it.pen : QPen(Qt::NoPen);
                f.brush = it.brush;
                out.elements.push_back(f);
            }
            int hflags = it.flags & Qt::AlignHorizontal_Mask;
            for (int i = 0; i < lines.size(); ++i) {
                if (lines[i].isEmpty()) continue;
                Element e;
                e.kind = Element::Kind::Text;
                e.rect = QRectF(r.left(), r.top() + i * lh, r.width(), lh);
                e.text = lines[i];
                e.font = it.font;
                e.flags = hflags | Qt::AlignVCenter;
                out.elements.push_back(e);
            }
            break;
        }
        case Item::Kind::Image: {
            QImage img = it.image ? it.image(ctx) : QImage();
            if (img.isNull()) break;
            QRectF target = r;
            if (it.keepAspect && img.width() > 0 && img.height() > 0) {
                QSizeF s = QSizeF(img.size()).scaled(r.size(), Qt::KeepAspectRatio);
                target = QRectF(r.left() + (r.width() - s.width()) / 2, r.top() + (r.height() - s.height()) / 2, s.width(), s.height());
            }
            Element e;
            e.kind = Element::Kind::Image;
            e.rect = target;
            e.image = img;
            out.elements.push_back(e);
            break;
        }
        case Item::Kind::Line: {
            Element e;
            e.kind = Element::Kind::Line;
            e.pen = it.pen;
            QRectF lr = it.rect;
            lr.translate(0, shift);
            if (std::fabs(lr.left() - lr.right()) < kEps) {
                double s = stretchFor(it.rect.normalized(), shift);
                if (lr.bottom() >= lr.top()) lr.setBottom(lr.bottom() + s); else lr.setTop(lr.top() + s);
            }
            e.rect = lr;
            out.elements.push_back(e);
            break;
        }
        case Item::Kind::Drawing: {
            if (!it.draw) break;
            for (Element& e : it.draw(ctx, r)) out.elements.push_back(std::move(e));
            break;
        }
        case Item::Kind::Box: {
            Element e;
            e.kind = Element::Kind::Rect;
            e.rect = r;
            e.rect.setHeight(r.height() + stretchFor(it.rect.normalized(), shift));
            e.pen = it.pen;
            e.brush = it.brush;
            out.elements.push_back(e);
            break;
        }
        }
    }
    return out;
}

class Layouter {
public:
    Layouter(const ReportLayout& layout, int knownPageCount) : L(layout)
    {
        info.pageCount = knownPageCount;
        root.pageInfo = &info;
        size = layout.pageSizeMm();
        doc.pageSizeMm = size;
        doc.title = layout.name;
        footerHeight = layout.pageFooter.isEmpty() ? 0 : layout.pageFooter.height;
        bodyBottom = size.height() - layout.marginsMm.bottom() - footerHeight;
        width = size.width() - layout.marginsMm.left() - layout.marginsMm.right();
    }

    Document run()
    {
        startPage(true);
        for (const auto& db : L.data) runData(db, root);
        if (!L.summary.isEmpty()) place(L.summary, root);
        finishPage(true);
        return std::move(doc);
    }

private:
    void startPage(bool first)
    {
        doc.pages.emplace_back();
        info.page = int(doc.pages.size());
        y = L.marginsMm.top();
        if (first && L.titleBeforePageHeader && !L.title.isEmpty()) put(L.title, root);
        if (!L.pageHeader.isEmpty() && (!first || L.pageHeaderOnFirstPage)) put(L.pageHeader, root);
        if (first && !L.titleBeforePageHeader && !L.title.isEmpty()) put(L.title, root);
        bodyTop = y;
        // A title counts as content: a band asking for a new page before it
        // then starts one, and a title asking for one after it gets it.
        bool titled = first && !L.title.isEmpty() && (!L.title.visible || L.title.visible(root));
        contentOnPage = titled;
        if (titled && L.title.newPageAfter) pendingBreak = true;
    }

    void finishPage(bool last)
    {
        if (!L.pageFooter.isEmpty() && (!last || L.pageFooterOnLastPage)) {
            double saved = y;
            y = bodyBottom;
            if (!L.pageFooter.visible || L.pageFooter.visible(root)) emitOut(renderBand(L.pageFooter, root), 0);
            y = saved;
        }
    }

    void newPage()
    {
        finishPage(false);
        startPage(false);
    }

    // Puts a header/title band without page checks.
    void put(const Band& band, const Context& ctx)
    {
        if (band.visible && !band.visible(ctx)) return;
        BandOutput out = renderBand(band, ctx);
        emitOut(out, 0);
        y += out.height;
    }

    void emitOut(const BandOutput& out, double fromY, double toY = 1e18)
    {
        for (Element e : out.elements) {
            double top = std::min(e.rect.top(), e.rect.bottom());
            if (top < fromY - kEps || top >= toY - kEps) continue;
            e.translate(L.marginsMm.left(), y - fromY);
            doc.pages.back().elements.push_back(std::move(e));
        }
    }

    void place(const Band& band, const Context& ctx)
    {
        if (band.isEmpty()) return;
        if (band.visible && !band.visible(ctx)) return;
        if (pendingBreak || (band.newPageBefore && contentOnPage)) newPage();
        pendingBreak = false;
        BandOutput out = renderBand(band, ctx);
        if (y + out.height > bodyBottom + kEps && contentOnPage) {
            newPage();
            out = renderBand(band, ctx);  // page numbers may have changed
        }
        if (y + out.height <= bodyBottom + kEps) {
            emitOut(out, 0);
            y += out.height;
        } else {
            placeSplit(out);
        }
        contentOnPage = true;
        // The break is taken when more follows, so no empty last page is made.
        if (band.newPageAfter) pendingBreak = true;
    }

    // A band taller than a whole page: its elements go page by page; boxes
    // that cross a page end are cut there and continue on the next page.
    void placeSplit(BandOutput out)
    {
        double offset = 0;
        std::vector<Element> rest = std::move(out.elements);
        double total = out.height;
        for (;;) {
            double avail = bodyBottom - y;
            double end = offset + avail;
            std::vector<Element> now, later;
            for (Element& e : rest) {
                double top = std::min(e.rect.top(), e.rect.bottom());
                double bottom = std::max(e.rect.top(), e.rect.bottom());
                if (bottom <= end + kEps) {
                    now.push_back(std::move(e));
                } else if (top < end - kEps && (e.kind == Element::Kind::Rect || e.kind == Element::Kind::Line)) {
                    Element head = e, tail = e;
                    if (e.kind == Element::Kind::Rect) {
                        head.rect.setBottom(end);
                        tail.rect.setTop(end);
                    } else {
                        (e.rect.bottom() > e.rect.top() ? head.rect.setBottom(end) : head.rect.setTop(end));
                        (e.rect.bottom() > e.rect.top() ? tail.rect.setTop(end) : tail.rect.setBottom(end));
                    }
                    now.push_back(std::move(head));
                    later.push_back(std::move(tail));
                } else {
                    later.push_back(std::move(e));
                }
            }
            if (now.empty() && !later.empty() && !contentOnPage) {
                // Nothing fits even on an empty page: take the topmost element anyway.
                auto it = std::min_element(later.begin(), later.end(), [](const Element& a, const Element& b) { return a.rect.top() < b.rect.top(); });
                now.push_back(*it);
                later.erase(it);
            }
            for (Element& e : now) {
                e.translate(L.marginsMm.left(), y - offset);
                doc.pages.back().elements.push_back(std::move(e));
            }
            if (later.empty()) {
                y += total - offset;
                y = std::min(y, bodyBottom);
                return;
            }
            double next = end;
            for (const Element& e : later) next = std::min(next, std::min(e.rect.top(), e.rect.bottom()));
            offset = next;
            rest = std::move(later);
            newPage();
            contentOnPage = true;
        }
    }

    void runData(const DataBand& db, const Context& parent)
    {
        const DataSource* src = db.source ? db.source(parent) : nullptr;
        int n = src ? src->rowCount() : 0;
        Context ctx;
        ctx.parent = &parent;
        ctx.source = src;
        ctx.row = n > 0 ? 0 : -1;
        if (n == 0 && !db.printWhenEmpty) return;
        place(db.header, ctx);
        std::vector<QString> keys(db.groups.size());
        for (int r = 0; r < n; ++r) {
            ctx.row = r;
            int changed = r == 0 ? 0 : -1;
            std::vector<QString> now(db.groups.size());
            for (size_t g = 0; g < db.groups.size(); ++g) {
                now[g] = db.groups[g].key ? db.groups[g].key(ctx) : QString();
                if (changed < 0 && r > 0 && now[g] != keys[g]) changed = int(g);
            }
            if (changed >= 0 && !db.groups.empty()) {
                if (r > 0) {
                    Context prev = ctx;
                    prev.row = r - 1;
                    for (int g = int(db.groups.size()) - 1; g >= changed; --g) place(db.groups[g].footer, prev);
                }
                for (size_t g = size_t(changed); g < db.groups.size(); ++g) place(db.groups[g].header, ctx);
            }
            keys = now;
            place(db.detail, ctx);
            for (const auto& child : db.children) runData(child, ctx);
            place(db.detailFooter, ctx);
        }
        if (n > 0) {
            ctx.row = n - 1;
            for (int g = int(db.groups.size()) - 1; g >= 0; --g) place(db.groups[g].footer, ctx);
        }
        place(db.footer, ctx);
    }

    const ReportLayout& L;
    Document doc;
    Context root;
    Context::PageInfo info;
    QSizeF size;
    double y = 0, bodyTop = 0, bodyBottom = 0, width = 0, footerHeight = 0;
    bool contentOnPage = false;
    bool pendingBreak = false;
};

}  // namespace

Document layoutReport(const ReportLayout& layout)
{
    installFontSubstitutions();
    Document first = Layouter(layout, 0).run();
    // Second pass with the page count known, for "共 N 页".
    Document second = Layouter(layout, first.pageCount()).run();
    if (second.pageCount() != first.pageCount()) second = Layouter(layout, second.pageCount()).run();
    return second;
}

}  // namespace tj::report
