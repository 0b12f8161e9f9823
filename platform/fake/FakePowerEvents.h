#pragma once
// The scriptable power-event source for tests.
#include "platform/PowerEvents.h"

namespace ampora {

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
