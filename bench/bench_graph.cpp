// Cost of one repaint of the graph at 600 x 480: the steady cost of a running program.
#include "graph/CGraphControl.h"
#include "graph/GraphGeometry.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

ampora::SampleSeries Run(int samples, int startPercent)
{
    ampora::SampleSeries s;
    s.Reserve(samples);
    for (int i = 0; i < samples; ++i) {
        ampora::Sample x;
        x.tick = i * 10;
        x.batteryLifePercent = startPercent - i * startPercent / samples;
        s.Append(x);
    }
    return s;
}

constexpr int kLongestRunSamples = 285 * 6 + 1; // 1 711

void Paint(benchmark::State& state, const ampora::SampleSeries& run, const ampora::SampleSeries* compare)
{
    ampora::CGraphControl graph;
    graph.SetTimeRange(285 * 60);
    graph.SetSeries(&run);
    graph.SetCompareSeries(compare);
    graph.SetRunState(true);
    graph.SetElapsed(285 * 60);
    for (auto _ : state) {
        QImage img = graph.Render(600, 480 - ampora::kGraphBottomBand);
        benchmark::DoNotOptimize(img.constBits());
    }
}

void BM_RepaintLongestRun(benchmark::State& state)
{
    const auto run = Run(kLongestRunSamples, 100);
    Paint(state, run, nullptr);
}
BENCHMARK(BM_RepaintLongestRun)->Unit(benchmark::kMillisecond);

void BM_RepaintLongestRunWithCompared(benchmark::State& state)
{
    const auto run = Run(kLongestRunSamples, 100);
    const auto saved = Run(kLongestRunSamples, 95);
    Paint(state, run, &saved);
}
BENCHMARK(BM_RepaintLongestRunWithCompared)->Unit(benchmark::kMillisecond);

// A compared file of a million samples (a huge or damaged file) must not freeze the window.
void BM_RepaintWithMillionSampleCompared(benchmark::State& state)
{
    const auto run = Run(kLongestRunSamples, 100);
    const auto huge = Run(1000000, 90);
    Paint(state, run, &huge);
}
BENCHMARK(BM_RepaintWithMillionSampleCompared)->Unit(benchmark::kMillisecond);

// The same million samples all at one tick: nothing ends the curve early.
void BM_RepaintWithMillionSamplesAtOneTick(benchmark::State& state)
{
    const auto run = Run(kLongestRunSamples, 100);
    ampora::SampleSeries flat;
    flat.Reserve(1000000);
    for (int i = 0; i < 1000000; ++i) {
        ampora::Sample x;
        x.tick = 100;
        x.batteryLifePercent = i % 2 ? 40 : 60;
        flat.Append(x);
    }
    Paint(state, run, &flat);
}
BENCHMARK(BM_RepaintWithMillionSamplesAtOneTick)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
