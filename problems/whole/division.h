#pragma once

// Division items such as 56÷7, 47÷5 or 7.5÷3. The items show neither quotient nor remainder.

#include "problems/draw.h"
#include "problems/whole/operation_item.h"

namespace quill
{

// One division that comes out even.
OperationItem makeExactDivisionItem(Draw& draw, Range range);
// One division that may leave a remainder or, in the upper grades, a terminating decimal
// quotient. The first grades get exact table divisions.
OperationItem makeDivisionItem(Draw& draw, Range range);

} // namespace quill
