// Build step: writes the embedded template database from the schema script
// and the first rows. Usage: tj_mktemplate OUTPUT.db
// The file is built under a temporary name and renamed at the end, so a
// failed build never leaves a half-made template behind.
#include "platform/db/SqliteConnection.h"
#include "schema/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fputs("usage: tj_mktemplate OUTPUT.db\n", stderr);
        return 2;
    }
    const QString output = QFileInfo(args[1]).absoluteFilePath();
    const QString building = output + QStringLiteral(".building");
    QDir().mkpath(QFileInfo(output).absolutePath());
    for (const QString& f : {building, building + QStringLiteral("-wal"), building + QStringLiteral("-shm")})
        QFile::remove(f);
    try {
        tj::db::SqliteConnection connection(building);
        connection.open();
        tj::schema::buildTemplate(connection);
        connection.close();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tj_mktemplate: %s\n", e.what());
        QFile::remove(building);
        return 1;
    }
    QFile::remove(output);
    if (!QFile::rename(building, output)) {
        std::fprintf(stderr, "tj_mktemplate: cannot write %s\n", output.toUtf8().constData());
        return 1;
    }
    return 0;
}
