#pragma once
// The texts of one sample: the nine fields of the main panel, which are also the cells of
// the log row. Pure functions; the words come from the string table at every call (so a
// translation applies at once), the number formats are fixed. The texts are QString from the
// string table to the widget; only the log writer turns them into its file's narrow bytes.
#include "battery/BatteryRecord.h"
#include "platform/PowerStatus.h"
#include "monitor/Sample.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace ampora {

// 0 "Battery", 1 "A/C", anything else (255 unknown) "Unknow".
QString PowerSourceText(uint8_t acLineStatus);

// The words of the set bits High, Low, Critical, Charge, No battery, in that order and
// separated by one blank; bits 0x10..0x40 add nothing. 0 and 255 give "Unknow".
QString BatteryStatusText(uint8_t batteryFlag);

// "87 %"; the unknown 255 is shown as it is.
QString LifePercentText(uint8_t lifePercent);

// "%d mW/H"; -1 (unknown) gives "N/A".
QString CapacityText(int32_t capacity);

// True when a rate is shown as a number: it is neither unknown (-1, kUnknownRate) nor at
// or below -2 x the full-charge capacity (no believable drain empties twice the capacity
// in an hour). Compared in 64 bits, so no capacity overflows the bound. An unknown (-1)
// full capacity gives no bound: the rate is shown.
bool RateIsShown(int32_t rate, int32_t fullChargedCapacity);

// "%d mW/H" with the rate when RateIsShown, else "N/A".
QString RateText(int32_t rate, int32_t fullChargedCapacity);

// "%d mV"; -1 (unknown) gives "N/A".
QString VoltageText(int32_t voltage);

// DurationText (monitor/TextFormat.h) of the battery life time, or "N/A" when it is unknown (0xFFFFFFFF).
QString TimeRemainingText(uint32_t batteryLifeTime);

// The full life time when known; else the life time scaled up to a full battery
// (lifeTime x 100 / percent, unsigned 32-bit arithmetic); else "N/A". A life percent of 0
// would divide by zero: that estimate is "N/A" too.
QString TotalTimeText(uint32_t batteryFullLifeTime, uint32_t batteryLifeTime,
                          uint8_t batteryLifePercent);

// The nine panel texts of one sample, in panel order.
struct PanelTexts {
    QString powerSource;
    QString batteryStatus;
    QString lifeLeft;
    QString totalCapacity;
    QString currentCapacity;
    QString charge;
    QString volt;
    QString timeRemaining;
    QString totalTime;

    bool operator==(const PanelTexts&) const = default;
};

// Where each of the nine texts is shown, in panel order: its label (a string number) and the
// main dialog's field (a control number).
struct PanelField {
    int labelString;
    int controlId;
    QString PanelTexts::*text;
};
const std::vector<PanelField>& PanelFields();

PanelTexts MakePanelTexts(const SystemPowerStatus& status, const BatteryTotals& totals);

// The sample kept for the graph and the data file; the rate is not part of it.
Sample MakeSample(uint32_t tick, const SystemPowerStatus& status, const BatteryTotals& totals);

} // namespace ampora
