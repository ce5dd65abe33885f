#include "window/popup_menu_closer.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QMenu>

namespace quill
{

namespace
{

// A menu opened at the pointer may be placed a pixel off it near the screen's edges.
constexpr int edgeTolerance = 3;

qint64 monotonicMilliseconds()
{
    static QElapsedTimer started = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return started.elapsed();
}

} // namespace

PopupMenuCloser::PopupMenuCloser(PointerPosition pointer, Milliseconds clock)
    : pointer_(pointer ? std::move(pointer) : PointerPosition([] { return QCursor::pos(); })),
      clock_(clock ? std::move(clock) : Milliseconds(monotonicMilliseconds))
{
}

void PopupMenuCloser::watch(QMenu* menu)
{
    menus_.append(menu);
}

QList<QPointer<QMenu>> PopupMenuCloser::openMenus() const
{
    QList<QPointer<QMenu>> open;
    for (const QPointer<QMenu>& menu : menus_)
        if (menu && menu->isVisible())
            open.append(menu);
    return open;
}

void PopupMenuCloser::closeWhenLeft()
{
    const QList<QPointer<QMenu>> open = openMenus();
    if (open.isEmpty()) {
        armed_ = false;
        return;
    }
    const QPoint at = pointer_();
    bool over = false;
    for (const QPointer<QMenu>& menu : open)
        over = over || menu->geometry()
                           .adjusted(-edgeTolerance, -edgeTolerance, edgeTolerance, edgeTolerance)
                           .contains(at);
    if (over) {
        armed_ = false;
        return;
    }
    const qint64 now = clock_();
    if (!armed_) {
        armed_ = true;
        leaveTime_ = now;
        return;
    }
    if (now - leaveTime_ > graceMilliseconds) {
        armed_ = false;
        for (const QPointer<QMenu>& menu : open)
            menu->close();
    }
}

} // namespace quill
