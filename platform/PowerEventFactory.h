#pragma once
// Chooses the power-event source of this platform: on Linux logind (stand-by) and UPower
// (power status) on the system bus, with a light poll of the sysfs tree for the power status
// where UPower cannot be reached; on Windows the power broadcasts.
#include "platform/PowerEvents.h"

#include <memory>

namespace ampora {

// The source of this platform; never null. On Linux: MakeBusPowerEventSource on the system
// bus with the sysfs root in force. The caller owns it.
std::unique_ptr<PowerEventSource> MakePowerEventSource();

} // namespace ampora
