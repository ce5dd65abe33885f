#pragma once

// What a pupil typed into an answer box, as a number.

#include <optional>
#include <string>
#include <string_view>

namespace quill
{

// Nothing when the box is blank. Otherwise its leading number (non-numeric text reads as
// 0); a trailing "%" makes it a hundredth. Full-width digits, "．", "。", "－" and "％",
// which a Chinese input method types, read as their plain forms.
std::optional<double> typedNumber(std::string_view typed);

// A typed line split into answer and remainder. When the item can be answered with a
// remainder, one follows "……", "…", "...", "余" or a space; otherwise the whole line is the
// answer.
struct TypedAnswer {
    std::string answer;
    std::string remainder;
};
TypedAnswer splitTypedAnswer(std::string_view line, bool takesRemainder);

} // namespace quill
