// The main window on real widgets: initial state, runs driven tick by tick, saved and
// compared runs, keyboard, closing, translation, power events and the notification area.
#include "AppTestSupport.h"

#include "app/CVolticDlg.h"
#include "app/TrayIcon.h"
#include "platform/Backends.h"
#include "graph/CGraphControl.h"
#include "monitor/BatteryDataFile.h"
#include "platform/fake/FakePowerEvents.h"
#include "ui/DialogBuilder.h"
#include "resources/ResourceIds.h"
#include "resources/Resources.h"
#include "resources/StringTable.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPaintEvent>
#include <QMenu>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>

namespace ampora {
namespace {

using test::CountOf;
using test::ReadFile;

constexpr int kPanelFields[] = {IDC_POWER_SOURCE, IDC_BATTERY_STATUS, IDC_LIFE_LEFT, IDC_TIME_REMAINING,
                                IDC_TOTAL_TIME, IDC_TOTAL_CAPACITY, IDC_CURRENT_CAPACITY, IDC_VOLT, IDC_CHARGE};

class MainDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_work.isValid());
        m_cwd = std::make_unique<test::ScopedCurrentDir>(m_work.path());
        qputenv("AMPORA_SYSFS_ROOT", sysfs.Root().toLocal8Bit());
    }
    void TearDown() override
    {
        dialog.reset();
        qputenv("AMPORA_SYSFS_ROOT", QByteArray(AMPORA_FIXTURES "/none"));
        TrayIcon::ForceAvailability(-1);
    }

    CVolticDlg& Open()
    {
        m_backends = MakeBackends();
        dialog = std::make_unique<CVolticDlg>(m_backends, &events);
        dialog->SetClock([] {
            std::tm t{};
            t.tm_mday = 9; t.tm_mon = 11; t.tm_year = 126; t.tm_hour = 14; t.tm_min = 5; t.tm_sec = 30;
            return t;
        });
        dialog->SetFileDialog([this](QWidget*, bool save) {
            lastDialogWasSave = save;
            return nextFile;
        });
        return *dialog;
    }

    QString Text(int id) const { return ControlText(dialog.get(), id); }
    bool Enabled(int id) const { return ControlById(dialog.get(), id)->isEnabled(); }
    void Ticks(int n) { for (int i = 0; i < n; ++i) dialog->OnTimer(); }
    QByteArray Log() const { return ReadFile(m_work.filePath("BatteryLog.txt")); }
    int LogRows() const { return CountOf(Log(), "\r\n 09:12:2026\t14:05:30"); }
    QString WorkFile(const QString& name) const { return m_work.filePath(name); }
    void SelectMinutes(int minutes)
    {
        auto* combo = Control<QComboBox>(dialog.get(), IDC_RATE);
        combo->setCurrentIndex(combo->findData(minutes));
    }

    test::FakeSysfs sysfs;
    test::MessageRecorder messages;
    FakePowerEventSource events;
    std::unique_ptr<CVolticDlg> dialog;
    QString nextFile;
    bool lastDialogWasSave = false;

private:
    QTemporaryDir m_work;
    std::unique_ptr<test::ScopedCurrentDir> m_cwd;
    Backends m_backends;
};

TEST_F(MainDialogTest, InitialStateWithOneBattery)
{
    sysfs.AddBattery(0);
    Open();
    EXPECT_EQ(dialog->windowTitle(), "Ampora");
    EXPECT_EQ(Text(IDC_START), "Start");
    EXPECT_EQ(Text(IDC_STOP), "Stop");
    EXPECT_EQ(Text(IDC_STATUS_GROUP), "Status"); // "Battery details" first, then "Status"
    EXPECT_EQ(Text(IDC_MONITOR_GROUP), "Monitor info");
    EXPECT_EQ(Text(IDC_RATE_LABEL), "Comparation rate:");
    EXPECT_EQ(Text(IDC_TIME_REMAINING_LABEL), "Time remainig:");
    EXPECT_EQ(Text(IDC_CURRENT_CAPACITY_LABEL), "Curent capacity:");
    EXPECT_EQ(Text(IDC_COMPARE), "Compare with saved data");
    for (int id : kPanelFields)
        EXPECT_EQ(Text(id), "N/A") << id;
    EXPECT_TRUE(Enabled(IDC_START));
    EXPECT_FALSE(Enabled(IDC_STOP));
    EXPECT_FALSE(Enabled(IDC_SAVE_DATA));
    EXPECT_TRUE(Enabled(IDC_VIEW_DATA));
    EXPECT_TRUE(Enabled(IDC_BATTERY_INFO));
    EXPECT_TRUE(Enabled(IDC_COMPARE));

    auto* rate = Control<QComboBox>(dialog.get(), IDC_RATE);
    ASSERT_EQ(rate->count(), 19);
    EXPECT_EQ(rate->itemText(0), "15 min");
    EXPECT_EQ(rate->itemText(18), "285 min");
    EXPECT_EQ(rate->itemData(18).toInt(), 285);
    EXPECT_EQ(rate->currentIndex(), 0);

    auto* selector = Control<QComboBox>(dialog.get(), IDC_BATTERY_SELECTOR);
    ASSERT_EQ(selector->count(), 1);
    EXPECT_EQ(selector->itemText(0), "Bat. 1");
    EXPECT_EQ(selector->itemData(0).toInt(), 0);
    EXPECT_EQ(selector->currentIndex(), 0);

    // The graph stands in the band between the markers, wholly inside the client area.
    CGraphControl* graph = dialog->Graph();
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->objectName(), QString::number(IDC_GRAPH));
    EXPECT_EQ(graph->geometry().left(), ControlById(dialog.get(), IDC_GRAPH_LEFT)->x());
    EXPECT_EQ(graph->geometry().top(), 5);
    EXPECT_EQ(graph->geometry().bottom(), dialog->height() - 11);
}

TEST_F(MainDialogTest, InitialStateWithoutBattery)
{
    Open();
    EXPECT_FALSE(Enabled(IDC_START));
    EXPECT_FALSE(Enabled(IDC_BATTERY_INFO));
    EXPECT_FALSE(Enabled(IDC_BATTERY_SELECTOR));
    EXPECT_TRUE(Enabled(IDC_SYSTEM_INFO)); // System info stays
    EXPECT_EQ(Control<QComboBox>(dialog.get(), IDC_BATTERY_SELECTOR)->count(), 0);
    dialog->OnBatteryInfo(); // no selection: nothing happens
}

TEST_F(MainDialogTest, FifteenMinuteRunGives91SamplesAndRows)
{
    sysfs.AddBattery(0);
    Open();
    dialog->OnOK();
    ASSERT_TRUE(dialog->IsRunning());
    EXPECT_TRUE(dialog->TimerActive());
    EXPECT_TRUE(dialog->LogOpen());
    EXPECT_FALSE(Enabled(IDC_START));
    EXPECT_TRUE(Enabled(IDC_STOP));
    EXPECT_FALSE(Enabled(IDC_RATE));
    EXPECT_FALSE(Enabled(IDC_VIEW_DATA));
    EXPECT_FALSE(Enabled(IDC_COMPARE));
    EXPECT_EQ(Text(IDC_POWER_SOURCE), "Battery");
    EXPECT_EQ(Text(IDC_TOTAL_CAPACITY), "50000 mW/H");
    EXPECT_EQ(Text(IDC_CURRENT_CAPACITY), "40000 mW/H");
    EXPECT_EQ(Text(IDC_CHARGE), "-10000 mW/H");

    Ticks(899);
    EXPECT_TRUE(dialog->IsRunning());
    Ticks(1);
    EXPECT_FALSE(dialog->IsRunning());
    EXPECT_FALSE(dialog->TimerActive());
    EXPECT_FALSE(dialog->LogOpen());
    EXPECT_EQ(dialog->TickCount(), 900u);
    ASSERT_EQ(dialog->Samples().Size(), 91u);
    EXPECT_EQ(dialog->Samples()[90].tick, 900);
    EXPECT_EQ(LogRows(), 91);
    EXPECT_TRUE(Log().startsWith("Nr. battery detected: 1 \r\n \r\n"));
    EXPECT_FALSE(Log().endsWith("\r\n"));
    EXPECT_EQ(dialog->BatteryRecords().size(), 1u);
    EXPECT_TRUE(Enabled(IDC_SAVE_DATA));
}

TEST_F(MainDialogTest, StopAtTick137KeepsSamplesAndTicks)
{
    sysfs.AddBattery(0);
    Open();
    dialog->OnOK();
    Ticks(137);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->IsRunning());
    EXPECT_EQ(dialog->Samples().Size(), 14u);
    EXPECT_EQ(dialog->TickCount(), 137u);
    EXPECT_EQ(LogRows(), 14);
    Ticks(20); // no timer: nothing more is taken even if a stray tick came
    EXPECT_FALSE(dialog->IsRunning());
}

TEST_F(MainDialogTest, EscapeWhileIdleDoesNotCloseAndEnterStarts)
{
    sysfs.AddBattery(0);
    Open().show();
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->IsRunning());
    Control<QPushButton>(dialog.get(), IDC_START)->setFocus();
    QTest::keyClick(dialog.get(), Qt::Key_Return);
    EXPECT_TRUE(dialog->IsRunning());
}

TEST_F(MainDialogTest, CloseDuringRunStopsRunAndClosesLog)
{
    sysfs.AddBattery(0);
    Open().show();
    dialog->OnOK();
    Ticks(25);
    EXPECT_TRUE(dialog->close());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(dialog->IsRunning());
    EXPECT_FALSE(dialog->LogOpen());
    EXPECT_FALSE(dialog->TimerActive());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(LogRows(), 3); // every row was flushed before the end
}

TEST_F(MainDialogTest, SaveThenViewRestoresTheRun)
{
    sysfs.AddBattery(0);
    Open();
    dialog->OnOK();
    Ticks(55);
    dialog->OnCancel();
    const SampleSeries saved = dialog->Samples();
    ASSERT_EQ(saved.Size(), 6u);

    nextFile = WorkFile("run");
    dialog->OnSaveData();
    EXPECT_TRUE(lastDialogWasSave);
    ASSERT_TRUE(QFile::exists(WorkFile("run.apd")));

    dialog->OnOK(); // a new run replaces the samples
    Ticks(10);
    dialog->OnCancel();
    ASSERT_NE(dialog->Samples(), saved);

    nextFile = WorkFile("run");
    dialog->OnViewData();
    EXPECT_FALSE(lastDialogWasSave);
    EXPECT_EQ(dialog->Samples(), saved);
    EXPECT_EQ(dialog->BatteryRecords().size(), 1u);
    EXPECT_EQ(dialog->Graph()->Elapsed(), 55);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MainDialogTest, ViewDataInAFreshSessionLeavesSaveDisabled)
{
    sysfs.AddBattery(0);
    Open();
    nextFile = QStringLiteral(AMPORA_FIXTURES "/apd/one_battery.apd");
    dialog->OnViewData();
    ASSERT_FALSE(dialog->Samples().Empty());
    EXPECT_FALSE(Enabled(IDC_SAVE_DATA));
}

TEST_F(MainDialogTest, SaveAsksBeforeReplacingACompletedName)
{
    sysfs.AddBattery(0);
    Open();
    dialog->OnOK();
    dialog->OnCancel();
    QFile old(WorkFile("keep.apd"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("earlier");
    old.close();

    test::MessageRecorder no(QMessageBox::No);
    nextFile = WorkFile("keep");
    dialog->OnSaveData();
    ASSERT_EQ(no.messages.size(), 1u);
    EXPECT_EQ(ReadFile(WorkFile("keep.apd")), "earlier");
}

TEST_F(MainDialogTest, CorruptFileLeavesTheCurrentRunIntact)
{
    sysfs.AddBattery(0);
    Open();
    dialog->OnOK();
    Ticks(30);
    dialog->OnCancel();
    const SampleSeries before = dialog->Samples();
    const auto recordsBefore = dialog->BatteryRecords();

    QFile bad(WorkFile("bad.apd"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray::fromHex("64000000ffffff7f")); // a battery count no file can hold
    bad.close();
    nextFile = WorkFile("bad.apd");
    dialog->OnViewData();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].text.contains("bad.apd"));
    EXPECT_EQ(dialog->Samples(), before);
    EXPECT_EQ(dialog->BatteryRecords(), recordsBefore);
    EXPECT_EQ(dialog->TickCount(), 30u);

    // The same file as a compared run: Start is abandoned and closes the log it opened.
    Control<QCheckBox>(dialog.get(), IDC_COMPARE)->setChecked(true);
    dialog->OnOK();
    EXPECT_FALSE(dialog->IsRunning());
    EXPECT_FALSE(dialog->LogOpen());
    EXPECT_EQ(messages.messages.size(), 2u);
}

// A save cut short inside the samples: View data and a compared run both use the whole
// samples and say what was cut; the Start goes on.
TEST_F(MainDialogTest, CutFileShowsItsWholeSamplesAndTells)
{
    sysfs.AddBattery(0);
    Open();
    dialog->OnOK();
    Ticks(50);
    dialog->OnCancel();
    const SampleSeries saved = dialog->Samples();
    ASSERT_EQ(saved.Size(), 6u);
    nextFile = WorkFile("cut.apd");
    dialog->OnSaveData();
    QFile f(WorkFile("cut.apd"));
    ASSERT_TRUE(f.resize(f.size() - 40)); // the last sample and 4 bytes of the one before

    dialog->OnOK();
    dialog->OnCancel();
    dialog->OnViewData();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(messages.messages[0].text.contains("claims 6 samples, of which 4 are whole"))
        << messages.messages[0].text.toStdString();
    ASSERT_EQ(dialog->Samples().Size(), 4u);
    EXPECT_EQ(dialog->Samples()[3], saved[3]);
    EXPECT_EQ(dialog->Graph()->Elapsed(), 50);

    Control<QCheckBox>(dialog.get(), IDC_COMPARE)->setChecked(true);
    dialog->OnOK();
    EXPECT_TRUE(dialog->IsRunning());
    EXPECT_EQ(dialog->CompareSamples().Size(), 4u);
    EXPECT_EQ(messages.messages.size(), 2u);
}

TEST_F(MainDialogTest, ComparedRunEndsAtTheSavedLengthOnTheSelectedAxis)
{
    sysfs.AddBattery(0);
    Open();
    dialog->OnOK();
    Ticks(600);
    dialog->OnCancel();
    nextFile = WorkFile("ten-minutes.apd");
    dialog->OnSaveData();

    // A file whose run length is 600 seconds (saved while 15 minutes were selected it holds 900:
    // patch the stored run length to 600).
    QFile f(WorkFile("ten-minutes.apd"));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    QByteArray bytes = f.readAll();
    const int runLengthOffset = bytes.size() - 12 - int(61 * 36);
    const QByteArray stored = bytes.mid(runLengthOffset, 4);
    ASSERT_EQ(stored, QByteArray::fromHex("84030000")); // 900
    bytes.replace(runLengthOffset, 4, QByteArray::fromHex("58020000")); // 600
    f.seek(0);
    f.write(bytes);
    f.close();

    SelectMinutes(30);
    Control<QCheckBox>(dialog.get(), IDC_COMPARE)->setChecked(true);
    dialog->OnOK();
    ASSERT_TRUE(dialog->IsRunning());
    EXPECT_EQ(dialog->CompareSamples().Size(), 61u);
    EXPECT_EQ(dialog->Graph()->TimeRange(), 1800u);
    Ticks(599);
    EXPECT_TRUE(dialog->IsRunning());
    Ticks(1);
    EXPECT_FALSE(dialog->IsRunning());
    EXPECT_EQ(dialog->Samples().Size(), 61u);

    // Alt+Right three times moves the compared curve three pixels; a new Start resets it.
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(dialog.get(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(dialog->Graph()->CompareShift(), 3);
    QTest::keyClick(dialog.get(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(dialog->Graph()->CompareShift(), 2);
    Control<QCheckBox>(dialog.get(), IDC_COMPARE)->setChecked(false);
    QTest::keyClick(dialog.get(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(dialog->Graph()->CompareShift(), 2); // only while the box is ticked
    dialog->OnOK();
    EXPECT_EQ(dialog->Graph()->CompareShift(), 0);
}

TEST_F(MainDialogTest, ComparedFileWithoutRunLengthRunsUntilStopped)
{
    sysfs.AddBattery(0);
    Open();
    dialog->OnOK();
    dialog->OnCancel();
    nextFile = WorkFile("zero.apd");
    dialog->OnSaveData();
    QFile f(WorkFile("zero.apd"));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    QByteArray bytes = f.readAll();
    const int runLengthOffset = bytes.size() - 12 - 36;
    bytes.replace(runLengthOffset, 4, QByteArray(4, '\0'));
    f.seek(0);
    f.write(bytes);
    f.close();

    Control<QCheckBox>(dialog.get(), IDC_COMPARE)->setChecked(true);
    dialog->OnOK();
    Ticks(900);
    EXPECT_TRUE(dialog->IsRunning()); // past the selected 15 minutes: a length of 0 is never reached
    dialog->OnCancel();
    EXPECT_FALSE(dialog->IsRunning());
}

TEST_F(MainDialogTest, RunWithoutLogFileGoesOnWithoutLog)
{
    sysfs.AddBattery(0);
    Open();
    // A folder in the log's place cannot be opened as a file, not even by root.
    ASSERT_TRUE(QDir::current().mkdir("BatteryLog.txt"));
    dialog->OnOK();
    EXPECT_TRUE(dialog->IsRunning());
    EXPECT_FALSE(dialog->LogOpen());
    Ticks(20);
    EXPECT_EQ(dialog->Samples().Size(), 3u);
    EXPECT_EQ(Text(IDC_POWER_SOURCE), "Battery");
    EXPECT_TRUE(messages.messages.empty()); // a log that cannot be created is no news

    // The saved run still describes its battery.
    dialog->OnCancel();
    nextFile = WorkFile("run.apd");
    dialog->OnSaveData();
    BatteryData saved;
    ASSERT_TRUE(ReadBatteryDataFile(WorkFile("run.apd"), &saved).Ok());
    ASSERT_EQ(saved.records.size(), 1u);
    EXPECT_EQ(saved.records[0].deviceName, "Model 0");
    EXPECT_EQ(saved.samples.Size(), 3u);
}

TEST_F(MainDialogTest, TranslationReplacesTextsButNotTheFixedLiterals)
{
    sysfs.AddBattery(0);
    const QString module = QStringLiteral(AMPORA_BUILD_DIR "/translations/de/TransBat.lng");
    ASSERT_TRUE(QFile::exists(module));
    ASSERT_TRUE(QFile::copy(module, QDir::current().filePath("TransBat.lng")));
    ASSERT_FALSE(LoadTranslationModule().isEmpty());
    Open();
    EXPECT_EQ(Text(IDC_STOP), "Stopp");
    EXPECT_EQ(Text(IDC_EXIT), "Beenden");
    EXPECT_EQ(Text(IDC_POWER_SOURCE), "k. A.");
    EXPECT_EQ(Control<QComboBox>(dialog.get(), IDC_RATE)->itemText(0), "15 min");
    EXPECT_EQ(Control<QComboBox>(dialog.get(), IDC_BATTERY_SELECTOR)->itemText(0), "Bat. 1");
    EXPECT_EQ(dialog->Graph()->windowTitle(), "Wnd Graph");
    // The texts of the data file and of saving are translated too, and Qt's own buttons.
    for (int id = IDS_PAST_END; id <= IDS_LOG_FAILED; ++id)
        EXPECT_NE(LoadQString(id), QString::fromUtf8(BuiltInString(id))) << id;
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Ja");
    dialog.reset();
    UnloadTranslationModule();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
}

TEST_F(MainDialogTest, TranslationModuleIsLookedForOnce)
{
    EXPECT_TRUE(LoadTranslationModule().isEmpty());
    ASSERT_TRUE(QFile::copy(QStringLiteral(AMPORA_BUILD_DIR "/translations/de/TransBat.lng"),
                            QDir::current().filePath("TransBat.lng")));
    EXPECT_TRUE(LoadTranslationModule().isEmpty());
    UnloadTranslationModule();
    EXPECT_FALSE(LoadTranslationModule().isEmpty());
    UnloadTranslationModule();
}

TEST_F(MainDialogTest, GarbageTranslationModuleLeavesEnglish)
{
    QFile f(QDir::current().filePath("TransBat.lng"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a translation module");
    f.close();
    EXPECT_TRUE(LoadTranslationModule().isEmpty());
    Open();
    EXPECT_EQ(Text(IDC_STOP), "Stop");
}

// Power events.

TEST_F(MainDialogTest, StandByWhileIdleDoesNothing)
{
    sysfs.AddBattery(0);
    Open();
    events.EmitSuspend();
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(events.SuspendHandledCount(), 1);
}

TEST_F(MainDialogTest, StandByDuringRunStopsItAndTells)
{
    sysfs.AddBattery(0);
    Open();
    dialog->OnOK();
    Ticks(12);
    events.EmitSuspend();
    EXPECT_FALSE(dialog->IsRunning());
    EXPECT_FALSE(dialog->LogOpen());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].icon, QMessageBox::Information);
    EXPECT_EQ(messages.messages[0].text,
              "\tStand by mode detected. \r\nLike result the monitorize will be stoped !");
    EXPECT_EQ(events.SuspendHandledCount(), 1);
    EXPECT_EQ(dialog->Samples().Size(), 2u); // the run's data stay for Save data
}

TEST_F(MainDialogTest, BatteryRemovedDuringRun)
{
    sysfs.AddBattery(0);
    sysfs.AddBattery(1);
    Open();
    ASSERT_EQ(Control<QComboBox>(dialog.get(), IDC_BATTERY_SELECTOR)->count(), 2);
    dialog->OnOK();
    Ticks(5);
    sysfs.RemoveBattery(1);
    events.EmitPowerStatusChanged();
    EXPECT_FALSE(dialog->IsRunning());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(messages.messages[0].text,
              "It's detected a changing in the Power managment of the computer (Battery was: removed)."
              " \r\n\tLike result the settings will be updated and monitories process stopped!");
    EXPECT_EQ(Control<QComboBox>(dialog.get(), IDC_BATTERY_SELECTOR)->count(), 1);
}

TEST_F(MainDialogTest, BatteryAddedWhileIdle)
{
    sysfs.AddBattery(0);
    Open();
    sysfs.AddBattery(1);
    events.EmitPowerStatusChanged();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].text.contains("(Battery was: added)"));
    EXPECT_FALSE(messages.messages[0].text.contains("monitories"));
    auto* selector = Control<QComboBox>(dialog.get(), IDC_BATTERY_SELECTOR);
    ASSERT_EQ(selector->count(), 2);
    EXPECT_EQ(selector->itemText(0), "Bat. 1");
    EXPECT_EQ(selector->itemText(1), "Bat. 2");
    EXPECT_EQ(selector->currentIndex(), 0);
}

TEST_F(MainDialogTest, LastBatteryRemovedDisablesStartAndBatteryInfo)
{
    sysfs.AddBattery(0);
    Open();
    sysfs.RemoveBattery(0);
    events.EmitPowerStatusChanged();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].text.contains("removed"));
    EXPECT_FALSE(Enabled(IDC_START));
    EXPECT_FALSE(Enabled(IDC_BATTERY_INFO));
}

TEST_F(MainDialogTest, AcChangeWithSameCountTakesASampleWithoutRow)
{
    sysfs.AddBattery(0);
    Open();
    events.EmitPowerStatusChanged(); // idle: nothing at all
    EXPECT_EQ(Text(IDC_POWER_SOURCE), "N/A");
    dialog->OnOK();
    Ticks(13);
    ASSERT_EQ(Text(IDC_POWER_SOURCE), "Battery");
    sysfs.SetAcOnline(true);
    events.EmitPowerStatusChanged();
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(dialog->IsRunning());
    EXPECT_EQ(Text(IDC_POWER_SOURCE), "A/C");
    ASSERT_EQ(dialog->Samples().Size(), 3u);
    EXPECT_EQ(dialog->Samples().Back().tick, 13);
    EXPECT_EQ(LogRows(), 2);
}

// A sample paints the fields whose text it changed, each once, and nothing behind them: the
// fields paint what lies under them themselves. The fields it gives their own text again are
// not painted.
TEST_F(MainDialogTest, SamplePaintsOnlyTheFieldsItChanges)
{
    sysfs.AddBattery(0);
    Open().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    struct PaintCounter : QObject {
        std::map<QObject*, int> paints;
        bool eventFilter(QObject* o, QEvent* e) override
        {
            if (e->type() == QEvent::Paint)
                ++paints[o];
            return false;
        }
    } counter;
    for (int id : kPanelFields)
        ControlById(dialog.get(), id)->installEventFilter(&counter);
    for (int id : {IDC_STATUS_GROUP, IDC_MONITOR_GROUP})
        ControlById(dialog.get(), id)->installEventFilter(&counter);
    dialog->OnOK(); // every field changes from "N/A"
    QCoreApplication::processEvents();
    for (int id : kPanelFields)
        EXPECT_EQ(counter.paints[ControlById(dialog.get(), id)], 1) << id;

    counter.paints.clear();
    Ticks(10); // the same battery: the same nine texts
    QCoreApplication::processEvents();
    EXPECT_TRUE(counter.paints.empty());
    sysfs.SetAcOnline(true);
    sysfs.SetBatteryValue(0, "energy_now", "30000000");
    Ticks(10);
    QCoreApplication::processEvents();
    EXPECT_EQ(Text(IDC_POWER_SOURCE), "A/C");
    EXPECT_EQ(counter.paints[ControlById(dialog.get(), IDC_POWER_SOURCE)], 1);
    EXPECT_EQ(counter.paints[ControlById(dialog.get(), IDC_CURRENT_CAPACITY)], 1); // the current capacity
    for (int id : {IDC_STATUS_GROUP, IDC_MONITOR_GROUP})
        EXPECT_EQ(counter.paints.count(ControlById(dialog.get(), id)), 0u) << id;
}

// What the window holds where the fields stand is what plain fields, painted over the dialog
// and its frames, would give: at the first paint, after samples, with a field focused, with
// the window inactive.
TEST_F(MainDialogTest, OpaqueFieldsPaintTheSamePixelsAsPlainOnes)
{
    sysfs.AddBattery(0);
    Open().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    const auto screen = [&] {
        QCoreApplication::processEvents();
        return dialog->screen()->grabWindow(dialog->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    };
    const auto plain = [&] {
        for (QLineEdit* field : dialog->findChildren<QLineEdit*>())
            field->setAttribute(Qt::WA_OpaquePaintEvent, false);
        dialog->repaint();
        const QImage image = screen();
        for (QLineEdit* field : dialog->findChildren<QLineEdit*>())
            field->setAttribute(Qt::WA_OpaquePaintEvent, true);
        dialog->repaint();
        return image;
    };
    const auto check = [&](const char* state) {
        const QImage opaque = screen();
        const QImage reference = plain();
        ASSERT_FALSE(opaque.isNull()) << state;
        for (int id : kPanelFields) {
            const QRect r = ControlById(dialog.get(), id)->geometry();
            EXPECT_EQ(opaque.copy(r), reference.copy(r)) << state << " field " << id;
        }
    };
    check("first paint");
    dialog->OnOK();
    sysfs.SetBatteryValue(0, "energy_now", "30000000");
    Ticks(10);
    check("after samples");
    QApplication::setActiveWindow(dialog.get());
    ControlById(dialog.get(), IDC_POWER_SOURCE)->setFocus();
    check("focused");
    QApplication::setActiveWindow(nullptr);
    dialog->update();
    check("inactive");
}

// Notification area.

TEST_F(MainDialogTest, MinimizeHidesIntoTheTrayWhenThereIsOne)
{
    sysfs.AddBattery(0);
    TrayIcon::ForceAvailability(1);
    Open().show();
    dialog->MinimizeToTray();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(dialog->Tray()->Present());
    EXPECT_EQ(dialog->Tray()->Icon()->toolTip(), "Ampora");

    emit dialog->Tray()->Icon()->activated(QSystemTrayIcon::Trigger); // a left click does nothing
    emit dialog->Tray()->Icon()->activated(QSystemTrayIcon::DoubleClick);
    EXPECT_FALSE(dialog->isVisible());

    dialog->Tray()->RunCommand(ID_TRAY_SHOW_WINDOW);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->Tray()->Present());
}

// The program's own loop, as main() runs it: hiding into the tray during a run must not end
// it; the tray's Exit does, with the icon gone.
TEST_F(MainDialogTest, HidingIntoTheTrayKeepsTheProgramLoopUntilTrayExit)
{
    sysfs.AddBattery(0);
    TrayIcon::ForceAvailability(1);
    Open();
    bool aliveWhileHidden = false;
    QTimer::singleShot(0, dialog.get(), [this, &aliveWhileHidden] {
        dialog->OnOK();
        dialog->MinimizeToTray();
        QTimer::singleShot(20, dialog.get(), [this, &aliveWhileHidden] {
            aliveWhileHidden = !dialog->isVisible() && dialog->Tray()->Present() && dialog->IsRunning();
            dialog->Tray()->RunCommand(ID_TRAY_EXIT);
        });
    });
    EXPECT_EQ(dialog->RunModal(), QDialog::Accepted);
    EXPECT_TRUE(aliveWhileHidden);
    EXPECT_FALSE(dialog->Tray()->Present());
    EXPECT_FALSE(dialog->IsRunning());
    EXPECT_FALSE(dialog->LogOpen());
}

TEST_F(MainDialogTest, MinimizeWithoutTrayMinimizesNormally)
{
    sysfs.AddBattery(0);
    TrayIcon::ForceAvailability(0);
    Open().show();
    dialog->MinimizeToTray();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->windowState() & Qt::WindowMinimized);
    EXPECT_FALSE(dialog->Tray()->Present());
}

QAction* MenuAction(QMenu* menu, int id)
{
    for (QAction* a : menu->actions())
        if (!a->isSeparator() && a->data().toInt() == id)
            return a;
    return nullptr;
}

TEST_F(MainDialogTest, TrayMenuLabelsEnablingAndCommands)
{
    sysfs.AddBattery(0);
    TrayIcon::ForceAvailability(1);
    Open().show();
    dialog->MinimizeToTray();
    QMenu* menu = dialog->Tray()->PrepareMenu();
    ASSERT_EQ(menu->actions().size(), 6);
    EXPECT_TRUE(menu->actions()[4]->isSeparator());
    EXPECT_EQ(MenuAction(menu, ID_TRAY_SHOW_WINDOW)->text(), "Show &window");
    EXPECT_EQ(MenuAction(menu, ID_TRAY_START)->text(), "Start");
    EXPECT_TRUE(MenuAction(menu, ID_TRAY_START)->isEnabled());

    dialog->Tray()->RunCommand(ID_TRAY_START); // shows the window, then starts
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->Tray()->Present());
    EXPECT_TRUE(dialog->IsRunning());

    dialog->MinimizeToTray();
    menu = dialog->Tray()->PrepareMenu();
    EXPECT_EQ(MenuAction(menu, ID_TRAY_START)->text(), "Stop");
    dialog->Tray()->RunCommand(ID_TRAY_START);
    EXPECT_FALSE(dialog->IsRunning());

    dialog->MinimizeToTray();
    dialog->Tray()->RunCommand(ID_TRAY_EXIT);
    EXPECT_FALSE(dialog->Tray()->Present());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

// Hosts read the context menu (over D-Bus or at the cursor); its label follows the run at the
// moment the icon appears and again whenever the menu is about to show.
TEST_F(MainDialogTest, TrayMenuIsTheIconsContextMenuSetAsItShows)
{
    sysfs.AddBattery(0);
    TrayIcon::ForceAvailability(1);
    Open().show();
    dialog->OnOK();
    dialog->MinimizeToTray();
    QMenu* menu = dialog->Tray()->Icon()->contextMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(MenuAction(menu, ID_TRAY_START)->text(), "Stop");

    dialog->OnCancel(); // the run ends while the window is hidden
    emit menu->aboutToShow();
    EXPECT_EQ(MenuAction(menu, ID_TRAY_START)->text(), "Start");

    MenuAction(menu, ID_TRAY_SHOW_WINDOW)->trigger(); // a host's click on the item
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->Tray()->Present());
}

// Qt's own title bar on Wayland minimizes and maximizes the native window alone. These also
// run under a real compositor (the Wayland stage), where every change takes a round trip.
bool EventuallyTrue(const std::function<bool()>& condition)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

TEST_F(MainDialogTest, NativeWindowMinimizeHidesIntoTrayAndMaximizeIsUndone)
{
    sysfs.AddBattery(0);
    TrayIcon::ForceAvailability(1);
    Open().show();
    ASSERT_TRUE(EventuallyTrue([this] { return dialog->windowHandle()->isExposed(); }));
    const QSize size = dialog->size();
    QWindow* window = dialog->windowHandle();
    window->setWindowStates(window->windowStates() ^ Qt::WindowMaximized); // the maximize button
    EXPECT_TRUE(EventuallyTrue([window] { return !(window->windowStates() & Qt::WindowMaximized); }));
    EXPECT_EQ(dialog->size(), size);

    window->setWindowState(Qt::WindowMinimized); // the minimize button
    EXPECT_TRUE(EventuallyTrue([this] { return !dialog->isVisible(); }));
    EXPECT_TRUE(dialog->Tray()->Present());
}

TEST_F(MainDialogTest, NativeWindowMinimizeWithoutTrayLeavesTheWindowToTheSystem)
{
    sysfs.AddBattery(0);
    TrayIcon::ForceAvailability(0);
    Open().show();
    ASSERT_TRUE(EventuallyTrue([this] { return dialog->windowHandle()->isExposed(); }));
    dialog->windowHandle()->setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->Tray()->Present());
}

TEST_F(MainDialogTest, TrayMenuGreysBatteryCommandsWithoutBattery)
{
    TrayIcon::ForceAvailability(1);
    Open();
    QMenu* menu = dialog->Tray()->PrepareMenu();
    EXPECT_FALSE(MenuAction(menu, ID_TRAY_START)->isEnabled());
    EXPECT_FALSE(MenuAction(menu, ID_TRAY_BATTERY_INFO)->isEnabled());
    EXPECT_FALSE(MenuAction(menu, ID_TRAY_SYSTEM_INFO)->isEnabled());
    EXPECT_TRUE(MenuAction(menu, ID_TRAY_SHOW_WINDOW)->isEnabled());
    EXPECT_TRUE(MenuAction(menu, ID_TRAY_EXIT)->isEnabled());
}

} // namespace
} // namespace ampora
