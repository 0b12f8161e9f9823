#pragma once
// Texts of the status block laid out once and drawn many times.
#include <QFont>
#include <QPointF>
#include <QStaticText>

#include <array>
#include <cstdint>

class QPainter;

namespace ampora {

// `text` as plain text, laid out for `font` without a transformation.
QStaticText PreparedText(const QString& text, const QFont& font);

// The elapsed time of the status block (DurationText), drawn as drawStaticText draws the whole
// text at the same point, pixel for pixel, without laying out a new text every second: the
// hours and minutes are laid out once a minute, the sixty seconds once for the font.
class ElapsedTextPainter {
public:
    // Lays out every part anew for `font` (also when the same font now maps to another face).
    // Before the first call nothing can be drawn.
    void SetFont(const QFont& font);
    // `at`: the top left of the text, as drawStaticText takes it. The painter's font and pen
    // are the caller's.
    void Draw(QPainter& p, const QPointF& at, uint64_t seconds);

private:
    QFont m_font;
    int64_t m_headMinute = -1;   // the minute m_head was laid out for
    QStaticText m_head;          // "HH:MM:"
    qreal m_tailOffset = 0;      // where the seconds start within the whole text
    std::array<QStaticText, 60> m_tails; // "00" to "59"
};

} // namespace ampora
