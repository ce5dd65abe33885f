#include "problems/expressions/one_operator_answer.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

struct ItemCase {
    const char* item;
    OneOperatorRules rules;
    const char* answer;                     // as the pupil is told it
    std::optional<int> hint = std::nullopt; // places named in the hint
};

const OneOperatorRules plain{};
const OneOperatorRules withRemainders{.remainders = true};
OneOperatorRules keeping(int places)
{
    return {.keptPlaces = places};
}

class OneOperatorItem : public ::testing::TestWithParam<ItemCase>
{
};

TEST_P(OneOperatorItem, GivesTheAnswerAPupilIsAskedFor)
{
    const ItemCase& c = GetParam();
    const OneOperatorAnswer answer = answerOneOperatorItem(OperationItem::read(c.item), c.rules);
    EXPECT_EQ(answer.text(), c.answer) << c.item;
    EXPECT_EQ(answer.places, c.hint) << c.item;
}

INSTANTIATE_TEST_SUITE_P(
    Operations, OneOperatorItem,
    ::testing::Values(ItemCase{"37＋48", plain, "85"}, ItemCase{"0.1＋0.2", plain, "0.3"},
                      ItemCase{"5.3－1.1", plain, "4.2"}, ItemCase{"7×8", plain, "56"},
                      ItemCase{"0.7÷0.1", plain, "7"}, ItemCase{"36÷5", plain, "7.2"},
                      // A percentage counts a hundredth; a difference keeps its sign.
                      ItemCase{"25%×4", plain, "1"}, ItemCase{"48%－4", plain, "-3.52"}));

INSTANTIATE_TEST_SUITE_P(remainders, OneOperatorItem,
                         ::testing::Values(ItemCase{"36÷5", withRemainders, "7……1"},
                                           ItemCase{"100÷8", withRemainders, "12……4"},
                                           ItemCase{"35÷5", withRemainders, "7"},
                                           // quotient × divisor + remainder is always the dividend
                                           ItemCase{"7.5÷2", withRemainders, "3……1.5"},
                                           ItemCase{"99%÷20%", withRemainders, "4.95"},
                                           ItemCase{"45%÷9", withRemainders, "5%"}));

// A percent answer is told as a percent, its places the percent's.
INSTANTIATE_TEST_SUITE_P(Percents, OneOperatorItem,
                         ::testing::Values(ItemCase{"95%－69%", plain, "26%"},
                                           ItemCase{"34%÷2", keeping(2), "17%"},
                                           ItemCase{"34%÷3", keeping(2), "11.33%", 2},
                                           ItemCase{"1%÷3", plain, "0.33%", 2},
                                           ItemCase{"24%×2", plain, "0.48"}));

INSTANTIATE_TEST_SUITE_P(
    KeptPlaces, OneOperatorItem,
    ::testing::Values(ItemCase{"36÷5", keeping(2), "7.2", 2},
                      ItemCase{"10÷3", keeping(2), "3.33", 2},
                      ItemCase{"1.07×2.5", keeping(2), "2.68", 2}, // half up on 2.675
                      ItemCase{"0.4×37.6", keeping(0), "15", 0},   // operands as written
                      ItemCase{"0.62×16.19", keeping(1), "10", 1},
                      ItemCase{"2.5×4", keeping(1), "10"},
                      ItemCase{"3＋0.125", keeping(2), "3.125"},
                      ItemCase{"1÷8÷2", keeping(2), "0.07", 2})); // 0.125 → 0.13, then ÷ 2

// Nobody is asked for more than four decimals.
INSTANTIATE_TEST_SUITE_P(LongAnswers, OneOperatorItem,
                         ::testing::Values(ItemCase{"2÷49", plain, "0……2"},
                                           ItemCase{"36÷7", plain, "5……1"},
                                           ItemCase{"2÷49", keeping(2), "0.04", 2},
                                           ItemCase{"1.2345×2.3456", plain, "2.9", 2},
                                           ItemCase{"3%÷7%", plain, "0.43", 2},
                                           ItemCase{"1÷16", plain, "0.0625"}));

TEST(SameNumber, IgnoresBinaryNoiseOnly)
{
    EXPECT_TRUE(sameNumber(0.1 + 0.2, 0.3));
    EXPECT_TRUE(sameNumber(7, 7.0));
    EXPECT_FALSE(sameNumber(7.2, 7.21));
    EXPECT_FALSE(sameNumber(1.0 / 0.0, 1.0 / 0.0)) << "no answer matches a division by 0";
}

} // namespace
} // namespace quill
