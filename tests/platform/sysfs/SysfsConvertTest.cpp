// The pure conversion of power-supply attributes into driver answers and power status.
#include "battery/BatteryRecord.h"
#include "platform/DriverText.h"
#include "platform/sysfs/SysfsConvert.h"

#include "tests/TableRows.h"

#include <gtest/gtest.h>

namespace ampora {
namespace {

using namespace std::string_literals;
using Values = std::map<std::string, std::string, std::less<>>;

SupplyAttributes Supply(Values values, std::string name = "BAT0")
{
    return {std::move(name), std::move(values)};
}

// A typical energy battery; tests change what they look at.
Values EnergyBattery()
{
    return {{"type", "Battery\n"}, {"present", "1\n"}, {"status", "Discharging\n"},
            {"energy_full_design", "60000000\n"}, {"energy_full", "50000000\n"},
            {"energy_now", "25000000\n"}, {"power_now", "10000000\n"}, {"voltage_now", "12000000\n"}};
}

Values With(Values values, const Values& changes, const std::vector<std::string>& removed = {})
{
    for (const auto& [key, value] : changes)
        values[key] = value;
    for (const std::string& key : removed)
        values.erase(key);
    return values;
}

struct ParseCase {
    const char* name;
    std::string text;
    std::optional<int64_t> expected;
};

class ParseIntegerTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseIntegerTest, Parses)
{
    EXPECT_EQ(ParseInteger(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ParseIntegerTest,
    ::testing::Values(
        ParseCase{"WithNewline", "42\n", 42},
        ParseCase{"Negative", " -7 ", -7},
        ParseCase{"Plus", "+5", 5},
        ParseCase{"Max", "9223372036854775807", INT64_MAX},
        ParseCase{"Empty", "", std::nullopt},
        ParseCase{"Blank", " \n", std::nullopt},
        ParseCase{"Word", "abc", std::nullopt},
        ParseCase{"TrailingGarbage", "12abc", std::nullopt},
        ParseCase{"TwoNumbers", "1 2", std::nullopt},
        ParseCase{"Overflow", "99999999999999999999", std::nullopt},
        ParseCase{"PlusMinus", "+-5", std::nullopt},
        ParseCase{"SignOnly", "-", std::nullopt},
        ParseCase{"Decimal", "1.5", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CleanTextTest, StripsWhitespaceAndDropsInvalidUtf8)
{
    EXPECT_EQ(CleanText("  Bad\xff\xfeName \n"), "BadName");
    EXPECT_EQ(CleanText("\t\xC3\xA9t\xC3\xA9\r\n"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(CleanText(" \n"), "");
}

struct RoleCase {
    const char* name;
    Values values;
    SupplyRole expected;
};

class ClassifySupplyTest : public ::testing::TestWithParam<RoleCase> {};

TEST_P(ClassifySupplyTest, Role)
{
    EXPECT_EQ(ClassifySupply(Supply(GetParam().values)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Roles, ClassifySupplyTest,
    ::testing::Values(
        RoleCase{"Battery", {{"type", "Battery\n"}}, SupplyRole::Battery},
        RoleCase{"SystemScopeBattery", {{"type", "Battery\n"}, {"scope", "System\n"}}, SupplyRole::Battery},
        RoleCase{"PeripheralBattery", {{"type", "Battery\n"}, {"scope", "Device\n"}}, SupplyRole::Ignored},
        RoleCase{"Mains", {{"type", "Mains\n"}, {"online", "1\n"}}, SupplyRole::PowerSource},
        RoleCase{"UsbPort", {{"type", "USB\n"}, {"online", "0\n"}}, SupplyRole::PowerSource},
        RoleCase{"PeripheralCharger", {{"type", "USB\n"}, {"scope", "Device\n"}, {"online", "1\n"}}, SupplyRole::Ignored},
        RoleCase{"NoOnline", {{"type", "Mains\n"}}, SupplyRole::Ignored},
        RoleCase{"NoType", {}, SupplyRole::Ignored}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConvertFiguresTest, EnergyBattery)
{
    const BatteryFigures f = ConvertFigures(Supply(EnergyBattery()));
    EXPECT_TRUE(f.present);
    EXPECT_EQ(f.state, ChargeState::Discharging);
    EXPECT_EQ(f.designMwh, 60000u);
    EXPECT_EQ(f.fullMwh, 50000u);
    EXPECT_EQ(f.nowMwh, 25000u);
    EXPECT_EQ(f.voltageMv, 12000u);
    EXPECT_EQ(f.rateMw, 10000u);
    EXPECT_EQ(f.percent, 50u);
    EXPECT_FALSE(f.critical);
}

TEST(ConvertFiguresTest, ChargeBatteryConvertsIn64Bits)
{
    // 5.8 Ah × 11.4 V: the product in µAh·µV is far beyond 32 bits.
    const BatteryFigures f = ConvertFigures(Supply(
        {{"type", "Battery"}, {"status", "Discharging"}, {"charge_full_design", "5800000"},
         {"charge_full", "5000000"}, {"charge_now", "2500000"}, {"current_now", "1000000"},
         {"voltage_max_design", "11400000"}, {"voltage_min_design", "10800000"}, {"voltage_now", "12000000"},
         {"energy_now", "99000000"}, {"alarm", "200000"}}));
    EXPECT_EQ(f.designMwh, 66120u);
    EXPECT_EQ(f.fullMwh, 57000u);
    EXPECT_EQ(f.nowMwh, 28500u) << "the stray energy_now is ignored";
    EXPECT_EQ(f.alarmMwh, 2280u);
    EXPECT_EQ(f.rateMw, 11400u);
    EXPECT_EQ(f.voltageMv, 12000u);
}

struct VoltageCase {
    const char* name;
    Values voltages;
    std::optional<uint32_t> fullMwh;
};

class ChargeVoltageTest : public ::testing::TestWithParam<VoltageCase> {};

TEST_P(ChargeVoltageTest, FirstVoltageAboveOneVolt)
{
    const Values battery = With({{"type", "Battery"}, {"charge_full", "2000000"}}, GetParam().voltages);
    EXPECT_EQ(ConvertFigures(Supply(battery)).fullMwh, GetParam().fullMwh);
}

INSTANTIATE_TEST_SUITE_P(
    Voltages, ChargeVoltageTest,
    ::testing::Values(
        VoltageCase{"MaxDesignFirst", {{"voltage_max_design", "12000000"}, {"voltage_min_design", "10000000"}}, 24000u},
        VoltageCase{"ZeroMaxDesignSkipped", {{"voltage_max_design", "0"}, {"voltage_min_design", "10000000"}}, 20000u},
        VoltageCase{"NowLast", {{"voltage_min_design", "900000"}, {"voltage_now", "11000000"}}, 22000u},
        VoltageCase{"GarbageSkipped", {{"voltage_max_design", "x"}, {"voltage_now", "11000000"}}, 22000u},
        VoltageCase{"NoneAboveOneVolt", {{"voltage_now", "1000000"}}, std::nullopt},
        VoltageCase{"ProductOverflow", {{"voltage_now", "9223372036854775807"}}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct RateCase {
    const char* name;
    Values changes;
    std::vector<std::string> removed;
    std::optional<uint32_t> rateMw;
    ChargeState state;
};

class RateTest : public ::testing::TestWithParam<RateCase> {};

TEST_P(RateTest, MagnitudeAndState)
{
    const BatteryFigures f = ConvertFigures(Supply(With(EnergyBattery(), GetParam().changes, GetParam().removed)));
    EXPECT_EQ(f.rateMw, GetParam().rateMw);
    EXPECT_EQ(f.state, GetParam().state);
}

INSTANTIATE_TEST_SUITE_P(
    Rates, RateTest,
    ::testing::Values(
        RateCase{"PowerNow", {}, {}, 10000u, ChargeState::Discharging},
        RateCase{"NegativePowerIsMagnitude", {{"power_now", "-8000000"}}, {}, 8000u, ChargeState::Discharging},
        RateCase{"Charging", {{"status", "Charging"}}, {}, 10000u, ChargeState::Charging},
        RateCase{"AtThreeHundredWatts", {{"power_now", "300000000"}}, {}, 300000u, ChargeState::Discharging},
        RateCase{"AboveThreeHundredWattsUnknown", {{"power_now", "300001000"}}, {}, std::nullopt, ChargeState::Discharging},
        RateCase{"CurrentTimesVoltageWithoutPower", {{"current_now", "1000000"}}, {"power_now"}, 12000u,
                 ChargeState::Discharging},
        RateCase{"CurrentTimesVoltageWhenPowerIsZero", {{"power_now", "0"}, {"current_now", "-500000"}}, {}, 6000u,
                 ChargeState::Discharging},
        RateCase{"AveragesWithoutNowValues", {{"current_avg", "250000"}, {"voltage_avg", "11000000"}},
                 {"power_now", "voltage_now"}, 2750u, ChargeState::Discharging},
        RateCase{"NegativeCurrentWhileChargingIsDischarging", {{"status", "Charging"}, {"current_now", "-400000"}},
                 {}, 10000u, ChargeState::Discharging},
        RateCase{"NegativeCurrentMeansDischarging", {{"status", "Unknown"}, {"current_now", "-5"}}, {},
                 10000u, ChargeState::Discharging},
        RateCase{"NegativeCurrentWhenNotCharging", {{"status", "Not charging"}, {"current_now", "-5"}}, {},
                 10000u, ChargeState::Discharging},
        RateCase{"FullStaysIdle", {{"status", "Full"}, {"current_now", "-5"}}, {}, 10000u, ChargeState::Idle},
        RateCase{"NoStatus", {}, {"status"}, 10000u, ChargeState::Unknown},
        RateCase{"PowerGarbage", {{"power_now", "lots"}}, {}, std::nullopt, ChargeState::Discharging}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConvertFiguresTest, ChargeBatteryRateFromCurrentAndVoltage)
{
    const BatteryFigures f = ConvertFigures(Supply(
        {{"type", "Battery"}, {"status", "Unknown"}, {"charge_now", "1000000"},
         {"voltage_min_design", "10000000"}, {"current_now", "-2000000"}}));
    EXPECT_EQ(f.rateMw, 20000u);
    EXPECT_EQ(f.state, ChargeState::Discharging);
}

TEST(ConvertFiguresTest, ChargeBatteryWithoutDesignVoltageKeepsItsFirstVoltage)
{
    // bq27xxx: charges and no design voltage. The ratings must not follow voltage_now.
    ChargeVoltages voltages;
    const Values first = {{"type", "Battery"}, {"charge_full_design", "3000000"}, {"charge_full", "2000000"},
                          {"charge_now", "1000000"}, {"voltage_now", "4000000"}};
    EXPECT_EQ(ConvertFigures(Supply(first), &voltages).designMwh, 12000u);
    const BatteryFigures later = ConvertFigures(Supply(With(first, {{"voltage_now", "3600000"}})), &voltages);
    EXPECT_EQ(later.designMwh, 12000u);
    EXPECT_EQ(later.fullMwh, 8000u);
    EXPECT_EQ(later.voltageMv, 3600u) << "the voltage shown is still the present one";
    EXPECT_EQ(ConvertFigures(Supply(With(first, {{"voltage_now", "3600000"}}), "BAT1"), &voltages).designMwh, 10800u)
        << "each battery keeps its own";
}

TEST(ConvertFiguresTest, ChargeBatteryWithoutDesignVoltageTakesTheGaugesEnergy)
{
    const BatteryFigures f = ConvertFigures(Supply({{"type", "Battery"}, {"charge_full", "2000000"},
                                                    {"charge_now", "1000000"}, {"energy_now", "3900000"},
                                                    {"voltage_now", "4000000"}}));
    EXPECT_EQ(f.nowMwh, 3900u);
    EXPECT_EQ(f.fullMwh, 8000u);
}

TEST(ConvertFiguresTest, CapacityOnlyBatteryHasARateFromCurrentAndVoltage)
{
    const BatteryFigures f = ConvertFigures(Supply({{"type", "Battery"}, {"capacity", "82"}, {"status", "Discharging"},
                                                    {"current_now", "523000"}, {"voltage_now", "3862000"}}));
    EXPECT_EQ(f.rateMw, 2019u); // 0.523 A x 3.862 V
    EXPECT_EQ(f.nowMwh, std::nullopt);
}

TEST(ConvertFiguresTest, NowAboveFullRaisesFullAndFullAboveDesignStands)
{
    const BatteryFigures f = ConvertFigures(Supply(
        With(EnergyBattery(), {{"energy_full", "70000000"}, {"energy_now", "72000000"}})));
    EXPECT_EQ(f.designMwh, 60000u);
    EXPECT_EQ(f.fullMwh, 72000u);
    EXPECT_EQ(f.percent, 100u);
}

TEST(ConvertFiguresTest, CapacityOnlyBatteryGivesPercentButNoEnergies)
{
    const BatteryFigures f = ConvertFigures(Supply({{"type", "Battery"}, {"capacity", "3"}, {"status", "Discharging"}}));
    EXPECT_EQ(f.percent, 3u);
    EXPECT_EQ(f.nowMwh, std::nullopt);
    EXPECT_EQ(f.fullMwh, std::nullopt);
    EXPECT_TRUE(f.critical);
}

TEST(ConvertFiguresTest, CapacityAndFullDeriveNow)
{
    const BatteryFigures f = ConvertFigures(Supply(With(EnergyBattery(), {{"capacity", "40"}}, {"energy_now"})));
    EXPECT_EQ(f.nowMwh, 20000u);
    EXPECT_EQ(f.percent, 40u);
}

TEST(ConvertFiguresTest, GarbageIsUnknownNotZero)
{
    const BatteryFigures f = ConvertFigures(Supply(With(
        EnergyBattery(), {{"energy_full_design", "-5"}, {"energy_now", "1e6"}, {"capacity", "101"},
                          {"voltage_now", "99999999999999999999"}, {"present", "x"}})));
    EXPECT_TRUE(f.present);
    EXPECT_EQ(f.designMwh, std::nullopt);
    EXPECT_EQ(f.nowMwh, std::nullopt);
    EXPECT_EQ(f.voltageMv, std::nullopt);
    EXPECT_EQ(f.percent, std::nullopt);
}

TEST(ConvertFiguresTest, CriticalFromCapacityLevel)
{
    EXPECT_TRUE(ConvertFigures(Supply(With(EnergyBattery(), {{"capacity_level", "Critical\n"}}))).critical);
    EXPECT_FALSE(ConvertFigures(Supply(With(EnergyBattery(), {{"capacity_level", "Low\n"}}))).critical);
}

TEST(ConvertBatteryTest, AbsentBatteryAnswersNothing)
{
    const SysfsBatteryAnswers a = ConvertBattery(Supply(With(EnergyBattery(), {{"present", "0\n"}})), 1);
    EXPECT_FALSE(a.present);
    EXPECT_FALSE(a.information);
    EXPECT_FALSE(a.status);
    EXPECT_FALSE(a.estimatedTime);
}

TEST(ConvertBatteryTest, TextsAreDriverTextsAndTheUniqueIdJoinsThem)
{
    const SysfsBatteryAnswers a = ConvertBattery(
        Supply(With(EnergyBattery(), {{"model_name", " 5B10 \n"}, {"manufacturer", "SMP\n"}, {"serial_number", "\n"}})),
        255);
    EXPECT_EQ(a.deviceName, Utf8ToDriverText("5B10"));
    EXPECT_EQ(a.manufacturer, Utf8ToDriverText("SMP"));
    EXPECT_EQ(a.serialNumber, std::nullopt) << "an empty text is not an answer";
    EXPECT_EQ(a.uniqueId, Utf8ToDriverText("SMP-5B10"));

    const SysfsBatteryAnswers all = ConvertBattery(
        Supply(With(EnergyBattery(), {{"model_name", "M"}, {"manufacturer", "F"}, {"serial_number", "S"}})), 255);
    EXPECT_EQ(all.uniqueId, Utf8ToDriverText("F-M-S"));
    EXPECT_EQ(ConvertBattery(Supply(EnergyBattery()), 255).uniqueId, std::nullopt);
}

TEST(ConvertBatteryTest, InformationInDriverUnits)
{
    const SysfsBatteryAnswers a = ConvertBattery(
        Supply(With(EnergyBattery(), {{"technology", "Li-ion\n"}, {"cycle_count", "77"}, {"alarm", "3000000"}})), 0);
    ASSERT_TRUE(a.information);
    EXPECT_EQ(a.information->technology, 1);
    EXPECT_EQ(std::string(a.information->chemistry, 4), "LION");
    EXPECT_EQ(a.information->designedCapacity, 60000u);
    EXPECT_EQ(a.information->fullChargedCapacity, 50000u);
    EXPECT_EQ(a.information->defaultAlert1, 3000u);
    EXPECT_EQ(a.information->cycleCount, 77u);
    ASSERT_TRUE(a.granularity);
    EXPECT_EQ(a.granularity->capacity, 60000u);
}

TEST(ConvertBatteryTest, UnknownDesignFailsGranularityAndMarksInformation)
{
    const SysfsBatteryAnswers a = ConvertBattery(
        Supply(With(EnergyBattery(), {{"technology", "Unknown"}}, {"energy_full_design", "energy_full"})), 0);
    EXPECT_FALSE(a.granularity);
    ASSERT_TRUE(a.information);
    EXPECT_EQ(a.information->designedCapacity, kDriverUnknown);
    EXPECT_EQ(a.information->fullChargedCapacity, kDriverUnknown);
    EXPECT_EQ(std::string(a.information->chemistry, 4), "\0\0\0\0"s);
}

struct TemperatureCase {
    const char* name;
    const char* temp;
    std::optional<uint32_t> tenthsKelvin;
};

class TemperatureTest : public ::testing::TestWithParam<TemperatureCase> {};

TEST_P(TemperatureTest, TenthsOfAKelvin)
{
    EXPECT_EQ(ConvertBattery(Supply(With(EnergyBattery(), {{"temp", GetParam().temp}})), 0).temperature,
              GetParam().tenthsKelvin);
}

INSTANTIATE_TEST_SUITE_P(
    Temperatures, TemperatureTest,
    ::testing::Values(TemperatureCase{"Warm", "312\n", 3044u}, TemperatureCase{"Freezing", "0", 2732u},
                      TemperatureCase{"BelowZero", "-100", 2632u}, TemperatureCase{"Garbage", "hot", std::nullopt},
                      TemperatureCase{"BelowAbsoluteZero", "-3000", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct TimeCase {
    const char* name;
    Values changes;
    uint32_t seconds;
};

class EstimatedTimeTest : public ::testing::TestWithParam<TimeCase> {};

TEST_P(EstimatedTimeTest, Seconds)
{
    EXPECT_EQ(ConvertBattery(Supply(With(EnergyBattery(), GetParam().changes)), 0).estimatedTime, GetParam().seconds);
}

INSTANTIATE_TEST_SUITE_P(
    Times, EstimatedTimeTest,
    ::testing::Values(
        TimeCase{"KernelsOwnFirst", {{"time_to_empty_now", "4000"}}, 4000u},
        TimeCase{"ComputedWhileDischarging", {}, 9000u},
        TimeCase{"UnknownWhileCharging", {{"status", "Charging"}}, kDriverUnknown},
        TimeCase{"UnknownWithoutRate", {{"power_now", "0"}}, kDriverUnknown},
        TimeCase{"GarbageKernelTimeFallsBack", {{"time_to_empty_now", "-1"}}, 9000u}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConvertBatteryTest, StatusCarriesSignStateAndMarkers)
{
    const SysfsBatteryAnswers discharging = ConvertBattery(Supply(EnergyBattery()), 0);
    ASSERT_TRUE(discharging.status);
    EXPECT_EQ(discharging.status->rate, -10000);
    EXPECT_EQ(discharging.status->capacity, 25000u);
    EXPECT_EQ(discharging.status->voltage, 12000u);
    EXPECT_EQ(discharging.status->powerState, uint32_t{BATTERY_DISCHARGING});

    const SysfsBatteryAnswers charging =
        ConvertBattery(Supply(With(EnergyBattery(), {{"status", "Charging"}, {"capacity_level", "Critical"}})), 1);
    EXPECT_EQ(charging.status->rate, 10000);
    EXPECT_EQ(charging.status->powerState, uint32_t{BATTERY_POWER_ON_LINE | BATTERY_CHARGING | BATTERY_CRITICAL});

    const SysfsBatteryAnswers unknown =
        ConvertBattery(Supply({{"type", "Battery"}, {"capacity", "50"}}), 255);
    EXPECT_EQ(unknown.status->rate, kUnknownRate);
    EXPECT_EQ(unknown.status->capacity, kDriverUnknown);
    EXPECT_EQ(unknown.status->voltage, kDriverUnknown);
    EXPECT_EQ(unknown.status->powerState, 0u);
}

// An empty status says nothing about the sign: a falling level says discharging, a rising or
// first level leaves it unknown (a positive rate). Every reading of one level gives one answer.
TEST(ConvertBatteryTest, EmptyStatusWithAFallingLevelIsDischarging)
{
    ChargeVoltages kept;
    const auto rateAt = [&](const char* energyNow, const char* status = "") {
        return ConvertBattery(Supply(With(EnergyBattery(), {{"status", status}, {"energy_now", energyNow}})), 0, &kept)
            .status->rate;
    };
    EXPECT_EQ(rateAt("25000000"), 10000) << "one reading shows no direction";
    EXPECT_EQ(rateAt("24990000"), -10000);
    EXPECT_EQ(rateAt("24990000"), -10000) << "the same level keeps the last direction";
    EXPECT_EQ(rateAt("24980000", "Unknown\n"), -10000);
    EXPECT_EQ(rateAt("25500000"), 10000);
    EXPECT_EQ(rateAt("25400000", "Full"), 10000) << "a status that says something wins";
}

TEST(ConvertBatteryTest, ManufactureDateNeedsAllThreeInRange)
{
    const Values date = {{"manufacture_year", "2021"}, {"manufacture_month", "7"}, {"manufacture_day", "14"}};
    const auto converted = ConvertBattery(Supply(With(EnergyBattery(), date)), 0).manufactureDate;
    ASSERT_TRUE(converted);
    EXPECT_EQ(converted->year, 2021);
    EXPECT_EQ(converted->month, 7);
    EXPECT_EQ(converted->day, 14);
    EXPECT_FALSE(ConvertBattery(Supply(With(EnergyBattery(), With(date, {{"manufacture_month", "13"}}))), 0).manufactureDate);
    EXPECT_FALSE(ConvertBattery(Supply(With(EnergyBattery(), With(date, {}, {"manufacture_day"}))), 0).manufactureDate);
}

struct ACCase {
    const char* name;
    std::vector<Values> supplies;
    uint8_t expected;
};

class ACLineStatusTest : public ::testing::TestWithParam<ACCase> {};

TEST_P(ACLineStatusTest, FromSupplies)
{
    std::vector<SupplyAttributes> supplies;
    for (const Values& values : GetParam().supplies)
        supplies.push_back(Supply(values, "S" + std::to_string(supplies.size())));
    EXPECT_EQ(ComputeACLineStatus(supplies), GetParam().expected);
}

const Values kMainsOnline = {{"type", "Mains"}, {"online", "1"}};
const Values kMainsOffline = {{"type", "Mains"}, {"online", "0"}};

INSTANTIATE_TEST_SUITE_P(
    Supplies, ACLineStatusTest,
    ::testing::Values(
        ACCase{"MainsOnline", {kMainsOnline, EnergyBattery()}, 1},
        ACCase{"MainsOffline", {kMainsOffline, EnergyBattery()}, 0},
        ACCase{"UsbOnlineTwo", {kMainsOffline, {{"type", "USB"}, {"online", "2"}}}, 1},
        ACCase{"AnyNonBatteryWithOnline", {{{"type", "Wireless"}, {"online", "1"}}}, 1},
        ACCase{"PeripheralOnlineIgnored",
               {kMainsOffline, {{"type", "Battery"}, {"scope", "Device"}, {"online", "1"}}}, 0},
        ACCase{"UnreadableOnlineIgnored", {{{"type", "Mains"}, {"online", "?"}}, EnergyBattery()}, 0},
        ACCase{"NoSourceNoBattery", {}, 1},
        ACCase{"NoSourceBatteryDischarging", {EnergyBattery()}, 0},
        ACCase{"NoSourceBatteryCharging", {With(EnergyBattery(), {{"status", "Charging"}})}, 1},
        ACCase{"NoSourceBatteryIdle", {With(EnergyBattery(), {{"status", "Unknown"}})}, 255}),
    [](const auto& info) { return std::string(info.param.name); });

struct FlagCase {
    const char* name;
    const char* capacity;
    const char* status;
    uint8_t flag;
};

class BatteryFlagTest : public ::testing::TestWithParam<FlagCase> {};

TEST_P(BatteryFlagTest, Thresholds)
{
    const Values battery = {{"type", "Battery"}, {"capacity", GetParam().capacity}, {"status", GetParam().status}};
    const SystemPowerStatus status = ComputePowerStatus({Supply(battery), Supply(kMainsOnline, "AC")});
    EXPECT_EQ(status.BatteryFlag, GetParam().flag);
    EXPECT_EQ(status.ACLineStatus, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, BatteryFlagTest,
    ::testing::Values(
        FlagCase{"High", "67", "Full", BATTERY_FLAG_HIGH},
        FlagCase{"SixtySixIsNotHigh", "66", "Full", 0},
        FlagCase{"ThirtyThreeIsNotLow", "33", "Full", 0},
        FlagCase{"Low", "32", "Full", BATTERY_FLAG_LOW},
        FlagCase{"FiveIsOnlyLow", "5", "Full", BATTERY_FLAG_LOW},
        FlagCase{"Critical", "4", "Full", BATTERY_FLAG_LOW | BATTERY_FLAG_CRITICAL},
        FlagCase{"Charging", "50", "Charging", BATTERY_FLAG_CHARGING},
        FlagCase{"HighCharging", "90", "Charging", BATTERY_FLAG_HIGH | BATTERY_FLAG_CHARGING},
        FlagCase{"UnknownPercent", "x", "Charging", BATTERY_FLAG_UNKNOWN}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ComputePowerStatusTest, NoBattery)
{
    const SystemPowerStatus status =
        ComputePowerStatus({Supply({{"type", "Battery"}, {"present", "0"}}), Supply({{"type", "Battery"}, {"scope", "Device"}, {"capacity", "50"}})});
    EXPECT_EQ(status.BatteryFlag, BATTERY_FLAG_NO_BATTERY);
    EXPECT_EQ(status.BatteryLifePercent, 255);
    EXPECT_EQ(status.BatteryLifeTime, 0xFFFFFFFFu);
    EXPECT_EQ(status.ACLineStatus, 1);
}

TEST(ComputePowerStatusTest, TotalsOverBatteriesNotSumsOfTheirTimes)
{
    // 30 of 40 Wh at 10 W and 5 of 20 Wh at 5 W: 35 Wh at 15 W is 2 h 20 min, and 58 %.
    const Values a = With(EnergyBattery(), {{"energy_full", "40000000"}, {"energy_now", "30000000"}, {"power_now", "10000000"}});
    const Values b = With(EnergyBattery(), {{"energy_full", "20000000"}, {"energy_now", "5000000"}, {"power_now", "5000000"}});
    const SystemPowerStatus status = ComputePowerStatus({Supply(a, "BAT0"), Supply(b, "BAT1"), Supply(kMainsOffline, "AC")});
    EXPECT_EQ(status.ACLineStatus, 0);
    EXPECT_EQ(status.BatteryLifePercent, 58);
    EXPECT_EQ(status.BatteryLifeTime, 8400u);
    EXPECT_EQ(status.BatteryFullLifeTime, 0xFFFFFFFFu);
    EXPECT_EQ(status.BatteryFlag, 0);
}

TEST(ComputePowerStatusTest, LifeTimeOnlyWhileDischargingOffMains)
{
    EXPECT_EQ(ComputePowerStatus({Supply(EnergyBattery()), Supply(kMainsOnline, "AC")}).BatteryLifeTime, 0xFFFFFFFFu);
    EXPECT_EQ(ComputePowerStatus({Supply(With(EnergyBattery(), {{"status", "Charging"}}))}).BatteryLifeTime,
              0xFFFFFFFFu);
    EXPECT_EQ(ComputePowerStatus({Supply(With(EnergyBattery(), {}, {"power_now"}))}).BatteryLifeTime, 0xFFFFFFFFu);
}

TEST(ComputePowerStatusTest, KernelTimeToEmptyWhereTheRateIsUnknown)
{
    const Values battery = {{"type", "Battery"}, {"status", "Discharging"}, {"capacity", "71"},
                            {"time_to_empty_now", "48300"}, {"time_to_empty_avg", "55140"}};
    EXPECT_EQ(ComputePowerStatus({Supply(battery)}).BatteryLifeTime, 48300u);
    EXPECT_EQ(ComputePowerStatus({Supply(With(battery, {}, {"time_to_empty_now"}))}).BatteryLifeTime, 55140u);
    EXPECT_EQ(ComputePowerStatus({Supply(With(battery, {{"time_to_empty_now", "3932100"}}, {"time_to_empty_avg"}))})
                  .BatteryLifeTime,
              0xFFFFFFFFu)
        << "65535 minutes is the smart battery's 'not applicable'";
    EXPECT_EQ(ComputePowerStatus({Supply(With(battery, {{"status", "Charging"}}))}).BatteryLifeTime, 0xFFFFFFFFu);
}

TEST(ComputePowerStatusTest, CapacityOnlyBatteriesGiveTheirMeanPercent)
{
    const SystemPowerStatus status = ComputePowerStatus(
        {Supply({{"type", "Battery"}, {"capacity", "40"}}, "BAT0"), Supply({{"type", "Battery"}, {"capacity", "61"}}, "BAT1")});
    EXPECT_EQ(status.BatteryLifePercent, 51);
}

} // namespace
} // namespace ampora
