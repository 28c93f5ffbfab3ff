// Speed of the numeric core: one conversion, one read-out text, both
// together, and every state the window can reach.
#include "engine/conversion.h"
#include "engine/correctly_rounded.h"
#include "engine/display.h"
#include "tests/support/engine.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

struct Inputs {
    double pressureGauge;
    double tempK;
    bool atmosphere;
};

// A spread of reachable inputs, so that every branch of the procedure is taken.
std::vector<Inputs> SampleInputs()
{
    std::vector<Inputs> inputs;
    for (int pressure = dewpoint::kPressureScrollMin; pressure <= dewpoint::kPressureScrollMax; pressure += 37)
        for (int sensor = dewpoint::kSensorScrollMin; sensor <= dewpoint::kSensorScrollMax; sensor += 53)
            for (const bool atmosphere : {true, false})
                inputs.push_back({dewpoint::PressureGaugeFromScroll(static_cast<std::int16_t>(pressure)),
                    dewpoint::TempKFromScroll(static_cast<std::int16_t>(sensor)), atmosphere});
    return inputs;
}

// Converts the sample inputs in turn, with or without the read-out text.
template <bool withText> void Convert(benchmark::State& run)
{
    const std::vector<Inputs> inputs = SampleInputs();
    std::size_t next = 0;
    dewpoint::CalcState state;
    for (auto _ : run) {
        const Inputs& in = inputs[next++ % inputs.size()];
        state.PressureGauge = in.pressureGauge;
        state.TempK = in.tempK;
        dewpoint::CalculateDewpoint(state, in.atmosphere);
        if constexpr (withText)
            benchmark::DoNotOptimize(dewpoint::CelsiusText(state.DewpointOut));
        else
            benchmark::DoNotOptimize(state.DewpointOut);
    }
}
BENCHMARK(Convert<false>)->Name("Conversion");
BENCHMARK(Convert<true>)->Name("ConversionWithText");

void ReadOutText(benchmark::State& run)
{
    const std::array<double, 5> values{32.14777765981855, -20.17099616201254, -0.0000036, 57.42866963747112, -99.99968};
    std::size_t next = 0;
    for (auto _ : run)
        benchmark::DoNotOptimize(dewpoint::CelsiusText(values.at(next++ % values.size())));
}
BENCHMARK(ReadOutText);

// The engine's correctly rounded functions beside the C library's, on the
// kinds of argument the conversion passes: the exponents of the
// vapour-pressure formulas (−40 to +7), ratios of vapour pressures (1e-4 to
// 20), and their logarithms (−10 to +3) for the powers.
std::vector<double> Arguments(double low, double high)
{
    std::vector<double> arguments;
    arguments.reserve(1024);
    // Spread by the golden ratio, so that the arguments have full mantissas,
    // as computed values do, and no power of them lies on a rounding tie.
    for (int i = 0; i < 1024; ++i) {
        const double golden = 0.6180339887498949 * (i + 1);
        arguments.push_back(low + (high - low) * (golden - static_cast<int>(golden)));
    }
    return arguments;
}
void FunctionCost(benchmark::State& run, double (*function)(double), double low, double high)
{
    const std::vector<double> arguments = Arguments(low, high);
    std::size_t next = 0;
    for (auto _ : run)
        benchmark::DoNotOptimize(function(arguments[next++ % arguments.size()]));
}
double LibraryExp(double x)
{
    return std::exp(x);
}
double LibraryLog(double x)
{
    return std::log(x);
}
double Cube(double x)
{
    return dewpoint::CorrectlyRoundedPower(x, 3);
}
double LibraryCube(double x)
{
    return std::pow(x, 3.0);
}
double FourthPower(double x)
{
    return dewpoint::CorrectlyRoundedPower(x, 4);
}
double LibraryFourthPower(double x)
{
    return std::pow(x, 4.0);
}
BENCHMARK_CAPTURE(FunctionCost, Exp, dewpoint::CorrectlyRoundedExp, -40.0, 7.0)->Name("Exp");
BENCHMARK_CAPTURE(FunctionCost, LibraryExp, LibraryExp, -40.0, 7.0)->Name("LibraryExp");
BENCHMARK_CAPTURE(FunctionCost, Log, dewpoint::CorrectlyRoundedLog, 1e-4, 20.0)->Name("Log");
BENCHMARK_CAPTURE(FunctionCost, LibraryLog, LibraryLog, 1e-4, 20.0)->Name("LibraryLog");
BENCHMARK_CAPTURE(FunctionCost, Cube, Cube, -10.0, 3.0)->Name("Cube");
BENCHMARK_CAPTURE(FunctionCost, LibraryCube, LibraryCube, -10.0, 3.0)->Name("LibraryCube");
BENCHMARK_CAPTURE(FunctionCost, FourthPower, FourthPower, -10.0, 3.0)->Name("FourthPower");
BENCHMARK_CAPTURE(FunctionCost, LibraryFourthPower, LibraryFourthPower, -10.0, 3.0)->Name("LibraryFourthPower");

void WholeGrid(benchmark::State& run)
{
    for (auto _ : run) {
        dewpoint::ForEachGridPoint(
            [](const dewpoint::GridPoint& point) { benchmark::DoNotOptimize(dewpoint::ConvertAtGridPoint(point)); });
    }
}
BENCHMARK(WholeGrid)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
