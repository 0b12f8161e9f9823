// Cost of one repaint of the graph at 600 x 480: the steady cost of a running program.
#include "graph/CGraphControl.h"
#include "graph/GraphGeometry.h"


#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

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

// A million samples squeezed into the run's length (a damaged file): every column holds
// hundreds of points that zigzag, so nothing ends the curve early and each column is collapsed.
ampora::SampleSeries MillionInRange()
{
    ampora::SampleSeries dense;
    dense.Reserve(1000000);
    for (int i = 0; i < 1000000; ++i) {
        ampora::Sample x;
        x.tick = static_cast<int32_t>(int64_t(i) * 285 * 60 / 1000000);
        x.batteryLifePercent = 90 - i / 12000 + (i % 3) * 5;
        dense.Append(x);
    }
    return dense;
}

void BM_RepaintWithMillionSamplesInRange(benchmark::State& state)
{
    const auto run = Run(kLongestRunSamples, 100);
    const auto dense = MillionInRange();
    Paint(state, run, &dense);
}
BENCHMARK(BM_RepaintWithMillionSamplesInRange)->Unit(benchmark::kMillisecond);

// The geometry part of the case above, without drawing.
void BM_CurvePointsMillionInRange(benchmark::State& state)
{
    const auto dense = MillionInRange();
    for (auto _ : state) {
        auto pts = ampora::CurvePoints(600, 460, 100, 285 * 60, 0, true, &dense);
        benchmark::DoNotOptimize(pts.data());
        state.counters["points"] = double(pts.size());
    }
}
BENCHMARK(BM_CurvePointsMillionInRange)->Unit(benchmark::kMillisecond);

// The once-a-second redraw of a run in which only the elapsed time moved, on a shown graph of
// the longest run with a compared run: only the status block is painted and copied.
void BM_StatusOnlyRedraw(benchmark::State& state)
{
    const auto run = Run(kLongestRunSamples, 100);
    const auto saved = Run(kLongestRunSamples, 95);
    QWidget window;
    window.resize(620, 500);
    ampora::CGraphControl graph(&window);
    graph.setGeometry(0, 0, 600, 480);
    graph.SetTimeRange(285 * 60);
    graph.SetSeries(&run);
    graph.SetCompareSeries(&saved);
    graph.SetRunState(true);
    window.show();
    for (int i = 0; i < 1000 && !(window.windowHandle() && window.windowHandle()->isExposed()); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    graph.Redraw();
    if (graph.Picture().isNull()) {
        state.SkipWithError("the graph was not painted");
        return;
    }
    uint32_t t = 285 * 60 - 9;
    for (auto _ : state) {
        graph.SetElapsed(t);
        graph.Redraw();
        t = t % 10 == 8 ? t - 8 : t + 1; // never a multiple of ten: the counter stays
    }
}
BENCHMARK(BM_StatusOnlyRedraw)->Unit(benchmark::kMicrosecond);

} // namespace
