// One database connection configuration: what ConnectDB.ini holds, the
// connection string formed from it, and opening the backend it names.
#pragma once

#include <QString>
#include <memory>

namespace tj::db {
class Connection;
}

namespace tj::core {

class SharedConnection;

// Server name that selects the embedded database file data/<DBName>.db
// beside the executable instead of a SQL Server.
inline const QString EmbeddedServer = QStringLiteral("(EMBEDDED)");

struct TDBConnectConfig {
    QString Caption;
    SharedConnection* Connection = nullptr;  // the shared connection; not owned
    QString IniFileName;
    QString SectionName = QStringLiteral("DataBase");
    QString DataLogicalName = QStringLiteral("HIS_Data");
    QString LogLogicalName = QStringLiteral("HIS_Log");
    QString DBName;
    QString Server;
    QString LoginMode;
    QString UserName;  // plain text in memory
    QString PassWord;  // plain text in memory
    QString NetLib;
    QString Port;
    QString PipeName;

    bool isEmbedded() const { return Server.compare(EmbeddedServer, Qt::CaseInsensitive) == 0; }
    bool windowsAuthentication() const { return LoginMode == QStringLiteral("Windows"); }
};

// The provider connection string the settings describe.
QString ConnectionString(const TDBConnectConfig& config);

// Pipe name derived from a server name.
QString PipeNameForServer(const QString& server);

// Reads / writes the eight keys of the configuration's section; login name
// and password are enciphered in the file. Return false (with the cause in
// *error) when the file cannot be read or written.
bool ReadConnectionSettings(TDBConnectConfig& config, QString* error = nullptr);
bool WriteConnectionSettings(const TDBConnectConfig& config, QString* error = nullptr);

// Folder of the embedded databases (programFolder/data) and the file of one.
QString DataFolder(const QString& programFolder);
QString EmbeddedDatabaseFile(const QString& programFolder, const QString& dbName);

// Opens a new backend connection for the configuration; throws SqlError with
// the cause when it cannot be opened.
std::unique_ptr<db::Connection> OpenBackend(const TDBConnectConfig& config, const QString& programFolder);

// The program folder (beside the executable); tests may point it elsewhere.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);

}  // namespace tj::core
