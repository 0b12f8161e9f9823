#pragma once
// A scriptable stand-in for every platform back end, compiled into every build and chosen
// through MakeBackends(BackendKind::Fake, &fake) like the real ones. Tests script what each
// request answers and read back what was asked.
//
//   FakeBackend fake;
//   fake.AddBattery(FakeBattery::Typical({.remainingCapacity = 20000, .rate = -8000}));
//   fake.Battery(0).Answer(BatteryQueryInformationLevel::BatteryInformation) = FakeAnswer::Failure();
//   fake.SetPowerStatus({.ACLineStatus = 0, .BatteryFlag = BATTERY_FLAG_LOW, ...});
//   Backends backends = MakeBackends(BackendKind::Fake, &fake);
//   CBatteryCtrl ctrl(backends.driver.get());
//   ctrl.Enumerate();
//   EXPECT_EQ(fake.Counts().opens, 1);
//
// Defaults: no batteries; the power status answers with every value unknown (255, -1);
// the three power-information queries fail until set. The fake must outlive the objects
// made from it. MakeBackends with a null fake gives empty pointers.
#include "platform/BatteryDriver.h"
#include "platform/DriverValues.h"
#include "platform/PowerInformation.h"
#include "platform/PowerStatus.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ampora {

// One scripted answer to an information request.
struct FakeAnswer {
    bool succeeds = false;
    std::string bytes;                     // written into the caller's buffer, cut at its size
    std::optional<uint32_t> reportedBytes; // byte count reported; unset: the bytes written

    static FakeAnswer Failure() { return {}; }
    // Raw bytes, optionally with a byte count that differs from what was written
    // (an odd count, or a driver claiming more than it wrote).
    static FakeAnswer Raw(std::string bytes, std::optional<uint32_t> reported = std::nullopt);
    // A driver text: UTF-16LE with its terminating NUL counted.
    static FakeAnswer Text(std::string_view utf8);
    // The bytes of a plain driver structure or number.
    template <typename T>
    static FakeAnswer Value(const T& value)
    {
        std::string bytes(sizeof(T), '\0');
        std::memcpy(bytes.data(), &value, sizeof(T));
        return Raw(std::move(bytes));
    }
};

// Plain numbers and UTF-8 texts of a typical laptop battery, for FakeBattery::Typical.
// Units and markers are the driver's (mWh, mV, mW, tenths of a kelvin, seconds).
struct FakeBatteryValues {
    std::string path;                 // empty: AddBattery names it
    std::string deviceName = "Fake Battery";
    std::string manufacturer = "Ampora Labs";
    std::string serialNumber = "SN-0001";
    std::string uniqueId = "Ampora Labs-Fake Battery-SN-0001";
    std::string chemistry = "LION";   // up to four characters, NUL-padded
    uint8_t technology = 1;
    uint32_t designedCapacity = 50000;
    uint32_t fullChargedCapacity = 48000;
    uint32_t remainingCapacity = 36000;
    uint32_t voltage = 12000;
    int32_t rate = -12000;
    uint32_t powerState = BATTERY_DISCHARGING;
    uint32_t criticalBias = 0;
    uint32_t cycleCount = 120;
    uint32_t defaultAlert1 = 2400;
    uint32_t defaultAlert2 = 4800;
    uint32_t granularity = 1;
    uint32_t temperature = 2982;      // 25 °C
    uint32_t estimatedTime = 10800;
    uint8_t manufactureDay = 15;
    uint8_t manufactureMonth = 3;
    uint16_t manufactureYear = 2006;
};

// One fake battery interface: its path, whether it opens and answers the tag request,
// and the answer of every information level and of the status request.
struct FakeBattery {
    std::string path;
    bool opens = true;
    bool answersTag = true;
    uint32_t tag = 42;
    std::array<FakeAnswer, 9> information; // by BatteryQueryInformationLevel; all fail
    std::optional<BatteryStatusData> status; // unset: the status request fails

    FakeAnswer& Answer(BatteryQueryInformationLevel level) { return information[static_cast<size_t>(level)]; }
    const FakeAnswer& Answer(BatteryQueryInformationLevel level) const { return information[static_cast<size_t>(level)]; }

    // Every request succeeds with the given values.
    static FakeBattery Typical(const FakeBatteryValues& values = {});
};

enum class FakeRequestKind { Tag, Information, Status };

// One request as the fake saw it.
struct FakeRequest {
    std::string path;
    FakeRequestKind kind = FakeRequestKind::Tag;
    BatteryQueryInformationLevel level = BatteryQueryInformationLevel::BatteryInformation; // Information only
    uint32_t tag = 0;      // Tag: the output's value on entry (the caller's preset); else the tag sent
    uint32_t waitMs = 0;   // Tag only
    int32_t atRate = 0;    // Information only
    uint32_t outSize = 0;  // Information only

    bool operator==(const FakeRequest&) const = default;
};

struct FakeCounts {
    int listings = 0;      // ListDevicePaths calls
    int openAttempts = 0;  // Open calls, successful or not
    int opens = 0;         // devices handed out
    int closes = 0;        // devices destroyed
    int tagRequests = 0;
    int informationRequests = 0;
    int statusRequests = 0;
    int powerStatusQueries = 0;
    int processorQueries = 0;
    int capabilityQueries = 0;
    int fanQueries = 0;
};

class FakeBackend {
public:
    // Batteries are listed in the order added. Returns the new battery's index.
    size_t AddBattery(FakeBattery battery);
    void RemoveBattery(size_t index);
    void RemoveAllBatteries() { m_batteries.clear(); }
    FakeBattery& Battery(size_t index) { return m_batteries.at(index); }
    size_t BatteryCount() const { return m_batteries.size(); }

    void SetPowerStatus(const SystemPowerStatus& status) { m_powerStatus = status; }
    void FailPowerStatus() { m_powerStatus.reset(); }

    void SetProcessor(const ProcessorPowerInformation& info) { m_processor = info; }
    void FailProcessor() { m_processor.reset(); }
    void SetCapabilities(const PowerCapabilities& caps) { m_capabilities = caps; }
    void FailCapabilities() { m_capabilities.reset(); }
    void SetFanThrottleTolerance(uint8_t tolerance) { m_fanTolerance = tolerance; }
    void FailFanThrottleTolerance() { m_fanTolerance.reset(); }

    const FakeCounts& Counts() const { return m_counts; }
    const std::vector<FakeRequest>& Requests() const { return m_requests; }
    // Forgets the counts and the request log, keeps the script.
    void ResetCounts();

    // Used by the fake back-end objects.
    std::vector<std::string> ListDevicePaths();
    const FakeBattery* OpenBattery(const std::string& path);
    void RecordClose() { ++m_counts.closes; }
    void Record(const FakeRequest& request);
    bool GetPowerStatus(SystemPowerStatus* status);
    bool GetProcessor(ProcessorPowerInformation* info);
    bool GetCapabilities(PowerCapabilities* caps);
    bool GetFanThrottleTolerance(uint8_t* tolerance);

private:
    std::vector<FakeBattery> m_batteries;
    size_t m_namedBatteries = 0;
    std::optional<SystemPowerStatus> m_powerStatus = SystemPowerStatus{};
    std::optional<ProcessorPowerInformation> m_processor;
    std::optional<PowerCapabilities> m_capabilities;
    std::optional<uint8_t> m_fanTolerance;
    FakeCounts m_counts;
    std::vector<FakeRequest> m_requests;
};

// The three back-end objects over one fake (see MakeBackends).
std::unique_ptr<BatteryDriver> MakeFakeBatteryDriver(FakeBackend* fake);
std::unique_ptr<PowerStatusSource> MakeFakePowerStatus(FakeBackend* fake);
std::unique_ptr<PowerInformation> MakeFakePowerInformation(FakeBackend* fake);

} // namespace ampora
