#include "problems/fractions/fraction_steps.h"

#include "problems/fractions/fraction_expression.h"
#include "problems/trivial_items.h"

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

long drawBetween(Draw& draw, long low, long high)
{
    const double count = static_cast<double>(high) - low + 1;
    return low + static_cast<long>(count * draw.random.next());
}

// The largest whole number below a positive v.
long wholeBelow(Rational v)
{
    return (v.numerator() - 1) / v.denominator();
}

Rational subtrahend(Draw& draw, Rational v, Range range)
{
    // No number of the range lies below v: v takes itself away. (A whole v below start + 1
    // is at most start; a fraction between start and start + 1 still has start below it.)
    if (!(Rational(range.start) < v))
        return v;
    return drawBetween(draw, range.start, std::min<long>(range.end, wholeBelow(v)));
}

Rational multiplier(Draw& draw, Range range)
{
    const long top = range.start <= largestMultiplier
                         ? std::min<long>(range.end, largestMultiplier)
                         : range.end;
    return drawBetween(draw, range.start, top);
}

bool quotientTerminates(Rational v, long divisor)
{
    const std::optional<Rational> quotient = v / Rational(divisor);
    return quotient && quotient->terminates();
}

Rational divisor(Draw& draw, Rational v, Range range)
{
    if (v < Rational(range.start + 1))
        return 4;
    // A value whose denominator holds a factor other than 2 and 5 keeps it in every quotient.
    const bool canTerminate = v.terminates();
    long divisor = 0;
    for (int draws = 0;; ++draws) {
        const long drawn = drawBetween(draw, range.start, range.end);
        if (drawn != 0)
            divisor = drawn;
        const bool settled = !canTerminate || draws >= terminatingDivisorDraws ||
                             draw.stop.stopRequested() || quotientTerminates(v, drawn);
        if (divisor != 0 && settled)
            return divisor;
    }
}

std::optional<FractionStep> drawStep(Draw& draw, Op operation, const FractionItem& item,
                                     Rational v, Range range)
{
    const bool scales = operation == Op::Multiplication || operation == Op::Division;
    const bool sumOrDifference =
        item.operation == Op::Addition || item.operation == Op::Subtraction;
    FractionStep step{operation, 0, scales && sumOrDifference};
    switch (operation) {
    case Op::Addition:
        step.number = drawBetween(draw, range.start, range.end);
        break;
    case Op::Subtraction:
        step.number = subtrahend(draw, v, range);
        break;
    case Op::Multiplication:
        step.number = multiplier(draw, range);
        break;
    case Op::Division:
        step.number = divisor(draw, v, range);
        break;
    case Op::Reduction:
        return std::nullopt;
    }
    return step;
}

} // namespace

std::vector<FractionExpression> buildFractionSteps(Draw& draw, Range range,
                                                   std::vector<FractionExpression> items)
{
    for (FractionExpression& expression : items) {
        const std::optional<Rational> v = itemValue(expression.item);
        if (!v || expression.step)
            continue; // nothing a generator makes
        TrivialRefusals trivial(draw.settings);
        for (;;) {
            if (draw.stop.stopRequested())
                return items;
            const std::optional<Op> operation =
                tickedOperation(draw.settings, draw.random.below(39) + 1);
            if (!operation)
                continue;
            const FractionExpression extended{
                expression.item, drawStep(draw, *operation, expression.item, *v, range)};
            if (!expressionValue(extended))
                continue;
            if (trivial.refuses([&] { return isTrivialFractionStep(extended); }) &&
                !draw.stop.stopRequested())
                continue;
            expression = extended;
            break;
        }
    }
    return items;
}

} // namespace quill
