#pragma once
// Values of the battery driver's answers that the logic above the platform reads: the
// power-state bits and the unknown markers. The Windows back end takes the same values from
// the system's own headers (where these names are macros), so it does not include this one.
#include <cstdint>

namespace ampora {

// Power-state bits of a battery status (the driver's values; other bits pass through).
enum : int32_t {
    BATTERY_POWER_ON_LINE = 0x1,
    BATTERY_DISCHARGING = 0x2,
    BATTERY_CHARGING = 0x4,
    BATTERY_CRITICAL = 0x8,
};

// Unknown markers of the driver: -1 (0xFFFFFFFF) in capacities, voltage, times;
// 0x80000000 (INT32_MIN) as the unknown rate.
constexpr int32_t kUnknownValue = -1;
constexpr int32_t kUnknownRate = INT32_MIN;

} // namespace ampora
