#include "platform/linux/CheckTimer.h"

namespace ampora {

namespace {

// Ticks come a second apart: a look due within half a tick is made on this one.
constexpr std::chrono::milliseconds kHalfTick{500};

} // namespace

CheckTimer::CheckTimer(std::chrono::milliseconds interval, std::function<void()> check, QObject* parent)
    : QObject(parent), m_check(std::move(check))
{
    // Second accuracy is plenty and lets the system bundle the wake-ups.
    m_timer.setTimerType(Qt::VeryCoarseTimer);
    m_timer.setInterval(interval);
    connect(&m_timer, &QTimer::timeout, this, &CheckTimer::Check);
    m_timer.start();
    m_sinceCheck.start();
}

void CheckTimer::RunTicked()
{
    m_timer.start();
    if (std::chrono::milliseconds(m_sinceCheck.elapsed()) + kHalfTick >= m_timer.intervalAsDuration())
        Check();
}

void CheckTimer::Check()
{
    m_sinceCheck.start();
    m_check();
}

} // namespace ampora
