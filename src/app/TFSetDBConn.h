// Connection settings dialog: edits, tests and saves ConnectDB.ini, lists
// the known servers and builds a new database from the template.
#pragma once

#include "core/ConnectionConfig.h"
#include "core/TDM.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QRadioButton;
class QPushButton;
class QLabel;
class QGroupBox;

namespace tj::app {

class TFSetDBConn : public QDialog, public core::TDM::SettingsDialog {
    Q_OBJECT
public:
    explicit TFSetDBConn(QWidget* parent = nullptr);

    bool LoadConnectionSettings(core::TDBConnectConfig& config) override;
    bool SaveConnectionSettings(const core::TDBConnectConfig& config);
    void setConfig(const core::TDBConnectConfig& config) override;
    const core::TDBConnectConfig& config() const { return config_; }
    bool OpenConnection(bool save) override;
    bool execModal() override { return exec() == QDialog::Accepted; }

    // Servers offered by "刷新": the embedded database, then the SQL Server
    // hosts named in the FreeTDS configuration files.
    static QStringList KnownServers();

    // Controls, named as the window's fields (tests drive them).
    QComboBox* CmbServer;
    QPushButton* BtnRefresh;
    QLineEdit* EdtDatabase;
    QRadioButton* RbWindows;
    QRadioButton* RbSqlServer;
    QLabel* LbUser;
    QLineEdit* EdtUser;
    QLabel* LbPassword;
    QLineEdit* EdtPassword;
    QGroupBox* GrpProtocol;
    QRadioButton* RbTcpIp;
    QLineEdit* EdtPort;
    QRadioButton* RbNamedPipes;
    QLineEdit* EdtPipeName;
    QPushButton* BtnRebuild;
    QPushButton* BtnOk;
    QPushButton* BtnCancel;

public slots:
    void BtnOkClick();
    void BtnRebuildClick();
    void BtnRefreshClick();
    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool Validate();
    void ControlsToConfig();
    void AuthenticationChanged();
    void ProtocolChanged(bool filling);
    void ServerTextChanged();
    bool RebuildEmbedded(const QString& dbName);
    bool RebuildSqlServer(const QString& dbName);

    core::TDBConnectConfig config_;
    bool filling_ = false;
};

}  // namespace tj::app
