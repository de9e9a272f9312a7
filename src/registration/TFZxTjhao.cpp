#include "registration/TFZxTjhao.h"

#include "core/TDM.h"
#include "platform/db/ChineseMessage.h"
#include "platform/db/SqlText.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/KeyPreview.h"
#include "registration/CancelVisits.h"
#include "registration/VisitColumns.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace tj::registration {

using db::SqlText;

TFZxTjhao::TFZxTjhao(QWidget* parent) : reports::QueryWindow(QStringLiteral("注销体检号"), parent)
{
    EdtTjhao = new QLineEdit(this);
    EdtTjhao->setMaxLength(50);
    EdtTjhao->setMinimumWidth(110);
    ChkTjhao = addCheckFilter(QStringLiteral("体检号："), EdtTjhao, true);
    ChkDwei = addCheckFilter(QStringLiteral("单位："), unitList());
    addSelectAll(QStringLiteral("全选"));
    BtnZxiao = addButton(QStringLiteral("注销"));
    BtnPrint->hide();

    AddVisitColumns(Grid, VisitListFields() << QStringLiteral("ryid"));
    Grid->addSummary({3, ui::GridSummary::Kind::Count, QStringLiteral("%d")});
    Grid->sortBy(3);

    ui::EnterRuns(this, EdtTjhao, [this] { BtnQueryClick(); });
    connect(BtnZxiao, &QPushButton::clicked, this, &TFZxTjhao::BtnZxiaoClick);
}

TFZxTjhao::~TFZxTjhao() = default;

void TFZxTjhao::FormShow()
{
    ChkQxuan->setChecked(false);
    EdtTjhao->setFocus(Qt::OtherFocusReason);
}

bool TFZxTjhao::Search()
{
    QString condition;
    if (ChkTjhao->isChecked()) {
        if (EdtTjhao->text().trimmed().isEmpty()) {
            ui::Dialogs::instance().warning(QStringLiteral("请输入体检号！"));
            EdtTjhao->setFocus(Qt::OtherFocusReason);
            return false;
        }
        condition += SqlText::format("and a.tjhao='%s' ", EdtTjhao->text().trimmed());
    }
    if (ChkDwei->isChecked()) {
        if (unitId() <= 0) {
            ui::Dialogs::instance().warning(QStringLiteral("请选择单位！"));
            CmbDwei->setFocus(Qt::OtherFocusReason);
            return false;
        }
        condition += SqlText::format("and b.dwid=%d ", unitId());
    }
    emptyResultFocus = ChkTjhao->isChecked() ? static_cast<QWidget*>(EdtTjhao)
                       : ChkDwei->isChecked() ? static_cast<QWidget*>(CmbDwei)
                                              : nullptr;
    openResult(SqlText::format(
        "select a.tjztai, a.jgbzhi, zjbzhi, a.tjhao, b.zdybhao, b.xming, b.xbie, b.nling,   d.mcheng as rylbmcheng, "
        "c.mcheng as dwmcheng, a.sfsjian, a.tjsjian, a.ryid from tjian_sfei_main a   inner join tjian_ryuan b on "
        "b.id=a.ryid   left join tjian_dwei c on c.id=b.dwid   left join tjian_rylbie d on d.id=b.rylbid where "
        "a.zxbzhi=0 %s ",
        condition));
    selectAllRows();
    return true;
}

void TFZxTjhao::BtnZxiaoClick()
{
    if (!Qry.isOpen() || Qry.isEmpty())
        return;
    const std::vector<int> rows = Grid->selectedRows();
    if (rows.empty()) {
        ui::Dialogs::instance().warning(QStringLiteral("没有选择要注销的体检号！"));
        return;
    }
    if (!ui::Dialogs::instance().confirm(QStringLiteral("本次注销体检号 %1 个，是否继续？").arg(rows.size())))
        return;
    std::vector<VisitToCancel> visits;
    const int number = Qry.fieldIndex(QStringLiteral("tjhao")), person = Qry.fieldIndex(QStringLiteral("ryid"));
    for (int row : rows)
        visits.push_back({Qry.value(row, number).toString(), int(Qry.value(row, person).toInteger())});
    try {
        CancelVisits(core::TDM::instance().Connection(), visits);
    } catch (const std::exception& e) {
        ui::Dialogs::instance().message(QStringLiteral("注销时出现错误：") + db::ChineseMessage(e), ui::Caption::Info,
                                        ui::Icon::Information);
        return;
    }
    Qry.refresh();
    ui::Dialogs::instance().info(QStringLiteral("全部注销成功！"));
}

}  // namespace tj::registration
