// tjtool demo NAME: loads the demonstration catalogue, units, staff and
// users into the embedded database data/NAME.db.
#include "Command.h"

#include "platform/db/SqliteConnection.h"
#include "schema/Schema.h"

namespace {

int run(const QStringList& args)
{
    if (args.size() != 1)
        return tjtool::usageError(QStringLiteral("demo"));
    auto connection = tjtool::openDatabase(args[0]);
    tj::schema::loadDemoData(*connection);
    const qint64 items = connection->scalar(QStringLiteral("select count(*) from tjian_xmu")).toInteger();
    const qint64 combined = connection->scalar(QStringLiteral("select count(*) from tjian_zhxmu_main")).toInteger();
    const qint64 persons = connection->scalar(QStringLiteral("select count(*) from tjian_ryuan")).toInteger();
    tjtool::out(QStringLiteral("已装入演示数据：体检项目 %1 个，组合项目 %2 个，体检人员 %3 人").arg(items).arg(combined).arg(persons));
    return 0;
}

}  // namespace

TJTOOL_COMMAND("demo", QStringLiteral("demo NAME"),
               QStringLiteral("load the demonstration data into data/NAME.db (only into a database without examination items)"),
               run);
