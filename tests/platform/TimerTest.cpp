#include "platform/Timer.h"
#include "EventWait.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(Timer, ZeroMeansStoppedAndAnyOtherIntervalStartsIt) {
    Timer timer;
    int ticks = 0;
    timer.onTick([&] { ++ticks; });
    EXPECT_EQ(timer.interval(), 0);
    test::waitUntil([] { return false; }, 60);
    EXPECT_EQ(ticks, 0);

    timer.setInterval(10);
    EXPECT_TRUE(test::waitUntil([&] { return ticks >= 3; }, 5000));
    timer.setInterval(0);
    const int stoppedAt = ticks;
    test::waitUntil([] { return false; }, 60);
    EXPECT_EQ(ticks, stoppedAt);
    timer.setInterval(-5);
    EXPECT_EQ(timer.interval(), 0);
}

TEST(Timer, AOneShotHandlerStopsItselfAtTheStartOfItsTick) {
    Timer timer;
    int ticks = 0;
    timer.onTick([&] {
        if (timer.interval() == 0) {
            return;
        }
        timer.setInterval(0);
        ++ticks;
    });
    timer.setInterval(5);
    test::waitUntil([] { return false; }, 100);
    EXPECT_EQ(ticks, 1);
    // A tick that arrives after the interval was cleared does nothing.
    timer.tick();
    EXPECT_EQ(ticks, 1);
}

} // namespace
} // namespace lumo
