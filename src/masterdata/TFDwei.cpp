#include "masterdata/TFDwei.h"

#include "core/TDM.h"
#include "masterdata/WindowParts.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/MaintenanceController.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QShowEvent>
#include <QToolBar>
#include <QSplitter>
#include <QVBoxLayout>

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
    resize(900, 620);
    QryDwei.setSql(QStringLiteral("select * from tjian_dwei order by id"));
    QryDwlbie.setSql(QStringLiteral("select * from tjian_dwlbie order by id"));
    QryDwxzhi.setSql(QStringLiteral("select * from tjian_dwxzhi order by id"));
    QryKshi.setSql(QStringLiteral("select * from pub_kshi where kslbie=13"));
    QryTjfqu.setSql(QStringLiteral("select * from tjian_tjfqu order by id"));

    auto* outer = new QHBoxLayout(this);
    auto* split = new QSplitter(this);
    outer->addWidget(split);
    Maint = new ui::MaintenanceController(this, QryDwei, TDM::instance().QryCx());

    cxGrdDwei = new ui::DataGrid(split);
    cxGrdDwei->addColumn(QStringLiteral("id"), QStringLiteral("编号"), 60);
    cxGrdDwei->addColumn(QStringLiteral("mcheng"), QStringLiteral("单位名称"), 200);
    cxGrdDwei->addSummary({0, ui::GridSummary::Kind::Count, QStringLiteral("%d")});
    cxGrdDwei->setQuery(&QryDwei);
    Maint->setGrid(cxGrdDwei);

    auto* right = new QWidget(split);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(Maint->createToolBar(right));
    auto* panel = new QGroupBox(right);
    auto* form = new QGridLayout(panel);
    auto line = [panel] { return new QLineEdit(panel); };
    auto combo = [panel] { return new QComboBox(panel); };
    EdtMcheng = line();
    EdtPyjma = line();
    EdtXhao = line();
    EdtFzren = line();
    EdtFzrdhua = line();
    EdtFzrsji = line();
    EdtDzhi = line();
    CmbDwlbid = combo();
    CmbDwxzid = combo();
    EdtRshu = line();
    CmbKsid = combo();
    EdtYwyuan = line();
    EdtTjrqapai = line();
    CmbTjfqid = combo();
    auto* settlement = new QWidget(panel);
    auto* settlementLayout = new QHBoxLayout(settlement);
    settlementLayout->setContentsMargins(0, 0, 0, 0);
    RdBtnXjie = new QRadioButton(QStringLiteral("现结"), settlement);
    RdBtnJzhang = new QRadioButton(QStringLiteral("记帐"), settlement);
    settlementLayout->addWidget(RdBtnXjie);
    settlementLayout->addWidget(RdBtnJzhang);
    settlementLayout->addStretch();
    EdtBzhu = line();

    const std::vector<std::pair<QString, QWidget*>> rows = {
        {QStringLiteral("单位名称："), EdtMcheng},  {QStringLiteral("拼音简码："), EdtPyjma},
        {QStringLiteral("序号："), EdtXhao},        {QStringLiteral("负责人："), EdtFzren},
        {QStringLiteral("负责人电话："), EdtFzrdhua}, {QStringLiteral("负责人手机："), EdtFzrsji},
        {QStringLiteral("单位地址："), EdtDzhi},    {QStringLiteral("单位类别："), CmbDwlbid},
        {QStringLiteral("单位性质："), CmbDwxzid},  {QStringLiteral("人数："), EdtRshu},
        {QStringLiteral("业务科室："), CmbKsid},    {QStringLiteral("业务员："), EdtYwyuan},
        {QStringLiteral("体检日期安排："), EdtTjrqapai}, {QStringLiteral("体检分区："), CmbTjfqid},
        {QStringLiteral("结帐类型："), settlement}, {QStringLiteral("备注："), EdtBzhu},
    };
    QLabel* lblMcheng = nullptr;
    QWidget* previous = nullptr;
    for (int i = 0; i < int(rows.size()); ++i) {
        QLabel* l = AddLabelled(form, i, 0, rows[std::size_t(i)].first, rows[std::size_t(i)].second);
        if (i == 0)
            lblMcheng = l;
        QWidget* w = rows[std::size_t(i)].second == settlement ? RdBtnXjie : rows[std::size_t(i)].second;
        if (previous)
            setTabOrder(previous, w);
        previous = w == RdBtnXjie ? RdBtnJzhang : w;
        if (w == RdBtnXjie)
            setTabOrder(RdBtnXjie, RdBtnJzhang);
    }
    ui::MaintenanceController::markRequired(lblMcheng);
    rightLayout->addWidget(panel);
    rightLayout->addStretch();
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 2);

    Maint->addEditPanel(panel);
    Maint->setFirstEditor(EdtMcheng);
    Maint->bindText(EdtMcheng, QStringLiteral("mcheng"));
    Maint->bindPinyin(EdtPyjma, QStringLiteral("pyjma"), EdtMcheng, SearchCode());
    Maint->bindText(EdtXhao, QStringLiteral("xhao"));
    Maint->bindText(EdtFzren, QStringLiteral("fzren"));
    Maint->bindText(EdtFzrdhua, QStringLiteral("fzrdhua"));
    Maint->bindText(EdtFzrsji, QStringLiteral("fzrsji"));
    Maint->bindText(EdtDzhi, QStringLiteral("dzhi"));
    Maint->bindLookup(CmbDwlbid, QStringLiteral("dwlbid"), QryDwlbie);
    Maint->bindLookup(CmbDwxzid, QStringLiteral("dwxzid"), QryDwxzhi);
    Maint->bindText(EdtRshu, QStringLiteral("rshu"));
    Maint->bindLookup(CmbKsid, QStringLiteral("ksid"), QryKshi);
    Maint->bindText(EdtYwyuan, QStringLiteral("ywyuan"));
    Maint->bindText(EdtTjrqapai, QStringLiteral("tjrqapai"));
    Maint->bindLookup(CmbTjfqid, QStringLiteral("tjfqid"), QryTjfqu);
    Maint->bindRadio(RdBtnXjie, QStringLiteral("jzlxing"), 1);
    Maint->bindRadio(RdBtnJzhang, QStringLiteral("jzlxing"), 2);
    Maint->bindText(EdtBzhu, QStringLiteral("bzhu"));
    Maint->addDeleteGuard(QStringLiteral("select * from tjian_ryuan where dwid=%d "), QStringLiteral("id"),
                          QStringLiteral("此单位已经在体检人员中使用，不能删除！"));
    Maint->setDeleteQuestion(QStringLiteral("是否确定删除此团检单位？"));
}

TFDwei::~TFDwei() = default;

void TFDwei::FormShow()
{
    for (db::Query* q : {&QryDwlbie, &QryDwxzhi, &QryKshi, &QryTjfqu, &QryDwei}) {
        q->close();
        q->open();
    }
    Maint->applyState();
}

void TFDwei::FormClose()
{
    for (db::Query* q : {&QryDwei, &QryDwlbie, &QryDwxzhi, &QryKshi, &QryTjfqu})
        q->close();
}



}  // namespace tj::masterdata
