// Arithmetic that stops at the first NaN or infinite result instead of
// carrying it on, the way the calculation is meant to fail. Internal to the
// engine.
#pragma once

#include <cmath>
#include <string_view>

namespace dewpoint {

// A double that remembers which quantity it contributes to. Every operation
// on it is checked: a NaN result raises ArithmeticFault (invalid operation),
// an infinite one ArithmeticFault (overflow, or division by zero where a
// finite number was divided by zero). The operators evaluate exactly as
// written, one IEEE 754 operation each, in C++'s left-to-right order.
class Checked {
public:
    Checked(double value, std::string_view quantity)
        : value_(value)
        , quantity_(quantity)
    {
        if (!std::isfinite(value))
            RaiseNonFinite(value, quantity);
    }

    [[nodiscard]] double value() const { return value_; }
    [[nodiscard]] std::string_view quantity() const { return quantity_; }

    friend Checked operator+(const Checked& left, const Checked& right)
    {
        return {left.value_ + right.value_, left.quantity_};
    }
    friend Checked operator-(const Checked& left, const Checked& right)
    {
        return {left.value_ - right.value_, left.quantity_};
    }
    friend Checked operator*(const Checked& left, const Checked& right)
    {
        return {left.value_ * right.value_, left.quantity_};
    }
    friend Checked operator/(const Checked& left, const Checked& right)
    {
        // 0/0 yields NaN and is reported as an invalid operation by the constructor.
        if (right.value_ == 0.0 && left.value_ != 0.0)
            RaiseDivisionByZero(left.quantity_);
        return {left.value_ / right.value_, left.quantity_};
    }
    friend Checked operator+(const Checked& left, double right) { return left + left.Same(right); }
    friend Checked operator-(const Checked& left, double right) { return left - left.Same(right); }
    friend Checked operator*(const Checked& left, double right) { return left * left.Same(right); }
    friend Checked operator/(const Checked& left, double right) { return left / left.Same(right); }

    // Another value contributing to the same quantity.
    [[nodiscard]] Checked Same(double value) const { return {value, quantity_}; }

private:
    [[noreturn]] static void RaiseNonFinite(double value, std::string_view quantity);
    [[noreturn]] static void RaiseDivisionByZero(std::string_view quantity);

    double value_;
    std::string_view quantity_;
};

// The general power operation with a whole exponent given as a double: the
// exact power, rounded once to the nearest double (correctly_rounded.h). It
// is never replaced by repeated multiplication, which rounds at every step.
Checked Power(const Checked& base, double exponent);

// 10 raised to a (negative) whole exponent, formed at run time; multiplying
// a mantissa by it rounds differently from writing the product as a literal.
Checked PowerOfTen(int exponent, std::string_view quantity);

// Natural logarithm, correctly rounded; a non-positive argument raises
// LogarithmArgumentError.
Checked NaturalLog(const Checked& argument);

// Natural exponential, correctly rounded.
Checked NaturalExp(const Checked& exponent);

}  // namespace dewpoint
