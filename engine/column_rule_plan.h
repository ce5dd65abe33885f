#pragma once

// The carry and borrow choices, checked before a run: a choice that no item of the settings
// can meet, 凑十 or 破十 outside first grade's whole numbers, and too few different items for
// the count are refused with the reason, so the draw never searches in vain.

#include "problems/draw.h"

#include <optional>
#include <string>

namespace quill
{

struct ExerciseSettings;

std::optional<std::string> columnRuleRefusal(const ExerciseSettings& settings, Range range);

} // namespace quill
