#pragma once
// A picture built off screen and sent to the screen in part, with one block of it (the
// graph's status block) redrawn alone between two kept layers. The graph keeps its pictures
// here between paints.
//
// What it holds:
//   Image()      the last picture, which the screen shows or is about to;
//   the spare    the picture before the last whole one: a whole redraw is compared with it
//                (ChangedSinceLastWhole), and its memory serves the next one;
//   the under    the block's pixels before its values are drawn (background, grid, labels);
//   the over     what is drawn after the values, over the block's rows alone (the time grid
//                and the curves), transparent where it draws nothing;
//   the before   the pixels of the area a PaintBlock redraws, to tell what changed.
// What the picture depends on is the owner's to know (CGraphControl::PictureKey: limits,
// series and their revisions, shift, size, fonts, language, palette, style; and the block's
// values: run state, elapsed time, sample counter). The owner calls PaintWhole when anything
// but the block's values changed, or for a paint it did not ask for (an expose, a resize),
// and PaintBlock when only the values changed; the layers are rebuilt with every PaintWhole.
#include <QImage>
#include <QRect>
#include <QRegion>

#include <functional>

class QPainter;

namespace ampora {

class LayeredPicture {
public:
    using Layer = std::function<void(QPainter&)>;

    // Draws a whole picture of `size`: `under`, then `values`, then `over`, and keeps the
    // block's layers (`block` clipped to the picture) for PaintBlock.
    void PaintWhole(QSize size, const QRect& block, const Layer& under, const Layer& values,
                    const Layer& over);
    // Draws `area` (within the block) anew: the kept under, `values`, the kept over.
    // Returns the pixels that changed.
    QRegion PaintBlock(const QRect& area, const Layer& values);
    // The pixels in which the picture differs from the one before the last PaintWhole.
    QRegion ChangedSinceLastWhole() const;

    const QImage& Image() const { return m_picture; }
    const QRect& Block() const { return m_block; }

private:
    QImage m_picture;
    QImage m_spare;
    QRect m_block;
    QImage m_under, m_over;
    QImage m_before;
};

// The part of `after` whose pixels differ from `before`, as a few rectangles; all of `after`
// when the two differ in size or format.
QRegion ChangedRegion(const QImage& before, const QImage& after);
// The same for the part `area` of `after`, whose earlier pixels `before` holds; all of `area`
// when `before` is not of its size or format.
QRegion ChangedRegion(const QImage& before, const QImage& after, const QRect& area);

} // namespace ampora
