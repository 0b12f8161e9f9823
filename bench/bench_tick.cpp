// Cost of one tick of a run on two sysfs batteries: a tick with a sample (sysfs reads, totals,
// nine texts, a log row, the append, the graph repaint), the sample alone, and a tick
// without a sample.
#include "app/CVolticDlg.h"
#include "platform/Backends.h"
#include "graph/CGraphControl.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void Write(const QString& path, const QByteArray& value)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(value + "\n");
}

struct Fixture {
    QTemporaryDir tree;
    QTemporaryDir work;
    ampora::Backends backends;
    std::unique_ptr<ampora::CVolticDlg> dialog;

    Fixture()
    {
        for (const char* bat : {"BAT0", "BAT1"}) {
            const QString b = tree.filePath(QStringLiteral("class/power_supply/%1/").arg(bat));
            Write(b + "type", "Battery");
            Write(b + "present", "1");
            Write(b + "status", "Discharging");
            Write(b + "energy_full_design", "57000000");
            Write(b + "energy_full", "52000000");
            Write(b + "energy_now", "41000000");
            Write(b + "power_now", "9500000");
            Write(b + "voltage_now", "11900000");
            Write(b + "model_name", "Bench");
        }
        Write(tree.filePath("class/power_supply/AC/type"), "Mains");
        Write(tree.filePath("class/power_supply/AC/online"), "0");
        qputenv("AMPORA_SYSFS_ROOT", tree.path().toLocal8Bit());
        QDir::setCurrent(work.path());
        backends = ampora::MakeBackends();
        dialog = std::make_unique<ampora::CVolticDlg>(backends);
        dialog->findChild<QComboBox*>(QStringLiteral("1021"))->setCurrentIndex(18); // 285 min
        dialog->show();
        dialog->OnOK();
    }
    void KeepRunning()
    {
        if (!dialog->IsRunning())
            dialog->OnOK();
    }
};

void BM_TickWithSample(benchmark::State& state)
{
    Fixture f;
    for (auto _ : state) {
        f.KeepRunning();
        benchmark::DoNotOptimize(f.dialog->TakeSample(true));
        f.dialog->Graph()->repaint();
        if (f.dialog->Samples().Size() > 1700) {
            state.PauseTiming();
            f.dialog->OnCancel();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_TickWithSample)->Unit(benchmark::kMicrosecond);

// One sample alone: the power status and the totals read from the two-battery tree, the nine
// texts into their fields, the log row written and flushed, the sample appended.
void BM_Sample(benchmark::State& state)
{
    Fixture f;
    for (auto _ : state) {
        f.KeepRunning();
        benchmark::DoNotOptimize(f.dialog->TakeSample(true));
        if (f.dialog->Samples().Size() > 1700) {
            state.PauseTiming();
            f.dialog->OnCancel();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_Sample)->Unit(benchmark::kMicrosecond);

void BM_TickWithoutSample(benchmark::State& state)
{
    Fixture f;
    for (auto _ : state) {
        f.KeepRunning();
        if ((f.dialog->TickCount() + 1) % 10 == 0) { // step over the sampling ticks untimed
            state.PauseTiming();
            f.dialog->OnTimer();
            f.KeepRunning();
            state.ResumeTiming();
        }
        f.dialog->OnTimer();
    }
}
BENCHMARK(BM_TickWithoutSample)->Unit(benchmark::kMicrosecond);

} // namespace
