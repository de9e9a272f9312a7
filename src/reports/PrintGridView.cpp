#include "reports/PrintGridView.h"

#include "reports/TPrintForm.h"

#include <QCoreApplication>
#include <QDir>

namespace tj::reports {

using sheet::CellRange;
using sheet::HAlign;

void FillSheetFromGrid(sheet::Sheet& sheet, const PrintGridSource& grid, const QString& title, const QString& subtitle)
{
    const int C = grid.columnCount();
    const int R = grid.rowCount();
    const int lastCol = std::max(C, 1) - 1;

    sheet.merge(CellRange::of(0, 0, 0, lastCol));
    sheet.setAlignment(CellRange::of(0, 0, 0, lastCol), HAlign::Center);
    sheet.setText(0, 0, title);
    sheet.merge(CellRange::of(1, 0, 1, lastCol));
    sheet.setAlignment(CellRange::of(1, 0, 1, lastCol), HAlign::Left);
    sheet.setText(1, 0, subtitle);

    std::vector<char> boolean(C);
    for (int k = 0; k < C; ++k) {
        PrintGridColumn col = grid.column(k);
        sheet.setText(2, k, col.caption);
        sheet.setColumnWidth(k, col.width * 35);
        if (!col.visible) sheet.setColumnWidth(k, 0);
        boolean[k] = col.isBoolean;
    }
    for (int r = 0; r < R; ++r)
        for (int k = 0; k < C; ++k) {
            QString v = boolean[k] ? (grid.boolValue(r, k) ? QStringLiteral("√") : QString()) : grid.displayText(r, k);
            if (!v.isEmpty()) sheet.setText(3 + r, k, v);
        }
    sheet.setText(3 + R, 0, QStringLiteral("合计"));
    for (const PrintGridSummary& s : grid.footerSummaries())
        if (s.column >= 0 && s.column < C) sheet.setText(3 + R, s.column, s.text);

    sheet.setExtent(4 + R, std::max(C, 1));
    sheet.setPrintArea(CellRange::of(0, 0, 3 + R, lastCol));
}

QString ReportTemplatePath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Report/报表.xlsx"));
}

void PrintGridView(const PrintGridSource& grid, const QString& templatePath, const QString& title, const QString& subtitle,
                   QWidget* parent)
{
    TPrintForm& form = TPrintForm::instance(parent);
    form.loadTemplate(templatePath);
    FillSheetFromGrid(form.sheet(), grid, title, subtitle);
    form.showSheet();
    form.view()->select(CellRange::of(0, 0, 0, 0));
    form.showModal();
}

}  // namespace tj::reports
