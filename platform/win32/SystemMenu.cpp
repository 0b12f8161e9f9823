// The system menu of the main dialog: the About item appended to it, and the About and
// Minimize commands taken out of WM_SYSCOMMAND before the system handles them.
#include "platform/SystemMenu.h"
#include "platform/win32/Win32Api.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace ampora {
namespace {

class Win32SystemMenu final : public QObject, public SystemMenu, public QAbstractNativeEventFilter {
public:
    Win32SystemMenu(QWidget* window, const QString& aboutText, unsigned aboutCommand, SystemMenuCommands commands)
        : m_window(window), m_aboutText(aboutText), m_aboutCommand(aboutCommand), m_commands(std::move(commands))
    {
        // A native window made later, or made again after a change of window flags, comes
        // with a fresh system menu: the item is appended to each.
        window->installEventFilter(this);
        if (window->internalWinId())
            AppendItems(reinterpret_cast<HWND>(window->internalWinId()));
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::WinIdChange && m_window->internalWinId())
            AppendItems(reinterpret_cast<HWND>(m_window->internalWinId()));
        return false;
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override
    {
        // Menu commands are posted, so the window procedure sees them too; counting them
        // there only keeps each command from being seen twice.
        if (eventType != "windows_generic_MSG" || !m_window)
            return false;
        const auto* msg = static_cast<const MSG*>(message);
        if (msg->message != WM_SYSCOMMAND || !m_window->internalWinId()
            || msg->hwnd != reinterpret_cast<HWND>(m_window->internalWinId()))
            return false;
        // The system keeps the low four bits of a command for itself.
        const WPARAM command = msg->wParam;
        const std::function<void()>* run = nullptr;
        if ((command & 0xFFF0) == m_aboutCommand)
            run = &m_commands.about;
        else if (command == SC_MINIMIZE)
            run = &m_commands.minimize;
        if (!run || !*run)
            return false;
        // The About dialog runs a modal loop of its own; it must not run inside the window
        // procedure of the message that asked for it.
        QTimer::singleShot(0, this, *run);
        *result = 0;
        return true;
    }

private:
    void AppendItems(HWND hwnd)
    {
        HMENU menu = GetSystemMenu(hwnd, FALSE);
        if (!menu || m_aboutText.isEmpty())
            return;
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, m_aboutCommand, reinterpret_cast<LPCWSTR>(m_aboutText.utf16()));
    }

    QPointer<QWidget> m_window;
    QString m_aboutText;
    unsigned m_aboutCommand;
    SystemMenuCommands m_commands;
};

} // namespace

std::unique_ptr<SystemMenu> InstallSystemMenu(QWidget* window, const QString& aboutText, unsigned aboutCommand,
                                              SystemMenuCommands commands)
{
    if (!window)
        return nullptr;
    return std::make_unique<Win32SystemMenu>(window, aboutText, aboutCommand, std::move(commands));
}

} // namespace ampora
