#pragma once

// The window's settings as `generate` options, the other way round from applying options:
// what the window's 保存设置 writes as a recipe and what it remembers between starts.

#include "settings/exercise_settings.h"

#include <string>
#include <vector>

namespace quill
{

// The options that, applied to fresh settings, give these settings again: only the ones that
// differ from what the grade, kind and number type start with, and only for controls that
// are enabled (a disabled control's value means nothing to the next set).
std::vector<std::string> settingsOptions(const ExerciseSettings& settings);

// Fresh settings with the options applied as clicks, quietly. Throws UsageError for options
// that cannot apply, and for parts of a mixed sheet, which the window cannot show.
ExerciseSettings settingsOfOptions(const std::vector<std::string>& options);

} // namespace quill
