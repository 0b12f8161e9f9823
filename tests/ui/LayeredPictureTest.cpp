// The graph's kept pictures: a whole picture, a block redrawn alone between its layers, and
// the pixels that changed.
#include "ui/LayeredPicture.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace ampora {
namespace {

const QColor kUnder(0, 0, 255);
const QColor kOver(255, 255, 0);

// A 40 × 20 picture: blue under; the values fill a 4 × 4 square at (x, 2) in `colour`; a
// yellow line over everything at row 3.
struct Layers {
    int x = 10;
    QColor colour = Qt::white;
    LayeredPicture::Layer under = [](QPainter& p) { p.fillRect(0, 0, 40, 20, kUnder); };
    LayeredPicture::Layer values = [this](QPainter& p) { p.fillRect(x, 2, 4, 4, colour); };
    LayeredPicture::Layer over = [](QPainter& p) { p.fillRect(0, 3, 40, 1, kOver); };
};

TEST(LayeredPicture, ABlockRedrawnAloneKeepsWhatLiesUnderAndOverItsValues)
{
    Layers layers;
    LayeredPicture picture;
    picture.PaintWhole(QSize(40, 20), QRect(0, 0, 20, 8), layers.under, layers.values, layers.over);
    const QImage whole = picture.Image().copy();
    EXPECT_EQ(whole.pixelColor(10, 2), QColor(Qt::white));
    EXPECT_EQ(whole.pixelColor(10, 3), kOver);

    layers.colour = Qt::red;
    const QRegion changed = picture.PaintBlock(picture.Block(), layers.values);
    const QImage& after = picture.Image();
    EXPECT_EQ(after.pixelColor(11, 2), QColor(Qt::red));
    EXPECT_EQ(after.pixelColor(11, 3), kOver) << "the over layer stays over the values";
    EXPECT_EQ(after.pixelColor(11, 6), kUnder);
    EXPECT_TRUE(changed.contains(QPoint(11, 2)));
    EXPECT_FALSE(changed.contains(QPoint(11, 3)));

    // The same block drawn whole gives the same pixels.
    LayeredPicture reference;
    reference.PaintWhole(QSize(40, 20), QRect(0, 0, 20, 8), layers.under, layers.values, layers.over);
    EXPECT_EQ(after, reference.Image());

    layers.x = 12; // moved: the old square is gone where the under layer shows again
    picture.PaintBlock(picture.Block(), layers.values);
    EXPECT_EQ(picture.Image().pixelColor(10, 2), kUnder);
}

TEST(LayeredPicture, AWholeRedrawIsComparedWithThePictureBefore)
{
    Layers layers;
    LayeredPicture picture;
    picture.PaintWhole(QSize(40, 20), QRect(0, 0, 20, 8), layers.under, layers.values, layers.over);
    EXPECT_EQ(picture.ChangedSinceLastWhole(), QRegion(0, 0, 40, 20)) << "nothing before it";
    layers.x = 30;
    picture.PaintWhole(QSize(40, 20), QRect(0, 0, 20, 8), layers.under, layers.values, layers.over);
    const QRegion changed = picture.ChangedSinceLastWhole();
    EXPECT_TRUE(changed.contains(QPoint(10, 2)));
    EXPECT_TRUE(changed.contains(QPoint(31, 5)));
    EXPECT_FALSE(changed.contains(QPoint(20, 15)));
}

TEST(ChangedRegion, CoversEveryChangedPixelAndLittleElse)
{
    const QImage before = [] {
        QImage img(300, 200, QImage::Format_RGB32);
        img.fill(QColor(35, 238, 254));
        return img;
    }();
    const struct {
        const char* name;
        std::vector<QPoint> changed;
        int maxArea;
    } rows[] = {
        {"nothing", {}, 0},
        {"first pixel", {{0, 0}}, 16},
        {"last pixel", {{299, 199}}, 16},
        {"a column", {{150, 0}, {150, 100}, {150, 199}}, 16 * 200},
        {"two far corners", {{2, 3}, {297, 196}}, 2 * 16},
        {"a diagonal", {{10, 10}, {11, 11}, {12, 12}, {13, 13}}, 2 * 16 * 4},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QImage after = before.copy();
        for (const QPoint& p : row.changed)
            after.setPixelColor(p, QColor(255, 0, 0));
        const QRegion region = ChangedRegion(before, after);
        for (const QPoint& p : row.changed)
            EXPECT_TRUE(region.contains(p)) << p.x() << "," << p.y();
        int area = 0;
        for (const QRect& r : region)
            area += r.width() * r.height();
        EXPECT_LE(area, row.maxArea);
    }
    EXPECT_EQ(ChangedRegion(QImage(), before), QRegion(before.rect()));
    EXPECT_EQ(ChangedRegion(before.copy(0, 0, 300, 199), before), QRegion(before.rect()));
}

} // namespace
} // namespace ampora
