// The least a Qt Widgets window costs on X11 with a once-a-second timer, for comparing with
// Ampora's own active minute: a 600 × 460 window whose timer does nothing else ("timer"),
// or repaints a 100 × 58 block with a fill ("block", about the size of Ampora's status
// block), or a 10 × 12 rectangle ("small"). Shared memory is off as in Ampora.
// scripts/perf/qt-floor runs each mode on a private X server and measures it.
//   repaint_floor [timer|block|small]   (default block)
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

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

} // namespace

int main(int argc, char** argv)
{
    const char* mode = argc > 1 ? argv[1] : "block";
    QRect area;
    if (std::strcmp(mode, "block") == 0) {
        area = QRect(20, 20, 100, 58);
    } else if (std::strcmp(mode, "small") == 0) {
        area = QRect(20, 20, 10, 12);
    } else if (std::strcmp(mode, "timer") != 0) {
        std::fprintf(stderr, "repaint_floor: unknown mode %s (timer, block or small)\n", mode);
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    FloorWindow window(area);
    window.setWindowTitle(QStringLiteral("repaint_floor"));
    window.resize(600, 460);
    window.show();
    QTimer timer; // coarse, as Ampora's tick
    QObject::connect(&timer, &QTimer::timeout, &window, &FloorWindow::Tick);
    timer.start(1000);
    return app.exec();
}
