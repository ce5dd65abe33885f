#include "engine/generation_run.h"
#include "engine/settings_interlocks.h"
#include "problems/fractions/fraction_expression.h"
#include "support/recording_environment.h"
#include "support/test_application.h"

#include <gtest/gtest.h>
#include <string>

namespace quill
{
namespace
{

using testing::RecordingEnvironment;
using testing::TestApplication;
using Op = FractionOperation;

constexpr int seeds = 12;
constexpr long threeDigits = 999;

// The kinds a fraction set is drawn for: 口算, 约分, 通分计算 and 脱式计算.
constexpr ExerciseKind fractionKinds[] = {ExerciseKind::Oral, ExerciseKind::Estimation,
                                          ExerciseKind::Vertical, ExerciseKind::Steps};

// A default set as a teacher gets it: 分数 ticked, the grade and kind chosen, nothing typed.
std::vector<FractionExpression> drawnSet(TestApplication& t, int grade, ExerciseKind kind)
{
    ExerciseSettings& s = t.app.settings;
    setChoice(s, s.grade, grade);
    clickKindOption(s, kind, t.notifier);
    setCheck(s, s.fractions, true, t.notifier);
    RecordingEnvironment env;
    EXPECT_EQ(generateExercises(t.app, env), RunOutcome::Completed) << t.notifier.messages.back();
    return itemsOf<FractionExpression>(t.app.set);
}

bool within(long n, long low, long high)
{
    return n >= low && n <= high;
}

bool fits(Rational v)
{
    return within(v.numerator(), 0, threeDigits) && within(v.denominator(), 1, threeDigits);
}

// Both fractions (one for a reduction) with numbers of 1 up to below the range's end.
void expectInRange(const FractionItem& item, long end, const std::string& text)
{
    const bool twoFractions = item.operation != Op::Reduction;
    for (long n : {item.a, item.b, twoFractions ? item.c : 1L, twoFractions ? item.d : 1L})
        EXPECT_TRUE(within(n, 1, end - 1)) << text;
}

// 是真分数: no fraction of the item above 1; a reduction's strictly below.
void expectProper(const FractionItem& item, const std::string& text)
{
    if (item.operation == Op::Reduction) {
        EXPECT_LT(item.a, item.b) << text;
        return;
    }
    EXPECT_TRUE(item.a <= item.b && item.c <= item.d) << text;
}

void expectSensibleStep(const FractionExpression& e, long end, const std::string& text)
{
    ASSERT_TRUE(e.step) << text;
    const Rational v = *itemValue(e.item);
    const Rational after = *expressionValue(e);
    EXPECT_TRUE(fits(v) && fits(after)) << text << " = " << after.text();
    const Rational n = e.step->number;
    EXPECT_TRUE(n.isWhole() ? within(n.numerator(), 0, end) : within(n.denominator(), 2, end))
        << text;
    if (e.step->operation == Op::Subtraction) {
        EXPECT_LT(Rational(0), after) << text;
    }
}

class DefaultFractionSets : public ::testing::TestWithParam<int>
{
};

// Up to 三年级 1–10, 四、五年级 1–12, 六年级 and 小学阶段综合 1–20; 约分 1–100 in every grade.
long expectedEnd(int grade, ExerciseKind kind)
{
    if (kind == ExerciseKind::Estimation)
        return 100;
    return grade >= 1 && grade <= 6 ? 10 : grade >= 7 && grade <= 10 ? 12 : 20;
}

TEST_P(DefaultFractionSets, KeepToTheGradesRangeWithStepsPupilsCanCarry)
{
    const int grade = GetParam();
    for (const ExerciseKind kind : fractionKinds)
        for (int seed = 1; seed <= seeds; ++seed) {
            TestApplication t(seed);
            const std::vector<FractionExpression> set = drawnSet(t, grade, kind);
            const long end = expectedEnd(grade, kind);
            ASSERT_EQ(t.app.settings.rangeEnd.text, std::to_string(end));
            ASSERT_FALSE(set.empty());
            for (const FractionExpression& e : set) {
                const std::string text = expressionText(e);
                expectInRange(e.item, end, text);
                expectProper(e.item, text);
                if (kind == ExerciseKind::Steps)
                    expectSensibleStep(e, end, text);
            }
        }
}

INSTANTIATE_TEST_SUITE_P(Grades, DefaultFractionSets, ::testing::Range(0, 13));

struct DigitRuleCase {
    const char* name;
    CheckBox ExerciseSettings::*rule;
    bool (*holds)(long a, long b);
    const char* rangeEnd = nullptr; // typed; otherwise the grade's
};

bool zerosBetween(const std::string& digits, std::size_t from, std::size_t to)
{
    return digits.find_first_not_of('0', from) >= to;
}

// 105, 2008: three to six digits, zeros between the first and the last.
bool middleZero(long n)
{
    const std::string digits = std::to_string(n);
    return digits.size() >= 3 && digits.size() <= 6 && zerosBetween(digits, 1, digits.size() - 1);
}

// 30, 700: a digit and zeros after it.
bool wholeTens(long n)
{
    const std::string digits = std::to_string(n);
    return n > 0 && digits.size() >= 2 && zerosBetween(digits, 1, digits.size());
}

class FractionDigitRules : public ::testing::TestWithParam<DigitRuleCase>
{
};

// 是真分数 and the digit rule both hold for the first fraction of every item of every kind.
TEST_P(FractionDigitRules, HoldTogetherWithProperFractions)
{
    const DigitRuleCase c = GetParam();
    for (const ExerciseKind kind : fractionKinds)
        for (int seed = 1; seed <= seeds; ++seed) {
            TestApplication t(seed);
            ExerciseSettings& s = t.app.settings;
            setCheck(s, s.*c.rule, true, t.notifier);
            if (c.rangeEnd)
                setText(s, s.rangeEnd, c.rangeEnd);
            for (const FractionExpression& e : drawnSet(t, 0, kind)) {
                const std::string text = expressionText(e);
                expectProper(e.item, text);
                EXPECT_TRUE(c.holds(e.item.a, e.item.b)) << c.name << " " << text;
            }
        }
}

const DigitRuleCase digitRuleCases[] = {
    {"EndZero", &ExerciseSettings::zeroAtEnd,
     [](long a, long b) { return a % 10 == 0 || b % 10 == 0; }},
    {"WholeTens", &ExerciseSettings::wholeTens, [](long a, long b) { return wholeTens(a + b); }},
    {"MiddleZero", &ExerciseSettings::zeroInMiddle,
     [](long a, long b) { return middleZero(a) || middleZero(b); }, "120"},
};

INSTANTIATE_TEST_SUITE_P(Rules, FractionDigitRules, ::testing::ValuesIn(digitRuleCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quill
