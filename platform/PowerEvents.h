#pragma once
// Power events: "about to enter stand-by" and "power status changed", delivered as Qt
// signals on the user-interface thread. Sources: logind/UPower on the system bus, a sysfs
// poll where no bus is reachable, WM_POWERBROADCAST on Windows, and a fake for tests.
#include <QObject>

namespace ampora {

class PowerEventSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~PowerEventSource() override = default;

    // Called by the main dialog once the run has been stopped and the log closed after
    // aboutToSuspend: a source that holds the system's sleep back may let it go now.
    virtual void SuspendHandled() {}

signals:
    void aboutToSuspend();
    void powerStatusChanged();
};

} // namespace ampora
