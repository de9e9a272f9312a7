// Registration throughput and numbering under two concurrent processes.
//
//   registration_bench            batch of 500 persons, a package of 12
//                                 combined items (60 result rows a person),
//                                 through RegisterVisits and through raw
//                                 sqlite3 statements writing the same rows;
//                                 prints both times and their ratio
//   registration_bench --stress   two processes at once, each registering
//                                 200 staff of one unit and 200 individuals;
//                                 prints visits, distinct numbers, failures
#include "platform/db/SqlText.h"
#include "platform/db/SqliteConnection.h"
#include "registration/RegisterVisits.h"
#include "registration/WorkingItems.h"
#include "schema/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <sqlite3.h>

#include <cstdio>
#include <ctime>
#include <stdexcept>

using namespace tj;
using db::SqlText;

namespace {

constexpr int CombinedItems = 12;
constexpr int MembersEach = 5;
constexpr int BatchSize = 500;
constexpr int StressPerProcess = 200;

struct Catalogue {
    int unitId = 0;
    int packageId = 0;
    std::vector<int> staff;
    std::vector<int> walkIns;
};

qint64 insert(db::Connection& c, const QString& sql)
{
    c.execute(sql);
    return c.scalar("SELECT SCOPE_IDENTITY()").toInteger();
}

// A fresh database with 12 combined items of 5 items each in one package,
// one unit and the given number of staff and walk-in persons.
Catalogue buildDatabase(db::SqliteConnection& c, int staff, int walkIns)
{
    schema::buildTemplate(c);
    Catalogue cat;
    db::Transaction tx(c);
    const int ks = int(insert(c, "insert into pub_kshi(mcheng, kslbie) values('检验科', 11)"));
    std::vector<int> combined;
    for (int z = 0; z < CombinedItems; ++z) {
        const int zh = int(insert(c, SqlText::format("insert into tjian_zhxmu_main(ksid, mcheng, sfjge) "
                                                     "values(%d, '组合%d', %d)", ks, z + 1, 20 + z)));
        for (int m = 0; m < MembersEach; ++m) {
            const int x = int(insert(c, SqlText::format(
                "insert into tjian_xmu(ksid, mcheng, xhao, dwei, ckxxian1, cksxian1, ckxxian2, cksxian2, xxtshi, "
                "sxtshi, szjgbzhi, zcjguo) values(%d, '项目%d-%d', %d, 'mmol/L', '3.9', '6.1', '3.5', '5.8', '偏低', "
                "'偏高', 1, '')", ks, z + 1, m + 1, m + 1)));
            c.execute(SqlText::format("insert into tjian_zhxmu_sub(zhxmid, xmid, bzhi) values(%d, %d, 1)", zh, x));
        }
        combined.push_back(zh);
    }
    cat.unitId = int(insert(c, "insert into tjian_dwei(mcheng, jzlxing, tjfqid, maxtjhao) values('东方机械', 2, 1, 0)"));
    cat.packageId = int(insert(c, SqlText::format("insert into tjian_tcan_main(dwid, mcheng, jge) "
                                                  "values(%d, '职工套餐', 250)", cat.unitId)));
    for (int zh : combined)
        c.execute(SqlText::format("insert into tjian_tcan_sub(tcid, zhxmid) values(%d, %d)", cat.packageId, zh));
    for (int i = 0; i < staff; ++i)
        cat.staff.push_back(int(insert(c, SqlText::format("insert into tjian_ryuan(xming, xbie, dwid) "
                                                          "values('职工%d', '%s', %d)", i, i % 2 ? "女" : "男",
                                                          cat.unitId))));
    for (int i = 0; i < walkIns; ++i)
        cat.walkIns.push_back(int(insert(c, SqlText::format("insert into tjian_ryuan(xming, xbie, dwid) "
                                                            "values('散客%d', '男', 0)", i))));
    tx.commit();
    return cat;
}

const QDateTime When(QDate(2024, 5, 6), QTime(8, 30, 0));

// Wall-clock and CPU time of one measured run, in milliseconds. The CPU
// time is the steadier figure on a machine busy with other work.
struct Timing {
    double real = 0;
    double cpu = 0;
};

class Stopwatch {
public:
    Stopwatch() { timer_.start(); cpu0_ = cpuNow(); }
    Timing elapsed() const { return Timing{double(timer_.nsecsElapsed()) / 1e6, (cpuNow() - cpu0_) / 1e6}; }

private:
    static double cpuNow()
    {
        timespec ts{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
        return double(ts.tv_sec) * 1e9 + double(ts.tv_nsec);
    }
    QElapsedTimer timer_;
    double cpu0_ = 0;
};

Timing layerRun(const QString& path)
{
    db::SqliteConnection c(path);
    c.open();
    const Catalogue cat = buildDatabase(c, BatchSize, 0);
    const auto load = registration::LoadPackageItems(c, cat.packageId);
    registration::SpreadPackagePrice(c, registration::WorkingTable::Group, load.packagePrice, load.totals.received,
                                     load.totals.itemPrice);
    const Stopwatch t;
    const auto r = registration::RegisterVisits(
        c, registration::BatchRegistration{cat.unitId, cat.staff, 1, cat.packageId, {1, "管理员"}, When});
    const Timing ms = t.elapsed();
    if (!r.ok)
        throw std::runtime_error(r.message.toStdString());
    std::printf("  layer: %lld visits, %lld result rows\n", c.scalar("select count(*) from tjian_sfei_main").toInteger(),
                c.scalar("select count(*) from tjian_jguo").toInteger());
    return ms;
}

struct Stmt {
    sqlite3_stmt* s = nullptr;
    Stmt(sqlite3* h, const char* sql)
    {
        if (sqlite3_prepare_v2(h, sql, -1, &s, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(h));
    }
    ~Stmt() { sqlite3_finalize(s); }
    void run()
    {
        const int rc = sqlite3_step(s);
        if (rc != SQLITE_DONE && rc != SQLITE_ROW)
            throw std::runtime_error(sqlite3_errmsg(sqlite3_db_handle(s)));
        sqlite3_reset(s);
    }
};

// The same rows written with prepared sqlite3 statements: counter read,
// visit, charges from the working table, result rows, counter, flag.
Timing rawRun(const QString& path)
{
    db::SqliteConnection c(path);
    c.open();
    const Catalogue cat = buildDatabase(c, BatchSize, 0);
    const auto load = registration::LoadPackageItems(c, cat.packageId);
    registration::SpreadPackagePrice(c, registration::WorkingTable::Group, load.packagePrice, load.totals.received,
                                     load.totals.itemPrice);
    sqlite3* h = c.handle();
    Stmt begin(h, "begin"), commit(h, "commit");
    Stmt lock(h, "update tjian_dwei set maxtjhao=maxtjhao where id=?1");
    Stmt read(h, "select maxtjhao from tjian_dwei where id=?1");
    Stmt visit(h, "insert into tjian_sfei_main(tjhao, ryid, tjlbid, jzlxing, jzbzhi, jzsjian, tcid, sfyid, sfyuan, "
                  "sfsjian, tjfqid) values(?1, ?2, 1, 2, 0, NULL, ?3, 1, '管理员', '2024-05-06 08:30:00.000', 1)");
    Stmt charges(h, "insert into tjian_sfei_sub(sfid, zhxmid, ysje, zkou, ssje) select ?1, zhxmid, sfjge, zkou, ssje "
                    "from temp.\"#tjian_tjdj\"");
    Stmt clear(h, "delete from tjian_jguo where tjhao=?1");
    Stmt results(h, "insert into tjian_jguo(tjhao, zhxmid, xmid, xhao, jcjguo, dwei, ckxxian, cksxian, zcjguo, xxtshi, "
                    "sxtshi) select e.tjhao, d.zhxmid, b.xmid, a.xhao, a.zcjguo, a.dwei, (case f.xbie when '男' then "
                    "ckxxian1 else ckxxian2 end), (case f.xbie when '男' then cksxian1 else cksxian2 end), a.zcjguo, "
                    "a.xxtshi, a.sxtshi from tjian_xmu a inner join tjian_zhxmu_sub b on b.xmid=a.id and b.bzhi=1 "
                    "inner join tjian_zhxmu_main c on c.id=b.zhxmid inner join tjian_sfei_sub d on d.zhxmid=c.id "
                    "inner join tjian_sfei_main e on e.id=d.sfid inner join tjian_ryuan f on f.id=e.ryid "
                    "where e.tjhao=?1 and e.zxbzhi=0 and d.hsbzhi=1");
    Stmt counter(h, "update tjian_dwei set maxtjhao=?1 where id=?2");
    Stmt flag(h, "update tjian_ryuan set djbzhi=1 where id=?1");

    const Stopwatch t;
    begin.run();
    sqlite3_bind_int(lock.s, 1, cat.unitId);
    lock.run();
    for (int person : cat.staff) {
        sqlite3_bind_int(read.s, 1, cat.unitId);
        if (sqlite3_step(read.s) != SQLITE_ROW)
            throw std::runtime_error("no counter");
        const int seq = sqlite3_column_int(read.s, 0) + 1;
        sqlite3_reset(read.s);
        const QByteArray number = QByteArray::number(cat.unitId) + '-' + QByteArray::number(seq);
        sqlite3_bind_text(visit.s, 1, number.constData(), int(number.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int(visit.s, 2, person);
        sqlite3_bind_int(visit.s, 3, cat.packageId);
        visit.run();
        sqlite3_bind_int64(charges.s, 1, sqlite3_last_insert_rowid(h));
        charges.run();
        sqlite3_bind_text(clear.s, 1, number.constData(), int(number.size()), SQLITE_TRANSIENT);
        clear.run();
        sqlite3_bind_text(results.s, 1, number.constData(), int(number.size()), SQLITE_TRANSIENT);
        results.run();
        sqlite3_bind_int(counter.s, 1, seq);
        sqlite3_bind_int(counter.s, 2, cat.unitId);
        counter.run();
        sqlite3_bind_int(flag.s, 1, person);
        flag.run();
    }
    commit.run();
    const Timing ms = t.elapsed();
    std::printf("  raw:   %lld visits, %lld result rows\n", c.scalar("select count(*) from tjian_sfei_main").toInteger(),
                c.scalar("select count(*) from tjian_jguo").toInteger());
    return ms;
}

int throughput()
{
    QTemporaryDir dir;
    const Timing layer = layerRun(dir.filePath("layer.db"));
    const Timing raw = rawRun(dir.filePath("raw.db"));
    std::printf("RegisterVisits, batch of %d persons, %d combined items x %d items:\n", BatchSize, CombinedItems,
                MembersEach);
    std::printf("  real: layer %.1f ms, raw sqlite3 %.1f ms, ratio %.2f\n", layer.real, raw.real, layer.real / raw.real);
    std::printf("  cpu:  layer %.1f ms, raw sqlite3 %.1f ms, ratio %.2f\n", layer.cpu, raw.cpu, layer.cpu / raw.cpu);
    return 0;
}

// One workstation of the stress run: alternately a staff member of the
// unit and a walk-in, each press on its own.
int stressWorker(const QString& path, int station, int unitId, int packageId, int firstStaff, int firstWalkIn)
{
    db::SqliteConnection c(path);
    c.open();
    registration::LoadPackageItems(c, packageId);
    registration::CreateWorkingTable(c, registration::WorkingTable::Individual);
    registration::AddPackageToIndividualItems(c, packageId);
    int ok = 0, failed = 0;
    for (int i = 0; i < StressPerProcess; ++i) {
        const auto a = registration::RegisterVisits(
            c, registration::SingleRegistration{unitId, firstStaff + i, 1, packageId, {station, "工作站"}, When});
        const auto b = registration::RegisterVisits(
            c, registration::IndividualRegistration{QString::number(firstWalkIn + i), 0, 1, 1, 0, {station, "工作站"},
                                                    When});
        for (const auto* r : {&a, &b}) {
            if (r->ok) {
                ++ok;
            } else {
                ++failed;
                std::fprintf(stderr, "station %d: %s\n", station, r->message.toUtf8().constData());
            }
        }
    }
    std::printf("%d %d\n", ok, failed);
    return 0;
}

int stress(const QString& program)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("stress.db");
    Catalogue cat;
    {
        db::SqliteConnection c(path);
        c.open();
        cat = buildDatabase(c, 2 * StressPerProcess, 2 * StressPerProcess);
    }
    QProcess workers[2];
    QElapsedTimer t;
    t.start();
    for (int s = 0; s < 2; ++s)
        workers[s].start(program, {"--stress-worker", path, QString::number(s + 1), QString::number(cat.unitId),
                                   QString::number(cat.packageId),
                                   QString::number(cat.staff[std::size_t(s * StressPerProcess)]),
                                   QString::number(cat.walkIns[std::size_t(s * StressPerProcess)])});
    int failed = 0;
    for (auto& w : workers) {
        w.waitForFinished(-1);
        const QStringList parts = QString::fromUtf8(w.readAllStandardOutput()).split(' ', Qt::SkipEmptyParts);
        std::fputs(w.readAllStandardError().constData(), stderr);
        failed += parts.size() == 2 ? parts[1].trimmed().toInt() : 2 * StressPerProcess;
    }
    const double ms = double(t.nsecsElapsed()) / 1e6;
    db::SqliteConnection c(path);
    c.open();
    std::printf("two processes, %d staff + %d walk-ins each, %.0f ms:\n", StressPerProcess, StressPerProcess, ms);
    std::printf("  visits %lld, distinct numbers %lld, failed presses %d, unit counter %lld, individual counter %s\n",
                c.scalar("select count(*) from tjian_sfei_main").toInteger(),
                c.scalar("select count(distinct tjhao) from tjian_sfei_main").toInteger(), failed,
                c.scalar(SqlText::format("select maxtjhao from tjian_dwei where id=%d", cat.unitId)).toInteger(),
                c.scalar("select zhi from tjian_csszhi where jian='散检最大体检号'").toString().toUtf8().constData());
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    try {
        if (args.size() == 8 && args[1] == "--stress-worker")
            return stressWorker(args[2], args[3].toInt(), args[4].toInt(), args[5].toInt(), args[6].toInt(),
                                args[7].toInt());
        if (args.size() == 2 && args[1] == "--stress")
            return stress(app.applicationFilePath());
        return throughput();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
