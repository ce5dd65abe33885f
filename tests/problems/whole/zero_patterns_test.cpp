#include "problems/whole/generated_items.h"
#include "problems/whole/zero_patterns.h"
#include "support/test_application.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quill
{
namespace
{

using namespace quill::testing;

TEST(ZeroPatterns, RecogniseTheirForms)
{
    for (const char* text : {"105", "2008", "30004", "100001", "1000"})
        EXPECT_TRUE(hasZeroInTheMiddle(text)) << text;
    for (const char* text : {"1050", "10", "1000005", "115", "1.05", "0.05"})
        EXPECT_FALSE(hasZeroInTheMiddle(text)) << text;
    EXPECT_TRUE(endsInZero("30"));
    EXPECT_TRUE(endsInZero("30%")) << "sums and differences of percents meet it too";
    EXPECT_FALSE(endsInZero("35%"));
    for (double value : {30.0, 700.0, 10000.0, 0.1 * 3 * 100})
        EXPECT_TRUE(isWholeTens(value)) << value;
    for (double value : {0.0, -0.0, 7.0, 35.0, 100000.0, 20.5})
        EXPECT_FALSE(isWholeTens(value)) << value;
}

TEST(ZeroPatterns, MiddleZeroOnlyAboveTheRangeThreshold)
{
    TestApplication t;
    t.app.settings.zeroInMiddle.checked = true;
    auto plain = [](const GeneratedItem& i) {
        return !hasZeroInTheMiddle(i.first) && !hasZeroInTheMiddle(i.second);
    };
    const auto sums = generateItems(t.app, addition, 1, 100, 300);
    EXPECT_TRUE(std::any_of(sums.begin(), sums.end(), plain)) << "e = 100 leaves addition alone";
    const auto products = generateItems(t.app, multiplication, 1, 101, 300);
    EXPECT_TRUE(std::any_of(products.begin(), products.end(), plain)) << "so does e = 101 for ×";
    for (const Generator& generator : {addition, subtraction, multiplication})
        for (const auto& item : generateItems(t.app, generator, 1, 1000, 300))
            ASSERT_FALSE(plain(item)) << item.text;
}

TEST(ZeroPatterns, EndsInZeroReadsTheOperandAsHeld)
{
    TestApplication t;
    t.app.settings.zeroAtEnd.checked = true;
    t.app.settings.percentages.checked = true;
    for (const auto& item : generateItems(t.app, addition, 1, 100))
        ASSERT_TRUE(endsInZero(item.first) || endsInZero(item.second)) << item.text;
}

TEST(ZeroPatterns, WholeTensLooksAtEachGeneratorsResult)
{
    TestApplication t;
    auto& s = t.app.settings;
    s.wholeTens.checked = true;
    for (const auto& item : generateItems(t.app, addition, 1, 100))
        ASSERT_TRUE(isWholeTens(item.a + item.b) && item.a + item.b <= 100) << item.text;
    for (const auto& item : generateItems(t.app, subtraction, 1, 100))
        ASSERT_TRUE(isWholeTens(item.a - item.b)) << item.text;
    s.grade.index = 1;
    for (const auto& item : generateItems(t.app, multiplication, 1, 100, 200))
        ASSERT_TRUE(isWholeTens(item.a * item.b) && item.a * item.b < 100) << item.text;
    s.grade.index = 6; // grade 6 allows quotients of 10 and more
    for (const auto& item : generateItems(t.app, exactDivision, 0, 100, 300))
        ASSERT_TRUE(item.b != 0 && isWholeTens(item.a / item.b)) << item.text;
    s.grade.index = 0; // the written division of the other grades tests the product
    for (const auto& item : generateItems(t.app, division, 1, 100, 300))
        ASSERT_TRUE(isWholeTens(item.a * item.b)) << item.text;
}

} // namespace
} // namespace quill
