#pragma once

// The number X stands for in an equation, as an answer sheet gives it: "X＝36".

#include "problems/expressions/expression_items.h"

#include <optional>
#include <string>

namespace quill
{

// X's number as the complete expression writes it ("36", "4.5", "30%"), read from where
// the equation and its complete expression differ: X÷9＋21 and 36÷9＋21 give 36, and 6X
// and 6×7 give 7. None when the two do not differ by one number (an entry of a saved list
// that lost a part).
std::optional<std::string> solutionOf(const EquationItem& item);

// "X＝36"; none when solutionOf has none.
std::optional<std::string> solutionText(const EquationItem& item);

} // namespace quill
