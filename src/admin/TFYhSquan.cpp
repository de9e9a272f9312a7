#include "admin/TFYhSquan.h"

#include "core/TDM.h"
#include "platform/db/Lookup.h"
#include "platform/db/SqlText.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/EnterMovesFocus.h"

#include <QAction>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QShowEvent>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tj::admin {

using core::TDM;
using db::SqlText;

namespace {
constexpr int RoleKind = Qt::UserRole;      // 0 root (TQxZhi), 1 menu entry (TQxCdan)
constexpr int RoleZhi = Qt::UserRole + 1;
constexpr int RoleCode = Qt::UserRole + 2;

}  // namespace

TFYhSquan::TFYhSquan(QWidget* parent) : ui::WorkingWindow(parent)
{
    setWindowTitle(QStringLiteral("用户授权"));
    resize(860, 640);
    ui::EnterMovesFocus::install(this);
    auto* outer = new QVBoxLayout(this);
    auto* split = new QSplitter(this);
    outer->addWidget(split);

    cxGrdYhu = new ui::DataGrid(split);
    Users.setUpGrid(cxGrdYhu);
    // A click reloads the boxes (discarding unsaved changes); moving to
    // another user by keyboard shows his grants too.
    connect(cxGrdYhu, &ui::DataGrid::rowClicked, this, [this](int) { LoadUserGrants(); });
    connect(cxGrdYhu, &ui::DataGrid::currentRowChanged, this, [this](int) {
        if (Users.currentUserId() != loadedUser_)
            LoadUserGrants();
    });

    auto* right = new QWidget(split);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QToolBar(right);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setIconSize(QSize(24, 24));
    BBtnFpei = bar->addAction(style()->standardIcon(QStyle::SP_DialogApplyButton), QStringLiteral("分配(&F)"));
    BBtnHshou = bar->addAction(style()->standardIcon(QStyle::SP_DialogResetButton), QStringLiteral("回收(&H)"));
    bar->addSeparator();
    BBtnClose = bar->addAction(style()->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("关闭(&C)"));
    connect(BBtnFpei, &QAction::triggered, this, &TFYhSquan::BBtnFpeiClick);
    connect(BBtnHshou, &QAction::triggered, this, &TFYhSquan::BBtnHshouClick);
    connect(BBtnClose, &QAction::triggered, this, &QDialog::close);
    rightLayout->addWidget(bar);

    auto* info = new QGroupBox(right);
    auto* form = new QGridLayout(info);
    auto value = [info] {
        auto* l = new QLabel(info);
        l->setFrameShape(QFrame::StyledPanel);
        l->setMinimumWidth(120);
        return l;
    };
    LblXming = value();
    LblXhao = value();
    LblZhao = value();
    LblXbie = value();
    LblKshi = value();
    LblYhlbie = value();
    const std::pair<QString, QLabel*> fields[] = {
        {QStringLiteral("用户姓名："), LblXming}, {QStringLiteral("序号："), LblXhao},
        {QStringLiteral("用户帐号："), LblZhao},  {QStringLiteral("性别："), LblXbie},
        {QStringLiteral("所属科室："), LblKshi},  {QStringLiteral("用户类别："), LblYhlbie},
    };
    for (int i = 0; i < 6; ++i) {
        form->addWidget(new QLabel(fields[i].first, info), i / 2, (i % 2) * 2, Qt::AlignRight);
        form->addWidget(fields[i].second, i / 2, (i % 2) * 2 + 1);
    }
    rightLayout->addWidget(info);

    RzChkTree = new QTreeWidget(right);
    RzChkTree->setHeaderHidden(true);
    RzChkTree->setContextMenuPolicy(Qt::CustomContextMenu);
    // A right click selects the node under the mouse.
    connect(RzChkTree, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        if (QTreeWidgetItem* item = RzChkTree->itemAt(p))
            RzChkTree->setCurrentItem(item);
    });
    rightLayout->addWidget(RzChkTree, 1);
    PnlLoading = new QLabel(QStringLiteral("正在读取此用户权限，请稍候..."), right);
    PnlLoading->setAlignment(Qt::AlignCenter);
    PnlLoading->setFrameShape(QFrame::Panel);
    PnlLoading->hide();
    rightLayout->addWidget(PnlLoading);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 2);

    connect(&Users.QryYhu, &db::Query::currentChanged, this, [this](int) { ShowUser(); });
    connect(&Users.QryYhu, &db::Query::dataChanged, this, [this] { ShowUser(); });
}

TFYhSquan::~TFYhSquan() = default;

bool TFYhSquan::isRoot(const QTreeWidgetItem* node)
{
    return node->data(0, RoleKind).toInt() == 0;
}

TQxZhi TFYhSquan::rootData(const QTreeWidgetItem* node)
{
    return {node->data(0, RoleZhi).toString()};
}

TQxCdan TFYhSquan::menuData(const QTreeWidgetItem* node)
{
    return {node->data(0, RoleZhi).toString(), node->data(0, RoleCode).toString()};
}

QTreeWidgetItem* TFYhSquan::AddNode(QTreeWidgetItem* parent, const QString& caption, const QString& zhi,
                                    const QString& code)
{
    auto* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(RzChkTree);
    node->setText(0, caption);
    node->setData(0, RoleKind, parent ? 1 : 0);
    node->setData(0, RoleZhi, zhi);
    node->setData(0, RoleCode, code);
    node->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
    node->setCheckState(0, Qt::Unchecked);
    return node;
}

void TFYhSquan::FillNode(QTreeWidgetItem* node, const QString& zhi, const QString& code)
{
    db::Query q(TDM::instance().Connection());
    q.setSql(SqlText::format("select * from his_qxcdan where qxzhi='%s' and qxcdan like '%s%%' and len(qxcdan)=%d "
                             "order by qxcdan ",
                             zhi, code, int(code.size()) + 2));
    q.open();
    for (q.first(); !q.eof(); q.next()) {
        const QString child = q.field(QStringLiteral("qxcdan")).asString();
        FillNode(AddNode(node, q.field(QStringLiteral("cdmcheng")).asString(), zhi, child), zhi, child);
    }
}

void TFYhSquan::BuildTree()
{
    RzChkTree->clear();
    db::Query roots(TDM::instance().Connection());
    roots.setSql(QStringLiteral("select * from his_qxzhi where zhi='M1' "));
    roots.open();
    for (roots.first(); !roots.eof(); roots.next()) {
        const QString zhi = roots.field(QStringLiteral("zhi")).asString();
        QTreeWidgetItem* root = AddNode(nullptr, roots.field(QStringLiteral("mcheng")).asString(), zhi, QString());
        db::Query top(TDM::instance().Connection());
        top.setSql(SqlText::format("select * from his_qxcdan where qxzhi='%s' and len(qxcdan)=2 order by qxcdan ", zhi));
        top.open();
        for (top.first(); !top.eof(); top.next()) {
            const QString code = top.field(QStringLiteral("qxcdan")).asString();
            FillNode(AddNode(root, top.field(QStringLiteral("cdmcheng")).asString(), zhi, code), zhi, code);
        }
    }
    // Folder pictures for nodes with children, leaf pictures for the others.
    const QIcon folder = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon leaf = style()->standardIcon(QStyle::SP_FileIcon);
    for (QTreeWidgetItemIterator it(RzChkTree); *it; ++it)
        (*it)->setIcon(0, (*it)->childCount() ? folder : leaf);
    RzChkTree->expandAll();
    RzChkTree->scrollToTop();
}

QTreeWidgetItem* TFYhSquan::nodeForCode(const QString& code) const
{
    for (QTreeWidgetItemIterator it(RzChkTree); *it; ++it)
        if (!isRoot(*it) && menuData(*it).qxcdan == code)
            return *it;
    return nullptr;
}

void TFYhSquan::ShowUser()
{
    db::Query& u = Users.QryYhu;
    const bool has = u.isOpen() && u.recNo() >= 0;
    auto field = [&](const char* name) { return has ? u.field(QString::fromUtf8(name)).value() : db::Value(); };
    LblXming->setText(field("xming").toString());
    LblXhao->setText(field("xhao").toString());
    LblZhao->setText(field("zhao").toString());
    LblXbie->setText(db::Lookup(Users.QryXbie).name(field("xbie")));
    LblKshi->setText(db::Lookup(Users.QryKshi).name(field("kshi")));
    LblYhlbie->setText(db::Lookup(Users.QryYhlbie).name(field("yhlbie")));
}

void TFYhSquan::LoadUserGrants()
{
    const int user = Users.currentUserId();
    loadedUser_ = user;
    PnlLoading->show();
    PnlLoading->repaint();
    db::Query q(TDM::instance().Connection());
    for (QTreeWidgetItemIterator it(RzChkTree); *it; ++it) {
        if (isRoot(*it))
            continue;
        const TQxCdan d = menuData(*it);
        q.close();
        q.setSql(SqlText::format("select * from pub_yhqxian where yhid=%d and qxzhi='%s' and qxcdan='%s' ", user,
                                 d.zhi, d.qxcdan));
        q.open();
        (*it)->setCheckState(0, q.isEmpty() ? Qt::Unchecked : Qt::Checked);
    }
    PnlLoading->hide();
}

void TFYhSquan::SaveQxian(const QString& qxian)
{
    db::Query& u = Users.QryYhu;
    u.edit();
    u.setField(QStringLiteral("qxian"), qxian);
    u.post();
}

void TFYhSquan::BBtnFpeiClick()
{
    const int user = Users.currentUserId();
    if (!user)
        return;
    // The old grants are replaced in one transaction: a failure leaves them as they were.
    RunInTransaction([&] {
        db::Query& scratch = TDM::instance().QryCx();
        scratch.close();
        scratch.setSql(SqlText::format("delete from pub_yhqxian where yhid=%d ", user));
        scratch.execSql();
        QString qxian;
        for (QTreeWidgetItemIterator it(RzChkTree); *it; ++it) {
            if ((*it)->checkState(0) == Qt::Unchecked)
                continue;
            if (isRoot(*it)) {
                qxian += rootData(*it).zhi;
                continue;
            }
            const TQxCdan d = menuData(*it);
            scratch.setSql(SqlText::format("insert into pub_yhqxian(yhid, qxzhi, qxcdan) values(%d, '%s', '%s')", user,
                                           d.zhi, d.qxcdan));
            scratch.execSql();
        }
        SaveQxian(qxian);
    });
    ui::Dialogs::instance().message(QStringLiteral("权限分配成功！"), QStringLiteral("提示"), ui::Icon::Information);
}

void TFYhSquan::BBtnHshouClick()
{
    const int user = Users.currentUserId();
    if (!user)
        return;
    if (!ui::Dialogs::instance().question(
            QStringLiteral("此操作将回收此用户所有权限，导致此用户不能登录\r系统，请回收后立即为此用户重新分配权限。\r\r现在就回收吗？"),
            QStringLiteral("请确认"), ui::Icon::Question, false))
        return;
    RunInTransaction([&] {
        db::Query& scratch = TDM::instance().QryCx();
        scratch.close();
        scratch.setSql(SqlText::format("delete from pub_yhqxian where yhid=%d ", user));
        scratch.execSql();
        SaveQxian(QString());
    });
    ui::Dialogs::instance().message(QStringLiteral("权限回收成功！"), QStringLiteral("提示"), ui::Icon::Information);
}

void TFYhSquan::RunInTransaction(const std::function<void()>& work)
{
    db::Transaction t(TDM::instance().Connection());
    try {
        work();
        t.commit();
    } catch (...) {
        // The user row keeps its stored grants; the error goes on to the handler.
        if (Users.QryYhu.state() != db::Query::State::Browse)
            Users.QryYhu.cancel();
        throw;
    }
}

void TFYhSquan::FormShow()
{
    Users.open();
    RzChkTree->clear();
    BuildTree();
    cxGrdYhu->expandAll();
    ShowUser();
    LoadUserGrants();
}

void TFYhSquan::FormClose()
{
    Users.close();
    loadedUser_ = 0;
}

}  // namespace tj::admin
