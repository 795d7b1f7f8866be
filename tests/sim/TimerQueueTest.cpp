#include "sim/TimerQueue.h"

#include <gtest/gtest.h>

#include <string>

namespace ortavel::sim {
namespace {

using namespace std::chrono_literals;

TEST(TimerQueue, RunsDueActionsInOrderOfTimeThenOfScheduling)
{
    TimerQueue queue;
    const auto t0 = TimerQueue::Clock::now();
    std::string order;
    queue.schedule(t0 + 3ms, 1, [&] { order += 'c'; });
    queue.schedule(t0 + 1ms, 1, [&] { order += 'a'; });
    queue.schedule(t0 + 3ms, 2, [&] { order += 'd'; });
    queue.schedule(t0 + 2ms, 2, [&] { order += 'b'; });
    queue.schedule(t0 + 9ms, 2, [&] { order += 'z'; });
    EXPECT_EQ(queue.nextDue(), t0 + 1ms);
    queue.runDue(t0 + 3ms);
    EXPECT_EQ(order, "abcd");
    EXPECT_EQ(queue.nextDue(), t0 + 9ms);
}

TEST(TimerQueue, CancelDropsOneGroupOnly)
{
    TimerQueue queue;
    const auto t0 = TimerQueue::Clock::now();
    std::string order;
    queue.schedule(t0, 1, [&] { order += '1'; });
    queue.schedule(t0, 2, [&] { order += '2'; });
    queue.schedule(t0, 1, [&] { order += '1'; });
    EXPECT_EQ(queue.cancel(1), 2U);
    EXPECT_EQ(queue.cancel(1), 0U);
    queue.runDue(t0);
    EXPECT_EQ(order, "2");
    EXPECT_TRUE(queue.empty());
    EXPECT_EQ(queue.nextDue(), std::nullopt);
}

TEST(TimerQueue, ActionsMayScheduleMore)
{
    TimerQueue queue;
    const auto t0 = TimerQueue::Clock::now();
    int runs = 0;
    queue.schedule(t0, 1, [&] {
        ++runs;
        queue.schedule(t0, 1, [&] { ++runs; });
    });
    queue.runDue(t0);
    EXPECT_EQ(runs, 2);
}

} // namespace
} // namespace ortavel::sim
