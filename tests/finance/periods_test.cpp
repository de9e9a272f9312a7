// The settlement periods worked out alone: the month-end cut-off, the split
// of a daily period at it, the next period's start, and the start and end of
// a month in the daily settlements of its boundary days.
#include "finance/SettlementPeriods.h"

#include <gtest/gtest.h>
#include <map>

using namespace tj::finance;

namespace {

QDateTime at(const char* text)
{
    const QDateTime t = QDateTime::fromString(QString::fromUtf8(text), SettlementTimeFormat);
    EXPECT_TRUE(t.isValid()) << text;
    return t;
}

QString partsText(const std::vector<Period>& parts)
{
    QStringList out;
    for (const Period& p : parts)
        out << SettlementTimeText(p.start) + QStringLiteral(" ~ ") + SettlementTimeText(p.end);
    return out.join(QStringLiteral(" | "));
}

DailySettlement day(const char* rqi, const char* from, const char* to)
{
    return {QDate::fromString(QString::fromUtf8(rqi), QStringLiteral("yyyy-MM-dd")), at(from), at(to)};
}

struct DailyCase {
    const char* name;
    const char* setting;
    const char* latestEnd;  // nullptr: the cashier's first settlement
    const char* now;        // the end of the period; its day is the server's today
    const char* parts;
};

const char* const SoftwareStart = "2024-05-20 08:00:00";

const DailyCase dailyCases[] = {
    {"first settlement starts at the software start", "25 18:00:00", nullptr, "2024-05-22 17:00:00",
     "2024-05-20 08:00:00 ~ 2024-05-22 17:00:00"},
    {"period before the cut-off", "25 18:00:00", "2024-05-24 17:00:00", "2024-05-25 12:00:00",
     "2024-05-24 17:00:00 ~ 2024-05-25 12:00:00"},
    {"period within the cut-off day", "25 18:00:00", "2024-05-25 09:00:00", "2024-05-25 20:00:00",
     "2024-05-25 09:00:00 ~ 2024-05-25 18:00:00 | 2024-05-25 18:00:00 ~ 2024-05-25 20:00:00"},
    {"period across the cut-off day", "25 18:00:00", "2024-05-24 20:00:00", "2024-05-26 10:00:00",
     "2024-05-24 20:00:00 ~ 2024-05-25 18:00:00 | 2024-05-25 18:00:00 ~ 2024-05-26 10:00:00"},
    {"period starting at the cut-off", "25 18:00:00", "2024-05-25 18:00:00", "2024-05-26 09:00:00",
     "2024-05-25 18:00:00 ~ 2024-05-25 18:00:00 | 2024-05-25 18:00:00 ~ 2024-05-26 09:00:00"},
    {"period ending at the cut-off", "25 18:00:00", "2024-05-25 08:00:00", "2024-05-25 18:00:00",
     "2024-05-25 08:00:00 ~ 2024-05-25 18:00:00 | 2024-05-25 18:00:00 ~ 2024-05-25 18:00:00"},
    {"period after the cut-off", "25 18:00:00", "2024-05-25 19:00:00", "2024-05-26 10:00:00",
     "2024-05-25 19:00:00 ~ 2024-05-26 10:00:00"},
    {"month end on the first of March in a leap year", "月底 18:00:00", "2024-02-29 10:00:00", "2024-03-01 09:00:00",
     "2024-02-29 10:00:00 ~ 2024-02-29 18:00:00 | 2024-02-29 18:00:00 ~ 2024-03-01 09:00:00"},
    {"month end on the first of March in a common year", "月底 18:00:00", "2023-02-28 10:00:00",
     "2023-03-01 09:00:00",
     "2023-02-28 10:00:00 ~ 2023-02-28 18:00:00 | 2023-02-28 18:00:00 ~ 2023-03-01 09:00:00"},
    {"month end on New Year's day", "月底 17:30:00", "2023-12-31 08:00:00", "2024-01-01 08:00:00",
     "2023-12-31 08:00:00 ~ 2023-12-31 17:30:00 | 2023-12-31 17:30:00 ~ 2024-01-01 08:00:00"},
    {"a cut-off on day 1 passed since the previous settlement", "1 00:00:00", "2024-05-31 20:00:00",
     "2024-06-01 08:00:00", "2024-05-31 20:00:00 ~ 2024-06-01 00:00:00 | 2024-06-01 00:00:00 ~ 2024-06-01 08:00:00"},
    {"a cut-off on day 1 not reached yet", "1 09:00:00", "2024-05-31 20:00:00", "2024-06-01 08:00:00",
     "2024-05-31 20:00:00 ~ 2024-06-01 08:00:00"},
    {"a cut-off on day 1 settled the day after", "1 00:00:00", "2024-06-01 08:00:00", "2024-06-02 08:00:00",
     "2024-06-01 08:00:00 ~ 2024-06-02 08:00:00"},
};

class DailyPeriods : public ::testing::TestWithParam<DailyCase> {};

TEST_P(DailyPeriods, SplitAtTheMonthEndCutOff)
{
    const DailyCase& c = GetParam();
    std::optional<DailySettlement> latest;
    if (c.latestEnd)
        latest = DailySettlement{at(c.latestEnd).date(), at("2024-01-01 00:00:00"), at(c.latestEnd)};
    const QDateTime now = at(c.now);
    const Period period{NextDailyStart(latest, at(SoftwareStart)), now};
    const QDateTime cut = CutOffForPeriod(QString::fromUtf8(c.setting), now.date(), period);
    EXPECT_EQ(partsText(SplitAtCutOff(period, cut)), QString::fromUtf8(c.parts));
}

INSTANTIATE_TEST_SUITE_P(Table, DailyPeriods, ::testing::ValuesIn(dailyCases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(MonthEndCutOff, SettingsThatMakeNoDateTimeAreRefused)
{
    const QDate today(2024, 3, 1);  // yesterday is in February of a leap year
    EXPECT_EQ(MonthEndCutOff(QStringLiteral("29 18:00:00"), today), at("2024-02-29 18:00:00"));
    EXPECT_EQ(MonthEndCutOff(QStringLiteral("5 8:05:00"), today), at("2024-02-05 08:05:00"));
    for (const char* bad : {"abc 18:00:00", "30 18:00:00", "0 18:00:00", "-1 18:00:00", "25 25:00:00", "25 18点",
                            "25", "", "月末 18:00:00"}) {
        SCOPED_TRACE(bad);
        try {
            MonthEndCutOff(QString::fromUtf8(bad), today);
            ADD_FAILURE() << "no error";
        } catch (const MonthEndSettingError& e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("参数设置"))) << e.what();
        }
    }
}

TEST(MonthBoundaries, StartAndEndInTheDailySettlementsOfTheBoundaryDays)
{
    // A split day: the later part begins at the cut-off, the earlier ends there.
    const std::vector<DailySettlement> splitByStartDesc = {
        day("2024-05-25", "2024-05-25 18:00:00", "2024-05-25 20:00:00"),
        day("2024-05-25", "2024-05-24 20:00:00", "2024-05-25 18:00:00")};
    const std::vector<DailySettlement> splitByEnd = {splitByStartDesc[1], splitByStartDesc[0]};
    EXPECT_EQ(MonthStartInDay(splitByStartDesc), at("2024-05-25 18:00:00"));
    EXPECT_EQ(MonthEndInDay(splitByEnd), at("2024-05-25 18:00:00"));

    // An ordinary day: the month starts where that day's settlement ended.
    const std::vector<DailySettlement> single = {day("2024-05-27", "2024-05-26 19:00:00", "2024-05-27 19:30:00")};
    EXPECT_EQ(MonthStartInDay(single), at("2024-05-27 19:30:00"));
    EXPECT_EQ(MonthEndInDay(single), at("2024-05-27 19:30:00"));

    EXPECT_EQ(MonthStartInDay({}), std::nullopt);
    EXPECT_EQ(MonthEndInDay({}), std::nullopt);
}

TEST(MonthBoundaries, ReprintDerivesThePeriodAgain)
{
    // The cashier's days: his first on 04-02, a split day on 04-25, and 05-25.
    const DailySettlement first = day("2024-04-02", "2024-04-01 08:00:00", "2024-04-02 18:00:00");
    const std::map<QDate, std::vector<DailySettlement>> byStartDesc = {
        {QDate(2024, 4, 2), {first}},
        {QDate(2024, 4, 25),
         {day("2024-04-25", "2024-04-25 18:00:00", "2024-04-25 19:00:00"),
          day("2024-04-25", "2024-04-24 18:00:00", "2024-04-25 18:00:00")}},
        {QDate(2024, 5, 25), {day("2024-05-25", "2024-05-24 19:00:00", "2024-05-25 19:10:00")}},
    };
    auto startRows = [&](const QDate& d) {
        const auto it = byStartDesc.find(d);
        return it == byStartDesc.end() ? std::vector<DailySettlement>{} : it->second;
    };
    auto endRows = [&](const QDate& d) {
        auto rows = startRows(d);
        std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.jssjian < b.jssjian; });
        return rows;
    };
    auto period = [&](const QDate& ks, const QDate& js) {
        return MonthReprintPeriod(first, ks, js, startRows, endRows);
    };

    // First month: from the start of the first daily settlement to the cut-off.
    auto m = period(QDate(2024, 4, 2), QDate(2024, 4, 25));
    ASSERT_TRUE(m.period) << m.message.toStdString();
    EXPECT_EQ(m.period->start, at("2024-04-01 08:00:00"));
    EXPECT_EQ(m.period->end, at("2024-04-25 18:00:00"));
    // The next month starts at that cut-off, not at the start of the split day.
    m = period(QDate(2024, 4, 25), QDate(2024, 5, 25));
    ASSERT_TRUE(m.period);
    EXPECT_EQ(m.period->start, at("2024-04-25 18:00:00"));
    EXPECT_EQ(m.period->end, at("2024-05-25 19:10:00"));

    EXPECT_EQ(period(QDate(2024, 4, 20), QDate(2024, 5, 25)).message, QStringLiteral("月结开始日期没有日结！"));
    EXPECT_EQ(period(QDate(2024, 4, 25), QDate(2024, 5, 20)).message, QStringLiteral("月结结束日期没有日结！"));
    const auto none = MonthReprintPeriod(std::nullopt, QDate(2024, 4, 2), QDate(2024, 4, 25), startRows, endRows);
    EXPECT_FALSE(none.period);
    EXPECT_EQ(none.message, QStringLiteral("此用户没有日结过！"));
}

}  // namespace
