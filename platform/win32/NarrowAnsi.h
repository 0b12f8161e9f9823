#pragma once
// UTF-16 and the ANSI code page, both ways: WideCharToMultiByte with CP_ACP and
// WC_COMPOSITECHECK, MultiByteToWideChar with CP_ACP. The result is cut at a NUL.
#include <string>
#include <string_view>

namespace ampora {

std::string UnitsToAnsi(std::u16string_view units);
std::u16string AnsiToUnits(std::string_view text);

} // namespace ampora
