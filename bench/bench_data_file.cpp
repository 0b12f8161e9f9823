// Loading a battery-data file of a million samples (36 MB) must take well under a second;
// a short run followed by a gigabyte of trailing bytes must read in under 100 ms and under
// 50 MB of extra memory, since only what the counts ask for is read.
#include "monitor/BatteryDataFile.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

namespace {

using namespace ampora;

constexpr int kSamples = 1'000'000;

BatteryData MillionSampleRun()
{
    BatteryData data;
    BatteryRecord battery;
    battery.deviceName = "BAT0";
    battery.manufacturer = "Maker";
    battery.chemistry = "Lithium Ion";
    data.records.assign(2, battery);
    data.samples.Reserve(kSamples);
    for (int i = 0; i < kSamples; ++i)
        data.samples.Append(Sample{10 * i, 52000, 50000, 0, 50000 - i % 50000, 11400, 3600, -1, i % 101});
    data.runSeconds = 10 * kSamples;
    data.tickCount = 10 * kSamples;
    return data;
}

long PeakRssKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Registered first, so the peak memory it reports is not that of the million-sample runs.
void BM_ReadRunPaddedWithAGigabyte(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("padded.apd"));
    BatteryData run;
    run.records.resize(1);
    for (int i = 0; i < 1711; ++i) // the longest run: 285 minutes
        run.samples.Append(Sample{10 * i, 52000, 50000, 0, 50000 - i, 11400, 3600, -1, 100 - i / 18});
    QFile file(path);
    if (!WriteBatteryDataFile(path, run).Ok() || !file.resize(file.size() + (int64_t{1} << 30))) {
        state.SkipWithError("the padded file could not be made");
        return;
    }
    const long before = PeakRssKiB();
    for (auto _ : state) {
        BatteryData loaded;
        if (!ReadBatteryDataFile(path, &loaded).Ok() || loaded.samples.Size() != run.samples.Size()) {
            state.SkipWithError("the file did not read back");
            return;
        }
        benchmark::DoNotOptimize(loaded.samples.Back());
    }
    state.counters["peak_rss_growth_MB"] = static_cast<double>(PeakRssKiB() - before) / 1024.0;
}
BENCHMARK(BM_ReadRunPaddedWithAGigabyte)->Unit(benchmark::kMillisecond);

void BM_ReadMillionSampleFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("million.apd"));
    const DataFileResult written = WriteBatteryDataFile(path, MillionSampleRun());
    if (!written.Ok()) {
        state.SkipWithError(written.error.toStdString().c_str());
        return;
    }
    for (auto _ : state) {
        BatteryData loaded;
        const DataFileResult result = ReadBatteryDataFile(path, &loaded);
        if (!result.Ok() || loaded.samples.Size() != kSamples) {
            state.SkipWithError("the file did not read back");
            return;
        }
        benchmark::DoNotOptimize(loaded.samples.Back());
    }
    state.SetBytesProcessed(state.iterations() * (int64_t{kSamples} * 36));
}
BENCHMARK(BM_ReadMillionSampleFile)->Unit(benchmark::kMillisecond);

void BM_WriteMillionSampleFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("million.apd"));
    const BatteryData data = MillionSampleRun();
    for (auto _ : state) {
        if (!WriteBatteryDataFile(path, data).Ok()) {
            state.SkipWithError("the file could not be written");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * (int64_t{kSamples} * 36));
}
BENCHMARK(BM_WriteMillionSampleFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
