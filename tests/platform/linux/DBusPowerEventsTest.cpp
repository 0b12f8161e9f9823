// The bus sources against fake logind and UPower services on a private dbus-daemon.
#include "platform/linux/ClockSleepPowerEvents.h"
#include "platform/linux/CompositePowerEvents.h"
#include "platform/linux/LogindPowerEvents.h"
#include "platform/linux/BusPowerEvents.h"
#include "platform/linux/SysfsPollPowerEvents.h"
#include "platform/linux/UPowerEvents.h"

#include "EventWait.h"
#include "PrivateBus.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace ampora {
namespace {

using namespace std::chrono_literals;
using test::SignalCount;
using test::WaitUntil;

const QString kLinePower = QStringLiteral("/org/freedesktop/UPower/devices/line_power_AC");
const QString kBattery = QStringLiteral("/org/freedesktop/UPower/devices/battery_BAT0");
const QString kMouse = QStringLiteral("/org/freedesktop/UPower/devices/mouse_hidpp_battery_0");
// A peripheral's battery that UPower could not tell the kind of: its name says battery, its
// PowerSupply says it does not feed the computer.
const QString kHidBattery = QStringLiteral("/org/freedesktop/UPower/devices/battery_hidpp_battery_1");
// No such object: its properties cannot be read, so its name decides.
const QString kGoneBattery = QStringLiteral("/org/freedesktop/UPower/devices/battery_BAT1");
const QString kDaemon = QStringLiteral("/org/freedesktop/UPower");
const QString kDeviceInterface = QStringLiteral("org.freedesktop.UPower.Device");
const QString kDaemonInterface = QStringLiteral("org.freedesktop.UPower");

class DBusPowerEventsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!m_bus.Start())
            GTEST_SKIP() << m_bus.Error().toStdString();
        m_program = m_bus.Connect(QStringLiteral("program"));
        m_services = m_bus.Connect(QStringLiteral("services"));
        ASSERT_TRUE(m_program.isConnected());
        ASSERT_TRUE(m_services.isConnected());
    }

    void SettleFrom(QDBusConnection& sender) { m_bus.Settle({sender, m_program}); }

    test::PrivateBus m_bus;
    QDBusConnection m_program{QString()};
    QDBusConnection m_services{QString()};
    test::FakeLogind m_logind;
};

TEST_F(DBusPowerEventsTest, LogindLockIsTakenAtStartAndReleasedBySuspendHandled)
{
    ASSERT_TRUE(test::RegisterLogind(m_services, &m_logind));
    LogindPowerEvents logind(m_program);
    ASSERT_TRUE(logind.IsListening());
    ASSERT_TRUE(WaitUntil([&] { return logind.HoldsSleepLock(); }));

    EXPECT_EQ(m_logind.InhibitCalls(), 1);
    EXPECT_EQ(m_logind.LastInhibitArguments(),
              (QStringList{"sleep", "Ampora", "Stop the monitoring run and close its log", "delay"}));
    EXPECT_TRUE(m_logind.LockHeld(0));

    logind.SuspendHandled();
    EXPECT_FALSE(logind.HoldsSleepLock());
    // No copy of the descriptor may linger anywhere, or logind would wait its full delay.
    EXPECT_TRUE(WaitUntil([&] { return !m_logind.LockHeld(0); }));
}

TEST_F(DBusPowerEventsTest, SleepAndWakeReportStandByAndRetakeTheLock)
{
    ASSERT_TRUE(test::RegisterLogind(m_services, &m_logind));
    LogindPowerEvents logind(m_program);
    SignalCount suspend(&logind, &PowerEventSource::aboutToSuspend);
    SignalCount status(&logind, &PowerEventSource::powerStatusChanged);
    ASSERT_TRUE(WaitUntil([&] { return logind.HoldsSleepLock(); }));

    test::EmitPrepareForSleep(m_services, true);
    ASSERT_TRUE(WaitUntil([&] { return suspend.count() == 1; }));
    logind.SuspendHandled();
    ASSERT_TRUE(WaitUntil([&] { return !m_logind.LockHeld(0); }));

    test::EmitPrepareForSleep(m_services, false);
    ASSERT_TRUE(WaitUntil([&] { return logind.HoldsSleepLock(); }));
    EXPECT_EQ(m_logind.InhibitCalls(), 2);
    EXPECT_TRUE(m_logind.LockHeld(1));

    // A wake while the lock is still held does not stack a second one.
    test::EmitPrepareForSleep(m_services, false);
    SettleFrom(m_services);
    SettleFrom(m_services); // the Inhibit it could have caused, answered
    EXPECT_EQ(m_logind.InhibitCalls(), 2);
    EXPECT_EQ(suspend.count(), 1);
    EXPECT_EQ(status.count(), 0);
}

TEST_F(DBusPowerEventsTest, SleepSignalFromAnotherSenderIsIgnored)
{
    ASSERT_TRUE(test::RegisterLogind(m_services, &m_logind));
    QDBusConnection intruder = m_bus.Connect(QStringLiteral("intruder"));
    LogindPowerEvents logind(m_program);
    SignalCount suspend(&logind, &PowerEventSource::aboutToSuspend);
    ASSERT_TRUE(WaitUntil([&] { return logind.HoldsSleepLock(); }));

    test::EmitPrepareForSleep(intruder, true);
    SettleFrom(intruder);
    EXPECT_EQ(suspend.count(), 0);
}

TEST_F(DBusPowerEventsTest, LockIsNotHeldWhenLogindIsAbsent)
{
    LogindPowerEvents logind(m_program);
    SettleFrom(m_program);
    SettleFrom(m_program);
    EXPECT_FALSE(logind.HoldsSleepLock());
    logind.SuspendHandled(); // harmless without a lock
}

struct UPowerCase {
    const char* name;
    std::function<void(QDBusConnection&)> send;
    int expected;
    bool fromIntruder = false; // sent by a connection that does not own UPower's name
};

void PrintTo(const UPowerCase& row, std::ostream* out)
{
    *out << row.name;
}

class UPowerSignalTest : public DBusPowerEventsTest, public ::testing::WithParamInterface<UPowerCase> {};

TEST_P(UPowerSignalTest, BurstsBecomeOneStatusChange)
{
    test::FakeUPower fakeUPower;
    ASSERT_TRUE(fakeUPower.AddDevice(m_services, kLinePower, 1, true));
    ASSERT_TRUE(fakeUPower.AddDevice(m_services, kBattery, 2, true));
    ASSERT_TRUE(fakeUPower.AddDevice(m_services, kMouse, 5, false));
    ASSERT_TRUE(fakeUPower.AddDevice(m_services, kHidBattery, 2, false));
    ASSERT_TRUE(test::RegisterUPower(m_services, &fakeUPower));
    QDBusConnection intruder = m_bus.Connect(QStringLiteral("intruder"));
    UPowerEvents upower(m_program, 30ms);
    ASSERT_TRUE(upower.IsListening());
    SignalCount status(&upower, &PowerEventSource::powerStatusChanged);
    SignalCount suspend(&upower, &PowerEventSource::aboutToSuspend);

    QDBusConnection& sender = GetParam().fromIntruder ? intruder : m_services;
    GetParam().send(sender);
    SettleFrom(sender);
    if (GetParam().expected > 0)
        ASSERT_TRUE(WaitUntil([&] { return status.count() >= GetParam().expected; }));
    test::ProcessEventsFor(150ms); // room for a wrong extra change, several coalescing times
    EXPECT_EQ(status.count(), GetParam().expected);
    EXPECT_EQ(suspend.count(), 0);
}

void PropertyChange(QDBusConnection& from, const QString& path, const QString& interfaceName, const char* property)
{
    test::EmitPropertiesChanged(from, path, interfaceName, {{QString::fromLatin1(property), QVariant(1)}});
}

INSTANTIATE_TEST_SUITE_P(
    Signals, UPowerSignalTest,
    ::testing::Values(
        UPowerCase{"device_added", [](QDBusConnection& c) { test::EmitDeviceAdded(c, kBattery); }, 1},
        UPowerCase{"device_removed", [](QDBusConnection& c) { test::EmitDeviceRemoved(c, kBattery); }, 1},
        UPowerCase{"on_battery", [](QDBusConnection& c) { PropertyChange(c, kDaemon, kDaemonInterface, "OnBattery"); }, 1},
        UPowerCase{"adapter_online", [](QDBusConnection& c) { PropertyChange(c, kLinePower, kDeviceInterface, "Online"); }, 1},
        UPowerCase{"battery_present", [](QDBusConnection& c) { PropertyChange(c, kBattery, kDeviceInterface, "IsPresent"); }, 1},
        UPowerCase{"adapter_plugged_burst",
                   [](QDBusConnection& c) {
                       PropertyChange(c, kLinePower, kDeviceInterface, "Online");
                       PropertyChange(c, kDaemon, kDaemonInterface, "OnBattery");
                       PropertyChange(c, kBattery, kDeviceInterface, "State");
                   },
                   1},
        UPowerCase{"charge_level_only",
                   [](QDBusConnection& c) {
                       test::EmitPropertiesChanged(c, kBattery, kDeviceInterface,
                                                   {{"Percentage", 41.0}, {"Energy", 20.5}, {"TimeToEmpty", 3600}});
                   },
                   0},
        UPowerCase{"daemon_other_property",
                   [](QDBusConnection& c) { PropertyChange(c, kDaemon, kDaemonInterface, "LidIsClosed"); }, 0},
        UPowerCase{"other_interface",
                   [](QDBusConnection& c) {
                       PropertyChange(c, kBattery, QStringLiteral("org.freedesktop.UPower.KbdBacklight"), "State");
                   },
                   0},
        UPowerCase{"mouse_state", [](QDBusConnection& c) { PropertyChange(c, kMouse, kDeviceInterface, "State"); }, 0},
        UPowerCase{"mouse_added", [](QDBusConnection& c) { test::EmitDeviceAdded(c, kMouse); }, 0},
        UPowerCase{"mouse_removed", [](QDBusConnection& c) { test::EmitDeviceRemoved(c, kMouse); }, 0},
        UPowerCase{"peripheral_named_battery_state",
                   [](QDBusConnection& c) { PropertyChange(c, kHidBattery, kDeviceInterface, "State"); }, 0},
        UPowerCase{"peripheral_named_battery_added", [](QDBusConnection& c) { test::EmitDeviceAdded(c, kHidBattery); },
                   0},
        UPowerCase{"unreadable_battery_removed", [](QDBusConnection& c) { test::EmitDeviceRemoved(c, kGoneBattery); },
                   1},
        UPowerCase{"intruder_device_added", [](QDBusConnection& c) { test::EmitDeviceAdded(c, kBattery); }, 0, true}),
    [](const ::testing::TestParamInfo<UPowerCase>& info) { return std::string(info.param.name); });

// Each PropertiesChanged received wakes the program, so only the daemon's and the computer's
// supplies are taken, as devices come and go; not those of peripherals.
TEST_F(DBusPowerEventsTest, PropertiesChangedAreTakenOnlyForTheComputersSupplies)
{
    test::FakeUPower fakeUPower;
    ASSERT_TRUE(fakeUPower.AddDevice(m_services, kLinePower, 1, true));
    ASSERT_TRUE(fakeUPower.AddDevice(m_services, kBattery, 2, true));
    ASSERT_TRUE(fakeUPower.AddDevice(m_services, kMouse, 5, false));
    ASSERT_TRUE(fakeUPower.AddDevice(m_services, kHidBattery, 2, false));
    ASSERT_TRUE(test::RegisterUPower(m_services, &fakeUPower));
    UPowerEvents upower(m_program, 30ms);
    const auto taken = [&] { return m_bus.SignalPaths(m_program, QStringLiteral("PropertiesChanged")); };
    EXPECT_TRUE(WaitUntil([&] { return taken() == QStringList{kDaemon, kBattery, kLinePower}; }))
        << taken().join(' ').toStdString();

    test::EmitDeviceRemoved(m_services, kBattery);
    test::EmitDeviceAdded(m_services, kMouse); // a path that comes back is asked about again
    test::EmitDeviceAdded(m_services, kGoneBattery); // unreadable: its name decides
    EXPECT_TRUE(WaitUntil([&] { return taken() == QStringList{kDaemon, kGoneBattery, kLinePower}; }))
        << taken().join(' ').toStdString();
}

TEST_F(DBusPowerEventsTest, SeparateBurstsGiveSeparateStatusChanges)
{
    ASSERT_TRUE(test::RegisterUPower(m_services));
    UPowerEvents upower(m_program, 30ms);
    SignalCount status(&upower, &PowerEventSource::powerStatusChanged);
    test::EmitDeviceAdded(m_services, kBattery);
    ASSERT_TRUE(WaitUntil([&] { return status.count() == 1; }));
    test::EmitDeviceRemoved(m_services, kBattery);
    ASSERT_TRUE(WaitUntil([&] { return status.count() == 2; }));
}

// The factory on the private bus: what it picks, and that events come through the one source.
TEST_F(DBusPowerEventsTest, FactoryTakesLogindAndUPowerWhenTheyAreOnTheBus)
{
    ASSERT_TRUE(test::RegisterLogind(m_services, &m_logind));
    ASSERT_TRUE(test::RegisterUPower(m_services));
    std::unique_ptr<PowerEventSource> events = MakeBusPowerEventSource(m_program, AMPORA_FIXTURES "/none");
    auto* composite = qobject_cast<CompositePowerEvents*>(events.get());
    ASSERT_NE(composite, nullptr);
    auto* logind = qobject_cast<LogindPowerEvents*>(composite->StandBySource());
    ASSERT_NE(logind, nullptr);
    EXPECT_NE(qobject_cast<UPowerEvents*>(composite->StatusSource()), nullptr);
    SignalCount suspend(events.get(), &PowerEventSource::aboutToSuspend);
    SignalCount status(events.get(), &PowerEventSource::powerStatusChanged);
    ASSERT_TRUE(WaitUntil([&] { return logind->HoldsSleepLock(); }));

    test::EmitPrepareForSleep(m_services, true);
    ASSERT_TRUE(WaitUntil([&] { return suspend.count() == 1; }));
    events->SuspendHandled();
    EXPECT_TRUE(WaitUntil([&] { return !m_logind.LockHeld(0); }));

    test::EmitDeviceAdded(m_services, kBattery);
    EXPECT_TRUE(WaitUntil([&] { return status.count() == 1; }));
    EXPECT_EQ(suspend.count(), 1);
}

struct StatusChoiceCase {
    const char* name;
    bool connected;      // the program's bus is connected
    bool upower;         // UPower's name is on it
    bool kernelEvents;   // the uevent source can be made
    const char* expected; // "upower", "kernel" or "poll"
};

void PrintTo(const StatusChoiceCase& row, std::ostream* out)
{
    *out << row.name;
}

class StatusChoiceTest : public DBusPowerEventsTest, public ::testing::WithParamInterface<StatusChoiceCase> {};

TEST_P(StatusChoiceTest, UPowerThenKernelEventsThenThePoll)
{
    const StatusChoiceCase& row = GetParam();
    if (row.upower)
        ASSERT_TRUE(test::RegisterUPower(m_services));
    PowerEventSource* made = nullptr;
    int asked = 0;
    const KernelEventsFactory kernelEvents = [&]() -> std::unique_ptr<PowerEventSource> {
        ++asked;
        if (!row.kernelEvents)
            return nullptr;
        auto source = std::make_unique<PowerEventSource>();
        made = source.get();
        return source;
    };
    const QDBusConnection bus = row.connected ? m_program : QDBusConnection(QStringLiteral("not-connected"));
    std::unique_ptr<PowerEventSource> events = MakeBusPowerEventSource(bus, AMPORA_FIXTURES "/none", kernelEvents);
    auto* composite = qobject_cast<CompositePowerEvents*>(events.get());
    ASSERT_NE(composite, nullptr);
    PowerEventSource* status = composite->StatusSource();
    const std::string expected = row.expected;
    if (expected == "upower") {
        EXPECT_NE(qobject_cast<UPowerEvents*>(status), nullptr);
        EXPECT_EQ(asked, 0) << "no uevent monitor is opened beside UPower";
    } else if (expected == "kernel") {
        EXPECT_EQ(status, made);
    } else {
        EXPECT_NE(qobject_cast<SysfsPollPowerEvents*>(status), nullptr);
        EXPECT_EQ(asked, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Choices, StatusChoiceTest,
                         ::testing::Values(StatusChoiceCase{"upower_on_the_bus", true, true, true, "upower"},
                                           StatusChoiceCase{"no_bus", false, false, true, "kernel"},
                                           StatusChoiceCase{"bus_without_upower", true, false, true, "kernel"},
                                           StatusChoiceCase{"no_bus_no_monitor", false, false, false, "poll"},
                                           StatusChoiceCase{"bus_without_upower_no_monitor", true, false, false,
                                                            "poll"}),
                         [](const ::testing::TestParamInfo<StatusChoiceCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(DBusPowerEventsTest, FactoryPollsWithoutServicesOrBus)
{
    for (const QDBusConnection& bus : {m_program, QDBusConnection(QStringLiteral("not-connected"))}) {
        SCOPED_TRACE(bus.isConnected() ? "empty bus" : "no bus");
        std::unique_ptr<PowerEventSource> events = MakeBusPowerEventSource(bus, AMPORA_FIXTURES "/none");
        auto* composite = qobject_cast<CompositePowerEvents*>(events.get());
        ASSERT_NE(composite, nullptr);
        EXPECT_NE(qobject_cast<ClockSleepEvents*>(composite->StandBySource()), nullptr)
            << "without logind a sleep is noticed from the clocks";
        EXPECT_NE(qobject_cast<SysfsPollPowerEvents*>(composite->StatusSource()), nullptr);
        events->SuspendHandled(); // nothing to release
    }
}

} // namespace
} // namespace ampora
