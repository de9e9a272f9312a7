// Sub-commands of the administrator's command line. Each command lives in its
// own source file and registers itself with TJTOOL_COMMAND.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>

namespace tj::db {
class SqliteConnection;
}

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

// Prints the command's usage line to standard error; returns the exit code
// of a usage error (2).
int usageError(const QString& command);

// Opens the existing embedded database data/NAME.db beside the executable.
// Throws (with a message for the operator) for a name that is not a plain
// database name or a database that does not exist: opening a missing file
// would silently create an empty one.
std::unique_ptr<tj::db::SqliteConnection> openDatabase(const QString& name);

}  // namespace tjtool

#define TJTOOL_CAT2(a, b) a##b
#define TJTOOL_CAT(a, b) TJTOOL_CAT2(a, b)
#define TJTOOL_COMMAND(name, ...) \
    static ::tjtool::Registrar TJTOOL_CAT(tjtoolRegistrar_, __LINE__)(name, ::tjtool::Command{__VA_ARGS__})
