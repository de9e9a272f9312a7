#include "queries/TFPrint_TjryLbiao.h"

#include "platform/db/SqlText.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/Dialogs.h"
#include "registration/VisitColumns.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace tj::queries {

using db::SqlText;

TFPrint_TjryLbiao::TFPrint_TjryLbiao(QWidget* parent) : QueryWindow(QStringLiteral("体检人员列表"), parent)
{
    ChkDwei = addCheckFilter(QStringLiteral("按单位："), unitList());
    EdtXming = new QLineEdit(this);
    EdtXming->setMaxLength(50);
    EdtXming->setMinimumWidth(120);
    ChkXming = addCheckFilter(QStringLiteral("按姓名："), EdtXming);
    addDateRange(QStringLiteral("日期："));
    registration::AddVisitColumns(Grid, registration::VisitListFields());
    Grid->addSummary({3, ui::GridSummary::Kind::Count, QStringLiteral("0")});
}

bool TFPrint_TjryLbiao::Search()
{
    if (ChkDwei->isChecked() && !requireUnit())
        return false;
    if (ChkXming->isChecked() && EdtXming->text().isEmpty()) {
        ui::Dialogs::instance().warning(
            QStringLiteral("请输入要查询的体检人员姓名（支持模糊查询，可只输入姓名的一部分）！"));
        EdtXming->setFocus(Qt::OtherFocusReason);
        return false;
    }
    QString condition;
    if (ChkDwei->isChecked())
        condition += SqlText::format(" and b.dwid=%d", unitId());
    if (ChkXming->isChecked())
        condition += SqlText::format(" and b.xming like '%%%s%%' ", EdtXming->text());
    return openResult(Statement(condition, rangeStart(), rangeEnd()));
}

QString TFPrint_TjryLbiao::Statement(const QString& condition, const QString& b, const QString& e)
{
    return SqlText::format(
        "select a.tjztai, a.jgbzhi, zjbzhi, a.tjhao, b.zdybhao, b.xming, b.xbie, b.nling,   d.mcheng as rylbmcheng, "
        "c.mcheng as dwmcheng, a.sfsjian, a.tjsjian from tjian_sfei_main a   inner join tjian_ryuan b on "
        "b.id=a.ryid   left join tjian_dwei c on c.id=b.dwid   left join tjian_rylbie d on d.id=b.rylbid where "
        "a.zxbzhi=0 %s and a.sfsjian between '%s' and '%s' order by b.dwid",
        condition, b, e);
}

}  // namespace tj::queries
