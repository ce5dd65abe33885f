#include "window/pointer_rest.h"

#include <QContextMenuEvent>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>

namespace quill
{

PointerRest::PointerRest(QWidget* widget, std::chrono::milliseconds delay) : QObject(widget)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    timer_.setSingleShot(true);
    timer_.setInterval(delay);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (inside_)
            emit rested(position_);
    });
}

void PointerRest::restartAt(QPoint globalPosition)
{
    inside_ = true;
    position_ = globalPosition;
    timer_.start();
}

bool PointerRest::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Enter:
        restartAt(static_cast<QEnterEvent*>(event)->globalPosition().toPoint());
        break;
    case QEvent::MouseMove:
        restartAt(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            restartAt(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        break;
    case QEvent::Leave:
    case QEvent::Hide:
        inside_ = false;
        timer_.stop();
        break;
    case QEvent::ContextMenu:
        timer_.stop();
        emit contextRequested(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quill
