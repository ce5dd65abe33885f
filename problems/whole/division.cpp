#include "problems/whole/division.h"

#include "app/application.h"
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

GradeBlock quotientBlock(bool (*drawAgain)(Application&, const OperandPair&, int))
{
    return {.drawAgain = drawAgain, .wholeTensOf = ResultValue::Quotient};
}

GradeBlock productBlock(bool (*drawAgain)(Application&, const OperandPair&, int))
{
    return {.drawAgain = drawAgain, .wholeTensOf = ResultValue::Product, .middleZeroAbove = 101};
}

GradeBlock exactDivisionBlock(const ExerciseSettings& settings)
{
    const int grade = settings.gradeIndex();
    if (grade >= 1 && grade <= 5) // table divisions: one-digit divisor and quotient
        return quotientBlock([](Application&, const OperandPair& p, int) {
            return noDivisor(p) || p.first / p.second >= 10 || p.second >= 10 || !dividesExactly(p);
        });
    if (grade == 6)
        return quotientBlock([](Application&, const OperandPair& p, int) {
            return noDivisor(p) || p.second >= 10 || !dividesExactly(p);
        });
    GradeBlock block;
    if (settings.Option1.selected)
        block.drawAgain = [](Application&, const OperandPair& p, int e) {
            return noDivisor(p) || p.first >= e + 1 || !dividesExactly(p) || p.second >= 10;
        };
    else
        block.drawAgain = [](Application&, const OperandPair& p, int e) {
            return noDivisor(p) || p.first >= e + 1 || !dividesExactly(p);
        };
    block.zeroPatterns = false;
    return block;
}

bool terminates(Application& app, const OperandPair& p)
{
    double first = p.first;
    double second = p.second;
    return quotientTerminates(app, first, second) == 1;
}

GradeBlock divisionBlock(const ExerciseSettings& settings)
{
    const int grade = settings.gradeIndex();
    // The grade can change while a generator redraws; the first grades stay exact.
    if (firstGrades(grade))
        return exactDivisionBlock(settings);
    if (grade == 4)
        return quotientBlock([](Application&, const OperandPair& p, int) {
            return noDivisor(p) || p.first >= 90 || p.second >= 10 || p.second >= p.first;
        });
    if (grade == 5)
        return quotientBlock([](Application&, const OperandPair& p, int) {
            return noDivisor(p) || p.first >= 90 || p.second >= 10 || p.second >= p.first ||
                   p.first / p.second >= 10;
        });
    if (grade == 6)
        return quotientBlock([](Application&, const OperandPair& p, int e) {
            return noDivisor(p) || p.first >= e + 1 || p.second >= 10 || p.second >= p.first;
        });
    if (settings.Option1.selected || settings.Option2.selected)
        return productBlock([](Application&, const OperandPair& p, int e) {
            return noDivisor(p) || p.first * p.second >= e + 1 ||
                   (p.first >= 100 && p.second >= 100) || p.first >= 10;
        });
    return productBlock([](Application& app, const OperandPair& p, int) {
        return noDivisor(p) || !(p.first < 100 && p.second < p.first && terminates(app, p));
    });
}

} // namespace

std::string makeExactDivisionItem(Application& app, int s, int e)
{
    return makeSingleOperationItem(app, s, e, exactDivisionBlock, "÷");
}

std::string makeDivisionItem(Application& app, int s, int e)
{
    if (firstGrades(app.settings.gradeIndex()))
        return makeExactDivisionItem(app, s, e);
    return makeSingleOperationItem(app, s, e, divisionBlock, "÷");
}

} // namespace quill
