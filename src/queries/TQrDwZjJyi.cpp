#include "queries/TQrDwZjJyi.h"

#include "platform/report/Report.h"

namespace tj::queries {

using report::Context;
using report::Item;

report::Document TQrDwZjJyi::Layout(const report::DataSource& rows)
{
    report::installFontSubstitutions();
    report::ReportLayout layout;
    layout.name = Qrlb_Dwei + QStringLiteral("体检总结与建议汇总表");
    layout.paper = QPageSize::A4;
    layout.marginsMm = QMarginsF(10, 10, 10, 10);
    const double width = layout.pageSizeMm().width() - 20;
    const QFont base = report::makeFont(QStringLiteral("宋体"), 9);
    const QFont bold = report::makeFont(QStringLiteral("宋体"), 9, true);
    const QFont heading = report::makeFont(QStringLiteral("微软雅黑"), 22);

    // Title: the unit's name, right-aligned, runs on into the heading, so the
    // two read as one line centred on the page.
    const QString title = QStringLiteral("体检总结与建议汇总表");
    const double nameWidth = report::textWidthMm(Qrlb_Dwei, heading) + 1;
    const double titleWidth = report::textWidthMm(title, heading) + 1;
    const double split = std::max(0.0, (width - nameWidth - titleWidth) / 2) + nameWidth;
    layout.title.height = 22;
    layout.title.add(Item::label(QRectF(0, 0, split, 12), Qrlb_Dwei, heading, Qt::AlignRight | Qt::AlignVCenter));
    layout.title.add(Item::label(QRectF(split, 0, std::max(10.0, width - split), 12), title, heading,
                                 Qt::AlignLeft | Qt::AlignVCenter));
    layout.title.add(Item::label(QRectF(0, 15, 20, 5), QStringLiteral("登记时间："), base));
    layout.title.add(Item::label(QRectF(20, 15, width - 20, 5), qrlb_Sfsjian, base));

    // One block per visit.
    report::DataBand band;
    band.setSource(&rows);
    report::Band& d = band.detail;
    d.height = 22;
    d.add(Item::line(QPointF(0, 0.5), QPointF(width, 0.5), 0.4));
    struct Part {
        const char* caption;
        const char* field;
        double x, captionWidth, fieldWidth;
    };
    const Part parts[] = {{"姓名：", "xming", 0, 10, 22},   {"性别：", "xbie", 32, 10, 8},
                          {"年龄：", "nling", 50, 10, 8},   {"电话：", "jtdhua", 68, 10, 26},
                          {"手机：", "sji", 104, 10, 26},   {"体检日期：", "zjlrsjian", 140, 17, 33}};
    for (const Part& p : parts) {
        const QString field = QString::fromUtf8(p.field);
        d.add(Item::label(QRectF(p.x, 2, p.captionWidth, 5), QString::fromUtf8(p.caption), base));
        // Date-times to the second, whatever form the database keeps them in.
        d.add(Item::computed(QRectF(p.x + p.captionWidth, 2, p.fieldWidth, 5),
                             [field](const Context& c) { return c.text(field).left(19); }, base));
    }
    d.add(Item::line(QPointF(0, 8), QPointF(width, 8), 0.1));
    const double half = width / 2;
    d.add(Item::label(QRectF(0, 9, half, 5), QStringLiteral("体检总结"), bold));
    d.add(Item::label(QRectF(half, 9, half, 5), QStringLiteral("总检建议"), bold));
    // The boxes take the texts as plain lines, whatever the record holds.
    d.add(Item::memo(QRectF(0, 15, half - 2, 5), [](const Context& c) { return c.text(QStringLiteral("tjzjie")); }, base));
    d.add(Item::memo(QRectF(half, 15, half, 5), [](const Context& c) { return c.text(QStringLiteral("zjjyi")); }, base));
    layout.data.push_back(std::move(band));

    layout.pageFooter.height = 12;
    layout.pageFooter.add(Item::line(QPointF(0, 1), QPointF(width, 1), 0.3));
    layout.pageFooter.add(
        Item::pageNumber(QRectF(half - 20, 4, 40, 6), QStringLiteral("第%1页/共%2页"), base, Qt::AlignCenter).framed());
    layout.pageFooterOnLastPage = true;

    report::Document doc = report::layoutReport(layout);
    qrlbTotalPageCount = doc.pageCount();
    return doc;
}

}  // namespace tj::queries
