#include "platform/linux/UdevPowerEvents.h"

#include <QSocketNotifier>

#include <libudev.h>

namespace ampora {

namespace {

std::string_view Property(const UeventProperties& properties, std::string_view name)
{
    const auto it = properties.find(name);
    return it == properties.end() ? std::string_view() : std::string_view(it->second);
}

UeventProperties PropertiesOf(udev_device* device)
{
    UeventProperties properties;
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_device_get_properties_list_entry(device))
    {
        const char* value = udev_list_entry_get_value(entry);
        properties.emplace(udev_list_entry_get_name(entry), value ? value : "");
    }
    return properties;
}

} // namespace

bool IsComputerSupplyUevent(const UeventProperties& properties)
{
    if (Property(properties, "POWER_SUPPLY_SCOPE") == "Device")
        return false;
    const std::string_view type = Property(properties, "POWER_SUPPLY_TYPE");
    return type.empty() || type == "Battery" || IsPowerSourceType(type);
}

std::unique_ptr<UdevPowerEvents> UdevPowerEvents::Create(std::string root, std::chrono::milliseconds coalesce)
{
    udev* context = udev_new();
    if (!context)
        return nullptr;
    // The kernel's own messages, not udevd's rebroadcast: they need no udevd, which machines
    // without a system bus (containers, small boards) often lack too.
    udev_monitor* monitor = udev_monitor_new_from_netlink(context, "kernel");
    if (!monitor || udev_monitor_filter_add_match_subsystem_devtype(monitor, "power_supply", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor) < 0 || udev_monitor_get_fd(monitor) < 0) {
        if (monitor)
            udev_monitor_unref(monitor);
        udev_unref(context);
        return nullptr;
    }
    return std::unique_ptr<UdevPowerEvents>(new UdevPowerEvents(std::move(root), context, monitor, coalesce));
}

UdevPowerEvents::UdevPowerEvents(std::string root, udev* context, udev_monitor* monitor,
                                 std::chrono::milliseconds coalesce)
    : m_root(std::move(root)),
      m_context(context, [](udev* u) { udev_unref(u); }),
      m_monitor(monitor, [](udev_monitor* m) { udev_monitor_unref(m); })
{
    m_state = ReadPowerSupplyState(m_root, &m_voltages);
    m_coalesce.setSingleShot(true);
    m_coalesce.setInterval(coalesce);
    connect(&m_coalesce, &QTimer::timeout, this, &UdevPowerEvents::Compare);
    // libudev's socket does not block, so one wake-up reads all that is waiting.
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(monitor), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UdevPowerEvents::ReadUevents);
}

UdevPowerEvents::~UdevPowerEvents()
{
    // The notifier goes before the socket it watches.
    delete m_notifier;
}

void UdevPowerEvents::ReadUevents()
{
    while (udev_device* device = udev_monitor_receive_device(m_monitor.get())) {
        const bool concerned = IsComputerSupplyUevent(PropertiesOf(device));
        udev_device_unref(device);
        if (concerned && !m_coalesce.isActive())
            m_coalesce.start();
    }
}

void UdevPowerEvents::Compare()
{
    const PowerSupplyState state = ReadPowerSupplyState(m_root, &m_voltages);
    if (state == m_state)
        return;
    m_state = state;
    emit powerStatusChanged();
}

} // namespace ampora
