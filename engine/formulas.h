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

namespace dewpoint {

// Saturation vapour pressure over a plane ice surface, in Pa, at the absolute
// temperature `tempK` in K (Sonntag 1990, formula for ice).
double IceVapourPressurePaFromTempK(double tempK);

// Saturation vapour pressure over a plane surface of liquid water, in Pa, at
// the absolute temperature `tempK` in K (Sonntag 1990, formula for water).
double WaterVapourPressurePaFromTempK(double tempK);

// The three inverse polynomials take y = ln(e / e0), a dimensionless ratio
// of a vapour pressure e in hPa to the divisor e0 in hPa given with each, and
// return a temperature in °C.

// Dewpoint over liquid water at or above 0 °C; e0 = 6.11213 hPa.
double WarmDewpointCFromLnRatio(double lnRatio);

// Dewpoint over supercooled liquid water below 0 °C; e0 = 6.11213 hPa.
double ColdDewpointCFromLnRatio(double lnRatio);

// Frostpoint over ice; e0 = 6.11153 hPa.
double FrostpointCFromLnRatio(double lnRatio);

}  // namespace dewpoint
