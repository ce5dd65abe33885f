#pragma once

#include <optional>
#include <string_view>

namespace quill
{

// A size or height given as text ("11", " 30 ", "10.5"): the whole text must be one
// number, as a word processor's own conversion asks; anything else has no value.
std::optional<double> measureValue(std::string_view text);

} // namespace quill
