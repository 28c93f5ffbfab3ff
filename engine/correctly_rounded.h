// exp, log and whole powers rounded to the nearest double, ties to even:
// the one result that depends on no C library, CPU or compiler. They use
// only IEEE double + − × ÷, integer arithmetic and tables, never a fused
// multiply-add or extended precision.
//
// Each takes a fast path accurate to about 2^-70 and proves that its result
// rounds correctly; where the proof fails (about once in a million calls),
// the exact functions of exact_arithmetic.h decide. Internal to the engine.
#pragma once

namespace dewpoint {

// e^x for every double x: +∞ above the largest double, subnormals and 0 below
// the smallest normal, NaN for NaN.
double CorrectlyRoundedExp(double x);

// ln x for x > 0; NaN below 0, −∞ at 0, +∞ at +∞.
double CorrectlyRoundedLog(double x);

// base^exponent for a whole exponent: the exact power, rounded once. For a
// negative exponent |base|^|exponent| must be a double (as 10^5 and any
// base^1 are); std::domain_error otherwise.
double CorrectlyRoundedPower(double base, int exponent);

}  // namespace dewpoint
