// Numbers written in Chinese numerals (一、二、… numbering of summaries).
#pragma once

#include <QString>

namespace tj::common {

// Chinese numerals of a value: 105 -> 一百零五, 10001 -> 一万零一,
// 12.5 -> 十二点五, -3 -> 负三, 0 -> 零. Not-a-number and infinities give "".
QString NumberToChinese(double value);

}  // namespace tj::common
