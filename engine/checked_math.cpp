#include "strict_arithmetic.h"

#include "checked_math.h"

#include "correctly_rounded.h"
#include "faults.h"

#include <cmath>
#include <stdexcept>

namespace dewpoint {

void Checked::RaiseNonFinite(double value, std::string_view quantity)
{
    Raise(ArithmeticFault(std::isnan(value) ? FloatFault::InvalidOperation : FloatFault::Overflow, quantity));
}

void Checked::RaiseDivisionByZero(std::string_view quantity)
{
    Raise(ArithmeticFault(FloatFault::DivisionByZero, quantity));
}

Checked Power(const Checked& base, double exponent)
{
    // Zero to a negative power is a pole, which IEEE 754 reports as a division by zero.
    if (base.value() == 0.0 && exponent < 0.0)
        Raise(ArithmeticFault(FloatFault::DivisionByZero, base.quantity()));
    // Checked before the conversion, which is undefined beyond int's range.
    if (!(std::fabs(exponent) <= 1024.0) || std::trunc(exponent) != exponent)
        Raise(std::domain_error("Power: the exponent must be a whole number from -1024 to 1024"));
    const auto whole = static_cast<int>(exponent);
    return {CorrectlyRoundedPower(base.value(), whole), base.quantity()};
}

Checked PowerOfTen(int exponent, std::string_view quantity)
{
    return Power(Checked(10.0, quantity), static_cast<double>(exponent));
}

Checked NaturalLog(const Checked& argument)
{
    if (argument.value() <= 0.0)
        Raise(LogarithmArgumentError(argument.value(), argument.quantity()));
    return {CorrectlyRoundedLog(argument.value()), argument.quantity()};
}

Checked NaturalExp(const Checked& exponent)
{
    return {CorrectlyRoundedExp(exponent.value()), exponent.quantity()};
}

}  // namespace dewpoint
