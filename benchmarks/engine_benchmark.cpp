// Speed of the numeric core: one conversion, one read-out text, both
// together, and every state the window can reach.
#include "engine/conversion.h"
#include "engine/display.h"
#include "engine/grid.h"

#include <benchmark/benchmark.h>

#include <array>
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
