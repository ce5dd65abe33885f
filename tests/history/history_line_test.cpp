#include "history/history_line.h"
#include "history/mixed_history_line.h"
#include "history/saved_set_load.h"
#include "settings/column_rule_words.h"
#include "settings/exercise_settings.h"

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
    const ExerciseSet set{EquationItem{"X＋5", "12＋5", ItemValue::read("17")}};
    const std::string text = historyLineText("2026/3/1", 6, savedTextOf(6, set));
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

// A pupil's sheet field comes last after any other field and leaves them as they were; a bar
// in the name cannot split the line.
TEST(HistoryLine, PupilSheetFieldFollowsEveryOtherField)
{
    const std::string field = "|" + pupilSheetField("K7M4P", "张|三");
    for (const std::string base :
         {"2026/3/1|1| 1＋2", "2026/3/1|6| 12＋5＝17| X＋5＝17", "2026/3/1|1| 1＋2|steps",
          "2026/3/1|1| 1＋2|carry=yes", "2026/3/1|1| 1＋2|oral|carry=no"}) {
        const HistoryLine plain = parseHistoryLine(base), marked = parseHistoryLine(base + field);
        EXPECT_FALSE(plain.sheetCode) << base;
        EXPECT_EQ(marked.sheetCode, "K7M4P") << base;
        EXPECT_EQ(marked.pupilName, "张｜三") << base;
        EXPECT_EQ(marked.savedList, plain.savedList) << base;
        EXPECT_EQ(marked.equations, plain.equations) << base;
        EXPECT_EQ(marked.writtenAs, plain.writtenAs) << base;
        EXPECT_EQ(marked.drawnWith, plain.drawnWith) << base;
        EXPECT_TRUE(hasHistoryLineForm(base + field)) << base;
    }
    EXPECT_EQ(parseHistoryLine("2026/3/1|1| 1＋2|" + pupilSheetField("ABCDE", "")).sheetCode,
              "ABCDE");
}

// A pupil's mixed sheet ends in the field too: the entry and a key find its code and name,
// and the parts read as they did without it, a double bar in the name included.
TEST(HistoryLine, PupilSheetFieldEndsAMixedLine)
{
    const std::string base =
        mixedHistoryLineText("2026/3/1", {{"--kind", "oral"}, {"--kind", "steps"}},
                             {"1| 1＋2|carry=yes", "4| (1＋2)×3＝9"});
    const std::string marked = base + "|" + pupilSheetField("K7M4P", "张‖三");
    EXPECT_FALSE(parseHistoryLine(base).sheetCode);
    EXPECT_EQ(parseHistoryLine(marked).sheetCode, "K7M4P");
    EXPECT_EQ(savedSetEntry(marked), "2026/3/1混合练习 K7M4P 张｜｜三");
    const auto plain = parseMixedHistoryLine(base), parts = parseMixedHistoryLine(marked);
    ASSERT_TRUE(plain && parts);
    ASSERT_EQ(parts->size(), plain->size());
    for (std::size_t k = 0; k < parts->size(); ++k) {
        EXPECT_EQ((*parts)[k].options, (*plain)[k].options);
        EXPECT_EQ((*parts)[k].line.savedList, (*plain)[k].line.savedList);
        EXPECT_EQ((*parts)[k].line.drawnWith, (*plain)[k].line.drawnWith);
    }
}

// Every kind's list reads back to the same items and is written again byte for byte.
TEST(HistoryLine, SavedListsReadBackToTheSameText)
{
    const std::pair<int, std::string> lists[] = {
        {1, " 37＋48 56÷7 25%×4 4.5－1.25"},
        {4, " (12＋5)×3＝51 9－6÷3＝7"},
        {5, " 37＋45＋63＝145 （25＋7）×4＝128"},
        {6, " 5＋5×3＝20| X＋5×3＝20"},
        {7, " 5//米//500//厘米 90//秒//3/2//分"},
        {8, " 3＋8＋1＋8 (3＋8＋1＋8)×5 not-a-fraction"},
        {9, " 6/8"},
    };
    for (const auto& [kind, list] : lists) {
        const HistoryLine line = parseHistoryLine("2026/3/1|" + std::to_string(kind) + "|" + list);
        EXPECT_EQ(savedTextOf(kind, savedSetItems(line)), list) << kind;
    }
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

TEST(SavedSetLoad, ReadsTheItemsOfTheKind)
{
    const ExerciseSet operations = savedSetItems(parseHistoryLine("2016/7/27|3| 37＋48 52－19"));
    EXPECT_EQ(operations,
              (ExerciseSet{OperationItem::read("37＋48"), OperationItem::read("52－19")}));

    const ExerciseSet equations =
        savedSetItems(parseHistoryLine("2016/7/27|6| 12＋5＝17| X＋5＝17"));
    EXPECT_EQ(equations, (ExerciseSet{EquationItem{"X＋5", "12＋5", ItemValue::read("17")}}));
}

TEST(SavedSetLoad, LinesItCannotWriteAreNotLoadable)
{
    for (const char* text :
         {"no bars at all", "2016/7/27|0| 1＋2", "2016/7/27|3", "2016/7/27|6| 12＋5＝17"}) {
        EXPECT_FALSE(isLoadable(parseHistoryLine(text))) << text;
        EXPECT_TRUE(savedSetItems(parseHistoryLine(text)).empty()) << text;
    }
}

} // namespace
} // namespace quill

namespace quill
{
namespace
{

// A carry or borrow choice is the last field; lines without one (all older lines) read as
// they always did, a fraction set's kind name stays where it was.
TEST(HistoryLine, TheCarryAndBorrowChoiceIsAnOptionalLastField)
{
    const HistoryLine chosen = parseHistoryLine("2026/3/1|3| 37＋48|carry=yes borrow=no");
    EXPECT_EQ(chosen.savedList, " 37＋48");
    EXPECT_EQ(chosen.drawnWith, "carry=yes borrow=no");
    EXPECT_FALSE(chosen.writtenAs);
    const HistoryLine fraction = parseHistoryLine("2026/3/1|8| 1＋2＋1＋3, 5/6|oral");
    EXPECT_EQ(fraction.writtenAs, "oral");
    EXPECT_FALSE(fraction.drawnWith);
    const HistoryLine equation = parseHistoryLine("2026/3/1|6| 12＋5＝17| X＋5＝17");
    EXPECT_EQ(equation.equations, " X＋5＝17");
    EXPECT_FALSE(equation.drawnWith);
    EXPECT_FALSE(parseHistoryLine("2026/3/1|3| 37＋48").drawnWith);
}

// Every pair of choices is written so that reading it back sets the same lists, and only
// 不限 on both leaves the saved text as it was.
TEST(HistoryLine, EveryCarryAndBorrowChoiceReadsBackFromItsText)
{
    const ExerciseSet set{OperationItem::of("37", Operation::Addition, "48")};
    for (int carry = 0; carry < 4; ++carry)
        for (int borrow = 0; borrow < 4; ++borrow) {
            ExerciseSettings drawn;
            drawn.carry.index = carry;
            drawn.borrow.index = borrow;
            const std::string text = savedTextFor(drawn, set);
            EXPECT_EQ(text == " 37＋48", carry == 0 && borrow == 0) << text;
            const HistoryLine line = parseHistoryLine(historyLineText("2026/3/1", 3, text));
            ExerciseSettings loaded;
            setColumnRules(loaded, line.drawnWith.value_or(""));
            EXPECT_EQ(loaded.carryRule(), drawn.carryRule()) << text;
            EXPECT_EQ(loaded.borrowRule(), drawn.borrowRule()) << text;
        }
}

} // namespace
} // namespace quill
