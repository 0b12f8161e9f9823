#include "monitor/BatteryDataFile.h"

#include "DataFileBytes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ampora {
namespace {

BatteryRecord Battery(const std::string& name, int32_t base)
{
    BatteryRecord r;
    r.deviceName = name;
    r.manufacturer = "Maker";
    r.serialNumber = "SN-" + std::to_string(base);
    r.uniqueId = "";
    r.chemistry = "Lithium Ion";
    r.designedCapacity = base + 1;
    r.fullChargedCapacity = base + 2;
    r.remainingCapacity = base + 3;
    r.voltage = base + 4;
    r.criticalBias = base + 5;
    r.cycleCount = base + 6;
    r.technology = 1;
    r.temperature = base + 8;
    r.rate = kUnknownRate;
    r.powerState = BATTERY_DISCHARGING;
    r.defaultAlert1 = base + 11;
    r.defaultAlert2 = base + 12;
    return r;
}

Sample SampleAt(int32_t tick)
{
    return Sample{tick, 52000, 50000, 0, 50000 - tick, 11400 - tick / 10, 3600 - tick, -1,
                  100 - tick / 10};
}

BatteryData SavedRun(int batteries, int samples)
{
    BatteryData data;
    for (int i = 0; i < batteries; ++i)
        data.records.push_back(Battery("BAT" + std::to_string(i), 1000 * (i + 1)));
    for (int i = 0; i < samples; ++i)
        data.samples.Append(SampleAt(10 * i));
    data.runSeconds = 900;
    data.tickCount = 900;
    return data;
}

class DataFileTest : public ::testing::Test {
protected:
    QString PathOf(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    QString WriteRaw(const std::string& bytes, const char* name = "raw.apd") const
    {
        const QString path = PathOf(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }

    static QByteArray Contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};

TEST_F(DataFileTest, RoundTripWithOneAndTwoBatteries)
{
    for (int batteries : {1, 2}) {
        SCOPED_TRACE(batteries);
        BatteryData saved = SavedRun(batteries, 91);
        saved.records[0].estimatedTime = 4000; // not stored
        saved.records[0].manufactureYear = 2020;
        const QString path = PathOf("run.apd");
        ASSERT_TRUE(WriteBatteryDataFile(path, saved).Ok());

        BatteryData loaded;
        const DataFileResult result = ReadBatteryDataFile(path, &loaded);
        ASSERT_TRUE(result.Ok()) << result.error.toStdString();
        saved.records[0].estimatedTime = 0;
        saved.records[0].manufactureYear = 0;
        EXPECT_EQ(loaded, saved);
    }
}

TEST_F(DataFileTest, FifteenMinuteRunWithOneBatteryHasTheDocumentedLayout)
{
    Bytes expected;
    expected.I32(100).I32(1);
    AppendBatteryImage(expected, "BAT0", 1000);
    expected.I32(900).I32(91).I32(900);
    for (int i = 0; i < 91; ++i) {
        const Sample s = SampleAt(10 * i);
        expected.I32(s.tick).I32(s.designedCapacity).I32(s.fullChargedCapacity).I32(0)
            .I32(s.remainingCapacity).I32(s.voltage).I32(s.batteryLifeTime)
            .I32(s.batteryFullLifeTime).I32(s.batteryLifePercent);
    }

    const QString path = PathOf("run.apd");
    ASSERT_TRUE(WriteBatteryDataFile(path, SavedRun(1, 91)).Ok());
    const QByteArray written = Contents(path);
    EXPECT_EQ(written.size(), 8 + 95 + 12 + 91 * 36);
    EXPECT_EQ(written.toStdString(), expected.Str());

    BatteryData loaded;
    ASSERT_TRUE(ReadBatteryDataFile(WriteRaw(expected.Str()), &loaded).Ok());
    EXPECT_EQ(loaded, SavedRun(1, 91));
}

TEST_F(DataFileTest, ReaderIgnoresTheFormatNumberAndCutsTextsAtNul)
{
    Bytes b;
    b.I32(7).I32(1);
    b.Text(std::string("BAT\0junk", 8)).Text(std::string(259, 'm')).Text("").Text("").Text("");
    for (int i = 0; i < 12; ++i)
        b.I32(i);
    b.I32(600).I32(0).I32(42);

    BatteryData loaded;
    const DataFileResult result = ReadBatteryDataFile(WriteRaw(b.Str()), &loaded);
    ASSERT_TRUE(result.Ok()) << result.error.toStdString();
    ASSERT_EQ(loaded.records.size(), 1u);
    EXPECT_EQ(loaded.records[0].deviceName, "BAT");
    EXPECT_EQ(loaded.records[0].manufacturer, std::string(259, 'm'));
    EXPECT_EQ(loaded.records[0].defaultAlert2, 11);
    EXPECT_EQ(loaded.runSeconds, 600);
    EXPECT_EQ(loaded.tickCount, 42);
    EXPECT_TRUE(loaded.samples.Empty());
}

TEST_F(DataFileTest, WriterCutsLongTextsAtACharacterBoundary)
{
    BatteryData data = SavedRun(1, 0);
    data.records[0].deviceName = std::string(300, 'x');
    std::string accents;
    for (int i = 0; i < 200; ++i)
        accents += "\xC3\xA9"; // two bytes each
    data.records[0].manufacturer = accents;

    const QString path = PathOf("long.apd");
    ASSERT_TRUE(WriteBatteryDataFile(path, data).Ok());
    BatteryData loaded;
    ASSERT_TRUE(ReadBatteryDataFile(path, &loaded).Ok());
    EXPECT_EQ(loaded.records[0].deviceName, std::string(259, 'x'));
    EXPECT_EQ(loaded.records[0].manufacturer, accents.substr(0, 258));
}

class DamagedFileTest : public DataFileTest, public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedFileTest, IsRejectedAndLeavesTheCallersDataAlone)
{
    const QString path = WriteRaw(GetParam().bytes, "damaged.apd");
    const BatteryData before = SavedRun(2, 14);
    BatteryData held = before;

    const DataFileResult result = ReadBatteryDataFile(path, &held);

    EXPECT_EQ(result.status, DataFileStatus::Damaged);
    const QString name = QDir::toNativeSeparators(path);
    const QString first = GetParam().pastEnd
                              ? QStringLiteral("An attempt was made to access %1 past its end.").arg(name)
                              : QStringLiteral("%1 is damaged.").arg(name);
    EXPECT_EQ(result.error, first + QLatin1Char('\n') + QString::fromLatin1(GetParam().detail));
    EXPECT_EQ(held, before);
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedFileTest, ::testing::ValuesIn(DamagedFiles()),
                         [](const auto& info) { return std::string(info.param.name); });

// A file that ends inside its sample images (a save cut short) gives its whole samples.
TEST_F(DataFileTest, FileEndingInsideTheSamplesGivesTheWholeOnes)
{
    const BatteryData saved = SavedRun(1, 3);
    const std::string full = SerializeBatteryData(saved).toStdString();
    const std::size_t imagesAt = full.size() - 3 * 36;
    struct Row {
        const char* name;
        std::string bytes;
        int claimed;
        int whole;
    };
    std::string hugeCount = full;
    hugeCount.replace(imagesAt - 8, 4, Bytes().I32(0x10000000).Str());
    const Row rows[] = {
        {"NoImageAtAll", full.substr(0, imagesAt), 3, 0},
        {"InsideTheFirst", full.substr(0, imagesAt + 20), 3, 0},
        {"InsideTheLast", full.substr(0, full.size() - 1), 3, 2},
        {"CountNoFileHolds", hugeCount, 0x10000000, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = WriteRaw(row.bytes, "cut.apd");
        BatteryData loaded = SavedRun(2, 14);
        const DataFileResult result = ReadBatteryDataFile(path, &loaded);
        EXPECT_EQ(result.status, DataFileStatus::Partial);
        EXPECT_EQ(result.error, QStringLiteral("%1 ends inside its samples: it claims %2 samples, of which %3 are "
                                               "whole.\nOnly the whole samples are shown.")
                                    .arg(QDir::toNativeSeparators(path)).arg(row.claimed).arg(row.whole));
        ASSERT_EQ(loaded.samples.Size(), std::size_t(row.whole));
        for (int i = 0; i < row.whole; ++i)
            EXPECT_EQ(loaded.samples[std::size_t(i)], saved.samples[std::size_t(i)]);
        EXPECT_EQ(loaded.records, saved.records);
        EXPECT_EQ(loaded.tickCount, saved.tickCount);
    }
}

// Only the bytes the counts ask for are read: a gigabyte of (sparse) trailing bytes is ignored.
TEST_F(DataFileTest, TrailingGigabyteIsIgnored)
{
    const QString path = PathOf("padded.apd");
    ASSERT_TRUE(WriteBatteryDataFile(path, SavedRun(1, 91)).Ok());
    QFile file(path);
    ASSERT_TRUE(file.resize(file.size() + (qint64{1} << 30)));
    BatteryData loaded;
    const DataFileResult result = ReadBatteryDataFile(path, &loaded);
    ASSERT_TRUE(result.Ok()) << result.error.toStdString();
    EXPECT_EQ(loaded, SavedRun(1, 91));
}

// Anything but a regular file is refused before it is opened: a device would be read
// without end, a pipe would block the open.
TEST_F(DataFileTest, NonRegularFilesAreRefusedWithoutOpening)
{
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), PathOf("zero.apd")));
    ASSERT_EQ(::mkfifo(PathOf("pipe.apd").toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("x.apd")));
    for (const char* name : {"zero.apd", "pipe.apd", "x.apd"}) {
        SCOPED_TRACE(name);
        const QString path = PathOf(name);
        const BatteryData before = SavedRun(1, 3);
        BatteryData held = before;
        const DataFileResult result = ReadBatteryDataFile(path, &held);
        EXPECT_EQ(result.status, DataFileStatus::CannotOpen);
        EXPECT_EQ(result.error, QStringLiteral("%1 is a folder, a device or a pipe, not a file.")
                                    .arg(QDir::toNativeSeparators(path)));
        EXPECT_EQ(held, before);
        // Nor is one written over.
        EXPECT_EQ(WriteBatteryDataFile(path, before).status, DataFileStatus::CannotOpen);
    }
    EXPECT_TRUE(QFileInfo(PathOf("pipe.apd")).exists() && !QFileInfo(PathOf("pipe.apd")).isFile());
    EXPECT_TRUE(QFileInfo(PathOf("x.apd")).isDir());
}

TEST_F(DataFileTest, LinkIsFollowedAndSavingKeepsIt)
{
    const QString target = PathOf("target.apd");
    const QString link = PathOf("link.apd");
    ASSERT_TRUE(WriteBatteryDataFile(target, SavedRun(1, 2)).Ok());
    ASSERT_TRUE(QFile::link(target, link));

    ASSERT_TRUE(WriteBatteryDataFile(link, SavedRun(2, 5)).Ok());
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), target);
    BatteryData loaded;
    ASSERT_TRUE(ReadBatteryDataFile(link, &loaded).Ok());
    EXPECT_EQ(loaded, SavedRun(2, 5));
    EXPECT_EQ(Contents(target), Contents(link));
}

// A file the user may write in a folder the user may not: written in place. Root may write
// any folder, so then the save runs as an ordinary user in a child process.
TEST_F(DataFileTest, WritableFileInAReadOnlyFolderIsWrittenInPlace)
{
    constexpr uid_t kNobody = 65534;
    const QString folder = PathOf("shared");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/run.apd");
    ASSERT_TRUE(WriteBatteryDataFile(path, SavedRun(1, 2)).Ok());
    const bool root = ::geteuid() == 0;
    if (root)
        ASSERT_EQ(::chown(path.toLocal8Bit().constData(), kNobody, kNobody), 0);
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);

    EXPECT_EXIT(
        {
            if (root && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
                std::_Exit(2);
            std::_Exit(WriteBatteryDataFile(path, SavedRun(2, 7)).Ok() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    BatteryData loaded;
    ASSERT_TRUE(ReadBatteryDataFile(path, &loaded).Ok());
    EXPECT_EQ(loaded, SavedRun(2, 7));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(DataFileTest, MissingFileCannotBeOpenedAndChangesNothing)
{
    const BatteryData before = SavedRun(1, 3);
    BatteryData held = before;
    const DataFileResult result = ReadBatteryDataFile(PathOf("absent.apd"), &held);
    EXPECT_EQ(result.status, DataFileStatus::CannotOpen);
    EXPECT_NE(result.error.indexOf(QStringLiteral("absent.apd")), -1);
    EXPECT_EQ(held, before);
}

TEST_F(DataFileTest, SaveIntoMissingFolderReportsTheError)
{
    const QString path = PathOf("no/such/folder/run.apd");
    const DataFileResult result = WriteBatteryDataFile(path, SavedRun(1, 3));
    EXPECT_FALSE(result.Ok());
    EXPECT_NE(result.error.indexOf(QDir::toNativeSeparators(path)), -1) << result.error.toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

// A save that fails while writing: the file-size limit makes the write stop with EFBIG.
TEST_F(DataFileTest, SaveFailingMidwayKeepsTheEarlierFile)
{
    const QString path = PathOf("run.apd");
    ASSERT_TRUE(WriteBatteryDataFile(path, SavedRun(1, 2)).Ok());
    const QByteArray earlier = Contents(path);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const DataFileResult result = WriteBatteryDataFile(path, SavedRun(2, 10000));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(result.status, DataFileStatus::WriteFailed);
    EXPECT_NE(result.error.indexOf(QStringLiteral("run.apd")), -1) << result.error.toStdString();
    EXPECT_EQ(Contents(path), earlier);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("run.apd")});
}

// Real file-system failures need a small file system of our own; that takes root (and a
// container that lets root mount).
class SmallFileSystemTest : public DataFileTest {
protected:
    void SetUp() override
    {
        m_mountPoint = m_dir.filePath(QStringLiteral("mnt"));
        QDir().mkpath(m_mountPoint);
        if (::mount("tmpfs", m_mountPoint.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") != 0)
            GTEST_SKIP() << "cannot mount a small tmpfs here (" << std::strerror(errno) << ")";
        m_mounted = true;
    }
    void TearDown() override
    {
        if (m_mounted)
            ::umount(m_mountPoint.toLocal8Bit().constData());
    }
    // Fills the file system with "filler" until no byte fits any more.
    void FillDisk() const
    {
        QFile filler(m_mountPoint + QStringLiteral("/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, '\0');
        while (filler.write(block) == block.size()) {
        }
        while (filler.write(block.left(1)) == 1) {
        }
    }
    bool Remount(unsigned long flags)
    {
        return ::mount("tmpfs", m_mountPoint.toLocal8Bit().constData(), "tmpfs", MS_REMOUNT | flags,
                       "size=64k") == 0;
    }

    QString m_mountPoint;
    bool m_mounted = false;
};

// Below the file's 16 KB buffer the write itself succeeds and only the flush meets the full
// disk; above it the write fails. Either way the earlier file stays and the reason is told.
TEST_F(SmallFileSystemTest, FullDiskKeepsTheEarlierFile)
{
    const QString path = m_mountPoint + QStringLiteral("/run.apd");
    ASSERT_TRUE(WriteBatteryDataFile(path, SavedRun(1, 91)).Ok());
    const QByteArray earlier = Contents(path);
    FillDisk();

    for (const int samples : {400, 10000}) { // 14 kB, 360 kB
        SCOPED_TRACE(samples);
        const DataFileResult result = WriteBatteryDataFile(path, SavedRun(1, samples));
        EXPECT_EQ(result.status, DataFileStatus::WriteFailed);
        EXPECT_EQ(result.error, QStringLiteral("Cannot save %1: No space left on device.").arg(path));
        EXPECT_EQ(Contents(path), earlier);
        EXPECT_EQ(QDir(m_mountPoint).entryList(QDir::Files), (QStringList{"filler", "run.apd"}));
    }
}

// The same where the folder refuses the temporary file and the save goes in place: what it
// wrote over is put back. Root may write any folder, so the save runs as an ordinary user.
TEST_F(SmallFileSystemTest, InPlaceSaveFailingHalfWayPutsTheEarlierFileBack)
{
    constexpr uid_t kNobody = 65534;
    const QString folder = m_mountPoint + QStringLiteral("/shared");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/run.apd");
    ASSERT_TRUE(WriteBatteryDataFile(path, SavedRun(1, 91)).Ok());
    const QByteArray earlier = Contents(path);
    ASSERT_EQ(::chown(path.toLocal8Bit().constData(), kNobody, kNobody), 0);
    ASSERT_EQ(::chmod(m_dir.path().toLocal8Bit().constData(), 0711), 0);
    ASSERT_EQ(::chmod(folder.toLocal8Bit().constData(), 0555), 0);
    FillDisk();

    EXPECT_EXIT(
        {
            if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
                std::_Exit(2);
            const DataFileResult result = WriteBatteryDataFile(path, SavedRun(2, 1000));
            std::_Exit(result.status == DataFileStatus::WriteFailed
                               && result.error.endsWith(QStringLiteral("No space left on device."))
                           ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(Contents(path), earlier);
}

TEST_F(SmallFileSystemTest, ReadOnlyFolderKeepsTheEarlierFile)
{
    const QString path = m_mountPoint + QStringLiteral("/run.apd");
    ASSERT_TRUE(WriteBatteryDataFile(path, SavedRun(1, 91)).Ok());
    const QByteArray earlier = Contents(path);
    if (!Remount(MS_RDONLY))
        GTEST_SKIP() << "cannot remount the tmpfs read-only (" << std::strerror(errno) << ")";

    const DataFileResult result = WriteBatteryDataFile(path, SavedRun(2, 5));
    EXPECT_EQ(result.status, DataFileStatus::CannotOpen);
    EXPECT_NE(result.error.indexOf(QDir::toNativeSeparators(path)), -1) << result.error.toStdString();
    EXPECT_EQ(Contents(path), earlier);
}

TEST(CompleteDataFileName, AppendsTheExtensionUnlessPresent)
{
    EXPECT_EQ(CompleteDataFileName("run"), "run.apd");
    EXPECT_EQ(CompleteDataFileName("/home/me/run.apd"), "/home/me/run.apd");
    EXPECT_EQ(CompleteDataFileName("RUN.APD"), "RUN.APD.apd");
    EXPECT_EQ(CompleteDataFileName("old.apd.bak"), "old.apd.bak");
    EXPECT_EQ(CompleteDataFileName("runs.apd/monday"), "runs.apd/monday");
    EXPECT_EQ(CompleteDataFileName("run.ap"), "run.ap.apd");
}

} // namespace
} // namespace ampora
