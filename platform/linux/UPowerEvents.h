#pragma once
// Power status changes from UPower on the system bus: the daemon's OnBattery, and for the
// computer's own supplies only, a device added or removed or its Online, IsPresent or State
// changing. Whether a device is the computer's is its own say: its Type (line power or
// battery) and PowerSupply properties, asked once per device path (asynchronously, for every
// device at start and for each new path as it shows up) and kept. One plug of the adapter
// makes UPower send several signals at once, so a burst becomes one powerStatusChanged, sent
// `coalesce` after its first signal. It never reports stand-by.
// UPower sends PropertiesChanged for every device it has: its DisplayDevice (which repeats
// the batteries' changes), mice, keyboards and headsets (whose levels change often). Each
// such signal received wakes the program's bus thread and then its main thread, so
// PropertiesChanged is listened to only on the daemon's path and on each device path from
// the device list or DeviceAdded, until the device's answer says it is not the computer's or
// it is removed. Until the device list is answered (and for good if it cannot be had), every
// path is listened to, so no change is missed at start.
#include "platform/PowerEvents.h"

#include <QDBusConnection>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

#include <chrono>
#include <optional>

class QDBusMessage;
class QDBusObjectPath;
class QDBusPendingCallWatcher;

namespace ampora {

// From a device's org.freedesktop.UPower.Device properties: true for Type 1 (line power) or
// 2 (battery) with PowerSupply true; false for anything else, a mouse's or headset's battery
// among them. Nullopt when the two are not both there.
std::optional<bool> IsComputerPowerDevice(const QVariantMap& deviceProperties);

// Only where a device's properties cannot be read (it is already gone): UPower's names,
// line_power_AC, battery_BAT0, DisplayDevice (the batteries together), against mouse_...,
// keyboard_..., headset_....
bool IsComputerPowerDevicePath(const QString& path);

// True when the names changed in a device's PropertiesChanged of `interfaceName` are ones
// that the power status shows (not the charge level, which UPower updates often).
bool IsDeviceStatusChange(const QString& interfaceName, const QStringList& changedNames);

class UPowerEvents : public PowerEventSource {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kDefaultCoalesce{500};

    explicit UPowerEvents(const QDBusConnection& bus, std::chrono::milliseconds coalesce = kDefaultCoalesce,
                          QObject* parent = nullptr);

    // False when the bus refused a signal subscription.
    bool IsListening() const { return m_listening; }

private slots:
    // QtDBus binds bus signals by slot signature only, hence slots here.
    void OnDeviceAdded(const QDBusObjectPath& device);
    void OnDeviceRemoved(const QDBusObjectPath& device);
    void OnPropertiesChanged(const QString& interfaceName, const QVariantMap& changed, const QStringList& invalidated,
                             const QDBusMessage& message);

private:
    // Notes a change of `path` once it is known to be one of the computer's supplies.
    void NoteDeviceChange(const QString& path);
    // Asks for the properties of `path`; `changed`: a change waits for the answer.
    void AskKind(const QString& path, bool changed);
    void OnKindAnswer(const QString& path, QDBusPendingCallWatcher* answer);
    void OnDeviceList(QDBusPendingCallWatcher* answer);
    void NoteChange();
    // Starts or stops taking PropertiesChanged of `path` (every path when empty).
    bool ListenToChanges(const QString& path, bool listen);
    // Takes PropertiesChanged of `path` from now, once; true when they are taken.
    bool Watch(const QString& path);
    void Unwatch(const QString& path);

    QDBusConnection m_bus;
    QTimer m_coalesce;
    QHash<QString, bool> m_computerDevice; // path -> one of the computer's supplies
    QHash<QString, bool> m_asking;         // path asked about -> a change waits for the answer
    QSet<QString> m_watched;               // paths whose PropertiesChanged are taken
    bool m_everyPath = false;              // PropertiesChanged of every path taken (at start)
    bool m_listening = false;
};

} // namespace ampora
