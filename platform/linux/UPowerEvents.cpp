#include "platform/linux/UPowerEvents.h"

#include <QDBusMessage>
#include <QDBusPendingCall>

namespace ampora {

namespace {

const QString kService = QStringLiteral("org.freedesktop.UPower");
const QString kPath = QStringLiteral("/org/freedesktop/UPower");
const QString kDevicePathPrefix = QStringLiteral("/org/freedesktop/UPower/devices/");
const QString kDaemonInterface = QStringLiteral("org.freedesktop.UPower");
const QString kDeviceInterface = QStringLiteral("org.freedesktop.UPower.Device");

} // namespace

bool IsComputerPowerDevice(const QString& path)
{
    // UPower names a device after its kind: line_power_AC, battery_BAT0, DisplayDevice (the
    // batteries together); a mouse, keyboard or headset is mouse_..., keyboard_..., headset_...
    if (!path.startsWith(kDevicePathPrefix))
        return false;
    const QStringView name = QStringView(path).mid(kDevicePathPrefix.size());
    return name.startsWith(u"line_power_") || name.startsWith(u"battery_") || name == u"DisplayDevice";
}

bool IsUPowerStatusChange(const QString& path, const QString& interfaceName, const QStringList& changedNames)
{
    if (path == kPath && interfaceName == kDaemonInterface)
        return changedNames.contains(QStringLiteral("OnBattery"));
    if (IsComputerPowerDevice(path) && interfaceName == kDeviceInterface) {
        static const QStringList kStatusProperties = {QStringLiteral("Online"), QStringLiteral("IsPresent"),
                                                      QStringLiteral("State")};
        for (const QString& name : changedNames) {
            if (kStatusProperties.contains(name))
                return true;
        }
    }
    return false;
}

UPowerEvents::UPowerEvents(const QDBusConnection& bus, std::chrono::milliseconds coalesce, QObject* parent)
    : PowerEventSource(parent), m_bus(bus)
{
    m_coalesce.setSingleShot(true);
    m_coalesce.setInterval(coalesce);
    connect(&m_coalesce, &QTimer::timeout, this, &PowerEventSource::powerStatusChanged);

    // Naming the service makes QtDBus accept the signals only from the name's owner; the
    // empty path takes PropertiesChanged of the daemon and of every device.
    const bool added = m_bus.connect(kService, kPath, kDaemonInterface, QStringLiteral("DeviceAdded"), this,
                                     SLOT(OnDeviceAddedOrRemoved()));
    const bool removed = m_bus.connect(kService, kPath, kDaemonInterface, QStringLiteral("DeviceRemoved"), this,
                                       SLOT(OnDeviceAddedOrRemoved()));
    const bool properties = m_bus.connect(kService, QString(), QStringLiteral("org.freedesktop.DBus.Properties"),
                                          QStringLiteral("PropertiesChanged"), this,
                                          SLOT(OnPropertiesChanged(QString, QVariantMap, QStringList, QDBusMessage)));
    m_listening = added && removed && properties;

    // Where UPower is started on demand, signals alone would never start it; any call does.
    m_bus.asyncCall(QDBusMessage::createMethodCall(kService, kPath, QStringLiteral("org.freedesktop.DBus.Peer"),
                                                   QStringLiteral("Ping")));
}

void UPowerEvents::OnDeviceAddedOrRemoved()
{
    NoteChange();
}

void UPowerEvents::OnPropertiesChanged(const QString& interfaceName, const QVariantMap& changed,
                                       const QStringList& invalidated, const QDBusMessage& message)
{
    if (IsUPowerStatusChange(message.path(), interfaceName, changed.keys() + invalidated))
        NoteChange();
}

void UPowerEvents::NoteChange()
{
    if (!m_coalesce.isActive())
        m_coalesce.start();
}

} // namespace ampora
