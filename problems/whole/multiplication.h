#pragma once

// Multiplication items such as 7×8, 2.5×4 or 25%×12.

#include "problems/draw.h"
#include "problems/whole/operation_item.h"

namespace quill
{

OperationItem makeMultiplicationItem(Draw& draw, Range range);

} // namespace quill
