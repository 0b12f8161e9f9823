#include "monitor/events/win32/Win32PowerEvents.h"

#include "battery/win32/Win32Api.h"
#include "monitor/events/win32/PowerBroadcast.h"

#include <QCoreApplication>
#include <QWidget>

namespace ampora {

Win32PowerEvents::Win32PowerEvents(QObject* parent) : PowerEventSource(parent)
{
    // The filter takes itself out of the application when it is destroyed.
    QCoreApplication::instance()->installNativeEventFilter(this);
}

bool Win32PowerEvents::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    // Broadcasts are sent, so they arrive through the window procedure ("generic"); the
    // dispatcher type would count posted copies a second time.
    if (eventType != "windows_generic_MSG")
        return false;
    const auto* msg = static_cast<const MSG*>(message);
    if (const auto* widget = qobject_cast<const QWidget*>(parent())) {
        // effectiveWinId does not create a window that does not exist yet.
        if (msg->hwnd != reinterpret_cast<HWND>(widget->window()->effectiveWinId()))
            return false;
    }
    switch (TranslatePowerBroadcast(msg->message, msg->wParam)) {
    case PowerBroadcastEvent::AboutToSuspend:
        emit aboutToSuspend();
        break;
    case PowerBroadcastEvent::PowerStatusChanged:
        emit powerStatusChanged();
        break;
    case PowerBroadcastEvent::None:
        break;
    }
    return false;
}

PowerEventSource* MakeWin32PowerEvents(QObject* parent)
{
    return new Win32PowerEvents(parent);
}

} // namespace ampora
