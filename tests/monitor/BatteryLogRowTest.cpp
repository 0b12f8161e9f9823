#include "monitor/BatteryLog.h"
#include "monitor/SampleTexts.h"

#include <gtest/gtest.h>

namespace ampora {
namespace {

std::tm LocalTime(int day, int month, int year, int hour, int minute, int second)
{
    std::tm t{};
    t.tm_mday = day;
    t.tm_mon = month - 1;
    t.tm_year = year - 1900;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

struct RowCase {
    const char* name;
    std::tm time;
    SystemPowerStatus status;
    BatteryTotals totals;
    const char* row;
};

void PrintTo(const RowCase& c, std::ostream* os)
{
    *os << c.name;
}

class BuildLogRowTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(BuildLogRowTest, MatchesTheBytes)
{
    const RowCase& c = GetParam();
    EXPECT_EQ(BuildLogRow(c.time, c.status, c.totals), c.row);
}

// SystemPowerStatus: AC, flag, percent, reserved, life time, full life time.
// BatteryTotals: design, full, remaining, voltage, rate.
INSTANTIATE_TEST_SUITE_P(Rows, BuildLogRowTest,
    ::testing::Values(
        RowCase{"Discharging", LocalTime(8, 10, 2008, 14, 5, 30),
                {0, 1, 87, 0, 3600, kUnknownLifeTime}, {52000, 50000, 43500, 11400, -15000},
                "\r\n 08:10:2008\t14:05:30\t87 %\t\t\t50000 mW/H\t\t43500 mW/H\t\t-15000 mW/H"
                "\t\t11400 mV\t\t01:00:00\t\t01:08:57"},
        RowCase{"FullCapacityUnknown", LocalTime(1, 2, 2024, 9, 0, 0),
                {0, 2, 20, 0, 1200, 6000}, {52000, -1, 43500, 11400, -15000},
                // Without a full capacity there is nothing to bound the rate by: it is shown.
                "\r\n 01:02:2024\t09:00:00\t20 %\t\t\tN/A\t\t\t43500 mW/H\t\t-15000 mW/H\t\t11400 mV"
                "\t\t00:20:00\t\t01:40:00"},
        RowCase{"RateZero", LocalTime(1, 2, 2024, 0, 0, 5),
                {1, 9, 100, 0, kUnknownLifeTime, kUnknownLifeTime}, {52000, 50000, 50000, 12600, 0},
                "\r\n 01:02:2024\t00:00:05\t100 %\t\t\t50000 mW/H\t\t50000 mW/H\t\t0 mW/H\t\t\t12600 mV"
                "\t\tN/A\t\t\tN/A"},
        RowCase{"EveryValueUnknown", LocalTime(31, 12, 1999, 23, 59, 59),
                SystemPowerStatus{}, {-1, -1, -1, -1, kUnknownRate},
                "\r\n 31:12:1999\t23:59:59\t255 %\t\t\tN/A\t\t\tN/A\t\t\tN/A\t\t\tN/A\t\t\tN/A\t\t\tN/A"},
        RowCase{"NoBattery", LocalTime(5, 6, 2025, 12, 30, 0),
                {1, 128, 255, 0, kUnknownLifeTime, kUnknownLifeTime}, BatteryTotals{},
                "\r\n 05:06:2025\t12:30:00\t255 %\t\t\t0 mW/H\t\t0 mW/H\t\tN/A\t\t\t0 mV\t\tN/A\t\t\tN/A"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace ampora
