#include "platform/linux/SysfsPollPowerEvents.h"

#include "platform/sysfs/SysfsConvert.h"

#include <algorithm>

namespace ampora {

PowerSupplyState PowerSupplyStateOf(const std::vector<SupplyAttributes>& supplies, ChargeVoltages* voltages)
{
    PowerSupplyState state;
    const SystemPowerStatus flags = ComputePowerFlags(supplies, voltages);
    state.acLineStatus = flags.ACLineStatus;
    state.batteryFlag = flags.BatteryFlag;
    state.batteries = static_cast<int>(std::count_if(supplies.begin(), supplies.end(), [](const SupplyAttributes& s) {
        return ClassifySupply(s) == SupplyRole::Battery && IsPresent(s);
    }));
    return state;
}

PowerSupplyState ReadPowerSupplyState(const std::string& root, ChargeVoltages* voltages)
{
    return PowerSupplyStateOf(ReadAllSupplies(root).value_or(std::vector<SupplyAttributes>{}), voltages);
}

SysfsPollPowerEvents::SysfsPollPowerEvents(std::string root, std::chrono::milliseconds interval, QObject* parent)
    : PowerEventSource(parent), m_root(std::move(root)), m_state(ReadState()),
      m_checks(interval, [this] { PollNow(); })
{
}

void SysfsPollPowerEvents::PollNow()
{
    const PowerSupplyState state = ReadState();
    if (state == m_state)
        return;
    m_state = state;
    emit powerStatusChanged();
}

PowerSupplyState SysfsPollPowerEvents::ReadState() const
{
    return ReadPowerSupplyState(m_root, &m_voltages);
}

} // namespace ampora
