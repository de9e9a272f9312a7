// Judging a typed result against its row's normal result and reference
// limits, as the doctor confirms it with Enter.
#pragma once

#include <QString>

namespace tj::results {

// What a result row carries to judge a result by (copied from the item at
// registration).
struct ResultReference {
    QString normal;   // zcjguo: the normal result; empty when none
    QString lower;    // ckxxian: a number or a word; empty when not checked
    QString upper;    // cksxian
    QString lowTip;   // xxtshi, e.g. 偏低
    QString highTip;  // sxtshi, e.g. 偏高
};

struct ResultEvaluation {
    // False when a limit is numeric and the text is no number: the row must
    // stay as it was and NotANumberMessage is shown.
    bool valid = true;
    bool abnormal = false;
    QString tip;  // empty when no limit matched
};

// "请输入正确的数值！"
extern const QString NotANumberMessage;

// Judges a non-empty result text:
// - a text different from a non-empty normal result (exact comparison) is
//   abnormal;
// - a numeric limit compares the result as a number, strictly, with four
//   decimals (a value equal to a limit is normal); a word limit matches when
//   the text equals it exactly; below the lower limit gives the low tip,
//   above the upper the high tip, which replaces the low one when both apply;
// - nothing resets abnormal once a check set it.
ResultEvaluation EvaluateResult(const QString& text, const ResultReference& ref);

}  // namespace tj::results
