#include "platform/fake/FakeBackend.h"

#include "platform/DriverText.h"

#include <algorithm>

namespace ampora {
namespace {

using Level = BatteryQueryInformationLevel;

class FakeDevice final : public BatteryDevice {
public:
    FakeDevice(FakeBackend* fake, FakeBattery battery) : m_fake(fake), m_battery(std::move(battery)) {}
    ~FakeDevice() override { m_fake->RecordClose(); }

    bool QueryTag(uint32_t waitMs, uint32_t* tag) override
    {
        m_fake->Record({.path = m_battery.path, .kind = FakeRequestKind::Tag,
                        .tag = tag ? *tag : 0, .waitMs = waitMs});
        if (!m_battery.answersTag || !tag)
            return false;
        *tag = m_battery.tag;
        return true;
    }

    bool QueryInformation(uint32_t tag, Level level, int32_t atRate, void* out, uint32_t outSize,
                          uint32_t* bytesReturned) override
    {
        m_fake->Record({.path = m_battery.path, .kind = FakeRequestKind::Information, .level = level,
                        .tag = tag, .atRate = atRate, .outSize = outSize});
        if (bytesReturned)
            *bytesReturned = 0;
        const auto index = static_cast<size_t>(level);
        if (index >= m_battery.information.size() || !out || !bytesReturned)
            return false;
        const FakeAnswer& answer = m_battery.information[index];
        if (!answer.succeeds)
            return false;
        const auto written = static_cast<uint32_t>(std::min<size_t>(answer.bytes.size(), outSize));
        std::copy_n(answer.bytes.data(), written, static_cast<char*>(out));
        *bytesReturned = answer.reportedBytes.value_or(written);
        return true;
    }

    bool QueryStatus(uint32_t tag, BatteryStatusData* status) override
    {
        m_fake->Record({.path = m_battery.path, .kind = FakeRequestKind::Status, .tag = tag});
        if (!m_battery.status || !status)
            return false;
        *status = *m_battery.status;
        return true;
    }

private:
    FakeBackend* m_fake;
    FakeBattery m_battery;
};

class FakeBatteryDriver final : public BatteryDriver {
public:
    explicit FakeBatteryDriver(FakeBackend* fake) : m_fake(fake) {}
    std::vector<std::string> ListDevicePaths(void*) override { return m_fake->ListDevicePaths(); }
    std::unique_ptr<BatteryDevice> Open(const std::string& path) override
    {
        const FakeBattery* battery = m_fake->OpenBattery(path);
        if (!battery)
            return nullptr;
        return std::make_unique<FakeDevice>(m_fake, *battery);
    }

private:
    FakeBackend* m_fake;
};

class FakePowerStatus final : public PowerStatusSource {
public:
    explicit FakePowerStatus(FakeBackend* fake) : m_fake(fake) {}
    bool GetSystemPowerStatus(SystemPowerStatus* status) override { return m_fake->GetPowerStatus(status); }

private:
    FakeBackend* m_fake;
};

class FakePowerInformation final : public PowerInformation {
public:
    explicit FakePowerInformation(FakeBackend* fake) : m_fake(fake) {}
    bool QueryProcessor(ProcessorPowerInformation* info) override { return m_fake->GetProcessor(info); }
    bool QueryCapabilities(PowerCapabilities* caps) override { return m_fake->GetCapabilities(caps); }
    bool QueryFanThrottleTolerance(uint8_t* tolerance) override { return m_fake->GetFanThrottleTolerance(tolerance); }

private:
    FakeBackend* m_fake;
};

// Copies a scripted value when there is one and somewhere to put it.
template <typename T>
bool Answer(const std::optional<T>& scripted, T* out)
{
    if (!scripted || !out)
        return false;
    *out = *scripted;
    return true;
}

} // namespace

FakeAnswer FakeAnswer::Raw(std::string bytes, std::optional<uint32_t> reported)
{
    return {.succeeds = true, .bytes = std::move(bytes), .reportedBytes = reported};
}

FakeAnswer FakeAnswer::Text(std::string_view utf8)
{
    return Raw(Utf8ToDriverText(utf8));
}

FakeBattery FakeBattery::Typical(const FakeBatteryValues& v)
{
    FakeBattery battery;
    battery.path = v.path;
    battery.Answer(Level::BatteryDeviceName) = FakeAnswer::Text(v.deviceName);
    battery.Answer(Level::BatteryManufactureName) = FakeAnswer::Text(v.manufacturer);
    battery.Answer(Level::BatterySerialNumber) = FakeAnswer::Text(v.serialNumber);
    battery.Answer(Level::BatteryUniqueID) = FakeAnswer::Text(v.uniqueId);

    battery.Answer(Level::BatteryGranularityInformation) =
        FakeAnswer::Value(BatteryReportingScale{.granularity = v.granularity, .capacity = v.designedCapacity});

    BatteryInformationData info;
    info.technology = v.technology;
    std::copy_n(v.chemistry.data(), std::min<size_t>(v.chemistry.size(), 4), info.chemistry);
    info.designedCapacity = v.designedCapacity;
    info.fullChargedCapacity = v.fullChargedCapacity;
    info.defaultAlert1 = v.defaultAlert1;
    info.defaultAlert2 = v.defaultAlert2;
    info.criticalBias = v.criticalBias;
    info.cycleCount = v.cycleCount;
    battery.Answer(Level::BatteryInformation) = FakeAnswer::Value(info);

    battery.Answer(Level::BatteryManufactureDate) = FakeAnswer::Value(BatteryManufactureDate{
        .day = v.manufactureDay, .month = v.manufactureMonth, .year = v.manufactureYear});
    battery.Answer(Level::BatteryTemperature) = FakeAnswer::Value(v.temperature);
    battery.Answer(Level::BatteryEstimatedTime) = FakeAnswer::Value(v.estimatedTime);

    battery.status = BatteryStatusData{
        .powerState = v.powerState, .capacity = v.remainingCapacity, .voltage = v.voltage, .rate = v.rate};
    return battery;
}

size_t FakeBackend::AddBattery(FakeBattery battery)
{
    if (battery.path.empty())
        battery.path = "fake:BAT" + std::to_string(m_namedBatteries++);
    m_batteries.push_back(std::move(battery));
    return m_batteries.size() - 1;
}

void FakeBackend::RemoveBattery(size_t index)
{
    if (index < m_batteries.size())
        m_batteries.erase(m_batteries.begin() + static_cast<std::ptrdiff_t>(index));
}

void FakeBackend::ResetCounts()
{
    m_counts = {};
    m_requests.clear();
}

std::vector<std::string> FakeBackend::ListDevicePaths()
{
    ++m_counts.listings;
    std::vector<std::string> paths;
    for (const FakeBattery& battery : m_batteries)
        paths.push_back(battery.path);
    return paths;
}

const FakeBattery* FakeBackend::OpenBattery(const std::string& path)
{
    ++m_counts.openAttempts;
    const auto it = std::find_if(m_batteries.begin(), m_batteries.end(),
                                 [&](const FakeBattery& b) { return b.path == path; });
    if (it == m_batteries.end() || !it->opens)
        return nullptr;
    ++m_counts.opens;
    return &*it;
}

void FakeBackend::Record(const FakeRequest& request)
{
    switch (request.kind) {
    case FakeRequestKind::Tag: ++m_counts.tagRequests; break;
    case FakeRequestKind::Information: ++m_counts.informationRequests; break;
    case FakeRequestKind::Status: ++m_counts.statusRequests; break;
    }
    m_requests.push_back(request);
}

bool FakeBackend::GetPowerStatus(SystemPowerStatus* status)
{
    ++m_counts.powerStatusQueries;
    return Answer(m_powerStatus, status);
}

bool FakeBackend::GetProcessor(ProcessorPowerInformation* info)
{
    ++m_counts.processorQueries;
    return Answer(m_processor, info);
}

bool FakeBackend::GetCapabilities(PowerCapabilities* caps)
{
    ++m_counts.capabilityQueries;
    return Answer(m_capabilities, caps);
}

bool FakeBackend::GetFanThrottleTolerance(uint8_t* tolerance)
{
    ++m_counts.fanQueries;
    return Answer(m_fanTolerance, tolerance);
}

std::unique_ptr<BatteryDriver> MakeFakeBatteryDriver(FakeBackend* fake)
{
    return fake ? std::make_unique<FakeBatteryDriver>(fake) : nullptr;
}

std::unique_ptr<PowerStatusSource> MakeFakePowerStatus(FakeBackend* fake)
{
    return fake ? std::make_unique<FakePowerStatus>(fake) : nullptr;
}

std::unique_ptr<PowerInformation> MakeFakePowerInformation(FakeBackend* fake)
{
    return fake ? std::make_unique<FakePowerInformation>(fake) : nullptr;
}

} // namespace ampora
