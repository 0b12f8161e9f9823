#include "app/SessionPlatform.h"

#include <QtGlobal>

namespace ampora {

QByteArray PlatformForSession(const QByteArray& chosen, const QByteArray& sessionType, const QByteArray& display)
{
    if (!chosen.isEmpty() || sessionType != "wayland" || display.isEmpty())
        return {};
    return "xcb;wayland"; // native Wayland where XWayland cannot be reached after all
}

void ChooseSessionPlatform()
{
    const QByteArray platform = PlatformForSession(qgetenv("QT_QPA_PLATFORM"), qgetenv("XDG_SESSION_TYPE"),
                                                   qgetenv("DISPLAY"));
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}

} // namespace ampora
