#pragma once
// Power status changes where nothing on a bus reports them (containers, machines without a
// system bus or UPower): a light poll of <root>/class/power_supply that reports a change of
// the AC line status, of the number of batteries or of the battery flag (charging, high, low,
// critical), as a Windows power-status change comes for those. It reads only what it
// compares and never reports stand-by.
#include "platform/sysfs/SysfsAttributes.h"
#include "platform/sysfs/SysfsConvert.h"
#include "platform/PowerEvents.h"

#include "platform/linux/CheckTimer.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace ampora {

struct PowerSupplyState {
    uint8_t acLineStatus = kUnknownStatusByte; // as in the system power status: 0 off, 1 on
    int batteries = 0;          // the computer's batteries that are present
    uint8_t batteryFlag = kUnknownStatusByte;  // as in the system power status
    bool operator==(const PowerSupplyState&) const = default;
};

// What the poll compares, judged as the sysfs back end judges the same tree, so a change is
// reported exactly when the panel's power source or the battery count would differ.
PowerSupplyState PowerSupplyStateOf(const std::vector<SupplyAttributes>& supplies,
                                    ChargeVoltages* voltages = nullptr);

// PowerSupplyStateOf the tree at <root>/class/power_supply as it is now, read lazily (so only
// what the comparison needs); a tree that cannot be listed has no supplies.
PowerSupplyState ReadPowerSupplyState(const std::string& root, ChargeVoltages* voltages);

class SysfsPollPowerEvents : public PowerEventSource {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kDefaultInterval{3000};

    // Reads the state once now, then every `interval` (CheckTimer).
    explicit SysfsPollPowerEvents(std::string root, std::chrono::milliseconds interval = kDefaultInterval,
                                  QObject* parent = nullptr);

    // Reads the tree and emits powerStatusChanged when the state differs from the last read.
    void PollNow();

    PowerSupplyState LastState() const { return m_state; }

    void RunTicked() override { m_checks.RunTicked(); }

private:
    PowerSupplyState ReadState() const;

    std::string m_root;
    mutable ChargeVoltages m_voltages;
    PowerSupplyState m_state;
    CheckTimer m_checks;
};

} // namespace ampora
