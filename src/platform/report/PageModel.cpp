#include "platform/report/PageModel.h"

#include "platform/sheet/Fonts.h"

#include <QFont>
#include <QPainter>
#include <QTransform>
#include <cmath>

namespace tj::report {

void installFontSubstitutions()
{
    sheet::installCjkFontSubstitutions();
}

QStringList Document::texts(int page) const
{
    QStringList out;
    if (page < 0 || page >= pageCount()) return out;
    for (const Element& e : pages[page].elements)
        if (e.kind == Element::Kind::Text) out << e.text;
    return out;
}

void Document::append(Document other)
{
    pages.reserve(pages.size() + other.pages.size());
    for (Page& p : other.pages) pages.push_back(std::move(p));
}

namespace {
QString num(double v)
{
    double r = std::round(v * 10.0) / 10.0;
    if (r == 0) r = 0;  // no "-0.0"
    return QString::number(r, 'f', 1);
}

QString alignName(int flags)
{
    QString h = (flags & Qt::AlignRight) ? "right" : (flags & Qt::AlignHCenter) ? "center" : "left";
    return h;
}
}  // namespace

QString Document::dump() const
{
    QString out;
    for (int p = 0; p < pageCount(); ++p) {
        out += QStringLiteral("page %1/%2\n").arg(p + 1).arg(pageCount());
        for (const Element& e : pages[p].elements) {
            const QRectF& r = e.rect;
            switch (e.kind) {
            case Element::Kind::Text:
                out += QStringLiteral("  text %1,%2 %3x%4 %5pt%6 %7 \"%8\"\n")
                           .arg(num(r.left()), num(r.top()), num(r.width()), num(r.height()))
                           .arg(e.font.pointSizeF())
                           .arg(e.font.bold() ? " bold" : "")
                           .arg(alignName(e.flags), e.text);
                break;
            case Element::Kind::Line:
                out += QStringLiteral("  line %1,%2 %3,%4\n").arg(num(r.left()), num(r.top()), num(r.right()), num(r.bottom()));
                break;
            case Element::Kind::Rect:
                out += QStringLiteral("  box %1,%2 %3x%4%5\n")
                           .arg(num(r.left()), num(r.top()), num(r.width()), num(r.height()))
                           .arg(e.brush.style() != Qt::NoBrush ? " filled" : "");
                break;
            case Element::Kind::Path:
                out += QStringLiteral("  path %1,%2 %3x%4 \"%5\"\n")
                           .arg(num(r.left()), num(r.top()), num(r.width()), num(r.height()), e.text);
                break;
            case Element::Kind::Image:
                out += QStringLiteral("  image %1,%2 %3x%4 %5x%6px\n")
                           .arg(num(r.left()), num(r.top()), num(r.width()), num(r.height()))
                           .arg(e.image.width())
                           .arg(e.image.height());
                break;
            }
        }
    }
    return out;
}

void Document::paintPage(QPainter& painter, int page) const
{
    if (page < 0 || page >= pageCount()) return;
    QPaintDevice* dev = painter.device();
    const double sx = dev->logicalDpiX() / 25.4, sy = dev->logicalDpiY() / 25.4;
    auto px = [&](const QRectF& r) { return QRectF(r.left() * sx, r.top() * sy, r.width() * sx, r.height() * sy); };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (const Element& e : pages[page].elements) {
        switch (e.kind) {
        case Element::Kind::Text: {
            painter.setPen(Qt::black);
            painter.setFont(e.font);
            painter.drawText(px(e.rect), e.flags | Qt::TextDontClip, e.text);
            break;
        }
        case Element::Kind::Line:
        case Element::Kind::Rect: {
            QPen pen = e.pen;
            if (pen.style() != Qt::NoPen) pen.setWidthF(std::max(1.0, e.pen.widthF() * sx));
            painter.setPen(pen);
            painter.setBrush(e.brush);
            if (e.kind == Element::Kind::Line)
                painter.drawLine(QPointF(e.rect.left() * sx, e.rect.top() * sy), QPointF(e.rect.right() * sx, e.rect.bottom() * sy));
            else
                painter.drawRect(px(e.rect));
            painter.setBrush(Qt::NoBrush);
            break;
        }
        case Element::Kind::Image:
            painter.drawImage(px(e.rect), e.image);
            break;
        case Element::Kind::Path:
            painter.fillPath(QTransform::fromScale(sx, sy).map(e.path), e.brush);
            break;
        }
    }
    painter.restore();
}

QImage Document::renderPage(int page, double dpi) const
{
    QSize size(int(std::lround(pageSizeMm.width() / 25.4 * dpi)), int(std::lround(pageSizeMm.height() / 25.4 * dpi)));
    QImage img(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    img.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    img.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    img.fill(Qt::white);
    QPainter p(&img);
    paintPage(p, page);
    return img;
}

}  // namespace tj::report
