#include "checked_math.h"

#include "faults.h"

#include <cmath>

namespace dewpoint {

void Checked::RaiseNonFinite(double value, std::string_view quantity)
{
    throw ArithmeticFault(std::isnan(value) ? FloatFault::InvalidOperation : FloatFault::Overflow, quantity);
}

void Checked::RaiseDivisionByZero(std::string_view quantity)
{
    throw ArithmeticFault(FloatFault::DivisionByZero, quantity);
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
