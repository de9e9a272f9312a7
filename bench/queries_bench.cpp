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
#include "queries/CombinedItemWorkload.h"
#include "queries/DiseaseRoster.h"
#include "queries/ExamStatistics.h"
#include "queries/TFPrint_DwRTjlCxun.h"
#include "queries/TFPrint_DwTjlCxun.h"
#include "queries/TFPrint_DwTjryCxun.h"
#include "queries/TFPrint_DwZjJyBbiao.h"
#include "queries/TFPrint_TjryLbiao.h"
#include "queries/TFPrint_ZjYsGzlBbiao.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <sqlite3.h>

#include <algorithm>
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

    std::vector<QDate> days;
    for (const auto& row : c.query(queries::TFPrint_DwRTjlCxun::DaysStatement(Start, End)).rows)
        days.push_back(row[0].toDateTime().date());
    std::sort(days.begin(), days.end());

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
    QStringList statistics;
    for (int line = 0; line < 20; ++line)
        if (const QString s = queries::StatisticsStatement(line, Start, End); !s.isEmpty() && line > 0)
            statistics << s;

    const std::vector<Window> windows = {
        {QStringLiteral("TFPrint_DwTjryCxun 全部"), 1000,
         {queries::TFPrint_DwTjryCxun::Statement(SqlText::format("and a.sfsjian between '%s' and '%s' ", Start, End))}},
        {QStringLiteral("TFPrint_DwTjryCxun 单位+检完"), 1000,
         {queries::TFPrint_DwTjryCxun::Statement(SqlText::format(
             "and a.zxbzhi=0 and a.tjztai='检完' and b.dwid=%d and a.sfsjian between '%s' and '%s' ", bigUnit, Start, End))}},
        {QStringLiteral("TFPrint_TjryLbiao 按姓名"), 1000,
         {queries::TFPrint_TjryLbiao::Statement(SqlText::format(" and b.xming like '%%%s%%' ", QStringLiteral("王")), Start, End)}},
        {QStringLiteral("TFPrint_DwTjlCxun"), 1000, {queries::TFPrint_DwTjlCxun::Statement(Start, End)}},
        {QStringLiteral("TFPrint_DwRTjlCxun"), 1000,
         {queries::TFPrint_DwRTjlCxun::DaysStatement(Start, End), queries::TFPrint_DwRTjlCxun::Statement(days, Start, End)}},
        {QStringLiteral("TFPrint_DwHbmdCxun 最大单位"), 3000, {queries::RosterStatement(diagnoses.value(3), bigUnit, Start, End)},
         [&](db::SqliteConnection& conn) { queries::RunDiseaseRoster(conn, largest, diagnoses, Start, End); }},
        {QStringLiteral("TFPrint_DwHbmdCxun 全部单位"), 30000, {},
         [&](db::SqliteConnection& conn) { queries::RunDiseaseRoster(conn, allUnits, diagnoses, Start, End); }},
        {QStringLiteral("TFPrint_TjsjCxun"), 1000, statistics,
         [&](db::SqliteConnection& conn) {
             queries::StatisticsCounts n;
             queries::RunExamStatistics(conn, Start, End, n);
             queries::IncomeBySettlement(conn, Start, End);
         }},
        {QStringLiteral("TFPrint_KsYsGzlBbiao"), 1000, {queries::TFPrint_KsYsGzlBbiao::StatementFor(Start, End)}},
        {QStringLiteral("TFPrint_KsGzlBbiao"), 1000, {queries::TFPrint_KsGzlBbiao::StatementFor(department, Start, End)}},
        {QStringLiteral("TFPrint_YsGzlBbiao"), 1000, {queries::TFPrint_YsGzlBbiao::StatementFor(doctor, Start, End)}},
        {QStringLiteral("TFPrint_ZjYsGzlBbiao"), 1000,
         {queries::TFPrint_ZjYsGzlBbiao::SummaryStatement(chief, Start, End),
          queries::TFPrint_ZjYsGzlBbiao::DetailStatement(chief, Start, End)}},
        {QStringLiteral("TFPrint_DwZjJyBbiao 最大单位"), 1000,
         {queries::TFPrint_DwZjJyBbiao::ListStatement(bigUnit, Start, End),
          queries::TFPrint_DwZjJyBbiao::ReportStatement(bigUnit, Start, End)}},
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
