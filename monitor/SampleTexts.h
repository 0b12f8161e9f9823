#pragma once
// The texts of one sample: the nine fields of the main panel, which are also the cells of
// the log row. Pure functions; the words come from the string table at every call (so a
// translation applies at once), the number formats are fixed. Results are narrow text
// (platform/NarrowText.h: UTF-8 on Linux, the ANSI code page on Windows).
#include "battery/BatteryRecord.h"
#include "platform/PowerStatus.h"
#include "monitor/Sample.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ampora {

// 0 "Battery", 1 "A/C", anything else (255 unknown) "Unknow".
std::string PowerSourceText(uint8_t acLineStatus);

// The words of the set bits High, Low, Critical, Charge, No battery, in that order and
// separated by one blank; bits 0x10..0x40 add nothing. 0 and 255 give "Unknow".
std::string BatteryStatusText(uint8_t batteryFlag);

// "87 %"; the unknown 255 is shown as it is.
std::string LifePercentText(uint8_t lifePercent);

// "%d mW/H"; -1 (unknown) gives "N/A".
std::string CapacityText(int32_t capacity);

// True when a rate is shown as a number: it is neither unknown (-1, kUnknownRate) nor at
// or below -2 x the full-charge capacity (no believable drain empties twice the capacity
// in an hour). Compared in 64 bits, so no capacity overflows the bound. An unknown (-1)
// full capacity gives no bound: the rate is shown.
bool RateIsShown(int32_t rate, int32_t fullChargedCapacity);

// "%d mW/H" with the rate when RateIsShown, else "N/A".
std::string RateText(int32_t rate, int32_t fullChargedCapacity);

// "%d mV"; -1 (unknown) gives "N/A".
std::string VoltageText(int32_t voltage);

// DurationText (monitor/TextFormat.h) of the battery life time, or "N/A" when it is unknown (0xFFFFFFFF).
std::string TimeRemainingText(uint32_t batteryLifeTime);

// The full life time when known; else the life time scaled up to a full battery
// (lifeTime x 100 / percent, unsigned 32-bit arithmetic); else "N/A". A life percent of 0
// would divide by zero: that estimate is "N/A" too.
std::string TotalTimeText(uint32_t batteryFullLifeTime, uint32_t batteryLifeTime,
                          uint8_t batteryLifePercent);

// The nine panel texts of one sample, in panel order.
struct PanelTexts {
    std::string powerSource;
    std::string batteryStatus;
    std::string lifeLeft;
    std::string totalCapacity;
    std::string currentCapacity;
    std::string charge;
    std::string volt;
    std::string timeRemaining;
    std::string totalTime;

    bool operator==(const PanelTexts&) const = default;
};

// The panel's label (a string number) of each of the nine texts, in panel order.
struct PanelField {
    int labelString;
    std::string PanelTexts::*text;
};
const std::vector<PanelField>& PanelFields();

PanelTexts MakePanelTexts(const SystemPowerStatus& status, const BatteryTotals& totals);

// The sample kept for the graph and the data file; the rate is not part of it.
Sample MakeSample(uint32_t tick, const SystemPowerStatus& status, const BatteryTotals& totals);

} // namespace ampora
