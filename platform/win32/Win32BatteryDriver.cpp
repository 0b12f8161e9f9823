// The battery class driver: SetupAPI lists the battery interfaces, DeviceIoControl asks them.
#include "platform/win32/Win32Backend.h"
#include "platform/win32/Win32Api.h"

#include <setupapi.h>
#include <winioctl.h>
// Defines (rather than only declares) GUID_DEVICE_BATTERY, which no import library holds.
#include <initguid.h>
#include <batclass.h>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <vector>

namespace ampora {
namespace {

// SetupAPI's records carry a pointer-sized member: on 32-bit Windows the interface record has
// 28 bytes and the detail record's fixed part 5 (packed), on 64-bit Windows 32 and 8.
// SetupAPI refuses a size field that does not hold this build's size.
constexpr bool kWin64 = sizeof(void*) == 8;
static_assert(sizeof(SP_DEVICE_INTERFACE_DATA) == (kWin64 ? 32 : 28));
static_assert(sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A) == (kWin64 ? 8 : 5));
static_assert(offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath) == 4);
static_assert((DIGCF_PRESENT | DIGCF_DEVICEINTERFACE) == 0x12);

static_assert(IOCTL_BATTERY_QUERY_TAG == 0x294040);
static_assert(IOCTL_BATTERY_QUERY_INFORMATION == 0x294044);
static_assert(IOCTL_BATTERY_QUERY_STATUS == 0x29404C);

// The requests' input records.
static_assert(sizeof(ULONG) == sizeof(uint32_t));
static_assert(sizeof(BATTERY_QUERY_INFORMATION) == 12);
static_assert(sizeof(BATTERY_WAIT_STATUS) == 20);

// Answers are handed to the logic as the driver wrote them, so the contract's records must
// lie exactly over the driver's.
static_assert(sizeof(BATTERY_INFORMATION) == sizeof(BatteryInformationData));
static_assert(offsetof(BATTERY_INFORMATION, Technology) == offsetof(BatteryInformationData, technology));
static_assert(offsetof(BATTERY_INFORMATION, Chemistry) == offsetof(BatteryInformationData, chemistry));
static_assert(offsetof(BATTERY_INFORMATION, DesignedCapacity) == offsetof(BatteryInformationData, designedCapacity));
static_assert(offsetof(BATTERY_INFORMATION, FullChargedCapacity) == offsetof(BatteryInformationData, fullChargedCapacity));
static_assert(offsetof(BATTERY_INFORMATION, DefaultAlert1) == offsetof(BatteryInformationData, defaultAlert1));
static_assert(offsetof(BATTERY_INFORMATION, DefaultAlert2) == offsetof(BatteryInformationData, defaultAlert2));
static_assert(offsetof(BATTERY_INFORMATION, CriticalBias) == offsetof(BatteryInformationData, criticalBias));
static_assert(offsetof(BATTERY_INFORMATION, CycleCount) == offsetof(BatteryInformationData, cycleCount));
static_assert(sizeof(BATTERY_REPORTING_SCALE) == sizeof(BatteryReportingScale));
static_assert(offsetof(BATTERY_REPORTING_SCALE, Capacity) == offsetof(BatteryReportingScale, capacity));
static_assert(sizeof(BATTERY_MANUFACTURE_DATE) == sizeof(BatteryManufactureDate));
static_assert(offsetof(BATTERY_MANUFACTURE_DATE, Month) == offsetof(BatteryManufactureDate, month));
static_assert(offsetof(BATTERY_MANUFACTURE_DATE, Year) == offsetof(BatteryManufactureDate, year));
static_assert(sizeof(BATTERY_STATUS) == sizeof(BatteryStatusData));

// The contract numbers the levels as the driver does.
constexpr bool SameLevel(BATTERY_QUERY_INFORMATION_LEVEL driver, BatteryQueryInformationLevel ours)
{
    return static_cast<uint32_t>(driver) == static_cast<uint32_t>(ours);
}
using Level = BatteryQueryInformationLevel;
static_assert(SameLevel(::BatteryInformation, Level::BatteryInformation));
static_assert(SameLevel(::BatteryGranularityInformation, Level::BatteryGranularityInformation));
static_assert(SameLevel(::BatteryTemperature, Level::BatteryTemperature));
static_assert(SameLevel(::BatteryEstimatedTime, Level::BatteryEstimatedTime));
static_assert(SameLevel(::BatteryDeviceName, Level::BatteryDeviceName));
static_assert(SameLevel(::BatteryManufactureDate, Level::BatteryManufactureDate));
static_assert(SameLevel(::BatteryManufactureName, Level::BatteryManufactureName));
static_assert(SameLevel(::BatteryUniqueID, Level::BatteryUniqueID));
static_assert(SameLevel(::BatterySerialNumber, Level::BatterySerialNumber));

class Win32BatteryDevice final : public BatteryDevice {
public:
    explicit Win32BatteryDevice(HANDLE handle) : m_handle(handle) {}
    ~Win32BatteryDevice() override { CloseHandle(m_handle); }
    Win32BatteryDevice(const Win32BatteryDevice&) = delete;
    Win32BatteryDevice& operator=(const Win32BatteryDevice&) = delete;

    bool QueryTag(uint32_t waitMs, uint32_t* tag) override
    {
        if (!tag)
            return false;
        ULONG wait = waitMs;
        ULONG answer = 0;
        if (!Request(IOCTL_BATTERY_QUERY_TAG, &wait, sizeof wait, &answer, sizeof answer, nullptr))
            return false;
        *tag = answer;
        return true;
    }

    bool QueryInformation(uint32_t tag, BatteryQueryInformationLevel level, int32_t atRate,
                          void* out, uint32_t outSize, uint32_t* bytesReturned) override
    {
        BATTERY_QUERY_INFORMATION query{};
        query.BatteryTag = tag;
        query.InformationLevel = static_cast<BATTERY_QUERY_INFORMATION_LEVEL>(level);
        query.AtRate = static_cast<decltype(query.AtRate)>(atRate);
        DWORD written = 0;
        const bool ok = Request(IOCTL_BATTERY_QUERY_INFORMATION, &query, sizeof query, out, outSize, &written);
        if (bytesReturned)
            *bytesReturned = ok ? written : 0;
        return ok;
    }

    bool QueryStatus(uint32_t tag, BatteryStatusData* status) override
    {
        if (!status)
            return false;
        BATTERY_WAIT_STATUS wait{};
        wait.BatteryTag = tag;
        wait.Timeout = 0;
        BATTERY_STATUS answer{};
        if (!Request(IOCTL_BATTERY_QUERY_STATUS, &wait, sizeof wait, &answer, sizeof answer, nullptr))
            return false;
        status->powerState = answer.PowerState;
        status->capacity = answer.Capacity;
        status->voltage = answer.Voltage;
        status->rate = answer.Rate;
        return true;
    }

private:
    // One synchronous request. *written never exceeds outSize, whatever the driver claims.
    bool Request(DWORD code, void* in, DWORD inSize, void* out, DWORD outSize, DWORD* written)
    {
        DWORD count = 0;
        const bool ok = DeviceIoControl(m_handle, code, in, inSize, out, outSize, &count, nullptr) != FALSE;
        if (written)
            *written = count < outSize ? count : outSize;
        return ok;
    }

    HANDLE m_handle;
};

// The device path of one interface, or nothing when SetupAPI will not tell it.
std::optional<std::string> DevicePathOf(HDEVINFO set, SP_DEVICE_INTERFACE_DATA* iface)
{
    DWORD required = 0;
    if (SetupDiGetDeviceInterfaceDetailA(set, iface, nullptr, 0, &required, nullptr)
        || GetLastError() != ERROR_INSUFFICIENT_BUFFER)
        return std::nullopt;

    // What the system asks for, but never less than the fixed part and one path character.
    const DWORD size = std::max<DWORD>(required, sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A) + 1);
    // DWORD elements keep the record aligned; the spare elements guarantee a NUL after the
    // path even when the system fills all of the declared size.
    std::vector<DWORD> buffer(size / sizeof(DWORD) + 2, 0);
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
    if (!SetupDiGetDeviceInterfaceDetailA(set, iface, detail, size, nullptr, nullptr))
        return std::nullopt;
    return std::string(detail->DevicePath);
}

class Win32BatteryDriver final : public BatteryDriver {
public:
    std::vector<std::string> ListDevicePaths(void* ownerWindow) override
    {
        std::vector<std::string> paths;
        HDEVINFO set = SetupDiGetClassDevsA(&GUID_DEVICE_BATTERY, nullptr, static_cast<HWND>(ownerWindow),
                                            DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
        if (set == INVALID_HANDLE_VALUE)
            return paths;
        SP_DEVICE_INTERFACE_DATA iface{};
        iface.cbSize = sizeof iface;
        for (DWORD index = 0; SetupDiEnumDeviceInterfaces(set, nullptr, &GUID_DEVICE_BATTERY, index, &iface); ++index) {
            if (auto path = DevicePathOf(set, &iface))
                paths.push_back(std::move(*path));
        }
        SetupDiDestroyDeviceInfoList(set);
        return paths;
    }

    std::unique_ptr<BatteryDevice> Open(const std::string& path) override
    {
        // Others may keep the battery open for writing (power services do); sharing only
        // reading would make this open fail while they hold it.
        HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return nullptr;
        return std::make_unique<Win32BatteryDevice>(handle);
    }
};

} // namespace

std::unique_ptr<BatteryDriver> MakeWin32BatteryDriver()
{
    return std::make_unique<Win32BatteryDriver>();
}

} // namespace ampora
