#include "monitor/TextFormat.h"

namespace ampora {

QString DurationText(uint64_t seconds)
{
    const int hours = static_cast<int>(seconds / 3600 % 24);
    const int minutes = static_cast<int>(seconds / 60 % 60);
    const int secs = static_cast<int>(seconds % 60);
    return QString::asprintf("%.2d:%.2d:%.2d", hours, minutes, secs);
}

} // namespace ampora
