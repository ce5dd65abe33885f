#include "problems/expressions/shown_answer.h"
#include "problems/whole/column_division.h"
#include "support/test_application.h"

#include <gtest/gtest.h>

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

TEST(DivisionForColumns, AStopBeforeAnyDrawKeepsTheItem)
{
    TestApplication t;
    t.app.run.stopRequested = true;
    Draw draw = t.app.draw();
    EXPECT_EQ(divisionForColumns(draw, {1, 100}, tenByThree), tenByThree);
}

} // namespace
} // namespace quill
