#include "cli/Fields.h"

#include "dialogs/InfoTexts.h"
#include "monitor/SampleTexts.h"
#include "platform/DriverValues.h"
#include "platform/NarrowText.h"

#include <QJsonValue>

namespace ampora {
namespace {

// A capacity, voltage or time of the driver: -1 is unknown.
QJsonValue Known(int32_t value)
{
    return value == kUnknownValue ? QJsonValue() : QJsonValue(value);
}

// 0 is unknown: temperature, cycle count.
QJsonValue NonZero(int32_t value)
{
    return value == 0 ? QJsonValue() : QJsonValue(value);
}

QJsonValue Text(const std::string& text)
{
    return text.empty() ? QJsonValue() : QJsonValue(FromNarrow(text));
}

// The system power status's bytes: kUnknownStatusByte is unknown.
QJsonValue KnownByte(uint8_t value)
{
    return value == kUnknownStatusByte ? QJsonValue() : QJsonValue(int(value));
}

QJsonValue KnownSeconds(uint32_t value)
{
    return value == kUnknownLifeTime ? QJsonValue() : QJsonValue(qint64(value));
}

QJsonValue Rate(int32_t rate, int32_t fullChargedCapacity)
{
    return RateIsShown(rate, fullChargedCapacity) ? QJsonValue(rate) : QJsonValue();
}

} // namespace

QJsonObject BatteryJson(const BatteryRecord& r, RecordSource source)
{
    const bool live = source == RecordSource::Live;
    const std::optional<double> health = HealthPercent(r.designedCapacity, r.fullChargedCapacity);
    QJsonValue date;
    if (live && r.manufactureDay != 0 && r.manufactureMonth != 0 && r.manufactureYear != 0)
        date = QString::asprintf("%04d-%02d-%02d", r.manufactureYear, r.manufactureMonth, r.manufactureDay);
    return {
        {"manufacturer", Text(r.manufacturer)},
        {"device_name", Text(r.deviceName)},
        {"serial_number", Text(r.serialNumber)},
        {"unique_id", Text(r.uniqueId)},
        {"manufacture_date", date},
        {"rechargeable", r.technology != 0},
        {"chemistry", Text(r.chemistry)},
        {"design_capacity_mwh", Known(r.designedCapacity)},
        {"full_charge_capacity_mwh", Known(r.fullChargedCapacity)},
        {"health_percent", health ? QJsonValue(qRound(*health * 10) / 10.0) : QJsonValue()},
        {"present", r.fullChargedCapacity != 0},
        {"on_line", (r.powerState & BATTERY_POWER_ON_LINE) != 0},
        {"discharging", (r.powerState & BATTERY_DISCHARGING) != 0},
        {"charging", (r.powerState & BATTERY_CHARGING) != 0},
        {"critical", (r.powerState & BATTERY_CRITICAL) != 0},
        {"temperature_centikelvin", NonZero(r.temperature)},
        {"time_remaining_seconds", live ? Known(r.estimatedTime) : QJsonValue()},
        {"remaining_capacity_mwh", Known(r.remainingCapacity)},
        {"rate_mw", Rate(r.rate, r.fullChargedCapacity)},
        {"voltage_mv", Known(r.voltage)},
        {"alert_warning_mwh", r.defaultAlert1},
        {"alert_low_mwh", r.defaultAlert2},
        {"critical_bias_mwh", r.criticalBias},
        {"cycle_count", NonZero(r.cycleCount)},
    };
}

QJsonObject PowerStatusJson(const SystemPowerStatus& status, const BatteryTotals& totals)
{
    return {
        {"ac_line_status", KnownByte(status.ACLineStatus)},
        {"battery_flag", KnownByte(status.BatteryFlag)},
        {"life_percent", KnownByte(status.BatteryLifePercent)},
        {"total_capacity_mwh", Known(totals.fullChargedCapacity)},
        {"current_capacity_mwh", Known(totals.remainingCapacity)},
        {"rate_mw", Rate(totals.rate, totals.fullChargedCapacity)},
        {"voltage_mv", Known(totals.voltage)},
        {"life_time_seconds", KnownSeconds(status.BatteryLifeTime)},
        {"full_life_time_seconds", KnownSeconds(status.BatteryFullLifeTime)},
    };
}

QJsonObject SystemJson(PowerInformation* source)
{
    QJsonObject system{
        {"processor_max_mhz", QJsonValue()},
        {"processor_current_mhz", QJsonValue()},
        {"ups_present", QJsonValue()},
        {"processor_throttle", QJsonValue()},
        {"processor_min_throttle_percent", QJsonValue()},
        {"processor_max_throttle_percent", QJsonValue()},
        {"thermal_control", QJsonValue()},
        {"video_dim_present", QJsonValue()},
        {"apm_present", QJsonValue()},
        {"disk_spin_down", QJsonValue()},
        {"fan_throttle_tolerance_percent", QJsonValue()},
    };
    if (!source)
        return system;
    ProcessorPowerInformation processor;
    if (source->QueryProcessor(&processor)) {
        system["processor_max_mhz"] = qint64(processor.MaxMhz);
        system["processor_current_mhz"] = qint64(processor.CurrentMhz);
    }
    PowerCapabilities caps;
    if (source->QueryCapabilities(&caps)) {
        system["ups_present"] = caps.UpsPresent != 0;
        system["processor_throttle"] = caps.ProcessorThrottle != 0;
        system["processor_min_throttle_percent"] = caps.ProcessorMinThrottle;
        system["processor_max_throttle_percent"] = caps.ProcessorMaxThrottle;
        system["thermal_control"] = caps.ThermalControl != 0;
        system["video_dim_present"] = caps.VideoDimPresent != 0;
        system["apm_present"] = caps.ApmPresent != 0;
        system["disk_spin_down"] = caps.DiskSpinDown != 0;
    }
    uint8_t tolerance = 0;
    if (source->QueryFanThrottleTolerance(&tolerance))
        system["fan_throttle_tolerance_percent"] = tolerance;
    return system;
}

std::optional<double> PowerDrawnWatts(const Sample& before, const Sample& after)
{
    if (before.remainingCapacity == kUnknownValue || after.remainingCapacity == kUnknownValue)
        return std::nullopt;
    const int64_t seconds = int64_t(after.tick) - before.tick;
    if (seconds <= 0)
        return std::nullopt;
    // mWh per second x 3600 is mW; / 1000 is W.
    const int64_t fallMilliwattHours = int64_t(before.remainingCapacity) - after.remainingCapacity;
    return double(fallMilliwattHours) * 3.6 / double(seconds);
}

std::vector<SampleColumn> SampleColumns()
{
    return {{"elapsed_seconds", 0},        {"design_capacity_mwh", 0},    {"full_charge_capacity_mwh", 0},
            {"remaining_capacity_mwh", 0}, {"voltage_mv", 0},             {"life_time_seconds", 0},
            {"full_life_time_seconds", 0}, {"life_percent", 0},           {"power_drawn_w", 3}};
}

QJsonObject SampleJson(const Sample& s, const Sample* before)
{
    const std::optional<double> power = before ? PowerDrawnWatts(*before, s) : std::nullopt;
    return {
        {"elapsed_seconds", s.tick},
        {"design_capacity_mwh", Known(s.designedCapacity)},
        {"full_charge_capacity_mwh", Known(s.fullChargedCapacity)},
        {"remaining_capacity_mwh", Known(s.remainingCapacity)},
        {"voltage_mv", Known(s.voltage)},
        {"life_time_seconds", Known(s.batteryLifeTime)},
        {"full_life_time_seconds", Known(s.batteryFullLifeTime)},
        {"life_percent", s.batteryLifePercent == kUnknownStatusByte ? QJsonValue() : QJsonValue(s.batteryLifePercent)},
        {"power_drawn_w", power ? QJsonValue(qRound(*power * 1000) / 1000.0) : QJsonValue()},
    };
}

} // namespace ampora
