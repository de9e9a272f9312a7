#include "queries/TFPrint_TjsjCxun.h"

#include "core/TDM.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/Progress.h"
#include "queries/QueryChart.h"
#include "queries/QueryColumns.h"

#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

namespace tj::queries {

using core::TDM;

TFPrint_TjsjCxun::TFPrint_TjsjCxun(QWidget* parent) : QueryWindow(QStringLiteral("体检数据查询"), parent)
{
    addDateRange();
    AddColumns(*Grid, {{"id", "序号", 80, ColumnSpec::Whole}, {"tjxmmcheng", "统计项目名称", 300}, {"szhi", "数值（或百分比）", 200}});
    Grid->sortBy(0, true);

    auto* split = new QSplitter(Qt::Horizontal, this);
    body()->removeWidget(Grid);
    split->addWidget(Grid);
    auto* charts = new QSplitter(Qt::Vertical, split);
    ChartStatus = new QueryChart(QStringLiteral("体检人数（按状态）"), QueryChart::Kind::Pie, charts);
    ChartIncome = new QueryChart(QStringLiteral("收入（按结算方式，元）"), QueryChart::Kind::Bars, charts);
    for (QueryChart* chart : {ChartStatus, ChartIncome})
        chart->setList(Grid, [this] { return PrintTitle(); }, [this] { return PrintSubtitle(); });
    split->addWidget(charts);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    body()->addWidget(split, 1);
}

void TFPrint_TjsjCxun::FormShow()
{
    CreateStatisticsTable(TDM::instance().Connection());
    ChartStatus->setPoints({});
    ChartIncome->setPoints({});
}

bool TFPrint_TjsjCxun::Search()
{
    Qry.close();
    ChartStatus->setPoints({});
    ChartIncome->setPoints({});
    db::Connection& c = TDM::instance().Connection();
    bool finished = false;
    {
        ui::Progress progress(this, QStringLiteral("正在检索数据，请不要操作... ..."), 20);
        finished = RunExamStatistics(c, rangeStart(), rangeEnd(), counts_, [&](int line) { return progress.step(line); });
    }
    if (!finished)
        return false;
    openResult(QStringLiteral("select * from #tjian_sjcxun order by id "));
    ChartStatus->setPoints({{QStringLiteral("未检"), double(counts_.N1)},
                            {QStringLiteral("检中"), double(counts_.N2)},
                            {QStringLiteral("检完"), double(counts_.N3)},
                            {QStringLiteral("注销"), double(counts_.X)}});
    std::vector<QueryChart::Point> income;
    for (const auto& [name, amount] : IncomeBySettlement(c, rangeStart(), rangeEnd()))
        income.push_back({name, amount.rounded(2).toDouble()});
    ChartIncome->setPoints(income);
    return true;
}

}  // namespace tj::queries
