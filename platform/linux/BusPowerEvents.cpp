#include "platform/linux/BusPowerEvents.h"

#include "platform/linux/ClockSleepPowerEvents.h"
#include "platform/linux/CompositePowerEvents.h"
#include "platform/linux/LogindPowerEvents.h"
#include "platform/linux/SysfsPollPowerEvents.h"
#include "platform/linux/UPowerEvents.h"

#include <QDBusMessage>
#include <QDBusReply>

namespace ampora {
namespace {

// The bus daemon answers these itself at once; the time-out only guards against a hung bus.
constexpr int kBusQueryTimeoutMs = 1000;

QDBusMessage BusDaemonCall(const QString& method)
{
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                          QStringLiteral("org.freedesktop.DBus"), method);
}

// False at once on a bus that is not connected (no system bus, containers).
bool IsNameReachable(const QDBusConnection& bus, const QString& name)
{
    if (!bus.isConnected())
        return false;
    const QDBusReply<bool> owned = bus.call(BusDaemonCall(QStringLiteral("NameHasOwner")) << name, QDBus::Block,
                                            kBusQueryTimeoutMs);
    if (owned.isValid() && owned.value())
        return true;
    const QDBusReply<QStringList> activatable = bus.call(BusDaemonCall(QStringLiteral("ListActivatableNames")),
                                                         QDBus::Block, kBusQueryTimeoutMs);
    return activatable.isValid() && activatable.value().contains(name);
}

std::unique_ptr<PowerEventSource> MakeStandBySource(const QDBusConnection& bus)
{
    // Without logind a sleep is noticed after the fact from the clocks.
    if (!IsNameReachable(bus, QStringLiteral("org.freedesktop.login1")))
        return std::make_unique<ClockSleepEvents>();
    auto logind = std::make_unique<LogindPowerEvents>(bus);
    if (logind->IsListening())
        return logind;
    return std::make_unique<ClockSleepEvents>();
}

std::unique_ptr<PowerEventSource> MakeStatusSource(const QDBusConnection& bus, const std::string& sysfsRoot,
                                                   const KernelEventsFactory& kernelEvents)
{
    if (IsNameReachable(bus, QStringLiteral("org.freedesktop.UPower"))) {
        auto upower = std::make_unique<UPowerEvents>(bus);
        if (upower->IsListening())
            return upower;
    }
    if (kernelEvents) {
        if (std::unique_ptr<PowerEventSource> kernel = kernelEvents())
            return kernel;
    }
    return std::make_unique<SysfsPollPowerEvents>(sysfsRoot);
}

} // namespace

std::unique_ptr<PowerEventSource> MakeBusPowerEventSource(const QDBusConnection& bus, const std::string& sysfsRoot,
                                                          const KernelEventsFactory& kernelEvents)
{
    return std::make_unique<CompositePowerEvents>(MakeStandBySource(bus), MakeStatusSource(bus, sysfsRoot, kernelEvents));
}

} // namespace ampora
