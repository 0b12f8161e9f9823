#include "platform/win32/HiddenWindowPowerEvents.h"

#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32PowerEvents.h"

namespace ampora {
namespace {

constexpr const wchar_t* kWindowClass = L"AmporaPowerEvents";

class HiddenWindowPowerEvents final : public PowerEventSource {
public:
    HiddenWindowPowerEvents()
    {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &WindowProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kWindowClass;
        RegisterClassW(&windowClass); // fails harmlessly when a second source registered it already
        // A top-level window that is never shown: a message-only window would get no broadcasts.
        m_window = CreateWindowExW(0, kWindowClass, kPowerEventsWindowTitle, WS_OVERLAPPED, 0, 0, 0, 0, nullptr,
                                   nullptr, windowClass.hInstance, nullptr);
        if (m_window)
            SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }

    ~HiddenWindowPowerEvents() override
    {
        if (m_window)
            DestroyWindow(m_window);
    }

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<HiddenWindowPowerEvents*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self)
            EmitPowerBroadcast(*self, message, wParam);
        return DefWindowProcW(window, message, wParam, lParam);
    }

    HWND m_window = nullptr;
};

} // namespace

PowerEventSource* MakeHiddenWindowPowerEvents()
{
    return new HiddenWindowPowerEvents();
}

} // namespace ampora
