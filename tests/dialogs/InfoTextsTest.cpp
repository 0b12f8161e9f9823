// The Battery info field rules, without a window.
#include "dialogs/InfoTexts.h"

#include <gtest/gtest.h>

#include <ostream>

namespace ampora {
namespace {

struct StatusCase {
    const char* name;
    int32_t powerState;
    int32_t fullCapacity;
    const char* text;
};
void PrintTo(const StatusCase& c, std::ostream* os) { *os << c.name; }

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
void PrintTo(const RateCase& c, std::ostream* os) { *os << c.name; }

class RateText : public testing::TestWithParam<RateCase> {};

TEST_P(RateText, MilliwattsOrNotAvailable)
{
    const RateCase& c = GetParam();
    EXPECT_EQ(ChargeRateText(c.rate, c.fullCapacity), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    BatteryInfo, RateText,
    testing::Values(RateCase{"Zero", 0, 50000, "0 mW"},
                    RateCase{"Discharging", -15000, 50000, "-15000 mW"},
                    RateCase{"MinusOneUnknown", -1, 50000, "N/A"},
                    RateCase{"DriverUnknownMarker", INT32_MIN, 50000, "N/A"},
                    RateCase{"TwiceFullCapacity", -100000, 50000, "N/A"},
                    RateCase{"JustBelowTwiceFullCapacity", -99999, 50000, "-99999 mW"}),
    [](const auto& info) { return std::string(info.param.name); });

struct TimeCase {
    const char* name;
    int32_t seconds;
    const char* text;
};
void PrintTo(const TimeCase& c, std::ostream* os) { *os << c.name; }

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

// Full over design capacity, one decimal; no health without both capacities.
TEST(BatteryInfoTexts, HealthIsFullOverDesignOrNotAvailable)
{
    EXPECT_EQ(HealthText(45000, 40000), "88.9 %");
    EXPECT_EQ(HealthText(93960, 94860), "101.0 %");
    EXPECT_EQ(HealthText(-1, 40000), "N/A");
    EXPECT_EQ(HealthText(45000, -1), "N/A");
    EXPECT_EQ(HealthText(0, 40000), "N/A");
}

} // namespace
} // namespace ampora
