// What one sample reads of a real-shaped tree: two ThinkPad batteries and a mouse. Every
// opened file is counted through inotify, so the test sees the back end as the kernel does.
#include "../sysfs/MachineTree.h"

#include "battery/CBatteryCtrl.h"
#include "platform/sysfs/SysfsBackend.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

#include <filesystem>
#include <map>

namespace ampora {
namespace {

namespace fs = std::filesystem;

// Opens of the files in the watched folders, by folder name and file name.
class OpenCounter {
public:
    OpenCounter() : m_fd(inotify_init1(IN_NONBLOCK)) {}
    ~OpenCounter()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    bool Ok() const { return m_fd >= 0; }

    bool Watch(const fs::path& folder, const std::string& label)
    {
        // Closes are watched too: the kernel merges identical events that follow each other.
        const int wd = inotify_add_watch(m_fd, fs::canonical(folder).c_str(), IN_OPEN | IN_CLOSE_NOWRITE);
        m_labels[wd] = label;
        return wd >= 0;
    }

    std::map<std::string, std::map<std::string, int>> Drain()
    {
        std::map<std::string, std::map<std::string, int>> opens;
        alignas(inotify_event) char buffer[64 * 1024];
        ssize_t got;
        while ((got = read(m_fd, buffer, sizeof buffer)) > 0) {
            for (char* p = buffer; p < buffer + got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(p);
                if ((event->mask & IN_OPEN) && !(event->mask & IN_ISDIR) && event->len > 0)
                    ++opens[m_labels[event->wd]][event->name];
                p += sizeof(inotify_event) + event->len;
            }
        }
        return opens;
    }

private:
    int m_fd;
    std::map<int, std::string> m_labels;
};

TEST(SampleReadsTest, OneReadOfEachUsedAttributeAndOnlyTypeAndScopeOfTheMouse)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string root = dir.path().toStdString();
    std::string error;
    ASSERT_TRUE(test::BuildMachineTree(root, {"thinkpad-t480-two-batteries.txt", "desktop-logitech-m510-mouse.txt"},
                                       &error))
        << error;

    const std::shared_ptr<SysfsReadings> readings = MakeSysfsReadings(root);
    const auto driver = MakeSysfsBatteryDriver(readings);
    const auto power = MakeSysfsPowerStatus(readings);
    CBatteryCtrl ctrl(driver.get());
    ctrl.Enumerate();
    ASSERT_EQ(ctrl.GetBatteryCount(), 2);

    OpenCounter counter;
    if (!counter.Ok())
        GTEST_SKIP() << "inotify is not available here";
    const fs::path supplies = fs::path(root) / "class" / "power_supply";
    for (const char* name : {"BAT0", "BAT1", "hidpp_battery_8"})
        ASSERT_TRUE(counter.Watch(supplies / name, name));

    SystemPowerStatus status;
    BatteryTotals totals;
    {
        const SampleReadings sample(driver.get());
        ASSERT_TRUE(power->GetSystemPowerStatus(&status));
        ctrl.GetBatteryTotals(&totals);
    }
    EXPECT_EQ(totals, (BatteryTotals{102960, 84160, 18840, 26328, 0}));

    const auto opens = counter.Drain();
    for (const auto& [supply, files] : opens) {
        for (const auto& [file, count] : files)
            EXPECT_EQ(count, 1) << supply << "/" << file << " was read " << count << " times in one sample";
    }
    for (const char* battery : {"BAT0", "BAT1"}) {
        ASSERT_TRUE(opens.contains(battery));
        for (const char* used : {"type", "status", "energy_now", "energy_full", "voltage_now", "power_now"})
            EXPECT_TRUE(opens.at(battery).contains(used)) << battery << "/" << used << " is used but was not read";
        for (const char* unused : {"model_name", "serial_number", "manufacturer", "uevent", "temp"})
            EXPECT_FALSE(opens.at(battery).contains(unused)) << battery << "/" << unused << " is not used by a sample";
    }
    std::map<std::string, int> mouseOpens;
    if (opens.contains("hidpp_battery_8"))
        mouseOpens = opens.at("hidpp_battery_8");
    EXPECT_EQ(mouseOpens, (std::map<std::string, int>{{"scope", 1}, {"type", 1}}));
}

} // namespace
} // namespace ampora
