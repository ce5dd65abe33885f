#include "problems/expressions/step_expressions.h"

#include "base/number_text.h"
#include "problems/expressions/evaluator.h"
#include "problems/expressions/item_extension.h"
#include "problems/expressions/shown_answer.h"
#include "problems/whole/operands.h"
#include "problems/workspace.h"

namespace quill
{

namespace
{

using Op = AppendedOperation;

// r is 1..39; an unticked operation hands its share to the next ticked one below it.
Op pickOperation(const ExerciseSettings& settings, int r)
{
    if (r < 10 && settings.addition.checked)
        return Op::Addition;
    if (r < 20 && settings.subtraction.checked)
        return Op::Subtraction;
    if (r < 30 && settings.multiplication.checked)
        return Op::Multiplication;
    if (r < 40 && settings.division.checked)
        return Op::Division;
    return Op::None;
}

// The expression of one item while operations are appended to it.
struct Expression {
    int k = -1;
    std::string valueText; // exact, as the next operation works on it
    double value = 0;
    int appended = 0;
};

bool throughFifthTerm(int grade)
{
    return grade >= 1 && grade <= 5;
}

void drawSubtrahend(Workspace& work, double v, int s, int e)
{
    redrawExtra(
        work, [&] { drawOperands(work, s, e); }, [&](double extra) { return extra <= v; },
        [&] {
            // A value below the range cannot take a drawn number away: it cancels itself out.
            if (v >= s + 1)
                return false;
            work.operands.extraOperand = shortestText(v);
            return true;
        });
}

// False when the value is too large for the early grades' one-digit factors.
bool drawFactor(Workspace& work, double v, int s, int e)
{
    if (!throughFifthTerm(work.settings.gradeIndex())) {
        drawOperands(work, s, e);
        return true;
    }
    if (v > 9)
        return false;
    redrawExtra(
        work, [&] { drawOperands(work, s, e); }, [](double extra) { return extra < 10; });
    return true;
}

void drawDivisor(Workspace& work, double v, int s, int e)
{
    const bool exact = work.settings.exactDivision();
    const bool early = beforeFourthGrade(work.settings.gradeIndex());
    auto divides = [v](double extra) { return divisionRemainder(v, extra) == 0; };
    auto terminates = [&work, v](double extra) {
        double a = v, b = extra;
        return quotientTerminates(work, a, b) == 1;
    };
    // Some values admit no such divisor at all: 400 has no one-digit divisor that leaves a
    // terminating decimal other than a whole number, and 2% no whole divisor that divides
    // it. After 100 fruitless draws any divisor whose quotient ends within four places does.
    int draws = 0;
    auto settles = [&](double extra) {
        return ++draws > 100 && decimalPlaces(v / extra) <= longestShownPlaces;
    };
    auto fits = [&](double extra) {
        if (extra == 0 || (early && extra >= 10))
            return false;
        return (exact ? divides(extra) : terminates(extra)) || settles(extra);
    };

    // One-digit divisors early on; exact division keeps to whole numbers even with 小数 ticked.
    if (early && exact)
        redrawExtra(
            work, [&] { drawWholeOperands(work, s, e); }, fits);
    else if (early || !exact)
        redrawExtra(
            work, [&] { drawOperands(work, s, e); }, fits);
    else
        // After 100 fruitless draws the value divides by itself, so the step always ends.
        redrawExtra(
            work,
            [&] {
                drawOperands(work, s, e);
                if (++draws >= 100)
                    work.operands.extraOperand = shortestText(v);
            },
            [&](double extra) { return extra != 0 && divides(extra); });
}

// Draw r and append one operation to the expression; false when no operation fits.
bool appendOperation(Workspace& work, Expression& expression, int s, int e)
{
    const Op operation = pickOperation(work.settings, work.random.below(39) + 1);
    const double v = expression.value;
    switch (operation) {
    case Op::None:
        return false;
    case Op::Addition:
        drawOperands(work, s, e);
        break;
    case Op::Subtraction:
        drawSubtrahend(work, v, s, e);
        break;
    case Op::Multiplication:
        if (!drawFactor(work, v, s, e))
            return false;
        break;
    case Op::Division:
        drawDivisor(work, v, s, e);
        break;
    }

    AnswerStore& store = work.answers;
    std::string& text = store.itemTexts[expression.k];
    const bool scales = operation == Op::Multiplication || operation == Op::Division;
    text = appendedText(text, operation, scales && isSumOrDifference(text),
                        work.operands.extraOperand.text());
    store.stepAnswers[expression.k] =
        appendedValueText(operation, expression.valueText, work.operands.extraOperand.text());
    expression.valueText = store.stepAnswers[expression.k];
    expression.value = numericValue(expression.valueText);
    ++expression.appended;
    return true;
}

} // namespace

std::string buildStepExpressions(Workspace& work, std::string_view listText, int s, int e)
{
    prepareExtension(work, listText, s, e, false);
    // "3步" keeps two operations per expression, "4步" three.
    const int operationsToAppend = work.settings.stepCount.index == 1 ? 2 : 1;
    Expression expression;
    auto extend = [&](int k) {
        if (expression.k != k)
            expression = {k, work.answers.exactAnswers[k],
                          numericValue(work.answers.exactAnswers[k]), 0};
        if (!appendOperation(work, expression, s, e))
            return false;
        // A stop inside a redraw still finishes this item with what it has, so its entry
        // is kept with the others finished so far.
        return expression.appended == operationsToAppend || work.run.stopRequested;
    };
    return extendEachItem(work, work.answers.itemTexts, extend);
}

} // namespace quill
