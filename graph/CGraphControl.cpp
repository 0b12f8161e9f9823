#include "graph/CGraphControl.h"

#include "graph/GraphGeometry.h"
#include "resources/StringTable.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QStaticText>

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
    ++m_settingsChanges;
    // The bottom band is never drawn: masked out, it shows the parent as an unpainted child
    // window does, instead of stale pixels.
    const QRect area(0, 0, width(), height() - kGraphBottomBand);
    setAttribute(Qt::WA_OpaquePaintEvent, area.isValid());
    if (area.isValid())
        setMask(area);
    else
        clearMask();
}

bool CGraphControl::event(QEvent* event)
{
    // Not passed on to changeEvent: the font database may map "Arial" to another face now.
    if (event->type() == QEvent::ApplicationFontChange)
        FontsChanged();
    return QWidget::event(event);
}

void CGraphControl::FontsChanged()
{
    m_font = FontWithCell(12);
    m_rotatedFont = FontWithCell(10);
    ++m_settingsChanges;
    ++m_fontChanges;
}

void CGraphControl::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::FontChange:
        FontsChanged();
        break;
    case QEvent::LanguageChange:
    case QEvent::LocaleChange:
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
        ++m_settingsChanges;
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void CGraphControl::SetElapsed(uint32_t seconds)
{
    m_elapsed = seconds;
    m_sampleCount = SampleCounterAfter(m_sampleCount, seconds);
}

CGraphControl::PictureKey CGraphControl::CurrentKey() const
{
    PictureKey key;
    key.settings = m_settingsChanges;
    if (m_series)
        key.series = m_series->Revision();
    if (m_compareSeries)
        key.compare = m_compareSeries->Revision();
    return key;
}

QRect CGraphControl::StatusRect() const
{
    const int cy = QFontMetrics(m_font).height();
    const int left = StatusColumnsAt(width()).label;
    return QRect(left, 0, width() - left, 4 * cy + 2);
}

StatusColumns CGraphControl::StatusColumnsAt(int w) const
{
    PrepareStatusTexts(w);
    return m_texts.columns;
}

void CGraphControl::Redraw()
{
    const int w = width();
    const int h = height() - kGraphBottomBand;
    // What follows relies on the screen holding m_picture; a hidden graph paints nothing.
    if (!m_pictureShown || m_picture.Image().size() != QSize(w, h) || !isVisible() || !updatesEnabled()) {
        repaint();
        return;
    }
    QRegion changed;
    if (CurrentKey() == m_pictureKey) {
        // Only the values of the block can differ; a new second changes the elapsed time's
        // rows alone, mostly a digit of it.
        PrepareStatusTexts(w);
        const BlockValues now = CurrentValues();
        QRect area = m_picture.Block();
        if (now.running == m_blockShows.running && now.counter == m_blockShows.counter)
            area &= m_texts.elapsedRows;
        changed = m_picture.PaintBlock(area, [&](QPainter& p) { DrawStatusValues(p, w); });
        m_blockShows = now;
    } else {
        // Built here and sent in part: a sample changes a few columns of curve and the block.
        PaintWhole(w, h);
        changed = m_picture.ChangedSinceLastWhole();
    }
    if (changed.isEmpty())
        return;
    m_pictureReady = true;
    repaint(changed);
    m_pictureReady = false;
}

void CGraphControl::paintEvent(QPaintEvent* event)
{
    // The lowest rows are never drawn; the picture is built off screen and copied at once.
    const int w = width();
    const int h = height() - kGraphBottomBand;
    if (w <= 0 || h <= 0)
        return;
    const QRect area(0, 0, w, h);
    if (m_pictureReady && m_picture.Image().size() == area.size()) {
        // Redraw built the picture and asks for what differs from the screen.
    } else {
        const bool wasShown = m_pictureShown && m_picture.Image().size() == area.size();
        PaintWhole(w, h);
        // An expose of a part leaves the earlier picture around it, which is this one only
        // where the two agree.
        const QRegion unpainted = QRegion(area) - event->region();
        m_pictureShown = unpainted.isEmpty()
                         || (wasShown && (m_picture.ChangedSinceLastWhole() & unpainted).isEmpty());
    }
    QPainter p(this);
    for (const QRect& r : event->region())
        p.drawImage(r, m_picture.Image(), r);
}

void CGraphControl::PaintWhole(int w, int h)
{
    m_pictureKey = CurrentKey();
    PrepareStatusTexts(w);
    m_blockShows = CurrentValues();
    const auto under = [&](QPainter& p) {
        p.setRenderHint(QPainter::TextAntialiasing, false);
        DrawBackground(p, w, h);
        DrawPercentGrid(p, w, h);
        DrawStatusLabels(p, w);
    };
    const auto values = [&](QPainter& p) { DrawStatusValues(p, w); };
    const auto over = [&](QPainter& p) {
        p.setRenderHint(QPainter::TextAntialiasing, false);
        DrawTimeGrid(p, w, h);
        DrawCurve(p, w, h, m_series, kCurve, 0);
        if (m_compareSeries)
            DrawCurve(p, w, h, m_compareSeries, kCompareCurve, m_compareShift);
    };
    m_picture.PaintWhole(QSize(w, h), StatusRect(), under, values, over);
}

CGraphControl::BlockValues CGraphControl::CurrentValues() const
{
    return {m_runState, m_elapsed, m_sampleCount};
}

QImage CGraphControl::Render(int w, int h) const
{
    if (w <= 0 || h <= 0)
        return QImage();
    QImage image(w, h, QImage::Format_RGB32);
    RenderInto(image);
    return image;
}

void CGraphControl::RenderInto(QImage& image) const
{
    const int w = image.width();
    const int h = image.height();
    PrepareStatusTexts(w);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    DrawBackground(p, w, h);
    DrawPercentGrid(p, w, h);
    DrawStatusLabels(p, w);
    DrawStatusValues(p, w);
    DrawTimeGrid(p, w, h);
    DrawCurve(p, w, h, m_series, kCurve, 0);
    if (m_compareSeries)
        DrawCurve(p, w, h, m_compareSeries, kCompareCurve, m_compareShift);
}

void CGraphControl::PrepareStatusTexts(int w) const
{
    StatusTexts& t = m_texts;
    const auto prepared = [this](const QString& text) { return PreparedText(text, m_font); };
    const QFontMetrics fm(m_font);
    if (t.settings != m_settingsChanges || t.width != w) {
        // Positions and the fixed texts; drawText puts the baseline at y + ascent, a static
        // text its top at the baseline less the font's exact ascent.
        const qreal lift = fm.ascent() - QFontMetricsF(m_font).ascent();
        const std::vector<StatusText> texts = StatusBlock({}, 0, true, 0, 0);
        const std::vector<StatusText> stoppedTexts = StatusBlock({}, 0, false, 0, 0);
        // The widest value of a day's run: either state, "00:00:00" and a four-digit counter,
        // so that the columns stay where they are while a run goes on.
        int labelWidth = 0;
        for (int i = 0; i < 3; ++i)
            labelWidth = std::max(labelWidth, fm.horizontalAdvance(texts[i].text));
        int valueWidth = 0;
        for (const QString& value : {texts[3].text, stoppedTexts[3].text, texts[4].text, QStringLiteral("0000")})
            valueWidth = std::max(valueWidth, fm.horizontalAdvance(value));
        t.columns = StatusBlockColumns(w, labelWidth, valueWidth);
        const std::vector<StatusText> placed = StatusBlock(t.columns, fm.height(), true, 0, 0);
        for (int i = 0; i < 6; ++i)
            t.at[i] = QPointF(placed[i].x, placed[i].y + lift);
        // The elapsed time's cell and a row more on either side for the fraction of the lift.
        t.elapsedRows = QRect(0, placed[4].y - 1, w, fm.height() + 2);
        for (int i = 0; i < 3; ++i)
            t.labels[i] = prepared(texts[i].text);
        t.running = prepared(texts[3].text);
        t.stopped = prepared(stoppedTexts[3].text);
        if (t.fonts != m_fontChanges) {
            t.elapsed.SetFont(m_font);
            t.fonts = m_fontChanges;
        }
        t.counterShown = -1;
        t.settings = m_settingsChanges;
        t.width = w;
    }
    if (t.counterShown != m_sampleCount) {
        t.counter = prepared(QString::asprintf("%d", static_cast<int>(m_sampleCount)));
        t.counterShown = m_sampleCount;
    }
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
    const int ascent = QFontMetrics(m_font).ascent();
    for (const PercentLine& line : PercentGrid(w, h)) {
        p.setPen(kGrid);
        p.drawText(7, line.y + 1 + ascent, line.label);
        DrawDottedLine(p, QPoint(1, line.y), QPoint(w - 2, line.y)); // to W - 1, excluded
    }
    p.restore();
}

// The status block: labels and values in their columns (StatusBlockColumns), in black without a
// background box. Labels and values are drawn apart so that a redraw of the block alone
// draws only the values.
void CGraphControl::DrawStatusLabels(QPainter& p, int) const
{
    p.save();
    p.setFont(m_font);
    p.setBackgroundMode(Qt::TransparentMode);
    p.setPen(Qt::black);
    for (int i = 0; i < 3; ++i)
        p.drawStaticText(m_texts.at[i], m_texts.labels[i]);
    p.restore();
}

void CGraphControl::DrawStatusValues(QPainter& p, int) const
{
    p.save();
    p.setFont(m_font);
    p.setBackgroundMode(Qt::TransparentMode);
    p.setPen(Qt::black);
    p.drawStaticText(m_texts.at[3], m_runState ? m_texts.running : m_texts.stopped);
    m_texts.elapsed.Draw(p, m_texts.at[4], static_cast<uint64_t>(m_elapsed));
    p.drawStaticText(m_texts.at[5], m_texts.counter);
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
        // Labels that fall outside the clip (the layer over the status block) are not laid
        // out: first the columns and rows they could reach at most, then their length.
        if (!clip.intersects(QRect(line.labelLeft, 0, fm.height() + 1, h - 3)))
            continue;
        const int labelLength = fm.horizontalAdvance(line.label) + 1;
        if (!clip.intersects(QRect(line.labelLeft, h - 4 - labelLength, fm.height() + 1, labelLength + 1)))
            continue;
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
