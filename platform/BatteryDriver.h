#pragma once
// The battery-driver contract. It mirrors the battery class driver's requests so that
// CBatteryCtrl does the same record fill, totals and text conversion on every platform.
// Back ends: linux/ (sysfs), win32/ (Windows), fake/ (tests). Chosen in Backends.cpp.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ampora {

// Information levels of an information request (the driver's numbering).
enum class BatteryQueryInformationLevel : uint32_t {
    BatteryInformation = 0,
    BatteryGranularityInformation = 1,
    BatteryTemperature = 2,
    BatteryEstimatedTime = 3,
    BatteryDeviceName = 4,
    BatteryManufactureDate = 5,
    BatteryManufactureName = 6,
    BatteryUniqueID = 7,
    BatterySerialNumber = 8,
};

// Answer of BatteryInformation: 36 bytes, the driver's layout.
struct BatteryInformationData {
    uint32_t capabilities = 0;
    uint8_t technology = 0;        // 0 primary, 1 rechargeable
    uint8_t reserved[3] = {0, 0, 0};
    char chemistry[4] = {0, 0, 0, 0}; // four characters, no NUL
    uint32_t designedCapacity = 0; // mWh, 0xFFFFFFFF unknown
    uint32_t fullChargedCapacity = 0;
    uint32_t defaultAlert1 = 0;
    uint32_t defaultAlert2 = 0;
    uint32_t criticalBias = 0;
    uint32_t cycleCount = 0;
};
static_assert(sizeof(BatteryInformationData) == 36);

// Answer of BatteryGranularityInformation: one reporting scale, 8 bytes.
struct BatteryReportingScale {
    uint32_t granularity = 0;
    uint32_t capacity = 0;
};
static_assert(sizeof(BatteryReportingScale) == 8);

// Answer of BatteryManufactureDate: 4 bytes.
struct BatteryManufactureDate {
    uint8_t day = 0;
    uint8_t month = 0;
    uint16_t year = 0;
};
static_assert(sizeof(BatteryManufactureDate) == 4);

// Answer of the status request: 16 bytes.
struct BatteryStatusData {
    uint32_t powerState = 0;   // BATTERY_* bits
    uint32_t capacity = 0;     // mWh, 0xFFFFFFFF unknown
    uint32_t voltage = 0;      // mV, 0xFFFFFFFF unknown
    int32_t rate = 0;          // mW, negative discharging; INT32_MIN unknown
};
static_assert(sizeof(BatteryStatusData) == 16);

constexpr uint32_t kDriverUnknown = 0xFFFFFFFFu;
constexpr uint32_t kTextRequestBytes = 260; // room for 130 UTF-16 units with the NUL

// One opened battery device; closed when destroyed. Every request answers at once.
class BatteryDevice {
public:
    virtual ~BatteryDevice() = default;
    // Tag request with a wait time of 0. True on success; *tag receives the tag.
    virtual bool QueryTag(uint32_t waitMs, uint32_t* tag) = 0;
    // Information request for one level. Writes at most outSize bytes into out and the
    // number written into *bytesReturned. Texts are UTF-16LE, usually NUL-terminated,
    // counted in bytes; numbers are in the driver's units with its unknown markers.
    // atRate matters only for BatteryEstimatedTime (0: the present rate).
    virtual bool QueryInformation(uint32_t tag, BatteryQueryInformationLevel level, int32_t atRate,
                                  void* out, uint32_t outSize, uint32_t* bytesReturned) = 0;
    // Status request with a time-out of 0.
    virtual bool QueryStatus(uint32_t tag, BatteryStatusData* status) = 0;
};

class BatteryDriver {
public:
    virtual ~BatteryDriver() = default;
    // Device paths of the battery interfaces present now, in the system's order. The owner
    // window (a native window handle, or null) is the parent of any window the system shows
    // while it lists the devices; only Windows' device set request takes it.
    virtual std::vector<std::string> ListDevicePaths(void* ownerWindow = nullptr) = 0;
    // Opens a device; null when it cannot be opened now.
    virtual std::unique_ptr<BatteryDevice> Open(const std::string& path) = 0;

    // One sample's reads lie between these two (they nest): a back end may then answer
    // every request of this driver and of its power status from one reading of the system.
    // Outside a sample every read is fresh.
    virtual void BeginSample() {}
    virtual void EndSample() {}
};

// Marks one sample for as long as it lives; a null driver is allowed.
class SampleReadings {
public:
    explicit SampleReadings(BatteryDriver* driver) : m_driver(driver)
    {
        if (m_driver)
            m_driver->BeginSample();
    }
    ~SampleReadings()
    {
        if (m_driver)
            m_driver->EndSample();
    }
    SampleReadings(const SampleReadings&) = delete;
    SampleReadings& operator=(const SampleReadings&) = delete;

private:
    BatteryDriver* m_driver;
};

} // namespace ampora
