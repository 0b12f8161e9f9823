#include "platform/linux/ClockSleepPowerEvents.h"

#include <ctime>

namespace ampora {

namespace {

int64_t Nanoseconds(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec;
}

} // namespace

int64_t SleptSinceBoot()
{
    return Nanoseconds(CLOCK_BOOTTIME) - Nanoseconds(CLOCK_MONOTONIC);
}

bool SleptBetween(int64_t before, int64_t after, std::chrono::nanoseconds threshold)
{
    return after - before > threshold.count();
}

ClockSleepEvents::ClockSleepEvents(std::chrono::milliseconds interval, std::function<int64_t()> slept, QObject* parent)
    : PowerEventSource(parent), m_slept(std::move(slept)), m_last(m_slept()), m_checks(interval, [this] { CheckNow(); })
{
}

void ClockSleepEvents::CheckNow()
{
    const int64_t now = m_slept();
    const bool slept = SleptBetween(m_last, now, kThreshold);
    m_last = now;
    if (slept)
        emit aboutToSuspend();
}

} // namespace ampora
