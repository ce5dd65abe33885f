#include "problems/expressions/step_expressions.h"

#include "base/number_text.h"
#include "problems/expressions/item_answer.h"
#include "problems/expressions/item_extension.h"
#include "problems/expressions/shown_answer.h"
#include "problems/trivial_items.h"
#include "problems/whole/operands.h"

namespace quill
{

namespace
{

// r is 1..39; an unticked operation hands its share to the next ticked one below it.
std::optional<Operation> pickOperation(const ExerciseSettings& settings, int r)
{
    if (r < 10 && settings.addition.checked)
        return Operation::Addition;
    if (r < 20 && settings.subtraction.checked)
        return Operation::Subtraction;
    if (r < 30 && settings.multiplication.checked)
        return Operation::Multiplication;
    if (r < 40 && settings.division.checked)
        return Operation::Division;
    return std::nullopt;
}

// The expression of one item while operations are appended to it.
struct Expression {
    std::string text;
    ItemValue value;
    int appended = 0;
};

bool throughFifthTerm(int grade)
{
    return grade >= 1 && grade <= 5;
}

class StepBuilder
{
public:
    StepBuilder(Draw& draw, Range range) : draw_(draw), range_(range) {}

    // Draw r and append one operation to the expression; false when no operation fits.
    bool appendOperation(Expression& expression)
    {
        const auto operation = pickOperation(draw_.settings, draw_.random.below(39) + 1);
        if (!operation)
            return false;
        const double v = expression.value.number.toDouble();
        switch (*operation) {
        case Operation::Addition:
            drawExtra();
            break;
        case Operation::Subtraction:
            drawSubtrahend(v);
            break;
        case Operation::Multiplication:
            if (!drawFactor(v))
                return false;
            break;
        case Operation::Division:
            drawDivisor(v);
            break;
        }
        const bool scales =
            operation == Operation::Multiplication || operation == Operation::Division;
        const ItemValue before = expression.value;
        expression.text = appendedText(expression.text, *operation,
                                       scales && isSumOrDifference(expression.text), extra_.text());
        expression.value = appendedValue(*operation, expression.value, extra_);
        ++expression.appended;
        lastStepTrivial_ = isTrivialStep(*operation, before.number, appendedNumber(extra_),
                                         expression.value.number);
        return true;
    }

    // Whether the operation appended last is trivial.
    bool lastStepTrivial() const { return lastStepTrivial_; }

private:
    void drawExtra() { extra_ = drawOperands(draw_, range_).extra; }

    void drawSubtrahend(double v)
    {
        redrawExtra(
            draw_, extra_, [&] { drawExtra(); }, [&](double extra) { return extra <= v; },
            [&] {
                // A value below the range cannot take a drawn number away: it cancels itself out.
                if (v >= range_.start + 1)
                    return false;
                extra_ = shortestText(v);
                return true;
            });
    }

    // False when the value is too large for the early grades' one-digit factors.
    bool drawFactor(double v)
    {
        if (!throughFifthTerm(draw_.settings.gradeIndex())) {
            drawExtra();
            return true;
        }
        if (v > 9)
            return false;
        redrawExtra(
            draw_, extra_, [&] { drawExtra(); }, [](double extra) { return extra < 10; });
        return true;
    }

    void drawDivisor(double v)
    {
        const ExerciseSettings& settings = draw_.settings;
        const bool exact = settings.exactDivision();
        const bool early = beforeFourthGrade(settings.gradeIndex());
        auto divides = [v](double extra) { return divisionRemainder(v, extra) == 0; };
        auto terminates = [&settings, v](double extra) {
            double a = v, b = extra;
            return quotientTerminates(settings, a, b);
        };
        // Some values admit no such divisor at all: 400 has no one-digit divisor that leaves
        // a terminating decimal other than a whole number, and 2% no whole divisor that
        // divides it. After 100 fruitless draws any divisor whose quotient ends within four
        // places does.
        int draws = 0;
        auto settles = [&](double extra) {
            return ++draws > 100 && decimalPlaces(v / extra) <= longestShownPlaces;
        };
        auto fits = [&](double extra) {
            if (extra == 0 || (early && extra >= 10))
                return false;
            return (exact ? divides(extra) : terminates(extra)) || settles(extra);
        };

        // One-digit divisors early on; exact division keeps to whole numbers even with 小数.
        if (early && exact)
            redrawExtra(
                draw_, extra_, [&] { extra_ = drawWholeOperands(draw_, range_).extra; }, fits);
        else if (early || !exact)
            redrawExtra(
                draw_, extra_, [&] { drawExtra(); }, fits);
        else
            // After 100 fruitless draws the value divides by itself, so the step always ends.
            redrawExtra(
                draw_, extra_,
                [&] {
                    drawExtra();
                    if (++draws >= 100)
                        extra_ = shortestText(v);
                },
                [&](double extra) { return extra != 0 && divides(extra); });
    }

    Draw& draw_;
    Range range_;
    Operand extra_;
    bool lastStepTrivial_ = false;
};

// The finished expression shows its value as 0 (≈0.00 with 保留 or for a long decimal).
bool showsZeroValue(const Expression& expression, const ExerciseSettings& settings)
{
    const std::optional<int> kept =
        settings.roundAnswers.checked ? std::optional(settings.answerPlaces.index) : std::nullopt;
    return showsAsZero(shownValue(expression.value, kept));
}

} // namespace

std::vector<StepItem> buildStepExpressions(Draw& draw, Range range,
                                           const std::vector<OperationItem>& items)
{
    // "3步" keeps two operations per expression, "4步" three.
    const int operationsToAppend = draw.settings.stepCount.index == 1 ? 2 : 1;
    const std::optional<int> noRounding;
    StepBuilder builder(draw, range);
    std::vector<StepItem> built;
    for (const OperationItem& item : items) {
        Expression expression{item.text(), answerOf(item, noRounding).exact};
        TrivialRefusals trivial(draw.settings);
        for (;;) {
            if (draw.stop.stopRequested())
                return built;
            Expression extended = expression;
            if (!builder.appendOperation(extended))
                continue;
            const bool finished = extended.appended == operationsToAppend;
            if (trivial.refuses([&] {
                    return builder.lastStepTrivial() ||
                           (finished && showsZeroValue(extended, draw.settings));
                }) &&
                !draw.stop.stopRequested())
                continue;
            expression = std::move(extended);
            // A stop inside a redraw still finishes this item with what it has, so its entry
            // is kept with the others finished so far.
            if (expression.appended == operationsToAppend || draw.stop.stopRequested())
                break;
        }
        built.push_back({expression.text, expression.value});
    }
    return built;
}

} // namespace quill
