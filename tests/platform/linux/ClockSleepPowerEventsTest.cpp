// Stand-by noticed from the clocks after the fact.
#include "platform/linux/ClockSleepPowerEvents.h"

#include "EventWait.h"

#include <gtest/gtest.h>

namespace ampora {
namespace {

using namespace std::chrono_literals;

TEST(ClockSleepPowerEventsTest, ASleepLongerThanTheThresholdIsAStandBy)
{
    int64_t slept = 1'000'000'000; // already slept a second before the program started
    ClockSleepEvents events(1h, [&] { return slept; });
    test::SignalCount suspend(&events, &PowerEventSource::aboutToSuspend);
    test::SignalCount status(&events, &PowerEventSource::powerStatusChanged);

    slept += 4'000'000'000; // a short hiccup, not a stand-by
    events.CheckNow();
    EXPECT_EQ(suspend.count(), 0);

    slept += 60'000'000'000; // a minute asleep
    events.CheckNow();
    EXPECT_EQ(suspend.count(), 1);
    events.CheckNow();
    EXPECT_EQ(suspend.count(), 1) << "one sleep, one stand-by";
    EXPECT_EQ(status.count(), 0);
}

TEST(ClockSleepPowerEventsTest, TheRealClocksDoNotClaimASleepJustNow)
{
    const int64_t before = SleptSinceBoot();
    EXPECT_FALSE(SleptBetween(before, SleptSinceBoot(), ClockSleepEvents::kThreshold));
}

} // namespace
} // namespace ampora
