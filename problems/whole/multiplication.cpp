#include "problems/whole/multiplication.h"

#include "problems/whole/single_operation_item.h"
#include "settings/exercise_settings.h"

namespace quill
{

namespace
{

GradeBlock productBlock(bool (*drawAgain)(const ExerciseSettings&, const OperandPair&, int))
{
    return {.drawAgain = drawAgain, .wholeTensOf = ResultValue::Product, .middleZeroAbove = 101};
}

bool bothAtLeast(const OperandPair& p, double bound)
{
    return p.first >= bound && p.second >= bound;
}

GradeBlock multiplicationBlock(const ExerciseSettings& settings)
{
    const int grade = settings.gradeIndex();
    if (grade >= 1 && grade <= 4) // the times table
        return productBlock([](const ExerciseSettings&, const OperandPair& p, int) {
            return p.first * p.second >= 101 || p.first >= 10 || p.second >= 10;
        });
    if (grade == 5)
        return productBlock([](const ExerciseSettings&, const OperandPair& p, int end) {
            return p.first * p.second >= end + 1 || bothAtLeast(p, 10);
        });
    if (grade == 6)
        return productBlock(
            [](const ExerciseSettings&, const OperandPair& p, int end) { return p.first * p.second >= end + 1; });
    if (settings.oralOption.selected || settings.estimationOption.selected)
        return productBlock([](const ExerciseSettings&, const OperandPair& p, int end) {
            return p.first * p.second >= end + 1 || bothAtLeast(p, 100) || bothAtLeast(p, 10);
        });
    return productBlock([](const ExerciseSettings&, const OperandPair& p, int end) {
        return bothAtLeast(p, end) || bothAtLeast(p, 100);
    });
}

} // namespace

OperationItem makeMultiplicationItem(Draw& draw, Range range)
{
    return makeSingleOperationItem(draw, range, multiplicationBlock, Operation::Multiplication);
}

} // namespace quill
