// Faults a real desktop meets (a full log disk, a garbage help file) and a long soak of the
// longest run with the graph painted at every tick: nothing crashes, nothing is lost, nothing
// leaks.
#include "AppTestSupport.h"

#include "app/CVolticDlg.h"
#include "ui/HelpWindow.h"
#include "platform/Backends.h"
#include "graph/CGraphControl.h"
#include "resources/ResourceIds.h"
#include "ui/DialogBuilder.h"

#include <QComboBox>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <memory>

namespace ampora {
namespace {

int OpenDescriptors()
{
    return static_cast<int>(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size());
}

long ResidentKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

class FaultTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sysfs.AddBattery(0);
        sysfs.AddBattery(1, 20000, 24000, 3000);
        qputenv("AMPORA_SYSFS_ROOT", sysfs.Root().toLocal8Bit());
        m_cwd = std::make_unique<test::ScopedCurrentDir>(work.path());
        backends = MakeBackends();
        dialog = std::make_unique<CVolticDlg>(backends);
    }
    void TearDown() override
    {
        dialog.reset();
        qputenv("AMPORA_SYSFS_ROOT", QByteArray(AMPORA_FIXTURES "/none"));
    }

    test::FakeSysfs sysfs;
    test::MessageRecorder messages;
    QTemporaryDir work;
    Backends backends;
    std::unique_ptr<CVolticDlg> dialog;

private:
    std::unique_ptr<test::ScopedCurrentDir> m_cwd;
};

TEST_F(FaultTest, FullLogDiskLosesNoSample)
{
    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    ASSERT_TRUE(QFile::link("/dev/full", work.filePath("BatteryLog.txt")));
    dialog->OnOK();
    ASSERT_TRUE(dialog->IsRunning());
    for (int i = 0; i < 300; ++i)
        dialog->OnTimer();
    EXPECT_TRUE(dialog->IsRunning());
    EXPECT_EQ(dialog->Samples().Size(), 31u);
    EXPECT_EQ(dialog->BatteryRecords().size(), 2u);
    dialog->OnCancel();
    EXPECT_FALSE(dialog->LogOpen());
    // Told once, at the header; the run went on.
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].text.contains(QStringLiteral("No space left on device")))
        << messages.messages[0].text.toStdString();
}

TEST_F(FaultTest, BatteryFolderVanishingMidRunKeepsTheRunGoing)
{
    dialog->OnOK();
    for (int i = 0; i < 10; ++i)
        dialog->OnTimer();
    sysfs.RemoveBattery(1); // pulled, and no power event told us yet
    for (int i = 0; i < 10; ++i)
        dialog->OnTimer();
    ASSERT_EQ(dialog->Samples().Size(), 3u);
    EXPECT_EQ(dialog->Samples()[1].fullChargedCapacity, 50000 + 24000);
    EXPECT_EQ(dialog->Samples()[2].fullChargedCapacity, 50000); // the pulled one adds nothing
}

TEST_F(FaultTest, GarbageAndMissingHelpFilesSayHelpFailed)
{
    SetHelpFilePath(work.filePath("HelpBattery.hlp"));
    EXPECT_FALSE(ShowHelp(nullptr, QStringLiteral("Battery info")));
    QFile f(work.filePath("HelpBattery.hlp"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(5000, '\x01'));
    f.close();
    EXPECT_FALSE(ShowHelp(nullptr));
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1].text, "Failed to launch help.");

    // Valid HTML, but one byte above the bound: refused before it is read.
    QByteArray big = "<html><body>";
    big += QByteArray(kMaxHelpFileBytes + 1 - big.size(), 'x');
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(big);
    f.close();
    EXPECT_FALSE(ShowHelp(nullptr));
    ASSERT_EQ(messages.messages.size(), 3u);
    EXPECT_EQ(messages.messages[2].text, "Failed to launch help.");

    QFile::remove(work.filePath("HelpBattery.hlp"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(AMPORA_BUILD_DIR "/HelpBattery.hlp"), work.filePath("HelpBattery.hlp")));
    EXPECT_TRUE(ShowHelp(nullptr, QStringLiteral("System info")));
    EXPECT_EQ(messages.messages.size(), 3u);
    SetHelpFilePath(QString::fromLatin1(kHelpFileName));
}

TEST_F(FaultTest, SoakOfTheLongestRunLeaksNothing)
{
    auto* rate = Control<QComboBox>(dialog.get(), IDC_RATE);
    rate->setCurrentIndex(rate->count() - 1); // 285 minutes
    dialog->show();
    const int fdsBefore = OpenDescriptors();
    long rssAfterFirst = 0;
    constexpr int kRuns = 3;
    for (int run = 0; run < kRuns; ++run) {
        dialog->OnOK();
        ASSERT_TRUE(dialog->IsRunning());
        while (dialog->IsRunning())
            dialog->OnTimer(); // each tick repaints the visible graph
        ASSERT_EQ(dialog->Samples().Size(), 285u * 6 + 1);
        EXPECT_EQ(OpenDescriptors(), fdsBefore) << "run " << run;
        if (run == 0)
            rssAfterFirst = ResidentKb();
    }
#if !defined(__SANITIZE_ADDRESS__)
    // Later runs reuse what the first one needed: growth stays far below a run's worth of
    // repaints (a leak of one image per tick would be hundreds of megabytes).
    EXPECT_LT(ResidentKb() - rssAfterFirst, 8 * 1024);
#endif
    (void)rssAfterFirst;
}

} // namespace
} // namespace ampora
