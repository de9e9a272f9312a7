#include "app/TFLogin.h"

#include "app/TFSetDBConn.h"
#include "core/ServerClock.h"
#include "core/Session.h"
#include "core/TDM.h"
#include "common/DesCipher.h"
#include "platform/db/SqlText.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/EnterMovesFocus.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace tj::app {

using db::SqlText;
using ui::Dialogs;
using ui::Icon;

TFLogin::TFLogin(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("系统登录"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(800, 600);

    CmbBxAccount = new QComboBox(this);
    CmbBxUser = new QComboBox(this);
    CmbBxUser->setMaxVisibleItems(20);
    EdtPassword = new QLineEdit(this);
    EdtPassword->setEchoMode(QLineEdit::Password);
    EdtPassword->setMaxLength(20);
    ShpYearEnd = new QLabel(this);
    ShpYearEnd->setFixedSize(12, 12);
    LbYearEnd = new QLabel(this);
    btnOk = new QPushButton(QStringLiteral("登  录"), this);
    btnCancel = new QPushButton(QStringLiteral("取  消"), this);
    btnOk->setAutoDefault(false);
    btnCancel->setAutoDefault(false);
    for (QPushButton* b : {btnOk, btnCancel}) {
        b->setFlat(true);
        b->setMinimumSize(96, 32);
        b->setStyleSheet(QStringLiteral(
            "QPushButton{color:white;background:rgba(255,255,255,40);border:1px solid rgba(255,255,255,120);"
            "border-radius:4px;font-size:15px}QPushButton:hover{background:rgba(255,255,255,80)}"));
    }
    SetIndicator(false);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(16);
    const QString labelStyle = QStringLiteral("color:white;font-size:15px");
    auto label = [&](const QString& text) {
        auto* l = new QLabel(text, this);
        l->setStyleSheet(labelStyle);
        return l;
    };
    grid->addWidget(label(QStringLiteral("帐  套：")), 0, 0);
    grid->addWidget(CmbBxAccount, 0, 1);
    auto* yearEnd = new QHBoxLayout;
    yearEnd->addWidget(ShpYearEnd);
    yearEnd->addWidget(LbYearEnd);
    grid->addLayout(yearEnd, 0, 2);
    grid->addWidget(label(QStringLiteral("用  户：")), 1, 0);
    grid->addWidget(CmbBxUser, 1, 1);
    grid->addWidget(label(QStringLiteral("密  码：")), 2, 0);
    grid->addWidget(EdtPassword, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(16);
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    grid->addLayout(buttons, 3, 1);
    for (QWidget* w : {static_cast<QWidget*>(CmbBxAccount), static_cast<QWidget*>(CmbBxUser),
                       static_cast<QWidget*>(EdtPassword)})
        w->setMinimumSize(240, 28);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(300, 290, 120, 90);
    outer->addLayout(grid);
    outer->addStretch();

    connect(CmbBxAccount, &QComboBox::activated, this, &TFLogin::CmbBxAccountChange);
    connect(CmbBxUser, &QComboBox::activated, this, &TFLogin::CmbBxUserChange);
    connect(btnOk, &QPushButton::clicked, this, &TFLogin::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    ui::EnterMovesFocus::install(this);
}

void TFLogin::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(18, 92, 160));
    g.setColorAt(1, QColor(8, 48, 96));
    p.fillRect(rect(), g);
    // A band with the product title and a stylised cross.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 30));
    p.drawRoundedRect(QRect(260, 250, 460, 270), 12, 12);
    p.setBrush(QColor(230, 60, 60));
    p.drawRect(QRect(90, 120, 20, 60));
    p.drawRect(QRect(70, 140, 60, 20));
    QFont title(QStringLiteral("Noto Serif CJK SC"));
    title.setPixelSize(40);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(150, 110, 620, 80), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("岚川体检管理信息系统"));
    QFont sub = title;
    sub.setPixelSize(16);
    sub.setBold(false);
    p.setFont(sub);
    p.setPen(QColor(200, 225, 250));
    p.drawText(QRect(152, 180, 620, 30), Qt::AlignLeft, QStringLiteral("健康体检中心  ·  系统登录"));
}

void TFLogin::SetIndicator(bool closed)
{
    const QString color = closed ? QStringLiteral("red") : QStringLiteral("#00c000");
    ShpYearEnd->setStyleSheet(QStringLiteral("background:%1;border:1px solid white").arg(color));
    LbYearEnd->setStyleSheet(QStringLiteral("color:%1;font-size:14px").arg(color));
    LbYearEnd->setText(closed ? QStringLiteral("已年结") : QStringLiteral("未年结"));
}

void TFLogin::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TFLogin::FormShow()
{
    db::Connection& conn = core::TDM::instance().Connection();
    filling_ = true;
    CmbBxAccount->clear();
    accountDatabases_.clear();
    CmbBxAccount->addItem(QStringLiteral("当前年度"));
    accountDatabases_ << QStringLiteral("his");
    const auto sets = conn.query(QStringLiteral("select * from his_ztao order by scsjian desc "));
    for (size_t r = 0; r < sets.rows.size(); ++r) {
        CmbBxAccount->addItem(sets.value(r, QStringLiteral("ztmcheng")).toString());
        accountDatabases_ << sets.value(r, QStringLiteral("sjkmcheng")).toString();
    }
    CmbBxAccount->setCurrentIndex(0);
    filling_ = false;

    FillUsers();

    const auto begin = conn.query(QStringLiteral("select * from his_xtszhi where bzhu='BeginUseYear' "));
    if (begin.rows.empty())
        conn.execute(SqlText::format("insert into his_xtszhi(bzhu, zhi) values('%s', '%s')",
                                     QStringLiteral("BeginUseYear"), QString::number(QDate::currentDate().year())));
    EdtPassword->clear();
    EdtPassword->setFocus();
}

void TFLogin::FillUsers()
{
    db::Connection& conn = core::TDM::instance().Connection();
    CmbBxUser->clear();
    userIds_.clear();
    const auto users = conn.query(QStringLiteral("select * from pub_yhu where qxian like '%M1%' "));
    for (size_t r = 0; r < users.rows.size(); ++r) {
        CmbBxUser->addItem(users.value(r, QStringLiteral("xming")).toString());
        userIds_.push_back(int(users.value(r, QStringLiteral("id")).toInteger()));
    }
    if (CmbBxUser->count() > 0)
        CmbBxUser->setCurrentIndex(0);
}

void TFLogin::ShowYearEnd()
{
    const auto rs = core::TDM::instance().Connection().query(QStringLiteral("select zhi from his_xtszhi where bzhu='YearEnd' "));
    if (rs.rows.empty())
        return;
    SetIndicator(rs.rows[0][0].toString() != QStringLiteral("0"));
}

void TFLogin::CmbBxAccountChange(int index)
{
    if (filling_ || index < 0 || index >= accountDatabases_.size())
        return;
    core::TDM& dm = core::TDM::instance();
    dm.DbConnected = false;
    TFSetDBConn dialog(this);
    core::TDBConnectConfig config = dm.baseConfig();
    dialog.LoadConnectionSettings(config);
    config.DBName = accountDatabases_[index];
    dialog.setConfig(config);
    dm.DbConnected = dialog.OpenConnection(false);
    if (!dm.DbConnected) {
        if (dialog.exec() != QDialog::Accepted) {
            // No usable database: the program ends.
            reject();
            QApplication::exit(0);
            return;
        }
        dm.DbConnected = true;
    }
    ShowYearEnd();
    FillUsers();
    EdtPassword->clear();
    EdtPassword->setFocus();
}

void TFLogin::CmbBxUserChange(int)
{
    EdtPassword->clear();
    EdtPassword->setFocus();
}

void TFLogin::btnOkClick()
{
    const int index = CmbBxUser->currentIndex();
    if (index < 0 || size_t(index) >= userIds_.size()) {
        Dialogs::instance().message(QStringLiteral("您没有登录此系统的权限！"), QStringLiteral("提示"), Icon::Warning);
        return;
    }
    db::Connection& conn = core::TDM::instance().Connection();
    const int userId = userIds_[size_t(index)];
    const QString typed = EdtPassword->text();
    const QString enciphered = common::DesEncryptToHex(typed, core::PasswordKey);

    const auto user = conn.query(SqlText::format("select * from pub_yhu where qxian like '%%M1%%' and id = %d", userId));
    if (user.rows.empty()) {
        Dialogs::instance().message(QStringLiteral("您没有登录此系统的权限！"), QStringLiteral("提示"), Icon::Warning);
        return;
    }
    if (user.value(0, QStringLiteral("mma")).toString() != enciphered) {
        Dialogs::instance().message(QStringLiteral("输入密码错误！"), QStringLiteral("提示"), Icon::Warning);
        EdtPassword->clear();
        EdtPassword->setFocus();
        return;
    }

    core::Session& s = core::Session::current();
    s.LoginPassword = typed;
    s.CurrentAccountSetName = CmbBxAccount->currentText();
    s.CurrentDatabaseName = accountDatabases_.value(CmbBxAccount->currentIndex(), QStringLiteral("his"));
    s.CurrentUserId = int(user.value(0, QStringLiteral("id")).toInteger());
    s.CurrentUserAccount = user.value(0, QStringLiteral("zhao")).toString();
    s.CurrentUserName = user.value(0, QStringLiteral("xming")).toString();
    s.CurrentUserPhone = user.value(0, QStringLiteral("dhua")).toString();
    s.CurrentDepartmentId = int(user.value(0, QStringLiteral("kshi")).toInteger());

    const auto dept = conn.query(SqlText::format("select * from pub_kshi where id=%d ", s.CurrentDepartmentId));
    s.CurrentDepartmentName = dept.rows.empty() ? QString() : dept.value(0, QStringLiteral("mcheng")).toString().trimmed();

    const auto system = conn.query(SqlText::format("select * from his_qxzhi where zhi='%s' ", core::SystemCode));
    const QString systemName = system.rows.empty() ? QString() : system.value(0, QStringLiteral("mcheng")).toString();

    // The login record: written in one transaction, so a failure leaves no
    // half-written row behind.
    {
        db::Transaction t(conn);
        conn.execute(SqlText::format("insert into his_xtrzhi(zhao, xming, dlxtong) values('%s', '%s', '%s')",
                                     s.CurrentUserAccount, s.CurrentUserName, systemName));
        s.LoginLogId = int(conn.scalar(QStringLiteral("SELECT SCOPE_IDENTITY()")).toInteger());
        conn.execute(SqlText::format("update his_xtrzhi set dlsjian=getdate() where id=%d ", s.LoginLogId));
        t.commit();
    }

    // The workstation keeps the server's time for the rest of the session;
    // the operating system's clock is left alone.
    const auto now = conn.query(QStringLiteral("select getdate() "));
    if (!now.rows.empty())
        core::SessionClock::syncTo(now.rows[0][0].toDateTime());
    accept();
}

}  // namespace tj::app
