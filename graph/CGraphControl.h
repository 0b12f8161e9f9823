#pragma once
// The graph window: battery life percentage of the current run against the seconds since
// Start, an optional compared run drawn over it, and a status block. The series are the
// owner's: the graph keeps pointers to them, never changes them and reads them when it draws.
// What it keeps itself is its settings and its pictures (LayeredPicture), drawn again only
// when the owner asks (Redraw, update) or the window system needs a paint.
#include "graph/GraphGeometry.h"
#include "graph/StaticTexts.h"
#include "monitor/Sample.h"
#include "ui/LayeredPicture.h"

#include <QFont>
#include <QImage>
#include <QRegion>
#include <QStaticText>
#include <QWidget>

#include <cstdint>
#include <vector>

class QPainter;

namespace ampora {

class CGraphControl : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kClassName = "GraphCtrl";

    explicit CGraphControl(QWidget* parent = nullptr);

    void SetTimeRange(uint32_t seconds) { Change(m_timeRange, seconds); }
    void SetValueMax(uint32_t max) { Change(m_valueMax, max); }
    void SetRunState(bool flag) { m_runState = flag; } // shown in the status block only
    // Also sets the sample counter to seconds / 10 when seconds is a multiple of ten.
    void SetElapsed(uint32_t seconds);
    void SetSeries(const SampleSeries* series) { Change(m_series, series); }
    void SetCompareSeries(const SampleSeries* series) { Change(m_compareSeries, series); }
    void ShiftCompare(int32_t delta) { Change(m_compareShift, m_compareShift + delta); }
    void ResetCompareShift() { Change(m_compareShift, 0); }

    uint32_t TimeRange() const { return m_timeRange; }
    uint32_t ValueMax() const { return m_valueMax; }
    bool RunState() const { return m_runState; }
    int64_t Elapsed() const { return m_elapsed; }
    uint32_t SampleCount() const { return m_sampleCount; }
    int32_t CompareShift() const { return m_compareShift; }
    const SampleSeries* Series() const { return m_series; }
    const SampleSeries* CompareSeries() const { return m_compareSeries; }

    // Draws the picture of a W x H drawing area; the widget copies it to the screen in one step.
    QImage Render(int width, int height) const;

    // Redraws at once what changed since the last redraw: only the status block when nothing
    // outside it can have changed (see PictureKey), which is the once-a-second redraw of a run;
    // otherwise the whole picture, of which only the pixels that differ from the one on screen
    // are sent there (a sample adds a few columns of curve).
    void Redraw();
    // What the last paint put on screen (tests).
    const QImage& Picture() const { return m_picture.Image(); }
    // The part of the widget the status block covers.
    QRect StatusRect() const;
    // Where the status block's labels and values stand on a drawing area `width` pixels wide.
    StatusColumns StatusColumnsAt(int width) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Everything the picture outside the status block depends on: a count of the changes of
    // the settings (limits, bound series, shift, size, fonts, language, palette, style) and
    // the revisions of both series. Equal keys mean the same picture around the block.
    struct PictureKey {
        uint64_t settings = 0;
        SeriesRevision series, compare;
        bool operator==(const PictureKey&) const = default;
    };
    PictureKey CurrentKey() const;
    void FontsChanged();
    template <class T> void Change(T& member, const T& value)
    {
        if (member != value) {
            member = value;
            ++m_settingsChanges;
        }
    }

    // The status block's texts, laid out once for the fonts and language of the moment; the
    // counter again only when it changes, the elapsed time in parts (ElapsedTextPainter).
    struct StatusTexts {
        uint64_t settings = ~uint64_t{0}; // the m_settingsChanges they were made for
        uint64_t fonts = ~uint64_t{0};    // the m_fontChanges the elapsed time's parts were made for
        int width = -1;
        StatusColumns columns{};
        QPointF at[6];                    // top left of each text (baseline less the ascent)
        QRect elapsedRows;                // every row the elapsed time can draw in
        QStaticText labels[3], running, stopped, counter;
        ElapsedTextPainter elapsed;
        int64_t counterShown = -1;
    };
    void PrepareStatusTexts(int w) const;
    // Draws the whole picture: under the status values the background, the percent grid and
    // the block's labels; over them the time grid and the curves. A redraw of the block alone
    // puts the values of the moment between the two kept layers.
    void PaintWhole(int w, int h);
    // The values the block shows, and those m_picture's block shows.
    struct BlockValues {
        bool running = false;
        int64_t elapsed = 0;
        uint32_t counter = 0;
    };
    BlockValues CurrentValues() const;
    BlockValues m_blockShows;

    uint64_t m_settingsChanges = 0;
    uint64_t m_fontChanges = 0;       // FontsChanged calls: the fonts, or the faces they map to
    LayeredPicture m_picture;         // what the last paint showed, and its layers
    // The screen shows all of m_picture: every paint since it was built covered what differs.
    bool m_pictureShown = false;
    bool m_pictureReady = false;      // Redraw built m_picture and asks for its changed part
    PictureKey m_pictureKey;          // what m_picture was drawn for
    mutable StatusTexts m_texts;

    void RenderInto(QImage& image) const;
    void DrawBackground(QPainter& p, int w, int h) const;
    void DrawPercentGrid(QPainter& p, int w, int h) const;
    void DrawStatusLabels(QPainter& p, int w) const;
    void DrawStatusValues(QPainter& p, int w) const;
    void DrawTimeGrid(QPainter& p, int w, int h) const;
    void DrawCurve(QPainter& p, int w, int h, const SampleSeries* series, const QColor& colour,
                   int32_t shift) const;

    bool m_ntPlatform = true; // the curve's one-pixel offset of the NT family applies here
    uint32_t m_valueMax = 100;
    uint32_t m_timeRange = 900;
    uint32_t m_sampleCount = 0;
    bool m_runState = false;
    int32_t m_compareShift = 0;
    int64_t m_elapsed = 0;
    const SampleSeries* m_series = nullptr;
    const SampleSeries* m_compareSeries = nullptr;

    QFont m_font;        // labels and status block: a 12-pixel cell
    QFont m_rotatedFont; // time labels: a 10-pixel cell, drawn upward
};

struct CurvePoint;
// Draws a curve's polyline (first point: where the pen starts) with the 2-pixel curve pen.
void DrawCurvePolyline(QPainter& p, const std::vector<CurvePoint>& points, const QColor& colour);

} // namespace ampora
