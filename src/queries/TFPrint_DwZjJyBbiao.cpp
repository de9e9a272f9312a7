#include "queries/TFPrint_DwZjJyBbiao.h"

#include "core/TDM.h"
#include "platform/db/SqlText.h"
#include "platform/report/DbDataSource.h"
#include "platform/report/Output.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/Dialogs.h"
#include "queries/QueryColumns.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

namespace tj::queries {

using db::SqlText;

TFPrint_DwZjJyBbiao::TFPrint_DwZjJyBbiao(QWidget* parent)
    : QueryWindow(QStringLiteral("按单位总结与建议报表"), parent), QryReport(core::TDM::instance().Connection())
{
    addFilter(QStringLiteral("单位："), unitList());
    addDateRange(QStringLiteral("日期："));
    ChkPreview = new QCheckBox(QStringLiteral("打印预览"), this);
    ChkPreview->setChecked(true);
    addFilter(QString(), ChkPreview);
    emptyResultFocus = CmbDwei;
    closeOnClose({&QryReport});
    AddColumns(*Grid, {{"tjztai", "状态", 40},
                       {"jgbzhi", "结果", 40, ColumnSpec::Check},
                       {"zjbzhi", "总检", 40, ColumnSpec::Check},
                       {"tjhao", "体检号", 80},
                       {"zdybhao", "自定义编号", 80},
                       {"xming", "姓名", 80},
                       {"xbie", "性别", 40},
                       {"nling", "年龄", 40},
                       {"rylbmcheng", "人员类别", 80},
                       {"dwmcheng", "单位", 100},
                       {"sfsjian", "登记时间", 120, ColumnSpec::DateTime},
                       {"tjsjian", "体检时间", 120, ColumnSpec::DateTime}});
    Grid->addSummary({3, ui::GridSummary::Kind::Count, QStringLiteral("0")});
    Grid->sortBy(3, true);
}

void TFPrint_DwZjJyBbiao::FormShow()
{
    // 打印 starts enabled; after a query it follows the report's data.
    BtnPrint->setEnabled(!QryReport.isOpen() || !QryReport.isEmpty());
}

bool TFPrint_DwZjJyBbiao::Search()
{
    if (!requireUnit())
        return false;
    const QString b = rangeStart(), e = rangeEnd();
    openResult(ListStatement(unitId(), b, e));
    QryReport.close();
    QryReport.setSql(ReportStatement(unitId(), b, e));
    QryReport.open();
    BtnPrint->setEnabled(!QryReport.isEmpty());
    return true;
}

QString TFPrint_DwZjJyBbiao::ListStatement(int unit, const QString& b, const QString& e)
{
    return SqlText::format(
        "select a.tjztai, a.jgbzhi, zjbzhi, a.tjhao, b.zdybhao, b.xming, b.xbie, b.nling,   d.mcheng as rylbmcheng, "
        "c.mcheng as dwmcheng, a.sfsjian, a.tjsjian from tjian_sfei_main a   inner join tjian_ryuan b on "
        "b.id=a.ryid   inner join tjian_dwei c on c.id=b.dwid   left join tjian_rylbie d on d.id=b.rylbid where "
        "a.zxbzhi=0 and a.zjbzhi=1 and b.dwid=%d and a.sfsjian between '%s' and '%s' ",
        unit, b, e);
}

QString TFPrint_DwZjJyBbiao::ReportStatement(int unit, const QString& b, const QString& e)
{
    return SqlText::format(
        "select a.tjhao, b.xming, b.xbie, b.nling, b.jtdhua, b.sji, c.zjlrsjian, c.tjzjie, c.zjjyi from "
        "tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid   left join tjian_jguo_zjian c on "
        "c.tjhao=a.tjhao where a.zxbzhi=0 and a.zjbzhi=1 and b.dwid=%d and a.sfsjian between '%s' and '%s' order by "
        "a.tjhao ",
        unit, b, e);
}

report::Document TFPrint_DwZjJyBbiao::BuildReport()
{
    Report.Qrlb_Dwei = CmbDwei->currentText();
    Report.qrlb_Sfsjian = QStringLiteral("%1 至 %2").arg(rangeStart(), rangeEnd());
    const report::QueryDataSource rows(QryReport);
    return Report.Layout(rows);
}

void TFPrint_DwZjJyBbiao::Print()
{
    if (!Qry.isOpen() || Qry.isEmpty() || !QryReport.isOpen())
        return;
    const report::Document doc = BuildReport();
    try {
        report::outputDocument(doc, ChkPreview->isChecked() ? report::Output::Preview : report::Output::PrintNoDialog, {},
                               this);
    } catch (const report::ReportError& e) {
        ui::Dialogs::instance().error(e.message());
    }
}

}  // namespace tj::queries
