// The centre's key figures for a registration range in twenty named lines,
// with visits by status and income by settlement type as charts (体检数据查询).
#pragma once

#include "queries/ExamStatistics.h"
#include "reports/QueryWindow.h"

namespace tj::queries {

class QueryChart;

class TFPrint_TjsjCxun : public reports::QueryWindow {
    Q_OBJECT
public:
    explicit TFPrint_TjsjCxun(QWidget* parent = nullptr);

    bool Search() override;
    void FormShow() override;

    const StatisticsCounts& counts() const { return counts_; }

    QueryChart* ChartStatus = nullptr;  // visits by status
    QueryChart* ChartIncome = nullptr;  // income by settlement type

private:
    StatisticsCounts counts_;
};

}  // namespace tj::queries
