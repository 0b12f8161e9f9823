#pragma once
// Which power event a window message carries. No Qt and no Windows types here, so that the
// translation can be checked by a console program.
#include <cstdint>

namespace ampora {

enum class PowerBroadcastEvent { None, AboutToSuspend, PowerStatusChanged };

// AboutToSuspend for WM_POWERBROADCAST with PBT_APMSUSPEND, PowerStatusChanged for it with
// PBT_APMPOWERSTATUSCHANGE, None for every other message or broadcast (resume included).
PowerBroadcastEvent TranslatePowerBroadcast(uint32_t message, uintptr_t wParam);

} // namespace ampora
