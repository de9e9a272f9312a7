#include "finance/TFSfyRjBda.h"

#include "core/Session.h"
#include "finance/SettlementPicker.h"

namespace tj::finance {

TFSfyRjBda::TFSfyRjBda(QWidget* parent)
    : SettlementReprint({QStringLiteral("收费员日结补打"), QStringLiteral("查询日结日期"),
                         QStringLiteral("日结帐清单（补打）"), QStringLiteral("请先查询日结日期，再进行补打！")},
                        parent)
{
}

SettlementReprint::Choice TFSfyRjBda::choose()
{
    const auto day = PickSettlement<TFRjRqCxun>(this, core::Session::current().CurrentUserId);
    if (!day)
        return {};
    return {true, Period{day->kssjian, day->jssjian}, QString()};
}

}  // namespace tj::finance
