#pragma once

// Addition and subtraction items such as 37＋48 and 63－27.

#include "problems/draw.h"
#include "problems/whole/operation_item.h"
#include "problems/whole/single_operation_item.h"

namespace quill
{

// The grade's rules for a pair, and the carry or borrow choice, as the draws apply them.
GradeBlock additionBlock(const ExerciseSettings& settings);
GradeBlock subtractionBlock(const ExerciseSettings& settings);

OperationItem makeAdditionItem(Draw& draw, Range range);
// Never a negative difference.
OperationItem makeSubtractionItem(Draw& draw, Range range);

} // namespace quill
