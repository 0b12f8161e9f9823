#pragma once
// Stand-by noticed after the fact, where logind cannot announce it: CLOCK_BOOTTIME counts the
// time the machine slept and CLOCK_MONOTONIC does not, so when the first runs ahead of the
// second by more than a few seconds between two looks, the machine slept in between, and
// aboutToSuspend is sent then (the run is stopped as for a stand-by, only later).
#include "platform/PowerEvents.h"

#include "platform/linux/CheckTimer.h"

#include <chrono>
#include <cstdint>
#include <functional>

namespace ampora {

// Nanoseconds of CLOCK_BOOTTIME minus CLOCK_MONOTONIC: the time slept since boot.
int64_t SleptSinceBoot();

// True when the time slept grew by more than `threshold` between the two readings.
bool SleptBetween(int64_t before, int64_t after, std::chrono::nanoseconds threshold);

class ClockSleepEvents : public PowerEventSource {
    Q_OBJECT
public:
    // A multiple of the sysfs poll's 3 s: where both run they wake the program together.
    static constexpr std::chrono::milliseconds kDefaultInterval{6000};
    static constexpr std::chrono::seconds kThreshold{5};

    // `slept` stands for SleptSinceBoot (tests script it).
    explicit ClockSleepEvents(std::chrono::milliseconds interval = kDefaultInterval,
                              std::function<int64_t()> slept = SleptSinceBoot, QObject* parent = nullptr);

    // Looks at the clocks now; sends aboutToSuspend when a sleep happened since the last look.
    void CheckNow();

    void RunTicked() override { m_checks.RunTicked(); }

private:
    std::function<int64_t()> m_slept;
    int64_t m_last;
    CheckTimer m_checks;
};

} // namespace ampora
