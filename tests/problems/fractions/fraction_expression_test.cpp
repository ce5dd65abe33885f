#include "problems/fractions/fraction_expression.h"
#include "problems/fractions/fraction_items.h"
#include "support/test_application.h"

#include <gtest/gtest.h>
#include <numeric>

namespace quill
{
namespace
{

using namespace quill::testing;

struct ShownCase {
    const char* name;
    const char* item;
    const char* shown;  // the terms as plain text
    const char* answer; // the reduced answer as plain text
};

class FractionDisplay : public ::testing::TestWithParam<ShownCase>
{
};

TEST_P(FractionDisplay, ShowsItemAndReducedAnswer)
{
    const ShownCase c = GetParam();
    const auto expression = parseFractionExpression(c.item);
    ASSERT_TRUE(expression);
    const FractionExpression asked = withoutNegativeDifference(*expression);
    EXPECT_EQ(plainText(shownTerms(asked)), c.shown);
    EXPECT_EQ(plainText({shownValue(*expressionValue(asked))}), c.answer);
}

const ShownCase shownCases[] = {
    {"Sum", "3＋8＋1＋8", "3/8＋1/8", "1/2"},
    {"WholeFirstFraction", "8＋4＋1＋3", "2＋1/3", "7/3"},
    {"WholeSecondFraction", "1×2×3×3", "1/2×1", "1/2"},
    {"BothWholeStayFractions", "4＋2＋6＋3", "4/2＋6/3", "4"},
    {"DivisionOfWholes", "4÷2÷6÷3", "4/2÷6/3", "1"},
    {"EqualFractionsDifferZero", "5－8－5－8", "5/8－5/8", "0"},
    {"SumOne", "1＋2＋1＋2", "1/2＋1/2", "1"},
    {"WholeResultIsAWholeNumber", "3＋2＋1＋2", "3/2＋1/2", "2"},
    {"WholeMinusFraction", "2－1－1－3", "2－1/3", "5/3"},
    {"DivisionInverts", "1÷2÷3÷4", "1/2÷3/4", "2/3"},
    {"Reduction", "6/8", "6/8", "3/4"},
    {"ReductionToWhole", "8/4", "8/4", "2"},
    {"NegativeDifferenceAskedTheOtherWay", "1－8－3－8", "3/8－1/8", "1/4"},
    {"BracketedStep", "(3＋8＋1＋8)×5", "(3/8＋1/8)×5", "5/2"},
    {"UnbracketedStep", "2×3×3×4＋7", "2/3×3/4＋7", "15/2"},
    {"ValueTakenAway", "1＋4＋1＋4－1/2", "1/4＋1/4－1/2", "0"},
};

INSTANTIATE_TEST_SUITE_P(Items, FractionDisplay, ::testing::ValuesIn(shownCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FractionExpression, RefusesWhatIsNoFractionItem)
{
    for (const char* text : {"", "abc", "3＋0＋1＋8", "1＋2×3＋4", "3＋8＋1", "(3＋8＋1＋8)",
                             "(3＋8＋1＋8×5", "6/0", "1＋2＋1＋2＋1/0", "12345678901/2",
                             "8/2333333333333333333333636", "3 / 4"})
        EXPECT_FALSE(parseFractionExpression(text)) << text;
    // Well formed, but a division by a zero fraction has no value.
    const auto byZero = parseFractionExpression("1÷2÷0÷4");
    ASSERT_TRUE(byZero);
    EXPECT_FALSE(expressionValue(*byZero));
}

// Every drawn item reads back to its own text, and its answer is the exact value in lowest
// terms, checked against cross products computed here.
TEST(FractionExpression, AnswersOfDrawnItemsAreExactAndReduced)
{
    using Generator = FractionExpression (*)(Draw&, Range);
    struct Source {
        Generator generate;
        long long (*numerator)(long long a, long long b, long long c, long long d);
        long long (*denominator)(long long a, long long b, long long c, long long d);
    };
    const Source sources[] = {
        {makeFractionAdditionItem, [](auto a, auto b, auto c, auto d) { return a * d + c * b; },
         [](auto, auto b, auto, auto d) { return b * d; }},
        {makeFractionSubtractionItem, [](auto a, auto b, auto c, auto d) { return a * d - c * b; },
         [](auto, auto b, auto, auto d) { return b * d; }},
        {makeFractionMultiplicationItem, [](auto a, auto, auto c, auto) { return a * c; },
         [](auto, auto b, auto, auto d) { return b * d; }},
        {makeFractionDivisionItem, [](auto a, auto, auto, auto d) { return a * d; },
         [](auto, auto b, auto c, auto) { return b * c; }},
        {makeFractionReductionItem, [](auto a, auto, auto, auto) { return a; },
         [](auto, auto b, auto, auto) { return b; }},
    };
    TestApplication t;
    t.app.settings.exactOrProper.checked = false;
    Draw draw = t.app.draw();
    for (int grade : {0, 3})
        for (const Source& source : sources) {
            t.app.settings.grade.index = grade;
            for (int i = 0; i < 400; ++i) {
                const FractionExpression drawn = source.generate(draw, {1, 500});
                const std::string text = expressionText(drawn);
                const auto expression = parseFractionExpression(text);
                ASSERT_TRUE(expression) << text;
                EXPECT_EQ(*expression, drawn) << text;
                const FractionItem& o = drawn.item;
                const long long n = source.numerator(o.a, o.b, o.c, o.d);
                const long long d = source.denominator(o.a, o.b, o.c, o.d);
                const Rational answer = *expressionValue(*expression);
                ASSERT_EQ(answer.numerator() * d, n * answer.denominator()) << text;
                ASSERT_EQ(std::gcd(answer.numerator(), answer.denominator()), 1) << text;
                ASSERT_GT(answer.denominator(), 0) << text;
            }
        }
}

} // namespace
} // namespace quill
