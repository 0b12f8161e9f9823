#pragma once
// The Qt platform plugin Ampora asks for before its QApplication exists.
#include <QByteArray>

namespace ampora {

// On a Wayland session that also offers X11 (XWayland), "xcb;wayland": a compositor's own
// minimize (KWin's title-bar button, a taskbar click) reaches the program only through X11,
// and xdg-shell tells a native client nothing of it. Empty (Qt chooses as usual) when the user
// named a platform (`chosen`, QT_QPA_PLATFORM) or the session is anything else.
QByteArray PlatformForSession(const QByteArray& chosen, const QByteArray& sessionType, const QByteArray& display);

// The same for this process's environment; sets QT_QPA_PLATFORM when a platform is chosen.
void ChooseSessionPlatform();

} // namespace ampora
