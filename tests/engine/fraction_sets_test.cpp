#include "engine/generation_run.h"
#include "engine/settings_interlocks.h"
#include "support/recording_environment.h"
#include "support/test_application.h"

#include <gtest/gtest.h>
#include <regex>
#include <string>

namespace quill
{
namespace
{

using testing::TestApplication;
using Op = FractionOperation;

constexpr int seeds = 12;

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
    testing::RecordingEnvironment env;
    EXPECT_EQ(generateExercises(t.app, env), RunOutcome::Completed) << t.notifier.messages.back();
    return itemsOf<FractionExpression>(t.app.set);
}

bool within(long n, long low, long high)
{
    return n >= low && n <= high;
}

// 是真分数 (a reduction's fraction below 1), every number from 1 to below the range's end.
void expectProperWithin(const FractionItem& item, long end, const std::string& text)
{
    const bool reduction = item.operation == Op::Reduction;
    EXPECT_TRUE(reduction ? item.a < item.b : item.a <= item.b && item.c <= item.d) << text;
    for (long n : {item.a, item.b, reduction ? 1L : item.c, reduction ? 1L : item.d})
        EXPECT_TRUE(within(n, 1, end - 1)) << text;
}

// Values of at most three digits above and below the line; a subtraction step never gives 0.
void expectStepPupilsCanCarry(const FractionExpression& e, const std::string& text)
{
    ASSERT_TRUE(e.step) << text;
    const Rational after = *expressionValue(e);
    for (const Rational v : {*itemValue(e.item), after})
        EXPECT_TRUE(within(v.numerator(), 0, 999) && within(v.denominator(), 1, 999))
            << text << " reaches " << v.text();
    EXPECT_TRUE(e.step->operation != Op::Subtraction || !after.isZero()) << text;
}

// Up to 三年级 1–10, 四、五年级 1–12, 六年级 and 小学阶段综合 1–20; 约分 1–100 in every grade.
long expectedEnd(int grade, ExerciseKind kind)
{
    if (kind == ExerciseKind::Estimation)
        return 100;
    return grade >= 1 && grade <= 6 ? 10 : grade >= 7 && grade <= 10 ? 12 : 20;
}

class DefaultFractionSets : public ::testing::TestWithParam<int>
{
};

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
                expectProperWithin(e.item, end, expressionText(e));
                if (kind == ExerciseKind::Steps)
                    expectStepPupilsCanCarry(e, expressionText(e));
            }
        }
}

INSTANTIATE_TEST_SUITE_P(Grades, DefaultFractionSets, ::testing::Range(0, 13));

struct DigitRuleCase {
    const char* name;
    CheckBox ExerciseSettings::*rule;
    const char* form;  // of a or b; of a + b for 整十百千
    long typedEnd = 0; // none: the default's
};

class FractionDigitRules : public ::testing::TestWithParam<DigitRuleCase>
{
};

// 是真分数 and the digit rule both hold for the first fraction of every item of every kind.
TEST_P(FractionDigitRules, HoldTogetherWithProperFractions)
{
    const DigitRuleCase c = GetParam();
    const std::regex form(c.form);
    const auto holds = [&](long n) { return std::regex_match(std::to_string(n), form); };
    for (const ExerciseKind kind : fractionKinds)
        for (int seed = 1; seed <= seeds; ++seed) {
            TestApplication t(seed);
            ExerciseSettings& s = t.app.settings;
            setCheck(s, s.*c.rule, true, t.notifier);
            if (c.typedEnd)
                setText(s, s.rangeEnd, std::to_string(c.typedEnd));
            const long end = c.typedEnd ? c.typedEnd : expectedEnd(0, kind);
            for (const FractionExpression& e : drawnSet(t, 0, kind)) {
                const FractionItem& i = e.item;
                const std::string text = expressionText(e);
                expectProperWithin(i, end, text);
                EXPECT_TRUE(c.rule == &ExerciseSettings::wholeTens ? holds(i.a + i.b)
                                                                   : holds(i.a) || holds(i.b))
                    << c.name << " " << text;
            }
        }
}

const DigitRuleCase digitRuleCases[] = {
    {"EndZero", &ExerciseSettings::zeroAtEnd, "\\d*0"},
    {"WholeTens", &ExerciseSettings::wholeTens, "[1-9]0{1,4}"},
    {"MiddleZero", &ExerciseSettings::zeroInMiddle, "\\d0{1,4}\\d", 120},
};

INSTANTIATE_TEST_SUITE_P(Rules, FractionDigitRules, ::testing::ValuesIn(digitRuleCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Proper fractions from 20 to 60 never add up below 1: the sum is left out with a note and
// the set is drawn from the other operations; with only addition ticked the run is refused.
TEST(FractionSets, AnOperationThatCanNeverBeDrawnIsLeftOutOrRefused)
{
    for (const ExerciseKind kind : {ExerciseKind::Oral, ExerciseKind::Steps}) {
        TestApplication t(3), onlyAddition(3);
        for (TestApplication* app : {&t, &onlyAddition}) {
            ExerciseSettings& s = app->app.settings;
            clickKindOption(s, kind, app->notifier);
            setCheck(s, s.fractions, true, app->notifier);
            setText(s, s.rangeStart, "20");
            setText(s, s.rangeEnd, "60");
        }
        setCheck(onlyAddition.app.settings, onlyAddition.app.settings.subtraction, false,
                 onlyAddition.notifier);
        setCheck(onlyAddition.app.settings, onlyAddition.app.settings.multiplication, false,
                 onlyAddition.notifier);
        setCheck(onlyAddition.app.settings, onlyAddition.app.settings.division, false,
                 onlyAddition.notifier);
        testing::RecordingEnvironment env;
        ASSERT_EQ(generateExercises(t.app, env), RunOutcome::Completed);
        EXPECT_TRUE(
            t.notifier.saw("这些设置下出不了“加法”的题，这次只出“减法”、“乘法”和“除法”的题。"));
        for (const FractionExpression& e : itemsOf<FractionExpression>(t.app.set))
            EXPECT_NE(e.item.operation, Op::Addition) << expressionText(e);
        EXPECT_EQ(generateExercises(onlyAddition.app, env), RunOutcome::Refused);
        EXPECT_TRUE(onlyAddition.notifier.saw(
            "这些设置下出不了“加法”的题，请扩大数据范围或取消一些出题要求！"));
    }
}

} // namespace
} // namespace quill
