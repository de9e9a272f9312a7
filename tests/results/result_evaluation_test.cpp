// Judging typed results against normal results and limits, and the
// fixed-point numbers the comparison rests on.
#include "results/ResultEvaluation.h"

#include <gtest/gtest.h>

using namespace tj::results;

namespace {

struct EvalCase {
    const char* what;
    ResultReference ref;
    const char* typed;
    bool valid;
    bool abnormal;
    const char* tip;
};

const ResultReference Numeric{"", "3.5", "5.5", "偏低", "偏高"};

const EvalCase Cases[] = {
    {"below the lower limit", Numeric, "3.49", true, true, "偏低"},
    {"four decimals equal to the lower limit", Numeric, "3.5000", true, false, ""},
    {"equal to the upper limit", Numeric, "5.5", true, false, ""},
    {"above the upper limit", Numeric, "5.51", true, true, "偏高"},
    {"inside, blanks around", Numeric, " 4.2 ", true, false, ""},
    {"full-width digits from an input method", Numeric, "３．４", true, true, "偏低"},
    {"below by less than a ten-thousandth", Numeric, "3.49999", true, true, "偏低"},
    {"above by less than a ten-thousandth", Numeric, "5.50001", true, true, "偏高"},
    {"trailing zeros equal to the upper limit", Numeric, "5.500000", true, false, ""},
    {"negative just below zero", {"", "0", "", "偏低", ""}, "-0.00001", true, true, "偏低"},
    {"letters against a numeric lower limit", Numeric, "abc", false, false, ""},
    {"letters against a numeric upper limit only", {"", "", "10", "", "偏高"}, "阴性", false, false, ""},
    {"negative against zero", {"", "0", "", "偏低", ""}, "-0.5", true, true, "偏低"},
    {"word normal result differs", {"阴性", "", "", "", ""}, "阳性", true, true, ""},
    {"word normal result matches", {"阴性", "", "", "", ""}, "阴性", true, false, ""},
    {"normal result compared case-sensitively", {"Normal", "", "", "", ""}, "normal", true, true, ""},
    {"differs from normal yet inside the limits stays abnormal", {"正常", "3.5", "5.5", "偏低", "偏高"}, "4", true, true, ""},
    {"word upper limit matches", {"阴性", "", "阳性", "", "阳性"}, "阳性", true, true, "阳性"},
    {"upper tip replaces the lower tip", {"", "弱", "弱", "偏弱", "偏强"}, "弱", true, true, "偏强"},
    {"word limit does not match", {"", "", "阳性", "", "阳性"}, "弱阳性", true, false, ""},
};

}  // namespace

TEST(EvaluateResult, TableOfCases)
{
    for (const EvalCase& c : Cases) {
        SCOPED_TRACE(c.what);
        const ResultEvaluation e = EvaluateResult(QString::fromUtf8(c.typed), c.ref);
        EXPECT_EQ(e.valid, c.valid);
        EXPECT_EQ(e.abnormal, c.abnormal);
        EXPECT_EQ(e.tip, QString::fromUtf8(c.tip));
    }
    EXPECT_EQ(NotANumberMessage, QStringLiteral("请输入正确的数值！"));
}
