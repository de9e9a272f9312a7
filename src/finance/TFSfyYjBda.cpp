#include "finance/TFSfyYjBda.h"

#include "core/Session.h"
#include "core/TDM.h"
#include "finance/SettlementPicker.h"

namespace tj::finance {

TFSfyYjBda::TFSfyYjBda(QWidget* parent)
    : SettlementReprint({QStringLiteral("收费员月结补打"), QStringLiteral("查询月结日期"),
                         QStringLiteral("月结帐清单（补打）"), QStringLiteral("请先查询月结日期，再进行补打！")},
                        parent)
{
}

SettlementReprint::Choice TFSfyYjBda::choose()
{
    const int userId = core::Session::current().CurrentUserId;
    const auto month = PickSettlement<TFYjRqCxun>(this, userId);
    if (!month)
        return {};
    db::Connection& c = core::TDM::instance().Connection();
    const MonthReprint again = MonthReprintPeriod(
        FirstDailySettlement(c, userId), month->ksrqi, month->jsrqi,
        [&](const QDate& day) { return DailySettlementsByStartDescending(c, userId, day); },
        [&](const QDate& day) { return DailySettlementsByEnd(c, userId, day); });
    return {true, again.period, again.message};
}

}  // namespace tj::finance
