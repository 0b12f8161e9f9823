#pragma once
// Windows back ends: the battery class driver through SetupAPI and DeviceIoControl, the
// system power status, and the power information service. Compiled only on Windows.
#include "platform/BatteryDriver.h"
#include "platform/PowerInformation.h"
#include "platform/PowerStatus.h"

#include <memory>

namespace ampora {

std::unique_ptr<BatteryDriver> MakeWin32BatteryDriver();
std::unique_ptr<PowerStatusSource> MakeWin32PowerStatus();
std::unique_ptr<PowerInformation> MakeWin32PowerInformation();

} // namespace ampora
