#pragma once
// Everything the graph draws, computed without a window: grid lines and their labels, the
// curve points, the status block. Coordinates are pixels of the drawing area (the widget less
// its lowest 20 rows), origin at the top left. Integer arithmetic as the picture demands it:
// products and quotients of ticks and values are unsigned 32-bit.
#include "monitor/Sample.h"
#include "monitor/TextFormat.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace ampora {

inline constexpr int kGraphBottomBand = 20; // rows at the bottom that are never drawn

// One horizontal line of the percentage grid: drawn from (1, y) to (W - 1, y), end excluded,
// with its label ("10%" ... "100%") whose top left corner stands at (7, y + 1).
struct PercentLine {
    int y;
    QString label;
};
std::vector<PercentLine> PercentGrid(int width, int height);

// One vertical line of the time grid: drawn at x from y 1 to H - 1 (end excluded); its label
// (the tick as hh:mm:ss) reads upward in the box [labelLeft, labelLeft + text height] whose
// bottom is 4 pixels above the area's bottom edge.
struct TimeLine {
    uint32_t tick;
    int x;
    int labelLeft;
    QString label;
};
// Lines only at tenths of the range where the series holds a sample taken at exactly that
// tick; a null series or an empty range gives none. Repeated ticks give one line.
std::vector<TimeLine> TimeGrid(int width, int height, uint32_t timeRange, const SampleSeries* series);

struct CurvePoint {
    int x;
    int y;
    bool operator==(const CurvePoint&) const = default;
};
// The polyline of one series: the first sample only places the pen at x = base; every later
// one at x = tick * W / range + base, with base = shift + 1 on the NT family and shift + 2
// elsewhere. A point at x >= W is moved to W - 2 and ends the curve, so no later sample is
// read. The points come through CollapseColumns. Null series, zero range or zero maximum: none.
std::vector<CurvePoint> CurvePoints(int width, int height, uint32_t valueMax, uint32_t timeRange,
                                    int32_t shift, bool ntPlatform, const SampleSeries* series);

// The same polyline with fewer points and exactly the same pixels under the curve pen (2 pixels,
// flat caps, round joins): repeated points are dropped, and of a run of points in one column only
// the first two, the last two and the first inner point at each extreme remain. A damaged file
// of a million samples at a few ticks thus draws at most six points a column.
std::vector<CurvePoint> CollapseColumns(const std::vector<CurvePoint>& points);


// The columns of the status block in the upper right corner: labels at W - 100 and values at
// W - 40 as long as they fit. labelWidth and valueWidth are the advances of the widest label and
// the widest value in the block's font; where the widest value would reach the graph's right
// frame, the values move left until it ends two pixels inside it, and where the widest label
// would run into the values, the labels move left until it ends kStatusGap pixels before them.
struct StatusColumns {
    int label;
    int value;
    bool operator==(const StatusColumns&) const = default;
};
constexpr int kStatusGap = 4;
StatusColumns StatusBlockColumns(int width, int labelWidth, int valueWidth);

// The status block's texts; textHeight is the height of "Status:".
struct StatusText {
    int x;
    int y;
    QString text;
};
std::vector<StatusText> StatusBlock(StatusColumns columns, int textHeight, bool running, int64_t elapsed,
                                    uint32_t sampleCount);

// The sample counter after SetElapsed(seconds): seconds / 10 on a multiple of ten, else unchanged.
uint32_t SampleCounterAfter(uint32_t previous, uint32_t seconds);

} // namespace ampora
