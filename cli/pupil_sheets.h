#pragma once

// One sheet per pupil: --copies N gives N sheets with an empty name line, --roster FILE one
// sheet for each name in the list.

#include <optional>
#include <string>
#include <vector>

namespace quill
{

// Takes --copies and --roster out of `args`: the name of each sheet (empty for copies), or
// nothing when neither is given. Throws UsageError for a bad count, both options together or
// a list that cannot be read.
std::optional<std::vector<std::string>> takePupilSheets(std::vector<std::string>& args);

} // namespace quill
