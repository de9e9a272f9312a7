#include "schema/Schema.h"

#include "platform/db/Connection.h"
#include "platform/db/SqliteConnection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

// Resources of a static library are registered explicitly.
static void initSchemaResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(schema);
        return true;
    }();
    (void)done;
}

namespace tj::schema {

SchemaError::SchemaError(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message)
{
}

namespace {

QString readResource(const QString& path)
{
    initSchemaResources();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw SchemaError(QStringLiteral("程序缺少脚本资源 %1").arg(path));
    return QString::fromUtf8(f.readAll());
}

bool onlyComments(const QString& text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QString t = line.trimmed();
        if (!t.isEmpty() && !t.startsWith(QLatin1String("--")))
            return false;
    }
    return true;
}

}  // namespace

std::vector<ScriptBatch> splitScript(const QString& script)
{
    static const QRegularExpression goLine(QStringLiteral("^\\s*GO\\s*$"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression marker(QStringLiteral("^--\\s*backend:\\s*(\\w+)\\s*$"),
                                           QRegularExpression::CaseInsensitiveOption);
    std::vector<ScriptBatch> batches;
    QStringList lines = QString(script).remove(QLatin1Char('\r')).split(QLatin1Char('\n'));
    lines.append(QStringLiteral("GO"));  // closes a last batch without GO
    QStringList current;
    int start = 1;
    for (int i = 0; i < lines.size(); ++i) {
        if (!goLine.match(lines[i]).hasMatch()) {
            if (current.isEmpty())
                start = i + 1;
            current.append(lines[i]);
            continue;
        }
        const QString text = current.join(QLatin1Char('\n'));
        current.clear();
        if (onlyComments(text))
            continue;
        ScriptBatch batch;
        batch.text = text;
        batch.firstLine = start;
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            const QString t = line.trimmed();
            if (t.isEmpty())
                continue;
            const auto m = marker.match(t);
            if (m.hasMatch()) {
                const QString b = m.captured(1).toLower();
                if (b == QLatin1String("sqlserver"))
                    batch.backend = ScriptBatch::Backend::SqlServer;
                else if (b == QLatin1String("sqlite"))
                    batch.backend = ScriptBatch::Backend::SqliteNative;
                else
                    throw SchemaError(QStringLiteral("脚本第 %1 行：未知的数据库类型 %2").arg(start).arg(b));
            }
            break;
        }
        batches.push_back(std::move(batch));
    }
    return batches;
}

QString schemaScript()
{
    return readResource(QStringLiteral(":/schema/sql/schema.sql"));
}

QString firstRowsScript()
{
    return readResource(QStringLiteral(":/schema/sql/firstrows.sql"));
}

QString demoScript()
{
    return readResource(QStringLiteral(":/schema/sql/demo.sql"));
}

void runScript(db::Connection& connection, const QString& script, const QString& scriptName)
{
    auto* sqlite = dynamic_cast<db::SqliteConnection*>(&connection);
    for (const ScriptBatch& batch : splitScript(script)) {
        try {
            switch (batch.backend) {
            case ScriptBatch::Backend::SqlServer:
                if (!sqlite)
                    connection.execute(batch.text);
                break;
            case ScriptBatch::Backend::SqliteNative:
                if (sqlite)
                    sqlite->executeNative(batch.text);
                break;
            case ScriptBatch::Backend::Any:
                connection.execute(batch.text);
                break;
            }
        } catch (const db::SqlError& e) {
            throw SchemaError(QStringLiteral("%1 第 %2 行起的语句出错：%3")
                                  .arg(scriptName).arg(batch.firstLine).arg(e.message()));
        }
    }
}

void buildTemplate(db::Connection& connection)
{
    const QString schema = schemaScript();
    const QString firstRows = firstRowsScript();
    db::Transaction t(connection);
    runScript(connection, schema, QStringLiteral("schema.sql"));
    runScript(connection, firstRows, QStringLiteral("firstrows.sql"));
    t.commit();
}

void loadDemoData(db::Connection& connection)
{
    const QString demo = demoScript();
    try {
        if (connection.scalar(QStringLiteral("select count(*) from pub_kslbie where id in (11,12,13)")).toInteger() != 3)
            throw SchemaError(QStringLiteral("数据库缺少初始数据（科室类别 11、12、13），不是由模板建立的体检数据库"));
        if (connection.scalar(QStringLiteral("select count(*) from tjian_xmu")).toInteger() > 0)
            throw SchemaError(QStringLiteral("数据库中已有体检项目，不能再装入演示数据"));
    } catch (const db::SqlError& e) {
        throw SchemaError(QStringLiteral("不是体检数据库：%1").arg(e.message()));
    }
    db::Transaction t(connection);
    runScript(connection, demo, QStringLiteral("demo.sql"));
    t.commit();
}

QString dataFolder(const QString& programFolder)
{
    const QString base = programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder;
    return QDir(base).filePath(QStringLiteral("data"));
}

QString templatePath(const QString& programFolder)
{
    return QDir(dataFolder(programFolder)).filePath(QStringLiteral("template.db"));
}

QString databasePath(const QString& name, const QString& programFolder)
{
    return QDir(dataFolder(programFolder)).filePath(name + QStringLiteral(".db"));
}

bool isValidDatabaseName(const QString& name)
{
    if (name.isEmpty() || name.size() > 100)
        return false;
    if (name.compare(QLatin1String("template"), Qt::CaseInsensitive) == 0)
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('_') || c == QLatin1Char('-'))
            continue;
        if (c.unicode() < 128 ? !c.isLetterOrNumber() : !(c.isLetterOrNumber() && c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF))
            return false;
    }
    return true;
}

QString createDatabaseFromTemplate(const QString& name, const QString& programFolder)
{
    if (!isValidDatabaseName(name))
        throw SchemaError(QStringLiteral("数据库名称“%1”不合法：只能使用字母、汉字、数字、下划线和减号").arg(name));
    const QString target = databasePath(name, programFolder);
    if (QFileInfo::exists(target))
        throw SchemaError(QStringLiteral("数据库 %1 已经存在（%2），不能在已经存在的数据库上重建").arg(name, target));
    const QString source = templatePath(programFolder);
    if (!QFileInfo::exists(source))
        throw SchemaError(QStringLiteral("模板数据库 %1 不存在，不能建立数据库").arg(source));
    // Journal files left behind by a database file that was deleted by hand
    // would be replayed into the fresh copy and corrupt it.
    for (const char* suffix : {"-wal", "-shm", "-journal"}) {
        const QString leftover = target + QLatin1String(suffix);
        if (QFileInfo::exists(leftover) && !QFile::remove(leftover))
            throw SchemaError(QStringLiteral("不能删除遗留的日志文件 %1").arg(leftover));
    }
    if (!QFile::copy(source, target))
        throw SchemaError(QStringLiteral("不能建立数据库文件 %1").arg(target));
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                      | QFileDevice::ReadOther);
    return target;
}

}  // namespace tj::schema
