#include "strict_arithmetic.h"

#include "correctly_rounded.h"

#include "exact_arithmetic.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace dewpoint {

namespace {

// A number carried as the unevaluated sum hi + lo, |lo| ≤ ulp(hi).
struct DoubleDouble {
    double hi;
    double lo;
};

struct LogTableEntry {
    double reciprocal;      // c ≈ 1/m, 9 fractional bits
    DoubleDouble minusLog;  // −ln c
};

#include "math_tables.inc"

// Error-free transformations (Knuth, Dekker): the rounded result and its
// exact rounding error. Splitting replaces the fused multiply-add, so that
// every target computes the same bits.
DoubleDouble TwoSum(double a, double b)
{
    const double sum = a + b;
    const double bPart = sum - a;
    return {sum, (a - (sum - bPart)) + (b - bPart)};
}

// Needs |a| ≥ |b| (or a = 0).
DoubleDouble FastTwoSum(double a, double b)
{
    const double sum = a + b;
    return {sum, b - (sum - a)};
}

// a = hi + lo with 26 significant bits in each half; |a| < 2^996.
DoubleDouble Split(double a)
{
    const double scaled = 134217729.0 * a;  // 2^27 + 1
    const double hi = scaled - (scaled - a);
    return {hi, a - hi};
}

DoubleDouble TwoProduct(double a, double b)
{
    const double product = a * b;
    const DoubleDouble x = Split(a);
    const DoubleDouble y = Split(b);
    return {product, ((x.hi * y.hi - product) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

// Whether every number within `errorBound` of hi + lo rounds to the double
// nearest to hi + lo. The bound is doubled so that rounding in lo ± bound
// cannot narrow the interval tested.
bool RoundingDecided(double hi, double lo, double errorBound)
{
    const double margin = 2.0 * errorBound;
    return hi + (lo + margin) == hi + (lo - margin);
}

}  // namespace

namespace detail {

// x = k·ln2/128 + r with |r| ≤ ln2/256, so e^x = 2^(k div 128) · 2^((k mod 128)/128) · e^r,
// the middle factor from the table and e^r from its Taylor series.
FastResult FastExp(double x)
{
    constexpr double k128OverLn2 = 0x1.71547652b82fep+7;
    constexpr double kRoundToInteger = 0x1.8p52;  // adding and subtracting it rounds to a whole number
    const double kd = (x * k128OverLn2 + kRoundToInteger) - kRoundToInteger;
    const auto k = static_cast<std::int64_t>(kd);  // |k| < 2^17

    // r = x − k·ln2/128: the first two products are exact, x − k·step[0] by Sterbenz.
    const double reduced = x - kd * kLn2Over128[0];
    DoubleDouble r = TwoSum(reduced, -(kd * kLn2Over128[1]));
    r.lo -= kd * kLn2Over128[2];

    // e^r − 1 = r + r²/2 + r³·(1/6 + r/24 + r²/120 + r³/720 + r⁴/5040); the rest is below 2^-83.
    const DoubleDouble square = TwoProduct(r.hi, r.hi);
    const double higher = 1.0 / 6 + r.hi * (1.0 / 24 + r.hi * (1.0 / 120 + r.hi * (1.0 / 720 + r.hi * (1.0 / 5040))));
    const double tail = r.lo + (square.lo * 0.5 + r.hi * r.lo) + (square.hi * r.hi) * higher;
    DoubleDouble expm1 = FastTwoSum(r.hi, square.hi * 0.5);
    expm1.lo += tail;

    // 2^(j/128) · (1 + expm1)
    const DoubleDouble& t = kExp2Table[k & 127];
    const DoubleDouble product = TwoProduct(t.hi, expm1.hi);
    DoubleDouble result = FastTwoSum(t.hi, product.hi);
    result.lo += product.lo + t.hi * expm1.lo + t.lo + t.lo * expm1.hi;

    // The result lies in [0.99, 2.01]; its error is below 2^-76 (the cubic
    // term's rounding and the truncated series); the bound leaves a factor 16.
    return {result.hi, result.lo, 0x1p-72, static_cast<int>(k >> 7)};
}

}  // namespace detail

double CorrectlyRoundedExp(double x)
{
    // Outside this range the result may be subnormal or overflow; inside it
    // every intermediate and the result are normal.
    if (!(x > -707.0 && x < 709.0))
        return exact::Exp(x);
    if (std::fabs(x) <= 0x1p-54)
        return 1.0;
    const detail::FastResult fast = detail::FastExp(x);
    if (!RoundingDecided(fast.hi, fast.lo, fast.errorBound))
        return exact::Exp(x);
    return (fast.hi + fast.lo) * exact::PowerOfTwo(fast.scale);
}

namespace detail {

// x = 2^e · m with m in [1, 2); ln x = e·ln2 − ln c + ln(1 + r), r = m·c − 1,
// |r| ≤ 2^-8, where the table's c ≈ 1/m, and ln(1 + r) from its series.
FastResult FastLog(double x)
{
    auto bits = std::bit_cast<std::uint64_t>(x);
    int e = -1023;
    if ((bits >> 52) == 0) {  // subnormal: make it normal first
        bits = std::bit_cast<std::uint64_t>(x * 0x1p54);
        e -= 54;
    }
    e += static_cast<int>(bits >> 52);
    constexpr std::uint64_t kMantissaMask = (std::uint64_t{1} << 52) - 1;
    auto m = std::bit_cast<double>((bits & kMantissaMask) | (std::uint64_t{1023} << 52));
    const auto interval = static_cast<int>((bits >> 44) & 0xff);
    double reciprocal = kLogTable[interval].reciprocal;
    DoubleDouble minusLogReciprocal = kLogTable[interval].minusLog;
    // Just below a power of two, use m/2 with c = 1, so that ln x near 1 is
    // r itself plus its series, with no cancellation.
    const bool nearOne = interval == 255;
    if (nearOne) {
        m *= 0.5;
        ++e;
        reciprocal = 1.0;
        minusLogReciprocal = {0.0, 0.0};
    }

    // r = m·c − 1, exact: m's halves times the 10-bit c are exact, and so is
    // (m_hi·c) − 1 by Sterbenz.
    const auto mHi = std::bit_cast<double>(std::bit_cast<std::uint64_t>(m) & ~((std::uint64_t{1} << 27) - 1));
    const DoubleDouble r = TwoSum(mHi * reciprocal - 1.0, (m - mHi) * reciprocal);

    // ln(1 + r) = r − r²/2 + r³·(1/3 − r/4 + … − r⁷/10); the rest, from r¹¹/11
    // on, is below 2^-83.4·|r| since |r| ≤ 2^-8.
    const DoubleDouble square = TwoProduct(r.hi, r.hi);
    const double y = r.hi;
    const double higher = 1.0 / 3
        + y
            * (-1.0 / 4
                + y * (1.0 / 5 + y * (-1.0 / 6 + y * (1.0 / 7 + y * (-1.0 / 8 + y * (1.0 / 9 + y * (-1.0 / 10)))))));
    const double tail = (r.lo - square.lo * 0.5 - r.hi * r.lo) + (square.hi * r.hi) * higher + square.hi * r.lo;
    const DoubleDouble log1p = FastTwoSum(r.hi, -0.5 * square.hi);

    // e·ln2 − ln c: e·kLn2Head is exact (a 42-bit head, |e| < 1100).
    const auto ed = static_cast<double>(e);
    const DoubleDouble offset = TwoSum(ed * kLn2Head, minusLogReciprocal.hi);
    DoubleDouble result = TwoSum(offset.hi, log1p.hi);
    result.lo += offset.lo + (ed * kLn2Tail + minusLogReciprocal.lo) + log1p.lo + tail;

    // Near 1 (no offset) the error is relative, below 2^-68 (the cubic term's
    // rounding); elsewhere it is absolute, below 2^-76, and the result is at
    // least 2^-9. Each bound leaves a factor 4 or more.
    const bool relative = e == 0 && reciprocal == 1.0;
    const double bound = relative ? std::fabs(result.hi) * 0x1p-66 : 0x1p-72 + std::fabs(result.hi) * 0x1p-90;
    return {result.hi, result.lo, bound, 0};
}

}  // namespace detail

double CorrectlyRoundedLog(double x)
{
    if (!(x > 0.0) || std::isinf(x))
        return exact::Log(x);
    const detail::FastResult fast = detail::FastLog(x);
    if (!RoundingDecided(fast.hi, fast.lo, fast.errorBound))
        return exact::Log(x);
    return fast.hi + fast.lo;
}

double CorrectlyRoundedPower(double base, int exponent)
{
    switch (exponent) {
    case 1:
        return base;
    case 2:
        return base * base;  // one IEEE product: rounded once
    case -1:
        return 1.0 / base;  // one IEEE quotient: rounded once
    default:
        break;
    }
    // Cubes and fourth powers as a double-double within 2^-100 of the exact
    // power, where neither they nor their error terms leave the normal range.
    const double magnitude = std::fabs(base);
    if ((exponent == 3 || exponent == 4) && magnitude > 0x1p-200 && magnitude < 0x1p200) {
        const DoubleDouble square = TwoProduct(base, base);
        DoubleDouble power{};
        if (exponent == 3) {
            power = TwoProduct(square.hi, base);
            power.lo += square.lo * base;
        } else {
            power = TwoProduct(square.hi, square.hi);
            power.lo += 2.0 * square.hi * square.lo + square.lo * square.lo;
        }
        // Exact powers that lie on a midpoint go to the exact path too.
        if (RoundingDecided(power.hi, power.lo, std::fabs(power.hi) * 0x1p-100))
            return power.hi + power.lo;
    }
    return exact::Power(base, exponent);
}

}  // namespace dewpoint
