// A source's own looks: on its own timer while nothing ticks, on the run's ticks while they come.
#include "platform/linux/CheckTimer.h"

#include <QTest>

#include <gtest/gtest.h>

namespace ampora {
namespace {

using namespace std::chrono_literals;

struct Looks {
    bool inTick = false;
    int onTicks = 0;
    int onItsOwn = 0;
};

TEST(CheckTimer, LooksOnItsOwnWithoutTicks)
{
    Looks looks;
    CheckTimer timer(1s, [&] { ++(looks.inTick ? looks.onTicks : looks.onItsOwn); });
    QTest::qWait(2600);
    EXPECT_GE(looks.onItsOwn, 1);
}

TEST(CheckTimer, LooksOnlyOnTheTicksWhileTheyCome)
{
    // A one-second look with ticks every 300 ms: a look falls due on every second tick
    // (at least half a second since the last), and the own timer never gets to fire.
    Looks looks;
    CheckTimer timer(1s, [&] { ++(looks.inTick ? looks.onTicks : looks.onItsOwn); });
    for (int tick = 0; tick < 10; ++tick) {
        QTest::qWait(300);
        looks.inTick = true;
        timer.RunTicked();
        looks.inTick = false;
    }
    EXPECT_EQ(looks.onItsOwn, 0);
    EXPECT_GE(looks.onTicks, 4);
    EXPECT_LE(looks.onTicks, 5);
}

} // namespace
} // namespace ampora
