#include "window/tray_notifications.h"

#include <QSystemTrayIcon>
#include <QWidget>

namespace quill
{

namespace
{

QSystemTrayIcon::MessageIcon messageIcon(TrayIcon icon)
{
    switch (icon) {
    case TrayIcon::None:
        return QSystemTrayIcon::NoIcon;
    case TrayIcon::Information:
        return QSystemTrayIcon::Information;
    case TrayIcon::Warning:
        return QSystemTrayIcon::Warning;
    case TrayIcon::Error:
        return QSystemTrayIcon::Critical;
    }
    return QSystemTrayIcon::Information;
}

} // namespace

TrayNotifications::TrayNotifications(QWidget* owner) : QObject(owner), owner_(owner) {}

TrayNotifications::~TrayNotifications()
{
    hideIcon();
}

bool TrayNotifications::available() const
{
    return icon_ && icon_->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayNotifications::showIcon(const QString& tooltip)
{
    if (!icon_) {
        icon_ = new QSystemTrayIcon(owner_->windowIcon(), this);
        connect(icon_, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) { onActivated(reason); });
    }
    icon_->setToolTip(tooltip);
    icon_->show();
}

void TrayNotifications::hideIcon()
{
    if (icon_)
        icon_->hide();
}

void TrayNotifications::showBalloon(const QString& text, const QString& title, TrayIcon icon)
{
    if (available())
        icon_->showMessage(title, text, messageIcon(icon));
}

void TrayNotifications::onActivated(int reason)
{
    if (!owner_)
        return;
    if (reason == QSystemTrayIcon::Trigger)
        restoreOwner();
    else if (reason == QSystemTrayIcon::Context)
        bringOwnerToFront();
}

// Back from the taskbar as it was before: a window maximised then minimised comes back
// maximised, not at its normal size.
void TrayNotifications::restoreOwner()
{
    owner_->setWindowState(owner_->windowState() & ~Qt::WindowMinimized);
    owner_->show();
    bringOwnerToFront();
}

void TrayNotifications::bringOwnerToFront()
{
    owner_->raise();
    owner_->activateWindow();
}

} // namespace quill
