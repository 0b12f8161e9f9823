#pragma once
// Chooses the power-event source of this platform: on Linux logind (stand-by) and UPower
// (power status) on the system bus, with a light poll of the sysfs tree for the power status
// where UPower cannot be reached; on Windows the power broadcasts.
#include "platform/PowerEvents.h"

#include <memory>
#include <string>

#ifndef _WIN32
#include <QDBusConnection>
#endif

namespace ampora {

// The source of this platform; never null. On Linux: MakeBusPowerEventSource on the system
// bus with the sysfs root in force. The caller owns it.
std::unique_ptr<PowerEventSource> MakePowerEventSource();

#ifndef _WIN32

// The Linux choice on `bus` (tests pass a private one): stand-by from logind when its name is
// on the bus or can be started by it; status changes from UPower likewise, else from a poll
// of <sysfsRoot>/class/power_supply. Only the bus itself is asked, with a short time-out.
std::unique_ptr<PowerEventSource> MakeBusPowerEventSource(const QDBusConnection& bus, const std::string& sysfsRoot);
#endif

// A source that only emits what a test tells it to.
class FakePowerEventSource : public PowerEventSource {
    Q_OBJECT
public:
    using PowerEventSource::PowerEventSource;
    void EmitSuspend() { emit aboutToSuspend(); }
    void EmitPowerStatusChanged() { emit powerStatusChanged(); }
    void SuspendHandled() override { ++m_suspendHandled; }
    int SuspendHandledCount() const { return m_suspendHandled; }

private:
    int m_suspendHandled = 0;
};

} // namespace ampora
