// The two information dialogs as the user sees them: every text fits its control and every
// control stands inside the window. With AMPORA_SCREENSHOT_DIR set, the dialogs are also
// saved there as battery-info.png and system-info.png (the pictures of the README).
#include "battery/Backends.h"
#include "battery/CBatteryCtrl.h"
#include "battery/fake/FakeBackend.h"
#include "dialogs/CBatteryInfo.h"
#include "dialogs/CSysInfo.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace ampora {
namespace {

// A laptop battery half-way through a discharge.
FakeBattery ScreenshotBattery()
{
    FakeBatteryValues v;
    v.deviceName = "DELL 7FHJ";
    v.manufacturer = "SMP";
    v.serialNumber = "3422";
    v.uniqueId = "3422SMPDELL 7FHJ";
    v.designedCapacity = 60000;
    v.fullChargedCapacity = 52430;
    v.remainingCapacity = 27310;
    v.voltage = 11820;
    v.rate = -14250;
    v.cycleCount = 213;
    v.defaultAlert1 = 5243;
    v.defaultAlert2 = 2622;
    v.temperature = 3031;
    v.estimatedTime = 6899;
    v.manufactureDay = 12;
    v.manufactureMonth = 4;
    v.manufactureYear = 2021;
    return FakeBattery::Typical(v);
}

void SaveScreenshot(QWidget& dlg, const char* name)
{
    const QByteArray dir = qgetenv("AMPORA_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    EXPECT_TRUE(dlg.grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(name)));
}

void ExpectTidyLayout(const QWidget& dlg)
{
    std::vector<const QWidget*> controls;
    for (const QWidget* w : dlg.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (w->isVisibleTo(&dlg))
            controls.push_back(w);
    for (const QWidget* w : controls) {
        const std::string id = w->objectName().toStdString();
        EXPECT_TRUE(dlg.rect().contains(w->geometry())) << "control " << id << " sticks out";
        if (auto* label = qobject_cast<const QLabel*>(w))
            EXPECT_LE(label->sizeHint().width(), label->width()) << "label " << id << " is cut";
        if (auto* edit = qobject_cast<const QLineEdit*>(w))
            EXPECT_LT(edit->fontMetrics().horizontalAdvance(edit->text()), edit->width() - 4)
                << "field " << id << " is cut";
        if (auto* button = qobject_cast<const QPushButton*>(w))
            EXPECT_GE(button->width(), button->minimumSizeHint().width()) << "button " << id;
        // Group boxes surround other controls; nothing else may overlap.
        if (qobject_cast<const QGroupBox*>(w))
            continue;
        for (const QWidget* other : controls)
            if (other != w && !qobject_cast<const QGroupBox*>(other))
                EXPECT_FALSE(w->geometry().intersects(other->geometry()))
                    << id << " overlaps " << other->objectName().toStdString();
    }
}

TEST(InfoDialogsLayout, BatteryInfoShowsEveryTextWhole)
{
    FakeBackend fake;
    fake.AddBattery(ScreenshotBattery());
    Backends backends = MakeBackends(BackendKind::Fake, &fake);
    CBatteryCtrl ctrl(backends.driver.get());
    ctrl.Enumerate();
    CBatteryInfo dlg;
    dlg.SetBattery(0, &ctrl);
    dlg.show();
    ExpectTidyLayout(dlg);
    SaveScreenshot(dlg, "battery-info.png");
}

TEST(InfoDialogsLayout, SystemInfoShowsEveryTextWhole)
{
    FakeBackend fake;
    ProcessorPowerInformation cpu;
    cpu.MaxMhz = 2400;
    cpu.CurrentMhz = 1800;
    fake.SetProcessor(cpu);
    PowerCapabilities caps;
    caps.ProcessorThrottle = 1;
    caps.ProcessorMinThrottle = 17;
    caps.ProcessorMaxThrottle = 100;
    caps.ThermalControl = 1;
    caps.VideoDimPresent = 1;
    caps.DiskSpinDown = 1;
    fake.SetCapabilities(caps);
    Backends backends = MakeBackends(BackendKind::Fake, &fake);
    CSysInfo dlg(backends.powerInformation.get());
    dlg.show();
    ExpectTidyLayout(dlg);
    SaveScreenshot(dlg, "system-info.png");
}

} // namespace
} // namespace ampora
