// The graph's real pixels, painted on the offscreen platform.
#include "graph/CGraphControl.h"
#include "graph/GraphGeometry.h"

#include <QImage>
#include <QPaintEvent>
#include <QTest>
#include <QPainter>
#include <QPalette>
#include <QRegion>
#include <QScreen>
#include <QTranslator>

#include <random>
#include <string>

#include <gtest/gtest.h>

namespace ampora {
namespace {

const QRgb kBackground = qRgb(35, 238, 254);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kBlue = qRgb(0, 0, 255);

Sample At(int tick, int percent)
{
    Sample s;
    s.tick = tick;
    s.batteryLifePercent = percent;
    return s;
}

// A straight line from 100 % at 0 to 40 % at the end of a 900-second run.
SampleSeries Line(int endPercent = 40)
{
    SampleSeries s;
    for (int t = 0; t <= 900; t += 10)
        s.Append(At(t, 100 - (100 - endPercent) * t / 900));
    return s;
}

bool ColumnHas(const QImage& img, int x, int y0, int y1, QRgb colour)
{
    for (int y = std::max(0, y0); y <= std::min(img.height() - 1, y1); ++y)
        if (img.pixel(x, y) == colour)
            return true;
    return false;
}

class GraphRender : public ::testing::Test {
protected:
    static constexpr int W = 600, H = 480 - kGraphBottomBand;
    CGraphControl graph;
};

TEST_F(GraphRender, EmptyGraphHasBackgroundFrameAndDottedGrid)
{
    const QImage img = graph.Render(W, H);
    ASSERT_EQ(img.size(), QSize(W, H));
    EXPECT_EQ(img.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(W - 1, H - 1), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(W / 2, H - 1), qRgb(0, 0, 0)); // (the 100 % line covers the top edge here)
    EXPECT_EQ(img.pixel(W / 2, H / 2 + 3), kBackground);
    // The 50 % line: three red pixels, three of background (the gaps are opaque), from x = 1
    // up to x = W - 2.
    const int y = H - 5 * (H / 10);
    for (int x = 1; x < W - 1; ++x)
        ASSERT_EQ(img.pixel(x, y), (x - 1) % 6 < 3 ? kRed : kBackground) << "x " << x;
    EXPECT_EQ(img.pixel(W - 1, y), qRgb(0, 0, 0)); // the frame, not the line
    // No curve and no time line on an empty graph.
    for (int x = 0; x < W; ++x)
        ASSERT_FALSE(ColumnHas(img, x, 0, H - 1, kYellow));
}

TEST_F(GraphRender, StatusBlockIsDrawnInTheUpperRightCorner)
{
    const QImage img = graph.Render(W, H);
    int dark = 0;
    for (int x = W - 100; x < W - 2; ++x)
        for (int y = 5; y < 60; ++y)
            dark += qGray(img.pixel(x, y)) < 80;
    EXPECT_GT(dark, 30);
}

TEST_F(GraphRender, YellowCurveAndBlueComparedCurveOverIt)
{
    const SampleSeries run = Line(40);
    graph.SetSeries(&run);
    QImage img = graph.Render(W, H);
    const CurvePoint mid{301, 138}; // 70 % at 450 s: x = 450 * 600 / 900 + 1, y = 460 - 322
    EXPECT_TRUE(ColumnHas(img, mid.x, mid.y - 1, mid.y + 1, kYellow));
    // A vertical time line at the first tenth.
    EXPECT_TRUE(ColumnHas(img, 90 * W / 900 + 1, H / 2 - 20, H / 2 + 20, kRed));

    const SampleSeries same = Line(40);
    graph.SetCompareSeries(&same);
    img = graph.Render(W, H);
    EXPECT_TRUE(ColumnHas(img, mid.x, mid.y - 1, mid.y + 1, kBlue)); // drawn over the yellow one
    EXPECT_FALSE(ColumnHas(img, mid.x, mid.y - 1, mid.y + 1, kYellow));

    graph.ShiftCompare(5);
    img = graph.Render(W, H);
    EXPECT_TRUE(ColumnHas(img, mid.x, mid.y - 1, mid.y + 1, kYellow));
    EXPECT_TRUE(ColumnHas(img, mid.x + 5, mid.y - 1, mid.y + 1, kBlue)); // five pixels right
    graph.ResetCompareShift();
    EXPECT_EQ(graph.CompareShift(), 0);
}

TEST_F(GraphRender, CurveIsTwoPixelsHighAndLeavesOutItsEndPoint)
{
    SampleSeries flat; // from (1, 230) to (301, 230)
    flat.Append(At(0, 50));
    flat.Append(At(450, 50));
    graph.SetSeries(&flat);
    const QImage img = graph.Render(W, H);
    const int y = H - 50 * (H / 10 * 10) / 100;
    for (int x : {1, 150, 300}) {
        EXPECT_EQ(img.pixel(x, y - 1), kYellow) << "x " << x;
        EXPECT_EQ(img.pixel(x, y), kYellow) << "x " << x;
        EXPECT_NE(img.pixel(x, y - 2), kYellow) << "x " << x;
        EXPECT_NE(img.pixel(x, y + 1), kYellow) << "x " << x;
    }
    EXPECT_NE(img.pixel(301, y), kYellow); // the end point
    EXPECT_EQ(img.pixel(0, y), qRgb(0, 0, 0));
}

TEST_F(GraphRender, StartsWithSafeLimitsAndCountsSamplesOnTens)
{
    EXPECT_EQ(graph.ValueMax(), 100u);
    EXPECT_EQ(graph.TimeRange(), 900u);
    graph.SetElapsed(20);
    graph.SetElapsed(25);
    EXPECT_EQ(graph.SampleCount(), 2u);
    EXPECT_EQ(graph.Elapsed(), 25);
    graph.SetElapsed(30);
    EXPECT_EQ(graph.SampleCount(), 3u);
}

TEST_F(GraphRender, TinyAreasDrawNothingAndDoNotCrash)
{
    const SampleSeries run = Line();
    graph.SetSeries(&run);
    EXPECT_TRUE(graph.Render(W, 0).isNull());
    EXPECT_TRUE(graph.Render(0, 10).isNull());
    graph.resize(100, 15);
    EXPECT_FALSE(graph.grab().isNull());
    EXPECT_FALSE(graph.Render(3, 3).isNull());
}

TEST_F(GraphRender, WidgetShowsTheSamePicture)
{
    const SampleSeries run = Line();
    graph.SetSeries(&run);
    graph.resize(W, H + kGraphBottomBand);
    const QImage shown = graph.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage drawn = graph.Render(W, H);
    EXPECT_EQ(shown.copy(0, 0, W, H), drawn);
}

TEST_F(GraphRender, BottomBandShowsTheParent)
{
    QWidget parent;
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::magenta);
    parent.setPalette(palette);
    parent.setAutoFillBackground(true);
    parent.resize(W + 40, H + kGraphBottomBand + 40);
    const SampleSeries run = Line();
    CGraphControl child(&parent);
    child.SetSeries(&run);
    child.setGeometry(20, 20, W, H + kGraphBottomBand);
    const QImage img = parent.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(img.pixel(20, 20), qRgb(0, 0, 0));               // the frame's corner
    EXPECT_EQ(img.pixel(20 + W - 1, 20 + H - 1), qRgb(0, 0, 0)); // its last pixel
    for (int y = 20 + H; y < 20 + H + kGraphBottomBand; ++y)
        ASSERT_EQ(img.pixel(20 + W / 2, y), qRgb(255, 0, 255)) << "row " << y;

    child.resize(W, kGraphBottomBand); // no drawing area: the parent shows everywhere
    const QImage none = parent.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(none.pixel(20, 20), qRgb(255, 0, 255));
}

// Dropping the points of a column run that CollapseColumns drops must not change one pixel:
// random polylines with long runs in few columns, repeats and points far outside the area.
TEST(CurvePixels, CollapsedColumnsDrawTheSamePixels)
{
    std::mt19937 random(20261209);
    auto draw = [](const std::vector<CurvePoint>& points) {
        QImage img(48, 64, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        DrawCurvePolyline(p, points, Qt::black);
        return img;
    };
    for (int round = 0; round < 2000; ++round) {
        std::vector<CurvePoint> points;
        int x = static_cast<int>(random() % 6);
        const int count = 3 + static_cast<int>(random() % 30);
        for (int i = 0; i < count; ++i) {
            if (random() % 4 == 0)
                x += static_cast<int>(random() % 5);
            int y = static_cast<int>(random() % 70) - 3;
            if (random() % 50 == 0)
                y = random() % 2 ? -100000 : 100000;
            points.push_back({x, y});
        }
        const std::vector<CurvePoint> collapsed = CollapseColumns(points);
        ASSERT_LE(collapsed.size(), points.size());
        if (draw(collapsed) != draw(points)) {
            std::string text;
            for (const CurvePoint& c : points)
                text += " (" + std::to_string(c.x) + "," + std::to_string(c.y) + ")";
            FAIL() << "round " << round << ":" << text;
        }
    }
}

// With AMPORA_DOCS_DIR set, writes the picture of a run with a compared run for the README.
TEST_F(GraphRender, DocumentationPicture)
{
    const QByteArray dir = qgetenv("AMPORA_DOCS_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "AMPORA_DOCS_DIR not set";
    SampleSeries run, saved;
    for (int t = 0; t <= 1200; t += 10)
        run.Append(At(t, 97 - t / 40 - (t / 300) % 2));
    for (int t = 0; t <= 1800; t += 10)
        saved.Append(At(t, 99 - t / 28));
    QWidget window; // the band below the area shows the window, as in the program
    window.setAutoFillBackground(true);
    window.resize(W, H + kGraphBottomBand);
    CGraphControl shown(&window);
    shown.setGeometry(0, 0, W, H + kGraphBottomBand);
    shown.SetTimeRange(1800);
    shown.SetSeries(&run);
    shown.SetCompareSeries(&saved);
    shown.ShiftCompare(4);
    shown.SetRunState(true);
    shown.SetElapsed(1200);
    EXPECT_TRUE(window.grab().save(QString::fromLocal8Bit(dir) + "/graph.png"));
}

// Records the regions the graph is asked to paint.
class PaintRecorder : public QObject {
public:
    std::vector<QRegion> regions;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            regions.push_back(static_cast<QPaintEvent*>(e)->region());
        return false;
    }
};

// A shown graph on a window of its own, with the paint regions recorded.
class GraphRedraw : public ::testing::Test {
protected:
    QWidget window;
    CGraphControl graph{&window};
    PaintRecorder recorder;
    SampleSeries run;

    void Show(int w, int h)
    {
        window.resize(w + 20, h + 20);
        graph.setGeometry(0, 0, w, h);
        graph.SetSeries(&run);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        graph.installEventFilter(&recorder);
    }
    QRect Whole() const { return QRect(0, 0, graph.width(), graph.height() - kGraphBottomBand); }
    QRect Block() const { return graph.StatusRect() & Whole(); }
    // What the window's backing store holds where the graph draws: the screen, unlike grab(),
    // which paints the widget anew.
    QImage Screen() const
    {
        return window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32).copy(Whole());
    }
    // Redraws and checks that the screen holds the whole picture of the moment; returns the
    // region painted.
    QRegion RedrawAndCompare()
    {
        recorder.regions.clear();
        graph.Redraw();
        const QImage whole = graph.Render(graph.width(), graph.height() - kGraphBottomBand);
        EXPECT_EQ(graph.Picture(), whole);
        EXPECT_EQ(Screen(), whole);
        QRegion painted;
        for (const QRegion& r : recorder.regions)
            painted += r;
        return painted;
    }
};

TEST_F(GraphRedraw, OnlyTheStatusBlockWhenNothingElseChanged)
{
    run.Append(At(0, 100));
    Show(600, 480);
    // Changed pixels of the block alone, for a new second no more than the digits.
    const auto inBlock = [this](const QRegion& painted) { return !painted.isEmpty() && (painted - Block()).isEmpty(); };
    graph.SetElapsed(1);
    const QRegion second = RedrawAndCompare();
    EXPECT_TRUE(inBlock(second));
    EXPECT_LE(second.boundingRect().width() * second.boundingRect().height(), Block().width() * Block().height() / 4);
    graph.SetRunState(true);
    EXPECT_TRUE(inBlock(RedrawAndCompare()));
    run.Append(At(10, 99)); // a sample: the curve changes, the rest stays
    graph.SetElapsed(10);
    const QRegion sample = RedrawAndCompare();
    EXPECT_FALSE(sample.isEmpty());
    EXPECT_FALSE(sample.contains(QRect(300, 200, 1, 1)));
    graph.SetElapsed(11);
    EXPECT_TRUE(inBlock(RedrawAndCompare()));
    graph.ShiftCompare(1); // no compared curve: nothing to send
    EXPECT_TRUE(RedrawAndCompare().isEmpty());
    graph.ShiftCompare(0); // no change at all
    EXPECT_TRUE(RedrawAndCompare().isEmpty());
    graph.SetTimeRange(1800);
    EXPECT_FALSE(RedrawAndCompare().isEmpty());
    graph.SetValueMax(50);
    EXPECT_FALSE(RedrawAndCompare().isEmpty());
    graph.resize(500, 400);
    EXPECT_EQ(RedrawAndCompare(), QRegion(Whole()));
    for (QEvent::Type change : {QEvent::LanguageChange, QEvent::FontChange,
                                QEvent::ApplicationFontChange, QEvent::PaletteChange}) {
        QEvent event(change);
        QCoreApplication::sendEvent(&graph, &event);
        EXPECT_EQ(RedrawAndCompare(), QRegion()) << change; // the same pixels again
    }
}

// A whole run, tick by tick: after each sample only what changed goes to the screen, and the
// screen always holds the whole picture of the moment.
TEST_F(GraphRedraw, SamplesSendOnlyTheChangedPixels)
{
    SampleSeries saved = Line(60);
    graph.SetCompareSeries(&saved);
    run.Append(At(0, 100));
    Show(600, 480);
    graph.SetRunState(true);
    int largest = 0;
    for (uint32_t t = 1; t <= 900; ++t) {
        graph.SetElapsed(t);
        if (t % 10 == 0)
            run.Append(At(t, 100 - t / 15));
        const QRegion painted = RedrawAndCompare();
        if (t % 10 == 0 && t % 90 != 0) {
            int area = 0;
            for (const QRect& r : painted)
                area += r.width() * r.height();
            largest = std::max(largest, area);
        }
        if (HasFailure())
            FAIL() << "tick " << t;
    }
    EXPECT_LT(largest, Whole().width() * Whole().height() / 8);
}

// An expose of a part of the graph after a change the owner has not redrawn yet: the next
// redraw must not rely on the rest of the screen.
TEST_F(GraphRedraw, PartialExposeAfterAChangeLeavesNoStalePixels)
{
    run = Line(40);
    Show(600, 480);
    graph.Redraw();
    graph.SetValueMax(80);
    graph.repaint(QRect(0, 0, 40, 40)); // as an expose of the corner would
    RedrawAndCompare();
}

// Another language gives the status block other labels: the next redraw shows them, and
// the first one back in English the English ones.
TEST_F(GraphRedraw, AnotherLanguageRedrawsTheLabels)
{
    run = Line(40);
    Show(600, 480);
    RedrawAndCompare();
    const QImage english = Screen().copy(Block());
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral(AMPORA_BUILD_DIR "/translations/de/TransBat.lng")));
    QCoreApplication::installTranslator(&german);
    QCoreApplication::processEvents(); // the language change reaches the widgets
    RedrawAndCompare();
    EXPECT_NE(Screen().copy(Block()), english);
    QCoreApplication::removeTranslator(&german);
    QCoreApplication::processEvents();
    RedrawAndCompare();
    EXPECT_EQ(Screen().copy(Block()), english);
}

// View data of a second file with as many samples and the same last sample as the one on
// screen: the curve between them differs and must be drawn.
TEST_F(GraphRedraw, ASeriesWithTheSameSizeAndLastSampleIsDrawnAgain)
{
    run = Line(40);
    Show(600, 480);
    graph.Redraw();
    SampleSeries second;
    for (const Sample& s : run)
        second.Append(At(s.tick, s.tick == 900 ? s.batteryLifePercent : 20));
    ASSERT_EQ(second.Size(), run.Size());
    run.Swap(second); // what View data does with the file's samples
    EXPECT_FALSE((RedrawAndCompare() - Block()).isEmpty());
    // A series filled again with other samples in place, to the same size and last sample.
    SampleSeries third;
    for (const Sample& s : second)
        third.Append(s);
    run.Clear();
    for (const Sample& s : third)
        run.Append(s);
    EXPECT_FALSE((RedrawAndCompare() - Block()).isEmpty());
    // The compared series in the same way.
    SampleSeries saved = Line(60);
    graph.SetCompareSeries(&saved);
    EXPECT_FALSE((RedrawAndCompare() - Block()).isEmpty());
    saved = Line(50);
    EXPECT_FALSE((RedrawAndCompare() - Block()).isEmpty());
}

// Every state the block can show, with a time line, the curve and the compared curve crossing
// it, on a large, a narrow and a low graph: a redraw of the block alone leaves on screen the
// pixels of a whole redraw.
TEST_F(GraphRedraw, BlockAloneGivesThePixelsOfAWholeRedraw)
{
    SampleSeries saved;
    for (int t = 0; t <= 900; t += 10)
        saved.Append(At(t, 40 + t / 15)); // rises through the block's corner
    for (const QSize size : {QSize(600, 480), QSize(90, 80), QSize(160, 45)}) {
        SCOPED_TRACE(size.width());
        run = Line(40); // its line at tick 810 crosses the block
        graph.SetCompareSeries(&saved);
        Show(size.width(), size.height());
        int blockOnly = 0;
        for (bool running : {true, false}) {
            graph.SetRunState(running);
            for (uint32_t t : {0u, 1u, 9u, 10u, 59u, 60u, 599u, 3599u, 3600u, 86399u, 86400u + 3661u, 99999u}) {
                graph.SetElapsed(t);
                blockOnly += (RedrawAndCompare() - Block()).isEmpty();
            }
        }
        EXPECT_EQ(blockOnly, 24);
    }
}

} // namespace
} // namespace ampora
