// The least a Qt Widgets window costs on X11 with a once-a-second timer, for comparing with
// Ampora's own active minute: a 600 × 460 window whose timer does nothing else ("timer"),
// or repaints a 100 × 58 block with a fill ("block", about the size of Ampora's status
// block), or a 10 × 12 rectangle ("small"). "window" repaints the 10 × 12 rectangle of a bare
// QWindow through its own QBackingStore, without the widgets' repaint machinery: the least
// any Qt window pays for it. Shared memory is off as in Ampora.
// scripts/perf/qt-floor runs each mode on a private X server and measures it.
//   repaint_floor [timer|block|small|window]   (default block)
#include <QApplication>
#include <QBackingStore>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstring>

namespace {

class FloorWindow : public QWidget {
public:
    explicit FloorWindow(QRect area) : m_area(area) {}

    void Tick()
    {
        if (m_area.isEmpty())
            return;
        m_dark = !m_dark; // new pixels every time, as a changed value would bring
        update(m_area);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!m_area.isEmpty())
            QPainter(this).fillRect(m_area, m_dark ? Qt::darkBlue : Qt::darkGreen);
    }

private:
    QRect m_area;
    bool m_dark = false;
};

// The same small repaint without widgets: begin, fill, end and flush on the window's store.
class FloorRasterWindow : public QWindow {
public:
    FloorRasterWindow() : m_store(this) {}

    void Tick()
    {
        m_dark = !m_dark;
        if (isExposed())
            Paint(QRect(20, 20, 10, 12));
    }

protected:
    void exposeEvent(QExposeEvent*) override
    {
        if (!isExposed())
            return;
        m_store.resize(size());
        Paint(QRect(QPoint(), size()));
    }

private:
    void Paint(const QRect& area)
    {
        m_store.beginPaint(area);
        {
            QPainter p(m_store.paintDevice());
            p.fillRect(area, m_dark ? Qt::darkBlue : Qt::darkGreen);
        }
        m_store.endPaint();
        m_store.flush(area);
    }

    QBackingStore m_store;
    bool m_dark = false;
};

} // namespace

// Shows the window at the graph's size and calls its Tick once a second, with a coarse timer
// as Ampora's tick, until the window is closed.
template <typename Window>
int ShowAndTick(QApplication& app, Window& window)
{
    window.resize(600, 460);
    window.show();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &window, &Window::Tick);
    timer.start(1000);
    return app.exec();
}

int main(int argc, char** argv)
{
    const char* mode = argc > 1 ? argv[1] : "block";
    QRect area;
    if (std::strcmp(mode, "block") == 0) {
        area = QRect(20, 20, 100, 58);
    } else if (std::strcmp(mode, "small") == 0) {
        area = QRect(20, 20, 10, 12);
    } else if (std::strcmp(mode, "timer") != 0 && std::strcmp(mode, "window") != 0) {
        std::fprintf(stderr, "repaint_floor: unknown mode %s (timer, block, small or window)\n", mode);
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    if (std::strcmp(mode, "window") == 0) {
        FloorRasterWindow window;
        window.setTitle(QStringLiteral("repaint_floor"));
        return ShowAndTick(app, window);
    }
    FloorWindow window(area);
    window.setWindowTitle(QStringLiteral("repaint_floor"));
    return ShowAndTick(app, window);
}
