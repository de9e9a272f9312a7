#include "queries/TFPrint_DwTjryCxun.h"

#include "platform/db/SqlText.h"
#include "platform/ui/DataGrid.h"
#include "queries/QueryColumns.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>

namespace tj::queries {

using db::SqlText;

namespace {
// The condition of each status, in the order of the radio group.
const char* const StatusConditions[5] = {
    "",
    "and a.zxbzhi=0 and a.tjztai='未检' ",
    "and a.zxbzhi=0 and a.tjztai='检中' ",
    "and a.zxbzhi=0 and a.tjztai='检完' ",
    "and a.zxbzhi=1 ",
};
}  // namespace

TFPrint_DwTjryCxun::TFPrint_DwTjryCxun(QWidget* parent) : QueryWindow(QStringLiteral("按单位体检人员查询"), parent)
{
    ChkDwei = addCheckFilter(QStringLiteral("单位："), unitList());
    ChkSfsjian = addCheckedDateRange(QStringLiteral("登记日期："));
    newFilterRow();
    auto* group = new QGroupBox(QStringLiteral("统计类型"), this);
    auto* row = new QHBoxLayout(group);
    const char* const captions[5] = {"全部", "未检", "检中", "检完", "注销"};
    for (int i = 0; i < 5; ++i) {
        RdgTjlx[i] = new QRadioButton(QString::fromUtf8(captions[i]), group);
        row->addWidget(RdgTjlx[i]);
    }
    RdgTjlx[0]->setChecked(true);
    addFilter(QString(), group);
    emptyResultFocus = CmbDwei;

    AddColumns(*Grid, {{"dwmcheng", "单位", 140},
                       {"id", "档案号", 60, ColumnSpec::Whole},
                       {"tjhao", "体检号", 80},
                       {"xming", "姓名", 70},
                       {"xbie", "性别", 40},
                       {"nling", "年龄", 40, ColumnSpec::Whole},
                       {"tjztai", "状态", 50},
                       {"zjbzhi", "总检", 40, ColumnSpec::Check},
                       {"rylbmcheng", "人员类别", 80},
                       {"sfyuan", "登记人", 70},
                       {"sfsjian", "登记时间", 130, ColumnSpec::DateTime},
                       {"tjsjian", "体检时间", 130, ColumnSpec::DateTime},
                       {"tcmcheng", "所选套餐", 140}});
    Grid->addSummary({2, ui::GridSummary::Kind::Count, QStringLiteral("0")});
}

bool TFPrint_DwTjryCxun::Search()
{
    if (ChkDwei->isChecked() && !requireUnit())
        return false;
    QString condition;
    for (int i = 0; i < 5; ++i)
        if (RdgTjlx[i]->isChecked())
            condition += QString::fromUtf8(StatusConditions[i]);
    if (ChkDwei->isChecked())
        condition += SqlText::format("and b.dwid=%d ", unitId());
    if (ChkSfsjian->isChecked())
        condition += SqlText::format("and a.sfsjian between '%s' and '%s' ", rangeStart(), rangeEnd());
    return openResult(Statement(condition));
}

QString TFPrint_DwTjryCxun::Statement(const QString& condition)
{
    return SqlText::format(
        "select a.tjztai, a.jgbzhi, zjbzhi, a.tjhao, b.id, b.zdybhao, b.xming, b.xbie, b.nling,   d.mcheng as "
        "rylbmcheng, c.mcheng as dwmcheng, a.sfyuan, a.sfsjian, a.tjsjian, e.mcheng as tcmcheng from "
        "tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid   inner join tjian_dwei c on c.id=b.dwid   "
        "left join tjian_rylbie d on d.id=b.rylbid   left join tjian_tcan_main e on e.id=a.tcid where 1=1 %s ",
        condition);
}

QString TFPrint_DwTjryCxun::PrintTitle() const
{
    return CmbDwei->currentText() + QStringLiteral("体检人员查询");
}

}  // namespace tj::queries
