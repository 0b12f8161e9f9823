// Ampora: chooses the resource set once, names the help file, runs the main dialog and ends
// when it ends.
#include "app/CVolticDlg.h"
#include "app/SessionPlatform.h"
#include "ui/HelpWindow.h"
#include "platform/Backends.h"
#include "platform/PowerEventFactory.h"
#include "resources/Resources.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv)
{
    // On X11 the window's pixels go to the server in the request itself, not through shared
    // memory: the once-a-second repaint is a block of a few hundred pixels, and a shared
    // segment written again makes every paint wait for a round trip to the server first
    // (see docs/performance.md). Other platforms ignore the variable.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    ampora::ChooseSessionPlatform();
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
