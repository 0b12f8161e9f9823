#include "monitor/TextFormat.h"

#include <cstdarg>
#include <cstdio>

namespace ampora {

std::string FormatText(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text;
    if (length > 0) {
        text.resize(static_cast<std::size_t>(length));
        std::vsnprintf(text.data(), text.size() + 1, format, again);
    }
    va_end(again);
    return text;
}

QString DurationText(uint64_t seconds)
{
    const int hours = static_cast<int>(seconds / 3600 % 24);
    const int minutes = static_cast<int>(seconds / 60 % 60);
    const int secs = static_cast<int>(seconds % 60);
    return QString::asprintf("%.2d:%.2d:%.2d", hours, minutes, secs);
}

} // namespace ampora
