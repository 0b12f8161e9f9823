#pragma once
// The one "hh:mm:ss" of Ampora (panel, log, graph, Battery info, ampora-cli).
#include <QString>

#include <cstdint>

namespace ampora {

// "hh:mm:ss" of the time within the day: whole days are dropped (25 h gives "01:00:00").
QString DurationText(uint64_t seconds);

} // namespace ampora
