// Helpers shared by the engine tests.
#pragma once

#include "engine/conversion.h"
#include "engine/grid.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <string>

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
