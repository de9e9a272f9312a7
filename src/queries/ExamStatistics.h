// The twenty key figures of the examination statistics for a registration
// range, computed one by one from small counts and written as lines of the
// working table #tjian_sjcxun (id, tjxmmcheng, szhi).
#pragma once

#include "platform/db/Connection.h"
#include "platform/db/Currency.h"

#include <QString>
#include <functional>
#include <vector>

namespace tj::queries {

// The counts the figures are made of.
struct StatisticsCounts {
    qint64 persons = 0;     // line 1: every person filed
    qint64 A = 0;           // visits registered in the range
    qint64 N1 = 0, N2 = 0, N3 = 0;  // of those, not cancelled, 未检 / 检中 / 检完
    qint64 X = 0;           // visits cancelled in the range
    qint64 Z = 0;           // different combined items of the range's visits
    qint64 Zc = 0;          // of those, examined at least once
    qint64 I = 0;           // different items
    db::Currency S;         // received amounts of the lines in force
    db::Currency T;         // list amounts of the lines in force
};

struct StatisticsLine {
    QString name;
    QString value;
};

// The twenty lines from the counts. Every computed value is rounded to four
// decimals, then written with two; a divisor that is zero or less gives 0.00
// (percentages: 0.00％).
std::vector<StatisticsLine> StatisticsLines(const StatisticsCounts& counts);

// Drops any earlier copy of #tjian_sjcxun and creates it empty.
void CreateStatisticsTable(db::Connection& c);

// The statement of line k (0-based) for the day range; empty for the lines
// computed from the counts of others.
QString StatisticsStatement(int line, const QString& rangeStart, const QString& rangeEnd);

// Called before each of the twenty lines (0-based); false stops.
using StatisticsStep = std::function<bool(int line)>;

// Empties the table and fills it line by line for the range, running each
// figure's statement as it comes. When the step stops the work the table is
// emptied again and false is returned; counts then holds what was read.
bool RunExamStatistics(db::Connection& c, const QString& rangeStart, const QString& rangeEnd, StatisticsCounts& counts,
                       const StatisticsStep& step = {});

// Received amounts of the range's visits by settlement type (现结, 记帐, and
// 其他 for any other value), in that order, leaving out empty ones.
std::vector<std::pair<QString, db::Currency>> IncomeBySettlement(db::Connection& c, const QString& rangeStart,
                                                                 const QString& rangeEnd);

}  // namespace tj::queries
