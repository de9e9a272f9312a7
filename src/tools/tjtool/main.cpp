// The administrator's command line: database creation, statements, password
// resets and text helpers, without starting the client.
#include "Command.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

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
    try {
        return it->second.run(args);
    } catch (const std::exception& e) {
        tjtool::err(QString::fromUtf8(e.what()));
        return 1;
    }
}
