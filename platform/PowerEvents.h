#pragma once
// Power events: "about to enter stand-by" and "power status changed", delivered as Qt
// signals on the user-interface thread. Sources: logind/UPower on the system bus, the
// kernel's power-supply uevents where no bus is reachable, a sysfs poll where those cannot be
// had either, WM_POWERBROADCAST on Windows, and a fake for tests.
#include <QObject>

class QWidget;

namespace ampora {

class PowerEventSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~PowerEventSource() override = default;

    // Called by the main dialog once the run has been stopped and the log closed after
    // aboutToSuspend: a source that holds the system's sleep back may let it go now.
    virtual void SuspendHandled() {}

    // The main dialog, once it exists: a source that reads the messages of a window (Windows'
    // power broadcasts) reads that dialog's from then on. The dialog outlives the call's effect
    // only while it lives; sources without windows ignore it.
    virtual void ListenTo(QWidget* /*window*/) {}

signals:
    void aboutToSuspend();
    void powerStatusChanged();
};

} // namespace ampora
