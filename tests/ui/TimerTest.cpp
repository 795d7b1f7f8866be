#include "controls/Timer.h"
#include "ui/TimerBinder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <thread>

namespace ortavel::test {
namespace {

class TimerTest : public ::testing::Test {
protected:
    TimerTest()
    {
        timer.onTimer = [this] { ++ticks; };
    }
    // Declared first: the binder unsubscribes from it when qtimer goes.
    Timer timer{"Timer1", 20};
    QTimer qtimer;
    TimerBinder *binder = new TimerBinder(timer, &qtimer);
    int ticks = 0;
};

TEST_F(TimerTest, FollowsEnabledAndInterval)
{
    EXPECT_FALSE(qtimer.isActive()) << "a timer starts disabled";
    timer.setEnabled(true);
    EXPECT_TRUE(qtimer.isActive());
    EXPECT_EQ(qtimer.interval(), 20);
    EXPECT_TRUE(QTest::qWaitFor([this] { return ticks >= 3; }, 2000));

    timer.setInterval(35);
    EXPECT_EQ(qtimer.interval(), 35);
    timer.setInterval(0);
    EXPECT_FALSE(qtimer.isActive()) << "an interval of 0 stops it";
    timer.setInterval(20);
    timer.setEnabled(false);
    EXPECT_FALSE(qtimer.isActive());
    const int before = ticks;
    QTest::qWait(80);
    EXPECT_EQ(ticks, before);
}

TEST_F(TimerTest, TicksMissedWhileBusyArriveOnce)
{
    timer.setEnabled(true);
    // Busy for several intervals, as during a long exchange.
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);
}

} // namespace
} // namespace ortavel::test
