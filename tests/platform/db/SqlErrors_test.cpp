// What went wrong, in terms a window can act on: the kind of an error from
// either backend, and the words a Chinese SQL Server would show for it.
#include "DbTestSupport.h"

#include "platform/db/ChineseMessage.h"

using namespace tj::db;
using tj::db::testing::FreshDb;
using Kind = SqlError::Kind;

namespace {

TEST(SqlErrorKind, OdbcByServerNumberThenBySqlState)
{
    struct {
        const char* state;
        int native;
        Kind kind;
    } cases[] = {
        {"08S01", 0, Kind::ConnectionLost},    {"08001", 20009, Kind::ConnectionLost}, {"HYT00", 0, Kind::Timeout},
        {"HYT01", 0, Kind::Timeout},           {"23000", 2627, Kind::Constraint},      {"23000", 515, Kind::Constraint},
        {"42000", 547, Kind::Constraint},      {"22001", 8152, Kind::Truncation},      {"HY000", 2628, Kind::Truncation},
        {"22018", 245, Kind::Conversion},      {"37000", 8114, Kind::Conversion},      {"22003", 0, Kind::Conversion},
        {"40001", 1205, Kind::Busy},           {"HY000", 1222, Kind::Busy},            {"42S02", 208, Kind::Other},
        {"", 0, Kind::Other},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SqlError::kindOfOdbc(QString::fromLatin1(c.state), c.native), c.kind) << c.state << " " << c.native;
}

TEST(ChineseMessage, ServerTextsInTheServersChineseWording)
{
    struct {
        const char* message;
        Kind kind;
        const char* chinese;
    } cases[] = {
        {"[23000] [FreeTDS][SQL Server]Violation of PRIMARY KEY constraint 'PK_t'. Cannot insert duplicate key in object "
         "'dbo.t'. The duplicate key value is (1).",
         Kind::Constraint, "违反了 PRIMARY KEY 约束“PK_t”。不能在对象“dbo.t”中插入重复键。重复键值为 (1)。"},
        {"Violation of UNIQUE KEY constraint 'UX_t'. Cannot insert duplicate key in object 'dbo.t'.", Kind::Constraint,
         "违反了 UNIQUE KEY 约束“UX_t”。不能在对象“dbo.t”中插入重复键。"},
        {"Cannot insert the value NULL into column 'xm', table 'his.dbo.t'; column does not allow nulls. INSERT fails.",
         Kind::Constraint, "不能将值 NULL 插入列 'xm'，表 'his.dbo.t'；列不允许有 Null 值。INSERT 失败。"},
        {"String or binary data would be truncated.", Kind::Truncation, "将截断字符串或二进制数据。"},
        {"[22018] [FreeTDS][SQL Server]Conversion failed when converting the varchar value '%1' to data type int.",
         Kind::Conversion, "将 varchar 值 '%1' 转换成数据类型 int 时失败。"},
        // A Chinese server's own words stay as they are, without the driver's prefixes.
        {"[23000] [FreeTDS][SQL Server]违反了 PRIMARY KEY 约束“PK_x”。", Kind::Constraint, "违反了 PRIMARY KEY 约束“PK_x”。"},
        {"[HYT00] [FreeTDS][SQL Server]Query timeout expired", Kind::Timeout, "查询超时已过期。"},
        {"some text no one knows", Kind::Other, "some text no one knows"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChineseMessage(SqlError(QString::fromUtf8(c.message), c.kind)), QString::fromUtf8(c.chinese)) << c.message;
    EXPECT_EQ(ChineseMessage(std::runtime_error("普通错误")), QStringLiteral("普通错误"));
}

class EmbeddedErrors : public FreshDb {
protected:
    void SetUp() override
    {
        FreshDb::SetUp();
        db->execute(QStringLiteral("CREATE TABLE [t] ([id] [int] IDENTITY (1, 1) NOT NULL, [xm] [varchar] (4) NOT NULL,"
                                   " [n] [int] NULL, CONSTRAINT [PK_t] PRIMARY KEY CLUSTERED ([id]))\n"
                                   "GO\nCREATE UNIQUE INDEX [UX_t_xm] ON [t]([xm])"));
        db->execute(QStringLiteral("insert into t(xm) values('张三')"));
    }

    SqlError refusal(const QString& sql)
    {
        try {
            db->execute(sql);
        } catch (const SqlError& e) {
            return e;
        }
        ADD_FAILURE() << "accepted: " << sql.toStdString();
        return SqlError(QString());
    }
};

TEST_F(EmbeddedErrors, RefusalsOfTheDialectAndOfSqliteHaveKindsAndChineseWords)
{
    struct {
        const char* sql;
        Kind kind;
        const char* chinese;
    } cases[] = {
        {"insert into t(xm) values('张三李')", Kind::Truncation, "将截断字符串或二进制数据。（列：xm）"},
        {"insert into t(xm, n) values('a', 'abc')", Kind::Conversion, "将 varchar 值 'abc' 转换成数据类型 int 时失败。"},
        {"insert into t(xm) values('张三')", Kind::Constraint, "违反了 UNIQUE KEY 约束。不能在对象“t”中插入重复键。（列：xm）"},
        {"insert into t(n) values(1)", Kind::Constraint, "不能将值 NULL 插入列 'xm'，表 't'；列不允许有 Null 值。"},
        {"select * from nosuch", Kind::Other, "对象名 'nosuch' 无效。"},
    };
    for (const auto& c : cases) {
        const SqlError e = refusal(QString::fromUtf8(c.sql));
        EXPECT_EQ(e.kind(), c.kind) << c.sql << ": " << e.what();
        EXPECT_EQ(ChineseMessage(e), QString::fromUtf8(c.chinese)) << c.sql;
        EXPECT_FALSE(e.message().isEmpty());  // the original text is kept
    }
    EXPECT_EQ(refusal(QStringLiteral("insert into t(xm) values('张三')")).nativeCode() & 0xFF, 19);  // SQLITE_CONSTRAINT
    EXPECT_EQ(cell(QStringLiteral("select count(*) from t")), QStringLiteral("1"));

    // A writer on another connection: busy, not a lost connection.
    SqliteConnection other(path, 100);
    other.open();
    db->beginTransaction();
    db->execute(QStringLiteral("insert into t(xm) values('b')"));
    try {
        other.execute(QStringLiteral("insert into t(xm) values('c')"));
        ADD_FAILURE() << "wrote past the other connection's lock";
    } catch (const SqlError& e) {
        EXPECT_EQ(e.kind(), Kind::Busy) << e.what();
    }
    db->rollback();
    db->close();
    try {
        db->query(QStringLiteral("select 1"));
        ADD_FAILURE() << "ran on a closed connection";
    } catch (const SqlError& e) {
        EXPECT_TRUE(e.isConnectionProblem());
    }
}

}  // namespace
