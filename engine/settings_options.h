#pragma once

// The `generate` options that make given settings from fresh ones: a part of a mixed sheet
// built in the window is kept in the history as a part given on the command line is.

#include "settings/exercise_settings.h"

#include <optional>
#include <string>
#include <vector>

namespace quill
{

// None when no options make exactly these settings (as applying them shows): a box holding
// more than digits, or a combination only clicks can reach.
std::optional<std::vector<std::string>> generateOptionsOf(const ExerciseSettings& settings);

// Whether two settings draw and write the same sheets: the kind, numbers, operations, ranges,
// item rules and layout alike. 答案, 格式 and 保存 belong to the run, and the law and unit
// menus to kinds no mixed sheet holds: they are left out.
bool sameSheetSettings(const ExerciseSettings& a, const ExerciseSettings& b);

} // namespace quill
