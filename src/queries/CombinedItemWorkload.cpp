#include "queries/CombinedItemWorkload.h"

#include "core/Session.h"
#include "core/TDM.h"
#include "platform/db/SqlText.h"
#include "platform/ui/DataGrid.h"
#include "queries/QueryColumns.h"

#include <QLabel>

namespace tj::queries {

using core::Session;
using db::SqlText;

CombinedItemWorkload::CombinedItemWorkload(const QString& caption, const QString& who, bool departmentColumn,
                                           QWidget* parent)
    : QueryWindow(caption, parent), QryKshi(core::TDM::instance().Connection()), who_(who)
{
    addDateRange();
    if (!who.isEmpty()) {
        LblWho = new QLabel(this);
        addFilter(QString(), LblWho);
    }
    if (departmentColumn) {
        QryKshi.setSql(QStringLiteral("select * from pub_kshi where kslbie in (11,12,13)"));
        openOnShow({&QryKshi});
        Grid->addLookupColumn(QStringLiteral("ksid"), QStringLiteral("科室名称"), QryKshi, QStringLiteral("id"),
                              QStringLiteral("mcheng"), 100);
    }
    AddColumns(*Grid, {{"mcheng", "组合项目名称", 200},
                       {"rci", "人次", 100, ColumnSpec::Whole},
                       {"sfjge", "收费价格", 120, ColumnSpec::Money},
                       {"sfje", "收费合计", 120, ColumnSpec::Money},
                       {"hsjge", "核算价格", 120, ColumnSpec::Money},
                       {"hsje", "核算合计", 120, ColumnSpec::Money}});
    const int first = departmentColumn ? 1 : 0;
    Grid->addSummary({first, ui::GridSummary::Kind::Count, QStringLiteral("0")});
    Grid->addSummary({first + 3, ui::GridSummary::Kind::Sum, QStringLiteral("%.2f")});
    Grid->addSummary({first + 5, ui::GridSummary::Kind::Sum, QStringLiteral("%.2f")});
}

void CombinedItemWorkload::FormShow()
{
    if (LblWho)
        LblWho->setText(who_ + WhoName());
}

bool CombinedItemWorkload::Search()
{
    return openResult(Statement(rangeStart(), rangeEnd()));
}

namespace {
// Every department's combined items, or those of one doctor's result rows
// (filter "a.tjysid=%d and ").
QString byDepartmentStatement(const QString& filter, const QString& b, const QString& e)
{
    return SqlText::format(
        "select c.ksid, c.id, c.mcheng, count(distinct a.tjhao) as rci,   max(c.sfjge) as sfjge, "
        "max(c.sfjge)*count(distinct a.tjhao) as sfje,   max(c.hsjge) as hsjge, max(c.hsjge)*count(distinct "
        "a.tjhao) as hsje from tjian_jguo a   inner join tjian_sfei_main b on b.tjhao=a.tjhao   inner join "
        "tjian_zhxmu_main c on c.id=a.zhxmid where a.jcbzhi=1 and b.zxbzhi=0 and %sb.sfsjian between '%s' and '%s' "
        "group by c.ksid,c.id,c.mcheng order by c.ksid ",
        filter, b, e);
}
}  // namespace

TFPrint_KsYsGzlBbiao::TFPrint_KsYsGzlBbiao(QWidget* parent)
    : CombinedItemWorkload(QStringLiteral("科室医生工作量报表"), QString(), true, parent)
{
}

QString TFPrint_KsYsGzlBbiao::Statement(const QString& b, const QString& e) const
{
    return StatementFor(b, e);
}

QString TFPrint_KsYsGzlBbiao::StatementFor(const QString& b, const QString& e)
{
    return byDepartmentStatement(QString(), b, e);
}

TFPrint_KsGzlBbiao::TFPrint_KsGzlBbiao(QWidget* parent)
    : CombinedItemWorkload(QStringLiteral("科室工作量统计报表"), QStringLiteral("科室名称："), false, parent)
{
}

QString TFPrint_KsGzlBbiao::Statement(const QString& b, const QString& e) const
{
    return StatementFor(Session::current().CurrentDepartmentId, b, e);
}

QString TFPrint_KsGzlBbiao::StatementFor(int department, const QString& b, const QString& e)
{
    return SqlText::format(
        "select c.id, c.mcheng, count(distinct a.tjhao) as rci,   max(c.sfjge) as sfjge, max(c.sfjge)*count(distinct "
        "a.tjhao) as sfje,   max(c.hsjge) as hsjge, max(c.hsjge)*count(distinct a.tjhao) as hsje from tjian_jguo a   "
        "inner join tjian_sfei_main b on b.tjhao=a.tjhao   inner join tjian_zhxmu_main c on c.id=a.zhxmid where "
        "a.jcbzhi=1 and b.zxbzhi=0 and c.ksid=%d and b.sfsjian between '%s' and '%s' group by c.id,c.mcheng order by "
        "c.id ",
        department, b, e);
}

QString TFPrint_KsGzlBbiao::WhoName() const
{
    return Session::current().CurrentDepartmentName;
}

TFPrint_YsGzlBbiao::TFPrint_YsGzlBbiao(QWidget* parent)
    : CombinedItemWorkload(QStringLiteral("医生工作量统计报表"), QStringLiteral("体检医生："), true, parent)
{
}

QString TFPrint_YsGzlBbiao::Statement(const QString& b, const QString& e) const
{
    return StatementFor(Session::current().CurrentUserId, b, e);
}

QString TFPrint_YsGzlBbiao::StatementFor(int doctor, const QString& b, const QString& e)
{
    return byDepartmentStatement(SqlText::format("a.tjysid=%d and ", doctor), b, e);
}

QString TFPrint_YsGzlBbiao::WhoName() const
{
    return Session::current().CurrentUserName;
}

}  // namespace tj::queries
