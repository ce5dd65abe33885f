#pragma once

// `quillmere answer --pupil NAME` and the records commands: where the records are, the
// pupil's name.

#include "engine/pupil_recording.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quill
{

// Beside the history file (the same folder rules), or the file --records names. Throws
// UsageError in a build without records.
std::filesystem::path recordsFileFor(const std::optional<std::string>& named);

// "还没有练习记录（…/练习记录.sqlite）：用 quillmere answer --pupil NAME 答题时才记录。"
std::string noRecordsMessage(const std::filesystem::path& file);

// Takes "NAME VALUE" out of `args`, for options the generate options do not know; the last
// one given counts. Throws UsageError when the value is missing.
std::optional<std::string> takeOption(std::vector<std::string>& args, std::string_view name);

// A name a record can be kept under: not empty, no control characters, at most 40 bytes.
// Throws UsageError otherwise.
std::string checkedPupilName(const std::string& name);

} // namespace quill
