// The units the calculator converts between, in one place.
#pragma once

namespace dewpoint {

// Standard atmosphere, in bar: the offset from gauge to absolute pressure and
// the absolute pressure of a sensor that samples expanded air.
inline constexpr double kStandardAtmosphereBar = 1.01325;

// 0 °C as an absolute temperature, in K.
inline constexpr double kCelsiusToKelvin = 273.15;

// °F = °C × 1.8 + 32, and back.
inline constexpr double kFahrenheitPerCelsius = 1.8;
inline constexpr double kFahrenheitAtZeroCelsius = 32.0;

// Two psi factors, for two jobs. The window shows its gauge pressure in psi
// with the round factor 14.5 psi per bar that gauges and data sheets print
// ("102 psi" at 7 bar). A pressure given in psi is read with the exact
// factor, from the international pound and inch, so that 101.5 psi is the
// pressure its user measured and not 7.0 bar.
inline constexpr double kPsiPerBar = 14.5;
inline constexpr double kPaPerPsi = 6894.757293168;
inline constexpr double kPaPerBar = 100000.0;

}  // namespace dewpoint
