#include "finance/TFSfyRjie.h"

#include "core/ServerClock.h"
#include "core/Session.h"
#include "core/TDM.h"
#include "platform/db/SqlText.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/ErrorHandler.h"

#include <QPushButton>
#include <QLabel>

namespace tj::finance {

using core::Session;
using core::TDM;
using db::SqlText;

namespace {

const QString SettledToday = QStringLiteral("今天已经日结过了，不需要重复日结！");
const QString PeriodChanged = QStringLiteral("本收费员已在其他窗口日结，收费日期已改变，请关闭本窗口后重新打开！");
const QString DailyTitle = QStringLiteral("日结帐清单");

bool settledOn(db::Connection& c, int userId, const QDate& day)
{
    return c.exists(SqlText::format("select * from tjian_sfei_rjie where yhid=%d and rqi='%s' ", userId,
                                    SettlementDayText(day)));
}

}  // namespace

TFSfyRjie::TFSfyRjie(QWidget* parent) : SettlementWindow(QStringLiteral("收费员日结"), false, parent)
{
    BtnRj = addButton(QStringLiteral("日结(&J)"));
    BtnCx = addButton(QStringLiteral("查询(&Q)"));
    connect(BtnRj, &QPushButton::clicked, this, &TFSfyRjie::BtnRjClick);
    connect(BtnCx, &QPushButton::clicked, this, &TFSfyRjie::BtnCxClick);
}

void TFSfyRjie::FormShow()
{
    beginShow();
    cutOff_.reset();
    BtnRj->setEnabled(false);
    db::Connection& c = TDM::instance().Connection();
    const Session& s = Session::current();
    const QDateTime now = serverNow();
    const QDate today = now.date();
    setEnd(now);
    setStart(QDateTime(today, QTime(0, 0)));

    if (!parametersSet())
        return;
    try {
        MonthEndCutOff(s.MonthEndSetting, today);
    } catch (const MonthEndSettingError& e) {
        // The window opens without a period; nothing can be recorded.
        ui::ErrorHandler::handle(e);
        return;
    }

    const bool settled = settledOn(c, s.CurrentUserId, today);
    const QDateTime start = NextDailyStart(LatestDailySettlement(c, s.CurrentUserId), s.SoftwareStartTime);
    setStart(start);
    cutOff_ = CutOffForPeriod(s.MonthEndSetting, today, {start, now});
    if (settled) {
        LbInfo->setText(SettledToday);
        return;
    }
    if (!start.isValid()) {
        // Only the first settlement starts at the parameter; its text was edited outside the program.
        LbInfo->setText(QStringLiteral("软件启用时间不是有效的日期时间，请到参数设置中检查！"));
        return;
    }
    if (start > now) {
        LbInfo->setText(QStringLiteral("日结开始时间（%1）晚于当前时间，不能日结！").arg(SettlementTimeText(start)));
        return;
    }
    BtnRj->setEnabled(true);
}

bool TFSfyRjie::recordParts(const std::vector<Period>& parts)
{
    db::Connection& c = TDM::instance().Connection();
    const Session& s = Session::current();
    db::Transaction t(c);
    // Another window of the same cashier may have settled since this one opened.
    const QDate today = core::ServerToday(c).date();
    if (settledOn(c, s.CurrentUserId, today)) {
        refuse(SettledToday);
        return false;
    }
    if (NextDailyStart(LatestDailySettlement(c, s.CurrentUserId), s.SoftwareStartTime) != parts.front().start) {
        refuse(PeriodChanged);
        return false;
    }
    const QString rqi = SettlementTimeText(QDateTime(today, QTime(0, 0)));
    for (const Period& p : parts)
        c.execute(SqlText::format("insert into tjian_sfei_rjie(yhid, rqi, kssjian, jssjian) values(%d, '%s', '%s', '%s') ",
                                  s.CurrentUserId, rqi, SettlementTimeText(p.start), SettlementTimeText(p.end)));
    t.commit();
    return true;
}

void TFSfyRjie::BtnRjClick()
{
    if (!cutOff_)
        return;
    if (!ui::Dialogs::instance().confirm(QStringLiteral("每天只能日结一次，是否日结？")))
        return;
    BtnRj->setEnabled(false);
    const std::vector<Period> parts = SplitAtCutOff(period(), *cutOff_);
    // Both parts of a split day are recorded together or not at all, before
    // anything is printed.
    if (!recordParts(parts))
        return;
    for (const Period& p : parts)
        printSheet(p, DailyTitle, previewChecked());
}

void TFSfyRjie::BtnCxClick()
{
    printSheet(period(), QStringLiteral("日结帐清单（查询）"), true);
}

}  // namespace tj::finance
