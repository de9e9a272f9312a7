// tjtool newdb NAME: a new embedded database data/NAME.db made from the
// template beside the executable; an existing database is never touched.
#include "Command.h"

#include "schema/Schema.h"

namespace {

const QString kUsage = QStringLiteral("newdb NAME");
const QString kSummary = QStringLiteral("create the embedded database data/NAME.db from data/template.db (refuses an existing one)");

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
    try {
        const QString path = tj::schema::createDatabaseFromTemplate(args[0], tjtool::programFolder());
        tjtool::out(QStringLiteral("已建立数据库 %1").arg(path));
        return 0;
    } catch (const tj::schema::SchemaError& e) {
        tjtool::err(QStringLiteral("tjtool newdb: %1").arg(e.message()));
        return 1;
    }
}

}  // namespace

TJTOOL_COMMAND("newdb", kUsage, kSummary, run);
