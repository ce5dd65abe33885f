#include "problems/expressions/shown_answer.h"
#include "problems/whole/generated_items.h"
#include "support/test_application.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace quill
{
namespace
{

using namespace quill::testing;

// A property of one item's numeric operands a and b.
#define PAIR(condition)                                                                            \
    [](double a, double b) {                                                                       \
        (void)a, (void)b;                                                                          \
        return condition;                                                                          \
    }

bool exact(double a, double b)
{
    return b != 0 && std::fmod(a, b) == 0;
}

struct GradeCase {
    const char* name;
    const Generator* generator;
    int grade, s, e;
    bool (*always)(double, double);
    bool (*sometimes)(double, double) = nullptr; // a form the block must still produce
    void (*prepare)(ExerciseSettings&) = nullptr;
};

class GradeLimits : public ::testing::TestWithParam<GradeCase>
{
};

TEST_P(GradeLimits, HoldForEveryItem)
{
    const GradeCase c = GetParam();
    TestApplication t;
    t.app.settings.grade.index = c.grade;
    if (c.prepare)
        c.prepare(t.app.settings);
    const auto items = generateItems(t.app, *c.generator, c.s, c.e);
    for (const auto& item : items)
        ASSERT_TRUE(c.always(item.a, item.b)) << item.text;
    if (c.sometimes) {
        EXPECT_TRUE(std::any_of(items.begin(), items.end(),
                                [&](const GeneratedItem& i) { return c.sometimes(i.a, i.b); }));
    }
}

void oral(ExerciseSettings& s)
{
    s.verticalOption.selected = false, s.oralOption.selected = true;
}
void estimation(ExerciseSettings& s)
{
    s.verticalOption.selected = false, s.estimationOption.selected = true;
}
void percentages(ExerciseSettings& s)
{
    s.wholeNumbers.checked = false, s.percentages.checked = true;
}

// clang-format off
const GradeCase gradeCases[] = {
    {"AddGrade1", &addition, 1, 1, 100, PAIR(a + b <= 20)},
    {"AddGrade1Percent", &addition, 1, 1, 100, PAIR(a + b <= 20), nullptr, percentages},
    {"AddGrade2", &addition, 2, 1, 100, PAIR(a + b < 100 && (a < 11 || b < 11))},
    {"AddGrade3", &addition, 3, 1, 200, PAIR(a + b <= 100)},
    {"AddGrade4", &addition, 4, 1, 1000, PAIR(a + b < 1000 && (a < 100 || b < 100)), PAIR(a >= 100)},
    {"AddOther", &addition, 7, 1, 10, PAIR(a < 10 || b < 10), PAIR(a == 10 || b == 10)},
    {"SubGrade1", &subtraction, 1, 1, 100, PAIR(a > b && a <= 20)},
    {"SubGrade2", &subtraction, 2, 1, 100, PAIR(a >= b && a <= 20), PAIR(a == b)},
    {"SubGrade3", &subtraction, 3, 1, 200, PAIR(a >= b && a <= 100)},
    {"SubGrade4", &subtraction, 4, 1, 1000, PAIR(a >= b && a < 1000 && b < 100)},
    {"SubOther", &subtraction, 0, 1, 100, PAIR(a >= b && a < 100)},
    {"MulGrades1To4", &multiplication, 3, 1, 100, PAIR(a <= 9 && b <= 9 && a * b <= 100)},
    {"MulGrade5", &multiplication, 5, 1, 100, PAIR((a < 10 || b < 10) && a * b <= 100)},
    {"MulGrade6", &multiplication, 6, 1, 50, PAIR(a * b <= 50), PAIR(a >= 10 || b >= 10)},
    {"MulOtherOral", &multiplication, 0, 1, 50, PAIR(a * b <= 50 && (a < 10 || b < 10)), nullptr, oral},
    {"MulOtherWritten", &multiplication, 12, 1, 1000, PAIR(a < 100 || b < 100), PAIR(a * b > 1000)},
    {"ExactGrades1To5", &exactDivision, 5, 1, 100, PAIR(b <= 9 && exact(a, b) && a / b <= 9)},
    {"ExactGrade6", &exactDivision, 6, 1, 100, PAIR(b <= 9 && exact(a, b)), PAIR(a / b >= 10)},
    {"ExactOtherOral", &exactDivision, 0, 1, 100, PAIR(b <= 9 && exact(a, b)), nullptr, oral},
    {"ExactOtherWritten", &exactDivision, 0, 1, 100, PAIR(exact(a, b)), PAIR(b >= 10)},
    {"DivGrades1To3", &division, 2, 1, 100, PAIR(b <= 9 && exact(a, b) && a / b <= 9)},
    {"DivGrade4", &division, 4, 1, 100, PAIR(a < 90 && b <= 9 && b < a), PAIR(!exact(a, b))},
    {"DivGrade5", &division, 5, 1, 100, PAIR(a < 90 && b <= 9 && b < a && a / b < 10), PAIR(!exact(a, b))},
    {"DivGrade6", &division, 6, 1, 100, PAIR(b <= 9 && b < a), PAIR(!exact(a, b))},
    {"DivOtherEstimation", &division, 0, 1, 100, PAIR(a < 10 && a * b <= 100), PAIR(!exact(a, b)),
     estimation},
    {"DivOtherWritten", &division, 0, 1, 200, PAIR(a < 100 && b < a && exact(a, b))}};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Generators, GradeLimits, ::testing::ValuesIn(gradeCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Percent sets: a sum or difference is of two percents, answered as a percent and never below
// zero; a product or quotient has one or two, and only a percent divided by a plain number is
// answered as a percent (34%÷2＝17%, 75%×44＝33, 6÷3%＝200).
TEST(PercentItems, SumsAndDifferencesArePercentsAnsweredAsPercents)
{
    for (const int grade : {0, 1, 4, 9})
        for (const Generator* generator : {&addition, &subtraction, &multiplication, &division}) {
            TestApplication t(static_cast<std::uint64_t>(grade) + 1);
            percentages(t.app.settings);
            t.app.settings.grade.index = grade;
            const bool sum = generator == &addition || generator == &subtraction;
            for (const auto& drawn : generateItems(t.app, *generator, 1, 100, 300)) {
                const OperationItem item = OperationItem::read(drawn.text);
                const bool first = drawn.first.ends_with('%'), second = drawn.second.ends_with('%');
                ASSERT_TRUE(sum ? first && second : first || second) << drawn.text;
                const ItemAnswer answer = answerOf(item, std::nullopt);
                ASSERT_GE(answer.exact.number, ExactDecimal::whole(0)) << drawn.text;
                const ShownAnswer key = keyAnswer(item, answer, std::nullopt, false);
                const bool percentKey = key.text.ends_with('%');
                ASSERT_EQ(percentKey, sum || (generator == &division && first && !second))
                    << drawn.text << key.joined();
                if (percentKey && key.sign == "＝") {
                    ASSERT_EQ(ExactDecimal::parse(key.text.substr(0, key.text.size() - 1)),
                              percentNumber(answer.exact.number))
                        << drawn.text << key.joined();
                }
            }
        }
}

TEST(Caps, SumCapHoldsForSubtractionItemsToo)
{
    TestApplication t;
    t.app.settings.capResults.checked = true;
    for (const Generator& generator : {addition, subtraction})
        for (const auto& item : generateItems(t.app, generator, 1, 100, 1000))
            ASSERT_LE(item.a + item.b, 101) << item.text;
}

} // namespace
} // namespace quill
