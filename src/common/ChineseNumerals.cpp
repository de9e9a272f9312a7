#include "common/ChineseNumerals.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

namespace tj::common {

namespace {

const QString kDigits = QStringLiteral("零一二三四五六七八九");
const QString kPlaces[4] = {QString(), QStringLiteral("十"), QStringLiteral("百"),
                            QStringLiteral("千")};
// Words of the groups of four digits above the units group. Past 兆 the
// traditional ladder goes on, so values below 10^52 keep all their digits.
const QString kGroupWords[] = {QStringLiteral("万"), QStringLiteral("亿"), QStringLiteral("兆"),
                               QStringLiteral("京"), QStringLiteral("垓"), QStringLiteral("秭"),
                               QStringLiteral("穰"), QStringLiteral("沟"), QStringLiteral("涧"),
                               QStringLiteral("正"), QStringLiteral("载"), QStringLiteral("极")};
constexpr int kMaxGroups = 1 + int(std::size(kGroupWords));

// Shortest plain decimal text of a non-negative value, at most 15
// significant digits (so 0.1 + 0.2 reads 0.3), never in exponent form.
std::string decimalText(double value)
{
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);  // d.dddddddddddddde±x
    std::string mantissa;
    for (const char* p = buffer; *p && *p != 'e'; ++p)
        if (*p != '.')
            mantissa += *p;
    const int exponent = std::atoi(std::strchr(buffer, 'e') + 1);
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();
    const int pointAt = exponent + 1;  // digits before the decimal point
    std::string text;
    if (pointAt <= 0) {
        text = "0." + std::string(std::size_t(-pointAt), '0') + mantissa;
    } else if (pointAt >= int(mantissa.size())) {
        text = mantissa + std::string(std::size_t(pointAt) - mantissa.size(), '0');
    } else {
        text = mantissa.substr(0, std::size_t(pointAt)) + "." +
               mantissa.substr(std::size_t(pointAt));
    }
    return text;
}

}  // namespace

QString NumberToChinese(double value)
{
    if (!std::isfinite(value))
        return QString();
    const bool negative = value < 0;  // -0 reads as 零
    const std::string text = decimalText(std::fabs(value));

    const std::size_t point = text.find('.');
    const std::string integerPart = text.substr(0, point);
    const std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);

    QString result;
    const int digitCount = int(integerPart.size());
    for (int group = 0; group * 4 < digitCount && group < kMaxGroups; ++group) {
        QString groupText;
        bool previousWasZero = false;
        for (int place = 0; place < 4; ++place) {
            const int index = digitCount - 1 - (group * 4 + place);  // from the units upwards
            if (index < 0)
                break;
            const int digit = integerPart[std::size_t(index)] - '0';
            if (digit == 0) {
                if (!previousWasZero && place > 0)
                    groupText.prepend(kDigits[0]);
                previousWasZero = true;
            } else {
                groupText.prepend(kPlaces[place]);
                groupText.prepend(kDigits[digit]);
                previousWasZero = false;
            }
        }
        if (!groupText.isEmpty()) {
            result = group == 0 ? groupText : groupText + kGroupWords[group - 1] + result;
        } else if (!result.isEmpty() && !result.startsWith(kDigits[0])) {
            result.prepend(kDigits[0]);
        }
    }

    if (!fraction.empty()) {
        result += QStringLiteral("点");
        for (char c : fraction)
            result += kDigits[c - '0'];
    }
    if (result.isEmpty())
        result = kDigits[0];
    if (result.startsWith(QStringLiteral("一十")))
        result.remove(0, 1);
    if (result.startsWith(QStringLiteral("点")))
        result.prepend(kDigits[0]);
    if (negative)
        result.prepend(QStringLiteral("负"));
    return result;
}

}  // namespace tj::common
