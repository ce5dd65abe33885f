#include "base/number_text.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

TEST(NumericValue, ReadsTheLeadingNumber)
{
    EXPECT_EQ(numericValue("37"), 37);
    EXPECT_EQ(numericValue("25%"), 25);
    EXPECT_EQ(numericValue("4.5"), 4.5);
    EXPECT_EQ(numericValue(""), 0);
    EXPECT_EQ(numericValue("abc"), 0);
    EXPECT_EQ(numericValue("12abc"), 12);
    EXPECT_EQ(numericValue("  8"), 8);
    EXPECT_EQ(numericValue("-3.25"), -3.25);
    EXPECT_EQ(numericValue(".5"), 0.5);
    EXPECT_EQ(numericValue("3."), 3);
    EXPECT_EQ(numericValue("."), 0);
    EXPECT_EQ(numericValue("1E-06"), 1e-6);
    EXPECT_EQ(numericValue("1.5E+15"), 1.5e15);
    EXPECT_EQ(numericValue("2E"), 2);
    EXPECT_EQ(numericValue("7＋8"), 7);
}

TEST(ShortestText, WritesAtMostFifteenSignificantDigits)
{
    EXPECT_EQ(shortestText(0.1 + 0.2), "0.3");
    EXPECT_EQ(shortestText(10.0 / 3), "3.33333333333333");
    EXPECT_EQ(shortestText(2.0 / 3), "0.666666666666667");
    EXPECT_EQ(shortestText(57.300000000000004), "57.3");
    EXPECT_EQ(shortestText(0.5), "0.5");
    EXPECT_EQ(shortestText(85), "85");
    EXPECT_EQ(shortestText(1200), "1200");
    EXPECT_EQ(shortestText(0), "0");
    EXPECT_EQ(shortestText(-4.25), "-4.25");
    EXPECT_EQ(shortestText(0.0001), "0.0001");
}

// Pupils read plain decimals only, however small or large the number.
TEST(ShortestText, NeverWritesExponents)
{
    EXPECT_EQ(shortestText(1e-6), "0.000001");
    EXPECT_EQ(shortestText(0.0000398), "0.0000398");
    EXPECT_EQ(shortestText(1.25e-7), "0.000000125");
    EXPECT_EQ(shortestText(1e15), "1000000000000000");
    EXPECT_EQ(shortestText(999999999999999.0), "999999999999999");
    EXPECT_EQ(shortestText(-2e-5), "-0.00002");
    EXPECT_EQ(shortestSingleText(1e-5f), "0.00001");
}

TEST(ShortestText, SinglePrecisionKeepsSevenDigits)
{
    EXPECT_EQ(shortestSingleText(5.73f), "5.73");
    EXPECT_EQ(shortestSingleText(1.0f / 3), "0.3333333");
    EXPECT_EQ(shortestSingleText(0.2f), "0.2");
}

TEST(Rounding, GoesToTheNearestWithTiesToEven)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(2.5001), 3);
    EXPECT_EQ(roundHalfEven(12.5), 12);
}

struct HalfUpCase {
    double value;
    int places;
    const char* rounded;
};

class RoundHalfUp : public ::testing::TestWithParam<HalfUpCase>
{
};

// Ties go up on the written decimal, also where the double lies a hair below the tie.
TEST_P(RoundHalfUp, RoundsTheDecimalValue)
{
    const HalfUpCase& c = GetParam();
    EXPECT_EQ(shortestText(roundHalfUp(c.value, c.places)), c.rounded)
        << c.value << " to " << c.places;
}

INSTANTIATE_TEST_SUITE_P(Ties, RoundHalfUp,
                         ::testing::Values(HalfUpCase{2.675, 2, "2.68"},
                                           HalfUpCase{0.125, 2, "0.13"},
                                           HalfUpCase{1.005, 2, "1.01"}, HalfUpCase{2.5, 0, "3"},
                                           HalfUpCase{-2.5, 0, "-3"}, HalfUpCase{9.995, 2, "10"},
                                           HalfUpCase{1.07 * 2.5, 2, "2.68"},
                                           // Estimates to tens: 25 is 30, not 20.
                                           HalfUpCase{25, -1, "30"}, HalfUpCase{125, -1, "130"},
                                           HalfUpCase{-35, -1, "-40"}, HalfUpCase{150, -2, "200"}));
INSTANTIATE_TEST_SUITE_P(
    NoTies, RoundHalfUp,
    ::testing::Values(HalfUpCase{10.0 / 3, 2, "3.33"}, HalfUpCase{7.2, 2, "7.2"},
                      HalfUpCase{0.1 + 0.2, 4, "0.3"}, HalfUpCase{0.0449, 1, "0"},
                      HalfUpCase{1.25e-7, 2, "0"}, HalfUpCase{12345.6789, 0, "12346"},
                      HalfUpCase{3.14159, 3, "3.142"}, HalfUpCase{10.0 / 3, 0, "3"},
                      HalfUpCase{24.9, -1, "20"}, HalfUpCase{4, -1, "0"}));

TEST(Rounding, IntIsFloorAndFixTruncates)
{
    EXPECT_EQ(intPart(-2.5), -3);
    EXPECT_EQ(fixPart(-2.5), -2);
    EXPECT_EQ(intPart(9.99), 9);
    EXPECT_EQ(fixPart(9.99), 9);
}

TEST(ExactDifference, SubtractsDecimalsWithoutBinaryNoise)
{
    EXPECT_EQ(exactDifference(5.3, 1.1), "4.2");
    EXPECT_EQ(exactDifference(2.25, 1.1), "1.15");
    EXPECT_EQ(exactDifference(63, 27), "36");
    EXPECT_EQ(exactDifference(0.3, 0.1), "0.2");
    EXPECT_EQ(exactDifference(1.1, 5.3), "-4.2");
    EXPECT_EQ(exactDifference(7, 7), "0");
    EXPECT_EQ(exactDifference(0.0001, 0.00005), "0.00005");
    EXPECT_EQ(exactDifference(1e15, 1), "999999999999999");
}

TEST(TidyValueText, AddsTheLeadingZeroAndDropsAStrayPoint)
{
    EXPECT_EQ(tidyValueText(".5"), "0.5");
    EXPECT_EQ(tidyValueText("3."), "3");
    EXPECT_EQ(tidyValueText("12"), "12");
    EXPECT_EQ(tidyValueText(""), "");
}

} // namespace
} // namespace quill
