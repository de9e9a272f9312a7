// T-SQL in, the results SQL Server gives out, on a fresh embedded database.
#include "DbTestSupport.h"

#include "platform/db/SqlText.h"
#include "platform/db/TsqlDialect.h"

using namespace tj::db;
using tj::db::testing::FreshDb;

namespace {

struct Case {
    const char* sql;
    const char* expected;
};

class Dialect : public FreshDb {
protected:
    void SetUp() override
    {
        FreshDb::SetUp();
        db->execute(QStringLiteral(
            "CREATE TABLE [dbo].[tjian_ryuan] (\n"
            "  [id] [int] IDENTITY (1, 1) NOT NULL ,\n"
            "  [xming] [varchar] (50) COLLATE Chinese_PRC_CI_AS NOT NULL ,\n"
            "  [xbie] [varchar] (4) NULL ,\n"
            "  [dwid] [int] NOT NULL CONSTRAINT [DF_tjian_ryuan_dwid] DEFAULT (0),\n"
            "  [ztai] [varchar] (10) NOT NULL DEFAULT (N'启用'),\n"
            "  [djbzhi] [bit] NOT NULL DEFAULT ((0)),\n"
            "  [ssje] [money] NULL ,\n"
            "  [csrqi] [datetime] NULL ,\n"
            "  [zpian] [image] NULL ,\n"
            "  CONSTRAINT [PK_tjian_ryuan] PRIMARY KEY CLUSTERED ([id]) ON [PRIMARY]\n"
            ") ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]\n"
            "GO\n"
            "CREATE UNIQUE NONCLUSTERED INDEX [IX_ryuan_xming] ON [dbo].[tjian_ryuan]([xming]) ON [PRIMARY]\n"
            "GO\n"));
        db->execute(QStringLiteral(
            "insert into tjian_ryuan(xming, xbie, dwid, ssje, csrqi) values('张三', '男', 1, 0.1, '2024-01-05 08:00:00')\n"
            "insert into tjian_ryuan(xming, xbie, dwid, ssje, csrqi) values('李四', '女', 1, 0.2, '2024-01-05 23:59:59.500')\n"
            "insert into tjian_ryuan(xming, xbie, dwid, ssje, csrqi) values('abc', '男', 2, 12.34565, '2024-1-6')\n"));
    }
};

TEST_F(Dialect, ExpressionsGiveTheServersResults)
{
    const Case cases[] = {
        {"select convert(varchar(8), '2024-03-09 07:05:03.120', 108)", "07:05:03"},
        {"select convert(varchar(19), '2024-03-09 07:05:03.120', 120)", "2024-03-09 07:05:03"},
        {"select convert(varchar(10), '2024-03-09 07:05:03.120', 23)", "2024-03-09"},
        {"select convert(varchar(7), '2024-03-09 07:05:03.120', 120)", "2024-03"},
        {"select convert(datetime, '2024-3-9')", "2024-03-09 00:00:00.000"},
        {"select datediff(day, '2024-01-05 23:00', '2024-01-06 01:00')", "1"},
        {"select datediff(day, '2024-01-06 00:00', '2024-01-06 23:59')", "0"},
        {"select datediff(month, '2023-12-31', '2024-01-01')", "1"},
        {"select datediff(year, '2023-12-31 23:59:59', '2024-01-01')", "1"},
        {"select datediff(hour, '2024-01-05 10:59', '2024-01-05 11:01')", "1"},
        {"select datediff(day, 0, '1900-01-11')", "10"},
        {"select dateadd(day, datediff(day, 0, '2024-02-29 17:30:00'), 0)", "2024-02-29 00:00:00.000"},
        {"select dateadd(month, 1, '2024-01-31')", "2024-02-29 00:00:00.000"},
        {"select dateadd(year, -1, '2024-02-29 10:00:00')", "2023-02-28 10:00:00.000"},
        {"select dateadd(minute, 90, '2024-01-05 23:00:00')", "2024-01-06 00:30:00.000"},
        {"select datepart(weekday, '2024-01-07')", "1"},
        {"select year('2024-03-09') * 10000 + month('2024-03-09') * 100 + day('2024-03-09')", "20240309"},
        {"select len('ab  ')", "2"},
        {"select len('张三 ')", "2"},
        {"select len(null)", "NULL"},
        {"select isnull(null, 5)", "5"},
        {"select isnull(sum(ssje), 0) from tjian_ryuan where dwid = 99", "0"},
        {"select substring('abcdef', 2, 3)", "bcd"},
        {"select substring('abcdef', 0, 2)", "a"},
        {"select left('体检中心', 2) + right('abc', 1)", "体检c"},
        {"select charindex('C', 'abcabc')", "3"},
        {"select ltrim(rtrim('  x  '))", "x"},
        {"select N'中文' + 'x'", "中文x"},
        {"select case when 'abc' = 'ABC  ' then 1 else 0 end", "1"},
        {"select case when 'ａｂｃ' = 'ABC' then 1 else 0 end", "1"},
        {"select case when '张三' < '李四' then 1 else 0 end", "0"},
        {"select case when 'ab' like 'A_' then 1 else 0 end", "1"},
        {"select case when 'zs01' like '[x-z]s%' then 1 else 0 end", "1"},
        {"select count(*) from tjian_ryuan where xming like '%B%'", "1"},
        {"select xming from tjian_ryuan where xming = 'ABC '", "abc"},
        {"select sum(ssje) from tjian_ryuan where dwid = 1", "0.3"},
        {"select ssje from tjian_ryuan where xming = 'abc'", "12.3457"},
        {"select top 1 xming from tjian_ryuan order by id desc", "abc"},
        {"select count(*) from (select top 2 * from tjian_ryuan order by id) t", "2"},
        {"select xming from tjian_ryuan where id in (select top 1 id from tjian_ryuan where dwid = 1 order by id desc)", "李四"},
        {"select xming as [姓名] from [dbo].[tjian_ryuan] where [id] = 1", "张三"},
        {"select d.xm as 单位名称 from (select xming as xm from tjian_ryuan where id = 2) d", "李四"},
        {"select ztai from tjian_ryuan where id = 1", "启用"},
        {"select dwid from tjian_ryuan where xming = '李四'", "1"},
        {"select csrqi from tjian_ryuan where id = 3", "2024-01-06 00:00:00.000"},
        {"select count(*) from tjian_ryuan where csrqi between '2024-01-05 00:00:00' and '2024-01-05 23:59:59'", "1"},
        {"select count(*) from tjian_ryuan where csrqi between '2024-01-05' and '2024-01-06'", "3"},
        {"select xming from tjian_ryuan order by xming", "abc"},
        {"select xming from tjian_ryuan where xming <> 'abc' order by xming", "李四"},  // GBK: 李 (C0EE) before 张 (D5C5)
        {"select dwid from tjian_ryuan group by dwid having count(*) > 1", "1"},
        {"select count(distinct dwid) from tjian_ryuan", "2"},
        {"select case when exists (select * from tjian_ryuan where xbie = '女') then 'y' else 'n' end", "y"},
        {"select count(*) from tjian_ryuan a inner join tjian_ryuan b on b.dwid = a.dwid where a.id = 1", "2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cell(QString::fromUtf8(c.sql)), QString::fromUtf8(c.expected)) << c.sql;

    // getdate(): local time, milliseconds, the stored shape.
    const QDateTime before = QDateTime::currentDateTime().addMSecs(-1);
    const QString now = cell(QStringLiteral("select getdate()"));
    EXPECT_EQ(now.size(), 23) << now.toStdString();
    const QDateTime got = Value(now).toDateTime();
    EXPECT_TRUE(got >= before && got <= QDateTime::currentDateTime()) << now.toStdString();
}

TEST_F(Dialect, UntranslatableConstructsFailNamingThem)
{
    const Case cases[] = {
        {"declare @x int", "DECLARE"},
        {"select * from tjian_ryuan where id = @id", "@id"},
        {"exec sp_who", "EXEC"},
        {"select top 10 percent * from tjian_ryuan", "PERCENT"},
        {"update a set xming = 'x' from tjian_ryuan a inner join tjian_ryuan b on b.id = a.id inner join tjian_ryuan a2 on a2.id = a.id "
         "inner join tjian_ryuan a on 1 = 1", "UPDATE"},
        {"update tjian_ryuan set xming = 'x' from tjian_ryuan left join #w b on b.id = tjian_ryuan.id", "inner join"},
        {"if (select count(*) from tjian_ryuan) > 0 delete from tjian_ryuan", "IF"},
        {"select * from a, b where a.x *= b.x", "*="},
    };
    for (const Case& c : cases) {
        try {
            db->execute(QString::fromUtf8(c.sql));
            ADD_FAILURE() << "no error for " << c.sql;
        } catch (const SqlError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.expected), Qt::CaseInsensitive)) << c.sql << " -> " << e.what();
        }
    }
    EXPECT_EQ(cell(QStringLiteral("select count(*) from tjian_ryuan")), QStringLiteral("3"));
}

TEST_F(Dialect, WorkingTablesArePrivateAndDroppedByTheIdiom)
{
    // A permanent table whose name matches the working table must stay untouched.
    db->execute(QStringLiteral("CREATE TABLE [tjian_sjdj] ([id] [int] IDENTITY (1, 1) NOT NULL, [mcheng] [varchar] (100) NULL)"));
    db->execute(QStringLiteral("insert into tjian_sjdj(mcheng) values('permanent')"));
    const QString drop = QStringLiteral(
        "if exists (select * from tempdb.dbo.sysobjects where id = object_id(N'tempdb.dbo.[#tjian_sjdj]')) drop table [dbo].[#tjian_sjdj] ");
    const QString create = QStringLiteral(
        "CREATE TABLE [#tjian_sjdj] (         [id] [int] IDENTITY (1, 1) NOT NULL ,         [zhxmid] [int] NOT NULL,"
        "         [mcheng] [varchar] (100) COLLATE Chinese_PRC_CI_AS NOT NULL ,         [sfjge] [money] NULL ) ON [PRIMARY]");
    for (int round = 0; round < 2; ++round) {
        db->execute(drop);
        db->execute(create);
        db->execute(QStringLiteral("insert into #tjian_sjdj(zhxmid, mcheng, sfjge) values(7, 'Xy', 10)"));
        db->execute(QStringLiteral("insert into [dbo].[#tjian_sjdj](zhxmid, mcheng, sfjge) select id, mcheng, 1 from tjian_sjdj"));
        EXPECT_EQ(cell(QStringLiteral("select count(*) from #tjian_sjdj")), QStringLiteral("2"));
        EXPECT_EQ(cell(QStringLiteral("select zhxmid from #tjian_sjdj where mcheng = 'XY'")), QStringLiteral("7"));  // collation on working tables
    }
    EXPECT_EQ(cell(QStringLiteral("select mcheng from tjian_sjdj")), QStringLiteral("permanent"));
    db->execute(drop);
    EXPECT_EQ(cell(QStringLiteral("select count(*) from tjian_sjdj")), QStringLiteral("1"));

    SqliteConnection other(path);
    other.open();
    db->execute(create);
    EXPECT_THROW(other.query(QStringLiteral("select * from #tjian_sjdj")), SqlError);
}

TEST_F(Dialect, TruncateRestartsIdentityAndDeletedIdsAreNotReused)
{
    db->execute(QStringLiteral("CREATE TABLE [#w] ([id] [int] IDENTITY (1, 1) NOT NULL, [v] [varchar] (10) NULL) ON [PRIMARY]"));
    db->execute(QStringLiteral("insert into #w(v) values('a') insert into #w(v) values('b')"));
    db->execute(QStringLiteral("truncate table #w "));
    db->execute(QStringLiteral("insert into #w(v) values('c')"));
    EXPECT_EQ(cell(QStringLiteral("select id from #w")), QStringLiteral("1"));

    db->execute(QStringLiteral("delete from tjian_ryuan where id = 3"));
    db->execute(QStringLiteral("insert into tjian_ryuan(xming) values('new')"));
    EXPECT_EQ(cell(QStringLiteral("SELECT SCOPE_IDENTITY()")), QStringLiteral("4"));
    db->execute(QStringLiteral("truncate table tjian_ryuan"));
    db->execute(QStringLiteral("insert into tjian_ryuan(xming) values('first')"));
    EXPECT_EQ(cell(QStringLiteral("select id from tjian_ryuan")), QStringLiteral("1"));
}

TEST_F(Dialect, ScopeIdentityFollowsTheLastInsertOfThisConnection)
{
    db->execute(QStringLiteral("insert into tjian_ryuan(xming) values('w')"));
    EXPECT_EQ(cell(QStringLiteral("SELECT SCOPE_IDENTITY()")), QStringLiteral("4"));
    EXPECT_EQ(cell(QStringLiteral("select @@identity")), QStringLiteral("4"));
    // Another connection's insert does not change ours.
    SqliteConnection other(path);
    other.open();
    other.execute(QStringLiteral("insert into tjian_ryuan(xming) values('other')"));
    EXPECT_EQ(cell(QStringLiteral("SELECT SCOPE_IDENTITY()")), QStringLiteral("4"));
    // An insert of no rows and a refused insert leave no identity.
    db->execute(QStringLiteral("insert into tjian_ryuan(xming) select xming from tjian_ryuan where 1 = 0"));
    EXPECT_EQ(cell(QStringLiteral("SELECT SCOPE_IDENTITY()")), QStringLiteral("NULL"));
    db->execute(QStringLiteral("insert into tjian_ryuan(xming) values('again')"));
    EXPECT_THROW(db->execute(QStringLiteral("insert into tjian_ryuan(xming) values('张三')")), SqlError);  // unique index
    EXPECT_EQ(cell(QStringLiteral("SELECT SCOPE_IDENTITY()")), QStringLiteral("NULL"));
    // The statement pair in one batch.
    EXPECT_EQ(cell(QStringLiteral("insert into tjian_ryuan(xming) values('batch'); SELECT SCOPE_IDENTITY()")), QStringLiteral("7"));
}

TEST_F(Dialect, VarcharWidthsAreGbkBytesOnEveryWritePath)
{
    // xbie is varchar(4): two Chinese characters fit, three do not.
    db->execute(QStringLiteral("update tjian_ryuan set xbie = '男女' where id = 1"));
    const QString refused[] = {
        QStringLiteral("update tjian_ryuan set xbie = '男女男' where id = 1"),
        QStringLiteral("insert into tjian_ryuan(xming, xbie) values('w', 'abcde')"),
        QStringLiteral("insert into tjian_ryuan(xming, xbie) select 'w2', xming + xming + xming from tjian_ryuan where id = 2"),
    };
    for (const QString& sql : refused) {
        try {
            db->execute(sql);
            ADD_FAILURE() << "accepted: " << sql.toStdString();
        } catch (const SqlError& e) {
            EXPECT_TRUE(e.message().startsWith(QStringLiteral("String or binary data would be truncated"))) << e.what();
            EXPECT_TRUE(e.message().contains(QStringLiteral("xbie"))) << e.what();
        }
    }
    EXPECT_EQ(cell(QStringLiteral("select xbie from tjian_ryuan where id = 1")), QStringLiteral("男女"));
    EXPECT_EQ(cell(QStringLiteral("select count(*) from tjian_ryuan")), QStringLiteral("3"));
}

TEST_F(Dialect, BitsDatesAndMoneyAreStoredInOneShape)
{
    db->execute(QStringLiteral("update tjian_ryuan set djbzhi = 'true', csrqi = '2024/2/3 4:05' where id = 1"));
    db->execute(QStringLiteral("update tjian_ryuan set djbzhi = 'false', ssje = 1.23456 where id = 2"));
    EXPECT_EQ(cell(QStringLiteral("select count(*) from tjian_ryuan where djbzhi = 1")), QStringLiteral("1"));
    EXPECT_EQ(cell(QStringLiteral("select csrqi from tjian_ryuan where id = 1")), QStringLiteral("2024-02-03 04:05:00.000"));
    EXPECT_EQ(cell(QStringLiteral("select ssje from tjian_ryuan where id = 2")), QStringLiteral("1.2346"));
    EXPECT_THROW(db->execute(QStringLiteral("update tjian_ryuan set csrqi = 'not a date' where id = 1")), SqlError);
    EXPECT_THROW(db->execute(QStringLiteral("update tjian_ryuan set djbzhi = 'maybe' where id = 1")), SqlError);
    EXPECT_EQ(cell(QStringLiteral("select djbzhi from tjian_ryuan where id = 1")), QStringLiteral("1"));
}

TEST_F(Dialect, TextThatIsNoNumberIsRefusedByNumberColumns)
{
    const Case refused[] = {
        {"update tjian_ryuan set dwid = 'abc' where id = 1", "Conversion failed when converting the varchar value 'abc' to data type int."},
        {"insert into tjian_ryuan(xming, ssje) values('m', '12元')", "money"},
    };
    for (const Case& c : refused) {
        try {
            db->execute(QString::fromUtf8(c.sql));
            ADD_FAILURE() << "accepted: " << c.sql;
        } catch (const SqlError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.expected))) << e.what();
        }
    }
    db->execute(QStringLiteral("update tjian_ryuan set dwid = ' 7 ', ssje = '2.5' where id = 1"));
    EXPECT_EQ(cell(QStringLiteral("select dwid * 10 + ssje from tjian_ryuan where id = 1")), QStringLiteral("72.5"));
    EXPECT_EQ(cell(QStringLiteral("select count(*) from tjian_ryuan")), QStringLiteral("3"));
}

TEST_F(Dialect, UnicodeLiteralsInInsertSelect)
{
    // The first rows and demonstration data insert with N'...' in select lists and subqueries.
    db->execute(QStringLiteral("INSERT INTO [dbo].[tjian_ryuan] ([xming], [dwid], [xbie]) SELECT N'王五', 3, "
                               "(SELECT [xbie] FROM [dbo].[tjian_ryuan] WHERE [xming] = N'张三');"));
    EXPECT_EQ(cell(QStringLiteral("select xbie + convert(varchar(5), dwid) from tjian_ryuan where xming = N'王五'")), QStringLiteral("男3"));
    EXPECT_EQ(cell(QStringLiteral("select N'a''b' + n'c'")), QStringLiteral("a'bc"));
}

TEST_F(Dialect, MoneySumsAreExact)
{
    db->execute(QStringLiteral("CREATE TABLE [#m] ([id] [int] IDENTITY (1, 1) NOT NULL, [je] [money] NULL)"));
    for (int i = 0; i < 10; ++i)
        db->execute(QStringLiteral("insert into #m(je) values(0.1)"));
    EXPECT_EQ(cell(QStringLiteral("select sum(je) from #m")), QStringLiteral("1"));
    EXPECT_EQ(db->scalar(QStringLiteral("select sum(je) from #m")).toCurrency(), Currency::fromInteger(1));
    EXPECT_EQ(cell(QStringLiteral("select sum(id) from #m")), QStringLiteral("55"));
    EXPECT_EQ(cell(QStringLiteral("select sum(je) from #m where id > 100")), QStringLiteral("NULL"));
}

TEST_F(Dialect, SelectIntoAndUpdateFromWorkingTables)
{
    db->execute(QStringLiteral("select id, xming, ssje into #r from tjian_ryuan where dwid = 1"));
    EXPECT_EQ(cell(QStringLiteral("select count(*) from #r where xming = '张三'")), QStringLiteral("1"));
    db->execute(QStringLiteral("update #r set xming = xming + '改', ssje = 5"));
    db->execute(QStringLiteral("update tjian_ryuan set xming = a.xming, ssje = a.ssje from #r a where tjian_ryuan.id = a.id"));
    EXPECT_EQ(cell(QStringLiteral("select xming from tjian_ryuan where id = 2")), QStringLiteral("李四改"));
    db->execute(QStringLiteral("update tjian_ryuan set dwid = t.n from (select dwid, count(*) as n from tjian_ryuan group by dwid) t "
                               "where tjian_ryuan.dwid = t.dwid"));
    EXPECT_EQ(cell(QStringLiteral("select sum(dwid) from tjian_ryuan")), QStringLiteral("5"));

    // The target named again in FROM, plain or by alias, is the row being updated, not a second copy.
    db->execute(QStringLiteral("update tjian_ryuan set ssje = t.n from tjian_ryuan inner join "
                               "(select dwid, count(*) as n from tjian_ryuan group by dwid) t on t.dwid = tjian_ryuan.dwid "
                               "where tjian_ryuan.xbie = '男'"));
    EXPECT_EQ(cell(QStringLiteral("select sum(ssje) from tjian_ryuan")), QStringLiteral("8"));  // 2 + 1 + 5 (unchanged 女 row)
    db->execute(QStringLiteral("update a set a.xbie = b.xbie from tjian_ryuan a inner join #r r on r.id = a.id "
                               "inner join tjian_ryuan b on b.id = 2 where a.id = 1"));
    EXPECT_EQ(cell(QStringLiteral("select xbie from tjian_ryuan where id = 1")), QStringLiteral("女"));
    EXPECT_EQ(cell(QStringLiteral("select count(*) from tjian_ryuan where xbie = '女'")), QStringLiteral("2"));
}

TEST_F(Dialect, StatementsSeparatedByLineBreaksOnlyRunOneAfterAnother)
{
    // No GO, no ';': each SELECT starts a statement of its own unless it
    // continues a query (UNION, INSERT ... SELECT, a subquery).
    db->execute(QStringLiteral("CREATE TABLE [#n] ([v] [int] NULL)"));
    const ResultSet last = db->query(QStringLiteral(
        "insert into #n(v) select dwid from tjian_ryuan where dwid = 2\n"
        "insert into #n(v) values(7)\n"
        "select count(*) from tjian_ryuan\n"
        "select v from #n where v in (select dwid from tjian_ryuan) union all select 9 order by v"));
    ASSERT_EQ(last.rows.size(), 2u);
    EXPECT_EQ(last.rows[0][0].toInteger(), 2);
    EXPECT_EQ(last.rows[1][0].toInteger(), 9);
    EXPECT_EQ(cell(QStringLiteral("select sum(v) from #n")), QStringLiteral("9"));
}

TEST_F(Dialect, QuotedTextIsStoredAsTyped)
{
    const QString values[] = {QStringLiteral("O'Neil"), QStringLiteral("50% off_"), QStringLiteral("C:\\path\\n"),
                              QStringLiteral("'); drop table tjian_ryuan; --"), QStringLiteral("张三\"李四")};
    for (const QString& v : values) {
        db->execute(SqlText::format("insert into tjian_ryuan(xming) values('%s')", v));
        EXPECT_EQ(cell(SqlText::format("select xming from tjian_ryuan where xming = '%s'", v)), v);
        EXPECT_EQ(cell(SqlText::format("select count(*) from tjian_ryuan where xming like '%%%s%%'", v)), QStringLiteral("1"));
    }
    EXPECT_EQ(cell(QStringLiteral("select count(*) from tjian_ryuan")), QStringLiteral("8"));
}

TEST(TsqlDialectText, BatchesSplitAtGoLinesOnly)
{
    const QStringList b = TsqlDialect::splitBatches(QStringLiteral("create table a (x int)\nGO\ninsert into a values(1) -- going\n go \nselect 'GO'\n"));
    ASSERT_EQ(b.size(), 3);
    EXPECT_TRUE(b[2].contains(QStringLiteral("'GO'")));
    // GO on a line of its own inside a string or a block comment is text;
    // "go;" with a comment after it still ends a batch.
    const QStringList quoted = TsqlDialect::splitBatches(QStringLiteral(
        "insert into a values('line one\nGO\nline three')\n/* a note\n  go\n/* nested */ still a note\nGO\n*/\nselect 1\ngo; -- end\nselect 2"));
    ASSERT_EQ(quoted.size(), 2);
    EXPECT_TRUE(quoted[0].contains(QStringLiteral("'line one\nGO\nline three'")));
    EXPECT_TRUE(quoted[0].contains(QStringLiteral("select 1")));
    EXPECT_EQ(quoted[1].trimmed(), QStringLiteral("select 2"));
    EXPECT_EQ(TsqlDialect::tableName(QStringLiteral("[dbo].[#x]")), QStringLiteral("#x"));
    EXPECT_EQ(TsqlDialect::tableName(QStringLiteral("tempdb..#x")), QStringLiteral("#x"));
}

}  // namespace
