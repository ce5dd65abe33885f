#pragma once

// Reading a saved set back: the items of its stored list, typed as the kind's writer needs
// them. Choosing the kind and calling the writer is the engine's part.

#include "history/history_line.h"
#include "problems/exercise_set.h"

#include <string_view>

namespace quill
{

inline constexpr std::string_view unreadableSavedSetMessage = "这条保存的练习格式不对，无法载入！";

// A line can be loaded when its kind is known and it holds its list; an equation set also
// needs its equations, or the writer would pair its answers with the previous run's.
bool isLoadable(const HistoryLine& line);

// The items of a loadable line, in order; an entry its kind cannot read is kept as it stands.
ExerciseSet savedSetItems(const HistoryLine& line);

// The entries of a stored list: split at its spaces, empty pieces left out.
std::vector<std::string_view> listEntries(std::string_view list);

} // namespace quill
