// Numbers typed as results and limits, held as fixed-point values with four
// fractional digits (ten-thousandths in a 64-bit integer), so comparisons
// with limits are exact: 3.49 is below 3.5, 3.5000 is not.
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace tj::results {

// Converts a plain decimal ("12", "-0.5", "+3.75", ".5", "7.", surrounded by
// blanks; full-width digits, point and signs as typed with a Chinese input
// method are accepted too) to ten-thousandths, rounding further digits to
// the nearest value, halves to even. Anything else, and values too large to
// hold, give nullopt.
std::optional<qint64> ToFixed4(const QString& text);

// A number times 10000 when it has more than four decimals lies between
// two whole ten-thousandths: floor and ceil of it (equal when exact).
// Comparing a typed result strictly with a fixed-point limit uses these,
// so 3.49995 counts as below a limit of 3.5.
struct ScaledBounds {
    qint64 floor = 0;
    qint64 ceil = 0;
};
std::optional<ScaledBounds> ToScaledBounds(const QString& text);

// Ten-thousandths as text with the given number of decimals (0..4), rounded
// half away from zero: 283737 with 2 decimals gives "28.37".
QString Fixed4ToString(qint64 value, int decimals = 2);

}  // namespace tj::results
