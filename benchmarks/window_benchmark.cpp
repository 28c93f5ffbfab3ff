// Speed of the window, offscreen: from a new scroll-bar value to the labels
// and read-out updated (the handler's latency), and to the window repainted.
#include "window/form1.h"

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

namespace {

// Moves a bar through its range in steps that change the value every time.
void MoveBar(benchmark::State& run, const char* name, int range, bool repaint)
{
    Form1 form;
    form.Form_Load();
    form.show();
    QCoreApplication::processEvents();
    auto* bar = form.findChild<QScrollBar*>(QString::fromLatin1(name));
    int value = bar->value();
    for (auto _ : run) {
        value = (value + 7) % (range + 1);
        bar->setValue(value);
        if (repaint)
            form.repaint();
    }
}

void PressureHandler(benchmark::State& run)
{
    MoveBar(run, "HScroll1", 400, false);
}
BENCHMARK(PressureHandler)->Unit(benchmark::kMicrosecond);

void SensorHandler(benchmark::State& run)
{
    MoveBar(run, "HScroll2", 1200, false);
}
BENCHMARK(SensorHandler)->Unit(benchmark::kMicrosecond);

void SensorHandlerAndRepaint(benchmark::State& run)
{
    MoveBar(run, "HScroll2", 1200, true);
}
BENCHMARK(SensorHandlerAndRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
