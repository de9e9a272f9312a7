// The automatic department findings: wording, body-mass index and blood
// pressure classification, and the working diagnosis rows they leave.
#include "platform/db/SqliteConnection.h"
#include "results/DepartmentFindings.h"

#include <gtest/gtest.h>

using namespace tj::results;

namespace {

FindingsRow measure(const char* name, const char* result)
{
    return FindingsRow{QString::fromUtf8(name), QString::fromUtf8(result), QString(), QString(), false, true};
}

FindingsRow abnormalNumeric(const char* name, const char* result, const char* unit, const char* tip)
{
    return FindingsRow{QString::fromUtf8(name), QString::fromUtf8(result), QString::fromUtf8(unit),
                       QString::fromUtf8(tip), true, true};
}

std::vector<FindingsRow> exampleRows()
{
    return {measure("身高", "170"), measure("体重", "82"), measure("收缩压", "150"), measure("舒张压", "95"),
            abnormalNumeric("血糖", "7.2", "mmol/L", "偏高")};
}

const QString ExampleText = QStringLiteral(
    "血糖偏高：7.2 mmol/L；体重指数：28.37（>=28），提示：肥胖；血压状况：血压偏高，收缩压（150.00 mmHg），"
    "舒张压（95.00 mmHg）。");

}  // namespace

TEST(DepartmentFindings, ExampleDepartment)
{
    const Findings f = ComputeDepartmentFindings(exampleRows());
    EXPECT_EQ(f.text, ExampleText);
    EXPECT_EQ(f.diagnosisTexts(), QStringList({"血糖偏高", "肥胖", "血压偏高"}));
}

TEST(DepartmentFindings, BodyMassAndPressureClassification)
{
    struct Case {
        std::vector<FindingsRow> rows;
        const char* text;
        QStringList diagnoses;
    };
    const Case cases[] = {
        // 200 cm makes the index a quarter of the weight.
        {{measure("身高", "200"), measure("体重", "96")}, "体重指数：24.00（>=24,<28），提示：超重。", {"超重"}},
        {{measure("身高", "200"), measure("体重", "112")}, "体重指数：28.00（>=28），提示：肥胖。", {"肥胖"}},
        {{measure("身高", "200"), measure("体重", "74")}, "未见异常", {}},
        {{measure("身高", "200"), measure("体重", "73.99")}, "体重指数：18.50（<18.5），提示：体重偏低。", {"体重偏低"}},
        {{measure("身高", "200"), measure("体重", "95.99")}, "未见异常", {}},
        // Blanks inside the typed value and around the item name are ignored.
        {{measure(" 身高 ", "1 70"), measure("体重", " 82 ")}, "体重指数：28.37（>=28），提示：肥胖。", {"肥胖"}},
        {{measure("收缩压", "140"), measure("舒张压", "80")},
         "血压状况：血压偏高，收缩压（140.00 mmHg），舒张压（80.00 mmHg）。", {"血压偏高"}},
        {{measure("收缩压", "120"), measure("舒张压", "90")},
         "血压状况：血压偏高，收缩压（120.00 mmHg），舒张压（90.00 mmHg）。", {"血压偏高"}},
        {{measure("收缩压", "90"), measure("舒张压", "60")}, "未见异常", {}},
        {{measure("收缩压", "85")}, "血压状况：血压偏低，收缩压（85.00 mmHg），舒张压（0.00 mmHg）。", {"血压偏低"}},
        {{measure("收缩压", "150"), measure("舒张压", "55")},
         "血压状况：血压偏高，收缩压（150.00 mmHg），舒张压（55.00 mmHg）。", {"血压偏高"}},
        {{measure("身高", "170"), measure("体重", "60"), measure("收缩压", "120"), measure("舒张压", "80")},
         "未见异常", {}},
        // The later of two rows with the same name counts.
        {{measure("收缩压", "150"), measure("收缩压", "120")}, "未见异常", {}},
        // Empty or non-numeric measurements are absent: no index of 0.00 and
        // no pressure of 0.00.
        {{measure("身高", ""), measure("体重", "60")}, "未见异常", {}},
        {{measure("身高", "170"), measure("体重", "未测")}, "未见异常", {}},
        {{measure("身高", "0"), measure("体重", "60")}, "未见异常", {}},
        {{measure("收缩压", ""), measure("舒张压", "拒测")}, "未见异常", {}},
        {{measure("收缩压", "abc"), measure("舒张压", "95")},
         "血压状况：血压偏高，收缩压（0.00 mmHg），舒张压（95.00 mmHg）。", {"血压偏高"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const Findings f = ComputeDepartmentFindings(c.rows);
        EXPECT_EQ(f.text, QString::fromUtf8(c.text));
        EXPECT_EQ(f.diagnosisTexts(), c.diagnoses);
    }
}

TEST(DepartmentFindings, AbnormalItemsInGridOrder)
{
    const std::vector<FindingsRow> rows = {
        FindingsRow{"肝脏", "脂肪肝", "", "", true, false},
        FindingsRow{"心率", "102", "次/分", "偏快", true, true},
        FindingsRow{"胆囊", "未见异常", "", "", false, false},
        // A pressure row flagged by hand gives its own line as well.
        FindingsRow{"收缩压", "145", "mmHg", "偏高", true, true},
    };
    const Findings f = ComputeDepartmentFindings(rows);
    EXPECT_EQ(f.text, QStringLiteral("肝脏：脂肪肝 ；心率偏快：102 次/分；收缩压偏高：145 mmHg；"
                                     "血压状况：血压偏高，收缩压（145.00 mmHg），舒张压（0.00 mmHg）。"));
    EXPECT_EQ(f.diagnosisTexts(), QStringList({"脂肪肝", "心率偏快", "收缩压偏高", "血压偏高"}));
}

class DiagnosisTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.open();
        CreateDiagnosisWorkingTable(db);
    }
    QList<QStringList> rows()
    {
        QList<QStringList> out;
        const auto rs = db.query("select ksid, tjhao, zyzduan from #tjian_jguo_zdjlun order by id");
        for (const auto& r : rs.rows)
            out << QStringList{r[0].toString(), r[1].toString(), r[2].toString()};
        return out;
    }
    tj::db::SqliteConnection db{":memory:"};
};

TEST_F(DiagnosisTableTest, RunsTwiceWithTheSameRows)
{
    const QList<QStringList> expected = {{"3", "12-35", "血糖偏高"}, {"3", "12-35", "肥胖"}, {"3", "12-35", "血压偏高"}};
    EXPECT_EQ(BuildDepartmentFindings(db, "12-35", 3, exampleRows()), ExampleText);
    EXPECT_EQ(rows(), expected);
    EXPECT_EQ(BuildDepartmentFindings(db, "12-35", 3, exampleRows()), ExampleText);
    EXPECT_EQ(rows(), expected);
}

TEST_F(DiagnosisTableTest, TypedTextIsStoredAsTyped)
{
    const std::vector<FindingsRow> input = {FindingsRow{"眼底", "动脉硬化'II期'; --", "", "", true, false}};
    BuildDepartmentFindings(db, "0-7", 5, input);
    EXPECT_EQ(rows(), QList<QStringList>({{"5", "0-7", "动脉硬化'II期'; --"}}));
}

TEST_F(DiagnosisTableTest, NothingLoadedLeavesTheTableAlone)
{
    BuildDepartmentFindings(db, "12-35", 3, exampleRows());
    EXPECT_EQ(BuildDepartmentFindings(db, "", 3, {}), QString());
    EXPECT_EQ(BuildDepartmentFindings(db, "12-35", 0, {}), QString());
    EXPECT_EQ(rows().size(), 3);
    EXPECT_EQ(BuildDepartmentFindings(db, "12-35", 3, {}), QStringLiteral("未见异常"));
    EXPECT_TRUE(rows().isEmpty());
}
