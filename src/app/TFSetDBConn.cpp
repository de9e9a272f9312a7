#include "app/TFSetDBConn.h"

#include "platform/db/OdbcConnection.h"
#include "platform/db/SqlText.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/EnterMovesFocus.h"
#include "schema/Schema.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextStream>
#include <QVBoxLayout>

namespace tj::app {

using ui::Dialogs;
using ui::Icon;

TFSetDBConn::TFSetDBConn(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("设置数据库连接"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    CmbServer = new QComboBox(this);
    CmbServer->setEditable(true);
    CmbServer->setMinimumWidth(220);
    BtnRefresh = new QPushButton(QStringLiteral("刷新"), this);
    EdtDatabase = new QLineEdit(this);

    RbWindows = new QRadioButton(QStringLiteral("Windows 身份验证"), this);
    RbSqlServer = new QRadioButton(QStringLiteral("Sql server身份验证"), this);
    LbUser = new QLabel(QStringLiteral("用户名："), this);
    EdtUser = new QLineEdit(this);
    LbPassword = new QLabel(QStringLiteral("密码："), this);
    EdtPassword = new QLineEdit(this);
    EdtPassword->setEchoMode(QLineEdit::Password);

    // The protocol choice is kept and saved but not shown to the operator.
    GrpProtocol = new QGroupBox(QStringLiteral("网络协议"), this);
    RbTcpIp = new QRadioButton(QStringLiteral("TCP/IP"), GrpProtocol);
    EdtPort = new QLineEdit(GrpProtocol);
    RbNamedPipes = new QRadioButton(QStringLiteral("Named Pipes"), GrpProtocol);
    EdtPipeName = new QLineEdit(GrpProtocol);
    auto* protocolLayout = new QFormLayout(GrpProtocol);
    protocolLayout->addRow(RbTcpIp, new QLabel(QStringLiteral("端口："), GrpProtocol));
    protocolLayout->addRow(QString(), EdtPort);
    protocolLayout->addRow(RbNamedPipes, new QLabel(QStringLiteral("名称："), GrpProtocol));
    protocolLayout->addRow(QString(), EdtPipeName);
    GrpProtocol->setVisible(false);

    BtnRebuild = new QPushButton(QStringLiteral("重建数据库"), this);
    BtnOk = new QPushButton(QStringLiteral("确定"), this);
    BtnCancel = new QPushButton(QStringLiteral("取消"), this);
    BtnOk->setDefault(true);

    auto* serverRow = new QHBoxLayout;
    serverRow->addWidget(CmbServer, 1);
    serverRow->addWidget(BtnRefresh);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("服务器名："), serverRow);
    form->addRow(QStringLiteral("数据库名："), EdtDatabase);

    auto* authBox = new QGroupBox(QStringLiteral("身份验证"), this);
    auto* authLayout = new QFormLayout(authBox);
    authLayout->addRow(RbWindows);
    authLayout->addRow(RbSqlServer);
    authLayout->addRow(LbUser, EdtUser);
    authLayout->addRow(LbPassword, EdtPassword);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BtnRebuild);
    buttons->addStretch();
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(authBox);
    layout->addWidget(GrpProtocol);
    layout->addLayout(buttons);

    connect(BtnOk, &QPushButton::clicked, this, &TFSetDBConn::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnRebuild, &QPushButton::clicked, this, &TFSetDBConn::BtnRebuildClick);
    connect(BtnRefresh, &QPushButton::clicked, this, &TFSetDBConn::BtnRefreshClick);
    connect(RbWindows, &QRadioButton::toggled, this, [this] { AuthenticationChanged(); });
    connect(RbTcpIp, &QRadioButton::toggled, this, [this] { ProtocolChanged(filling_); });
    connect(CmbServer, &QComboBox::editTextChanged, this, [this] { ServerTextChanged(); });

    ui::EnterMovesFocus::install(this);
    setConfig(config_);
}

bool TFSetDBConn::LoadConnectionSettings(core::TDBConnectConfig& config)
{
    if (!core::ReadConnectionSettings(config)) {
        Dialogs::instance().message(QStringLiteral("读取INI文件出错"), QStringLiteral("错误"), Icon::Error);
        return false;
    }
    return true;
}

bool TFSetDBConn::SaveConnectionSettings(const core::TDBConnectConfig& config)
{
    if (!core::WriteConnectionSettings(config)) {
        Dialogs::instance().message(QStringLiteral("创建INI文件出错"), QStringLiteral("错误"), Icon::Error);
        return false;
    }
    return true;
}

void TFSetDBConn::setConfig(const core::TDBConnectConfig& config)
{
    config_ = config;
    filling_ = true;
    if (!config_.Caption.isEmpty())
        setWindowTitle(config_.Caption);
    CmbServer->setEditText(config_.Server);
    EdtDatabase->setText(config_.DBName);
    if (config_.windowsAuthentication())
        RbWindows->setChecked(true);
    else
        RbSqlServer->setChecked(true);
    AuthenticationChanged();
    EdtUser->setText(config_.UserName);
    EdtPassword->setText(config_.PassWord);
    if (config_.NetLib == QStringLiteral("TCP/IP"))
        RbTcpIp->setChecked(true);
    else
        RbNamedPipes->setChecked(true);
    ProtocolChanged(true);
    EdtPort->setText(config_.Port);
    EdtPipeName->setText(config_.PipeName.isEmpty() && RbNamedPipes->isChecked() ? EdtPipeName->text()
                                                                                  : config_.PipeName);
    filling_ = false;
}

void TFSetDBConn::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFSetDBConn::FormShow()
{
    CmbServer->setFocus();
}

void TFSetDBConn::AuthenticationChanged()
{
    const bool sql = !RbWindows->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(LbUser), static_cast<QWidget*>(EdtUser),
                       static_cast<QWidget*>(LbPassword), static_cast<QWidget*>(EdtPassword)})
        w->setEnabled(sql);
    if (sql && !filling_)
        EdtUser->setFocus();
}

void TFSetDBConn::ProtocolChanged(bool filling)
{
    const bool tcp = RbTcpIp->isChecked();
    EdtPort->setEnabled(tcp);
    EdtPipeName->setEnabled(!tcp);
    if (tcp) {
        EdtPort->setText(QStringLiteral("1433"));
        if (!filling)
            EdtPort->setFocus();
    } else {
        if (!filling)
            EdtPipeName->setFocus();
        EdtPipeName->setText(core::PipeNameForServer(CmbServer->currentText()));
    }
}

void TFSetDBConn::ServerTextChanged()
{
    EdtPipeName->setText(core::PipeNameForServer(CmbServer->currentText()));
}

bool TFSetDBConn::Validate()
{
    auto fail = [](QWidget* field, const QString& text) {
        Dialogs::instance().message(text, QStringLiteral("提示"), Icon::Warning);
        field->setFocus();
        return false;
    };
    if (CmbServer->currentText().isEmpty())
        return fail(CmbServer, QStringLiteral("服务器名不能为空！"));
    if (EdtDatabase->text().isEmpty())
        return fail(EdtDatabase, QStringLiteral("数据库不能为空！"));
    if (RbSqlServer->isChecked() && EdtUser->text().isEmpty()
        && CmbServer->currentText().compare(core::EmbeddedServer, Qt::CaseInsensitive) != 0)
        return fail(EdtUser, QStringLiteral("登录名不能为空！"));
    if (RbTcpIp->isChecked() && EdtPort->text().isEmpty())
        return fail(EdtPort, QStringLiteral("端口不能为空！"));
    if (RbNamedPipes->isChecked() && EdtPipeName->text().isEmpty())
        return fail(EdtPipeName, QStringLiteral("管道名称不能为空！"));
    return true;
}

void TFSetDBConn::ControlsToConfig()
{
    config_.LoginMode = RbWindows->isChecked() ? QStringLiteral("Windows") : QStringLiteral("Sql server");
    config_.NetLib = RbTcpIp->isChecked() ? QStringLiteral("TCP/IP") : QStringLiteral("Named Pipes");
    config_.DBName = EdtDatabase->text();
    config_.Server = CmbServer->currentText();
    config_.UserName = EdtUser->text();
    config_.PassWord = EdtPassword->text();
    config_.Port = EdtPort->text();
    config_.PipeName = EdtPipeName->text();
}

bool TFSetDBConn::OpenConnection(bool save)
{
    if (config_.DBName.isEmpty())
        return false;
    try {
        if (core::TDM::exists())
            core::TDM::instance().connect(config_);
        else
            core::OpenBackend(config_, core::ProgramFolder());
    } catch (const std::exception& e) {
        Dialogs::instance().message(QStringLiteral("连接数据源失败！\r\r") + QString::fromUtf8(e.what()),
                                    QStringLiteral("错误"), Icon::Error);
        return false;
    }
    if (save)
        SaveConnectionSettings(config_);
    return true;
}

void TFSetDBConn::BtnOkClick()
{
    if (!Validate())
        return;
    ControlsToConfig();
    if (OpenConnection(true))
        accept();
}

QStringList TFSetDBConn::KnownServers()
{
    QStringList servers{core::EmbeddedServer};
    QStringList files{QStringLiteral("/etc/freetds/freetds.conf"), QDir::homePath() + QStringLiteral("/.freetds.conf")};
    const QByteArray env = qgetenv("FREETDSCONF");
    if (!env.isEmpty())
        files.prepend(QString::fromLocal8Bit(env));
    static const QRegularExpression section(QStringLiteral("^\\s*\\[([^\\]]+)\\]"));
    for (const QString& path : files) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        QTextStream in(&f);
        while (!in.atEnd()) {
            const auto m = section.match(in.readLine());
            if (!m.hasMatch())
                continue;
            const QString name = m.captured(1).trimmed();
            if (name.compare(QStringLiteral("global"), Qt::CaseInsensitive) != 0 && !servers.contains(name))
                servers << name;
        }
    }
    return servers;
}

void TFSetDBConn::BtnRefreshClick()
{
    const QString typed = CmbServer->currentText();
    CmbServer->clear();
    CmbServer->addItems(KnownServers());
    CmbServer->setEditText(typed);
}

void TFSetDBConn::BtnRebuildClick()
{
    if (!Validate())
        return;
    ControlsToConfig();
    if (!Dialogs::instance().question(
            QStringLiteral("重建数据库功能只能在进行系统初化时才能使用！！！\r\n你确定要重建数据库吗？"),
            QStringLiteral("警告"), Icon::Warning, false))
        return;
    const QString dbName = config_.DBName;
    const bool ok = config_.isEmbedded() ? RebuildEmbedded(dbName) : RebuildSqlServer(dbName);
    if (!ok)
        return;
    Dialogs::instance().message(QStringLiteral("重建数据库成功！"), QStringLiteral("提示"), Icon::Warning);
    BtnOkClick();
}

bool TFSetDBConn::RebuildEmbedded(const QString& dbName)
{
    // A database name becomes a file name: refuse anything that would leave
    // the data folder.
    if (!schema::isValidDatabaseName(dbName)) {
        Dialogs::instance().message(QStringLiteral("数据库名称只能由字母、汉字、数字、“_”和“-”组成！"),
                                    QStringLiteral("提示"), Icon::Warning);
        EdtDatabase->setFocus();
        return false;
    }
    const QString folder = core::DataFolder(core::ProgramFolder());
    const QString templatePath = QDir(folder).filePath(QStringLiteral("template.db"));
    const QString target = core::EmbeddedDatabaseFile(core::ProgramFolder(), dbName);
    if (QFileInfo::exists(target)) {
        Dialogs::instance().message(
            QStringLiteral("数据库已经存在！！！\r\n不能在已经存在的数据库上进行重建！\r\n请更改数据库名称后再试！"),
            QStringLiteral("警告"), Icon::Warning);
        return false;
    }
    if (!QFileInfo::exists(templatePath)) {
        Dialogs::instance().message(QStringLiteral("文件") + QDir::toNativeSeparators(templatePath)
                                        + QStringLiteral("不存在，不能重建！"),
                                    QStringLiteral("错误"), Icon::Warning);
        return false;
    }
    if (!QFileInfo(folder).isDir()) {
        Dialogs::instance().message(QStringLiteral("目录") + QDir::toNativeSeparators(folder)
                                        + QStringLiteral("不存在，不能重建！"),
                                    QStringLiteral("错误"), Icon::Warning);
        return false;
    }
    try {
        schema::createDatabaseFromTemplate(dbName, core::ProgramFolder());
    } catch (const std::exception& e) {
        Dialogs::instance().message(QStringLiteral("恢复数据时出错！\r\r") + QString::fromUtf8(e.what()),
                                    QStringLiteral("提示"), Icon::Error);
        return false;
    }
    return true;
}

bool TFSetDBConn::RebuildSqlServer(const QString& dbName)
{
    core::TDBConnectConfig master = config_;
    master.DBName = QStringLiteral("master");
    const core::TDBConnectConfig keep = config_;
    config_ = master;
    const bool opened = OpenConnection(false);
    config_ = keep;
    if (!opened) {
        Dialogs::instance().message(QStringLiteral("恢复数据时出错！"), QStringLiteral("提示"), Icon::Error);
        return false;
    }
    const QString folder = core::DataFolder(core::ProgramFolder()) + QLatin1Char('/');
    const QString templatePath = folder + QStringLiteral("template.bak");

    // The existence check and the restore run on a second connection to master.
    std::unique_ptr<db::Connection> second;
    try {
        second = core::OpenBackend(master, core::ProgramFolder());
    } catch (const std::exception& e) {
        Dialogs::instance().message(QStringLiteral("连接数据源失败！\r\r") + QString::fromUtf8(e.what()),
                                    QStringLiteral("错误"), Icon::Error);
        return false;
    }
    try {
        const auto rs = second->query(db::SqlText::format("select * from sysdatabases where name='%s'", dbName));
        if (!rs.rows.empty()) {
            Dialogs::instance().message(
                QStringLiteral("数据库已经存在！！！\r\n不能在已经存在的数据库上进行重建！\r\n请更改数据库名称后再试！"),
                QStringLiteral("警告"), Icon::Warning);
            return false;
        }
        if (QFileInfo::exists(templatePath)) {
            if (!QFileInfo(folder).isDir()) {
                Dialogs::instance().message(QStringLiteral("目录") + folder + QStringLiteral("不存在，不能重建！"),
                                            QStringLiteral("错误"), Icon::Warning);
                return false;
            }
            second->execute(db::SqlText::format(
                "use master RESTORE DATABASE %s FROM DISK = '%s' WITH  MOVE '%s' TO '%s', MOVE '%s' TO '%s',REPLACE",
                QStringLiteral("[") + QString(dbName).replace(QLatin1Char(']'), QStringLiteral("]]")) + QLatin1Char(']'),
                templatePath, config_.DataLogicalName, folder + dbName + QStringLiteral(".mdf"), config_.LogLogicalName,
                folder + dbName + QStringLiteral("_log.ldf")));
        } else {
            // No backup beside the program: create the database and run the
            // schema script in it.
            const QString bracketed =
                QStringLiteral("[") + QString(dbName).replace(QLatin1Char(']'), QStringLiteral("]]")) + QLatin1Char(']');
            second->execute(QStringLiteral("create database ") + bracketed);
            second->execute(QStringLiteral("use ") + bracketed);
            schema::buildTemplate(*second);
        }
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

}  // namespace tj::app
