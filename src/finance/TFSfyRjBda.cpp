#include "finance/TFSfyRjBda.h"

#include "core/Session.h"
#include "finance/SettlementPicker.h"

#include <QLabel>
#include <QPushButton>

namespace tj::finance {

TFSfyRjBda::TFSfyRjBda(QWidget* parent) : SettlementWindow(QStringLiteral("收费员日结补打"), false, parent)
{
    BtnCxrq = addButton(QStringLiteral("查询日结日期"));
    BtnBd = addButton(QStringLiteral("补打(&B)"));
    connect(BtnCxrq, &QPushButton::clicked, this, &TFSfyRjBda::BtnCxrqClick);
    connect(BtnBd, &QPushButton::clicked, this, &TFSfyRjBda::BtnBdClick);
}

void TFSfyRjBda::FormShow()
{
    beginShow();
    const QDateTime today(serverNow().date(), QTime(0, 0));
    setPeriod({today, today});
    chosen_ = false;
}

void TFSfyRjBda::BtnCxrqClick()
{
    const auto day = PickSettlement<TFRjRqCxun>(this, core::Session::current().CurrentUserId);
    if (!day)
        return;
    setPeriod({day->kssjian, day->jssjian});
    LbInfo->clear();
    chosen_ = true;
}

void TFSfyRjBda::BtnBdClick()
{
    if (!chosen_) {
        LbInfo->setText(QStringLiteral("请先查询日结日期，再进行补打！"));
        return;
    }
    printSheet(period(), QStringLiteral("日结帐清单（补打）"), previewChecked());
}

}  // namespace tj::finance
