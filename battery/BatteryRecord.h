#pragma once
// The picture of one battery at the moment it was read, and the sums over all batteries.
// Plain values; CBatteryCtrl fills them, the callers format them.
#include "platform/DriverValues.h"

#include <cstdint>
#include <string>

namespace ampora {

// Five texts (narrow: UTF-8 on Linux, the ANSI code page on Windows) and sixteen numbers,
// in this order; the order is the order of the battery image in the .apd file. Reset state: empty texts, zeros.
struct BatteryRecord {
    std::string deviceName;
    std::string manufacturer;
    std::string serialNumber;
    std::string uniqueId;
    std::string chemistry;          // long name from the chemistry table, or empty
    int32_t designedCapacity = 0;   // mWh
    int32_t fullChargedCapacity = 0;// mWh
    int32_t remainingCapacity = 0;  // mWh
    int32_t voltage = 0;            // mV
    int32_t criticalBias = 0;       // mWh
    int32_t cycleCount = 0;
    int32_t technology = 0;         // 0 primary, 1 rechargeable
    int32_t temperature = 0;        // driver's tenths of a kelvin x 10; 0 when unknown
    int32_t estimatedTime = 0;      // seconds; -1 unknown; 0 when the driver gave 0
    int32_t rate = 0;               // mW, negative while discharging; kUnknownRate unknown
    int32_t powerState = 0;         // BATTERY_* bits (platform/DriverValues.h)
    int32_t defaultAlert1 = 0;      // mWh
    int32_t defaultAlert2 = 0;      // mWh
    int32_t manufactureDay = 0;
    int32_t manufactureMonth = 0;
    int32_t manufactureYear = 0;

    bool operator==(const BatteryRecord&) const = default;
};

// Sums over all batteries, filled at every sample. See CBatteryCtrl::GetBatteryTotals for
// which battery adds what.
struct BatteryTotals {
    int32_t designedCapacity = 0;    // mWh
    int32_t fullChargedCapacity = 0; // mWh
    int32_t remainingCapacity = 0;   // mWh
    int32_t voltage = 0;             // mV
    int32_t rate = 0;                // mW; kUnknownRate when no battery knows its rate

    bool operator==(const BatteryTotals&) const = default;
};

} // namespace ampora
