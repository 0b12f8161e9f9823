// The Linux back end over the fake power-supply trees in tests/fixtures/sysfs, read through
// CBatteryCtrl and the back-end factory as the program reads them.
#include "platform/Backends.h"
#include "battery/CBatteryCtrl.h"
#include "platform/sysfs/SysfsBackend.h"
#include "tests/battery/RecordChecks.h"

#include <QTemporaryDir>
#include <QtGlobal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace ampora {
namespace {

std::string Tree(const std::string& name)
{
    return std::string(AMPORA_FIXTURES) + "/sysfs/" + name;
}

std::string Folder(const std::string& root, const std::string& supply)
{
    return root + "/class/power_supply/" + supply;
}

// Sets AMPORA_SYSFS_ROOT for one test and puts back what was there.
class ScopedSysfsRoot {
public:
    explicit ScopedSysfsRoot(const std::string& root) : m_old(qgetenv("AMPORA_SYSFS_ROOT")), m_had(qEnvironmentVariableIsSet("AMPORA_SYSFS_ROOT"))
    {
        qputenv("AMPORA_SYSFS_ROOT", QByteArray::fromStdString(root));
    }
    ~ScopedSysfsRoot()
    {
        if (m_had)
            qputenv("AMPORA_SYSFS_ROOT", m_old);
        else
            qunsetenv("AMPORA_SYSFS_ROOT");
    }

private:
    QByteArray m_old;
    bool m_had;
};

struct Reading {
    std::vector<std::string> paths;
    std::vector<BatteryRecord> records;
    BatteryTotals totals;
    SystemPowerStatus power;
    bool powerOk = false;
};

Reading Read(const std::string& root)
{
    const auto driver = MakeSysfsBatteryDriver(root);
    CBatteryCtrl ctrl(driver.get());
    ctrl.Enumerate();
    Reading r;
    r.paths = ctrl.DevicePaths();
    for (int i = 0; i < ctrl.GetBatteryCount(); ++i) {
        BatteryRecord record;
        ctrl.GetBatteryRecord(&record, static_cast<unsigned>(i));
        r.records.push_back(record);
    }
    ctrl.GetBatteryTotals(&r.totals);
    r.powerOk = MakeSysfsPowerStatus(root)->GetSystemPowerStatus(&r.power);
    return r;
}

TEST(SysfsBackendTest, EnergyBatteryDischarging)
{
    const std::string root = Tree("energy-discharging");
    const Reading r = Read(root);
    ASSERT_EQ(r.paths, std::vector<std::string>{Folder(root, "BAT0")});
    BatteryRecord expected;
    expected.deviceName = "5B10W13975";
    expected.manufacturer = "SMP";
    expected.serialNumber = "1234";
    expected.uniqueId = "SMP-5B10W13975-1234";
    expected.chemistry = "Lithium Ion";
    expected.designedCapacity = 57000;
    expected.fullChargedCapacity = 51300;
    expected.remainingCapacity = 25650;
    expected.voltage = 11800;
    expected.cycleCount = 123;
    expected.technology = 1;
    expected.temperature = 30440; // 31.2 °C is 304.4 K, times ten as the record keeps it
    expected.estimatedTime = 10800;
    expected.rate = -8550;
    expected.powerState = BATTERY_DISCHARGING;
    expected.defaultAlert1 = 2850;
    expected.manufactureDay = 14;
    expected.manufactureMonth = 7;
    expected.manufactureYear = 2021;
    ASSERT_EQ(r.records.size(), 1u);
    test::ExpectRecord(r.records[0], expected);
    EXPECT_EQ(r.totals, (BatteryTotals{57000, 51300, 25650, 11800, -8550}));
    ASSERT_TRUE(r.powerOk);
    EXPECT_EQ(r.power.ACLineStatus, 0);
    EXPECT_EQ(r.power.BatteryFlag, 0);
    EXPECT_EQ(r.power.BatteryLifePercent, 50);
    EXPECT_EQ(r.power.BatteryLifeTime, 10800u);
    EXPECT_EQ(r.power.BatteryFullLifeTime, 0xFFFFFFFFu);
}

TEST(SysfsBackendTest, ChargeOnlyBatteryCharging)
{
    const Reading r = Read(Tree("charge-only"));
    ASSERT_EQ(r.records.size(), 1u);
    BatteryRecord expected;
    expected.deviceName = "Bat Charge";
    expected.serialNumber = "C-77";
    expected.uniqueId = "Bat Charge-C-77";
    expected.chemistry = "Nickel Metal Hydride";
    expected.designedCapacity = 62640; // 5.8 Ah at 10.8 V
    expected.fullChargedCapacity = 54000;
    expected.remainingCapacity = 27000;
    expected.voltage = 12000;
    expected.technology = 1;
    expected.estimatedTime = -1;
    expected.rate = 16200;
    expected.powerState = BATTERY_POWER_ON_LINE | BATTERY_CHARGING;
    test::ExpectRecord(r.records[0], expected);
    EXPECT_EQ(r.power.ACLineStatus, 1);
    EXPECT_EQ(r.power.BatteryFlag, BATTERY_FLAG_CHARGING);
    EXPECT_EQ(r.power.BatteryLifePercent, 50);
    EXPECT_EQ(r.power.BatteryLifeTime, 0xFFFFFFFFu);
}

TEST(SysfsBackendTest, GarbageAndMissingAttributesGiveMarkersNotInventions)
{
    const Reading r = Read(Tree("garbage"));
    ASSERT_EQ(r.records.size(), 1u);
    BatteryRecord expected;
    expected.deviceName = "BadName";
    expected.uniqueId = "BadName";
    expected.designedCapacity = -1;
    expected.fullChargedCapacity = 51300;
    expected.remainingCapacity = 21546; // 42 % of the full energy; energy_now fails on read
    expected.voltage = -1;
    expected.technology = 1;
    expected.estimatedTime = -1;
    expected.rate = kUnknownRate;
    test::ExpectRecord(r.records[0], expected);
    // Unknown design energy and voltage are unknown in the totals too, not a made-up 0.
    EXPECT_EQ(r.totals, (BatteryTotals{-1, 51300, 21546, -1, kUnknownRate}));
    EXPECT_EQ(r.power.ACLineStatus, 255);
    EXPECT_EQ(r.power.BatteryLifePercent, 42);
    EXPECT_EQ(r.power.BatteryLifeTime, 0xFFFFFFFFu);
}

TEST(SysfsBackendTest, PeripheralBatteryIsNeitherListedNorMains)
{
    const std::string root = Tree("peripheral");
    const Reading r = Read(root);
    EXPECT_EQ(r.paths, std::vector<std::string>{Folder(root, "BAT0")});
    EXPECT_EQ(r.power.ACLineStatus, 0);
    EXPECT_EQ(r.power.BatteryFlag, 0) << "the mouse charging is not the computer charging";
    EXPECT_EQ(r.power.BatteryLifePercent, 50);
    EXPECT_EQ(r.power.BatteryLifeTime, 7200u);
}

TEST(SysfsBackendTest, AbsentBatteryIsOfferedButRefusesTheTag)
{
    const std::string root = Tree("absent");
    EXPECT_EQ(MakeSysfsBatteryDriver(root)->ListDevicePaths(), std::vector<std::string>{Folder(root, "BAT1")});
    const Reading r = Read(root);
    EXPECT_TRUE(r.paths.empty());
    EXPECT_EQ(r.totals, BatteryTotals{});
    EXPECT_EQ(r.power.ACLineStatus, 1);
    EXPECT_EQ(r.power.BatteryFlag, BATTERY_FLAG_NO_BATTERY);
    EXPECT_EQ(r.power.BatteryLifePercent, 255);
}

TEST(SysfsBackendTest, TwoBatteriesThroughTheFactory)
{
    const ScopedSysfsRoot scoped(Tree("two-batteries"));
    const Backends backends = MakeBackends();
    CBatteryCtrl ctrl(backends.driver.get());
    ctrl.Enumerate();
    ASSERT_EQ(ctrl.GetBatteryCount(), 2);
    BatteryRecord rear;
    ctrl.GetBatteryRecord(&rear, 1);
    EXPECT_EQ(rear.deviceName, "Rear");
    EXPECT_EQ(rear.chemistry, "Lithium Polymer");
    BatteryTotals totals;
    ctrl.GetBatteryTotals(&totals);
    EXPECT_EQ(totals, (BatteryTotals{69000, 60000, 35000, 23000, -15000}));

    SystemPowerStatus power;
    ASSERT_TRUE(backends.powerStatus->GetSystemPowerStatus(&power));
    EXPECT_EQ(power.ACLineStatus, 0);
    EXPECT_EQ(power.BatteryLifePercent, 58);
    EXPECT_EQ(power.BatteryLifeTime, 8400u) << "35 Wh at 15 W, not 3 h + 1 h";
    EXPECT_NE(backends.powerInformation, nullptr);
}

TEST(SysfsBackendTest, MainsOnlineAndOffline)
{
    const Reading online = Read(Tree("mains-online"));
    EXPECT_EQ(online.power.ACLineStatus, 1);
    EXPECT_EQ(online.power.BatteryFlag, BATTERY_FLAG_HIGH);
    EXPECT_EQ(online.power.BatteryLifePercent, 100);
    EXPECT_EQ(online.power.BatteryLifeTime, 0xFFFFFFFFu);
    ASSERT_EQ(online.records.size(), 1u);
    EXPECT_EQ(online.records[0].powerState, BATTERY_POWER_ON_LINE);
    EXPECT_EQ(online.records[0].rate, 0);

    const Reading offline = Read(Tree("mains-offline"));
    EXPECT_EQ(offline.power.ACLineStatus, 0);
    EXPECT_EQ(offline.power.BatteryFlag, BATTERY_FLAG_LOW);
    EXPECT_EQ(offline.power.BatteryLifePercent, 20);
    EXPECT_EQ(offline.power.BatteryLifeTime, 7200u);
    ASSERT_EQ(offline.records.size(), 1u);
    EXPECT_EQ(offline.records[0].powerState, BATTERY_DISCHARGING);
}

TEST(SysfsBackendTest, MachineWithoutBatteries)
{
    // The test suite's default root is the empty tree.
    const Backends backends = MakeBackends();
    CBatteryCtrl ctrl(backends.driver.get());
    ctrl.Enumerate();
    EXPECT_EQ(ctrl.GetBatteryCount(), 0);
    SystemPowerStatus power;
    ASSERT_TRUE(backends.powerStatus->GetSystemPowerStatus(&power));
    EXPECT_EQ(power.ACLineStatus, 1);
    EXPECT_EQ(power.BatteryFlag, BATTERY_FLAG_NO_BATTERY);
}

TEST(SysfsBackendTest, MissingTreeListsNothingAndHasNoPowerStatus)
{
    const Reading r = Read(Tree("does-not-exist"));
    EXPECT_TRUE(r.paths.empty());
    EXPECT_FALSE(r.powerOk);
}

class PulledBatteryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        root = dir.path().toStdString();
        std::filesystem::copy(Tree("energy-discharging"), root, std::filesystem::copy_options::recursive);
        driver = MakeSysfsBatteryDriver(root);
        ctrl = std::make_unique<CBatteryCtrl>(driver.get());
        ctrl->Enumerate();
        ASSERT_EQ(ctrl->GetBatteryCount(), 1);
    }

    QTemporaryDir dir;
    std::string root;
    std::unique_ptr<BatteryDriver> driver;
    std::unique_ptr<CBatteryCtrl> ctrl;
};

TEST_F(PulledBatteryTest, VanishedFolderNoLongerOpens)
{
    std::filesystem::remove_all(Folder(root, "BAT0"));
    EXPECT_EQ(ctrl->GetBatteryCount(), 1);
    BatteryRecord record;
    ctrl->GetBatteryRecord(&record, 0);
    test::ExpectRecord(record, BatteryRecord{});
    BatteryTotals totals;
    ctrl->GetBatteryTotals(&totals);
    EXPECT_EQ(totals, BatteryTotals{});
    ctrl->Enumerate();
    EXPECT_EQ(ctrl->GetBatteryCount(), 0);
}

TEST_F(PulledBatteryTest, PresentZeroAnswersNothing)
{
    std::ofstream(Folder(root, "BAT0") + "/present") << "0\n";
    BatteryRecord record;
    ctrl->GetBatteryRecord(&record, 0);
    test::ExpectRecord(record, BatteryRecord{});
    EXPECT_FALSE(ctrl->ProbeDevice(Folder(root, "BAT0")));
    SystemPowerStatus power;
    ASSERT_TRUE(MakeSysfsPowerStatus(root)->GetSystemPowerStatus(&power));
    EXPECT_EQ(power.BatteryFlag, BATTERY_FLAG_NO_BATTERY);
}

TEST(SysfsRootTest, EnvironmentOrSys)
{
    {
        const ScopedSysfsRoot scoped("/somewhere");
        EXPECT_EQ(SysfsRoot(), "/somewhere");
    }
    {
        const ScopedSysfsRoot scoped("");
        EXPECT_EQ(SysfsRoot(), "/sys");
    }
}

} // namespace
} // namespace ampora
