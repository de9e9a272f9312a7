// Workload: distinct visits per combined item at today's prices, the
// department and doctor filters, and the chief doctors' count and list.
#include "core/Session.h"
#include "queries/CombinedItemWorkload.h"
#include "queries/TFPrint_ZjYsGzlBbiao.h"
#include "QueryFixture.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QTabWidget>

namespace {

using namespace tj;
using db::SqlText;

class Workload : public tj::test::QueryTest {
protected:
    Workload()
    {
        k1 = db.addDepartment(QStringLiteral("内科"), 11);
        k2 = db.addDepartment(QStringLiteral("B超室"), 12);
        const int outside = db.addDepartment(QStringLiteral("财务科"), 14);
        const int i1 = db.addItem({.ksid = k1, .name = QStringLiteral("心率")});
        const int i2 = db.addItem({.ksid = k1, .name = QStringLiteral("血压")});
        const int i3 = db.addItem({.ksid = k2, .name = QStringLiteral("肝脏")});
        z1 = db.addCombinedItem({.ksid = k1, .name = QStringLiteral("内科检查"), .price = 30, .members = {i1, i2}, .accountingPrice = 20});
        z2 = db.addCombinedItem({.ksid = k2, .name = QStringLiteral("腹部B超"), .price = 50, .members = {i3}, .accountingPrice = 40});
        d1 = db.addUser({.account = QStringLiteral("d1"), .name = QStringLiteral("医生甲"), .kshi = k1});
        d2 = db.addUser({.account = QStringLiteral("d2"), .name = QStringLiteral("医生乙"), .kshi = k2});
        chief = db.addUser({.account = QStringLiteral("zj"), .name = QStringLiteral("总检医生"), .kshi = k1});
        clerk = db.addUser({.account = QStringLiteral("cw"), .name = QStringLiteral("出纳"), .kshi = outside});
        std::vector<int> p;
        for (int i = 0; i < 6; ++i)
            p.push_back(db.addPerson({.name = QStringLiteral("人员%1").arg(i)}));
        const auto visit = [&](const QString& no, int person, const QString& at, std::vector<int> items) {
            add({.tjhao = no, .ryid = person, .registered = at, .items = std::move(items)});
        };
        visit(QStringLiteral("0-1"), p[0], QStringLiteral("2024-06-03 08:00:00"), {z1, z2});
        visit(QStringLiteral("0-2"), p[1], QStringLiteral("2024-06-04 08:00:00"), {z1});
        visit(QStringLiteral("0-3"), p[2], QStringLiteral("2024-06-05 08:00:00"), {z2});  // cancelled below
        visit(QStringLiteral("0-4"), p[3], QStringLiteral("2024-05-20 08:00:00"), {z2});  // before June
        visit(QStringLiteral("0-5"), p[4], QStringLiteral("2024-06-30 23:59:59"), {z2});
        visit(QStringLiteral("0-6"), p[5], QStringLiteral("2024-06-10 08:00:00"), {z2});  // z2 never examined
        const auto examine = [&](const QString& no, int xmid, int doctor) {
            db.execute(SqlText::format("update tjian_jguo set jcbzhi=1, tjysid=%d where tjhao='%s' and xmid=%d", doctor, no, xmid));
        };
        examine(QStringLiteral("0-1"), i1, d1);
        examine(QStringLiteral("0-1"), i2, d1);  // two rows, one visit
        examine(QStringLiteral("0-2"), i1, d1);
        examine(QStringLiteral("0-2"), i2, d2);  // two doctors, one visit
        examine(QStringLiteral("0-3"), i3, d2);
        examine(QStringLiteral("0-4"), i3, d2);
        examine(QStringLiteral("0-5"), i3, d2);
        db.execute(QStringLiteral("update tjian_sfei_main set zxbzhi=1, zxsjian='2024-06-06 08:00:00' where tjhao='0-3'"));
        // Prices changed after the visits: today's prices count.
        db.execute(SqlText::format("update tjian_zhxmu_main set sfjge=35 where id=%d", z1));
    }

    template <typename W>
    static void june(W& w)
    {
        w.DtpBegin->setDate(QDate(2024, 6, 1));
        w.DtpEnd->setDate(QDate(2024, 6, 30));
    }

    int k1 = 0, k2 = 0, z1 = 0, z2 = 0, d1 = 0, d2 = 0, chief = 0, clerk = 0;
};

TEST_F(Workload, DistinctVisitsPerCombinedItemAtTodaysPrices)
{
    auto& s = core::Session::current();
    s.CurrentUserId = d1;
    s.CurrentUserName = QStringLiteral("医生甲");
    s.CurrentDepartmentId = k2;
    s.CurrentDepartmentName = QStringLiteral("B超室");
    struct Row { QString dept, item, rci, sfjge, sfje, hsjge, hsje; };
    const auto rows = [](queries::CombinedItemWorkload& w, bool dept) {
        std::vector<Row> out;
        for (int r : w.Grid->displayRows()) {
            const int o = dept ? 1 : 0;
            out.push_back({dept ? w.Grid->displayText(r, 0) : QString(), w.Grid->displayText(r, o), w.Grid->displayText(r, o + 1),
                           w.Grid->displayText(r, o + 2), w.Grid->displayText(r, o + 3), w.Grid->displayText(r, o + 4),
                           w.Grid->displayText(r, o + 5)});
        }
        return out;
    };
    const auto same = [](const std::vector<Row>& got, const std::vector<Row>& want) {
        ASSERT_EQ(got.size(), want.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].dept, want[i].dept);
            EXPECT_EQ(got[i].item, want[i].item);
            EXPECT_EQ(got[i].rci, want[i].rci);
            EXPECT_EQ(got[i].sfjge, want[i].sfjge);
            EXPECT_EQ(got[i].sfje, want[i].sfje);
            EXPECT_EQ(got[i].hsjge, want[i].hsjge);
            EXPECT_EQ(got[i].hsje, want[i].hsje);
        }
    };

    // Every department: 内科检查 on 0-1 and 0-2 (35 now), 腹部B超 on 0-5 only
    // (0-3 cancelled, 0-4 in May, 0-6 unexamined, 0-1's row unexamined).
    queries::TFPrint_KsYsGzlBbiao all;
    all.show();
    june(all);
    all.BtnQueryClick();
    same(rows(all, true), {{QStringLiteral("内科"), QStringLiteral("内科检查"), "2", "35.00", "70.00", "20.00", "40.00"},
                           {QStringLiteral("B超室"), QStringLiteral("腹部B超"), "1", "50.00", "50.00", "40.00", "40.00"}});
    EXPECT_EQ(all.Grid->summaryText(0), QStringLiteral("2"));
    EXPECT_EQ(all.Grid->summaryText(1), QStringLiteral("120.00"));
    EXPECT_EQ(all.Grid->summaryText(2), QStringLiteral("80.00"));

    queries::TFPrint_KsGzlBbiao department;
    department.show();
    EXPECT_EQ(department.LblWho->text(), QStringLiteral("科室名称：B超室"));
    june(department);
    department.BtnQueryClick();
    same(rows(department, false), {{QString(), QStringLiteral("腹部B超"), "1", "50.00", "50.00", "40.00", "40.00"}});

    // Doctor 甲 saved rows of 内科检查 on both visits; 乙 one row on 0-2 (counted for each).
    queries::TFPrint_YsGzlBbiao doctor;
    doctor.show();
    EXPECT_EQ(doctor.LblWho->text(), QStringLiteral("体检医生：医生甲"));
    june(doctor);
    doctor.BtnQueryClick();
    same(rows(doctor, true), {{QStringLiteral("内科"), QStringLiteral("内科检查"), "2", "35.00", "70.00", "20.00", "40.00"}});
    s.CurrentUserId = d2;
    doctor.BtnQueryClick();
    same(rows(doctor, true), {{QStringLiteral("内科"), QStringLiteral("内科检查"), "1", "35.00", "35.00", "20.00", "20.00"},
                              {QStringLiteral("B超室"), QStringLiteral("腹部B超"), "1", "50.00", "50.00", "40.00", "40.00"}});
    s.CurrentUserId = clerk;
    doctor.BtnQueryClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("无查询结果！"));
}

TEST_F(Workload, ChiefDoctorsCountTheirChiefExaminationsByEntryDate)
{
    const auto enter = [&](const QString& no, const QString& at, bool done) {
        db.execute(SqlText::format("insert into tjian_jguo_zjian(tjhao, tjzjie, zjjyi, zjysid, zjysheng, zjlrsjian) "
                                   "values('%s', '', '', %d, '总检医生', '%s')",
                                   no, chief, at));
        if (done)
            db.execute(SqlText::format("update tjian_sfei_main set zjbzhi=1 where tjhao='%s'", no));
    };
    enter(QStringLiteral("0-1"), QStringLiteral("2024-06-10 09:00:00"), true);
    enter(QStringLiteral("0-2"), QStringLiteral("2024-06-11 09:00:00"), false);  // flag not set
    enter(QStringLiteral("0-3"), QStringLiteral("2024-06-12 09:00:00"), true);   // cancelled visit
    enter(QStringLiteral("0-4"), QStringLiteral("2024-06-02 09:00:00"), true);   // registered in May: counts
    enter(QStringLiteral("0-5"), QStringLiteral("2024-07-01 00:00:00"), true);   // after June

    core::Session::current().CurrentUserId = clerk;  // outside categories 11 to 13
    queries::TFPrint_ZjYsGzlBbiao w;
    w.show();
    EXPECT_EQ(w.CmbZjys->currentIndex(), -1);
    EXPECT_EQ(w.CmbZjys->findText(QStringLiteral("出纳")), -1);
    june(w);
    w.BtnQueryClick();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("请选择总检医生！"));
    EXPECT_EQ(dialogs.last().caption, QStringLiteral("警告信息"));
    EXPECT_EQ(w.focusWidget(), w.CmbZjys);

    choose(w.CmbZjys, QStringLiteral("总检医生"));
    w.BtnQueryClick();
    EXPECT_EQ(column(w.Grid, 0), QStringList{QStringLiteral("总检医生")});
    EXPECT_EQ(column(w.Grid, 1), QStringList{QStringLiteral("2")});
    QStringList listed = column(w.GridMx, 0);
    listed.sort();
    EXPECT_EQ(listed, (QStringList{QStringLiteral("0-1"), QStringLiteral("0-4")}));
    EXPECT_EQ(w.PrintTitle(), QStringLiteral("总检医生工作量汇总统计报表"));
    w.PageControl->setCurrentIndex(1);
    EXPECT_EQ(w.PrintTitle(), QStringLiteral("总检医生工作量明细统计报表"));
    EXPECT_EQ(w.PrintGrid(), w.GridMx);
    EXPECT_EQ(w.PrintSubtitle(), QStringLiteral("总检医生：总检医生　　登记日期：2024-06-01 00:00:00 至 2024-06-30 00:00:00"));

    // Shown again: the list follows the logged-in user, the first tab in front.
    w.close();
    core::Session::current().CurrentUserId = chief;
    w.show();
    EXPECT_EQ(w.CmbZjys->currentText(), QStringLiteral("总检医生"));
    EXPECT_EQ(w.PageControl->currentIndex(), 0);
}

}  // namespace
