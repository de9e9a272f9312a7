#include "registration/TFTjDwHkuan.h"

#include "core/TDM.h"
#include "platform/db/SqlText.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/ErrorHandler.h"
#include "registration/UnitPayment.h"
#include "registration/VisitColumns.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

namespace tj::registration {

using db::SqlText;

TFTjDwHkuan::TFTjDwHkuan(QWidget* parent) : reports::QueryWindow(QStringLiteral("团检单位回款"), parent)
{
    addFilter(QStringLiteral("单位："), unitList());
    addDateRange(QStringLiteral("日期："), QStringLiteral("至"));
    addSelectAll(QStringLiteral("全选"));
    BtnHkuan = addButton(QStringLiteral("回款确定(&O)"));
    BtnPrint->hide();
    emptyResultFocus = CmbDwei;

    AddVisitColumns(Grid, {QStringLiteral("tjztai"), QStringLiteral("jgbzhi"), QStringLiteral("zjbzhi"),
                           QStringLiteral("tjhao"), QStringLiteral("id"), QStringLiteral("xming"), QStringLiteral("xbie"),
                           QStringLiteral("nling"), QStringLiteral("rylbmcheng"), QStringLiteral("ssje"),
                           QStringLiteral("dwmcheng"), QStringLiteral("sfsjian")});
    Grid->addSummary({3, ui::GridSummary::Kind::Count, QStringLiteral("%d")});
    Grid->addSummary({9, ui::GridSummary::Kind::Sum, QStringLiteral("%.2f")});
    Grid->sortBy(3);

    connect(BtnHkuan, &QPushButton::clicked, this, &TFTjDwHkuan::BtnHkuanClick);
}

TFTjDwHkuan::~TFTjDwHkuan() = default;

void TFTjDwHkuan::FormShow()
{
    ChkQxuan->setChecked(false);
    CmbDwei->setFocus(Qt::OtherFocusReason);
}

bool TFTjDwHkuan::Search()
{
    if (!requireUnit())
        return false;
    openResult(SqlText::format(
        "select a.tjztai, a.jgbzhi, zjbzhi, a.tjhao, a.id, b.xming, b.xbie, b.nling,   d.mcheng as rylbmcheng, e.ssje, "
        "c.mcheng as dwmcheng, a.sfsjian from tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid   inner join "
        "tjian_dwei c on c.id=b.dwid   left join tjian_rylbie d on d.id=b.rylbid   inner join (select sfid, sum(ssje) "
        "as ssje from tjian_sfei_sub where hsbzhi=1 group by sfid) e on e.sfid=a.id where a.zxbzhi=0 and b.djbzhi=1 "
        "and a.jzlxing=2 and a.jzbzhi=0 and b.dwid=%d and a.sfsjian between '%s' and '%s' ",
        unitId(), rangeStart(), rangeEnd()));
    selectAllRows();
    return true;
}

std::vector<qint64> TFTjDwHkuan::SelectedVisitIds() const
{
    std::vector<qint64> ids;
    const int column = Qry.fieldIndex(QStringLiteral("id"));
    for (int row : Grid->selectedRows())
        ids.push_back(Qry.value(row, column).toInteger());
    return ids;
}

void TFTjDwHkuan::BtnHkuanClick()
{
    if (!Qry.isOpen() || Qry.isEmpty())
        return;
    const std::vector<qint64> ids = SelectedVisitIds();
    if (ids.empty()) {
        ui::Dialogs::instance().warning(QStringLiteral("没有选择要回款的单位人员！"));
        return;
    }
    db::Connection& c = core::TDM::instance().Connection();
    PaymentResult paid;
    try {
        const db::Currency amount = PaymentAmount(c, ids);
        if (!ui::Dialogs::instance().confirm(QStringLiteral("回款单位：%1\r\r本次回款：%2 元，是否确定？")
                                                 .arg(CmbDwei->currentText(), amount.toString(4))))
            return;
        paid = SettleUnitVisits(c, ids);
    } catch (const std::exception& e) {
        ui::ErrorHandler::handle(e);
        return;
    }
    Qry.refresh();
    if (paid.settled == paid.selected) {
        ui::Dialogs::instance().info(QStringLiteral("回款成功！"));
        return;
    }
    // Another workstation settled or cancelled some of them since they were listed.
    ui::Dialogs::instance().info(QStringLiteral("回款成功！本次结帐 %1 人，金额 %2 元；另有 %3 人已由其他工作站结帐或已注销，未重复结帐。")
                                     .arg(paid.settled)
                                     .arg(paid.amount.toString(2))
                                     .arg(paid.selected - paid.settled));
}

}  // namespace tj::registration
