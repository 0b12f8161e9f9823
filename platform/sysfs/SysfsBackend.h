#pragma once
// Linux back ends over the kernel's power-supply class and related sysfs trees.
// `root` stands for /sys (tests and the demo point it at a fake tree).
#include "platform/BatteryDriver.h"
#include "platform/PowerInformation.h"
#include "platform/PowerStatus.h"

#include <memory>
#include <string>

namespace ampora {

class SysfsReadings;

// What a driver and a power status made from the same readings share: within one sample
// (BatteryDriver::BeginSample) one snapshot of the tree, and each charge battery's fixed
// conversion voltage for the program's life.
std::shared_ptr<SysfsReadings> MakeSysfsReadings(const std::string& root);

std::unique_ptr<BatteryDriver> MakeSysfsBatteryDriver(std::shared_ptr<SysfsReadings> readings);
std::unique_ptr<PowerStatusSource> MakeSysfsPowerStatus(std::shared_ptr<SysfsReadings> readings);

// Each with readings of its own (nothing shared).
std::unique_ptr<BatteryDriver> MakeSysfsBatteryDriver(const std::string& root);
std::unique_ptr<PowerStatusSource> MakeSysfsPowerStatus(const std::string& root);
std::unique_ptr<PowerInformation> MakeSysfsPowerInformation(const std::string& root);

} // namespace ampora
