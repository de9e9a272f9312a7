// The program's one fixed-point number: a 64-bit count of ten-thousandths.
// It holds money (sums and differences of amounts are exact; conversions to
// and from text round half away from zero) and the numeric results, limits,
// body-mass indexes and blood pressures that are compared with four
// decimals.
#pragma once

#include <QString>
#include <QtGlobal>
#include <compare>
#include <optional>

namespace tj::db {

class Currency {
public:
    static constexpr qint64 Scale = 10000;

    // How digits beyond the fourth decimal are rounded.
    enum class Rounding { HalfAwayFromZero, HalfToEven };
    // The whole ten-thousandths just below and just above a number with
    // more than four decimals (equal when it has at most four).
    struct Bounds;

    constexpr Currency() = default;

    static constexpr Currency fromRaw(qint64 tenThousandths) { Currency c; c.raw_ = tenThousandths; return c; }
    // Rounds half away from zero to four decimals.
    static Currency fromDouble(double value);
    // Whole units (yuan).
    static constexpr Currency fromInteger(qint64 units) { return fromRaw(units * Scale); }
    // Accepts "12", "-3.5", " 0.1234 ", "1e2"; more than four decimals are
    // rounded half away from zero. Empty or malformed text gives nullopt.
    static std::optional<Currency> fromString(const QString& text);
    // Same, reporting success through ok (0 on failure).
    static Currency fromString(const QString& text, bool* ok);
    // A plain decimal as typed: "12", "-0.5", "+3.75", ".5", "7.", blanks
    // around it, and the full-width digits, point and signs a Chinese input
    // method types. No exponents; more than four decimals are rounded as
    // asked. Anything else, and values too large to hold, give nullopt.
    static std::optional<Currency> fromDecimalText(const QString& text, Rounding rounding);
    // The bounds of such a text: comparing a typed number strictly with a
    // limit uses them, so 3.49995 counts as below 3.5 and not as equal.
    static std::optional<Bounds> boundsOf(const QString& text);

    constexpr qint64 raw() const { return raw_; }
    double toDouble() const { return double(raw_) / double(Scale); }
    // "%.Nf" with half-away-from-zero rounding; decimals 0..4.
    QString toString(int decimals = 2) const;
    // Shortest exact text: "12", "0.3", "-1.25".
    QString toPlainString() const;

    // Rounded to the given number of decimals (0..4), half away from zero.
    Currency rounded(int decimals) const;
    // Amount times factor (e.g. a discount rate of 0.85), rounded half away
    // from zero to the given number of decimals (0..4).
    Currency multiplied(double factor, int decimals = 4) const;
    // Amount times an integer count, exact.
    constexpr Currency times(qint64 count) const { return fromRaw(raw_ * count); }

    constexpr bool isZero() const { return raw_ == 0; }

    constexpr Currency operator-() const { return fromRaw(-raw_); }
    constexpr Currency operator+(Currency o) const { return fromRaw(raw_ + o.raw_); }
    constexpr Currency operator-(Currency o) const { return fromRaw(raw_ - o.raw_); }
    constexpr Currency& operator+=(Currency o) { raw_ += o.raw_; return *this; }
    constexpr Currency& operator-=(Currency o) { raw_ -= o.raw_; return *this; }
    constexpr auto operator<=>(const Currency&) const = default;
    constexpr bool operator==(const Currency&) const = default;

private:
    qint64 raw_ = 0;
};

struct Currency::Bounds {
    Currency floor;
    Currency ceil;
};

}  // namespace tj::db
