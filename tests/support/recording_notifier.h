#pragma once

#include "settings/notifier.h"

#include <memory>
#include <string>
#include <vector>

namespace quill::testing
{

// Keeps every message shown, so tests can compare the exact texts.
class RecordingNotifier : public Notifier
{
public:
    std::vector<std::string> messages;

    bool saw(const std::string& text) const
    {
        for (const std::string& m : messages)
            if (m == text)
                return true;
        return false;
    }

protected:
    void show(const std::string& text, const std::string&, TrayIcon) override
    {
        messages.push_back(text);
    }
};

} // namespace quill::testing
