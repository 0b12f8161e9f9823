// The system menu of the main dialog: the About item appended to it, and the About and
// Minimize commands taken out of WM_SYSCOMMAND before Qt and the system handle them.
#include "platform/SystemMenu.h"
#include "platform/win32/Win32Api.h"

#include <commctrl.h>

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace ampora {
namespace {

class Win32SystemMenu final : public QObject, public SystemMenu {
public:
    Win32SystemMenu(QWidget* window, const QString& aboutText, unsigned aboutCommand, SystemMenuCommands commands)
        : m_window(window), m_aboutText(aboutText), m_aboutCommand(aboutCommand), m_commands(std::move(commands))
    {
        // A native window made later, or made again after a change of window flags, comes
        // with a fresh system menu: the item is appended to each.
        window->installEventFilter(this);
        if (window->internalWinId())
            Attach(reinterpret_cast<HWND>(window->internalWinId()));
    }

    ~Win32SystemMenu() override
    {
        if (m_hwnd && IsWindow(m_hwnd))
            RemoveWindowSubclass(m_hwnd, &Win32SystemMenu::WindowProc, kSubclassId);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::WinIdChange && m_window->internalWinId())
            Attach(reinterpret_cast<HWND>(m_window->internalWinId()));
        return false;
    }

private:
    static constexpr UINT_PTR kSubclassId = 0x0010;

    void Attach(HWND hwnd)
    {
        if (hwnd == m_hwnd)
            return;
        m_hwnd = hwnd;
        HMENU menu = GetSystemMenu(hwnd, FALSE);
        if (menu && !m_aboutText.isEmpty()) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            AppendMenuW(menu, MF_STRING, m_aboutCommand, reinterpret_cast<LPCWSTR>(m_aboutText.utf16()));
        }
        // System commands are sent as well as posted (the caption's Minimize button sends
        // them), so they are taken in the window's own procedure, ahead of Qt's.
        SetWindowSubclass(hwnd, &Win32SystemMenu::WindowProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    }

    // The command for a WM_SYSCOMMAND, or null for one the system handles.
    const std::function<void()>* CommandFor(WPARAM command) const
    {
        // The system keeps the low four bits of a command for itself.
        if ((command & 0xFFF0) == m_aboutCommand && m_commands.about)
            return &m_commands.about;
        if (command == SC_MINIMIZE && m_commands.minimize)
            return &m_commands.minimize;
        return nullptr;
    }

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR data)
    {
        auto* self = reinterpret_cast<Win32SystemMenu*>(data);
        if (message == WM_SYSCOMMAND) {
            if (const std::function<void()>* run = self->CommandFor(wParam)) {
                // The About dialog runs a modal loop of its own; it must not run inside the
                // window procedure of the message that asked for it.
                QTimer::singleShot(0, self, *run);
                return 0;
            }
        }
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }

    QPointer<QWidget> m_window;
    HWND m_hwnd = nullptr;
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
