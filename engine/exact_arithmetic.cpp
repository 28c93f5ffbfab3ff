#include "strict_arithmetic.h"

#include "exact_arithmetic.h"

#include "faults.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace dewpoint::exact {

namespace {

constexpr int kLimbBits = 32;
using Limb = std::uint32_t;
using Wide = std::uint64_t;

}  // namespace

Natural::Natural(std::uint64_t value)
{
    for (; value != 0; value >>= kLimbBits)
        limbs_.push_back(static_cast<Limb>(value));
}

void Natural::Trim()
{
    while (!limbs_.empty() && limbs_.back() == 0)
        limbs_.pop_back();
}

int Natural::BitLength() const
{
    if (limbs_.empty())
        return 0;
    return static_cast<int>(limbs_.size() - 1) * kLimbBits + static_cast<int>(std::bit_width(limbs_.back()));
}

bool Natural::Bit(int index) const
{
    if (index < 0)
        return false;
    const auto limb = static_cast<std::size_t>(index / kLimbBits);
    return limb < limbs_.size() && ((limbs_[limb] >> (index % kLimbBits)) & 1U) != 0;
}

bool Natural::AnyBitBelow(int index) const
{
    if (index <= 0)
        return false;
    const auto whole = std::min(static_cast<std::size_t>(index / kLimbBits), limbs_.size());
    if (std::any_of(limbs_.begin(), limbs_.begin() + static_cast<std::ptrdiff_t>(whole), [](Limb l) { return l != 0; }))
        return true;
    if (whole == limbs_.size())
        return false;
    const int rest = index % kLimbBits;
    return rest != 0 && (limbs_[whole] & ((Limb{1} << rest) - 1)) != 0;
}

Natural Natural::ShiftedLeft(int bits) const
{
    if (bits < 0)
        return ShiftedRight(-bits);
    if (IsZero())
        return {};
    Natural result;
    result.limbs_.assign(static_cast<std::size_t>(bits / kLimbBits), 0);
    const int rest = bits % kLimbBits;
    Limb carry = 0;
    for (const Limb limb : limbs_) {
        result.limbs_.push_back(static_cast<Limb>(limb << rest) | carry);
        carry = rest == 0 ? 0 : limb >> (kLimbBits - rest);
    }
    result.limbs_.push_back(carry);
    result.Trim();
    return result;
}

Natural Natural::ShiftedRight(int bits) const
{
    if (bits < 0)
        return ShiftedLeft(-bits);
    const auto skipped = static_cast<std::size_t>(bits / kLimbBits);
    if (skipped >= limbs_.size())
        return {};
    const int rest = bits % kLimbBits;
    Natural result;
    for (std::size_t i = skipped; i < limbs_.size(); ++i) {
        const Limb high
            = i + 1 < limbs_.size() && rest != 0 ? static_cast<Limb>(limbs_[i + 1] << (kLimbBits - rest)) : 0;
        result.limbs_.push_back((limbs_[i] >> rest) | high);
    }
    result.Trim();
    return result;
}

Natural Natural::DividedBy(std::uint32_t divisor) const
{
    Natural result;
    result.limbs_.resize(limbs_.size());
    Wide remainder = 0;
    for (std::size_t i = limbs_.size(); i-- > 0;) {
        const Wide current = (remainder << kLimbBits) | limbs_[i];
        result.limbs_[i] = static_cast<Limb>(current / divisor);
        remainder = current % divisor;
    }
    result.Trim();
    return result;
}

Natural operator+(const Natural& left, const Natural& right)
{
    const Natural& longer = left.limbs_.size() >= right.limbs_.size() ? left : right;
    const Natural& shorter = &longer == &left ? right : left;
    Natural sum;
    Wide carry = 0;
    for (std::size_t i = 0; i < longer.limbs_.size(); ++i) {
        carry += Wide{longer.limbs_[i]} + (i < shorter.limbs_.size() ? shorter.limbs_[i] : 0);
        sum.limbs_.push_back(static_cast<Limb>(carry));
        carry >>= kLimbBits;
    }
    sum.limbs_.push_back(static_cast<Limb>(carry));
    sum.Trim();
    return sum;
}

Natural operator-(const Natural& left, const Natural& right)
{
    if (left < right)
        Raise(std::logic_error("exact::Natural: negative difference"));
    Natural difference;
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < left.limbs_.size(); ++i) {
        std::int64_t current = std::int64_t{left.limbs_[i]} - borrow - (i < right.limbs_.size() ? right.limbs_[i] : 0);
        borrow = current < 0 ? 1 : 0;
        current += borrow << kLimbBits;
        difference.limbs_.push_back(static_cast<Limb>(current));
    }
    difference.Trim();
    return difference;
}

Natural operator*(const Natural& left, const Natural& right)
{
    if (left.IsZero() || right.IsZero())
        return {};
    Natural product;
    product.limbs_.assign(left.limbs_.size() + right.limbs_.size(), 0);
    for (std::size_t i = 0; i < left.limbs_.size(); ++i) {
        Wide carry = 0;
        for (std::size_t j = 0; j < right.limbs_.size(); ++j) {
            carry += Wide{left.limbs_[i]} * right.limbs_[j] + product.limbs_[i + j];
            product.limbs_[i + j] = static_cast<Limb>(carry);
            carry >>= kLimbBits;
        }
        product.limbs_[i + right.limbs_.size()] = static_cast<Limb>(carry);
    }
    product.Trim();
    return product;
}

std::strong_ordering operator<=>(const Natural& left, const Natural& right)
{
    if (left.limbs_.size() != right.limbs_.size())
        return left.limbs_.size() <=> right.limbs_.size();
    for (std::size_t i = left.limbs_.size(); i-- > 0;)
        if (left.limbs_[i] != right.limbs_[i])
            return left.limbs_[i] <=> right.limbs_[i];
    return std::strong_ordering::equal;
}

namespace {

// value · 2^exponent, exact for a value that the result can hold.
double ScaledByPowerOfTwo(double value, int exponent)
{
    constexpr int kStep = 1000;
    // One direction at a time, so that no intermediate rounds.
    for (; exponent > kStep; exponent -= kStep)
        value *= PowerOfTwo(kStep);
    for (; exponent < -kStep; exponent += kStep)
        value *= PowerOfTwo(-kStep);
    return value * PowerOfTwo(exponent);
}

// A finite non-zero double as mantissa · 2^exponent with a 53-bit mantissa.
struct Decomposed {
    std::uint64_t mantissa;
    int exponent;
};
Decomposed Decompose(double x)
{
    const auto bits = std::bit_cast<std::uint64_t>(x);
    const auto biased = static_cast<int>((bits >> 52) & 0x7ff);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    int exponent = biased - 1075;
    if (biased == 0) {
        exponent = -1074;
        const int shift = 53 - static_cast<int>(std::bit_width(mantissa));
        mantissa <<= shift;
        exponent -= shift;
    } else {
        mantissa |= std::uint64_t{1} << 52;
    }
    return {mantissa, exponent};
}

// The bits of `value` from `lowest` up, at most 64 of them.
std::uint64_t TopBits(const Natural& value, int lowest)
{
    std::uint64_t bits = 0;
    for (int bit = value.BitLength() - 1; bit >= std::max(lowest, 0); --bit)
        bits = (bits << 1) | (value.Bit(bit) ? 1U : 0U);
    return bits;
}

// One in fixed point with `bits` fractional bits.
Natural FixedOne(int bits)
{
    return Natural(1).ShiftedLeft(bits);
}

Natural FixedProduct(const Natural& left, const Natural& right, int bits)
{
    return (left * right).ShiftedRight(bits);
}

// ln 2 with `bits` fractional bits, from ln 2 = 2·atanh(1/3)
// = 2·Σ 1/((2k+1)·3^(2k+1)); too small by at most 2·bits units.
Natural Ln2Fixed(int bits)
{
    Natural power = FixedOne(bits).DividedBy(3);
    Natural sum;
    for (std::uint32_t k = 0; !power.IsZero(); ++k) {
        sum = sum + power.DividedBy(2 * k + 1);
        power = power.DividedBy(9);
    }
    return sum.ShiftedLeft(1);
}

// The precisions the exact functions try, in fractional bits: every one is
// far beyond the 53 + 67 bits that the hardest published cases of exp and
// log need, so the first nearly always decides.
constexpr int kFirstPrecision = 256;
constexpr int kLastPrecision = 8192;

// The largest |exponent| of Power: the exact power of a 53-bit mantissa then
// has at most 54,272 bits, a few milliseconds' work.
constexpr int kLargestPowerExponent = 1024;

}  // namespace

DecimalDigits ToDecimalDigits(double magnitude, int significant)
{
    const Decomposed d = Decompose(magnitude);
    std::uint64_t lowest = 1;  // 10^(significant − 1)
    for (int i = 1; i < significant; ++i)
        lowest *= 10;
    // magnitude = m·2^e lies in [10^x, 10^(x+1)); first guess x from e.
    int x = ((d.exponent + 52) * 30103) / 100000 - ((d.exponent + 52) < 0 ? 1 : 0);
    for (;;) {
        // t = magnitude·10^k with k = significant − 1 − x, as a whole part q
        // and, from one guard bit and what lies below, the rounding.
        const int k = significant - 1 - x;
        Natural power(1);
        for (int i = 0; i < std::abs(k); ++i)
            power = power * Natural(5);
        // t = m·2^(e+k)·5^k: multiply by 5^k, or divide by 5^(-k) one five at a time.
        Natural a = k >= 0 ? Natural(d.mantissa) * power : Natural(d.mantissa);
        int shift = d.exponent + k + 1;  // one guard bit
        bool beyond = false;             // something below the guard bit
        if (shift > 0) {
            a = a.ShiftedLeft(shift);
            shift = 0;
        }
        for (int i = 0; i < -k; ++i) {
            const Natural quotient = a.DividedBy(5);
            beyond = beyond || !(quotient * Natural(5) == a);
            a = quotient;
        }
        const int dropped = -shift;  // bits of a below the units of 2t
        beyond = beyond || a.AnyBitBelow(dropped);
        const Natural twice = a.ShiftedRight(dropped);
        std::uint64_t q = TopBits(twice, 1);
        const bool half = twice.Bit(0);
        if (q < lowest) {
            --x;
            continue;
        }
        if (q >= lowest * 10) {
            ++x;
            continue;
        }
        if (half && (beyond || (q & 1U) != 0))
            ++q;
        if (q == lowest * 10)
            return {lowest, x + 1};
        return {q, x};
    }
}

double PowerOfTwo(int exponent)
{
    return std::bit_cast<double>(static_cast<std::uint64_t>(1023 + exponent) << 52);
}

double RoundToNearest(const Natural& value, int scale)
{
    if (value.IsZero())
        return 0.0;
    const int length = value.BitLength();
    const int exponent = length - 1 + scale;  // value · 2^scale lies in [2^exponent, 2^(exponent+1))
    if (exponent > 1023)
        return std::numeric_limits<double>::infinity();
    // 53 significant bits, fewer below the smallest normal exponent.
    const int kept = exponent >= -1022 ? 53 : exponent + 1075;
    const int dropped = length - kept;
    if (dropped <= 0)  // few enough bits to be exact
        return ScaledByPowerOfTwo(static_cast<double>(TopBits(value, 0)), scale);
    std::uint64_t kept_bits = TopBits(value, dropped);
    const bool half = value.Bit(dropped - 1);
    const bool beyondHalf = value.AnyBitBelow(dropped - 1);
    if (half && (beyondHalf || (kept_bits & 1U) != 0))
        ++kept_bits;
    return ScaledByPowerOfTwo(static_cast<double>(kept_bits), scale + dropped);
}

std::optional<double> RoundIfDecided(const Natural& value, const Natural& error, int scale, bool negative)
{
    const double lower = RoundToNearest(value >= error ? value - error : Natural(), scale);
    const double upper = RoundToNearest(value + error, scale);
    if (lower != upper)
        return std::nullopt;
    return negative ? -lower : lower;
}

double Exp(double x)
{
    if (std::isnan(x))
        return x;
    if (x > 710.0)
        return std::numeric_limits<double>::infinity();
    if (x < -746.0)
        return 0.0;
    // Below 2^-54, exp x lies within half an ulp of 1.
    if (std::fabs(x) <= 0x1p-54)
        return 1.0;

    const Decomposed d = Decompose(std::fabs(x));
    const bool negative = x < 0.0;
    for (int bits = kFirstPrecision; bits <= kLastPrecision; bits *= 2) {
        // |x| is exact with this many fractional bits, since |x| > 2^-54.
        const Natural magnitude = Natural(d.mantissa).ShiftedLeft(d.exponent + bits);
        const Natural ln2 = Ln2Fixed(bits);
        // x = ±k·ln 2 + r with 0 ≤ r < ln 2: exp x = 2^(±k) · exp r.
        auto k = static_cast<std::uint32_t>(std::fabs(x) * 1.4426950408889634);
        if (negative)
            ++k;
        const auto multiple = [&](std::uint32_t n) { return ln2 * Natural(n); };
        if (!negative) {
            while (multiple(k) > magnitude)
                --k;
            while (magnitude - multiple(k) >= ln2)
                ++k;
        } else {
            while (multiple(k) < magnitude)
                ++k;
            while (multiple(k) - magnitude >= ln2)
                --k;
        }
        const Natural r = negative ? multiple(k) - magnitude : magnitude - multiple(k);

        // exp r = (exp(r / 2^10))^(2^10), the inner one by its Taylor series.
        constexpr int kHalvings = 10;
        const Natural small = r.ShiftedRight(kHalvings);
        Natural term = FixedOne(bits);
        Natural sum = term;
        for (std::uint32_t i = 1; !term.IsZero(); ++i) {
            term = FixedProduct(term, small, bits).DividedBy(i);
            sum = sum + term;
        }
        for (int i = 0; i < kHalvings; ++i)
            sum = FixedProduct(sum, sum, bits);

        // Error: ln 2's (2·bits units) times k ≤ 1077 carried into r, doubled
        // by exp r < 2: 2^25.1 units at 8192 bits; the series' and squarings'
        // truncations amplified 2^10 times add under 2^14. Below 2^26 units
        // for every precision tried.
        const Natural error = Natural(1).ShiftedLeft(26);
        const int scale = (negative ? -static_cast<int>(k) : static_cast<int>(k)) - bits;
        if (const std::optional<double> result = RoundIfDecided(sum, error, scale, false))
            return *result;
    }
    Raise(std::logic_error("exact::Exp: rounding not decided"));
}

double Log(double x)
{
    if (std::isnan(x) || x < 0.0)
        return std::numeric_limits<double>::quiet_NaN();
    if (x == 0.0)
        return -std::numeric_limits<double>::infinity();
    if (std::isinf(x) || x == 1.0)
        return x == 1.0 ? 0.0 : x;

    // x = m · 2^e with m in [0.75, 1.5).
    const Decomposed d = Decompose(x);
    int e = d.exponent + 52;
    int mantissaBits = 52;  // m = mantissa / 2^mantissaBits
    if (d.mantissa >= (std::uint64_t{3} << 51)) {
        ++e;
        ++mantissaBits;
    }
    const std::uint64_t one = std::uint64_t{1} << mantissaBits;
    const bool mantissaBelowOne = d.mantissa < one;
    const std::uint64_t numerator = mantissaBelowOne ? one - d.mantissa : d.mantissa - one;
    const std::uint64_t denominator = d.mantissa + one;  // below 2^55

    for (int bits = kFirstPrecision; bits <= kLastPrecision; bits *= 2) {
        // z = |m − 1| / (m + 1), digit by digit, rounded down.
        Natural z;
        std::uint64_t remainder = numerator;
        for (int i = 0; i < bits; ++i) {
            remainder <<= 1;
            const bool digit = remainder >= denominator;
            if (digit)
                remainder -= denominator;
            z = z.ShiftedLeft(1) + Natural(digit ? 1 : 0);
        }
        // ln m = ±2·atanh z = ±2·Σ z^(2k+1)/(2k+1), with |z| ≤ 1/5.
        const Natural square = FixedProduct(z, z, bits);
        Natural power = z;
        Natural sum = z;
        for (std::uint32_t k = 1;; ++k) {
            power = FixedProduct(power, square, bits);
            if (power.IsZero())
                break;
            sum = sum + power.DividedBy(2 * k + 1);
        }
        const Natural lnMantissa = sum.ShiftedLeft(1);

        // ln x = e·ln 2 ± ln m, where |e·ln 2| ≥ ln 2 > |ln m| unless e = 0.
        const Natural eLn2 = Ln2Fixed(bits) * Natural(static_cast<std::uint64_t>(std::abs(e)));
        Natural magnitude;
        bool negative = false;
        if (e == 0) {
            magnitude = lnMantissa;
            negative = mantissaBelowOne;
        } else if ((e > 0) == !mantissaBelowOne) {
            magnitude = eLn2 + lnMantissa;
            negative = e < 0;
        } else {
            magnitude = eLn2 - lnMantissa;
            negative = e < 0;
        }
        // Error: the series' truncations (4 units per term, under bits/4
        // terms) and ln 2's (2·bits units) times |e| ≤ 1075: below 2^25 units.
        // The result is at least 2^-54, so 256 bits leave it over 170 bits.
        const Natural error = Natural(1).ShiftedLeft(25);
        if (const std::optional<double> result = RoundIfDecided(magnitude, error, -bits, negative))
            return *result;
    }
    Raise(std::logic_error("exact::Log: rounding not decided"));
}

double Power(double base, int exponent)
{
    if (exponent < -kLargestPowerExponent || exponent > kLargestPowerExponent)
        Raise(std::domain_error("exact::Power: the exponent must lie within -1024 and 1024"));
    if (exponent == 0 || std::isnan(base))
        return exponent == 0 ? 1.0 : base;
    const bool oddExponent = exponent % 2 != 0;
    if (base == 0.0 || std::isinf(base)) {
        // ±0 and ±∞: the power is 0 or ∞, negative for a negative base and an odd exponent.
        const double magnitude = (base == 0.0) == (exponent > 0) ? 0.0 : std::numeric_limits<double>::infinity();
        return std::signbit(base) && oddExponent ? -magnitude : magnitude;
    }
    // |base| = odd · 2^oddScale: the odd part alone is multiplied, by squaring.
    const Decomposed d = Decompose(std::fabs(base));
    const auto zeros = static_cast<int>(std::countr_zero(d.mantissa));
    const Natural odd(d.mantissa >> zeros);
    const int oddScale = d.exponent + zeros;
    const auto count = static_cast<unsigned>(exponent < 0 ? -exponent : exponent);
    Natural power(1);
    Natural square = odd;
    for (unsigned rest = count; rest != 0; rest >>= 1U) {
        if ((rest & 1U) != 0)
            power = power * square;
        if (rest > 1)
            square = square * square;
    }
    const int scale = oddScale * static_cast<int>(count);  // |scale| ≤ 1126 · 1024
    double magnitude = 0.0;
    if (exponent > 0) {
        magnitude = RoundToNearest(power, scale);
    } else {
        // 1 / (power · 2^scale), rounded once: q = ⌊2^(length+55) / power⌋ has
        // 56 or 57 bits, and a remainder makes a sticky bit below them.
        const int length = power.BitLength();
        Natural remainder = Natural(1).ShiftedLeft(length - 1);
        std::uint64_t quotient = 0;
        for (int bit = 0; bit <= 56; ++bit) {
            if (bit > 0)
                remainder = remainder.ShiftedLeft(1);
            quotient <<= 1U;
            if (remainder >= power) {
                remainder = remainder - power;
                quotient |= 1U;
            }
        }
        const std::uint64_t sticky = remainder.IsZero() ? 0 : 1;
        magnitude = RoundToNearest(Natural(2 * quotient + sticky), -scale - length - 56);
    }
    return base < 0.0 && oddExponent ? -magnitude : magnitude;
}

}  // namespace dewpoint::exact
