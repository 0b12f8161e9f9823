#pragma once
// Linux back ends over the kernel's power-supply class and related sysfs trees.
// `root` stands for /sys (tests and the demo point it at a fake tree).
#include "platform/BatteryDriver.h"
#include "platform/PowerInformation.h"
#include "platform/PowerStatus.h"

#include <memory>
#include <string>

namespace ampora {

std::unique_ptr<BatteryDriver> MakeSysfsBatteryDriver(const std::string& root);
std::unique_ptr<PowerStatusSource> MakeSysfsPowerStatus(const std::string& root);
std::unique_ptr<PowerInformation> MakeSysfsPowerInformation(const std::string& root);

} // namespace ampora
