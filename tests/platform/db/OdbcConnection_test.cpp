// The SQL Server backend: connection strings and failure messages. A real
// server is used only when TJ_TEST_MSSQL holds an ODBC connection string.
#include "DbTestSupport.h"

#include "platform/db/OdbcConnection.h"

using namespace tj::db;

TEST(OdbcConnection, BuildsDsnLessStringsWithBracedValues)
{
    const QString s = OdbcConnection::buildConnectionString(QStringLiteral("10.0.0.5"), 1433, QStringLiteral("his"),
                                                            QStringLiteral("sa"), QStringLiteral("p;w}d{"));
    EXPECT_TRUE(s.startsWith(QStringLiteral("DRIVER={"))) << s.toStdString();
    EXPECT_TRUE(s.contains(QStringLiteral(";SERVER=10.0.0.5;PORT=1433;DATABASE=his;UID=sa;PWD={p;w}}d{};")));
    EXPECT_TRUE(s.contains(QStringLiteral("ClientCharset=UTF-8")));
    const QString noPort = OdbcConnection::buildConnectionString(QStringLiteral("srv"), 0, QStringLiteral("his"),
                                                                 QStringLiteral("a;b"), QString());
    EXPECT_FALSE(noPort.contains(QStringLiteral("PORT=")));
    EXPECT_TRUE(noPort.contains(QStringLiteral("UID={a;b};PWD={};")));
}

TEST(OdbcConnection, FailuresNameTheirCause)
{
    if (OdbcConnection::driver().isEmpty())
        GTEST_SKIP() << "no FreeTDS driver installed";
    OdbcConnection closedPort(OdbcConnection::buildConnectionString(QStringLiteral("127.0.0.1"), 1, QStringLiteral("his"),
                                                                    QStringLiteral("sa"), QStringLiteral("x")), 3);
    try {
        closedPort.open();
        FAIL() << "connected to a closed port";
    } catch (const SqlError& e) {
        EXPECT_FALSE(e.message().isEmpty());
        EXPECT_TRUE(e.message().contains(QLatin1Char('['))) << e.what();  // the ODBC state and the driver's text
        EXPECT_TRUE(e.nativeState().startsWith(QStringLiteral("08"))) << e.nativeState().toStdString();
        EXPECT_EQ(e.kind(), SqlError::Kind::ConnectionLost);
    }
    EXPECT_FALSE(closedPort.isOpen());
    EXPECT_THROW(closedPort.query(QStringLiteral("select 1")), SqlError);

    OdbcConnection noDriver(QStringLiteral("DRIVER={/nonexistent/libtdsodbc.so};SERVER=127.0.0.1;PORT=1;UID=sa;PWD=x;"));
    try {
        noDriver.open();
        FAIL() << "opened without a driver";
    } catch (const SqlError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("nonexistent"))) << e.what();
    }
}

TEST(OdbcConnection, RealServerRoundTrip)
{
    const QByteArray cs = qgetenv("TJ_TEST_MSSQL");
    if (cs.isEmpty())
        GTEST_SKIP() << "TJ_TEST_MSSQL is not set";
    OdbcConnection c(QString::fromUtf8(cs));
    c.open();
    c.execute(QStringLiteral("CREATE TABLE #o ([id] [int] IDENTITY (1, 1) NOT NULL, [xm] [varchar] (20) NULL, [je] [money] NULL)"));
    c.execute(QStringLiteral("insert into #o(xm, je) values(?, ?)"), {Value(QStringLiteral("张'三")), Value(0.1)});
    EXPECT_EQ(c.lastIdentity().toInteger(), 1);
    const ResultSet rs = c.query(QStringLiteral("select xm, je from #o"));
    ASSERT_EQ(rs.rows.size(), 1u);
    EXPECT_EQ(rs.rows[0][0].toString(), QStringLiteral("张'三"));
    EXPECT_EQ(rs.rows[0][1].toCurrency(), Currency::fromRaw(1000));
    const auto cols = c.tableColumns(QStringLiteral("#o"));
    ASSERT_EQ(cols.size(), 3u);
    EXPECT_TRUE(cols[0].identity);
}
