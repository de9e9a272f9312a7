// The administrator's command line: database creation, statements, password
// resets and text helpers, without starting the client.
#include "Command.h"

#include "platform/db/SqliteConnection.h"
#include "schema/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <stdexcept>

namespace tjtool {

std::map<QString, Command>& registry()
{
    static std::map<QString, Command> commands;
    return commands;
}

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

void out(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}

void err(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

int usageError(const QString& command)
{
    const auto it = registry().find(command);
    err(QStringLiteral("usage: tjtool %1").arg(it == registry().end() ? command : it->second.usage));
    return 2;
}

std::unique_ptr<tj::db::SqliteConnection> openDatabase(const QString& name)
{
    const QString path = tj::schema::databasePath(name, programFolder());
    if (!tj::schema::isValidDatabaseName(name) || !QFileInfo(path).isFile())
        throw std::runtime_error(
            QStringLiteral("数据库 %1 不存在（%2），请先用 tjtool newdb %1 建立").arg(name, path).toStdString());
    auto connection = std::make_unique<tj::db::SqliteConnection>(path);
    connection->open();
    return connection;
}

}  // namespace tjtool

static int usage()
{
    tjtool::err(QStringLiteral("usage: tjtool COMMAND [ARGS...]\n\ncommands:"));
    for (const auto& [name, command] : tjtool::registry())
        tjtool::err(QStringLiteral("  tjtool %1\n      %2").arg(command.usage, command.summary));
    return 2;
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString name = args.takeFirst();
    auto it = tjtool::registry().find(name);
    if (it == tjtool::registry().end())
        return usage();
    if (args.size() == 1 && (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h"))) {
        tjtool::out(QStringLiteral("usage: tjtool %1\n  %2").arg(it->second.usage, it->second.summary));
        return 0;
    }
    try {
        return it->second.run(args);
    } catch (const std::exception& e) {
        tjtool::err(QStringLiteral("tjtool %1: %2").arg(name, QString::fromUtf8(e.what())));
        return 1;
    }
}
