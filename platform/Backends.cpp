#include "platform/Backends.h"

#include "platform/fake/FakeBackend.h"

#include <cstdlib>

// The only place that picks a platform: Windows' driver back end, or sysfs elsewhere.
#include "platform/sysfs/SysfsBackend.h"
#ifdef _WIN32
#include "platform/win32/Win32Backend.h"
#endif

namespace ampora {

std::string SysfsRoot()
{
    const char* root = std::getenv("AMPORA_SYSFS_ROOT");
    return (root && *root) ? std::string(root) : std::string("/sys");
}

Backends MakeBackends(BackendKind kind, FakeBackend* fake)
{
    Backends backends;
    if (kind == BackendKind::Fake) {
        if (fake) {
            backends.driver = MakeFakeBatteryDriver(fake);
            backends.powerStatus = MakeFakePowerStatus(fake);
            backends.powerInformation = MakeFakePowerInformation(fake);
        }
        return backends;
    }
#ifdef _WIN32
    // On Windows a power-supply tree in the Linux layout stands in for the machine only when
    // one is named: the demo battery and the tests under Wine use it.
    const char* named = std::getenv("AMPORA_SYSFS_ROOT");
    if (!named || !*named) {
        backends.driver = MakeWin32BatteryDriver();
        backends.powerStatus = MakeWin32PowerStatus();
        backends.powerInformation = MakeWin32PowerInformation();
        return backends;
    }
#endif
    const std::string root = SysfsRoot();
    const std::shared_ptr<SysfsReadings> readings = MakeSysfsReadings(root);
    backends.driver = MakeSysfsBatteryDriver(readings);
    backends.powerStatus = MakeSysfsPowerStatus(readings);
    backends.powerInformation = MakeSysfsPowerInformation(root);
    return backends;
}

} // namespace ampora
