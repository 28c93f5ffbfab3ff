// Converts the dewpoint a humidity sensor reports into the pressure dewpoint
// at the line's system pressure.
//
// Moisture content is taken as unchanged when the air is compressed or
// expanded, so the water-vapour partial pressure scales with the absolute
// pressure (Dalton's law). A sensor reading below 0 °C is read as a
// frostpoint over ice; the result is given over water when the vapour
// pressure at system pressure is above that of water at 0 °C, over ice
// otherwise.
#pragma once

#include "units.h"

namespace dewpoint {

// Ice formula at 273.15 K, in Pa, rounded to seven decimals.
inline constexpr double kIceThresholdPa = 611.1535444;

// Water formula at 273.15 K, in hPa, cut to 15 significant digits so that it
// lies a hair below the computed value.
inline constexpr double kWaterThresholdHPa = 6.11212840046435;

// Divisors inside the dewpoint and frostpoint logarithms, in hPa.
inline constexpr double kWaterDivisorHPa = 6.11213;
inline constexpr double kIceDivisorHPa = 6.11153;

// Every input and intermediate of one conversion; all zero when created, and
// every field keeps its value after a call so it can be inspected.
struct CalcState {
    double PressureGauge = 0.0;  // bar, system pressure above atmosphere (input)
    double PressureRef = 0.0;    // bar, absolute pressure at which the sensor measures
    double PressureAbs = 0.0;    // bar, absolute system pressure
    double TempK = 0.0;          // K, sensor dewpoint as an absolute temperature (input)
    double PvIce = 0.0;          // Pa, saturation vapour pressure over ice at TempK
    double PvWater = 0.0;        // Pa, saturation vapour pressure over water at TempK
    double PvSensor = 0.0;       // hPa, vapour pressure at the sensor, phase chosen
    double PvOutIce = 0.0;       // hPa, PvIce carried to system pressure
    double PvOutWater = 0.0;     // hPa, PvWater carried to system pressure
    double PvOut = 0.0;          // hPa, vapour pressure at system pressure, phase chosen
    double LnRatioWater = 0.0;   // ln(PvOut / 6.11213 hPa)
    double LnRatioIce = 0.0;     // ln(PvOut / 6.11153 hPa)
    double DewpointWarm = 0.0;   // °C, water dewpoint, polynomial for 0 °C and above
    double DewpointCold = 0.0;   // °C, water dewpoint, polynomial for below 0 °C
    double DewpointWater = 0.0;  // °C, water dewpoint, branch chosen
    double FrostpointIce = 0.0;  // °C, frostpoint over ice
    double DewpointOut = 0.0;    // °C, the converted dewpoint shown to the user
};

// Computes the pressure dewpoint from state.PressureGauge and state.TempK and
// writes every other field, in a fixed order. `atmosphereSelected` is true
// when the sensor samples air expanded to atmosphere, false when it sits in
// the line at system pressure.
//
// Raises ArithmeticFault or LogarithmArgumentError (faults.h) at the first
// NaN, infinite or undefined intermediate; the fields written before it keep
// their new values. Inputs from 0 to 40 bar gauge and 173.15 K to 293.15 K
// never fault.
void CalculateDewpoint(CalcState& state, bool atmosphereSelected);

}  // namespace dewpoint
