#pragma once
// A private dbus-daemon for one test, with connections to it named after the test, and
// fake logind and UPower services that a test registers on it under their real names.
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QProcess>
#include <QStringList>

#include <memory>
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

    // The paths in the daemon's match rules of `connection` for the signal `member`, sorted;
    // an empty string for a rule that takes the signal from every path.
    QStringList SignalPaths(const QDBusConnection& connection, const QString& member) const;

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

// A UPower device object as far as Ampora asks about it.
class FakeUPowerDevice : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.UPower.Device")
    Q_PROPERTY(uint Type READ kind)
    Q_PROPERTY(bool PowerSupply READ powerSupply)
public:
    FakeUPowerDevice(uint kind, bool powerSupply) : m_kind(kind), m_powerSupply(powerSupply) {}
    uint kind() const { return m_kind; }
    bool powerSupply() const { return m_powerSupply; }

private:
    uint m_kind;
    bool m_powerSupply;
};

// UPower's daemon object: EnumerateDevices lists the devices added to it.
class FakeUPower : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.UPower")
public:
    // Registers a device at `path` on `services`; UPower's Type: 1 line power, 2 battery, 5 mouse.
    bool AddDevice(QDBusConnection& services, const QString& path, uint kind, bool powerSupply);

public slots:
    QList<QDBusObjectPath> EnumerateDevices() const { return m_paths; }

private:
    std::vector<std::unique_ptr<FakeUPowerDevice>> m_devices;
    QList<QDBusObjectPath> m_paths;
};

// Registers the fake logind (when given), the fake UPower daemon (when given) and the UPower
// name on `services`.
bool RegisterLogind(QDBusConnection& services, FakeLogind* logind);
bool RegisterUPower(QDBusConnection& services, FakeUPower* upower = nullptr);

void EmitPrepareForSleep(QDBusConnection& from, bool start);
void EmitDeviceAdded(QDBusConnection& from, const QString& device);
void EmitDeviceRemoved(QDBusConnection& from, const QString& device);
void EmitPropertiesChanged(QDBusConnection& from, const QString& path, const QString& interfaceName,
                           const QVariantMap& changed);

} // namespace ampora::test
