// The ODBC backend through a real driver without a server: the SQLite ODBC
// driver (Debian package libsqliteodbc) on a file, reached by a DSN-less
// connection string. Statements go to the driver untranslated, so they are
// written in the part of SQL both SQLite and SQL Server understand.
#include "DbTestSupport.h"

#include "platform/db/ChineseMessage.h"
#include "platform/db/OdbcConnection.h"

using namespace tj::db;

namespace {

class OdbcSqlite : public ::testing::Test {
protected:
    void SetUp() override
    {
        driver = OdbcConnection::installedDriver(QStringLiteral("SQLite3"),
                                                 QStringLiteral("/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so"));
        if (driver.isEmpty())
            GTEST_SKIP() << "the SQLite ODBC driver is not installed (Debian package libsqliteodbc; scripts/install-deps installs it)";
        ASSERT_TRUE(dir.isValid());
        c = connect();
        c->execute(QStringLiteral("create table p (id integer primary key, i integer, r real, t varchar(20), b blob, n varchar(10))"));
    }

    std::unique_ptr<OdbcConnection> connect()
    {
        auto conn = std::make_unique<OdbcConnection>(
            QStringLiteral("DRIVER={%1};DATABASE=%2;Timeout=200;").arg(driver, dir.filePath(QStringLiteral("o.db"))));
        conn->open();
        return conn;
    }

    qint64 count(const QString& table = QStringLiteral("p")) { return c->scalar(QStringLiteral("select count(*) from ") + table).toInteger(); }

    QTemporaryDir dir;
    QString driver;
    std::unique_ptr<OdbcConnection> c;
};

TEST_F(OdbcSqlite, BindsEveryValueTypeAndReadsItBack)
{
    const QByteArray blob("\x00\xFF'--\x01", 6);
    const qint64 big = (qint64(1) << 40) + 7;
    c->execute(QStringLiteral("insert into p (i, r, t, b, n) values (?, ?, ?, ?, ?)"),
               {Value(big), Value(2.5), Value(QStringLiteral("张'三")), Value(blob), Value()});
    const ResultSet rs = c->query(QStringLiteral("select i, r, t, b, n from p where t = ?"), {Value(QStringLiteral("张'三"))});
    ASSERT_EQ(rs.rows.size(), 1u);
    const auto& row = rs.rows[0];
    EXPECT_EQ(row[0].type(), Value::Type::Integer);
    EXPECT_EQ(row[0].toInteger(), big);
    EXPECT_EQ(row[1].toDouble(), 2.5);
    EXPECT_EQ(row[2].toString(), QStringLiteral("张'三"));
    EXPECT_EQ(row[3].toBlob(), blob);
    EXPECT_TRUE(row[4].isNull());
    // A bool and money go in as the integer and the real they are stored as.
    c->execute(QStringLiteral("insert into p (i, r) values (?, ?)"), {Value(true), Value(Currency::fromRaw(12345))});
    EXPECT_EQ(c->scalar(QStringLiteral("select r from p where i = 1")).toCurrency(), Currency::fromRaw(12345));
}

TEST_F(OdbcSqlite, LongTextAndBlobsArriveWhole)
{
    // Far beyond one fetch buffer: text of three-byte characters split
    // anywhere must come back unbroken, and every byte value of a blob too.
    QString text;
    for (int i = 0; i < 30000; ++i)
        text += QChar(0x4E00 + i % 500);
    text += QStringLiteral("尾");
    QByteArray blob;
    for (int i = 0; i < 200000; ++i)
        blob.append(char(i * 7 % 256));
    c->execute(QStringLiteral("create table l (id integer primary key, t text, b blob)"));
    c->execute(QStringLiteral("insert into l (t, b) values (?, ?)"), {Value(text), Value(blob)});
    const ResultSet rs = c->query(QStringLiteral("select t, b from l"));
    ASSERT_EQ(rs.rows.size(), 1u);
    EXPECT_EQ(rs.rows[0][0].toString().size(), text.size());
    EXPECT_TRUE(rs.rows[0][0].toString() == text);
    EXPECT_EQ(rs.rows[0][1].toBlob().size(), blob.size());
    EXPECT_TRUE(rs.rows[0][1].toBlob() == blob);
}

TEST_F(OdbcSqlite, ErrorsCarryTheirKindAndState)
{
    c->execute(QStringLiteral("create unique index ux_p_t on p (t)"));
    c->execute(QStringLiteral("insert into p (t) values ('a')"));
    try {
        c->execute(QStringLiteral("insert into p (t) values ('a')"));
        FAIL() << "a duplicate key was stored";
    } catch (const SqlError& e) {
        EXPECT_EQ(e.kind(), SqlError::Kind::Constraint) << e.what();
        EXPECT_FALSE(e.nativeState().isEmpty());
        EXPECT_FALSE(e.isConnectionProblem());
        EXPECT_TRUE(ChineseMessage(e).startsWith(QStringLiteral("违反了 UNIQUE KEY 约束"))) << ChineseMessage(e).toStdString();
    }
    try {
        c->query(QStringLiteral("select nosuch from p"));
        FAIL() << "an unknown column was accepted";
    } catch (const SqlError& e) {
        EXPECT_EQ(e.kind(), SqlError::Kind::Other) << e.what();
        EXPECT_FALSE(e.nativeState().isEmpty());
    }
    EXPECT_EQ(count(), 1);

    // Another connection holding the write lock: the statement gives up as busy.
    auto other = connect();
    other->beginTransaction();
    other->execute(QStringLiteral("insert into p (t) values ('b')"));
    try {
        c->execute(QStringLiteral("insert into p (t) values ('c')"));
        FAIL() << "wrote past another connection's lock";
    } catch (const SqlError& e) {
        EXPECT_EQ(e.kind(), SqlError::Kind::Busy) << e.what() << " state " << e.nativeState().toStdString();
    }
    other->rollback();

    OdbcConnection closed(QStringLiteral("DRIVER={%1};DATABASE=%2;").arg(driver, dir.filePath(QStringLiteral("o.db"))));
    try {
        closed.query(QStringLiteral("select 1"));
        FAIL() << "ran on a connection never opened";
    } catch (const SqlError& e) {
        EXPECT_EQ(e.kind(), SqlError::Kind::ConnectionLost);
        EXPECT_EQ(e.nativeState(), QStringLiteral("08003"));
    }
}

TEST_F(OdbcSqlite, TransactionsNestAndRollBackWhole)
{
    c->beginTransaction();
    c->beginTransaction();
    c->execute(QStringLiteral("insert into p (t) values ('inner')"));
    c->commit();  // inner: nothing committed yet
    EXPECT_TRUE(c->inTransaction());
    c->execute(QStringLiteral("insert into p (t) values ('outer')"));
    c->rollback();
    EXPECT_FALSE(c->inTransaction());
    EXPECT_EQ(count(), 0);

    {
        Transaction tr(*c);
        c->execute(QStringLiteral("insert into p (t) values ('kept')"));
        tr.commit();
    }
    EXPECT_FALSE(c->inTransaction());
    EXPECT_EQ(connect()->scalar(QStringLiteral("select t from p")).toString(), QStringLiteral("kept"));
    EXPECT_THROW(c->commit(), SqlError);
}

TEST_F(OdbcSqlite, ExistsReadsOneRowAndBatchesGiveEveryResult)
{
    for (int i = 0; i < 50; ++i)
        c->execute(QStringLiteral("insert into p (i) values (?)"), {Value(i)});
    EXPECT_TRUE(c->exists(QStringLiteral("select * from p where i >= 10")));
    EXPECT_FALSE(c->exists(QStringLiteral("select * from p where i > 100")));
    // The cursor is closed: the connection goes on with the next statement.
    EXPECT_EQ(c->execute(QStringLiteral("update p set n = 'x' where i < 3")), 3);
    const auto results = c->executeBatch(QStringLiteral("select count(*) from p\nGO\nupdate p set n = 'y' where i < 5\nGO\n"));
    ASSERT_EQ(results.size(), 2u);
    EXPECT_TRUE(results[0].hasResultSet);
    EXPECT_EQ(results[0].resultSet.rows[0][0].toInteger(), 50);
    EXPECT_FALSE(results[1].hasResultSet);
    EXPECT_EQ(results[1].rowsAffected, 5);
}

}  // namespace
