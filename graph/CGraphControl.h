#pragma once
// The graph window: battery life percentage of the current run against the seconds since
// Start, an optional compared run drawn over it, and a status block. It owns no data: it reads
// the owner's series at every paint and redraws only when the owner asks (update/repaint).
#include "monitor/Sample.h"

#include <QFont>
#include <QImage>
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

    void SetTimeRange(uint32_t seconds) { m_timeRange = seconds; }
    void SetValueMax(uint32_t max) { m_valueMax = max; }
    void SetRunState(bool flag) { m_runState = flag; }
    // Also sets the sample counter to seconds / 10 when seconds is a multiple of ten.
    void SetElapsed(uint32_t seconds);
    void SetSeries(const SampleSeries* series) { m_series = series; }
    void SetCompareSeries(const SampleSeries* series) { m_compareSeries = series; }
    void ShiftCompare(int32_t delta) { m_compareShift += delta; }
    void ResetCompareShift() { m_compareShift = 0; }

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

    // Redraws at once what changed since the last redraw: the whole picture, or only the
    // status block when nothing but the elapsed time moved (everything else would be drawn
    // with the same pixels). The once-a-second redraw of a run is mostly of that kind.
    void Redraw();
    // What the last paint put on screen (tests).
    const QImage& Picture() const { return m_picture; }
    // The part of the widget the status block covers.
    QRect StatusRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Everything the picture depends on but the elapsed time.
    struct Fingerprint {
        const SampleSeries* series = nullptr;
        std::size_t seriesSize = 0;
        Sample seriesLast;
        const SampleSeries* compare = nullptr;
        std::size_t compareSize = 0;
        Sample compareLast;
        int32_t compareShift = 0;
        bool runState = false;
        uint32_t valueMax = 0, timeRange = 0, sampleCount = 0;
        QSize size;
        bool operator==(const Fingerprint&) const = default;
    };
    Fingerprint CurrentFingerprint() const;
    void RenderInto(QImage& image, const QRect& clip) const;
    QImage m_picture;                 // what the last paint showed
    bool m_statusOnlyPending = false; // Redraw found only the elapsed time changed
    Fingerprint m_lastFullRedraw;
    bool m_fullRedrawDone = false;

    void DrawBackground(QPainter& p, int w, int h) const;
    void DrawPercentGrid(QPainter& p, int w, int h) const;
    void DrawStatusText(QPainter& p, int w) const;
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
