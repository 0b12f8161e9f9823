// ampora-cli record, run in-process with a fixed clock and ticks of a millisecond: the same log
// bytes as the window's, every end of a run saving every sample, the files it cannot write.
#include "tests/app/AppTestSupport.h"
#include "tests/TableRows.h"

#include "app/CVolticDlg.h"
#include "cli/Commands.h"
#include "cli/RecordSession.h"
#include "monitor/BatteryDataFile.h"
#include "platform/Backends.h"
#include "platform/fake/FakePowerEvents.h"
#include "ui/DialogBuilder.h"
#include "resources/ResourceIds.h"

#include <QComboBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <functional>

namespace ampora {
namespace {

using test::CountOf;
using test::ReadFile;

std::tm FixedTime()
{
    std::tm t{};
    t.tm_mday = 9; t.tm_mon = 11; t.tm_year = 126; t.tm_hour = 14; t.tm_min = 5; t.tm_sec = 30;
    return t;
}

constexpr const char* kRowStart = "\r\n 09:12:2026\t14:05:30";

class RecordTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(work.isValid());
        m_cwd = std::make_unique<test::ScopedCurrentDir>(work.path());
        UseTree(sysfs.Root());
        m_errors = std::tmpfile();
        ASSERT_NE(m_errors, nullptr);
    }
    void TearDown() override
    {
        std::fclose(m_errors);
        qputenv("AMPORA_SYSFS_ROOT", QByteArray(AMPORA_FIXTURES "/none"));
    }
    static void UseTree(const QString& root) { qputenv("AMPORA_SYSFS_ROOT", root.toLocal8Bit()); }

    // Runs `ampora-cli record` over the tree in force; `onRow` is called at each row's clock.
    int Record(RecordOptions options, const std::function<void(int row)>& onRow = {})
    {
        backends = MakeBackends();
        session = std::make_unique<RecordSession>(backends, &events, std::move(options));
        session->SetClock([this, onRow] {
            if (onRow)
                onRow(++m_rows);
            return FixedTime();
        });
        session->SetTickInterval(std::chrono::milliseconds(1));
        session->SetStreams(m_errors, nullptr);
        return session->Run();
    }
    QString Errors() const
    {
        std::fflush(m_errors);
        std::rewind(m_errors);
        QByteArray bytes;
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, m_errors)) > 0;)
            bytes.append(buffer, qsizetype(n));
        return QString::fromUtf8(bytes);
    }
    QString WorkFile(const QString& name) const { return work.filePath(name); }
    BatteryData Saved(const QString& path) const
    {
        BatteryData data;
        EXPECT_TRUE(ReadBatteryDataFile(path, &data).Ok()) << path.toStdString();
        return data;
    }

    QTemporaryDir work;
    test::FakeSysfs sysfs;
    test::MessageRecorder messages;
    FakePowerEventSource events;
    Backends backends;
    std::unique_ptr<RecordSession> session;

private:
    std::unique_ptr<test::ScopedCurrentDir> m_cwd;
    std::FILE* m_errors = nullptr;
    int m_rows = 0;
};

struct TreeRow {
    const char* name;
    QString root; // empty: the test's own tree with two batteries
};

class RecordLogTest : public RecordTest, public ::testing::WithParamInterface<TreeRow> {};

// The same tree and clock give the window's log byte for byte, and the .apd the window's
// Save data writes.
TEST_P(RecordLogTest, LogAndSavedRunAreTheWindows)
{
    if (GetParam().root.isEmpty()) {
        sysfs.AddBattery(0, 40000, 50000, 10000);
        sysfs.AddBattery(1, 12000, 48000, 7000);
    } else {
        UseTree(GetParam().root);
    }
    Backends windowBackends = MakeBackends();
    FakePowerEventSource windowEvents;
    auto dialog = std::make_unique<CVolticDlg>(windowBackends, &windowEvents);
    dialog->SetClock(FixedTime);
    auto* length = Control<QComboBox>(dialog.get(), IDC_RATE);
    length->setCurrentIndex(length->findData(15));
    dialog->OnOK();
    ASSERT_TRUE(dialog->IsRunning());
    for (int tick = 0; tick < 900; ++tick)
        dialog->OnTimer();
    ASSERT_FALSE(dialog->IsRunning());
    const QByteArray windowLog = ReadFile(WorkFile("BatteryLog.txt"));
    ASSERT_EQ(CountOf(windowLog, kRowStart), 91);

    RecordOptions options;
    options.minutes = 15;
    options.logPath = WorkFile("cli.txt");
    options.savePath = WorkFile("cli.apd");
    EXPECT_EQ(Record(options), kRecordOk) << Errors().toStdString();
    EXPECT_EQ(session->End(), RecordEnd::Length);
    EXPECT_EQ(ReadFile(WorkFile("cli.txt")), windowLog);
    dialog->SetFileDialog([this](QWidget*, bool) { return WorkFile("window.apd"); });
    dialog->OnSaveData();
    EXPECT_EQ(ReadFile(WorkFile("cli.apd")), ReadFile(WorkFile("window.apd")));
    EXPECT_EQ(Saved(WorkFile("cli.apd")).samples.Size(), 91u);
    EXPECT_TRUE(Errors().isEmpty()) << Errors().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Trees, RecordLogTest,
                         ::testing::Values(TreeRow{"TwoBatteries", QString()},
                                           TreeRow{"EnergyDischarging", AMPORA_FIXTURES "/sysfs/energy-discharging"},
                                           TreeRow{"ChargeOnly", AMPORA_FIXTURES "/sysfs/charge-only"}),
                         ::testing::PrintToStringParamName());

TEST_F(RecordTest, SigtermAfterThreeSamplesSavesTheThree)
{
    sysfs.AddBattery(0);
    RecordOptions options;
    options.minutes = 10;
    EXPECT_EQ(Record(options, [](int row) { if (row == 3) std::raise(SIGTERM); }), kRecordOk);
    EXPECT_EQ(session->End(), RecordEnd::Interrupted);
    EXPECT_FALSE(session->Monitor().LogOpen());
    EXPECT_EQ(CountOf(ReadFile(WorkFile("BatteryLog.txt")), kRowStart), 3);
    const BatteryData saved = Saved(WorkFile("BatteryData.apd"));
    EXPECT_EQ(saved.samples.Size(), 3u);
    EXPECT_EQ(saved.tickCount, 20); // the tick after the signal stops the run before it counts
    EXPECT_EQ(saved.records.size(), 1u);
}

struct EventRow {
    const char* name;
    bool standBy; // else the second battery is taken out
    RecordEnd end;
    const char* message;
};

class RecordEventTest : public RecordTest, public ::testing::WithParamInterface<EventRow> {};

// Stand-by and a battery taken out stop the run as they stop the window's, with its message.
TEST_P(RecordEventTest, StopsWithTheWindowsMessageAndSaves)
{
    const EventRow& row = GetParam();
    sysfs.AddBattery(0);
    sysfs.AddBattery(1);
    RecordOptions options;
    options.minutes = 10;
    const int status = Record(options, [&](int n) {
        if (n == 2) {
            QTimer::singleShot(0, [&] {
                if (row.standBy) {
                    events.EmitSuspend();
                } else {
                    sysfs.RemoveBattery(1);
                    events.EmitPowerStatusChanged();
                }
            });
        }
    });
    EXPECT_EQ(status, kRecordOk);
    EXPECT_EQ(session->End(), row.end);
    EXPECT_EQ(Errors(), QString::fromUtf8(row.message) + "\n");
    EXPECT_EQ(events.SuspendHandledCount(), row.standBy ? 1 : 0);
    const BatteryData saved = Saved(WorkFile("BatteryData.apd"));
    EXPECT_EQ(saved.samples.Size(), 2u);
    EXPECT_EQ(CountOf(ReadFile(WorkFile("BatteryLog.txt")), kRowStart), 2);
    EXPECT_TRUE(messages.messages.empty()); // no message box
}

INSTANTIATE_TEST_SUITE_P(
    Events, RecordEventTest,
    ::testing::Values(
        EventRow{"StandBy", true, RecordEnd::StandBy,
                 "\tStand by mode detected. \r\nLike result the monitorize will be stoped !"},
        EventRow{"BatteryRemoved", false, RecordEnd::BatteryCountChanged,
                 "It's detected a changing in the Power managment of the computer (Battery was: removed)."
                 " \r\n\tLike result the settings will be updated and monitories process stopped!"}),
    ::testing::PrintToStringParamName());

struct PathRow {
    const char* name;
    const char* log;   // relative to the work folder
    const char* save;
    const char* message;
};

class RecordPathTest : public RecordTest, public ::testing::WithParamInterface<PathRow> {};

// A log or .apd that cannot be written is told, and the run keeps what it can where it can:
// no log, the .apd in its place; the log, the .apd in the temporary folder.
TEST_P(RecordPathTest, UnwritablePathIsToldAndTheRestSaved)
{
    const PathRow& row = GetParam();
    sysfs.AddBattery(0);
    RecordOptions options;
    options.minutes = 1;
    options.logPath = WorkFile(row.log);
    options.savePath = WorkFile(row.save);
    EXPECT_EQ(Record(options), kRecordNotAllWritten);
    EXPECT_EQ(session->End(), RecordEnd::Length);
    EXPECT_TRUE(Errors().contains(QLatin1String(row.message))) << Errors().toStdString();
    EXPECT_FALSE(session->SavedTo().isEmpty());
    EXPECT_EQ(Saved(session->SavedTo()).samples.Size(), 7u);
    if (QFile::exists(options.logPath))
        EXPECT_EQ(CountOf(ReadFile(options.logPath), kRowStart), 7);
    if (session->SavedTo() != options.savePath)
        QFile::remove(session->SavedTo());
}

INSTANTIATE_TEST_SUITE_P(
    Paths, RecordPathTest,
    ::testing::Values(
        PathRow{"LogFolderMissing", "gone/BatteryLog.txt", "run.apd", "cannot create the log"},
        PathRow{"SaveFolderMissing", "BatteryLog.txt", "gone/ampora-record-test.apd", "the run was saved to"}),
    ::testing::PrintToStringParamName());

struct UsageRow {
    const char* name;
    QStringList arguments;
};

class RecordUsageTest : public ::testing::TestWithParam<UsageRow> {};

TEST_P(RecordUsageTest, IsAUsageError)
{
    QStringList arguments{QStringLiteral("ampora-cli"), QStringLiteral("record")};
    EXPECT_EQ(RunRecord(arguments + GetParam().arguments), 2);
}

INSTANTIATE_TEST_SUITE_P(Arguments, RecordUsageTest,
                         ::testing::Values(UsageRow{"NoLength", {}},
                                           UsageRow{"Zero", {"--minutes", "0"}},
                                           UsageRow{"AboveADay", {"--minutes", "1441"}},
                                           UsageRow{"NotANumber", {"--minutes", "ten"}},
                                           UsageRow{"AFileName", {"--minutes", "5", "run.apd"}}),
                         ::testing::PrintToStringParamName());

} // namespace
} // namespace ampora
