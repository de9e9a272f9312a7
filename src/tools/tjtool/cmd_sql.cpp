// tjtool sql NAME "statement": runs one T-SQL statement (or batch) on the
// embedded database data/NAME.db through the same translation the client
// uses, and prints the rows as tab-separated text under a header line.
#include "Command.h"

#include "platform/db/SqliteConnection.h"

#include <QDir>
#include <QFileInfo>

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
    if (args.size() != 2) {
        tjtool::err(QStringLiteral("usage: tjtool sql NAME \"statement\""));
        return 2;
    }
    const QString path = QDir(tjtool::programFolder()).filePath(QStringLiteral("data/%1.db").arg(args.at(0)));
    if (!QFileInfo::exists(path)) {
        tjtool::err(QStringLiteral("database %1 does not exist").arg(QDir::toNativeSeparators(path)));
        return 1;
    }
    tj::db::SqliteConnection conn(path);
    try {
        conn.open();
        const tj::db::ResultSet rs = conn.query(args.at(1));
        if (rs.columns.isEmpty()) {
            return 0;
        }
        tjtool::out(rs.columns.join(QLatin1Char('\t')));
        for (const auto& row : rs.rows) {
            QStringList cells;
            cells.reserve(int(row.size()));
            for (const auto& v : row)
                cells << cell(v);
            tjtool::out(cells.join(QLatin1Char('\t')));
        }
    } catch (const tj::db::SqlError& e) {
        tjtool::err(e.message());
        return 1;
    }
    return 0;
}

}  // namespace

TJTOOL_COMMAND("sql", QStringLiteral("sql NAME \"statement\""),
                       QStringLiteral("run a T-SQL statement on data/NAME.db and print the rows as tab-separated text"),
                       runSql);
