// The system power status computed from the same power-supply tree (and, within a sample,
// the same snapshot) as the batteries.
#include "platform/sysfs/SysfsAttributes.h"
#include "platform/sysfs/SysfsBackend.h"
#include "platform/sysfs/SysfsConvert.h"
#include "platform/sysfs/SysfsReadings.h"

namespace ampora {
namespace {

class SysfsPowerStatus final : public PowerStatusSource {
public:
    explicit SysfsPowerStatus(std::shared_ptr<SysfsReadings> readings) : m_readings(std::move(readings)) {}

    bool GetSystemPowerStatus(SystemPowerStatus* status) override
    {
        if (!status)
            return false;
        const std::shared_ptr<const SupplySnapshot> snapshot = m_readings->Snapshot();
        if (!snapshot->listed)
            return false;
        *status = ComputePowerStatus(snapshot->supplies, m_readings->Voltages());
        return true;
    }

private:
    std::shared_ptr<SysfsReadings> m_readings;
};

} // namespace

std::unique_ptr<PowerStatusSource> MakeSysfsPowerStatus(std::shared_ptr<SysfsReadings> readings)
{
    return std::make_unique<SysfsPowerStatus>(std::move(readings));
}

std::unique_ptr<PowerStatusSource> MakeSysfsPowerStatus(const std::string& root)
{
    return MakeSysfsPowerStatus(MakeSysfsReadings(root));
}

} // namespace ampora
