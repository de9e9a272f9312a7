#include "admin/TFYhu.h"

#include "common/PinyinCode.h"
#include "core/TDM.h"
#include "platform/db/SqlText.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/MaintenanceController.h"

#include <QComboBox>
#include <QGroupBox>

namespace tj::admin {

using core::TDM;

TFYhu::TFYhu(QWidget* parent) : ui::WorkingWindow(parent)
{
    setWindowTitle(QStringLiteral("用户管理"));
    resize(900, 640);
    Maint = new ui::MaintenanceController(this, Users.QryYhu, TDM::instance().QryCx());
    cxGrdYhu = new ui::DataGrid(this);
    Users.setUpGrid(cxGrdYhu);

    auto* panel = new QGroupBox(this);
    ui::LayoutMaintenanceWindow(this, Maint, cxGrdYhu, panel, ui::FormPlacement::Beside);
    ui::FormBuilder f(Maint, panel);
    // A user without a department would drop out of the list (it shows the
    // users of the examination departments) and could never be reached again.
    EdtXming = f.text(QStringLiteral("用户姓名："), QStringLiteral("xming"), {.required = QStringLiteral("用户姓名不能为空！")});
    EdtXhao = f.text(QStringLiteral("序号："), QStringLiteral("xhao"));
    EdtZhao = f.text(QStringLiteral("用户帐号："), QStringLiteral("zhao"), {.required = QStringLiteral("用户帐号不能为空！")});
    CmbXbie = f.lookup(QStringLiteral("性别："), QStringLiteral("xbie"), Users.QryXbie);
    EdtPyjma = f.pinyin(QStringLiteral("拼音简码："), QStringLiteral("pyjma"), EdtXming, common::SearchCode);
    CmbKshi = f.lookup(QStringLiteral("所属科室："), QStringLiteral("kshi"), Users.QryKshi,
                       {.required = QStringLiteral("所属科室不能为空！")});
    EdtDhua = f.text(QStringLiteral("电话："), QStringLiteral("dhua"));
    CmbYhlbie = f.lookup(QStringLiteral("用户类别："), QStringLiteral("yhlbie"), Users.QryYhlbie);
    MemJjie = f.memo(QStringLiteral("用户简介："), QStringLiteral("jjie"), {.height = 90});
    MemBzhu = f.memo(QStringLiteral("备注："), QStringLiteral("bzhu"), {.height = 90});
    // Sex and category are expected too (red), though a user can work without them.
    ui::MaintenanceController::markRequired(f.labelOf(CmbXbie));
    ui::MaintenanceController::markRequired(f.labelOf(CmbYhlbie));

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
