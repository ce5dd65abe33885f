#include "problems/expressions/expression_reading.h"
#include "problems/expressions/step_expressions.h"
#include "problems/whole/operands.h"
#include "support/test_application.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

using testing::entries;
using testing::TestApplication;

struct StepCase {
    std::string item;
    bool add, sub, mul, div;
    int s, e;
    std::string expected;
};

class StepExample : public ::testing::TestWithParam<StepCase>
{
};

// A range of one number makes every drawn number that number.
TEST_P(StepExample, ExtendsTheItem)
{
    const StepCase& c = GetParam();
    SCOPED_TRACE(c.item);
    TestApplication t;
    testing::selectOnly(t.app.settings, ExerciseKind::Steps);
    testing::tickOperations(t.app.settings, c.add, c.sub, c.mul, c.div);
    EXPECT_EQ(buildStepExpressions(t.app, c.item, c.s, c.e), " " + c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, StepExample,
    ::testing::Values(StepCase{"12＋5", true, false, false, false, 8, 8, "12＋5＋8＝25"},
                      StepCase{"12＋5", false, false, true, false, 3, 3, "(12＋5)×3＝51"},
                      StepCase{"56÷7", false, false, false, true, 4, 4, "56÷7÷4＝2"},
                      StepCase{"6×3", false, false, true, false, 2, 2, "6×3×2＝36"},
                      StepCase{"9－4", false, false, false, true, 5, 5, "(9－4)÷5＝1"},
                      // A value below the range start + 1 is cancelled out to 0.
                      StepCase{"12－11", false, true, false, false, 10, 50, "12－11－1＝0"},
                      // 8 ÷ 3 is never exact: after 100 draws the value divides by itself.
                      StepCase{"56÷7", false, false, false, true, 3, 3, "56÷7÷8＝1"}));

// Over thousands of items: the item extended by exactly the wanted operations, with the
// right value, never negative, brackets only where needed and (能够整除) whole quotients.
void expectSoundExpressions(int operations, int grade, bool decimals)
{
    for (unsigned seed = 1; seed <= 60; ++seed) {
        TestApplication t(seed);
        testing::selectOnly(t.app.settings, ExerciseKind::Steps);
        t.app.settings.stepCount.index = operations - 2;
        t.app.settings.grade.index = grade;
        t.app.settings.decimals.checked = decimals;
        const std::string list = testing::randomItemList(seed, 50);
        const auto items = entries(" " + list);
        const auto built = entries(buildStepExpressions(t.app, list, 1, 100));
        ASSERT_EQ(built.size(), items.size());
        for (size_t i = 0; i < built.size(); ++i) {
            const auto& [expression, value] = built[i];
            EXPECT_EQ(expression, t.app.answers.itemTexts[i]);
            EXPECT_EQ(value, t.app.answers.stepAnswers[i]);
            std::string unbracketed = expression;
            std::erase(unbracketed, '(');
            EXPECT_TRUE(unbracketed.starts_with(items[i].first)) << expression;
            EXPECT_FALSE(value.starts_with("-")) << expression;
            const auto reader = testing::expectExpression(expression, value, operations);
            EXPECT_EQ(reader.needlessBrackets, 0) << expression;
            for (const double q : reader.quotients)
                EXPECT_NEAR(q, std::round(q), 1e-9) << expression;
        }
    }
}

TEST(StepExpressions, ThreeStepsHaveTwoOperations)
{
    expectSoundExpressions(2, 0, false);
}
TEST(StepExpressions, FourStepsHaveThreeOperations)
{
    expectSoundExpressions(3, 0, false);
}
TEST(StepExpressions, EarlyGradesKeepTheirRules)
{
    expectSoundExpressions(3, 2, false);
}
TEST(StepExpressions, DecimalsAppendDecimals)
{
    expectSoundExpressions(2, 0, true);
}

TEST(StepExpressionsStop, ReturnsTheEntriesFinishedSoFar)
{
    TestApplication t;
    testing::selectOnly(t.app.settings, ExerciseKind::Steps);
    t.app.run.stopRequested = true;
    EXPECT_EQ(buildStepExpressions(t.app, "1＋2 3＋4", 1, 100), "");

    t.app.eventPump = [&] {
        t.app.run.stopRequested = entries(t.app.answers.expressionListText).size() == 2;
    };
    t.app.run.stopRequested = false;
    const auto built = entries(buildStepExpressions(t.app, "1＋2 3＋4 5＋6", 1, 100));
    ASSERT_EQ(built.size(), 2u);
    EXPECT_EQ(built[1].first, t.app.answers.itemTexts[1]);

    // Only 乘法 in grade 2: 3×4 (12 > 9) never takes another factor; 2×3 takes one below 10.
    testing::tickOperations(t.app.settings, false, false, true, false);
    t.app.settings.grade.index = 2;
    t.app.run.stopRequested = false;
    t.stopAfter(500);
    const auto multiplied = entries(buildStepExpressions(t.app, "2×3 3×4", 1, 100));
    const std::string head = "2×3×";
    ASSERT_EQ(multiplied.size(), 1u);
    EXPECT_TRUE(multiplied[0].first.starts_with(head)) << multiplied[0].first;
    EXPECT_LT(numericValue(multiplied[0].first.substr(head.size())), 10) << multiplied[0].first;

    // 2.5 has no whole one-digit divisor: after 100 fruitless draws a divisor whose
    // quotient ends within four places does, so the builder does not hang on it.
    testing::tickOperations(t.app.settings, false, false, false, true);
    t.app.run.stopRequested = false;
    t.stopAfter(5000);
    const auto divided = entries(buildStepExpressions(t.app, "8÷4 5÷2 9÷3", 1, 100));
    ASSERT_EQ(divided.size(), 3u);
    EXPECT_TRUE(divided[1].first.starts_with("5÷2÷")) << divided[1].first;
    EXPECT_LE(decimalPlaces(numericValue(divided[1].second)), 4) << divided[1].second;
}

} // namespace
} // namespace quill
