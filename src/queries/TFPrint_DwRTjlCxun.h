// Per unit and per day, the number of chief examinations in a range, with
// the day totals as a bar chart beside the list (按单位日体检量查询).
#pragma once

#include "reports/QueryWindow.h"

#include <QDate>
#include <vector>

namespace tj::queries {

class QueryChart;

class TFPrint_DwRTjlCxun : public reports::QueryWindow {
    Q_OBJECT
public:
    explicit TFPrint_DwRTjlCxun(QWidget* parent = nullptr);
    bool Search() override;
    // The days with a chief examination of a unit's current visit in the range.
    static QString DaysStatement(const QString& rangeStart, const QString& rangeEnd);
    // One column per day after the unit's name.
    static QString Statement(const std::vector<QDate>& days, const QString& rangeStart, const QString& rangeEnd);

    // The days of the last query that had a chief examination, ascending.
    const std::vector<QDate>& days() const { return days_; }

    QueryChart* Chart = nullptr;

private:
    void fillChart();

    std::vector<QDate> days_;
};

}  // namespace tj::queries
