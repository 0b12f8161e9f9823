#pragma once
// Power events on Windows for a program without Qt's windows (ampora-cli's QCoreApplication):
// Windows sends WM_POWERBROADCAST to every top-level window, so the source makes a hidden one of
// its own, a plain Win32 window whose procedure reads the broadcasts. Qt's event loop
// dispatches the messages of every window of its thread, this one's too.
#include "platform/PowerEvents.h"

namespace ampora {

// The hidden window's title, by which the Windows stage sends it broadcasts.
inline constexpr const wchar_t* kPowerEventsWindowTitle = L"Ampora power events";

// A source listening on a hidden top-level window of its own; a source that never emits
// when the window cannot be made.
PowerEventSource* MakeHiddenWindowPowerEvents();

} // namespace ampora
