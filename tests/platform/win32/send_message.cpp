// A small Windows console tool for the tests under Wine: sends window messages to the
// program's main window and tells what top-level windows the program shows.
//
//   ampora_send_message send <title> <message> <wParam>   SendMessage, prints the result
//   ampora_send_message post <title> <message> <wParam>   PostMessage
//   ampora_send_message windows                           "visible<TAB>title<TAB>class" per top-level window
//   ampora_send_message wait <title> <seconds>            status 0 once a visible window of
//                                                         that title exists, 1 after the time
// Numbers may be given in decimal or as 0x hexadecimal. Status 2: no window of that title.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace {

std::wstring Widen(const char* text)
{
    const int n = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring wide(n > 0 ? n - 1 : 0, L'\0');
    if (n > 1)
        MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), n);
    return wide;
}

std::string Narrow(const wchar_t* text)
{
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(n > 0 ? n - 1 : 0, '\0');
    if (n > 1)
        WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow.data(), n, nullptr, nullptr);
    return narrow;
}

struct Search {
    std::wstring title;
    HWND found = nullptr;
    bool visibleOnly = false;
};

BOOL CALLBACK FindByTitle(HWND hwnd, LPARAM data)
{
    auto* search = reinterpret_cast<Search*>(data);
    wchar_t title[512] = {};
    GetWindowTextW(hwnd, title, 512);
    if (search->title == title && (!search->visibleOnly || IsWindowVisible(hwnd))) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindTopLevel(const char* title, bool visibleOnly)
{
    Search search{Widen(title), nullptr, visibleOnly};
    EnumWindows(FindByTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK PrintWindow(HWND hwnd, LPARAM)
{
    wchar_t title[512] = {};
    wchar_t kind[256] = {};
    GetWindowTextW(hwnd, title, 512);
    GetClassNameW(hwnd, kind, 256);
    std::printf("%d\t%s\t%s\n", IsWindowVisible(hwnd) ? 1 : 0, Narrow(title).c_str(), Narrow(kind).c_str());
    return TRUE;
}

unsigned long long Number(const char* text)
{
    return std::strtoull(text, nullptr, 0);
}

int Usage()
{
    std::fprintf(stderr, "usage: ampora_send_message send|post <title> <message> <wParam> | windows | "
                         "wait <title> <seconds>\n");
    return 64;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    const std::string verb = argv[1];
    if (verb == "windows") {
        EnumWindows(PrintWindow, 0);
        return 0;
    }
    if (verb == "wait" && argc == 4) {
        const unsigned long long tenths = Number(argv[3]) * 10;
        for (unsigned long long i = 0; i <= tenths; ++i) {
            if (FindTopLevel(argv[2], true))
                return 0;
            Sleep(100);
        }
        return 1;
    }
    if ((verb == "send" || verb == "post") && argc == 5) {
        HWND hwnd = FindTopLevel(argv[2], false);
        if (!hwnd) {
            std::fprintf(stderr, "no window titled %s\n", argv[2]);
            return 2;
        }
        const UINT message = static_cast<UINT>(Number(argv[3]));
        const WPARAM wParam = static_cast<WPARAM>(Number(argv[4]));
        if (verb == "post")
            return PostMessageW(hwnd, message, wParam, 0) ? 0 : 1;
        // A time-out, so a handler waiting for the user (a message box) does not hang the tool.
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutW(hwnd, message, wParam, 0, SMTO_NORMAL, 3000, &result)) {
            std::printf("no answer yet\n");
            return 0;
        }
        std::printf("%llu\n", static_cast<unsigned long long>(result));
        return 0;
    }
    return Usage();
}
