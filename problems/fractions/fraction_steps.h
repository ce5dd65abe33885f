#pragma once

#include "problems/draw.h"
#include "problems/fractions/fraction_expression.h"

#include <vector>

namespace quill
{

// Whether pupils can carry a value through 脱式计算: numerator and denominator of at most
// three digits.
bool fitsFractionSteps(Rational value);

// 脱式计算 with fractions: every drawn item gets one more operation, picked among the ticked
// ones, with a number of the range (a proper fraction for a subtraction from a value below
// the range's whole numbers). A sum or difference that is then multiplied or divided goes
// into brackets. Every value stays within three digits and above 0 after a subtraction; an
// item no step can extend so is replaced by a new draw. A stop ends the walk; items not
// reached stay as drawn.
std::vector<FractionExpression> buildFractionSteps(Draw& draw, Range range,
                                                   std::vector<FractionExpression> items);

} // namespace quill
