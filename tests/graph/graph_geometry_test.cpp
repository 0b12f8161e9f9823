// The graph's geometry and texts, computed without a window.
#include "graph/GraphGeometry.h"

#include <gtest/gtest.h>

namespace ampora {
namespace {

SampleSeries RunTo(uint32_t lastTick, int startPercent = 100, int step = 10)
{
    SampleSeries s;
    int percent = startPercent;
    for (uint32_t t = 0; t <= lastTick; t += step) {
        Sample x;
        x.tick = static_cast<int32_t>(t);
        x.batteryLifePercent = percent;
        s.Append(x);
        if (percent > 0 && t % 60 == 0)
            --percent;
    }
    return s;
}

Sample At(int tick, int percent)
{
    Sample s;
    s.tick = tick;
    s.batteryLifePercent = percent;
    return s;
}

TEST(PercentGrid, TenLinesFromTheBottomWithLabels)
{
    const auto lines = PercentGrid(600, 465);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0].y, 465 - 46);
    EXPECT_EQ(lines[0].label, "10%");
    EXPECT_EQ(lines[9].y, 465 % 10); // the 100% line lies H mod 10 below the top
    EXPECT_EQ(lines[9].label, "100%");
    EXPECT_TRUE(PercentGrid(600, 0).empty());
}

TEST(TimeGrid, LinesAtTenthsWhereTheRunHasASample)
{
    const SampleSeries run = RunTo(900);
    const auto lines = TimeGrid(600, 460, 900, &run);
    ASSERT_EQ(lines.size(), 10u); // 90 ... 900; the last lies outside the area
    EXPECT_EQ(lines[0].tick, 90u);
    EXPECT_EQ(lines[0].x, 90 * 600 / 900 + 1);
    EXPECT_EQ(lines[0].labelLeft, 90 * 600 / 900 + 3);
    EXPECT_EQ(lines[0].label, "00:01:30");
    EXPECT_EQ(lines[8].label, "00:13:30");
    EXPECT_EQ(lines[9].x, 600 + 1);

    const SampleSeries partial = RunTo(200);
    EXPECT_EQ(TimeGrid(600, 460, 900, &partial).size(), 2u); // the grid grows with the run
    SampleSeries offTicks;
    offTicks.Append(At(0, 100));
    offTicks.Append(At(95, 99));
    EXPECT_TRUE(TimeGrid(600, 460, 900, &offTicks).empty());
    EXPECT_TRUE(TimeGrid(600, 460, 900, nullptr).empty());
    EXPECT_TRUE(TimeGrid(600, 460, 9, &run).empty()); // a tenth of 0 seconds: no grid
}

TEST(Curve, PointsFollowTheUnsignedArithmetic)
{
    SampleSeries s;
    s.Append(At(500, 100)); // the first point stands at time 0 whatever its tick
    s.Append(At(450, 50));
    s.Append(At(900, 0));
    const auto pts = CurvePoints(600, 465, 100, 900, 0, true, &s);
    ASSERT_EQ(pts.size(), 3u);
    EXPECT_EQ(pts[0], (CurvePoint{1, 465 - 460}));
    EXPECT_EQ(pts[1], (CurvePoint{450 * 600 / 900 + 1, 465 - 230}));
    EXPECT_EQ(pts[2], (CurvePoint{598, 465})); // x >= W is moved to W - 2; value 0 at y = H
}

TEST(Curve, ClipEndsTheCurveAndShiftMovesIt)
{
    SampleSeries s;
    s.Append(At(0, 80));
    s.Append(At(890, 70));
    s.Append(At(1000, 60));
    s.Append(At(1100, 50));
    const auto pts = CurvePoints(600, 460, 100, 900, 0, true, &s);
    ASSERT_EQ(pts.size(), 3u);
    EXPECT_EQ(pts[2].x, 598);

    const auto shifted = CurvePoints(600, 460, 100, 900, -3, true, &s);
    EXPECT_EQ(shifted[0].x, -2); // the first point may lie left of the area
    EXPECT_EQ(shifted[1].x, pts[1].x - 3);
    const auto otherFamily = CurvePoints(600, 460, 100, 900, 0, false, &s);
    EXPECT_EQ(otherFamily[1].x, pts[1].x + 1);

    // A shift at the end of the 32-bit range wraps around as the 32-bit sums do.
    const auto wrapped = CurvePoints(600, 460, 100, 900, INT32_MAX, true, &s);
    EXPECT_EQ(wrapped[0].x, INT32_MIN);
    EXPECT_EQ(wrapped[1].x, INT32_MIN + 890 * 600 / 900);
}

TEST(Curve, ValuesAboveTheMaximumLieAboveTheTop)
{
    SampleSeries s;
    s.Append(At(0, 100));
    s.Append(At(10, 255));
    const auto pts = CurvePoints(600, 460, 100, 900, 0, true, &s);
    EXPECT_EQ(pts[1].y, 460 - 255 * 460 / 100);
    EXPECT_LT(pts[1].y, 0);
}

TEST(Curve, NothingToDrawAndRepeatedPoints)
{
    EXPECT_TRUE(CurvePoints(600, 460, 100, 900, 0, true, nullptr).empty());
    SampleSeries one;
    one.Append(At(0, 50));
    EXPECT_EQ(CurvePoints(600, 460, 100, 900, 0, true, &one).size(), 1u); // pen placed only
    SampleSeries same;
    for (int i = 0; i < 1000; ++i)
        same.Append(At(0, 50)); // a damaged file full of one sample
    EXPECT_EQ(CurvePoints(600, 460, 100, 900, 0, true, &same).size(), 1u);
    EXPECT_TRUE(CurvePoints(600, 460, 0, 900, 0, true, &same).empty());

    SampleSeries zigzag; // one column of alternating values from a damaged file
    zigzag.Append(At(0, 50));
    for (int i = 0; i < 1000; ++i)
        zigzag.Append(At(90, i % 2 ? 40 : 60 - i % 7));
    zigzag.Append(At(180, 30));
    auto y = [](int percent) { return 460 - percent * 460 / 100; };
    // Kept: the column's first two points, its first inner highest (i = 14), its last two.
    const std::vector<CurvePoint> expected = {
        {1, y(50)}, {61, y(60)}, {61, y(40)}, {61, y(60)}, {61, y(56)}, {61, y(40)}, {121, y(30)}};
    EXPECT_EQ(CurvePoints(600, 460, 100, 900, 0, true, &zigzag), expected);
    EXPECT_TRUE(CurvePoints(600, 0, 100, 900, 0, true, &same).empty());
}

TEST(StatusBlock, ColumnsMoveLeftOnlyAsFarAsTheWidestTextsNeed)
{
    struct Row {
        int width, labelWidth, valueWidth;
        StatusColumns expected;
    } rows[] = {
        {600, 50, 30, {500, 560}},  // both fit: W - 100 and W - 40
        {600, 56, 38, {500, 560}},  // exactly fit: value ends at W - 2, label kStatusGap before it
        {600, 50, 43, {500, 555}},  // "00:00:00" too wide: values end at W - 2, labels stay
        {600, 60, 43, {491, 555}},  // ... and labels follow where they would touch the values
        {600, 70, 30, {486, 560}},  // a long label moves only the labels
        {0, 50, 43, {-100, -45}},   // no room at all: off the area, in the same order
    };
    for (const Row& row : rows)
        EXPECT_EQ(StatusBlockColumns(row.width, row.labelWidth, row.valueWidth), row.expected)
            << row.width << " " << row.labelWidth << " " << row.valueWidth;
}

TEST(StatusBlock, TextsAndCounter)
{
    const auto block = StatusBlock({500, 560}, 14, true, 86400 + 3661, 7);
    ASSERT_EQ(block.size(), 6u);
    EXPECT_EQ(block[0].text, "Status:");
    EXPECT_EQ(block[0].x, 500);
    EXPECT_EQ(block[2].y, 42);
    EXPECT_EQ(block[3].text, "Running");
    EXPECT_EQ(block[3].x, 560);
    EXPECT_EQ(block[4].text, "01:01:01"); // whole days are dropped
    EXPECT_EQ(block[5].text, "7");
    EXPECT_EQ(StatusBlock({500, 560}, 14, false, 0, 0)[3].text, "Stoped");

    uint32_t counter = SampleCounterAfter(0, 20);
    EXPECT_EQ(counter, 2u);
    counter = SampleCounterAfter(counter, 25);
    EXPECT_EQ(counter, 2u);
    EXPECT_EQ(SampleCounterAfter(counter, 30), 3u);
}

} // namespace
} // namespace ampora
