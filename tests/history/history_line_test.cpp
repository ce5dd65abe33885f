#include "history/history_line.h"
#include "history/saved_set_load.h"
#include "settings/exercise_settings.h"
#include "settings/run_state.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

TEST(HistoryLine, BuildsDateTagAndListAndReadsThemBack)
{
    const std::string text = historyLineText("2016/7/27", 1, " 37＋48 52－19");
    EXPECT_EQ(text, "2016/7/27|1| 37＋48 52－19");

    const HistoryLine line = parseHistoryLine(text);
    EXPECT_EQ(line.date, "2016/7/27");
    EXPECT_EQ(line.kind, 1);
    EXPECT_EQ(line.savedList, " 37＋48 52－19");
    EXPECT_FALSE(line.equations);
}

TEST(HistoryLine, EquationSetsSplitIntoExpressionsAndEquations)
{
    RunState run;
    run.completeEquations = " 12＋5＝17";
    run.equationList = " X＋5＝17";
    const std::string text = historyLineText("2026/3/1", 6, savedTextOf(6, run));
    EXPECT_EQ(text, "2026/3/1|6| 12＋5＝17| X＋5＝17");

    const HistoryLine line = parseHistoryLine(text);
    EXPECT_EQ(line.kind, 6);
    EXPECT_EQ(line.savedList, " 12＋5＝17");
    EXPECT_EQ(line.equations, " X＋5＝17");
}

TEST(HistoryLine, OnlyEquationSetsHaveAFourthField)
{
    EXPECT_FALSE(parseHistoryLine("2026/3/1|3| 1＋2|extra").equations);
    EXPECT_EQ(parseHistoryLine("2026/3/1|3| 1＋2|extra").savedList, " 1＋2");
}

TEST(HistoryLine, SavedTextFollowsTheKind)
{
    RunState run;
    run.questionList = " a b";
    run.stepList = " a×3 b÷2";
    run.completeEquations = "c";
    run.equationList = "d";
    EXPECT_EQ(savedTextOf(1, run), " a b");
    EXPECT_EQ(savedTextOf(8, run), " a b");
    EXPECT_EQ(savedTextOf(4, run), " a×3 b÷2");
    EXPECT_EQ(savedTextOf(6, run), "c|d");
}

TEST(HistoryLine, KindFollowsThePathOrder)
{
    ExerciseSettings s;
    EXPECT_EQ(historyKindOf(s), 3); // the default 竖式计算

    s.verticalOption.selected = false;
    s.estimationOption.selected = true;
    EXPECT_EQ(historyKindOf(s), 2);
    s.fractions.checked = true; // fractions win over any kind: 约分
    EXPECT_EQ(historyKindOf(s), 9);
    s.estimationOption.selected = false;
    s.unitsOption.selected = true;
    EXPECT_EQ(historyKindOf(s), 8);
    s.fractions.checked = false;
    EXPECT_EQ(historyKindOf(s), 7);
    s.unitsOption.selected = false;
    s.lawsOption.selected = true;
    EXPECT_EQ(historyKindOf(s), 5);
    s.lawsOption.selected = false;
    s.equationsOption.selected = true;
    EXPECT_EQ(historyKindOf(s), 6);
}

TEST(SavedSetEntry, TakesTenCharactersOfTheDateAndTheLabel)
{
    EXPECT_EQ(savedSetEntry("2016/7/27|1| 1＋2"), "2016/7/27口算");
    EXPECT_EQ(savedSetEntry("2016/12/27 10:45|5| x"), "2016/12/27简便计算");
    // Characters, not bytes: a Chinese date keeps ten whole characters.
    EXPECT_EQ(savedSetEntry("二〇一六年七月二十七日星期三|9| x"), "二〇一六年七月二十七约分");

    const char* labels[] = {"口算",   "估算",     "竖式",     "脱式", "简便计算",
                            "解方程", "单位换算", "分数计算", "约分"};
    for (int kind = 1; kind <= 9; ++kind)
        EXPECT_EQ(savedSetEntry(historyLineText("d", kind, " x")),
                  std::string("d") + labels[kind - 1]);
}

TEST(SavedSetEntry, LinesOutsideTheFormatAreUnknown)
{
    EXPECT_EQ(savedSetEntry("just some words typed into the file"), "just some 未知");
    EXPECT_EQ(savedSetEntry("2016/7/27|0| 1＋2"), "2016/7/27未知");
    EXPECT_EQ(savedSetEntry("2016/7/27|12| 1＋2"), "2016/7/27未知");
    EXPECT_EQ(savedSetEntry("2016/7/27|a| 1＋2"), "2016/7/27未知");
    EXPECT_EQ(savedSetEntry(""), "未知");
    EXPECT_EQ(savedSetEntry("||"), "未知");
}

TEST(SavedSetLoad, TakesTheListAndMarksTheRun)
{
    RunState run;
    run.equationList = "earlier";
    ASSERT_TRUE(takeSavedSet(run, parseHistoryLine("2016/7/27|3| 37＋48 52－19")));
    EXPECT_TRUE(run.writingSavedSet);
    EXPECT_EQ(run.questionList, " 37＋48 52－19");
    EXPECT_EQ(run.equationList, "earlier"); // only equation sets bring their own

    ASSERT_TRUE(takeSavedSet(run, parseHistoryLine("2016/7/27|6|A|B")));
    EXPECT_EQ(run.questionList, "A");
    EXPECT_EQ(run.equationList, "B");
}

TEST(SavedSetLoad, RefusesLinesItCannotWriteAndLeavesTheRunAlone)
{
    for (const char* text :
         {"no bars at all", "2016/7/27|0| 1＋2", "2016/7/27|3", "2016/7/27|6| 12＋5＝17"}) {
        RunState run;
        run.questionList = " kept";
        EXPECT_FALSE(takeSavedSet(run, parseHistoryLine(text))) << text;
        EXPECT_EQ(run.questionList, " kept");
        EXPECT_FALSE(run.writingSavedSet);
    }
}

} // namespace
} // namespace quill
