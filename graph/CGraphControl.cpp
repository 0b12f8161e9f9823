#include "graph/CGraphControl.h"

#include "graph/GraphGeometry.h"
#include "resources/StringTable.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace ampora {
namespace {

const QColor kBackground(35, 238, 254);
const QColor kGrid(255, 0, 0);
const QColor kCurve(255, 255, 0);
const QColor kCompareCurve(0, 0, 255);

// "Arial" (or any sans face where it is missing) whose cell is at most `cellHeight` pixels.
QFont FontWithCell(int cellHeight)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    int pixels = cellHeight;
    font.setPixelSize(pixels);
    while (pixels > 4 && QFontMetrics(font).height() > cellHeight)
        font.setPixelSize(--pixels);
    return font;
}

// A dotted line of the grid, as the Windows drawing layer's dotted cosmetic pen draws it in
// opaque mode: three pixels of red, three of the background colour, from the line's first
// pixel. Made once as a strip of pixels and copied for every line: a stroked dash pattern
// costs far more for the same pixels.
QImage DottedStrip(int length, bool horizontal)
{
    QImage strip(horizontal ? QSize(length, 1) : QSize(1, length), QImage::Format_RGB32);
    for (int i = 0; i < length; ++i)
        strip.setPixel(horizontal ? i : 0, horizontal ? 0 : i, (i % 6 < 3 ? kGrid : kBackground).rgb());
    return strip;
}

// Draws the strip from `first` to `last` (included), horizontal or vertical.
void DrawDottedLine(QPainter& p, const QPoint& first, const QPoint& last)
{
    const bool horizontal = first.y() == last.y();
    const int length = (horizontal ? last.x() - first.x() : last.y() - first.y()) + 1;
    if (length <= 0)
        return;
    static QImage hStrip, vStrip; // grown as needed; the pattern does not depend on the size
    QImage& strip = horizontal ? hStrip : vStrip;
    if ((horizontal ? strip.width() : strip.height()) < length)
        strip = DottedStrip(std::max(length, 2048), horizontal);
    p.drawImage(first, strip, horizontal ? QRect(0, 0, length, 1) : QRect(0, 0, 1, length));
}

QRect ClipOf(const QPainter& p, int w, int h)
{
    return p.hasClipping() ? p.clipBoundingRect().toAlignedRect() : QRect(0, 0, w, h);
}

} // namespace

CGraphControl::CGraphControl(QWidget* parent)
    : QWidget(parent)
    , m_font(FontWithCell(12))
    , m_rotatedFont(FontWithCell(10))
{
    setObjectName(QString::fromLatin1(kClassName));
    setAttribute(Qt::WA_OpaquePaintEvent); // nothing erases the window; the paint covers it
}

void CGraphControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The bottom band is never drawn: masked out, it shows the parent as an unpainted child
    // window does, instead of stale pixels.
    const QRect area(0, 0, width(), height() - kGraphBottomBand);
    setAttribute(Qt::WA_OpaquePaintEvent, area.isValid());
    if (area.isValid())
        setMask(area);
    else
        clearMask();
}

void CGraphControl::SetElapsed(uint32_t seconds)
{
    m_elapsed = seconds;
    m_sampleCount = SampleCounterAfter(m_sampleCount, seconds);
}

CGraphControl::Fingerprint CGraphControl::CurrentFingerprint() const
{
    Fingerprint f;
    f.series = m_series;
    if (m_series && !m_series->Empty()) {
        f.seriesSize = m_series->Size();
        f.seriesLast = m_series->Back();
    }
    f.compare = m_compareSeries;
    if (m_compareSeries && !m_compareSeries->Empty()) {
        f.compareSize = m_compareSeries->Size();
        f.compareLast = m_compareSeries->Back();
    }
    f.compareShift = m_compareShift;
    f.runState = m_runState;
    f.valueMax = m_valueMax;
    f.timeRange = m_timeRange;
    f.sampleCount = m_sampleCount;
    f.size = size();
    return f;
}

QRect CGraphControl::StatusRect() const
{
    const int cy = QFontMetrics(m_font).height();
    return QRect(width() - 100, 0, 100, 4 * cy + 2);
}

void CGraphControl::Redraw()
{
    const Fingerprint now = CurrentFingerprint();
    if (m_fullRedrawDone && now == m_lastFullRedraw) {
        m_statusOnlyPending = true;
        repaint(StatusRect());
        return;
    }
    m_lastFullRedraw = now;
    m_fullRedrawDone = true;
    repaint();
}

void CGraphControl::paintEvent(QPaintEvent* event)
{
    // The lowest rows are never drawn; the picture is built off screen and copied at once.
    const int w = width();
    const int h = height() - kGraphBottomBand;
    if (w <= 0 || h <= 0)
        return;
    // A redraw of the status block alone draws every step again, clipped to the block, into
    // the picture of the last whole redraw: the same pixels for a fraction of the work.
    const bool statusOnly = m_statusOnlyPending && m_picture.size() == QSize(w, h)
                            && StatusRect().contains(event->rect());
    m_statusOnlyPending = false;
    if (statusOnly) {
        RenderInto(m_picture, StatusRect());
    } else {
        m_picture = QImage(w, h, QImage::Format_RGB32);
        RenderInto(m_picture, m_picture.rect());
    }
    QPainter p(this);
    p.drawImage(event->rect(), m_picture, event->rect());
}

QImage CGraphControl::Render(int w, int h) const
{
    if (w <= 0 || h <= 0)
        return QImage();
    QImage image(w, h, QImage::Format_RGB32);
    RenderInto(image, image.rect());
    return image;
}

void CGraphControl::RenderInto(QImage& image, const QRect& clip) const
{
    const int w = image.width();
    const int h = image.height();
    QPainter p(&image);
    p.setClipRect(clip);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    DrawBackground(p, w, h);
    DrawPercentGrid(p, w, h);
    DrawStatusText(p, w);
    DrawTimeGrid(p, w, h);
    DrawCurve(p, w, h, m_series, kCurve, 0);
    if (m_compareSeries)
        DrawCurve(p, w, h, m_compareSeries, kCompareCurve, m_compareShift);
}

void CGraphControl::DrawBackground(QPainter& p, int w, int h) const
{
    // The area in the background colour inside a one-pixel black frame.
    p.fillRect(0, 0, w, h, kBackground);
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, w - 1, h - 1);
}

void CGraphControl::DrawPercentGrid(QPainter& p, int w, int h) const
{
    p.save();
    p.setFont(m_font);
    p.setBackgroundMode(Qt::OpaqueMode); // each label stands on a box of background colour
    p.setBackground(kBackground);
    const QFontMetrics fm(m_font);
    // Text that falls outside the clip draws nothing: skip laying it out (status-only redraws).
    const QRect clip = ClipOf(p, w, h);
    for (const PercentLine& line : PercentGrid(w, h)) {
        p.setPen(kGrid);
        const QRect box(7, line.y + 1, fm.horizontalAdvance(line.label) + 1, fm.height());
        if (clip.intersects(box))
            p.drawText(7, line.y + 1 + fm.ascent(), line.label);
        DrawDottedLine(p, QPoint(1, line.y), QPoint(w - 2, line.y)); // to W - 1, excluded
    }
    p.restore();
}

void CGraphControl::DrawStatusText(QPainter& p, int w) const
{
    p.save();
    p.setFont(m_font);
    p.setBackgroundMode(Qt::TransparentMode);
    p.setPen(Qt::black);
    const QFontMetrics fm(m_font);
    const int cy = fm.height();
    for (const StatusText& t : StatusBlock(w, cy, m_runState, m_elapsed, m_sampleCount))
        p.drawText(t.x, t.y + fm.ascent(), t.text);
    p.restore();
}

void CGraphControl::DrawTimeGrid(QPainter& p, int w, int h) const
{
    if (!m_series)
        return;
    p.save();
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(kBackground);
    p.setFont(m_rotatedFont);
    const QFontMetrics fm(m_rotatedFont);
    const QRect clip = ClipOf(p, w, h);
    for (const TimeLine& line : TimeGrid(w, h, m_timeRange, m_series)) {
        if (line.x >= w)
            continue; // outside the area
        DrawDottedLine(p, QPoint(line.x, 1), QPoint(line.x, h - 2)); // to H - 1, excluded
        const int labelLength = fm.horizontalAdvance(line.label) + 1;
        if (!clip.intersects(QRect(line.labelLeft, h - 4 - labelLength, fm.height() + 1, labelLength + 1)))
            continue; // the label lies outside the clip
        // The label reads upward from 4 pixels above the bottom edge.
        p.save();
        p.setPen(Qt::black);
        p.translate(line.labelLeft, h - 4);
        p.rotate(-90);
        p.drawText(0, fm.ascent(), line.label);
        p.restore();
    }
    p.restore();
}

void CGraphControl::DrawCurve(QPainter& p, int w, int h, const SampleSeries* series,
                              const QColor& colour, int32_t shift) const
{
    DrawCurvePolyline(p, CurvePoints(w, h, m_valueMax, m_timeRange, shift, m_ntPlatform, series), colour);
}

void DrawCurvePolyline(QPainter& p, const std::vector<CurvePoint>& points, const QColor& colour)
{
    if (points.size() < 2)
        return; // one sample only places the pen
    std::vector<QPoint> polyline;
    polyline.reserve(points.size());
    for (const CurvePoint& c : points)
        polyline.emplace_back(c.x, c.y);
    p.save();
    // Flat caps leave out the end point; CollapseColumns relies on the round joins.
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPolyline(polyline.data(), static_cast<int>(polyline.size()));
    p.restore();
}

} // namespace ampora
