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

    // The run's timer ticked (once a second while a run lasts). A source that looks at
    // something on a timer of its own (the sysfs poll, the clock check) looks on these ticks
    // while they come, so a run wakes the program once a second and never between its ticks.
    virtual void RunTicked() {}

signals:
    void aboutToSuspend();
    void powerStatusChanged();
};

} // namespace ampora
