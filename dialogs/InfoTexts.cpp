#include "dialogs/InfoTexts.h"

#include "monitor/SampleTexts.h"
#include "monitor/TextFormat.h"
#include "platform/NarrowText.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

namespace ampora {
namespace {

QString NotAvailable()
{
    return LoadQString(IDS_NOT_AVAILABLE);
}

QString Number(int value)
{
    return QString::asprintf("%d", value);
}

QString Capacity(int32_t mWh)
{
    return QString::asprintf("%d mWh", mWh);
}

QString TextOrNotAvailable(const std::string& text)
{
    return text.empty() ? NotAvailable() : FromNarrow(text);
}

// The stored number without a unit; 0 is unknown.
QString TemperatureText(int32_t temperature)
{
    return temperature == 0 ? NotAvailable() : Number(temperature);
}

QString AlertLevelsText(int32_t warning, int32_t low)
{
    return QString::asprintf("W: %d / L: %d", warning, low);
}

QString CycleCountText(int32_t cycleCount)
{
    return cycleCount == 0 ? LoadQString(IDS_NOT_SUPPORTED) : Number(cycleCount);
}

QString YesNoText(bool yes)
{
    return LoadQString(yes ? IDS_YES : IDS_NO);
}

// The same fields, every one "N/A": a failed query fills exactly the fields it would have.
std::vector<FieldText> AllNotAvailable(std::vector<FieldText> fields)
{
    for (FieldText& f : fields)
        f.text = NotAvailable();
    return fields;
}

} // namespace

QString BatterySelectorText(int index)
{
    return QString::asprintf("Bat. %d", index + 1);
}

QString RunLengthItemText(int minutes)
{
    return QString::asprintf("%d min", minutes);
}

const std::vector<FieldLabel>& BatteryInfoLabels()
{
    static const std::vector<FieldLabel> labels{
        {IDC_BI_MANUFACTURER, IDC_BI_MANUFACTURER_LABEL, IDS_BI_MANUFACTURER},
        {IDC_BI_DEVICE_NAME, IDC_BI_DEVICE_NAME_LABEL, IDS_BI_DEVICE_NAME},
        {IDC_BI_SERIAL_NUMBER, IDC_BI_SERIAL_NUMBER_LABEL, IDS_BI_SERIAL_NUMBER},
        {IDC_BI_UNIQUE_ID, IDC_BI_UNIQUE_ID_LABEL, IDS_BI_UNIQUE_ID},
        {IDC_BI_MANUFACTURE_DATE, IDC_BI_MANUFACTURE_DATE_LABEL, IDS_BI_MANUFACTURE_DATE},
        {IDC_BI_TYPE_OF_USE, IDC_BI_TYPE_OF_USE_LABEL, IDS_BI_TYPE_OF_USE},
        {IDC_BI_RECHARGEABLE, IDC_BI_RECHARGEABLE_LABEL, IDS_BI_RECHARGEABLE},
        {IDC_BI_CHEMISTRY, IDC_BI_CHEMISTRY_LABEL, IDS_BI_CHEMISTRY},
        {IDC_BI_DESIGN_CAPACITY, IDC_BI_DESIGN_CAPACITY_LABEL, IDS_BI_DESIGN_CAPACITY},
        {IDC_BI_FULL_CAPACITY, IDC_BI_FULL_CAPACITY_LABEL, IDS_BI_FULL_CAPACITY},
        {IDC_BI_STATUS, IDC_BI_STATUS_LABEL, IDS_STATUS_LABEL},
        {IDC_BI_TEMPERATURE, IDC_BI_TEMPERATURE_LABEL, IDS_BI_TEMPERATURE},
        {IDC_BI_TIME_REMAINING, IDC_BI_TIME_REMAINING_LABEL, IDS_BI_TIME_REMAINING},
        {IDC_BI_CURRENT_CAPACITY, IDC_BI_CURRENT_CAPACITY_LABEL, IDS_BI_CURRENT_CAPACITY},
        {IDC_BI_CHARGE_RATE, IDC_BI_CHARGE_RATE_LABEL, IDS_BI_CHARGE_RATE},
        {IDC_BI_VOLTAGE, IDC_BI_VOLTAGE_LABEL, IDS_BI_VOLTAGE},
        {IDC_BI_ALERT_LEVELS, IDC_BI_ALERT_LEVELS_LABEL, IDS_BI_ALERT_LEVELS},
        {IDC_BI_CRITICAL_BIAS, IDC_BI_CRITICAL_BIAS_LABEL, IDS_BI_CRITICAL_BIAS},
        {IDC_BI_CHARGE_CYCLES, IDC_BI_CHARGE_CYCLES_LABEL, IDS_BI_CHARGE_CYCLES},
    };
    return labels;
}

const std::vector<FieldLabel>& SysInfoLabels()
{
    static const std::vector<FieldLabel> labels{
        {IDC_SI_MAX_MHZ, IDC_SI_MAX_MHZ_LABEL, IDS_SI_MAX_MHZ},
        {IDC_SI_CURRENT_MHZ, IDC_SI_CURRENT_MHZ_LABEL, IDS_SI_CURRENT_MHZ},
        {IDC_SI_UPS, IDC_SI_UPS_LABEL, IDS_SI_UPS},
        {IDC_SI_THROTTLE, IDC_SI_THROTTLE_LABEL, IDS_SI_THROTTLE},
        {IDC_SI_MIN_THROTTLE, IDC_SI_MIN_THROTTLE_LABEL, IDS_SI_MIN_THROTTLE},
        {IDC_SI_MAX_THROTTLE, IDC_SI_MAX_THROTTLE_LABEL, IDS_SI_MAX_THROTTLE},
        {IDC_SI_THERMAL, IDC_SI_THERMAL_LABEL, IDS_SI_THERMAL},
        {IDC_SI_VIDEO_DIM, IDC_SI_VIDEO_DIM_LABEL, IDS_SI_VIDEO_DIM},
        {IDC_SI_APM, IDC_SI_APM_LABEL, IDS_SI_APM},
        {IDC_SI_DISK_SPIN_DOWN, IDC_SI_DISK_SPIN_DOWN_LABEL, IDS_SI_DISK_SPIN_DOWN},
        {IDC_SI_FAN_TOLERANCE, IDC_SI_FAN_TOLERANCE_LABEL, IDS_SI_FAN_TOLERANCE},
    };
    return labels;
}

std::optional<double> HealthPercent(int32_t designedCapacity, int32_t fullChargedCapacity)
{
    if (designedCapacity <= 0 || fullChargedCapacity <= 0)
        return std::nullopt;
    return 100.0 * fullChargedCapacity / designedCapacity;
}

QString HealthText(int32_t designedCapacity, int32_t fullChargedCapacity)
{
    const std::optional<double> health = HealthPercent(designedCapacity, fullChargedCapacity);
    return health ? QString::asprintf("%.1f %%", *health) : NotAvailable();
}

QString PowerStateText(int32_t powerState, int32_t fullChargedCapacity)
{
    if (fullChargedCapacity == 0)
        return LoadQString(IDS_NOT_PRESENT);
    static constexpr struct { int32_t bit; int stringId; } kBits[] = {
        {BATTERY_POWER_ON_LINE, IDS_STATE_ON_LINE},
        {BATTERY_DISCHARGING, IDS_STATE_DISCHARGING},
        {BATTERY_CHARGING, IDS_STATE_CHARGING},
        {BATTERY_CRITICAL, IDS_STATE_CRITICAL},
    };
    QString text;
    for (const auto& b : kBits)
        if (powerState & b.bit)
            text += LoadQString(b.stringId) + QLatin1Char(' ');
    return text;
}

QString EstimatedTimeText(int32_t estimatedTime)
{
    if (estimatedTime == kUnknownValue)
        return NotAvailable();
    return DurationText(static_cast<uint32_t>(estimatedTime));
}

QString ManufactureDateText(int32_t day, int32_t month, int32_t year)
{
    if (day == 0 || month == 0 || year == 0)
        return NotAvailable();
    return QString::asprintf("%d:%d:%d", day, month, year);
}

QString ChargeRateText(int32_t rate, int32_t fullChargedCapacity)
{
    return RateIsShown(rate, fullChargedCapacity) ? QString::asprintf("%d mW", rate) : NotAvailable();
}

std::vector<FieldText> BatteryInfoFieldTexts(const BatteryRecord& r)
{
    return {
        {IDC_BI_DEVICE_NAME, TextOrNotAvailable(r.deviceName)},
        {IDC_BI_MANUFACTURER, TextOrNotAvailable(r.manufacturer)},
        {IDC_BI_SERIAL_NUMBER, TextOrNotAvailable(r.serialNumber)},
        {IDC_BI_UNIQUE_ID, TextOrNotAvailable(r.uniqueId)},
        {IDC_BI_DESIGN_CAPACITY, Capacity(r.designedCapacity)},
        {IDC_BI_FULL_CAPACITY, Capacity(r.fullChargedCapacity)},
        {IDC_BI_CRITICAL_BIAS, Number(r.criticalBias)},
        {IDC_BI_ALERT_LEVELS, AlertLevelsText(r.defaultAlert1, r.defaultAlert2)},
        {IDC_BI_CHARGE_CYCLES, CycleCountText(r.cycleCount)},
        {IDC_BI_CHEMISTRY, FromNarrow(r.chemistry)},
        {IDC_BI_RECHARGEABLE, YesNoText(r.technology != 0)},
        {IDC_BI_MANUFACTURE_DATE,
         ManufactureDateText(r.manufactureDay, r.manufactureMonth, r.manufactureYear)},
        {IDC_BI_TEMPERATURE, TemperatureText(r.temperature)},
        {IDC_BI_TIME_REMAINING, EstimatedTimeText(r.estimatedTime)},
        {IDC_BI_CURRENT_CAPACITY, Capacity(r.remainingCapacity)},
        {IDC_BI_VOLTAGE, QString::asprintf("%d mV", r.voltage)},
        {IDC_BI_CHARGE_RATE, ChargeRateText(r.rate, r.fullChargedCapacity)},
        {IDC_BI_STATUS, PowerStateText(r.powerState, r.fullChargedCapacity)},
        {IDC_BI_TYPE_OF_USE, LoadQString(IDS_NORMAL_OPERATION)},
    };
}

std::vector<FieldText> ProcessorFieldTexts(const std::optional<ProcessorPowerInformation>& info)
{
    if (!info)
        return AllNotAvailable(ProcessorFieldTexts(ProcessorPowerInformation{}));
    // The platform's speeds are unsigned; "%d" shows them as the signed number they hold.
    return {{IDC_SI_MAX_MHZ, Number(int(info->MaxMhz))},
            {IDC_SI_CURRENT_MHZ, Number(int(info->CurrentMhz))}};
}

std::vector<FieldText> CapabilityFieldTexts(const std::optional<PowerCapabilities>& caps)
{
    if (!caps)
        return AllNotAvailable(CapabilityFieldTexts(PowerCapabilities{}));
    return {
        {IDC_SI_UPS, YesNoText(caps->UpsPresent != 0)},
        {IDC_SI_THROTTLE, YesNoText(caps->ProcessorThrottle != 0)},
        {IDC_SI_MIN_THROTTLE, Number(caps->ProcessorMinThrottle)},
        {IDC_SI_MAX_THROTTLE, Number(caps->ProcessorMaxThrottle)},
        {IDC_SI_THERMAL, YesNoText(caps->ThermalControl != 0)},
        {IDC_SI_APM, YesNoText(caps->ApmPresent != 0)},
        {IDC_SI_VIDEO_DIM, YesNoText(caps->VideoDimPresent != 0)},
        {IDC_SI_DISK_SPIN_DOWN, YesNoText(caps->DiskSpinDown != 0)},
    };
}

std::vector<FieldText> PolicyFieldTexts(const std::optional<uint8_t>& fanThrottleTolerance)
{
    return {{IDC_SI_FAN_TOLERANCE,
             fanThrottleTolerance ? Number(*fanThrottleTolerance) : NotAvailable()}};
}

std::vector<FieldText> SysInfoFieldTexts(PowerInformation* source)
{
    std::optional<ProcessorPowerInformation> processor;
    std::optional<PowerCapabilities> caps;
    std::optional<uint8_t> tolerance;
    if (source) {
        ProcessorPowerInformation p;
        if (source->QueryProcessor(&p))
            processor = p;
        PowerCapabilities c;
        if (source->QueryCapabilities(&c))
            caps = c;
        uint8_t t = 0;
        if (source->QueryFanThrottleTolerance(&t))
            tolerance = t;
    }
    std::vector<FieldText> fields = ProcessorFieldTexts(processor);
    for (const std::vector<FieldText>& part : {CapabilityFieldTexts(caps), PolicyFieldTexts(tolerance)})
        fields.insert(fields.end(), part.begin(), part.end());
    return fields;
}

} // namespace ampora
