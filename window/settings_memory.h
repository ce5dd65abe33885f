#pragma once

// What the window keeps between starts: its settings as recipe text, in QSettings' standard
// place for the program, or in an INI file of its own (tests).

#include <QString>
#include <string>

namespace quill
{

class SettingsMemory
{
public:
    // `iniFile` empty: the standard place.
    explicit SettingsMemory(QString iniFile = {}) : iniFile_(std::move(iniFile)) {}

    // The recipe text kept last; empty when none was.
    std::string recall() const;
    void keep(const std::string& recipe) const;

private:
    QString iniFile_;
};

} // namespace quill
