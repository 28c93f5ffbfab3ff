// libFuzzer target over the engine's inputs: any gauge pressure and sensor
// temperature (every double, NaN and infinities included), either sensor
// position, any 16-bit scroll value and any decimal separator. Every call
// must either give finite results and well-formed texts, or raise the
// engine's typed fault; inside the scroll ranges it must never fault.
#include "engine/conversion.h"
#include "engine/display.h"
#include "engine/faults.h"
#include "engine/grid.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <bit>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// "-12.3 °C": an optional minus, digits, the separator and `decimals`
// digits, the suffix; no minus on a value that shows as zero.
bool WellFormed(std::string_view text, int decimals, std::string_view separator, std::string_view suffix)
{
    if (text.size() <= suffix.size() || text.substr(text.size() - suffix.size()) != suffix)
        return false;
    std::string_view number = text.substr(0, text.size() - suffix.size());
    const bool negative = !number.empty() && number.front() == '-';
    if (negative)
        number.remove_prefix(1);
    std::string digits;
    std::size_t i = 0;
    while (i < number.size() && std::isdigit(static_cast<unsigned char>(number[i])))
        digits += number[i++];
    if (digits.empty())
        return false;
    if (decimals > 0) {
        if (number.substr(i, separator.size()) != separator)
            return false;
        i += separator.size();
        const std::string_view fraction = number.substr(i);
        if (fraction.size() != static_cast<std::size_t>(decimals))
            return false;
        for (const char c : fraction)
            if (!std::isdigit(static_cast<unsigned char>(c)))
                return false;
        digits += fraction;
        i = number.size();
    }
    if (i != number.size())
        return false;
    return !negative || digits.find_first_not_of('0') != std::string::npos;
}

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

double AnyDouble(FuzzedDataProvider& data, double low, double high)
{
    // Half the time any bit pattern at all, otherwise a value near the range.
    if (data.ConsumeBool())
        return std::bit_cast<double>(data.ConsumeIntegral<std::uint64_t>());
    return data.ConsumeFloatingPointInRange(low, high);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const double gauge = AnyDouble(data, -5.0, 60.0);
    const double tempK = AnyDouble(data, -10.0, 400.0);
    const bool atmosphere = data.ConsumeBool();
    const auto scroll = data.ConsumeIntegral<std::int16_t>();
    const std::string_view separator = data.PickValueInArray<std::string_view>({".", ",", "\u066B"});
    const std::string_view degrees = " \u00B0C";

    const bool inRange = gauge >= 0.0 && gauge <= 40.0 && tempK >= 173.15 && tempK <= 293.15;
    try {
        dewpoint::CalcState state;
        state.PressureGauge = gauge;
        state.TempK = tempK;
        dewpoint::CalculateDewpoint(state, atmosphere);
        for (const double field : std::bit_cast<std::array<double, 17>>(state))
            Require(std::isfinite(field));
        Require(WellFormed(dewpoint::CelsiusText(state.DewpointOut, separator), 1, separator, degrees));
        if (inRange)
            Require(state.DewpointOut > -100.0 && state.DewpointOut < 93.6);
    } catch (const dewpoint::ArithmeticFault&) {
        Require(!inRange);
    } catch (const dewpoint::LogarithmArgumentError&) {
        Require(!inRange);
    }

    try {
        Require(WellFormed(dewpoint::BarText(gauge, separator), 1, separator, " bar"));
        Require(WellFormed(dewpoint::PsiText(gauge), 0, "", " psi"));
        Require(WellFormed(dewpoint::AbsoluteBarText(gauge, separator), 2, separator, " bar(a)"));
    } catch (const dewpoint::ArithmeticFault&) {
        Require(!std::isfinite(gauge) || std::fabs(gauge) > 1e300);
    }

    try {
        Require(WellFormed(dewpoint::SensorDewpointText(scroll, separator), 1, separator, degrees));
        Require(std::isfinite(dewpoint::TempKFromScroll(scroll)));
    } catch (const dewpoint::IntegerOverflow&) {
        Require(scroll <= -31769);
    }
    return 0;
}
