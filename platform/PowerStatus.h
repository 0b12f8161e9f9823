#pragma once
// The system power status: the five values the sample takes from the operating system.
#include <cstdint>

namespace ampora {

// Battery flag bits.
enum : uint8_t {
    BATTERY_FLAG_HIGH = 0x01,
    BATTERY_FLAG_LOW = 0x02,
    BATTERY_FLAG_CRITICAL = 0x04,
    BATTERY_FLAG_CHARGING = 0x08,
    BATTERY_FLAG_NO_BATTERY = 0x80,
    BATTERY_FLAG_UNKNOWN = 0xFF,
};

struct SystemPowerStatus {
    uint8_t ACLineStatus = 255;        // 0 offline, 1 online, 255 unknown
    uint8_t BatteryFlag = 255;         // BATTERY_FLAG_* bits, 255 unknown
    uint8_t BatteryLifePercent = 255;  // 0..100, 255 unknown
    uint8_t Reserved1 = 0;
    uint32_t BatteryLifeTime = 0xFFFFFFFFu;     // seconds, 0xFFFFFFFF unknown
    uint32_t BatteryFullLifeTime = 0xFFFFFFFFu; // seconds, 0xFFFFFFFF unknown
};
static_assert(sizeof(SystemPowerStatus) == 12);

class PowerStatusSource {
public:
    virtual ~PowerStatusSource() = default;
    // Fills *status; false when the status cannot be read (nothing is then written).
    virtual bool GetSystemPowerStatus(SystemPowerStatus* status) = 0;
};

} // namespace ampora
