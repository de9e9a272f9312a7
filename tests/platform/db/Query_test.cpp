// The data set: editing with posting by key, identity read-back, refused
// posts, client-side filter and sort.
#include "DbTestSupport.h"

#include "platform/db/Query.h"


using namespace tj::db;
using tj::db::testing::FreshDb;

namespace {

class QueryTest : public FreshDb {
protected:
    void SetUp() override
    {
        FreshDb::SetUp();
        db->execute(QStringLiteral(
            "CREATE TABLE [dbo].[tjian_zhxmu_main] ([id] [int] IDENTITY (1, 1) NOT NULL, [mcheng] [varchar] (10) NOT NULL,"
            " [pyjma] [varchar] (20) NULL, [sfjge] [money] NULL, [bzhi] [bit] NOT NULL DEFAULT ((1)),"
            " [ztai] [varchar] (10) NOT NULL CONSTRAINT [DF_z] DEFAULT (N'启用'),"
            " CONSTRAINT [PK_tjian_zhxmu_main] PRIMARY KEY CLUSTERED ([id]) ON [PRIMARY]) ON [PRIMARY]"));
        db->execute(QStringLiteral("insert into tjian_zhxmu_main(mcheng, pyjma, sfjge) values('血常规', 'XCG', 20)"));
        db->execute(QStringLiteral("insert into tjian_zhxmu_main(mcheng, pyjma, sfjge) values('肝功能', 'GGN', 35.5)"));
        db->execute(QStringLiteral("insert into tjian_zhxmu_main(mcheng, pyjma, sfjge) values('胸片', 'xp', 50)"));
    }
};

TEST_F(QueryTest, AppendPostReadsIdentityAndDefaultsBack)
{
    Query q(*db);
    int states = 0;
    QObject::connect(&q, &Query::stateChanged, [&] { ++states; });
    q.setSql(QStringLiteral("select * from tjian_zhxmu_main order by id"));
    q.open();
    EXPECT_EQ(q.recordCount(), 3);
    q.append();
    EXPECT_EQ(q.state(), Query::State::Insert);
    q.setField(QStringLiteral("mcheng"), QStringLiteral("尿常规"));
    q.setField(QStringLiteral("sfjge"), Currency::fromString(QStringLiteral("0.1"))->operator+(Currency::fromRaw(2000)));
    q.post();
    EXPECT_EQ(q.state(), Query::State::Browse);
    EXPECT_EQ(q.field(QStringLiteral("id")).asInteger(), 4);
    EXPECT_EQ(q.field(QStringLiteral("ztai")).asString(), QStringLiteral("启用"));
    EXPECT_TRUE(q.field(QStringLiteral("bzhi")).asBool());
    EXPECT_EQ(q.field(QStringLiteral("sfjge")).asCurrency().toString(), QStringLiteral("0.30"));
    EXPECT_EQ(cell(QStringLiteral("select mcheng from tjian_zhxmu_main where id = 4")), QStringLiteral("尿常规"));
    EXPECT_GE(states, 3);  // Browse, Insert, Browse
}

TEST_F(QueryTest, EditWritesOnlyChangedFieldsByKey)
{
    Query q(*db);
    q.setSql(QStringLiteral("select id, mcheng, sfjge from tjian_zhxmu_main order by id"));
    q.open();
    q.next();
    // Another writer changes a field we do not touch; our post must not undo it.
    db->execute(QStringLiteral("update tjian_zhxmu_main set sfjge = 99 where id = 2"));
    q.edit();
    q.setField(QStringLiteral("mcheng"), QStringLiteral("O'肝"));
    q.post();
    EXPECT_EQ(cell(QStringLiteral("select mcheng + '|' + convert(varchar(10), sfjge) from tjian_zhxmu_main where id = 2")),
              QStringLiteral("O'肝|99"));
    q.edit();
    q.setField(QStringLiteral("mcheng"), QStringLiteral("discarded"));
    q.cancel();
    EXPECT_EQ(q.field(QStringLiteral("mcheng")).asString(), QStringLiteral("O'肝"));
    q.deleteCurrent();
    EXPECT_EQ(q.recordCount(), 2);
    EXPECT_EQ(cell(QStringLiteral("select count(*) from tjian_zhxmu_main where id = 2")), QStringLiteral("0"));
}

TEST_F(QueryTest, RefusedPostKeepsTheRowInEditing)
{
    Query q(*db);
    q.setSql(QStringLiteral("select * from tjian_zhxmu_main"));
    q.open();
    q.edit();
    q.setField(QStringLiteral("mcheng"), QStringLiteral("一二三四五六"));  // 12 GBK bytes into varchar(10)
    EXPECT_THROW(q.post(), SqlError);
    EXPECT_EQ(q.state(), Query::State::Edit);
    EXPECT_EQ(q.field(QStringLiteral("mcheng")).asString(), QStringLiteral("一二三四五六"));
    q.setField(QStringLiteral("mcheng"), QStringLiteral("一二三"));
    q.post();
    EXPECT_EQ(cell(QStringLiteral("select mcheng from tjian_zhxmu_main where id = 1")), QStringLiteral("一二三"));

    q.append();
    EXPECT_THROW(q.post(), SqlError);  // mcheng is NOT NULL
    EXPECT_EQ(q.state(), Query::State::Insert);
    q.cancel();
    EXPECT_EQ(q.recordCount(), 3);
}

TEST_F(QueryTest, PostWithFurtherStatementsCommitsBothOrNeither)
{
    db->execute(QStringLiteral("CREATE TABLE [dbo].[detail] ([id] [int] IDENTITY (1, 1) NOT NULL, [mainid] [int] NOT NULL,"
                               " [mcheng] [varchar] (10) NOT NULL, CONSTRAINT [PK_detail] PRIMARY KEY CLUSTERED ([id])) ON [PRIMARY]"));
    Query q(*db);
    q.setSql(QStringLiteral("select * from tjian_zhxmu_main order by id"));
    q.open();
    auto detail = [&](const char* name) {
        return [&q, this, name] {
            // The new row's identity is readable while the row is written.
            db->execute(QStringLiteral("insert into detail(mainid, mcheng) values(%1, '%2')")
                            .arg(q.field(QStringLiteral("id")).asInteger())
                            .arg(QString::fromUtf8(name)));
        };
    };

    // The detail is refused (too long): the new row is not stored either and stays as typed.
    q.append();
    q.setField(QStringLiteral("mcheng"), QStringLiteral("尿常规"));
    EXPECT_THROW(q.post(detail("一二三四五六")), SqlError);
    EXPECT_EQ(q.state(), Query::State::Insert);
    EXPECT_TRUE(q.field(QStringLiteral("id")).isNull());
    EXPECT_EQ(q.field(QStringLiteral("mcheng")).asString(), QStringLiteral("尿常规"));
    EXPECT_EQ(cell(QStringLiteral("select count(*) from tjian_zhxmu_main")), QStringLiteral("3"));
    EXPECT_EQ(cell(QStringLiteral("select count(*) from detail")), QStringLiteral("0"));
    EXPECT_FALSE(db->inTransaction());

    q.post(detail("尿"));
    EXPECT_EQ(q.state(), Query::State::Browse);
    const QString id = q.field(QStringLiteral("id")).asString();
    EXPECT_EQ(cell(QStringLiteral("select mainid from detail")), id);
    EXPECT_EQ(cell(QStringLiteral("select mcheng from tjian_zhxmu_main where id = ") + id), QStringLiteral("尿常规"));

    // A change is undone the same way.
    q.edit();
    q.setField(QStringLiteral("mcheng"), QStringLiteral("尿检"));
    EXPECT_THROW(q.post(detail("一二三四五六")), SqlError);
    EXPECT_EQ(q.state(), Query::State::Edit);
    EXPECT_EQ(cell(QStringLiteral("select mcheng from tjian_zhxmu_main where id = ") + id), QStringLiteral("尿常规"));
}

TEST_F(QueryTest, WorkingTablesAreEditableToo)
{
    db->execute(QStringLiteral("CREATE TABLE [#tjian_tjdj] ([id] [int] IDENTITY (1, 1) NOT NULL, [zhxmid] [int] NOT NULL,"
                               " [mcheng] [varchar] (100) COLLATE Chinese_PRC_CI_AS NOT NULL, [ssje] [money] NULL) ON [PRIMARY]"));
    db->execute(QStringLiteral("insert into #tjian_tjdj(zhxmid, mcheng, ssje) select id, mcheng, sfjge from tjian_zhxmu_main"));
    Query q(*db);
    q.setSql(QStringLiteral("select * from #tjian_tjdj order by id"));
    q.open();
    ASSERT_TRUE(q.locate(QStringLiteral("mcheng"), QStringLiteral("胸片")));
    q.edit();
    q.setField(QStringLiteral("ssje"), 45.5);
    q.post();
    EXPECT_EQ(cell(QStringLiteral("select sum(ssje) from #tjian_tjdj")), QStringLiteral("101"));
}

TEST_F(QueryTest, FilterAndSortWorkOnTheClient)
{
    Query q(*db);
    q.setSql(QStringLiteral("select * from tjian_zhxmu_main"));
    q.open();
    int reset = 0;
    QObject::connect(&q, &Query::dataChanged, [&] { ++reset; });
    q.setFilter(QStringLiteral("pyjma like 'x*'"));
    EXPECT_EQ(q.recordCount(), 2);  // XCG and xp: case-insensitive prefix
    q.setFilter(QStringLiteral("pyjma like 'x*' and sfjge=50"));
    ASSERT_EQ(q.recordCount(), 1);
    EXPECT_EQ(q.field(QStringLiteral("mcheng")).asString(), QStringLiteral("胸片"));
    q.setFilter(QString());
    q.setSort(QStringLiteral("mcheng"), true);  // GBK order: 肝 (B8CE) < 胸 (D0D8) < 血 (D1AA)
    QStringList order;
    for (q.first(); !q.eof(); q.next())
        order << q.field(QStringLiteral("mcheng")).asString();
    EXPECT_EQ(order, (QStringList{QStringLiteral("肝功能"), QStringLiteral("胸片"), QStringLiteral("血常规")}));
    q.setSort(QStringLiteral("sfjge"), false);
    q.first();
    EXPECT_EQ(q.field(QStringLiteral("sfjge")).asInteger(), 50);
    EXPECT_GE(reset, 4);
    EXPECT_THROW(q.setFilter(QStringLiteral("nosuch = 1")), SqlError);
    EXPECT_THROW(q.field(QStringLiteral("nosuch")), SqlError);
}

}  // namespace
