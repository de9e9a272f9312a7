#include "admin/TFYhu.h"

#include "core/TDM.h"
#include "masterdata/WindowParts.h"
#include "platform/db/SqlText.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/MaintenanceController.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>

namespace tj::admin {

using core::TDM;
using masterdata::AddLabelled;

TFYhu::TFYhu(QWidget* parent) : ui::WorkingWindow(parent)
{
    setWindowTitle(QStringLiteral("用户管理"));
    resize(820, 600);
    auto* outer = new QVBoxLayout(this);
    auto* split = new QSplitter(this);
    outer->addWidget(split);
    Maint = new ui::MaintenanceController(this, Users.QryYhu, TDM::instance().QryCx());

    cxGrdYhu = new ui::DataGrid(split);
    Users.setUpGrid(cxGrdYhu);
    Maint->setGrid(cxGrdYhu);

    auto* right = new QWidget(split);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(Maint->createToolBar(right));
    auto* panel = new QGroupBox(right);
    auto* form = new QGridLayout(panel);
    EdtXming = new QLineEdit(panel);
    EdtXhao = new QLineEdit(panel);
    EdtZhao = new QLineEdit(panel);
    CmbXbie = new QComboBox(panel);
    EdtPyjma = new QLineEdit(panel);
    CmbKshi = new QComboBox(panel);
    EdtDhua = new QLineEdit(panel);
    CmbYhlbie = new QComboBox(panel);
    MemJjie = new QPlainTextEdit(panel);
    MemBzhu = new QPlainTextEdit(panel);
    const std::vector<std::pair<QString, QWidget*>> rows = {
        {QStringLiteral("用户姓名："), EdtXming}, {QStringLiteral("序号："), EdtXhao},
        {QStringLiteral("用户帐号："), EdtZhao},  {QStringLiteral("性别："), CmbXbie},
        {QStringLiteral("拼音简码："), EdtPyjma}, {QStringLiteral("所属科室："), CmbKshi},
        {QStringLiteral("电话："), EdtDhua},      {QStringLiteral("用户类别："), CmbYhlbie},
        {QStringLiteral("用户简介："), MemJjie},  {QStringLiteral("备注："), MemBzhu},
    };
    QWidget* previous = nullptr;
    for (int i = 0; i < int(rows.size()); ++i) {
        QLabel* l = AddLabelled(form, i, 0, rows[std::size_t(i)].first, rows[std::size_t(i)].second);
        QWidget* w = rows[std::size_t(i)].second;
        if (w == EdtXming || w == EdtZhao || w == CmbXbie || w == CmbKshi || w == CmbYhlbie)
            ui::MaintenanceController::markRequired(l);
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
    rightLayout->addWidget(panel, 1);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 2);

    Maint->addEditPanel(panel);
    Maint->setFirstEditor(EdtXming);
    Maint->bindText(EdtXming, QStringLiteral("xming"));
    Maint->bindText(EdtXhao, QStringLiteral("xhao"));
    Maint->bindText(EdtZhao, QStringLiteral("zhao"));
    Maint->bindLookup(CmbXbie, QStringLiteral("xbie"), Users.QryXbie);
    Maint->bindPinyin(EdtPyjma, QStringLiteral("pyjma"), EdtXming, masterdata::SearchCode());
    Maint->bindLookup(CmbKshi, QStringLiteral("kshi"), Users.QryKshi);
    Maint->bindText(EdtDhua, QStringLiteral("dhua"));
    Maint->bindLookup(CmbYhlbie, QStringLiteral("yhlbie"), Users.QryYhlbie);
    Maint->bindMemo(MemJjie, QStringLiteral("jjie"));
    Maint->bindMemo(MemBzhu, QStringLiteral("bzhu"));
    // Any refusal of the database is, in practice, an account taken already.
    Maint->postErrorText = [](const QString&) { return QStringLiteral("保存出错：请检查是否存在重复帐号！"); };
    Maint->afterSave = [this] {
        Users.reopen();
        cxGrdYhu->expandAll();
    };
    Maint->addDeleteGuard(QStringLiteral("select * from tjian_jguo where tjysid=%d "), QStringLiteral("id"),
                          QStringLiteral("此用户已经在体检结果中使用，不能删除！"));
    Maint->addDeleteGuard(QStringLiteral("select * from tjian_jguo_xjie where xjysid=%d "), QStringLiteral("id"),
                          QStringLiteral("此用户已经在体检科室小结中使用，不能删除！"));
    Maint->addDeleteGuard(QStringLiteral("select * from tjian_jguo_zjian where zjysid=%d "), QStringLiteral("id"),
                          QStringLiteral("此用户已经在体检结果总检中使用，不能删除！"));
    Maint->addDeleteGuard(QStringLiteral("select * from tjian_sfei_main where sfyid=%d "), QStringLiteral("id"),
                          QStringLiteral("此用户已经在体检收费中使用，不能删除！"));
    Maint->setDeleteQuestion(QStringLiteral("是否确定删除此用户？"));
    Maint->deleteRow = [this] {
        db::Query& q = TDM::instance().QryCx();
        q.close();
        q.setSql(db::SqlText::format("delete from pub_yhu where id=%d ", Users.currentUserId()));
        q.execSql();
        Users.reopen();
        cxGrdYhu->expandAll();
    };
}

TFYhu::~TFYhu() = default;

void TFYhu::FormShow()
{
    Users.open();
    Maint->applyState();
    cxGrdYhu->expandAll();
}

void TFYhu::FormClose()
{
    Users.close();
}



}  // namespace tj::admin
