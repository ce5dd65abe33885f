#pragma once

// The first half of loading a saved set: taking the stored list back into the run state.
// Choosing the kind and calling the writer is the window's part.

#include "history/history_line.h"

#include <string_view>

namespace quill
{

struct RunState;

inline constexpr std::string_view unreadableSavedSetMessage = "这条保存的练习格式不对，无法载入！";

// A line can be loaded when its kind is known and it holds its list; an equation set also
// needs its equations, or the writer would pair its answers with the previous run's.
bool isLoadable(const HistoryLine& line);

// For a loadable line: marks the run as writing saved text and puts the list into `out`
// (and the equations of an equation set into `equationList`). Returns false and leaves the run
// untouched otherwise; the caller then shows unreadableSavedSetMessage.
bool takeSavedSet(RunState& run, const HistoryLine& line);

} // namespace quill
