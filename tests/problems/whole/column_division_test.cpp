#include "base/number_text.h"
#include "problems/expressions/shown_answer.h"
#include "problems/whole/column_division.h"
#include "support/test_application.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>

namespace quill
{
namespace
{

using testing::TestApplication;

const OperationItem tenByThree = OperationItem::read("10÷3");

TEST(DivisionForColumns, GivesAQuotientThatEndsWithinTheShownPlaces)
{
    const OperationItem nineByFour = OperationItem::read("9÷4");
    for (std::uint64_t seed = 1; seed <= 80; ++seed) {
        const bool whole = seed % 2; // 整数 asks for whole quotients
        TestApplication t(seed);
        t.app.settings.wholeNumbers.checked = whole;
        Draw draw = t.app.draw();
        const OperationItem item = divisionForColumns(draw, {1, 100}, tenByThree);
        ASSERT_TRUE(item.isPair() && item.operation == Operation::Division) << item.text();
        const ExactDecimal& dividend = item.terms[0].amount;
        const ExactDecimal& divisor = item.terms[1].amount;
        EXPECT_TRUE(divisor > ExactDecimal::whole(0) && divisor < dividend) << item.text();
        const ExactDecimal quotient = dividend / divisor;
        ASSERT_TRUE(quotient.isNumber()) << item.text();
        EXPECT_EQ(quotient.isWhole(), whole) << item.text();
        EXPECT_LE(quotient.places(), longestShownPlaces) << item.text();
        // An item that can be worked in columns stays as it is; 2.25 is not whole.
        EXPECT_EQ(divisionForColumns(draw, {1, 100}, nineByFour) == nineByFour, !whole);
    }
}

void useDecimals(ExerciseSettings& s, int places)
{
    s.wholeNumbers.checked = false;
    s.decimals.checked = true;
    s.operandPlaces.index = places;
}

// Decimal pairs are built, at every number of places and over ranges past 100 (where an operand
// keeps only its last digits): each quotient ends, not whole, within the shown places.
TEST(DivisionForColumns, BuiltDecimalPairsEndWithinTheShownPlaces)
{
    for (const auto& [places, end] :
         {std::pair{1, 100}, {2, 1000}, {3, 100}, {4, 100}, {4, 1000}, {4, 10000}}) {
        TestApplication t(places * 10 + end);
        useDecimals(t.app.settings, places);
        Draw draw = t.app.draw();
        for (int k = 0; k < 300; ++k) {
            const OperationItem item = divisionForColumns(draw, {0, end}, tenByThree);
            SCOPED_TRACE(std::to_string(places) + " places to " + std::to_string(end) + ": " +
                         item.text());
            const ExactDecimal& dividend = item.terms[0].amount;
            const ExactDecimal& divisor = item.terms[1].amount;
            ASSERT_TRUE(divisor > ExactDecimal::whole(0) && divisor < dividend);
            EXPECT_LE(dividend.places(), places);
            EXPECT_LE(divisor.places(), places);
            const ExactDecimal quotient = dividend / divisor;
            ASSERT_TRUE(quotient.isNumber());
            EXPECT_FALSE(quotient.isWhole());
            EXPECT_LE(quotient.places(), longestShownPlaces);
        }
    }
}

// From 0 to 1.99 at two places every allowed pair can be listed (2,760 of them): each is built,
// about equally often by a chi-square test.
TEST(DivisionForColumns, BuildsEveryAllowedDecimalPairAboutEquallyOften)
{
    TestApplication t(7);
    useDecimals(t.app.settings, 2);
    t.app.settings.avoidTrivial.checked = false;
    std::map<std::string, int> counts;
    for (int a = 0; a < 200; ++a)
        for (int b = 1; b < a; ++b)
            if (a * 10000 % b == 0 && a % b != 0)
                counts[shortestText(a / 100.0) + "÷" + shortestText(b / 100.0)] = 0;
    ASSERT_EQ(counts.size(), 2760u);
    constexpr int perPair = 20;
    Draw draw = t.app.draw();
    for (std::size_t k = 0; k < perPair * counts.size(); ++k) {
        const std::string text = divisionForColumns(draw, {0, 1}, tenByThree).text();
        const auto found = counts.find(text);
        ASSERT_NE(found, counts.end()) << text;
        ++found->second;
    }
    double chiSquare = 0;
    for (const auto& [text, count] : counts) {
        EXPECT_GT(count, 0) << text;
        chiSquare += (count - perPair) * (count - perPair) / double(perPair);
    }
    const double freedom = counts.size() - 1.0;
    EXPECT_LT(chiSquare, freedom + 6 * std::sqrt(2 * freedom));
}

TEST(DivisionForColumns, AStopBeforeAnyDrawKeepsTheItem)
{
    TestApplication t;
    t.app.run.stopRequested = true;
    Draw draw = t.app.draw();
    EXPECT_EQ(divisionForColumns(draw, {1, 100}, tenByThree), tenByThree);
}

} // namespace
} // namespace quill
