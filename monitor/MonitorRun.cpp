#include "monitor/MonitorRun.h"

#include "battery/CBatteryCtrl.h"
#include "platform/BatteryDriver.h"
#include "platform/PowerStatus.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <QDateTime>

namespace ampora {

// Qt's clock, which every platform has, rather than the C library's reentrant localtime.
std::tm LocalNow()
{
    const QDateTime now = QDateTime::currentDateTime();
    std::tm local{};
    local.tm_year = now.date().year() - 1900;
    local.tm_mon = now.date().month() - 1;
    local.tm_mday = now.date().day();
    local.tm_hour = now.time().hour();
    local.tm_min = now.time().minute();
    local.tm_sec = now.time().second();
    local.tm_wday = now.date().dayOfWeek() % 7;
    local.tm_yday = now.date().dayOfYear() - 1;
    local.tm_isdst = now.isDaylightTime() ? 1 : 0;
    return local;
}

MonitorRun::MonitorRun(BatteryDriver* driver, PowerStatusSource* powerStatus, const CBatteryCtrl& batteries)
    : m_driver(driver)
    , m_powerStatus(powerStatus)
    , m_batteries(batteries)
    , m_clock(LocalNow)
{
}

MonitorRun::~MonitorRun()
{
    CloseLog();
}

void MonitorRun::CloseLog()
{
    m_log.Close();
}

void MonitorRun::Prepare(int runSeconds, const QString& logPath)
{
    ClearSeries();
    CloseLog(); // a log left open by an earlier Start that never ran
    if (runSeconds >= 0)
        m_runSeconds = runSeconds;
    m_logPath = logPath;
    m_logFailure.clear();
    m_batteryRecords = ReadBatteryRecords(m_batteries);
    if (m_log.Open(logPath, m_batteryRecords) == BatteryLog::Result::Failed)
        m_logFailure = m_log.FailureMessage();
}

DataFileResult MonitorRun::LoadCompare(const QString& path)
{
    m_compareSamples.Clear();
    BatteryData data;
    const DataFileResult result = ReadBatteryDataFile(path, &data);
    if (!result.Loaded())
        return result;
    m_compareSamples.Swap(data.samples);
    // The run stops at the compared run's length. The tick count counts up from 1, so a
    // stored length of 0 or less is never reached: the run then goes on until it is stopped.
    m_runSeconds = data.runSeconds;
    return result;
}

bool MonitorRun::StartGoesOn(const DataFileResult& compare)
{
    return compare.Loaded() || compare.status == DataFileStatus::CannotOpen;
}

bool MonitorRun::Begin()
{
    m_tickCount = 0;
    if (!TakeSample(true)) {
        CloseLog();
        return false;
    }
    m_running = true;
    return true;
}

bool MonitorRun::Tick()
{
    m_tickCount += 1;
    if (m_tickCount % kTicksPerSample == 0)
        TakeSample(true);
    return static_cast<int64_t>(m_tickCount) == m_runSeconds;
}

void MonitorRun::Stop()
{
    m_running = false;
    CloseLog();
}

bool MonitorRun::TakeSample(bool writeRow)
{
    // The power status and the totals of one sample share one reading of the batteries.
    const SampleReadings readings(m_driver);
    SystemPowerStatus status;
    if (!m_powerStatus || !m_powerStatus->GetSystemPowerStatus(&status))
        return false;
    BatteryTotals totals;
    m_batteries.GetBatteryTotals(&totals);

    const PanelTexts texts = MakePanelTexts(status, totals);
    if (m_sampleTexts)
        m_sampleTexts(texts);
    if (writeRow && m_log.IsOpen()
        && m_log.WriteRow(BuildLogRow(m_clock(), status, totals, texts)) == BatteryLog::Result::Failed)
        m_logFailure = m_log.FailureMessage();
    m_samples.Append(MakeSample(m_tickCount, status, totals));
    return true;
}

QString MonitorRun::StandByMessage()
{
    return LoadQString(IDS_STAND_BY);
}

PowerChange MonitorRun::PowerStatusChanged(void* window)
{
    CBatteryCtrl current(m_driver);
    current.Enumerate(window);
    const int oldCount = m_batteries.GetBatteryCount();
    const int newCount = current.GetBatteryCount();
    PowerChange change;
    if (oldCount == newCount) {
        if (m_running)
            TakeSample(false);
        return change;
    }
    change.countChanged = true;
    change.stopsRun = m_running;
    change.message = LoadQString(IDS_POWER_CHANGE).replace(
        QLatin1String("%s"), LoadQString(oldCount < newCount ? IDS_BATTERY_ADDED : IDS_BATTERY_REMOVED));
    change.message += LoadQString(IDS_POWER_CHANGE_SETTINGS);
    if (m_running)
        change.message += LoadQString(IDS_POWER_CHANGE_STOPPED);
    change.message += QLatin1Char('!');
    return change;
}

void MonitorRun::ClearSeries()
{
    m_samples.Clear();
    m_compareSamples.Clear();
    m_batteryRecords.clear();
}

void MonitorRun::ShowSaved(BatteryData& data)
{
    ClearSeries();
    m_batteryRecords = std::move(data.records);
    m_samples.Swap(data.samples);
}

BatteryData MonitorRun::SavedData() const
{
    BatteryData data;
    data.records = m_batteryRecords;
    data.runSeconds = m_runSeconds;
    data.tickCount = static_cast<int32_t>(m_tickCount);
    data.samples = m_samples;
    return data;
}

} // namespace ampora
