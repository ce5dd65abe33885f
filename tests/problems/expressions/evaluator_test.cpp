#include "base/number_text.h"
#include "problems/expressions/evaluator.h"
#include "problems/expressions/expression_reading.h"
#include "problems/whole/operands.h"
#include "support/test_application.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

using testing::TestApplication;

struct AnswerCase {
    std::string list;
    int places; // -1: 保留 unticked
    std::vector<std::string> rounded, exact, remainders;
};

class ComputeAnswers : public ::testing::TestWithParam<AnswerCase>
{
};

TEST_P(ComputeAnswers, FillsTheStoreForEveryItem)
{
    const AnswerCase& c = GetParam();
    SCOPED_TRACE(c.list);
    TestApplication t;
    testing::selectOnly(t.app.settings, ExerciseKind::Oral);
    t.app.settings.roundAnswers.checked = c.places >= 0;
    t.app.settings.answerPlaces.index = std::max(c.places, 0);
    t.app.answers.remainders.resize(8);
    t.app.answers.remainders[7] = "stale";
    computeAnswers(t.app, c.list, 1, 100);

    const AnswerStore& store = t.app.answers;
    ASSERT_EQ(store.lastItemIndex + 1, static_cast<int>(c.rounded.size()));
    EXPECT_EQ(store.remainders[7], "");
    for (size_t i = 0; i < c.rounded.size(); ++i) {
        if (const double r = numericValue(store.remainders[i]); !store.wholeQuotients[i].empty()) {
            // quotient × divisor + remainder is the dividend, on the decimal values.
            const std::string& item = store.itemTexts[i];
            const double divisor =
                numericValue(item.substr(item.find("÷") + 2)) / (item.ends_with("%") ? 100 : 1);
            const double dividend = numericValue(item) / (item.find("%÷") != item.npos ? 100 : 1);
            EXPECT_EQ(shortestText(numericValue(store.wholeQuotients[i]) * divisor + r),
                      shortestText(dividend))
                << item;
        }
        EXPECT_EQ(store.roundedAnswers[i], c.rounded[i]) << "item " << i;
        EXPECT_EQ(store.exactAnswers[i], c.exact[i]) << "item " << i;
        EXPECT_EQ(store.remainders[i], c.remainders[i]) << "item " << i;
    }
}

const std::string no = uncomputableAnswer.data();

INSTANTIATE_TEST_SUITE_P(
    Items, ComputeAnswers,
    ::testing::Values(
        AnswerCase{"37＋48 63－27 7×8 56÷7",
                   -1,
                   {"85", "36", "56", "8"},
                   {"85", "36", "56", "8"},
                   {"", "", "", "0"}},
        AnswerCase{"47÷5", -1, {"9.4"}, {"9.4"}, {"2"}},
        AnswerCase{"10÷3", -1, {"3.33333333333333"}, {"3.33333333333333"}, {"1"}},
        AnswerCase{"10÷3", 2, {"3.33"}, {"3.33333333333333"}, {"1"}},
        AnswerCase{"10÷3", 0, {"3"}, {"3.33333333333333"}, {"1"}},
        // 保留 rounds half up (四舍五入), on the decimal value.
        AnswerCase{
            "7÷2 5÷2 1.15÷2", 0, {"4", "3", "1"}, {"3.5", "2.5", "0.575"}, {"1", "1", "1.15"}},
        AnswerCase{"1.15÷2 0.625×1", 2, {"0.58", "0.63"}, {"0.575", "0.625"}, {"1.15", ""}},
        AnswerCase{"25%×4 50%÷2 25%＋30% 99%÷20%",
                   -1,
                   {"1", "0.25", "0.55", "4.95"},
                   {"1", "0.25", "0.55", "4.95"},
                   {"", "0.5", "", "0.19"}},
        AnswerCase{"2.25－1.1 5.3－1.1", -1, {"1.15", "4.2"}, {"1.15", "4.2"}, {"", ""}},
        AnswerCase{"1×2×3 20÷2÷5", -1, {"6", "2"}, {"6", "2"}, {"", "0"}},
        // A difference keeps its sign, a percentage counting a hundredth.
        AnswerCase{"3－5－1 48%－4", -1, {"-3", "-3.52"}, {"-3", "-3.52"}, {"", ""}},
        // Operands are used as written; only each product is rounded.
        AnswerCase{"0.125×8 0.4×37.6 0.62×16.19",
                   2,
                   {"1", "15.04", "10.04"},
                   {"1", "15.04", "10.0378"},
                   {"", "", ""}},
        AnswerCase{"0.4×37.6 0.62×16.19 1.5×1.5×2",
                   0,
                   {"15", "10", "4"},
                   {"15.04", "10.0378", "4.5"},
                   {"", "", ""}},
        // Decimal remainders do not suffer from binary quotients just below a whole number.
        AnswerCase{"0.3÷0.1 4.5÷2 0.7÷0.2",
                   -1,
                   {"3", "2.25", "3.5"},
                   {"3", "2.25", "3.5"},
                   {"0", "0.5", "0.1"}},
        // No operator, an empty item between two spaces: left alone.
        AnswerCase{"42  9＋1", -1, {"", "", "10"}, {"", "", "10"}, {"", "", ""}},
        AnswerCase{"7÷0 12÷3÷0 abc＋3 3×.x 1E200×1E200 0÷4",
                   2,
                   {no, no, no, no, no, "0"},
                   {no, no, no, no, no, "0"},
                   {no, no, "", "", "", "0"}}));

TEST(ComputeAnswersStore, ListsLongerThanTheLargestSetStillGetAnswers)
{
    TestApplication t;
    constexpr int largestSet = 10000;
    std::string list = "1＋1";
    for (int i = 1; i <= largestSet; ++i)
        list += " " + std::to_string(i) + "＋1";
    computeAnswers(t.app, list, 1, 100);
    EXPECT_EQ(t.app.answers.roundedAnswers[largestSet], "10001");
}

TEST(VerticalReplacement, GivesATerminatingQuotientInItemTextsOnly)
{
    for (std::uint64_t seed = 1; seed <= 80; ++seed) {
        const bool whole = seed % 2; // 整数 asks for whole quotients
        TestApplication t(seed);
        t.app.settings.wholeNumbers.checked = whole;
        t.app.run.questionList = " 10÷3 9÷4";
        computeAnswers(t.app, "10÷3 9÷4", 1, 100);

        const std::string item = t.app.answers.itemTexts[0];
        const double first = numericValue(item);
        const double second = numericValue(item.substr(item.find("÷") + 2));
        EXPECT_TRUE(second > 0 && second < first) << item;
        const double quotient = numericValue(t.app.answers.exactAnswers[0]);
        EXPECT_EQ(shortestText(first / second), t.app.answers.exactAnswers[0]);
        EXPECT_EQ(quotient == std::floor(quotient), whole) << item;
        EXPECT_LE(decimalPlaces(quotient), 6) << item; // reduced divisors reach 64 at most
        EXPECT_EQ(t.app.run.questionList, " 10÷3 9÷4");
        EXPECT_EQ(t.app.answers.itemTexts[1] == "9÷4", !whole); // 2.25 is not whole
    }
}

TEST(VerticalReplacement, BothSheetsOfASetShowTheSameReplacement)
{
    TestApplication t(5);
    const std::string list = "10÷3 7÷6 20÷4 11÷7";
    computeAnswers(t.app, list, 1, 100); // the question sheet
    const std::vector<std::string> questions = t.app.answers.itemTexts;
    ASSERT_NE(questions[0], "10÷3");
    computeAnswers(t.app, list, 1, 100); // the answer sheet
    EXPECT_EQ(t.app.answers.itemTexts, questions);

    computeAnswers(t.app, "10÷3 7÷6", 1, 100); // the next set draws afresh
    EXPECT_NE(t.app.answers.itemTexts[0] + t.app.answers.itemTexts[1], questions[0] + questions[1]);
}

TEST(VerticalReplacement, AStopBeforeAnyDrawKeepsTheItem)
{
    TestApplication t;
    t.app.run.stopRequested = true;
    computeAnswers(t.app, "10÷3", 1, 100);
    EXPECT_EQ(t.app.answers.itemTexts[0], "10÷3");
    EXPECT_EQ(t.app.answers.remainders[0], "1");
}

} // namespace
} // namespace quill
