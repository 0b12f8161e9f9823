// The elapsed time drawn in parts gives the pixels of the whole text drawn at once.
#include "graph/GraphGeometry.h"
#include "graph/StaticTexts.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace ampora {
namespace {

QImage Canvas()
{
    QImage image(90, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

TEST(ElapsedTextPainter, DrawsThePixelsOfTheWholeText)
{
    std::vector<uint64_t> seconds;
    for (uint64_t s = 0; s < 3600; ++s) // every second of the first hour, each minute's head
        seconds.push_back(s);
    for (uint64_t s : {11 * 3600 + 11 * 60 + 11, 23 * 3600 + 59 * 60 + 59, 86400 + 3661, 99999})
        seconds.push_back(s);
    // The graph's face and cell, another size, and the text's top off the pixel grid as the
    // block places it.
    for (const int pixels : {12, 9}) {
        QFont font(QStringLiteral("Arial"));
        font.setStyleHint(QFont::SansSerif);
        font.setPixelSize(pixels);
        ElapsedTextPainter parts;
        parts.SetFont(font);
        const QPointF at(3, 1.4);
        int differing = 0;
        for (const uint64_t s : seconds) {
            QImage whole = Canvas(), drawn = Canvas();
            for (QImage* image : {&whole, &drawn}) {
                QPainter p(image);
                p.setRenderHint(QPainter::TextAntialiasing, false);
                p.setFont(font);
                p.setPen(Qt::black);
                if (image == &whole)
                    p.drawStaticText(at, PreparedText(DurationText(s), font));
                else
                    parts.Draw(p, at, s);
            }
            if (whole != drawn && ++differing < 5)
                ADD_FAILURE() << pixels << " px, " << DurationText(s).toStdString();
        }
        EXPECT_EQ(differing, 0) << pixels << " px";
    }
}

} // namespace
} // namespace ampora
