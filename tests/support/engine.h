// Helpers shared by the tests and the benchmarks: every state of the
// window, and each formula on its own.
#pragma once

#include "engine/conversion.h"
#include "engine/formulas.h"
#include "engine/grid.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <string>

namespace dewpoint {

// 401 pressures × 1201 sensor values × 2 sensor positions.
inline constexpr int kGridPointCount
    = (kPressureScrollMax - kPressureScrollMin + 1) * (kSensorScrollMax - kSensorScrollMin + 1) * 2;

// Calls visit(GridPoint) for every point of the grid: pressure outermost,
// then sensor value, then atmosphere before system pressure.
template <typename Visit> void ForEachGridPoint(Visit&& visit)
{
    for (int pressure = kPressureScrollMin; pressure <= kPressureScrollMax; ++pressure)
        for (int sensor = kSensorScrollMin; sensor <= kSensorScrollMax; ++sensor)
            for (const bool atmosphere : {true, false})
                visit(GridPoint{static_cast<std::int16_t>(pressure), static_cast<std::int16_t>(sensor), atmosphere});
}

// Each formula from its own input, as the conversion evaluates it.
inline double IceVapourPressurePaFromTempK(double tempK)
{
    return IceVapourPressurePa(TemperaturePowersOf(tempK, "PvIce"));
}
inline double WaterVapourPressurePaFromTempK(double tempK)
{
    return WaterVapourPressurePa(TemperaturePowersOf(tempK, "PvWater"));
}
inline double WarmDewpointCFromLnRatio(double lnRatio)
{
    return WarmDewpointC(RatioPowersOf(lnRatio, "DewpointWarm"));
}
inline double ColdDewpointCFromLnRatio(double lnRatio)
{
    return ColdDewpointC(RatioPowersOf(lnRatio, "DewpointCold"));
}

}  // namespace dewpoint

namespace dewpoint::testing {

// One conversion from scroll-bar positions, as the window performs it.
inline CalcState Convert(std::int16_t pressureScroll, std::int16_t dewpointScroll, bool atmosphere)
{
    return ConvertAtGridPoint({pressureScroll, dewpointScroll, atmosphere});
}

// The seventeen fields of the calculation state, in their order.
using Fields = std::array<double, 17>;
inline Fields FieldsOf(const CalcState& state)
{
    return std::bit_cast<Fields>(state);
}
inline CalcState StateOf(const Fields& fields)
{
    return std::bit_cast<CalcState>(fields);
}

// The exact bits of every field, for comparing two states bit for bit.
inline std::array<std::uint64_t, 17> BitsOf(const CalcState& state)
{
    return std::bit_cast<std::array<std::uint64_t, 17>>(state);
}

// The shortest decimal text that reads back as exactly `value`.
inline std::string Shortest(double value)
{
    char buffer[32];
    return {buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr};
}

}  // namespace dewpoint::testing
