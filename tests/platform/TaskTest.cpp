#include "platform/Task.h"
#include "EventWait.h"

#include <QThread>
#include <gtest/gtest.h>

namespace lumo {
namespace {

// A step whose result the test gives by hand; its handle says when it was dropped.
struct ManualStep {
    std::function<void(int)> give;
    bool dropped = false;

    Step<int> operator()() {
        return step<int>([this](auto done) {
            give = done;
            return whenDropped([this] { dropped = true; });
        });
    }
};

struct Procedure {
    ManualStep first;
    ManualStep second;
    std::vector<int> seen;
    bool ended = false;
    Task task;
    std::function<void()> onEnd;

    Task run() {
        seen.push_back(co_await first());
        // A result known at once goes straight on.
        seen.push_back(co_await step<int>([](auto done) {
            done(7);
            return PendingPtr{};
        }));
        seen.push_back(co_await second());
        ended = true;
        if (onEnd) {
            onEnd();
        }
    }
};

TEST(Task, RunsTopToBottomAsResultsArriveAndDroppingItCancelsTheStepItWaitsOn) {
    Procedure p;
    p.task = p.run();
    EXPECT_TRUE(p.task.running());
    ASSERT_TRUE(p.first.give);
    p.first.give(1);
    EXPECT_TRUE(p.first.dropped) << "a finished step's handle goes with its wait";
    ASSERT_TRUE(p.second.give);
    EXPECT_EQ(p.seen, (std::vector<int>{1, 7}));

    auto late = p.second.give;
    p.task.reset();
    EXPECT_TRUE(p.second.dropped) << "the step waited on is cancelled";
    late(2); // a result after the end is dropped, not resumed into a destroyed frame
    EXPECT_FALSE(p.ended);
    EXPECT_FALSE(p.task.running());
}

// An owner told that the procedure ended may start it again: the old frame ends itself.
TEST(Task, ATaskReplacedByItsOwnBodyEndsCleanly) {
    Procedure p;
    int runs = 0;
    p.onEnd = [&] {
        if (++runs == 1) {
            p.ended = false;
            p.task = p.run();
        }
    };
    p.task = p.run();
    p.first.give(1);
    p.second.give(2);
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(p.task.running()) << "the second run waits on its first step";
    p.first.give(3);
    p.second.give(4);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(p.seen, (std::vector<int>{1, 7, 2, 3, 7, 4}));
    EXPECT_FALSE(p.task.running());
}

TEST(Task, WorkOffThreadReturnsOnTheCallingThreadUnlessItsHandleIsDropped) {
    std::optional<int> result;
    PendingPtr work = offThread([&result, caller = QThread::currentThread()] {
        return [&result, caller] { result = QThread::currentThread() == caller ? 1 : -1; };
    });
    int dropped = 0;
    offThread([&dropped] { return [&dropped] { ++dropped; }; }).reset();
    ASSERT_TRUE(test::waitUntil([&] { return result.has_value(); }, 5000));
    EXPECT_EQ(*result, 1);
    test::waitUntil([] { return false; }, 100);
    EXPECT_EQ(dropped, 0);
}

} // namespace
} // namespace lumo
