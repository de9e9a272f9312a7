#include "app/TFSetPass.h"

#include "core/Session.h"
#include "core/TDM.h"
#include "common/DesCipher.h"
#include "platform/db/SqlText.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/EnterMovesFocus.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tj::app {

using ui::Dialogs;
using ui::Icon;

TFSetPass::TFSetPass(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("更改密码"));
    LbOld = new QLabel(QStringLiteral("请输入旧密码："), this);
    EdtOld = new QLineEdit(this);
    LbNew1 = new QLabel(QStringLiteral("请输入新密码："), this);
    EdtNew1 = new QLineEdit(this);
    LbNew2 = new QLabel(QStringLiteral("请重新输入新密码："), this);
    EdtNew2 = new QLineEdit(this);
    for (QLineEdit* e : {EdtOld, EdtNew1, EdtNew2})
        e->setEchoMode(QLineEdit::Password);
    BtnOk = new QPushButton(QStringLiteral("确定(&Y)"), this);
    BtnExit = new QPushButton(QStringLiteral("退出(&X)"), this);
    BtnOk->setAutoDefault(false);
    BtnExit->setAutoDefault(false);
    auto* grid = new QGridLayout;
    grid->addWidget(LbOld, 0, 0);
    grid->addWidget(EdtOld, 0, 1);
    grid->addWidget(LbNew1, 1, 0);
    grid->addWidget(EdtNew1, 1, 1);
    grid->addWidget(LbNew2, 2, 0);
    grid->addWidget(EdtNew2, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnExit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    for (QWidget* w : {static_cast<QWidget*>(LbNew1), static_cast<QWidget*>(EdtNew1),
                       static_cast<QWidget*>(LbNew2), static_cast<QWidget*>(EdtNew2)})
        w->hide();
    connect(BtnOk, &QPushButton::clicked, this, &TFSetPass::BtnOkClick);
    connect(BtnExit, &QPushButton::clicked, this, &QDialog::reject);
    ui::EnterMovesFocus::install(this);
    EdtOld->setFocus();
}

void TFSetPass::BtnOkClick()
{
    core::Session& s = core::Session::current();
    if (!askingNew_) {
        if (EdtOld->text() != s.LoginPassword) {
            Dialogs::instance().message(QStringLiteral("密码错误，请重新输入！"), QStringLiteral("警告"), Icon::Warning);
            EdtOld->setFocus();
            return;
        }
        LbOld->hide();
        EdtOld->hide();
        for (QWidget* w : {static_cast<QWidget*>(LbNew1), static_cast<QWidget*>(EdtNew1),
                           static_cast<QWidget*>(LbNew2), static_cast<QWidget*>(EdtNew2)})
            w->show();
        askingNew_ = true;
        EdtNew1->setFocus();
        return;
    }
    if (EdtNew1->text() != EdtNew2->text()) {
        Dialogs::instance().message(QStringLiteral("两次密码不一致，请重新输入！"), QStringLiteral("警告"), Icon::Warning);
        EdtNew1->setFocus();
        return;
    }
    const QString password = EdtNew1->text();
    core::TDM::instance().Connection().execute(db::SqlText::format(
        "update pub_yhu set mma='%s' where id=%d ", common::DesEncryptToHex(password, core::PasswordKey), s.CurrentUserId));
    s.LoginPassword = password;
    Dialogs::instance().message(QStringLiteral("密码已成功修改！"), QStringLiteral("提示"), Icon::Information);
    accept();
}

}  // namespace tj::app
