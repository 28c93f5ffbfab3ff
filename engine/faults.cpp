#include "strict_arithmetic.h"

#include "faults.h"

#include <array>
#include <cstdio>

namespace dewpoint {

namespace {

// Six significant digits, enough to recognise the number in a message.
std::string MessageText(double value)
{
    std::array<char, 32> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%g", value);
    return buffer.data();
}

std::string_view FaultName(FloatFault fault)
{
    switch (fault) {
    case FloatFault::InvalidOperation:
        return "invalid floating-point operation";
    case FloatFault::DivisionByZero:
        return "floating-point division by zero";
    case FloatFault::Overflow:
        return "floating-point overflow";
    }
    return "floating-point fault";
}

}  // namespace

ArithmeticFault::ArithmeticFault(FloatFault fault, std::string_view quantity)
    : std::runtime_error(std::string(FaultName(fault)) + " while computing " + std::string(quantity))
    , fault_(fault)
    , quantity_(quantity)
{
}

LogarithmArgumentError::LogarithmArgumentError(double argument, std::string_view quantity)
    : std::invalid_argument(
        "logarithm of the non-positive number " + MessageText(argument) + " while computing " + std::string(quantity))
    , argument_(argument)
    , quantity_(quantity)
{
}

IntegerOverflow::IntegerOverflow(std::int16_t left, std::int16_t right, std::string_view operation)
    : std::overflow_error("16-bit integer overflow in " + std::to_string(left) + " " + std::string(operation) + " "
        + std::to_string(right))
{
}

}  // namespace dewpoint
