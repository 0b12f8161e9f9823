#include "PrivateBus.h"

#include "EventWait.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QRegularExpression>
#include <QStandardPaths>

#include <poll.h>
#include <unistd.h>

namespace ampora::test {

namespace {

constexpr int kStartTimeoutMs = 5000;

QDBusMessage GetId()
{
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                          QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetId"));
}

} // namespace

PrivateBus::~PrivateBus()
{
    for (const QString& name : m_connectionNames)
        QDBusConnection::disconnectFromBus(name);
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(kStartTimeoutMs))
            m_daemon.kill();
    }
}

bool PrivateBus::Start()
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (program.isEmpty()) {
        m_error = QStringLiteral("dbus-daemon is not installed");
        return false;
    }
    m_daemon.setProgram(program);
    m_daemon.setArguments({QStringLiteral("--config-file=" AMPORA_FIXTURES "/dbus/test-bus.conf"),
                           QStringLiteral("--print-address"), QStringLiteral("--nofork")});
    m_daemon.setProcessChannelMode(QProcess::SeparateChannels);
    m_daemon.start();
    if (!m_daemon.waitForStarted(kStartTimeoutMs)) {
        m_error = QStringLiteral("dbus-daemon does not start: ") + m_daemon.errorString();
        return false;
    }
    while (!m_daemon.canReadLine()) {
        if (!m_daemon.waitForReadyRead(kStartTimeoutMs)) {
            m_error = QStringLiteral("dbus-daemon printed no address: ") + QString::fromLocal8Bit(m_daemon.readAllStandardError());
            return false;
        }
    }
    m_address = QString::fromLatin1(m_daemon.readLine()).trimmed();
    return true;
}

QDBusConnection PrivateBus::Connect(const QString& role)
{
    const QString name = QStringLiteral("ampora-test-%1-%2").arg(m_daemon.processId()).arg(role);
    m_connectionNames.append(name);
    return QDBusConnection::connectToBus(m_address, name);
}

void PrivateBus::Settle(const std::vector<QDBusConnection>& connections)
{
    for (const QDBusConnection& connection : connections)
        connection.call(GetId(), QDBus::Block, kStartTimeoutMs);
    ProcessEventsFor(std::chrono::milliseconds(20));
}

QStringList PrivateBus::SignalPaths(const QDBusConnection& connection, const QString& member) const
{
    QDBusConnection asking = QDBusConnection::connectToBus(m_address, QStringLiteral("ampora-test-match-rules"));
    const QDBusMessage reply = asking.call(
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                       QStringLiteral("org.freedesktop.DBus.Debug.Stats"),
                                       QStringLiteral("GetAllMatchRules")),
        QDBus::Block, kStartTimeoutMs);
    QDBusConnection::disconnectFromBus(QStringLiteral("ampora-test-match-rules"));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {QStringLiteral("no match rules: ") + reply.errorMessage()};
    QMap<QString, QStringList> rules;
    qvariant_cast<QDBusArgument>(reply.arguments().constFirst()) >> rules;
    static const QRegularExpression kPath(QStringLiteral("path='([^']*)'"));
    QStringList paths;
    for (const QString& rule : rules.value(connection.baseService())) {
        if (rule.contains(QStringLiteral("member='%1'").arg(member)))
            paths.append(kPath.match(rule).captured(1));
    }
    paths.sort();
    return paths;
}

FakeLogind::~FakeLogind()
{
    for (int fd : m_readEnds)
        ::close(fd);
}

bool FakeLogind::LockHeld(int n) const
{
    pollfd entry{m_readEnds.at(n), POLLIN, 0};
    // A pipe whose write ends are all closed reads as hung up.
    return ::poll(&entry, 1, 0) == 0;
}

QDBusUnixFileDescriptor FakeLogind::Inhibit(const QString& what, const QString& who, const QString& why,
                                            const QString& mode)
{
    m_lastArguments = {what, who, why, mode};
    int ends[2] = {-1, -1};
    if (::pipe(ends) != 0)
        return {};
    m_readEnds.push_back(ends[0]);
    QDBusUnixFileDescriptor lock(ends[1]); // takes a copy of its own
    ::close(ends[1]);
    return lock;
}

bool RegisterLogind(QDBusConnection& services, FakeLogind* logind)
{
    return services.registerObject(QStringLiteral("/org/freedesktop/login1"), logind, QDBusConnection::ExportAllSlots) &&
           services.registerService(QStringLiteral("org.freedesktop.login1"));
}

bool FakeUPower::AddDevice(QDBusConnection& services, const QString& path, uint kind, bool powerSupply)
{
    m_devices.push_back(std::make_unique<FakeUPowerDevice>(kind, powerSupply));
    m_paths.append(QDBusObjectPath(path));
    return services.registerObject(path, m_devices.back().get(), QDBusConnection::ExportAllProperties);
}

bool RegisterUPower(QDBusConnection& services, FakeUPower* upower)
{
    if (upower && !services.registerObject(QStringLiteral("/org/freedesktop/UPower"), upower,
                                           QDBusConnection::ExportAllSlots))
        return false;
    return services.registerService(QStringLiteral("org.freedesktop.UPower"));
}

void EmitPrepareForSleep(QDBusConnection& from, bool start)
{
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                                     QStringLiteral("org.freedesktop.login1.Manager"),
                                                     QStringLiteral("PrepareForSleep"));
    from.send(signal << start);
}

namespace {

void EmitDeviceSignal(QDBusConnection& from, const QString& name, const QString& device)
{
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/UPower"),
                                                     QStringLiteral("org.freedesktop.UPower"), name);
    from.send(signal << QVariant::fromValue(QDBusObjectPath(device)));
}

} // namespace

void EmitDeviceAdded(QDBusConnection& from, const QString& device)
{
    EmitDeviceSignal(from, QStringLiteral("DeviceAdded"), device);
}

void EmitDeviceRemoved(QDBusConnection& from, const QString& device)
{
    EmitDeviceSignal(from, QStringLiteral("DeviceRemoved"), device);
}

void EmitPropertiesChanged(QDBusConnection& from, const QString& path, const QString& interfaceName,
                           const QVariantMap& changed)
{
    QDBusMessage signal = QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    from.send(signal << interfaceName << changed << QStringList());
}

} // namespace ampora::test
