#include "platform/sheet/ReportTemplate.h"

namespace tj::sheet {

Sheet makeReportTemplate()
{
    Sheet s;
    s.setName(QStringLiteral("报表"));
    s.setFontFamily(QStringLiteral("宋体"));
    s.setFontSize(10);
    s.setDefaultRowHeight(15);
    PageSetup& p = s.pageSetup();
    p.paper = QPageSize::A4;
    p.landscape = false;
    p.marginsMm = QMarginsF(15, 20, 15, 20);
    p.headerMm = 10;
    p.footerMm = 10;
    p.footer = QStringLiteral("第 &P 页，共 &N 页");
    p.gridLines = true;
    p.centerHorizontally = true;
    for (int c = 0; c < kTemplateColumns; ++c) {
        s.setFormat(0, c, CellFormat{HAlign::Center, true, 16});
        s.setFormat(1, c, CellFormat{HAlign::Left, false});
        s.setFormat(2, c, CellFormat{HAlign::Center, true});
    }
    s.setRowHeight(0, 24);
    s.setRowHeight(2, 18);
    // The caption row repeats on every printed page.
    s.setPrintTitleRows(std::pair{2, 2});
    return s;
}

}  // namespace tj::sheet
