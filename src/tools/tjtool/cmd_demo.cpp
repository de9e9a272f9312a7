// tjtool demo NAME: loads the demonstration catalogue, units, staff and
// users into the embedded database data/NAME.db.
#include "Command.h"

#include "platform/db/SqliteConnection.h"
#include "schema/Schema.h"

#include <QFileInfo>

namespace {

const QString kUsage = QStringLiteral("demo NAME");
const QString kSummary = QStringLiteral("load the demonstration data into data/NAME.db (only into a database without examination items)");

int run(const QStringList& args)
{
    if (args.size() == 1 && (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h"))) {
        tjtool::out(QStringLiteral("usage: tjtool %1\n  %2").arg(kUsage, kSummary));
        return 0;
    }
    if (args.size() != 1) {
        tjtool::err(QStringLiteral("usage: tjtool %1").arg(kUsage));
        return 2;
    }
    const QString& name = args[0];
    const QString path = tj::schema::databasePath(name, tjtool::programFolder());
    // Opening a missing file would create an empty database; refuse instead.
    if (!tj::schema::isValidDatabaseName(name) || !QFileInfo(path).isFile()) {
        tjtool::err(QStringLiteral("tjtool demo: 数据库 %1 不存在（%2），请先用 tjtool newdb %1 建立").arg(name, path));
        return 1;
    }
    try {
        tj::db::SqliteConnection connection(path);
        connection.open();
        tj::schema::loadDemoData(connection);
        const qint64 items = connection.scalar(QStringLiteral("select count(*) from tjian_xmu")).toInteger();
        const qint64 combined = connection.scalar(QStringLiteral("select count(*) from tjian_zhxmu_main")).toInteger();
        const qint64 persons = connection.scalar(QStringLiteral("select count(*) from tjian_ryuan")).toInteger();
        connection.close();
        tjtool::out(QStringLiteral("已装入演示数据：体检项目 %1 个，组合项目 %2 个，体检人员 %3 人").arg(items).arg(combined).arg(persons));
        return 0;
    } catch (const tj::schema::SchemaError& e) {
        tjtool::err(QStringLiteral("tjtool demo: %1").arg(e.message()));
    } catch (const tj::db::SqlError& e) {
        tjtool::err(QStringLiteral("tjtool demo: %1").arg(e.message()));
    }
    return 1;
}

}  // namespace

TJTOOL_COMMAND("demo", kUsage, kSummary, run);
