#include "masterdata/TFZhXmu.h"

#include "common/PinyinCode.h"
#include "core/TDM.h"
#include "masterdata/Dictionaries.h"
#include "masterdata/WindowParts.h"
#include "platform/db/SqlText.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/DetailLink.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/KeyPreview.h"
#include "platform/ui/MaintenanceController.h"
#include "schema/Names.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

namespace tj::masterdata {

using core::TDM;
using db::SqlText;

void RefreshMembership(db::Query& scratch, int zhxmid, int ksid)
{
    scratch.close();
    scratch.setSql(SqlText::format("delete from tjian_zhxmu_sub where zhxmid=%d and xmid not in (select id from "
                                   "tjian_xmu where ksid=%d)   and xmid not in (select distinct xmid from tjian_jguo "
                                   "where zhxmid=%d) ",
                                   zhxmid, ksid, zhxmid));
    scratch.execSql();
    scratch.setSql(SqlText::format("insert into tjian_zhxmu_sub(zhxmid, xmid, bzhi) select %d, id, 0 from tjian_xmu "
                                   "where ksid=%d and id not in (select xmid from tjian_zhxmu_sub where zhxmid=%d) ",
                                   zhxmid, ksid, zhxmid));
    scratch.execSql();
}

TFZhXmu::TFZhXmu(QWidget* parent)
    : ui::WorkingWindow(parent),
      QryZhxmu(TDM::instance().Connection()),
      QryZhxmuSub(TDM::instance().Connection()),
      QryKshi(TDM::instance().Connection()),
      QryLbie(TDM::instance().Connection()),
      QryFbie(TDM::instance().Connection())
{
    setWindowTitle(QStringLiteral("组合项目维护"));
    resize(1180, 680);
    QryZhxmu.setSql(QStringLiteral("select * from tjian_zhxmu_main order by ksid,xhao"));
    QryKshi.setSql(QStringLiteral("select * from pub_kshi where kslbie in (11,12,13)"));
    QryLbie.setSql(QStringLiteral("select * from tjian_zhxmu_lbie"));
    QryFbie.setSql(QStringLiteral("select * from tjian_fbie"));
    // The membership row's own id is read along, so that a toggle is posted to its row.
    QryZhxmuSub.setUpdateTable(QStringLiteral("tjian_zhxmu_sub"));
    QryZhxmuSub.setKeyFields({QStringLiteral("id")});
    openOnShow({&QryKshi, &QryLbie, &QryFbie, &QryZhxmu});
    closeOnClose({&QryZhxmuSub});

    Maint = new ui::MaintenanceController(this, QryZhxmu, TDM::instance().QryCx());
    cxGrdZhxmu = GroupedNameGrid(this, QryZhxmu, QStringLiteral("组合项目名称"), 260, QStringLiteral("ksid"),
                                 QStringLiteral("科室名称"), &QryKshi);

    auto* panel = new QGroupBox(this);
    auto* panelLayout = new QHBoxLayout(panel);
    auto* fields = new QWidget(panel);
    panelLayout->addWidget(fields, 3);
    ui::LayoutMaintenanceWindow(this, Maint, cxGrdZhxmu, panel, ui::FormPlacement::Beside);

    ui::FormBuilder f(Maint, fields);
    CmbKsid = f.lookup(QStringLiteral("所属科室："), QStringLiteral("ksid"), QryKshi);
    EdtMcheng = f.text(QStringLiteral("组合名称："), QStringLiteral("mcheng"));
    EdtPyjma = f.pinyin(QStringLiteral("拼音简码："), QStringLiteral("pyjma"), EdtMcheng, common::SearchCode);
    CmbLbie = f.lookup(QStringLiteral("组合类别："), QStringLiteral("lbie"), QryLbie, {}, QStringLiteral("mcheng"),
                       QStringLiteral("mcheng"));
    EdtSfjge = f.text(QStringLiteral("收费价格："), QStringLiteral("sfjge"));
    EdtHsjge = f.text(QStringLiteral("核算价格："), QStringLiteral("hsjge"));
    CmbFbie = f.lookup(QStringLiteral("费别："), QStringLiteral("fbie"), QryFbie, {}, QStringLiteral("mcheng"),
                       QStringLiteral("mcheng"));
    EdtXhao = f.text(QStringLiteral("序号："), QStringLiteral("xhao"));
    EdtTsxxi = f.text(QStringLiteral("提示信息："), QStringLiteral("tsxxi"));
    MemLcyyi = f.memo(QStringLiteral("临床意义："), QStringLiteral("lcyyi"), {.height = 80});
    ChkSfxybben = f.check(QStringLiteral("是否需要标本"), QStringLiteral("sfxybben"), schema::SpecimenYes,
                          schema::SpecimenNo);
    // Checked in this order, which is not the order of the boxes.
    const std::pair<QWidget*, const char*> required[] = {
        {CmbKsid, "所属科室不能为空！"}, {EdtMcheng, "组合名称不能为空！"}, {CmbLbie, "组合类别不能为空！"},
        {EdtPyjma, "拼音简码不能为空！"}, {EdtSfjge, "收费价格不能为空！"}, {EdtHsjge, "核算价格不能为空！"},
    };
    for (const auto& [editor, message] : required)
        Maint->addRequired(editor, QString::fromUtf8(message), f.labelOf(editor));

    // The membership at the right edge of the panel, usable while editing.
    auto* members = new QWidget(panel);
    auto* membersLayout = new QVBoxLayout(members);
    membersLayout->setContentsMargins(0, 0, 0, 0);
    auto* search = new QHBoxLayout;
    EdtJma = new QLineEdit(members);
    auto* jmaLabel = new QLabel(QStringLiteral("简码："), members);
    jmaLabel->setBuddy(EdtJma);
    BtnCx = new QPushButton(QStringLiteral("查询"), members);
    search->addWidget(jmaLabel);
    search->addWidget(EdtJma, 1);
    search->addWidget(BtnCx);
    membersLayout->addLayout(search);
    cxGrdZhxmuSub = new ui::DataGrid(members);
    const int order = cxGrdZhxmuSub->addColumn(QStringLiteral("xhao"), QStringLiteral("序号"), 42);
    cxGrdZhxmuSub->addColumn(QStringLiteral("mcheng"), QStringLiteral("体检项目名称"), 150);
    const int chosen = cxGrdZhxmuSub->addCheckColumn(QStringLiteral("bzhi"), QStringLiteral("选用"), 42);
    cxGrdZhxmuSub->addSummary({1, ui::GridSummary::Kind::Count, QStringLiteral("共 %d 条")});
    cxGrdZhxmuSub->sortBy(order);
    cxGrdZhxmuSub->setHighlight([this, chosen](int row) { return cxGrdZhxmuSub->isChecked(row, chosen); });
    cxGrdZhxmuSub->setQuery(&QryZhxmuSub);
    membersLayout->addWidget(cxGrdZhxmuSub, 1);
    members->setMinimumWidth(270);
    panelLayout->addWidget(members, 2);
    QWidget::setTabOrder(ChkSfxybben, EdtJma);
    QWidget::setTabOrder(EdtJma, BtnCx);
    QWidget::setTabOrder(BtnCx, cxGrdZhxmuSub->view());
    panel->setMinimumHeight(420);

    Members = new ui::DetailLink(QryZhxmu, QStringLiteral("id"), QryZhxmuSub,
                                 QStringLiteral("select b.xhao, b.pyjma, b.mcheng, a.bzhi, a.id from tjian_zhxmu_sub a   "
                                                "inner join tjian_xmu b on b.id=a.xmid where zhxmid=%d order by b.xhao"),
                                 this);
    // Each combined item looked at is brought up to date with its department
    // first; another combined item is shown unfiltered.
    Members->beforeReload = [this](const db::Value& key) {
        if (!(key == shownKey_)) {
            EdtJma->clear();
            QryZhxmuSub.setFilter(QString());
        }
        shownKey_ = key;
        if (!Maint->isEditing())
            RefreshMembership(TDM::instance().QryCx(), int(key.toInteger()),
                              int(QryZhxmu.field(QStringLiteral("ksid")).asInteger()));
    };
    connect(cxGrdZhxmu, &ui::DataGrid::rowClicked, this, [this](int) { Members->reload(); });
    connect(cxGrdZhxmuSub, &ui::DataGrid::rowDoubleClicked, this, [this](int) { cxGrdZhxmuSubDblClick(); });
    // By keyboard, Space or Enter on a member does what the double click does.
    cxGrdZhxmuSub->keyHook = [this](QKeyEvent* key) {
        if (key->key() != Qt::Key_Space && key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        cxGrdZhxmuSubDblClick();
        return true;
    };
    connect(BtnCx, &QPushButton::clicked, this, &TFZhXmu::BtnCxClick);
    // Enter in the 简码 box runs the search.
    ui::KeyPreview::of(this)->add([this](QKeyEvent* key, QWidget* focus) {
        if (focus != EdtJma || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter))
            return false;
        BtnCxClick();
        return true;
    });

    BBtnRefresh = Maint->insertAction(Maint->separatorAfterDelete(), QStringLiteral("刷新(&R)"), QStyle::SP_BrowserReload);
    BBtnLbie = Maint->insertAction(Maint->actionClose(), QStringLiteral("类别(&L)"), QStyle::SP_FileDialogListView);
    BBtnFbie = Maint->insertAction(Maint->actionClose(), QStringLiteral("费别(&F)"), QStyle::SP_FileDialogInfoView, true);
    connect(BBtnRefresh, &QAction::triggered, this, &TFZhXmu::BBtnRefreshClick);
    connect(BBtnLbie, &QAction::triggered, this, &TFZhXmu::BBtnLbieClick);
    connect(BBtnFbie, &QAction::triggered, this, &TFZhXmu::BBtnFbieClick);
    Maint->stateHook = [this](bool editing) {
        if (BBtnRefresh)
            BBtnRefresh->setEnabled(!editing);
    };
    Maint->applyState();

    // A new combined item gets one unselected member per item of its
    // department, written with the item itself.
    Maint->alongWithPost = [this] {
        if (QryZhxmu.state() != db::Query::State::Insert)
            return;
        TDM::instance().Connection().execute(
            SqlText::format("insert into tjian_zhxmu_sub(zhxmid, xmid, bzhi) select %d, id, 0 from tjian_xmu where ksid=%d",
                            QryZhxmu.field(QStringLiteral("id")).asInteger(),
                            QryZhxmu.field(QStringLiteral("ksid")).asInteger()));
    };

    Maint->addDeleteGuard(QStringLiteral("select * from tjian_tcan_sub where zhxmid=%d "), QStringLiteral("id"),
                          QStringLiteral("此体检组合项目已经在体检套餐中使用，不能删除！"));
    Maint->addDeleteGuard(QStringLiteral("select * from tjian_sfei_sub where zhxmid=%d "), QStringLiteral("id"),
                          QStringLiteral("此体检组合项目已经在体检收费中使用，不能删除！"));
    Maint->addDeleteGuard(QStringLiteral("select * from tjian_jguo where zhxmid=%d "), QStringLiteral("id"),
                          QStringLiteral("此体检组合项目已经在体检结果中使用，不能删除！"));
    Maint->setDeleteQuestion(QStringLiteral("是否删除此组合项目？"), true);
    // The membership and the combined item go together or not at all.
    Maint->deleteRow = [this] {
        db::Connection& c = TDM::instance().Connection();
        db::Transaction t(c);
        c.execute(SqlText::format("delete from tjian_zhxmu_sub where zhxmid=%d",
                                  QryZhxmu.field(QStringLiteral("id")).asInteger()));
        QryZhxmu.deleteCurrent();
        t.commit();
    };
}

TFZhXmu::~TFZhXmu() = default;

void TFZhXmu::FormShow()
{
    cxGrdZhxmu->expandAll();
    cxGrdZhxmu->view()->setFocus();
}

void TFZhXmu::BBtnRefreshClick()
{
    if (!QryZhxmu.isOpen() || QryZhxmu.isEmpty() || Maint->isEditing())
        return;
    Members->reload();
}

void TFZhXmu::BBtnLbieClick()
{
    ProgramWindow<TFZhxmLbie>(QStringLiteral("TFZhxmLbie"), this)->exec();
    // What was added there can be chosen at once.
    QryLbie.close();
    QryLbie.open();
}

void TFZhXmu::BBtnFbieClick()
{
    ProgramWindow<TFFbie>(QStringLiteral("TFFbie"), this)->exec();
    QryFbie.close();
    QryFbie.open();
}

void TFZhXmu::BtnCxClick()
{
    if (!QryZhxmuSub.isOpen())
        return;
    const QString code = EdtJma->text().trimmed();
    QryZhxmuSub.setFilter(code.isEmpty() ? QString() : SqlText::format("pyjma like '%s*' ", code));
}

void TFZhXmu::cxGrdZhxmuSubDblClick()
{
    if (!QryZhxmuSub.isOpen() || QryZhxmuSub.isEmpty())
        return;
    const bool chosen = QryZhxmuSub.field(QStringLiteral("bzhi")).asBool();
    QryZhxmuSub.edit();
    QryZhxmuSub.setField(QStringLiteral("bzhi"), chosen ? 0 : 1);
    QryZhxmuSub.post();
}

}  // namespace tj::masterdata
