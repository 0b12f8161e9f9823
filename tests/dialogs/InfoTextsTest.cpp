// The value-field texts of Battery info and System info, without a window.
#include "dialogs/InfoTexts.h"

#include <gtest/gtest.h>

#include <map>

namespace ampora {
namespace {

std::map<int, QString> ById(const std::vector<FieldText>& fields)
{
    std::map<int, QString> m;
    for (const FieldText& f : fields)
        m[f.controlId] = f.text;
    return m;
}

struct StatusCase {
    const char* name;
    int32_t powerState;
    int32_t fullCapacity;
    const char* text;
};

class StatusText : public testing::TestWithParam<StatusCase> {};

TEST_P(StatusText, WordsPerBitEachWithTrailingBlank)
{
    const StatusCase& c = GetParam();
    EXPECT_EQ(PowerStateText(c.powerState, c.fullCapacity), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    BatteryInfo, StatusText,
    testing::Values(StatusCase{"OnLineCharging", 0x1 | 0x4, 50000, "On line Charging "},
                    StatusCase{"NoBits", 0, 50000, ""},
                    StatusCase{"AllBitsInOrder", 0xF, 50000, "On line Discharging Charging Critical "},
                    StatusCase{"UnknownBitsIgnored", 0x30 | 0x2, 50000, "Discharging "},
                    StatusCase{"ZeroFullCapacityIsNotPresent", 0x4, 0, "Not present"},
                    StatusCase{"UnknownFullCapacityStillShowsBits", 0x2, -1, "Discharging "}),
    [](const auto& info) { return std::string(info.param.name); });

struct RateCase {
    const char* name;
    int32_t rate;
    int32_t fullCapacity;
    const char* text;
};

class RateText : public testing::TestWithParam<RateCase> {};

TEST_P(RateText, MilliwattsOrNotAvailable)
{
    const RateCase& c = GetParam();
    EXPECT_EQ(ChargeRateText(c.rate, c.fullCapacity), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    BatteryInfo, RateText,
    testing::Values(RateCase{"Zero", 0, 50000, "0 mW"},
                    RateCase{"Charging", 12000, 50000, "12000 mW"},
                    RateCase{"Discharging", -15000, 50000, "-15000 mW"},
                    RateCase{"MinusOneUnknown", -1, 50000, "N/A"},
                    RateCase{"DriverUnknownMarker", INT32_MIN, 50000, "N/A"},
                    RateCase{"TwiceFullCapacity", -100000, 50000, "N/A"},
                    RateCase{"JustBelowTwiceFullCapacity", -99999, 50000, "-99999 mW"},
                    RateCase{"ZeroWithoutFullCapacity", 0, 0, "N/A"},
                    // -2 x full does not fit in 32 bits here; the comparison must not wrap.
                    RateCase{"HugeFullCapacity", -5, INT32_MAX, "-5 mW"},
                    RateCase{"MarkerWithHugeFullCapacity", INT32_MIN, INT32_MAX, "N/A"}),
    [](const auto& info) { return std::string(info.param.name); });

struct TimeCase {
    const char* name;
    int32_t seconds;
    const char* text;
};

class TimeText : public testing::TestWithParam<TimeCase> {};

TEST_P(TimeText, HoursMinutesSecondsWithoutDays)
{
    const TimeCase& c = GetParam();
    EXPECT_EQ(EstimatedTimeText(c.seconds), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    BatteryInfo, TimeText,
    testing::Values(TimeCase{"Zero", 0, "00:00:00"},
                    TimeCase{"MinusOneUnknown", -1, "N/A"},
                    TimeCase{"OneDayOneHourDropsTheDay", 90000, "01:00:00"},
                    TimeCase{"AllParts", 3 * 3600 + 25 * 60 + 7, "03:25:07"},
                    TimeCase{"LastSecondOfADay", 86399, "23:59:59"},
                    // Other negatives are the driver's unsigned seconds: 4294967294 s.
                    TimeCase{"MinusTwoAsUnsigned", -2, "06:28:14"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BatteryInfoTexts, ManufactureDateNeedsAllThreeParts)
{
    EXPECT_EQ(ManufactureDateText(15, 3, 2006), "15:3:2006");
    EXPECT_EQ(ManufactureDateText(0, 3, 2006), "N/A");
    EXPECT_EQ(ManufactureDateText(15, 0, 2006), "N/A");
    EXPECT_EQ(ManufactureDateText(15, 3, 0), "N/A");
}

TEST(BatteryInfoTexts, NumbersWithTheirRules)
{
    EXPECT_EQ(TemperatureText(29815), "29815"); // as stored, no unit
    EXPECT_EQ(TemperatureText(0), "N/A");
    EXPECT_EQ(CycleCountText(0), "Not supported");
    EXPECT_EQ(CycleCountText(312), "312");
    EXPECT_EQ(AlertLevelsText(2500, 1200), "W: 2500 / L: 1200");
}

TEST(BatteryInfoTexts, FullRecordGoesToTheRightFields)
{
    BatteryRecord r;
    r.deviceName = "DELL 7FHJ";
    r.manufacturer = "SMP";
    r.serialNumber = "";
    r.uniqueId = "1234SMPDELL";
    r.chemistry = "Lithium Ion";
    r.designedCapacity = 60000;
    r.fullChargedCapacity = 52000;
    r.remainingCapacity = 41000;
    r.voltage = 12100;
    r.criticalBias = 7;
    r.cycleCount = 88;
    r.technology = 1;
    r.temperature = 30150;
    r.estimatedTime = 7384;
    r.rate = -13000;
    r.powerState = BATTERY_DISCHARGING;
    r.defaultAlert1 = 3000;
    r.defaultAlert2 = 1500;
    r.manufactureDay = 2;
    r.manufactureMonth = 11;
    r.manufactureYear = 2019;

    const std::vector<FieldText> fields = BatteryInfoFieldTexts(r);
    ASSERT_EQ(fields.size(), 19u);
    const std::map<int, QString> byId = ById(fields);
    ASSERT_EQ(byId.size(), 19u) << "a field is written twice";
    const std::map<int, QString> expected{
        {IDC_BI_DEVICE_NAME, "DELL 7FHJ"},     {IDC_BI_MANUFACTURER, "SMP"},
        {IDC_BI_SERIAL_NUMBER, "N/A"},         {IDC_BI_UNIQUE_ID, "1234SMPDELL"},
        {IDC_BI_DESIGN_CAPACITY, "60000 mWh"}, {IDC_BI_FULL_CAPACITY, "52000 mWh"},
        {IDC_BI_CRITICAL_BIAS, "7"},           {IDC_BI_ALERT_LEVELS, "W: 3000 / L: 1500"},
        {IDC_BI_CHARGE_CYCLES, "88"},          {IDC_BI_CHEMISTRY, "Lithium Ion"},
        {IDC_BI_RECHARGEABLE, "Yes"},          {IDC_BI_MANUFACTURE_DATE, "2:11:2019"},
        {IDC_BI_TEMPERATURE, "30150"},         {IDC_BI_TIME_REMAINING, "02:03:04"},
        {IDC_BI_CURRENT_CAPACITY, "41000 mWh"}, {IDC_BI_VOLTAGE, "12100 mV"},
        {IDC_BI_CHARGE_RATE, "-13000 mW"},     {IDC_BI_STATUS, "Discharging "},
        {IDC_BI_TYPE_OF_USE, "Normal operation"},
    };
    EXPECT_EQ(byId, expected);
}

TEST(SysInfoTexts, EachQueryFillsExactlyItsOwnFields)
{
    PowerCapabilities caps;
    caps.UpsPresent = 2; // any non-zero byte is yes
    caps.ProcessorThrottle = 1;
    caps.ProcessorMinThrottle = 255; // unsigned, no percent sign
    caps.ProcessorMaxThrottle = 100;
    caps.DiskSpinDown = 1;
    ProcessorPowerInformation cpu;
    cpu.MaxMhz = 2400;
    cpu.CurrentMhz = 800;

    const std::map<int, QString> filled = ById(ProcessorFieldTexts(cpu));
    EXPECT_EQ(filled, (std::map<int, QString>{{IDC_SI_MAX_MHZ, "2400"}, {IDC_SI_CURRENT_MHZ, "800"}}));
    EXPECT_EQ(ById(CapabilityFieldTexts(caps)),
              (std::map<int, QString>{{IDC_SI_UPS, "Yes"}, {IDC_SI_THROTTLE, "Yes"},
                                      {IDC_SI_MIN_THROTTLE, "255"}, {IDC_SI_MAX_THROTTLE, "100"},
                                      {IDC_SI_THERMAL, "No"}, {IDC_SI_APM, "No"},
                                      {IDC_SI_VIDEO_DIM, "No"}, {IDC_SI_DISK_SPIN_DOWN, "Yes"}}));
    EXPECT_EQ(ById(PolicyFieldTexts(uint8_t(80))), (std::map<int, QString>{{IDC_SI_FAN_TOLERANCE, "80"}}));

    for (const auto& failed : {ProcessorFieldTexts(std::nullopt), CapabilityFieldTexts(std::nullopt),
                               PolicyFieldTexts(std::nullopt)})
        for (const FieldText& f : failed)
            EXPECT_EQ(f.text, "N/A") << f.controlId;
    EXPECT_EQ(CapabilityFieldTexts(std::nullopt).size(), 8u);
}

TEST(SysInfoTexts, NoSourceGivesElevenNotAvailable)
{
    const std::map<int, QString> fields = ById(SysInfoFieldTexts(nullptr));
    ASSERT_EQ(fields.size(), 11u);
    for (const auto& [id, text] : fields)
        EXPECT_EQ(text, "N/A") << id;
}

} // namespace
} // namespace ampora
