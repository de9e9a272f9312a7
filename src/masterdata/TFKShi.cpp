#include "masterdata/TFKShi.h"

#include "common/PinyinCode.h"
#include "core/TDM.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/MaintenanceController.h"

#include <QGroupBox>

namespace tj::masterdata {

using core::TDM;

TFKShi::TFKShi(QWidget* parent)
    : ui::WorkingWindow(parent), QryKshi(TDM::instance().Connection()), QryKslbie(TDM::instance().Connection())
{
    setWindowTitle(QStringLiteral("体检科室维护"));
    resize(860, 640);
    QryKshi.setSql(QStringLiteral("select * from pub_kshi\nwhere kslbie in (11,12,13)"));
    QryKslbie.setSql(QStringLiteral("select * from pub_kslbie where id in (11,12,13)"));
    openOnShow({&QryKslbie, &QryKshi});

    Maint = new ui::MaintenanceController(this, QryKshi, TDM::instance().QryCx());
    cxGrdKshi = new ui::DataGrid(this);
    cxGrdKshi->addColumn(QStringLiteral("id"), QStringLiteral("编号"), 60);
    cxGrdKshi->addColumn(QStringLiteral("mcheng"), QStringLiteral("科室名称"), 160);
    cxGrdKshi->addColumn(QStringLiteral("pyjma"), QStringLiteral("拼音简码"), 90);
    cxGrdKshi->addLookupColumn(QStringLiteral("kslbie"), QStringLiteral("科室类别"), QryKslbie, QStringLiteral("id"),
                               QStringLiteral("mcheng"), 120);
    cxGrdKshi->addColumn(QStringLiteral("xhao"), QStringLiteral("序号"), 60);
    cxGrdKshi->addColumn(QStringLiteral("wzhi"), QStringLiteral("位置"), 140);
    cxGrdKshi->addColumn(QStringLiteral("bzhu"), QStringLiteral("备注"), 200);
    cxGrdKshi->addSummary({0, ui::GridSummary::Kind::Count, QStringLiteral("%d")});
    cxGrdKshi->setMultiSelect(true);
    cxGrdKshi->sortBy(0);
    cxGrdKshi->setQuery(&QryKshi);

    auto* panel = new QGroupBox(this);
    ui::LayoutMaintenanceWindow(this, Maint, cxGrdKshi, panel, ui::FormPlacement::Below);
    ui::FormBuilder f(Maint, panel, 3);
    EdtMcheng = f.text(QStringLiteral("科室名称："), QStringLiteral("mcheng"), {.required = QStringLiteral("科室名称不能为空！")});
    EdtPyjma = f.pinyin(QStringLiteral("拼音简码："), QStringLiteral("pyjma"), EdtMcheng, common::SearchCode);
    CmbKslbie = f.lookup(QStringLiteral("科室类别："), QStringLiteral("kslbie"), QryKslbie,
                         {.required = QStringLiteral("科室类别不能为空！"), .width = 150});
    EdtXhao = f.text(QStringLiteral("序号："), QStringLiteral("xhao"));
    EdtWzhi = f.text(QStringLiteral("位置："), QStringLiteral("wzhi"), {.span = 2});
    MemBzhu = f.memo(QStringLiteral("备注："), QStringLiteral("bzhu"), {.span = 3, .height = 60});

    Maint->addDeleteGuard(QStringLiteral("select * from tjian_dwei where ksid=%d "), QStringLiteral("id"),
                          QStringLiteral("此科室已经在团体单位中使用，不能删除！"));
    Maint->addDeleteGuard(QStringLiteral("select * from tjian_xmu where ksid=%d "), QStringLiteral("id"),
                          QStringLiteral("此科室已经在体检项目中使用，不能删除！"));
    Maint->addDeleteGuard(QStringLiteral("select * from tjian_zhxmu_main where ksid=%d "), QStringLiteral("id"),
                          QStringLiteral("此科室已经在体检组合项目中使用，不能删除！"));
    Maint->addDeleteGuard(QStringLiteral("select * from tjian_zdjlyjyi where ksid=%d "), QStringLiteral("id"),
                          QStringLiteral("此科室已经在诊断结论与建议中使用，不能删除！"));
    Maint->addDeleteGuard(QStringLiteral("select * from tjian_jguo_xjie where ksid=%d "), QStringLiteral("id"),
                          QStringLiteral("此科室已经在体检科室小结中使用，不能删除！"));
    Maint->addDeleteGuard(QStringLiteral("select * from tjian_jguo_zdjlun where ksid=%d "), QStringLiteral("id"),
                          QStringLiteral("此科室已经在体检结果诊断结论中使用，不能删除！"));
    Maint->addDeleteGuard(QStringLiteral("select * from pub_yhu where kshi=%d "), QStringLiteral("id"),
                          QStringLiteral("此科室已经存在用户，不能删除！"));
    Maint->setDeleteQuestion(QStringLiteral("是否确定删除此科室？"));
}

TFKShi::~TFKShi() = default;

}  // namespace tj::masterdata
