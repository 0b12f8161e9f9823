// Files that could stall or lose data under the running window, made for real: a FIFO in a
// battery's attributes (its open would wait for a writer for good) and a log deleted with its
// folder during a run.
#include "AppTestSupport.h"

#include "app/CVolticDlg.h"
#include "platform/Backends.h"
#include "platform/linux/SysfsPollPowerEvents.h"

#include <QFile>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace ampora {
namespace {

using namespace std::chrono_literals;

// Watches the window's thread from another one: when the thread under test has not come back
// within the limit, it counts as stalled, and the FIFO's other end is opened and closed (again
// and again) so that the stalled read ends and the test fails instead of hanging.
class Watchdog {
public:
    Watchdog(std::string fifo, std::chrono::milliseconds limit)
        : m_thread([this, fifo = std::move(fifo), limit]() mutable {
              std::unique_lock lock(m_mutex);
              while (!m_cv.wait_for(lock, limit, [this] { return m_done; })) {
                  m_stalled = true;
                  const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
                  if (fd >= 0)
                      ::close(fd);
                  limit = 50ms;
              }
          })
    {
    }
    ~Watchdog() { Done(); }

    // The thread under test is back; true when it never stalled.
    bool Done()
    {
        {
            std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_cv.notify_all();
        if (m_thread.joinable())
            m_thread.join();
        return !m_stalled;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_done = false;
    std::atomic<bool> m_stalled = false;
    std::thread m_thread;
};

class BlockingFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sysfs.AddBattery(0);
        qputenv("AMPORA_SYSFS_ROOT", sysfs.Root().toLocal8Bit());
        m_cwd = std::make_unique<test::ScopedCurrentDir>(work.path());
    }
    void TearDown() override { qputenv("AMPORA_SYSFS_ROOT", QByteArray(AMPORA_FIXTURES "/none")); }

    test::FakeSysfs sysfs;
    test::MessageRecorder messages;
    QTemporaryDir work;

private:
    std::unique_ptr<test::ScopedCurrentDir> m_cwd;
};

// energy_now is read at every sample, `type` at start, by the poll and at every sample: as a
// FIFO each is unreadable like a missing attribute, and the window's thread always comes back.
TEST_F(BlockingFilesTest, FifoAttributeNeverStallsTheWindow)
{
    for (const char* attribute : {"energy_now", "type"}) {
        SCOPED_TRACE(attribute);
        const QString fifo = sysfs.Root() + QStringLiteral("/class/power_supply/BAT0/") + QLatin1String(attribute);
        ASSERT_TRUE(QFile::remove(fifo));
        ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);

        Watchdog watchdog(fifo.toStdString(), 3s);
        Backends backends = MakeBackends();
        CVolticDlg dialog(backends);
        dialog.OnOK();
        for (int i = 0; i < 20; ++i)
            dialog.OnTimer();
        dialog.OnCancel();
        ChargeVoltages kept;
        ReadPowerSupplyState(sysfs.Root().toStdString(), &kept);
        EXPECT_TRUE(watchdog.Done()) << "the window's thread stalled on the FIFO";

        EXPECT_EQ(dialog.Samples().Size(), 3u);
        EXPECT_EQ(dialog.BatteryCtrl().GetBatteryCount(), attribute == std::string("type") ? 0 : 1);

        ASSERT_TRUE(QFile::remove(fifo));
        sysfs.SetBatteryValue(0, attribute, attribute == std::string("type") ? "Battery" : "40000000");
    }
}

// The log's folder removed during a run: told once, the run goes on, and its samples (with the
// battery's description) can still be saved.
TEST_F(BlockingFilesTest, LogLosingItsFolderIsToldOnceAndTheRunGoesOn)
{
    const QString folder = work.filePath(QStringLiteral("runs"));
    ASSERT_TRUE(QDir().mkdir(folder));
    test::ScopedCurrentDir inFolder(folder);
    Backends backends = MakeBackends();
    CVolticDlg dialog(backends);
    dialog.OnOK();
    ASSERT_TRUE(dialog.LogOpen());
    for (int i = 0; i < 10; ++i)
        dialog.OnTimer();
    ASSERT_TRUE(QDir(folder).removeRecursively());
    for (int i = 0; i < 30; ++i)
        dialog.OnTimer();

    EXPECT_TRUE(dialog.IsRunning());
    EXPECT_FALSE(dialog.LogOpen());
    EXPECT_EQ(dialog.Samples().Size(), 5u);
    EXPECT_EQ(dialog.BatteryRecords().size(), 1u);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(messages.messages[0].text,
              QStringLiteral("The log %1/BatteryLog.txt cannot be written: No such file or directory.\n"
                             "The run goes on without it; its samples are kept for Save data.")
                  .arg(folder));
    dialog.OnCancel();
}

} // namespace
} // namespace ampora
