#pragma once

// Settings whose items no sheet can show: fraction items have no 填数 form (a fraction is
// typed as a formula, with no number left blank), 简便计算 has no law items of fractions, and
// 一页100题 lays out one-line cells of 口算 and 估算 only. The window refuses the tick that
// would make one, and a run refuses to start with one.

#include "settings/exercise_settings.h"

#include <optional>
#include <string>

namespace quill
{

// Why the settings cannot be drawn, or none.
std::optional<std::string> unshowableCombination(const ExerciseSettings& settings);

// Why ticking `box` (unticked now) would make such settings, or none.
std::optional<std::string> refusedTick(const ExerciseSettings& settings, const CheckBox& box);

} // namespace quill
