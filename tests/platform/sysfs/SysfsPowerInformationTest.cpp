// The Linux power-information sources on small sysfs trees.
#include "platform/sysfs/SysfsBackend.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace ampora {
namespace {

std::string Tree(const char* name)
{
    return std::string(AMPORA_FIXTURES) + "/sysinfo/" + name;
}

// UPS, throttle, min, max, thermal, video dim, APM, disk spin-down.
using Caps = std::tuple<int, int, int, int, int, int, int, int>;

Caps AsTuple(const PowerCapabilities& c)
{
    return {c.UpsPresent, c.ProcessorThrottle, c.ProcessorMinThrottle, c.ProcessorMaxThrottle,
            c.ThermalControl, c.VideoDimPresent, c.ApmPresent, c.DiskSpinDown};
}

struct TreeCase {
    const char* tree;
    std::optional<std::pair<uint32_t, uint32_t>> mhz; // max, current; none: the query fails
    std::optional<Caps> caps;
};
void PrintTo(const TreeCase& c, std::ostream* os) { *os << c.tree; }

class SysfsPowerInformationTree : public testing::TestWithParam<TreeCase> {};

TEST_P(SysfsPowerInformationTree, AnswersEachQueryFromItsOwnSources)
{
    const TreeCase& c = GetParam();
    const std::unique_ptr<PowerInformation> info = MakeSysfsPowerInformation(Tree(c.tree));

    ProcessorPowerInformation cpu;
    ASSERT_EQ(info->QueryProcessor(&cpu), c.mhz.has_value());
    if (c.mhz) {
        EXPECT_EQ(cpu.MaxMhz, c.mhz->first);
        EXPECT_EQ(cpu.CurrentMhz, c.mhz->second);
    }

    PowerCapabilities caps;
    ASSERT_EQ(info->QueryCapabilities(&caps), c.caps.has_value());
    if (c.caps)
        EXPECT_EQ(AsTuple(caps), *c.caps);

    uint8_t tolerance = 0;
    EXPECT_FALSE(info->QueryFanThrottleTolerance(&tolerance)) << "Linux has no fan policy";
}

INSTANTIATE_TEST_SUITE_P(
    Linux, SysfsPowerInformationTree,
    testing::Values(
        // Two processors: the first one's speeds (kHz rounded to MHz), not a failure.
        // Spinning disk with an idle timer counts; the SSD and the loop device do not.
        TreeCase{"laptop", std::pair{2400u, 1800u}, Caps{0, 1, 17, 100, 1, 1, 0, 1}},
        // No cpufreq; a UPS; a cooling device is no thermal zone; disabled idle timer and a
        // removable drive give no spin-down.
        TreeCase{"desktop", std::nullopt, Caps{1, 0, 0, 0, 0, 0, 0, 0}},
        // Numbers with units or beyond 64 bits are unreadable, never guessed.
        TreeCase{"garbage", std::nullopt, Caps{0, 1, 0, 0, 0, 0, 0, 0}},
        // The policy allows half the speed and sets no lower limit.
        TreeCase{"limited", std::pair{2000u, 1000u}, Caps{0, 1, 0, 50, 0, 1, 0, 0}},
        // No sysfs at all: every query fails.
        TreeCase{"missing", std::nullopt, std::nullopt}),
    [](const auto& info) { return std::string(info.param.tree); });

} // namespace
} // namespace ampora
