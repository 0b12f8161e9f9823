// The floor under ampora-cli record's steady cost: a Qt event loop without a window whose
// one-second timer (on whole seconds, as the run's) does nothing. Measured beside record by
// scripts/perf/record-cost --floor.
#include <QCoreApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTimer timer;
    timer.setTimerType(Qt::VeryCoarseTimer);
    QObject::connect(&timer, &QTimer::timeout, [] {});
    timer.start(1000);
    return QCoreApplication::exec();
}
