#include "problems/expressions/equations.h"
#include "problems/expressions/expression_reading.h"
#include "support/test_application.h"

#include <gtest/gtest.h>
#include <set>

namespace quill
{
namespace
{

using testing::entries;
using testing::TestApplication;
using Forms = std::set<std::string>;

// Every form a hiding function gives for an item over many draws.
template <typename Hide> Forms formsOf(const std::string& item, bool simple, Hide hide)
{
    Forms forms;
    TestApplication t;
    t.app.settings.easyMode.checked = simple;
    for (int i = 0; i < 100; ++i)
        forms.insert(hide(t.app, item));
    return forms;
}

TEST(HidingANumber, EquationLeftSidesAndFillInItems)
{
    EXPECT_EQ(formsOf("12＋5", false, equationLeftSide), (Forms{"X＋5", "12＋X"}));
    EXPECT_EQ(formsOf("20－8", false, equationLeftSide), (Forms{"X－8", "20－X"}));
    EXPECT_EQ(formsOf("6×4", false, equationLeftSide), (Forms{"6X"}));
    EXPECT_EQ(formsOf("56÷7", false, equationLeftSide), (Forms{"X÷7", "56÷X"}));
    EXPECT_EQ(formsOf("56÷7", true, equationLeftSide), (Forms{"X÷7"}));
    EXPECT_EQ(formsOf("56", false, equationLeftSide), (Forms{""}));
    EXPECT_EQ(formsOf("8×7", true, fillInItem), (Forms{"______×7", "8×______"}));
    EXPECT_EQ(formsOf("25%＋30%", false, fillInItem), (Forms{"______＋30%", "25%＋______"}));
    EXPECT_EQ(formsOf("9÷3", true, fillInItem), (Forms{"______÷3", "9÷______"}));
    EXPECT_EQ(formsOf("", false, fillInItem), (Forms{""}));
}

// Over thousands of items: equationList and completeEquations pair up, the equation is the complete
// expression with one number turned into X, the value is right, and the ticked limits hold.
void expectSoundEquations(bool simple, bool exact)
{
    for (unsigned seed = 1; seed <= 60; ++seed) {
        TestApplication t(seed);
        testing::selectOnly(t.app.settings, ExerciseKind::Equations);
        t.app.settings.easyMode.checked = simple;
        t.app.settings.exactOrProper.checked = exact;
        const std::string list = testing::randomItemList(seed, 40);
        const auto items = entries(" " + list);
        const auto complete = entries(buildEquations(t.app, list, 1, 100));
        const auto equations = entries(t.app.run.equationList);
        ASSERT_EQ(complete.size(), items.size());
        ASSERT_EQ(equations.size(), items.size());
        for (size_t i = 0; i < items.size(); ++i) {
            const auto& [expression, value] = complete[i];
            const std::string& equation = equations[i].first;
            EXPECT_EQ(equations[i].second, value);
            const auto reader = testing::expectExpression(expression, value, 2);
            const std::vector<std::string> hidden = testing::tokens(equation);
            ASSERT_EQ(hidden.size(), reader.t.size()) << equation << " / " << expression;
            int differences = 0;
            for (size_t j = 0; j < hidden.size(); ++j)
                if (hidden[j] != reader.t[j])
                    differences += hidden[j] == "X" && std::isdigit(reader.t[j][0]) ? 1 : 99;
            EXPECT_EQ(differences, 1) << equation << " / " << expression;
            // Exactly one X solves it: another number in X's place gives another value.
            std::string other;
            for (size_t j = 0; j < hidden.size(); ++j)
                other += hidden[j] != "X" ? hidden[j] : shortestText(numericValue(reader.t[j]) + 1);
            EXPECT_NE(testing::ExpressionReader(other).value, reader.value) << equation;

            // The appended operation is the sign before the last number.
            const std::string appended = reader.t[reader.t.size() - 2];
            if (appended == "－") { // more than 0 left, unless the item is below start + 1
                EXPECT_EQ(numericValue(value) > 0,
                          testing::ExpressionReader(items[i].first).value >= 2);
            }
            if (simple || exact) {
                EXPECT_TRUE(appended == "＋" || appended == "×") << expression;
            }
            if (simple) {
                EXPECT_EQ(equation.find("÷X"), std::string::npos) << equation;
            }
        }
    }
}

TEST(Equations, HideOneNumberOfACorrectExpression)
{
    expectSoundEquations(false, false);
}
TEST(Equations, SimpleEquationsAppendNoSubtractionOrDivision)
{
    expectSoundEquations(true, false);
}
TEST(Equations, ExactDivisionAppendsOnlyAdditionOrMultiplication)
{
    expectSoundEquations(false, true);
}

TEST(EquationsStop, ReturnsTheEntriesFinishedSoFar)
{
    TestApplication t;
    testing::selectOnly(t.app.settings, ExerciseKind::Equations);
    t.app.run.equationList = " kept";
    t.app.eventPump = [&] { t.app.run.stopRequested = !t.app.answers.expressionListText.empty(); };
    EXPECT_EQ(entries(buildEquations(t.app, "1＋2 3＋4 5＋6", 1, 100)).size(), 1u);
    EXPECT_EQ(t.app.run.equationList,
              " kept " + t.app.answers.itemTexts[0] + "＝" + t.app.answers.stepAnswers[0]);

    // Only 除法 with 简易方程: nothing can be appended, so only the stop ends the builder.
    testing::tickOperations(t.app.settings, false, false, false, true);
    t.app.settings.easyMode.checked = true;
    t.app.run.equationList.clear();
    t.stopAfter(1000);
    EXPECT_EQ(buildEquations(t.app, "8÷2", 1, 100), "");
    EXPECT_EQ(t.app.run.equationList, "");
}

} // namespace
} // namespace quill
