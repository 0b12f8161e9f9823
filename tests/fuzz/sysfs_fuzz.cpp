// libFuzzer harness for the Linux battery back end: the input is cut into the contents of a
// battery's and an adapter's attribute files, written into a temporary power-supply tree,
// and read through the real driver, CBatteryCtrl and the power status. Any content must give
// a result, never a crash or an undefined operation.
#include "battery/CBatteryCtrl.h"
#include "platform/sysfs/SysfsBackend.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace fs = std::filesystem;

namespace {

constexpr const char* kBatteryAttributes[] = {
    "type", "present", "status", "scope", "technology", "model_name", "manufacturer",
    "serial_number", "energy_full_design", "energy_full", "energy_now", "charge_full_design",
    "charge_full", "charge_now", "power_now", "current_now", "voltage_now", "voltage_min_design",
    "voltage_max_design", "capacity", "cycle_count", "temp", "alarm", "time_to_empty_now",
    "manufacture_year", "manufacture_month", "manufacture_day",
};
constexpr const char* kAdapterAttributes[] = {"type", "online", "scope"};

const fs::path& Root()
{
    static const fs::path root = [] {
        char pattern[] = "/tmp/ampora-sysfs-fuzz-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made)
            std::abort();
        return fs::path(made);
    }();
    return root;
}

// Takes the next field: bytes up to a 0x00 separator.
std::string_view Next(std::string_view& rest)
{
    const std::size_t end = rest.find('\0');
    std::string_view field = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return field;
}

void Fill(const fs::path& folder, const char* const* names, std::size_t count, std::string_view& rest)
{
    fs::create_directories(folder);
    for (std::size_t i = 0; i < count; ++i) {
        const fs::path file = folder / names[i];
        if (rest.empty()) {
            fs::remove(file);
            continue;
        }
        const std::string_view value = Next(rest);
        if (value == "\x7f") { // a missing attribute
            fs::remove(file);
            continue;
        }
        std::ofstream(file, std::ios::binary | std::ios::trunc).write(value.data(), static_cast<std::streamsize>(value.size()));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const fs::path supplies = Root() / "class" / "power_supply";
    Fill(supplies / "BAT0", kBatteryAttributes, std::size(kBatteryAttributes), rest);
    Fill(supplies / "AC", kAdapterAttributes, std::size(kAdapterAttributes), rest);

    const std::string root = Root().string();
    auto driver = ampora::MakeSysfsBatteryDriver(root);
    ampora::CBatteryCtrl ctrl(driver.get());
    ctrl.Enumerate();
    ampora::BatteryRecord record;
    for (int i = 0; i <= ctrl.GetBatteryCount(); ++i)
        ctrl.GetBatteryRecord(&record, static_cast<unsigned>(i));
    ampora::BatteryTotals totals;
    ctrl.GetBatteryTotals(&totals);
    ampora::SystemPowerStatus status;
    ampora::MakeSysfsPowerStatus(root)->GetSystemPowerStatus(&status);
    if (status.BatteryLifePercent > 100 && status.BatteryLifePercent != 255)
        std::abort(); // a percentage the panel could never show
    return 0;
}
