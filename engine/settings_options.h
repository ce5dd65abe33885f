#pragma once

// The window's settings as `generate` options, the other way round from applying options:
// what the window's 保存设置 writes as a recipe, what it remembers between starts, and how
// a part of a mixed sheet built in the window is kept in the history.

#include "settings/exercise_settings.h"

#include <optional>
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

// The options of a part of a mixed sheet (settingsOptions without the run's 答案 and 格式);
// none when no options make exactly these settings (as applying them shows): a box holding
// more than digits, or a combination only clicks can reach.
std::optional<std::vector<std::string>> generateOptionsOf(const ExerciseSettings& settings);

// Whether two settings draw and write the same sheets: the kind, numbers, operations, ranges,
// item rules and layout alike. 答案, 格式 and 保存 belong to the run, and the law and unit
// menus to kinds no mixed sheet holds: they are left out.
bool sameSheetSettings(const ExerciseSettings& a, const ExerciseSettings& b);

} // namespace quill
