#pragma once
// printf-style formatting into a std::string, for the fixed number formats of the texts.
#include <string>

namespace ampora {

std::string FormatText(const char* format, ...);

} // namespace ampora
