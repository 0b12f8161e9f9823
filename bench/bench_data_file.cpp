// Loading a battery-data file of a million samples (36 MB) must take well under a second.
#include "monitor/BatteryDataFile.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

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
