#include "problems/whole/generated_items.h"
#include "problems/whole/operand_pair.h"
#include "problems/whole/zero_patterns.h"
#include "support/test_application.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace quill
{
namespace
{

using namespace quill::testing;

std::set<std::string> itemTexts(const std::vector<GeneratedItem>& items)
{
    std::set<std::string> texts;
    for (const auto& item : items)
        texts.insert(item.text);
    return texts;
}

TEST(Division, DivisorIsNeverZeroInAnyBlock)
{
    for (int grade = 0; grade <= 12; ++grade) {
        for (int option : {1, 2, 3}) {
            TestApplication t(grade * 10 + option);
            auto& s = t.app.settings;
            s.grade.index = grade;
            s.oralOption.selected = option == 1;
            s.estimationOption.selected = option == 2;
            s.verticalOption.selected = option == 3;
            for (const Generator* generator : {&division, &exactDivision})
                for (const auto& item : generateItems(t.app, *generator, 0, 100, 150))
                    ASSERT_NE(item.b, 0) << "grade " << grade << ": " << item.text;
        }
    }
}

TEST(Division, RemaindersAreJudgedInDoubles)
{
    EXPECT_FALSE(dividesExactly({0.3, 0.1}));
    EXPECT_TRUE(dividesExactly({0.5, 0.25}));
    EXPECT_FALSE(dividesExactly({5, 0}));
    EXPECT_EQ(remainderOf({47, 5}), 2);
    EXPECT_EQ(remainderOf({-7, 2}), -1); // truncation, not floor

    TestApplication t;
    t.app.settings.wholeNumbers.checked = false;
    t.app.settings.decimals.checked = true;
    const auto items = generateItems(t.app, exactDivision, 0, 1, 3000);
    for (const auto& item : items)
        ASSERT_TRUE(item.b != 0 && item.a - std::trunc(item.a / item.b) * item.b == 0) << item.text;
    const auto texts = itemTexts(items);
    EXPECT_FALSE(texts.contains("0.3÷0.1"));
    EXPECT_TRUE(texts.contains("0.4÷0.2"));
}

TEST(Division, WholeNumbersDecideBetweenWholeAndDecimalQuotients)
{
    TestApplication t;
    const auto whole = itemTexts(generateItems(t.app, division, 1, 10, 2000));
    t.app.settings.wholeNumbers.checked = false;
    const auto items = generateItems(t.app, division, 1, 10, 2000);
    for (const auto& item : items)
        ASSERT_NE(std::fmod(item.a, item.b), 0) << item.text;
    const auto decimal = itemTexts(items);
    EXPECT_TRUE(whole.contains("8÷4"));
    EXPECT_FALSE(whole.contains("7÷4"));
    EXPECT_FALSE(decimal.contains("8÷4"));
    EXPECT_TRUE(decimal.contains("7÷4"));
    EXPECT_FALSE(decimal.contains("10÷3"));
    EXPECT_FALSE(decimal.contains("7÷3"));
}

TEST(Division, ExactOtherBlockIgnoresZeroPatterns)
{
    TestApplication t;
    auto& s = t.app.settings;
    for (CheckBox* pattern : {&s.zeroInMiddle, &s.zeroAtEnd, &s.wholeTens}) {
        pattern->checked = true;
        const auto items = generateItems(t.app, exactDivision, 1, 1000, 300);
        EXPECT_TRUE(std::any_of(items.begin(), items.end(), [](const GeneratedItem& i) {
            return !hasZeroInTheMiddle(i.first) && !hasZeroInTheMiddle(i.second) &&
                   !endsInZero(i.first) && !endsInZero(i.second) && !isWholeTens(i.a / i.b);
        }));
        pattern->checked = false;
    }
}

} // namespace
} // namespace quill
