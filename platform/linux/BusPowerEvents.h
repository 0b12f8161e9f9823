#pragma once
// The Linux choice of power-event sources on a bus.
#include "platform/PowerEvents.h"

#include <QDBusConnection>

#include <functional>
#include <memory>
#include <string>

namespace ampora {

// Makes the source of the kernel's own power-supply uevents; null where it cannot be made.
using KernelEventsFactory = std::function<std::unique_ptr<PowerEventSource>()>;

// The Linux choice on `bus` (tests pass a private one): stand-by from logind when its name is
// on the bus or can be started by it; status changes from UPower likewise, else from
// `kernelEvents` (when given and it makes one), else from a poll of
// <sysfsRoot>/class/power_supply. Only the bus itself is asked, with a short time-out.
std::unique_ptr<PowerEventSource> MakeBusPowerEventSource(const QDBusConnection& bus, const std::string& sysfsRoot,
                                                          const KernelEventsFactory& kernelEvents = {});

} // namespace ampora
