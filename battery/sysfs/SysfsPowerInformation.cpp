// Placeholder until the Linux power-information sources exist: every query fails.
#include "battery/sysfs/SysfsBackend.h"

namespace ampora {
namespace {
class SysfsPowerInformation final : public PowerInformation {
public:
    bool QueryProcessor(ProcessorPowerInformation*) override { return false; }
    bool QueryCapabilities(PowerCapabilities*) override { return false; }
    bool QueryFanThrottleTolerance(uint8_t*) override { return false; }
};
} // namespace

std::unique_ptr<PowerInformation> MakeSysfsPowerInformation(const std::string&)
{
    return std::make_unique<SysfsPowerInformation>();
}
} // namespace ampora
