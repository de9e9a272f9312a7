#include "registration/TFZjXm_Add.h"

#include "core/TDM.h"
#include "platform/db/SqlText.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/Dialogs.h"

#include <QLineEdit>

namespace tj::registration {

using core::TDM;
using db::SqlText;

TFZjXm_Add::TFZjXm_Add(QWidget* parent)
    : ItemChangeDialog(QStringLiteral("增加项目"), QStringLiteral("#tjian_zjxm"),
                       {db::IdentityColumn(QStringLiteral("id")), db::Column(QStringLiteral("zhxmid"), QStringLiteral("int"), true),
                        db::TextColumn(QStringLiteral("mcheng"), 100, true), db::Column(QStringLiteral("sfjge"), QStringLiteral("money")),
                        db::Column(QStringLiteral("zkou"), QStringLiteral("money")), db::Column(QStringLiteral("ssje"), QStringLiteral("money")),
                        db::Column(QStringLiteral("yhje"), QStringLiteral("money"))},
                       parent)
{
    auto column = [](const char* field, const char* caption, int width, const char* format, bool editable) {
        ui::GridColumn c;
        c.field = QString::fromUtf8(field);
        c.caption = QString::fromUtf8(caption);
        c.width = width;
        c.format = QString::fromUtf8(format);
        c.editable = editable;
        if (*format)
            c.alignment = Qt::AlignRight | Qt::AlignVCenter;
        return c;
    };
    const int name = cxGrdChosen->addColumn(column("mcheng", "组合项目名称", 220, "", false));
    const int price = cxGrdChosen->addColumn(column("sfjge", "应收", 90, "%.2f", false));
    cxGrdChosen->addColumn(column("zkou", "折扣", 90, "%.4f", true));
    const int received = cxGrdChosen->addColumn(column("ssje", "实收", 90, "%.2f", true));
    const int reduction = cxGrdChosen->addColumn(column("yhje", "优惠", 90, "%.2f", false));
    cxGrdChosen->addSummary({name, ui::GridSummary::Kind::Count, QStringLiteral("%d")});
    for (int c : {price, received, reduction})
        cxGrdChosen->addSummary({c, ui::GridSummary::Kind::Sum, QStringLiteral("%.2f")});
    Editor = new ui::WorkingTableEditor(this, Chosen, cxGrdChosen);
    Editor->exempt(EdtPyjma);
    Editor->onEnter = [this](const ui::WorkingTableEditor::Enter& e) { return EnterOnRow(e); };
}

QString TFZjXm_Add::chooseStatement(int zhxmid) const
{
    return SqlText::format("insert into #tjian_zjxm(zhxmid, mcheng, sfjge, zkou, ssje, yhje) select id, "
                           "isnull(mcheng, ''), sfjge, 1, sfjge, 0 from tjian_zhxmu_main where id=%d ",
                           zhxmid);
}

bool TFZjXm_Add::EnterOnRow(const ui::WorkingTableEditor::Enter& e)
{
    db::Query& q = Chosen.query();
    const db::Currency price = q.value(e.row, q.fieldIndex(QStringLiteral("sfjge"))).toCurrency();
    const db::Currency typed = AmountFromBoxText(e.text);
    std::optional<RowAmounts> row;
    if (e.field == QLatin1String("zkou")) {
        row = DiscountEntered(price, typed);
        if (!row) {
            ui::Dialogs::instance().warning(DiscountRangeMessage);
            return true;
        }
    } else if (e.field == QLatin1String("ssje")) {
        row = ReceivedEntered(price, typed);
    } else {
        return false;
    }
    if (!Editor->setRow(e.row, {{QStringLiteral("zkou"), row->zkou}, {QStringLiteral("ssje"), row->ssje},
                                {QStringLiteral("yhje"), row->yhje}}))
        return true;
    // From 折扣 on to 实收 of the row; from 实收 to 折扣 of the next row (the
    // last row goes back to the first).
    if (e.field == QLatin1String("zkou"))
        Editor->focus(e.row, QStringLiteral("ssje"));
    else
        Editor->focus(e.row + 1 < Editor->rowCount() ? e.row + 1 : 0, QStringLiteral("zkou"));
    return true;
}

void TFZjXm_Add::BtnOkClick()
{
    if (!cxGrdChosen->postEditedRow())
        return;
    db::Connection& c = TDM::instance().Connection();
    const std::vector<WorkingItem> rows = ReadWorkingItems(c, Chosen.name());
    if (rows.empty()) {
        ui::Dialogs::instance().warning(QStringLiteral("没有选择要增加的体检项目！"));
        EdtPyjma->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (const std::optional<RowFault> problem = CheckItemsToAdd(rows)) {
        Editor->focus(problem->row, QStringLiteral("zkou"));
        ui::Dialogs::instance().warning(QStringLiteral("错误信息：") + problem->message);
        return;
    }
    AddItemsToVisits(c, numbers(), rows, logger());
}

}  // namespace tj::registration
