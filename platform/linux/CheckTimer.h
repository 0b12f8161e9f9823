#pragma once
// The timer of a source that looks at something every few seconds (the sysfs poll, the clock
// check). While nothing else wakes the program it fires on whole seconds of its own; while a
// run lasts, the run's one-second ticks come anyway and the look is made on one of them, so a
// run wakes the program once a second and never in between.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

namespace ampora {

class CheckTimer : public QObject {
    Q_OBJECT
public:
    CheckTimer(std::chrono::milliseconds interval, std::function<void()> check, QObject* parent = nullptr);

    // The run's timer ticked: the own timer waits again from now, and the look is made on this
    // tick when its interval, less half a tick, has passed since the last look.
    void RunTicked();

private:
    void Check();

    std::function<void()> m_check;
    QTimer m_timer;
    QElapsedTimer m_sinceCheck;
};

} // namespace ampora
