#include "platform/PowerEventFactory.h"

#ifdef _WIN32
#include "platform/win32/HiddenWindowPowerEvents.h"
#include "platform/win32/Win32PowerEvents.h"

#include <QGuiApplication>
#else
#include "platform/Backends.h"
#include "platform/linux/BusPowerEvents.h"
#include "platform/linux/UdevPowerEvents.h"

#include <QDBusConnection>
#endif

namespace ampora {

std::unique_ptr<PowerEventSource> MakePowerEventSource()
{
#ifdef _WIN32
    // The broadcasts come to windows: a program without a QGuiApplication (ampora-cli's
    // QCoreApplication) has no window of Qt's and listens on a plain hidden one.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return std::unique_ptr<PowerEventSource>(MakeHiddenWindowPowerEvents());
    // Without a parent it listens on a hidden window of its own, and the caller owns it.
    return std::unique_ptr<PowerEventSource>(MakeWin32PowerEvents(nullptr));
#else
    const std::string root = SysfsRoot();
    // A tree named by AMPORA_SYSFS_ROOT (tests, the demo) is not the machine the kernel's
    // uevents are about: it is polled.
    KernelEventsFactory kernelEvents;
    if (root == "/sys")
        kernelEvents = [root]() -> std::unique_ptr<PowerEventSource> { return UdevPowerEvents::Create(root); };
    return MakeBusPowerEventSource(QDBusConnection::systemBus(), root, kernelEvents);
#endif
}

} // namespace ampora
