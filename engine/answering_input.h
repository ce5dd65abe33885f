#pragma once

// What a pupil typed into an answer box, as a number.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quill
{

// Nothing when the box is blank. Otherwise its leading number (non-numeric text reads as
// 0); a trailing "%" makes it a hundredth. Full-width digits, "．", "。", "－" and "％",
// which a Chinese input method types, read as their plain forms.
std::optional<double> typedNumber(std::string_view typed);

// "6/8" or "3" as typed, not reduced; nothing when the text is not that form (a blank, a
// decimal, a percent, a number too long to be an answer).
struct TypedFraction {
    long long numerator = 0;
    long long denominator = 1;
};
std::optional<TypedFraction> typedFraction(std::string_view typed);

// A typed line split into answer and remainder. When the item can be answered with a
// remainder, one follows "……", "…", "...", "余" or a space; otherwise the whole line is the
// answer.
struct TypedAnswer {
    std::string answer;
    std::string remainder;
};
TypedAnswer splitTypedAnswer(std::string_view line, bool takesRemainder);

// What an answer box of a set may hold besides digits, one point, "/" and "%" in each number.
struct AnswerCharacters {
    bool negatives = false;  // some answer of the set is below zero
    bool remainders = false; // some item of the set is answered quotient……remainder
};

// Whether `typed`, or the start of it while it is being typed, can be an answer: digits
// (full-width too), in each number at most one point, one "/" and a "%" at its end, a minus
// before a number where negatives exist, and the remainder marks where remainders exist.
// Letters and other signs cannot.
bool answerTextAllowed(std::string_view typed, AnswerCharacters allowed);

// "“abc”不是答案：…", said on the terminal to a line answerTextAllowed refuses.
std::string notAnAnswerMessage(std::string_view typed, AnswerCharacters allowed);

} // namespace quill
