#pragma once

// 脱式计算: every drawn item gets one ("3步") or two ("4步") more operations, each with a
// freshly drawn number, picked among the ticked operations; the value stays exact.

#include "problems/draw.h"
#include "problems/expressions/expression_items.h"
#include "problems/whole/operation_item.h"

#include <vector>

namespace quill
{

// The items extended in order. A stop ends the walk with the items finished so far.
std::vector<StepItem> buildStepExpressions(Draw& draw, Range range,
                                           const std::vector<OperationItem>& items);

} // namespace quill
