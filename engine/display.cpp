#include "strict_arithmetic.h"

#include "display.h"

#include "checked_math.h"
#include "conversion.h"
#include "exact_arithmetic.h"
#include "grid.h"
#include "units.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numeric>
#include <optional>

namespace dewpoint {

namespace {

constexpr int kSignificantDigits = 15;

// Adds one to a string of decimal digits.
void Increment(std::string& digits)
{
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

// |value| × 10^decimals rounded to a whole number, as decimal digits.
// The value is first taken to 15 significant digits, the precision a double
// holds for certain, so that a product such as 2.9999999999999996 × 14.5
// reads as the 43.5 it stands for and rounds up to 44.
// Below 1e5 with up to two decimals, taking the value to 15 digits moves it
// by less than 1e-8 of the last place kept. Unless the scaled value lies
// within 1e-6 of a half, both round the same way, and it can be rounded
// directly: the common case, and many times cheaper. Nothing where it cannot.
std::optional<double> DirectlyRoundedScaled(double magnitude, int decimals)
{
    constexpr std::array<double, 3> kScales{1.0, 10.0, 100.0};
    if (decimals < 0 || decimals >= static_cast<int>(kScales.size()) || !(magnitude < 1e5))
        return std::nullopt;
    const double scaled = magnitude * kScales.at(static_cast<std::size_t>(decimals));
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (!(std::fabs(fraction - 0.5) > 1e-6))
        return std::nullopt;
    return fraction > 0.5 ? whole + 1.0 : whole;
}

std::string ScaledRoundedDigits(double value, int decimals)
{
    const double magnitude = std::fabs(value);
    if (const std::optional<double> rounded = DirectlyRoundedScaled(magnitude, decimals))
        return std::to_string(static_cast<long long>(*rounded));

    if (magnitude == 0.0)
        return "0";
    // The value's first 15 significant digits, correctly rounded.
    const exact::DecimalDigits decimal = exact::ToDecimalDigits(magnitude, kSignificantDigits);
    const std::string digits = std::to_string(decimal.digits);
    const int exponent = decimal.exponent;

    // Number of leading significant digits that lie before the rounding position.
    const int kept = exponent + 1 + decimals;
    if (kept < 0)
        return "0";
    if (kept >= kSignificantDigits)
        return digits + std::string(static_cast<std::size_t>(kept - kSignificantDigits), '0');

    // With nothing kept, the rounding digit decides between 0 and 1.
    std::string result = kept == 0 ? std::string(1, '0') : digits.substr(0, static_cast<std::size_t>(kept));
    if (digits[static_cast<std::size_t>(kept)] >= '5')
        Increment(result);
    return result;
}

std::string FormatRounded(double value, int decimals, std::string_view decimalSeparator)
{
    // NaN and infinity have no text: they raise ArithmeticFault here.
    const double finite = Checked(value, "the displayed value").value();
    std::string digits = ScaledRoundedDigits(finite, decimals);

    // At least one digit before the separator.
    const auto minimumLength = static_cast<std::size_t>(decimals) + 1;
    if (digits.size() < minimumLength)
        digits.insert(0, minimumLength - digits.size(), '0');

    const bool roundsToZero = std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
    std::string text = (finite < 0.0 && !roundsToZero) ? "-" : "";
    const std::size_t integerLength = digits.size() - static_cast<std::size_t>(decimals);
    text.append(digits, 0, integerLength);
    if (decimals > 0) {
        text.append(decimalSeparator);
        text.append(digits, integerLength);
    }
    return text;
}

constexpr std::array<int, 6> kHumidityClassLimitsC{-70, -40, -20, 3, 7, 10};

Checked AbsolutePressureBar(double pressureGaugeBar)
{
    return Checked(pressureGaugeBar, "the absolute pressure") + kStandardAtmosphereBar;
}

}  // namespace

std::string FormatOneDecimal(double value, std::string_view decimalSeparator)
{
    return FormatRounded(value, 1, decimalSeparator);
}

std::string FormatWhole(double value)
{
    return FormatRounded(value, 0, {});
}

std::string FormatTwoDecimals(double value, std::string_view decimalSeparator)
{
    return FormatRounded(value, 2, decimalSeparator);
}

double RoundedToOneDecimal(double value)
{
    // The shown digits as a whole number of tenths, divided by ten: one IEEE
    // division, so the double nearest to the text, as reading it back gives.
    // From 1e17 on a double holds no tenths, and the value is its own rounding.
    if (!(std::fabs(value) < 1e17))
        return value;
    // The common case without the text: its digits, rounded the same way.
    if (const std::optional<double> tenths = DirectlyRoundedScaled(std::fabs(value), 1))
        return (value < 0.0 ? -*tenths : *tenths) / 10.0;
    const std::string text = FormatOneDecimal(value);
    const long long tenths = std::accumulate(text.begin(), text.end(), 0LL,
        [](long long sum, char c) { return c >= '0' && c <= '9' ? sum * 10 + (c - '0') : sum; });
    return (value < 0.0 ? -static_cast<double>(tenths) : static_cast<double>(tenths)) / 10.0;
}

std::string BarText(double pressureGaugeBar, std::string_view decimalSeparator)
{
    return FormatOneDecimal(pressureGaugeBar, decimalSeparator) + " bar";
}

std::string PsiText(double pressureGaugeBar)
{
    return FormatWhole((Checked(pressureGaugeBar, "the pressure in psi") * kPsiPerBar).value()) + " psi";
}

std::string CelsiusText(double celsius, std::string_view decimalSeparator)
{
    return FormatOneDecimal(celsius, decimalSeparator) + " \u00B0C";
}

double FahrenheitFromCelsius(double celsius)
{
    return (Checked(celsius, "the temperature in \u00B0F") * kFahrenheitPerCelsius + kFahrenheitAtZeroCelsius).value();
}

std::string FahrenheitText(double celsius, std::string_view decimalSeparator)
{
    return FormatOneDecimal(FahrenheitFromCelsius(celsius), decimalSeparator) + " \u00B0F";
}

std::string AbsoluteBarText(double pressureGaugeBar, std::string_view decimalSeparator)
{
    return FormatTwoDecimals(AbsolutePressureBar(pressureGaugeBar).value(), decimalSeparator) + " bar(a)";
}

std::string AbsolutePsiText(double pressureGaugeBar, std::string_view decimalSeparator)
{
    return FormatOneDecimal((AbsolutePressureBar(pressureGaugeBar) * kPsiPerBar).value(), decimalSeparator) + " psia";
}

int HumidityClassIso8573(double pressureDewpointC)
{
    int humidityClass = 1;
    for (const int limit : kHumidityClassLimitsC) {
        if (pressureDewpointC <= limit)
            return humidityClass;
        ++humidityClass;
    }
    return 0;
}

int HumidityClassLimitC(int humidityClass)
{
    return kHumidityClassLimitsC.at(static_cast<std::size_t>(humidityClass - 1));
}

std::string SensorDewpointText(std::int16_t scrollValue, std::string_view decimalSeparator)
{
    return CelsiusText(SensorCelsiusFromScroll(scrollValue), decimalSeparator);
}

}  // namespace dewpoint
