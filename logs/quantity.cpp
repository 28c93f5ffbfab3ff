#include "quantity.h"

#include "text.h"

#include "engine/display.h"
#include "engine/exact_arithmetic.h"
#include "engine/grid.h"
#include "engine/units.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace dewpoint::logs {

namespace {

constexpr double kSlack = 1e-9;  // a unit conversion that lands this close to an end is inside

struct Number {
    ReadValue read;         // cppcheck-suppress unusedStructMember
    std::string_view rest;  // cppcheck-suppress unusedStructMember ; what follows the number
};

// A finite decimal number at the start of `text`, read by from_chars; a
// decimal comma, where one is accepted, is read as a point.
std::optional<Number> ReadNumber(std::string_view text, DecimalSeparators separators, bool& outOfRange)
{
    // from_chars takes no plus sign, nor a sign it would have to skip twice.
    if (!text.empty() && text.front() == '+' && (text.size() == 1 || text[1] == '-' || text[1] == '+'))
        return std::nullopt;
    const std::size_t sign = !text.empty() && text.front() == '+' ? 1 : 0;
    const char* const first = text.data() + sign;
    const char* const last = text.data() + text.size();
    double value = 0.0;
    auto [end, status] = ReadDouble(first, last, value);
    char separator = std::memchr(first, '.', static_cast<std::size_t>(end - first)) ? '.' : '\0';
    if (end != last && *end == ',' && separator == '\0') {
        // The same number with its comma as a point, in a copy.
        std::array<char, 64> buffer{};
        if (end - first >= static_cast<std::ptrdiff_t>(buffer.size()) - 1)
            return std::nullopt;
        const std::size_t length = std::min<std::size_t>(static_cast<std::size_t>(last - first), buffer.size());
        std::copy_n(first, length, buffer.begin());
        buffer.at(static_cast<std::size_t>(end - first)) = '.';
        const auto reread = ReadDouble(buffer.data(), buffer.data() + length, value);
        if (!separators.comma || reread.ptr <= buffer.data() + (end - first) + 1)
            return std::nullopt;
        end = first + (reread.ptr - buffer.data());
        status = reread.ec;
        separator = ',';
    }
    // "1e309": a number, but beyond any a double holds.
    outOfRange = status == std::errc::result_out_of_range && end != first;
    if (status != std::errc() || end == first || !std::isfinite(value) || (separator == '.' && !separators.point))
        return std::nullopt;
    // "7e" or "1.5.3": digits that from_chars stopped short of.
    const std::string_view rest = TrimmedBlanks(std::string_view(end, static_cast<std::size_t>(last - end)));
    if (!rest.empty() && (rest.front() == '.' || rest.front() == ',' || (rest.front() >= '0' && rest.front() <= '9')))
        return std::nullopt;
    return Number{{value, separator}, rest};
}

template <typename Unit> struct UnitName {
    std::string_view name;
    Unit unit;
};

constexpr std::array<UnitName<PressureUnit>, 6> kPressureUnits{{{"bar", PressureUnit::Bar}, {"barg", PressureUnit::Bar},
    {"psi", PressureUnit::Psi}, {"psig", PressureUnit::Psi}, {"kPa", PressureUnit::KPa}, {"MPa", PressureUnit::MPa}}};
constexpr std::array<UnitName<TemperatureUnit>, 5> kTemperatureUnits{
    {{"C", TemperatureUnit::Celsius}, {"\u00B0C", TemperatureUnit::Celsius}, {"F", TemperatureUnit::Fahrenheit},
        {"\u00B0F", TemperatureUnit::Fahrenheit}, {"K", TemperatureUnit::Kelvin}}};

template <typename Unit, std::size_t N>
std::optional<Unit> Named(const std::array<UnitName<Unit>, N>& units, std::string_view name)
{
    const std::string lower = Lowercase(name);
    const auto* entry = std::find_if(
        units.begin(), units.end(), [&lower](const auto& unit) { return Lowercase(unit.name) == lower; });
    return entry != units.end() ? std::optional<Unit>(entry->unit) : std::nullopt;
}

// The number and its unit, the unit defaulting to `bareUnit`.
// A typographic minus (U+2212) as '-', and no-break spaces (U+00A0, U+202F)
// as blanks, as word processors and spreadsheets write them.
std::string_view PlainNumberText(std::string_view text, std::string& scratch)
{
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return text;
    struct Replacement {
        std::string_view from;  // cppcheck-suppress unusedStructMember
        char to;                // cppcheck-suppress unusedStructMember
    };
    constexpr std::array<Replacement, 3> kReplacements{{{"\u2212", '-'}, {"\u00A0", ' '}, {"\u202F", ' '}}};
    scratch.clear();
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view rest = text.substr(i);
        const auto* replacement = std::find_if(kReplacements.begin(), kReplacements.end(),
            [rest](const Replacement& r) { return rest.starts_with(r.from); });
        scratch += replacement != kReplacements.end() ? replacement->to : text[i];
        i += replacement != kReplacements.end() ? replacement->from.size() : 1;
    }
    return scratch;
}

template <typename Unit, std::size_t N>
std::optional<std::pair<ReadValue, Unit>> ReadQuantity(std::string_view text,
    const std::array<UnitName<Unit>, N>& units, Unit bareUnit, DecimalSeparators separators, ValueError& error)
{
    std::string scratch;
    bool outOfRange = false;
    const std::optional<Number> number
        = ReadNumber(TrimmedBlanks(PlainNumberText(text, scratch)), separators, outOfRange);
    if (!number) {
        error = outOfRange ? ValueError::OutOfRange : ValueError::NotANumber;
        return std::nullopt;
    }
    if (number->rest.empty())
        return std::pair{number->read, bareUnit};
    if (const std::optional<Unit> unit = Named(units, number->rest))
        return std::pair{number->read, *unit};
    error = ValueError::UnknownUnit;
    return std::nullopt;
}

bool Within(double value, double low, double high)
{
    return value >= low - kSlack && value <= high + kSlack;
}

// The words of a header name, lowercased, each with whether it stood in
// brackets; "bar(g)" and "bar(a)" stay one word.
std::vector<std::pair<std::string, bool>> HeaderWords(std::string_view name)
{
    std::string text = Lowercase(name);
    for (const char* suffix : {"(g)", "(a)"})
        for (std::size_t at = text.find(suffix); at != std::string::npos; at = text.find(suffix))
            text.replace(at, 3, 1, suffix[1]);
    std::vector<std::pair<std::string, bool>> words;
    int depth = 0;
    std::string word;
    for (const char c : text + ' ') {
        const bool opens = c == '[' || c == '(';
        const bool closes = c == ']' || c == ')';
        if (opens || closes || c == ' ' || c == '\t' || c == ',' || c == '/' || c == ':') {
            if (!word.empty())
                words.emplace_back(word, depth > 0);
            word.clear();
            depth = std::max(0, depth + (opens ? 1 : 0) - (closes ? 1 : 0));
        } else {
            word += c;
        }
    }
    return words;
}

}  // namespace

std::optional<HeaderPressureUnit> PressureUnitInHeader(std::string_view name)
{
    struct Spelling {
        std::string_view word;    // cppcheck-suppress unusedStructMember
        HeaderPressureUnit unit;  // cppcheck-suppress unusedStructMember
    };
    constexpr std::array<Spelling, 12> kSpellings{{{"bar", {PressureUnit::Bar, false}},
        {"barg", {PressureUnit::Bar, false}}, {"bara", {PressureUnit::Bar, true}}, {"psi", {PressureUnit::Psi, false}},
        {"psig", {PressureUnit::Psi, false}}, {"psia", {PressureUnit::Psi, true}}, {"kpa", {PressureUnit::KPa, false}},
        {"kpag", {PressureUnit::KPa, false}}, {"kpaa", {PressureUnit::KPa, true}}, {"mpa", {PressureUnit::MPa, false}},
        {"mpag", {PressureUnit::MPa, false}}, {"mpaa", {PressureUnit::MPa, true}}}};
    const auto words = HeaderWords(name);
    for (std::size_t i = words.size(); i-- > 0;) {
        const auto* spelling = std::find_if(
            kSpellings.begin(), kSpellings.end(), [&](const Spelling& s) { return s.word == words[i].first; });
        if (spelling == kSpellings.end())
            continue;
        HeaderPressureUnit unit = spelling->unit;
        if (i + 1 < words.size()) {
            const std::string& next = words[i + 1].first;
            unit.absolute = unit.absolute || next == "abs" || next == "absolute" || next == "a";
        }
        return unit;
    }
    return std::nullopt;
}

std::optional<TemperatureUnit> TemperatureUnitInHeader(std::string_view name)
{
    const auto words = HeaderWords(name);
    for (std::size_t i = words.size(); i-- > 0;) {
        const auto& [word, bracketed] = words[i];
        if (word == "\u00B0c" || word == "degc" || ((bracketed || words.size() == 1) && word == "c"))
            return TemperatureUnit::Celsius;
        if (word == "\u00B0f" || word == "degf" || ((bracketed || words.size() == 1) && word == "f"))
            return TemperatureUnit::Fahrenheit;
        if ((bracketed || words.size() == 1) && word == "k")
            return TemperatureUnit::Kelvin;
    }
    return std::nullopt;
}

std::optional<bool> SensorPositionNamed(std::string_view name)
{
    const std::string lower = Lowercase(name);
    if (lower == "atmosphere" || lower == "atm")
        return true;
    if (lower == "system" || lower == "sys")
        return false;
    return std::nullopt;
}

std::optional<PressureUnit> PressureUnitNamed(std::string_view name)
{
    return Named(kPressureUnits, name);
}

std::optional<TemperatureUnit> TemperatureUnitNamed(std::string_view name)
{
    return Named(kTemperatureUnits, name);
}

namespace {

// A quantity in its unit, converted by `toBase` into the unit the range is
// given in, and accepted only within [low, high].
template <typename Reading, typename Unit, std::size_t N, typename ToBase>
Parsed<Reading> ReadWithin(std::string_view text, const std::array<UnitName<Unit>, N>& units, Unit bareUnit,
    DecimalSeparators separators, double low, double high, ToBase toBase)
{
    Parsed<Reading> parsed;
    const auto quantity = ReadQuantity(text, units, bareUnit, separators, parsed.error);
    if (!quantity)
        return parsed;
    Reading reading;
    static_cast<ReadValue&>(reading) = quantity->first;
    toBase(quantity->second, reading);
    if (!Within(reading.value, low, high)) {
        parsed.error = ValueError::OutOfRange;
        return parsed;
    }
    parsed.reading = reading;
    return parsed;
}

}  // namespace

Parsed<PressureReading> ReadPressure(
    std::string_view text, PressureUnit bareUnit, DecimalSeparators separators, bool absolute)
{
    return ReadWithin<PressureReading>(text, kPressureUnits, bareUnit, separators,
        PressureGaugeFromScroll(kPressureScrollMin), PressureGaugeFromScroll(kPressureScrollMax),
        [absolute](PressureUnit unit, PressureReading& bar) {
            switch (unit) {
            case PressureUnit::Bar:
                break;
            case PressureUnit::Psi:
                bar.value = bar.value * kPaPerPsi / kPaPerBar;
                break;
            case PressureUnit::KPa:
                bar.value = bar.value / 100.0;
                break;
            case PressureUnit::MPa:
                bar.value = bar.value * 10.0;
                break;
            }
            if (absolute)
                bar.value -= kStandardAtmosphereBar;
        });
}

Parsed<SensorReading> ReadSensor(std::string_view text, TemperatureUnit bareUnit, DecimalSeparators separators)
{
    return ReadWithin<SensorReading>(text, kTemperatureUnits, bareUnit, separators,
        SensorCelsiusFromScroll(kSensorScrollMin), SensorCelsiusFromScroll(kSensorScrollMax),
        [](TemperatureUnit unit, SensorReading& celsius) {
            switch (unit) {
            case TemperatureUnit::Celsius:
                break;
            case TemperatureUnit::Fahrenheit:
                celsius.value = (celsius.value - kFahrenheitAtZeroCelsius) / kFahrenheitPerCelsius;
                break;
            case TemperatureUnit::Kelvin:
                celsius.kelvin = celsius.value;
                celsius.value = celsius.value - kCelsiusToKelvin;
                break;
            }
        });
}

std::string ShownText(std::string_view given)
{
    constexpr std::size_t kShown = 40;
    std::string shown = "'";
    shown.append(Escaped(given.substr(0, kShown))).append(given.size() > kShown ? "...'" : "'");
    return shown;
}

std::string ValueErrorMessage(ValueError error, std::string_view given, const Accepted& accepted, bool commaRead)
{
    const std::string shown = ShownText(given);
    switch (error) {
    case ValueError::UnknownUnit:
        return shown + " has an unknown unit (accepted: " + std::string(accepted.units) + ")";
    case ValueError::OutOfRange:
        return shown + " is out of range (accepted: " + std::string(accepted.range) + ")";
    case ValueError::NotANumber:
        break;
    }
    std::string message = shown + " is not a number (accepted: " + std::string(accepted.range) + ")";
    // "7,0": a decimal comma where only a point is read.
    const std::size_t comma = given.find(',');
    if (!commaRead && comma != std::string_view::npos && comma > 0 && comma + 1 < given.size()
        && given[comma - 1] >= '0' && given[comma - 1] <= '9' && given[comma + 1] >= '0' && given[comma + 1] <= '9')
        message += "; for a decimal comma give --decimal-comma, or use a ; or tab table";
    return message;
}

CalcState Convert(const PressureReading& pressure, const SensorReading& sensor, bool atmosphere)
{
    CalcState state;
    const std::optional<std::int16_t> pressureScroll = PressureScrollAt(pressure.value);
    const std::optional<std::int16_t> sensorScroll = SensorScrollAt(sensor.value);
    state.PressureGauge = pressureScroll ? PressureGaugeFromScroll(*pressureScroll) : pressure.value;
    if (sensorScroll)
        state.TempK = TempKFromScroll(*sensorScroll);
    else
        state.TempK = sensor.kelvin ? *sensor.kelvin : sensor.value + kCelsiusToKelvin;
    CalculateDewpoint(state, atmosphere);
    return state;
}

// The shortest digits that read back as `value`, written without an
// exponent: what to_chars(value, chars_format::fixed) writes for every
// |value| below 2^53 (above, it writes the exact integer). Found by the
// engine's correctly rounded digits, one more at a time, since to_chars's
// own tables would be most of the page's WebAssembly build.
std::string ShortestFixed(double value, char decimalSeparator)
{
    std::string text = std::signbit(value) ? "-" : "";
    const double magnitude = std::fabs(value);
    if (magnitude == 0.0)
        return text + "0";
    std::string digits;
    int exponent = 0;
    for (int significant = 1; significant <= 17; ++significant) {
        const exact::DecimalDigits decimal = exact::ToDecimalDigits(magnitude, significant);
        digits = std::to_string(decimal.digits);
        exponent = decimal.exponent;
        const std::string scientific = digits + "e" + std::to_string(exponent - significant + 1);
        double read = 0.0;
        if (ReadDouble(scientific.data(), scientific.data() + scientific.size(), read).ec == std::errc()
            && read == magnitude)
            break;
    }
    // The point goes after digit exponent + 1, with zeros added on either side as needed.
    const int pointAfter = exponent + 1;
    if (pointAfter <= 0) {
        text.append("0").append(1, decimalSeparator).append(static_cast<std::size_t>(-pointAfter), '0').append(digits);
    } else if (static_cast<std::size_t>(pointAfter) >= digits.size()) {
        text.append(digits).append(static_cast<std::size_t>(pointAfter) - digits.size(), '0');
    } else {
        text.append(digits, 0, static_cast<std::size_t>(pointAfter))
            .append(1, decimalSeparator)
            .append(digits, static_cast<std::size_t>(pointAfter));
    }
    return text;
}

std::string FormatResult(double dewpointC, const ResultFormat& format, char decimalSeparator)
{
    const std::string_view separator(&decimalSeparator, 1);
    if (format.unit && !format.fullDigits)
        return format.fahrenheit ? FahrenheitText(dewpointC, separator) : CelsiusText(dewpointC, separator);
    const double value = format.fahrenheit ? FahrenheitFromCelsius(dewpointC) : dewpointC;
    if (format.fullDigits)
        return ShortestFixed(value, decimalSeparator);
    return FormatOneDecimal(value, separator);
}

std::from_chars_result ReadDouble(const char* first, const char* last, double& value)
{
#if defined(__cpp_lib_to_chars)
    return std::from_chars(first, last, value);
#else
    return ReadDoubleByStrtod(first, last, value);
#endif
}

std::from_chars_result ReadDoubleByStrtod(const char* first, const char* last, double& value)
{
    const auto digits = [last](const char* from) {
        while (from != last && *from >= '0' && *from <= '9')
            ++from;
        return from;
    };
    const char* end = first != last && *first == '-' ? first + 1 : first;
    const char* const mantissa = end;
    end = digits(end);
    bool any = end != mantissa;
    if (end != last && *end == '.') {
        const char* const fraction = end + 1;
        end = digits(fraction);
        any = any || end != fraction;
    }
    if (!any)
        return {first, std::errc::invalid_argument};
    const char* const withoutExponent = end;
    if (end != last && (*end == 'e' || *end == 'E')) {
        const char* exponent = end + 1;
        if (exponent != last && (*exponent == '+' || *exponent == '-'))
            ++exponent;
        const char* const exponentEnd = digits(exponent);
        if (exponentEnd != exponent)
            end = exponentEnd;
    }
    // Most readings have few digits and no exponent: their digits as a whole
    // number below 2^53 and a power of ten up to 10^22 are both exact, so one
    // division rounds correctly (Clinger's fast path, as from_chars's own).
    if (end == withoutExponent) {
        std::uint64_t whole = 0;
        int significant = 0;
        int fractionDigits = 0;
        bool afterPoint = false;
        for (const char* p = mantissa; p != end && significant <= 15; ++p) {
            if (*p == '.') {
                afterPoint = true;
                continue;
            }
            whole = whole * 10 + static_cast<std::uint64_t>(*p - '0');
            significant += whole != 0 ? 1 : 0;
            fractionDigits += afterPoint ? 1 : 0;
        }
        static constexpr std::array<double, 23> kPowersOfTen{1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10,
            1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
        if (significant <= 15 && fractionDigits < static_cast<int>(kPowersOfTen.size())) {
            const double magnitude
                = static_cast<double>(whole) / kPowersOfTen.at(static_cast<std::size_t>(fractionDigits));
            value = *first == '-' ? -magnitude : magnitude;
            return {end, std::errc()};
        }
    }
    const std::string text(first, end);
    errno = 0;
    const double read = std::strtod(text.c_str(), nullptr);
    // Beyond the largest double, or below the smallest; a subnormal result,
    // which strtod may also flag, is a number as from_chars reads it.
    if (errno == ERANGE && (std::isinf(read) || read == 0.0))
        return {end, std::errc::result_out_of_range};
    value = read;
    return {end, std::errc()};
}

}  // namespace dewpoint::logs
