#pragma once

// The words for the carry and borrow choices that the command line takes and a saved set's
// history line keeps: any, yes, no, and make-ten (凑十) or break-ten (破十).

#include "settings/exercise_settings.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quill
{

// In ColumnRule order.
std::span<const std::string_view> carryWords();
std::span<const std::string_view> borrowWords();

std::optional<ColumnRule> ruleNamed(std::span<const std::string_view> words, std::string_view word);

// "carry=yes borrow=no": the choices in force that are not 不限; empty when none is.
std::string columnRulesText(const ExerciseSettings& settings);

// Whether a history field is such a text rather than another trailing field.
bool isColumnRulesText(std::string_view text);

// Sets both lists from such a text; a choice it does not name is 不限.
void setColumnRules(ExerciseSettings& settings, std::string_view text);

} // namespace quill
