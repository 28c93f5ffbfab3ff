// The window's input grid. Each scroll bar holds a 16-bit integer position
// that stands for a tenth of its unit: the pressure bar 0 to 400 for 0.0 to
// 40.0 bar gauge, the sensor bar 0 to 1200 for -100.0 to +20.0 °C, with 0 °C
// at position 1000. Every reachable state of the window is a point of this
// grid with one of the two sensor positions.
#pragma once

#include "conversion.h"

#include <cstdint>
#include <optional>

namespace dewpoint {

inline constexpr std::int16_t kPressureScrollMin = 0;
inline constexpr std::int16_t kPressureScrollMax = 400;
inline constexpr std::int16_t kSensorScrollMin = 0;
inline constexpr std::int16_t kSensorScrollMax = 1200;
inline constexpr std::int16_t kSensorScrollZero = 1000;  // 0.0 °C

// Scroll positions per bar or per °C, and the size of one position. The
// value of a position is the position times kScrollStep (a multiplication by
// the double 0.1, which rounds differently from a division by 10).
inline constexpr int kScrollStepsPerUnit = 10;
inline constexpr double kScrollStep = 0.1;

// Gauge pressure in bar from the pressure scroll bar: value × 0.1.
double PressureGaugeFromScroll(std::int16_t scrollValue);

// Sensor dewpoint in °C from the sensor scroll bar: (value − 1000) × 0.1, the
// subtraction in checked 16-bit arithmetic (IntegerOverflow at −31769 or less).
double SensorCelsiusFromScroll(std::int16_t scrollValue);

// The same sensor dewpoint as an absolute temperature in K: (value − 1000) × 0.1 + 273.15.
double TempKFromScroll(std::int16_t scrollValue);

// The scroll position whose value lies within 1e-9 of `pressureGaugeBar` or
// `sensorCelsius`, if there is one inside the bar's range.
std::optional<std::int16_t> PressureScrollAt(double pressureGaugeBar);
std::optional<std::int16_t> SensorScrollAt(double sensorCelsius);

// One state of the window: both scroll positions and where the sensor measures.
struct GridPoint {
    std::int16_t pressureScroll = 0;
    std::int16_t sensorScroll = 0;
    bool atmosphere = true;
};

// The conversion at a grid point, computed exactly as the window computes it.
CalcState ConvertAtGridPoint(const GridPoint& point);

}  // namespace dewpoint
