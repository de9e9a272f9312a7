// Start-up, login, menu registry and grants, navigation map, quit and
// password change against a fresh embedded database.
#include "app/MenuTree.h"
#include "app/StartUp.h"
#include "app/TFLogin.h"
#include "app/TFMain.h"
#include "app/TFNavigationMap.h"
#include "app/TFSetDBConn.h"
#include "app/TFSetPass.h"
#include "core/ConnectionConfig.h"
#include "core/ServerClock.h"
#include "core/Session.h"
#include "core/TDM.h"
#include "common/DesCipher.h"
#include "platform/db/SqlText.h"
#include "platform/ui/Dialogs.h"
#include "schema/Schema.h"
#include "support/DbFixture.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace tj::app;
using namespace tj::core;
using tj::db::SqlText;
using tj::ui::ScriptedDialogs;

namespace {

TDBConnectConfig embeddedConfig(const QString& folder, const QString& dbName)
{
    TDBConnectConfig c;
    c.IniFileName = QDir(folder).filePath(QStringLiteral("ConnectDB.ini"));
    c.Server = EmbeddedServer;
    c.DBName = dbName;
    c.LoginMode = QStringLiteral("Sql server");
    c.NetLib = QStringLiteral("TCP/IP");
    c.Port = QStringLiteral("1433");
    return c;
}

// A workstation: the template database in a program folder, ConnectDB.ini
// pointing at it, the data module connected.
class Shell : public ::testing::Test {
protected:
    void SetUp() override
    {
        Session::reset();
        SetProgramFolder(db.programFolder());
        ASSERT_TRUE(WriteConnectionSettings(embeddedConfig(db.programFolder(), QStringLiteral("his"))));
        dm = std::make_unique<TDM>();
        dm->connect(embeddedConfig(db.programFolder(), QStringLiteral("his")));
        dm->DbConnected = true;
    }
    void TearDown() override
    {
        dm.reset();
        SetProgramFolder(QString());
        Session::reset();
    }
    int count(const QString& sql) { return int(dm->Connection().scalar(sql).toInteger()); }

    tj::test::TestDatabase db;
    std::unique_ptr<TDM> dm;
    ScriptedDialogs dialogs;
};

int indexOfUser(TFLogin& login, int id)
{
    for (size_t i = 0; i < login.userIds().size(); ++i)
        if (login.userIds()[i] == id)
            return int(i);
    return -1;
}

}  // namespace

TEST_F(Shell, LoginChecksPasswordAndWritesTheLoginRecord)
{
    const int doctor = db.addUser({.account = QStringLiteral("wang"), .name = QStringLiteral("王医生"),
                                   .grants = {QStringLiteral("0201")}, .phone = QStringLiteral("6601"),
                                   .passwordCipher = tj::common::DesEncryptToHex(QStringLiteral("Abc123"), PasswordKey)});
    db.addUser({.account = QStringLiteral("nobody"), .name = QStringLiteral("无权限")});
    TFLogin login;
    login.FormShow();
    EXPECT_EQ(login.CmbBxAccount->itemText(0), QStringLiteral("当前年度"));
    EXPECT_EQ(login.accountDatabases().value(0), QStringLiteral("his"));
    EXPECT_EQ(indexOfUser(login, db.addUser({.account = QStringLiteral("x"), .name = QStringLiteral("x")})), -1);
    ASSERT_GE(indexOfUser(login, doctor), 0);
    for (int i = 0; i < login.CmbBxUser->count(); ++i)
        EXPECT_NE(login.CmbBxUser->itemText(i), QStringLiteral("无权限"));

    login.CmbBxUser->setCurrentIndex(indexOfUser(login, doctor));
    login.EdtPassword->setText(QStringLiteral("abc123"));  // case matters
    login.btnOkClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("输入密码错误！"));
    EXPECT_EQ(dialogs.last().caption, QStringLiteral("提示"));
    EXPECT_TRUE(login.EdtPassword->text().isEmpty());
    EXPECT_EQ(count(QStringLiteral("select count(*) from his_xtrzhi")), 0);
    EXPECT_NE(login.result(), QDialog::Accepted);

    login.EdtPassword->setText(QStringLiteral("Abc123"));
    login.btnOkClick();
    EXPECT_EQ(login.result(), QDialog::Accepted);
    const Session& s = Session::current();
    EXPECT_EQ(s.CurrentUserId, doctor);
    EXPECT_EQ(s.CurrentUserAccount, QStringLiteral("wang"));
    EXPECT_EQ(s.CurrentUserName, QStringLiteral("王医生"));
    EXPECT_EQ(s.CurrentUserPhone, QStringLiteral("6601"));
    EXPECT_EQ(s.CurrentDatabaseName, QStringLiteral("his"));
    EXPECT_EQ(s.LoginPassword, QStringLiteral("Abc123"));
    const auto log = dm->Connection().query(SqlText::format("select * from his_xtrzhi where id=%d", s.LoginLogId));
    ASSERT_EQ(log.rows.size(), 1u);
    EXPECT_EQ(log.value(0, QStringLiteral("zhao")).toString(), QStringLiteral("wang"));
    EXPECT_FALSE(log.value(0, QStringLiteral("dlxtong")).toString().isEmpty());
    EXPECT_FALSE(log.value(0, QStringLiteral("dlsjian")).isNull());
    EXPECT_TRUE(log.value(0, QStringLiteral("tcsjian")).isNull());
}

TEST_F(Shell, UserWhoseRightsWereWithdrawnCannotLogIn)
{
    const int user = db.addUser({.account = QStringLiteral("li"), .name = QStringLiteral("李护士"),
                                 .grants = {QStringLiteral("0104")}});
    TFLogin login;
    login.FormShow();
    login.CmbBxUser->setCurrentIndex(indexOfUser(login, user));
    db.execute(SqlText::format("update pub_yhu set qxian='' where id=%d", user));
    login.btnOkClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("您没有登录此系统的权限！"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from his_xtrzhi")), 0);
}

TEST_F(Shell, BeginUseYearIsCreatedOnce)
{
    db.execute(QStringLiteral("delete from his_xtszhi where bzhu='BeginUseYear'"));
    TFLogin first;
    first.FormShow();
    TFLogin second;
    second.FormShow();
    EXPECT_EQ(count(QStringLiteral("select count(*) from his_xtszhi where bzhu='BeginUseYear'")), 1);
    EXPECT_EQ(dm->Connection().scalar(QStringLiteral("select zhi from his_xtszhi where bzhu='BeginUseYear'")).toString(),
              QString::number(QDate::currentDate().year()));
}

TEST_F(Shell, AccountSetSwitchConnectsToTheArchiveDatabase)
{
    tj::schema::createDatabaseFromTemplate(QStringLiteral("his2023"), db.programFolder());
    db.execute(QStringLiteral("insert into his_ztao(ztmcheng, sjkmcheng, scsjian) values('2023年度', 'his2023', '2024-01-01')"));
    TFLogin login;
    login.FormShow();
    ASSERT_EQ(login.CmbBxAccount->count(), 2);
    EXPECT_EQ(login.CmbBxAccount->itemText(1), QStringLiteral("2023年度"));
    {
        // Mark the archive as closed for the year before switching to it.
        tj::db::SqliteConnection archive(tj::schema::databasePath(QStringLiteral("his2023"), db.programFolder()));
        archive.open();
        archive.execute(QStringLiteral("update his_xtszhi set zhi='1' where bzhu='YearEnd'"));
    }
    login.CmbBxAccount->setCurrentIndex(1);
    login.CmbBxAccountChange(1);
    EXPECT_TRUE(dm->DbConnected);
    EXPECT_EQ(dm->activeConfig().DBName, QStringLiteral("his2023"));
    EXPECT_EQ(login.LbYearEnd->text(), QStringLiteral("已年结"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from his_xtszhi where bzhu='YearEnd'")), 1);
}

TEST_F(Shell, StartupWithWrongSettingsUsesTheDialog)
{
    dm.reset();
    ASSERT_TRUE(WriteConnectionSettings(embeddedConfig(db.programFolder(), QStringLiteral("missing"))));

    // The operator corrects the database name in the dialog.
    struct Correcting : TFSetDBConn {
        bool execModal() override
        {
            EdtDatabase->setText(QStringLiteral("his"));
            BtnOkClick();
            return result() == QDialog::Accepted;
        }
    };
    struct Cancelling : TFSetDBConn {
        bool execModal() override { return false; }
    };

    TDM corrected;
    EXPECT_TRUE(corrected.openAtStartup([] { return std::make_unique<Correcting>(); }));
    EXPECT_TRUE(dialogs.last().text.startsWith(QStringLiteral("连接数据源失败！\r\r")));
    EXPECT_TRUE(corrected.Connection().isOpen());
    TDBConnectConfig saved = embeddedConfig(db.programFolder(), QString());
    ReadConnectionSettings(saved);
    EXPECT_EQ(saved.DBName, QStringLiteral("his"));  // the corrected settings were saved

    ASSERT_TRUE(WriteConnectionSettings(embeddedConfig(db.programFolder(), QStringLiteral("missing"))));
    TDM cancelled;
    EXPECT_FALSE(cancelled.openAtStartup([] { return std::make_unique<Cancelling>(); }));
    EXPECT_FALSE(cancelled.DbConnected);
}

TEST_F(Shell, NotADatabaseFileFailsWithTheCause)
{
    QFile f(tj::schema::databasePath(QStringLiteral("broken"), db.programFolder()));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is not a database at all, just text that is long enough to look like a header");
    f.close();
    EXPECT_THROW(OpenBackend(embeddedConfig(db.programFolder(), QStringLiteral("broken")), db.programFolder())
                     .get()->query(QStringLiteral("select * from pub_yhu")),
                 std::exception);
    EXPECT_THROW(OpenBackend(embeddedConfig(db.programFolder(), QStringLiteral("absent")), db.programFolder()),
                 tj::db::SqlError);
}

TEST_F(Shell, RebuildCreatesANewEmbeddedDatabaseAndRefusesAnExistingOne)
{
    TFSetDBConn dlg;
    dlg.setConfig(embeddedConfig(db.programFolder(), QStringLiteral("his")));
    dialogs.answer(true);
    dlg.BtnRebuildClick();
    EXPECT_TRUE(dialogs.wasShown(
        QStringLiteral("数据库已经存在！！！\r\n不能在已经存在的数据库上进行重建！\r\n请更改数据库名称后再试！")));

    dlg.EdtDatabase->setText(QStringLiteral("his2025"));
    dialogs.answer(false);
    dlg.BtnRebuildClick();
    EXPECT_FALSE(QFile::exists(tj::schema::databasePath(QStringLiteral("his2025"), db.programFolder())));

    dialogs.answer(true);
    dlg.BtnRebuildClick();
    EXPECT_TRUE(dialogs.wasShown(QStringLiteral("重建数据库成功！")));
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dm->activeConfig().DBName, QStringLiteral("his2025"));
    EXPECT_GT(count(QStringLiteral("select count(*) from pub_yhu")), 0);
}

namespace {
// The main window after a login of the given user.
std::unique_ptr<TFMain> loggedInMain(int userId)
{
    Session::current().CurrentUserId = userId;
    auto main = std::make_unique<TFMain>();
    main->RegisterAndApplyMenu();
    return main;
}
bool visible(TFMain& m, const char* code)
{
    QAction* a = m.actionForCode(QString::fromLatin1(code));
    return a && a->isVisible();
}
}  // namespace

TEST_F(Shell, MenuVisibilityFollowsGrants)
{
    const struct {
        QStringList grants;
        std::vector<const char*> shown;
        std::vector<const char*> hidden;
    } cases[] = {
        {{QStringLiteral("0104")}, {"01", "0104"}, {"0101", "0103", "0105", "02", "08", "0802"}},
        {{QStringLiteral("0608")}, {}, {"0608", "060801", "0601"}},
        {{QStringLiteral("060801")}, {"06", "0608", "060801"}, {"060802", "060803", "0601", "01"}},
    };
    for (const auto& c : cases) {
        const int user = db.addUser({.account = c.grants.join(QString()), .name = QStringLiteral("用户"), .grants = c.grants});
        auto main = loggedInMain(user);
        for (const char* code : c.shown)
            EXPECT_TRUE(visible(*main, code)) << c.grants.join(QString()).toStdString() << " shows " << code;
        for (const char* code : c.hidden)
            EXPECT_FALSE(visible(*main, code)) << c.grants.join(QString()).toStdString() << " hides " << code;
    }
}

TEST_F(Shell, MenuRegistryIsRewrittenFromTheMenu)
{
    db.execute(QStringLiteral("delete from his_qxcdan"));
    db.execute(QStringLiteral("insert into his_qxcdan(qxzhi, qxcdan, cdmcheng, gxin) values('M1', '0999', '旧菜单', 1)"));
    db.execute(QStringLiteral("insert into his_qxcdan(qxzhi, qxcdan, cdmcheng, gxin) values('M1', '0104', '旧名称', 1)"));
    db.execute(QStringLiteral("insert into his_qxcdan(qxzhi, qxcdan, cdmcheng, gxin) values('M2', '0999', '别的系统', 1)"));
    auto main = loggedInMain(db.administratorId());
    const int entries = int(FlattenMenu(MainMenuTree()).size());
    EXPECT_EQ(count(QStringLiteral("select count(*) from his_qxcdan where qxzhi='M1'")), entries);
    EXPECT_EQ(count(QStringLiteral("select count(*) from his_qxcdan where qxzhi='M1' and qxcdan='0999'")), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from his_qxcdan where qxzhi='M2'")), 1);
    EXPECT_EQ(dm->Connection().scalar(QStringLiteral("select cdmcheng from his_qxcdan where qxzhi='M1' and qxcdan='0104'")).toString(),
              QStringLiteral("团检登记"));
    EXPECT_EQ(dm->Connection().scalar(QStringLiteral("select cdmcheng from his_qxcdan where qxzhi='M1' and qxcdan='0503'")).toString(),
              QStringLiteral("收费员月结　"));
    // The first administrator sees every entry.
    for (const auto& [code, action] : main->menuEntries())
        EXPECT_TRUE(action->isVisible()) << code.toStdString();
}

TEST_F(Shell, NavigationMapRefusesEntriesWithoutGrant)
{
    const int user = db.addUser({.account = QStringLiteral("a"), .name = QStringLiteral("前台"), .grants = {QStringLiteral("0104")}});
    auto main = loggedInMain(user);
    int opened = 0;
    main->registerWindow(QStringLiteral("TFTjDj"), [&] { ++opened; });
    main->registerWindow(QStringLiteral("TFSjDj"), [&] { ++opened; });
    main->enableRegisteredEntries();
    main->navigationMap()->ButtonClick(QStringLiteral("0105"));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("对不起，无此权限！"));
    EXPECT_TRUE(dialogs.last().caption.isEmpty());
    EXPECT_EQ(opened, 0);
    main->navigationMap()->ButtonClick(QStringLiteral("0104"));
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(TFNavigationMap::Buttons().size(), 17);
}

TEST_F(Shell, QuitWritesTheLogoutTimeOnlyWhenConfirmed)
{
    db.execute(QStringLiteral("insert into his_xtrzhi(zhao, xming, dlxtong, dlsjian) values('admin', '管理员', '体检', getdate())"));
    Session::current().LoginLogId = int(db.scalar(QStringLiteral("select max(id) from his_xtrzhi")).toInteger());
    TFMain main;
    main.askQuit = [] { return false; };
    EXPECT_FALSE(main.ConfirmClose());
    EXPECT_TRUE(db.scalar(QStringLiteral("select tcsjian from his_xtrzhi")).isNull());
    EXPECT_FALSE(Session::current().QuitConfirmed);
    main.askQuit = [] { return true; };
    EXPECT_TRUE(main.ConfirmClose());
    EXPECT_FALSE(db.scalar(QStringLiteral("select tcsjian from his_xtrzhi")).isNull());
}

TEST_F(Shell, PasswordChangeChecksTheLoginPassword)
{
    const int user = db.addUser({.account = QStringLiteral("z"), .name = QStringLiteral("张"), .grants = {QStringLiteral("0706")}});
    Session::current().CurrentUserId = user;
    Session::current().LoginPassword = QString();
    TFSetPass dlg;
    dlg.EdtOld->setText(QStringLiteral("x"));
    dlg.BtnOkClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("密码错误，请重新输入！"));
    dlg.EdtOld->clear();
    dlg.BtnOkClick();
    ASSERT_TRUE(dlg.askingNew());
    dlg.EdtNew1->setText(QStringLiteral("新密码1"));
    dlg.EdtNew2->setText(QStringLiteral("新密码2"));
    dlg.BtnOkClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("两次密码不一致，请重新输入！"));
    dlg.EdtNew2->setText(QStringLiteral("新密码1"));
    dlg.BtnOkClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("密码已成功修改！"));
    EXPECT_EQ(Session::current().LoginPassword, QStringLiteral("新密码1"));
    EXPECT_EQ(db.scalar(SqlText::format("select mma from pub_yhu where id=%d", user)).toString(),
              tj::common::DesEncryptToHex(QStringLiteral("新密码1"), PasswordKey));
}

TEST_F(Shell, ServerClockHelpersAskTheServer)
{
    const QDateTime now = ServerNow(dm->Connection());
    EXPECT_LT(std::abs(now.secsTo(QDateTime::currentDateTime())), 5);
    EXPECT_EQ(ServerToday(dm->Connection()).time(), QTime(0, 0));
    EXPECT_EQ(ServerToday(dm->Connection()).date(), now.date());
    EXPECT_TRUE(ServerTimeOfDay(dm->Connection()).isValid());
    SessionClock::syncTo(now.addSecs(3600));
    EXPECT_NEAR(double(SessionClock::offsetMs()), 3600000.0, 5000.0);
    SessionClock::reset();
}
