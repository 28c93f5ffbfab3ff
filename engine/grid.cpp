#include "strict_arithmetic.h"

#include "grid.h"

#include "faults.h"

#include <cmath>
#include <limits>

namespace dewpoint {

namespace {

// How far a value may lie from a grid position and still be taken as it:
// far below the grid's 0.1 and far above the rounding of a unit conversion.
constexpr double kOnGridTolerance = 1e-9;

std::int16_t Subtract16(std::int16_t left, std::int16_t right)
{
    const int difference = left - right;
    if (difference < std::numeric_limits<std::int16_t>::min() || difference > std::numeric_limits<std::int16_t>::max())
        Raise(IntegerOverflow(left, right, "-"));
    return static_cast<std::int16_t>(difference);
}

// The position in [minimum, maximum] whose tenths lie within the tolerance
// of `value`, where position `zero` stands for 0.
std::optional<std::int16_t> ScrollAt(double value, int zero, int minimum, int maximum)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double tenths = std::round(value * kScrollStepsPerUnit);
    if (tenths < minimum - zero || tenths > maximum - zero)
        return std::nullopt;
    const int steps = static_cast<int>(tenths);
    if (std::fabs(value - steps * kScrollStep) > kOnGridTolerance)
        return std::nullopt;
    return static_cast<std::int16_t>(steps + zero);
}

}  // namespace

double PressureGaugeFromScroll(std::int16_t scrollValue)
{
    return scrollValue * kScrollStep;
}

double SensorCelsiusFromScroll(std::int16_t scrollValue)
{
    return Subtract16(scrollValue, kSensorScrollZero) * kScrollStep;
}

double TempKFromScroll(std::int16_t scrollValue)
{
    return Subtract16(scrollValue, kSensorScrollZero) * kScrollStep + kCelsiusToKelvin;
}

std::optional<std::int16_t> PressureScrollAt(double pressureGaugeBar)
{
    return ScrollAt(pressureGaugeBar, 0, kPressureScrollMin, kPressureScrollMax);
}

std::optional<std::int16_t> SensorScrollAt(double sensorCelsius)
{
    return ScrollAt(sensorCelsius, kSensorScrollZero, kSensorScrollMin, kSensorScrollMax);
}

CalcState ConvertAtGridPoint(const GridPoint& point)
{
    CalcState state;
    state.PressureGauge = PressureGaugeFromScroll(point.pressureScroll);
    state.TempK = TempKFromScroll(point.sensorScroll);
    CalculateDewpoint(state, point.atmosphere);
    return state;
}

}  // namespace dewpoint
