#pragma once

// Exact divisions of decimals built from a divisor and a quotient rather than found by
// redrawing pairs: with 4 places barely one pair in 10^5 divides exactly.

#include "problems/draw.h"
#include "problems/whole/single_operation_item.h"

#include <optional>

namespace quill
{

// An exact decimal division the block keeps, each kept pair as likely as under redrawing (a
// pair weighs as many position cells as give its operands). Nothing when the range is one the
// construction does not know; with a stop, whatever pair it holds.
std::optional<OperationItem> buildExactDecimalDivision(Draw& draw, Range range,
                                                       GradeBlockPicker pickBlock);

} // namespace quill
