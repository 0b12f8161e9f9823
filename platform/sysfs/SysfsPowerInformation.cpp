// Power information from sysfs. Linux has no single power-information call, so each of the
// three queries gathers its facts from the kernel's own trees:
//
// - processor: cpu0's cpufreq (cpuinfo_max_freq, scaling_cur_freq, in kHz). Only the first
//   processor is read, so machines with many processors answer like machines with one.
// - capabilities (fails only when <root>/class cannot be read, i.e. no sysfs at all):
//   UPS          a power supply whose type is "UPS";
//   throttling   cpu0 has a cpufreq directory;
//   min/max      scaling_min_freq / scaling_max_freq as a percentage of cpuinfo_max_freq
//                (the range the policy allows), 0 without cpufreq;
//   thermal      any class/thermal/thermal_zone* entry;
//   video dim    any class/backlight entry;
//   APM          never (Linux dropped APM long ago);
//   disk spin-down  a fixed disk (removable is not 1) whose queue/rotational is 1 and whose
//                device has a runtime power-management idle timer in use (a non-negative
//                device/power/autosuspend_delay_ms; the kernel refuses to read it while
//                autosuspend is off): only then does the kernel stop the platters by
//                itself. Virtual disks have no device and never count.
// - fan throttle tolerance: no Linux source, the query always fails.
#include "platform/sysfs/SysfsAttributes.h"
#include "platform/sysfs/SysfsBackend.h"
#include "platform/sysfs/SysfsConvert.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>

namespace ampora {
namespace {

namespace fs = std::filesystem;

// A non-negative decimal attribute; missing, garbage or negative count as unreadable.
std::optional<uint64_t> ReadNumber(const fs::path& folder, const std::string& name)
{
    const std::optional<std::string> text = ReadAttribute(folder.string(), name);
    const std::optional<int64_t> value = text ? ParseInteger(*text) : std::nullopt;
    if (!value || *value < 0)
        return std::nullopt;
    return static_cast<uint64_t>(*value);
}

bool IsDirectory(const fs::path& p)
{
    std::error_code ec;
    return fs::is_directory(p, ec);
}

// Entries of a directory (symbolic links followed), or none when it cannot be read.
std::vector<fs::path> Entries(const fs::path& dir)
{
    std::vector<fs::path> entries;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        entries.push_back(it->path());
    return entries;
}

uint32_t KhzToMhz(uint64_t khz)
{
    return static_cast<uint32_t>(std::min<uint64_t>((khz + 500) / 1000, UINT32_MAX));
}

// A frequency as a percentage of the maximum, 0..100 (in floating point: a kernel number
// times 100 may not fit in 64 bits).
uint8_t Percent(uint64_t khz, uint64_t maxKhz)
{
    if (maxKhz == 0)
        return 0;
    return static_cast<uint8_t>(std::min(100.0, std::round(100.0 * double(khz) / double(maxKhz))));
}

class SysfsPowerInformation final : public PowerInformation {
public:
    explicit SysfsPowerInformation(const std::string& root)
        : m_root(root), m_cpufreq(m_root / "devices/system/cpu/cpu0/cpufreq")
    {
    }

    bool QueryProcessor(ProcessorPowerInformation* info) override
    {
        const auto maxKhz = ReadNumber(m_cpufreq, "cpuinfo_max_freq");
        const auto curKhz = ReadNumber(m_cpufreq, "scaling_cur_freq");
        if (!info || !maxKhz || !curKhz)
            return false;
        *info = ProcessorPowerInformation{};
        info->MaxMhz = KhzToMhz(*maxKhz);
        info->CurrentMhz = KhzToMhz(*curKhz);
        info->MhzLimit = KhzToMhz(ReadNumber(m_cpufreq, "scaling_max_freq").value_or(*maxKhz));
        return true;
    }

    bool QueryCapabilities(PowerCapabilities* caps) override
    {
        if (!caps || !IsDirectory(m_root / "class"))
            return false;
        *caps = PowerCapabilities{};
        caps->UpsPresent = UpsPresent();
        caps->ProcessorThrottle = IsDirectory(m_cpufreq);
        if (const auto maxKhz = ReadNumber(m_cpufreq, "cpuinfo_max_freq")) {
            caps->ProcessorMinThrottle =
                Percent(ReadNumber(m_cpufreq, "scaling_min_freq").value_or(0), *maxKhz);
            caps->ProcessorMaxThrottle =
                Percent(ReadNumber(m_cpufreq, "scaling_max_freq").value_or(*maxKhz), *maxKhz);
        }
        caps->ThermalControl = ThermalZonePresent();
        caps->VideoDimPresent = !Entries(m_root / "class/backlight").empty();
        caps->ApmPresent = 0;
        caps->DiskSpinDown = SpinDownDiskPresent();
        return true;
    }

    bool QueryFanThrottleTolerance(uint8_t*) override { return false; }

private:
    bool UpsPresent() const
    {
        for (const fs::path& supply : Entries(m_root / "class/power_supply"))
            if (CleanText(ReadAttribute(supply.string(), "type").value_or("")) == "UPS")
                return true;
        return false;
    }

    bool ThermalZonePresent() const
    {
        for (const fs::path& zone : Entries(m_root / "class/thermal"))
            if (zone.filename().string().starts_with("thermal_zone"))
                return true;
        return false;
    }

    bool SpinDownDiskPresent() const
    {
        for (const fs::path& disk : Entries(m_root / "block")) {
            const bool rotational = ReadNumber(disk / "queue", "rotational") == 1u;
            const bool removable = ReadNumber(disk, "removable") == 1u;
            const bool idleTimer = ReadNumber(disk / "device/power", "autosuspend_delay_ms").has_value();
            if (rotational && !removable && idleTimer)
                return true;
        }
        return false;
    }

    fs::path m_root;
    fs::path m_cpufreq;
};

} // namespace

std::unique_ptr<PowerInformation> MakeSysfsPowerInformation(const std::string& root)
{
    return std::make_unique<SysfsPowerInformation>(root);
}

} // namespace ampora
