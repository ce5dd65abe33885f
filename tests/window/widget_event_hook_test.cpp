#include "window/widget_event_hook.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QSpontaneKeyEvent>
#include <QStringList>
#include <QWheelEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace quill
{
namespace
{

const auto keyPress = QEvent::KeyPress;
const auto userEvent = QEvent::User;

// Writes down every key press and user event it handles, into the log it shares with the
// listener, so the order of before, widget and after can be read.
class LoggingWidget : public QWidget
{
public:
    explicit LoggingWidget(QStringList& log, QWidget* parent = nullptr) : QWidget(parent), log_(log)
    {
    }
    int wheels = 0;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == keyPress || event->type() == userEvent)
            log_ << QStringLiteral("widget %1").arg(event->type());
        if (event->type() == QEvent::Wheel)
            ++wheels;
        return QWidget::event(event);
    }

private:
    QStringList& log_;
};

class LoggingListener : public WidgetEventListener
{
public:
    explicit LoggingListener(QStringList& log) : log_(log) {}
    std::set<QEvent::Type> consume;
    std::set<QEvent::Type> afterSeen;

    bool beforeEvent(QWidget*, QEvent* event) override
    {
        log_ << QStringLiteral("before %1").arg(event->type());
        return consume.contains(event->type());
    }
    void afterEvent(QWidget*, QEvent* event, bool&) override
    {
        log_ << QStringLiteral("after %1").arg(event->type());
        afterSeen.insert(event->type());
    }

private:
    QStringList& log_;
};

QString entry(const char* stage, QEvent::Type type)
{
    return QStringLiteral("%1 %2").arg(QLatin1String(stage)).arg(type);
}

class WidgetEventHookTest : public ::testing::Test
{
protected:
    QStringList log;
    std::unique_ptr<LoggingWidget> widget = std::make_unique<LoggingWidget>(log);
    LoggingListener listener{log};
    WidgetEventHook hook;

    void sendKey()
    {
        QKeyEvent key(keyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QCoreApplication::sendEvent(widget.get(), &key);
    }
    void sendUser()
    {
        QEvent event(userEvent);
        QCoreApplication::sendEvent(widget.get(), &event);
    }
};

TEST_F(WidgetEventHookTest, ListedEventsAreSeenBeforeAndAfterTheWidgetAndOthersPass)
{
    ASSERT_TRUE(hook.addBeforeEvents({keyPress}));
    ASSERT_TRUE(hook.addAfterEvents({keyPress}));
    ASSERT_TRUE(hook.hook(widget.get(), &listener));
    sendKey();
    sendUser();
    EXPECT_EQ(log, QStringList({entry("before", keyPress), entry("widget", keyPress),
                                entry("after", keyPress), entry("widget", userEvent)}));
}

TEST_F(WidgetEventHookTest, ATypeAddedTwiceIsRefusedAndSeenOnce)
{
    ASSERT_TRUE(hook.addAfterEvents({keyPress}));
    EXPECT_FALSE(hook.addAfterEvents({keyPress}));
    EXPECT_FALSE(hook.addAfterEvents({userEvent, keyPress})) << "one of them was known";
    EXPECT_FALSE(hook.addAfterEvents({userEvent})) << "the new one was added all the same";
    hook.hook(widget.get(), &listener);
    sendKey();
    EXPECT_EQ(log.count(entry("after", keyPress)), 1);
    EXPECT_EQ(log.count(entry("widget", keyPress)), 1);
}

TEST_F(WidgetEventHookTest, AllEventsFlagsReachEveryType)
{
    hook.setAllBeforeEvents(true);
    hook.setAllAfterEvents(true);
    hook.hook(widget.get(), &listener);
    widget->resize(40, 30);
    widget->show();
    sendUser();
    for (const QEvent::Type type : {QEvent::Resize, QEvent::Show, userEvent}) {
        EXPECT_TRUE(log.contains(entry("before", type))) << type;
        EXPECT_TRUE(listener.afterSeen.contains(type)) << type;
    }
}

TEST_F(WidgetEventHookTest, AConsumedEventNeverReachesTheWidgetNorTheAfterListener)
{
    hook.addBeforeEvents({keyPress});
    hook.addAfterEvents({keyPress});
    listener.consume = {keyPress};
    hook.hook(widget.get(), &listener);
    sendKey();
    EXPECT_EQ(log, QStringList({entry("before", keyPress)}));
}

TEST_F(WidgetEventHookTest, ASecondWidgetIsRefusedWhileHookedAndUnhookRestores)
{
    hook.addBeforeEvents({keyPress});
    LoggingWidget other(log);
    EXPECT_FALSE(hook.unhook()) << "nothing hooked yet";
    ASSERT_TRUE(hook.hook(widget.get(), &listener));
    EXPECT_FALSE(hook.hook(&other, &listener));
    EXPECT_EQ(hook.widget(), widget.get());
    EXPECT_TRUE(hook.unhook());
    sendKey();
    EXPECT_EQ(log, QStringList({entry("widget", keyPress)}));
    EXPECT_TRUE(hook.hook(&other, &listener));
}

TEST_F(WidgetEventHookTest, DestroyingTheWidgetEndsTheHookByItself)
{
    hook.addAfterEvents({userEvent});
    hook.hook(widget.get(), &listener);
    widget.reset();
    EXPECT_EQ(hook.widget(), nullptr);
    EXPECT_FALSE(hook.unhook()) << "already ended";
    LoggingWidget next(log);
    ASSERT_TRUE(hook.hook(&next, &listener));
    QEvent event(userEvent);
    QCoreApplication::sendEvent(&next, &event);
    EXPECT_TRUE(listener.afterSeen.contains(userEvent));
}

// The hook delivers the event itself; a wheel the widget leaves unhandled must still go on
// to the parent, as it would without the hook: ignored by its handler, or refused outright
// by a disabled widget.
TEST_F(WidgetEventHookTest, AnUnhandledWheelStillReachesTheParent)
{
    for (const bool enabled : {true, false}) {
        LoggingWidget child(log, widget.get());
        child.setEnabled(enabled);
        hook.addAfterEvents({QEvent::Wheel});
        hook.hook(&child, &listener);
        widget->wheels = 0;
        QWheelEvent wheel(QPointF(1, 1), QPointF(1, 1), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        // As the user's own wheel arrives: Qt passes only those on to the parent.
        QSpontaneKeyEvent::setSpontaneous(&wheel);
        QCoreApplication::instance()->notify(&child, &wheel);
        EXPECT_EQ(child.wheels, 1) << "enabled " << enabled;
        EXPECT_EQ(widget->wheels, 1) << "enabled " << enabled;
        hook.unhook();
    }
    EXPECT_TRUE(listener.afterSeen.contains(QEvent::Wheel));
}

} // namespace
} // namespace quill
