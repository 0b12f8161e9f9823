#include "graph/GraphGeometry.h"

#include "resources/StringTable.h"

namespace ampora {

std::vector<PercentLine> PercentGrid(int width, int height)
{
    std::vector<PercentLine> lines;
    if (width <= 0 || height <= 0)
        return lines;
    const int step = height / 10;
    for (int k = 1; k <= 10; ++k)
        lines.push_back({height - k * step, QString::asprintf("%d%%", 10 * k)});
    return lines;
}

std::vector<TimeLine> TimeGrid(int width, int height, uint32_t timeRange, const SampleSeries* series)
{
    std::vector<TimeLine> lines;
    const uint32_t tenth = timeRange / 10;
    if (!series || width <= 0 || height <= 0 || tenth == 0)
        return lines;
    for (const Sample& s : *series) {
        const auto t = static_cast<uint32_t>(s.tick);
        if (t == 0 || t % tenth != 0)
            continue;
        if (!lines.empty() && lines.back().tick == t)
            continue; // two samples of one tick draw the same line
        const auto x0 = static_cast<int>(t * static_cast<uint32_t>(width) / timeRange);
        lines.push_back({t, x0 + 1, x0 + 3, ElapsedText(t)});
    }
    return lines;
}

namespace {

// Within a run of points that share one column, the segments between them cover exactly the
// column's span from the lowest to the highest point: keep the first, the extremes and the
// last, so a series of a million samples at one tick draws the same pixels at once.
std::vector<CurvePoint> CollapseColumns(const std::vector<CurvePoint>& points)
{
    std::vector<CurvePoint> out;
    out.reserve(points.size());
    std::size_t i = 0;
    while (i < points.size()) {
        std::size_t j = i;
        CurvePoint low = points[i], high = points[i];
        while (j + 1 < points.size() && points[j + 1].x == points[i].x) {
            ++j;
            if (points[j].y < low.y) low = points[j];
            if (points[j].y > high.y) high = points[j];
        }
        for (const CurvePoint& p : {points[i], low, high, points[j]})
            if (out.empty() || !(out.back() == p))
                out.push_back(p);
        i = j + 1;
    }
    return out;
}

} // namespace

std::vector<CurvePoint> CurvePoints(int width, int height, uint32_t valueMax, uint32_t timeRange,
                                    int32_t shift, bool ntPlatform, const SampleSeries* series)
{
    std::vector<CurvePoint> points;
    if (!series || series->Empty() || width <= 0 || height <= 0 || valueMax == 0 || timeRange == 0)
        return points;
    const auto plotH = static_cast<uint32_t>((height / 10) * 10);
    const int32_t base = shift + (ntPlatform ? 1 : 2);
    const auto w = static_cast<uint32_t>(width);
    bool first = true;
    for (const Sample& s : *series) {
        const uint32_t v = static_cast<uint32_t>(s.batteryLifePercent);
        const auto y = static_cast<int32_t>(static_cast<uint32_t>(height) - v * plotH / valueMax);
        int32_t x = base;
        bool last = false;
        if (!first) {
            x = static_cast<int32_t>(static_cast<uint32_t>(s.tick) * w / timeRange) + base;
            if (x >= width) {
                x = width - 2;
                last = true;
            }
        }
        first = false;
        const CurvePoint p{x, y};
        if (points.empty() || !(points.back() == p))
            points.push_back(p);
        if (last)
            break;
    }
    return CollapseColumns(points);
}

QString ElapsedText(uint64_t e)
{
    const uint64_t hours = e / 3600 - (e / 86400) * 24;
    const uint64_t minutes = e / 60 - (e / 3600) * 60;
    const uint64_t seconds = e - (e / 60) * 60;
    return QString::asprintf("%.2d:%.2d:%.2d", int(hours), int(minutes), int(seconds));
}

std::vector<StatusText> StatusBlock(int width, int cy, bool running, int64_t elapsed, uint32_t sampleCount)
{
    const int labelX = width - 100;
    const int valueX = width - 40;
    return {
        {labelX, cy, LoadQString(148)},
        {labelX, 2 * cy, LoadQString(195)},
        {labelX, 3 * cy, LoadQString(196)},
        {valueX, cy, LoadQString(running ? 197 : 198)},
        {valueX, 2 * cy, ElapsedText(static_cast<uint64_t>(elapsed))},
        {valueX, 3 * cy, QString::asprintf("%d", static_cast<int>(sampleCount))},
    };
}

uint32_t SampleCounterAfter(uint32_t previous, uint32_t seconds)
{
    return seconds % 10 == 0 ? seconds / 10 : previous;
}

} // namespace ampora
