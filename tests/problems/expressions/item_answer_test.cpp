#include "problems/expressions/item_answer.h"

#include <gtest/gtest.h>
#include <sstream>

namespace quill
{
namespace
{

struct AnswerCase {
    std::string list;                                    // items separated by single spaces
    int places;                                          // -1: 保留 unticked
    std::vector<std::string> rounded, exact, remainders; // remainder "": none shown
};

std::vector<std::string> itemsOf(const std::string& list)
{
    std::vector<std::string> items;
    std::istringstream in(list);
    for (std::string item; std::getline(in, item, ' ');)
        items.push_back(item);
    return items;
}

class AnswerOf : public ::testing::TestWithParam<AnswerCase>
{
};

TEST_P(AnswerOf, EveryItem)
{
    const AnswerCase& c = GetParam();
    const std::vector<std::string> items = itemsOf(c.list);
    ASSERT_EQ(items.size(), c.rounded.size()) << c.list;
    const auto kept = c.places >= 0 ? std::optional(c.places) : std::nullopt;
    for (size_t i = 0; i < items.size(); ++i) {
        const OperationItem item = OperationItem::read(items[i]);
        const ItemAnswer answer = answerOf(item, kept);
        EXPECT_EQ(answer.rounded.text(), c.rounded[i]) << items[i];
        EXPECT_EQ(answer.exact.text(), c.exact[i]) << items[i];
        if (c.remainders[i].empty()) {
            EXPECT_FALSE(answer.leavesRemainder()) << items[i];
        } else {
            EXPECT_EQ(answer.remainder.text(), c.remainders[i]) << items[i];
        }
        if (answer.wholeQuotient) {
            // quotient × divisor + remainder is the dividend, exactly.
            EXPECT_EQ(*answer.wholeQuotient * item.terms[1].amount + answer.remainder,
                      item.terms[0].amount)
                << items[i];
        }
    }
}

const std::string no(uncomputableAnswer);

INSTANTIATE_TEST_SUITE_P(
    Items, AnswerOf,
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
        // Exact all the way: no binary residue, and a long product keeps every digit.
        AnswerCase{"0.3－0.1－0.2 123456.789×987654.321",
                   -1,
                   {"0", "121932631112.635269"},
                   {"0", "121932631112.635269"},
                   {"", ""}},
        // A lone number is its own value; an empty item (two spaces) is no number.
        AnswerCase{"42  9＋1", -1, {"42", no, "10"}, {"42", no, "10"}, {"", "", ""}},
        AnswerCase{"7÷0 12÷3÷0 abc＋3 3×.x 1E200×1E200 0÷4",
                   2,
                   {no, no, no, no, no, "0"},
                   {no, no, no, no, no, "0"},
                   {"", "", "", "", "", "0"}}));

} // namespace
} // namespace quill
