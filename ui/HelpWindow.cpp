#include "ui/HelpWindow.h"

#include "ui/MessageBox.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace ampora {
namespace {

QString& HelpPath()
{
    static QString path = QString::fromLatin1(kHelpFileName);
    return path;
}

// One help window for the whole program; later requests only move it to another anchor.
QPointer<QDialog>& HelpDialog()
{
    static QPointer<QDialog> dialog;
    return dialog;
}

bool LooksLikeHelp(const QString& file)
{
    // The help window reads the file whole, on the window's thread: a huge one would stall it.
    if (QFileInfo(file).size() > kMaxHelpFileBytes)
        return false;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(4096).toLower();
    return head.contains("<html");
}

} // namespace

void SetHelpFilePath(const QString& path)
{
    HelpPath() = path;
}

QString ResolveHelpFile()
{
    const QString path = HelpPath();
    if (QFileInfo(path).isAbsolute())
        return QFileInfo(path).isFile() ? path : QString();
    const QString appDir = QCoreApplication::applicationDirPath();
    for (const QString& dir : {QDir::currentPath(), appDir, QDir(appDir).filePath(QStringLiteral("../share/ampora"))}) {
        const QString candidate = QDir(dir).filePath(path);
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return QString();
}

QString HelpAnchor(const QString& keyword)
{
    return keyword.trimmed().toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
}

bool ShowHelp(QWidget* parent, const QString& keyword)
{
    const QString file = ResolveHelpFile();
    if (file.isEmpty() || !LooksLikeHelp(file)) {
        ShowMessage(parent, QMessageBox::Warning, LoadQString(IDS_FAILED_TO_LAUNCH_HELP));
        return false;
    }
    QPointer<QDialog>& dialog = HelpDialog();
    if (!dialog) {
        dialog = new QDialog(nullptr, Qt::Window);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setWindowTitle(LoadQString(IDS_HELP));
        dialog->resize(640, 520);
        auto* layout = new QVBoxLayout(dialog);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* browser = new QTextBrowser(dialog);
        browser->setObjectName(QStringLiteral("helpBrowser"));
        browser->setOpenExternalLinks(true);
        layout->addWidget(browser);
    }
    auto* browser = dialog->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
    QUrl url = QUrl::fromLocalFile(file);
    if (!keyword.isEmpty())
        url.setFragment(HelpAnchor(keyword));
    // The file is HTML whatever its extension says.
    browser->setSource(url, QTextDocument::HtmlResource);
    if (!keyword.isEmpty())
        browser->scrollToAnchor(HelpAnchor(keyword));
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return true;
}

} // namespace ampora
