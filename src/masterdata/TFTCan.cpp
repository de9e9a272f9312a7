#include "masterdata/TFTCan.h"

#include "common/PinyinCode.h"
#include "core/TDM.h"
#include "masterdata/WindowParts.h"
#include "platform/db/SqlText.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/DetailLink.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/MaintenanceController.h"
#include "schema/Names.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <functional>

namespace tj::masterdata {

using core::TDM;
using db::SqlText;

namespace {

// A caption bar over a candidate grid.
QLabel* CaptionBar(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, QColor(214, 223, 247));
    l->setPalette(p);
    l->setContentsMargins(4, 2, 4, 2);
    return l;
}

// Enter on a grid does what its double click does.
void EnterActs(ui::DataGrid* grid, std::function<void()> act)
{
    grid->keyHook = [act = std::move(act)](QKeyEvent* key) {
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        act();
        return true;
    };
}

}  // namespace

TFTCan::TFTCan(QWidget* parent) : TFTCan(false, parent) {}

TFTCan_Dwei::TFTCan_Dwei(QWidget* parent) : TFTCan(true, parent) {}

TFTCan::TFTCan(bool unitPackages, QWidget* parent)
    : ui::WorkingWindow(parent),
      QryTcan(TDM::instance().Connection()),
      QryTcanSub(TDM::instance().Connection()),
      QryCandTcan(TDM::instance().Connection()),
      QryCandZhxmu(TDM::instance().Connection()),
      QryKshi(TDM::instance().Connection()),
      QryDwei(TDM::instance().Connection()),
      Work(TDM::instance().Connection(), QStringLiteral("#tjian_tcan_sub"),
           {db::IdentityColumn(QStringLiteral("id")), db::Column(QStringLiteral("zhxmid"), QStringLiteral("int"), true)},
           QStringLiteral("select a.id, b.mcheng, b.sfjge from #tjian_tcan_sub a   inner join tjian_zhxmu_main b on b.id=a.zhxmid")),
      unit_(unitPackages)
{
    setWindowTitle(unit_ ? QStringLiteral("单位套餐维护") : QStringLiteral("体检套餐维护"));
    resize(1220, 720);
    QryTcan.setSql(unit_ ? QStringLiteral("select * from tjian_tcan_main\nwhere dwid>0\norder by xhao")
                         : QStringLiteral("select * from tjian_tcan_main\nwhere dwid=0\norder by xhao"));
    QryCandTcan.setSql(unit_ ? QStringLiteral("select * from tjian_tcan_main\nwhere bzhi='启用' and dwid=0\norder by xhao")
                             : QStringLiteral("select * from tjian_tcan_main\nwhere dwid=0 and bzhi='启用'\norder by xhao"));
    QryCandZhxmu.setSql(QStringLiteral("select *\nfrom tjian_zhxmu_main\norder by ksid, xhao"));
    QryKshi.setSql(QStringLiteral("select * from pub_kshi where kslbie in (11,12,13)"));
    QryDwei.setSql(QStringLiteral("select * from tjian_dwei"));
    if (unit_)
        openOnShow({&QryKshi, &QryDwei, &QryTcan, &QryCandTcan, &QryCandZhxmu});
    else
        openOnShow({&QryKshi, &QryTcan, &QryCandTcan, &QryCandZhxmu});
    closeOnClose({&QryTcanSub, &Work.query()});

    Maint = new ui::MaintenanceController(this, QryTcan, TDM::instance().QryCx());
    cxGrdTcan = unit_ ? GroupedNameGrid(this, QryTcan, QStringLiteral("体检套餐名称"), 230, QStringLiteral("dwid"),
                                        QStringLiteral("单位"), &QryDwei)
                      : GroupedNameGrid(this, QryTcan, QStringLiteral("体检套餐名称"), 230, QStringLiteral("bzhi"),
                                        QStringLiteral("状态"), nullptr);

    auto* panel = new QGroupBox(this);
    auto* panelLayout = new QVBoxLayout(panel);
    auto* fields = new QWidget(panel);
    panelLayout->addWidget(fields);
    // The package grid has no double-click action: a package is edited with 修改 only.
    ui::LayoutMaintenanceWindow(this, Maint, cxGrdTcan, panel, ui::FormPlacement::Beside, false);

    ui::FormBuilder f(Maint, fields, 2);
    if (unit_)
        CmbDwid = f.lookup(QStringLiteral("单位名称："), QStringLiteral("dwid"), QryDwei, {.span = 2});
    EdtMcheng = f.text(QStringLiteral("套餐名称："), QStringLiteral("mcheng"));
    EdtPyjma = f.pinyin(QStringLiteral("拼音简码："), QStringLiteral("pyjma"), EdtMcheng, common::SearchCode);
    EdtJge = f.text(QStringLiteral("价格："), QStringLiteral("jge"));
    EdtXhao = f.text(QStringLiteral("序号："), QStringLiteral("xhao"));
    CmbSyxbie = f.pickList(QStringLiteral("适用性别："), QStringLiteral("syxbie"),
                           {schema::SexAny, schema::SexMale, schema::SexFemale});
    ChkBzhi = f.check(QStringLiteral("禁用"), QStringLiteral("bzhi"), schema::PackageDisabled, schema::PackageEnabled);
    MemBzhu = f.memo(QStringLiteral("备注："), QStringLiteral("bzhu"), {.span = 2, .height = 46});
    // Checked in this order. A unit package without its unit would be stored
    // for unit 0 and turn up among the general packages.
    if (unit_)
        Maint->addRequired(CmbDwid, QStringLiteral("单位名称不能为空！"), f.labelOf(CmbDwid));
    Maint->addRequired(EdtMcheng, QStringLiteral("套餐名称不能为空！"), f.labelOf(EdtMcheng));
    Maint->addRequired(CmbSyxbie, QStringLiteral("适用性别不能为空！"), f.labelOf(CmbSyxbie));
    Maint->addRequired(EdtXhao, QStringLiteral("序号不能为空！"), f.labelOf(EdtXhao));
    Maint->addRequired(EdtJge, QStringLiteral("价格不能为空！"), f.labelOf(EdtJge));

    // Contents, the two arrows, and the candidates at the right edge.
    auto* lower = new QHBoxLayout;
    panelLayout->addLayout(lower, 1);
    auto* contents = new QVBoxLayout;
    cxGrdTcanSub = new ui::DataGrid(panel);
    cxGrdTcanSub->addColumn(QStringLiteral("mcheng"), QStringLiteral("组合项目名称"), 200);
    ui::GridColumn price;
    price.field = QStringLiteral("sfjge");
    price.caption = QStringLiteral("价格");
    price.width = 80;
    price.format = QStringLiteral("%.2f");
    price.alignment = Qt::AlignRight | Qt::AlignVCenter;
    cxGrdTcanSub->addColumn(price);
    cxGrdTcanSub->addSummary({0, ui::GridSummary::Kind::Count, QStringLiteral("共 %d 条")});
    cxGrdTcanSub->addSummary({1, ui::GridSummary::Kind::Sum, QStringLiteral("%.2f")});
    cxGrdTcanSub->setQuery(&QryTcanSub);
    contents->addWidget(cxGrdTcanSub, 1);
    auto* note = new QLabel(QStringLiteral("双击删除项目"), panel);
    QPalette red = note->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    red.setColor(QPalette::Disabled, QPalette::WindowText, QColor(200, 0, 0));
    note->setPalette(red);
    contents->addWidget(note);
    lower->addLayout(contents, 3);

    auto arrow = [panel](const QString& tip) {
        auto* b = new QToolButton(panel);
        b->setArrowType(Qt::LeftArrow);
        b->setToolTip(tip);
        b->setAccessibleName(tip);
        b->setFocusPolicy(Qt::StrongFocus);
        return b;
    };
    BtnAddTcan = arrow(QStringLiteral("加入所选套餐的组合项目"));
    BtnAddZhxmu = arrow(QStringLiteral("加入所选组合项目"));
    auto* arrows = new QVBoxLayout;
    arrows->addStretch(1);
    arrows->addWidget(BtnAddTcan);
    arrows->addStretch(2);
    arrows->addWidget(BtnAddZhxmu);
    arrows->addStretch(2);
    lower->addLayout(arrows);

    auto* candidates = new QVBoxLayout;
    candidates->setSpacing(0);
    candidates->addWidget(CaptionBar(QStringLiteral("待选套餐(双击批量加入)"), panel));
    cxGrdCandTcan = new ui::DataGrid(panel);
    cxGrdCandTcan->addColumn(QStringLiteral("mcheng"), QStringLiteral("体检套餐名称"), 220);
    cxGrdCandTcan->setQuery(&QryCandTcan);
    candidates->addWidget(cxGrdCandTcan, 2);
    candidates->addSpacing(6);
    candidates->addWidget(CaptionBar(QStringLiteral("待选组合项目(双击加入)"), panel));
    cxGrdCandZhxmu = GroupedNameGrid(panel, QryCandZhxmu, QStringLiteral("组合项目名称"), 220, QStringLiteral("ksid"),
                                     QStringLiteral("科室名称"), &QryKshi);
    candidates->addWidget(cxGrdCandZhxmu, 5);
    lower->addLayout(candidates, 3);
    QWidget::setTabOrder(MemBzhu, cxGrdTcanSub->view());
    QWidget::setTabOrder(cxGrdTcanSub->view(), BtnAddTcan);
    QWidget::setTabOrder(BtnAddTcan, BtnAddZhxmu);
    QWidget::setTabOrder(BtnAddZhxmu, cxGrdCandTcan->view());
    QWidget::setTabOrder(cxGrdCandTcan->view(), cxGrdCandZhxmu->view());
    panel->setMinimumHeight(560);

    connect(cxGrdCandTcan, &ui::DataGrid::rowDoubleClicked, this, [this](int) { cxGrdCandTcanDblClick(); });
    connect(cxGrdCandZhxmu, &ui::DataGrid::rowDoubleClicked, this, [this](int) { cxGrdCandZhxmuDblClick(); });
    connect(cxGrdTcanSub, &ui::DataGrid::rowDoubleClicked, this, [this](int) { cxGrdTcanSubDblClick(); });
    connect(BtnAddTcan, &QToolButton::clicked, this, &TFTCan::cxGrdCandTcanDblClick);
    connect(BtnAddZhxmu, &QToolButton::clicked, this, &TFTCan::cxGrdCandZhxmuDblClick);
    // By keyboard: Enter on a candidate adds it, Delete in the contents removes.
    EnterActs(cxGrdCandTcan, [this] { cxGrdCandTcanDblClick(); });
    EnterActs(cxGrdCandZhxmu, [this] { cxGrdCandZhxmuDblClick(); });
    cxGrdTcanSub->keyHook = [this](QKeyEvent* key) {
        if (key->key() != Qt::Key_Delete)
            return false;
        cxGrdTcanSubDblClick();
        return true;
    };

    // Stored contents in the browse state, the working copy while editing.
    Contents = new ui::DetailLink(QryTcan, QStringLiteral("id"), QryTcanSub,
                                  QStringLiteral("select a.id, b.mcheng, b.sfjge from tjian_tcan_sub a   inner join "
                                                 "tjian_zhxmu_main b on b.id=a.zhxmid where a.tcid=%d"),
                                  this);
    Maint->beforeAdd = [this] {
        Work.create();
        showWorkingCopy();
        return true;
    };
    // A new package is in use until 禁用 is ticked (the database's default, shown at once).
    Maint->afterAdd = [this] { QryTcan.setField(QStringLiteral("bzhi"), schema::PackageEnabled); };
    Maint->beforeEdit = [this] {
        Work.create();
        execute(SqlText::format("insert into #tjian_tcan_sub(zhxmid) select zhxmid from tjian_tcan_sub where tcid=%d",
                                QryTcan.field(QStringLiteral("id")).asInteger()));
        showWorkingCopy();
        return true;
    };
    // After a save or a cancel the grid shows what is stored again.
    Maint->stateHook = [this](bool editing) {
        if (editing || !cxGrdTcanSub || cxGrdTcanSub->query() == &QryTcanSub)
            return;
        cxGrdTcanSub->setQuery(&QryTcanSub);
        Contents->reload();
    };
    // The package and its contents are written together: a failure leaves
    // both as they were stored and the package in editing.
    Maint->alongWithPost = [this] {
        const qint64 id = QryTcan.field(QStringLiteral("id")).asInteger();
        if (QryTcan.state() == db::Query::State::Edit)
            execute(SqlText::format("delete from tjian_tcan_sub where tcid=%d ", id));
        execute(SqlText::format("insert into tjian_tcan_sub(tcid, zhxmid) select %d, zhxmid from #tjian_tcan_sub ", id));
    };
    // A package saved or deleted changes the packages offered for bulk adding.
    auto reopenCandidates = [this] {
        QryCandTcan.close();
        QryCandTcan.open();
    };
    Maint->afterSave = reopenCandidates;
    Maint->afterDelete = reopenCandidates;
    Maint->setDeleteQuestion(QStringLiteral("是否删除此体检套餐？"), true);
    Maint->deleteRow = [this] {
        db::Transaction t(TDM::instance().Connection());
        execute(SqlText::format("delete from tjian_tcan_sub where tcid=%d", QryTcan.field(QStringLiteral("id")).asInteger()));
        QryTcan.deleteCurrent();
        t.commit();
    };
}

TFTCan::~TFTCan() = default;

void TFTCan::FormShow()
{
    cxGrdTcan->expandAll();
    cxGrdCandZhxmu->expandAll();
    cxGrdTcan->view()->setFocus();
}

void TFTCan::execute(const QString& sql)
{
    TDM::instance().Connection().execute(sql);
}

bool TFTCan::editingWorkingCopy()
{
    return Maint->isEditing() && Work.query().isOpen() && cxGrdTcanSub->query() == &Work.query();
}

void TFTCan::showWorkingCopy()
{
    Work.open();
    cxGrdTcanSub->setQuery(&Work.query());
}

void TFTCan::cxGrdCandTcanDblClick()
{
    if (!editingWorkingCopy() || !QryCandTcan.isOpen() || QryCandTcan.isEmpty())
        return;
    // Combined items already in the working copy are not added twice.
    execute(SqlText::format("insert into #tjian_tcan_sub(zhxmid) select zhxmid from tjian_tcan_sub where tcid=%d and "
                            "zhxmid not in (select zhxmid from #tjian_tcan_sub) group by zhxmid order by min(id)",
                            QryCandTcan.field(QStringLiteral("id")).asInteger()));
    Work.open();
}

void TFTCan::cxGrdCandZhxmuDblClick()
{
    if (!editingWorkingCopy() || !QryCandZhxmu.isOpen() || QryCandZhxmu.isEmpty())
        return;
    const qint64 zhxmid = QryCandZhxmu.field(QStringLiteral("id")).asInteger();
    // A combined item twice in a package would be charged twice at registration.
    if (TDM::instance().Connection().exists(SqlText::format("select * from #tjian_tcan_sub where zhxmid=%d ", zhxmid))) {
        ui::Dialogs::instance().message(QStringLiteral("此项目已经存在，不要重复添加！"));
        return;
    }
    execute(SqlText::format("insert into #tjian_tcan_sub(zhxmid) values(%d)", zhxmid));
    Work.open();
    Work.query().last();
}

void TFTCan::cxGrdTcanSubDblClick()
{
    db::Query& q = Work.query();
    if (!editingWorkingCopy() || q.isEmpty())
        return;
    if (!ui::Dialogs::instance().question(QStringLiteral("是否删除此组合项目？"), ui::Caption::Confirm,
                                          ui::Icon::Question, true))
        return;
    execute(SqlText::format("delete from #tjian_tcan_sub where id=%d ", q.field(QStringLiteral("id")).asInteger()));
    q.refresh();
}

}  // namespace tj::masterdata
