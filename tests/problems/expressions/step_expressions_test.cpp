#include "problems/exercise_set.h"
#include "problems/expressions/expression_reading.h"
#include "problems/expressions/step_expressions.h"
#include "support/test_application.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

using testing::readItems;
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
    Draw draw = t.app.draw();
    const std::vector<StepItem> built = buildStepExpressions(draw, {c.s, c.e}, readItems(c.item));
    ASSERT_EQ(built.size(), 1u);
    EXPECT_EQ(itemText(built[0]), c.expected);
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
        const std::vector<OperationItem> items = testing::randomItems(seed, 50);
        Draw draw = t.app.draw();
        const std::vector<StepItem> built = buildStepExpressions(draw, {1, 100}, items);
        ASSERT_EQ(built.size(), items.size());
        for (size_t i = 0; i < built.size(); ++i) {
            const std::string& expression = built[i].expression;
            ASSERT_TRUE(built[i].value) << expression;
            const std::string value = built[i].value->text();
            std::string unbracketed = expression;
            std::erase(unbracketed, '(');
            EXPECT_TRUE(unbracketed.starts_with(items[i].text())) << expression;
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

TEST(StepExpressionsStop, KeepsTheItemsFinishedSoFar)
{
    const std::vector<OperationItem> items = readItems("1＋2 3＋4 5＋6");
    testing::expectStopsKeepFinishedItems(items, 40, [&](int stopAt) {
        TestApplication t;
        testing::selectOnly(t.app.settings, ExerciseKind::Steps);
        t.app.settings.stepCount.index = 1;
        if (stopAt > 0)
            t.stopAfter(stopAt);
        Draw draw = t.app.draw();
        return buildStepExpressions(draw, {1, 100}, items);
    });
}

TEST(StepExpressionsStop, EndsDrawsThatCanNeverFit)
{
    TestApplication t;
    testing::selectOnly(t.app.settings, ExerciseKind::Steps);
    Draw draw = t.app.draw();
    t.app.run.stopRequested = true;
    EXPECT_TRUE(buildStepExpressions(draw, {1, 100}, readItems("1＋2 3＋4")).empty());

    // Only 乘法 in grade 2: 3×4 (12 > 9) never takes another factor; 2×3 takes one below 10.
    testing::tickOperations(t.app.settings, false, false, true, false);
    t.app.settings.grade.index = 2;
    t.app.run.stopRequested = false;
    t.stopAfter(500);
    const auto multiplied = buildStepExpressions(draw, {1, 100}, readItems("2×3 3×4"));
    const std::string head = "2×3×";
    ASSERT_EQ(multiplied.size(), 1u);
    EXPECT_TRUE(multiplied[0].expression.starts_with(head)) << multiplied[0].expression;
    EXPECT_LT(numericValue(multiplied[0].expression.substr(head.size())), 10)
        << multiplied[0].expression;

    // 2.5 has no whole one-digit divisor: after 100 fruitless draws a divisor whose
    // quotient ends within four places does, so the builder does not hang on it. (The other
    // values have divisors besides 1 and themselves, which 避免简单题 refuses.)
    testing::tickOperations(t.app.settings, false, false, false, true);
    t.app.run.stopRequested = false;
    t.stopAfter(5000);
    const auto divided = buildStepExpressions(draw, {1, 100}, readItems("8÷2 5÷2 18÷3"));
    ASSERT_EQ(divided.size(), 3u);
    EXPECT_TRUE(divided[1].expression.starts_with("5÷2÷")) << divided[1].expression;
    ASSERT_TRUE(divided[1].value && divided[1].value->computable());
    EXPECT_LE(divided[1].value->number.places(), 4) << divided[1].value->text();
}

} // namespace
} // namespace quill
