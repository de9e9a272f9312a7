#include "masterdata/TFDwei.h"

#include "common/PinyinCode.h"
#include "core/TDM.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/MaintenanceController.h"

#include <QGroupBox>

namespace tj::masterdata {

using core::TDM;

TFDwei::TFDwei(QWidget* parent)
    : ui::WorkingWindow(parent),
      QryDwei(TDM::instance().Connection()),
      QryDwlbie(TDM::instance().Connection()),
      QryDwxzhi(TDM::instance().Connection()),
      QryKshi(TDM::instance().Connection()),
      QryTjfqu(TDM::instance().Connection())
{
    setWindowTitle(QStringLiteral("团体（单位）维护"));
    resize(1000, 680);
    QryDwei.setSql(QStringLiteral("select * from tjian_dwei order by id"));
    QryDwlbie.setSql(QStringLiteral("select * from tjian_dwlbie order by id"));
    QryDwxzhi.setSql(QStringLiteral("select * from tjian_dwxzhi order by id"));
    QryKshi.setSql(QStringLiteral("select * from pub_kshi where kslbie=13"));
    QryTjfqu.setSql(QStringLiteral("select * from tjian_tjfqu order by id"));
    openOnShow({&QryDwlbie, &QryDwxzhi, &QryKshi, &QryTjfqu, &QryDwei});

    Maint = new ui::MaintenanceController(this, QryDwei, TDM::instance().QryCx());
    cxGrdDwei = new ui::DataGrid(this);
    cxGrdDwei->addColumn(QStringLiteral("id"), QStringLiteral("编号"), 60);
    cxGrdDwei->addColumn(QStringLiteral("mcheng"), QStringLiteral("单位名称"), 300);
    cxGrdDwei->addSummary({0, ui::GridSummary::Kind::Count, QStringLiteral("%d")});
    cxGrdDwei->setQuery(&QryDwei);
    cxGrdDwei->setMinimumWidth(400);

    auto* panel = new QGroupBox(this);
    ui::LayoutMaintenanceWindow(this, Maint, cxGrdDwei, panel, ui::FormPlacement::Beside);
    ui::FormBuilder f(Maint, panel);
    EdtMcheng = f.text(QStringLiteral("单位名称："), QStringLiteral("mcheng"), {.required = QStringLiteral("单位名称不能为空！")});
    EdtPyjma = f.pinyin(QStringLiteral("拼音简码："), QStringLiteral("pyjma"), EdtMcheng, common::SearchCode);
    EdtXhao = f.text(QStringLiteral("序号："), QStringLiteral("xhao"));
    EdtFzren = f.text(QStringLiteral("负责人："), QStringLiteral("fzren"));
    EdtFzrdhua = f.text(QStringLiteral("负责人电话："), QStringLiteral("fzrdhua"));
    EdtFzrsji = f.text(QStringLiteral("负责人手机："), QStringLiteral("fzrsji"));
    EdtDzhi = f.text(QStringLiteral("单位地址："), QStringLiteral("dzhi"));
    CmbDwlbid = f.lookup(QStringLiteral("单位类别："), QStringLiteral("dwlbid"), QryDwlbie);
    CmbDwxzid = f.lookup(QStringLiteral("单位性质："), QStringLiteral("dwxzid"), QryDwxzhi);
    EdtRshu = f.text(QStringLiteral("人数："), QStringLiteral("rshu"));
    CmbKsid = f.lookup(QStringLiteral("业务科室："), QStringLiteral("ksid"), QryKshi);
    EdtYwyuan = f.text(QStringLiteral("业务员："), QStringLiteral("ywyuan"));
    EdtTjrqapai = f.text(QStringLiteral("体检日期安排："), QStringLiteral("tjrqapai"));
    CmbTjfqid = f.lookup(QStringLiteral("体检分区："), QStringLiteral("tjfqid"), QryTjfqu);
    // A unit without a settlement type would leave its visits neither paid
    // at registration nor billable, so the type is mandatory.
    std::tie(RdBtnXjie, RdBtnJzhang) = f.radioPair(QStringLiteral("结帐类型："), QStringLiteral("jzlxing"),
                                                   QStringLiteral("现结"), 1, QStringLiteral("记帐"), 2,
                                                   {.required = QStringLiteral("结帐类型不能为空！")});
    EdtBzhu = f.text(QStringLiteral("备注："), QStringLiteral("bzhu"));

    Maint->addDeleteGuard(QStringLiteral("select * from tjian_ryuan where dwid=%d "), QStringLiteral("id"),
                          QStringLiteral("此单位已经在体检人员中使用，不能删除！"));
    Maint->setDeleteQuestion(QStringLiteral("是否确定删除此团检单位？"));
}

TFDwei::~TFDwei() = default;

}  // namespace tj::masterdata
