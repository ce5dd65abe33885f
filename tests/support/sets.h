#pragma once

// Sets for tests: written as the history keeps them and read back as items, and the writer
// arguments of an application's set.

#include "engine/application.h"
#include "history/saved_set_load.h"
#include "output/writer_arguments.h"

#include <string>
#include <string_view>
#include <vector>

namespace quill::testing
{

// A list as a history line holds it (" 37＋48 56÷7"), read as the items of that kind
// (1..3 operations, 4 steps, 5 laws, 6 equations with `equations`, 7 units, 8/9 fractions).
inline ExerciseSet listItems(int historyKind, std::string_view list, std::string_view equations = {})
{
    HistoryLine line;
    line.kind = historyKind;
    line.savedList = std::string(list);
    line.equations = std::string(equations);
    return savedSetItems(line);
}

// The texts of a set's items as its saved list holds them, and that list (" 37＋48 56÷7").
inline std::vector<std::string> textsOf(const ExerciseSet& set)
{
    std::vector<std::string> texts;
    for (const SetItem& item : set)
        texts.push_back(itemText(item));
    return texts;
}

inline std::string listOf(const ExerciseSet& set)
{
    std::string list;
    for (const SetItem& item : set)
        list += " " + itemText(item);
    return list;
}

inline WriterArguments writerArguments(Application& app, bool answers)
{
    return {app.settings, app.set, sheetLayoutOf(app.settings), answers, app.notifier, app.stop()};
}

} // namespace quill::testing
