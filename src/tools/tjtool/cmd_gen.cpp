// tjtool gen NAME [--seed N] [--visits N] [--units N] [--from yyyy-mm-dd] [--days N]:
// fills the embedded database data/NAME.db with a generated year of a
// centre (the demonstration catalogue first when it has none).
#include "Command.h"

#include "platform/db/SqliteConnection.h"
#include "queries/YearGenerator.h"

#include <QElapsedTimer>

namespace {

int run(const QStringList& args)
{
    if (args.isEmpty() || args.size() % 2 == 0)
        return tjtool::usageError(QStringLiteral("gen"));
    tj::queries::YearOptions o;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        const QString& key = args[i];
        const QString& value = args[i + 1];
        bool ok = true;
        if (key == QLatin1String("--seed"))
            o.seed = value.toULongLong(&ok);
        else if (key == QLatin1String("--visits"))
            ok = (o.visits = value.toInt(&ok)) > 0 && ok;
        else if (key == QLatin1String("--units"))
            ok = (o.units = value.toInt(&ok)) > 0 && ok;
        else if (key == QLatin1String("--days"))
            ok = (o.days = value.toInt(&ok)) > 0 && ok;
        else if (key == QLatin1String("--from"))
            ok = (o.firstDay = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"))).isValid();
        else
            ok = false;
        if (!ok)
            return tjtool::usageError(QStringLiteral("gen"));
    }
    auto connection = tjtool::openDatabase(args[0]);
    QElapsedTimer clock;
    clock.start();
    o.report = [&clock](const QString& text) {
        tjtool::out(QStringLiteral("[%1 s] %2").arg(clock.elapsed() / 1000.0, 0, 'f', 1).arg(text));
    };
    tj::queries::GenerateYear(*connection, o);
    return 0;
}

}  // namespace

TJTOOL_COMMAND("gen", QStringLiteral("gen NAME [--seed N] [--visits N] [--units N] [--from yyyy-mm-dd] [--days N]"),
               QStringLiteral("fill data/NAME.db with a generated year of a centre (default: seed 1, 50000 visits, "
                              "300 units, from 2025-01-01 for 365 days)"),
               run);
