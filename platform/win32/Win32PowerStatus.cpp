// The system power status as Windows reports it; its markers are the contract's.
#include "platform/win32/Win32Backend.h"
#include "platform/win32/Win32Api.h"

#include <cstddef>

namespace ampora {
namespace {

static_assert(sizeof(SYSTEM_POWER_STATUS) == sizeof(SystemPowerStatus));
static_assert(offsetof(SYSTEM_POWER_STATUS, BatteryLifeTime) == offsetof(SystemPowerStatus, BatteryLifeTime));

class Win32PowerStatus final : public PowerStatusSource {
public:
    bool GetSystemPowerStatus(SystemPowerStatus* status) override
    {
        SYSTEM_POWER_STATUS answer{};
        if (!status || !::GetSystemPowerStatus(&answer))
            return false;
        status->ACLineStatus = answer.ACLineStatus;
        status->BatteryFlag = answer.BatteryFlag;
        status->BatteryLifePercent = answer.BatteryLifePercent;
        status->Reserved1 = 0;
        status->BatteryLifeTime = answer.BatteryLifeTime;
        status->BatteryFullLifeTime = answer.BatteryFullLifeTime;
        return true;
    }
};

} // namespace

std::unique_ptr<PowerStatusSource> MakeWin32PowerStatus()
{
    return std::make_unique<Win32PowerStatus>();
}

} // namespace ampora
