// The slow, exact side of the engine's correctly rounded functions: whole
// numbers of any size, fixed-point approximations of exp and log whose error
// is bounded, and rounding to the nearest double. Only integer arithmetic is
// used, so the result is the same on every machine. Internal to the engine.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <vector>

namespace dewpoint::exact {

// A non-negative whole number of any size.
class Natural {
public:
    Natural() = default;
    explicit Natural(std::uint64_t value);

    [[nodiscard]] bool IsZero() const { return limbs_.empty(); }
    [[nodiscard]] int BitLength() const;
    [[nodiscard]] bool Bit(int index) const;
    // Whether any of the bits below `index` is set.
    [[nodiscard]] bool AnyBitBelow(int index) const;

    [[nodiscard]] Natural ShiftedLeft(int bits) const;
    [[nodiscard]] Natural ShiftedRight(int bits) const;            // rounds down
    [[nodiscard]] Natural DividedBy(std::uint32_t divisor) const;  // rounds down

    friend Natural operator+(const Natural& left, const Natural& right);
    friend Natural operator-(const Natural& left, const Natural& right);  // left ≥ right
    friend Natural operator*(const Natural& left, const Natural& right);
    friend std::strong_ordering operator<=>(const Natural& left, const Natural& right);
    friend bool operator==(const Natural& left, const Natural& right) = default;

private:
    void Trim();
    std::vector<std::uint32_t> limbs_;  // least significant first, no leading zero limb
};

// 2^exponent, for a normal exponent (−1022 to 1023).
double PowerOfTwo(int exponent);

// The double nearest to value · 2^scale (ties to even), with overflow to
// infinity and gradual underflow to subnormals and zero.
double RoundToNearest(const Natural& value, int scale);

// The double nearest to (−1)^negative · value · 2^scale, if every number
// within `error` of `value` rounds to it; nothing otherwise.
std::optional<double> RoundIfDecided(const Natural& value, const Natural& error, int scale, bool negative);

// A positive finite double to `significant` decimal digits (at most 18),
// rounded to nearest, ties to even: the digits and the power of ten of the
// first, so that magnitude ≈ d.ddd… × 10^exponent. The same digits as
// std::to_chars in scientific form, without its tables.
struct DecimalDigits {
    std::uint64_t digits;  // exactly `significant` digits
    int exponent;
};
DecimalDigits ToDecimalDigits(double magnitude, int significant);

// exp(x), log(x) (x > 0) and base^exponent, rounded to the nearest double.
// They succeed for every argument, however close the exact result lies to
// the midpoint between two doubles, by raising the precision until the
// rounding is decided.
double Exp(double x);
double Log(double x);
// The exponent lies within −1024 and 1024 (std::domain_error otherwise).
double Power(double base, int exponent);

}  // namespace dewpoint::exact
