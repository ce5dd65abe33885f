#pragma once

// A worksheet of the items a pupil answered wrong and has not answered right since (错题练习),
// topped up with fresh items of the same kind to a count the teacher sets. The command line
// and the window's records view both write it.

#include "engine/generation_run.h"
#include "records/pupil_records.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quill
{

struct Application;
class RunEnvironment;

// The mistakes of one kind a saved set is kept under (whole numbers, fractions), in the
// order first met, with the options of the kind's latest set.
struct KindMistakes {
    int kind = 0;
    std::string options;
    std::vector<std::string> items;
};

std::vector<KindMistakes> mistakesByKind(const std::vector<MistakeRecord>& mistakes);

// Sets `app` up to write the group's sheet: its recorded settings, and as app.set the
// mistakes (the first `count`), topped up with fresh items drawn through `drawing` to
// `count`. Returns how many of the set are mistakes. A range too small for that many
// different items leaves the sheet short.
std::size_t prepareMistakesSheet(Application& app, const KindMistakes& group,
                                 std::optional<std::size_t> count, std::uint64_t seed,
                                 RunEnvironment& drawing);

// Writes the prepared sheet, and its answers when app.settings.answerSheet is ticked.
RunOutcome writeMistakesSheet(Application& app, int kind, RunEnvironment& env);

// "小明的错题 3 道，另出同类新题 2 道。"
std::string mistakesSheetMessage(std::string_view pupil, std::size_t mistakes, std::size_t total);

// A seed different each time, for the fresh items.
std::uint64_t freshSeed();

} // namespace quill
