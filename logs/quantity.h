// Reading a pressure or a temperature as a person writes it ("7", "101.5psi",
// "-40F", " -25,6 ") and converting it the way the window does.
#pragma once

#include "engine/conversion.h"

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

namespace dewpoint::logs {

enum class PressureUnit { Bar, Psi, KPa, MPa };
enum class TemperatureUnit { Celsius, Fahrenheit, Kelvin };

// Names as written after a number or given to --pressure-unit / --sensor-unit,
// case ignored ("7Bar", "-40f").
std::optional<PressureUnit> PressureUnitNamed(std::string_view name);
std::optional<TemperatureUnit> TemperatureUnitNamed(std::string_view name);
inline constexpr std::string_view kPressureUnitNames = "bar, psi, kPa, MPa";
inline constexpr std::string_view kTemperatureUnitNames = "C, F, K";

// The unit a log's header gives its column, as loggers and spreadsheets
// write it: "Pressure [psig]", "Druck (bar)", "bar(g)", "kPa abs",
// "Taupunkt [°F]"; or a units row's cell ("°C", "bar"). A temperature unit
// of one letter counts only in brackets or alone.
struct HeaderPressureUnit {
    PressureUnit unit;
    bool absolute;  // "bara", "psia", "kPa abs": the column holds absolute pressures
};
std::optional<HeaderPressureUnit> PressureUnitInHeader(std::string_view name);
std::optional<TemperatureUnit> TemperatureUnitInHeader(std::string_view name);

// "atmosphere" (or "atm"): true; "system" (or "sys"): false; case ignored.
std::optional<bool> SensorPositionNamed(std::string_view name);

// Which decimal separators a number may use.
struct DecimalSeparators {
    bool point = true;
    bool comma = false;
};

// Why a text is not an input value.
enum class ValueError { NotANumber, UnknownUnit, OutOfRange };

// A number read from text, with the separator it was written with ('.' or
// ',', or '\0' for a whole number).
struct ReadValue {
    double value = 0.0;
    char separator = '\0';
};

// A gauge pressure in bar, within 0 to 40 bar (1e-9 of slack at the ends).
struct PressureReading : ReadValue { };
// A sensor dewpoint: in °C, and in K where it was given in K, so that a
// value between grid points is used as given.
struct SensorReading : ReadValue {
    std::optional<double> kelvin;
};

template <typename Reading> struct Parsed {
    std::optional<Reading> reading;
    ValueError error = ValueError::NotANumber;
};

// Reads `text` (blanks around it are ignored): a number, then optionally a
// unit. A bare number is in `bareUnit`. An `absolute` pressure is taken to
// the gauge pressure (less one standard atmosphere) before its range is judged.
Parsed<PressureReading> ReadPressure(
    std::string_view text, PressureUnit bareUnit, DecimalSeparators separators, bool absolute = false);
Parsed<SensorReading> ReadSensor(std::string_view text, TemperatureUnit bareUnit, DecimalSeparators separators);

// What a message says is accepted for each quantity.
struct Accepted {
    std::string_view range;
    std::string_view units;
};
inline constexpr Accepted kPressureAccepted{"0 to 40 bar gauge", kPressureUnitNames};
inline constexpr Accepted kSensorAccepted{"-100 to +20 \u00B0C", kTemperatureUnitNames};

// A text from the input as a message shows it: quoted, with control
// characters replaced and cut to a readable length.
std::string ShownText(std::string_view given);

// "'45' is out of range (accepted: 0 to 40 bar gauge)"; an unknown unit is
// answered with the accepted units, and a decimal comma where none is read
// with the way to read one.
std::string ValueErrorMessage(ValueError error, std::string_view given, const Accepted& accepted, bool commaRead);

// The pressure dewpoint for one reading, bit for bit as the window computes
// it where both values lie on the window's 0.1 grid, and from the values as
// given between grid points.
CalcState Convert(const PressureReading& pressure, const SensorReading& sensor, bool atmosphere);

// How the result is written.
struct ResultFormat {
    bool fullDigits = false;  // the shortest text that reads back as the same double
    bool fahrenheit = false;
    bool unit = true;  // " °C" or " °F" after a one-decimal number
};
std::string FormatResult(double dewpointC, const ResultFormat& format, char decimalSeparator);

// The shortest digits that read back as `value`, without an exponent, as
// std::to_chars(value, std::chars_format::fixed) writes them for |value|
// below 2^53, with the given decimal separator.
std::string ShortestFixed(double value, char decimalSeparator);

// std::from_chars for a double, or, where the standard library lacks it
// (libc++ before version 17, which the page's WebAssembly build uses),
// ReadDoubleByStrtod.
std::from_chars_result ReadDouble(const char* first, const char* last, double& value);

// from_chars's grammar (an optional minus, digits with at most one point, an
// optional exponent; no infinity or NaN), its digits converted by strtod,
// which rounds correctly as from_chars does.
std::from_chars_result ReadDoubleByStrtod(const char* first, const char* last, double& value);

}  // namespace dewpoint::logs
