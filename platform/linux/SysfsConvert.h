#pragma once
// Pure conversion of power-supply attributes into the battery driver's answers and the
// system power status. Units in: µWh, µAh, µV, µW, µA, tenths of °C, seconds, percent.
// Units out: the driver's mWh, mV, mW, tenths of a kelvin, seconds, with its unknown markers.
#include "platform/BatteryDriver.h"
#include "platform/linux/SysfsAttributes.h"
#include "platform/PowerStatus.h"

#include <cstdint>
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
    PowerSource, // any other supply with an `online` attribute, scope not Device
    Ignored,     // peripherals (scope Device) and everything else
};
SupplyRole ClassifySupply(const SupplyAttributes& supply);

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
    std::optional<uint32_t> percent;     // `capacity`, else from nowMwh / fullMwh
    bool critical = false;

    bool operator==(const BatteryFigures&) const = default;
};

// Energy batteries (energy_*) are read as they are; charge batteries (charge_*, and no
// energy_full or energy_full_design) are converted with the first of voltage_max_design,
// voltage_min_design, voltage_now above 1 V. Values are rounded down to whole mWh and mW.
BatteryFigures ConvertFigures(const SupplyAttributes& battery);

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
SysfsBatteryAnswers ConvertBattery(const SupplyAttributes& battery, uint8_t acLineStatus);

// 1 when a power source is online (`online` 1 or 2), 0 when power sources exist and
// none is; without any: 1 when there is no battery or one is charging, 0 when one is
// discharging, else 255.
uint8_t ComputeACLineStatus(const std::vector<SupplyAttributes>& supplies);

// Over the present batteries: life percent 100 × Σ now / Σ full (batteries that know
// both), else the mean of their `capacity`; flag bits high > 66 %, low < 33 %,
// critical < 5 %, charging, or no battery (0x80); life time Σ now / Σ discharge rate while
// discharging off mains; the full life time is not known.
SystemPowerStatus ComputePowerStatus(const std::vector<SupplyAttributes>& supplies);

} // namespace ampora
