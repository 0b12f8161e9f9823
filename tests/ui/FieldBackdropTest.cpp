// The kept pixels of an opaque field: what they hold, and when they are drawn again.
#include "ui/FieldBackdrop.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace ampora {
namespace {

// A 100 × 60 window, red, with a green 40 × 20 label at (10, 10) and, over both, a field at
// (30, 20) of 50 × 20: the field's left 20 × 10 lie over the label.
struct Window {
    QWidget window;
    QLabel* label;
    QLineEdit* field;
    Window()
    {
        window.resize(100, 60);
        window.setAutoFillBackground(true);
        QPalette red;
        red.setColor(QPalette::Window, QColor(255, 0, 0));
        window.setPalette(red);
        label = new QLabel(&window);
        label->setGeometry(10, 10, 40, 20);
        label->setAutoFillBackground(true);
        QPalette green;
        green.setColor(QPalette::Window, QColor(0, 255, 0));
        label->setPalette(green);
        field = new QLineEdit(&window);
        field->setGeometry(30, 20, 50, 20);
        window.show();
        // The backing store has its pixel format once the window was painted.
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
};

TEST(FieldBackdrop, HoldsTheWindowAndTheEarlierSiblingsUnderTheField)
{
    Window w;
    FieldBackdrop kept;
    EXPECT_FALSE(kept.HasBackdrop());
    const QImage backdrop = kept.Backdrop(*w.field).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(backdrop.size(), QSize(50, 20));
    EXPECT_EQ(backdrop.pixelColor(5, 5), QColor(0, 255, 0));   // the label, at (35, 25)
    EXPECT_EQ(backdrop.pixelColor(25, 5), QColor(255, 0, 0));  // past the label's right edge
    EXPECT_EQ(backdrop.pixelColor(5, 15), QColor(255, 0, 0));  // below the label
    EXPECT_TRUE(kept.HasBackdrop());
}

TEST(FieldBackdrop, KeepsItsPicturesUntilClearedOrTheOptionsChange)
{
    Window w;
    FieldBackdrop kept;
    int panels = 0;
    const auto drawPanel = [&](QPainter* p) {
        ++panels;
        p->fillRect(0, 0, 4, 4, Qt::blue);
    };
    QStyleOptionFrame option;
    option.initFrom(w.field);

    kept.Backdrop(*w.field);
    const QImage first = kept.Panel(option, drawPanel);
    EXPECT_EQ(first.pixelColor(0, 0), QColor(0, 0, 255));
    EXPECT_EQ(kept.Panel(option, drawPanel).cacheKey(), first.cacheKey());
    EXPECT_EQ(panels, 1) << "the same options: the kept panel";

    option.state ^= QStyle::State_HasFocus;
    kept.Panel(option, drawPanel);
    EXPECT_EQ(panels, 2) << "another state: drawn again";

    const qint64 backdropKey = kept.Backdrop(*w.field).cacheKey();
    EXPECT_EQ(kept.Backdrop(*w.field).cacheKey(), backdropKey) << "nothing changed: the kept backdrop";
    kept.Clear();
    EXPECT_FALSE(kept.HasBackdrop());
    w.label->move(30, 20); // now under all of the field's left
    EXPECT_EQ(kept.Backdrop(*w.field).convertToFormat(QImage::Format_RGB32).pixelColor(5, 15),
              QColor(0, 255, 0));
    kept.Panel(option, drawPanel);
    EXPECT_EQ(panels, 3) << "a new backdrop: the panel is drawn over it again";
}

} // namespace
} // namespace ampora
