#include "problems/fractions/fraction_steps.h"

#include "problems/fractions/fraction_expression.h"
#include "problems/workspace.h"

#include <algorithm>

namespace quill
{

namespace
{

using Op = FractionOperation;

// Multipliers stay below this while the range allows it.
constexpr long largestMultiplier = 10;
// Draws a divisor may take to give a quotient with a terminating decimal before any divisor
// will do: the value is exact either way, so a step never hangs on this wish.
constexpr int terminatingDivisorDraws = 1000;

long drawBetween(Workspace& work, long low, long high)
{
    const double count = static_cast<double>(high) - low + 1;
    return low + static_cast<long>(count * work.random.next());
}

// The largest whole number below a positive v.
long wholeBelow(Rational v)
{
    return (v.numerator() - 1) / v.denominator();
}

Rational subtrahend(Workspace& work, Rational v, int s, int e)
{
    // No number of the range lies below v: v takes itself away. (A whole v below s + 1 is
    // at most s; a fraction between s and s + 1 still has s below it.)
    if (!(Rational(s) < v))
        return v;
    return drawBetween(work, s, std::min<long>(e, wholeBelow(v)));
}

Rational multiplier(Workspace& work, int s, int e)
{
    return drawBetween(work, s, s <= largestMultiplier ? std::min<long>(e, largestMultiplier) : e);
}

bool quotientTerminates(Rational v, long divisor)
{
    const std::optional<Rational> quotient = v / Rational(divisor);
    return quotient && quotient->terminates();
}

Rational divisor(Workspace& work, Rational v, int s, int e)
{
    if (v < Rational(s + 1))
        return 4;
    // A value whose denominator holds a factor other than 2 and 5 keeps it in every quotient.
    const bool canTerminate = v.terminates();
    long divisor = 0;
    for (int draws = 0;; ++draws) {
        work.processEvents();
        const long drawn = drawBetween(work, s, e);
        if (drawn != 0)
            divisor = drawn;
        const bool settled = !canTerminate || draws >= terminatingDivisorDraws ||
                             work.run.stopRequested || quotientTerminates(v, drawn);
        if (divisor != 0 && settled)
            return divisor;
    }
}

std::optional<FractionStep> drawStep(Workspace& work, Op operation, const FractionItem& item,
                                     Rational v, int s, int e)
{
    const bool scales = operation == Op::Multiplication || operation == Op::Division;
    const bool sumOrDifference =
        item.operation == Op::Addition || item.operation == Op::Subtraction;
    FractionStep step{operation, 0, scales && sumOrDifference};
    switch (operation) {
    case Op::Addition:
        step.number = drawBetween(work, s, e);
        break;
    case Op::Subtraction:
        step.number = subtrahend(work, v, s, e);
        break;
    case Op::Multiplication:
        step.number = multiplier(work, s, e);
        break;
    case Op::Division:
        step.number = divisor(work, v, s, e);
        break;
    case Op::Reduction:
        return std::nullopt;
    }
    return step;
}

std::vector<std::string> splitItems(std::string_view list)
{
    std::vector<std::string> items;
    while (!list.empty()) {
        const std::size_t space = std::min(list.find(' '), list.size());
        if (space > 0)
            items.emplace_back(list.substr(0, space));
        list.remove_prefix(std::min(space + 1, list.size()));
    }
    return items;
}

} // namespace

FractionStepList buildFractionSteps(Workspace& work, std::string_view list, int s, int e)
{
    FractionStepList result{splitItems(list), {}};
    for (std::string& text : result.expressions) {
        const std::optional<FractionExpression> drawn = parseFractionExpression(text);
        const std::optional<Rational> v = drawn ? itemValue(drawn->item) : std::nullopt;
        if (!v || drawn->step)
            continue; // nothing a generator makes; it keeps its text
        for (;;) {
            work.processEvents();
            if (work.run.stopRequested)
                return result;
            const std::optional<Op> operation =
                tickedOperation(work.settings, work.random.below(39) + 1);
            if (!operation)
                continue;
            const FractionExpression extended{drawn->item,
                                              drawStep(work, *operation, drawn->item, *v, s, e)};
            const std::optional<Rational> value = expressionValue(extended);
            if (!value)
                continue;
            text = expressionText(extended);
            result.entries += " " + text + "＝" + value->text();
            break;
        }
    }
    return result;
}

} // namespace quill
