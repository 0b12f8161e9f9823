#include "monitor/BatteryLog.h"

#include "platform/Backends.h"
#include "battery/CBatteryCtrl.h"
#include "platform/fake/FakeBackend.h"

#include <gtest/gtest.h>

namespace ampora {
namespace {

using Level = BatteryQueryInformationLevel;

const std::string kTitles =
    "\r\n \r\n Date\t\tTime\t\tCharge (%)\t\tTotal capacity\t\tCurrent capacity\tCharge capacity"
    "\t\tVolt\t\t\tRemainig time\t\tTotal time";

// FakeBattery::Typical() described as battery nr. 1, its unique id written as given.
std::string TypicalFirstBattery(const std::string& uniqueId)
{
    return "Battery nr. 1 description \r\n---------------------------------\r\n"
           "Device name:\t\tFake Battery \r\n"
           "Uniq ID:\t\t" + uniqueId + " \r\n"
           "Manufacture:\t\tAmpora Labs \r\n"
           "Serial number:\t\tSN-0001 \r\n"
           "Chemistry:\t\tLithium Ion \r\n"
           "Design capacity:\t50000 \r\n"
           "Total capacity:\t\t48000 \r\n"
           "Voltage:\t\t12000 \r\n"
           "Allert W/L:\t\t2400 / 4800 \r\n"
           "Rechargeable :\t\tYes \r\n\r\n";
}

class LogHeaderTest : public ::testing::Test {
protected:
    // Enumerates the fake's batteries, reads their records and gives the header text.
    std::string Header()
    {
        Backends backends = MakeBackends(BackendKind::Fake, &m_fake);
        CBatteryCtrl ctrl(backends.driver.get());
        ctrl.Enumerate();
        BeforeHeader();
        m_records = ReadBatteryRecords(ctrl);
        return LogHeaderText(m_records);
    }
    virtual void BeforeHeader() {}

    FakeBackend m_fake;
    std::vector<BatteryRecord> m_records;
};

TEST_F(LogHeaderTest, NoBatteryGoesStraightToTheTitles)
{
    EXPECT_EQ(Header(), "Nr. battery detected: 0 \r\n \r\n" + kTitles);
    EXPECT_TRUE(m_records.empty());
}

TEST_F(LogHeaderTest, MissingUniqueIdIsWrittenAsQuestionMark)
{
    m_fake.AddBattery(FakeBattery::Typical());
    m_fake.Battery(0).Answer(Level::BatteryUniqueID) = FakeAnswer::Failure();

    EXPECT_EQ(Header(),
              "Nr. battery detected: 1 \r\n \r\n"
              + TypicalFirstBattery("?") + kTitles);
    ASSERT_EQ(m_records.size(), 1u);
    EXPECT_EQ(m_records[0].uniqueId, "");
    EXPECT_EQ(m_records[0].deviceName, "Fake Battery");
    EXPECT_EQ(m_records[0].remainingCapacity, 36000);
}

TEST_F(LogHeaderTest, TwoBatteriesAreDescribedInOrder)
{
    m_fake.AddBattery(FakeBattery::Typical());
    m_fake.AddBattery(FakeBattery::Typical({.deviceName = "Second", .serialNumber = "77",
                                            .uniqueId = "U2", .chemistry = "PbAc", .technology = 0,
                                            .designedCapacity = 9000, .fullChargedCapacity = 8000,
                                            .voltage = 6000, .defaultAlert1 = 100, .defaultAlert2 = 200}));
    m_fake.Battery(1).Answer(Level::BatteryManufactureName) = FakeAnswer::Failure();

    EXPECT_EQ(Header(),
              "Nr. battery detected: 2 \r\n \r\n"
              + TypicalFirstBattery("Ampora Labs-Fake Battery-SN-0001") +
              "Battery nr. 2 description \r\n---------------------------------\r\n"
              "Device name:\t\tSecond \r\n"
              "Uniq ID:\t\tU2 \r\n"
              "Manufacture:\t\t? \r\n"
              "Serial number:\t\t77 \r\n"
              "Chemistry:\t\tLead Acid \r\n"
              "Design capacity:\t9000 \r\n"
              "Total capacity:\t\t8000 \r\n"
              "Voltage:\t\t6000 \r\n"
              "Allert W/L:\t\t100 / 200 \r\n"
              "Rechargeable :\t\tNo \r\n\r\n" + kTitles);
    ASSERT_EQ(m_records.size(), 2u);
    EXPECT_EQ(m_records[1].deviceName, "Second");
    EXPECT_EQ(m_records[1].technology, 0);
}

class BatteryGoneBeforeHeaderTest : public LogHeaderTest {
    void BeforeHeader() override { m_fake.Battery(0).opens = false; }
};

TEST_F(BatteryGoneBeforeHeaderTest, IsDescribedWithResetValues)
{
    m_fake.AddBattery(FakeBattery::Typical());
    EXPECT_EQ(Header(),
              "Nr. battery detected: 1 \r\n \r\n"
              "Battery nr. 1 description \r\n---------------------------------\r\n"
              "Device name:\t\t? \r\n"
              "Uniq ID:\t\t? \r\n"
              "Manufacture:\t\t? \r\n"
              "Serial number:\t\t? \r\n"
              "Chemistry:\t\t? \r\n"
              "Design capacity:\t0 \r\n"
              "Total capacity:\t\t0 \r\n"
              "Voltage:\t\t0 \r\n"
              "Allert W/L:\t\t0 / 0 \r\n"
              "Rechargeable :\t\tNo \r\n\r\n" + kTitles);
    ASSERT_EQ(m_records.size(), 1u);
    EXPECT_EQ(m_records[0], BatteryRecord{});
}

} // namespace
} // namespace ampora
