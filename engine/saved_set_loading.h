#pragma once

// 载入: a line of the history file written again as documents, as the window does it. The
// set's own kind is selected first (its click effects apply), then the kind's writer runs.

#include "engine/generation_run.h"
#include "problems/draw.h"
#include "settings/exercise_settings.h"

#include <optional>
#include <string>
#include <string_view>

namespace quill
{

struct Application;
struct HistoryLine;
class RunEnvironment;

RunOutcome loadSavedSet(Application& app, RunEnvironment& env, std::string_view lineText);

// Why a saved list cannot be written like a drawn set: it is empty, or it holds more items
// than a run may draw (they would overflow the sheet's table). None when it can.
std::optional<std::string> loadRefusal(const HistoryLine& line);

// The range a reloaded set draws a replacement from: the boxes rounded, within 16 bits.
Range sheetRange(const ExerciseSettings& settings);

} // namespace quill
