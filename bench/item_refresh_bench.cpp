// Saving an examination item refreshes the unexamined result rows of the
// registered visits. Measured at a year of data: 50,000 visits of 12
// combined items with 5 items each (600,000 charge lines, 3,000,000 result
// rows), 90% of the visits examined, 1% cancelled.
//
//   BM_ItemSaveWithRefresh   the items window: 修改, a limit changed, 保存
//                            (the post and the refresh), as the clerk does it
//   BM_RefreshThroughLayer   the refresh statement alone, through the T-SQL layer
//   BM_RefreshRaw            the same statement as SQLite runs it, on the raw handle
//
// Before the timings it prints the query plan of the refresh and the rows it
// changes; after them the ratio layer / raw.
#include "core/ConnectionConfig.h"
#include "core/Session.h"
#include "core/TDM.h"
#include "masterdata/TFXmu.h"
#include "platform/db/SqlText.h"
#include "platform/db/SqliteConnection.h"
#include "platform/db/TsqlDialect.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/MaintenanceController.h"
#include "schema/Schema.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>

using namespace tj;

namespace {

sqlite3* Raw()
{
    auto* backend = dynamic_cast<db::SqliteConnection*>(core::TDM::instance().Connection().backend());
    if (!backend)
        throw std::runtime_error("the bench needs the embedded database");
    return backend->handle();
}

void Exec(const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(Raw(), sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string text = error ? error : "?";
        sqlite3_free(error);
        throw std::runtime_error(text + " in " + sql.substr(0, 200));
    }
}

int g_item = 0;  // the item saved: the first member of the first combined item

// The catalogue, persons, visits, charge lines and result rows, written on
// the raw handle. The result trigger is set aside while the rows are made
// (it would update the visit for every examined row) and put back after.
void BuildYear()
{
    QElapsedTimer t;
    t.start();
    std::map<std::string, std::string> triggers;
    {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(Raw(), "select name, sql from sqlite_master where type='trigger' and tbl_name='tjian_jguo'", -1,
                           &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW)
            triggers[reinterpret_cast<const char*>(sqlite3_column_text(st, 0))] =
                reinterpret_cast<const char*>(sqlite3_column_text(st, 1));
        sqlite3_finalize(st);
    }
    for (const auto& [name, sql] : triggers)
        Exec("drop trigger " + name);

    Exec("begin");
    Exec("insert into pub_kshi(mcheng, pyjma, kslbie, xhao) values('检验科', 'JYK', 11, 1)");
    Exec(R"(with recursive n(i) as (select 1 union all select i + 1 from n where i < 60)
            insert into tjian_xmu(ksid, mcheng, pyjma, syxbie, xhao, dwei, ckxxian1, cksxian1, ckxxian2, cksxian2,
                                  xxtshi, sxtshi, szjgbzhi, zcjguo)
            select (select id from pub_kshi), '项目' || i, 'XM' || i, '不限', i, 'g/L', '130', '175', '115', '150',
                   '偏低', '偏高', 1, '' from n)");
    Exec(R"(with recursive n(i) as (select 1 union all select i + 1 from n where i < 12)
            insert into tjian_zhxmu_main(ksid, mcheng, pyjma, xhao, sfjge, hsjge, lbie)
            select (select id from pub_kshi), '组合' || i, 'ZH' || i, i, 20, 10, '检验' from n)");
    // Every item of the department is a member row of every combined item; five are selected.
    Exec(R"(insert into tjian_zhxmu_sub(zhxmid, xmid, bzhi)
            select z.id, x.id, case when (x.xhao - 1) / 5 + 1 = z.xhao then 1 else 0 end
            from tjian_zhxmu_main z, tjian_xmu x)");
    Exec(R"(with recursive n(i) as (select 1 union all select i + 1 from n where i < 50000)
            insert into tjian_ryuan(xming, xbie, dwid, nling, pyjma, djbzhi)
            select '体检者' || i, case when i % 2 = 1 then '男' else '女' end, 0, 20 + i % 50, 'TJZ', 1 from n)");
    Exec(R"(insert into tjian_sfei_main(tjhao, ryid, tjlbid, jzlxing, jzbzhi, tcid, sfyid, sfyuan, sfsjian, tjfqid,
                                        tjztai, jgbzhi, zjbzhi, zxbzhi)
            select '0-' || id, id, 1, 1, 1, 0, 1, '收费员',
                   strftime('%Y-%m-%d %H:%M:%f', '2024-01-01 08:00:00', '+' || (id * 365 / 50000) || ' days'), 1,
                   case when id <= 45000 then '检完' else '未检' end, case when id <= 45000 then 1 else 0 end,
                   case when id <= 45000 then 1 else 0 end, case when id % 100 = 0 then 1 else 0 end
            from tjian_ryuan)");
    Exec(R"(insert into tjian_sfei_sub(sfid, zhxmid, ysje, zkou, ssje, hsbzhi, zjbzhi)
            select e.id, c.id, 20, 1, 20, 1, 0 from tjian_sfei_main e, tjian_zhxmu_main c order by e.id, c.id)");
    Exec(R"(insert into tjian_jguo(tjhao, zhxmid, xmid, xhao, jcjguo, dwei, ckxxian, cksxian, zcjguo, xxtshi, sxtshi, jcbzhi)
            select e.tjhao, d.zhxmid, b.xmid, a.xhao, '140', a.dwei,
                   case f.xbie when '男' then ckxxian1 else ckxxian2 end,
                   case f.xbie when '男' then cksxian1 else cksxian2 end, a.zcjguo, a.xxtshi, a.sxtshi,
                   case when e.id <= 45000 then 1 else 0 end
            from tjian_sfei_main e inner join tjian_sfei_sub d on d.sfid = e.id
                 inner join tjian_zhxmu_sub b on b.zhxmid = d.zhxmid and b.bzhi = 1
                 inner join tjian_xmu a on a.id = b.xmid inner join tjian_ryuan f on f.id = e.ryid
            where e.zxbzhi = 0 order by e.id, d.zhxmid, a.xhao)");
    Exec("commit");
    for (const auto& [name, sql] : triggers)
        Exec(sql);

    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(Raw(), "select (select count(*) from tjian_sfei_main), (select count(*) from tjian_sfei_sub), "
                              "(select count(*) from tjian_jguo), (select count(*) from tjian_jguo where jcbzhi = 0), "
                              "(select min(id) from tjian_xmu)", -1, &st, nullptr);
    sqlite3_step(st);
    std::printf("data: %d visits, %d charge lines, %d result rows (%d unexamined), built in %.1f s\n",
                sqlite3_column_int(st, 0), sqlite3_column_int(st, 1), sqlite3_column_int(st, 2),
                sqlite3_column_int(st, 3), double(t.elapsed()) / 1000.0);
    g_item = sqlite3_column_int(st, 4);
    sqlite3_finalize(st);
}

std::string RefreshSqlite(int xmid)
{
    const db::TsqlProgram p = db::TsqlDialect::translate(db::SqlText::format(masterdata::RefreshResultRowsSql, xmid, xmid));
    if (p.steps.size() != 1)
        throw std::runtime_error("the refresh is one statement");
    return p.steps.front().sql.toStdString();
}

void PrintPlan()
{
    const std::string sql = RefreshSqlite(g_item);
    std::printf("refresh as SQLite runs it:\n  %s\nquery plan:\n", sql.c_str());
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(Raw(), ("explain query plan " + sql).c_str(), -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(Raw()));
    while (sqlite3_step(st) == SQLITE_ROW)
        std::printf("  %3d %3d  %s\n", sqlite3_column_int(st, 0), sqlite3_column_int(st, 1),
                    reinterpret_cast<const char*>(sqlite3_column_text(st, 3)));
    sqlite3_finalize(st);
    const int changed = masterdata::RefreshResultRows(core::TDM::instance().QryCx(), g_item);
    std::printf("rows refreshed by one save: %d\n", changed);
}

double g_layer = 0, g_raw = 0;

void BM_ItemSaveWithRefresh(benchmark::State& state)
{
    masterdata::TFXmu w;
    w.show();
    if (!w.QryXmu.locate(QStringLiteral("id"), g_item))
        throw std::runtime_error("item not found");
    int n = 0;
    for (auto _ : state) {
        w.Maint->BBtnEditClick();
        w.EdtCksxian1->setText(QString::number(170 + n++ % 10));
        emit w.EdtCksxian1->textEdited(w.EdtCksxian1->text());
        if (!w.Maint->BBtnSaveClick())
            throw std::runtime_error("save refused");
    }
    w.close();
}
BENCHMARK(BM_ItemSaveWithRefresh)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_RefreshThroughLayer(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(masterdata::RefreshResultRows(core::TDM::instance().QryCx(), g_item));
}
BENCHMARK(BM_RefreshThroughLayer)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_RefreshRaw(benchmark::State& state)
{
    const std::string sql = RefreshSqlite(g_item);
    for (auto _ : state)
        Exec(sql);
}
BENCHMARK(BM_RefreshRaw)->Unit(benchmark::kMillisecond)->Iterations(10);

// Keeps the mean real time of each benchmark for the ratio.
class Reporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs) {
            const double ms = r.GetAdjustedRealTime();
            if (r.benchmark_name().find("Layer") != std::string::npos)
                g_layer = ms;
            else if (r.benchmark_name().find("Raw") != std::string::npos)
                g_raw = ms;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("data"));
    QFile::copy(schema::templatePath(), QDir(dir.path()).filePath(QStringLiteral("data/template.db")));
    schema::createDatabaseFromTemplate(QStringLiteral("year"), dir.path());
    core::SetProgramFolder(dir.path());
    core::TDBConnectConfig config;
    config.Server = core::EmbeddedServer;
    config.DBName = QStringLiteral("year");
    core::TDM dm;
    dm.connect(config);
    dm.DbConnected = true;
    ui::ScriptedDialogs dialogs;

    BuildYear();
    PrintPlan();
    Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (g_raw > 0)
        std::printf("refresh through the layer / raw SQLite: %.2f\n", g_layer / g_raw);
    if (!dialogs.shown().empty())
        std::printf("messages shown: %s\n", dialogs.texts().join(QLatin1Char('|')).toStdString().c_str());
    core::SetProgramFolder(QString());
    return 0;
}
