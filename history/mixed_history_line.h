#pragma once

// A mixed sheet saved as one line: "date|mixed|options‖kind|list…‖options‖kind|list…". Each
// part keeps the options it was drawn with (space-separated, as `generate` takes them) and,
// after "‖", what a set of its own would save after the date ("6| 37＋48 56÷7|carry=yes").
// A pupil's own mixed sheet ends in the pupil's field ("|sheet=K7M4P 王小明", history_line.h).
// Loading applies each part's options to fresh settings, so the sheets come out the same
// whatever the window shows meanwhile.

#include "history/history_line.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quill
{

inline constexpr std::string_view mixedPartSeparator = "‖";

struct MixedPartLine {
    std::vector<std::string> options;
    HistoryLine line; // without its date
};

// The text of the line, without its line end. `savedTexts` hold "kind|list…" per part.
std::string mixedHistoryLineText(std::string_view date,
                                 const std::vector<std::vector<std::string>>& options,
                                 const std::vector<std::string>& savedTexts);

// Whether the line is a mixed sheet's, well formed or not.
bool isMixedHistoryLine(std::string_view text);

// The parts of a mixed line, or none when it is not one or a part is unreadable (no options,
// an unknown kind, no list).
std::optional<std::vector<MixedPartLine>> parseMixedHistoryLine(std::string_view text);

} // namespace quill
