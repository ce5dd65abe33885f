#include "problems/fractions/fraction_steps.h"

#include "problems/fractions/fraction_expression.h"
#include "problems/fractions/fraction_items.h"
#include "problems/trivial_items.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <vector>

namespace quill
{

namespace
{

using Op = FractionOperation;

constexpr std::int64_t largestStepNumber = 999;
// Multipliers and divisors stay below this while the range allows it.
constexpr long largestFactor = 10;
// Draws a divisor may take to give a quotient with a terminating decimal before any divisor
// will do: the value is exact either way, so a step never hangs on this wish.
constexpr int terminatingDivisorDraws = 1000;
// Steps drawn for one item before it counts as one that no step extends within three digits
// (5/7 when only addition of 200..300 is ticked).
constexpr int stepDraws = 200;

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

// The largest numerator over `denominator` that stays below v; 0 when none does, or when the
// difference would need a common denominator of more than three digits.
long numeratorBelow(Rational v, long denominator)
{
    const std::int64_t common = std::lcm(v.denominator(), std::int64_t{denominator});
    if (common > largestStepNumber)
        return 0;
    return static_cast<long>((v.numerator() * denominator - 1) / v.denominator());
}

// A proper fraction below v whose denominator is a number of the range, drawn among those
// that can take one.
std::optional<Rational> fractionBelow(Draw& draw, Rational v, Range range)
{
    std::vector<long> denominators;
    const long lowest = std::max(range.start, 2);
    const long highest = std::min<long>(range.end, largestStepNumber);
    for (long m = lowest; m <= highest; ++m)
        if (numeratorBelow(v, m) >= 1)
            denominators.push_back(m);
    if (denominators.empty())
        return std::nullopt;
    const long m = denominators[draw.random.below(static_cast<int>(denominators.size()))];
    return Rational::of(drawBetween(draw, 1, std::min(numeratorBelow(v, m), m - 1)), m);
}

// A number below v, so the difference is never 0: a whole number of the range when one lies
// below v, otherwise a proper fraction.
std::optional<Rational> subtrahend(Draw& draw, Rational v, Range range)
{
    const long lowest = std::max(range.start, 1);
    if (!(Rational(lowest) < v))
        return fractionBelow(draw, v, range);
    return Rational(drawBetween(draw, lowest, std::min<long>(range.end, wholeBelow(v))));
}

// A whole number of the range that keeps the sum's numerator within three digits.
std::optional<Rational> addend(Draw& draw, Rational v, Range range)
{
    const std::int64_t room = (largestStepNumber - v.numerator()) / v.denominator();
    const long top = static_cast<long>(std::min<std::int64_t>(range.end, room));
    if (top < range.start)
        return std::nullopt;
    return Rational(drawBetween(draw, range.start, top));
}

long factorTop(Range range)
{
    return range.start <= largestFactor ? std::min<long>(range.end, largestFactor) : range.end;
}

Rational multiplier(Draw& draw, Range range)
{
    return drawBetween(draw, range.start, factorTop(range));
}

bool quotientTerminates(Rational v, long divisor)
{
    const std::optional<Rational> quotient = v / Rational(divisor);
    return quotient && quotient->terminates();
}

// Drawn as a multiplier is, preferring a quotient with a terminating decimal.
Rational divisor(Draw& draw, Rational v, Range range)
{
    // A value whose denominator holds a factor other than 2 and 5 keeps it in every quotient.
    const bool canTerminate = v.terminates();
    long divisor = 0;
    for (int draws = 0;; ++draws) {
        const long drawn = drawBetween(draw, range.start, factorTop(range));
        if (drawn != 0)
            divisor = drawn;
        const bool settled = !canTerminate || draws >= terminatingDivisorDraws ||
                             draw.stop.stopRequested() || quotientTerminates(v, drawn);
        if (divisor != 0 && settled)
            return Rational(divisor);
    }
}

std::optional<Rational> stepNumber(Draw& draw, Op operation, Rational v, Range range)
{
    switch (operation) {
    case Op::Addition:
        return addend(draw, v, range);
    case Op::Subtraction:
        return subtrahend(draw, v, range);
    case Op::Multiplication:
        return multiplier(draw, range);
    case Op::Division:
        return divisor(draw, v, range);
    case Op::Reduction:
        break;
    }
    return std::nullopt;
}

std::optional<FractionStep> drawStep(Draw& draw, Op operation, const FractionItem& item, Rational v,
                                     Range range)
{
    const std::optional<Rational> number = stepNumber(draw, operation, v, range);
    if (!number)
        return std::nullopt;
    const bool scales = operation == Op::Multiplication || operation == Op::Division;
    const bool sumOrDifference =
        item.operation == Op::Addition || item.operation == Op::Subtraction;
    return FractionStep{operation, *number, scales && sumOrDifference};
}

std::optional<Op> drawOperation(Draw& draw)
{
    return tickedOperation(draw.settings, draw.random.below(39) + 1);
}

// The item with a step whose value fits and that is no trivial step (×1, ÷1, a value of 0)
// while those are refused; none when no draw found one, or on a stop.
std::optional<FractionExpression> extended(Draw& draw, Range range, const FractionItem& item,
                                           TrivialRefusals& trivial)
{
    const std::optional<Rational> v = itemValue(item);
    if (!v || !fitsFractionSteps(*v))
        return std::nullopt;
    for (int draws = 0; draws < stepDraws;) {
        if (draw.stop.stopRequested())
            return std::nullopt;
        const std::optional<Op> operation = drawOperation(draw);
        if (!operation)
            continue;
        ++draws;
        const FractionExpression expression{item, drawStep(draw, *operation, item, *v, range)};
        const std::optional<Rational> value =
            expression.step ? expressionValue(expression) : std::nullopt;
        if (!value || !fitsFractionSteps(*value))
            continue;
        if (trivial.refuses([&] { return isTrivialFractionStep(expression); }) &&
            !draw.stop.stopRequested())
            continue;
        trivial.kept();
        return expression;
    }
    return std::nullopt;
}

FractionExpression drawItem(Draw& draw, Range range, Op operation)
{
    using Generator = FractionExpression (*)(Draw&, Range);
    // In the order of FractionOperation; 脱式计算 draws no reductions.
    constexpr Generator byOperation[] = {makeFractionAdditionItem, makeFractionSubtractionItem,
                                         makeFractionMultiplicationItem, makeFractionDivisionItem};
    return byOperation[static_cast<int>(operation)](draw, range);
}

bool listed(const std::vector<FractionExpression>& items, const FractionItem& item)
{
    return std::ranges::any_of(items, [&](const FractionExpression& e) { return e.item == item; });
}

// A new item of a ticked operation for one that no step extends, drawn as the run draws and
// not one the list holds; none on a stop.
std::optional<FractionItem> replacement(Draw& draw, Range range,
                                        const std::vector<FractionExpression>& items)
{
    for (;;) {
        if (draw.stop.stopRequested())
            return std::nullopt;
        const std::optional<Op> operation = drawOperation(draw);
        if (!operation)
            continue;
        const FractionItem item = drawItem(draw, range, *operation).item;
        if (draw.stop.stopRequested())
            return std::nullopt;
        if (!listed(items, item))
            return item;
    }
}

} // namespace

bool fitsFractionSteps(Rational value)
{
    return std::llabs(value.numerator()) <= largestStepNumber &&
           value.denominator() <= largestStepNumber;
}

std::vector<FractionExpression> buildFractionSteps(Draw& draw, Range range,
                                                   std::vector<FractionExpression> items)
{
    TrivialRefusals trivial(draw.settings);
    for (FractionExpression& expression : items) {
        if (!itemValue(expression.item) || expression.step)
            continue; // nothing a generator makes
        FractionItem item = expression.item;
        for (;;) {
            if (const std::optional<FractionExpression> done =
                    extended(draw, range, item, trivial)) {
                expression = *done;
                break;
            }
            const std::optional<FractionItem> next = replacement(draw, range, items);
            if (!next)
                return items;
            item = *next;
        }
    }
    return items;
}

} // namespace quill
