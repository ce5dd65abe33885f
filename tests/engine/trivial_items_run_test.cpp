#include "base/number_text.h"
#include "engine/generation_run.h"
#include "engine/settings_interlocks.h"
#include "engine/sheet_combinations.h"
#include "engine/validation_tick.h"
#include "problems/expressions/item_answer.h"
#include "problems/trivial_items.h"
#include "support/recording_environment.h"
#include "support/sets.h"
#include "support/test_application.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <tuple>

namespace quill
{
namespace
{

using testing::RecordingEnvironment;
using testing::TestApplication;
using S = ExerciseSettings;

const std::string trivialNotice = "这样的设置避不开简单题";

bool told(const TestApplication& t, const std::string& text)
{
    return std::ranges::any_of(t.notifier.messages,
                               [&](const std::string& m) { return m.starts_with(text); });
}

bool plainWhole(const WrittenNumber& term)
{
    return term.text.find_first_not_of("0123456789") == std::string::npos;
}

// 一年级上学期: sums and minuends within 20, the times table and table divisions.
bool withinFirstTermTables(const OperationItem& item)
{
    const double a = numericValue(item.terms[0].text), b = numericValue(item.terms[1].text);
    switch (*item.operation) {
    case Operation::Addition:
        return a + b <= 20;
    case Operation::Subtraction:
        return a <= 20;
    case Operation::Multiplication:
        return a < 10 && b < 10;
    case Operation::Division:
        return b < 10 && a / b < 10;
    }
    return false;
}

// The rules every drawn set keeps whatever 避免简单题 leaves out: values that can be worked
// out and are not negative, whole values when whole numbers divide exactly, numbers from the
// range, and the first term's tables. Empty when the item keeps them.
std::string brokenRule(const SetItem& item, const S& s, Range range)
{
    const bool wholeValues = s.wholeNumbers.checked && s.exactDivision();
    auto value = [&](const std::optional<ItemValue>& v) -> std::string {
        if (!v || !v->computable() || v->number < ExactDecimal::whole(0))
            return "a value that cannot be worked out or is negative";
        return wholeValues && !v->number.isWhole() ? "a value that is not whole" : "";
    };
    if (const auto* operation = std::get_if<OperationItem>(&item)) {
        for (const WrittenNumber& term : operation->terms)
            if (plainWhole(term) && (term.amount < ExactDecimal::whole(range.start) ||
                                     term.amount > ExactDecimal::whole(range.end)))
                return "a number outside the range";
        if (s.gradeIndex() == 1 && s.wholeNumbers.checked && !withinFirstTermTables(*operation))
            return "beyond the first term's tables";
        return value(answerOf(*operation, std::nullopt).exact);
    }
    if (const auto* steps = std::get_if<StepItem>(&item))
        return value(steps->value);
    if (const auto* equation = std::get_if<EquationItem>(&item))
        return equation->value.number.places() > 4 ? "an equation value past four places"
                                                   : value(equation->value);
    if (const auto* law = std::get_if<LawItem>(&item))
        return value(law->answer);
    if (const auto* fraction = std::get_if<FractionExpression>(&item)) {
        const auto v = expressionValue(*fraction);
        return v && !(*v < Rational(0)) ? "" : "a fraction value that is negative or none";
    }
    return "";
}

CheckBox S::*const numberTypes[] = {&S::wholeNumbers, &S::decimals, &S::fractions, &S::percentages};

class TrivialFreeSets : public ::testing::TestWithParam<std::tuple<ExerciseKind, int>>
{
};

// Every kind and number type, over seeds and grades, under the default settings (and a
// larger count): no trivial item, and the rules the sets kept before still hold.
TEST_P(TrivialFreeSets, HoldNoTrivialItemAndKeepTheirRules)
{
    const auto [kind, numbers] = GetParam();
    RecordingEnvironment env;
    int sets = 0;
    for (unsigned seed = 1; seed <= 6; ++seed) {
        const int grade = std::array{0, 1, 7, 12}[seed % 4];
        TestApplication t(seed);
        S& s = t.app.settings;
        s.grade.index = grade;
        clickKindOption(s, kind, t.notifier);
        CheckBox& box = s.*numberTypes[numbers];
        if (!box.enabled)
            GTEST_SKIP() << "the kind takes no such numbers";
        setCheck(s, box, true, t.notifier);
        if (unshowableCombination(s))
            GTEST_SKIP() << "the kind refuses such numbers";
        s.itemCount.text = "60";
        repairSettings(s, t.notifier); // as the window's half-second tick would
        if (generateExercises(t.app, env) != RunOutcome::Completed)
            continue; // settings the plan refuses in this grade
        ++sets;
        ASSERT_EQ(t.app.set.size(), 60u);
        const Range range{static_cast<int>(s.rangeStart.value()),
                          static_cast<int>(s.rangeEnd.value())};
        for (const SetItem& item : t.app.set) {
            EXPECT_FALSE(isTrivialItem(item, s, kind))
                << itemText(item) << " grade " << grade << " seed " << seed;
            EXPECT_EQ(brokenRule(item, s, range), "")
                << itemText(item) << " grade " << grade << " seed " << seed;
        }
        EXPECT_FALSE(told(t, trivialNotice)) << "grade " << grade << " seed " << seed;
    }
    EXPECT_GE(sets, 4);
}

INSTANTIATE_TEST_SUITE_P(
    KindsAndNumbers, TrivialFreeSets,
    ::testing::Combine(::testing::Values(ExerciseKind::Oral, ExerciseKind::Estimation,
                                         ExerciseKind::Vertical, ExerciseKind::Steps,
                                         ExerciseKind::Laws, ExerciseKind::Equations),
                       ::testing::Range(0, 4)));

// Only 除法 from 1 to 2 leaves nothing but 1÷1, 2÷1 and 2÷2: they are drawn anyway, the user
// is told once, and the same seed gives the same set. With the box cleared nothing is said.
TEST(TrivialItemsRun, SettingsWithNothingElseGetThemAnywayAndSaySoOnce)
{
    auto prepare = [](TestApplication& t, bool avoid) {
        S& s = t.app.settings;
        clickKindOption(s, ExerciseKind::Oral, t.notifier);
        s.addition.checked = s.subtraction.checked = s.multiplication.checked = false;
        s.rangeEnd.text = "2";
        s.itemCount.text = "2";
        s.avoidTrivial.checked = avoid;
    };
    RecordingEnvironment env;
    TestApplication t(3), again(3), allowed(3);
    prepare(t, true);
    prepare(again, true);
    prepare(allowed, false);
    ASSERT_EQ(generateExercises(t.app, env), RunOutcome::Completed);
    ASSERT_EQ(generateExercises(again.app, env), RunOutcome::Completed);
    ASSERT_EQ(generateExercises(allowed.app, env), RunOutcome::Completed);
    EXPECT_EQ(t.app.set.size(), 2u);
    EXPECT_EQ(again.app.set, t.app.set);
    EXPECT_EQ(std::ranges::count(t.notifier.messages, trivialItemsKeptMessage(2)), 1)
        << testing::listOf(t.app.set);
    EXPECT_FALSE(told(allowed, trivialNotice));

    TestApplication onScreen(3);
    prepare(onScreen, true);
    ASSERT_EQ(drawOnScreenSet(onScreen.app, env), RunOutcome::Completed);
    EXPECT_EQ(std::ranges::count(onScreen.notifier.messages, trivialItemsKeptMessage(2)), 1);
}

} // namespace
} // namespace quill
