// Ampora: chooses the resource set once, names the help file, runs the main dialog and ends
// when it ends.
#include "app/CVolticDlg.h"
#include "resources/HelpWindow.h"
#include "platform/Backends.h"
#include "platform/PowerEventFactory.h"
#include "resources/Resources.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ampora"));
    QApplication::setDesktopFileName(QStringLiteral("org.ampora.Ampora"));
    QApplication::setQuitOnLastWindowClosed(false); // hidden into the tray is not the end

    ampora::LoadTranslationModule();
    ampora::SetHelpFilePath(QString::fromLatin1(ampora::kHelpFileName));
    QApplication::setWindowIcon(ampora::ProgramIcon());

    ampora::Backends backends = ampora::MakeBackends();
    std::unique_ptr<ampora::PowerEventSource> events = ampora::MakePowerEventSource();
    {
        ampora::CVolticDlg dialog(backends, events.get());
        dialog.RunModal();
    }
    ampora::UnloadTranslationModule();
    return 0;
}
