#pragma once

// Addition and subtraction items such as 37＋48 and 63－27.

#include "problems/draw.h"
#include "problems/whole/operation_item.h"

namespace quill
{

OperationItem makeAdditionItem(Draw& draw, Range range);
// Never a negative difference.
OperationItem makeSubtractionItem(Draw& draw, Range range);

} // namespace quill
