#pragma once

#include "settings/notifier.h"

#include <QPointer>

class QPlainTextEdit;

namespace quill
{

class TrayNotifications;

// The window's notices: a balloon of the tray icon where the desktop has a notification
// area, and always a line in the window's message area, so none is lost without a tray.
class WindowNotifier : public Notifier
{
public:
    void attach(QPlainTextEdit* messageLine, TrayNotifications* tray);

protected:
    void show(const std::string& text, const std::string& title, TrayIcon icon) override;

private:
    QPointer<QPlainTextEdit> messageLine_;
    QPointer<TrayNotifications> tray_;
};

} // namespace quill
