// The errors the calculation raises instead of producing a NaN or infinite
// number. Nothing inside the engine catches them.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace dewpoint {

// The three floating-point exceptions that count as faults; underflow and
// inexact results are part of normal arithmetic and are not reported.
enum class FloatFault {
    InvalidOperation,  // a NaN result: 0/0, inf - inf, a NaN input, ...
    DivisionByZero,    // a finite non-zero number divided by zero, or 0 to a negative power
    Overflow,          // a result too large for a double
};

// A floating-point fault in one step of the calculation. `quantity()` names
// the value that was being computed, as the calculation state calls it.
class ArithmeticFault : public std::runtime_error {
public:
    ArithmeticFault(FloatFault fault, std::string_view quantity);

    [[nodiscard]] FloatFault fault() const noexcept { return fault_; }
    [[nodiscard]] const std::string& quantity() const noexcept { return quantity_; }

private:
    FloatFault fault_;
    std::string quantity_;
};

// The natural logarithm was asked for a number that is not positive.
class LogarithmArgumentError : public std::invalid_argument {
public:
    LogarithmArgumentError(double argument, std::string_view quantity);

    [[nodiscard]] double argument() const noexcept { return argument_; }
    [[nodiscard]] const std::string& quantity() const noexcept { return quantity_; }

private:
    double argument_;
    std::string quantity_;
};

// A 16-bit scroll-bar value left the range of a 16-bit signed integer
// during the arithmetic on it.
class IntegerOverflow : public std::overflow_error {
public:
    IntegerOverflow(std::int16_t left, std::int16_t right, std::string_view operation);
};

// Defined by a program built without C++ exceptions (the web page's
// WebAssembly): shows `message` and stops the calculation, never returning.
[[noreturn]] void ReportFaultAndStop(const char* message);

// Raises `error`: throws it, or in a build without exceptions hands its
// message to ReportFaultAndStop.
template <typename Error> [[noreturn]] void Raise(const Error& error)
{
#if defined(__cpp_exceptions)
    throw error;
#else
    ReportFaultAndStop(error.what());
#endif
}

}  // namespace dewpoint
