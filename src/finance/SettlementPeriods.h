// The periods of the cashiers' settlements, worked out without any window:
// the month-end cut-off, the split of a daily period at it, where the next
// daily period starts, and where a monthly period starts and ends in the
// daily settlements of its boundary days (also when a month is printed
// again). The statements that read the stored settlements are here too, so
// that every window reads them the same way.
//
//   QDateTime cut = MonthEndCutOff(session.MonthEndSetting, serverToday);
//   Period day{NextDailyStart(LatestDailySettlement(c, userId), session.SoftwareStartTime), now};
//   for (const Period& part : SplitAtCutOff(day, cut)) ...   // one or two rows of today
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

namespace tj::db {
class Connection;
}

namespace tj::finance {

// Times in statements and on the sheet: "yyyy-mm-dd hh:nn:ss".
inline const QString SettlementTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");
QString SettlementTimeText(const QDateTime& t);
// Days in statements: "yyyy-mm-dd".
QString SettlementDayText(const QDate& day);

// A month-end setting that gives no date and time (edited outside the
// program): the day part is no day of that month, or the time part no time.
class MonthEndSettingError : public std::runtime_error {
public:
    explicit MonthEndSettingError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

// The month-end cut-off: the setting is a day ("月底" for the month's last
// day, or a day number) and a time of day separated by a blank, taken in the
// month of the day before `serverToday`. Throws MonthEndSettingError when
// the text makes no date and time.
QDateTime MonthEndCutOff(const QString& monthEndSetting, const QDate& serverToday);

// A settlement period; both ends belong to it.
struct Period {
    QDateTime start;
    QDateTime end;
    bool operator==(const Period&) const = default;
};

// The parts recorded for a daily period: the period itself when the cut-off
// lies before its start or after its end, otherwise [start, cut-off] and
// [cut-off, end] (a cut-off equal to the start or the end splits too, one
// part then covering no time).
std::vector<Period> SplitAtCutOff(const Period& period, const QDateTime& cutOff);

// The cut-off that splits a daily period ending on `serverToday`: the one of
// MonthEndCutOff, except on the first of a month when only the new month's
// cut-off lies within the period (a cut-off on day 1 passed since the
// previous settlement), so that no daily period straddles a month boundary.
// Throws MonthEndSettingError as MonthEndCutOff does.
QDateTime CutOffForPeriod(const QString& monthEndSetting, const QDate& serverToday, const Period& period);

// One row of tjian_sfei_rjie.
struct DailySettlement {
    QDate rqi;  // the server day on which it was made
    QDateTime kssjian;
    QDateTime jssjian;
};

// Where a cashier's next daily period starts: at the end of his latest
// settlement, or at the software's start moment before his first one.
QDateTime NextDailyStart(const std::optional<DailySettlement>& latest, const QDateTime& softwareStart);

// Where a month starts in the daily settlements of its first day, given in
// the order "kssjian desc": on a split day (exactly two rows) at the start of
// the later part, i.e. at the cut-off; otherwise at the end of the day's
// latest settlement. Nothing when the day has no settlement.
std::optional<QDateTime> MonthStartInDay(const std::vector<DailySettlement>& byStartDescending);
// Where a month ends in the daily settlements of its last day, given in the
// order "jssjian": at the end of the earliest-ending one (on a split day the
// cut-off). Nothing when the day has no settlement.
std::optional<QDateTime> MonthEndInDay(const std::vector<DailySettlement>& byEnd);

// The daily settlements of one day of a cashier, in the order a rule needs.
using DayRows = std::function<std::vector<DailySettlement>(const QDate& day)>;

// A stored monthly settlement printed again: its period derived from the
// stored days by the rules of the settlement itself. For the cashier's first
// month (his first daily settlement made on the start day) the period starts
// where that settlement starts. `message` tells why there is no period.
struct MonthReprint {
    std::optional<Period> period;
    QString message;
};
MonthReprint MonthReprintPeriod(const std::optional<DailySettlement>& firstDaily, const QDate& ksrqi,
                                const QDate& jsrqi, const DayRows& startDayByStartDescending,
                                const DayRows& endDayByEnd);

// Reading the stored daily settlements of a cashier.
// "select * from tjian_sfei_rjie where yhid=%d order by rqi desc,jssjian desc ": the first row.
std::optional<DailySettlement> LatestDailySettlement(db::Connection& c, int userId);
// "select top 1 * from tjian_sfei_rjie where yhid=%d order by kssjian".
std::optional<DailySettlement> FirstDailySettlement(db::Connection& c, int userId);
// "select * from tjian_sfei_rjie where rqi='%s' and yhid=%d order by kssjian desc ".
std::vector<DailySettlement> DailySettlementsByStartDescending(db::Connection& c, int userId, const QDate& day);
// "select * from tjian_sfei_rjie where rqi='%s' and yhid=%d order by jssjian ".
std::vector<DailySettlement> DailySettlementsByEnd(db::Connection& c, int userId, const QDate& day);

}  // namespace tj::finance
