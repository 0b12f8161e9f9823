// Which kernel uevents may change the power status, judged from real machines' uevents.
#include "platform/linux/UdevPowerEvents.h"

#include "../sysfs/MachineTree.h"

#include <gtest/gtest.h>

namespace ampora {
namespace {

struct UeventCase {
    const char* name;
    const char* machine; // tests/fixtures/machines/<machine>; empty: `extra` is the whole uevent
    const char* supply;
    bool expected;
    UeventProperties extra = {}; // over the file's; an empty value takes the property out
};

void PrintTo(const UeventCase& row, std::ostream* out)
{
    *out << row.name;
}

// The supply's uevent as its machine file holds it, changed by `extra`.
UeventProperties UeventOf(const UeventCase& row)
{
    UeventProperties properties;
    if (*row.machine) {
        std::string error;
        const test::Machine machine = test::ParseMachine(row.machine, &error);
        EXPECT_EQ(error, "");
        for (const test::MachineSupply& supply : machine.supplies) {
            if (supply.name == row.supply)
                properties.insert(supply.uevent.begin(), supply.uevent.end());
        }
        EXPECT_FALSE(properties.empty()) << "no supply " << row.supply << " in " << row.machine;
    }
    for (const auto& [name, value] : row.extra) {
        if (value.empty())
            properties.erase(name);
        else
            properties[name] = value;
    }
    return properties;
}

class ComputerSupplyUeventTest : public ::testing::TestWithParam<UeventCase> {};

TEST_P(ComputerSupplyUeventTest, PeripheralsNeverCount)
{
    EXPECT_EQ(IsComputerSupplyUevent(UeventOf(GetParam())), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Machines, ComputerSupplyUeventTest,
    ::testing::Values(
        UeventCase{"sbs_battery_discharging", "google-hana-sbs-discharging.txt", "sbs-6-000b", true},
        UeventCase{"dell_battery_change_event_without_type", "dell-xps15-9550-udev-no-current.txt", "BAT0", true},
        UeventCase{"thinkpad_ac_adapter_without_type", "thinkpad-discharging-full-above-design.txt", "AC", true},
        UeventCase{"usb_charger_system_scope", "nexus5-capacity-only.txt", "bq24190-charger", true},
        UeventCase{"logitech_mouse_device_scope", "desktop-logitech-m510-mouse.txt", "hidpp_battery_8", false},
        UeventCase{"mouse_on_a_kernel_without_type",
                   "desktop-logitech-m510-mouse.txt",
                   "hidpp_battery_8",
                   false,
                   {{"POWER_SUPPLY_TYPE", ""}}},
        UeventCase{"removal_with_the_name_only", "", "", true, {{"POWER_SUPPLY_NAME", "BAT1"}}},
        UeventCase{"ups_is_not_the_computers", "", "", false, {{"POWER_SUPPLY_TYPE", "UPS"}}}),
    [](const ::testing::TestParamInfo<UeventCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace ampora
