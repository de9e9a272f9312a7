#include "platform/report/Barcode.h"

#include "platform/report/Report.h"

#include <zint.h>

#include <cmath>
#include <memory>

namespace tj::report {

namespace {

constexpr double kQuietZoneModules = 10;
// Bars are made a whole number of 300 dpi dots wide where they can be, so
// that 300 and 600 dpi printers draw every bar of one width alike.
constexpr double kDotMm = 25.4 / 300.0;

struct SymbolDeleter {
    void operator()(zint_symbol* s) const { ZBarcode_Delete(s); }
};

// Bar positions in modules from the symbol's left edge: {start, width}.
struct Bars {
    int modules = 0;
    std::vector<std::pair<int, int>> bars;
};

Bars encode(const QString& text)
{
    std::unique_ptr<zint_symbol, SymbolDeleter> symbol(ZBarcode_Create());
    if (!symbol) throw ReportError(QStringLiteral("无法生成条形码：内存不足"));
    symbol->symbology = BARCODE_CODE128;
    symbol->input_mode = UNICODE_MODE;
    symbol->show_hrt = 0;
    const QByteArray utf8 = text.toUtf8();
    int rc = ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(utf8.constData()), int(utf8.size()));
    if (rc < ZINT_ERROR) rc = ZBarcode_Buffer_Vector(symbol.get(), 0);
    if (rc >= ZINT_ERROR || !symbol->vector || symbol->width <= 0)
        throw ReportError(QStringLiteral("条形码无法表示“%1”：只能含字母、数字和常用符号").arg(text));
    Bars out;
    out.modules = symbol->width;
    const double unit = symbol->vector->width / symbol->width;
    for (const zint_vector_rect* r = symbol->vector->rectangles; r; r = r->next) {
        int start = int(std::lround(r->x / unit));
        int width = int(std::lround(r->width / unit));
        if (width > 0) out.bars.push_back({start, width});
    }
    return out;
}

}  // namespace

std::vector<Element> code128Elements(const QString& text, const QRectF& rectMm, const BarcodeOptions& options)
{
    std::vector<Element> out;
    if (text.isEmpty()) return out;
    const Bars bars = encode(text);
    const QRectF r = rectMm.normalized();

    double module = r.width() / (bars.modules + 2 * kQuietZoneModules);
    if (options.moduleMm > 0) module = std::min(module, options.moduleMm);
    if (module >= kDotMm) module = std::floor(module / kDotMm) * kDotMm;
    const double barsWidth = module * bars.modules;
    const double left = r.left() + (r.width() - barsWidth) / 2;

    const QFont font = options.font.resolveMask() == 0 ? makeFont(QStringLiteral("宋体"), 9) : options.font;
    const double textHeight = options.showText ? std::min(lineHeightMm(font), r.height() / 2) : 0;
    const double barHeight = r.height() - textHeight;

    Element e;
    e.kind = Element::Kind::Path;
    e.text = QStringLiteral("code128 ") + text;
    e.pen = Qt::NoPen;
    e.brush = QBrush(Qt::black);
    for (const auto& [start, width] : bars.bars) e.path.addRect(QRectF(left + start * module, r.top(), width * module, barHeight));
    e.rect = e.path.boundingRect();
    out.push_back(std::move(e));

    if (options.showText) {
        Element t;
        t.kind = Element::Kind::Text;
        t.rect = QRectF(r.left(), r.top() + barHeight, r.width(), textHeight);
        t.text = text;
        t.font = font;
        t.flags = Qt::AlignHCenter | Qt::AlignVCenter;
        out.push_back(std::move(t));
    }
    return out;
}

Item Item::barcode(const QRectF& rect, TextFn text, const BarcodeOptions& options)
{
    return drawing(rect, [text = std::move(text), options](const Context& c, const QRectF& r) {
        return code128Elements(text ? text(c) : QString(), r, options);
    });
}

}  // namespace tj::report
