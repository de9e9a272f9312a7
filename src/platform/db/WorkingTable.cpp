#include "platform/db/WorkingTable.h"

#include <QStringList>

namespace tj::db {

WorkingColumn IdentityColumn(const QString& name, const QString& type)
{
    WorkingColumn c;
    c.name = name;
    c.type = type;
    c.identity = true;
    c.primaryKey = true;
    c.notNull = true;
    return c;
}

WorkingColumn Column(const QString& name, const QString& type, bool notNull)
{
    WorkingColumn c;
    c.name = name;
    c.type = type;
    c.notNull = notNull;
    return c;
}

WorkingColumn TextColumn(const QString& name, int width, bool notNull)
{
    WorkingColumn c = Column(name, QStringLiteral("varchar"), notNull);
    c.width = width;
    return c;
}

WorkingTable::WorkingTable(Connection& connection, const QString& name, std::vector<WorkingColumn> columns,
                           const QString& select)
    : c_(connection), name_(name), columns_(std::move(columns)), query_(connection)
{
    QString key;
    for (const auto& c : columns_)
        if (c.identity && key.isEmpty())
            key = c.name;
    query_.setSql(select.isEmpty() ? QStringLiteral("select * from %1%2").arg(name_, key.isEmpty() ? QString() : QStringLiteral(" order by ") + key)
                                   : select);
    query_.setUpdateTable(name_);
    if (!key.isEmpty())
        query_.setKeyFields({key});
}

QString WorkingTable::dropStatement() const
{
    return QStringLiteral("if exists (select * from tempdb.dbo.sysobjects where id = object_id(N'tempdb.dbo.[%1]')) "
                          "drop table [dbo].[%1] ")
        .arg(name_);
}

QString WorkingTable::createStatement() const
{
    QStringList defs;
    for (const auto& c : columns_) {
        QString d = QStringLiteral("[%1] [%2]").arg(c.name, c.type);
        if (c.width > 0)
            d += QStringLiteral(" (%1)").arg(c.width);
        if (c.identity)
            d += QStringLiteral(" IDENTITY (1, 1)");
        if (c.type == QLatin1String("varchar") || c.type == QLatin1String("char") || c.type == QLatin1String("text"))
            d += QStringLiteral(" COLLATE Chinese_PRC_CI_AS");
        d += c.notNull ? QStringLiteral(" NOT NULL") : QStringLiteral(" NULL");
        defs << d;
    }
    return QStringLiteral("CREATE TABLE [%1] (%2) ON [PRIMARY]").arg(name_, defs.join(QStringLiteral(" , ")));
}

void WorkingTable::create()
{
    query_.close();
    c_.execute(dropStatement());
    c_.execute(createStatement());
}

void WorkingTable::truncate()
{
    c_.execute(QStringLiteral("truncate table %1 ").arg(name_));
}

void WorkingTable::open()
{
    query_.close();
    query_.open();
}

}  // namespace tj::db
