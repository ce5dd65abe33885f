#pragma once

#include "settings/notifier.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QSystemTrayIcon;
class QWidget;

namespace quill
{

// The program's icon in the desktop's notification area and its balloons. A left click on
// the icon brings the owner window back from the taskbar, a right click raises it. Many
// desktops have no notification area; then nothing is shown here and `available()` is false.
class TrayNotifications : public QObject
{
    Q_OBJECT

public:
    explicit TrayNotifications(QWidget* owner);
    ~TrayNotifications() override;

    bool available() const;

    // The icon appears with `tooltip` (the window title) until hideIcon.
    void showIcon(const QString& tooltip);
    void hideIcon();

    // A balloon of the icon; a new one replaces the one being shown.
    void showBalloon(const QString& text, const QString& title, TrayIcon icon);

private:
    void onActivated(int reason);
    void restoreOwner();
    void bringOwnerToFront();

    QPointer<QWidget> owner_;
    QSystemTrayIcon* icon_ = nullptr;
};

} // namespace quill
