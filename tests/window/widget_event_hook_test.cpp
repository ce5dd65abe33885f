#include "window/widget_event_hook.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QSpontaneKeyEvent>
#include <QStringList>
#include <QWheelEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace quill
{
namespace
{

QString nameOf(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return QStringLiteral("key");
    case QEvent::Wheel:
        return QStringLiteral("wheel");
    case QEvent::User:
        return QStringLiteral("user");
    default:
        return QString();
    }
}

// The widget and the listener write into one log, so that the order can be read.
class LoggingWidget : public QWidget
{
public:
    explicit LoggingWidget(QStringList& log, QWidget* parent = nullptr) : QWidget(parent), log(log)
    {
    }
    QStringList& log;

protected:
    bool event(QEvent* event) override
    {
        if (!nameOf(event).isEmpty())
            log << objectName() + QStringLiteral(" ") + nameOf(event);
        return QWidget::event(event);
    }
};

struct LoggingListener : WidgetEventListener {
    explicit LoggingListener(QStringList& log) : log(log) {}
    QStringList& log;
    QEvent::Type consumed = QEvent::None;
    QList<QEvent::Type> seenAfter;

    bool beforeEvent(QWidget*, QEvent* event) override
    {
        log << QStringLiteral("before ") + nameOf(event);
        return event->type() == consumed;
    }
    void afterEvent(QWidget*, QEvent* event, bool&) override
    {
        log << QStringLiteral("after ") + nameOf(event);
        seenAfter << event->type();
    }
};

class WidgetEventHookTest : public ::testing::Test
{
protected:
    QStringList log;
    std::unique_ptr<LoggingWidget> widget = std::make_unique<LoggingWidget>(log);
    LoggingListener listener{log};
    WidgetEventHook hook;

    WidgetEventHookTest() { widget->setObjectName(QStringLiteral("widget")); }

    void send(QEvent::Type type, QWidget* to = nullptr)
    {
        QKeyEvent key(type, Qt::Key_A, Qt::NoModifier);
        QCoreApplication::sendEvent(to ? to : widget.get(), &key);
    }
};

TEST_F(WidgetEventHookTest, ChosenEventsAreSeenAroundTheWidgetAndAConsumedOneGoesNoFurther)
{
    ASSERT_TRUE(hook.addBeforeEvents({QEvent::KeyPress}));
    ASSERT_TRUE(hook.addAfterEvents({QEvent::KeyPress}));
    ASSERT_TRUE(hook.hook(widget.get(), &listener));
    send(QEvent::KeyPress);
    send(QEvent::User);
    EXPECT_EQ(log, QStringList({"before key", "widget key", "after key", "widget user"}));
    log.clear();
    listener.consumed = QEvent::KeyPress;
    send(QEvent::KeyPress);
    EXPECT_EQ(log, QStringList({"before key"}));
}

TEST_F(WidgetEventHookTest, ATypeAddedTwiceIsRefusedAndSeenOnce)
{
    ASSERT_TRUE(hook.addAfterEvents({QEvent::KeyPress}));
    EXPECT_FALSE(hook.addAfterEvents({QEvent::KeyPress}));
    EXPECT_FALSE(hook.addAfterEvents({QEvent::User, QEvent::KeyPress})) << "one was known";
    EXPECT_FALSE(hook.addAfterEvents({QEvent::User})) << "the new one was added all the same";
    hook.hook(widget.get(), &listener);
    send(QEvent::KeyPress);
    EXPECT_EQ(log, QStringList({"widget key", "after key"}));
}

TEST_F(WidgetEventHookTest, TheAllEventsFlagsReachEveryType)
{
    hook.setAllBeforeEvents(true);
    hook.setAllAfterEvents(true);
    hook.hook(widget.get(), &listener);
    widget->resize(40, 30);
    widget->show();
    send(QEvent::User);
    for (const QEvent::Type type : {QEvent::Resize, QEvent::Show, QEvent::User})
        EXPECT_TRUE(listener.seenAfter.contains(type)) << type;
    EXPECT_TRUE(log.contains("before user"));
}

TEST_F(WidgetEventHookTest, OneWidgetAtATimeUntilUnhookedOrDestroyed)
{
    hook.addAfterEvents({QEvent::KeyPress});
    LoggingWidget other(log);
    EXPECT_FALSE(hook.unhook()) << "nothing hooked yet";
    ASSERT_TRUE(hook.hook(widget.get(), &listener));
    EXPECT_FALSE(hook.hook(&other, &listener));
    EXPECT_TRUE(hook.unhook());
    send(QEvent::KeyPress);
    EXPECT_EQ(log, QStringList({"widget key"})) << "unhooked, the widget is on its own again";

    ASSERT_TRUE(hook.hook(widget.get(), &listener));
    widget.reset();
    EXPECT_EQ(hook.widget(), nullptr);
    EXPECT_FALSE(hook.unhook()) << "the hook ended with the widget";
    ASSERT_TRUE(hook.hook(&other, &listener));
    send(QEvent::KeyPress, &other);
    EXPECT_TRUE(log.endsWith("after key"));
}

// The hook hands the event to the widget itself; a wheel the widget leaves unhandled must
// still go on to the parent, as without the hook: ignored by its handler, or refused by a
// disabled widget.
TEST_F(WidgetEventHookTest, AnUnhandledWheelStillReachesTheParent)
{
    hook.addAfterEvents({QEvent::Wheel});
    for (const bool enabled : {true, false}) {
        LoggingWidget child(log, widget.get());
        child.setObjectName(QStringLiteral("child"));
        child.setEnabled(enabled);
        hook.hook(&child, &listener);
        log.clear();
        QWheelEvent wheel(QPointF(1, 1), QPointF(1, 1), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        // As the user's own wheel arrives: Qt passes only those on to the parent.
        QSpontaneKeyEvent::setSpontaneous(&wheel);
        QCoreApplication::instance()->notify(&child, &wheel);
        EXPECT_EQ(log, QStringList({"child wheel", "after wheel", "widget wheel"})) << enabled;
        hook.unhook();
    }
}

} // namespace
} // namespace quill
