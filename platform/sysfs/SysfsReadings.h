#pragma once
// The state a sysfs driver and power status share: the snapshot of the sample under way and
// the conversion voltages fixed per battery.
#include "platform/sysfs/SysfsAttributes.h"
#include "platform/sysfs/SysfsConvert.h"

#include <memory>
#include <string>

namespace ampora {

class SysfsReadings {
public:
    explicit SysfsReadings(std::string root) : m_root(std::move(root)) {}

    // Within a sample the one snapshot taken at its first request; outside, a new one.
    std::shared_ptr<const SupplySnapshot> Snapshot();

    void BeginSample() { ++m_depth; }
    void EndSample();

    ChargeVoltages* Voltages() { return &m_voltages; }

private:
    std::string m_root;
    int m_depth = 0;
    std::shared_ptr<const SupplySnapshot> m_sample;
    ChargeVoltages m_voltages;
};

} // namespace ampora
