#include "problems/fractions/fraction_expression.h"
#include "problems/fractions/fraction_items.h"
#include "problems/fractions/fraction_steps.h"
#include "support/test_application.h"

#include <gtest/gtest.h>
#include <regex>

namespace quill
{
namespace
{

using namespace quill::testing;

std::vector<FractionExpression> drawnItems(Draw& draw, int count, Range range)
{
    using Generator = FractionExpression (*)(Draw&, Range);
    const Generator generators[] = {makeFractionAdditionItem, makeFractionSubtractionItem,
                                    makeFractionMultiplicationItem, makeFractionDivisionItem};
    std::vector<FractionExpression> items;
    for (int k = 0; k < count; ++k)
        items.push_back(generators[k % 4](draw, range));
    return items;
}

struct StepCase {
    const char* name;
    bool add, sub, mul, div;
    int s = 1, e = 100;
    // Wide ranges draw their items in a grade of one denominator: the higher grades' multiples
    // are rare among large numbers.
    int grade = 0;
};

class FractionSteps : public ::testing::TestWithParam<StepCase>
{
};

bool scales(FractionOperation operation)
{
    return operation == FractionOperation::Multiplication ||
           operation == FractionOperation::Division;
}

// Each expression is its item, one sign and a number; brackets exactly around a sum or
// difference that is multiplied or divided; the value is the expression's exact value.
TEST_P(FractionSteps, ExtendEveryItemOnce)
{
    const StepCase c = GetParam();
    TestApplication t;
    ExerciseSettings& s = t.app.settings;
    s.addition.checked = c.add, s.subtraction.checked = c.sub;
    s.multiplication.checked = c.mul, s.division.checked = c.div;
    s.grade.index = c.grade;
    s.verticalOption.selected = false;
    s.stepsOption.selected = true; // items whose values steps can carry
    Draw draw = t.app.draw();
    const std::vector<FractionExpression> items = drawnItems(draw, 200, {c.s, c.e});
    const std::vector<FractionExpression> built = buildFractionSteps(draw, {c.s, c.e}, items);
    ASSERT_EQ(built.size(), items.size());

    const std::regex shape(R"((\(?)(.+?)(\)?)(＋|－|×|÷)(\d+(?:/\d+)?))");
    const bool ticked[] = {c.add, c.sub, c.mul, c.div};
    std::size_t replaced = 0;
    for (size_t k = 0; k < items.size(); ++k) {
        const std::string text = expressionText(built[k]);
        const FractionItem& item = built[k].item;
        // An item no step extends within three digits is drawn again, of a ticked operation.
        if (item != items[k].item) {
            ++replaced;
            EXPECT_TRUE(ticked[static_cast<int>(item.operation)]) << text;
            for (size_t j = 0; j < items.size(); ++j)
                EXPECT_TRUE(j == k || items[j].item != item) << text << " repeats item " << j;
        }
        ASSERT_TRUE(built[k].step) << text;
        const FractionStep& step = *built[k].step;
        std::smatch m;
        ASSERT_TRUE(std::regex_match(text, m, shape)) << text;
        EXPECT_EQ(m[2].str(), expressionText({item, std::nullopt}));
        EXPECT_EQ(m[4].str(), fractionSign(step.operation)) << text;
        const FractionOperation itemOperation = item.operation;
        const bool sumOrDifference = itemOperation == FractionOperation::Addition ||
                                     itemOperation == FractionOperation::Subtraction;
        EXPECT_EQ(step.bracketed, scales(step.operation) && sumOrDifference) << text;
        EXPECT_EQ(m[1].length(), step.bracketed ? 1 : 0) << text;
        EXPECT_EQ(m[1].length(), m[3].length()) << text;
        EXPECT_TRUE(ticked[static_cast<int>(step.operation)]) << text;

        const Rational v = *itemValue(item);
        const Rational n = step.number;
        // A whole number of the range, or a proper fraction of its denominators.
        if (n.isWhole()) {
            EXPECT_TRUE(n.numerator() >= c.s && n.numerator() <= c.e) << text;
        } else {
            EXPECT_EQ(step.operation, FractionOperation::Subtraction) << text;
            EXPECT_TRUE(n < Rational(1) && n.denominator() <= c.e) << text;
        }
        if (scales(step.operation) && c.s <= 10) {
            EXPECT_LE(n.numerator(), 10) << text;
        }
        if (step.operation == FractionOperation::Subtraction) {
            EXPECT_TRUE(Rational(0) < n && n < v) << text;
        }
        EXPECT_TRUE(fitsFractionSteps(v) && fitsFractionSteps(*expressionValue(built[k]))) << text;
        const Rational expected = step.operation == FractionOperation::Addition         ? v + n
                                  : step.operation == FractionOperation::Subtraction    ? v - n
                                  : step.operation == FractionOperation::Multiplication ? v * n
                                                                                        : *(v / n);
        EXPECT_EQ(expressionValue(built[k]), expected) << text;
    }
    EXPECT_LE(replaced, items.size() / 10) << "most drawn items take a step";
}

const StepCase stepCases[] = {
    {"AdditionOnly", true, false, false, false},
    {"SubtractionOnly", false, true, false, false},
    {"MultiplicationOnly", false, false, true, false},
    {"DivisionOnly", false, false, false, true},
    {"AllFour", true, true, true, true},
    {"WideRange", true, true, true, true, 1, 30000, 5},
    {"MultipliersAboveTen", false, false, true, true, 11, 60, 5},
    {"SubtractionFromValuesBelowOne", false, true, false, false, 1, 20},
    {"FromZero", true, true, true, true, 0, 9},
};

INSTANTIATE_TEST_SUITE_P(Operations, FractionSteps, ::testing::ValuesIn(stepCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FractionStepsStop, BeforeTheStartLeavesTheItemsAsDrawn)
{
    TestApplication t;
    Draw draw = t.app.draw();
    const std::vector<FractionExpression> items = drawnItems(draw, 10, {1, 100});
    t.app.run.stopRequested = true;
    EXPECT_EQ(buildFractionSteps(draw, {1, 100}, items), items);
}

TEST(FractionStepsStop, HalfWayKeepsTheFinishedItems)
{
    TestApplication t;
    Draw draw = t.app.draw();
    const std::vector<FractionExpression> items = drawnItems(draw, 10, {1, 100});
    t.stopAfter(4);
    const std::vector<FractionExpression> built = buildFractionSteps(draw, {1, 100}, items);
    ASSERT_EQ(built.size(), items.size());
    size_t extended = 0;
    while (extended < built.size() && built[extended].step)
        ++extended;
    ASSERT_LT(extended, items.size());
    for (size_t k = 0; k < items.size(); ++k) {
        if (k < extended) {
            EXPECT_EQ(built[k].item, items[k].item);
        } else {
            EXPECT_EQ(built[k], items[k]) << "item " << k << " was not reached";
        }
    }
}

} // namespace
} // namespace quill
