#pragma once
// Power information: three independent queries, each of which may fail on its own.
#include <cstdint>

namespace ampora {

// One processor record (24 bytes, the platform's layout); speeds in MHz.
struct ProcessorPowerInformation {
    uint32_t Number = 0;
    uint32_t MaxMhz = 0;
    uint32_t CurrentMhz = 0;
    uint32_t MhzLimit = 0;
    uint32_t MaxIdleState = 0;
    uint32_t CurrentIdleState = 0;
};
static_assert(sizeof(ProcessorPowerInformation) == 24);

// The capability bytes the System info dialog shows. Booleans are bytes: non-zero = yes.
struct PowerCapabilities {
    uint8_t VideoDimPresent = 0;
    uint8_t ApmPresent = 0;
    uint8_t UpsPresent = 0;
    uint8_t ThermalControl = 0;
    uint8_t ProcessorThrottle = 0;
    uint8_t ProcessorMinThrottle = 0; // percent, 0..100 (a byte, 0..255)
    uint8_t ProcessorMaxThrottle = 0;
    uint8_t DiskSpinDown = 0;
};

class PowerInformation {
public:
    virtual ~PowerInformation() = default;
    // The first processor's record; false when it cannot be had.
    virtual bool QueryProcessor(ProcessorPowerInformation* info) = 0;
    virtual bool QueryCapabilities(PowerCapabilities* caps) = 0;
    // The current policy's fan throttle tolerance (percent).
    virtual bool QueryFanThrottleTolerance(uint8_t* tolerance) = 0;
};

} // namespace ampora
