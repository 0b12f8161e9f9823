#include "monitor/SampleTexts.h"

#include "monitor/TextFormat.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

namespace ampora {

QString PowerSourceText(uint8_t acLineStatus)
{
    switch (acLineStatus) {
    case 0:
        return LoadQString(IDS_BATTERY);
    case 1:
        return LoadQString(IDS_AC_LINE);
    default:
        return LoadQString(IDS_UNKNOWN);
    }
}

QString BatteryStatusText(uint8_t batteryFlag)
{
    if (batteryFlag == 0 || batteryFlag == BATTERY_FLAG_UNKNOWN)
        return LoadQString(IDS_UNKNOWN);

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
    QString text;
    for (const auto& word : kWords) {
        if (!(batteryFlag & word.bit))
            continue;
        if (!text.isEmpty())
            text += u' ';
        text += LoadQString(word.id);
    }
    return text;
}

QString LifePercentText(uint8_t lifePercent)
{
    return QString::asprintf("%d %c", lifePercent, '%');
}

QString CapacityText(int32_t capacity)
{
    return capacity == kUnknownValue ? LoadQString(IDS_NOT_AVAILABLE) : QString::asprintf("%d mW/H", capacity);
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

QString RateText(int32_t rate, int32_t fullChargedCapacity)
{
    return RateIsShown(rate, fullChargedCapacity) ? QString::asprintf("%d mW/H", rate)
                                                  : LoadQString(IDS_NOT_AVAILABLE);
}

QString VoltageText(int32_t voltage)
{
    return voltage == kUnknownValue ? LoadQString(IDS_NOT_AVAILABLE) : QString::asprintf("%d mV", voltage);
}

QString TimeRemainingText(uint32_t batteryLifeTime)
{
    return batteryLifeTime == kUnknownLifeTime ? LoadQString(IDS_NOT_AVAILABLE) : DurationText(batteryLifeTime);
}

QString TotalTimeText(uint32_t batteryFullLifeTime, uint32_t batteryLifeTime,
                          uint8_t batteryLifePercent)
{
    if (batteryFullLifeTime != kUnknownLifeTime)
        return DurationText(batteryFullLifeTime);
    if (batteryLifeTime != kUnknownLifeTime && batteryLifePercent != 0)
        return DurationText(batteryLifeTime * 100u / batteryLifePercent);
    return LoadQString(IDS_NOT_AVAILABLE);
}

const std::vector<PanelField>& PanelFields()
{
    static const std::vector<PanelField> fields{
        {IDS_POWER_SOURCE_LABEL, IDC_POWER_SOURCE, &PanelTexts::powerSource},
        {IDS_BATTERY_STATUS_LABEL, IDC_BATTERY_STATUS, &PanelTexts::batteryStatus},
        {IDS_LIFE_LEFT_LABEL, IDC_LIFE_LEFT, &PanelTexts::lifeLeft},
        {IDS_TOTAL_CAPACITY_LABEL, IDC_TOTAL_CAPACITY, &PanelTexts::totalCapacity},
        {IDS_CURRENT_CAPACITY_LABEL, IDC_CURRENT_CAPACITY, &PanelTexts::currentCapacity},
        {IDS_CHARGE_LABEL, IDC_CHARGE, &PanelTexts::charge},
        {IDS_VOLT_LABEL, IDC_VOLT, &PanelTexts::volt},
        {IDS_TIME_REMAINING_LABEL, IDC_TIME_REMAINING, &PanelTexts::timeRemaining},
        {IDS_TOTAL_TIME_LABEL, IDC_TOTAL_TIME, &PanelTexts::totalTime},
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
