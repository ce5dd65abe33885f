#include "window/window_notifier.h"

#include "window/tray_notifications.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTime>

namespace quill
{

void WindowNotifier::attach(QPlainTextEdit* messageLine, TrayNotifications* tray)
{
    messageLine_ = messageLine;
    tray_ = tray;
}

void WindowNotifier::show(const std::string& text, const std::string& title, TrayIcon icon)
{
    const QString message = QString::fromStdString(text);
    if (messageLine_) {
        // Multi-line notices stay together on one line of the list.
        QString line = message;
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));
        messageLine_->appendPlainText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss ")) +
                                      line);
        messageLine_->verticalScrollBar()->setValue(messageLine_->verticalScrollBar()->maximum());
    }
    if (tray_)
        tray_->showBalloon(message, QString::fromStdString(title), icon);
}

} // namespace quill
