#include "platform/PowerEventFactory.h"

#ifdef _WIN32
#include "platform/win32/Win32PowerEvents.h"
#else
#include "platform/Backends.h"
#include "platform/linux/BusPowerEvents.h"

#include <QDBusConnection>
#endif

namespace ampora {

std::unique_ptr<PowerEventSource> MakePowerEventSource()
{
#ifdef _WIN32
    // Without a parent it listens on a hidden window of its own, and the caller owns it.
    return std::unique_ptr<PowerEventSource>(MakeWin32PowerEvents(nullptr));
#else
    return MakeBusPowerEventSource(QDBusConnection::systemBus(), SysfsRoot());
#endif
}

} // namespace ampora
