#include "engine/generation_run.h"
#include "engine/saved_set_loading.h"
#include "engine/settings_interlocks.h"
#include "history/history_file.h"
#include "history/history_line.h"
#include "settings/column_rule_words.h"
#include "support/document_environment.h"
#include "support/recording_environment.h"
#include "support/temp_folder.h"
#include "support/test_application.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

using testing::TestApplication;

void ruleOf(DropDown& list, ColumnRule rule)
{
    list.index = static_cast<int>(rule);
}

struct RefusalCase {
    const char* name;
    void (*prepare)(ExerciseSettings&);
    const char* says;
};

// clang-format off
const RefusalCase refusalCases[] = {
    {"CarryWithinOneToFour", [](ExerciseSettings& s) { s.rangeEnd.text = "4"; ruleOf(s.carry, ColumnRule::Across); },
     "这些设置下凑不出“进位”的加法题"},
    {"NoCarryFromFiveToNine", [](ExerciseSettings& s) { s.rangeStart.text = "5"; s.rangeEnd.text = "9"; ruleOf(s.carry, ColumnRule::Within); },
     "凑不出“不进位”的加法题"},
    // From 10 to 19 the larger number never has the smaller ones digit.
    {"BorrowWithinTheTeens", [](ExerciseSettings& s) { s.rangeStart.text = "10"; s.rangeEnd.text = "19"; ruleOf(s.borrow, ColumnRule::Across); },
     "凑不出“退位”的减法题"},
    {"NoCarryOfDecimalsFromEightToNine", [](ExerciseSettings& s) { s.wholeNumbers.checked = false; s.decimals.checked = true; s.rangeStart.text = "8"; s.rangeEnd.text = "9"; ruleOf(s.carry, ColumnRule::Within); },
     "凑不出“不进位”的加法题"},
    {"MakeTenInThirdGrade", [](ExerciseSettings& s) { s.grade.index = 5; ruleOf(s.carry, ColumnRule::Ten); },
     "“凑十”只用于一年级20以内的整数加法"},
    {"BreakTenWithDecimals", [](ExerciseSettings& s) { s.grade.index = 1; s.wholeNumbers.checked = false; s.decimals.checked = true; ruleOf(s.borrow, ColumnRule::Ten); },
     "“破十”只用于一年级20以内的整数减法"},
    {"MakeTenHasThirtySixItems", [](ExerciseSettings& s) { s.grade.index = 1; ruleOf(s.carry, ColumnRule::Ten); s.subtraction.checked = s.multiplication.checked = s.division.checked = false; s.itemCount.text = "37"; },
     "这些设置下只有36道不同的题，比题量37少"},
};
// clang-format on

class ColumnRuleRefusal : public ::testing::TestWithParam<RefusalCase>
{
};

TEST_P(ColumnRuleRefusal, ComesBeforeTheRunStarts)
{
    TestApplication t;
    testing::RecordingEnvironment env;
    GetParam().prepare(t.app.settings);
    EXPECT_EQ(generateExercises(t.app, env), RunOutcome::Refused);
    EXPECT_EQ(env.progressStarts, 0);
    ASSERT_EQ(t.notifier.messages.size(), 1u);
    EXPECT_NE(t.notifier.messages[0].find(GetParam().says), std::string::npos)
        << t.notifier.messages[0];
}

INSTANTIATE_TEST_SUITE_P(Settings, ColumnRuleRefusal, ::testing::ValuesIn(refusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

// First grade keeps its pairs within 20 whatever the range, so a wide range is counted
// exactly rather than probed (a probe would rarely meet a 凑十 pair among 1 to 2000).
TEST(ColumnRuleRun, AllThirtySixMakeTenItemsAreDrawnFromAnyRange)
{
    for (const char* end : {"100", "2000"}) {
        TestApplication t;
        testing::RecordingEnvironment env;
        ExerciseSettings& s = t.app.settings;
        s.grade.index = 1;
        s.rangeEnd.text = end;
        ruleOf(s.carry, ColumnRule::Ten);
        s.subtraction.checked = s.multiplication.checked = s.division.checked = false;
        s.itemCount.text = "36";
        EXPECT_EQ(generateExercises(t.app, env), RunOutcome::Completed) << end;
        EXPECT_EQ(t.app.set.size(), 36u) << end;
        s.itemCount.text = "37";
        EXPECT_EQ(generateExercises(t.app, env), RunOutcome::Refused) << end;
    }
}

// The choice rides in the history line and comes back with the set; a set drawn without one
// saves the line it always did, and loading it shows 不限 again.
TEST(ColumnRuleRun, TheHistoryLineKeepsTheChoiceAndTheLoadRestoresIt)
{
    TestApplication t;
    testing::DocumentEnvironment docs;
    testing::TempFolder folder;
    docs.history = folder / "历史题目.txt";
    ExerciseSettings& s = t.app.settings;
    ruleOf(s.carry, ColumnRule::Within);
    ruleOf(s.borrow, ColumnRule::Across);
    ASSERT_EQ(generateExercises(t.app, docs), RunOutcome::Completed);
    ruleOf(s.carry, ColumnRule::Any);
    ruleOf(s.borrow, ColumnRule::Any);
    ASSERT_EQ(generateExercises(t.app, docs), RunOutcome::Completed);

    const HistoryRead saved = readHistoryFile(*docs.history);
    ASSERT_EQ(saved.lines.size(), 2u);
    const std::string& chosen = saved.lines[0].text;
    const std::string& plain = saved.lines[1].text;
    EXPECT_TRUE(chosen.ends_with("|carry=no borrow=yes")) << chosen;
    EXPECT_EQ(std::count(plain.begin(), plain.end(), '|'), 2) << plain;

    ASSERT_EQ(loadSavedSet(t.app, docs, chosen), RunOutcome::Completed);
    EXPECT_EQ(s.carryRule(), ColumnRule::Within);
    EXPECT_EQ(s.borrowRule(), ColumnRule::Across);
    EXPECT_EQ(savedTextFor(s, t.app.set), chosen.substr(chosen.find("|3|") + 3));
    ASSERT_EQ(loadSavedSet(t.app, docs, plain), RunOutcome::Completed);
    EXPECT_EQ(s.carryRule(), ColumnRule::Any);
    EXPECT_EQ(s.borrowRule(), ColumnRule::Any);
}

// Where the lists apply: 口算 and 竖式计算, a ticked operation, no fractions.
TEST(ColumnRuleRun, TheListsFollowKindOperationAndNumberType)
{
    TestApplication t;
    ExerciseSettings& s = t.app.settings;
    auto& n = t.notifier;
    EXPECT_TRUE(s.carry.enabled && s.borrow.enabled);
    clickCheck(s, s.addition, n);
    EXPECT_FALSE(s.carry.enabled);
    EXPECT_TRUE(s.borrow.enabled);
    clickCheck(s, s.addition, n);
    clickKindOption(s, ExerciseKind::Oral, n);
    setCheck(s, s.percentages, true, n);
    EXPECT_TRUE(s.carry.enabled && s.borrow.enabled);
    setCheck(s, s.fractions, true, n);
    EXPECT_FALSE(s.carry.enabled || s.borrow.enabled);
    setCheck(s, s.decimals, true, n);
    EXPECT_TRUE(s.carry.enabled && s.borrow.enabled);
    for (ExerciseKind kind : {ExerciseKind::Estimation, ExerciseKind::Steps, ExerciseKind::Laws,
                              ExerciseKind::Equations, ExerciseKind::Units}) {
        clickKindOption(s, kind, n);
        EXPECT_FALSE(s.carry.enabled || s.borrow.enabled) << static_cast<int>(kind);
    }
}

} // namespace
} // namespace quill
