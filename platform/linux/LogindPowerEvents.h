#pragma once
// Stand-by from logind on the system bus. logind announces PrepareForSleep(true) before the
// machine sleeps and PrepareForSleep(false) after it wakes. A delay inhibitor lock, taken at
// start and again after every wake, makes logind wait (up to its own limit of a few seconds)
// until the run is stopped and the log closed; SuspendHandled lets it go. All bus calls are
// asynchronous, so the user-interface thread never waits for logind.
#include "platform/PowerEvents.h"

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>

namespace ampora {

class LogindPowerEvents : public PowerEventSource {
    Q_OBJECT
public:
    // Listens on `bus` (the system bus, or a private one in tests) and asks for the lock.
    explicit LogindPowerEvents(const QDBusConnection& bus, QObject* parent = nullptr);

    // False when the bus refused the signal subscription: then nothing will ever arrive.
    bool IsListening() const { return m_listening; }
    bool HoldsSleepLock() const { return m_lock.isValid(); }

    // Closes the lock's file descriptor, which is how logind learns it may go on.
    void SuspendHandled() override;

private slots:
    // QtDBus binds bus signals by slot signature only, hence a slot here.
    void OnPrepareForSleep(bool start);

private:
    void TakeSleepLock();

    QDBusConnection m_bus;
    QDBusUnixFileDescriptor m_lock;
    bool m_lockRequested = false;
    bool m_listening = false;
};

} // namespace ampora
