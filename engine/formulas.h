// Saturation vapour pressure over ice and over liquid water, and the inverse
// polynomials that give a dewpoint or frostpoint from a vapour pressure.
//
// Source: D. Sonntag, "Important new values of the physical constants of 1986,
// vapour pressure formulations based on the ITS-90, and psychrometer
// formulae", Zeitschrift für Meteorologie 40 (1990), 340-344, with the inverse
// polynomials of the same author for the dewpoint and frostpoint.
//
// Each function evaluates its formula in one fixed order, operation by
// operation, so the results are the same bits in every build. A NaN or
// infinite intermediate raises ArithmeticFault; a logarithm of a non-positive
// number raises LogarithmArgumentError. The fault names the calculation-state
// field the formula fills.
#pragma once

#include <string_view>

namespace dewpoint {

// T⁻¹, T² and ln T of an absolute temperature T in K: the powers that both
// vapour-pressure formulas take, each formed by the general power operation
// (never by repeated multiplication, which rounds differently). A fault
// while forming them names `quantity`.
struct TemperaturePowers {
    double tempK;      // K
    double inverse;    // K⁻¹
    double square;     // K²
    double logarithm;  // ln(T/K)
};
TemperaturePowers TemperaturePowersOf(double tempK, std::string_view quantity);

// Saturation vapour pressure over a plane ice surface, in Pa, at the absolute
// temperature `tempK` in K (Sonntag 1990, formula for ice).
double IceVapourPressurePa(const TemperaturePowers& t);

// Saturation vapour pressure over a plane surface of liquid water, in Pa, at
// the absolute temperature `tempK` in K (Sonntag 1990, formula for water).
double WaterVapourPressurePa(const TemperaturePowers& t);

// The three inverse polynomials take y = ln(e / e0), a dimensionless ratio
// of a vapour pressure e in hPa to the divisor e0 in hPa given with each, and
// return a temperature in °C. The two water polynomials run on the same y,
// so its powers y², y³ and y⁴ can be formed once and handed to both.
struct RatioPowers {
    double y;
    double square;
    double cube;
    double fourth;
};
RatioPowers RatioPowersOf(double lnRatio, std::string_view quantity);

// Dewpoint over liquid water at or above 0 °C; e0 = 6.11213 hPa.
double WarmDewpointC(const RatioPowers& y);

// Dewpoint over supercooled liquid water below 0 °C; e0 = 6.11213 hPa.
double ColdDewpointC(const RatioPowers& y);

// Frostpoint over ice; e0 = 6.11153 hPa.
double FrostpointCFromLnRatio(double lnRatio);
double FrostpointC(const RatioPowers& y);

}  // namespace dewpoint
