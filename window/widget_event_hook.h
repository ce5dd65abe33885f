#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <initializer_list>
#include <vector>

class QWidget;

namespace quill
{

// Someone who wants to see chosen events of a widget around the widget's own handling.
class WidgetEventListener
{
public:
    virtual ~WidgetEventListener() = default;

    // Before the widget sees `event`. Returning true consumes it: the widget never sees it.
    virtual bool beforeEvent(QWidget* widget, QEvent* event) = 0;

    // After the widget has handled `event`; `handled` is what the widget's event() returned
    // and may be changed. A propagating event (mouse, wheel, key) that ends up unhandled or
    // ignored goes on to the parent, as without the hook.
    virtual void afterEvent(QWidget* widget, QEvent* event, bool& handled) = 0;
};

// Shows one widget's events of chosen types to a listener before and after the widget
// handles them. Unchosen types pass untouched. For the chosen "after" types the hook hands
// the event to the widget itself, so event filters installed on the widget before the hook
// do not see them: hook a widget before others filter it. The hook ends by itself when the
// widget is destroyed, and when the hook is.
class WidgetEventHook : public QObject
{
    Q_OBJECT

public:
    using EventTypes = std::initializer_list<QEvent::Type>;

    explicit WidgetEventHook(QObject* parent = nullptr);
    ~WidgetEventHook() override;

    // Each returns true only if every type was new to its list; known ones are kept once.
    bool addBeforeEvents(EventTypes types);
    bool addAfterEvents(EventTypes types);

    // Every event type, whatever the lists hold.
    bool allBeforeEvents() const { return allBefore_; }
    void setAllBeforeEvents(bool all) { allBefore_ = all; }
    bool allAfterEvents() const { return allAfter_; }
    void setAllAfterEvents(bool all) { allAfter_ = all; }

    // Refused (false) while a widget is hooked, or without a widget or listener. The
    // listener is not owned and must outlive the hook or be unhooked first.
    bool hook(QWidget* widget, WidgetEventListener* listener);
    // False when nothing is hooked.
    bool unhook();

    QWidget* widget() const { return widget_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool wantsBefore(QEvent::Type type) const;
    bool wantsAfter(QEvent::Type type) const;
    bool deliverAround(QWidget* widget, QEvent* event);

    std::vector<QEvent::Type> before_;
    std::vector<QEvent::Type> after_;
    bool allBefore_ = false;
    bool allAfter_ = false;
    QPointer<QWidget> widget_;
    WidgetEventListener* listener_ = nullptr;
    QMetaObject::Connection widgetGone_;
};

} // namespace quill
