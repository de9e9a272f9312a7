#include "queries/TFPrint_ZjYsGzlBbiao.h"

#include "core/Session.h"
#include "core/TDM.h"
#include "platform/db/SqlText.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/Dialogs.h"
#include "queries/QueryColumns.h"

#include <QComboBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tj::queries {

using core::TDM;
using db::SqlText;

TFPrint_ZjYsGzlBbiao::TFPrint_ZjYsGzlBbiao(QWidget* parent)
    : QueryWindow(QStringLiteral("总检医生工作量统计报表"), parent), QryMx(TDM::instance().Connection()),
      QryYhu(TDM::instance().Connection())
{
    CmbZjys = new QComboBox(this);
    CmbZjys->setMinimumWidth(140);
    addFilter(QStringLiteral("总检医生："), CmbZjys);
    addDateRange();
    QryYhu.setSql(QStringLiteral(
        "select * from pub_yhu where kshi in (select id from pub_kshi where kslbie in (11,12,13))"));
    openOnShow({&QryYhu});
    closeOnClose({&QryMx});
    connect(&QryYhu, &db::Query::dataChanged, CmbZjys, [this] {
        CmbZjys->clear();
        if (!QryYhu.isOpen())
            return;
        const int id = QryYhu.fieldIndex(QStringLiteral("id")), name = QryYhu.fieldIndex(QStringLiteral("xming"));
        for (int r = 0; r < QryYhu.recordCount(); ++r)
            CmbZjys->addItem(QryYhu.value(r, name).toString(), QVariant(QryYhu.value(r, id).toInteger()));
        CmbZjys->setCurrentIndex(-1);
    });
    emptyResultFocus = CmbZjys;

    PageControl = new QTabWidget(this);
    body()->removeWidget(Grid);
    PageControl->addTab(Grid, QStringLiteral("汇总"));
    GridMx = new ui::DataGrid;
    GridMx->setQuery(&QryMx);
    PageControl->addTab(GridMx, QStringLiteral("明细"));
    body()->addWidget(PageControl, 1);

    AddColumns(*Grid, {{"zjysheng", "总检医生", 100}, {"rshu", "总检人数", 100, ColumnSpec::Whole}});
    Grid->addSummary({1, ui::GridSummary::Kind::Sum, QStringLiteral("0")});
    AddColumns(*GridMx, {{"tjhao", "体检号", 100},
                         {"xming", "姓名", 100},
                         {"xbie", "性别", 50},
                         {"nling", "年龄", 50, ColumnSpec::Whole},
                         {"sfsjian", "登记时间", 120, ColumnSpec::DateTime},
                         {"zjysheng", "总检医生", 100},
                         {"zjlrsjian", "总检录入时间", 120, ColumnSpec::DateTime}});
    GridMx->addSummary({0, ui::GridSummary::Kind::Count, QStringLiteral("0")});
}

void TFPrint_ZjYsGzlBbiao::FormShow()
{
    CmbZjys->setCurrentIndex(CmbZjys->findData(QVariant(qint64(core::Session::current().CurrentUserId))));
    PageControl->setCurrentIndex(0);
}

int TFPrint_ZjYsGzlBbiao::doctorId() const
{
    return CmbZjys->currentIndex() < 0 ? 0 : CmbZjys->currentData().toInt();
}

bool TFPrint_ZjYsGzlBbiao::Search()
{
    if (doctorId() <= 0) {
        ui::Dialogs::instance().warning(QStringLiteral("请选择总检医生！"));
        CmbZjys->setFocus(Qt::OtherFocusReason);
        return false;
    }
    QryMx.close();
    const QString b = rangeStart(), e = rangeEnd();
    openResult(SummaryStatement(doctorId(), b, e));
    if (Qry.isEmpty())
        return true;
    QryMx.setSql(DetailStatement(doctorId(), b, e));
    QryMx.open();
    return true;
}

QString TFPrint_ZjYsGzlBbiao::SummaryStatement(int doctor, const QString& b, const QString& e)
{
    return SqlText::format("select a.zjysheng, count(*) as rshu from tjian_jguo_zjian a   inner join tjian_sfei_main b on "
                           "b.tjhao=a.tjhao where b.zxbzhi=0 and b.zjbzhi=1 and a.zjysid=%d and a.zjlrsjian between '%s' "
                           "and '%s' group by zjysheng ",
                           doctor, b, e);
}

QString TFPrint_ZjYsGzlBbiao::DetailStatement(int doctor, const QString& b, const QString& e)
{
    return SqlText::format("select a.tjhao, c.xming, c.xbie, c.nling, b.sfsjian, a.zjysheng, a.zjlrsjian from "
                           "tjian_jguo_zjian a   inner join tjian_sfei_main b on b.tjhao=a.tjhao   inner join tjian_ryuan c "
                           "on c.id=b.ryid where b.zxbzhi=0 and b.zjbzhi=1 and a.zjysid=%d and a.zjlrsjian between '%s' "
                           "and '%s' ",
                           doctor, b, e);
}

QString TFPrint_ZjYsGzlBbiao::PrintTitle() const
{
    return PageControl->currentIndex() == 1 ? QStringLiteral("总检医生工作量明细统计报表")
                                            : QStringLiteral("总检医生工作量汇总统计报表");
}

QString TFPrint_ZjYsGzlBbiao::PrintSubtitle() const
{
    // "登记日期：…" of the pattern after the doctor, two ideographic spaces between.
    return QStringLiteral("总检医生：%1　　").arg(CmbZjys->currentText()) + QueryWindow::PrintSubtitle();
}

ui::DataGrid* TFPrint_ZjYsGzlBbiao::PrintGrid() const
{
    return PageControl->currentIndex() == 1 ? GridMx : Grid;
}

}  // namespace tj::queries
