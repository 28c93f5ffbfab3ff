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

// base^exponent for a whole exponent from −1024 to 1024: the exact power,
// rounded once; std::domain_error for a larger exponent.
double CorrectlyRoundedPower(double base, int exponent);

namespace detail {

// A fast path's result, (hi + lo) · 2^scale, with the bound on the error of
// hi + lo that it claims. The result is used only where every number within
// the bound rounds to the same double, so the bound must cover every error.
struct FastResult {
    double hi;
    double lo;
    double errorBound;
    int scale;
};
// For −707 < x < 709 with |x| > 2^-54.
FastResult FastExp(double x);
// For a finite x > 0.
FastResult FastLog(double x);

}  // namespace detail

}  // namespace dewpoint
