// How far the read-out strays from an exact inversion of the same Sonntag
// vapour-pressure formulas, over every state the window can reach.
//
// For each state the vapour pressure at system pressure (PvOut) is inverted
// numerically: by bisection to 1e-9 °C, over water where it is at least the
// pressure of water at 0 °C, otherwise over ice (a frostpoint). The largest
// deviation of the read-out from it is printed per 10 °C band of the exact
// result; results given as a dewpoint over supercooled water, which the
// exact inversion gives as a frostpoint, are listed apart.
#include "engine/formulas.h"
#include "tests/support/engine.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

constexpr double kKelvinOffset = 273.15;

// The temperature in °C at which `pressurePa(T)` equals `targetPa`, between
// lowC and highC, by bisection; the formulas rise monotonically with T.
double Invert(double (*pressurePa)(double), double targetPa, double lowC, double highC)
{
    while (highC - lowC > 1e-9) {
        const double middle = 0.5 * (lowC + highC);
        if (pressurePa(middle + kKelvinOffset) < targetPa)
            lowC = middle;
        else
            highC = middle;
    }
    return 0.5 * (lowC + highC);
}

struct Worst {
    long states = 0;
    double deviation = 0.0;  // read-out minus exact, °C
    dewpoint::GridPoint at;

    void Add(double difference, const dewpoint::GridPoint& point)
    {
        ++states;
        if (std::fabs(difference) > std::fabs(deviation)) {
            deviation = difference;
            at = point;
        }
    }

    void Print(const char* label) const
    {
        if (states == 0)
            return;
        std::printf("| %-22s | %7ld | %+9.4f | %5.1f bar, %6.1f °C, %-10s |\n", label, states, deviation,
            dewpoint::PressureGaugeFromScroll(at.pressureScroll), dewpoint::SensorCelsiusFromScroll(at.sensorScroll),
            at.atmosphere ? "atmosphere" : "in line");
    }
};

}  // namespace

int main()
{
    constexpr int kBands = 20;  // -100 °C to +100 °C in steps of 10
    std::array<Worst, kBands> bands{};
    Worst supercooled;
    const double waterAtZeroHPa = dewpoint::WaterVapourPressurePaFromTempK(kKelvinOffset) / 100;

    dewpoint::ForEachGridPoint([&](const dewpoint::GridPoint& point) {
        const dewpoint::CalcState state = dewpoint::ConvertAtGridPoint(point);
        const double targetPa = state.PvOut * 100;
        const double exact = state.PvOut >= waterAtZeroHPa
            ? Invert(dewpoint::WaterVapourPressurePaFromTempK, targetPa, 0.0, 130.0)
            : Invert(dewpoint::IceVapourPressurePaFromTempK, targetPa, -130.0, 0.1);
        const double difference = state.DewpointOut - exact;
        if (state.DewpointOut == state.DewpointCold && state.DewpointOut < 0.0) {
            supercooled.Add(difference, point);
        } else {
            // -100 °C itself counts with the band above it.
            const int band = std::clamp(static_cast<int>(std::floor(exact / 10.0)) + kBands / 2, 0, kBands - 1);
            bands.at(static_cast<std::size_t>(band)).Add(difference, point);
        }
    });

    std::printf("| Exact result           |  States | Largest deviation (°C) | at                              |\n");
    std::printf("|------------------------|--------:|----------:|---------------------------------|\n");
    for (int band = 0; band < kBands; ++band) {
        std::array<char, 32> label{};
        std::snprintf(
            label.data(), label.size(), "%+d to %+d °C", (band - kBands / 2) * 10, (band - kBands / 2 + 1) * 10);
        bands.at(static_cast<std::size_t>(band)).Print(label.data());
    }
    supercooled.Print("supercooled read-out");
    return 0;
}
