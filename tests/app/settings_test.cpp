// Local settings file naming, ConnectDB.ini round trip, menu codes, the
// connection dialog's validation and pipe names, the error handler.
#include "app/MenuTree.h"
#include "app/TFSetDBConn.h"
#include "core/ConnectionConfig.h"
#include "core/LocalSettings.h"
#include "core/Session.h"
#include "common/DesCipher.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/ErrorHandler.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tj::app;
using namespace tj::core;
using tj::ui::ScriptedDialogs;

TEST(LocalSettings, FileNameFollowsTheExecutable)
{
    const struct {
        const char* exe;
        const char* ini;
    } cases[] = {
        {"/opt/tj/tj.exe", "/opt/tj/tj.ini"},
        {"/opt/tj/tj", "/opt/tj/tj.ini"},
        {"/opt/tj/体检.exe", "/opt/tj/体检.ini"},
        {"/opt/tj/a.exe.b.exe", "/opt/tj/a.ini"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LocalSettings::fileNameFor(QString::fromUtf8(c.exe)), QString::fromUtf8(c.ini)) << c.exe;
}

TEST(LocalSettings, MissingFileReadsDefaultsAndWriteRoundTrips)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tj.ini"));
    const BackgroundSettings none = LocalSettings::read(path);
    EXPECT_FALSE(none.ShowPic);
    EXPECT_FALSE(none.OnMusic);
    EXPECT_TRUE(none.PicFile.isEmpty());

    BackgroundSettings s{true, QStringLiteral("/图片/背景.bmp"), false, QStringLiteral("/m.mp3")};
    ASSERT_TRUE(LocalSettings::write(s, path));
    QSettings raw(path, QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("SysConf/ShowPic")).toString(), QStringLiteral("1"));
    EXPECT_EQ(raw.value(QStringLiteral("SysConf/OnMusic")).toString(), QStringLiteral("0"));
    const BackgroundSettings back = LocalSettings::read(path);
    EXPECT_TRUE(back.ShowPic);
    EXPECT_EQ(back.PicFile, s.PicFile);
    EXPECT_FALSE(back.OnMusic);
    EXPECT_EQ(back.MusicFile, s.MusicFile);
}

TEST(ConnectionSettings, IniRoundTripKeepsLoginEnciphered)
{
    QTemporaryDir dir;
    TDBConnectConfig c;
    c.IniFileName = dir.filePath(QStringLiteral("ConnectDB.ini"));
    c.DBName = QStringLiteral("his");
    c.Server = QStringLiteral("SRV1");
    c.LoginMode = QStringLiteral("Sql server");
    c.UserName = QStringLiteral("sa");
    c.PassWord = QStringLiteral("密码;1'");
    c.NetLib = QStringLiteral("TCP/IP");
    c.Port = QStringLiteral("1433");
    ASSERT_TRUE(WriteConnectionSettings(c));

    QSettings raw(c.IniFileName, QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("DataBase/UserName")).toString(), tj::common::DesEncryptToHex(QStringLiteral("sa"), ConnectIniKey));
    EXPECT_NE(raw.value(QStringLiteral("DataBase/PassWord")).toString(), c.PassWord);

    TDBConnectConfig back;
    back.IniFileName = c.IniFileName;
    ASSERT_TRUE(ReadConnectionSettings(back));
    EXPECT_EQ(back.UserName, c.UserName);
    EXPECT_EQ(back.PassWord, c.PassWord);
    EXPECT_EQ(back.Server, c.Server);
    EXPECT_EQ(back.NetLib, c.NetLib);

    // An absent file reads as empty settings with the default port.
    TDBConnectConfig empty;
    empty.IniFileName = dir.filePath(QStringLiteral("none.ini"));
    ASSERT_TRUE(ReadConnectionSettings(empty));
    EXPECT_TRUE(empty.DBName.isEmpty());
    EXPECT_EQ(empty.Port, QStringLiteral("1433"));
}

TEST(ConnectionSettings, ConnectionStringsAndPipeNames)
{
    TDBConnectConfig c;
    c.DBName = QStringLiteral("his");
    c.Server = QStringLiteral("SRV1");
    c.UserName = QStringLiteral("sa");
    c.PassWord = QStringLiteral("pw");
    EXPECT_EQ(ConnectionString(c), QStringLiteral("Provider=SQLOLEDB.1;Password=pw;User ID=sa;Initial Catalog=his;Data Source=SRV1;"));
    c.LoginMode = QStringLiteral("Windows");
    EXPECT_EQ(ConnectionString(c), QStringLiteral("Provider=SQLOLEDB.1;Integrated Security=SSPI;Initial Catalog=his;Data Source=SRV1;"));

    EXPECT_EQ(PipeNameForServer(QStringLiteral("(local)")), QStringLiteral("\\\\.\\pipe\\sql\\query"));
    EXPECT_EQ(PipeNameForServer(QStringLiteral("(LOCAL)")), QStringLiteral("\\\\.\\pipe\\sql\\query"));
    EXPECT_EQ(PipeNameForServer(QStringLiteral("SRV1")), QStringLiteral("\\\\SRV1\\pipe\\sql\\query"));
}

TEST(ConnectionDialog, FirstStartShowsDefaultsAndValidatesInOrder)
{
    ScriptedDialogs dialogs;
    QTemporaryDir dir;
    TFSetDBConn dlg;
    TDBConnectConfig none;
    none.IniFileName = dir.filePath(QStringLiteral("ConnectDB.ini"));
    EXPECT_TRUE(dlg.LoadConnectionSettings(none));
    dlg.setConfig(none);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_TRUE(dlg.RbSqlServer->isChecked());
    EXPECT_TRUE(dlg.RbNamedPipes->isChecked());
    EXPECT_EQ(dlg.EdtPort->text(), QStringLiteral("1433"));

    // Each press shows the first failing check only.
    dlg.BtnOkClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("服务器名不能为空！"));
    EXPECT_EQ(dialogs.last().caption, QStringLiteral("提示"));
    dlg.CmbServer->setEditText(QStringLiteral("srv1"));
    EXPECT_EQ(dlg.EdtPipeName->text(), QStringLiteral("\\\\srv1\\pipe\\sql\\query"));
    dlg.BtnOkClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("数据库不能为空！"));
    dlg.EdtDatabase->setText(QStringLiteral("his"));
    dlg.BtnOkClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("登录名不能为空！"));
    dlg.EdtUser->setText(QStringLiteral("sa"));
    dlg.EdtPipeName->clear();
    dlg.BtnOkClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("管道名称不能为空！"));
    dlg.RbTcpIp->setChecked(true);
    dlg.EdtPort->clear();
    dlg.BtnOkClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("端口不能为空！"));

    // Windows authentication greys out the login fields.
    dlg.RbWindows->setChecked(true);
    EXPECT_FALSE(dlg.EdtUser->isEnabled());
    EXPECT_FALSE(dlg.EdtPassword->isEnabled());
}

TEST(ConnectionDialog, RefreshOffersTheEmbeddedDatabaseFirst)
{
    const QStringList servers = TFSetDBConn::KnownServers();
    ASSERT_FALSE(servers.isEmpty());
    EXPECT_EQ(servers.first(), EmbeddedServer);
}

TEST(MenuTree, CodesFollowPositions)
{
    const auto entries = FlattenMenu(MainMenuTree());
    QMap<QString, QString> byCode;
    for (const auto& e : entries)
        byCode.insert(e.code, e.caption);
    const struct {
        const char* code;
        const char* caption;
    } expected[] = {
        {"01", "前台工作"},   {"0103", "-"},          {"0104", "团检登记"},     {"0117", "注销体检号"},
        {"0202", "医生工作站（集中录入）"}, {"0302", "报告批量打印"}, {"0408", "体检数据查询"},
        {"0503", "收费员月结　"}, {"0510", "总检医生工作量报表"}, {"0608", "数据字典"},
        {"060801", "组合项目类别"}, {"060811", "人员类别"}, {"0708", "显示导航图"}, {"0802", "退出"},
    };
    for (const auto& e : expected)
        EXPECT_EQ(byCode.value(QString::fromUtf8(e.code)), QString::fromUtf8(e.caption)) << e.code;
    EXPECT_EQ(entries.size(), size_t(byCode.size()));  // codes are unique
    EXPECT_FALSE(byCode.contains(QStringLiteral("09")));
    EXPECT_EQ(MenuCode({6, 8, 1}), QStringLiteral("060801"));
}

TEST(ErrorHandler, PlainErrorOrReconnectQuestion)
{
    ScriptedDialogs dialogs;
    int reconnects = 0, terminates = 0;
    tj::ui::ErrorHandler::setReconnect([&] { ++reconnects; });
    tj::ui::ErrorHandler::setTerminate([&] { ++terminates; });

    tj::ui::ErrorHandler::handle(QStringLiteral("列名无效"));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("出错信息：\r\r列名无效"));
    EXPECT_FALSE(dialogs.last().wasQuestion);

    dialogs.answer(true);
    tj::ui::ErrorHandler::handle(QStringLiteral("查询超时"));
    EXPECT_TRUE(dialogs.last().wasQuestion);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("连接不到数据库，重新连接选“是”，退出选“否”"));
    EXPECT_EQ(reconnects, 1);

    dialogs.answer(false);
    tj::ui::ErrorHandler::handle(QStringLiteral("[DBNETLIB]一般性网络错误 连接失败"));
    EXPECT_EQ(terminates, 1);
    EXPECT_EQ(reconnects, 1);
    tj::ui::ErrorHandler::setReconnect({});
    tj::ui::ErrorHandler::setTerminate({});
}
