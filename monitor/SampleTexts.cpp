#include "monitor/SampleTexts.h"

#include "monitor/TextFormat.h"
#include "platform/NarrowText.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

namespace ampora {
namespace {

// The panel, the log and the graph show these as narrow texts of this platform.
std::string NarrowString(int id)
{
    return ToNarrow(LoadQString(id));
}

} // namespace

std::string PowerSourceText(uint8_t acLineStatus)
{
    switch (acLineStatus) {
    case 0:
        return NarrowString(IDS_BATTERY);
    case 1:
        return NarrowString(IDS_AC_LINE);
    default:
        return NarrowString(IDS_UNKNOWN);
    }
}

std::string BatteryStatusText(uint8_t batteryFlag)
{
    if (batteryFlag == 0 || batteryFlag == BATTERY_FLAG_UNKNOWN)
        return NarrowString(IDS_UNKNOWN);

    static constexpr struct {
        uint8_t bit;
        int id;
    } kWords[] = {
        {BATTERY_FLAG_HIGH, IDS_FLAG_HIGH},
        {BATTERY_FLAG_LOW, IDS_FLAG_LOW},
        {BATTERY_FLAG_CRITICAL, IDS_FLAG_CRITICAL},
        {BATTERY_FLAG_CHARGING, IDS_FLAG_CHARGE},
        {BATTERY_FLAG_NO_BATTERY, IDS_NO_BATTERY},
    };
    std::string text;
    for (const auto& word : kWords) {
        if (!(batteryFlag & word.bit))
            continue;
        if (!text.empty())
            text += ' ';
        text += NarrowString(word.id);
    }
    return text;
}

std::string LifePercentText(uint8_t lifePercent)
{
    return FormatText("%d %c", lifePercent, '%');
}

std::string CapacityText(int32_t capacity)
{
    return capacity == kUnknownValue ? NarrowString(IDS_NOT_AVAILABLE) : FormatText("%d mW/H", capacity);
}

bool RateIsShown(int32_t rate, int32_t fullChargedCapacity)
{
    if (rate == kUnknownValue || rate == kUnknownRate)
        return false;
    // Without a known full capacity there is no bound to check the rate against.
    if (fullChargedCapacity == kUnknownValue)
        return true;
    return int64_t{rate} > -2 * int64_t{fullChargedCapacity};
}

std::string RateText(int32_t rate, int32_t fullChargedCapacity)
{
    return RateIsShown(rate, fullChargedCapacity) ? FormatText("%d mW/H", rate)
                                                  : NarrowString(IDS_NOT_AVAILABLE);
}

std::string VoltageText(int32_t voltage)
{
    return voltage == kUnknownValue ? NarrowString(IDS_NOT_AVAILABLE) : FormatText("%d mV", voltage);
}

std::string TimeRemainingText(uint32_t batteryLifeTime)
{
    return batteryLifeTime == kUnknownLifeTime ? NarrowString(IDS_NOT_AVAILABLE) : DurationText(batteryLifeTime).toStdString();
}

std::string TotalTimeText(uint32_t batteryFullLifeTime, uint32_t batteryLifeTime,
                          uint8_t batteryLifePercent)
{
    if (batteryFullLifeTime != kUnknownLifeTime)
        return DurationText(batteryFullLifeTime).toStdString();
    if (batteryLifeTime != kUnknownLifeTime && batteryLifePercent != 0)
        return DurationText(batteryLifeTime * 100u / batteryLifePercent).toStdString();
    return NarrowString(IDS_NOT_AVAILABLE);
}

const std::vector<PanelField>& PanelFields()
{
    static const std::vector<PanelField> fields{
        {IDS_POWER_SOURCE_LABEL, &PanelTexts::powerSource},
        {IDS_BATTERY_STATUS_LABEL, &PanelTexts::batteryStatus},
        {IDS_LIFE_LEFT_LABEL, &PanelTexts::lifeLeft},
        {IDS_TOTAL_CAPACITY_LABEL, &PanelTexts::totalCapacity},
        {IDS_CURRENT_CAPACITY_LABEL, &PanelTexts::currentCapacity},
        {IDS_CHARGE_LABEL, &PanelTexts::charge},
        {IDS_VOLT_LABEL, &PanelTexts::volt},
        {IDS_TIME_REMAINING_LABEL, &PanelTexts::timeRemaining},
        {IDS_TOTAL_TIME_LABEL, &PanelTexts::totalTime},
    };
    return fields;
}

PanelTexts MakePanelTexts(const SystemPowerStatus& status, const BatteryTotals& totals)
{
    return PanelTexts{
        PowerSourceText(status.ACLineStatus),
        BatteryStatusText(status.BatteryFlag),
        LifePercentText(status.BatteryLifePercent),
        CapacityText(totals.fullChargedCapacity),
        CapacityText(totals.remainingCapacity),
        RateText(totals.rate, totals.fullChargedCapacity),
        VoltageText(totals.voltage),
        TimeRemainingText(status.BatteryLifeTime),
        TotalTimeText(status.BatteryFullLifeTime, status.BatteryLifeTime, status.BatteryLifePercent),
    };
}

Sample MakeSample(uint32_t tick, const SystemPowerStatus& status, const BatteryTotals& totals)
{
    Sample sample;
    sample.tick = static_cast<int32_t>(tick);
    sample.designedCapacity = totals.designedCapacity;
    sample.fullChargedCapacity = totals.fullChargedCapacity;
    sample.reserved = 0;
    sample.remainingCapacity = totals.remainingCapacity;
    sample.voltage = totals.voltage;
    sample.batteryLifeTime = static_cast<int32_t>(status.BatteryLifeTime);
    sample.batteryFullLifeTime = static_cast<int32_t>(status.BatteryFullLifeTime);
    sample.batteryLifePercent = status.BatteryLifePercent;
    return sample;
}

} // namespace ampora
