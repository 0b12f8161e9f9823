#include "cli/RecordSession.h"
#include "cli/CommandLine.h"

#include "battery/CBatteryCtrl.h"
#include "monitor/BatteryDataFile.h"
#include "platform/Backends.h"
#include "platform/PowerEvents.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>

#include <csignal>
#include <cstring>
#include <unistd.h>

namespace ampora {
namespace {

// Set by SIGINT (Ctrl+C) and SIGTERM; looked at every tick, so a run ends within a second.
volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void OnInterruptSignal(int)
{
    g_interrupted = 1;
}

// Catches SIGINT and SIGTERM for as long as it lives.
class InterruptCatcher {
public:
    InterruptCatcher()
    {
        g_interrupted = 0;
        m_int = std::signal(SIGINT, OnInterruptSignal);
        m_term = std::signal(SIGTERM, OnInterruptSignal);
    }
    ~InterruptCatcher()
    {
        std::signal(SIGINT, m_int == SIG_ERR ? SIG_DFL : m_int);
        std::signal(SIGTERM, m_term == SIG_ERR ? SIG_DFL : m_term);
    }

private:
    void (*m_int)(int);
    void (*m_term)(int);
};

// h:mm:ss, hours not bounded (a run lasts up to 24 hours).
QString HoursText(unsigned seconds)
{
    return QString::asprintf("%u:%02u:%02u", seconds / 3600, seconds / 60 % 60, seconds % 60);
}

} // namespace

bool IsTerminal(std::FILE* stream)
{
    return stream && isatty(fileno(stream)) != 0;
}

RecordSession::RecordSession(Backends& backends, PowerEventSource* events, RecordOptions options)
    : m_backends(backends)
    , m_events(events)
    , m_options(std::move(options))
    , m_batteries(std::make_unique<CBatteryCtrl>(backends.driver.get()))
    , m_run(backends.driver.get(), backends.powerStatus.get(), *m_batteries)
{
    m_run.SetSampleTexts([this](const PanelTexts& texts) { m_lifeLeft = texts.lifeLeft; });
    connect(&m_timer, &QTimer::timeout, this, &RecordSession::OnTick);
    if (m_events) {
        connect(m_events, &PowerEventSource::aboutToSuspend, this, &RecordSession::OnSuspend);
        connect(m_events, &PowerEventSource::powerStatusChanged, this, &RecordSession::OnPowerStatusChange);
    }
}

RecordSession::~RecordSession() = default;

void RecordSession::SetStreams(std::FILE* errors, std::FILE* progress)
{
    m_errors = errors;
    m_progress = progress;
}

void RecordSession::Tell(const QString& message)
{
    // A message starts on a line of its own, below the progress line.
    if (m_progressShown && m_progress) {
        WriteTo(m_progress, QStringLiteral("\n"));
        m_progressShown = false;
    }
    WriteTo(m_errors, message + QLatin1Char('\n'));
}

int RecordSession::Run()
{
    m_batteries->Enumerate(nullptr);
    if (m_batteries->GetBatteryCount() == 0) {
        Tell(QStringLiteral("ampora-cli: no battery: there is nothing to record"));
        return kRecordNotAllWritten;
    }

    m_run.Prepare(m_options.minutes * 60, m_options.logPath);
    if (!m_run.LogOpen()) {
        // The window goes on without a log and says nothing; here nobody watches a panel.
        m_allWritten = false;
        Tell(QStringLiteral("ampora-cli: cannot create the log %1 (%2); the run goes on without it")
                 .arg(QDir::toNativeSeparators(m_options.logPath),
                      m_run.LogOpenError()));
    }
    TellLogFailure();
    if (!m_options.comparePath.isEmpty()) {
        const DataFileResult compare = m_run.LoadCompare(m_options.comparePath);
        if (!compare.error.isEmpty())
            Tell(compare.error);
        if (!MonitorRun::StartGoesOn(compare)) {
            m_run.Abandon();
            return kRecordDamagedCompare;
        }
    }

    const InterruptCatcher interrupts;
    if (!m_run.Begin()) {
        Tell(QStringLiteral("ampora-cli: the power status cannot be read: the run does not start"));
        return kRecordNotAllWritten;
    }
    TellLogFailure();
    ShowProgress();

    // A tick every second counted from Start, as the window's; the power events look on its ticks.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.start(m_tickInterval);
    QEventLoop loop;
    m_loop = &loop;
    loop.exec();
    m_loop = nullptr;
    return m_allWritten ? kRecordOk : kRecordNotAllWritten;
}

void RecordSession::TellLogFailure()
{
    const QString failure = m_run.TakeLogFailure();
    if (failure.isEmpty())
        return;
    m_allWritten = false; // the rows after it are not in the log
    Tell(failure);
}

void RecordSession::OnTick()
{
    if (g_interrupted) {
        Finish(RecordEnd::Interrupted);
        return;
    }
    const bool ends = m_run.Tick();
    TellLogFailure();
    ShowProgress();
    if (ends) {
        Finish(RecordEnd::Length);
        return;
    }
    if (m_events)
        m_events->RunTicked();
}

void RecordSession::OnSuspend()
{
    if (!m_run.StandByStops()) {
        if (m_events)
            m_events->SuspendHandled();
        return;
    }
    Finish(RecordEnd::StandBy, MonitorRun::StandByMessage());
}

void RecordSession::OnPowerStatusChange()
{
    if (!m_run.Running())
        return;
    // An unchanged count takes a sample without a row there.
    const PowerChange change = m_run.PowerStatusChanged(nullptr);
    if (change.stopsRun)
        Finish(RecordEnd::BatteryCountChanged, change.message);
}

void RecordSession::Finish(RecordEnd end, const QString& message)
{
    if (!m_run.Running())
        return;
    m_end = end;
    m_timer.stop();
    m_run.Stop();
    ShowProgress();
    if (!Save())
        m_allWritten = false;
    // As the window does: the machine may sleep once the run is stopped and saved, and the
    // message follows.
    if (end == RecordEnd::StandBy && m_events)
        m_events->SuspendHandled();
    if (!message.isEmpty())
        Tell(message);
    if (m_progressShown && m_progress) {
        WriteTo(m_progress, QStringLiteral("\n"));
        m_progressShown = false;
    }
    if (m_loop)
        m_loop->quit();
}

bool RecordSession::Save()
{
    const BatteryData data = m_run.SavedData();
    DataFileResult result = WriteBatteryDataFile(m_options.savePath, data);
    if (result.Ok()) {
        m_savedTo = m_options.savePath;
        return true;
    }
    Tell(result.error);
    // Nothing recorded is lost: the samples go to the temporary folder then.
    const QString fallback = QDir::temp().filePath(QFileInfo(m_options.savePath).fileName());
    if (QFileInfo(fallback).absoluteFilePath() == QFileInfo(m_options.savePath).absoluteFilePath())
        return false;
    result = WriteBatteryDataFile(fallback, data);
    if (!result.Ok()) {
        Tell(result.error);
        return false;
    }
    m_savedTo = fallback;
    Tell(QStringLiteral("ampora-cli: the run was saved to %1 instead").arg(QDir::toNativeSeparators(fallback)));
    return false;
}

void RecordSession::ShowProgress()
{
    if (!m_progress)
        return;
    const unsigned length = m_run.RunSeconds() > 0 ? static_cast<unsigned>(m_run.RunSeconds()) : 0;
    const QString line = QStringLiteral("\r%1 / %2  %3 samples  life %4")
                             .arg(HoursText(m_run.TickCount()), HoursText(length))
                             .arg(m_run.Samples().Size())
                             .arg(m_lifeLeft);
    // Blanks over what a longer line left behind; "\x1b[K" would not reach a log of the terminal.
    WriteTo(m_progress, line + QStringLiteral("   "));
    m_progressShown = true;
}

} // namespace ampora
