#pragma once
// Pure conversion of power-supply attributes into the battery driver's answers and the
// system power status. Units in: µWh, µAh, µV, µW, µA, tenths of °C, seconds, percent.
// Units out: the driver's mWh, mV, mW, tenths of a kelvin, seconds, with its unknown markers.
#include "platform/BatteryDriver.h"
#include "platform/sysfs/SysfsAttributes.h"
#include "platform/PowerStatus.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ampora {

// A whole decimal number with optional sign and surrounding whitespace; nullopt for
// anything else (garbage, empty, out of the 64-bit range).
std::optional<int64_t> ParseInteger(std::string_view text);

// A text attribute as shown to the user: invalid UTF-8 dropped, whitespace stripped.
std::string CleanText(std::string_view raw);

enum class SupplyRole {
    Battery,     // type Battery, scope not Device: one of the computer's batteries
    PowerSource, // type Mains, USB (or a USB_ kind), Wireless or BrickID with `online`, scope not Device
    Ignored,     // peripherals (scope Device) and everything else
};
// False only for `present` = 0.
bool IsPresent(const SupplyAttributes& battery);

// The kinds of `type` (whitespace stripped) that can feed the computer: Mains, USB (and its
// USB_ kinds), Wireless, BrickID.
bool IsPowerSourceType(std::string_view type);

// Reads `type`, then `scope`, then (for a power source only) `online`; nothing else.
SupplyRole ClassifySupply(const SupplyAttributes& supply);

// What the conversion keeps of each battery between readings. The voltage each charge battery
// without a design voltage is converted with: the first voltage_now seen for it, kept for the
// program's life so that its ratings never wander with the load. And each battery's last
// level, whose fall tells discharging where the kernel's status does not.
class ChargeVoltages {
public:
    // The voltage kept for `battery`, else `seen` (which is then kept), else nullopt.
    std::optional<int64_t> Fix(const std::string& battery, std::optional<int64_t> seen);

    // Whether `battery`'s level fell at its last change: `level` is compared with the one kept,
    // and a reading equal to it keeps the direction seen before (so every reading of one sample
    // gives the same answer).
    bool Falling(const std::string& battery, std::optional<uint32_t> level);

private:
    struct Trend {
        uint32_t level = 0;
        bool falling = false;
    };
    std::map<std::string, int64_t, std::less<>> m_fixed;
    std::map<std::string, Trend, std::less<>> m_trends;
};

enum class ChargeState { Unknown, Charging, Discharging, Idle };

// One battery's figures in the driver's units; nullopt where the kernel does not tell.
struct BatteryFigures {
    bool present = true;                 // false only for `present` = 0
    ChargeState state = ChargeState::Unknown;
    std::optional<uint32_t> designMwh;
    std::optional<uint32_t> fullMwh;     // raised to nowMwh when that is higher
    std::optional<uint32_t> nowMwh;      // else derived from fullMwh and percent
    std::optional<uint32_t> alarmMwh;
    std::optional<uint32_t> voltageMv;
    std::optional<uint32_t> rateMw;      // magnitude; unknown above 300 W
    std::optional<uint32_t> kernelTimeToEmpty; // seconds, the kernel's own estimate while discharging
    std::optional<uint32_t> percent;     // `capacity`, else from nowMwh / fullMwh
    bool critical = false;

    bool operator==(const BatteryFigures&) const = default;
};

// Energy batteries (energy_*) are read as they are; charge batteries (charge_*, and no
// energy_full or energy_full_design) are converted with voltage_max_design, else
// voltage_min_design (above 1 V), else the gauge's own energy_now where there is one, else
// the voltage `voltages` fixes for the battery (voltage_now when none is given). A `_now`
// value missing falls back to its `_avg`. The rate is |power_now|; without it (or at 0)
// |current_now| times the conversion voltage of a charge battery, or times voltage_now for
// energy and capacity-only batteries. "Charging" with a negative current is discharging; a
// status that says nothing (empty, "Unknown") with a level that fell since the last reading
// is discharging too.
// Values are rounded down to whole mWh and mW.
BatteryFigures ConvertFigures(const SupplyAttributes& battery, ChargeVoltages* voltages = nullptr);

// Only what the power status's flag and percentage need: present, state, now, full,
// percent (so a poll reads no more than it compares). Rates, design and alarm stay unset.
BatteryFigures ConvertLevel(const SupplyAttributes& battery, ChargeVoltages* voltages = nullptr);

// The answers of one battery device. Unset levels fail; an absent battery answers nothing.
struct SysfsBatteryAnswers {
    bool present = false;
    std::optional<std::string> deviceName;   // UTF-16LE with the NUL counted
    std::optional<std::string> manufacturer;
    std::optional<std::string> serialNumber;
    std::optional<std::string> uniqueId;
    std::optional<BatteryReportingScale> granularity;
    std::optional<BatteryInformationData> information;
    std::optional<BatteryManufactureDate> manufactureDate;
    std::optional<uint32_t> temperature;     // tenths of a kelvin
    std::optional<uint32_t> estimatedTime;   // seconds, kDriverUnknown when not known
    std::optional<BatteryStatusData> status;
};

// The unique id is "<manufacturer>-<model_name>-<serial_number>" of the texts the battery
// has (missing ones are left out together with their dash); it fails when it has none.
// acLineStatus is the system's (ComputeACLineStatus) and sets BATTERY_POWER_ON_LINE.
SysfsBatteryAnswers ConvertBattery(const SupplyAttributes& battery, uint8_t acLineStatus,
                                   ChargeVoltages* voltages = nullptr);

// The answers one at a time, for a device that asks only what it is asked (with lazily read
// attributes, an answer nobody requests reads nothing).
std::optional<BatteryInformationData> ConvertInformation(const SupplyAttributes& battery, ChargeVoltages* voltages);
std::optional<BatteryStatusData> ConvertStatus(const SupplyAttributes& battery, uint8_t acLineStatus,
                                               ChargeVoltages* voltages);
uint32_t ConvertEstimatedTime(const SupplyAttributes& battery, ChargeVoltages* voltages);

// 1 when a power source is online (`online` 1 or 2), 0 when power sources exist and
// none is; without any: 1 when there is no battery or one is charging, 0 when one is
// discharging, else 255.
uint8_t ComputeACLineStatus(const std::vector<SupplyAttributes>& supplies, ChargeVoltages* voltages = nullptr);

// Over the present batteries: life percent 100 × Σ now / Σ full (batteries that know
// both), else the mean of their `capacity`; flag bits high > 66 %, low < 33 %,
// critical < 5 %, charging, or no battery (0x80); life time Σ now / Σ discharge rate while
// discharging off mains, or without a known rate the sum of the kernel's own times to empty;
// the full life time is not known.
SystemPowerStatus ComputePowerStatus(const std::vector<SupplyAttributes>& supplies, ChargeVoltages* voltages = nullptr);

// The AC line, the flag and the percentage alone, reading only what they need.
SystemPowerStatus ComputePowerFlags(const std::vector<SupplyAttributes>& supplies, ChargeVoltages* voltages = nullptr);

} // namespace ampora
