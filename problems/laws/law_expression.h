#pragma once

// Law items are written from patterns over their operands ("（A＋B）×C") and take their
// answer from the written expression itself, worked exactly, so text and answer always agree.

#include "base/exact_decimal.h"

#include <string>
#include <string_view>

namespace quill
{

struct LawOperands;

inline constexpr std::string_view lawPlus = "＋";
inline constexpr std::string_view lawMinus = "－";
inline constexpr std::string_view lawTimes = "×";
inline constexpr std::string_view lawOver = "÷";
inline constexpr std::string_view lawEquals = "＝";

// The pattern with A, B, C replaced by the operands' texts, P by the text of A × B × C and
// Q by that of A ÷ B × C.
std::string writtenExpression(std::string_view pattern, const LawOperands& operands);

// The value of an expression of number texts, ＋ － × ÷ and full-width brackets, with × and ÷
// before ＋ and －. No number for a text that is no such expression, a zero divisor or a
// quotient that never ends.
ExactDecimal expressionValue(std::string_view expression);

} // namespace quill
