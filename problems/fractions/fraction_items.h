#pragma once

// The five fraction generators: a/b (operation) c/d, or a/b alone to be reduced.

#include "problems/draw.h"
#include "problems/fractions/fraction_expression.h"

namespace quill
{

// Five whole numbers drawn at once: the fractions a/b and c/d, and a fifth number drawn with
// them, so that a seed keeps giving the same set.
struct FractionOperands {
    long a = 0, b = 0, c = 0, d = 0;
    long spare = 0;
};

FractionOperands drawFractionOperands(RandomSource& random, Range range);

// Whether the numbers below the range's end hold a first fraction the ticked digit rule (中间有零,
// 末尾有零, 整十百千) asks for; where they do not, a draw would go on for ever.
bool digitRuleMeetable(const ExerciseSettings& settings, Range range);

FractionExpression makeFractionAdditionItem(Draw& draw, Range range);
FractionExpression makeFractionSubtractionItem(Draw& draw, Range range);
FractionExpression makeFractionMultiplicationItem(Draw& draw, Range range);
FractionExpression makeFractionDivisionItem(Draw& draw, Range range);
FractionExpression makeFractionReductionItem(Draw& draw, Range range);

} // namespace quill
