#include "problems/expressions/equation_solution.h"
#include "problems/expressions/equations.h"
#include "problems/expressions/expression_reading.h"
#include "support/test_application.h"

#include <gtest/gtest.h>
#include <set>

namespace quill
{
namespace
{

using testing::readItems;
using testing::TestApplication;
using Forms = std::set<std::string>;

// Every equation left side drawn for an item over many draws.
Forms leftSidesOf(const std::string& text, bool simple)
{
    Forms forms;
    TestApplication t;
    t.app.settings.easyMode.checked = simple;
    Draw draw = t.app.draw();
    for (int i = 0; i < 100; ++i)
        forms.insert(equationLeftSide(draw, OperationItem::read(text)));
    return forms;
}

// Both numbers of the item left out in turn, as a fill-in question sheet writes it; its
// answer sheet has the number in the blank's place, in brackets.
Forms blanksOf(const std::string& text)
{
    OperationItem item = OperationItem::read(text);
    Forms forms;
    for (const std::size_t blank : {0, 1}) {
        item.blank = blank;
        const std::string asked = item.text(BlankShown::AsBlank);
        std::string filled = asked;
        filled.replace(filled.find(fillInBlank), fillInBlank.size(),
                       "（" + item.terms[blank].text + "）");
        EXPECT_EQ(item.text(BlankShown::Filled), filled);
        forms.insert(asked);
    }
    EXPECT_EQ(item.text(), text) << "the item keeps its numbers";
    return forms;
}

TEST(HidingANumber, EquationLeftSidesAndFillInItems)
{
    EXPECT_EQ(leftSidesOf("12＋5", false), (Forms{"X＋5", "12＋X"}));
    EXPECT_EQ(leftSidesOf("20－8", false), (Forms{"X－8", "20－X"}));
    EXPECT_EQ(leftSidesOf("6×4", false), (Forms{"6X"}));
    EXPECT_EQ(leftSidesOf("56÷7", false), (Forms{"X÷7", "56÷X"}));
    EXPECT_EQ(leftSidesOf("56÷7", true), (Forms{"X÷7"}));
    EXPECT_EQ(leftSidesOf("56", false), (Forms{""}));
    EXPECT_EQ(blanksOf("8×7"), (Forms{"______×7", "8×______"}));
    EXPECT_EQ(blanksOf("25%＋30%"), (Forms{"______＋30%", "25%＋______"}));
    EXPECT_EQ(blanksOf("9÷3"), (Forms{"______÷3", "9÷______"}));
}

// Over thousands of items: the equation is the complete expression with one number turned
// into X, the value is right, and the ticked limits hold.
void expectSoundEquations(bool simple, bool exact)
{
    for (unsigned seed = 1; seed <= 60; ++seed) {
        TestApplication t(seed);
        testing::selectOnly(t.app.settings, ExerciseKind::Equations);
        t.app.settings.easyMode.checked = simple;
        t.app.settings.exactOrProper.checked = exact;
        const std::vector<OperationItem> items = testing::randomItems(seed, 40);
        Draw draw = t.app.draw();
        const std::vector<EquationItem> built = buildEquations(draw, {1, 100}, items);
        ASSERT_EQ(built.size(), items.size());
        for (size_t i = 0; i < items.size(); ++i) {
            const std::string& expression = built[i].complete;
            const std::string& equation = built[i].equation;
            const std::string value = built[i].value.text();
            const auto reader = testing::expectExpression(expression, value, 2);
            const std::vector<std::string> hidden = testing::tokens(equation);
            ASSERT_EQ(hidden.size(), reader.t.size()) << equation << " / " << expression;
            int differences = 0;
            for (size_t j = 0; j < hidden.size(); ++j)
                if (hidden[j] != reader.t[j]) {
                    differences += hidden[j] == "X" && std::isdigit(reader.t[j][0]) ? 1 : 99;
                    // The answer key's X＝ is the number X hides.
                    EXPECT_EQ(solutionOf(built[i]), reader.t[j]) << equation;
                }
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
                          testing::ExpressionReader(items[i].text()).value >= 2);
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

TEST(EquationsStop, KeepsTheEquationsFinishedSoFar)
{
    const std::vector<OperationItem> items = readItems("1＋2 3＋4 5＋6");
    testing::expectStopsKeepFinishedItems(items, 40, [&](int stopAt) {
        TestApplication t;
        testing::selectOnly(t.app.settings, ExerciseKind::Equations);
        if (stopAt > 0)
            t.stopAfter(stopAt);
        Draw draw = t.app.draw();
        return buildEquations(draw, {1, 100}, items);
    });
}

TEST(EquationsStop, EndsABuildThatCanAppendNothing)
{
    // Only 除法 with 简易方程: nothing can be appended, so only the stop ends the builder.
    TestApplication t;
    testing::selectOnly(t.app.settings, ExerciseKind::Equations);
    testing::tickOperations(t.app.settings, false, false, false, true);
    t.app.settings.easyMode.checked = true;
    t.stopAfter(1000);
    Draw draw = t.app.draw();
    EXPECT_TRUE(buildEquations(draw, {1, 100}, readItems("8÷2")).empty());
    EXPECT_TRUE(t.app.run.stopRequested);
}

} // namespace
} // namespace quill
