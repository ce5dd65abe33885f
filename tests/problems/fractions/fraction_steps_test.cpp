#include "problems/fractions/fraction_expression.h"
#include "problems/fractions/fraction_items.h"
#include "problems/fractions/fraction_steps.h"
#include "support/test_application.h"

#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace quill
{
namespace
{

using namespace quill::testing;

std::string drawnList(Application& app, int count, int s, int e)
{
    using Generator = std::string (*)(Workspace&, int, int);
    const Generator generators[] = {makeFractionAdditionItem, makeFractionSubtractionItem,
                                    makeFractionMultiplicationItem, makeFractionDivisionItem};
    std::string list;
    for (int k = 0; k < count; ++k)
        list += (k ? " " : "") + generators[k % 4](app, s, e);
    return list;
}

std::vector<std::string> words(const std::string& list)
{
    std::vector<std::string> out;
    std::istringstream in(list);
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
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

// Each expression is its item, one sign and a number; brackets exactly around a sum or
// difference that is multiplied or divided; the entry's value is the expression's exact value.
TEST_P(FractionSteps, ExtendEveryItemOnce)
{
    const StepCase c = GetParam();
    TestApplication t;
    ExerciseSettings& s = t.app.settings;
    s.addition.checked = c.add, s.subtraction.checked = c.sub;
    s.multiplication.checked = c.mul, s.division.checked = c.div;
    s.grade.index = c.grade;
    const std::vector<std::string> items = words(drawnList(t.app, 200, c.s, c.e));
    std::string list;
    for (const auto& item : items)
        list += item + " ";
    const FractionStepList built = buildFractionSteps(t.app, list, c.s, c.e);
    const std::vector<std::string> entries = words(built.entries);
    ASSERT_EQ(built.expressions.size(), items.size());
    ASSERT_EQ(entries.size(), items.size());

    const std::regex shape(R"((\(?)(.+?)(\)?)(＋|－|×|÷)(\d+(?:/\d+)?))");
    for (size_t k = 0; k < items.size(); ++k) {
        const std::string& text = built.expressions[k];
        std::smatch m;
        ASSERT_TRUE(std::regex_match(text, m, shape)) << text;
        EXPECT_EQ(m[2].str(), items[k]);
        const std::string sign = m[4];
        const bool scales = sign == "×" || sign == "÷";
        const bool sumOrDifference =
            items[k].find("＋") != std::string::npos || items[k].find("－") != std::string::npos;
        EXPECT_EQ(m[1].length() == 1, scales && sumOrDifference) << text;
        EXPECT_EQ(m[1].length(), m[3].length()) << text;
        EXPECT_TRUE((sign == "＋" && c.add) || (sign == "－" && c.sub) || (sign == "×" && c.mul) ||
                    (sign == "÷" && c.div))
            << text;

        const Rational v = *itemValue(parseFractionExpression(items[k])->item);
        const auto number = parseFractionExpression("1/1" + sign + m[5].str());
        ASSERT_TRUE(number) << text;
        const Rational n = number->step->number;
        if (n.isWhole() && sign != "÷") {
            EXPECT_TRUE(n.numerator() >= c.s && n.numerator() <= c.e) << text;
        }
        if (sign == "×" && c.s <= 10) {
            EXPECT_LE(n.numerator(), 10) << text;
        }
        if (sign == "－") {
            // A number of the range below v, or v itself when there is none.
            EXPECT_TRUE(n < v || (n == v && !(Rational(c.s) < v))) << text;
        }
        const Rational expected = sign == "＋"   ? v + n
                                  : sign == "－" ? v - n
                                  : sign == "×"  ? v * n
                                                 : *(v / n);
        EXPECT_EQ(entries[k], text + "＝" + expected.text());
    }
}

const StepCase stepCases[] = {
    {"AdditionOnly", true, false, false, false},
    {"SubtractionOnly", false, true, false, false},
    {"MultiplicationOnly", false, false, true, false},
    {"DivisionOnly", false, false, false, true},
    {"AllFour", true, true, true, true},
    {"WideRange", true, true, true, true, 1, 30000, 5},
    {"MultipliersAboveTen", false, false, true, true, 11, 60, 5},
    {"FromZero", true, true, true, true, 0, 9},
};

INSTANTIATE_TEST_SUITE_P(Operations, FractionSteps, ::testing::ValuesIn(stepCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FractionStepsStop, BeforeTheStartLeavesTheItemsAsDrawn)
{
    TestApplication t;
    const std::string list = drawnList(t.app, 10, 1, 100);
    t.app.run.stopRequested = true;
    const FractionStepList built = buildFractionSteps(t.app, list, 1, 100);
    EXPECT_EQ(built.entries, "");
    EXPECT_EQ(built.expressions, words(list));
}

TEST(FractionStepsStop, HalfWayKeepsTheFinishedEntries)
{
    TestApplication t;
    const std::string list = drawnList(t.app, 10, 1, 100);
    t.stopAfter(4);
    const FractionStepList built = buildFractionSteps(t.app, list, 1, 100);
    const auto entries = words(built.entries);
    ASSERT_LT(entries.size(), 10u);
    for (size_t k = 0; k < 10; ++k) {
        if (k >= entries.size()) {
            EXPECT_EQ(built.expressions[k], words(list)[k]);
        } else {
            EXPECT_TRUE(entries[k].starts_with(built.expressions[k] + "＝"));
        }
    }
}

} // namespace
} // namespace quill
