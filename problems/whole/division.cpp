#include "problems/whole/division.h"

#include "problems/whole/exact_decimal_division.h"
#include "problems/whole/operands.h"
#include "problems/whole/single_operation_item.h"

namespace quill
{

namespace
{

// Every rule refuses the divisor 0 before it forms a quotient or a remainder.
bool noDivisor(const OperandPair& p)
{
    return p.second == 0;
}

bool firstGrades(int grade)
{
    return grade >= 1 && grade <= 3;
}

GradeBlock quotientBlock(bool (*drawAgain)(const ExerciseSettings&, const OperandPair&, int))
{
    return {.drawAgain = drawAgain, .wholeTensOf = ResultValue::Quotient};
}

GradeBlock productBlock(bool (*drawAgain)(const ExerciseSettings&, const OperandPair&, int))
{
    return {.drawAgain = drawAgain, .wholeTensOf = ResultValue::Product, .middleZeroAbove = 101};
}

GradeBlock exactDivisionBlock(const ExerciseSettings& settings)
{
    const int grade = settings.gradeIndex();
    if (grade >= 1 && grade <= 5) // table divisions: one-digit divisor and quotient
        return quotientBlock([](const ExerciseSettings&, const OperandPair& p, int) {
            return noDivisor(p) || p.first / p.second >= 10 || p.second >= 10 || !dividesExactly(p);
        });
    if (grade == 6)
        return quotientBlock([](const ExerciseSettings&, const OperandPair& p, int) {
            return noDivisor(p) || p.second >= 10 || !dividesExactly(p);
        });
    GradeBlock block;
    if (settings.oralOption.selected)
        block.drawAgain = [](const ExerciseSettings&, const OperandPair& p, int end) {
            return noDivisor(p) || p.first >= end + 1 || !dividesExactly(p) || p.second >= 10;
        };
    else
        block.drawAgain = [](const ExerciseSettings&, const OperandPair& p, int end) {
            return noDivisor(p) || p.first >= end + 1 || !dividesExactly(p);
        };
    block.zeroPatterns = false;
    return block;
}

bool terminates(const ExerciseSettings& settings, const OperandPair& p)
{
    double first = p.first;
    double second = p.second;
    return quotientTerminates(settings, first, second);
}

GradeBlock divisionBlock(const ExerciseSettings& settings)
{
    const int grade = settings.gradeIndex();
    // The grade can change while a generator redraws; the first grades stay exact.
    if (firstGrades(grade))
        return exactDivisionBlock(settings);
    if (grade == 4)
        return quotientBlock([](const ExerciseSettings&, const OperandPair& p, int) {
            return noDivisor(p) || p.first >= 90 || p.second >= 10 || p.second >= p.first;
        });
    if (grade == 5)
        return quotientBlock([](const ExerciseSettings&, const OperandPair& p, int) {
            return noDivisor(p) || p.first >= 90 || p.second >= 10 || p.second >= p.first ||
                   p.first / p.second >= 10;
        });
    if (grade == 6)
        return quotientBlock([](const ExerciseSettings&, const OperandPair& p, int end) {
            return noDivisor(p) || p.first >= end + 1 || p.second >= 10 || p.second >= p.first;
        });
    if (settings.oralOption.selected || settings.estimationOption.selected)
        return productBlock([](const ExerciseSettings&, const OperandPair& p, int end) {
            return noDivisor(p) || p.first * p.second >= end + 1 ||
                   (p.first >= 100 && p.second >= 100) || p.first >= 10;
        });
    return productBlock([](const ExerciseSettings& settings, const OperandPair& p, int) {
        return noDivisor(p) || !(p.first < 100 && p.second < p.first && terminates(settings, p));
    });
}

} // namespace

OperationItem makeExactDivisionItem(Draw& draw, Range range)
{
    // Past the table divisions, exact decimal quotients are built, not found by redrawing.
    const int grade = draw.settings.gradeIndex();
    if (grade == 0 || grade >= 7)
        if (std::optional<OperationItem> item = buildExactDecimalDivision(draw, range, exactDivisionBlock))
            return *item;
    return makeSingleOperationItem(draw, range, exactDivisionBlock, Operation::Division);
}

OperationItem makeDivisionItem(Draw& draw, Range range)
{
    if (firstGrades(draw.settings.gradeIndex()))
        return makeExactDivisionItem(draw, range);
    return makeSingleOperationItem(draw, range, divisionBlock, Operation::Division);
}

} // namespace quill
