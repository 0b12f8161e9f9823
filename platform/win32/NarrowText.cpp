// Narrow texts in the ANSI code page; no Qt here, so the console probe converts alike.
#include "platform/NarrowText.h"
#include "platform/win32/NarrowAnsi.h"
#include "platform/win32/Win32Api.h"

#include <cstring>
#include <vector>

namespace ampora {
namespace {

std::string ToAnsi(const wchar_t* units, int count)
{
    if (count <= 0)
        return {};
    const int length = WideCharToMultiByte(CP_ACP, WC_COMPOSITECHECK, units, count, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return {};
    std::vector<char> narrow(static_cast<size_t>(length) + 1, '\0');
    WideCharToMultiByte(CP_ACP, WC_COMPOSITECHECK, units, count, narrow.data(), length, nullptr, nullptr);
    // Up to the first NUL: the one the driver counts, and anything behind it, is dropped.
    return std::string(narrow.data());
}

} // namespace

std::string DriverTextToNarrow(const void* text, uint32_t byteCount)
{
    if (!text)
        return {};
    // Copied, so that a text at an odd address is read safely.
    std::vector<wchar_t> units(byteCount / 2);
    std::memcpy(units.data(), text, units.size() * sizeof(wchar_t));
    return ToAnsi(units.data(), static_cast<int>(units.size()));
}

std::string UnitsToAnsi(std::u16string_view units)
{
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    return ToAnsi(reinterpret_cast<const wchar_t*>(units.data()), static_cast<int>(units.size()));
}

std::u16string AnsiToUnits(std::string_view text)
{
    if (text.empty())
        return {};
    const int count = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), count, nullptr, 0);
    if (length <= 0)
        return {};
    std::u16string wide(static_cast<size_t>(length), u'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), count, reinterpret_cast<wchar_t*>(wide.data()), length);
    return wide;
}

} // namespace ampora
