#include "registration/TFZjXm_Dec.h"

#include "core/TDM.h"
#include "platform/db/SqlText.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/Dialogs.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace tj::registration {

using core::TDM;
using db::SqlText;

TFZjXm_Dec::TFZjXm_Dec(QWidget* parent)
    : ItemChangeDialog(QStringLiteral("减少项目"), QStringLiteral("#tjian_jsxm"),
                       {db::IdentityColumn(QStringLiteral("id")), db::Column(QStringLiteral("zhxmid"), QStringLiteral("int"), true),
                        db::Column(QStringLiteral("ksid"), QStringLiteral("int"), true), db::TextColumn(QStringLiteral("mcheng"), 200, true),
                        db::Column(QStringLiteral("sfjge"), QStringLiteral("money")), db::TextColumn(QStringLiteral("tsxxi"), 100),
                        db::TextColumn(QStringLiteral("lcyyi"), 500)},
                       parent)
{
    const int name = cxGrdChosen->addColumn(QStringLiteral("mcheng"), QStringLiteral("组合项目名称"), 200);
    cxGrdChosen->addLookupColumn(QStringLiteral("ksid"), QStringLiteral("科室"), QryKshi, QStringLiteral("id"),
                                 QStringLiteral("mcheng"), 100);
    ui::GridColumn price;
    price.field = QStringLiteral("sfjge");
    price.caption = QStringLiteral("价格");
    price.width = 80;
    price.format = QStringLiteral("%.2f");
    price.alignment = Qt::AlignRight | Qt::AlignVCenter;
    const int priceColumn = cxGrdChosen->addColumn(price);
    cxGrdChosen->addColumn(QStringLiteral("tsxxi"), QStringLiteral("提示"), 120);
    cxGrdChosen->addColumn(QStringLiteral("lcyyi"), QStringLiteral("临床意义"), 200);
    cxGrdChosen->addSummary({name, ui::GridSummary::Kind::Count, QStringLiteral("%d")});
    cxGrdChosen->addSummary({priceColumn, ui::GridSummary::Kind::Sum, QStringLiteral("%.2f")});
    cxGrdChosen->setMultiSelect(true);
    cxGrdChosen->setQuery(&Chosen.query());
    // The grid's own delete key takes chosen items off again.
    cxGrdChosen->keyHook = [this](QKeyEvent* key) {
        if (key->key() != Qt::Key_Delete || !Chosen.query().isOpen() || Chosen.query().isEmpty())
            return false;
        cxGrdChosen->deleteSelectedRows();
        return true;
    };
}

QString TFZjXm_Dec::chooseStatement(int zhxmid) const
{
    return SqlText::format("insert into #tjian_jsxm(zhxmid, ksid, mcheng, sfjge, tsxxi, lcyyi) select id, "
                           "isnull(ksid, 0), isnull(mcheng, ''), sfjge, tsxxi, lcyyi from tjian_zhxmu_main where id=%d ",
                           zhxmid);
}

void TFZjXm_Dec::BtnOkClick()
{
    db::Query& q = Chosen.query();
    if (!q.isOpen() || q.isEmpty()) {
        ui::Dialogs::instance().warning(QStringLiteral("没有选择要减少的体检项目！"));
        EdtPyjma->setFocus(Qt::OtherFocusReason);
        return;
    }
    std::vector<ChosenItem> rows;
    const int id = q.fieldIndex(QStringLiteral("zhxmid")), name = q.fieldIndex(QStringLiteral("mcheng"));
    for (int r = 0; r < q.recordCount(); ++r)
        rows.push_back({int(q.value(r, id).toInteger()), q.value(r, name).toString()});
    RemoveItemsFromVisits(TDM::instance().Connection(), numbers(), rows, logger());
}

}  // namespace tj::registration
