#include "platform/report/StandardBands.h"

namespace tj::report {

namespace {

double contentWidth(const ReportLayout& layout)
{
    return layout.pageSizeMm().width() - layout.marginsMm.left() - layout.marginsMm.right();
}

}  // namespace

double AddStandardHeader(ReportLayout& layout, const QString& centre, const QString& title, const QDate& date, HeaderOn on)
{
    Band& band = on == HeaderOn::EveryPage ? layout.pageHeader : layout.title;
    const double w = contentWidth(layout);
    const QFont centreFont = makeFont(QStringLiteral("宋体"), 12);
    const QFont titleFont = makeFont(QStringLiteral("黑体"), 16, true);
    const QFont dateFont = makeFont(QStringLiteral("宋体"), 9);
    const double centreH = lineHeightMm(centreFont) + 1, titleH = lineHeightMm(titleFont) + 1, dateH = lineHeightMm(dateFont) + 1;

    double y = std::max(0.0, band.height);
    if (!centre.isEmpty()) {
        band.add(Item::label({0, y, w, centreH}, centre, centreFont, Qt::AlignCenter));
        y += centreH;
    }
    band.add(Item::label({0, y, w, titleH}, title, titleFont, Qt::AlignCenter));
    y += titleH;
    const QString day = date.isValid() ? date.toString(QStringLiteral("yyyy-MM-dd")) : QString();
    band.add(Item::label({0, y, w, dateH}, QStringLiteral("打印日期：") + day, dateFont, Qt::AlignRight | Qt::AlignVCenter));
    y += dateH;
    band.add(Item::line({0, y + 0.5}, {w, y + 0.5}, 0.3));
    band.height = y + 1.5;
    return band.height;
}

double AddStandardFooter(ReportLayout& layout)
{
    Band& band = layout.pageFooter;
    const double w = contentWidth(layout);
    const QFont font = makeFont(QStringLiteral("宋体"), 9);
    const double h = lineHeightMm(font) + 1;
    const double y = std::max(0.0, band.height);
    band.add(Item::line({0, y + 1}, {w, y + 1}, 0.2));
    band.add(Item::pageNumber({0, y + 2, w, h}, kStandardPageNumberFormat, font, Qt::AlignCenter));
    band.height = y + 2 + h;
    return band.height;
}

}  // namespace tj::report
