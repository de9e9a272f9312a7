// Sub-commands of the administrator's command line. Each command lives in its
// own source file and registers itself with TJTOOL_COMMAND.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <map>

namespace tjtool {

struct Command {
    QString usage;    // e.g. "sql NAME \"statement\""
    QString summary;  // one line of help
    std::function<int(const QStringList& args)> run;  // args after the command word
};

std::map<QString, Command>& registry();

struct Registrar {
    Registrar(const QString& name, Command command) { registry()[name] = std::move(command); }
};

// Folder of the executable: data/, Report/ and ConnectDB.ini live there.
QString programFolder();

// Prints UTF-8 text to standard output / standard error.
void out(const QString& text);
void err(const QString& text);

}  // namespace tjtool

#define TJTOOL_CAT2(a, b) a##b
#define TJTOOL_CAT(a, b) TJTOOL_CAT2(a, b)
#define TJTOOL_COMMAND(name, ...) \
    static ::tjtool::Registrar TJTOOL_CAT(tjtoolRegistrar_, __LINE__)(name, ::tjtool::Command{__VA_ARGS__})
