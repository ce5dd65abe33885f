#include "problems/expressions/equation_solution.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

struct SolutionCase {
    const char* name;
    const char* equation;
    const char* complete;
    const char* solution; // nullptr: none can be read
};

class SolutionOf : public ::testing::TestWithParam<SolutionCase>
{
};

// Whole-number equations are read back over thousands of drawn ones in the builder's test;
// these are the decimal and percent forms, and saved entries that lost a part.
TEST_P(SolutionOf, AnEquationAndItsCompleteExpression)
{
    const SolutionCase& c = GetParam();
    const EquationItem item{c.equation, c.complete, ItemValue::read("1")};
    const std::optional<std::string> solution = solutionOf(item);
    if (!c.solution) {
        EXPECT_EQ(solution, std::nullopt);
        EXPECT_EQ(solutionText(item), std::nullopt);
        return;
    }
    EXPECT_EQ(solution, c.solution);
    EXPECT_EQ(solutionText(item), std::string("X＝") + c.solution);
}

// clang-format off
const SolutionCase solutionCases[] = {
    {"DecimalCoefficient", "4.5X", "4.5×0.2", "0.2"},
    {"Percent", "59X＋35", "59×30%＋35", "30%"},
    {"PercentCoefficient", "19%X＋89", "19%×40＋89", "40"},
    {"CompleteLost", "X＋5", "", nullptr},
    {"NoUnknown", "12＋5", "12＋5", nullptr},
    {"OtherExpression", "X＋5", "7－5", nullptr},
    {"TwoUnknowns", "X＋X", "2＋2", nullptr},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Forms, SolutionOf, ::testing::ValuesIn(solutionCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quill
