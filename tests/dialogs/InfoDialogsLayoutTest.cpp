// The two information dialogs as the user sees them: every text fits its control and every
// control stands inside the window. With AMPORA_SCREENSHOT_DIR set, the dialogs are also
// saved there as battery-info.png and system-info.png (the pictures of the README).
#include "battery/CBatteryCtrl.h"
#include "platform/sysfs/SysfsBackend.h"
#include "dialogs/CBatteryInfo.h"
#include "dialogs/CSysInfo.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include <gtest/gtest.h>

namespace ampora {
namespace {

std::string Fixture(const char* tree)
{
    return std::string(AMPORA_FIXTURES) + "/" + tree;
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
            // The text and the style's margins; not the style's minimum width for any button.
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text().remove(QLatin1Char('&')))
                          + 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button),
                      button->width()) << "button " << id;
        // Group boxes surround other controls; nothing else may overlap.
        if (qobject_cast<const QGroupBox*>(w))
            continue;
        for (const QWidget* other : controls)
            if (other != w && !qobject_cast<const QGroupBox*>(other))
                EXPECT_FALSE(w->geometry().intersects(other->geometry()))
                    << id << " overlaps " << other->objectName().toStdString();
    }
}

// Both dialogs as Linux fills them, on a half-charged laptop battery and a laptop's sysfs.
TEST(InfoDialogsLayout, BatteryInfoShowsEveryTextWhole)
{
    const auto driver = MakeSysfsBatteryDriver(Fixture("sysfs/energy-discharging"));
    CBatteryCtrl ctrl(driver.get());
    ctrl.Enumerate();
    ASSERT_EQ(ctrl.GetBatteryCount(), 1);
    CBatteryInfo dlg;
    dlg.SetBattery(0, &ctrl);
    dlg.show();
    ExpectTidyLayout(dlg);
    SaveScreenshot(dlg, "battery-info.png");
}

TEST(InfoDialogsLayout, SystemInfoShowsEveryTextWhole)
{
    const auto source = MakeSysfsPowerInformation(Fixture("sysinfo/laptop"));
    CSysInfo dlg(source.get());
    dlg.show();
    ExpectTidyLayout(dlg);
    SaveScreenshot(dlg, "system-info.png");
}

} // namespace
} // namespace ampora
