#pragma once

// Settings a run could draw for ever without meeting, found before it starts where that is
// cheap to know. The rest are left to the user's stop (or the command line's time limit).

#include <optional>
#include <string>

namespace quill
{

struct ExerciseSettings;

// Why the draw over start..end can never finish, or nothing.
std::optional<std::string> unmeetableReason(const ExerciseSettings& settings, int start, int end);

// The same for 上机答题, whose one-operation items ignore the kind options.
std::optional<std::string> unmeetableOnScreenReason(const ExerciseSettings& settings, int start,
                                                    int end);

// What a run that can finish leaves out of the ticked choices, to tell the user, or nothing.
std::optional<std::string> leftOutNote(const ExerciseSettings& settings);

struct LawFormsLeftOut;
// Why no ticked law can be drawn at all, or nothing.
std::optional<std::string> lawsUnmeetableReason(const LawFormsLeftOut& leftOut);
// Which ticked laws and forms the run leaves out, or nothing.
std::optional<std::string> lawsLeftOutNote(const LawFormsLeftOut& leftOut);

} // namespace quill
