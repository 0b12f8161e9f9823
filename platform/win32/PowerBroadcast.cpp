#include "platform/win32/PowerBroadcast.h"

#include "platform/win32/Win32Api.h"

namespace ampora {

static_assert(WM_POWERBROADCAST == 0x0218);
static_assert(PBT_APMSUSPEND == 4);
static_assert(PBT_APMPOWERSTATUSCHANGE == 10);

PowerBroadcastEvent TranslatePowerBroadcast(uint32_t message, uintptr_t wParam)
{
    if (message != WM_POWERBROADCAST)
        return PowerBroadcastEvent::None;
    switch (wParam) {
    case PBT_APMSUSPEND:
        return PowerBroadcastEvent::AboutToSuspend;
    case PBT_APMPOWERSTATUSCHANGE:
        return PowerBroadcastEvent::PowerStatusChanged;
    default:
        return PowerBroadcastEvent::None;
    }
}

} // namespace ampora
