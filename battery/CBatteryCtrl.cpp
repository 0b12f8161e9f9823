#include "battery/CBatteryCtrl.h"

#include "platform/DriverText.h"

#include "platform/NarrowText.h"

#include <algorithm>
#include <array>

namespace ampora {
namespace {

using Level = BatteryQueryInformationLevel;

// The tag a read uses when the tag request fails.
constexpr uint32_t kPresetTag = 1;

uint32_t RequestTag(BatteryDevice& device)
{
    uint32_t tag = kPresetTag;
    device.QueryTag(0, &tag);
    return tag;
}

template <typename T>
bool QueryValue(BatteryDevice& device, uint32_t tag, Level level, T* value)
{
    uint32_t returned = 0;
    return device.QueryInformation(tag, level, 0, value, sizeof(T), &returned);
}

// Texts arrive as UTF-16LE over the byte count the driver reports; an answer of 0 bytes
// leaves the text as it was.
void QueryText(BatteryDevice& device, uint32_t tag, Level level, std::string* text)
{
    std::array<unsigned char, kTextRequestBytes> buffer{};
    uint32_t returned = 0;
    if (!device.QueryInformation(tag, level, 0, buffer.data(), kTextRequestBytes, &returned))
        return;
    // A driver claiming more bytes than it was offered must not make us read past the buffer.
    returned = std::min(returned, kTextRequestBytes);
    if (returned != 0)
        *text = CBatteryCtrl::WideToAnsi(buffer.data(), returned);
}

// A sum over batteries that clamps into int32 and may be unknown as a whole.
class Sum {
public:
    void Add(int32_t value) { m_total += value; m_known = true; }
    void MarkUnknown() { m_unknownSeen = true; }
    // `unknown` when nothing known was added but some battery reported an unknown value.
    int32_t Result(int32_t lowest, int32_t unknown) const
    {
        if (!m_known && m_unknownSeen)
            return unknown;
        return static_cast<int32_t>(std::clamp<int64_t>(m_total, lowest, INT32_MAX));
    }

private:
    int64_t m_total = 0;
    bool m_known = false;
    bool m_unknownSeen = false;
};

// Capacities and voltages add nothing when unknown; a sum made only of unknowns is unknown too.
void AddCapacity(Sum& sum, uint32_t value)
{
    if (value == kDriverUnknown)
        sum.MarkUnknown();
    else
        sum.Add(static_cast<int32_t>(value));
}

} // namespace

CBatteryCtrl::CBatteryCtrl(BatteryDriver* driver) : m_driver(driver) {}

CBatteryCtrl::~CBatteryCtrl() = default;

void CBatteryCtrl::Enumerate(void* ownerWindow)
{
    m_devicePaths.clear();
    if (!m_driver)
        return;
    for (const std::string& path : m_driver->ListDevicePaths(ownerWindow)) {
        if (ProbeDevice(path))
            m_devicePaths.push_back(path);
    }
}

int CBatteryCtrl::GetBatteryCount() const
{
    return static_cast<int>(m_devicePaths.size());
}

bool CBatteryCtrl::ProbeDevice(std::string path) const
{
    if (!m_driver)
        return false;
    const std::unique_ptr<BatteryDevice> device = m_driver->Open(path);
    if (!device)
        return false;
    uint32_t tag = kPresetTag;
    return device->QueryTag(0, &tag);
}

void CBatteryCtrl::GetBatteryRecord(BatteryRecord* record, unsigned number) const
{
    if (!record)
        return;
    *record = BatteryRecord{};
    if (!m_driver || number >= m_devicePaths.size())
        return;
    const std::unique_ptr<BatteryDevice> device = m_driver->Open(m_devicePaths[number]);
    if (!device)
        return;
    const uint32_t tag = RequestTag(*device);

    QueryText(*device, tag, Level::BatteryDeviceName, &record->deviceName);
    QueryText(*device, tag, Level::BatteryManufactureName, &record->manufacturer);
    QueryText(*device, tag, Level::BatterySerialNumber, &record->serialNumber);
    QueryText(*device, tag, Level::BatteryUniqueID, &record->uniqueId);

    BatteryReportingScale scale;
    if (QueryValue(*device, tag, Level::BatteryGranularityInformation, &scale))
        record->designedCapacity = static_cast<int32_t>(scale.capacity);

    BatteryInformationData info;
    if (QueryValue(*device, tag, Level::BatteryInformation, &info)) {
        record->designedCapacity = static_cast<int32_t>(info.designedCapacity);
        record->fullChargedCapacity = static_cast<int32_t>(info.fullChargedCapacity);
        record->criticalBias = static_cast<int32_t>(info.criticalBias);
        record->cycleCount = static_cast<int32_t>(info.cycleCount);
        record->technology = info.technology;
        record->defaultAlert1 = static_cast<int32_t>(info.defaultAlert1);
        record->defaultAlert2 = static_cast<int32_t>(info.defaultAlert2);
        record->chemistry = ChemistryName(info.chemistry);
    }

    BatteryManufactureDate date;
    if (QueryValue(*device, tag, Level::BatteryManufactureDate, &date)) {
        record->manufactureDay = date.day;
        record->manufactureMonth = date.month;
        record->manufactureYear = date.year;
    }

    uint32_t temperature = 0;
    if (QueryValue(*device, tag, Level::BatteryTemperature, &temperature) && temperature != kDriverUnknown)
        record->temperature = static_cast<int32_t>(temperature * 10u);

    uint32_t estimatedTime = 0;
    if (QueryValue(*device, tag, Level::BatteryEstimatedTime, &estimatedTime) && estimatedTime != 0)
        record->estimatedTime = static_cast<int32_t>(estimatedTime);

    BatteryStatusData status;
    if (device->QueryStatus(tag, &status)) {
        record->remainingCapacity = static_cast<int32_t>(status.capacity);
        record->voltage = static_cast<int32_t>(status.voltage);
        record->rate = status.rate;
        record->powerState = static_cast<int32_t>(status.powerState);
    }
}

int CBatteryCtrl::GetBatteryTotals(BatteryTotals* totals) const
{
    if (!totals)
        return 0;
    *totals = BatteryTotals{};
    if (!m_driver)
        return 0;

    Sum designed, full, remaining, voltage, rate;
    for (const std::string& path : m_devicePaths) {
        const std::unique_ptr<BatteryDevice> device = m_driver->Open(path);
        if (!device)
            continue;
        const uint32_t tag = RequestTag(*device);

        BatteryStatusData status;
        if (device->QueryStatus(tag, &status)) {
            AddCapacity(voltage, status.voltage);
            // A rate of 0xFFFFFFFF disowns the whole status reading; the unknown-rate
            // marker only says the rate is not known.
            if (status.rate != static_cast<int32_t>(kDriverUnknown)) {
                AddCapacity(remaining, status.capacity);
                if (status.rate == kUnknownRate)
                    rate.MarkUnknown();
                else
                    rate.Add(status.rate);
            }
        }

        BatteryInformationData info;
        if (QueryValue(*device, tag, Level::BatteryInformation, &info)) {
            // Each rating adds when known; a total made only of unknowns is unknown, not 0.
            AddCapacity(designed, info.designedCapacity);
            AddCapacity(full, info.fullChargedCapacity);
        }
    }

    totals->designedCapacity = designed.Result(INT32_MIN, kUnknownValue);
    totals->fullChargedCapacity = full.Result(INT32_MIN, kUnknownValue);
    totals->remainingCapacity = remaining.Result(INT32_MIN, kUnknownValue);
    totals->voltage = voltage.Result(INT32_MIN, kUnknownValue);
    // The most negative value is the unknown-rate marker, so a huge discharge stops short of it.
    totals->rate = rate.Result(INT32_MIN + 1, kUnknownRate);
    return 0;
}

std::string CBatteryCtrl::WideToAnsi(const void* text, uint32_t byteCount)
{
    const std::string shown = ReplaceControlUnits(text, byteCount);
    return DriverTextToNarrow(shown.data(), static_cast<uint32_t>(shown.size()));
}

} // namespace ampora
