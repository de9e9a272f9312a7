// tjtool newdb NAME: a new embedded database data/NAME.db made from the
// template beside the executable; an existing database is never touched.
#include "Command.h"

#include "schema/Schema.h"

namespace {

int run(const QStringList& args)
{
    if (args.size() != 1)
        return tjtool::usageError(QStringLiteral("newdb"));
    const QString path = tj::schema::createDatabaseFromTemplate(args[0], tjtool::programFolder());
    tjtool::out(QStringLiteral("已建立数据库 %1").arg(path));
    return 0;
}

}  // namespace

TJTOOL_COMMAND("newdb", QStringLiteral("newdb NAME"),
               QStringLiteral("create the embedded database data/NAME.db from data/template.db (refuses an existing one)"),
               run);
