#pragma once
// Power status changes from the kernel itself where no bus reports them: the power-supply
// class sends a uevent whenever a supply changes, and libudev's monitor receives them on a
// netlink socket watched by the event loop (no thread, no polling). A uevent of a peripheral
// is dropped from its own properties, without reading any file. Any other one makes the
// source read what the poll compares (AC line, battery count, battery flag) once its burst
// has settled, `coalesce` after the first uevent, and report a change only when that
// differs. Some firmware sends a battery uevent every half second whatever changed, which is
// why the comparison is there. It never reports stand-by.
#include "platform/sysfs/SysfsConvert.h"
#include "platform/linux/SysfsPollPowerEvents.h"
#include "platform/PowerEvents.h"

#include <QTimer>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <string>

struct udev;
struct udev_monitor;
class QSocketNotifier;

namespace ampora {

// The properties of one uevent by name, as the kernel sent them ("POWER_SUPPLY_TYPE" ->
// "Battery").
using UeventProperties = std::map<std::string, std::string, std::less<>>;

// False for a uevent that cannot concern the computer's own power: POWER_SUPPLY_SCOPE Device
// (a mouse's or headset's battery) or a POWER_SUPPLY_TYPE that is neither a battery nor a
// power source. Older kernels leave the type out of their uevents, and a removal's uevent may
// carry the name alone; such a uevent counts unless its scope says Device (the comparison
// after it then decides).
bool IsComputerSupplyUevent(const UeventProperties& properties);

class UdevPowerEvents : public PowerEventSource {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kDefaultCoalesce{500};

    // Watches the machine's power-supply uevents and compares against <root>/class/power_supply,
    // read once now. Null where no monitor can be made (no netlink socket in this sandbox).
    static std::unique_ptr<UdevPowerEvents> Create(std::string root,
                                                   std::chrono::milliseconds coalesce = kDefaultCoalesce);
    ~UdevPowerEvents() override;

    PowerSupplyState LastState() const { return m_state; }

private:
    UdevPowerEvents(std::string root, udev* context, udev_monitor* monitor, std::chrono::milliseconds coalesce);

    void ReadUevents();
    void Compare();

    std::string m_root;
    std::unique_ptr<udev, void (*)(udev*)> m_context;
    std::unique_ptr<udev_monitor, void (*)(udev_monitor*)> m_monitor;
    QSocketNotifier* m_notifier = nullptr;
    QTimer m_coalesce;
    ChargeVoltages m_voltages;
    PowerSupplyState m_state;
};

} // namespace ampora
