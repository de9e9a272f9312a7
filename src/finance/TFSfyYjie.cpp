#include "finance/TFSfyYjie.h"

#include "core/ServerClock.h"
#include "core/Session.h"
#include "core/TDM.h"
#include "finance/SettlementPicker.h"
#include "platform/db/SqlText.h"
#include "platform/ui/Dialogs.h"

#include <QLabel>
#include <QPushButton>

namespace tj::finance {

using core::Session;
using core::TDM;
using db::SqlText;

namespace {

const QString SettledToday = QStringLiteral("今天已经月结过了，不需要重复月结！");
const QString PeriodChanged = QStringLiteral("本收费员已在其他窗口月结，月结日期已改变，请关闭本窗口后重新打开！");

bool monthSettledOn(db::Connection& c, int userId, const QDate& day)
{
    return c.exists(SqlText::format("select * from tjian_sfei_yjie where rqi='%s' and yhid=%d ", SettlementDayText(day), userId));
}

// The id of the cashier's latest monthly settlement (0: none) and the day it ended.
std::pair<int, QDate> latestMonth(db::Connection& c, int userId)
{
    const db::ResultSet rs =
        c.query(SqlText::format("select * from tjian_sfei_yjie where yhid=%d order by rqi desc ", userId));
    if (rs.isEmpty())
        return {0, QDate()};
    return {int(rs.value(0, QStringLiteral("id")).toInteger()), rs.value(0, QStringLiteral("jsrqi")).toDateTime().date()};
}

}  // namespace

TFSfyYjie::TFSfyYjie(QWidget* parent) : SettlementWindow(QStringLiteral("收费员月结"), true, parent)
{
    BtnYj = addButton(QStringLiteral("月结(&J)"));
    BtnCx = addButton(QStringLiteral("查询(&Q)"));
    connect(BtnKsrq, &QPushButton::clicked, this, &TFSfyYjie::BtnKsrqClick);
    connect(BtnJsrq, &QPushButton::clicked, this, &TFSfyYjie::BtnJsrqClick);
    connect(BtnYj, &QPushButton::clicked, this, &TFSfyYjie::BtnYjClick);
    connect(BtnCx, &QPushButton::clicked, this, &TFSfyYjie::BtnCxClick);
}

void TFSfyYjie::FormShow()
{
    beginShow();
    startFound_ = endFound_ = settledToday_ = false;
    previousMonthId_ = 0;
    BtnYj->setEnabled(false);
    BtnKsrq->setEnabled(false);
    BtnJsrq->setEnabled(false);
    db::Connection& c = TDM::instance().Connection();
    const Session& s = Session::current();
    const QDateTime now = serverNow();
    const QDate today = now.date();
    startDate_ = endDate_ = today;
    setPeriod({QDateTime(today, QTime(0, 0)), now});

    if (!parametersSet())
        return;

    // The "..." pickers serve the cashier's first month only.
    const bool firstMonth = !c.exists(SqlText::format("select * from tjian_sfei_yjie where yhid=%d ", s.CurrentUserId));
    BtnKsrq->setEnabled(firstMonth);
    BtnJsrq->setEnabled(firstMonth);
    settledToday_ = monthSettledOn(c, s.CurrentUserId, today);

    // Start: in the daily settlements of the day on which the previous month ended.
    const auto [previousId, previousEnd] = latestMonth(c, s.CurrentUserId);
    previousMonthId_ = previousId;
    setStart(now);
    if (previousId != 0) {
        startDate_ = previousEnd;
        if (const auto start = MonthStartInDay(DailySettlementsByStartDescending(c, s.CurrentUserId, startDate_))) {
            setStart(*start);
            startFound_ = true;
        } else {
            LbInfo->setText(QStringLiteral("月结开始日期没有日结！"));
        }
    }

    // End: in today's daily settlements.
    if (const auto end = MonthEndInDay(DailySettlementsByEnd(c, s.CurrentUserId, endDate_))) {
        setEnd(*end);
        endFound_ = true;
    } else {
        LbInfo->setText(QStringLiteral("当天没有日结！"));
    }
    updateEnabling();
}

void TFSfyYjie::updateEnabling()
{
    bool enabled = !settledToday_ && startFound_ && endFound_;
    if (enabled && periodStart() > periodEnd()) {
        LbInfo->setText(QStringLiteral("月结开始时间晚于结束时间，请重新选择！"));
        enabled = false;
    }
    BtnYj->setEnabled(enabled);
}

void TFSfyYjie::BtnKsrqClick()
{
    pickBoundary(true);
}

void TFSfyYjie::BtnJsrqClick()
{
    pickBoundary(false);
}

void TFSfyYjie::pickBoundary(bool start)
{
    const auto day = PickSettlement<TFRjRqCxun>(this, Session::current().CurrentUserId);
    if (!day)
        return;
    // The month begins where the chosen daily settlement begins, or ends where it ends.
    if (start) {
        setStart(day->kssjian);
        startDate_ = day->rqi;
        startFound_ = true;
    } else {
        setEnd(day->jssjian);
        endDate_ = day->rqi;
        endFound_ = true;
    }
    LbInfo->clear();
    updateEnabling();
}

bool TFSfyYjie::record()
{
    db::Connection& c = TDM::instance().Connection();
    const Session& s = Session::current();
    db::Transaction t(c);
    // Another window of the same cashier may have settled the month since this one opened.
    const QDate today = core::ServerToday(c).date();
    QString refusal;
    if (monthSettledOn(c, s.CurrentUserId, today))
        refusal = SettledToday;
    else if (latestMonth(c, s.CurrentUserId).first != previousMonthId_)
        refusal = PeriodChanged;
    if (!refusal.isEmpty()) {
        refuse(refusal);
        return false;
    }
    c.execute(SqlText::format("insert into tjian_sfei_yjie(yhid, rqi, ksrqi, jsrqi) values(%d, '%s', '%s', '%s') ",
                              s.CurrentUserId, SettlementDayText(today), SettlementDayText(startDate_), SettlementDayText(endDate_)));
    t.commit();
    return true;
}

void TFSfyYjie::BtnYjClick()
{
    if (!ui::Dialogs::instance().confirm(QStringLiteral("每天只能月结一次，是否月结？")))
        return;
    BtnYj->setEnabled(false);
    if (!record())
        return;
    printSheet(period(), QStringLiteral("月结帐清单"), previewChecked());
}

void TFSfyYjie::BtnCxClick()
{
    printSheet(period(), QStringLiteral("月结帐清单（查询）"), true);
}

}  // namespace tj::finance
