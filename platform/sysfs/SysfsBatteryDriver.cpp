// The battery driver over <root>/class/power_supply. A device path is a battery's folder.
// A device answers from the snapshot of the moment it was opened (the sample's one within a
// sample), and reads only what the requests it gets need.
#include "platform/sysfs/SysfsAttributes.h"
#include "platform/sysfs/SysfsBackend.h"
#include "platform/sysfs/SysfsConvert.h"
#include "platform/sysfs/SysfsReadings.h"

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
    SysfsBatteryDevice(std::shared_ptr<const SupplySnapshot> snapshot, const SupplyAttributes* battery,
                       ChargeVoltages* voltages)
        : m_snapshot(std::move(snapshot)), m_battery(*battery), m_voltages(voltages)
    {
    }

    bool QueryTag(uint32_t, uint32_t* tag) override
    {
        if (!Present() || !tag)
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
        if (!Present())
            return false;
        switch (level) {
        case Level::BatteryInformation:
            return CopyValue(ConvertInformation(m_battery, m_voltages), out, outSize, bytesReturned);
        case Level::BatteryGranularityInformation: {
            const std::optional<BatteryInformationData> info = ConvertInformation(m_battery, m_voltages);
            if (!info || info->designedCapacity == kDriverUnknown)
                return false;
            const BatteryReportingScale scale{.granularity = 1, .capacity = info->designedCapacity};
            return CopyValue(std::optional(scale), out, outSize, bytesReturned);
        }
        case Level::BatteryTemperature:
        case Level::BatteryDeviceName:
        case Level::BatteryManufactureDate:
        case Level::BatteryManufactureName:
        case Level::BatteryUniqueID:
        case Level::BatterySerialNumber:
            return Record(level, out, outSize, bytesReturned);
        case Level::BatteryEstimatedTime:
            return CopyValue(std::optional(ConvertEstimatedTime(m_battery, m_voltages)), out, outSize, bytesReturned);
        }
        return false;
    }

    bool QueryStatus(uint32_t, BatteryStatusData* status) override
    {
        if (!status)
            return false;
        const std::optional<BatteryStatusData> answer =
            ConvertStatus(m_battery, ComputeACLineStatus(m_snapshot->supplies, m_voltages), m_voltages);
        if (!answer)
            return false;
        *status = *answer;
        return true;
    }

private:
    bool Present() const { return IsPresent(m_battery); }

    // The texts, date and temperature, which only a record fill asks for.
    bool Record(Level level, void* out, uint32_t outSize, uint32_t* bytesReturned)
    {
        if (!m_record)
            m_record = ConvertBattery(m_battery, kUnknownStatusByte, m_voltages);
        const SysfsBatteryAnswers& a = *m_record;
        switch (level) {
        case Level::BatteryTemperature: return CopyValue(a.temperature, out, outSize, bytesReturned);
        case Level::BatteryDeviceName: return CopyText(a.deviceName, out, outSize, bytesReturned);
        case Level::BatteryManufactureDate: return CopyValue(a.manufactureDate, out, outSize, bytesReturned);
        case Level::BatteryManufactureName: return CopyText(a.manufacturer, out, outSize, bytesReturned);
        case Level::BatteryUniqueID: return CopyText(a.uniqueId, out, outSize, bytesReturned);
        case Level::BatterySerialNumber: return CopyText(a.serialNumber, out, outSize, bytesReturned);
        default: return false;
        }
    }

    std::shared_ptr<const SupplySnapshot> m_snapshot; // keeps m_battery alive
    const SupplyAttributes& m_battery;
    ChargeVoltages* m_voltages;
    std::optional<SysfsBatteryAnswers> m_record;
};

class SysfsBatteryDriver final : public BatteryDriver {
public:
    explicit SysfsBatteryDriver(std::shared_ptr<SysfsReadings> readings) : m_readings(std::move(readings)) {}

    std::vector<std::string> ListDevicePaths(void*) override
    {
        std::vector<std::string> paths;
        const std::shared_ptr<const SupplySnapshot> snapshot = m_readings->Snapshot();
        for (const SupplyAttributes& supply : snapshot->supplies) {
            if (ClassifySupply(supply) == SupplyRole::Battery)
                paths.push_back(supply.folder);
        }
        return paths;
    }

    std::unique_ptr<BatteryDevice> Open(const std::string& path) override
    {
        std::shared_ptr<const SupplySnapshot> snapshot = m_readings->Snapshot();
        // A pulled battery's folder is gone: nothing to open.
        const SupplyAttributes* battery = snapshot->FindFolder(path);
        if (!battery || ClassifySupply(*battery) != SupplyRole::Battery)
            return nullptr;
        return std::make_unique<SysfsBatteryDevice>(std::move(snapshot), battery, m_readings->Voltages());
    }

    void BeginSample() override { m_readings->BeginSample(); }
    void EndSample() override { m_readings->EndSample(); }

private:
    std::shared_ptr<SysfsReadings> m_readings;
};

} // namespace

std::shared_ptr<const SupplySnapshot> SysfsReadings::Snapshot()
{
    if (m_depth == 0)
        return TakeSnapshot(m_root);
    if (!m_sample)
        m_sample = TakeSnapshot(m_root);
    return m_sample;
}

void SysfsReadings::EndSample()
{
    if (m_depth > 0 && --m_depth == 0)
        m_sample.reset();
}

std::shared_ptr<SysfsReadings> MakeSysfsReadings(const std::string& root)
{
    return std::make_shared<SysfsReadings>(root);
}

std::unique_ptr<BatteryDriver> MakeSysfsBatteryDriver(std::shared_ptr<SysfsReadings> readings)
{
    return std::make_unique<SysfsBatteryDriver>(std::move(readings));
}

std::unique_ptr<BatteryDriver> MakeSysfsBatteryDriver(const std::string& root)
{
    return MakeSysfsBatteryDriver(MakeSysfsReadings(root));
}

} // namespace ampora
