// The battery driver over <root>/class/power_supply. A device path is a battery's folder;
// opening it reads the attributes once, so all requests of one read see the same moment.
#include "platform/linux/SysfsAttributes.h"
#include "platform/linux/SysfsBackend.h"
#include "platform/linux/SysfsConvert.h"

#include <algorithm>
#include <cstring>

namespace ampora {
namespace {

using Level = BatteryQueryInformationLevel;

// sysfs has no battery tag; a swapped battery shows in its unique id instead.
constexpr uint32_t kSysfsTag = 1;

bool CopyText(const std::optional<std::string>& text, void* out, uint32_t outSize, uint32_t* bytesReturned)
{
    if (!text)
        return false;
    // Like the driver, a text longer than the buffer is cut at the buffer's size.
    const auto n = static_cast<uint32_t>(std::min<size_t>(text->size(), outSize));
    std::memcpy(out, text->data(), n);
    *bytesReturned = n;
    return true;
}

template <typename T>
bool CopyValue(const std::optional<T>& value, void* out, uint32_t outSize, uint32_t* bytesReturned)
{
    if (!value || outSize < sizeof(T))
        return false;
    std::memcpy(out, &*value, sizeof(T));
    *bytesReturned = sizeof(T);
    return true;
}

class SysfsBatteryDevice final : public BatteryDevice {
public:
    explicit SysfsBatteryDevice(SysfsBatteryAnswers answers) : m_answers(std::move(answers)) {}

    bool QueryTag(uint32_t, uint32_t* tag) override
    {
        if (!m_answers.present || !tag)
            return false;
        *tag = kSysfsTag;
        return true;
    }

    bool QueryInformation(uint32_t, Level level, int32_t, void* out, uint32_t outSize,
                          uint32_t* bytesReturned) override
    {
        if (!out || !bytesReturned)
            return false;
        *bytesReturned = 0;
        const SysfsBatteryAnswers& a = m_answers;
        switch (level) {
        case Level::BatteryInformation: return CopyValue(a.information, out, outSize, bytesReturned);
        case Level::BatteryGranularityInformation: return CopyValue(a.granularity, out, outSize, bytesReturned);
        case Level::BatteryTemperature: return CopyValue(a.temperature, out, outSize, bytesReturned);
        case Level::BatteryEstimatedTime: return CopyValue(a.estimatedTime, out, outSize, bytesReturned);
        case Level::BatteryDeviceName: return CopyText(a.deviceName, out, outSize, bytesReturned);
        case Level::BatteryManufactureDate: return CopyValue(a.manufactureDate, out, outSize, bytesReturned);
        case Level::BatteryManufactureName: return CopyText(a.manufacturer, out, outSize, bytesReturned);
        case Level::BatteryUniqueID: return CopyText(a.uniqueId, out, outSize, bytesReturned);
        case Level::BatterySerialNumber: return CopyText(a.serialNumber, out, outSize, bytesReturned);
        }
        return false;
    }

    bool QueryStatus(uint32_t, BatteryStatusData* status) override
    {
        if (!m_answers.status || !status)
            return false;
        *status = *m_answers.status;
        return true;
    }

private:
    SysfsBatteryAnswers m_answers;
};

class SysfsBatteryDriver final : public BatteryDriver {
public:
    explicit SysfsBatteryDriver(std::string root) : m_root(std::move(root)) {}

    std::vector<std::string> ListDevicePaths(void*) override
    {
        std::vector<std::string> paths;
        for (const std::string& folder : ListSupplyFolders(m_root).value_or(std::vector<std::string>{})) {
            if (ClassifySupply(ReadSupply(folder)) == SupplyRole::Battery)
                paths.push_back(folder);
        }
        return paths;
    }

    std::unique_ptr<BatteryDevice> Open(const std::string& path) override
    {
        // A pulled battery's folder is gone: nothing to open.
        const SupplyAttributes battery = ReadSupply(path);
        if (ClassifySupply(battery) != SupplyRole::Battery)
            return nullptr;
        const uint8_t acLine =
            ComputeACLineStatus(ReadAllSupplies(m_root).value_or(std::vector<SupplyAttributes>{}));
        return std::make_unique<SysfsBatteryDevice>(ConvertBattery(battery, acLine));
    }

private:
    std::string m_root;
};

} // namespace

std::unique_ptr<BatteryDriver> MakeSysfsBatteryDriver(const std::string& root)
{
    return std::make_unique<SysfsBatteryDriver>(root);
}

} // namespace ampora
