// Every text of every shipped language fits its control: the main window after a sample, the
// About dialog and both information dialogs, each with the built-in English texts and with
// every shipped translation module. A text is measured against the width its control leaves
// for it; a label must also end before the control to its right.
#include "AppTestSupport.h"
#include "app/CAboutDlg.h"
#include "app/CVolticDlg.h"
#include "dialogs/CBatteryInfo.h"
#include "dialogs/CSysInfo.h"
#include "platform/Backends.h"
#include "platform/sysfs/SysfsBackend.h"
#include "ui/DialogBuilder.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>

namespace ampora {
namespace {

QString Plain(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// The room a control leaves for its text, and the text's width in the control's font.
void ExpectTextsFit(const QWidget& dlg, const std::string& where)
{
    const QStyle* style = dlg.style();
    std::vector<const QWidget*> controls;
    for (const QWidget* w : dlg.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (w->isVisibleTo(&dlg))
            controls.push_back(w);
    for (const QWidget* w : controls) {
        const std::string id = where + " control " + w->objectName().toStdString();
        const QFontMetrics fm = w->fontMetrics();
        if (auto* label = qobject_cast<const QLabel*>(w)) {
            if (label->text().isEmpty())
                continue;
            if (label->wordWrap()) {
                EXPECT_LE(label->heightForWidth(label->width()), label->height()) << id << " is cut";
                continue;
            }
            const int text = fm.horizontalAdvance(label->text());
            EXPECT_LE(text, label->width()) << id << " is cut: \"" << label->text().toStdString() << '"';
            // Nothing to its right may start where the text ends.
            const QRect ink(label->x(), label->y(), text + 2, label->height());
            for (const QWidget* other : controls)
                if (other != w && !qobject_cast<const QGroupBox*>(other) && other->x() > label->x())
                    EXPECT_FALSE(ink.intersects(other->geometry()))
                        << id << " touches " << other->objectName().toStdString() << ": \""
                        << label->text().toStdString() << '"';
        } else if (auto* edit = qobject_cast<const QLineEdit*>(w)) {
            EXPECT_LE(fm.horizontalAdvance(edit->text()) + 6, edit->width())
                << id << " is cut: \"" << edit->text().toStdString() << '"';
        } else if (auto* check = qobject_cast<const QCheckBox*>(w)) {
            const int box = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, check)
                            + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, check);
            EXPECT_LE(box + fm.horizontalAdvance(Plain(check->text())), check->width())
                << id << " is cut: \"" << check->text().toStdString() << '"';
        } else if (auto* button = qobject_cast<const QPushButton*>(w)) {
            const int margins = 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
            EXPECT_LE(fm.horizontalAdvance(Plain(button->text())) + margins, button->width())
                << id << " is cut: \"" << button->text().toStdString() << '"';
        } else if (auto* group = qobject_cast<const QGroupBox*>(w)) {
            EXPECT_LE(fm.horizontalAdvance(Plain(group->title())) + 8, group->width())
                << id << " is cut: \"" << group->title().toStdString() << '"';
        }
    }
}

// The built-in texts ("") and every shipped translation module.
std::vector<std::string> ShippedLanguages()
{
    std::vector<std::string> languages{""};
    const QDir dir(QStringLiteral(AMPORA_BUILD_DIR "/translations"));
    for (const QString& language : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        languages.push_back(language.toStdString());
    return languages;
}

TEST(TextsFit, EveryDialogInEveryShippedLanguage)
{
    const std::vector<std::string> languages = ShippedLanguages();
    ASSERT_GE(languages.size(), 2u) << "no translation module was built";
    test::FakeSysfs sysfs;
    sysfs.AddBattery(0);
    const QByteArray oldRoot = qgetenv("AMPORA_SYSFS_ROOT");
    qputenv("AMPORA_SYSFS_ROOT", sysfs.Root().toLocal8Bit());
    QTemporaryDir work;
    test::ScopedCurrentDir cwd(work.path());

    for (const std::string& language : languages) {
        QTranslator translator;
        if (!language.empty()) {
            ASSERT_TRUE(translator.load(QStringLiteral(AMPORA_BUILD_DIR "/translations/%1/TransBat.lng")
                                            .arg(QString::fromStdString(language))));
            QCoreApplication::installTranslator(&translator);
        }
        const std::string lang = language.empty() ? "built-in" : language;

        Backends backends = MakeBackends();
        {
            CVolticDlg main(backends);
            main.show();
            main.OnOK(); // the fields show a sample's texts
            main.OnCancel();
            ExpectTextsFit(main, lang + " main window");
        }
        {
            CAboutDlg about;
            about.show();
            ExpectTextsFit(about, lang + " About");
        }
        {
            const auto driver = MakeSysfsBatteryDriver(std::string(AMPORA_FIXTURES) + "/sysfs/energy-discharging");
            CBatteryCtrl ctrl(driver.get());
            ctrl.Enumerate();
            CBatteryInfo info;
            info.SetBattery(0, &ctrl);
            info.show();
            ExpectTextsFit(info, lang + " Battery info");
        }
        {
            const auto source = MakeSysfsPowerInformation(std::string(AMPORA_FIXTURES) + "/sysinfo/laptop");
            CSysInfo info(source.get());
            info.show();
            ExpectTextsFit(info, lang + " System info");
        }
        QCoreApplication::removeTranslator(&translator);
    }
    qputenv("AMPORA_SYSFS_ROOT", oldRoot);
}

} // namespace
} // namespace ampora
