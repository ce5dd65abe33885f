#include "base/number_text.h"
#include "problems/expressions/shown_answer.h"
#include "problems/whole/operands.h"

#include <cmath>
#include <gtest/gtest.h>

namespace quill
{
namespace
{

// Every division a÷b of 1..60 by 1..60, as an oral key shows it without 保留.
TEST(KeyAnswer, DivisionsShowAnExactQuotientOrAnHonestRemainder)
{
    for (int a = 1; a <= 60; ++a)
        for (int b = 1; b <= 60; ++b) {
            const OperationItem item =
                OperationItem::of(std::to_string(a), Operation::Division, std::to_string(b));
            const ShownAnswer shown =
                keyAnswer(item, answerOf(item, std::nullopt), std::nullopt, false);
            const size_t dots = shown.text.find("……");
            if (dots != std::string::npos) {
                const double q = numericValue(shown.text),
                             r = numericValue(shown.text.substr(dots + 6));
                ASSERT_TRUE(q * b + r == a && r > 0 && r < b) << item.text() << shown.joined();
                ASSERT_GT(decimalPlaces(1.0 * a / b), longestShownPlaces) << item.text();
            } else {
                ASSERT_EQ(shown.sign, "＝") << item.text();
                ASSERT_EQ(shortestText(numericValue(shown.text) * b), shortestText(a))
                    << item.text();
            }
        }
}

struct ShownCase {
    const char* name;
    const char* item;
    int keptPlaces; // -1: 保留 unticked
    bool remainderForm;
    const char* key;
    const char* estimated;
};

class KeyAnswerOf : public ::testing::TestWithParam<ShownCase>
{
};

TEST_P(KeyAnswerOf, OneItem)
{
    const ShownCase& c = GetParam();
    const auto kept = c.keptPlaces >= 0 ? std::optional(c.keptPlaces) : std::nullopt;
    const OperationItem item = OperationItem::read(c.item);
    const ItemAnswer answer = answerOf(item, kept);
    EXPECT_EQ(keyAnswer(item, answer, kept, c.remainderForm).joined(), c.key);
    EXPECT_EQ(estimatedAnswer(answer).joined(), c.estimated);
}

// clang-format off
const ShownCase shownCases[] = {
    {"WholeQuotient", "45÷9", -1, false, "＝5", "≈5"},
    {"One", "89÷89", -1, false, "＝1", "≈1"},
    {"LongQuotient", "2÷49", -1, false, "＝0……2", "≈0.04"},
    {"ShortQuotient", "47÷5", -1, false, "＝9.4", "≈9"},
    {"RemainderAsked", "47÷5", -1, true, "＝9……2", "≈9"},
    {"PercentHasNoRemainder", "99%÷20%", -1, true, "＝4.95", "≈5"},
    {"PercentByWholeNumber", "45%÷9", -1, true, "＝5%", "≈5%"},
    {"PercentDifference", "95%－69%", -1, false, "＝26%", "≈30%"},
    {"PercentTimesNumber", "24%×2", -1, false, "＝0.48", "≈0.5"},
    {"PercentKeptPlaces", "34%÷3", 2, false, "≈11.33%", "≈10%"},
    {"PercentKeptExact", "34%÷2", 1, false, "＝17%", "≈20%"},
    {"LongPercent", "1%÷3", -1, false, "≈0.33%", "≈0.3%"},
    {"LongDecimal", "2.5÷0.7", -1, false, "≈3.57", "≈4"},
    {"LongProduct", "0.125×0.125", -1, false, "≈0.02", "≈0.02"},
    {"KeptPlaces", "10÷3", 2, false, "≈3.33", "≈3"},
    {"KeptExact", "0.125×8", 2, false, "＝1", "≈1"},
    {"KeptHalfUp", "0.62×16.19", 1, false, "≈10.0", "≈10"},
    {"TensHalfUp", "120＋5", -1, false, "＝125", "≈130"},
    {"Zero", "7－7", -1, false, "＝0", "≈0"},
    {"Uncomputable", "7÷0", -1, false, "＝无法计算", "＝无法计算"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Items, KeyAnswerOf, ::testing::ValuesIn(shownCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Estimate, IsNeverZeroForAResultOtherThanZero)
{
    for (double v = 0.0001; v < 1000; v *= 1.37) {
        const ExactDecimal value = ExactDecimal::parse(shortestText(v));
        const ExactDecimal e = estimate(value);
        ASSERT_GT(e, ExactDecimal::whole(0)) << v;
        ASSERT_LE(e.places(), longestShownPlaces) << v;
        ASSERT_LE(std::fabs(e.toDouble() - v), v >= 10 ? 5 : v) << v;
    }
}

} // namespace
} // namespace quill
