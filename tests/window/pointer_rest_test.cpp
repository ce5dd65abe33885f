#include "window/pointer_rest.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace quill
{
namespace
{

class PointerRestTest : public ::testing::Test
{
protected:
    QWidget widget;
    PointerRest rest{&widget, 40ms};
    QSignalSpy rested{&rest, &PointerRest::rested};

    void send(QEvent&& event) { QCoreApplication::sendEvent(&widget, &event); }
    void enter() { send(QEnterEvent(QPointF(5, 5), QPointF(5, 5), QPointF(105, 205))); }
    void moveTo(QPointF global)
    {
        send(QMouseEvent(QEvent::MouseMove, QPointF(6, 6), global, Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier));
    }
};

TEST_F(PointerRestTest, RestingAfterAMoveIsReportedOnceWithThePointerPosition)
{
    enter();
    moveTo(QPointF(106, 206));
    QTest::qWait(120);
    ASSERT_EQ(rested.count(), 1);
    EXPECT_EQ(rested.at(0).at(0).toPoint(), QPoint(106, 206));
}

TEST_F(PointerRestTest, MovingOnPostponesAndLeavingCancels)
{
    enter();
    for (int i = 0; i < 5; ++i) {
        QTest::qWait(15);
        moveTo(QPointF(106 + i, 206));
    }
    EXPECT_EQ(rested.count(), 0);
    send(QEvent(QEvent::Leave));
    QTest::qWait(100);
    EXPECT_EQ(rested.count(), 0);
}

TEST_F(PointerRestTest, ContextMenuRequestsAreReportedAtOnce)
{
    QSignalSpy context(&rest, &PointerRest::contextRequested);
    send(QContextMenuEvent(QContextMenuEvent::Mouse, QPoint(3, 4), QPoint(300, 400)));
    ASSERT_EQ(context.count(), 1);
    EXPECT_EQ(context.at(0).at(0).toPoint(), QPoint(300, 400));
}

} // namespace
} // namespace quill
