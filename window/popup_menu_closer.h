#pragma once

#include <QList>
#include <QPoint>
#include <QPointer>
#include <functional>

class QMenu;

namespace quill
{

// Closes the program's popup menus that the pointer has left: menus open when the mouse
// merely rests on an option, so one the user moved away from should not stay behind. Only
// the watched menus are closed, and nothing is sent to other windows.
class PopupMenuCloser
{
public:
    using PointerPosition = std::function<QPoint()>;
    using Milliseconds = std::function<qint64()>;

    // Defaults: the real pointer and the monotonic clock.
    explicit PopupMenuCloser(PointerPosition pointer = {}, Milliseconds clock = {});

    void watch(QMenu* menu);

    // One look, made every half second: a menu whose pointer has been outside every open
    // watched menu for more than a second is closed.
    void closeWhenLeft();

    static constexpr qint64 graceMilliseconds = 1000;

private:
    QList<QPointer<QMenu>> openMenus() const;

    PointerPosition pointer_;
    Milliseconds clock_;
    QList<QPointer<QMenu>> menus_;
    bool armed_ = false; // the pointer is outside an open menu since leaveTime_
    qint64 leaveTime_ = 0;
};

} // namespace quill
