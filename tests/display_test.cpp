#include "engine/display.h"

#include "engine/exact_arithmetic.h"

#include "engine/faults.h"
#include "engine/grid.h"

#include <gtest/gtest.h>

#include <vector>

#include <random>

#include <limits>

#include <charconv>

#include <array>

#include <cmath>
#include <cstdlib>
#include <string>

namespace dewpoint {
namespace {

TEST(Display, OneDecimalPattern)
{
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "0.0"}, {-0.0, "0.0"}, {0.25, "0.3"},  // an exact half rounds away from zero
        {-0.25, "-0.3"}, {0.35, "0.4"},              // 0.34999999999999997 in binary, 0.35 to 15 digits
        {0.04999, "0.0"}, {-0.04, "0.0"},            // rounds to zero: no minus sign
        {-0.0000036, "0.0"}, {-0.05, "-0.1"}, {0.95, "1.0"}, {9.96, "10.0"}, {32.14777765981855, "32.1"},
        {-99.99968543778148, "-100.0"}, {1234567.85, "1234567.9"},        // no digit grouping
        {1e-300, "0.0"}, {123456789012345678.0, "123456789012346000.0"},  // 15 significant digits
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(FormatOneDecimal(c.value), c.text);
    }
    EXPECT_EQ(FormatOneDecimal(-3.38683, ","), "-3,4");
    EXPECT_EQ(FormatOneDecimal(20.0, "\u066B"), "20\u066B0");
}

TEST(Display, WholePattern)
{
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {14.5, "15"},
        {2.5, "3"},
        {-2.5, "-3"},
        {101.50000000000001, "102"},
        {580.0, "580"},
        {0.0, "0"},
        {-0.4, "0"},
        {-0.5, "-1"},
        {0.49999, "0"},
        {43.49999999999999, "44"},
        {999.5, "1000"},
        {1e6, "1000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(FormatWhole(c.value), c.text);
    }
}

TEST(Display, NonFiniteValuesHaveNoText)
{
    EXPECT_THROW(FormatOneDecimal(NAN), ArithmeticFault);
    EXPECT_THROW(FormatWhole(INFINITY), ArithmeticFault);
    EXPECT_THROW(PsiText(1e308), ArithmeticFault);  // × 14.5 overflows
}

TEST(Display, LabelTextsAtNamedPositions)
{
    struct Case {
        std::int16_t scroll;
        const char* bar;
        const char* psi;
    };
    const Case pressures[] = {
        {0, "0.0 bar", "0 psi"},
        {10, "1.0 bar", "15 psi"},
        {70, "7.0 bar", "102 psi"},
        {400, "40.0 bar", "580 psi"},
    };
    for (const auto& c : pressures) {
        SCOPED_TRACE(c.scroll);
        EXPECT_EQ(BarText(PressureGaugeFromScroll(c.scroll)), c.bar);
        EXPECT_EQ(PsiText(PressureGaugeFromScroll(c.scroll)), c.psi);
    }
    EXPECT_EQ(PressureGaugeFromScroll(10), 1.0);

    struct SensorCase {
        std::int16_t scroll;
        const char* text;
    };
    const SensorCase sensors[] = {
        {1000, "0.0 \u00B0C"},
        {600, "-40.0 \u00B0C"},
        {0, "-100.0 \u00B0C"},
        {1200, "20.0 \u00B0C"},
        {999, "-0.1 \u00B0C"},
    };
    for (const auto& c : sensors) {
        SCOPED_TRACE(c.scroll);
        EXPECT_EQ(SensorDewpointText(c.scroll), c.text);
    }
    EXPECT_EQ(TempKFromScroll(1000), 273.15);
    EXPECT_EQ(TempKFromScroll(600), (600 - 1000) * 0.1 + 273.15);
    EXPECT_EQ(SensorDewpointText(600, ","), "-40,0 \u00B0C");
    EXPECT_EQ(BarText(7.000000000000001, ","), "7,0 bar");
    EXPECT_EQ(CelsiusText(32.14777765981855), "32.1 \u00B0C");
    EXPECT_EQ(std::string("\u00B0"), "\xC2\xB0");  // the texts are UTF-8
}

// Every position of both bars shows the value a person would compute by
// hand from the scroll value: tenths of a bar, 1.45 psi per step rounded
// half up, tenths of a degree.
TEST(Display, EveryScrollPositionShowsTheDecimalValue)
{
    for (int scroll = 0; scroll <= 400; ++scroll) {
        SCOPED_TRACE(scroll);
        const double bar = PressureGaugeFromScroll(static_cast<std::int16_t>(scroll));
        EXPECT_EQ(BarText(bar), std::to_string(scroll / 10) + "." + std::to_string(scroll % 10) + " bar");
        EXPECT_EQ(PsiText(bar), std::to_string((145 * scroll + 50) / 100) + " psi");
    }
    for (int scroll = 0; scroll <= 1200; ++scroll) {
        SCOPED_TRACE(scroll);
        const int tenths = scroll - 1000;
        const std::string magnitude
            = std::to_string(std::abs(tenths) / 10) + "." + std::to_string(std::abs(tenths) % 10);
        EXPECT_EQ(
            SensorDewpointText(static_cast<std::int16_t>(scroll)), (tenths < 0 ? "-" : "") + magnitude + " \u00B0C");
    }
}

TEST(Display, TechnicianTexts)
{
    EXPECT_EQ(FahrenheitText(32.14777765981855), "89.9 \u00B0F");
    EXPECT_EQ(FahrenheitText(-40.0), "-40.0 \u00B0F");
    EXPECT_EQ(FahrenheitText(-17.8), "0.0 \u00B0F");  // -0.04 °F
    EXPECT_EQ(FahrenheitText(100.0, ","), "212,0 \u00B0F");
    EXPECT_EQ(AbsoluteBarText(PressureGaugeFromScroll(70)), "8.01 bar(a)");
    EXPECT_EQ(AbsolutePsiText(PressureGaugeFromScroll(70)), "116.2 psia");
    EXPECT_EQ(AbsoluteBarText(0.0, ","), "1,01 bar(a)");
    EXPECT_EQ(AbsolutePsiText(40.0), "594.7 psia");
    EXPECT_EQ(FormatTwoDecimals(0.125), "0.13");
    EXPECT_EQ(RoundedToOneDecimal(-19.97), -20.0);
    EXPECT_EQ(RoundedToOneDecimal(-0.04), 0.0);
}

// The rounded value is the text read back: the double nearest to it (0.3 is 0x1.3333333333333p-2, not
// 0.30000000000000004), around every tenth the read-out and the command line can show and beyond.
TEST(Display, RoundedValueIsTheTextReadBack)
{
    int differences = 0;
    for (int tenths = -20000; tenths <= 20000; ++tenths)
        for (const double offset : {0.0, 0.03, -0.049, 0.05}) {
            const double value = tenths / 10.0 + offset;
            const double readBack = std::strtod(FormatOneDecimal(value).c_str(), nullptr);
            if (RoundedToOneDecimal(value) != readBack && ++differences <= 5)
                ADD_FAILURE() << std::hexfloat << value << " rounds to " << RoundedToOneDecimal(value) << ", not "
                              << readBack;
        }
    EXPECT_EQ(differences, 0);
}

TEST(Display, HumidityClassesByPressureDewpoint)
{
    struct Case {
        double celsius;
        int humidityClass;
    };
    const Case cases[] = {
        {-100.0, 1},
        {-70.0, 1},
        {-69.9, 2},
        {-40.0, 2},
        {-39.9, 3},
        {-20.0, 3},
        {-19.9, 4},
        {3.0, 4},
        {3.1, 5},
        {7.0, 5},
        {7.1, 6},
        {10.0, 6},
        {10.1, 0},
        {93.5, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.celsius);
        EXPECT_EQ(HumidityClassIso8573(c.celsius), c.humidityClass);
        if (c.humidityClass > 0) {
            EXPECT_GE(HumidityClassLimitC(c.humidityClass), c.celsius);
        }
    }
    EXPECT_THROW(HumidityClassLimitC(0), std::out_of_range);
    EXPECT_THROW(HumidityClassLimitC(7), std::out_of_range);
}

TEST(Display, SixteenBitSubtractionIsChecked)
{
    EXPECT_THROW(SensorCelsiusFromScroll(-31769), IntegerOverflow);
    EXPECT_THROW(TempKFromScroll(-32768), IntegerOverflow);
    EXPECT_DOUBLE_EQ(SensorCelsiusFromScroll(-31768), -3276.8);
    EXPECT_DOUBLE_EQ(SensorCelsiusFromScroll(32767), 3176.7);
    try {
        SensorDewpointText(-31769);
        ADD_FAILURE();
    } catch (const IntegerOverflow& overflow) {
        EXPECT_STREQ(overflow.what(), "16-bit integer overflow in -31769 - 1000");
    }
}

// The engine's own decimal digits are those of std::to_chars, which the
// web build cannot afford: for doubles across the whole range, for exact
// ties at the 15th digit, and for the largest and smallest.
TEST(Display, DecimalDigitsAreThoseOfToChars)
{
    const auto expected = [](double value) {
        std::array<char, 48> buffer{};
        char* end
            = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific, 14).ptr;
        const std::string text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
        const std::size_t e = text.find('e');
        return text.substr(0, 1) + text.substr(2, e - 2) + " " + std::to_string(std::stoi(text.substr(e + 1)));
    };
    const auto ours = [](double value) {
        const exact::DecimalDigits d = exact::ToDecimalDigits(value, 15);
        return std::to_string(d.digits) + " " + std::to_string(d.exponent);
    };
    std::vector<double> values{1.0, 0.5, 43.5, 2.9999999999999996 * 14.5, 1.0000000000000005, 9.999999999999995,
        std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min(), 0x1p-1022, 123456789012345.5,
        1e15, 999999999999999.5, 32.14777765981855};
    std::mt19937_64 random(8573);
    for (int i = 0; i < 50000; ++i)
        values.push_back(std::exp2(std::uniform_real_distribution<double>(-1074, 1024)(random)));
    int differences = 0;
    for (const double value : values)
        if (ours(value) != expected(value) && ++differences <= 5)
            ADD_FAILURE() << std::hexfloat << value << ": " << ours(value) << " against " << expected(value);
    EXPECT_EQ(differences, 0);
}

}  // namespace
}  // namespace dewpoint
