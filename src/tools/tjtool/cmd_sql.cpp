// tjtool sql NAME "statement": runs a T-SQL statement or script on the
// embedded database data/NAME.db through the same translation the client
// uses, and prints what each statement gave, as SQL Server's command-line
// client does: every result set as tab-separated text under a header line,
// then "(N 行受影响)"; the rows changed by INSERT, UPDATE and DELETE as
// "(N 行受影响)". Batches run one after another and the first error stops
// the script.
#include "Command.h"

#include "platform/db/ChineseMessage.h"
#include "platform/db/SqliteConnection.h"
#include "platform/db/TsqlDialect.h"

#include <QFile>
#include <stdexcept>

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
    const QStringList batches = tj::db::TsqlDialect::splitBatches(statement);
    bool first = true;
    for (int b = 0; b < batches.size(); ++b) {
        std::vector<tj::db::StatementResult> results;
        try {
            results = conn->executeBatch(batches[b]);
        } catch (const tj::db::SqlError& e) {
            const QString chinese = tj::db::ChineseMessage(e);
            QString text = chinese == e.message() ? chinese : QStringLiteral("%1（%2）").arg(chinese, e.message());
            if (batches.size() > 1)
                text = QStringLiteral("第 %1 批出错，其后的批未执行：%2").arg(b + 1).arg(text);
            throw std::runtime_error(text.toStdString());
        }
        for (const tj::db::StatementResult& r : results) {
            if (!r.hasResultSet && r.rowsAffected < 0)
                continue;
            if (!first)
                tjtool::out(QString());
            first = false;
            if (r.hasResultSet) {
                tjtool::out(r.resultSet.columns.join(QLatin1Char('\t')));
                for (const auto& row : r.resultSet.rows) {
                    QStringList cells;
                    cells.reserve(int(row.size()));
                    for (const auto& v : row)
                        cells << cell(v);
                    tjtool::out(cells.join(QLatin1Char('\t')));
                }
            }
            tjtool::out(QStringLiteral("(%1 行受影响)").arg(r.rowsAffected));
        }
    }
    return 0;
}

}  // namespace

TJTOOL_COMMAND("sql", QStringLiteral("sql NAME [\"statement\"]"),
                       QStringLiteral("run a T-SQL statement or script (or standard input) on data/NAME.db; print every result set as tab-separated text and the rows each statement changed"),
                       runSql);
