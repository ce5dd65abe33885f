#pragma once

#include "settings/exercise_settings.h"

namespace quill
{

class Notifier;

// The half-second repair of inconsistent settings: each rule that finds its condition
// shows its notification and repairs the settings, in a fixed order.
void repairSettings(ExerciseSettings& settings, Notifier& notifier);

} // namespace quill
