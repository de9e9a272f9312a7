// The template database: its T-SQL script (tables, defaults, keys, indexes,
// the result trigger), the first rows of an empty database, the
// demonstration data, and the creation of embedded databases from the
// built template file data/template.db.
#pragma once

#include <QString>
#include <stdexcept>
#include <vector>

namespace tj::db {
class Connection;
}

namespace tj::schema {

// A refused or failed schema operation; what() is UTF-8 of message().
class SchemaError : public std::runtime_error {
public:
    explicit SchemaError(const QString& message);
    QString message() const { return message_; }

private:
    QString message_;
};

// One batch of a script (the text between GO lines).
struct ScriptBatch {
    enum class Backend { Any, SqlServer, SqliteNative };
    Backend backend = Backend::Any;
    QString text;
    int firstLine = 0;  // 1-based line of the script where the batch starts
};

// Splits a script at lines holding only GO (any case, blanks around). A
// batch whose first non-blank line is "-- backend: sqlserver" runs on SQL
// Server only; "-- backend: sqlite" marks native SQLite text. Batches holding
// only comments are left out.
std::vector<ScriptBatch> splitScript(const QString& script);

// The scripts as shipped inside the program.
QString schemaScript();     // tables, indexes, trigger
QString firstRowsScript();  // rows every new database needs
QString demoScript();       // demonstration catalogue, units, staff, users

// Runs each batch meant for the connection's backend; native SQLite batches
// go to SqliteConnection::executeNative. An error names the script line of
// the failing batch and carries the database's message.
void runScript(db::Connection& connection, const QString& script, const QString& scriptName);

// Creates every table of an empty database and its first rows, in one
// transaction.
void buildTemplate(db::Connection& connection);

// Loads the demonstration data in one transaction. Refused when the
// database already holds examination items, so it is never loaded twice
// or mixed into a centre's own catalogue.
void loadDemoData(db::Connection& connection);

// Embedded databases live in the folder data/ beside the executable.
// An empty folder means the folder of the running executable.
QString dataFolder(const QString& programFolder = QString());
QString templatePath(const QString& programFolder = QString());
QString databasePath(const QString& name, const QString& programFolder = QString());

// A database name is a plain file name: not empty, at most 100 characters,
// letters (also Chinese), digits, '_' and '-' only, and not "template".
bool isValidDatabaseName(const QString& name);

// Copies data/template.db to data/NAME.db and returns the new path. Refuses
// an invalid name, an existing database and a missing template; never
// touches an existing file.
QString createDatabaseFromTemplate(const QString& name, const QString& programFolder = QString());

}  // namespace tj::schema
