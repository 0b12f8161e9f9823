#pragma once
// printf-style formatting into a std::string, for the fixed number formats of the texts,
// and the one "hh:mm:ss" of Ampora (panel, log, graph, Battery info, ampora-cli).
#include <QString>

#include <cstdint>
#include <string>

namespace ampora {

std::string FormatText(const char* format, ...);

// "hh:mm:ss" of the time within the day: whole days are dropped (25 h gives "01:00:00").
QString DurationText(uint64_t seconds);

} // namespace ampora
