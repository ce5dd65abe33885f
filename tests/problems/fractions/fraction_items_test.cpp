#include "problems/fractions/fraction_items.h"
#include "support/test_application.h"

#include <gtest/gtest.h>
#include <numeric>
#include <regex>
#include <string>

namespace quill
{
namespace
{

using namespace quill::testing;

// An item as drawn: a/b and c/d (c = d = 1 for a reduction), with its text for messages.
struct Drawn {
    std::string text;
    long long a = 0, b = 1, c = 1, d = 1;
};

// a/b compared with c/d by cross products.
long long crossDifference(const Drawn& x)
{
    return x.a * x.d - x.c * x.b;
}

using Generator = FractionExpression (*)(Draw&, Range);

struct RuleCase {
    const char* name;
    Generator generate;
    FractionOperation operation;
    int grade = 0;
    int s = 1, e = 100;
    bool proper = true;
    bool (*always)(const Drawn&) = nullptr;
    bool (*sometimes)(const Drawn&) = nullptr; // a form the rules still allow
    void (*prepare)(ExerciseSettings&) = nullptr;
};

// The item of the generator's operation, unextended, which its saved text reads back as.
Drawn drawnOf(const FractionExpression& expression, FractionOperation operation)
{
    const FractionItem& item = expression.item;
    const std::string text = expressionText(expression);
    EXPECT_EQ(item.operation, operation) << text;
    EXPECT_FALSE(expression.step) << text;
    EXPECT_EQ(parseFractionExpression(text), expression) << text;
    if (operation == FractionOperation::Reduction)
        return {text, item.a, item.b};
    return {text, item.a, item.b, item.c, item.d};
}

class FractionRules : public ::testing::TestWithParam<RuleCase>
{
};

TEST_P(FractionRules, HoldForEveryDrawnItem)
{
    const RuleCase c = GetParam();
    TestApplication t;
    ExerciseSettings& s = t.app.settings;
    s.grade.index = c.grade;
    s.exactOrProper.checked = c.proper;
    if (c.prepare)
        c.prepare(s);
    bool seen = c.sometimes == nullptr;
    Draw draw = t.app.draw();
    for (int i = 0; i < 800; ++i) {
        const Drawn x = drawnOf(c.generate(draw, {c.s, c.e}), c.operation);
        // Every number lies in the range without its end, and none is 0.
        const bool twoFractions = c.operation != FractionOperation::Reduction;
        for (long long n : {x.a, x.b, twoFractions ? x.c : x.a, twoFractions ? x.d : x.b})
            ASSERT_TRUE(n >= std::max(c.s, 1) && n < c.e) << x.text;
        if (c.always) {
            ASSERT_TRUE(c.always(x)) << x.text;
        }
        seen = seen || c.sometimes(x);
    }
    EXPECT_TRUE(seen) << "a form the rules allow never came up";
}

bool sameDenominator(const Drawn& x)
{
    return x.b == x.d;
}

bool sharesDivisorUpTo48(long long a, long long b)
{
    const long long g = std::gcd(a, b);
    for (long long k = 2; k <= 48; ++k)
        if (g % k == 0)
            return true;
    return false;
}

using Op = FractionOperation;

const RuleCase ruleCases[] = {
    {"AdditionEarlyGradesShareDenominators", makeFractionAdditionItem, Op::Addition, 5, 1, 100,
     false, sameDenominator},
    {"AdditionEarlyGradesProperSumAtMostOne", makeFractionAdditionItem, Op::Addition, 9, 1, 30,
     true, [](const Drawn& x) { return sameDenominator(x) && x.a + x.c <= x.b && x.a <= x.b; },
     [](const Drawn& x) { return x.a + x.c == x.b; }},
    {"AdditionHigherGradesMultiples", makeFractionAdditionItem, Op::Addition, 0, 1, 60, false,
     [](const Drawn& x) { return x.a % x.c == 0 && x.b % x.d == 0 && x.a != x.c && x.b != x.d; }},
    {"AdditionHigherGradesProperSum", makeFractionAdditionItem, Op::Addition, 12, 1, 60, true,
     [](const Drawn& x) {
         return x.a % x.c == 0 && x.b % x.d == 0 && x.a * x.d + x.c * x.b <= x.b * x.d;
     }},
    {"SubtractionNeverNegativeAndMeetsZero", makeFractionSubtractionItem, Op::Subtraction, 3, 1, 12,
     false, [](const Drawn& x) { return sameDenominator(x) && crossDifference(x) >= 0; },
     [](const Drawn& x) { return crossDifference(x) == 0; }},
    {"SubtractionEarlyGradesStrictlyProper", makeFractionSubtractionItem, Op::Subtraction, 1, 1, 40,
     true,
     [](const Drawn& x) { return sameDenominator(x) && x.a < x.b && x.c < x.d && x.a >= x.c; }},
    {"SubtractionHigherGradesProper", makeFractionSubtractionItem, Op::Subtraction, 10, 1, 50, true,
     [](const Drawn& x) { return crossDifference(x) >= 0 && x.a <= x.b && x.c <= x.d; },
     [](const Drawn& x) { return x.b != x.d; }},
    {"MultiplicationProper", makeFractionMultiplicationItem, Op::Multiplication, 0, 1, 100, true,
     [](const Drawn& x) { return x.a <= x.b && x.c <= x.d && x.a * x.c <= x.b * x.d; }},
    {"MultiplicationAnyOtherwise", makeFractionMultiplicationItem, Op::Multiplication, 0, 1, 100,
     false, nullptr, [](const Drawn& x) { return x.a > x.b; }},
    {"DivisionProperQuotientAtMostOne", makeFractionDivisionItem, Op::Division, 0, 1, 100, true,
     [](const Drawn& x) { return x.a <= x.b && x.c <= x.d && x.a * x.d <= x.b * x.c; }},
    {"ReductionProper", makeFractionReductionItem, Op::Reduction, 0, 1, 100, true,
     [](const Drawn& x) { return x.b > x.a && sharesDivisorUpTo48(x.a, x.b); }},
    {"ReductionAnyOrder", makeFractionReductionItem, Op::Reduction, 0, 1, 100, false,
     [](const Drawn& x) { return x.a != x.b && sharesDivisorUpTo48(x.a, x.b); },
     [](const Drawn& x) { return x.a > x.b; }},
    {"ReductionRangeStartAboveOne", makeFractionReductionItem, Op::Reduction, 0, 20, 200, true,
     [](const Drawn& x) { return x.a >= 20 && x.b > x.a; }},
    {"MiddleZeroAboveHundred", makeFractionMultiplicationItem, Op::Multiplication, 0, 1, 3000,
     false,
     [](const Drawn& x) {
         const std::regex middle("\\d0{1,4}\\d");
         return std::regex_match(std::to_string(x.a), middle) ||
                std::regex_match(std::to_string(x.b), middle);
     },
     nullptr, [](ExerciseSettings& s) { s.zeroInMiddle.checked = true; }},
    {"EndZero", makeFractionDivisionItem, Op::Division, 0, 1, 100, false,
     [](const Drawn& x) { return x.a % 10 == 0 || x.b % 10 == 0; }, nullptr,
     [](ExerciseSettings& s) { s.zeroAtEnd.checked = true; }},
    {"WholeTensOfTheFirstFraction", makeFractionReductionItem, Op::Reduction, 0, 1, 100, false,
     [](const Drawn& x) {
         return std::regex_match(std::to_string(x.a + x.b), std::regex("[1-9]0{1,4}"));
     },
     nullptr, [](ExerciseSettings& s) { s.wholeTens.checked = true; }},
};

INSTANTIATE_TEST_SUITE_P(Generators, FractionRules, ::testing::ValuesIn(ruleCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A range no draw can satisfy keeps a generator drawing until the stop, which it then heeds
// within a pass.
TEST(FractionItems, StopEndsAnImpossibleDraw)
{
    for (Generator generate :
         {makeFractionAdditionItem, makeFractionSubtractionItem, makeFractionMultiplicationItem,
          makeFractionDivisionItem, makeFractionReductionItem}) {
        TestApplication t;
        int pumps = 0;
        t.app.eventPump = [&] {
            if (++pumps == 50)
                t.app.run.stopRequested = true;
        };
        Draw draw = t.app.draw();
        generate(draw, {1, 2});
        EXPECT_LE(pumps, 51);
    }
}

} // namespace
} // namespace quill
