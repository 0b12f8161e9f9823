#include "platform/linux/SysfsPollPowerEvents.h"

#include "platform/sysfs/SysfsAttributes.h"

#include "EventWait.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ampora {
namespace {

using namespace std::chrono_literals;

SupplyAttributes Supply(std::map<std::string, std::string, std::less<>> values)
{
    return {"supply", std::move(values)};
}

struct StateCase {
    const char* name;
    std::vector<SupplyAttributes> supplies;
    PowerSupplyState expected;
};

void PrintTo(const StateCase& row, std::ostream* out)
{
    *out << row.name;
}

class PowerSupplyStateOfTest : public ::testing::TestWithParam<StateCase> {};

TEST_P(PowerSupplyStateOfTest, ReadsAcAndBatteryCount)
{
    const PowerSupplyState state = PowerSupplyStateOf(GetParam().supplies);
    EXPECT_EQ(state.acLineStatus, GetParam().expected.acLineStatus);
    EXPECT_EQ(state.batteries, GetParam().expected.batteries);
}

const SupplyAttributes kMainsOnline = Supply({{"type", "Mains\n"}, {"online", "1\n"}});
const SupplyAttributes kMainsOffline = Supply({{"type", "Mains\n"}, {"online", "0\n"}});
const SupplyAttributes kBattery = Supply({{"type", "Battery\n"}, {"present", "1\n"}});
const SupplyAttributes kSystemBattery = Supply({{"type", "Battery\n"}, {"scope", "System\n"}});
const SupplyAttributes kPulledBattery = Supply({{"type", "Battery\n"}, {"present", "0\n"}});
const SupplyAttributes kMouseBattery = Supply({{"type", "Battery\n"}, {"scope", "Device\n"}, {"present", "1\n"}});

INSTANTIATE_TEST_SUITE_P(
    Trees, PowerSupplyStateOfTest,
    ::testing::Values(StateCase{"mains_online", {kMainsOnline, kBattery}, {1, 1}},
                      StateCase{"mains_offline", {kMainsOffline, kBattery}, {0, 1}},
                      StateCase{"pulled_battery_not_counted", {kMainsOnline, kPulledBattery, kBattery}, {1, 1}},
                      StateCase{"peripheral_battery_not_counted", {kMainsOffline, kMouseBattery}, {0, 0}},
                      StateCase{"battery_without_present_counts", {kMainsOnline, kSystemBattery, kBattery}, {1, 2}}),
    [](const ::testing::TestParamInfo<StateCase>& info) { return std::string(info.param.name); });

// A writable copy of the fixture tree: AC online, one system battery, one mouse battery.
class SysfsPollTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const QString source = QStringLiteral(AMPORA_FIXTURES "/power_poll");
        QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to = m_dir.filePath(QDir(source).relativeFilePath(from));
            ASSERT_TRUE(QDir().mkpath(QFileInfo(to).path()));
            ASSERT_TRUE(QFile::copy(from, to)) << to.toStdString();
        }
    }

    QString Supply(const QString& name) const { return m_dir.filePath(QStringLiteral("class/power_supply/") + name); }

    void Write(const QString& supply, const QString& attribute, const QByteArray& value)
    {
        QFile file(Supply(supply) + QLatin1Char('/') + attribute);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(value);
    }

    void AddBattery(const QString& name, const QByteArray& scope = "System\n")
    {
        ASSERT_TRUE(QDir().mkpath(Supply(name)));
        Write(name, QStringLiteral("type"), "Battery\n");
        Write(name, QStringLiteral("scope"), scope);
        Write(name, QStringLiteral("present"), "1\n");
    }

    std::string Root() const { return m_dir.path().toStdString(); }

    QTemporaryDir m_dir;
};

TEST_F(SysfsPollTest, VanishedTreeCountsAsNoBattery)
{
    SysfsPollPowerEvents poll(Root(), 1h);
    test::SignalCount status(&poll, &PowerEventSource::powerStatusChanged);
    ASSERT_TRUE(QDir(m_dir.filePath(QStringLiteral("class"))).removeRecursively());
    poll.PollNow();
    EXPECT_EQ(status.count(), 1);
    EXPECT_EQ(poll.LastState().batteries, 0);
}

TEST_F(SysfsPollTest, UnchangedTreeGivesNoSignal)
{
    SysfsPollPowerEvents poll(Root(), 1h);
    test::SignalCount status(&poll, &PowerEventSource::powerStatusChanged);
    test::SignalCount suspend(&poll, &PowerEventSource::aboutToSuspend);
    poll.PollNow();
    poll.PollNow();
    EXPECT_EQ(status.count(), 0);
    EXPECT_EQ(suspend.count(), 0);
    EXPECT_EQ(poll.LastState(), (PowerSupplyState{1, 1})); // the mouse battery does not count
}

TEST_F(SysfsPollTest, AcFlipGivesOneSignalPerChange)
{
    SysfsPollPowerEvents poll(Root(), 1h);
    test::SignalCount status(&poll, &PowerEventSource::powerStatusChanged);
    Write(QStringLiteral("AC"), QStringLiteral("online"), "0\n");
    poll.PollNow();
    poll.PollNow();
    EXPECT_EQ(status.count(), 1);
    EXPECT_EQ(poll.LastState().acLineStatus, 0);
    Write(QStringLiteral("AC"), QStringLiteral("online"), "1\n");
    poll.PollNow();
    EXPECT_EQ(status.count(), 2);
}

TEST_F(SysfsPollTest, BatteryAddedRemovedOrPulledGivesSignal)
{
    SysfsPollPowerEvents poll(Root(), 1h);
    test::SignalCount status(&poll, &PowerEventSource::powerStatusChanged);

    AddBattery(QStringLiteral("BAT1"));
    poll.PollNow();
    EXPECT_EQ(status.count(), 1);
    EXPECT_EQ(poll.LastState().batteries, 2);

    Write(QStringLiteral("BAT1"), QStringLiteral("present"), "0\n");
    poll.PollNow();
    EXPECT_EQ(status.count(), 2);

    ASSERT_TRUE(QDir(Supply(QStringLiteral("BAT0"))).removeRecursively());
    poll.PollNow();
    EXPECT_EQ(status.count(), 3);
    EXPECT_EQ(poll.LastState().batteries, 0);
}

TEST_F(SysfsPollTest, OtherChangesGiveNoSignal)
{
    SysfsPollPowerEvents poll(Root(), 1h);
    test::SignalCount status(&poll, &PowerEventSource::powerStatusChanged);
    AddBattery(QStringLiteral("hid_keyboard_battery"), "Device\n");
    Write(QStringLiteral("BAT0"), QStringLiteral("status"), "Charging\n");
    poll.PollNow();
    EXPECT_EQ(status.count(), 0);
}

TEST_F(SysfsPollTest, TimerPollsByItself)
{
    SysfsPollPowerEvents poll(Root(), 10ms);
    test::SignalCount status(&poll, &PowerEventSource::powerStatusChanged);
    Write(QStringLiteral("AC"), QStringLiteral("online"), "0\n");
    // The timer is coarse: it may fire up to a second late.
    EXPECT_TRUE(test::WaitUntil([&] { return status.count() == 1; }, 5s));
}

} // namespace
} // namespace ampora
