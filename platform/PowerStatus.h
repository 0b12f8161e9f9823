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

// The unknown markers of SystemPowerStatus: its three bytes, and its two life times.
inline constexpr uint8_t kUnknownStatusByte = 255;
inline constexpr uint32_t kUnknownLifeTime = 0xFFFFFFFFu;

struct SystemPowerStatus {
    uint8_t ACLineStatus = kUnknownStatusByte;       // 0 offline, 1 online
    uint8_t BatteryFlag = kUnknownStatusByte;        // BATTERY_FLAG_* bits
    uint8_t BatteryLifePercent = kUnknownStatusByte; // 0..100
    uint8_t Reserved1 = 0;
    uint32_t BatteryLifeTime = kUnknownLifeTime;     // seconds
    uint32_t BatteryFullLifeTime = kUnknownLifeTime; // seconds
};
static_assert(sizeof(SystemPowerStatus) == 12);

class PowerStatusSource {
public:
    virtual ~PowerStatusSource() = default;
    // Fills *status; false when the status cannot be read (nothing is then written).
    virtual bool GetSystemPowerStatus(SystemPowerStatus* status) = 0;
};

} // namespace ampora
