// The engine's exp, log and powers against MPFR's correctly rounded results:
// the published hard-to-round cases, ten million log-uniform random
// arguments (3 million for exp, 2.5 million for log, 4.5 million for the
// powers), and every argument that the window's whole grid passes to them.
#include "engine/correctly_rounded.h"
#include "engine/exact_arithmetic.h"
#include "engine/grid.h"
#include "support/engine.h"

#include <gtest/gtest.h>
#include <mpfr.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <unordered_set>
#include <vector>

namespace dewpoint {

// The engine's calls to its functions pass through these (the test links
// with --wrap), so that the grid's arguments can be collected.
std::unordered_set<std::uint64_t> gridExpArguments;
std::unordered_set<std::uint64_t> gridLogArguments;
std::unordered_set<std::uint64_t> gridPowerArguments[4];  // for the exponents -1, 2, 3 and 4

}  // namespace dewpoint

// The linker's names for the wrapped functions and the originals.
// NOLINTBEGIN(bugprone-reserved-identifier)
extern "C" {
double __real__ZN8dewpoint19CorrectlyRoundedExpEd(double x);
double __real__ZN8dewpoint19CorrectlyRoundedLogEd(double x);
double __real__ZN8dewpoint21CorrectlyRoundedPowerEdi(double base, int exponent);

double __wrap__ZN8dewpoint19CorrectlyRoundedExpEd(double x)
{
    dewpoint::gridExpArguments.insert(std::bit_cast<std::uint64_t>(x));
    return __real__ZN8dewpoint19CorrectlyRoundedExpEd(x);
}
double __wrap__ZN8dewpoint19CorrectlyRoundedLogEd(double x)
{
    dewpoint::gridLogArguments.insert(std::bit_cast<std::uint64_t>(x));
    return __real__ZN8dewpoint19CorrectlyRoundedLogEd(x);
}
double __wrap__ZN8dewpoint21CorrectlyRoundedPowerEdi(double base, int exponent)
{
    if (exponent == -1 || (exponent >= 2 && exponent <= 4))
        dewpoint::gridPowerArguments[exponent == -1 ? 0 : exponent - 1].insert(std::bit_cast<std::uint64_t>(base));
    return __real__ZN8dewpoint21CorrectlyRoundedPowerEdi(base, exponent);
}
}
// NOLINTEND(bugprone-reserved-identifier)

namespace dewpoint {
namespace {

using testing::Shortest;

// MPFR at 53 bits with the double's exponent range, so that it rounds
// subnormals and overflow exactly as a double does.
class Reference {
public:
    Reference()
    {
        mpfr_set_emin(-1073);
        mpfr_set_emax(1024);
        mpfr_init2(value_, 53);
    }
    ~Reference()
    {
        mpfr_clear(value_);
        mpfr_set_emin(mpfr_get_emin_min());
        mpfr_set_emax(mpfr_get_emax_max());
    }
    Reference(const Reference&) = delete;
    Reference& operator=(const Reference&) = delete;

    double Exp(double x) { return Apply(x, mpfr_exp); }
    double Log(double x) { return Apply(x, mpfr_log); }
    double Power(double x, int exponent)
    {
        mpfr_set_d(value_, x, MPFR_RNDN);
        const int inexact = mpfr_pow_si(value_, value_, exponent, MPFR_RNDN);
        mpfr_subnormalize(value_, inexact, MPFR_RNDN);
        return mpfr_get_d(value_, MPFR_RNDN);
    }

private:
    double Apply(double x, int (*function)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t))
    {
        mpfr_set_d(value_, x, MPFR_RNDN);
        const int inexact = function(value_, value_, MPFR_RNDN);
        mpfr_subnormalize(value_, inexact, MPFR_RNDN);
        return mpfr_get_d(value_, MPFR_RNDN);
    }
    mpfr_t value_;
};

// Collects the arguments whose result differs from the reference.
class Differences {
public:
    void Check(const char* function, double x, double ours, double reference)
    {
        if (std::bit_cast<std::uint64_t>(ours) == std::bit_cast<std::uint64_t>(reference))
            return;
        if (++count_ <= 10)
            ADD_FAILURE() << function << "(" << std::hexfloat << x << ") = " << ours << ", correctly rounded "
                          << reference;
    }
    [[nodiscard]] int count() const { return count_; }

private:
    int count_ = 0;
};

TEST(CorrectlyRounded, PublishedHardToRoundCases)
{
    std::ifstream file(DEWPOINT_TEST_DATA "/hard_to_round.txt");
    ASSERT_TRUE(file) << DEWPOINT_TEST_DATA "/hard_to_round.txt";
    Reference reference;
    Differences differences;
    int cases = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string function;
        std::string argument;
        fields >> function >> argument;
        const double x = std::strtod(argument.c_str(), nullptr);
        ++cases;
        if (function == "exp") {
            differences.Check("exp", x, CorrectlyRoundedExp(x), reference.Exp(x));
            differences.Check("exact exp", x, exact::Exp(x), reference.Exp(x));
        } else {
            differences.Check("log", x, CorrectlyRoundedLog(x), reference.Log(x));
            differences.Check("exact log", x, exact::Log(x), reference.Log(x));
        }
    }
    EXPECT_GT(cases, 150);
    EXPECT_EQ(differences.count(), 0);
}

// ±2^u with u uniform: every binade of the domain equally often.
double LogUniform(std::mt19937_64& random, double lowestPower, double highestPower, bool signs)
{
    const double magnitude = std::exp2(std::uniform_real_distribution<double>(lowestPower, highestPower)(random));
    return signs && (random() & 1U) != 0 ? -magnitude : magnitude;
}

// Special values and the edges of overflow and underflow.
TEST(CorrectlyRounded, EdgesOfTheRange)
{
    Reference reference;
    Differences differences;
    const double infinity = std::numeric_limits<double>::infinity();
    for (const double x : {0.0, -0.0, 0x1p-54, -0x1p-54, 0x1.0000000000001p-54, 709.782712893384, 709.7827128933841,
             -708.3964185322641, -708.3964185322642, -745.1332191019411, -745.1332191019412, -744.44007192138122, 710.0,
             -746.0, -1e300, 1e300, infinity, -infinity})
        differences.Check("exp", x, CorrectlyRoundedExp(x), reference.Exp(x));
    for (const double x : {1.0, std::nextafter(1.0, 2.0), std::nextafter(1.0, 0.0), 0x1p-1074, 0x1.8p-1070, 0x1p-1022,
             std::numeric_limits<double>::max(), 2.0, 0.5, infinity, 0.0})
        differences.Check("log", x, CorrectlyRoundedLog(x), reference.Log(x));
    for (const double x : {1.0 + 0x1p-18, 1.0 + 0x1p-13, -(1.0 + 0x1p-18), 0x1p-400, 0x1p300, 0x1.8p-350, 3.0, -0.0,
             0x1.fffffffffffffp+255, 0x1p-270})
        for (const int exponent : {-3, -2, -1, 2, 3, 4, 5, 6, 7})
            differences.Check("power", x, CorrectlyRoundedPower(x, exponent), reference.Power(x, exponent));
    EXPECT_EQ(differences.count(), 0);
    EXPECT_EQ(CorrectlyRoundedPower(10.0, -5), 0.00001);
}

// Exact powers that lie on a midpoint: an odd m whose cube or fourth power
// has exactly 54 bits. 208065³ and 9743⁴ end in …01 and round down to even,
// 208067³ ends in …11 and rounds up; as fractions, negative, and through the
// exact path alone.
TEST(CorrectlyRounded, PowersOnAMidpointRoundToEven)
{
    struct Tie {
        double odd;
        int exponent;
        double roundedPower;  // the even neighbour, worked out by hand
    };
    const Tie ties[] = {
        {208065, 3, 9007351116674624.0},  // 208065³ = 9007351116674625
        {208067, 3, 9007610865436764.0},  // 208067³ = 9007610865436763
        {9743, 4, 9010954778750400.0},    // 9743⁴ = 9010954778750401
    };
    Reference reference;
    for (const Tie& tie : ties) {
        EXPECT_EQ(CorrectlyRoundedPower(tie.odd, tie.exponent), tie.roundedPower) << tie.odd;
        EXPECT_EQ(exact::Power(tie.odd, tie.exponent), tie.roundedPower) << tie.odd;
        for (const double x : {tie.odd * 0x1p-18, -tie.odd * 0x1p-60, tie.odd * 0x1p+40}) {
            EXPECT_EQ(CorrectlyRoundedPower(x, tie.exponent), reference.Power(x, tie.exponent)) << std::hexfloat << x;
            EXPECT_EQ(exact::Power(x, tie.exponent), reference.Power(x, tie.exponent)) << std::hexfloat << x;
        }
    }
}

// Negative exponents are rounded once, also where |x|^|n| leaves the range
// of doubles or is exact but subnormal; the exponent is bounded, so that no
// call runs long.
TEST(CorrectlyRounded, NegativeAndLargeExponents)
{
    Reference reference;
    Differences differences;
    // (1 + 2^-26)² · 2^-1024 is exact in 53 bits but subnormal: its reciprocal
    // must not be taken from the rounded power.
    differences.Check(
        "power", 0x1.0000004p-512, CorrectlyRoundedPower(0x1.0000004p-512, -2), reference.Power(0x1.0000004p-512, -2));
    EXPECT_EQ(CorrectlyRoundedPower(0x1.0000004p-512, -2), 0x1.ffffff0000006p+1023);
    for (const double x : {0.1, -0.1, 10.0, 3.0, 0x1p-1074, 0x1p-600, 0x1.fffffffffffffp+1023, 1.0 + 0x1p-52,
             1.0 - 0x1p-53, -1.5, 0x1.8p-1070})
        for (const int exponent : {-2, -3, -4, -5, -17, -512, -1024, 7, 1024})
            differences.Check("power", x, CorrectlyRoundedPower(x, exponent), reference.Power(x, exponent));
    std::mt19937_64 random(20261209);
    for (int i = 0; i < 3'000; ++i) {
        const int exponent = -std::uniform_int_distribution<int>(2, 1024)(random);
        // Arguments whose powers cover the whole range and beyond.
        const double x = LogUniform(random, -2100.0 / -exponent, 2100.0 / -exponent, true);
        differences.Check("power", x, CorrectlyRoundedPower(x, exponent), reference.Power(x, exponent));
    }
    EXPECT_EQ(differences.count(), 0);
    for (const int exponent : {1025, -1025, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()})
        EXPECT_THROW(CorrectlyRoundedPower(1.5, exponent), std::domain_error) << exponent;
}

void CheckRandom(const char* function, int count, const std::function<double(std::mt19937_64&)>& argument,
    const std::function<double(double)>& ours, const std::function<double(double)>& reference)
{
    std::mt19937_64 random(20261209);
    Differences differences;
    for (int i = 0; i < count; ++i) {
        const double x = argument(random);
        differences.Check(function, x, ours(x), reference(x));
    }
    EXPECT_EQ(differences.count(), 0);
}

TEST(CorrectlyRounded, ExpOfRandomArguments)
{
    Reference reference;
    const auto ref = [&](double x) { return reference.Exp(x); };
    CheckRandom(
        "exp", 3'000'000, [](auto& r) { return LogUniform(r, -60, std::log2(746.0), true); }, CorrectlyRoundedExp, ref);
    // Overflow, the subnormal results and the underflow to zero.
    CheckRandom(
        "exp", 20'000, [](auto& r) { return std::uniform_real_distribution<double>(-746, -700)(r); },
        CorrectlyRoundedExp, ref);
    CheckRandom(
        "exp", 20'000, [](auto& r) { return std::uniform_real_distribution<double>(705, 710)(r); }, CorrectlyRoundedExp,
        ref);
}

TEST(CorrectlyRounded, LogOfRandomArguments)
{
    Reference reference;
    const auto ref = [&](double x) { return reference.Log(x); };
    CheckRandom(
        "log", 2'000'000, [](auto& r) { return LogUniform(r, -1074, 1024, false); }, CorrectlyRoundedLog, ref);
    // Near 1, where the result is tiny and its error must be relative.
    CheckRandom(
        "log", 500'000, [](auto& r) { return 1.0 + LogUniform(r, -53, -1, true); }, CorrectlyRoundedLog, ref);
}

TEST(CorrectlyRounded, PowersOfRandomArguments)
{
    Reference reference;
    for (const int exponent : {3, 4}) {
        CheckRandom(
            "power", 2'250'000, [](auto& r) { return LogUniform(r, -400, 300, true); },
            [exponent](double x) { return CorrectlyRoundedPower(x, exponent); },
            [&](double x) { return reference.Power(x, exponent); });
    }
}

// The fast paths' claimed error bounds cover their real errors where these
// are largest: near 1 for log (relative error, up to a ninth of its bound
// here), across whole binades, and near the ends of exp's fast range. The
// analysis behind each bound leaves a factor 4 or more; over these
// arguments every error stays below an eighth of its bound.
TEST(CorrectlyRounded, FastPathBoundsCoverTheirErrors)
{
    mpfr_t exact;
    mpfr_t approximation;
    mpfr_inits2(400, exact, approximation, static_cast<mpfr_ptr>(nullptr));
    double worstShare = 0.0;  // the largest error seen, as a share of its bound
    const auto check = [&](const char* function, double x, const detail::FastResult& fast,
                           int (*reference)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t)) {
        mpfr_set_d(exact, x, MPFR_RNDN);
        reference(exact, exact, MPFR_RNDN);
        mpfr_div_2si(exact, exact, fast.scale, MPFR_RNDN);
        mpfr_set_d(approximation, fast.hi, MPFR_RNDN);
        mpfr_add_d(approximation, approximation, fast.lo, MPFR_RNDN);
        mpfr_sub(approximation, approximation, exact, MPFR_RNDN);
        const double error = std::fabs(mpfr_get_d(approximation, MPFR_RNDU));
        worstShare = std::max(worstShare, error / fast.errorBound);
        if (!(error <= fast.errorBound / 8))
            ADD_FAILURE() << function << "(" << std::hexfloat << x << "): error " << error << " against a bound of "
                          << fast.errorBound;
    };
    std::mt19937_64 random(8573);
    for (int i = 0; i < 200'000; ++i) {
        const double nearOne = 1.0 + LogUniform(random, -52, -8, true);
        check("log", nearOne, detail::FastLog(nearOne), mpfr_log);
        const double any = LogUniform(random, -1074, 1024, false);
        check("log", any, detail::FastLog(any), mpfr_log);
        const double exponent = LogUniform(random, -53, std::log2(706.0), true);
        check("exp", exponent, detail::FastExp(exponent), mpfr_exp);
    }
    for (const double x : {1.0 + 0x1p-52, 1.0 - 0x1p-53, 0x1.fffffep-1, 0x1.00001p0, 0x1.ff8p-1, 0x1p-1074})
        check("log", x, detail::FastLog(x), mpfr_log);
    for (const double x : {-706.99, 708.99, 0x1.0000000000001p-54, -0x1.0000000000001p-54, 0.5, -0.5})
        check("exp", x, detail::FastExp(x), mpfr_exp);
    mpfr_clears(exact, approximation, static_cast<mpfr_ptr>(nullptr));
    // The bounds are not so loose that the check above says nothing.
    EXPECT_GT(worstShare, 1.0 / 1024) << "the bounds are far above every error seen";
}

// Every argument the conversion passes to the functions, over all reachable states.
TEST(CorrectlyRounded, EveryArgumentOfTheGrid)
{
    gridExpArguments.clear();
    gridLogArguments.clear();
    for (auto& arguments : gridPowerArguments)
        arguments.clear();
    ForEachGridPoint([](const GridPoint& point) { ConvertAtGridPoint(point); });
    Reference reference;
    Differences differences;
    for (const std::uint64_t bits : gridExpArguments) {
        const auto x = std::bit_cast<double>(bits);
        differences.Check("exp", x, __real__ZN8dewpoint19CorrectlyRoundedExpEd(x), reference.Exp(x));
    }
    for (const std::uint64_t bits : gridLogArguments) {
        const auto x = std::bit_cast<double>(bits);
        differences.Check("log", x, __real__ZN8dewpoint19CorrectlyRoundedLogEd(x), reference.Log(x));
    }
    const int exponents[] = {-1, 2, 3, 4};
    for (std::size_t i = 0; i < 4; ++i)
        for (const std::uint64_t bits : gridPowerArguments[i]) {
            const auto x = std::bit_cast<double>(bits);
            differences.Check("power", x, __real__ZN8dewpoint21CorrectlyRoundedPowerEdi(x, exponents[i]),
                reference.Power(x, exponents[i]));
        }
    // The temperatures, the two vapour-pressure exponents of each, two
    // logarithms and the powers of the two ratios of each state.
    EXPECT_EQ(gridExpArguments.size(), 2402U);
    EXPECT_GT(gridLogArguments.size(), 900'000U);
    EXPECT_GT(gridPowerArguments[3].size(), 500'000U);
    EXPECT_EQ(differences.count(), 0);
}

}  // namespace
}  // namespace dewpoint
