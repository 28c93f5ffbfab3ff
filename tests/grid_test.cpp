// Properties of every state the window can reach: 401 pressure positions
// × 1201 sensor positions × 2 sensor placements.
#include "engine/conversion.h"

#include "engine/display.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace dewpoint {
namespace {

using testing::Convert;

constexpr int kPressureSteps = 400;
constexpr int kDewpointSteps = 1200;

template <typename Visit> void ForEachState(Visit visit)
{
    for (int pressure = 0; pressure <= kPressureSteps; ++pressure)
        for (int dewpoint = 0; dewpoint <= kDewpointSteps; ++dewpoint)
            for (const bool atmosphere : {true, false})
                visit(static_cast<std::int16_t>(pressure), static_cast<std::int16_t>(dewpoint), atmosphere);
}

TEST(Grid, NoStateFaultsAndResultsStayInRange)
{
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -std::numeric_limits<double>::infinity();
    int faults = 0;
    ForEachState([&](std::int16_t pressure, std::int16_t dewpoint, bool atmosphere) {
        try {
            const double out = Convert(pressure, dewpoint, atmosphere).DewpointOut;
            lowest = std::fmin(lowest, out);
            highest = std::fmax(highest, out);
        } catch (const std::exception& error) {
            if (++faults <= 5)
                ADD_FAILURE() << pressure << ", " << dewpoint << ", " << atmosphere << ": " << error.what();
        }
    });
    EXPECT_EQ(faults, 0);
    EXPECT_EQ(std::round(lowest * 1e4) / 1e4, -99.9997);
    EXPECT_EQ(std::round(highest * 1e4) / 1e4, 93.5395);
}

TEST(Grid, SensorAtSystemPressureRepeatsItsReading)
{
    int mismatches = 0;
    ForEachState([&](std::int16_t pressure, std::int16_t dewpoint, bool atmosphere) {
        if (atmosphere)
            return;
        const std::string readOut = CelsiusText(Convert(pressure, dewpoint, false).DewpointOut);
        if (readOut != SensorDewpointText(dewpoint) && ++mismatches <= 5)
            ADD_FAILURE() << pressure << ", " << dewpoint << ": " << readOut;
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
    for (int pressure = 1; pressure <= kPressureSteps; ++pressure) {
        double previous = -std::numeric_limits<double>::infinity();
        for (int dewpoint = 0; dewpoint <= kDewpointSteps; ++dewpoint) {
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

}  // namespace
}  // namespace dewpoint
