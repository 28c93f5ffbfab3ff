// Properties of every state the window can reach: 401 pressure positions
// × 1201 sensor positions × 2 sensor placements.
#include "engine/grid.h"

#include "engine/display.h"
#include "support/engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>

namespace dewpoint {
namespace {

using testing::Convert;

TEST(Grid, NoStateFaultsAndResultsStayInRange)
{
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -std::numeric_limits<double>::infinity();
    int faults = 0;
    ForEachGridPoint([&](const GridPoint& point) {
        try {
            const double out = ConvertAtGridPoint(point).DewpointOut;
            lowest = std::fmin(lowest, out);
            highest = std::fmax(highest, out);
        } catch (const std::exception& error) {
            if (++faults <= 5)
                ADD_FAILURE() << point.pressureScroll << ", " << point.sensorScroll << ", " << point.atmosphere << ": "
                              << error.what();
        }
    });
    EXPECT_EQ(faults, 0);
    EXPECT_EQ(std::round(lowest * 1e4) / 1e4, -99.9997);
    EXPECT_EQ(std::round(highest * 1e4) / 1e4, 93.5395);
}

TEST(Grid, SensorAtSystemPressureRepeatsItsReading)
{
    int mismatches = 0;
    ForEachGridPoint([&](const GridPoint& point) {
        if (point.atmosphere)
            return;
        const std::string readOut = CelsiusText(ConvertAtGridPoint(point).DewpointOut);
        if (readOut != SensorDewpointText(point.sensorScroll) && ++mismatches <= 5)
            ADD_FAILURE() << point.pressureScroll << ", " << point.sensorScroll << ": " << readOut;
    });
    EXPECT_EQ(mismatches, 0);
}

// Compressed air has the higher dewpoint. The result comes from the
// supercooled-water polynomial only just below 0 °C, and where it hands over
// to the frostpoint the read-out steps back by less than half a degree.
TEST(Grid, AtmosphereReadingRisesWithPressure)
{
    double coldestSupercooled = 0.0;
    double largestStepBack = 0.0;
    for (int pressure = 1; pressure <= kPressureScrollMax; ++pressure) {
        double previous = -std::numeric_limits<double>::infinity();
        for (int dewpoint = kSensorScrollMin; dewpoint <= kSensorScrollMax; ++dewpoint) {
            const CalcState s = Convert(static_cast<std::int16_t>(pressure), static_cast<std::int16_t>(dewpoint), true);
            ASSERT_GT(s.DewpointOut, SensorCelsiusFromScroll(static_cast<std::int16_t>(dewpoint)))
                << pressure << ", " << dewpoint;
            if (s.DewpointOut == s.DewpointCold && s.DewpointOut < 0.0)
                coldestSupercooled = std::fmin(coldestSupercooled, s.DewpointOut);
            largestStepBack = std::fmax(largestStepBack, previous - s.DewpointOut);
            previous = s.DewpointOut;
        }
    }
    EXPECT_GT(coldestSupercooled, -5.7);
    EXPECT_LT(coldestSupercooled, -5.5);
    EXPECT_GT(largestStepBack, 0.2);
    EXPECT_LT(largestStepBack, 0.5);
}

// The read-out of every state, as the window and dewpoint show it, is the
// text it has always been: a digest of all 963,202 texts, one a line.
TEST(Grid, ReadOutTextsAreUnchanged)
{
    std::uint64_t hash = 14695981039346656037ULL;  // FNV-1a, 64 bit
    ForEachGridPoint([&hash](const GridPoint& point) {
        for (const unsigned char byte : CelsiusText(ConvertAtGridPoint(point).DewpointOut) + "\n") {
            hash ^= byte;
            hash *= 1099511628211ULL;
        }
    });
    EXPECT_EQ(hash, 0x486f19689b21d339U);
}

// Every position reads back as itself, and a value is taken as a position
// only within 1e-9 of it and inside the bar's range.
TEST(Grid, ValuesFindTheirScrollPositions)
{
    for (int scroll = kPressureScrollMin; scroll <= kPressureScrollMax; ++scroll)
        ASSERT_EQ(PressureScrollAt(PressureGaugeFromScroll(static_cast<std::int16_t>(scroll))), scroll);
    for (int scroll = kSensorScrollMin; scroll <= kSensorScrollMax; ++scroll)
        ASSERT_EQ(SensorScrollAt(SensorCelsiusFromScroll(static_cast<std::int16_t>(scroll))), scroll);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<double, std::optional<std::int16_t>> pressures[]
        = {{7.0 + 9e-10, 70}, {7.0 - 9e-10, 70}, {7.0 + 2e-9, std::nullopt}, {7.05, std::nullopt}, {-1e-10, 0},
            {-0.05, std::nullopt}, {40.0 + 1e-10, 400}, {40.1, std::nullopt}, {nan, std::nullopt}};
    for (const auto& [bar, scroll] : pressures)
        EXPECT_EQ(PressureScrollAt(bar), scroll) << bar;
    const std::pair<double, std::optional<std::int16_t>> sensors[] = {{233.15 - 273.15, 600},
        {(-40.0 - 32.0) / 1.8, 600}, {-100.0 - 1e-10, 0}, {-100.1, std::nullopt}, {20.0, 1200}, {20.1, std::nullopt},
        {-0.04, std::nullopt}, {std::numeric_limits<double>::infinity(), std::nullopt}};
    for (const auto& [celsius, scroll] : sensors)
        EXPECT_EQ(SensorScrollAt(celsius), scroll) << celsius;
}

}  // namespace
}  // namespace dewpoint
