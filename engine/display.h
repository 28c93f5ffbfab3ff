// The texts the window shows: a number in a fixed pattern followed by a
// unit. All texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dewpoint {

// The pattern "#0.0": at least one digit before the separator, exactly one
// after it, no grouping, a leading minus for negative values, halves rounded
// away from zero. A value that rounds to zero shows as "0.0", never "-0.0".
std::string FormatOneDecimal(double value, std::string_view decimalSeparator = ".");

// The pattern "#0": the value rounded to a whole number in the same way.
std::string FormatWhole(double value);

// The pattern "#0.00": the value rounded to two decimals in the same way.
std::string FormatTwoDecimals(double value, std::string_view decimalSeparator = ".");

// The value as "#0.0" shows it, read back as a number: what the user sees.
double RoundedToOneDecimal(double value);

// "7.0 bar": a gauge pressure in bar.
std::string BarText(double pressureGaugeBar, std::string_view decimalSeparator = ".");

// "102 psi": a gauge pressure in bar, shown in psi (× 14.5).
std::string PsiText(double pressureGaugeBar);

// "32.1 °C": a temperature in °C.
std::string CelsiusText(double celsius, std::string_view decimalSeparator = ".");

// A temperature in °C in degrees Fahrenheit: × 1.8 + 32.
double FahrenheitFromCelsius(double celsius);

// "89.9 °F": a temperature in °C, shown in degrees Fahrenheit.
std::string FahrenheitText(double celsius, std::string_view decimalSeparator = ".");

// "8.01 bar(a)" and "116.2 psia": a gauge pressure in bar, shown as the
// absolute pressure (plus one standard atmosphere).
std::string AbsoluteBarText(double pressureGaugeBar, std::string_view decimalSeparator = ".");
std::string AbsolutePsiText(double pressureGaugeBar, std::string_view decimalSeparator = ".");

// The humidity class of compressed air by its pressure dewpoint in °C, after
// ISO 8573-1:2010 Table 2: class 1 up to -70 °C, 2 up to -40 °C, 3 up to
// -20 °C, 4 up to +3 °C, 5 up to +7 °C, 6 up to +10 °C. Above +10 °C the
// standard classes air by its liquid water content instead; then 0.
int HumidityClassIso8573(double pressureDewpointC);

// The upper pressure-dewpoint limit of a humidity class 1 to 6, in °C;
// std::out_of_range for any other class.
int HumidityClassLimitC(int humidityClass);

// The sensor dewpoint text for a position of the sensor scroll bar, computed
// from the scroll value itself: "-40.0 °C" at 600.
std::string SensorDewpointText(std::int16_t scrollValue, std::string_view decimalSeparator = ".");

}  // namespace dewpoint
