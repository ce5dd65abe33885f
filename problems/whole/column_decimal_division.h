#pragma once

// Column divisions of decimals built rather than found by redrawing: with four places barely
// one pair in 10^4 has a quotient that ends within the four places a sheet shows.

#include "problems/draw.h"
#include "problems/whole/decimal_cells.h"
#include "problems/whole/operands.h"

#include <functional>
#include <optional>

namespace quill
{

// A pair of decimal operands, the divisor the smaller, whose quotient ends within four places
// and is not whole: each such pair as likely as drawing positions would make it (a pair weighs
// as many cells as give its operands), among those `accepts` keeps. Nothing after a stop.
std::optional<DrawnOperands>
buildColumnDecimalDivision(Draw& draw, const DecimalCells& cells,
                           const std::function<bool(const DrawnOperands&)>& accepts);

} // namespace quill
