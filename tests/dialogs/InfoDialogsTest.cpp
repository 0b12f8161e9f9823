// The Battery info and System info dialogs, driven on the offscreen platform through the
// fake back end.
#include "ui/HelpWindow.h"
#include "ui/MessageBox.h"
#include "platform/Backends.h"
#include "battery/CBatteryCtrl.h"
#include "platform/fake/FakeBackend.h"
#include "platform/sysfs/SysfsBackend.h"
#include "dialogs/CBatteryInfo.h"
#include "dialogs/CSysInfo.h"
#include "dialogs/InfoTexts.h"
#include "ui/DialogBuilder.h"
#include "resources/ResourceIds.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>

namespace ampora {
namespace {

constexpr int kBatteryInfoFields[] = {
    IDC_BI_STATUS,           IDC_BI_MANUFACTURER,    IDC_BI_DEVICE_NAME,     IDC_BI_SERIAL_NUMBER,
    IDC_BI_UNIQUE_ID,        IDC_BI_TIME_REMAINING,  IDC_BI_TEMPERATURE,     IDC_BI_MANUFACTURE_DATE,
    IDC_BI_TYPE_OF_USE,      IDC_BI_RECHARGEABLE,    IDC_BI_CHEMISTRY,       IDC_BI_DESIGN_CAPACITY,
    IDC_BI_FULL_CAPACITY,    IDC_BI_CURRENT_CAPACITY, IDC_BI_ALERT_LEVELS,   IDC_BI_CRITICAL_BIAS,
    IDC_BI_CHARGE_CYCLES,    IDC_BI_VOLTAGE,         IDC_BI_CHARGE_RATE,
};

constexpr int kSysInfoFields[] = {
    IDC_SI_MAX_MHZ, IDC_SI_CURRENT_MHZ, IDC_SI_UPS,   IDC_SI_THROTTLE,       IDC_SI_MIN_THROTTLE,
    IDC_SI_MAX_THROTTLE, IDC_SI_THERMAL, IDC_SI_VIDEO_DIM, IDC_SI_APM, IDC_SI_DISK_SPIN_DOWN,
    IDC_SI_FAN_TOLERANCE,
};

template <size_t N>
std::map<int, QString> Texts(const QWidget& dialog, const int (&ids)[N])
{
    std::map<int, QString> texts;
    for (int id : ids)
        texts[id] = ControlText(&dialog, id);
    return texts;
}

template <size_t N>
std::map<int, QString> AllNotAvailable(const int (&ids)[N])
{
    std::map<int, QString> texts;
    for (int id : ids)
        texts[id] = "N/A";
    return texts;
}

class BatteryInfoDialog : public testing::Test {
protected:
    // Shows battery `index` of the batteries added so far.
    void Show(CBatteryInfo& dlg, int index)
    {
        m_backends = MakeBackends(BackendKind::Fake, &m_fake);
        m_ctrl = std::make_unique<CBatteryCtrl>(m_backends.driver.get());
        m_ctrl->Enumerate();
        dlg.SetBattery(index, m_ctrl.get());
        dlg.show();
    }

    FakeBackend m_fake;
    Backends m_backends;
    std::unique_ptr<CBatteryCtrl> m_ctrl;
};

TEST_F(BatteryInfoDialog, WithoutBatteryAccessEveryFieldIsNotAvailable)
{
    CBatteryInfo dlg;
    dlg.show();
    EXPECT_EQ(Texts(dlg, kBatteryInfoFields), AllNotAvailable(kBatteryInfoFields));
    EXPECT_EQ(dlg.windowTitle(), "Battery info");
    EXPECT_EQ(ControlText(&dlg, IDC_BI_MANUFACTURER_LABEL), "Manufacture:");
    EXPECT_EQ(ControlText(&dlg, IDC_BI_STATE_GROUP), "Curent status");
    EXPECT_EQ(ControlText(&dlg, IDC_BI_HELP), "Help");
}

TEST_F(BatteryInfoDialog, NoBatteryNumberChosenShowsNotAvailable)
{
    m_fake.AddBattery(FakeBattery::Typical());
    CBatteryInfo dlg;
    Show(dlg, -1);
    EXPECT_EQ(Texts(dlg, kBatteryInfoFields), AllNotAvailable(kBatteryInfoFields));
}

TEST_F(BatteryInfoDialog, TypicalBatteryShowsEveryValue)
{
    m_fake.AddBattery(FakeBattery::Typical());
    CBatteryInfo dlg;
    Show(dlg, 0);
    const std::map<int, QString> expected{
        {IDC_BI_STATUS, "Discharging "},
        {IDC_BI_MANUFACTURER, "Ampora Labs"},
        {IDC_BI_DEVICE_NAME, "Fake Battery"},
        {IDC_BI_SERIAL_NUMBER, "SN-0001"},
        {IDC_BI_UNIQUE_ID, "Ampora Labs-Fake Battery-SN-0001"},
        {IDC_BI_TIME_REMAINING, "03:00:00"},
        {IDC_BI_TEMPERATURE, "29820"}, // the driver's tenths of a kelvin, times ten
        {IDC_BI_MANUFACTURE_DATE, "15:3:2006"},
        {IDC_BI_TYPE_OF_USE, "Normal operation"},
        {IDC_BI_RECHARGEABLE, "Yes"},
        {IDC_BI_CHEMISTRY, "Lithium Ion"},
        {IDC_BI_DESIGN_CAPACITY, "50000 mWh"},
        {IDC_BI_FULL_CAPACITY, "48000 mWh"},
        {IDC_BI_CURRENT_CAPACITY, "36000 mWh"},
        {IDC_BI_ALERT_LEVELS, "W: 2400 / L: 4800"},
        {IDC_BI_CRITICAL_BIAS, "0"},
        {IDC_BI_CHARGE_CYCLES, "120"},
        {IDC_BI_VOLTAGE, "12000 mV"},
        {IDC_BI_CHARGE_RATE, "-12000 mW"},
    };
    EXPECT_EQ(Texts(dlg, kBatteryInfoFields), expected);
}

TEST_F(BatteryInfoDialog, BatteryThatAnswersNothingShowsTheEmptyRecord)
{
    FakeBattery silent;
    silent.path = "silent";
    m_fake.AddBattery(silent); // opens and gives its tag, every other request fails
    CBatteryInfo dlg;
    Show(dlg, 0);
    const std::map<int, QString> expected{
        {IDC_BI_STATUS, "Not present"},
        {IDC_BI_MANUFACTURER, "N/A"},
        {IDC_BI_DEVICE_NAME, "N/A"},
        {IDC_BI_SERIAL_NUMBER, "N/A"},
        {IDC_BI_UNIQUE_ID, "N/A"},
        {IDC_BI_TIME_REMAINING, "00:00:00"},
        {IDC_BI_TEMPERATURE, "N/A"},
        {IDC_BI_MANUFACTURE_DATE, "N/A"},
        {IDC_BI_TYPE_OF_USE, "Normal operation"},
        {IDC_BI_RECHARGEABLE, "No"},
        {IDC_BI_CHEMISTRY, ""},
        {IDC_BI_DESIGN_CAPACITY, "0 mWh"},
        {IDC_BI_FULL_CAPACITY, "0 mWh"},
        {IDC_BI_CURRENT_CAPACITY, "0 mWh"},
        {IDC_BI_ALERT_LEVELS, "W: 0 / L: 0"},
        {IDC_BI_CRITICAL_BIAS, "0"},
        {IDC_BI_CHARGE_CYCLES, "Not supported"},
        {IDC_BI_VOLTAGE, "0 mV"},
        {IDC_BI_CHARGE_RATE, "N/A"},
    };
    EXPECT_EQ(Texts(dlg, kBatteryInfoFields), expected);
}

TEST_F(BatteryInfoDialog, OnlyTheFirstFourBatteriesAreShown)
{
    for (int i = 1; i <= 5; ++i) {
        FakeBatteryValues values;
        values.deviceName = "Battery " + std::to_string(i);
        m_fake.AddBattery(FakeBattery::Typical(values));
    }
    CBatteryInfo fourth;
    Show(fourth, 3);
    EXPECT_EQ(ControlText(&fourth, IDC_BI_DEVICE_NAME), "Battery 4");
    EXPECT_EQ(ControlText(&fourth, IDC_BI_FULL_CAPACITY), "48000 mWh");
    CBatteryInfo fifth;
    Show(fifth, 4);
    for (int id : {IDC_BI_DEVICE_NAME, IDC_BI_FULL_CAPACITY, IDC_BI_STATUS, IDC_BI_VOLTAGE})
        EXPECT_EQ(ControlText(&fifth, id), "N/A") << id;
}

TEST_F(BatteryInfoDialog, BatteryIsReadOnceWhenFirstShown)
{
    m_fake.AddBattery(FakeBattery::Typical());
    CBatteryInfo dlg;
    Show(dlg, 0);
    const int requests = m_fake.Counts().informationRequests;
    EXPECT_GT(requests, 0);
    dlg.hide();
    dlg.show();
    EXPECT_EQ(m_fake.Counts().informationRequests, requests);
}

// Runs the dialog modally and presses its OK button from inside the loop.
int ExecAndPressOk(QDialog& dlg)
{
    QTimer::singleShot(0, &dlg, [&dlg] { Control<QPushButton>(&dlg, IDC_OK)->click(); });
    return dlg.exec();
}

TEST(InfoDialogs, OkEndsTheModalLoopAccepted)
{
    CBatteryInfo battery;
    EXPECT_EQ(ExecAndPressOk(battery), QDialog::Accepted);
    CSysInfo system(nullptr);
    EXPECT_EQ(ExecAndPressOk(system), QDialog::Accepted);
}

class SysInfoDialog : public testing::Test {
protected:
    SysInfoDialog()
    {
        ProcessorPowerInformation cpu;
        cpu.MaxMhz = 2400;
        cpu.CurrentMhz = 1200;
        m_fake.SetProcessor(cpu);
        PowerCapabilities caps;
        caps.UpsPresent = 1;
        caps.ProcessorThrottle = 2; // any non-zero byte is yes
        caps.ProcessorMinThrottle = 17;
        caps.ProcessorMaxThrottle = 100;
        caps.ThermalControl = 1;
        caps.VideoDimPresent = 0;
        caps.ApmPresent = 0;
        caps.DiskSpinDown = 1;
        m_fake.SetCapabilities(caps);
        m_fake.SetFanThrottleTolerance(80);
    }

    std::map<int, QString> ShowAndRead()
    {
        Backends backends = MakeBackends(BackendKind::Fake, &m_fake);
        CSysInfo dlg(backends.powerInformation.get());
        dlg.show();
        return Texts(dlg, kSysInfoFields);
    }

    FakeBackend m_fake;
    const std::map<int, QString> m_all{
        {IDC_SI_MAX_MHZ, "2400"},     {IDC_SI_CURRENT_MHZ, "1200"}, {IDC_SI_UPS, "Yes"},
        {IDC_SI_THROTTLE, "Yes"},     {IDC_SI_MIN_THROTTLE, "17"},  {IDC_SI_MAX_THROTTLE, "100"},
        {IDC_SI_THERMAL, "Yes"},      {IDC_SI_VIDEO_DIM, "No"},     {IDC_SI_APM, "No"},
        {IDC_SI_DISK_SPIN_DOWN, "Yes"}, {IDC_SI_FAN_TOLERANCE, "80"},
    };
};

TEST_F(SysInfoDialog, CaptionsAndAllElevenFields)
{
    Backends backends = MakeBackends(BackendKind::Fake, &m_fake);
    CSysInfo dlg(backends.powerInformation.get());
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "System info");
    EXPECT_EQ(ControlText(&dlg, IDC_SI_MAX_MHZ_LABEL), "Processor Max Mhz:");
    EXPECT_EQ(ControlText(&dlg, IDC_SI_APM_LABEL), "APM BIOS Power managment:");
    EXPECT_EQ(ControlText(&dlg, IDC_SI_HELP), "Help");
    EXPECT_EQ(Texts(dlg, kSysInfoFields), m_all);
}

TEST_F(SysInfoDialog, WithoutSourceEveryFieldIsNotAvailable)
{
    CSysInfo dlg(nullptr);
    dlg.show();
    EXPECT_EQ(Texts(dlg, kSysInfoFields), AllNotAvailable(kSysInfoFields));
}

TEST_F(SysInfoDialog, ProcessorQueryFailingAlone)
{
    m_fake.FailProcessor();
    std::map<int, QString> expected = m_all;
    expected[IDC_SI_MAX_MHZ] = expected[IDC_SI_CURRENT_MHZ] = "N/A";
    EXPECT_EQ(ShowAndRead(), expected);
}

TEST_F(SysInfoDialog, CapabilitiesQueryFailingAlone)
{
    m_fake.FailCapabilities();
    std::map<int, QString> expected = AllNotAvailable(kSysInfoFields);
    expected[IDC_SI_MAX_MHZ] = "2400";
    expected[IDC_SI_CURRENT_MHZ] = "1200";
    expected[IDC_SI_FAN_TOLERANCE] = "80";
    EXPECT_EQ(ShowAndRead(), expected);
}

TEST_F(SysInfoDialog, PolicyQueryFailingAlone)
{
    m_fake.FailFanThrottleTolerance();
    std::map<int, QString> expected = m_all;
    expected[IDC_SI_FAN_TOLERANCE] = "N/A";
    EXPECT_EQ(ShowAndRead(), expected);
}

TEST_F(SysInfoDialog, LinuxSourcesOnALaptopTree)
{
    const auto source = MakeSysfsPowerInformation(std::string(AMPORA_FIXTURES) + "/sysinfo/laptop");
    CSysInfo dlg(source.get());
    dlg.show();
    std::map<int, QString> expected{
        {IDC_SI_MAX_MHZ, "2400"},     {IDC_SI_CURRENT_MHZ, "1800"}, {IDC_SI_UPS, "No"},
        {IDC_SI_THROTTLE, "Yes"},     {IDC_SI_MIN_THROTTLE, "17"},  {IDC_SI_MAX_THROTTLE, "100"},
        {IDC_SI_THERMAL, "Yes"},      {IDC_SI_VIDEO_DIM, "Yes"},    {IDC_SI_APM, "No"},
        {IDC_SI_DISK_SPIN_DOWN, "Yes"}, {IDC_SI_FAN_TOLERANCE, "N/A"},
    };
    EXPECT_EQ(Texts(dlg, kSysInfoFields), expected);
}

// Help: the keyword each dialog asks for, and the message when the help file is missing.
class InfoDialogHelp : public testing::Test {
protected:
    ~InfoDialogHelp() override
    {
        SetHelpFilePath(QString::fromLatin1(kHelpFileName));
        SetMessageBoxHook({});
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->findChild<QTextBrowser*>(QStringLiteral("helpBrowser")))
                delete w;
    }

    // Clicks the Help button and gives the fragment the help window shows, or the message.
    QString PressHelp(QDialog& dlg, int helpId)
    {
        dlg.show();
        Control<QPushButton>(&dlg, helpId)->click();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* browser = w->findChild<QTextBrowser*>(QStringLiteral("helpBrowser")))
                return browser->source().fragment();
        return m_message;
    }

    void UseHelpFile()
    {
        ASSERT_TRUE(m_dir.isValid());
        const QString path = m_dir.filePath("HelpBattery.hlp");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<html><body><a name=\"battery-info\">B</a><a name=\"system-info\">S</a></body></html>");
        SetHelpFilePath(path);
    }

    void UseMissingHelpFile()
    {
        SetHelpFilePath(m_dir.filePath("absent.hlp"));
        SetMessageBoxHook([this](QWidget*, QMessageBox::Icon, const QString& text,
                                 QMessageBox::StandardButtons) {
            m_message = text;
            return QMessageBox::Ok;
        });
    }

    QTemporaryDir m_dir;
    QString m_message;
};

TEST_F(InfoDialogHelp, BatteryInfoOpensItsKeyword)
{
    UseHelpFile();
    CBatteryInfo dlg;
    EXPECT_EQ(PressHelp(dlg, IDC_BI_HELP), "battery-info");
}

TEST_F(InfoDialogHelp, SystemInfoOpensItsKeyword)
{
    UseHelpFile();
    CSysInfo dlg(nullptr);
    EXPECT_EQ(PressHelp(dlg, IDC_SI_HELP), "system-info");
}

TEST_F(InfoDialogHelp, MissingHelpFileIsReported)
{
    UseMissingHelpFile();
    CSysInfo dlg(nullptr);
    EXPECT_EQ(PressHelp(dlg, IDC_SI_HELP), "Failed to launch help.");
}

} // namespace
} // namespace ampora
