#include "problems/whole/column_rules.h"
#include "problems/whole/generated_items.h"
#include "support/test_application.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace quill
{
namespace
{

using namespace quill::testing;

// Column arithmetic on the written numbers, digit by digit as a pupil does it: the point
// lines the columns up, a percent is its number.
struct Columns {
    std::string top, bottom; // equal length, point removed
};

Columns aligned(std::string a, std::string b)
{
    for (std::string* text : {&a, &b})
        if (text->ends_with('%'))
            text->pop_back();
    auto split = [](const std::string& t) {
        const std::size_t point = t.find('.');
        return std::pair{t.substr(0, point),
                         point == std::string::npos ? std::string() : t.substr(point + 1)};
    };
    auto [aWhole, aPart] = split(a);
    auto [bWhole, bPart] = split(b);
    const std::size_t places = std::max(aPart.size(), bPart.size());
    const std::size_t digits = std::max(aWhole.size(), bWhole.size());
    aPart.resize(places, '0'), bPart.resize(places, '0');
    aWhole.insert(0, digits - aWhole.size(), '0'), bWhole.insert(0, digits - bWhole.size(), '0');
    return {aWhole + aPart, bWhole + bPart};
}

bool carries(const GeneratedItem& item)
{
    const Columns c = aligned(item.first, item.second);
    int carry = 0;
    bool any = false;
    for (std::size_t i = c.top.size(); i-- > 0;) {
        carry = (c.top[i] - '0') + (c.bottom[i] - '0') + carry >= 10;
        any = any || carry;
    }
    return any;
}

bool borrows(const GeneratedItem& item)
{
    const Columns c = aligned(item.first, item.second);
    int borrow = 0;
    bool any = false;
    for (std::size_t i = c.top.size(); i-- > 0;) {
        borrow = (c.top[i] - '0') - borrow < (c.bottom[i] - '0');
        any = any || borrow;
    }
    return any;
}

bool oneDigit(double v)
{
    return v >= 1 && v <= 9 && v == static_cast<int>(v);
}

bool makesTenByHand(const GeneratedItem& i)
{
    return oneDigit(i.a) && oneDigit(i.b) && i.a + i.b > 10;
}

bool breaksTenByHand(const GeneratedItem& i)
{
    return i.a >= 11 && i.a <= 19 && i.a == static_cast<int>(i.a) && oneDigit(i.b) && borrows(i);
}

struct RuleCase {
    const char* name;
    const Generator* generator;
    ColumnRule rule;
    int grade, s, e;
    bool (*holds)(const GeneratedItem&);
    void (*prepare)(ExerciseSettings&) = nullptr;
};

void decimals2(ExerciseSettings& s)
{
    s.wholeNumbers.checked = false, s.decimals.checked = true, s.operandPlaces.index = 2;
}
void decimals4(ExerciseSettings& s)
{
    s.wholeNumbers.checked = false, s.decimals.checked = true, s.operandPlaces.index = 4;
}
void oralPercent(ExerciseSettings& s)
{
    s.verticalOption.selected = false, s.oralOption.selected = true;
    s.wholeNumbers.checked = false, s.percentages.checked = true;
}
void middleZero(ExerciseSettings& s)
{
    s.zeroInMiddle.checked = true;
}

// clang-format off
const RuleCase ruleCases[] = {
    {"CarryWhole", &addition, ColumnRule::Across, 0, 1, 100, carries},
    {"NoCarryWhole", &addition, ColumnRule::Within, 0, 1, 100, [](const GeneratedItem& i) { return !carries(i); }},
    {"CarryDecimal", &addition, ColumnRule::Across, 0, 1, 100, carries, decimals2},
    {"NoCarryDecimal", &addition, ColumnRule::Within, 0, 1, 100, [](const GeneratedItem& i) { return !carries(i); }, decimals4},
    {"NoCarryPercent", &addition, ColumnRule::Within, 0, 1, 100, [](const GeneratedItem& i) { return !carries(i); }, oralPercent},
    {"NoCarryMiddleZero", &addition, ColumnRule::Within, 0, 1, 5000, [](const GeneratedItem& i) { return !carries(i); }, middleZero},
    {"BorrowWhole", &subtraction, ColumnRule::Across, 0, 1, 1000, borrows},
    {"NoBorrowWhole", &subtraction, ColumnRule::Within, 3, 1, 100, [](const GeneratedItem& i) { return !borrows(i); }},
    {"BorrowDecimal", &subtraction, ColumnRule::Across, 0, 1, 100, borrows, decimals4},
    {"NoBorrowDecimal", &subtraction, ColumnRule::Within, 0, 1, 100, [](const GeneratedItem& i) { return !borrows(i); }, decimals2},
    {"BorrowPercent", &subtraction, ColumnRule::Across, 0, 1, 100, borrows, oralPercent},
    {"MakeTen", &addition, ColumnRule::Ten, 1, 1, 100, makesTenByHand},
    {"BreakTen", &subtraction, ColumnRule::Ten, 2, 1, 100, breaksTenByHand},
};
// clang-format on

class ColumnRuleDraws : public ::testing::TestWithParam<RuleCase>
{
};

TEST_P(ColumnRuleDraws, EveryItemObeysTheRuleByColumnArithmetic)
{
    const RuleCase c = GetParam();
    TestApplication t;
    ExerciseSettings& s = t.app.settings;
    s.grade.index = c.grade;
    if (c.prepare)
        c.prepare(s);
    (c.generator == &addition ? s.carry : s.borrow).index = static_cast<int>(c.rule);
    for (const GeneratedItem& item : generateItems(t.app, *c.generator, c.s, c.e))
        ASSERT_TRUE(c.holds(item)) << item.text;
}

INSTANTIATE_TEST_SUITE_P(Choices, ColumnRuleDraws, ::testing::ValuesIn(ruleCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The 36 sums of 凑十 and the 36 differences of 破十 all come up, none far less often than
// its share: the filter keeps the draw's spread instead of favouring a few items.
struct CoverageCase {
    const char* name;
    const Generator* generator;
    ColumnRule rule;
    std::size_t allowed;
};

class FirstGradeCoverage : public ::testing::TestWithParam<CoverageCase>
{
};

TEST_P(FirstGradeCoverage, EveryAllowedItemAppears)
{
    const CoverageCase c = GetParam();
    TestApplication t;
    t.app.settings.grade.index = 1;
    (c.generator == &addition ? t.app.settings.carry : t.app.settings.borrow).index =
        static_cast<int>(c.rule);
    const int draws = 3000;
    std::map<std::string, int> seen;
    for (const GeneratedItem& item : generateItems(t.app, *c.generator, 1, 100, draws))
        ++seen[item.text];
    ASSERT_EQ(seen.size(), c.allowed);
    const double share = static_cast<double>(draws) / static_cast<double>(c.allowed);
    for (const auto& [text, count] : seen)
        EXPECT_GT(count, share / 3) << text;
}

INSTANTIATE_TEST_SUITE_P(Choices, FirstGradeCoverage,
                         ::testing::Values(CoverageCase{"MakeTen", &addition, ColumnRule::Ten, 36},
                                           CoverageCase{"BreakTen", &subtraction, ColumnRule::Ten,
                                                        36}),
                         [](const auto& info) { return std::string(info.param.name); });

// A disabled list (脱式计算, fractions, the operation unticked) asks nothing of the draw.
TEST(ColumnRuleDraws, DisabledListAsksNothing)
{
    TestApplication t;
    t.app.settings.carry.index = static_cast<int>(ColumnRule::Within);
    t.app.settings.carry.enabled = false;
    const auto items = generateItems(t.app, addition, 1, 100, 400);
    EXPECT_TRUE(std::any_of(items.begin(), items.end(), carries));
}

} // namespace
} // namespace quill
