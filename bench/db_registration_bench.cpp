// Registration of one visit for 1,000 persons in one transaction: through
// the database layer (T-SQL text made with SqlText, translated, run by
// SqliteConnection, the counter read through Query) and the same work as
// hand-written SQLite statements on the raw sqlite3 API. Prints the ratio
// layer / raw at the end.
#include "platform/db/Query.h"
#include "platform/db/SqlText.h"
#include "platform/db/SqliteConnection.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

using namespace tj::db;

namespace {

constexpr int Persons = 1000;
constexpr int Items = 60;          // examination items
constexpr int Combined = 20;       // combined items, 3 items each
constexpr int PerVisit = 8;        // combined items charged per visit

// Tables in T-SQL, in the shape of the template schema.
const char* const TsqlSchema = R"(
CREATE TABLE [dbo].[tjian_dwei] ([id] [int] IDENTITY (1, 1) NOT NULL, [mcheng] [varchar] (200) COLLATE Chinese_PRC_CI_AS NULL,
  [maxtjhao] [int] NULL CONSTRAINT [DF_tjian_dwei_maxtjhao] DEFAULT (0), CONSTRAINT [PK_tjian_dwei] PRIMARY KEY CLUSTERED ([id])) ON [PRIMARY]
GO
CREATE TABLE [dbo].[tjian_ryuan] ([id] [int] IDENTITY (1, 1) NOT NULL, [xming] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL,
  [xbie] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL, [csrqi] [datetime] NULL, [nling] [int] NULL, [dwid] [int] NULL,
  [pyjma] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL, [zpian] [image] NULL, [djbzhi] [bit] NULL DEFAULT (0),
  CONSTRAINT [PK_tjian_ryuan] PRIMARY KEY CLUSTERED ([id])) ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]
GO
CREATE TABLE [dbo].[tjian_xmu] ([id] [int] IDENTITY (1, 1) NOT NULL, [ksid] [int] NULL, [mcheng] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL,
  [xhao] [int] NULL, [dwei] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL, [ckxxian1] [varchar] (50) NULL, [cksxian1] [varchar] (50) NULL,
  [ckxxian2] [varchar] (50) NULL, [cksxian2] [varchar] (50) NULL, [xxtshi] [varchar] (50) NULL, [sxtshi] [varchar] (50) NULL,
  [szjgbzhi] [bit] NULL, [zcjguo] [varchar] (100) NULL, CONSTRAINT [PK_tjian_xmu] PRIMARY KEY CLUSTERED ([id])) ON [PRIMARY]
GO
CREATE TABLE [dbo].[tjian_zhxmu_main] ([id] [int] IDENTITY (1, 1) NOT NULL, [ksid] [int] NULL, [mcheng] [varchar] (100) COLLATE Chinese_PRC_CI_AS NULL,
  [xhao] [int] NULL, [sfjge] [money] NULL, [tsxxi] [varchar] (100) NULL, CONSTRAINT [PK_tjian_zhxmu_main] PRIMARY KEY CLUSTERED ([id])) ON [PRIMARY]
GO
CREATE TABLE [dbo].[tjian_zhxmu_sub] ([id] [int] IDENTITY (1, 1) NOT NULL, [zhxmid] [int] NULL, [xmid] [int] NULL, [bzhi] [bit] NULL,
  CONSTRAINT [PK_tjian_zhxmu_sub] PRIMARY KEY CLUSTERED ([id])) ON [PRIMARY]
GO
CREATE INDEX [IX_tjian_zhxmu_sub_zhxmid] ON [dbo].[tjian_zhxmu_sub]([zhxmid])
GO
CREATE TABLE [dbo].[tjian_sfei_main] ([id] [int] IDENTITY (1, 1) NOT NULL, [tjhao] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL,
  [ryid] [int] NULL, [tjlbid] [int] NULL, [jzlxing] [int] NULL, [jzbzhi] [bit] NULL, [jzsjian] [datetime] NULL, [tcid] [int] NULL,
  [sfyid] [int] NULL, [sfyuan] [varchar] (50) NULL, [sfsjian] [datetime] NULL, [tjfqid] [int] NULL, [tjztai] [varchar] (10) NULL,
  [jgbzhi] [bit] NULL, [zjbzhi] [bit] NULL, [zxbzhi] [bit] NULL, [zxsjian] [datetime] NULL, [tjsjian] [datetime] NULL,
  CONSTRAINT [PK_tjian_sfei_main] PRIMARY KEY CLUSTERED ([id])) ON [PRIMARY]
GO
CREATE INDEX [IX_tjian_sfei_main_tjhao] ON [dbo].[tjian_sfei_main]([tjhao])
GO
CREATE TABLE [dbo].[tjian_sfei_sub] ([id] [int] IDENTITY (1, 1) NOT NULL, [sfid] [int] NULL, [zhxmid] [int] NULL, [ysje] [money] NULL,
  [zkou] [money] NULL, [ssje] [money] NULL, [hsbzhi] [bit] NULL, [zjbzhi] [bit] NULL, [zjsjian] [datetime] NULL,
  CONSTRAINT [PK_tjian_sfei_sub] PRIMARY KEY CLUSTERED ([id])) ON [PRIMARY]
GO
CREATE INDEX [IX_tjian_sfei_sub_sfid] ON [dbo].[tjian_sfei_sub]([sfid])
GO
CREATE TABLE [dbo].[tjian_jguo] ([id] [bigint] IDENTITY (1, 1) NOT NULL, [tjhao] [varchar] (50) COLLATE Chinese_PRC_CI_AS NULL,
  [zhxmid] [int] NULL, [xmid] [bigint] NULL, [xhao] [int] NULL, [jcjguo] [varchar] (500) NULL, [dwei] [varchar] (50) NULL,
  [ckxxian] [varchar] (50) NULL, [cksxian] [varchar] (50) NULL, [zcjguo] [varchar] (100) NULL, [xxtshi] [varchar] (50) NULL,
  [sxtshi] [varchar] (50) NULL, [tshi] [varchar] (100) NULL, [jcbzhi] [bit] NULL DEFAULT (0), [ycbzhi] [bit] NULL DEFAULT (0),
  [tjysid] [int] NULL, [tjysheng] [varchar] (50) NULL, [tjsjian] [datetime] NULL,
  CONSTRAINT [PK_tjian_jguo] PRIMARY KEY CLUSTERED ([id])) ON [PRIMARY]
GO
CREATE INDEX [IX_tjian_jguo_tjhao] ON [dbo].[tjian_jguo]([tjhao])
GO
)";

// The same tables as plain SQLite.
const char* const RawSchema = R"(
CREATE TABLE tjian_dwei (id INTEGER PRIMARY KEY AUTOINCREMENT, mcheng TEXT, maxtjhao INT DEFAULT 0);
CREATE TABLE tjian_ryuan (id INTEGER PRIMARY KEY AUTOINCREMENT, xming TEXT, xbie TEXT, csrqi TEXT, nling INT, dwid INT, pyjma TEXT,
  zpian BLOB, djbzhi INT DEFAULT 0);
CREATE TABLE tjian_xmu (id INTEGER PRIMARY KEY AUTOINCREMENT, ksid INT, mcheng TEXT, xhao INT, dwei TEXT, ckxxian1 TEXT, cksxian1 TEXT,
  ckxxian2 TEXT, cksxian2 TEXT, xxtshi TEXT, sxtshi TEXT, szjgbzhi INT, zcjguo TEXT);
CREATE TABLE tjian_zhxmu_main (id INTEGER PRIMARY KEY AUTOINCREMENT, ksid INT, mcheng TEXT, xhao INT, sfjge REAL, tsxxi TEXT);
CREATE TABLE tjian_zhxmu_sub (id INTEGER PRIMARY KEY AUTOINCREMENT, zhxmid INT, xmid INT, bzhi INT);
CREATE INDEX IX_tjian_zhxmu_sub_zhxmid ON tjian_zhxmu_sub(zhxmid);
CREATE TABLE tjian_sfei_main (id INTEGER PRIMARY KEY AUTOINCREMENT, tjhao TEXT, ryid INT, tjlbid INT, jzlxing INT, jzbzhi INT,
  jzsjian TEXT, tcid INT, sfyid INT, sfyuan TEXT, sfsjian TEXT, tjfqid INT, tjztai TEXT, jgbzhi INT, zjbzhi INT, zxbzhi INT,
  zxsjian TEXT, tjsjian TEXT);
CREATE INDEX IX_tjian_sfei_main_tjhao ON tjian_sfei_main(tjhao);
CREATE TABLE tjian_sfei_sub (id INTEGER PRIMARY KEY AUTOINCREMENT, sfid INT, zhxmid INT, ysje REAL, zkou REAL, ssje REAL, hsbzhi INT,
  zjbzhi INT, zjsjian TEXT);
CREATE INDEX IX_tjian_sfei_sub_sfid ON tjian_sfei_sub(sfid);
CREATE TABLE tjian_jguo (id INTEGER PRIMARY KEY AUTOINCREMENT, tjhao TEXT, zhxmid INT, xmid INT, xhao INT, jcjguo TEXT, dwei TEXT,
  ckxxian TEXT, cksxian TEXT, zcjguo TEXT, xxtshi TEXT, sxtshi TEXT, tshi TEXT, jcbzhi INT DEFAULT 0, ycbzhi INT DEFAULT 0,
  tjysid INT, tjysheng TEXT, tjsjian TEXT);
CREATE INDEX IX_tjian_jguo_tjhao ON tjian_jguo(tjhao);
CREATE TEMP TABLE "#tjian_tjdj" (id INTEGER PRIMARY KEY AUTOINCREMENT, zhxmid INT NOT NULL, mcheng TEXT NOT NULL, sfjge REAL, zkou REAL,
  ssje REAL, yhje REAL);
)";

// Catalogue, unit and persons, as plain statements both sides can run.
std::vector<std::string> catalogueRows()
{
    std::vector<std::string> rows;
    rows.push_back("insert into tjian_dwei(mcheng, maxtjhao) values('第一单位', 0)");
    for (int i = 1; i <= Items; ++i)
        rows.push_back("insert into tjian_xmu(ksid, mcheng, xhao, dwei, ckxxian1, cksxian1, ckxxian2, cksxian2, xxtshi, sxtshi, szjgbzhi, zcjguo) "
                       "values(" + std::to_string(i % 5 + 1) + ", '项目" + std::to_string(i) + "', " + std::to_string(i)
                       + ", 'g/L', '1', '9', '2', '8', '↓', '↑', 0, '正常')");
    for (int c = 1; c <= Combined; ++c) {
        rows.push_back("insert into tjian_zhxmu_main(ksid, mcheng, xhao, sfjge, tsxxi) values(" + std::to_string(c % 5 + 1)
                       + ", '组合" + std::to_string(c) + "', " + std::to_string(c) + ", " + std::to_string(10 + c) + ".1, '')");
        for (int k = 0; k < 3; ++k)
            rows.push_back("insert into tjian_zhxmu_sub(zhxmid, xmid, bzhi) values(" + std::to_string(c) + ", "
                           + std::to_string((c - 1) * 3 + k + 1) + ", 1)");
    }
    for (int p = 1; p <= Persons; ++p)
        rows.push_back("insert into tjian_ryuan(xming, xbie, nling, dwid, djbzhi) values('人员" + std::to_string(p) + "', '"
                       + (p % 2 ? "男" : "女") + "', 30, 1, 0)");
    return rows;
}

// ---- through the layer -------------------------------------------------

const char* const ResultRowsSql =
    "insert into tjian_jguo(tjhao, zhxmid, xmid, xhao, jcjguo, dwei, ckxxian, cksxian, zcjguo, xxtshi, sxtshi) "
    "select e.tjhao, d.zhxmid, b.xmid, a.xhao, a.zcjguo, a.dwei,   (case f.xbie when '男' then ckxxian1 else ckxxian2 end) as ckxxian,"
    "   (case f.xbie when '男' then cksxian1 else cksxian2 end) as cksxian,   a.zcjguo, a.xxtshi, a.sxtshi from tjian_xmu a"
    "   inner join tjian_zhxmu_sub b on b.xmid=a.id and b.bzhi=1   inner join tjian_zhxmu_main c on c.id=b.zhxmid"
    "   inner join tjian_sfei_sub d on d.zhxmid=c.id   inner join tjian_sfei_main e on e.id=d.sfid"
    "   inner join tjian_ryuan f on f.id=e.ryid where e.tjhao='%s' and e.zxbzhi=0 and d.hsbzhi=1 ";

void prepareLayer(SqliteConnection& c)
{
    c.execute(QString::fromUtf8(TsqlSchema));
    c.beginTransaction();
    for (const std::string& r : catalogueRows())
        c.execute(QString::fromStdString(r));
    c.commit();
    c.execute(QStringLiteral(
        "CREATE TABLE [#tjian_tjdj] (         [id] [int] IDENTITY (1, 1) NOT NULL ,         [zhxmid] [int] NOT NULL,"
        "         [mcheng] [varchar] (100) COLLATE Chinese_PRC_CI_AS NOT NULL ,         [sfjge] [money] NULL ,"
        "         [zkou] [money] NULL ,         [ssje] [money] NULL ,         [yhje] [money] NULL ) ON [PRIMARY]"));
    c.execute(SqlText::format("insert into #tjian_tjdj(zhxmid, mcheng, sfjge, zkou, ssje, yhje) "
                              "select top %d id, mcheng, sfjge, 1, sfjge, 0 from tjian_zhxmu_main order by id", PerVisit));
    // Both sides start the timed work with an empty write-ahead log.
    sqlite3_wal_checkpoint_v2(c.handle(), nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
}

void registerThroughLayer(SqliteConnection& c)
{
    Transaction tr(c);
    Query counter(c);
    for (int p = 1; p <= Persons; ++p) {
        counter.setSql(SqlText::format("select maxtjhao from tjian_dwei where id=%d", 1));
        counter.open();
        const qint64 seq = counter.field(QStringLiteral("maxtjhao")).asInteger() + 1;
        c.execute(SqlText::format("update tjian_dwei set maxtjhao=%d where id=%d", seq, 1));
        const QString tjhao = SqlText::format("%d-%d", 1, seq);
        c.execute(SqlText::format(
            "insert into tjian_sfei_main(tjhao, ryid, tjlbid, jzlxing, jzbzhi, tcid, sfyid, sfyuan, sfsjian, tjfqid, tjztai, jgbzhi, zjbzhi, zxbzhi) "
            "values('%s', %d, 0, 2, 0, 0, 1, '%s', getdate(), 0, '未检', 0, 0, 0)", tjhao, p, QStringLiteral("收费员")));
        const qint64 sfid = c.scalar(QStringLiteral("SELECT SCOPE_IDENTITY()")).toInteger();
        c.execute(SqlText::format("insert into tjian_sfei_sub(sfid, zhxmid, ysje, zkou, ssje, hsbzhi, zjbzhi) "
                                  "select %d, zhxmid, sfjge, zkou, ssje, 1, 0 from #tjian_tjdj ", sfid));
        c.execute(SqlText::format("delete from tjian_jguo where tjhao='%s' ", tjhao));
        c.execute(SqlText::format(ResultRowsSql, tjhao));
        c.execute(SqlText::format("update tjian_ryuan set djbzhi=1 where id=%d", p));
    }
    tr.commit();
}

// ---- raw sqlite3 -------------------------------------------------------

void check(sqlite3* db, int rc)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw std::runtime_error(sqlite3_errmsg(db));
}

void rawExec(sqlite3* db, const char* sql)
{
    sqlite3_stmt* st = nullptr;
    check(db, sqlite3_prepare_v2(db, sql, -1, &st, nullptr));
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
    }
    check(db, rc);
    sqlite3_finalize(st);
}

void rawExecOwned(sqlite3* db, char* sql)
{
    rawExec(db, sql);
    sqlite3_free(sql);
}

sqlite3_int64 rawInt(sqlite3* db, char* sql)
{
    sqlite3_stmt* st = nullptr;
    check(db, sqlite3_prepare_v2(db, sql, -1, &st, nullptr));
    sqlite3_free(sql);
    sqlite3_int64 v = 0;
    if (sqlite3_step(st) == SQLITE_ROW)
        v = sqlite3_column_int64(st, 0);
    sqlite3_finalize(st);
    return v;
}

sqlite3* prepareRaw(const std::string& path)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_busy_timeout(db, 10000);
    check(db, sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr));
    check(db, sqlite3_exec(db, RawSchema, nullptr, nullptr, nullptr));
    check(db, sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr));
    for (const std::string& r : catalogueRows())
        rawExec(db, r.c_str());
    check(db, sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr));
    rawExecOwned(db, sqlite3_mprintf("insert into \"#tjian_tjdj\"(zhxmid, mcheng, sfjge, zkou, ssje, yhje) "
                                     "select id, mcheng, sfjge, 1, sfjge, 0 from tjian_zhxmu_main order by id limit %d", PerVisit));
    sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
    return db;
}

void registerRaw(sqlite3* db)
{
    check(db, sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr));
    const std::string results = std::string(ResultRowsSql);
    for (int p = 1; p <= Persons; ++p) {
        const sqlite3_int64 seq = rawInt(db, sqlite3_mprintf("select maxtjhao from tjian_dwei where id=%d", 1)) + 1;
        rawExecOwned(db, sqlite3_mprintf("update tjian_dwei set maxtjhao=%lld where id=%d", seq, 1));
        char tjhao[32];
        std::snprintf(tjhao, sizeof tjhao, "%d-%lld", 1, static_cast<long long>(seq));
        rawExecOwned(db, sqlite3_mprintf(
            "insert into tjian_sfei_main(tjhao, ryid, tjlbid, jzlxing, jzbzhi, tcid, sfyid, sfyuan, sfsjian, tjfqid, tjztai, jgbzhi, zjbzhi, zxbzhi) "
            "values(%Q, %d, 0, 2, 0, 0, 1, %Q, strftime('%%Y-%%m-%%d %%H:%%M:%%f', 'now', 'localtime'), 0, '未检', 0, 0, 0)", tjhao, p, "收费员"));
        const sqlite3_int64 sfid = sqlite3_last_insert_rowid(db);
        rawExecOwned(db, sqlite3_mprintf("insert into tjian_sfei_sub(sfid, zhxmid, ysje, zkou, ssje, hsbzhi, zjbzhi) "
                                         "select %lld, zhxmid, sfjge, zkou, ssje, 1, 0 from \"#tjian_tjdj\" ", sfid));
        rawExecOwned(db, sqlite3_mprintf("delete from tjian_jguo where tjhao=%Q ", tjhao));
        rawExecOwned(db, sqlite3_mprintf(results.c_str(), tjhao));
        rawExecOwned(db, sqlite3_mprintf("update tjian_ryuan set djbzhi=1 where id=%d", p));
    }
    check(db, sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr));
}

void BM_RegistrationLayer(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        SqliteConnection c(dir.filePath(QStringLiteral("bench.db")));
        c.open();
        prepareLayer(c);
        state.ResumeTiming();
        registerThroughLayer(c);
        state.PauseTiming();
        if (c.scalar(QStringLiteral("select count(*) from tjian_jguo")).toInteger() != Persons * PerVisit * 3)
            state.SkipWithError("wrong number of result rows");
        c.close();
        state.ResumeTiming();
    }
}

void BM_RegistrationRaw(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        sqlite3* db = prepareRaw(dir.filePath(QStringLiteral("bench.db")).toStdString());
        state.ResumeTiming();
        registerRaw(db);
        state.PauseTiming();
        if (rawInt(db, sqlite3_mprintf("select count(*) from tjian_jguo")) != Persons * PerVisit * 3)
            state.SkipWithError("wrong number of result rows");
        sqlite3_close(db);
        state.ResumeTiming();
    }
}

BENCHMARK(BM_RegistrationLayer)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_RegistrationRaw)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// Keeps the mean time per run name so the ratio can be printed.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs) {
            const std::string name = r.run_name.function_name;
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "mean") {
                cpu[name] = r.GetAdjustedCPUTime();
                real[name] = r.GetAdjustedRealTime();
                fromMean.insert(name);
            } else if (r.run_type == Run::RT_Iteration && r.iterations > 0 && !fromMean.count(name)) {
                cpu[name] = r.GetAdjustedCPUTime();
                real[name] = r.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> cpu, real;
    std::set<std::string> fromMean;
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const char* layer = "BM_RegistrationLayer";
    const char* raw = "BM_RegistrationRaw";
    if (reporter.cpu.count(layer) && reporter.cpu.count(raw) && reporter.cpu[raw] > 0 && reporter.real[raw] > 0)
        std::printf("layer / raw: CPU time %.2f, real time %.2f (target <= 1.30)\n", reporter.cpu[layer] / reporter.cpu[raw],
                    reporter.real[layer] / reporter.real[raw]);
    benchmark::Shutdown();
    return 0;
}
