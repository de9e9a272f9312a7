#include "finance/TFSfyYjBda.h"

#include "core/Session.h"
#include "core/TDM.h"
#include "finance/SettlementPicker.h"

#include <QLabel>
#include <QPushButton>

namespace tj::finance {

using core::Session;

TFSfyYjBda::TFSfyYjBda(QWidget* parent) : SettlementWindow(QStringLiteral("收费员月结补打"), false, parent)
{
    BtnCxrq = addButton(QStringLiteral("查询月结日期"));
    BtnBd = addButton(QStringLiteral("补打(&B)"));
    connect(BtnCxrq, &QPushButton::clicked, this, &TFSfyYjBda::BtnCxrqClick);
    connect(BtnBd, &QPushButton::clicked, this, &TFSfyYjBda::BtnBdClick);
}

void TFSfyYjBda::FormShow()
{
    beginShow();
    const QDateTime today(serverNow().date(), QTime(0, 0));
    setPeriod({today, today});
    chosen_ = false;
    // A failed query of an earlier showing disabled the button.
    BtnBd->setEnabled(true);
}

void TFSfyYjBda::BtnCxrqClick()
{
    const int userId = Session::current().CurrentUserId;
    const auto month = PickSettlement<TFYjRqCxun>(this, userId);
    if (!month)
        return;
    BtnBd->setEnabled(true);
    db::Connection& c = core::TDM::instance().Connection();
    const MonthReprint again = MonthReprintPeriod(
        FirstDailySettlement(c, userId), month->ksrqi, month->jsrqi,
        [&](const QDate& day) { return DailySettlementsByStartDescending(c, userId, day); },
        [&](const QDate& day) { return DailySettlementsByEnd(c, userId, day); });
    if (!again.period) {
        LbInfo->setText(again.message);
        BtnBd->setEnabled(false);
        chosen_ = false;
        return;
    }
    LbInfo->clear();
    setPeriod(*again.period);
    chosen_ = true;
}

void TFSfyYjBda::BtnBdClick()
{
    if (!chosen_) {
        LbInfo->setText(QStringLiteral("请先查询月结日期，再进行补打！"));
        return;
    }
    printSheet(period(), QStringLiteral("月结帐清单（补打）"), previewChecked());
}

}  // namespace tj::finance
