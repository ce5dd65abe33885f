#include "problems/fractions/fraction_items.h"
#include "support/test_application.h"

#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <regex>
#include <string>

namespace quill
{
namespace
{

using namespace quill::testing;

// An item read back independently of the program: a/b and c/d (c = d = 1 for a reduction).
struct Drawn {
    std::string text;
    long long a = 0, b = 1, c = 1, d = 1;
};

// a/b compared with c/d by cross products.
long long crossDifference(const Drawn& x)
{
    return x.a * x.d - x.c * x.b;
}

using Generator = std::string (*)(Workspace&, int, int);

struct RuleCase {
    const char* name;
    Generator generate;
    const char* sign; // "＋", "－", "×", "÷", or "/" for a reduction
    int grade = 0;
    int s = 1, e = 100;
    bool proper = true;
    bool (*always)(const Drawn&) = nullptr;
    bool (*sometimes)(const Drawn&) = nullptr; // a form the rules still allow
    void (*prepare)(ExerciseSettings&) = nullptr;
};

Drawn readItem(const std::string& text, const std::string& sign)
{
    static const std::regex one("(\\d+)/(\\d+)");
    static std::map<std::string, std::regex> twos;
    if (!twos.contains(sign))
        twos.emplace(sign, "(\\d+)" + sign + "(\\d+)" + sign + "(\\d+)" + sign + "(\\d+)");
    const std::regex& two = twos.at(sign);
    std::smatch m;
    Drawn x{text};
    if (sign == "/") {
        EXPECT_TRUE(std::regex_match(text, m, one)) << text;
        if (m.size() == 3)
            x.a = std::stoll(m[1]), x.b = std::stoll(m[2]);
    } else {
        EXPECT_TRUE(std::regex_match(text, m, two)) << text;
        if (m.size() == 5)
            x.a = std::stoll(m[1]), x.b = std::stoll(m[2]), x.c = std::stoll(m[3]),
            x.d = std::stoll(m[4]);
    }
    return x;
}

class FractionRules : public ::testing::TestWithParam<RuleCase>
{
};

TEST_P(FractionRules, HoldForEveryDrawnItem)
{
    const RuleCase c = GetParam();
    TestApplication t;
    ExerciseSettings& s = t.app.settings;
    s.grade.index = c.grade;
    s.exactOrProper.checked = c.proper;
    if (c.prepare)
        c.prepare(s);
    bool seen = c.sometimes == nullptr;
    for (int i = 0; i < 800; ++i) {
        const Drawn x = readItem(c.generate(t.app, c.s, c.e), c.sign);
        // Every number lies in the range without its end, and none is 0.
        const bool twoFractions = std::string(c.sign) != "/";
        for (long long n : {x.a, x.b, twoFractions ? x.c : x.a, twoFractions ? x.d : x.b})
            ASSERT_TRUE(n >= std::max(c.s, 1) && n < c.e) << x.text;
        if (c.always) {
            ASSERT_TRUE(c.always(x)) << x.text;
        }
        seen = seen || c.sometimes(x);
    }
    EXPECT_TRUE(seen) << "a form the rules allow never came up";
}

bool sameDenominator(const Drawn& x)
{
    return x.b == x.d;
}

bool sharesDivisorUpTo48(long long a, long long b)
{
    const long long g = std::gcd(a, b);
    for (long long k = 2; k <= 48; ++k)
        if (g % k == 0)
            return true;
    return false;
}

const RuleCase ruleCases[] = {
    {"AdditionEarlyGradesShareDenominators", makeFractionAdditionItem, "＋", 5, 1, 100, false,
     sameDenominator},
    {"AdditionEarlyGradesProperSumAtMostOne", makeFractionAdditionItem, "＋", 9, 1, 30, true,
     [](const Drawn& x) { return sameDenominator(x) && x.a + x.c <= x.b && x.a <= x.b; },
     [](const Drawn& x) { return x.a + x.c == x.b; }},
    {"AdditionHigherGradesMultiples", makeFractionAdditionItem, "＋", 0, 1, 60, false,
     [](const Drawn& x) { return x.a % x.c == 0 && x.b % x.d == 0 && x.a != x.c && x.b != x.d; }},
    {"AdditionHigherGradesProperSum", makeFractionAdditionItem, "＋", 12, 1, 60, true,
     [](const Drawn& x) {
         return x.a % x.c == 0 && x.b % x.d == 0 && x.a * x.d + x.c * x.b <= x.b * x.d;
     }},
    {"SubtractionNeverNegativeAndMeetsZero", makeFractionSubtractionItem, "－", 3, 1, 12, false,
     [](const Drawn& x) { return sameDenominator(x) && crossDifference(x) >= 0; },
     [](const Drawn& x) { return crossDifference(x) == 0; }},
    {"SubtractionEarlyGradesStrictlyProper", makeFractionSubtractionItem, "－", 1, 1, 40, true,
     [](const Drawn& x) { return sameDenominator(x) && x.a < x.b && x.c < x.d && x.a >= x.c; }},
    {"SubtractionHigherGradesProper", makeFractionSubtractionItem, "－", 10, 1, 50, true,
     [](const Drawn& x) { return crossDifference(x) >= 0 && x.a <= x.b && x.c <= x.d; },
     [](const Drawn& x) { return x.b != x.d; }},
    {"MultiplicationProper", makeFractionMultiplicationItem, "×", 0, 1, 100, true,
     [](const Drawn& x) { return x.a <= x.b && x.c <= x.d && x.a * x.c <= x.b * x.d; }},
    {"MultiplicationAnyOtherwise", makeFractionMultiplicationItem, "×", 0, 1, 100, false, nullptr,
     [](const Drawn& x) { return x.a > x.b; }},
    {"DivisionProperQuotientAtMostOne", makeFractionDivisionItem, "÷", 0, 1, 100, true,
     [](const Drawn& x) { return x.a <= x.b && x.c <= x.d && x.a * x.d <= x.b * x.c; }},
    {"ReductionProper", makeFractionReductionItem, "/", 0, 1, 100, true,
     [](const Drawn& x) { return x.b > x.a && sharesDivisorUpTo48(x.a, x.b); }},
    {"ReductionAnyOrder", makeFractionReductionItem, "/", 0, 1, 100, false,
     [](const Drawn& x) { return x.a != x.b && sharesDivisorUpTo48(x.a, x.b); },
     [](const Drawn& x) { return x.a > x.b; }},
    {"ReductionRangeStartAboveOne", makeFractionReductionItem, "/", 0, 20, 200, true,
     [](const Drawn& x) { return x.a >= 20 && x.b > x.a; }},
    {"MiddleZeroAboveHundred", makeFractionMultiplicationItem, "×", 0, 1, 3000, false,
     [](const Drawn& x) {
         const std::regex middle("\\d0{1,4}\\d");
         return std::regex_match(std::to_string(x.a), middle) ||
                std::regex_match(std::to_string(x.b), middle);
     },
     nullptr, [](ExerciseSettings& s) { s.zeroInMiddle.checked = true; }},
    {"EndZero", makeFractionDivisionItem, "÷", 0, 1, 100, false,
     [](const Drawn& x) { return x.a % 10 == 0 || x.b % 10 == 0; }, nullptr,
     [](ExerciseSettings& s) { s.zeroAtEnd.checked = true; }},
    {"WholeTensOfTheFirstFraction", makeFractionReductionItem, "/", 0, 1, 100, false,
     [](const Drawn& x) {
         return std::regex_match(std::to_string(x.a + x.b), std::regex("[1-9]0{1,4}"));
     },
     nullptr, [](ExerciseSettings& s) { s.wholeTens.checked = true; }},
};

INSTANTIATE_TEST_SUITE_P(Generators, FractionRules, ::testing::ValuesIn(ruleCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A range no draw can satisfy keeps a generator drawing until the stop, which it then heeds
// within a pass.
TEST(FractionItems, StopEndsAnImpossibleDraw)
{
    for (Generator generate :
         {makeFractionAdditionItem, makeFractionSubtractionItem, makeFractionMultiplicationItem,
          makeFractionDivisionItem, makeFractionReductionItem}) {
        TestApplication t;
        int pumps = 0;
        t.app.eventPump = [&] {
            if (++pumps == 50)
                t.app.run.stopRequested = true;
        };
        generate(t.app, 1, 2);
        EXPECT_LE(pumps, 51);
    }
}

} // namespace
} // namespace quill
