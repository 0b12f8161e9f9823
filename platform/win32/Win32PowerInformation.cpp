// The power information service: processor speeds, power capabilities, the current policy.
#include "platform/win32/Win32Backend.h"
#include "platform/win32/Win32Api.h"

#include <powrprof.h>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace ampora {
namespace {

static_assert(ProcessorInformation == 11);
static_assert(SystemPowerCapabilities == 4);
static_assert(SystemPowerPolicyCurrent == 8);

// No Windows header declares the processor record; the contract's is its documented layout.
static_assert(sizeof(ProcessorPowerInformation) == 24);
static_assert(offsetof(ProcessorPowerInformation, MaxMhz) == 4);
static_assert(offsetof(ProcessorPowerInformation, CurrentMhz) == 8);

static_assert(sizeof(SYSTEM_POWER_CAPABILITIES) == 76);
static_assert(offsetof(SYSTEM_POWER_CAPABILITIES, VideoDimPresent) == 10);
static_assert(offsetof(SYSTEM_POWER_CAPABILITIES, ApmPresent) == 11);
static_assert(offsetof(SYSTEM_POWER_CAPABILITIES, UpsPresent) == 12);
static_assert(offsetof(SYSTEM_POWER_CAPABILITIES, ThermalControl) == 13);
static_assert(offsetof(SYSTEM_POWER_CAPABILITIES, ProcessorThrottle) == 14);
static_assert(offsetof(SYSTEM_POWER_CAPABILITIES, ProcessorMinThrottle) == 15);
static_assert(offsetof(SYSTEM_POWER_CAPABILITIES, ProcessorMaxThrottle) == 16);
static_assert(offsetof(SYSTEM_POWER_CAPABILITIES, DiskSpinDown) == 21);

static_assert(sizeof(SYSTEM_POWER_POLICY) == 232);
static_assert(offsetof(SYSTEM_POWER_POLICY, FanThrottleTolerance) == 217);

constexpr LONG kStatusSuccess = 0;
constexpr LONG kStatusBufferTooSmall = static_cast<LONG>(0xC0000023);

// The service fills one record per processor and fails when the buffer cannot hold them all.
DWORD ProcessorCount()
{
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    return std::max({DWORD{1}, info.dwNumberOfProcessors, GetActiveProcessorCount(ALL_PROCESSOR_GROUPS)});
}

class Win32PowerInformation final : public PowerInformation {
public:
    bool QueryProcessor(ProcessorPowerInformation* info) override
    {
        if (!info)
            return false;
        std::vector<ProcessorPowerInformation> records(ProcessorCount());
        for (int attempt = 0; attempt < 4; ++attempt) {
            const auto bytes = static_cast<ULONG>(records.size() * sizeof(ProcessorPowerInformation));
            const LONG status = CallNtPowerInformation(ProcessorInformation, nullptr, 0, records.data(), bytes);
            if (status == kStatusSuccess) {
                *info = records.front();
                return true;
            }
            // The counts can fall short of the service's (processor groups, hot-added
            // processors): a buffer found too small is doubled a few times.
            if (status != kStatusBufferTooSmall)
                return false;
            records.resize(records.size() * 2);
        }
        return false;
    }

    bool QueryCapabilities(PowerCapabilities* caps) override
    {
        SYSTEM_POWER_CAPABILITIES answer{};
        if (!caps || CallNtPowerInformation(SystemPowerCapabilities, nullptr, 0, &answer, sizeof answer) != kStatusSuccess)
            return false;
        caps->VideoDimPresent = answer.VideoDimPresent;
        caps->ApmPresent = answer.ApmPresent;
        caps->UpsPresent = answer.UpsPresent;
        caps->ThermalControl = answer.ThermalControl;
        caps->ProcessorThrottle = answer.ProcessorThrottle;
        caps->ProcessorMinThrottle = answer.ProcessorMinThrottle;
        caps->ProcessorMaxThrottle = answer.ProcessorMaxThrottle;
        caps->DiskSpinDown = answer.DiskSpinDown;
        return true;
    }

    bool QueryFanThrottleTolerance(uint8_t* tolerance) override
    {
        SYSTEM_POWER_POLICY answer{};
        if (!tolerance || CallNtPowerInformation(SystemPowerPolicyCurrent, nullptr, 0, &answer, sizeof answer) != kStatusSuccess)
            return false;
        *tolerance = answer.FanThrottleTolerance;
        return true;
    }
};

} // namespace

std::unique_ptr<PowerInformation> MakeWin32PowerInformation()
{
    return std::make_unique<Win32PowerInformation>();
}

} // namespace ampora
