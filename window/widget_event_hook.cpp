#include "window/widget_event_hook.h"

#include <QWidget>
#include <algorithm>

namespace quill
{

namespace
{

bool listed(const std::vector<QEvent::Type>& list, QEvent::Type type)
{
    return std::find(list.begin(), list.end(), type) != list.end();
}

bool addNew(std::vector<QEvent::Type>& list, WidgetEventHook::EventTypes types)
{
    bool allNew = true;
    for (const QEvent::Type type : types) {
        if (listed(list, type))
            allNew = false;
        else
            list.push_back(type);
    }
    return allNew;
}

} // namespace

WidgetEventHook::WidgetEventHook(QObject* parent) : QObject(parent) {}

WidgetEventHook::~WidgetEventHook()
{
    unhook();
}

bool WidgetEventHook::addBeforeEvents(EventTypes types)
{
    return addNew(before_, types);
}

bool WidgetEventHook::addAfterEvents(EventTypes types)
{
    return addNew(after_, types);
}

bool WidgetEventHook::hook(QWidget* widget, WidgetEventListener* listener)
{
    if (listener_ || !widget || !listener)
        return false;
    widget_ = widget;
    listener_ = listener;
    widget->installEventFilter(this);
    // By the time `destroyed` arrives the widget can no longer be asked anything.
    widgetGone_ = connect(widget, &QObject::destroyed, this, [this] { unhook(); });
    return true;
}

bool WidgetEventHook::unhook()
{
    if (!listener_)
        return false;
    disconnect(widgetGone_);
    if (widget_)
        widget_->removeEventFilter(this);
    widget_ = nullptr;
    listener_ = nullptr;
    return true;
}

bool WidgetEventHook::wantsBefore(QEvent::Type type) const
{
    return allBefore_ || listed(before_, type);
}

bool WidgetEventHook::wantsAfter(QEvent::Type type) const
{
    return allAfter_ || listed(after_, type);
}

bool WidgetEventHook::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* widget = widget_;
    if (!listener_ || watched != widget)
        return false;
    const bool before = wantsBefore(event->type());
    const bool after = wantsAfter(event->type());
    if (before && listener_->beforeEvent(widget, event))
        return true;
    // Also when the listener unhooked the widget just now: then it is delivered as usual.
    if (!after || widget_ != widget)
        return false;
    return deliverAround(widget, event);
}

// Delivers `event` to the widget here, so that the listener can look afterwards, and tells
// Qt it has been delivered. Qt passes a propagating event on to the parent when its
// delivery returned false or the event was ignored; the delivery now always returns true,
// so an unhandled event is marked ignored instead.
bool WidgetEventHook::deliverAround(QWidget* widget, QEvent* event)
{
    const QPointer<QWidget> alive(widget);
    bool handled = static_cast<QObject*>(widget)->event(event);
    if (alive && listener_ && widget_ == widget)
        listener_->afterEvent(widget, event, handled);
    if (!handled)
        event->ignore();
    return true;
}

} // namespace quill
