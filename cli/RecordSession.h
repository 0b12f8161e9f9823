#pragma once
// One `ampora-cli record` run: the window's run (monitor/MonitorRun) driven by a one-second
// timer instead of the dialog's, with the power events, Ctrl+C and SIGTERM as its other ends,
// and a battery-data file written at every end. Messages go to standard error (the window's
// own texts where the window shows one), the progress line to a terminal only.
#include "monitor/BatteryLog.h"
#include "monitor/MonitorRun.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <cstdio>

class QEventLoop;

namespace ampora {

class CBatteryCtrl;
class PowerEventSource;
struct Backends;

inline constexpr int kRecordMinMinutes = 1;
inline constexpr int kRecordMaxMinutes = 1440;
inline constexpr const char* kRecordDataFileName = "BatteryData.apd";

// Exit statuses of record: every sample taken is in the log and the .apd; something could not
// be written, or the run could not start; a compared file is damaged.
inline constexpr int kRecordOk = 0;
inline constexpr int kRecordNotAllWritten = 1;
inline constexpr int kRecordDamagedCompare = 2;

struct RecordOptions {
    int minutes = 0;
    QString logPath = QString::fromLatin1(kLogFileName);
    QString savePath = QString::fromLatin1(kRecordDataFileName); // completed with ".apd"
    QString comparePath;                                          // completed; empty: none
};

// Why a run ended.
enum class RecordEnd { Length, Interrupted, StandBy, BatteryCountChanged };

class RecordSession : public QObject {
    Q_OBJECT
public:
    // `backends` and `events` (may be null) belong to the caller and outlive the session.
    RecordSession(Backends& backends, PowerEventSource* events, RecordOptions options);
    ~RecordSession() override;

    // Seams for tests: the clock of the log rows, the length of a tick, the streams.
    void SetClock(MonitorRun::Clock clock) { m_run.SetClock(std::move(clock)); }
    void SetTickInterval(std::chrono::milliseconds interval) { m_tickInterval = interval; }
    // errors: messages; progress: the progress line, null for none.
    void SetStreams(std::FILE* errors, std::FILE* progress);

    // Runs to the end; Ctrl+C and SIGTERM are caught meanwhile. Gives the exit status.
    int Run();

    const MonitorRun& Monitor() const { return m_run; }
    RecordEnd End() const { return m_end; }
    // The file the run was saved to in the end (empty if none could be written).
    const QString& SavedTo() const { return m_savedTo; }

private:
    void OnTick();
    void TellLogFailure();
    void OnSuspend();
    void OnPowerStatusChange();
    void Finish(RecordEnd end, const QString& message = QString());
    bool Save();
    void Tell(const QString& message);
    void ShowProgress();

    Backends& m_backends;
    PowerEventSource* m_events;
    RecordOptions m_options;
    std::unique_ptr<CBatteryCtrl> m_batteries;
    MonitorRun m_run;
    QTimer m_timer;
    QEventLoop* m_loop = nullptr;
    std::chrono::milliseconds m_tickInterval{kTickMilliseconds};
    std::FILE* m_errors = stderr;
    std::FILE* m_progress = nullptr;
    QString m_lifeLeft;
    bool m_progressShown = false;
    RecordEnd m_end = RecordEnd::Length;
    QString m_savedTo;
    bool m_allWritten = true;
};

// True when `stream` is a terminal.
bool IsTerminal(std::FILE* stream);

} // namespace ampora
