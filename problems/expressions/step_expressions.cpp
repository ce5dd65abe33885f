#include "problems/expressions/step_expressions.h"

#include "app/application.h"
#include "problems/expressions/evaluator.h"
#include "problems/expressions/item_extension.h"
#include "problems/number_text.h"
#include "problems/whole/operands.h"

namespace quill
{

namespace
{

using Op = AppendedOperation;

// r is 1..39; an unticked operation hands its share to the next ticked one below it.
Op pickOperation(const ExerciseSettings& settings, int r)
{
    if (r < 10 && settings.Check1.checked)
        return Op::Addition;
    if (r < 20 && settings.Check2.checked)
        return Op::Subtraction;
    if (r < 30 && settings.Check3.checked)
        return Op::Multiplication;
    if (r < 40 && settings.Check15.checked)
        return Op::Division;
    return Op::None;
}

// The expression of one item while operations are appended to it.
struct Expression {
    int k = -1;
    double value = 0;
    int appended = 0;
};

bool throughFifthTerm(int grade)
{
    return grade >= 1 && grade <= 5;
}

void drawSubtrahend(Application& app, double v, int s, int e)
{
    redrawExtra(
        app, [&] { drawOperands(app, s, e); }, [&](double extra) { return extra <= v; },
        [&] {
            // A value below the range cannot take a drawn number away: it cancels itself out.
            if (v >= s + 1)
                return false;
            app.operands.extraOperand = shortestText(v);
            return true;
        });
}

// False when the value is too large for the early grades' one-digit factors.
bool drawFactor(Application& app, double v, int s, int e)
{
    if (!throughFifthTerm(app.settings.gradeIndex())) {
        drawOperands(app, s, e);
        return true;
    }
    if (v > 9)
        return false;
    redrawExtra(
        app, [&] { drawOperands(app, s, e); }, [](double extra) { return extra < 10; });
    return true;
}

void drawDivisor(Application& app, double v, int s, int e)
{
    const bool exact = app.settings.Check4.checked;
    auto divides = [v](double extra) { return divisionRemainder(v, extra) == 0; };
    auto terminates = [&app, v](double extra) {
        double a = v, b = extra;
        return quotientTerminates(app, a, b) == 1;
    };
    auto draw = [&] { drawOperands(app, s, e); };

    if (beforeFourthGrade(app.settings.gradeIndex())) {
        // One-digit divisors; exact division keeps to whole numbers even with 小数 ticked.
        if (exact)
            redrawExtra(
                app, [&] { drawWholeOperands(app, s, e); },
                [&](double extra) { return extra != 0 && extra < 10 && divides(extra); });
        else
            redrawExtra(app, draw, [&](double extra) {
                return extra != 0 && extra < 10 && terminates(extra);
            });
        return;
    }
    if (!exact) {
        redrawExtra(app, draw, [&](double extra) { return extra != 0 && terminates(extra); });
        return;
    }
    // After 100 fruitless draws the value divides by itself, so the step always ends.
    int draws = 0;
    redrawExtra(
        app,
        [&] {
            draw();
            if (++draws >= 100)
                app.operands.extraOperand = shortestText(v);
        },
        [&](double extra) { return extra != 0 && divides(extra); });
}

// Draw r and append one operation to the expression; false when no operation fits.
bool appendOperation(Application& app, Expression& expression, int s, int e)
{
    const Op operation = pickOperation(app.settings, app.random.below(39) + 1);
    const double v = expression.value;
    switch (operation) {
    case Op::None:
        return false;
    case Op::Addition:
        drawOperands(app, s, e);
        break;
    case Op::Subtraction:
        drawSubtrahend(app, v, s, e);
        break;
    case Op::Multiplication:
        if (!drawFactor(app, v, s, e))
            return false;
        break;
    case Op::Division:
        drawDivisor(app, v, s, e);
        break;
    }

    AnswerStore& store = app.answers;
    std::string& text = store.ItemTexts[expression.k];
    const bool scales = operation == Op::Multiplication || operation == Op::Division;
    text = appendedText(text, operation, scales && isSumOrDifference(text),
                        app.operands.extraOperand.text());
    store.StepAnswers[expression.k] = appendedValueText(operation, v, extraValue(app));
    expression.value = numericValue(store.StepAnswers[expression.k]);
    ++expression.appended;
    return true;
}

} // namespace

std::string buildStepExpressions(Application& app, std::string_view listText, int s, int e)
{
    prepareExtension(app, listText, s, e, false);
    // "3步" keeps two operations per expression, "4步" three.
    const int operationsToAppend = app.settings.Combo5.index == 1 ? 2 : 1;
    Expression expression;
    auto extend = [&](int k) {
        if (expression.k != k)
            expression = {k, numericValue(app.answers.ExactAnswers[k]), 0};
        if (!appendOperation(app, expression, s, e))
            return false;
        // A stop inside a redraw still finishes this item with what it has, so its entry
        // is kept with the others finished so far.
        return expression.appended == operationsToAppend || app.run.qt;
    };
    return extendEachItem(app, app.answers.ItemTexts, extend);
}

} // namespace quill
