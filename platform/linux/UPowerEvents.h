#pragma once
// Power status changes from UPower on the system bus: a device added or removed, the daemon's
// OnBattery, or a device's Online, IsPresent or State changing. One plug of the adapter makes
// UPower send several of these at once, so a burst becomes one powerStatusChanged, sent
// `coalesce` after its first signal. It never reports stand-by.
#include "platform/PowerEvents.h"

#include <QDBusConnection>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

#include <chrono>

class QDBusMessage;

namespace ampora {

// True for the line power and the computer's batteries; false for a peripheral's battery.
bool IsComputerPowerDevice(const QString& path);

// True when a PropertiesChanged of the daemon or of an IsComputerPowerDevice object for
// `interfaceName` changes something that the power status shows (not the charge level,
// which UPower updates often).
bool IsUPowerStatusChange(const QString& path, const QString& interfaceName, const QStringList& changedNames);

class UPowerEvents : public PowerEventSource {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kDefaultCoalesce{500};

    explicit UPowerEvents(const QDBusConnection& bus, std::chrono::milliseconds coalesce = kDefaultCoalesce,
                          QObject* parent = nullptr);

    // False when the bus refused a signal subscription.
    bool IsListening() const { return m_listening; }

private slots:
    // QtDBus binds bus signals by slot signature only, hence slots here. Which device came
    // or went does not matter: the main dialog counts the batteries itself.
    void OnDeviceAddedOrRemoved();
    void OnPropertiesChanged(const QString& interfaceName, const QVariantMap& changed, const QStringList& invalidated,
                             const QDBusMessage& message);

private:
    void NoteChange();

    QDBusConnection m_bus;
    QTimer m_coalesce;
    bool m_listening = false;
};

} // namespace ampora
