#pragma once

#include <string>
#include <string_view>

namespace quill
{

enum class TrayIcon { None = 0, Information = 1, Warning = 2, Error = 3 };

inline constexpr std::string_view trayTitle = "Quillmere";

// Every message to the user goes through here: the window shows it as a tray balloon and
// on its message line, the command line prints it, tests record it.
class Notifier
{
public:
    virtual ~Notifier() = default;

    void notify(std::string_view text, std::string_view title = trayTitle,
                TrayIcon icon = TrayIcon::Information)
    {
        show(std::string(text), std::string(title), icon);
    }

protected:
    virtual void show(const std::string& text, const std::string& title, TrayIcon icon) = 0;
};

// For trying settings out on a copy: what the trial would tell is not the user's business.
class SilentNotifier : public Notifier
{
protected:
    void show(const std::string&, const std::string&, TrayIcon) override {}
};

// The application's way to the user: the host's notifier, or for a while a filter put in front
// of it (a class run tells each notice once, not once per pupil).
class NoticeRoute : public Notifier
{
public:
    explicit NoticeRoute(Notifier& host) : to_(&host) {}

    Notifier& target() const { return *to_; }
    void routeTo(Notifier& to) { to_ = &to; }

protected:
    void show(const std::string& text, const std::string& title, TrayIcon icon) override
    {
        to_->notify(text, title, icon);
    }

private:
    Notifier* to_;
};

} // namespace quill
