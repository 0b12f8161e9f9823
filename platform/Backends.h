#pragma once
// The one place that chooses the platform back ends. The native kind is sysfs on Linux and
// win32 on Windows; the fake kind is in every build and is chosen the same way.
#include "platform/BatteryDriver.h"
#include "platform/PowerInformation.h"
#include "platform/PowerStatus.h"

#include <memory>
#include <string>

namespace ampora {

class FakeBackend; // platform/fake/FakeBackend.h

struct Backends {
    std::unique_ptr<BatteryDriver> driver;
    std::unique_ptr<PowerStatusSource> powerStatus;
    std::unique_ptr<PowerInformation> powerInformation;
};

enum class BackendKind { Native, Fake };

// Native: Linux reads <root>/class/power_supply with root = $AMPORA_SYSFS_ROOT or /sys.
// Fake: all three answer from `fake`, which the caller owns (tests script it).
Backends MakeBackends(BackendKind kind = BackendKind::Native, FakeBackend* fake = nullptr);

// The sysfs root in force: $AMPORA_SYSFS_ROOT when set and non-empty, else "/sys".
std::string SysfsRoot();

} // namespace ampora
