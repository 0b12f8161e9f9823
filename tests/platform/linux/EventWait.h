#pragma once
// Waiting helpers: the event loop runs in small steps instead of sleeping, so queued bus
// deliveries, timers and deferred deletes all happen while a test waits.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QThread>

#include <chrono>

namespace ampora::test {

inline void ProcessEventsFor(std::chrono::milliseconds duration)
{
    QElapsedTimer clock;
    clock.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(2);
    } while (clock.elapsed() < duration.count());
}

// True once `done()` holds; false when it still does not after `timeout`.
template <typename Predicate>
bool WaitUntil(Predicate done, std::chrono::milliseconds timeout = std::chrono::milliseconds(5000))
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeout.count())
            return false;
        ProcessEventsFor(std::chrono::milliseconds(5));
    }
    return true;
}

// Counts the emissions of one signal for as long as it lives.
class SignalCount {
public:
    template <typename Sender, typename Signal>
    SignalCount(const Sender* sender, Signal signal)
        : m_connection(QObject::connect(sender, signal, [this] { ++m_count; }))
    {
    }
    ~SignalCount() { QObject::disconnect(m_connection); }
    SignalCount(const SignalCount&) = delete;
    SignalCount& operator=(const SignalCount&) = delete;

    int count() const { return m_count; }

private:
    int m_count = 0;
    QMetaObject::Connection m_connection;
};

} // namespace ampora::test
