// Connections: transactions, a second connection on the same file, and the
// statement caches.
#include "DbTestSupport.h"

#include "platform/db/SqlText.h"

#include <sqlite3.h>

using namespace tj::db;
using tj::db::testing::FreshDb;

namespace {

class ConnectionTest : public FreshDb {
protected:
    void SetUp() override
    {
        FreshDb::SetUp();
        db->execute(QStringLiteral("CREATE TABLE [t] ([id] [int] IDENTITY (1, 1) NOT NULL, [v] [varchar] (10) NULL,"
                                   " CONSTRAINT [PK_t] PRIMARY KEY CLUSTERED ([id]))"));
    }
};

TEST_F(ConnectionTest, RollbackLeavesTheDatabaseAsItWas)
{
    db->execute(QStringLiteral("insert into t(v) values('keep')"));
    {
        Transaction tr(*db);
        db->execute(QStringLiteral("insert into t(v) values('gone')"));
        db->execute(QStringLiteral("update t set v = 'changed' where id = 1"));
        EXPECT_THROW(db->execute(QStringLiteral("insert into t(v) values('much too long')")), SqlError);
        EXPECT_TRUE(db->inTransaction());
    }  // not committed
    EXPECT_FALSE(db->inTransaction());
    EXPECT_EQ(cell(QStringLiteral("select count(*) from t")), QStringLiteral("1"));
    EXPECT_EQ(cell(QStringLiteral("select v from t")), QStringLiteral("keep"));

    // Nested: only the outermost commit commits.
    db->beginTransaction();
    db->beginTransaction();
    db->execute(QStringLiteral("insert into t(v) values('n')"));
    db->commit();
    EXPECT_TRUE(db->inTransaction());
    db->commit();
    EXPECT_FALSE(db->inTransaction());
    EXPECT_THROW(db->commit(), SqlError);
    // Transaction statements in text take the same path.
    db->execute(QStringLiteral("begin tran insert into t(v) values('x') rollback tran"));
    EXPECT_EQ(cell(QStringLiteral("select count(*) from t")), QStringLiteral("2"));
}

TEST_F(ConnectionTest, SecondConnectionSeesCommittedDataAndWaitsForTheWriter)
{
    SqliteConnection other(path, 200);
    other.open();
    db->beginTransaction();
    db->execute(QStringLiteral("insert into t(v) values('a')"));
    EXPECT_EQ(other.scalar(QStringLiteral("select count(*) from t")).toInteger(), 0);  // uncommitted, not seen
    // The writer holds the lock; the other connection gives up after its busy timeout.
    EXPECT_THROW(other.execute(QStringLiteral("insert into t(v) values('b')")), SqlError);
    db->commit();
    EXPECT_EQ(other.scalar(QStringLiteral("select count(*) from t")).toInteger(), 1);
    other.execute(QStringLiteral("insert into t(v) values('b')"));
    EXPECT_EQ(cell(QStringLiteral("select count(*) from t")), QStringLiteral("2"));
    sqlite3_stmt* st = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db->handle(), "PRAGMA journal_mode", -1, &st, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)), "wal");
    sqlite3_finalize(st);
}

TEST_F(ConnectionTest, StatementsDifferingInValuesStillMeanWhatTheySay)
{
    // Values are lifted into parameters so texts share a prepared statement;
    // literals that shape the statement must keep their meaning.
    for (const char* v : {"b", "a", "c"})
        db->execute(SqlText::format("insert into t(v) values('%s')", v));
    EXPECT_EQ(cell(QStringLiteral("select id, v from t order by 2")), QStringLiteral("2"));
    EXPECT_EQ(cell(QStringLiteral("select id, v from t order by 2 desc")), QStringLiteral("3"));
    EXPECT_EQ(db->query(QStringLiteral("select top 2 * from t")).rows.size(), 2u);
    EXPECT_EQ(db->query(QStringLiteral("select top 1 * from t")).rows.size(), 1u);
    EXPECT_EQ(db->query(QStringLiteral("select 5, 'x' as k from t where id = 1")).columns,
              (QStringList{QStringLiteral("5"), QStringLiteral("k")}));
    EXPECT_EQ(cell(QStringLiteral("select v from t where id = 3")), QStringLiteral("c"));
    EXPECT_EQ(cell(QStringLiteral("select v from t where id = 1")), QStringLiteral("b"));
    EXPECT_EQ(cell(QStringLiteral("select convert(varchar(3), 'abcdef')")), QStringLiteral("abc"));
    EXPECT_EQ(cell(QStringLiteral("select convert(varchar(2), 'abcdef')")), QStringLiteral("ab"));
}

TEST_F(ConnectionTest, TableColumnsAsDeclared)
{
    db->execute(QStringLiteral("CREATE TABLE [#j] ([id] [bigint] IDENTITY (1, 1) NOT NULL, [tjhao] [varchar] (50) NOT NULL,"
                               " [je] [money] NULL, [sj] [datetime] NULL, [zp] [image] NULL)"));
    const std::vector<ColumnInfo> cols = db->tableColumns(QStringLiteral("[dbo].[#j]"));
    ASSERT_EQ(cols.size(), 5u);
    EXPECT_TRUE(cols[0].identity && cols[0].primaryKey);
    EXPECT_EQ(cols[0].type, QStringLiteral("bigint"));
    EXPECT_EQ(cols[1].type, QStringLiteral("varchar"));
    EXPECT_EQ(cols[1].width, 50);
    EXPECT_TRUE(cols[1].notNull);
    EXPECT_EQ(cols[2].type, QStringLiteral("money"));
    EXPECT_EQ(cols[3].type, QStringLiteral("datetime"));
    EXPECT_EQ(cols[4].type, QStringLiteral("image"));
    EXPECT_EQ(db->tableColumns(QStringLiteral("t"))[0].type, QStringLiteral("int"));
    EXPECT_TRUE(db->tableColumns(QStringLiteral("nosuch")).empty());
}

TEST_F(ConnectionTest, ParametersAndBlobsRoundTrip)
{
    db->execute(QStringLiteral("CREATE TABLE [p] ([id] [int] IDENTITY (1, 1) NOT NULL, [zpian] [image] NULL, [je] [money] NULL)"));
    const QByteArray jpeg("\xFF\xD8\x00\x01'--", 7);
    db->execute(QStringLiteral("insert into p(zpian, je) values(?, ?)"), {Value(jpeg), Value(0.1)});
    const ResultSet rs = db->query(QStringLiteral("select zpian, je from p where id = ?"), {Value(1)});
    ASSERT_EQ(rs.rows.size(), 1u);
    EXPECT_EQ(rs.value(0, QStringLiteral("ZPIAN")).toBlob(), jpeg);
    EXPECT_EQ(rs.value(0, QStringLiteral("je")).type(), Value::Type::Real);
    EXPECT_THROW(db->execute(QStringLiteral("insert into p(je) values(?)"), {}), SqlError);
}

TEST_F(ConnectionTest, RepeatedStatementsReusePreparedStatements)
{
    // The same text many times: one translation and one prepared statement.
    for (int i = 0; i < 200; ++i)
        db->execute(QStringLiteral("insert into t(v) values('same')"));
    EXPECT_EQ(cell(QStringLiteral("select count(*) from t")), QStringLiteral("200"));
    int current = 0, high = 0;
    sqlite3_db_status(db->handle(), SQLITE_DBSTATUS_STMT_USED, &current, &high, 0);
    EXPECT_GT(current, 0);
    // Many different texts do not grow the cache without bound.
    for (int i = 0; i < 1000; ++i)
        db->execute(SqlText::format("update t set v = '%s' where id = %d", QString::number(i), i));
    int after = 0;
    sqlite3_db_status(db->handle(), SQLITE_DBSTATUS_STMT_USED, &after, &high, 0);
    EXPECT_LT(after, 8 * 1024 * 1024);
}

}  // namespace
