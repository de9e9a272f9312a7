#include "queries/TFPrint_DwRTjlCxun.h"

#include "core/TDM.h"
#include "platform/db/SqlText.h"
#include "platform/ui/DataGrid.h"
#include "queries/QueryChart.h"

#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

namespace tj::queries {

using db::SqlText;

TFPrint_DwRTjlCxun::TFPrint_DwRTjlCxun(QWidget* parent) : QueryWindow(QStringLiteral("按单位日体检量查询"), parent)
{
    addDateRange();
    // The list on the left, the day totals as bars on the right.
    auto* split = new QSplitter(Qt::Horizontal, this);
    body()->removeWidget(Grid);
    split->addWidget(Grid);
    Chart = new QueryChart(QStringLiteral("每日总检人数"), QueryChart::Kind::Bars, split);
    Chart->setList(Grid, [this] { return PrintTitle(); }, [this] { return PrintSubtitle(); });
    split->addWidget(Chart);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    body()->addWidget(split, 1);
}

bool TFPrint_DwRTjlCxun::Search()
{
    const QString b = rangeStart(), e = rangeEnd();
    db::Query& days = core::TDM::instance().QryCx();
    days.close();
    days.setSql(DaysStatement(b, e));
    days.open();
    days_.clear();
    for (int r = 0; r < days.recordCount(); ++r)
        days_.push_back(days.value(r, 0).toDateTime().date());
    days.close();
    // The statement gives the days in no particular order; they read ascending.
    std::sort(days_.begin(), days_.end());
    openResult(Statement(days_, b, e));
    if (!Qry.isEmpty())
        RebuildColumnsFromResult();
    fillChart();
    return true;
}

QString TFPrint_DwRTjlCxun::DaysStatement(const QString& b, const QString& e)
{
    return SqlText::format(
        "select dateadd(day, datediff(day, 0, c.zjlrsjian), 0) from tjian_sfei_main a   inner join tjian_ryuan b "
        "on b.id = a.ryid   inner join tjian_jguo_zjian c on c.tjhao = a.tjhao where a.zxbzhi=0 and b.dwid>0 and "
        "zjbzhi=1 and c.zjlrsjian between '%s' and '%s' group by dateadd(day, datediff(day, 0, c.zjlrsjian), 0) ",
        b, e);
}

QString TFPrint_DwRTjlCxun::Statement(const std::vector<QDate>& days, const QString& b, const QString& e)
{
    QString columns;
    for (const QDate& day : days)
        columns += SqlText::format(",sum((case when c.zjlrsjian between '%s' and '%s' then 1 else 0 end)) as [%s]",
                                   day.toString(QStringLiteral("yyyy-MM-dd 00:00:00")),
                                   day.toString(QStringLiteral("yyyy-MM-dd 23:59:59")),
                                   day.toString(QStringLiteral("yyyy-MM-dd")));
    return SqlText::format(
        "select d.mcheng as 单位名称 %s from tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid   inner "
        "join tjian_jguo_zjian c on c.tjhao=a.tjhao   inner join tjian_dwei d on d.id=b.dwid where a.zxbzhi=0 and "
        "b.dwid>0 and zjbzhi=1 and c.zjlrsjian between '%s' and '%s' group by d.mcheng ",
        columns, b, e);
}

void TFPrint_DwRTjlCxun::fillChart()
{
    std::vector<QueryChart::Point> points;
    if (Qry.isOpen() && !Qry.isEmpty()) {
        // Column k + 1 of the result is day k.
        for (std::size_t k = 0; k < days_.size(); ++k) {
            double total = 0;
            for (int r = 0; r < Qry.recordCount(); ++r)
                total += Qry.value(r, int(k) + 1).toDouble();
            points.push_back({days_[k].toString(QStringLiteral("yyyy-MM-dd")), total});
        }
    }
    Chart->setPoints(points);
}

}  // namespace tj::queries
