#pragma once
// Chooses the power-event source of this platform: on Linux logind (stand-by) and UPower
// (power status) on the system bus; where UPower cannot be reached, the kernel's power-supply
// uevents through libudev, and a light poll of the sysfs tree only where those cannot be had
// either (or the tree is a stand-in named by AMPORA_SYSFS_ROOT); on Windows the power
// broadcasts.
#include "platform/PowerEvents.h"

#include <memory>

namespace ampora {

// The source of this platform; never null. On Linux: MakeBusPowerEventSource on the system
// bus with the sysfs root in force, and the uevent source for /sys only; on Windows, without a
// QGuiApplication (no window to receive the broadcasts), a source that never emits. The
// caller owns it.
std::unique_ptr<PowerEventSource> MakePowerEventSource();

} // namespace ampora
