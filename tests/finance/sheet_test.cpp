// The settlement sheet's figures on a small set of charges, checked against
// sums worked out here from the same charges, and the sheet as printed.
#include "finance/DailySheet.h"
#include "finance/SettlementPeriods.h"
#include "finance/TQrRjie.h"
#include "platform/db/SqlText.h"
#include "support/DbFixture.h"
#include "support/Golden.h"
#include "support/PrintedOutput.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tj::finance;
using tj::db::Currency;
using tj::db::SqlText;

namespace {

struct Charge {
    bool group;                     // a unit's staff member, else a walk-in
    int settlement;                 // 1 现结, 2 记帐
    const char* at;                 // sfsjian
    std::vector<const char*> lines; // ssje of the lines in force
    std::vector<const char*> removed = {};  // lines withdrawn (hsbzhi 0)
    const char* unitPaidAt = nullptr;       // jzsjian of a visit on account the unit has paid
    bool cancelled = false;
};

// Charges around the period 2024-05-25 09:00:00 to 18:00:00.
const std::vector<Charge> charges = {
    {true, 2, "2024-05-25 10:00:00", {"100", "50.5"}, {"30"}, "2024-05-25 17:00:00"},  // paid back within
    {true, 2, "2024-05-25 11:00:00", {"80"}},                                           // not paid yet
    {true, 2, "2024-05-25 12:00:00", {"60"}, {}, "2024-05-26 09:00:00"},                // paid back after the period
    {true, 2, "2024-05-25 08:59:59", {"70"}, {}, "2024-05-25 10:00:00"},                // charged before it
    {true, 1, "2024-05-25 13:00:00", {"0.1", "0.2"}},
    {false, 1, "2024-05-25 09:00:00", {"19.99"}},                                       // at the start
    {false, 1, "2024-05-25 18:00:00", {"0.01"}},                                        // at the end
    {false, 1, "2024-05-25 18:00:01", {"5"}},                                           // after it
    {false, 1, "2024-05-25 14:10:00", {"33.33", "66.67", "0.0001"}},
    {true, 2, "2024-05-25 14:00:00", {"200"}, {}, "2024-05-25 15:00:00", true},         // cancelled, billed
    {true, 1, "2024-05-25 14:30:00", {"40"}, {"12"}, nullptr, true},                    // cancelled, paid
    {false, 1, "2024-05-25 15:00:00", {"25.5"}, {}, nullptr, true},                     // cancelled walk-in
    {false, 1, "2024-05-24 15:00:00", {"9"}, {}, nullptr, true},                        // cancelled, charged before
    {true, 1, "2024-05-25 15:30:00", {}, {"45"}},                                       // every line withdrawn
};

Currency money(const char* text)
{
    return *Currency::fromString(QString::fromUtf8(text));
}

class SettlementSheet : public tj::test::DbTest {
protected:
    void SetUp() override
    {
        const int unit = db.addUnit({.name = QStringLiteral("岚川机械厂"), .settlement = 2});
        int n = 0;
        for (const Charge& c : charges) {
            ++n;
            const int person = db.addPerson({.name = QStringLiteral("人员%1").arg(n), .dwid = c.group ? unit : 0});
            const QString tjhao = QStringLiteral("%1-%2").arg(c.group ? unit : 0).arg(n);
            db.execute(SqlText::format(
                "insert into tjian_sfei_main(tjhao, ryid, jzlxing, jzbzhi, jzsjian, sfsjian, zxbzhi) "
                "values('%s', %d, %d, %d, %s, '%s', %d)",
                tjhao, person, c.settlement, c.settlement == 1 || c.unitPaidAt ? 1 : 0,
                c.settlement == 1 ? SqlText::quoted(QString::fromUtf8(c.at))
                : c.unitPaidAt    ? SqlText::quoted(QString::fromUtf8(c.unitPaidAt))
                                  : QStringLiteral("NULL"),
                c.at, c.cancelled ? 1 : 0));
            const qint64 visit = db.scalar(SqlText::format("select id from tjian_sfei_main where tjhao='%s'", tjhao)).toInteger();
            for (const char* amount : c.lines)
                db.execute(SqlText::format("insert into tjian_sfei_sub(sfid, zhxmid, ysje, zkou, ssje) values(%d, 1, %s, 1, %s)",
                                           visit, amount, amount));
            for (const char* amount : c.removed)
                db.execute(SqlText::format(
                    "insert into tjian_sfei_sub(sfid, zhxmid, ysje, zkou, ssje, hsbzhi) values(%d, 2, %s, 1, %s, 0)", visit,
                    amount, amount));
        }
    }

    // The figures worked out from the list above.
    struct Expected {
        SheetCell account, returned, groupCash, individualCash, cancelledGroup, cancelledIndividual;
    };
    static Expected expected(const QDateTime& from, const QDateTime& to)
    {
        Expected e;
        auto inPeriod = [&](const char* t) {
            const QDateTime at = QDateTime::fromString(QString::fromUtf8(t), SettlementTimeFormat);
            return from <= at && at <= to;
        };
        for (const Charge& c : charges) {
            if (c.lines.empty() || !inPeriod(c.at))
                continue;
            Currency sum;
            for (const char* a : c.lines)
                sum += money(a);
            auto add = [&](SheetCell& cell) {
                ++cell.count;
                cell.amount += sum;
            };
            if (c.cancelled)
                add(c.group ? e.cancelledGroup : e.cancelledIndividual);
            else if (!c.group)
                add(e.individualCash);
            else if (c.settlement == 1)
                add(e.groupCash);
            else {
                add(e.account);
                if (c.unitPaidAt && inPeriod(c.unitPaidAt))
                    add(e.returned);
            }
        }
        return e;
    }
};

QDateTime at(const char* text)
{
    return QDateTime::fromString(QString::fromUtf8(text), SettlementTimeFormat);
}

TEST_F(SettlementSheet, FiguresCountVisitsOnceAndSumTheirLinesExactly)
{
    const QDateTime from = at("2024-05-25 09:00:00"), to = at("2024-05-25 18:00:00");
    const DailySheet s = ComputeDailySheet(db.connection(), from, to, QStringLiteral("收费员甲"));
    const Expected e = expected(from, to);

    EXPECT_EQ(s.periodText, QStringLiteral("2024-05-25 09:00:00 至 2024-05-25 18:00:00"));
    EXPECT_EQ(s.cashier, QStringLiteral("收费员甲"));
    EXPECT_EQ(s.groupAccount, e.account);
    EXPECT_EQ(s.groupReturned, e.returned);
    EXPECT_EQ(s.groupCash, e.groupCash);
    EXPECT_EQ(s.individualCash, e.individualCash);
    EXPECT_EQ(s.cancelledGroup, e.cancelledGroup);
    EXPECT_EQ(s.cancelledIndividual, e.cancelledIndividual);
    EXPECT_EQ(s.totalAccount, e.account);
    EXPECT_EQ(s.totalReturned, e.returned);
    EXPECT_EQ(s.totalCash.count, e.groupCash.count + e.individualCash.count);
    EXPECT_EQ(s.totalCash.amount, e.groupCash.amount + e.individualCash.amount);
    EXPECT_EQ(s.groupDue, e.returned.amount + e.groupCash.amount);
    EXPECT_EQ(s.individualDue, e.individualCash.amount);
    EXPECT_EQ(s.totalDue, s.groupDue + s.individualDue);

    // The fixture's figures written out, so a slip in the list above shows too.
    EXPECT_EQ(s.groupAccount, (SheetCell{3, money("290.5")}));
    EXPECT_EQ(s.groupReturned, (SheetCell{1, money("150.5")}));
    EXPECT_EQ(s.groupCash, (SheetCell{1, money("0.3")}));
    EXPECT_EQ(s.individualCash, (SheetCell{3, money("120.0001")}));
    EXPECT_EQ(s.cancelledGroup, (SheetCell{2, money("240")}));
    EXPECT_EQ(s.cancelledIndividual, (SheetCell{1, money("25.5")}));
}

TEST_F(SettlementSheet, APeriodWithoutChargesLeavesZeros)
{
    const DailySheet s = ComputeDailySheet(db.connection(), at("2024-05-25 18:00:00"), at("2024-05-25 18:00:00"),
                                           QStringLiteral("收费员甲"));
    EXPECT_EQ(s.individualCash, (SheetCell{1, money("0.01")}));  // both ends belong to the period
    const DailySheet empty =
        ComputeDailySheet(db.connection(), at("2024-06-01 00:00:00"), at("2024-06-30 00:00:00"), QString());
    for (const SheetCell& c : {empty.groupAccount, empty.groupReturned, empty.groupCash, empty.individualCash,
                               empty.totalCash, empty.cancelledGroup, empty.cancelledIndividual})
        EXPECT_EQ(c, SheetCell{});
    EXPECT_TRUE(empty.totalDue.isZero());
}

TEST_F(SettlementSheet, PrintedPageMatchesTheGoldenListing)
{
    TQrRjie sheet;
    sheet.Sheet = ComputeDailySheet(db.connection(), at("2024-05-25 09:00:00"), at("2024-05-25 18:00:00"),
                                    QStringLiteral("收费员甲"));
    sheet.UseUnit = QStringLiteral("岚川体检中心");
    sheet.Title = QStringLiteral("日结帐清单");
    sheet.PrintTime = at("2024-05-25 18:05:00");
    const tj::report::Document doc = sheet.document();
    ASSERT_EQ(doc.pageCount(), 1);
    const QStringList texts = doc.texts(0);
    for (const char* t : {"岚川体检中心", "日结帐清单", "收费时间：2024-05-25 09:00:00 至 2024-05-25 18:00:00",
                          "收费员：收费员甲", "打印时间：2024-05-25 18:05:00", "290.50", "120.00", "150.80",
                          "１、团检注销人数（记帐＋现结）共2人，共计金额：240.00元；",
                          "２、散检注销人数（现结）共1人，共计金额：25.50元。"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(t))) << t;

    if (const QString dir = qEnvironmentVariable("TJ_SHOTS"); !dir.isEmpty())
        doc.renderPage(0, 100).save(dir + QStringLiteral("/settlement_sheet.png"));

    EXPECT_TRUE(tj::test::MatchesGolden(doc.dump(), QStringLiteral("print/settlement_sheet.txt")));

    // The same page as a PDF file, its Chinese text readable.
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("日结帐清单.pdf"));
    ASSERT_TRUE(sheet.output(tj::report::Output::Pdf, pdf));
    EXPECT_EQ(tj::test::pdfPageCount(pdf), 1);
    const auto text = tj::test::pdfText(pdf);
    if (!text)
        GTEST_SKIP() << "pdftotext not installed";
    for (const char* t : {"岚川体检中心", "日结帐清单", "应缴金额", "270.80", "散检注销人数"})
        EXPECT_TRUE(text->contains(QString::fromUtf8(t))) << t;
}

}  // namespace
