#include "finance/SettlementPeriods.h"

#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "schema/Names.h"

namespace tj::finance {

using db::SqlText;

QString SettlementTimeText(const QDateTime& t)
{
    return t.toString(SettlementTimeFormat);
}

QString SettlementDayText(const QDate& day)
{
    return day.toString(QStringLiteral("yyyy-MM-dd"));
}

namespace {

// The cut-off in the month of `inMonth`.
QDateTime cutOffInMonth(const QString& monthEndSetting, const QDate& inMonth)
{
    const int blank = monthEndSetting.indexOf(QLatin1Char(' '));
    const QString dayPart = (blank < 0 ? monthEndSetting : monthEndSetting.left(blank)).trimmed();
    const QString timePart = blank < 0 ? QString() : monthEndSetting.mid(blank + 1).trimmed();

    int day = 0;
    if (dayPart == schema::MonthEndLastDay) {
        day = inMonth.daysInMonth();
    } else {
        bool ok = false;
        day = dayPart.toInt(&ok);
        if (!ok)
            day = 0;
    }
    // QDate refuses day 0 and days beyond the month's end.
    const QDate date(inMonth.year(), inMonth.month(), day);
    QTime time = QTime::fromString(timePart, QStringLiteral("H:mm:ss"));
    if (!time.isValid())
        time = QTime::fromString(timePart, QStringLiteral("H:mm"));
    if (!date.isValid() || !time.isValid()) {
        const QString formed = QStringLiteral("%1-%2-%3 %4")
                                   .arg(inMonth.year())
                                   .arg(inMonth.month(), 2, 10, QLatin1Char('0'))
                                   .arg(dayPart, timePart);
        throw MonthEndSettingError(
            QStringLiteral("月结设置“%1”换算出的“%2”不是有效的日期时间，请到参数设置中重新设置！")
                .arg(monthEndSetting, formed));
    }
    return QDateTime(date, time);
}

bool within(const Period& p, const QDateTime& t)
{
    return p.start <= t && t <= p.end;
}

}  // namespace

QDateTime MonthEndCutOff(const QString& monthEndSetting, const QDate& serverToday)
{
    return cutOffInMonth(monthEndSetting, serverToday.addDays(-1));
}

QDateTime CutOffForPeriod(const QString& monthEndSetting, const QDate& serverToday, const Period& period)
{
    const QDateTime cutOff = MonthEndCutOff(monthEndSetting, serverToday);
    if (serverToday.day() != 1 || within(period, cutOff))
        return cutOff;
    try {
        const QDateTime newMonth = cutOffInMonth(monthEndSetting, serverToday);
        if (within(period, newMonth))
            return newMonth;
    } catch (const MonthEndSettingError&) {
        // A day the new month lacks cannot have passed in it.
    }
    return cutOff;
}

std::vector<Period> SplitAtCutOff(const Period& period, const QDateTime& cutOff)
{
    if (!within(period, cutOff))
        return {period};
    return {Period{period.start, cutOff}, Period{cutOff, period.end}};
}

QDateTime NextDailyStart(const std::optional<DailySettlement>& latest, const QDateTime& softwareStart)
{
    return latest ? latest->jssjian : softwareStart;
}

std::optional<QDateTime> MonthStartInDay(const std::vector<DailySettlement>& byStartDescending)
{
    if (byStartDescending.empty())
        return std::nullopt;
    // The later part of a split day begins at the cut-off.
    if (byStartDescending.size() == 2)
        return byStartDescending.front().kssjian;
    return byStartDescending.front().jssjian;
}

std::optional<QDateTime> MonthEndInDay(const std::vector<DailySettlement>& byEnd)
{
    if (byEnd.empty())
        return std::nullopt;
    return byEnd.front().jssjian;
}

MonthReprint MonthReprintPeriod(const std::optional<DailySettlement>& firstDaily, const QDate& ksrqi,
                                const QDate& jsrqi, const DayRows& startDayByStartDescending,
                                const DayRows& endDayByEnd)
{
    if (!firstDaily)
        return {std::nullopt, QStringLiteral("此用户没有日结过！")};
    std::optional<QDateTime> start;
    if (firstDaily->rqi == ksrqi) {
        start = firstDaily->kssjian;
    } else {
        start = MonthStartInDay(startDayByStartDescending(ksrqi));
        if (!start)
            return {std::nullopt, QStringLiteral("月结开始日期没有日结！")};
    }
    const std::optional<QDateTime> end = MonthEndInDay(endDayByEnd(jsrqi));
    if (!end)
        return {std::nullopt, QStringLiteral("月结结束日期没有日结！")};
    return {Period{*start, *end}, QString()};
}

namespace {

std::vector<DailySettlement> readRows(db::Connection& c, const QString& sql)
{
    const db::ResultSet rs = c.query(sql);
    std::vector<DailySettlement> rows;
    rows.reserve(rs.rows.size());
    for (std::size_t i = 0; i < rs.rows.size(); ++i)
        rows.push_back({rs.value(i, QStringLiteral("rqi")).toDateTime().date(),
                        rs.value(i, QStringLiteral("kssjian")).toDateTime(),
                        rs.value(i, QStringLiteral("jssjian")).toDateTime()});
    return rows;
}

std::optional<DailySettlement> firstOf(std::vector<DailySettlement> rows)
{
    if (rows.empty())
        return std::nullopt;
    return rows.front();
}

}  // namespace

std::optional<DailySettlement> LatestDailySettlement(db::Connection& c, int userId)
{
    return firstOf(
        readRows(c, SqlText::format("select * from tjian_sfei_rjie where yhid=%d order by rqi desc,jssjian desc ", userId)));
}

std::optional<DailySettlement> FirstDailySettlement(db::Connection& c, int userId)
{
    return firstOf(readRows(c, SqlText::format("select top 1 * from tjian_sfei_rjie where yhid=%d order by kssjian", userId)));
}

std::vector<DailySettlement> DailySettlementsByStartDescending(db::Connection& c, int userId, const QDate& day)
{
    return readRows(c, SqlText::format("select * from tjian_sfei_rjie where rqi='%s' and yhid=%d order by kssjian desc ",
                                       SettlementDayText(day), userId));
}

std::vector<DailySettlement> DailySettlementsByEnd(db::Connection& c, int userId, const QDate& day)
{
    return readRows(c, SqlText::format("select * from tjian_sfei_rjie where rqi='%s' and yhid=%d order by jssjian ",
                                       SettlementDayText(day), userId));
}

}  // namespace tj::finance
