#include "queries/TFPrint_DwTjlCxun.h"

#include "platform/db/SqlText.h"

namespace tj::queries {

using db::SqlText;

TFPrint_DwTjlCxun::TFPrint_DwTjlCxun(QWidget* parent) : QueryWindow(QStringLiteral("按单位体检量查询"), parent)
{
    addDateRange();
}

bool TFPrint_DwTjlCxun::Search()
{
    openResult(Statement(rangeStart(), rangeEnd()));
    if (!Qry.isEmpty())
        RebuildColumnsFromResult();
    return true;
}

QString TFPrint_DwTjlCxun::Statement(const QString& b, const QString& e)
{
    // The range three times: chief examination, cancellation, registration.
    return SqlText::format(
        "select d.mcheng as 单位名称,   sum((case when a.zxbzhi=0 then 1 else 0 end)) as [全部],   sum((case when "
        "a.zxbzhi=0 and a.zjbzhi=0 and a.tjztai='未检' then 1 else 0 end)) as [未检],   sum((case when a.zxbzhi=0 "
        "and a.zjbzhi=0 and a.tjztai='检中' then 1 else 0 end)) as [检中],   sum((case when a.zxbzhi=0 and "
        "a.zjbzhi=1 and a.tjztai='检完' and c.zjlrsjian between '%s' and '%s' then 1 else 0 end)) as [检完],   "
        "sum((case when a.zxbzhi=1 and a.zxsjian between '%s' and '%s' then 1 else 0 end)) as [注销] from "
        "tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid   left join tjian_jguo_zjian c on "
        "c.tjhao=a.tjhao   inner join tjian_dwei d on d.id=b.dwid where b.dwid>0 and a.sfsjian between '%s' and "
        "'%s' group by d.mcheng ",
        b, e, b, e, b, e);
}

}  // namespace tj::queries
