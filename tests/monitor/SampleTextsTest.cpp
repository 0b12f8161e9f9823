#include "monitor/SampleTexts.h"
#include "monitor/TextFormat.h"

#include <gtest/gtest.h>

#include <climits>

namespace ampora {
namespace {

struct FlagCase {
    const char* name;
    uint8_t flag;
    const char* text;
};

void PrintTo(const FlagCase& c, std::ostream* os)
{
    *os << c.name;
}

class BatteryStatusTextTest : public ::testing::TestWithParam<FlagCase> {};

TEST_P(BatteryStatusTextTest, JoinsTheWordsOfTheSetBits)
{
    EXPECT_EQ(BatteryStatusText(GetParam().flag), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Flags, BatteryStatusTextTest,
    ::testing::Values(
        FlagCase{"High", 0x01, "High"},
        FlagCase{"HighCharging", 0x09, "High Charge"},
        FlagCase{"LowCharging", 0x0A, "Low Charge"},
        FlagCase{"ChargingNoBattery", 0x88, "Charge No battery"},
        FlagCase{"EveryWord", 0x8F, "High Low Critical Charge No battery"},
        FlagCase{"CriticalWithSilentBits", 0x74, "Critical"},
        FlagCase{"OnlySilentBit", 0x10, ""},
        FlagCase{"Zero", 0x00, "Unknow"},
        FlagCase{"Unknown", 0xFF, "Unknow"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PowerSourceText, NamesBatteryMainsOrUnknown)
{
    EXPECT_EQ(PowerSourceText(0), "Battery");
    EXPECT_EQ(PowerSourceText(1), "A/C");
    EXPECT_EQ(PowerSourceText(2), "Unknow");
    EXPECT_EQ(PowerSourceText(255), "Unknow");
}

TEST(NumberTexts, ShowUnitsAndUnknownMarkers)
{
    EXPECT_EQ(LifePercentText(87), "87 %");
    EXPECT_EQ(LifePercentText(255), "255 %");
    EXPECT_EQ(CapacityText(0), "0 mW/H");
    EXPECT_EQ(CapacityText(-1), "N/A");
    EXPECT_EQ(CapacityText(-2), "-2 mW/H");
    EXPECT_EQ(CapacityText(INT32_MAX), "2147483647 mW/H");
    EXPECT_EQ(VoltageText(11400), "11400 mV");
    EXPECT_EQ(VoltageText(-1), "N/A");
}

struct RateCase {
    const char* name;
    int32_t rate;
    int32_t fullCapacity;
    const char* text;
};

void PrintTo(const RateCase& c, std::ostream* os)
{
    *os << c.name;
}

class RateTextTest : public ::testing::TestWithParam<RateCase> {};

TEST_P(RateTextTest, ShowsOnlyBelievableRates)
{
    EXPECT_EQ(RateText(GetParam().rate, GetParam().fullCapacity), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Rates, RateTextTest,
    ::testing::Values(
        RateCase{"SmallDischarge", -15, 8, "-15 mW/H"},
        RateCase{"DischargeNearBound", -1999, 1000, "-1999 mW/H"},
        RateCase{"DischargeAtBound", -2000, 1000, "N/A"},
        RateCase{"DischargeBeyondBound", -15, 7, "N/A"},
        RateCase{"ZeroWithCapacity", 0, 1, "0 mW/H"},
        RateCase{"ZeroWithoutBattery", 0, 0, "N/A"},
        RateCase{"Charging", 25000, 50000, "25000 mW/H"},
        RateCase{"MinusOneIsUnknown", -1, 50000, "N/A"},
        RateCase{"UnknownRate", kUnknownRate, 50000, "N/A"},
        // -2 x the capacity must not wrap around in 32 bits.
        RateCase{"UnknownRateHugeCapacity", kUnknownRate, INT32_MAX, "N/A"},
        RateCase{"DeepDischargeHugeCapacity", INT32_MIN + 1, INT32_MAX, "-2147483647 mW/H"},
        RateCase{"MostNegativeCapacity", INT32_MAX, INT32_MIN, "N/A"},
        RateCase{"UnknownCapacity", 3, -1, "3 mW/H"},
        RateCase{"DischargeWithUnknownCapacity", -1500, -1, "-1500 mW/H"},
        RateCase{"UnknownRateWithUnknownCapacity", -1, -1, "N/A"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DurationText, DropsWholeDays)
{
    EXPECT_EQ(DurationText(0), "00:00:00");
    EXPECT_EQ(DurationText(3600), "01:00:00");
    EXPECT_EQ(DurationText(25 * 3600), "01:00:00");
    EXPECT_EQ(DurationText(86400 + 3600 + 60 + 1), "01:01:01");
    EXPECT_EQ(DurationText(86399), "23:59:59");
    EXPECT_EQ(DurationText(0xFFFFFFFEu), "06:28:14");
}

TEST(TimeTexts, UnknownLifeTimeIsNotAvailable)
{
    EXPECT_EQ(TimeRemainingText(3600), "01:00:00");
    EXPECT_EQ(TimeRemainingText(kUnknownLifeTime), "N/A");
}

TEST(TotalTimeText, PrefersTheFullLifeTimeThenEstimates)
{
    EXPECT_EQ(TotalTimeText(7200, 600, 10), "02:00:00");
    EXPECT_EQ(TotalTimeText(kUnknownLifeTime, 3600, 50), "02:00:00");
    EXPECT_EQ(TotalTimeText(kUnknownLifeTime, 3600, 255), "00:23:31"); // unknown percent is used as it is
    EXPECT_EQ(TotalTimeText(kUnknownLifeTime, kUnknownLifeTime, 50), "N/A");
}

TEST(TotalTimeText, ZeroPercentDoesNotDivide)
{
    EXPECT_EQ(TotalTimeText(kUnknownLifeTime, 3600, 0), "N/A");
    EXPECT_EQ(TotalTimeText(7200, 3600, 0), "02:00:00");
}

TEST(MakePanelTexts, MachineWithoutBattery)
{
    SystemPowerStatus status;
    status.ACLineStatus = 1;
    status.BatteryFlag = BATTERY_FLAG_NO_BATTERY;
    const PanelTexts expected{"A/C", "No battery", "255 %", "0 mW/H", "0 mW/H", "N/A", "0 mV", "N/A", "N/A"};
    EXPECT_EQ(MakePanelTexts(status, BatteryTotals{}), expected);
}

TEST(MakePanelTexts, DischargingBatteryInPanelOrder)
{
    const SystemPowerStatus status{0, BATTERY_FLAG_HIGH, 50, 0, 3600, kUnknownLifeTime};
    const BatteryTotals totals{52000, 48000, 24000, 11400, -12000};
    const PanelTexts expected{"Battery", "High", "50 %", "48000 mW/H", "24000 mW/H", "-12000 mW/H",
                              "11400 mV", "01:00:00", "02:00:00"};
    EXPECT_EQ(MakePanelTexts(status, totals), expected);
}

TEST(MakeSample, TakesTotalsAndStatusWithoutTheRate)
{
    const SystemPowerStatus status{0, BATTERY_FLAG_LOW, 200, 0, 3600, kUnknownLifeTime};
    const BatteryTotals totals{52000, 48000, 24000, 11400, -12000};
    const Sample s = MakeSample(130, status, totals);
    EXPECT_EQ(s.tick, 130);
    EXPECT_EQ(s.designedCapacity, 52000);
    EXPECT_EQ(s.fullChargedCapacity, 48000);
    EXPECT_EQ(s.reserved, 0);
    EXPECT_EQ(s.remainingCapacity, 24000);
    EXPECT_EQ(s.voltage, 11400);
    EXPECT_EQ(s.batteryLifeTime, 3600);
    EXPECT_EQ(s.batteryFullLifeTime, -1); // the Total time estimate is never stored
    EXPECT_EQ(s.batteryLifePercent, 200); // widened without sign
}

} // namespace
} // namespace ampora
