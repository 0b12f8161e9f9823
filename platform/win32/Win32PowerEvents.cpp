#include "platform/win32/Win32PowerEvents.h"

#include "platform/win32/Win32Api.h"
#include "platform/win32/PowerBroadcast.h"

#include <QCoreApplication>
#include <QWidget>

namespace ampora {

Win32PowerEvents::Win32PowerEvents(QObject* parent) : PowerEventSource(parent)
{
    if (!qobject_cast<QWidget*>(parent)) {
        // Never shown; Windows sends broadcasts to hidden top-level windows as well.
        m_ownWindow = std::make_unique<QWindow>();
        m_ownWindow->create();
    }
    QCoreApplication::instance()->installNativeEventFilter(this);
}

// The filter base takes itself out of the application first.
Win32PowerEvents::~Win32PowerEvents() = default;

void Win32PowerEvents::ListenTo(QWidget* window)
{
    m_window = window;
    if (window)
        m_ownWindow.reset();
}

WId Win32PowerEvents::ListeningWindow() const
{
    // effectiveWinId does not create a native window that does not exist yet.
    if (m_window)
        return m_window->window()->effectiveWinId();
    if (m_ownWindow)
        return m_ownWindow->winId();
    const auto* widget = qobject_cast<const QWidget*>(parent());
    return widget ? widget->window()->effectiveWinId() : 0;
}

bool Win32PowerEvents::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    // Broadcasts are sent, so they arrive through the window procedure ("generic"); the
    // dispatcher type would count posted messages a second time.
    if (eventType != "windows_generic_MSG")
        return false;
    const auto* msg = static_cast<const MSG*>(message);
    const WId window = ListeningWindow();
    if (!window || msg->hwnd != reinterpret_cast<HWND>(window))
        return false;
    EmitPowerBroadcast(*this, msg->message, msg->wParam);
    return false;
}

void EmitPowerBroadcast(PowerEventSource& source, uint32_t message, uintptr_t wParam)
{
    switch (TranslatePowerBroadcast(message, wParam)) {
    case PowerBroadcastEvent::AboutToSuspend:
        emit source.aboutToSuspend();
        break;
    case PowerBroadcastEvent::PowerStatusChanged:
        emit source.powerStatusChanged();
        break;
    case PowerBroadcastEvent::None:
        break;
    }
}

PowerEventSource* MakeWin32PowerEvents(QObject* parent)
{
    return new Win32PowerEvents(parent);
}

} // namespace ampora
