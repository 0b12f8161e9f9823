// The log file on real file systems: whole rows only, and a log that fails, is deleted or loses
// its folder is closed and reported once while the caller's run goes on.
#include "monitor/BatteryLog.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace ampora {
namespace {

using Result = BatteryLog::Result;

const std::string kRow = "\r\n 09:12:2026\t14:05:30\t80 %\t\t\t50000 mW/H";

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<BatteryRecord> OneBattery()
{
    BatteryRecord record;
    record.deviceName = "BAT0";
    return {record};
}

class BatteryLogFileTest : public ::testing::Test {
protected:
    QString PathOf(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir m_dir;
    BatteryLog m_log;
};

TEST_F(BatteryLogFileTest, HoldsTheHeaderThenEveryRow)
{
    const QString path = PathOf("BatteryLog.txt");
    ASSERT_EQ(m_log.Open(path, OneBattery()), Result::Written);
    EXPECT_EQ(m_log.WriteRow(kRow), Result::Written);
    EXPECT_EQ(m_log.WriteRow(kRow), Result::Written);
    EXPECT_EQ(Contents(path), QByteArray::fromStdString(LogHeaderText(OneBattery()) + kRow + kRow));
    m_log.Close();
    EXPECT_EQ(m_log.WriteRow(kRow), Result::NoLog);
}

TEST_F(BatteryLogFileTest, AFileThatCannotBeCreatedIsNoLogAndNoNews)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("BatteryLog.txt")));
    EXPECT_EQ(m_log.Open(PathOf("BatteryLog.txt"), OneBattery()), Result::NoLog);
    EXPECT_FALSE(m_log.IsOpen());
    EXPECT_EQ(m_log.WriteRow(kRow), Result::NoLog);
}

// Deleted on its own, or with its folder: the next row fails once, then there is no log.
TEST_F(BatteryLogFileTest, DeletedFileOrFolderIsReportedOnceAndNeverWrittenTo)
{
    for (const bool folder : {false, true}) {
        SCOPED_TRACE(folder ? "folder removed" : "file deleted");
        const QString dir = PathOf("runs");
        ASSERT_TRUE(QDir().mkpath(dir));
        const QString path = dir + QStringLiteral("/BatteryLog.txt");
        ASSERT_EQ(m_log.Open(path, OneBattery()), Result::Written);
        ASSERT_EQ(m_log.WriteRow(kRow), Result::Written);
        ASSERT_TRUE(folder ? QDir(dir).removeRecursively() : QFile::remove(path));

        EXPECT_EQ(m_log.WriteRow(kRow), Result::Failed);
        EXPECT_FALSE(m_log.IsOpen());
        EXPECT_EQ(m_log.FailureMessage(),
                  QStringLiteral("The log %1 cannot be written: No such file or directory.\n"
                                 "The run goes on without it; its samples are kept for Save data.")
                      .arg(path));
        EXPECT_EQ(m_log.WriteRow(kRow), Result::NoLog);
    }
}

// A full disk needs a small file system of our own; that takes root (and a container that
// lets root mount).
class BatteryLogFullDiskTest : public BatteryLogFileTest {
protected:
    void SetUp() override
    {
        m_mountPoint = PathOf("mnt");
        QDir().mkpath(m_mountPoint);
        if (::mount("tmpfs", m_mountPoint.toLocal8Bit().constData(), "tmpfs", 0, "size=8k") != 0)
            GTEST_SKIP() << "cannot mount a small tmpfs here (" << std::strerror(errno) << ")";
        m_mounted = true;
    }
    void TearDown() override
    {
        m_log.Close();
        if (m_mounted)
            ::umount(m_mountPoint.toLocal8Bit().constData());
    }

    QString m_mountPoint;
    bool m_mounted = false;
};

TEST_F(BatteryLogFullDiskTest, KeepsWholeRowsAndReportsTheFirstFailureOnce)
{
    const QString path = m_mountPoint + QStringLiteral("/BatteryLog.txt");
    ASSERT_EQ(m_log.Open(path, OneBattery()), Result::Written);
    int written = 0;
    Result result = Result::Written;
    while ((result = m_log.WriteRow(kRow)) == Result::Written && written < 10000)
        ++written;
    ASSERT_EQ(result, Result::Failed);
    EXPECT_TRUE(m_log.FailureMessage().contains(QStringLiteral(": No space left on device.\n")))
        << m_log.FailureMessage().toStdString();
    EXPECT_EQ(m_log.WriteRow(kRow), Result::NoLog);

    std::string expected = LogHeaderText(OneBattery());
    for (int i = 0; i < written; ++i)
        expected += kRow;
    EXPECT_EQ(Contents(path), QByteArray::fromStdString(expected));
}

} // namespace
} // namespace ampora
