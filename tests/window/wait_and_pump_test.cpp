#include "window/event_pump.h"
#include "window/wait_seconds.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace quill
{
namespace
{

TEST(waitWithEvents, WaitsMoreThanAskedButNotMuchLongerAndHandlesTimersMeanwhile)
{
    bool fired = false;
    QTimer::singleShot(50, [&] { fired = true; });
    QElapsedTimer clock;
    clock.start();
    waitWithEvents(0.3);
    const qint64 waited = clock.elapsed();
    EXPECT_TRUE(fired);
    EXPECT_GE(waited, 300);
    EXPECT_LT(waited, 600);
}

TEST(waitWithEvents, NothingToWaitForReturnsAtOnce)
{
    QElapsedTimer clock;
    clock.start();
    waitWithEvents(0);
    waitWithEvents(-2);
    EXPECT_LT(clock.elapsed(), 50);
}

TEST(ThrottledEventPump, HandlesWaitingEventsOnlyOnceTheIntervalHasPassed)
{
    ThrottledEventPump pump(20ms);
    pump(); // the first call handles events
    EXPECT_EQ(pump.handledCount(), 1);

    bool delivered = false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&] { delivered = true; }, Qt::QueuedConnection);
    pump();
    EXPECT_FALSE(delivered) << "handled again within the interval";

    QElapsedTimer clock;
    clock.start();
    while (!delivered && clock.elapsed() < 1000)
        pump();
    EXPECT_TRUE(delivered);
    EXPECT_GE(clock.elapsed(), 10);
    EXPECT_EQ(pump.handledCount(), 2);
}

TEST(ThrottledEventPump, ManyCallsHandleEventsAtMostOncePerInterval)
{
    ThrottledEventPump pump(2ms);
    QElapsedTimer clock;
    clock.start();
    long calls = 0;
    while (clock.elapsed() < 100) {
        pump();
        ++calls;
    }
    EXPECT_GT(calls, 1000);
    EXPECT_LE(pump.handledCount(), 100 / 2 + 1);
    EXPECT_GE(pump.handledCount(), 10);
}

} // namespace
} // namespace quill
