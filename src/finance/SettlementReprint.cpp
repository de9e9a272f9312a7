#include "finance/SettlementReprint.h"

#include <QLabel>
#include <QPushButton>

namespace tj::finance {

SettlementReprint::SettlementReprint(const Texts& texts, QWidget* parent)
    : SettlementWindow(texts.caption, false, parent), texts_(texts)
{
    BtnCxrq = addButton(texts.pickCaption);
    BtnBd = addButton(QStringLiteral("补打(&B)"));
    connect(BtnCxrq, &QPushButton::clicked, this, &SettlementReprint::BtnCxrqClick);
    connect(BtnBd, &QPushButton::clicked, this, &SettlementReprint::BtnBdClick);
}

void SettlementReprint::FormShow()
{
    beginShow();
    const QDateTime today(serverNow().date(), QTime(0, 0));
    setPeriod({today, today});
    chosen_ = false;
    // A failed pick of an earlier showing disabled the button.
    BtnBd->setEnabled(true);
}

void SettlementReprint::BtnCxrqClick()
{
    const Choice c = choose();
    if (!c.picked)
        return;
    BtnBd->setEnabled(c.period.has_value());
    chosen_ = c.period.has_value();
    LbInfo->setText(c.message);
    if (c.period)
        setPeriod(*c.period);
}

void SettlementReprint::BtnBdClick()
{
    if (!chosen_) {
        LbInfo->setText(texts_.notChosen);
        return;
    }
    printSheet(period(), texts_.title, previewChecked());
}

}  // namespace tj::finance
