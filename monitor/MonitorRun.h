#pragma once
// A monitoring run without its window: the tick count and the sampling
// rule, the sample and its nine panel texts (made once per sample, for the panel and the log
// row alike), the log, the three lists of the run and the reasons a run stops. Both front
// ends drive it: the main dialog (its timer, value fields, graph and message boxes) and
// `ampora-cli record` (a one-second loop, standard error). It holds no widget and no timer:
// the front end calls Tick once a second and stops the run itself when a call says the run
// ends, so that its own Stop (timer, controls) runs at the same moment.
//
// Start is two calls around the front end's own choice of a compared run:
//   Prepare(length, log)   the lists emptied, the length, the log created with its header
//   LoadCompare(path)      optional: the compared run and its length
//   Begin()                tick 0 and its sample; false: the run does not start
// then Tick() every second, and Stop() for every end of the run.
#include "battery/BatteryRecord.h"
#include "monitor/BatteryDataFile.h"
#include "monitor/BatteryLog.h"
#include "monitor/Sample.h"
#include "monitor/SampleTexts.h"

#include <QString>

#include <ctime>
#include <functional>
#include <utility>
#include <vector>

namespace ampora {

class BatteryDriver;
class CBatteryCtrl;
class PowerStatusSource;

inline constexpr int kTickMilliseconds = 1000; // one tick is one second of the run
inline constexpr unsigned kTicksPerSample = 10; // a sample at every tick count divisible by it

// The local time now, as the log rows write it.
std::tm LocalNow();

// What a change of the power status means for the run.
struct PowerChange {
    bool countChanged = false; // the number of batteries differs from the last enumeration
    bool stopsRun = false;     // ... during a run: the front end stops it, then tells `message`
    QString message;           // strings 200 to 204 as the change and the run state ask
};

class MonitorRun {
public:
    using Clock = std::function<std::tm()>;
    using SampleTextsFunction = std::function<void(const PanelTexts&)>;

    // `batteries` is the front end's enumeration (the dialog's m_batteryCtrl): its totals
    // make the samples, its records the log's header, its count the one a power change is
    // compared with. All three belong to the caller and outlive the run.
    MonitorRun(BatteryDriver* driver, PowerStatusSource* powerStatus, const CBatteryCtrl& batteries);
    ~MonitorRun();
    MonitorRun(const MonitorRun&) = delete;
    MonitorRun& operator=(const MonitorRun&) = delete;

    // The clock of the log rows (LocalNow unless replaced, as tests do).
    void SetClock(Clock clock) { m_clock = std::move(clock); }
    // Called with the nine texts of every sample taken, before its row is written: the
    // dialog's value fields, the command's progress line.
    void SetSampleTexts(SampleTextsFunction f) { m_sampleTexts = std::move(f); }

    // Start, before a comparison: empties the three lists, closes a log left open, takes
    // `runSeconds` as the run length unless it is negative, reads the battery records, and
    // creates the log at `logPath` (an existing file is emptied) with its header describing
    // them. A log that cannot be created leaves the run without log (LogOpen false), but with
    // its records, so that a saved run still describes its batteries.
    void Prepare(int runSeconds, const QString& logPath);

    // Reads the compared run at `path` (a name already completed) into the compared series,
    // emptied first; its stored run length, when positive, becomes the run's. The caller
    // tells the user result.error when it is not empty.
    DataFileResult LoadCompare(const QString& path);
    // Whether Start goes on after LoadCompare: a file that cannot be opened only loses the
    // comparison; a damaged one ends the Start (the caller then calls Abandon).
    static bool StartGoesOn(const DataFileResult& compare);

    // Start, last: tick 0 and its sample with its row. False when the power status cannot be
    // read: the run does not start and the log is closed.
    bool Begin();
    // A Start given up before Begin: the log is closed, the run does not start.
    void Abandon() { CloseLog(); }

    // One second: the tick count goes up by one and every tenth tick takes a sample with
    // its row. True when the count has reached the run length: the caller stops the run.
    bool Tick();

    // Stop, whatever the state: the log is closed; samples, records, tick count and length
    // stay for a save.
    void Stop();

    // One sample: one reading of the power status and the totals, the texts made
    // once (panel and row), the row written when writeRow and the log is open, the sample
    // appended. False when the power status cannot be read: nothing changes.
    bool TakeSample(bool writeRow);

    // Stand-by: true when it ends a run; the front end stops it and tells StandByMessage().
    bool StandByStops() const { return m_running; }
    static QString StandByMessage();

    // A change of the power status: enumerates the batteries again (with `window` as the
    // owner, or none) and compares their number with `batteries`'. Unchanged during a run:
    // a sample without a row is taken here.
    PowerChange PowerStatusChanged(void* window = nullptr);

    // Frees the three lists.
    void ClearSeries();
    // A saved run shown in place of the run's data (View data): lists replaced; the tick
    // count and length are left to the caller.
    void ShowSaved(BatteryData& data);
    // What Save data writes: the batteries, the length, the ticks and the samples.
    BatteryData SavedData() const;

    bool Running() const { return m_running; }
    bool LogOpen() const { return m_log.IsOpen(); }
    const QString& LogPath() const { return m_logPath; }
    // Why the last Prepare could not create the log (the system's words); empty when it could.
    QString LogOpenError() const { return m_log.IsOpen() ? QString() : m_log.Reason(); }
    // The log failed during this run (a write failed, or it was deleted or lost its folder):
    // the message for the user, given once, right after the call in which it failed; empty
    // otherwise. The run goes on without the log.
    QString TakeLogFailure() { return std::exchange(m_logFailure, QString()); }
    void SetRunSeconds(int seconds) { m_runSeconds = seconds; }

    // The run's state, for the dialog to name as its own members.
    const unsigned& TickCount() const { return m_tickCount; }
    const int& RunSeconds() const { return m_runSeconds; }
    SampleSeries& Samples() { return m_samples; }
    SampleSeries& CompareSamples() { return m_compareSamples; }
    std::vector<BatteryRecord>& BatteryRecords() { return m_batteryRecords; }
    const SampleSeries& Samples() const { return m_samples; }
    const std::vector<BatteryRecord>& BatteryRecords() const { return m_batteryRecords; }

private:
    void CloseLog();

    BatteryDriver* m_driver;
    PowerStatusSource* m_powerStatus;
    const CBatteryCtrl& m_batteries;
    Clock m_clock;
    SampleTextsFunction m_sampleTexts;

    BatteryLog m_log;
    QString m_logPath;
    QString m_logFailure;
    unsigned m_tickCount = 0;
    int m_runSeconds = 0;
    bool m_running = false;
    SampleSeries m_samples;
    SampleSeries m_compareSamples;
    std::vector<BatteryRecord> m_batteryRecords;
};

} // namespace ampora
