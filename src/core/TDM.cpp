#include "core/TDM.h"

#include <QDir>

namespace tj::core {

namespace {
TDM* g_instance = nullptr;
}

TDM::TDM(QObject* parent) : QObject(parent)
{
    for (int i = 0; i < 7; ++i)
        scratch_.push_back(std::make_unique<db::Query>(connection_));
    g_instance = this;
}

TDM::~TDM()
{
    scratch_.clear();
    connection_.reset();
    if (g_instance == this)
        g_instance = nullptr;
}

TDM& TDM::instance()
{
    Q_ASSERT(g_instance);
    return *g_instance;
}

bool TDM::exists()
{
    return g_instance != nullptr;
}

db::Query& TDM::ADOQuery(int n)
{
    Q_ASSERT(n >= 1 && n <= 6);
    return *scratch_[size_t(n)];
}

TDBConnectConfig TDM::baseConfig()
{
    TDBConnectConfig config;
    config.Connection = &connection_;
    config.IniFileName = QDir(ProgramFolder()).filePath(QStringLiteral("ConnectDB.ini"));
    config.SectionName = QStringLiteral("DataBase");
    config.DataLogicalName = QStringLiteral("HIS_Data");
    config.LogLogicalName = QStringLiteral("HIS_Log");
    return config;
}

void TDM::connect(const TDBConnectConfig& config)
{
    connection_.reset();
    connection_.setBackend(OpenBackend(config, ProgramFolder()));
    active_ = config;
}

void TDM::reconnect()
{
    connect(active_);
}

bool TDM::openAtStartup(const SettingsDialogFactory& createDialog)
{
    DbConnected = false;
    std::unique_ptr<SettingsDialog> dialog = createDialog();
    TDBConnectConfig config = baseConfig();
    dialog->LoadConnectionSettings(config);
    dialog->setConfig(config);
    if (dialog->OpenConnection(false))
        DbConnected = true;
    else if (dialog->execModal())
        DbConnected = true;
    return DbConnected;
}

}  // namespace tj::core
