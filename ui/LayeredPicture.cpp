#include "ui/LayeredPicture.h"

#include <QPainter>

#include <algorithm>
#include <cstring>
#include <vector>

namespace ampora {

void LayeredPicture::PaintWhole(QSize size, const QRect& block, const Layer& under, const Layer& values,
                                const Layer& over)
{
    // The earlier picture stays in m_spare for the comparison; its memory serves the next one.
    std::swap(m_picture, m_spare);
    if (m_picture.size() != size || m_picture.format() != QImage::Format_RGB32)
        m_picture = QImage(size, QImage::Format_RGB32);
    m_block = block.intersected(m_picture.rect());
    QPainter p(&m_picture);
    under(p);
    m_under = m_picture.copy(m_block);
    values(p);
    over(p);
    p.end();

    // The last layer again, alone, over the block's rows (the block starts at row 0).
    m_over = QImage(size.width(), m_block.bottom() + 1, QImage::Format_ARGB32_Premultiplied);
    m_over.fill(Qt::transparent);
    if (m_block.isEmpty())
        return;
    QPainter layer(&m_over);
    layer.setClipRect(m_block);
    over(layer);
}

QRegion LayeredPicture::PaintBlock(const QRect& area, const Layer& values)
{
    m_before = m_picture.copy(area);
    QPainter p(&m_picture);
    p.setClipRect(area);
    p.drawImage(area.topLeft(), m_under, area.translated(-m_block.topLeft()));
    values(p);
    p.drawImage(area.topLeft(), m_over, area);
    p.end();
    return ChangedRegion(m_before, m_picture, area);
}

QRegion LayeredPicture::ChangedSinceLastWhole() const
{
    return ChangedRegion(m_spare, m_picture);
}

QRegion ChangedRegion(const QImage& before, const QImage& after)
{
    if (before.size() != after.size())
        return QRegion(after.rect());
    return ChangedRegion(before, after, after.rect());
}

QRegion ChangedRegion(const QImage& before, const QImage& after, const QRect& area)
{
    if (before.size() != area.size() || !after.rect().contains(area) || before.format() != after.format()
        || after.depth() != 32)
        return QRegion(area);
    // Rows are compared whole, changed rows in chunks of pixels; changes at most kGap chunks
    // apart form one span, and a span joins the rectangle it overlaps in the row above.
    constexpr int kChunk = 16;
    constexpr int kGap = 2;
    constexpr size_t kMaxRects = 8; // more would cost more requests than pixels saved
    const int w = area.width();
    std::vector<QRect> open, done, next;
    for (int y = 0; y < area.height(); ++y) {
        const auto* a = reinterpret_cast<const uint32_t*>(before.constScanLine(y));
        const auto* b = reinterpret_cast<const uint32_t*>(after.constScanLine(area.top() + y)) + area.left();
        next.clear();
        if (std::memcmp(a, b, size_t(w) * sizeof(uint32_t)) != 0) {
            int last = -kGap - 1;
            for (int x = 0; x < w; x += kChunk) {
                const int n = std::min(kChunk, w - x);
                if (std::memcmp(a + x, b + x, size_t(n) * sizeof(uint32_t)) == 0)
                    continue;
                const int chunk = x / kChunk;
                if (!next.empty() && chunk - last <= kGap)
                    next.back().setRight(x + n - 1);
                else
                    next.emplace_back(x, y, n, 1);
                last = chunk;
            }
        }
        for (QRect& span : next) {
            for (auto it = open.begin(); it != open.end();) {
                if (it->left() <= span.right() && it->right() >= span.left()) {
                    span = span.united(*it);
                    it = open.erase(it);
                } else {
                    ++it;
                }
            }
        }
        done.insert(done.end(), open.begin(), open.end()); // not continued in this row
        open.swap(next);
    }
    done.insert(done.end(), open.begin(), open.end());
    QRegion region;
    if (done.size() > kMaxRects) {
        QRect bounds;
        for (const QRect& r : done)
            bounds |= r;
        return QRegion(bounds.translated(area.topLeft()));
    }
    for (const QRect& r : done)
        region += r.translated(area.topLeft());
    return region;
}

} // namespace ampora
