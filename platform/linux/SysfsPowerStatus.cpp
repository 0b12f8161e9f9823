// The system power status computed from the same power-supply tree as the batteries.
#include "platform/linux/SysfsAttributes.h"
#include "platform/linux/SysfsBackend.h"
#include "platform/linux/SysfsConvert.h"

namespace ampora {
namespace {

class SysfsPowerStatus final : public PowerStatusSource {
public:
    explicit SysfsPowerStatus(std::string root) : m_root(std::move(root)) {}

    bool GetSystemPowerStatus(SystemPowerStatus* status) override
    {
        if (!status)
            return false;
        const std::optional<std::vector<SupplyAttributes>> supplies = ReadAllSupplies(m_root);
        if (!supplies)
            return false;
        *status = ComputePowerStatus(*supplies);
        return true;
    }

private:
    std::string m_root;
};

} // namespace

std::unique_ptr<PowerStatusSource> MakeSysfsPowerStatus(const std::string& root)
{
    return std::make_unique<SysfsPowerStatus>(root);
}

} // namespace ampora
