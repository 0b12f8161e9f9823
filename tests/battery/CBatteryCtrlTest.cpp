// CBatteryCtrl over the scripted fake back end: what it asks, in which order, and what it
// makes of every answer, failures included.
#include "platform/Backends.h"
#include "battery/CBatteryCtrl.h"
#include "platform/NarrowText.h"
#include "platform/fake/FakeBackend.h"

#include <QString>

#include "tests/TableRows.h"
#include "tests/battery/RecordChecks.h"

#include <gtest/gtest.h>

namespace ampora {
namespace {

using Level = BatteryQueryInformationLevel;

class CBatteryCtrlTest : public ::testing::Test {
protected:
    FakeBackend fake;
    Backends backends = MakeBackends(BackendKind::Fake, &fake);
    CBatteryCtrl ctrl{backends.driver.get()};

    BatteryRecord Record(unsigned number = 0) const
    {
        BatteryRecord record;
        record.deviceName = "stale"; // every fill starts from the reset state
        record.rate = 99;
        ctrl.GetBatteryRecord(&record, number);
        return record;
    }
    BatteryTotals Totals() const
    {
        BatteryTotals totals{1, 2, 3, 4, 5};
        EXPECT_EQ(ctrl.GetBatteryTotals(&totals), 0);
        return totals;
    }
};

TEST_F(CBatteryCtrlTest, NoBatteryGivesEmptyListResetRecordAndZeroTotals)
{
    ctrl.Enumerate();
    EXPECT_EQ(ctrl.GetBatteryCount(), 0);
    test::ExpectRecord(Record(0), BatteryRecord{});
    EXPECT_EQ(Totals(), BatteryTotals{});
    EXPECT_EQ(fake.Counts().openAttempts, 0);
}

TEST_F(CBatteryCtrlTest, EnumerateTwiceListsEachBatteryOnce)
{
    fake.AddBattery(FakeBattery::Typical());
    fake.AddBattery(FakeBattery::Typical());
    ctrl.Enumerate();
    ctrl.Enumerate();
    EXPECT_EQ(ctrl.DevicePaths(), (std::vector<std::string>{"fake:BAT0", "fake:BAT1"}));
}

TEST_F(CBatteryCtrlTest, ListsOnlyDevicesThatOpenAndAnswerTheTag)
{
    FakeBattery refusesTag = FakeBattery::Typical({.path = "refuses-tag"});
    refusesTag.answersTag = false;
    FakeBattery doesNotOpen = FakeBattery::Typical({.path = "does-not-open"});
    doesNotOpen.opens = false;
    fake.AddBattery(refusesTag);
    fake.AddBattery(FakeBattery::Typical({.path = "good"}));
    fake.AddBattery(doesNotOpen);

    ctrl.Enumerate();
    EXPECT_EQ(ctrl.DevicePaths(), std::vector<std::string>{"good"});
    EXPECT_FALSE(ctrl.ProbeDevice("refuses-tag"));
    EXPECT_FALSE(ctrl.ProbeDevice("nowhere"));
    EXPECT_TRUE(ctrl.ProbeDevice("good"));
}

TEST_F(CBatteryCtrlTest, ProbeAsksForTheTagAtOnceAndClosesEveryDevice)
{
    fake.AddBattery(FakeBattery::Typical());
    ctrl.Enumerate();
    ASSERT_EQ(fake.Requests().size(), 1u);
    const FakeRequest& probe = fake.Requests()[0];
    EXPECT_EQ(probe.kind, FakeRequestKind::Tag);
    EXPECT_EQ(probe.waitMs, 0u);
    EXPECT_EQ(probe.tag, 1u) << "the tag output is preset to 1";
    EXPECT_EQ(fake.Counts().opens, 1);
    EXPECT_EQ(fake.Counts().closes, 1);
}

TEST_F(CBatteryCtrlTest, RecordFillSendsElevenRequestsInOrderWithTheTag)
{
    fake.AddBattery(FakeBattery::Typical({.path = "b"}));
    ctrl.Enumerate();
    fake.ResetCounts();
    Record();

    const auto info = [](Level level, uint32_t size) {
        return FakeRequest{.path = "b", .kind = FakeRequestKind::Information, .level = level, .tag = 42, .outSize = size};
    };
    const std::vector<FakeRequest> expected = {
        {.path = "b", .kind = FakeRequestKind::Tag, .tag = 1},
        info(Level::BatteryDeviceName, 260),
        info(Level::BatteryManufactureName, 260),
        info(Level::BatterySerialNumber, 260),
        info(Level::BatteryUniqueID, 260),
        info(Level::BatteryGranularityInformation, 8),
        info(Level::BatteryInformation, 36),
        info(Level::BatteryManufactureDate, 4),
        info(Level::BatteryTemperature, 4),
        info(Level::BatteryEstimatedTime, 4),
        {.path = "b", .kind = FakeRequestKind::Status, .tag = 42},
    };
    EXPECT_EQ(fake.Requests(), expected);
    EXPECT_EQ(fake.Counts().opens, 1);
    EXPECT_EQ(fake.Counts().closes, 1);
}

TEST_F(CBatteryCtrlTest, RecordTakesEveryAnswer)
{
    fake.AddBattery(FakeBattery::Typical({.deviceName = "Bät 1", .manufacturer = "Maker", .serialNumber = "S9",
                                          .uniqueId = "U-1", .chemistry = "NiMH", .technology = 1,
                                          .designedCapacity = 50000, .fullChargedCapacity = 47000,
                                          .remainingCapacity = 30000, .voltage = 11900, .rate = -9000,
                                          .powerState = BATTERY_DISCHARGING | BATTERY_CRITICAL,
                                          .criticalBias = 12, .cycleCount = 300, .defaultAlert1 = 2000,
                                          .defaultAlert2 = 4000, .granularity = 10, .temperature = 2982,
                                          .estimatedTime = 7200, .manufactureDay = 15,
                                          .manufactureMonth = 3, .manufactureYear = 2006}));
    ctrl.Enumerate();
    BatteryRecord expected;
    expected.deviceName = ToNarrow(QString::fromUtf8("Bät 1"));
    expected.manufacturer = "Maker";
    expected.serialNumber = "S9";
    expected.uniqueId = "U-1";
    expected.chemistry = "Nickel Metal Hydride";
    expected.designedCapacity = 50000;
    expected.fullChargedCapacity = 47000;
    expected.remainingCapacity = 30000;
    expected.voltage = 11900;
    expected.criticalBias = 12;
    expected.cycleCount = 300;
    expected.technology = 1;
    expected.temperature = 29820;
    expected.estimatedTime = 7200;
    expected.rate = -9000;
    expected.powerState = BATTERY_DISCHARGING | BATTERY_CRITICAL;
    expected.defaultAlert1 = 2000;
    expected.defaultAlert2 = 4000;
    expected.manufactureDay = 15;
    expected.manufactureMonth = 3;
    expected.manufactureYear = 2006;
    test::ExpectRecord(Record(), expected);
}

TEST_F(CBatteryCtrlTest, RefusedTagInsideARecordStillSendsEveryRequestWithTagOne)
{
    fake.AddBattery(FakeBattery::Typical());
    ctrl.Enumerate();
    fake.Battery(0).answersTag = false;
    fake.ResetCounts();

    const BatteryRecord record = Record();
    EXPECT_EQ(record.deviceName, "Fake Battery");
    EXPECT_EQ(fake.Requests().size(), 11u);
    for (size_t i = 1; i < fake.Requests().size(); ++i)
        EXPECT_EQ(fake.Requests()[i].tag, 1u) << "request " << i;
}

TEST_F(CBatteryCtrlTest, NumberNotBelowCountOrNullRecordOpensNoDevice)
{
    fake.AddBattery(FakeBattery::Typical());
    ctrl.Enumerate();
    fake.ResetCounts();

    test::ExpectRecord(Record(1), BatteryRecord{});
    test::ExpectRecord(Record(0xFFFFFFFFu), BatteryRecord{});
    ctrl.GetBatteryRecord(nullptr, 0);
    EXPECT_EQ(ctrl.GetBatteryTotals(nullptr), 0);
    EXPECT_EQ(fake.Counts().openAttempts, 0);
}

TEST_F(CBatteryCtrlTest, DeviceGoneAfterEnumerateStaysCountedButGivesNothing)
{
    fake.AddBattery(FakeBattery::Typical({.remainingCapacity = 1000, .voltage = 10000, .rate = -100}));
    fake.AddBattery(FakeBattery::Typical({.remainingCapacity = 2000, .voltage = 12000, .rate = -200}));
    ctrl.Enumerate();
    fake.RemoveBattery(0);

    EXPECT_EQ(ctrl.GetBatteryCount(), 2);
    test::ExpectRecord(Record(0), BatteryRecord{});
    const BatteryTotals totals = Totals();
    EXPECT_EQ(totals.remainingCapacity, 2000);
    EXPECT_EQ(totals.voltage, 12000);
    EXPECT_EQ(totals.rate, -200);
    EXPECT_EQ(fake.Counts().opens, fake.Counts().closes);

    ctrl.Enumerate();
    EXPECT_EQ(ctrl.GetBatteryCount(), 1);
}

struct TextCase {
    const char* name;
    FakeAnswer answer;
    std::string expected;
};

class RecordTextTest : public CBatteryCtrlTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(RecordTextTest, DeviceNameFromDriverBytes)
{
    FakeBattery battery = FakeBattery::Typical();
    battery.Answer(Level::BatteryDeviceName) = GetParam().answer;
    fake.AddBattery(battery);
    ctrl.Enumerate();
    const BatteryRecord record = Record();
    // Compared as Qt text: the narrow bytes are UTF-8 on Linux, the ANSI code page on Windows.
    EXPECT_EQ(FromNarrow(record.deviceName), QString::fromStdString(GetParam().expected));
    EXPECT_EQ(record.manufacturer, "Ampora Labs") << "the later requests are still taken";
}

using namespace std::string_literals;
INSTANTIATE_TEST_SUITE_P(
    Texts, RecordTextTest,
    ::testing::Values(
        TextCase{"SevenBytesAreThreeUnits", FakeAnswer::Raw("A\0B\0C\0D\0"s, 7), "ABC"},
        TextCase{"TrailingNulsAreDropped", FakeAnswer::Raw("O\0K\0\0\0\0\0\0\0"s), "OK"},
        TextCase{"CutAtFirstNul", FakeAnswer::Raw("A\0\0\0B\0"s), "A"},
        TextCase{"ZeroBytesLeaveItEmpty", FakeAnswer::Raw("X\0"s, 0), ""},
        TextCase{"FailureLeavesItEmpty", FakeAnswer::Failure(), ""},
        TextCase{"NoNulAtAll", FakeAnswer::Raw("H\0i\0"s), "Hi"},
        TextCase{"ClaimedCountBeyondTheBufferIsClamped", FakeAnswer::Raw("Z\0"s, 100000), "Z"},
        TextCase{"NonAsciiBecomesNarrowText", FakeAnswer::Text("Ünï €"), "Ünï €"},
        TextCase{"ControlCharactersBecomeQuestionMarks",
                 FakeAnswer::Text("SN\x01\x02\x1b[31m\t\r\n\x7f\xc2\x85!"), "SN???[31m?????!"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CBatteryCtrlTest, GranularityStandsWhenInformationFails)
{
    FakeBattery battery = FakeBattery::Typical({.designedCapacity = 61000});
    battery.Answer(Level::BatteryInformation) = FakeAnswer::Failure();
    fake.AddBattery(battery);
    ctrl.Enumerate();
    const BatteryRecord record = Record();
    EXPECT_EQ(record.designedCapacity, 61000);
    EXPECT_EQ(record.fullChargedCapacity, 0);
    EXPECT_EQ(record.chemistry, "");
    EXPECT_EQ(record.cycleCount, 0);
    EXPECT_EQ(record.manufactureYear, 2006) << "the later requests are still taken";
}

TEST_F(CBatteryCtrlTest, InformationOverridesGranularity)
{
    FakeBattery battery = FakeBattery::Typical({.designedCapacity = 61000});
    battery.Answer(Level::BatteryGranularityInformation) =
        FakeAnswer::Value(BatteryReportingScale{.granularity = 1, .capacity = 5});
    fake.AddBattery(battery);
    ctrl.Enumerate();
    EXPECT_EQ(Record().designedCapacity, 61000);
}

struct NumberCase {
    const char* name;
    FakeBatteryValues values;
    int32_t temperature;
    int32_t estimatedTime;
    int32_t rate;
};

class RecordNumberTest : public CBatteryCtrlTest, public ::testing::WithParamInterface<NumberCase> {};

TEST_P(RecordNumberTest, DriverMarkers)
{
    fake.AddBattery(FakeBattery::Typical(GetParam().values));
    ctrl.Enumerate();
    const BatteryRecord record = Record();
    EXPECT_EQ(record.temperature, GetParam().temperature);
    EXPECT_EQ(record.estimatedTime, GetParam().estimatedTime);
    EXPECT_EQ(record.rate, GetParam().rate);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, RecordNumberTest,
    ::testing::Values(
        NumberCase{"Known", {.rate = -5, .temperature = 3000, .estimatedTime = 60}, 30000, 60, -5},
        NumberCase{"UnknownTemperatureLeavesZero", {.temperature = 0xFFFFFFFFu}, 0, 10800, -12000},
        NumberCase{"UnknownTimeReadsMinusOne", {.estimatedTime = 0xFFFFFFFFu}, 29820, -1, -12000},
        NumberCase{"ZeroTimeLeavesZero", {.estimatedTime = 0}, 29820, 0, -12000},
        NumberCase{"UnknownRatePassesThrough", {.rate = kUnknownRate}, 29820, 10800, kUnknownRate}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CBatteryCtrlTest, TotalsSendStatusThenInformationPerBattery)
{
    fake.AddBattery(FakeBattery::Typical({.path = "b"}));
    ctrl.Enumerate();
    fake.ResetCounts();
    Totals();
    ASSERT_EQ(fake.Requests().size(), 3u);
    EXPECT_EQ(fake.Requests()[0].kind, FakeRequestKind::Tag);
    EXPECT_EQ(fake.Requests()[1].kind, FakeRequestKind::Status);
    EXPECT_EQ(fake.Requests()[2].level, Level::BatteryInformation);
    EXPECT_EQ(fake.Counts().closes, 1);
}

struct TotalsCase {
    const char* name;
    std::vector<FakeBatteryValues> batteries;
    BatteryTotals expected;
};

class TotalsTest : public CBatteryCtrlTest, public ::testing::WithParamInterface<TotalsCase> {};

TEST_P(TotalsTest, Sums)
{
    for (const FakeBatteryValues& values : GetParam().batteries)
        fake.AddBattery(FakeBattery::Typical(values));
    ctrl.Enumerate();
    EXPECT_EQ(Totals(), GetParam().expected);
}

constexpr uint32_t kUnknown = 0xFFFFFFFFu;

INSTANTIATE_TEST_SUITE_P(
    Totals, TotalsTest,
    ::testing::Values(
        TotalsCase{"TwoBatteriesAdd",
                   {{.designedCapacity = 50000, .fullChargedCapacity = 40000, .remainingCapacity = 30000,
                     .voltage = 12000, .rate = -10000},
                    {.designedCapacity = 20000, .fullChargedCapacity = 18000, .remainingCapacity = 9000,
                     .voltage = 11000, .rate = -5000}},
                   {70000, 58000, 39000, 23000, -15000}},
        TotalsCase{"UnknownDesignStillAddsFull",
                   {{.designedCapacity = kUnknown, .fullChargedCapacity = 40000, .remainingCapacity = 30000,
                     .voltage = 12000, .rate = -10000}},
                   {-1, 40000, 30000, 12000, -10000}},
        TotalsCase{"OnlyUnknownVoltagesSumToUnknown",
                   {{.voltage = kUnknown, .rate = -1000}},
                   {50000, 48000, 36000, -1, -1000}},
        TotalsCase{"UnknownDesignBesideAKnownOne",
                   {{.designedCapacity = kUnknown, .fullChargedCapacity = 40000, .rate = -1000},
                    {.designedCapacity = 20000, .fullChargedCapacity = 18000, .rate = -1000}},
                   {20000, 58000, 72000, 24000, -2000}},
        TotalsCase{"UnknownVoltageIsLeftOut",
                   {{.voltage = kUnknown, .rate = -1000}, {.voltage = 11000, .rate = -1000}},
                   {100000, 96000, 72000, 11000, -2000}},
        TotalsCase{"RateAllOnesAddsNeitherRateNorRemaining",
                   {{.remainingCapacity = 30000, .voltage = 12000, .rate = -1}},
                   {50000, 48000, 0, 12000, 0}},
        TotalsCase{"UnknownRatesStayUnknownAndStillAddRemaining",
                   {{.remainingCapacity = 30000, .rate = kUnknownRate},
                    {.remainingCapacity = 20000, .rate = kUnknownRate}},
                   {100000, 96000, 50000, 24000, kUnknownRate}},
        TotalsCase{"KnownRateWinsOverUnknownRate",
                   {{.rate = kUnknownRate}, {.rate = -7000}},
                   {100000, 96000, 72000, 24000, -7000}},
        TotalsCase{"UnknownCapacitiesAreLeftOut",
                   {{.fullChargedCapacity = kUnknown, .remainingCapacity = kUnknown, .rate = kUnknownRate},
                    {.fullChargedCapacity = 40000, .remainingCapacity = 20000, .rate = -3000}},
                   {100000, 40000, 20000, 24000, -3000}},
        TotalsCase{"OnlyUnknownCapacitiesSumToUnknown",
                   {{.fullChargedCapacity = kUnknown, .remainingCapacity = kUnknown, .rate = kUnknownRate},
                    {.fullChargedCapacity = kUnknown, .remainingCapacity = kUnknown, .rate = kUnknownRate}},
                   {100000, -1, -1, 24000, kUnknownRate}},
        TotalsCase{"SumsSaturateInsteadOfOverflowing",
                   {{.designedCapacity = 0x7FFFFFF0u, .fullChargedCapacity = 0x7FFFFFF0u,
                     .remainingCapacity = 0x7FFFFFF0u, .voltage = 0x7FFFFFF0u, .rate = -2'000'000'000},
                    {.designedCapacity = 0x7FFFFFF0u, .fullChargedCapacity = 0x7FFFFFF0u,
                     .remainingCapacity = 0x7FFFFFF0u, .voltage = 0x7FFFFFF0u, .rate = -2'000'000'000}},
                   {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MIN + 1}},
        TotalsCase{"PositiveRatesSaturateToo",
                   {{.rate = 2'000'000'000}, {.rate = 2'000'000'000}},
                   {100000, 96000, 72000, 24000, INT32_MAX}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CBatteryCtrlTest, TotalsSkipFailedQueries)
{
    FakeBattery noStatus = FakeBattery::Typical();
    noStatus.status.reset();
    FakeBattery noInformation = FakeBattery::Typical({.remainingCapacity = 500, .voltage = 10000, .rate = -50});
    noInformation.Answer(Level::BatteryInformation) = FakeAnswer::Failure();
    fake.AddBattery(noStatus);
    fake.AddBattery(noInformation);
    ctrl.Enumerate();
    EXPECT_EQ(Totals(), (BatteryTotals{50000, 48000, 500, 10000, -50}));
}

TEST_F(CBatteryCtrlTest, NullDriverMeansNoBattery)
{
    CBatteryCtrl none(nullptr);
    none.Enumerate();
    EXPECT_EQ(none.GetBatteryCount(), 0);
    EXPECT_FALSE(none.ProbeDevice("x"));
}

TEST(FakeBackendsTest, PowerStatusAndInformationAnswerAsScripted)
{
    FakeBackend fake;
    Backends backends = MakeBackends(BackendKind::Fake, &fake);
    SystemPowerStatus status;
    status.ACLineStatus = 7;
    ASSERT_TRUE(backends.powerStatus->GetSystemPowerStatus(&status));
    EXPECT_EQ(status.ACLineStatus, 255) << "unknown until scripted";
    fake.SetPowerStatus({.ACLineStatus = 0, .BatteryFlag = BATTERY_FLAG_LOW, .BatteryLifePercent = 20});
    ASSERT_TRUE(backends.powerStatus->GetSystemPowerStatus(&status));
    EXPECT_EQ(status.BatteryLifePercent, 20);
    fake.FailPowerStatus();
    EXPECT_FALSE(backends.powerStatus->GetSystemPowerStatus(&status));

    ProcessorPowerInformation processor;
    EXPECT_FALSE(backends.powerInformation->QueryProcessor(&processor));
    fake.SetProcessor({.Number = 0, .MaxMhz = 2400, .CurrentMhz = 1200});
    ASSERT_TRUE(backends.powerInformation->QueryProcessor(&processor));
    EXPECT_EQ(processor.MaxMhz, 2400u);
    uint8_t tolerance = 0;
    fake.SetFanThrottleTolerance(80);
    EXPECT_TRUE(backends.powerInformation->QueryFanThrottleTolerance(&tolerance));
    EXPECT_EQ(tolerance, 80);
    PowerCapabilities caps;
    EXPECT_FALSE(backends.powerInformation->QueryCapabilities(&caps));
    EXPECT_EQ(fake.Counts().powerStatusQueries, 3);
    EXPECT_EQ(fake.Counts().processorQueries, 2);

    EXPECT_EQ(MakeBackends(BackendKind::Fake, nullptr).driver, nullptr);
}

} // namespace
} // namespace ampora
