#pragma once

#include "settings/exercise_settings.h"

namespace quill
{

class Notifier;

inline constexpr char32_t backspaceKey = 8;

// Decide whether a key typed into one of the number boxes itemCount..rangeEnd reaches it: digits
// and Backspace only. Typing into the range boxes also resets the closeness to 50, and the
// range end refuses keys while the start is greater than the end.
bool acceptKey(ExerciseSettings& settings, NumberBox& box, char32_t key, Notifier& notifier);

} // namespace quill
