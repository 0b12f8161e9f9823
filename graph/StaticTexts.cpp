#include "graph/StaticTexts.h"

#include "graph/GraphGeometry.h"

#include <QFontMetricsF>
#include <QPainter>

namespace ampora {

QStaticText PreparedText(const QString& text, const QFont& font)
{
    QStaticText s(text);
    s.setTextFormat(Qt::PlainText);
    s.prepare(QTransform(), font);
    return s;
}

void ElapsedTextPainter::SetFont(const QFont& font)
{
    m_font = font;
    m_headMinute = -1;
    // All sixty at once: the first minute of a run then lays out nothing more than the others.
    for (uint64_t s = 0; s < m_tails.size(); ++s)
        m_tails[s] = PreparedText(DurationText(s).right(2), m_font);
}

void ElapsedTextPainter::Draw(QPainter& p, const QPointF& at, uint64_t seconds)
{
    // The text ends in the two digits of the seconds, whatever comes before them.
    const auto minute = static_cast<int64_t>(seconds / 60);
    if (minute != m_headMinute) {
        const QString head = DurationText(seconds).chopped(2);
        m_head = PreparedText(head, m_font);
        m_tailOffset = QFontMetricsF(m_font).horizontalAdvance(head);
        m_headMinute = minute;
    }
    p.drawStaticText(at, m_head);
    p.drawStaticText(at + QPointF(m_tailOffset, 0), m_tails[seconds % 60]);
}

} // namespace ampora
