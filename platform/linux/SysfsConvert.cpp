#include "platform/linux/SysfsConvert.h"

#include "platform/DriverValues.h"
#include "platform/DriverText.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace ampora {
namespace {

constexpr int64_t kOneVolt = 1'000'000;               // µV
constexpr uint32_t kMaxBelievableRateMw = 300'000;    // 300 W
constexpr uint32_t kSystemBattery = 0x80000000u;      // BATTERY_SYSTEM_BATTERY capability
constexpr int32_t kKelvinOffsetTenths = 2732;         // 273.15 K, rounded half up

constexpr std::string_view kWhitespace = " \t\n\r\v\f";

std::string_view Trim(std::string_view text)
{
    const size_t first = text.find_first_not_of(kWhitespace);
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(kWhitespace);
    return text.substr(first, last - first + 1);
}

std::optional<int64_t> Number(const SupplyAttributes& supply, std::string_view name)
{
    const std::string* value = supply.Find(name);
    return value ? ParseInteger(*value) : std::nullopt;
}

std::string Text(const SupplyAttributes& supply, std::string_view name)
{
    const std::string* value = supply.Find(name);
    return value ? CleanText(*value) : std::string();
}

// A value the driver can carry: not negative and below its unknown marker.
std::optional<uint32_t> Fit(int64_t value)
{
    if (value < 0 || value >= static_cast<int64_t>(kDriverUnknown))
        return std::nullopt;
    return static_cast<uint32_t>(value);
}

std::optional<uint32_t> MicroToMilli(std::optional<int64_t> micro)
{
    if (!micro || *micro < 0)
        return std::nullopt;
    return Fit(*micro / 1000);
}

// µA(h) × µV = 10⁻⁹ mW(h); the product needs 64 bits and is checked against overflow.
std::optional<uint32_t> ChargeToMilliWatt(std::optional<int64_t> microAmp, std::optional<int64_t> microVolt)
{
    if (!microAmp || !microVolt || *microAmp < 0 || *microVolt <= 0)
        return std::nullopt;
    if (*microAmp > INT64_MAX / *microVolt)
        return std::nullopt;
    return Fit(*microAmp * *microVolt / 1'000'000'000);
}

std::optional<int64_t> Magnitude(std::optional<int64_t> value)
{
    if (!value || *value == INT64_MIN)
        return std::nullopt;
    return *value < 0 ? -*value : *value;
}

// The voltage that turns a charge battery's µAh into µWh.
std::optional<int64_t> ConversionVoltage(const SupplyAttributes& battery)
{
    for (const char* name : {"voltage_max_design", "voltage_min_design", "voltage_now"}) {
        const std::optional<int64_t> volts = Number(battery, name);
        if (volts && *volts > kOneVolt)
            return volts;
    }
    return std::nullopt;
}

bool Negative(std::optional<int64_t> value) { return value && *value < 0; }

ChargeState StateOf(const SupplyAttributes& battery)
{
    const std::string status = Text(battery, "status");
    if (status == "Charging")
        return ChargeState::Charging;
    // The kernel's sign convention varies; a negative current or power means discharging
    // unless the status says otherwise for certain.
    if (status == "Discharging" || (status != "Full" && (Negative(Number(battery, "current_now")) ||
                                                         Negative(Number(battery, "power_now")))))
        return ChargeState::Discharging;
    if (status == "Full" || status == "Not charging")
        return ChargeState::Idle;
    return ChargeState::Unknown;
}

uint32_t RoundedPercent(uint64_t now, uint64_t full)
{
    return static_cast<uint32_t>(std::min<uint64_t>((now * 100 + full / 2) / full, 100));
}

std::optional<std::string> DriverText(const std::string& text)
{
    if (text.empty())
        return std::nullopt;
    return Utf8ToDriverText(text);
}

// Four-character chemistry codes for the kernel's technology names.
void ChemistryCode(const std::string& technology, char code[4])
{
    struct Entry {
        const char* technology;
        const char* code;
    };
    static constexpr Entry kCodes[] = {
        {"Li-ion", "LION"}, {"NiMH", "NiMH"}, {"NiCd", "NiCd"},
        {"Li-poly", "LiPo"}, {"LiFe", "LiFe"}, {"LiMn", "LiMn"},
    };
    std::memset(code, 0, 4);
    for (const Entry& entry : kCodes) {
        if (technology == entry.technology)
            std::memcpy(code, entry.code, 4);
    }
}

std::optional<BatteryManufactureDate> ManufactureDate(const SupplyAttributes& battery)
{
    const std::optional<int64_t> year = Number(battery, "manufacture_year");
    const std::optional<int64_t> month = Number(battery, "manufacture_month");
    const std::optional<int64_t> day = Number(battery, "manufacture_day");
    if (!year || !month || !day || *year < 1 || *year > 0xFFFF || *month < 1 || *month > 12 || *day < 1 || *day > 31)
        return std::nullopt;
    return BatteryManufactureDate{.day = static_cast<uint8_t>(*day), .month = static_cast<uint8_t>(*month),
                                  .year = static_cast<uint16_t>(*year)};
}

std::optional<uint32_t> Temperature(const SupplyAttributes& battery)
{
    const std::optional<int64_t> celsiusTenths = Number(battery, "temp");
    if (!celsiusTenths || *celsiusTenths < -kKelvinOffsetTenths + 1 || *celsiusTenths > 100'000)
        return std::nullopt;
    return static_cast<uint32_t>(*celsiusTenths + kKelvinOffsetTenths);
}

uint32_t EstimatedTime(const SupplyAttributes& battery, const BatteryFigures& figures)
{
    if (const std::optional<int64_t> seconds = Number(battery, "time_to_empty_now")) {
        if (const std::optional<uint32_t> fit = Fit(*seconds))
            return *fit;
    }
    if (figures.state == ChargeState::Discharging && figures.nowMwh && figures.rateMw && *figures.rateMw > 0)
        return Fit(int64_t{*figures.nowMwh} * 3600 / *figures.rateMw).value_or(kDriverUnknown);
    return kDriverUnknown;
}

std::string UniqueId(const SupplyAttributes& battery)
{
    std::string id;
    for (const char* name : {"manufacturer", "model_name", "serial_number"}) {
        const std::string part = Text(battery, name);
        if (part.empty())
            continue;
        if (!id.empty())
            id += '-';
        id += part;
    }
    return id;
}

uint32_t PowerState(const BatteryFigures& figures, uint8_t acLineStatus)
{
    uint32_t bits = 0;
    if (acLineStatus == 1)
        bits |= BATTERY_POWER_ON_LINE;
    if (figures.state == ChargeState::Discharging)
        bits |= BATTERY_DISCHARGING;
    if (figures.state == ChargeState::Charging)
        bits |= BATTERY_CHARGING;
    if (figures.critical)
        bits |= BATTERY_CRITICAL;
    return bits;
}

std::vector<BatteryFigures> PresentBatteries(const std::vector<SupplyAttributes>& supplies)
{
    std::vector<BatteryFigures> batteries;
    for (const SupplyAttributes& supply : supplies) {
        if (ClassifySupply(supply) != SupplyRole::Battery)
            continue;
        BatteryFigures figures = ConvertFigures(supply);
        if (figures.present)
            batteries.push_back(std::move(figures));
    }
    return batteries;
}

bool AnyInState(const std::vector<BatteryFigures>& batteries, ChargeState state)
{
    return std::any_of(batteries.begin(), batteries.end(),
                       [state](const BatteryFigures& b) { return b.state == state; });
}

uint8_t LifePercent(const std::vector<BatteryFigures>& batteries)
{
    uint64_t now = 0;
    uint64_t full = 0;
    uint64_t percentSum = 0;
    uint64_t percentCount = 0;
    for (const BatteryFigures& b : batteries) {
        if (b.nowMwh && b.fullMwh) {
            now += *b.nowMwh;
            full += *b.fullMwh;
        }
        if (b.percent) {
            percentSum += *b.percent;
            ++percentCount;
        }
    }
    if (full > 0)
        return static_cast<uint8_t>(RoundedPercent(now, full));
    if (percentCount > 0)
        return static_cast<uint8_t>((percentSum + percentCount / 2) / percentCount);
    return 255;
}

uint32_t LifeTime(const std::vector<BatteryFigures>& batteries)
{
    uint64_t now = 0;
    uint64_t rate = 0;
    bool nowKnown = false;
    for (const BatteryFigures& b : batteries) {
        if (b.nowMwh) {
            now += *b.nowMwh;
            nowKnown = true;
        }
        if (b.state == ChargeState::Discharging && b.rateMw)
            rate += *b.rateMw;
    }
    if (!nowKnown || rate == 0)
        return kDriverUnknown;
    return Fit(static_cast<int64_t>(now * 3600 / rate)).value_or(kDriverUnknown);
}

} // namespace

std::optional<int64_t> ParseInteger(std::string_view text)
{
    text = Trim(text);
    // from_chars takes a minus sign but no plus sign.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string CleanText(std::string_view raw)
{
    return std::string(Trim(DropInvalidUtf8(raw)));
}

SupplyRole ClassifySupply(const SupplyAttributes& supply)
{
    if (Text(supply, "scope") == "Device")
        return SupplyRole::Ignored;
    if (Text(supply, "type") == "Battery")
        return SupplyRole::Battery;
    if (supply.Find("online"))
        return SupplyRole::PowerSource;
    return SupplyRole::Ignored;
}

BatteryFigures ConvertFigures(const SupplyAttributes& battery)
{
    BatteryFigures f;
    f.present = Number(battery, "present") != 0;
    f.state = StateOf(battery);

    const bool hasCharge = Number(battery, "charge_full_design") || Number(battery, "charge_full") ||
                           Number(battery, "charge_now");
    // A stray energy_now beside charge_* is not an energy battery.
    const bool energyBattery = Number(battery, "energy_full_design") || Number(battery, "energy_full") ||
                               (!hasCharge && Number(battery, "energy_now"));
    const std::optional<int64_t> volts = energyBattery ? std::nullopt : ConversionVoltage(battery);
    const auto energy = [&](const char* energyName, const char* chargeName) {
        return energyBattery ? MicroToMilli(Number(battery, energyName))
                             : ChargeToMilliWatt(Number(battery, chargeName), volts);
    };
    f.designMwh = energy("energy_full_design", "charge_full_design");
    f.fullMwh = energy("energy_full", "charge_full");
    f.nowMwh = energy("energy_now", "charge_now");
    f.alarmMwh = energy("alarm", "alarm");
    f.voltageMv = MicroToMilli(Number(battery, "voltage_now"));

    if (const std::optional<int64_t> power = Magnitude(Number(battery, "power_now")))
        f.rateMw = MicroToMilli(power);
    else if (!energyBattery)
        f.rateMw = ChargeToMilliWatt(Magnitude(Number(battery, "current_now")), volts);
    if (f.rateMw && *f.rateMw > kMaxBelievableRateMw)
        f.rateMw.reset();

    const std::optional<int64_t> capacity = Number(battery, "capacity");
    if (capacity && *capacity >= 0 && *capacity <= 100)
        f.percent = static_cast<uint32_t>(*capacity);
    if (!f.nowMwh && f.fullMwh && f.percent)
        f.nowMwh = static_cast<uint32_t>(uint64_t{*f.fullMwh} * *f.percent / 100);
    if (f.nowMwh && f.fullMwh && *f.nowMwh > *f.fullMwh)
        f.fullMwh = f.nowMwh;
    if (!f.percent && f.nowMwh && f.fullMwh && *f.fullMwh > 0)
        f.percent = RoundedPercent(*f.nowMwh, *f.fullMwh);

    const std::string level = Text(battery, "capacity_level");
    f.critical = level == "Critical" || (f.percent && *f.percent < 5);
    return f;
}

SysfsBatteryAnswers ConvertBattery(const SupplyAttributes& battery, uint8_t acLineStatus)
{
    const BatteryFigures figures = ConvertFigures(battery);
    SysfsBatteryAnswers a;
    a.present = figures.present;
    if (!a.present)
        return a;

    a.deviceName = DriverText(Text(battery, "model_name"));
    a.manufacturer = DriverText(Text(battery, "manufacturer"));
    a.serialNumber = DriverText(Text(battery, "serial_number"));
    a.uniqueId = DriverText(UniqueId(battery));

    if (figures.designMwh)
        a.granularity = BatteryReportingScale{.granularity = 1, .capacity = *figures.designMwh};

    BatteryInformationData info;
    info.capabilities = kSystemBattery;
    info.technology = 1; // every chemistry the kernel reports is rechargeable
    ChemistryCode(Text(battery, "technology"), info.chemistry);
    info.designedCapacity = figures.designMwh.value_or(kDriverUnknown);
    info.fullChargedCapacity = figures.fullMwh.value_or(kDriverUnknown);
    info.defaultAlert1 = figures.alarmMwh.value_or(0); // the kernel knows one alarm level
    info.defaultAlert2 = 0;
    info.criticalBias = 0;
    info.cycleCount = Fit(Number(battery, "cycle_count").value_or(0)).value_or(0); // 0: not known
    a.information = info;

    a.manufactureDate = ManufactureDate(battery);
    a.temperature = Temperature(battery);
    a.estimatedTime = EstimatedTime(battery, figures);

    BatteryStatusData status;
    status.powerState = PowerState(figures, acLineStatus);
    status.capacity = figures.nowMwh.value_or(kDriverUnknown);
    status.voltage = figures.voltageMv.value_or(kDriverUnknown);
    status.rate = figures.rateMw ? static_cast<int32_t>(*figures.rateMw) : kUnknownRate;
    if (figures.rateMw && figures.state == ChargeState::Discharging)
        status.rate = -status.rate;
    a.status = status;
    return a;
}

uint8_t ComputeACLineStatus(const std::vector<SupplyAttributes>& supplies)
{
    bool sourceSeen = false;
    for (const SupplyAttributes& supply : supplies) {
        if (ClassifySupply(supply) != SupplyRole::PowerSource)
            continue;
        const std::optional<int64_t> online = Number(supply, "online");
        if (!online)
            continue;
        if (*online == 1 || *online == 2)
            return 1;
        sourceSeen = true;
    }
    if (sourceSeen)
        return 0;
    // No adapter tells: judge by the batteries. Without one, the computer runs on mains.
    const std::vector<BatteryFigures> batteries = PresentBatteries(supplies);
    if (batteries.empty() || AnyInState(batteries, ChargeState::Charging))
        return 1;
    if (AnyInState(batteries, ChargeState::Discharging))
        return 0;
    return 255;
}

SystemPowerStatus ComputePowerStatus(const std::vector<SupplyAttributes>& supplies)
{
    SystemPowerStatus status;
    status.ACLineStatus = ComputeACLineStatus(supplies);
    const std::vector<BatteryFigures> batteries = PresentBatteries(supplies);
    if (batteries.empty()) {
        status.BatteryFlag = BATTERY_FLAG_NO_BATTERY;
        return status;
    }
    status.BatteryLifePercent = LifePercent(batteries);
    if (status.BatteryLifePercent != 255) {
        const uint8_t p = status.BatteryLifePercent;
        uint8_t flag = 0;
        if (p > 66)
            flag |= BATTERY_FLAG_HIGH;
        if (p < 33)
            flag |= BATTERY_FLAG_LOW;
        if (p < 5)
            flag |= BATTERY_FLAG_CRITICAL;
        if (AnyInState(batteries, ChargeState::Charging))
            flag |= BATTERY_FLAG_CHARGING;
        status.BatteryFlag = flag;
    }
    if (status.ACLineStatus != 1 && AnyInState(batteries, ChargeState::Discharging))
        status.BatteryLifeTime = LifeTime(batteries);
    return status;
}

} // namespace ampora
