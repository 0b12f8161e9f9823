// What only Windows does, on real native windows (the windows platform plugin): the system
// menu's About item and Minimize, the power broadcasts reaching the main dialog, and narrow
// texts in the ANSI code page.
#include "tests/app/AppTestSupport.h"

#include "app/CVolticDlg.h"
#include "platform/Backends.h"
#include "battery/CBatteryCtrl.h"
#include "platform/PowerEventFactory.h"
#include "platform/win32/HiddenWindowPowerEvents.h"
#include "platform/NarrowText.h"
#include "platform/SystemMenu.h"

#include <QCoreApplication>
#include <QWidget>

#include <gtest/gtest.h>

#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <memory>
#include <string>

namespace ampora {
namespace {

using namespace std::string_literals;

HWND Handle(QWidget* widget)
{
    return reinterpret_cast<HWND>(widget->winId());
}

void ProcessEvents()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

TEST(Win32SystemMenu, AboutItemAtTheEndAndItsCommands)
{
    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    int about = 0;
    int minimize = 0;
    auto menu = InstallSystemMenu(&window, QStringLiteral("About Ampora..."), 0x0010,
                                  {[&] { ++about; }, [&] { ++minimize; }});
    ASSERT_TRUE(menu);
    window.show();
    ProcessEvents();

    HMENU system = GetSystemMenu(Handle(&window), FALSE);
    ASSERT_TRUE(system);
    const int count = GetMenuItemCount(system);
    ASSERT_GE(count, 2);
    EXPECT_TRUE(GetMenuState(system, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(GetMenuItemID(system, count - 1), 0x0010u);
    wchar_t text[64] = {};
    GetMenuStringW(system, count - 1, text, 64, MF_BYPOSITION);
    EXPECT_EQ(QString::fromWCharArray(text), "About Ampora...");

    // The system's low four bits do not change the command.
    SendMessageW(Handle(&window), WM_SYSCOMMAND, 0x0013, 0);
    ProcessEvents();
    EXPECT_EQ(about, 1);

    SendMessageW(Handle(&window), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ProcessEvents();
    EXPECT_EQ(minimize, 1);
    EXPECT_FALSE(IsIconic(Handle(&window)));
    EXPECT_EQ(about, 1);
}

TEST(Win32HiddenWindowPowerEvents, BroadcastsToItsHiddenWindowAreSignalsAndTheWindowGoesWithIt)
{
    std::unique_ptr<PowerEventSource> events(MakeHiddenWindowPowerEvents());
    int suspend = 0;
    int status = 0;
    QObject::connect(events.get(), &PowerEventSource::aboutToSuspend, [&] { ++suspend; });
    QObject::connect(events.get(), &PowerEventSource::powerStatusChanged, [&] { ++status; });
    HWND window = FindWindowW(nullptr, kPowerEventsWindowTitle);
    ASSERT_TRUE(window);
    EXPECT_FALSE(IsWindowVisible(window));

    SendMessageW(window, WM_POWERBROADCAST, PBT_APMPOWERSTATUSCHANGE, 0);
    SendMessageW(window, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(suspend, 0);
    SendMessageW(window, WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
    EXPECT_EQ(suspend, 1);

    events.reset();
    EXPECT_FALSE(FindWindowW(nullptr, kPowerEventsWindowTitle));
}

class Win32PowerBroadcastTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_work.isValid());
        m_cwd = std::make_unique<test::ScopedCurrentDir>(m_work.path());
        qputenv("AMPORA_SYSFS_ROOT", sysfs.Root().toLocal8Bit());
        sysfs.AddBattery(0);
        m_backends = MakeBackends();
        m_events = MakePowerEventSource();
        dialog = std::make_unique<CVolticDlg>(m_backends, m_events.get());
        dialog->show();
        ProcessEvents();
    }
    void TearDown() override
    {
        dialog.reset();
        qputenv("AMPORA_SYSFS_ROOT", QByteArray(AMPORA_FIXTURES "/none"));
    }

    void Broadcast(QWidget* to, WPARAM event) { SendMessageW(Handle(to), WM_POWERBROADCAST, event, 0); }

    test::FakeSysfs sysfs;
    test::MessageRecorder messages;
    std::unique_ptr<CVolticDlg> dialog;

private:
    QTemporaryDir m_work;
    std::unique_ptr<test::ScopedCurrentDir> m_cwd;
    Backends m_backends;
    std::unique_ptr<PowerEventSource> m_events;
};

TEST_F(Win32PowerBroadcastTest, StatusChangeAndStandByReachTheMainDialog)
{
    dialog->OnOK();
    ASSERT_TRUE(dialog->IsRunning());
    const size_t samples = dialog->Samples().Size();

    // Another top-level window's copy of a broadcast is not counted again.
    QWidget other;
    other.show();
    ProcessEvents();
    Broadcast(&other, PBT_APMPOWERSTATUSCHANGE);
    EXPECT_EQ(dialog->Samples().Size(), samples);

    Broadcast(dialog.get(), PBT_APMPOWERSTATUSCHANGE);
    EXPECT_EQ(dialog->Samples().Size(), samples + 1);
    EXPECT_TRUE(messages.messages.empty());

    Broadcast(dialog.get(), PBT_APMRESUMESUSPEND);
    EXPECT_TRUE(dialog->IsRunning());

    Broadcast(dialog.get(), PBT_APMSUSPEND);
    EXPECT_FALSE(dialog->IsRunning());
    EXPECT_FALSE(dialog->LogOpen());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "\tStand by mode detected. \r\nLike result the monitorize will be stoped !");
}

TEST_F(Win32PowerBroadcastTest, BatteryAddedWhileIdleIsTold)
{
    sysfs.AddBattery(1);
    Broadcast(dialog.get(), PBT_APMPOWERSTATUSCHANGE);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].text.contains("(Battery was: added)"));
    EXPECT_EQ(dialog->BatteryCtrl().GetBatteryCount(), 2);
}

// The rows below hold Windows-1252 bytes, Wine's and western Windows' ANSI code page.
class Win32NarrowTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (GetACP() != 1252)
            GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not 1252";
    }
};

TEST_F(Win32NarrowTextTest, DriverTextsBecomeAnsi)
{
    // "Café" with a combining accent, NUL-terminated, with a trailing zero unit.
    const std::string decomposed = "C\0a\0f\0e\0\x01\x03\0\0\0\0"s;
    EXPECT_EQ(CBatteryCtrl::WideToAnsi(decomposed.data(), static_cast<uint32_t>(decomposed.size())), "Caf\xE9");
    // "Bät €" in 7 bytes: the odd last byte is ignored.
    const std::string text = "B\0\xE4\0t\0 \0\xAC\x20X"s;
    EXPECT_EQ(CBatteryCtrl::WideToAnsi(text.data(), 11), "B\xE4t \x80");
    EXPECT_EQ(CBatteryCtrl::WideToAnsi(nullptr, 4), "");
}

TEST_F(Win32NarrowTextTest, QtTextsToAnsiAndBack)
{
    const QString text = QString::fromUtf8("Bät € \xE2\x98\x83");
    EXPECT_EQ(ToNarrow(text), "B\xE4t \x80 ?"); // the snowman has no place in the code page
    EXPECT_EQ(FromNarrow("B\xE4t \x80"), QString::fromUtf8("Bät €"));
    EXPECT_EQ(FromNarrow(""), "");
}

} // namespace
} // namespace ampora
