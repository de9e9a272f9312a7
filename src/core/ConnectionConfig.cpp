#include "core/ConnectionConfig.h"

#include "core/Session.h"
#include "common/DesCipher.h"
#include "platform/db/Connection.h"
#include "platform/db/OdbcConnection.h"
#include "platform/db/SqliteConnection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace tj::core {

namespace {
QString& programFolderOverride()
{
    static QString folder;
    return folder;
}
}  // namespace

QString ProgramFolder()
{
    if (!programFolderOverride().isEmpty())
        return programFolderOverride();
    return QCoreApplication::applicationDirPath();
}

void SetProgramFolder(const QString& folder)
{
    programFolderOverride() = folder;
}

QString ConnectionString(const TDBConnectConfig& c)
{
    if (c.windowsAuthentication())
        return QStringLiteral("Provider=SQLOLEDB.1;Integrated Security=SSPI;Initial Catalog=%1;Data Source=%2;")
            .arg(c.DBName, c.Server);
    return QStringLiteral("Provider=SQLOLEDB.1;Password=%1;User ID=%2;Initial Catalog=%3;Data Source=%4;")
        .arg(c.PassWord, c.UserName, c.DBName, c.Server);
}

QString PipeNameForServer(const QString& server)
{
    if (server.toUpper() == QStringLiteral("(LOCAL)"))
        return QStringLiteral("\\\\.\\pipe\\sql\\query");
    return QStringLiteral("\\\\") + server + QStringLiteral("\\pipe\\sql\\query");
}

bool ReadConnectionSettings(TDBConnectConfig& c, QString* error)
{
    try {
        QSettings ini(c.IniFileName, QSettings::IniFormat);
        if (ini.status() != QSettings::NoError) {
            if (error)
                *error = QStringLiteral("cannot read %1").arg(c.IniFileName);
            return false;
        }
        ini.beginGroup(c.SectionName);
        c.DBName = ini.value(QStringLiteral("DBName")).toString();
        c.Server = ini.value(QStringLiteral("Server")).toString();
        c.LoginMode = ini.value(QStringLiteral("LoginMode")).toString();
        c.UserName = common::DesDecryptFromHex(ini.value(QStringLiteral("UserName")).toString(), ConnectIniKey);
        c.PassWord = common::DesDecryptFromHex(ini.value(QStringLiteral("PassWord")).toString(), ConnectIniKey);
        c.NetLib = ini.value(QStringLiteral("NetLib")).toString();
        c.Port = ini.value(QStringLiteral("Port"), QStringLiteral("1433")).toString();
        c.PipeName = ini.value(QStringLiteral("PipeName")).toString();
        return true;
    } catch (const std::exception& e) {
        if (error)
            *error = QString::fromUtf8(e.what());
        return false;
    }
}

bool WriteConnectionSettings(const TDBConnectConfig& c, QString* error)
{
    try {
        QSettings ini(c.IniFileName, QSettings::IniFormat);
        ini.beginGroup(c.SectionName);
        ini.setValue(QStringLiteral("DBName"), c.DBName);
        ini.setValue(QStringLiteral("Server"), c.Server);
        ini.setValue(QStringLiteral("LoginMode"), c.LoginMode);
        ini.setValue(QStringLiteral("UserName"), common::DesEncryptToHex(c.UserName, ConnectIniKey));
        ini.setValue(QStringLiteral("PassWord"), common::DesEncryptToHex(c.PassWord, ConnectIniKey));
        ini.setValue(QStringLiteral("NetLib"), c.NetLib);
        ini.setValue(QStringLiteral("Port"), c.Port);
        ini.setValue(QStringLiteral("PipeName"), c.PipeName);
        ini.endGroup();
        ini.sync();
        if (ini.status() != QSettings::NoError) {
            if (error)
                *error = QStringLiteral("cannot write %1").arg(c.IniFileName);
            return false;
        }
        return true;
    } catch (const std::exception& e) {
        if (error)
            *error = QString::fromUtf8(e.what());
        return false;
    }
}

QString DataFolder(const QString& programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("data"));
}

QString EmbeddedDatabaseFile(const QString& programFolder, const QString& dbName)
{
    return QDir(DataFolder(programFolder)).filePath(dbName + QStringLiteral(".db"));
}

std::unique_ptr<db::Connection> OpenBackend(const TDBConnectConfig& c, const QString& programFolder)
{
    std::unique_ptr<db::Connection> conn;
    if (c.isEmbedded()) {
        const QString file = EmbeddedDatabaseFile(programFolder, c.DBName);
        // Opening must never create an empty database by accident.
        if (!QFileInfo::exists(file))
            throw db::SqlError(QStringLiteral("数据库文件 %1 不存在").arg(QDir::toNativeSeparators(file)));
        conn = std::make_unique<db::SqliteConnection>(file);
    } else {
        QString port = c.NetLib == QStringLiteral("TCP/IP") ? c.Port : QString();
        if (port.isEmpty())
            port = QStringLiteral("1433");
        const QString odbc = db::OdbcConnection::buildConnectionString(
            c.Server, port.toInt(), c.DBName, c.windowsAuthentication() ? QString() : c.UserName,
            c.windowsAuthentication() ? QString() : c.PassWord);
        conn = std::make_unique<db::OdbcConnection>(odbc);
    }
    conn->open();
    return conn;
}

}  // namespace tj::core
