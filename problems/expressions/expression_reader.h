#pragma once

// Reads an expression as the sheets write it: numbers ("25%" is worth 0.25), ＋ － × ÷ and
// brackets of either width ("(12＋5)×3－4", "（37＋45）×2"), × and ÷ before ＋ and －.

#include "base/exact_decimal.h"
#include "problems/whole/operation_item.h"

#include <functional>
#include <string_view>

namespace quill
{

// Works one operation of the expression; a reader may note what it sees on the way.
using OperationWorker =
    std::function<ExactDecimal(Operation, const ExactDecimal& left, const ExactDecimal& right)>;

// a op b exactly; no number for a zero divisor or a quotient that never ends.
ExactDecimal workedExactly(Operation operation, const ExactDecimal& a, const ExactDecimal& b);

// The value of the whole text, each operation worked by `work`; no number for text that is no
// such expression.
ExactDecimal readExpression(std::string_view text, const OperationWorker& work = workedExactly);

} // namespace quill
