#include "problems/whole/closeness.h"
#include "problems/whole/generated_items.h"
#include "problems/whole/operand_pair.h"
#include "support/test_application.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace quill
{
namespace
{

using namespace quill::testing;

int placesOf(const std::string& text)
{
    const size_t point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

void useDecimals(ExerciseSettings& s, int grade, int places)
{
    s.grade.index = grade;
    s.wholeNumbers.checked = false;
    s.decimals.checked = true;
    s.operandPlaces.index = places;
}

// Every built quotient keeps every rule of its setting: a divisor, an exact quotient in
// doubles, the range (from 100 up a position may lose its leading digit), the places, the
// oral divisor below 10, the closeness and the caps on sums and products.
TEST(ExactDecimalDivision, EveryBuiltItemKeepsEveryRule)
{
    struct Case {
        int grade, places, start, end, closeness;
        bool oral, caps;
    };
    const Case cases[] = {
        {11, 4, 1, 100, 50, false, false}, {0, 4, 0, 100, 50, true, false},
        {7, 3, 1, 100, 80, false, false},  {9, 2, 5, 37, 20, false, false},
        {12, 1, 0, 9, 50, true, false},    {8, 4, 1, 100, 50, false, true},
        {10, 3, 2, 60, 95, false, true},   {9, 4, 0, 1000, 50, false, false},
        {8, 2, 0, 5000, 50, true, false},
    };
    for (const Case& c : cases) {
        TestApplication t(c.grade * 100 + c.places);
        auto& s = t.app.settings;
        useDecimals(s, c.grade, c.places);
        s.closeness = c.closeness;
        s.oralOption.selected = c.oral;
        s.estimationOption.selected = !c.oral;
        s.capResults.checked = s.addition.checked = s.multiplication.checked = c.caps;
        const std::string setting = "grade " + std::to_string(c.grade) + ", " +
                                    std::to_string(c.places) + " places, " +
                                    std::to_string(c.start) + "–" + std::to_string(c.end);
        for (const auto& item : generateItems(t.app, exactDivision, c.start, c.end, 400)) {
            SCOPED_TRACE(setting + ": " + item.text);
            ASSERT_NE(item.b, 0);
            EXPECT_EQ(item.a - std::trunc(item.a / item.b) * item.b, 0);
            for (const double v : {item.a, item.b}) {
                EXPECT_LT(v, c.end + 1);
                EXPECT_TRUE(v >= c.start || (c.end >= 100 && v < 1));
            }
            EXPECT_LE(placesOf(item.first), c.places);
            EXPECT_LE(placesOf(item.second), c.places);
            if (c.oral) {
                EXPECT_LT(item.b, 10);
            }
            EXPECT_TRUE(isCloseEnough({item.a, item.b}, c.start, c.end, c.closeness));
            if (c.caps) {
                EXPECT_LE(item.a + item.b, c.end + 1);
                EXPECT_LE(item.a * item.b, c.end + 1);
            }
        }
    }
}

// Over ranges small enough to list, every exact pair the rules allow is drawn, and about
// equally often: a chi-square over the pairs, listed here from the digits alone. Two places
// reach operands such as 0.29 and 1.15, whose doubles are not their digits over 100.
TEST(ExactDecimalDivision, DrawsEveryAllowedPairUniformly)
{
    struct Case {
        int places, start, end, perPair;
    };
    for (const Case c : {Case{1, 1, 2, 400}, Case{2, 0, 1, 60}}) {
        TestApplication t(26 + c.places);
        auto& s = t.app.settings;
        useDecimals(s, 7, c.places);
        s.closeness = 50; // at most half the width (2) apart
        const int scale = c.places == 1 ? 10 : 100;
        std::map<std::string, int> seen;
        for (int a = c.start * scale; a < (c.end + 1) * scale; ++a)
            for (int b = std::max(1, c.start * scale); b < (c.end + 1) * scale; ++b) {
                const double x = double(a) / scale, y = double(b) / scale;
                if (std::abs(x - y) <= (c.end - c.start + 1) / 2 &&
                    x - std::trunc(x / y) * y == 0)
                    seen[shortestText(x) + "÷" + shortestText(y)] = 0;
            }
        ASSERT_GE(seen.size(), 15u);
        const auto items = generateItems(t.app, exactDivision, c.start, c.end,
                                         c.perPair * static_cast<int>(seen.size()));
        for (const auto& item : items) {
            const auto found = seen.find(item.text);
            ASSERT_NE(found, seen.end()) << item.text;
            ++found->second;
        }
        double chiSquare = 0;
        for (const auto& [text, count] : seen) {
            EXPECT_GT(count, 0) << text;
            chiSquare += (count - c.perPair) * (count - c.perPair) / double(c.perPair);
        }
        // Far beyond the 99.99th percentile of chi-square with this many degrees of freedom.
        const double freedom = seen.size() - 1.0;
        EXPECT_LT(chiSquare, freedom + 6 * std::sqrt(2 * freedom))
            << c.places << " places, " << seen.size() << " pairs";
    }
}

} // namespace
} // namespace quill
