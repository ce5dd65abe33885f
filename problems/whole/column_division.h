#pragma once

// 竖式计算 works a division out in columns, which needs a quotient that ends within the four
// places a sheet shows.

#include "problems/draw.h"
#include "problems/whole/operation_item.h"

namespace quill
{

// The item itself when it can be worked in columns (or is no division); otherwise a pair
// drawn from the range that can: a larger dividend, a divisor other than 0, a quotient that
// ends within four places. A stop before any draw keeps the item as it was.
OperationItem divisionForColumns(Draw& draw, Range range, const OperationItem& item);

} // namespace quill
