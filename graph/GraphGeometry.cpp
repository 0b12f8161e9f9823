#include "graph/GraphGeometry.h"

#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <cstdint>

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
        lines.push_back({t, x0 + 1, x0 + 3, DurationText(t)});
    }
    return lines;
}

namespace {

// Collapses each run of consecutive points in one pixel column while the polyline, drawn with
// the curve pen (2 pixels, flat caps, round joins), keeps exactly its pixels. The segments of a
// run cover the column from its highest to its lowest point; beyond that span only the joins
// reach out: the first and last points' joins with the neighbouring columns (kept together
// with the second and the second-to-last point, which fix their directions) and the caps where
// the run turns at its extremes (kept as the first inner point at each extreme).
class ColumnCollapser {
public:
    explicit ColumnCollapser(std::vector<CurvePoint>& out) : m_out(out) {}

    void Add(const CurvePoint& p)
    {
        if (m_count > 0 && p == m_last.point)
            return; // a repeated point adds no pixel
        if (m_count > 0 && p.x != m_first.point.x)
            Flush();
        const Indexed next{m_count, p};
        if (m_count == 0)
            m_first = next;
        else if (m_count == 1)
            m_second = next;
        if (m_count >= 2) { // the previous last point is now an inner one
            if (m_count == 2 || m_last.point.y < m_high.point.y)
                m_high = m_last;
            if (m_count == 2 || m_last.point.y > m_low.point.y)
                m_low = m_last;
        }
        m_beforeLast = m_last;
        m_last = next;
        ++m_count;
    }

    void Flush()
    {
        if (m_count == 0)
            return;
        Indexed kept[6] = {m_first, m_second, m_high, m_low, m_beforeLast, m_last};
        const std::size_t n = m_count < 3 ? m_count : 6;
        if (m_count < 3)
            kept[1] = m_last;
        std::sort(kept, kept + n, [](const Indexed& a, const Indexed& b) { return a.index < b.index; });
        std::size_t done = SIZE_MAX;
        for (std::size_t k = 0; k < n; ++k) {
            if (kept[k].index == done)
                continue;
            done = kept[k].index;
            m_out.push_back(kept[k].point);
        }
        m_count = 0;
    }

private:
    struct Indexed {
        std::size_t index = 0;
        CurvePoint point{0, 0};
    };
    std::vector<CurvePoint>& m_out;
    std::size_t m_count = 0; // points in the current run
    Indexed m_first, m_second, m_high, m_low, m_beforeLast, m_last;
};

} // namespace

std::vector<CurvePoint> CollapseColumns(const std::vector<CurvePoint>& points)
{
    std::vector<CurvePoint> out;
    ColumnCollapser collapser(out);
    for (const CurvePoint& p : points)
        collapser.Add(p);
    collapser.Flush();
    return out;
}

std::vector<CurvePoint> CurvePoints(int width, int height, uint32_t valueMax, uint32_t timeRange,
                                    int32_t shift, bool ntPlatform, const SampleSeries* series)
{
    std::vector<CurvePoint> points;
    if (!series || series->Empty() || width <= 0 || height <= 0 || valueMax == 0 || timeRange == 0)
        return points;
    const auto plotH = static_cast<uint32_t>((height / 10) * 10);
    // 32-bit sums that wrap, as the unsigned quotient plus the signed base do; never undefined.
    const uint32_t base = static_cast<uint32_t>(shift) + (ntPlatform ? 1u : 2u);
    const auto w = static_cast<uint32_t>(width);
    ColumnCollapser collapser(points);
    bool first = true;
    for (const Sample& s : *series) {
        const uint32_t v = static_cast<uint32_t>(s.batteryLifePercent);
        const auto y = static_cast<int32_t>(static_cast<uint32_t>(height) - v * plotH / valueMax);
        auto x = static_cast<int32_t>(base);
        bool last = false;
        if (!first) {
            x = static_cast<int32_t>(static_cast<uint32_t>(s.tick) * w / timeRange + base);
            if (x >= width) {
                x = width - 2;
                last = true;
            }
        }
        first = false;
        collapser.Add({x, y});
        if (last)
            break;
    }
    collapser.Flush();
    return points;
}

StatusColumns StatusBlockColumns(int width, int labelWidth, int valueWidth)
{
    // The frame is column W - 1; the value's advance ends before column W - 2.
    const int value = std::min(width - 40, width - 2 - valueWidth);
    return {std::min(width - 100, value - kStatusGap - labelWidth), value};
}

std::vector<StatusText> StatusBlock(StatusColumns columns, int cy, bool running, int64_t elapsed, uint32_t sampleCount)
{
    const int labelX = columns.label;
    const int valueX = columns.value;
    return {
        {labelX, cy, LoadQString(IDS_STATUS_LABEL)},
        {labelX, 2 * cy, LoadQString(IDS_GRAPH_TIME)},
        {labelX, 3 * cy, LoadQString(IDS_GRAPH_SAMPLE)},
        {valueX, cy, LoadQString(running ? IDS_RUNNING : IDS_STOPPED)},
        {valueX, 2 * cy, DurationText(static_cast<uint64_t>(elapsed))},
        {valueX, 3 * cy, QString::asprintf("%d", static_cast<int>(sampleCount))},
    };
}

uint32_t SampleCounterAfter(uint32_t previous, uint32_t seconds)
{
    return seconds % 10 == 0 ? seconds / 10 : previous;
}

} // namespace ampora
