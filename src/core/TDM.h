// The data module: the workstation's one database connection, shared scratch
// queries, and whether the connection was opened at start-up.
#pragma once

#include "core/ConnectionConfig.h"
#include "core/SharedConnection.h"
#include "platform/db/Query.h"

#include <QObject>
#include <functional>
#include <memory>

namespace tj::core {

class TDM : public QObject {
    Q_OBJECT
public:
    // What the data module needs of the connection settings dialog.
    class SettingsDialog {
    public:
        virtual ~SettingsDialog() = default;
        // Reads ConnectDB.ini into fields DBName..PipeName (message on error).
        virtual bool LoadConnectionSettings(TDBConnectConfig& config) = 0;
        // Takes a copy of the configuration.
        virtual void setConfig(const TDBConnectConfig& config) = 0;
        // Opens the shared connection with the dialog's copy; shows the
        // failure message; saves the settings on success when asked.
        virtual bool OpenConnection(bool save) = 0;
        // Shows the dialog modally; true when it closed with OK.
        virtual bool execModal() = 0;
    };
    using SettingsDialogFactory = std::function<std::unique_ptr<SettingsDialog>()>;

    explicit TDM(QObject* parent = nullptr);
    ~TDM() override;

    static TDM& instance();
    static bool exists();

    SharedConnection& Connection() { return connection_; }
    db::Query& QryCx() { return *scratch_[0]; }
    // ADOQuery(1) ... ADOQuery(6): scratch queries for single statements.
    db::Query& ADOQuery(int n);

    bool DbConnected = false;

    // A configuration for the shared connection: ConnectDB.ini in the
    // program folder, section DataBase, the template's logical file names.
    // The eight connection values are not read here.
    TDBConnectConfig baseConfig();

    // Opening at creation: the stored settings first, otherwise the dialog.
    // Returns DbConnected; false means the program must end.
    bool openAtStartup(const SettingsDialogFactory& createDialog);

    // Opens the shared connection with a configuration (closing the one
    // before). Throws SqlError with the cause when it fails.
    void connect(const TDBConnectConfig& config);
    // The configuration the shared connection was last opened with.
    const TDBConnectConfig& activeConfig() const { return active_; }
    // Closes the shared connection and opens it again with the same settings.
    void reconnect();

private:
    SharedConnection connection_;
    std::vector<std::unique_ptr<db::Query>> scratch_;
    TDBConnectConfig active_;
};

}  // namespace tj::core
