#include "problems/whole/addition_subtraction.h"

#include "problems/whole/column_rules.h"
#include "problems/whole/single_operation_item.h"
#include "settings/exercise_settings.h"

namespace quill
{

namespace
{

GradeBlock sumBlock(bool (*drawAgain)(const ExerciseSettings&, const OperandPair&, int))
{
    return {.drawAgain = drawAgain,
            .wholeTensOf = ResultValue::Sum,
            .percentMarks = PercentMarks::Both,
            .columnsObey = [](const ExerciseSettings& s, const OperandPair& p) {
                return sumObeys(s.carryRule(), p);
            }};
}

GradeBlock differenceBlock(bool (*drawAgain)(const ExerciseSettings&, const OperandPair&, int))
{
    return {.drawAgain = drawAgain,
            .wholeTensOf = ResultValue::Difference,
            .percentMarks = PercentMarks::Both,
            .columnsObey = [](const ExerciseSettings& s, const OperandPair& p) {
                return differenceObeys(s.borrowRule(), p);
            }};
}

} // namespace

GradeBlock additionBlock(const ExerciseSettings& settings)
{
    switch (settings.gradeIndex()) {
    case 1: // sums within 20
        return sumBlock([](const ExerciseSettings&, const OperandPair& p, int end) {
            const double sum = p.first + p.second;
            return sum >= 21 || sum >= end;
        });
    case 2: // sums within 100, one operand below 11
        return sumBlock([](const ExerciseSettings&, const OperandPair& p, int end) {
            const double sum = p.first + p.second;
            return sum >= 101 || (p.first >= 11 && p.second >= 11) || sum >= end;
        });
    case 3:
        return sumBlock([](const ExerciseSettings&, const OperandPair& p, int end) {
            const double sum = p.first + p.second;
            return sum >= 101 || sum >= end;
        });
    case 4:
        return sumBlock([](const ExerciseSettings&, const OperandPair& p, int end) {
            return p.first + p.second >= end || (p.first >= 100 && p.second >= 100);
        });
    default:
        return sumBlock([](const ExerciseSettings&, const OperandPair& p, int end) {
            return p.first >= end && p.second >= end;
        });
    }
}

namespace
{

// A difference is never negative: "48%－4" would be −3.52, so the sizes compared are the
// amounts with a percentage counting a hundredth.
bool subtrahendAbove(const OperandPair& p)
{
    return p.secondAmount > p.firstAmount;
}

bool subtrahendAtLeast(const OperandPair& p)
{
    return p.secondAmount >= p.firstAmount;
}

} // namespace

GradeBlock subtractionBlock(const ExerciseSettings& settings)
{
    switch (settings.gradeIndex()) {
    case 1: // no zero differences yet
        return differenceBlock([](const ExerciseSettings&, const OperandPair& p, int) {
            return subtrahendAtLeast(p) || p.first >= 21;
        });
    case 2:
        return differenceBlock([](const ExerciseSettings&, const OperandPair& p, int) {
            return subtrahendAbove(p) || p.first >= 21;
        });
    case 3:
        return differenceBlock([](const ExerciseSettings&, const OperandPair& p, int) {
            return subtrahendAbove(p) || p.first >= 101;
        });
    case 4:
        return differenceBlock([](const ExerciseSettings&, const OperandPair& p, int end) {
            return subtrahendAbove(p) || p.first >= end || p.second >= 100;
        });
    default:
        return differenceBlock([](const ExerciseSettings&, const OperandPair& p, int end) {
            return subtrahendAbove(p) || p.first >= end;
        });
    }
}

OperationItem makeAdditionItem(Draw& draw, Range range)
{
    return makeSingleOperationItem(draw, range, additionBlock, Operation::Addition);
}

OperationItem makeSubtractionItem(Draw& draw, Range range)
{
    return makeSingleOperationItem(draw, range, subtractionBlock, Operation::Subtraction);
}

} // namespace quill
