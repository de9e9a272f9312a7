#include "masterdata/TFKShi.h"

#include "core/TDM.h"
#include "masterdata/WindowParts.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/MaintenanceController.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QToolBar>
#include <QVBoxLayout>

namespace tj::masterdata {

using core::TDM;

TFKShi::TFKShi(QWidget* parent)
    : ui::WorkingWindow(parent), QryKshi(TDM::instance().Connection()), QryKslbie(TDM::instance().Connection())
{
    setWindowTitle(QStringLiteral("体检科室维护"));
    resize(820, 600);
    QryKshi.setSql(QStringLiteral("select * from pub_kshi\nwhere kslbie in (11,12,13)"));
    QryKslbie.setSql(QStringLiteral("select * from pub_kslbie where id in (11,12,13)"));

    auto* layout = new QVBoxLayout(this);
    Maint = new ui::MaintenanceController(this, QryKshi, TDM::instance().QryCx());
    layout->addWidget(Maint->createToolBar(this));

    cxGrdKshi = new ui::DataGrid(this);
    cxGrdKshi->addColumn(QStringLiteral("id"), QStringLiteral("编号"), 60);
    cxGrdKshi->addColumn(QStringLiteral("mcheng"), QStringLiteral("科室名称"), 150);
    cxGrdKshi->addColumn(QStringLiteral("pyjma"), QStringLiteral("拼音简码"), 90);
    cxGrdKshi->addLookupColumn(QStringLiteral("kslbie"), QStringLiteral("科室类别"), QryKslbie, QStringLiteral("id"),
                               QStringLiteral("mcheng"), 120);
    cxGrdKshi->addColumn(QStringLiteral("xhao"), QStringLiteral("序号"), 60);
    cxGrdKshi->addColumn(QStringLiteral("wzhi"), QStringLiteral("位置"), 120);
    cxGrdKshi->addColumn(QStringLiteral("bzhu"), QStringLiteral("备注"), 180);
    cxGrdKshi->addSummary({0, ui::GridSummary::Kind::Count, QStringLiteral("%d")});
    cxGrdKshi->setMultiSelect(true);
    cxGrdKshi->sortBy(0);
    cxGrdKshi->setQuery(&QryKshi);
    layout->addWidget(cxGrdKshi, 1);
    Maint->setGrid(cxGrdKshi);

    auto* panel = new QGroupBox(this);
    auto* form = new QGridLayout(panel);
    EdtMcheng = new QLineEdit(panel);
    EdtPyjma = new QLineEdit(panel);
    CmbKslbie = new QComboBox(panel);
    EdtXhao = new QLineEdit(panel);
    EdtWzhi = new QLineEdit(panel);
    MemBzhu = new QPlainTextEdit(panel);
    MemBzhu->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemBzhu->setFixedHeight(60);
    CmbKslbie->setMinimumWidth(150);
    QLabel* lblMcheng = AddLabelled(form, 0, 0, QStringLiteral("科室名称："), EdtMcheng);
    AddLabelled(form, 0, 2, QStringLiteral("拼音简码："), EdtPyjma);
    QLabel* lblKslbie = AddLabelled(form, 0, 4, QStringLiteral("科室类别："), CmbKslbie);
    AddLabelled(form, 1, 0, QStringLiteral("序号："), EdtXhao);
    AddLabelled(form, 1, 2, QStringLiteral("位置："), EdtWzhi, 3);
    AddLabelled(form, 2, 0, QStringLiteral("备注："), MemBzhu, 5);
    setTabOrder(EdtMcheng, EdtPyjma);
    setTabOrder(EdtPyjma, CmbKslbie);
    setTabOrder(CmbKslbie, EdtXhao);
    setTabOrder(EdtXhao, EdtWzhi);
    setTabOrder(EdtWzhi, MemBzhu);
    layout->addWidget(panel);

    Maint->addEditPanel(panel);
    Maint->setFirstEditor(EdtMcheng);
    Maint->bindText(EdtMcheng, QStringLiteral("mcheng"));
    Maint->bindPinyin(EdtPyjma, QStringLiteral("pyjma"), EdtMcheng, SearchCode());
    Maint->bindLookup(CmbKslbie, QStringLiteral("kslbie"), QryKslbie);
    Maint->bindText(EdtXhao, QStringLiteral("xhao"));
    Maint->bindText(EdtWzhi, QStringLiteral("wzhi"));
    Maint->bindMemo(MemBzhu, QStringLiteral("bzhu"));
    Maint->addRequired(EdtMcheng, QStringLiteral("科室名称不能为空！"), lblMcheng);
    Maint->addRequired(CmbKslbie, QStringLiteral("科室类别不能为空！"), lblKslbie);
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

void TFKShi::FormShow()
{
    QryKslbie.close();
    QryKslbie.open();
    QryKshi.close();
    QryKshi.open();
    Maint->applyState();
}

void TFKShi::FormClose()
{
    QryKshi.close();
    QryKslbie.close();
}



}  // namespace tj::masterdata
