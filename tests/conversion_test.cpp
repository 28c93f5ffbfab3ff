#include "engine/conversion.h"

#include "engine/display.h"
#include "engine/faults.h"
#include "support/engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace dewpoint {
namespace {

using testing::Convert;
using testing::Fields;
using testing::FieldsOf;
using testing::Shortest;
using testing::StateOf;

constexpr bool kAtmosphere = true;
constexpr bool kSystemPressure = false;

TEST(CalculateDewpoint, StateStartsAtZero)
{
    const Fields fields = FieldsOf(CalcState{});
    for (std::size_t i = 0; i < fields.size(); ++i)
        EXPECT_EQ(fields.at(i), 0.0) << "field " << i + 1;
}

// Worked cases, with the result to the digits it was established to.
TEST(CalculateDewpoint, WorkedCases)
{
    struct Case {
        const char* what;
        std::int16_t pressureScroll;
        std::int16_t dewpointScroll;
        bool atmosphere;
        const char* dewpointOutPrefix;  // leading digits of DewpointOut
        const char* readOut;
    };
    const Case cases[] = {
        {"7 bar, 0 °C at atmosphere: water branch", 70, 1000, kAtmosphere, "32.14777765981855", "32.1 °C"},
        {"7 bar, -40 °C at atmosphere: frostpoint", 70, 600, kAtmosphere, "-20.17099616", "-20.2 °C"},
        {"7 bar, +20 °C at atmosphere: warm dewpoint", 70, 1200, kAtmosphere, "57.4", "57.4 °C"},
        {"7 bar, -25 °C at atmosphere: supercooled water", 70, 750, kAtmosphere, "-2.71640518", "-2.7 °C"},
        {"7 bar, -25.6 °C at atmosphere: frostpoint again", 70, 744, kAtmosphere, "-3.11721696", "-3.1 °C"},
        {"7 bar, -25.5 °C: the supercooled band runs backwards", 70, 745, kAtmosphere, "-3.38683", "-3.4 °C"},
        {"-10 °C at system pressure, 7 bar", 70, 900, kSystemPressure, "-9.9911", "-10.0 °C"},
        {"-10 °C at system pressure, 0 bar", 0, 900, kSystemPressure, "-9.9911", "-10.0 °C"},
        {"-10 °C at system pressure, 40 bar", 400, 900, kSystemPressure, "-9.9911", "-10.0 °C"},
        {"0 °C at system pressure, 7 bar: supercooled", 70, 1000, kSystemPressure, "-3.59060", "0.0 °C"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CalcState state = Convert(c.pressureScroll, c.dewpointScroll, c.atmosphere);
        EXPECT_EQ(Shortest(state.DewpointOut).rfind(c.dewpointOutPrefix, 0), 0u) << Shortest(state.DewpointOut);
        EXPECT_EQ(CelsiusText(state.DewpointOut), c.readOut);
    }
}

TEST(CalculateDewpoint, StartUpStateIntermediates)
{
    const CalcState s = Convert(70, 1000, kAtmosphere);
    EXPECT_EQ(s.PressureAbs, 8.01325);
    EXPECT_EQ(s.PressureRef, kStandardAtmosphereBar);
    EXPECT_EQ(Shortest(s.PressureAbs / s.PressureRef), "7.908462867012089");
    EXPECT_EQ(s.PvSensor, s.PvWater / 100);  // exactly 0 °C reads as a dewpoint over water
    EXPECT_EQ(s.PvOut, s.PvOutWater);
    EXPECT_EQ(s.DewpointWater, s.DewpointWarm);
    EXPECT_EQ(s.DewpointOut, s.DewpointWater);
}

TEST(CalculateDewpoint, FrostpointCaseIntermediates)
{
    const CalcState s = Convert(70, 600, kAtmosphere);
    EXPECT_NEAR(s.PvIce, 12.84, 0.005);
    EXPECT_EQ(s.PvSensor, s.PvIce / 100);
    EXPECT_EQ(Shortest(s.PvOut).rfind("1.0152068", 0), 0u);
    EXPECT_EQ(s.PvOut, s.PvOutIce);
    EXPECT_LT(s.PvOutWater, kWaterThresholdHPa);
    EXPECT_EQ(s.DewpointOut, s.FrostpointIce);
}

TEST(CalculateDewpoint, SupercooledCaseTakesTheColdPolynomial)
{
    const CalcState s = Convert(70, 750, kAtmosphere);
    EXPECT_LT(s.LnRatioWater, 0.0);
    EXPECT_GT(s.PvOutWater, kWaterThresholdHPa);
    EXPECT_EQ(s.DewpointOut, s.DewpointCold);
}

TEST(CalculateDewpoint, AtZeroGaugeBothOptionsRepeatTheSensor)
{
    for (std::int16_t scroll = 0; scroll <= 1200; scroll += 50) {
        SCOPED_TRACE(scroll);
        const CalcState atmosphere = Convert(0, scroll, kAtmosphere);
        const CalcState system = Convert(0, scroll, kSystemPressure);
        EXPECT_EQ(atmosphere.PressureRef, atmosphere.PressureAbs);
        EXPECT_EQ(atmosphere.DewpointOut, system.DewpointOut);
        EXPECT_EQ(CelsiusText(system.DewpointOut), SensorDewpointText(scroll));
    }
}

// Sensor at system pressure and 0 °C: PvOutWater lands within one rounding
// step of the water threshold. A hair above it the result is the supercooled
// dewpoint; equal to it (equality takes the frostpoint) the ice value.
TEST(CalculateDewpoint, ZeroCelsiusAtSystemPressureStraddlesTheThreshold)
{
    const CalcState above = Convert(70, 1000, kSystemPressure);
    EXPECT_EQ(Shortest(above.PvOutWater), "6.112128400464351");
    EXPECT_LT(above.LnRatioWater, 0.0);
    EXPECT_EQ(above.DewpointOut, above.DewpointCold);
    EXPECT_NEAR(above.DewpointOut, -0.0000036, 0.0000001);

    int equalGauges = 0;
    for (std::int16_t scroll = 0; scroll <= 400; ++scroll) {
        const CalcState s = Convert(scroll, 1000, kSystemPressure);
        EXPECT_EQ(CelsiusText(s.DewpointOut), "0.0 \u00B0C") << scroll;
        if (s.PvOutWater == kWaterThresholdHPa) {
            ++equalGauges;
            EXPECT_EQ(s.DewpointOut, s.FrostpointIce) << scroll;
            EXPECT_NEAR(s.DewpointOut, 0.0012, 0.00005) << scroll;
        }
    }
    EXPECT_GT(equalGauges, 0);
}

TEST(CalculateDewpoint, EachCallRecomputesEveryField)
{
    CalcState reused = Convert(400, 0, kAtmosphere);
    reused.PressureGauge = PressureGaugeFromScroll(70);
    reused.TempK = TempKFromScroll(1000);
    CalculateDewpoint(reused, kAtmosphere);
    const CalcState fresh = Convert(70, 1000, kAtmosphere);
    EXPECT_EQ(testing::BitsOf(reused), testing::BitsOf(fresh));
}

// Outside the scroll ranges the calculation stops at the faulting statement;
// what it wrote before stays, what comes after keeps its old value.
TEST(CalculateDewpoint, FaultStopsAtTheStatementAndKeepsEarlierFields)
{
    constexpr double kUntouched = 42.0;
    // Fields are numbered 1 to 17 in their order; the two inputs are 1 and 4.
    // Statements write 3, 2, then 5 to 17 in order.
    struct Case {
        const char* what;
        double pressureGauge;
        double tempK;
        bool atmosphere;
        const char* quantity;
        std::vector<std::size_t> written;
    };
    const Case cases[] = {
        {"absolute zero", 7.0, 0.0, kAtmosphere, "PvIce", {2, 3}},
        {"negative temperature", 7.0, -10.0, kAtmosphere, "PvIce", {2, 3}},
        {"zero reference pressure", -1.01325, 273.15, kSystemPressure, "PvOutIce", {2, 3, 5, 6, 7}},
        {"negative absolute pressure", -2.0, 273.15, kAtmosphere, "LnRatioWater", {2, 3, 5, 6, 7, 8, 9, 10}},
        {"vapour pressure underflows to zero", 7.0, 1.0, kAtmosphere, "LnRatioWater", {2, 3, 5, 6, 7, 8, 9, 10}},
        {"infinite pressure", INFINITY, 273.15, kAtmosphere, "PressureAbs", {}},
        {"NaN pressure", NAN, 273.15, kAtmosphere, "PressureAbs", {}},
        {"overflowing pressure", 1e308, 273.15, kAtmosphere, "PvOutIce", {2, 3, 5, 6, 7}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fields before;
        before.fill(kUntouched);
        CalcState state = StateOf(before);
        state.PressureGauge = c.pressureGauge;
        state.TempK = c.tempK;
        try {
            CalculateDewpoint(state, c.atmosphere);
            ADD_FAILURE() << "no fault raised";
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.quantity(), c.quantity) << fault.what();
        } catch (const LogarithmArgumentError& error) {
            EXPECT_EQ(error.quantity(), c.quantity) << error.what();
        }
        const Fields after = FieldsOf(state);
        for (std::size_t field = 1; field <= 17; ++field) {
            if (field == 1 || field == 4)
                continue;
            const bool written = std::find(c.written.begin(), c.written.end(), field) != c.written.end();
            if (written)
                EXPECT_NE(after.at(field - 1), kUntouched) << "field " << field << " should have been written";
            else
                EXPECT_EQ(after.at(field - 1), kUntouched) << "field " << field << " should be untouched";
        }
    }
}

TEST(CalculateDewpoint, FaultKinds)
{
    CalcState state;
    state.PressureGauge = -1.01325;
    state.TempK = 273.15;
    EXPECT_THROW(
        {
            try {
                CalculateDewpoint(state, kSystemPressure);
            } catch (const ArithmeticFault& fault) {
                EXPECT_EQ(fault.fault(), FloatFault::DivisionByZero);
                EXPECT_STREQ(fault.what(), "floating-point division by zero while computing PvOutIce");
                throw;
            }
        },
        ArithmeticFault);

    state.PressureGauge = NAN;
    try {
        CalculateDewpoint(state, kAtmosphere);
        ADD_FAILURE();
    } catch (const ArithmeticFault& fault) {
        EXPECT_EQ(fault.fault(), FloatFault::InvalidOperation);
    }
}

}  // namespace
}  // namespace dewpoint
