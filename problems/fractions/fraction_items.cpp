#include "problems/fractions/fraction_items.h"

#include "problems/fractions/fraction_steps.h"
#include "problems/whole/zero_patterns.h"

#include <algorithm>
#include <string_view>

namespace quill
{

namespace
{

using Operands = FractionOperands;

// What one generator asks of a draw: `proper` while 是真分数 is ticked, `accepted` always.
struct FractionRule {
    bool (*proper)(const Operands& o, long e);
    bool (*accepted)(const Operands& o, long e);
};

struct FractionGenerator {
    FractionOperation operation;
    bool twoFractions = true;
    // Grades up to 五年级上学期 add and subtract fractions of one denominator only.
    bool gradeRule = false;
    FractionRule sameDenominator{};
    FractionRule anyDenominators{};
};

bool allBelow(const Operands& o, long e)
{
    return o.a < e && o.b < e && o.c < e && o.d < e;
}

bool allPositive(const Operands& o)
{
    return o.a > 0 && o.b > 0 && o.c > 0 && o.d > 0;
}

bool inRange(const Operands& o, long e)
{
    return allBelow(o, e) && allPositive(o);
}

bool bothProper(const Operands& o)
{
    return o.a <= o.b && o.c <= o.d;
}

// Cross products of a/b and c/d: a·d and c·b.
long long firstCross(const Operands& o)
{
    return static_cast<long long>(o.a) * o.d;
}
long long secondCross(const Operands& o)
{
    return static_cast<long long>(o.c) * o.b;
}
long long denominatorProduct(const Operands& o)
{
    return static_cast<long long>(o.b) * o.d;
}

bool dividesBy(long n, long k)
{
    return k != 0 && n % k == 0;
}

// Some k from 2 to 48 divides both; a pair whose common divisors are all larger primes
// (53/106) does not count.
bool shareSmallDivisor(long a, long b)
{
    for (long k = 2; k <= 48; ++k)
        if (a % k == 0 && b % k == 0)
            return true;
    return false;
}

const FractionGenerator additionGenerator{
    FractionOperation::Addition,
    true,
    true,
    {[](const Operands& o, long e) {
         return inRange(o, e) && o.a + o.c <= o.b && o.a + o.c < e && bothProper(o);
     },
     [](const Operands& o, long e) { return inRange(o, e); }},
    // Higher grades: the first denominator and numerator are proper multiples of the second's,
    // so b is the common denominator.
    {[](const Operands& o, long e) {
         return inRange(o, e) && firstCross(o) + secondCross(o) <= denominatorProduct(o) &&
                bothProper(o);
     },
     [](const Operands& o, long e) {
         return inRange(o, e) && o.c != o.a && o.d != o.b && dividesBy(o.a, o.c) &&
                dividesBy(o.b, o.d);
     }}};

const FractionGenerator subtractionGenerator{
    FractionOperation::Subtraction,
    true,
    true,
    {[](const Operands& o, long e) {
         return inRange(o, e) && o.a >= o.c && o.a + o.c < e && o.b > o.a && o.d > o.c;
     },
     [](const Operands& o, long e) { return inRange(o, e) && o.a >= o.c; }},
    {[](const Operands& o, long e) {
         const long long difference = firstCross(o) - secondCross(o);
         return inRange(o, e) && difference >= 0 && difference <= denominatorProduct(o) &&
                bothProper(o);
     },
     [](const Operands& o, long e) { return inRange(o, e) && firstCross(o) >= secondCross(o); }}};

const FractionRule productRule{[](const Operands& o, long e) {
                                   return inRange(o, e) && bothProper(o) &&
                                          static_cast<long long>(o.a) * o.c <=
                                              denominatorProduct(o);
                               },
                               [](const Operands& o, long e) { return inRange(o, e); }};
const FractionGenerator multiplicationGenerator{FractionOperation::Multiplication, true, false,
                                                productRule, productRule};

const FractionRule quotientRule{[](const Operands& o, long e) {
                                    return inRange(o, e) && bothProper(o) &&
                                           firstCross(o) <= secondCross(o);
                                },
                                [](const Operands& o, long e) { return inRange(o, e); }};
const FractionGenerator divisionGenerator{FractionOperation::Division, true, false, quotientRule,
                                          quotientRule};

bool reducible(const Operands& o, long e)
{
    return o.a != o.b && o.a > 0 && o.b > 0 && o.a < e && o.b < e && shareSmallDivisor(o.a, o.b);
}
const FractionRule reductionRule{
    [](const Operands& o, long e) { return reducible(o, e) && o.b > o.a; }, reducible};
const FractionGenerator reductionGenerator{FractionOperation::Reduction, false, false,
                                           reductionRule, reductionRule};

class FractionDraw
{
public:
    FractionDraw(Draw& draw, Range range, bool sameDenominator)
        : draw_(draw), range_(range), sameDenominator_(sameDenominator)
    {
    }

    void once()
    {
        operands_ = drawFractionOperands(draw_.random, range_);
        if (sameDenominator_)
            operands_.d = operands_.b;
    }

    // Draws until `holds`; a stop leaves the last draw in place.
    template <typename Holds> void until(Holds holds)
    {
        do {
            if (draw_.stop.stopRequested())
                return;
            once();
        } while (!holds(operands_));
    }

    const Operands& operands() const { return operands_; }

private:
    Draw& draw_;
    Range range_;
    bool sameDenominator_;
    Operands operands_;
};

FractionExpression itemOf(const Operands& o, const FractionGenerator& generator)
{
    if (!generator.twoFractions)
        return {FractionItem{generator.operation, o.a, o.b, 0, 1}, std::nullopt};
    return {FractionItem{generator.operation, o.a, o.b, o.c, o.d}, std::nullopt};
}

// The digit rule ticked (中间有零 for ranges above 100, 末尾有零 or 整十百千; they exclude each
// other), asked of the first fraction. True when none is ticked.
bool meetsDigitRule(const ExerciseSettings& s, const Operands& o, long e)
{
    if (s.zeroInMiddle.checked && e > 100)
        return hasZeroInTheMiddle(std::to_string(o.a)) || hasZeroInTheMiddle(std::to_string(o.b));
    if (s.zeroAtEnd.checked)
        return o.a % 10 == 0 || o.b % 10 == 0;
    if (s.wholeTens.checked)
        return isWholeTens(static_cast<double>(o.a + o.b));
    return true;
}

// 脱式计算 goes on from the item's value, so a value pupils cannot carry further is drawn
// again; the steps keep their values within the same digits.
bool valueFitsSteps(const ExerciseSettings& s, const Operands& o,
                    const FractionGenerator& generator)
{
    if (!s.stepsOption.selected)
        return true;
    const std::optional<Rational> value = itemValue(itemOf(o, generator).item);
    return value && fitsFractionSteps(*value);
}

FractionExpression makeFractionItem(Draw& draw, Range range, const FractionGenerator& generator)
{
    draw.random.mixClock();
    const int grade = draw.settings.gradeIndex();
    const bool sameDenominator = generator.gradeRule && grade >= 1 && grade <= 9;
    const FractionRule& rule =
        sameDenominator ? generator.sameDenominator : generator.anyDenominators;
    const ExerciseSettings& s = draw.settings;
    const long e = range.end;
    FractionDraw fractions(draw, range, sameDenominator);
    // 是真分数 and a digit rule both hold when both are ticked.
    fractions.until([&](const Operands& o) {
        return meetsDigitRule(s, o, e) && (!s.properFractions() || rule.proper(o, e)) &&
               rule.accepted(o, e) && valueFitsSteps(s, o, generator);
    });
    return itemOf(fractions.operands(), generator);
}

} // namespace

FractionOperands drawFractionOperands(RandomSource& random, Range range)
{
    const double count = static_cast<double>(range.end) - range.start + 1;
    // In double the product stays below count, so no draw passes the range end.
    auto draw = [&] { return static_cast<long>(count * random.next()) + range.start; };
    FractionOperands o;
    o.a = draw();
    o.b = draw();
    o.c = draw();
    o.d = draw();
    o.spare = draw();
    return o;
}

bool digitRuleMeetable(const ExerciseSettings& settings, Range range)
{
    const long low = std::max(range.start, 1);
    const long high = range.end - 1;
    // 整十百千 reads a + b: with b at either end every sum of two such numbers comes up.
    for (long a = low; a <= high; ++a)
        if (meetsDigitRule(settings, {a, low}, range.end) ||
            meetsDigitRule(settings, {a, high}, range.end))
            return true;
    return low > high; // no numbers at all: that is no digit rule's doing
}

FractionExpression makeFractionAdditionItem(Draw& draw, Range range)
{
    return makeFractionItem(draw, range, additionGenerator);
}

FractionExpression makeFractionSubtractionItem(Draw& draw, Range range)
{
    return makeFractionItem(draw, range, subtractionGenerator);
}

FractionExpression makeFractionMultiplicationItem(Draw& draw, Range range)
{
    return makeFractionItem(draw, range, multiplicationGenerator);
}

FractionExpression makeFractionDivisionItem(Draw& draw, Range range)
{
    return makeFractionItem(draw, range, divisionGenerator);
}

FractionExpression makeFractionReductionItem(Draw& draw, Range range)
{
    return makeFractionItem(draw, range, reductionGenerator);
}

} // namespace quill
