#include "platform/sysfs/SysfsConvert.h"

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

constexpr int64_t kSmartBatteryNotApplicable = 65535 * 60; // SBS "65535 minutes", in seconds

// A `_now` value, else its hardware-averaged `_avg` (read only when `_now` is missing).
std::optional<int64_t> NowOrAvg(const SupplyAttributes& supply, std::string_view quantity)
{
    const std::string base(quantity);
    if (const std::optional<int64_t> now = Number(supply, base + "_now"))
        return now;
    return Number(supply, base + "_avg");
}

std::optional<int64_t> AboveOneVolt(std::optional<int64_t> volts)
{
    return volts && *volts > kOneVolt ? volts : std::nullopt;
}

std::optional<int64_t> DesignVoltage(const SupplyAttributes& battery)
{
    if (const std::optional<int64_t> max = AboveOneVolt(Number(battery, "voltage_max_design")))
        return max;
    return AboveOneVolt(Number(battery, "voltage_min_design"));
}

// The voltage that turns a charge battery's µAh into µWh when it has no design voltage.
std::optional<int64_t> FixedVoltage(const SupplyAttributes& battery, ChargeVoltages* voltages)
{
    const std::optional<int64_t> seen = AboveOneVolt(NowOrAvg(battery, "voltage"));
    return voltages ? voltages->Fix(battery.name, seen) : seen;
}

bool Negative(std::optional<int64_t> value) { return value && *value < 0; }

ChargeState StateOf(const SupplyAttributes& battery)
{
    const std::string status = Text(battery, "status");
    // axp20x says "Charging" while the load draws more than the charger gives.
    if (status == "Charging")
        return Negative(NowOrAvg(battery, "current")) ? ChargeState::Discharging : ChargeState::Charging;
    // The kernel's sign convention varies; a negative current or power means discharging
    // unless the status says otherwise for certain.
    if (status == "Discharging" || (status != "Full" && (Negative(NowOrAvg(battery, "current")) ||
                                                         Negative(NowOrAvg(battery, "power")))))
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

uint32_t EstimatedTime(const BatteryFigures& figures)
{
    if (figures.state != ChargeState::Discharging)
        return kDriverUnknown;
    if (figures.kernelTimeToEmpty)
        return *figures.kernelTimeToEmpty;
    if (figures.nowMwh && figures.rateMw && *figures.rateMw > 0)
        return Fit(int64_t{*figures.nowMwh} * 3600 / *figures.rateMw).value_or(kDriverUnknown);
    return kDriverUnknown;
}

// The kernel's time to empty: 0 and the smart battery's "not applicable" tell nothing.
std::optional<uint32_t> KernelTimeToEmpty(const SupplyAttributes& battery)
{
    const std::optional<int64_t> seconds = NowOrAvg(battery, "time_to_empty");
    if (!seconds || *seconds <= 0 || *seconds >= kSmartBatteryNotApplicable)
        return std::nullopt;
    return Fit(*seconds);
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

std::vector<BatteryFigures> PresentBatteries(const std::vector<SupplyAttributes>& supplies,
                                             ChargeVoltages* voltages, bool levelOnly)
{
    std::vector<BatteryFigures> batteries;
    for (const SupplyAttributes& supply : supplies) {
        if (ClassifySupply(supply) != SupplyRole::Battery)
            continue;
        BatteryFigures figures = levelOnly ? ConvertLevel(supply, voltages) : ConvertFigures(supply, voltages);
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
    return kUnknownStatusByte;
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
    if (nowKnown && rate > 0)
        return Fit(static_cast<int64_t>(now * 3600 / rate)).value_or(kDriverUnknown);
    // Without a rate, the kernel's own estimates of the discharging batteries.
    uint64_t kernelSeconds = 0;
    bool kernelKnown = false;
    for (const BatteryFigures& b : batteries) {
        if (b.state == ChargeState::Discharging && b.kernelTimeToEmpty) {
            kernelSeconds += *b.kernelTimeToEmpty;
            kernelKnown = true;
        }
    }
    return kernelKnown ? Fit(static_cast<int64_t>(kernelSeconds)).value_or(kDriverUnknown) : kDriverUnknown;
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

bool IsPresent(const SupplyAttributes& battery)
{
    return Number(battery, "present") != 0;
}

bool IsPowerSourceType(std::string_view type)
{
    return type == "Mains" || type == "USB" || type.starts_with("USB_") || type == "Wireless" || type == "BrickID";
}

SupplyRole ClassifySupply(const SupplyAttributes& supply)
{
    const std::string type = Text(supply, "type");
    const bool battery = type == "Battery";
    const bool source = IsPowerSourceType(type);
    if ((!battery && !source) || Text(supply, "scope") == "Device")
        return SupplyRole::Ignored;
    if (battery)
        return SupplyRole::Battery;
    return supply.Find("online") ? SupplyRole::PowerSource : SupplyRole::Ignored;
}

std::optional<int64_t> ChargeVoltages::Fix(const std::string& battery, std::optional<int64_t> seen)
{
    if (const auto it = m_fixed.find(battery); it != m_fixed.end())
        return it->second;
    if (seen)
        m_fixed.emplace(battery, *seen);
    return seen;
}

bool ChargeVoltages::Falling(const std::string& battery, std::optional<uint32_t> level)
{
    if (!level)
        return false;
    const auto [it, added] = m_trends.try_emplace(battery, Trend{*level, false});
    Trend& trend = it->second;
    if (!added && *level != trend.level) {
        trend.falling = *level < trend.level;
        trend.level = *level;
    }
    return trend.falling;
}

namespace {

struct Conversion {
    bool energyBattery = false;
    bool chargeBattery = false;
    std::optional<int64_t> designVolts;
    ChargeVoltages* voltages = nullptr;
    const SupplyAttributes* battery = nullptr;

    std::optional<int64_t> Volts() const
    {
        return designVolts ? designVolts : FixedVoltage(*battery, voltages);
    }

    // One capacity in mWh; `quantity` is the part after energy_/charge_ ("now", "full").
    std::optional<uint32_t> Capacity(const std::string& energyName, const std::string& chargeName) const
    {
        if (energyBattery)
            return MicroToMilli(Number(*battery, energyName));
        if (!chargeBattery)
            return std::nullopt;
        // Without a design voltage the gauge's own energy is steadier than any conversion.
        if (!designVolts) {
            if (const std::optional<int64_t> gauge = Number(*battery, energyName))
                return MicroToMilli(gauge);
        }
        return ChargeToMilliWatt(Number(*battery, chargeName), Volts());
    }
};

Conversion ConversionOf(const SupplyAttributes& battery, ChargeVoltages* voltages)
{
    Conversion c;
    c.battery = &battery;
    c.voltages = voltages;
    c.energyBattery = Number(battery, "energy_full_design") || Number(battery, "energy_full");
    if (!c.energyBattery) {
        c.chargeBattery = Number(battery, "charge_full_design") || Number(battery, "charge_full") ||
                          NowOrAvg(battery, "charge");
        // A lone energy_now with no charge_* at all is an energy battery too.
        c.energyBattery = !c.chargeBattery && Number(battery, "energy_now");
    }
    if (c.chargeBattery)
        c.designVolts = DesignVoltage(battery);
    return c;
}

std::optional<uint32_t> NowCapacity(const Conversion& c)
{
    if (std::optional<uint32_t> now = c.Capacity("energy_now", "charge_now"))
        return now;
    return c.Capacity("energy_avg", "charge_avg");
}

void FillLevel(const SupplyAttributes& battery, const Conversion& c, BatteryFigures* f)
{
    f->present = IsPresent(battery);
    f->state = StateOf(battery);
    f->fullMwh = c.Capacity("energy_full", "charge_full");
    f->nowMwh = NowCapacity(c);
    const std::optional<int64_t> capacity = Number(battery, "capacity");
    if (capacity && *capacity >= 0 && *capacity <= 100)
        f->percent = static_cast<uint32_t>(*capacity);
    if (!f->nowMwh && f->fullMwh && f->percent)
        f->nowMwh = static_cast<uint32_t>(uint64_t{*f->fullMwh} * *f->percent / 100);
    if (f->nowMwh && f->fullMwh && *f->nowMwh > *f->fullMwh)
        f->fullMwh = f->nowMwh;
    if (!f->percent && f->nowMwh && f->fullMwh && *f->fullMwh > 0)
        f->percent = RoundedPercent(*f->nowMwh, *f->fullMwh);
    // A status that says nothing on a battery whose charge falls: the rate must not read as
    // charging.
    if (c.voltages && c.voltages->Falling(battery.name, f->nowMwh ? f->nowMwh : f->percent)
        && f->state == ChargeState::Unknown)
        f->state = ChargeState::Discharging;
}

std::optional<uint32_t> RateOf(const SupplyAttributes& battery, const Conversion& c)
{
    const std::optional<int64_t> power = Magnitude(NowOrAvg(battery, "power"));
    if (power && *power != 0)
        return MicroToMilli(power);
    if (const std::optional<int64_t> current = Magnitude(NowOrAvg(battery, "current"))) {
        const std::optional<int64_t> volts = c.chargeBattery ? c.Volts() : NowOrAvg(battery, "voltage");
        if (std::optional<uint32_t> rate = ChargeToMilliWatt(current, volts))
            return rate;
    }
    return power ? MicroToMilli(power) : std::nullopt;
}

} // namespace

BatteryFigures ConvertLevel(const SupplyAttributes& battery, ChargeVoltages* voltages)
{
    BatteryFigures f;
    FillLevel(battery, ConversionOf(battery, voltages), &f);
    return f;
}

BatteryFigures ConvertFigures(const SupplyAttributes& battery, ChargeVoltages* voltages)
{
    const Conversion c = ConversionOf(battery, voltages);
    BatteryFigures f;
    FillLevel(battery, c, &f);
    f.designMwh = c.Capacity("energy_full_design", "charge_full_design");
    f.alarmMwh = c.energyBattery ? MicroToMilli(Number(battery, "alarm"))
                                 : ChargeToMilliWatt(Number(battery, "alarm"), c.chargeBattery ? c.Volts() : std::nullopt);
    f.voltageMv = MicroToMilli(NowOrAvg(battery, "voltage"));
    f.rateMw = RateOf(battery, c);
    if (f.rateMw && *f.rateMw > kMaxBelievableRateMw)
        f.rateMw.reset();
    if (f.state == ChargeState::Discharging)
        f.kernelTimeToEmpty = KernelTimeToEmpty(battery);

    const std::string level = Text(battery, "capacity_level");
    f.critical = level == "Critical" || (f.percent && *f.percent < 5);
    return f;
}

std::optional<BatteryInformationData> ConvertInformation(const SupplyAttributes& battery, ChargeVoltages* voltages)
{
    if (!IsPresent(battery))
        return std::nullopt;
    const BatteryFigures figures = ConvertFigures(battery, voltages);
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
    return info;
}

std::optional<BatteryStatusData> ConvertStatus(const SupplyAttributes& battery, uint8_t acLineStatus,
                                               ChargeVoltages* voltages)
{
    if (!IsPresent(battery))
        return std::nullopt;
    const BatteryFigures figures = ConvertFigures(battery, voltages);
    BatteryStatusData status;
    status.powerState = PowerState(figures, acLineStatus);
    status.capacity = figures.nowMwh.value_or(kDriverUnknown);
    status.voltage = figures.voltageMv.value_or(kDriverUnknown);
    status.rate = figures.rateMw ? static_cast<int32_t>(*figures.rateMw) : kUnknownRate;
    if (figures.rateMw && figures.state == ChargeState::Discharging)
        status.rate = -status.rate;
    return status;
}

uint32_t ConvertEstimatedTime(const SupplyAttributes& battery, ChargeVoltages* voltages)
{
    return EstimatedTime(ConvertFigures(battery, voltages));
}

SysfsBatteryAnswers ConvertBattery(const SupplyAttributes& battery, uint8_t acLineStatus, ChargeVoltages* voltages)
{
    SysfsBatteryAnswers a;
    a.present = IsPresent(battery);
    if (!a.present)
        return a;

    a.deviceName = DriverText(Text(battery, "model_name"));
    a.manufacturer = DriverText(Text(battery, "manufacturer"));
    a.serialNumber = DriverText(Text(battery, "serial_number"));
    a.uniqueId = DriverText(UniqueId(battery));
    a.information = ConvertInformation(battery, voltages);
    if (a.information && a.information->designedCapacity != kDriverUnknown)
        a.granularity = BatteryReportingScale{.granularity = 1, .capacity = a.information->designedCapacity};
    a.manufactureDate = ManufactureDate(battery);
    a.temperature = Temperature(battery);
    a.estimatedTime = ConvertEstimatedTime(battery, voltages);
    a.status = ConvertStatus(battery, acLineStatus, voltages);
    return a;
}

uint8_t ComputeACLineStatus(const std::vector<SupplyAttributes>& supplies, ChargeVoltages* voltages)
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
    const std::vector<BatteryFigures> batteries = PresentBatteries(supplies, voltages, true);
    if (batteries.empty() || AnyInState(batteries, ChargeState::Charging))
        return 1;
    if (AnyInState(batteries, ChargeState::Discharging))
        return 0;
    return kUnknownStatusByte;
}

namespace {

SystemPowerStatus PowerStatusOf(const std::vector<SupplyAttributes>& supplies, ChargeVoltages* voltages,
                                bool withLifeTime)
{
    SystemPowerStatus status;
    status.ACLineStatus = ComputeACLineStatus(supplies, voltages);
    const std::vector<BatteryFigures> batteries = PresentBatteries(supplies, voltages, !withLifeTime);
    if (batteries.empty()) {
        status.BatteryFlag = BATTERY_FLAG_NO_BATTERY;
        return status;
    }
    status.BatteryLifePercent = LifePercent(batteries);
    if (status.BatteryLifePercent != kUnknownStatusByte) {
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
    if (withLifeTime && status.ACLineStatus != 1 && AnyInState(batteries, ChargeState::Discharging))
        status.BatteryLifeTime = LifeTime(batteries);
    return status;
}

} // namespace

SystemPowerStatus ComputePowerStatus(const std::vector<SupplyAttributes>& supplies, ChargeVoltages* voltages)
{
    return PowerStatusOf(supplies, voltages, true);
}

SystemPowerStatus ComputePowerFlags(const std::vector<SupplyAttributes>& supplies, ChargeVoltages* voltages)
{
    return PowerStatusOf(supplies, voltages, false);
}

} // namespace ampora
