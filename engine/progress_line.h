#pragma once

#include "settings/run_state.h"

#include <optional>
#include <string>

namespace quill
{

// One 10 ms tick of the progress line: the label text when it changes, and every 6000 ticks
// the advice to give up on settings that may never be met.
struct ProgressTick {
    std::optional<std::string> label;
    std::optional<std::string> advice;
};

ProgressTick progressTick(RunState& run);

// The advice after `seconds` of drawing: the settings may never be met.
std::string longRunAdvice(const std::string& seconds);

} // namespace quill
