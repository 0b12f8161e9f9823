#pragma once
// A private dbus-daemon for one test, with connections to it named after the test, and
// fake logind and UPower services that a test registers on it under their real names.
#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QProcess>
#include <QStringList>

#include <vector>

namespace ampora::test {

class PrivateBus {
public:
    PrivateBus() = default;
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    // Starts the daemon; false (with the reason in Error()) when that is not possible.
    bool Start();
    QString Error() const { return m_error; }

    // A new connection of its own to the bus (one per role: program, fake services, intruder).
    QDBusConnection Connect(const QString& role);

    // Returns once what the first connections sent has been handled by the receiver, the
    // last one: each makes a round trip through the daemon in the order given (so the
    // daemon has routed everything, and the receiver has read it), then queued deliveries run.
    void Settle(const std::vector<QDBusConnection>& connections);

private:
    QProcess m_daemon;
    QString m_address;
    QString m_error;
    QStringList m_connectionNames;
};

// logind's manager as far as Ampora uses it: Inhibit hands out the write end of a pipe and
// keeps the read end, so a test sees when every copy of the lock has been closed.
class FakeLogind : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    ~FakeLogind() override;

    int InhibitCalls() const { return static_cast<int>(m_readEnds.size()); }
    QStringList LastInhibitArguments() const { return m_lastArguments; }
    // True while some copy of the lock handed out by the n-th Inhibit is still open.
    bool LockHeld(int n) const;

public slots:
    QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& who, const QString& why, const QString& mode);

private:
    std::vector<int> m_readEnds;
    QStringList m_lastArguments;
};

// Registers the fake logind (when given) and the UPower name on `services`.
bool RegisterLogind(QDBusConnection& services, FakeLogind* logind);
bool RegisterUPower(QDBusConnection& services);

void EmitPrepareForSleep(QDBusConnection& from, bool start);
void EmitDeviceAdded(QDBusConnection& from, const QString& device);
void EmitDeviceRemoved(QDBusConnection& from, const QString& device);
void EmitPropertiesChanged(QDBusConnection& from, const QString& path, const QString& interfaceName,
                           const QVariantMap& changed);

} // namespace ampora::test
