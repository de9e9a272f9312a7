// The statements of the query, statistics, workload and unit report windows
// on a generated year, for the whole year's range, timed one by one through
// the database layer (T-SQL translated and run on the embedded database),
// each with the indexes its plan uses.
//
//   build/bin/tjtool newdb year && build/bin/tjtool gen year
//   build/bench/queries_bench build/bin/data/year.db [runs]
//
// Prints one line per window: the best of the runs in milliseconds, the
// target, and the indexes named by SQLite's plan of each statement.
#include "platform/db/SqlText.h"
#include "platform/db/SqliteConnection.h"
#include "platform/db/TsqlDialect.h"
#include "queries/DiseaseRoster.h"
#include "queries/ExamStatistics.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <sqlite3.h>

#include <cstdio>
#include <ctime>
#include <functional>

using namespace tj;
using db::SqlText;

namespace {

QString Start, End;  // the whole year

// What SQLite's plan says about a T-SQL statement: the indexes it searches
// by, or "SCAN t" for a table read whole.
QStringList planOf(db::SqliteConnection& c, const QString& tsql)
{
    QStringList out;
    const db::TsqlProgram program = db::TsqlDialect::translate(tsql);
    for (const db::TsqlStep& step : program.steps) {
        if (step.sql.isEmpty())
            continue;
        if (qEnvironmentVariableIsSet("TJ_BENCH_SHOW_SQL"))
            std::fprintf(stderr, "%s\n\n", qPrintable(step.sql.left(1500)));
        sqlite3_stmt* st = nullptr;
        const QByteArray sql = ("EXPLAIN QUERY PLAN " + step.sql).toUtf8();
        if (sqlite3_prepare_v2(c.handle(), sql.constData(), -1, &st, nullptr) != SQLITE_OK)
            continue;
        while (sqlite3_step(st) == SQLITE_ROW) {
            const QString detail = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 3)));
            static const QRegularExpression index(QStringLiteral("USING (COVERING )?INDEX (\\w+)|USING INTEGER PRIMARY KEY"));
            static const QRegularExpression scan(QStringLiteral("^SCAN (\\w+)$"));
            if (auto m = index.match(detail); m.hasMatch())
                out << (m.captured(2).isEmpty() ? QStringLiteral("PK")
                                                : m.captured(2) + (m.captured(1).isEmpty() ? QString() : QStringLiteral(" (covering)")));
            else if (auto s = scan.match(detail); s.hasMatch())
                out << QStringLiteral("SCAN ") + s.captured(1);
        }
        sqlite3_finalize(st);
    }
    out.removeDuplicates();
    return out;
}

struct Window {
    QString name;
    double targetMs;
    QStringList statements;                          // timed and explained one after the other
    std::function<void(db::SqliteConnection&)> run;  // instead, when the window does more than statements
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2 || !QFileInfo::exists(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "usage: queries_bench YEAR.db [runs] [window]\n  (make one with: tjtool newdb year && tjtool gen year)\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    // Optional: only the windows whose name contains this text.
    const QString only = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    db::SqliteConnection c(QString::fromLocal8Bit(argv[1]));
    c.open();
    const QDate first = c.scalar(QStringLiteral("select min(sfsjian) from tjian_sfei_main")).toDateTime().date();
    const QDate last = c.scalar(QStringLiteral("select max(sfsjian) from tjian_sfei_main")).toDateTime().date();
    Start = first.toString(QStringLiteral("yyyy-MM-dd 00:00:00"));
    End = last.toString(QStringLiteral("yyyy-MM-dd 23:59:59"));
    const int bigUnit = int(c.scalar(QStringLiteral("select top 1 b.dwid from tjian_sfei_main a inner join tjian_ryuan b on "
                                                    "b.id=a.ryid where b.dwid>0 group by b.dwid order by count(*) desc"))
                                .toInteger());
    const int chief = int(c.scalar(QStringLiteral("select top 1 zjysid from tjian_jguo_zjian")).toInteger());
    const int doctor = int(c.scalar(QStringLiteral("select top 1 tjysid from tjian_jguo where jcbzhi=1")).toInteger());
    const int department = int(c.scalar(QStringLiteral("select top 1 ksid from tjian_zhxmu_main")).toInteger());
    std::printf("year %s .. %s, %lld visits, %lld result rows; largest unit %d (%lld visits)\n", qPrintable(Start),
                qPrintable(End), c.scalar(QStringLiteral("select count(*) from tjian_sfei_main")).toInteger(),
                c.scalar(QStringLiteral("select count(*) from tjian_jguo")).toInteger(), bigUnit,
                c.scalar(SqlText::format("select count(*) from tjian_sfei_main a inner join tjian_ryuan b on b.id=a.ryid "
                                         "where b.dwid=%d",
                                         bigUnit))
                    .toInteger());

    // The day columns of the daily volume window for the whole year.
    QString dayColumns;
    for (QDate d = first; d <= last; d = d.addDays(1))
        dayColumns += SqlText::format(",sum((case when c.zjlrsjian between '%s' and '%s' then 1 else 0 end)) as [%s]",
                                      d.toString(QStringLiteral("yyyy-MM-dd 00:00:00")),
                                      d.toString(QStringLiteral("yyyy-MM-dd 23:59:59")), d.toString(QStringLiteral("yyyy-MM-dd")));
    const QString workload = QStringLiteral(
        "select c.ksid, c.id, c.mcheng, count(distinct a.tjhao) as rci,   max(c.sfjge) as sfjge, "
        "max(c.sfjge)*count(distinct a.tjhao) as sfje,   max(c.hsjge) as hsjge, max(c.hsjge)*count(distinct "
        "a.tjhao) as hsje from tjian_jguo a   inner join tjian_sfei_main b on b.tjhao=a.tjhao   inner join "
        "tjian_zhxmu_main c on c.id=a.zhxmid where a.jcbzhi=1 and b.zxbzhi=0 %1 and b.sfsjian between '%2' and '%3' "
        "group by c.ksid,c.id,c.mcheng order by c.ksid ");

    // Diagnoses of the roster: every entry of the dictionary, as ticking 全选 gives them.
    QStringList diagnoses;
    for (const auto& row : c.query(QStringLiteral("select a.zyzduan from tjian_zdjlyjyi a inner join pub_kshi b on b.id=a.ksid "
                                                  "where b.kslbie in (11,12,13) order by b.id, a.id"))
                               .rows)
        diagnoses << row[0].toString();
    std::vector<queries::RosterUnit> allUnits;
    for (const auto& row : c.query(QStringLiteral("select id, mcheng from tjian_dwei order by id")).rows)
        allUnits.push_back({int(row[0].toInteger()), row[1].toString()});
    std::vector<queries::RosterUnit> largest;
    for (const auto& u : allUnits)
        if (u.id == bigUnit)
            largest.push_back(u);
    const QString rosterStatement = SqlText::format(
        "select d.zrs, c.xming, c.xbie from tjian_jguo_zdjlun a   inner join tjian_sfei_main b on b.tjhao=a.tjhao   inner "
        "join tjian_ryuan c on c.id=b.ryid   inner join (select dwid, count(*) as zrs from tjian_ryuan group by dwid) d on "
        "d.dwid=c.dwid where a.zyzduan='%s' and c.dwid=%s and b.sfsjian between '%s' and '%s' ",
        diagnoses.value(0), QString::number(bigUnit), Start, End);

    const std::vector<Window> windows = {
        {QStringLiteral("TFPrint_DwTjryCxun 全部"), 1000,
         {SqlText::format(
             "select a.tjztai, a.jgbzhi, zjbzhi, a.tjhao, b.id, b.zdybhao, b.xming, b.xbie, b.nling,   d.mcheng as "
             "rylbmcheng, c.mcheng as dwmcheng, a.sfyuan, a.sfsjian, a.tjsjian, e.mcheng as tcmcheng from "
             "tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid   inner join tjian_dwei c on c.id=b.dwid   "
             "left join tjian_rylbie d on d.id=b.rylbid   left join tjian_tcan_main e on e.id=a.tcid where 1=1 and "
             "a.sfsjian between '%s' and '%s' ",
             Start, End)}},
        {QStringLiteral("TFPrint_DwTjryCxun 单位+检完"), 1000,
         {SqlText::format(
             "select a.tjztai, a.jgbzhi, zjbzhi, a.tjhao, b.id, b.zdybhao, b.xming, b.xbie, b.nling,   d.mcheng as "
             "rylbmcheng, c.mcheng as dwmcheng, a.sfyuan, a.sfsjian, a.tjsjian, e.mcheng as tcmcheng from "
             "tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid   inner join tjian_dwei c on c.id=b.dwid   "
             "left join tjian_rylbie d on d.id=b.rylbid   left join tjian_tcan_main e on e.id=a.tcid where 1=1 and "
             "a.zxbzhi=0 and a.tjztai='检完' and b.dwid=%d and a.sfsjian between '%s' and '%s' ",
             bigUnit, Start, End)}},
        {QStringLiteral("TFPrint_TjryLbiao"), 1000,
         {SqlText::format(
             "select a.tjztai, a.jgbzhi, zjbzhi, a.tjhao, b.zdybhao, b.xming, b.xbie, b.nling,   d.mcheng as rylbmcheng, "
             "c.mcheng as dwmcheng, a.sfsjian, a.tjsjian from tjian_sfei_main a   inner join tjian_ryuan b on "
             "b.id=a.ryid   left join tjian_dwei c on c.id=b.dwid   left join tjian_rylbie d on d.id=b.rylbid where "
             "a.zxbzhi=0  and b.xming like '%%王%%'  and a.sfsjian between '%s' and '%s' order by b.dwid",
             Start, End)}},
        {QStringLiteral("TFPrint_DwTjlCxun"), 1000,
         {SqlText::format(
             "select d.mcheng as 单位名称,   sum((case when a.zxbzhi=0 then 1 else 0 end)) as [全部],   sum((case when "
             "a.zxbzhi=0 and a.zjbzhi=0 and a.tjztai='未检' then 1 else 0 end)) as [未检],   sum((case when a.zxbzhi=0 "
             "and a.zjbzhi=0 and a.tjztai='检中' then 1 else 0 end)) as [检中],   sum((case when a.zxbzhi=0 and "
             "a.zjbzhi=1 and a.tjztai='检完' and c.zjlrsjian between '%s' and '%s' then 1 else 0 end)) as [检完],   "
             "sum((case when a.zxbzhi=1 and a.zxsjian between '%s' and '%s' then 1 else 0 end)) as [注销] from "
             "tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid   left join tjian_jguo_zjian c on "
             "c.tjhao=a.tjhao   inner join tjian_dwei d on d.id=b.dwid where b.dwid>0 and a.sfsjian between '%s' and "
             "'%s' group by d.mcheng ",
             Start, End, Start, End, Start, End)}},
        {QStringLiteral("TFPrint_DwRTjlCxun"), 1000,
         {SqlText::format(
              "select dateadd(day, datediff(day, 0, c.zjlrsjian), 0) from tjian_sfei_main a   inner join tjian_ryuan b "
              "on b.id = a.ryid   inner join tjian_jguo_zjian c on c.tjhao = a.tjhao where a.zxbzhi=0 and b.dwid>0 and "
              "zjbzhi=1 and c.zjlrsjian between '%s' and '%s' group by dateadd(day, datediff(day, 0, c.zjlrsjian), 0) ",
              Start, End),
          SqlText::format(
              "select d.mcheng as 单位名称 %s from tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid   inner "
              "join tjian_jguo_zjian c on c.tjhao=a.tjhao   inner join tjian_dwei d on d.id=b.dwid where a.zxbzhi=0 and "
              "b.dwid>0 and zjbzhi=1 and c.zjlrsjian between '%s' and '%s' group by d.mcheng ",
              dayColumns, Start, End)}},
        {QStringLiteral("TFPrint_DwHbmdCxun 最大单位"), 3000, {rosterStatement},
         [&](db::SqliteConnection& conn) { queries::RunDiseaseRoster(conn, largest, diagnoses, Start, End); }},
        {QStringLiteral("TFPrint_DwHbmdCxun 全部单位"), 30000, {},
         [&](db::SqliteConnection& conn) { queries::RunDiseaseRoster(conn, allUnits, diagnoses, Start, End); }},
        {QStringLiteral("TFPrint_TjsjCxun"), 1000,
         {SqlText::format("select count(*) from tjian_sfei_main where sfsjian between '%s' and '%s' ", Start, End),
          SqlText::format("select count(*) from tjian_sfei_main where zxbzhi=0 and tjztai='检中' and sfsjian between '%s' and '%s' ", Start, End),
          SqlText::format("select count(*) from tjian_sfei_main where zxbzhi=1 and zxsjian between '%s' and '%s' ", Start, End),
          SqlText::format("select a.zhxmid from tjian_jguo a   inner join tjian_sfei_main b on b.tjhao=a.tjhao where "
                          "a.jcbzhi=1 and b.zxbzhi=0 and b.sfsjian between '%s' and '%s' group by a.zhxmid ",
                          Start, End),
          SqlText::format("select a.xmid from tjian_jguo a   inner join tjian_sfei_main b on b.tjhao=a.tjhao where "
                          "b.zxbzhi=0 and b.sfsjian between '%s' and '%s' group by a.xmid ",
                          Start, End),
          SqlText::format("select sum(ssje) from tjian_sfei_sub a   inner join tjian_sfei_main b on b.id=a.sfid where "
                          "a.hsbzhi=1 and b.zxbzhi=0 and b.sfsjian between '%s' and '%s' ",
                          Start, End)},
         [&](db::SqliteConnection& conn) {
             queries::StatisticsCounts n;
             queries::RunExamStatistics(conn, Start, End, n);
             queries::IncomeBySettlement(conn, Start, End);
         }},
        {QStringLiteral("TFPrint_KsYsGzlBbiao"), 1000, {workload.arg(QString(), Start, End)}},
        {QStringLiteral("TFPrint_KsGzlBbiao"), 1000,
         {SqlText::format(
             "select c.id, c.mcheng, count(distinct a.tjhao) as rci,   max(c.sfjge) as sfjge, max(c.sfjge)*count(distinct "
             "a.tjhao) as sfje,   max(c.hsjge) as hsjge, max(c.hsjge)*count(distinct a.tjhao) as hsje from tjian_jguo a   "
             "inner join tjian_sfei_main b on b.tjhao=a.tjhao   inner join tjian_zhxmu_main c on c.id=a.zhxmid where "
             "a.jcbzhi=1 and b.zxbzhi=0 and c.ksid=%d and b.sfsjian between '%s' and '%s' group by c.id,c.mcheng order by "
             "c.id ",
             department, Start, End)}},
        {QStringLiteral("TFPrint_YsGzlBbiao"), 1000, {workload.arg(SqlText::format("and a.tjysid=%d", doctor), Start, End)}},
        {QStringLiteral("TFPrint_ZjYsGzlBbiao"), 1000,
         {SqlText::format("select a.zjysheng, count(*) as rshu from tjian_jguo_zjian a   inner join tjian_sfei_main b on "
                          "b.tjhao=a.tjhao where b.zxbzhi=0 and b.zjbzhi=1 and a.zjysid=%d and a.zjlrsjian between '%s' and "
                          "'%s' group by zjysheng ",
                          chief, Start, End),
          SqlText::format("select a.tjhao, c.xming, c.xbie, c.nling, b.sfsjian, a.zjysheng, a.zjlrsjian from "
                          "tjian_jguo_zjian a   inner join tjian_sfei_main b on b.tjhao=a.tjhao   inner join tjian_ryuan c "
                          "on c.id=b.ryid where b.zxbzhi=0 and b.zjbzhi=1 and a.zjysid=%d and a.zjlrsjian between '%s' and "
                          "'%s' ",
                          chief, Start, End)}},
        {QStringLiteral("TFPrint_DwZjJyBbiao 最大单位"), 1000,
         {SqlText::format(
              "select a.tjztai, a.jgbzhi, zjbzhi, a.tjhao, b.zdybhao, b.xming, b.xbie, b.nling,   d.mcheng as rylbmcheng, "
              "c.mcheng as dwmcheng, a.sfsjian, a.tjsjian from tjian_sfei_main a   inner join tjian_ryuan b on "
              "b.id=a.ryid   inner join tjian_dwei c on c.id=b.dwid   left join tjian_rylbie d on d.id=b.rylbid where "
              "a.zxbzhi=0 and a.zjbzhi=1 and b.dwid=%d and a.sfsjian between '%s' and '%s' ",
              bigUnit, Start, End),
          SqlText::format("select a.tjhao, b.xming, b.xbie, b.nling, b.jtdhua, b.sji, c.zjlrsjian, c.tjzjie, c.zjjyi from "
                          "tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid   left join tjian_jguo_zjian c on "
                          "c.tjhao=a.tjhao where a.zxbzhi=0 and a.zjbzhi=1 and b.dwid=%d and a.sfsjian between '%s' and "
                          "'%s' order by a.tjhao ",
                          bigUnit, Start, End)}},
    };

    queries::CreateRosterTables(c);
    queries::CreateStatisticsTable(c);
    // Wall time, and the process's processor time (the machine may be shared).
    std::printf("\n| window | best of %d (ms) | processor (ms) | target (ms) | rows | indexes in the plan |\n|---|---:|---:|---:|---:|---|\n", runs);
    for (const Window& w : windows) {
        if (!only.isEmpty() && !w.name.contains(only))
            continue;
        double best = 1e18, bestCpu = 1e18;
        std::size_t rows = 0;
        for (int r = 0; r < runs; ++r) {
            QElapsedTimer t;
            t.start();
            const std::clock_t cpu = std::clock();
            if (w.run) {
                w.run(c);
            } else {
                rows = 0;
                for (const QString& s : w.statements)
                    rows += c.query(s).rows.size();
            }
            best = std::min(best, double(t.nsecsElapsed()) / 1e6);
            bestCpu = std::min(bestCpu, double(std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC);
            if (w.run && w.name.contains(QStringLiteral("全部单位")))
                break;  // once is enough for the long loop
        }
        QStringList plan;
        for (const QString& s : w.statements)
            plan << planOf(c, s);
        plan.removeDuplicates();
        std::printf("| %s | %.0f | %.0f | %.0f | %zu | %s |\n", qPrintable(w.name), best, bestCpu, w.targetMs, rows,
                    qPrintable(plan.join(QStringLiteral(", "))));
        std::fflush(stdout);
    }
    return 0;
}
