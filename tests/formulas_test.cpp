#include "engine/checked_math.h"
#include "engine/formulas.h"

#include "engine/conversion.h"
#include "engine/faults.h"
#include "support/engine.h"

#include <gtest/gtest.h>

#include <cmath>

namespace dewpoint {
namespace {

using testing::Shortest;

TEST(Formulas, ThresholdsAreTheFormulasAtZeroCelsius)
{
    const double ice = IceVapourPressurePaFromTempK(273.15);
    const double water = WaterVapourPressurePaFromTempK(273.15);
    EXPECT_EQ(Shortest(ice), "611.1535444342252");
    EXPECT_EQ(Shortest(water), "611.2128400464351");
    EXPECT_EQ(std::round(ice * 1e7) / 1e7, kIceThresholdPa);
    // The water threshold lies a hair below the computed value.
    EXPECT_LT(kWaterThresholdHPa, water / 100);
    EXPECT_EQ(Shortest(water / 100), "6.112128400464351");
}

// Reference saturation pressures: water from the IAPWS-95 steam tables,
// ice from the IAPWS sublimation-pressure equation (Wagner et al. 2011),
// quoted to the digits shown. Sonntag's fits agree with them within 0.02 %
// over water (0 to 100 °C) and within 0.1 % over ice (-60 to 0 °C); the
// tolerances add the rounding of the quoted digits.
TEST(Formulas, AgreeWithPublishedSaturationPressures)
{
    struct Case {
        double celsius;
        double referencePa;
        double relativeTolerance;
    };
    const Case water[] = {
        {0.01, 611.655, 2e-4},
        {20, 2339.2, 2e-4},
        {30, 4246.9, 2e-4},
        {50, 12352, 2e-4},
        {60, 19946, 2e-4},
        {80, 47414, 2e-4},
        {100, 101418, 2e-4},
    };
    for (const auto& c : water) {
        SCOPED_TRACE(c.celsius);
        const double pa = WaterVapourPressurePaFromTempK(c.celsius + 273.15);
        EXPECT_NEAR(pa / c.referencePa, 1.0, c.relativeTolerance);
    }
    const Case ice[] = {
        {0.01, 611.655, 2e-4},
        {-10, 259.9, 1e-3},
        {-20, 103.2, 1.5e-3},
        {-30, 38.0, 2e-3},
        {-40, 12.84, 1e-3},
        {-60, 1.08, 5e-3},
    };
    for (const auto& c : ice) {
        SCOPED_TRACE(c.celsius);
        const double pa = IceVapourPressurePaFromTempK(c.celsius + 273.15);
        EXPECT_NEAR(pa / c.referencePa, 1.0, c.relativeTolerance);
    }
}

TEST(Formulas, SupercooledWaterHasTheHigherPressureBelowZero)
{
    EXPECT_NEAR(WaterVapourPressurePaFromTempK(233.15), 19.03, 0.01);
    EXPECT_NEAR(IceVapourPressurePaFromTempK(233.15), 12.84, 0.01);
    for (double celsius = -100.0; celsius < -0.05; celsius += 0.5) {
        SCOPED_TRACE(celsius);
        EXPECT_GT(WaterVapourPressurePaFromTempK(celsius + 273.15), IceVapourPressurePaFromTempK(celsius + 273.15));
    }
}

TEST(Formulas, ZeroLnRatioIsZeroCelsius)
{
    EXPECT_EQ(WarmDewpointCFromLnRatio(std::log(6.11213 / kWaterDivisorHPa)), 0.0);
    EXPECT_EQ(ColdDewpointCFromLnRatio(0.0), 0.0);
    EXPECT_EQ(FrostpointCFromLnRatio(0.0), 0.0);
}

// Each inverse polynomial undoes its forward formula to within the accuracy
// of Sonntag's fit over its own range: a wrong or swapped coefficient shows
// as an error of tenths of a degree or more.
TEST(Formulas, InversePolynomialsInvertTheForwardFormulas)
{
    struct Case {
        const char* name;
        double (*forwardPa)(double);
        double (*inverseC)(double);
        double divisorHPa;
        double fromC, toC, toleranceC;
    };
    const Case cases[] = {
        {"warm", WaterVapourPressurePaFromTempK, WarmDewpointCFromLnRatio, kWaterDivisorHPa, 0, 20, 0.03},
        {"supercooled", WaterVapourPressurePaFromTempK, ColdDewpointCFromLnRatio, kWaterDivisorHPa, -50, 0, 0.015},
        {"ice", IceVapourPressurePaFromTempK, FrostpointCFromLnRatio, kIceDivisorHPa, -50, 0, 0.01},
        {"ice, cold end", IceVapourPressurePaFromTempK, FrostpointCFromLnRatio, kIceDivisorHPa, -100, -50, 0.04},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        double worst = 0.0;
        for (double t = c.fromC; t <= c.toC; t += 0.05) {
            const double y = std::log(c.forwardPa(t + 273.15) / 100 / c.divisorHPa);
            worst = std::fmax(worst, std::fabs(c.inverseC(y) - t));
        }
        EXPECT_LT(worst, c.toleranceC);
    }
}

TEST(Formulas, FaultsNameTheFaultAndTheQuantity)
{
    struct Case {
        const char* what;
        double (*formula)(double);
        double input;
        FloatFault fault;
        const char* quantity;
    };
    const Case cases[] = {
        {"absolute zero", IceVapourPressurePaFromTempK, 0.0, FloatFault::DivisionByZero, "PvIce"},
        {"absolute zero", WaterVapourPressurePaFromTempK, 0.0, FloatFault::DivisionByZero, "PvWater"},
        {"tiny temperature", IceVapourPressurePaFromTempK, 1e-310, FloatFault::Overflow, "PvIce"},
        {"hot enough to overflow exp", WaterVapourPressurePaFromTempK, 1e6, FloatFault::Overflow, "PvWater"},
        {"not a number", IceVapourPressurePaFromTempK, NAN, FloatFault::InvalidOperation, "PvIce"},
        {"infinite ratio", WarmDewpointCFromLnRatio, INFINITY, FloatFault::Overflow, "DewpointWarm"},
        {"huge ratio", ColdDewpointCFromLnRatio, 1e100, FloatFault::Overflow, "DewpointCold"},
        {"not a number", FrostpointCFromLnRatio, NAN, FloatFault::InvalidOperation, "FrostpointIce"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.what) + " in " + c.quantity);
        try {
            c.formula(c.input);
            ADD_FAILURE() << "no fault raised";
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.fault(), c.fault);
            EXPECT_EQ(fault.quantity(), c.quantity);
            EXPECT_NE(std::string(fault.what()).find(c.quantity), std::string::npos) << fault.what();
            const char* const name = c.fault == FloatFault::Overflow ? "floating-point overflow"
                : c.fault == FloatFault::DivisionByZero              ? "floating-point division by zero"
                                                                     : "invalid floating-point operation";
            EXPECT_NE(std::string(fault.what()).find(name), std::string::npos) << fault.what();
        }
    }
}

TEST(Formulas, NegativeTemperatureIsALogarithmError)
{
    try {
        IceVapourPressurePaFromTempK(-5.0);
        ADD_FAILURE() << "no error raised";
    } catch (const LogarithmArgumentError& error) {
        EXPECT_EQ(error.argument(), -5.0);
        EXPECT_EQ(error.quantity(), "PvIce");
        EXPECT_STREQ(error.what(), "logarithm of the non-positive number -5 while computing PvIce");
    }
}

// The checked functions' domains: a logarithm of zero is a logarithm error
// like a negative one, zero to a negative power a division by zero, and an
// exponent that is not a whole number from -1024 to 1024 is refused before
// it is converted.
TEST(CheckedMath, DomainsOfLogAndPower)
{
    for (const double argument : {0.0, -0.0, -5.0}) {
        try {
            NaturalLog(Checked(argument, "a ratio"));
            ADD_FAILURE() << "no error raised for " << argument;
        } catch (const LogarithmArgumentError& error) {
            EXPECT_EQ(error.argument(), argument);
        }
    }
    EXPECT_EQ(NaturalLog(Checked(1.0, "a ratio")).value(), 0.0);
    try {
        Power(Checked(0.0, "T"), -1.0);
        ADD_FAILURE() << "no fault raised";
    } catch (const ArithmeticFault& fault) {
        EXPECT_EQ(fault.fault(), FloatFault::DivisionByZero);
    }
    EXPECT_EQ(Power(Checked(0.0, "T"), 2.0).value(), 0.0);
    EXPECT_EQ(Power(Checked(-2.0, "y"), 3.0).value(), -8.0);
    EXPECT_EQ(Power(Checked(2.0, "y"), -1024.0).value(), 0x1p-1024);
    for (const double exponent : {0.5, -1.5, 1025.0, -1025.0, 1e10, -1e300, double(NAN), double(INFINITY)})
        EXPECT_THROW(Power(Checked(2.0, "y"), exponent), std::domain_error) << exponent;
    EXPECT_EQ(PowerOfTen(-5, "a coefficient").value(), 0.00001);
}

}  // namespace
}  // namespace dewpoint
