#include "results/ResultEvaluation.h"

#include "platform/db/Currency.h"

namespace tj::results {

const QString NotANumberMessage = QStringLiteral("请输入正确的数值！");

namespace {

enum class Side { Lower, Upper };

// Applies one limit; false when the limit is numeric and the text is not.
bool checkLimit(const QString& text, const QString& limit, const QString& tip, Side side, ResultEvaluation& e)
{
    if (limit.isEmpty())
        return true;
    bool hit = false;
    using db::Currency;
    if (const auto limitValue = Currency::fromDecimalText(limit, Currency::Rounding::HalfToEven)) {
        // the typed number against the limit's fixed-point value, strictly
        const auto value = Currency::boundsOf(text);
        if (!value)
            return false;
        hit = side == Side::Lower ? value->floor < *limitValue : value->ceil > *limitValue;
    } else {
        hit = text == limit;
    }
    if (hit) {
        e.tip = tip;
        e.abnormal = true;
    }
    return true;
}

}  // namespace

ResultEvaluation EvaluateResult(const QString& text, const ResultReference& ref)
{
    ResultEvaluation e;
    if (!ref.normal.isEmpty() && text != ref.normal)
        e.abnormal = true;
    if (!checkLimit(text, ref.lower, ref.lowTip, Side::Lower, e) ||
        !checkLimit(text, ref.upper, ref.highTip, Side::Upper, e)) {
        return ResultEvaluation{false, false, QString()};
    }
    return e;
}

}  // namespace tj::results
