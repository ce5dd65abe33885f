#pragma once

#include "problems/draw.h"
#include "problems/fractions/fraction_expression.h"

#include <vector>

namespace quill
{

// 脱式计算 with fractions: every drawn item gets one more operation, picked among the ticked
// ones, with a whole number from the range. A sum or difference that is then multiplied or
// divided goes into brackets. A stop ends the walk; items not reached stay as drawn.
std::vector<FractionExpression> buildFractionSteps(Draw& draw, Range range,
                                                   std::vector<FractionExpression> items);

} // namespace quill
