#pragma once

// What the step-by-step and the equation builders share: both extend a drawn item by one more
// operation with a freshly drawn number, and keep the expression's text and exact value.

#include "problems/draw.h"
#include "problems/item_value.h"
#include "problems/whole/operand.h"
#include "problems/whole/operation_item.h"

#include <functional>
#include <string>
#include <string_view>

namespace quill
{

// Whether an expression's last operation is an addition or a subtraction, judged by its
// text: a sum or difference that is then multiplied or divided needs brackets.
bool isSumOrDifference(std::string_view text);

// left & sign & right, with left in brackets when asked: "(12＋5)×3".
std::string appendedText(std::string_view left, Operation operation, bool bracketed,
                         std::string_view right);

// The appended number as builders count it: as written, a percent sign aside.
ExactDecimal appendedNumber(const Operand& extra);

// value (operation) extra, exact wherever the result ends (every sum, difference and product,
// and quotients that end); a division by 0 cannot be worked out.
ItemValue appendedValue(Operation operation, const ItemValue& value, const Operand& extra);

// Repeat {stop test; settle; draw} until `fits` accepts the value of `extra`. `settle`, asked
// before each draw, may fix the number itself and end the loop. A stop leaves the last number
// drawn in place.
void redrawExtra(Draw& draw, Operand& extra, const std::function<void()>& drawOne,
                 const std::function<bool(double)>& fits,
                 const std::function<bool()>& settle = {});

} // namespace quill
