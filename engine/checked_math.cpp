#include "checked_math.h"

#include "faults.h"

#include <cmath>

namespace dewpoint {

namespace {

double Finite(double value, std::string_view quantity)
{
    if (std::isnan(value))
        throw ArithmeticFault(FloatFault::InvalidOperation, quantity);
    if (std::isinf(value))
        throw ArithmeticFault(FloatFault::Overflow, quantity);
    return value;
}

}  // namespace

Checked::Checked(double value, std::string_view quantity)
    : value_(Finite(value, quantity))
    , quantity_(quantity)
{
}

Checked operator+(const Checked& left, const Checked& right)
{
    return {left.value_ + right.value_, left.quantity_};
}

Checked operator-(const Checked& left, const Checked& right)
{
    return {left.value_ - right.value_, left.quantity_};
}

Checked operator*(const Checked& left, const Checked& right)
{
    return {left.value_ * right.value_, left.quantity_};
}

Checked operator/(const Checked& left, const Checked& right)
{
    // 0/0 yields NaN and is reported as an invalid operation by the constructor.
    if (right.value_ == 0.0 && left.value_ != 0.0)
        throw ArithmeticFault(FloatFault::DivisionByZero, left.quantity_);
    return {left.value_ / right.value_, left.quantity_};
}

Checked Power(const Checked& base, double exponent)
{
    // Zero to a negative power is a pole, which IEEE 754 reports as a division by zero.
    if (base.value() == 0.0 && exponent < 0.0)
        throw ArithmeticFault(FloatFault::DivisionByZero, base.quantity());
    return {std::pow(base.value(), exponent), base.quantity()};
}

Checked PowerOfTen(int exponent, std::string_view quantity)
{
    return Power(Checked(10.0, quantity), static_cast<double>(exponent));
}

Checked NaturalLog(const Checked& argument)
{
    if (argument.value() <= 0.0)
        throw LogarithmArgumentError(argument.value(), argument.quantity());
    return {std::log(argument.value()), argument.quantity()};
}

Checked NaturalExp(const Checked& exponent)
{
    return {std::exp(exponent.value()), exponent.quantity()};
}

}  // namespace dewpoint
