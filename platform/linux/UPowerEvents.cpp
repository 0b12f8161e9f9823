#include "platform/linux/UPowerEvents.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace ampora {

namespace {

const QString kService = QStringLiteral("org.freedesktop.UPower");
const QString kPath = QStringLiteral("/org/freedesktop/UPower");
const QString kDevicePathPrefix = QStringLiteral("/org/freedesktop/UPower/devices/");
const QString kDaemonInterface = QStringLiteral("org.freedesktop.UPower");
const QString kDeviceInterface = QStringLiteral("org.freedesktop.UPower.Device");
const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kPropertiesChanged = QStringLiteral("PropertiesChanged");

constexpr uint kLinePower = 1;
constexpr uint kBattery = 2;

} // namespace

std::optional<bool> IsComputerPowerDevice(const QVariantMap& deviceProperties)
{
    const QVariant type = deviceProperties.value(QStringLiteral("Type"));
    const QVariant powerSupply = deviceProperties.value(QStringLiteral("PowerSupply"));
    if (!type.isValid() || !type.canConvert<uint>() || powerSupply.metaType().id() != QMetaType::Bool)
        return std::nullopt;
    const uint kind = type.toUInt();
    return (kind == kLinePower || kind == kBattery) && powerSupply.toBool();
}

bool IsComputerPowerDevicePath(const QString& path)
{
    if (!path.startsWith(kDevicePathPrefix))
        return false;
    const QStringView name = QStringView(path).mid(kDevicePathPrefix.size());
    return name.startsWith(u"line_power_") || name.startsWith(u"battery_") || name == u"DisplayDevice";
}

bool IsDeviceStatusChange(const QString& interfaceName, const QStringList& changedNames)
{
    if (interfaceName != kDeviceInterface)
        return false;
    static const QStringList kStatusProperties = {QStringLiteral("Online"), QStringLiteral("IsPresent"),
                                                  QStringLiteral("State")};
    for (const QString& name : changedNames) {
        if (kStatusProperties.contains(name))
            return true;
    }
    return false;
}

UPowerEvents::UPowerEvents(const QDBusConnection& bus, std::chrono::milliseconds coalesce, QObject* parent)
    : PowerEventSource(parent), m_bus(bus)
{
    m_coalesce.setSingleShot(true);
    m_coalesce.setInterval(coalesce);
    connect(&m_coalesce, &QTimer::timeout, this, &PowerEventSource::powerStatusChanged);

    // QtDBus matches a slot's argument types by name, which a type knows only once registered.
    qRegisterMetaType<QDBusObjectPath>();
    // Naming the service makes QtDBus accept the signals only from the name's owner.
    const bool added = m_bus.connect(kService, kPath, kDaemonInterface, QStringLiteral("DeviceAdded"), this,
                                     SLOT(OnDeviceAdded(QDBusObjectPath)));
    const bool removed = m_bus.connect(kService, kPath, kDaemonInterface, QStringLiteral("DeviceRemoved"), this,
                                       SLOT(OnDeviceRemoved(QDBusObjectPath)));
    // Every path until the device list names the ones to listen to.
    m_everyPath = ListenToChanges(QString(), true);
    m_listening = added && removed && m_everyPath;

    // Learning the devices now names the paths to listen to, keeps their first change from
    // waiting for the answer, and lets a removal be judged after the device is gone. Where UPower is started on demand, this
    // call is also what starts it: signals alone never would.
    auto* list = new QDBusPendingCallWatcher(
        m_bus.asyncCall(QDBusMessage::createMethodCall(kService, kPath, kDaemonInterface,
                                                       QStringLiteral("EnumerateDevices"))),
        this);
    connect(list, &QDBusPendingCallWatcher::finished, this, &UPowerEvents::OnDeviceList);
}

void UPowerEvents::OnDeviceList(QDBusPendingCallWatcher* answer)
{
    const QDBusPendingReply<QList<QDBusObjectPath>> reply = *answer;
    answer->deleteLater();
    if (!reply.isValid())
        return;
    bool watching = Watch(kPath);
    for (const QDBusObjectPath& device : reply.value()) {
        const QString path = device.path();
        const auto known = m_computerDevice.constFind(path);
        if (known == m_computerDevice.constEnd() || *known)
            watching = Watch(path) && watching;
        if (known == m_computerDevice.constEnd() && !m_asking.contains(path))
            AskKind(path, false);
    }
    // The paths' own subscriptions are in place before the one for every path goes, so
    // nothing sent meanwhile is lost.
    if (watching && m_everyPath)
        m_everyPath = !ListenToChanges(QString(), false);
}

void UPowerEvents::OnDeviceAdded(const QDBusObjectPath& device)
{
    // A path can come back for another device.
    m_computerDevice.remove(device.path());
    // While every path is listened to, the device list still to come names this device too.
    if (!m_everyPath)
        Watch(device.path());
    NoteDeviceChange(device.path());
}

void UPowerEvents::OnDeviceRemoved(const QDBusObjectPath& device)
{
    const QString path = device.path();
    Unwatch(path);
    if (const auto known = m_computerDevice.constFind(path); known != m_computerDevice.constEnd()) {
        const bool computer = *known;
        m_computerDevice.remove(path);
        if (computer)
            NoteChange();
    } else if (m_asking.contains(path)) {
        m_asking[path] = true;
    } else if (IsComputerPowerDevicePath(path)) {
        NoteChange();
    }
}

void UPowerEvents::OnPropertiesChanged(const QString& interfaceName, const QVariantMap& changed,
                                       const QStringList& invalidated, const QDBusMessage& message)
{
    const QStringList names = changed.keys() + invalidated;
    if (message.path() == kPath) {
        if (interfaceName == kDaemonInterface && names.contains(QStringLiteral("OnBattery")))
            NoteChange();
        return;
    }
    if (message.path().startsWith(kDevicePathPrefix) && IsDeviceStatusChange(interfaceName, names))
        NoteDeviceChange(message.path());
}

void UPowerEvents::NoteDeviceChange(const QString& path)
{
    if (const auto known = m_computerDevice.constFind(path); known != m_computerDevice.constEnd()) {
        if (*known)
            NoteChange();
        return;
    }
    if (m_asking.contains(path))
        m_asking[path] = true;
    else
        AskKind(path, true);
}

void UPowerEvents::AskKind(const QString& path, bool changed)
{
    m_asking.insert(path, changed);
    QDBusMessage getAll = QDBusMessage::createMethodCall(kService, path, kPropertiesInterface, QStringLiteral("GetAll"));
    getAll << kDeviceInterface;
    auto* answer = new QDBusPendingCallWatcher(m_bus.asyncCall(getAll), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this,
            [this, path](QDBusPendingCallWatcher* watcher) { OnKindAnswer(path, watcher); });
}

void UPowerEvents::OnKindAnswer(const QString& path, QDBusPendingCallWatcher* answer)
{
    const QDBusPendingReply<QVariantMap> reply = *answer;
    answer->deleteLater();
    std::optional<bool> computer;
    if (reply.isValid())
        computer = IsComputerPowerDevice(reply.value());
    const bool isComputer = computer.value_or(IsComputerPowerDevicePath(path));
    const bool changed = m_asking.take(path);
    // A device already gone is not kept: its path may come back for another one.
    if (computer)
        m_computerDevice.insert(path, isComputer);
    if (!isComputer)
        Unwatch(path);
    if (changed && isComputer)
        NoteChange();
}

void UPowerEvents::NoteChange()
{
    if (!m_coalesce.isActive())
        m_coalesce.start();
}

bool UPowerEvents::ListenToChanges(const QString& path, bool listen)
{
    const char* slot = SLOT(OnPropertiesChanged(QString, QVariantMap, QStringList, QDBusMessage));
    return listen ? m_bus.connect(kService, path, kPropertiesInterface, kPropertiesChanged, this, slot)
                  : m_bus.disconnect(kService, path, kPropertiesInterface, kPropertiesChanged, this, slot);
}

bool UPowerEvents::Watch(const QString& path)
{
    // Never twice: QtDBus would deliver each signal once per subscription.
    if (!m_watched.contains(path) && ListenToChanges(path, true))
        m_watched.insert(path);
    return m_watched.contains(path);
}

void UPowerEvents::Unwatch(const QString& path)
{
    if (m_watched.remove(path))
        ListenToChanges(path, false);
}

} // namespace ampora
