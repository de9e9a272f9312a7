// A working table: a server temporary table private to the connection,
// dropped when present and created again each time a window needs a fresh
// one, with a data set over it. The statements are those the server knows:
//
//   if exists (select * from tempdb.dbo.sysobjects where id = object_id(N'tempdb.dbo.[#t]')) drop table [dbo].[#t]
//   CREATE TABLE [#t] ([id] [int] IDENTITY (1, 1) NOT NULL , [mcheng] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL , ...) ON [PRIMARY]
#pragma once

#include "platform/db/Connection.h"
#include "platform/db/Query.h"

#include <QString>
#include <vector>

namespace tj::db {

// One column of a working table: name, base type (int, bigint, bit, money,
// datetime, varchar, text ...), width of a varchar, identity, not null.
// The first identity column is the key of the data set's posts.
using WorkingColumn = ColumnInfo;

// Shorthands for column lists.
WorkingColumn IdentityColumn(const QString& name, const QString& type = QStringLiteral("int"));
WorkingColumn Column(const QString& name, const QString& type, bool notNull = false);
WorkingColumn TextColumn(const QString& name, int width, bool notNull = false);

class WorkingTable {
public:
    // name: "#tjian_jguo"; select: the data set's statement (by default
    // "select * from <name> order by <key>").
    WorkingTable(Connection& connection, const QString& name, std::vector<WorkingColumn> columns,
                 const QString& select = QString());

    const QString& name() const { return name_; }
    const std::vector<WorkingColumn>& columns() const { return columns_; }

    // The two statements that make a fresh table.
    QString dropStatement() const;
    QString createStatement() const;
    // Drops any earlier copy and creates the table empty (the data set is closed).
    void create();
    // Empties the table ("truncate table", which restarts the identity).
    void truncate();
    // (Re)opens the data set over the table.
    void open();

    // The data set: posts go to the table by its identity column.
    Query& query() { return query_; }

private:
    Connection& c_;
    QString name_;
    std::vector<WorkingColumn> columns_;
    Query query_;
};

}  // namespace tj::db
