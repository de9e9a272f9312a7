// tjtool sql NAME "statement": runs one T-SQL statement (or batch) on the
// embedded database data/NAME.db through the same translation the client
// uses, and prints the rows as tab-separated text under a header line.
#include "Command.h"

#include "platform/db/SqliteConnection.h"

#include <QFile>

namespace {

QString cell(const tj::db::Value& v)
{
    switch (v.type()) {
    case tj::db::Value::Type::Null:
        return QString();
    case tj::db::Value::Type::Blob:
        return QStringLiteral("<%1 bytes>").arg(v.toBlob().size());
    default: {
        // Tabs and line breaks inside a value would break the row layout.
        QString s = v.toString();
        s.replace(QLatin1Char('\t'), QLatin1Char(' '));
        s.replace(QLatin1Char('\n'), QLatin1Char(' '));
        s.remove(QLatin1Char('\r'));
        return s;
    }
    }
}

int runSql(const QStringList& args)
{
    if (args.size() != 1 && args.size() != 2)
        return tjtool::usageError(QStringLiteral("sql"));
    // Without a statement on the command line, the statement (or a script
    // with GO lines) is read from standard input.
    QString statement = args.value(1);
    if (args.size() == 1) {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly))
            return tjtool::usageError(QStringLiteral("sql"));
        statement = QString::fromUtf8(in.readAll());
    }
    auto conn = tjtool::openDatabase(args.at(0));
    const tj::db::ResultSet rs = conn->query(statement);
    if (rs.columns.isEmpty())
        return 0;
    tjtool::out(rs.columns.join(QLatin1Char('\t')));
    for (const auto& row : rs.rows) {
        QStringList cells;
        cells.reserve(int(row.size()));
        for (const auto& v : row)
            cells << cell(v);
        tjtool::out(cells.join(QLatin1Char('\t')));
    }
    return 0;
}

}  // namespace

TJTOOL_COMMAND("sql", QStringLiteral("sql NAME [\"statement\"]"),
                       QStringLiteral("run a T-SQL statement (or standard input) on data/NAME.db and print the rows as tab-separated text"),
                       runSql);
