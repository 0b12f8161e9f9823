// Console probe of the Windows back ends: prints what each interface answers on this machine,
// then what the battery logic makes of it. Exits non-zero only when a self-check fails; a
// machine without batteries (Wine, desktops) gives an empty list and unknown markers.
#include "battery/CBatteryCtrl.h"
#include "platform/win32/Win32Backend.h"
#include "platform/win32/PowerBroadcast.h"

#include <cstdio>
#include <string>

using namespace ampora;

namespace {

const char* Outcome(bool ok)
{
    return ok ? "ok" : "failed";
}

struct LevelName {
    BatteryQueryInformationLevel level;
    const char* name;
};
constexpr LevelName kLevels[] = {
    {BatteryQueryInformationLevel::BatteryInformation, "BatteryInformation"},
    {BatteryQueryInformationLevel::BatteryGranularityInformation, "BatteryGranularityInformation"},
    {BatteryQueryInformationLevel::BatteryTemperature, "BatteryTemperature"},
    {BatteryQueryInformationLevel::BatteryEstimatedTime, "BatteryEstimatedTime"},
    {BatteryQueryInformationLevel::BatteryDeviceName, "BatteryDeviceName"},
    {BatteryQueryInformationLevel::BatteryManufactureDate, "BatteryManufactureDate"},
    {BatteryQueryInformationLevel::BatteryManufactureName, "BatteryManufactureName"},
    {BatteryQueryInformationLevel::BatteryUniqueID, "BatteryUniqueID"},
    {BatteryQueryInformationLevel::BatterySerialNumber, "BatterySerialNumber"},
};

void PrintDevice(BatteryDevice& device)
{
    uint32_t tag = 1;
    const bool tagged = device.QueryTag(0, &tag);
    std::printf("  tag: %s 0x%08X\n", Outcome(tagged), static_cast<unsigned>(tag));
    for (const LevelName& entry : kLevels) {
        unsigned char answer[kTextRequestBytes] = {};
        uint32_t bytes = 0;
        const bool ok = device.QueryInformation(tag, entry.level, 0, answer, sizeof answer, &bytes);
        std::printf("  %s (%u): %s, %u bytes", entry.name, static_cast<unsigned>(entry.level), Outcome(ok),
                    static_cast<unsigned>(bytes));
        for (uint32_t i = 0; ok && i < bytes && i < 16; ++i)
            std::printf(" %02X", answer[i]);
        std::printf("\n");
    }
    BatteryStatusData status;
    const bool ok = device.QueryStatus(tag, &status);
    std::printf("  status: %s powerState=0x%X capacity=%u voltage=%u rate=%d\n", Outcome(ok),
                static_cast<unsigned>(status.powerState), static_cast<unsigned>(status.capacity),
                static_cast<unsigned>(status.voltage), static_cast<int>(status.rate));
}

void PrintDriver(BatteryDriver& driver)
{
    const auto paths = driver.ListDevicePaths();
    std::printf("battery device paths: %zu\n", paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        std::printf("battery %zu: %s\n", i, paths[i].c_str());
        if (auto device = driver.Open(paths[i]))
            PrintDevice(*device);
        else
            std::printf("  open: failed\n");
    }
}

void PrintRecord(const BatteryRecord& r)
{
    std::printf("  name='%s' manufacturer='%s' serial='%s' id='%s' chemistry='%s'\n", r.deviceName.c_str(),
                r.manufacturer.c_str(), r.serialNumber.c_str(), r.uniqueId.c_str(), r.chemistry.c_str());
    std::printf("  designed=%d full=%d remaining=%d voltage=%d bias=%d cycles=%d technology=%d\n",
                r.designedCapacity, r.fullChargedCapacity, r.remainingCapacity, r.voltage, r.criticalBias,
                r.cycleCount, r.technology);
    std::printf("  temperature=%d estimatedTime=%d rate=%d powerState=0x%X alerts=%d/%d made=%d-%d-%d\n",
                r.temperature, r.estimatedTime, r.rate, static_cast<unsigned>(r.powerState), r.defaultAlert1,
                r.defaultAlert2, r.manufactureYear, r.manufactureMonth, r.manufactureDay);
}

void PrintLogic(BatteryDriver& driver)
{
    CBatteryCtrl ctrl(&driver);
    ctrl.Enumerate();
    std::printf("listed batteries: %d\n", ctrl.GetBatteryCount());
    for (int i = 0; i < ctrl.GetBatteryCount(); ++i) {
        BatteryRecord record;
        ctrl.GetBatteryRecord(&record, static_cast<unsigned>(i));
        std::printf("record %d:\n", i);
        PrintRecord(record);
    }
    BatteryTotals t;
    ctrl.GetBatteryTotals(&t);
    std::printf("totals: designed=%d full=%d remaining=%d voltage=%d rate=%d\n", t.designedCapacity,
                t.fullChargedCapacity, t.remainingCapacity, t.voltage, t.rate);
}

void PrintPowerStatus(PowerStatusSource& source)
{
    SystemPowerStatus s;
    const bool ok = source.GetSystemPowerStatus(&s);
    std::printf("system power status: %s ACLineStatus=%u BatteryFlag=0x%02X BatteryLifePercent=%u "
                "BatteryLifeTime=%u BatteryFullLifeTime=%u\n",
                Outcome(ok), s.ACLineStatus, s.BatteryFlag, s.BatteryLifePercent,
                static_cast<unsigned>(s.BatteryLifeTime), static_cast<unsigned>(s.BatteryFullLifeTime));
}

void PrintPowerInformation(PowerInformation& info)
{
    ProcessorPowerInformation p;
    bool ok = info.QueryProcessor(&p);
    std::printf("processor: %s Number=%u MaxMhz=%u CurrentMhz=%u MhzLimit=%u MaxIdleState=%u CurrentIdleState=%u\n",
                Outcome(ok), static_cast<unsigned>(p.Number), static_cast<unsigned>(p.MaxMhz),
                static_cast<unsigned>(p.CurrentMhz), static_cast<unsigned>(p.MhzLimit),
                static_cast<unsigned>(p.MaxIdleState), static_cast<unsigned>(p.CurrentIdleState));
    PowerCapabilities c;
    ok = info.QueryCapabilities(&c);
    std::printf("capabilities: %s VideoDimPresent=%u ApmPresent=%u UpsPresent=%u ThermalControl=%u "
                "ProcessorThrottle=%u ProcessorMinThrottle=%u ProcessorMaxThrottle=%u DiskSpinDown=%u\n",
                Outcome(ok), c.VideoDimPresent, c.ApmPresent, c.UpsPresent, c.ThermalControl,
                c.ProcessorThrottle, c.ProcessorMinThrottle, c.ProcessorMaxThrottle, c.DiskSpinDown);
    uint8_t tolerance = 0;
    ok = info.QueryFanThrottleTolerance(&tolerance);
    std::printf("fan throttle tolerance: %s %u\n", Outcome(ok), tolerance);
}

// A device that is no battery opens, but answers no battery request, and the logic does not
// list it; a path that names nothing does not open.
bool CheckNonBattery(BatteryDriver& driver)
{
    bool pass = driver.Open("\\\\.\\AmporaNoSuchDevice") == nullptr;
    const std::string nul = "\\\\.\\NUL";
    if (auto device = driver.Open(nul)) {
        uint32_t tag = 1;
        pass = !device->QueryTag(0, &tag) && tag == 1 && pass;
        unsigned char answer[kTextRequestBytes] = {};
        uint32_t bytes = 1;
        pass = !device->QueryInformation(tag, BatteryQueryInformationLevel::BatteryDeviceName, 0, answer,
                                         sizeof answer, &bytes) && bytes == 0 && pass;
        BatteryStatusData status;
        pass = !device->QueryStatus(tag, &status) && pass;
    } else {
        pass = false;
    }
    pass = !CBatteryCtrl(&driver).ProbeDevice(nul) && pass;
    std::printf("device that is no battery: %s\n", Outcome(pass));
    return pass;
}

// The one piece of the Windows power events that runs without Qt.
bool CheckPowerBroadcast()
{
    struct Case {
        const char* name;
        uint32_t message;
        uintptr_t wParam;
        PowerBroadcastEvent expected;
    };
    constexpr uint32_t kPowerBroadcast = 0x0218;
    constexpr Case kCases[] = {
        {"suspend", kPowerBroadcast, 4, PowerBroadcastEvent::AboutToSuspend},
        {"status change", kPowerBroadcast, 10, PowerBroadcastEvent::PowerStatusChanged},
        {"resume automatic", kPowerBroadcast, 0x12, PowerBroadcastEvent::None},
        {"resume suspend", kPowerBroadcast, 7, PowerBroadcastEvent::None},
        {"setting change", kPowerBroadcast, 0x8013, PowerBroadcastEvent::None},
        {"other message", 0x0010, 4, PowerBroadcastEvent::None},
        {"high bits", kPowerBroadcast, ~uintptr_t{0xFFFF} | 4, PowerBroadcastEvent::None},
    };
    bool allPass = true;
    for (const Case& c : kCases) {
        if (TranslatePowerBroadcast(c.message, c.wParam) != c.expected) {
            std::printf("self-check failed: power broadcast '%s'\n", c.name);
            allPass = false;
        }
    }
    std::printf("power broadcast translation: %s\n", Outcome(allPass));
    return allPass;
}

} // namespace

int main()
{
    auto driver = MakeWin32BatteryDriver();
    PrintDriver(*driver);
    PrintLogic(*driver);
    PrintPowerStatus(*MakeWin32PowerStatus());
    PrintPowerInformation(*MakeWin32PowerInformation());
    const bool nonBattery = CheckNonBattery(*driver);
    const bool passed = CheckPowerBroadcast() && nonBattery;
    std::printf("probe: done\n");
    return passed ? 0 : 1;
}
