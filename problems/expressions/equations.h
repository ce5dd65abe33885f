#pragma once

// 解方程: every drawn item gets one more operation and one of its numbers becomes X, so that
// exactly one X solves the equation.

#include "problems/draw.h"
#include "problems/expressions/expression_items.h"
#include "problems/whole/operation_item.h"

#include <string>
#include <vector>

namespace quill
{

// The item with one number replaced by X: "X＋5" or "12＋X"; a product always as "6X"; with
// 简易方程 a quotient always as "X÷7". Empty for an item without an operation.
std::string equationLeftSide(Draw& draw, const OperationItem& item);

// The items made equations in order. A stop ends the walk with the equations finished so far.
std::vector<EquationItem> buildEquations(Draw& draw, Range range,
                                         const std::vector<OperationItem>& items);

} // namespace quill
