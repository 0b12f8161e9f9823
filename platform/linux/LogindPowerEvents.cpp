#include "platform/linux/LogindPowerEvents.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace ampora {

namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");
constexpr int kInhibitTimeoutMs = 5000;

} // namespace

LogindPowerEvents::LogindPowerEvents(const QDBusConnection& bus, QObject* parent)
    : PowerEventSource(parent), m_bus(bus)
{
    // Naming the service makes QtDBus accept the signal only from the name's owner.
    m_listening = m_bus.connect(kService, kPath, kManager, QStringLiteral("PrepareForSleep"), this,
                                SLOT(OnPrepareForSleep(bool)));
    TakeSleepLock();
}

void LogindPowerEvents::SuspendHandled()
{
    m_lock = QDBusUnixFileDescriptor();
}

void LogindPowerEvents::OnPrepareForSleep(bool start)
{
    if (start)
        emit aboutToSuspend();
    else
        TakeSleepLock();
}

void LogindPowerEvents::TakeSleepLock()
{
    if (m_lock.isValid() || m_lockRequested)
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kManager, QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep") << QStringLiteral("Ampora") << QStringLiteral("Stop the monitoring run and close its log")
         << QStringLiteral("delay");
    m_lockRequested = true;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, kInhibitTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *finished;
        m_lockRequested = false;
        // Without a lock the events still arrive; logind just does not wait for us.
        if (reply.isValid())
            m_lock = reply.value();
        finished->deleteLater();
    });
}

} // namespace ampora
