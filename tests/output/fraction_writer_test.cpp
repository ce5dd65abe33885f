#include "output/fraction_writer.h"
#include "support/recording_word_processor.h"
#include "support/sets.h"
#include "support/test_application.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

class FractionWriter : public ::testing::Test
{
protected:
    testing::TestApplication t;
    testing::RecordingWordProcessor word;

    bool write(const std::string& list, ExerciseKind kind, bool answers, std::string columns = "2")
    {
        ExerciseSettings& s = t.app.settings;
        s.fractions.checked = true;
        s.option(s.kind()).selected = false;
        s.option(kind).selected = true;
        s.columns.text = std::move(columns);
        t.app.set = testing::listItems(8, list);
        word = {};
        return writeFractionSheet(testing::writerArguments(t.app, answers), word);
    }
};

struct SheetCase {
    const char* name;
    ExerciseKind kind;
    bool answers;
    const char* first;  // cell of 3＋8＋1＋8
    const char* second; // cell of 8＋4＋1＋3
    bool workRows;
};

class FractionSheets : public FractionWriter, public ::testing::WithParamInterface<SheetCase>
{
};

// Fractions are typed stacked (the fake shows them as a/b), signs and "＝" between them as the
// table's text, with the spacing the sheets have always had.
TEST_P(FractionSheets, CellsAndLayoutFollowTheKind)
{
    const SheetCase c = GetParam();
    ASSERT_TRUE(write("3＋8＋1＋8 8＋4＋1＋3 1×2×3×3", c.kind, c.answers));
    const int below = c.workRows ? 2 : 1;
    EXPECT_EQ(word.cellText(1, 1), c.first);
    EXPECT_EQ(word.cellText(1, 2), c.second);
    EXPECT_EQ(word.tableRows, 2 * below);
    EXPECT_TRUE(word.touched(1 + below, 1));
    EXPECT_FALSE(word.touched(2, 1) && c.workRows) << "the working row stays empty";
    EXPECT_TRUE(word.cell(1, 1).aligned && word.cell(1, 1).alignment == Alignment::Left);
    const auto fractions = word.callsStartingWith("fraction ");
    EXPECT_EQ(fractions.front(), "fraction 3 8");
    EXPECT_EQ(word.callsStartingWith("height ").size(), 2u) << "every row, or the working rows";
}

const SheetCase sheetCases[] = {
    {"OralQuestions", ExerciseKind::Oral, false, "3/8 +  1/8 ＝", "2 +  1/3 ＝", false},
    {"OralAnswers", ExerciseKind::Oral, true, "3/8 +  1/8 ＝ 1/2", "2 +  1/3 ＝ 7/3", false},
    {"CommonDenominatorQuestions", ExerciseKind::Vertical, false, "3/8 +  1/8 ", "2 +  1/3 ", true},
    {"CommonDenominatorAnswers", ExerciseKind::Vertical, true, "3/8 +  1/8 = 1/2", "2 +  1/3 = 7/3",
     true},
    {"StepsAnswers", ExerciseKind::Steps, true, "3/8 +  1/8 = 1/2", "2 +  1/3 = 7/3", true},
};

INSTANTIATE_TEST_SUITE_P(Kinds, FractionSheets, ::testing::ValuesIn(sheetCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FractionWriter, AnswersAreReducedAndWholeResultsWhole)
{
    ASSERT_TRUE(write("6/8 3＋2＋1＋2 5－8－5－8 1×2×3×3 (3＋8＋1＋8)×5 2×3×3×4＋7",
                      ExerciseKind::Estimation, true, "3"));
    EXPECT_EQ(word.cellText(1, 1), "6/8 ＝ 3/4");
    EXPECT_EQ(word.cellText(1, 2), "3/2 +  1/2 ＝ 2");
    EXPECT_EQ(word.cellText(1, 3), "5/8 －  5/8 ＝ 0");
    EXPECT_EQ(word.cellText(2, 1), "1/2 × 1＝ 1/2");
    EXPECT_EQ(word.cellText(2, 2), "(3/8 +  1/8) × 5＝ 5/2");
    EXPECT_EQ(word.cellText(2, 3), "2/3 ×  3/4 + 7＝ 15/2");
    EXPECT_TRUE(t.notifier.messages.empty());
}

TEST_F(FractionWriter, WhatIsNoFractionItemIsTypedAsItStandsAndReported)
{
    ASSERT_TRUE(write("3＋0＋1＋8 1÷2÷3÷4 abc", ExerciseKind::Oral, true));
    EXPECT_EQ(word.cellText(1, 1), "3＋0＋1＋8");
    EXPECT_EQ(word.cellText(1, 2), "1/2 ÷  3/4 ＝ 2/3");
    EXPECT_EQ(word.cellText(2, 1), "abc");
    ASSERT_EQ(t.notifier.messages.size(), 1u);
    EXPECT_NE(t.notifier.messages[0].find("2道题"), std::string::npos);
}

TEST_F(FractionWriter, AStopFillsNoFurtherCellButTheSheetIsHandedOver)
{
    t.stopAfter(3);
    EXPECT_TRUE(write("1＋2＋1＋2 1＋3＋1＋3 1＋4＋1＋4 1＋5＋1＋5", ExerciseKind::Oral, true));
    EXPECT_TRUE(word.touched(1, 2));
    EXPECT_FALSE(word.touched(2, 1));
    EXPECT_EQ(word.calls.back(), "activate");
}

} // namespace
} // namespace quill
