#include "base/short_date.h"
#include "engine/generation_path.h"
#include "engine/settings_interlocks.h"
#include "output/cell_fit.h"
#include "output/sheet_sequence.h"
#include "output/worksheet_layout.h"
#include "output/worksheet_writer.h"
#include "support/recording_notifier.h"
#include "support/recording_word_processor.h"
#include "support/sets.h"
#include "support/test_application.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quill
{
namespace
{

using ::testing::AnyOf;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* nameLine = "姓名：___________   座号：__________    情况：___________";

std::string listOf(int count)
{
    std::string list;
    for (int k = 1; k <= count; ++k)
        list += " " + std::to_string(k) + "＋" + std::to_string(k + 1);
    return list;
}

class WorksheetWriter : public ::testing::Test
{
protected:
    testing::TestApplication t;
    ExerciseSettings& s = t.app.settings;
    testing::RecordingWordProcessor word;

    void choose(ExerciseKind kind)
    {
        for (auto k : {ExerciseKind::Oral, ExerciseKind::Estimation, ExerciseKind::Vertical,
                       ExerciseKind::Steps, ExerciseKind::Laws, ExerciseKind::Equations,
                       ExerciseKind::Units})
            s.option(k).selected = k == kind;
    }

    // The list's items, made ready for their sheets as a run makes them, written on `word`.
    bool write(const std::string& list, bool answers)
    {
        t.app.set = testing::listItems(1, list);
        prepareSheets(t.app, {1, 100});
        return writeAgain(word, answers);
    }

    // The same set once more, on another sheet.
    bool writeAgain(testing::RecordingWordProcessor& sheet, bool answers)
    {
        return writeWorksheet(testing::writerArguments(t.app, answers), sheet);
    }

    std::vector<std::string> callsUntilTable() const
    {
        std::vector<std::string> calls;
        for (const std::string& call : word.calls) {
            if (call.starts_with("table"))
                break;
            calls.push_back(call);
        }
        return calls;
    }
};

TEST_F(WorksheetWriter, TypesTheTitleBlockThenTheTableInTheChosenFont)
{
    choose(ExerciseKind::Oral);
    s.font.index = 1; // 楷体
    ASSERT_TRUE(write(" 37＋48 63－27", false));
    EXPECT_EQ(callsUntilTable(), (std::vector<std::string>{"addDocument",
                                                           "margins 50 50 50 50",
                                                           "bold 1",
                                                           "font 宋体",
                                                           "size 22",
                                                           "type 口算练习",
                                                           "size 12",
                                                           "type     " + shortDateText(),
                                                           "bold 0",
                                                           "size 9",
                                                           "type   Quillmere",
                                                           "align center",
                                                           "type \r",
                                                           "size 12",
                                                           "type \r",
                                                           "bold 0",
                                                           "font 宋体",
                                                           "size 12",
                                                           std::string("type ") + nameLine,
                                                           "align center",
                                                           "type \r\r",
                                                           "font 楷体",
                                                           "size 11"}));
    EXPECT_EQ(word.calls.back(), "activate");
}

TEST_F(WorksheetWriter, TheAnswerSheetHasItsTitleAndNoNameLine)
{
    choose(ExerciseKind::Oral);
    write(" 37＋48", true);
    const auto calls = callsUntilTable();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "type 口算练习（答案）"), calls.end());
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                            [](const std::string& c) { return c.find("姓名") != c.npos; }),
              0);
    EXPECT_EQ(word.bodyText, "口算练习（答案）    " + shortDateText() + "  Quillmere\r\r\r\r");
}

TEST_F(WorksheetWriter, OneItemRowPerColumnsItems)
{
    choose(ExerciseKind::Oral);
    write(listOf(24), false);
    EXPECT_EQ(word.tableRows, 6);
    EXPECT_EQ(word.tableColumns, 4);
    EXPECT_THAT(word.callsStartingWith("height"),
                ElementsAre("height 1 30", "height 2 30", "height 3 30", "height 4 30",
                            "height 5 30", "height 6 30"));
    EXPECT_EQ(word.cellText(6, 4), "24＋25＝");

    testing::RecordingWordProcessor second;
    t.app.set = testing::listItems(1, listOf(25));
    writeAgain(second, false);
    EXPECT_EQ(second.tableRows, 7);
    EXPECT_EQ(second.cellText(7, 1), "25＋26＝");
    for (int column = 2; column <= 4; ++column)
        EXPECT_FALSE(second.touched(7, column)) << column;
}

TEST_F(WorksheetWriter, ItemsFillRowsLeftToRight)
{
    choose(ExerciseKind::Oral);
    s.columns.text = "3";
    write(listOf(5), false);
    EXPECT_THAT(word.callsStartingWith("select"),
                ElementsAre("select 1 1", "select 1 2", "select 1 3", "select 2 1", "select 2 2"));
    EXPECT_EQ(word.cellText(2, 1), "4＋5＝");
}

TEST_F(WorksheetWriter, QuestionAndAnswerSheetsShareTheirGeometry)
{
    choose(ExerciseKind::Vertical);
    const std::string list = listOf(25);
    write(list, false);
    testing::RecordingWordProcessor answers;
    t.app.set = testing::listItems(1, list);
    writeAgain(answers, true);

    EXPECT_EQ(word.tableRows, 14);
    EXPECT_EQ(answers.tableRows, 14);
    EXPECT_EQ(word.callsStartingWith("height"), answers.callsStartingWith("height"));
    EXPECT_THAT(answers.callsStartingWith("height"),
                ElementsAre("height 2 90", "height 4 90", "height 6 90", "height 8 90",
                            "height 10 90", "height 12 90", "height 14 90"));
    EXPECT_THAT(
        answers.callsStartingWith("keep"),
        ElementsAre("keep 1", "keep 3", "keep 5", "keep 7", "keep 9", "keep 11", "keep 13"));
    EXPECT_THAT(word.callsStartingWith("keep"), ::testing::SizeIs(7));
    EXPECT_EQ(word.cellText(13, 1), "25＋26＝");
    EXPECT_EQ(answers.cellText(13, 1), "25＋26＝51");
}

TEST_F(WorksheetWriter, BordersOnlyWhenAsked)
{
    choose(ExerciseKind::Oral);
    write(" 1＋2", false);
    EXPECT_THAT(word.callsStartingWith("outside"), ElementsAre("outside 1"));
    EXPECT_THAT(word.callsStartingWith("inside"), ElementsAre("inside 1"));

    testing::RecordingWordProcessor plain;
    s.borders.checked = false;
    t.app.set = testing::listItems(1, " 1＋2");
    writeAgain(plain, false);
    EXPECT_THAT(plain.callsStartingWith("outside"), IsEmpty());
    EXPECT_THAT(plain.callsStartingWith("inside"), IsEmpty());
}

TEST_F(WorksheetWriter, OralCells)
{
    choose(ExerciseKind::Oral);
    write(" 37＋48 56÷7", false);
    EXPECT_EQ(word.cellText(1, 1), "37＋48＝");
    EXPECT_EQ(word.cell(1, 2).alignment, Alignment::Left);

    testing::RecordingWordProcessor answers;
    t.app.set = testing::listItems(1, " 37＋48 56÷7");
    writeAgain(answers, true);
    EXPECT_EQ(answers.cellText(1, 1), "37＋48＝85");
    EXPECT_EQ(answers.cellText(1, 2), "56÷7＝8");
    EXPECT_TRUE(answers.cell(1, 1).aligned);
    EXPECT_EQ(answers.cell(1, 1).alignment, Alignment::Left);
}

// The answer sheet shows the number that fills the question sheet's blank, in brackets.
TEST_F(WorksheetWriter, FillInCellsHideANumberTheAnswerSheetMarks)
{
    choose(ExerciseKind::Oral);
    s.fillIn.checked = true;
    write(" 37＋48", false);
    EXPECT_THAT(word.cellText(1, 1), AnyOf("______＋48＝85", "37＋______＝85"));

    testing::RecordingWordProcessor answers;
    writeAgain(answers, true);
    const bool firstLeftOut = word.cellText(1, 1).starts_with(fillInBlank);
    EXPECT_EQ(answers.cellText(1, 1), firstLeftOut ? "（37）＋48＝85" : "37＋（48）＝85");
}

// First-grade steps take one row per item, and still show the value of the whole expression.
TEST_F(WorksheetWriter, FirstGradeStepsShowTheStepValueInOneRow)
{
    choose(ExerciseKind::Steps);
    s.grade.index = 2;
    t.app.set = testing::listItems(4, " 2×5＋5＝15 5×9÷9＝5 (15－14)×5＝5");
    writeAgain(word, true);
    EXPECT_EQ(word.tableRows, 1);
    EXPECT_EQ(word.cellText(1, 1), "2×5＋5＝15");
    EXPECT_EQ(word.cellText(1, 2), "5×9÷9＝5");
    EXPECT_EQ(word.cellText(1, 3), "(15－14)×5＝5");
    EXPECT_EQ(word.cell(1, 1).alignment, Alignment::Left);

    // The question sheet shows the expression only.
    testing::RecordingWordProcessor questions, answers;
    t.app.set = testing::listItems(4, " 3＋4＋2＝9 (15－14)×5＝5");
    writeAgain(questions, false);
    writeAgain(answers, true);
    EXPECT_EQ(questions.tableRows, 1);
    EXPECT_EQ(questions.cellText(1, 1), "3＋4＋2＝");
    EXPECT_EQ(questions.cellText(1, 2), "(15－14)×5＝");
    EXPECT_EQ(answers.cellText(1, 2), "(15－14)×5＝5");
}

TEST_F(WorksheetWriter, EstimationShowsTheAnswerRoundedToTensHalfUp)
{
    choose(ExerciseKind::Estimation);
    write(" 120＋5 130＋5 20＋5 47÷5", true);
    EXPECT_EQ(word.cellText(1, 1), "120＋5≈130");
    EXPECT_EQ(word.cellText(1, 2), "130＋5≈140");
    EXPECT_EQ(word.cellText(1, 3), "20＋5≈30");
    EXPECT_EQ(word.cellText(1, 4), "47÷5≈9"); // below 10: whole numbers, never 0
    EXPECT_FALSE(word.cell(1, 1).aligned);    // stays centred

    testing::RecordingWordProcessor questions;
    writeAgain(questions, false);
    EXPECT_EQ(questions.cellText(1, 1), "120＋5＝");
    EXPECT_EQ(questions.cellText(1, 4), "47÷5≈"); // a remainder: only about
    EXPECT_EQ(questions.cell(1, 4).alignment, Alignment::Left);

    testing::RecordingWordProcessor fillIn;
    s.fillIn.checked = true;
    prepareSheets(t.app, {1, 100});
    writeAgain(fillIn, false);
    EXPECT_THAT(fillIn.cellText(1, 2), AnyOf("______＋5≈140", "130＋______≈140"));
    EXPECT_FALSE(fillIn.cell(1, 2).aligned);
}

TEST_F(WorksheetWriter, VerticalAnswersTakeTheFirstCaseThatApplies)
{
    choose(ExerciseKind::Vertical);
    s.wholeNumbers.checked = false; // decimals: terminating quotients are kept as drawn
    s.roundAnswers.checked = true;
    s.answerPlaces.index = 1; // answers rounded to one place
    s.exactOrProper.checked = true;
    write(" 37＋48 1÷8", true);
    EXPECT_EQ(word.cellText(1, 1), "37＋48＝85"); // rounded = exact
    EXPECT_EQ(word.cellText(1, 2), "1÷8≈0.1");    // rounded: only about

    testing::RecordingWordProcessor notDivisible;
    s.exactOrProper.checked = false;
    writeAgain(notDivisible, true);
    EXPECT_EQ(notDivisible.cellText(1, 2), "1÷8≈0.1");

    testing::RecordingWordProcessor withRemainder;
    s.grade.index = 5;
    s.division.checked = true;
    t.app.set = testing::listItems(1, " 47÷5 15÷2");
    writeAgain(withRemainder, true);
    EXPECT_EQ(withRemainder.cellText(1, 1), "47÷5＝9……2");
    EXPECT_EQ(withRemainder.cellText(1, 2), "15÷2＝7……1");
}

TEST_F(WorksheetWriter, VerticalWorkingCellsAreLeftAlignedOnAnswerSheets)
{
    choose(ExerciseKind::Vertical);
    write(" 37＋48 63－27", true);
    EXPECT_THAT(word.callsStartingWith("select"),
                ElementsAre("select 1 1", "select 2 1", "select 1 2", "select 2 2"));
    EXPECT_FALSE(word.cell(1, 1).aligned);
    EXPECT_EQ(word.cell(2, 1).alignment, Alignment::Left);
    EXPECT_EQ(word.cellText(2, 1), "");

    testing::RecordingWordProcessor questions;
    writeAgain(questions, false);
    EXPECT_THAT(questions.callsStartingWith("select"), ElementsAre("select 1 1", "select 1 2"));
    EXPECT_EQ(questions.cellText(1, 2), "63－27＝");
    EXPECT_EQ(questions.cell(1, 2).alignment, Alignment::Left);
}

TEST_F(WorksheetWriter, VerticalFillInCarriesTheAnswer)
{
    choose(ExerciseKind::Vertical);
    s.fillIn.checked = true;
    write(" 63－27", false);
    EXPECT_THAT(word.cellText(1, 1), AnyOf("______－27＝36", "63－______＝36"));
    EXPECT_EQ(word.cell(2, 1).alignment, Alignment::Left);
}

// Values saved in another form (".5", "3.", "14.0") are shown as the program writes them.
TEST_F(WorksheetWriter, StepValuesAreShownInTheirPlainForm)
{
    choose(ExerciseKind::Steps);
    t.app.set = testing::listItems(4, " 1÷4＋0.25＝.5 6÷2＋0＝3.");
    writeAgain(word, true);
    EXPECT_EQ(word.tableRows, 2);
    EXPECT_EQ(word.cellText(1, 1), "1÷4＋0.25＝0.5");
    EXPECT_EQ(word.cellText(1, 2), "6÷2＋0＝3");
    EXPECT_EQ(word.cell(2, 2).alignment, Alignment::Left);
}

TEST_F(WorksheetWriter, StepQuestionsAndPercentAnswers)
{
    choose(ExerciseKind::Steps);
    t.app.set = testing::listItems(4, " (3＋4)×2＝14.0");
    writeAgain(word, false);
    EXPECT_EQ(word.cellText(1, 1), "(3＋4)×2＝");
    EXPECT_EQ(word.cell(1, 1).alignment, Alignment::Left);
    EXPECT_THAT(word.callsStartingWith("select"), ElementsAre("select 1 1", "select 2 1"));

    testing::RecordingWordProcessor answers;
    s.percentages.checked = true;
    writeAgain(answers, true);
    EXPECT_EQ(answers.cellText(1, 1), "(3＋4)×2＝14");
}

TEST_F(WorksheetWriter, ReloadedStepSetsPrintTheSavedTexts)
{
    choose(ExerciseKind::Steps);
    const std::string saved = " (3＋4)×2＝14 9－6÷3＝7";
    t.app.set = testing::listItems(4, saved);
    writeAgain(word, false);
    EXPECT_EQ(word.cellText(1, 1), "(3＋4)×2＝");
    EXPECT_EQ(word.cellText(1, 2), "9－6÷3＝");

    testing::RecordingWordProcessor answers;
    s.percentages.checked = true;
    writeAgain(answers, true);
    // The saved values are plain decimals, as on the set's first answer sheet: no "%".
    EXPECT_EQ(answers.cellText(1, 1), "(3＋4)×2＝14");
    EXPECT_EQ(answers.cellText(1, 2), "9－6÷3＝7");
}

// The question sheet shows the equation with X; the answer sheet the same, with X's number
// where the working ends.
TEST_F(WorksheetWriter, EquationSheets)
{
    choose(ExerciseKind::Equations);
    t.app.set = testing::listItems(6, " 5＋5×3＝20 4×4－6＝10", " X＋5×3＝20 4X－6＝10");
    writeAgain(word, false);
    EXPECT_EQ(word.tableRows, 2);
    EXPECT_EQ(word.cellText(1, 1), "X＋5×3＝20");
    EXPECT_EQ(word.cellText(1, 2), "4X－6＝10");
    EXPECT_EQ(word.cell(2, 1).alignment, Alignment::Left);

    testing::RecordingWordProcessor answers;
    writeAgain(answers, true);
    EXPECT_EQ(answers.cellText(1, 1), "X＋5×3＝20");
    EXPECT_EQ(answers.cellText(2, 1), "X＝5");
    EXPECT_EQ(answers.cellText(2, 2), "X＝4");
    EXPECT_EQ(word.cellText(2, 1), "") << "the question sheet leaves the working empty";

    testing::RecordingWordProcessor lost;
    t.app.set = testing::listItems(6, " 5＋5×3＝20", " 12＋5＝20");
    writeAgain(lost, true);
    EXPECT_EQ(lost.cellText(1, 1), "5＋5×3＝20") << "no X to read: the complete expression";
}

// A saved entry that lost its value is shown as it stands, and the answer sheet says so.
TEST_F(WorksheetWriter, EntriesWithoutAnAnswerAreShownAsTheyStandAndCounted)
{
    choose(ExerciseKind::Steps);
    t.app.set = testing::listItems(4, " (3＋4)×2＝14 9－6÷3 5×5");
    writeAgain(word, false);
    EXPECT_TRUE(t.notifier.messages.empty()) << "a question sheet needs no answers";
    writeAgain(word, true);
    EXPECT_EQ(word.cellText(1, 2), "9－6÷3");
    EXPECT_EQ(t.notifier.messages, std::vector<std::string>{"2道题算不出答案，按原样写出。"});
}

TEST_F(WorksheetWriter, SimplifiedSetsGetTheTwoRowTableAndNoText)
{
    choose(ExerciseKind::Laws);
    write(" 25×7×4＝700 38＋62＋17＝117", true);
    EXPECT_EQ(word.tableRows, 2);
    EXPECT_THAT(word.callsStartingWith("height"), ElementsAre("height 2 90"));
    EXPECT_THAT(word.callsStartingWith("select"), IsEmpty());
    EXPECT_EQ(word.calls.back(), "activate");
}

TEST_F(WorksheetWriter, AColumnCountThatIsNoNumberIsReportedAndTheSheetStillMade)
{
    choose(ExerciseKind::Oral);
    s.columns.text = "abc";
    EXPECT_TRUE(write(" 37＋48", false));
    EXPECT_THAT(word.callsStartingWith("table"), IsEmpty());
    EXPECT_THAT(word.callsStartingWith("select"), IsEmpty());
    ASSERT_EQ(t.notifier.messages.size(), 1u);
    EXPECT_NE(t.notifier.messages[0].find("abc"), std::string::npos);
}

TEST_F(WorksheetWriter, ARowHeightThatIsNoNumberIsPassedOnOrLeftOut)
{
    choose(ExerciseKind::Oral);
    s.rowHeight.text = "x";
    write(" 1＋2", false);
    EXPECT_THAT(word.callsStartingWith("height"), ElementsAre("height 1 x"));

    testing::RecordingWordProcessor vertical;
    choose(ExerciseKind::Vertical);
    writeAgain(vertical, false);
    EXPECT_THAT(vertical.callsStartingWith("height"), IsEmpty());
}

// 一页100题: twenty rows of at most 31 points (what fits under the title block), and the
// largest font at which every answer-sheet cell stays on one line, half a point more breaks one.
TEST_F(WorksheetWriter, OnePageLayoutTakesTheLargestPrintThatKeepsEveryCellOnOneLine)
{
    choose(ExerciseKind::Oral);
    s.pageLayout.index = static_cast<int>(PageLayoutChoice::Dense);
    s.columns.text = "5";
    std::string list;
    for (int k = 0; k < 100; ++k)
        list +=
            " " + std::to_string(1000 + 37 * k) + (k % 2 ? "－" : "＋") + std::to_string(k + 10);
    write(list, true);
    const std::vector<std::string> heights = word.callsStartingWith("height");
    ASSERT_EQ(heights.size(), 20u);
    for (const std::string& height : heights)
        EXPECT_TRUE(height.ends_with(" 31")) << height;
    const std::vector<std::string> sizes = word.callsStartingWith("size ");
    ASSERT_FALSE(sizes.empty());
    const double font = std::stod(sizes.back().substr(5));
    int breaksAtNextSize = 0;
    for (const auto& [at, cell] : word.cells) {
        EXPECT_EQ(linesNeeded(textEms(cell.text), font, cellTextWidth(5)), 1) << cell.text;
        breaksAtNextSize += linesNeeded(textEms(cell.text), font + 0.5, cellTextWidth(5)) > 1;
    }
    EXPECT_GT(breaksAtNextSize, 0) << "font " << font << " is not the largest that fits";
}

// 大字 prints 1.5 times the font size and row height set, to the half point.
TEST_F(WorksheetWriter, LargePrintScalesFontAndRowHeight)
{
    choose(ExerciseKind::Oral);
    s.pageLayout.index = static_cast<int>(PageLayoutChoice::Large);
    s.fontSize.text = "11";
    s.rowHeight.text = "30";
    write(" 8＋5 13－8", false);
    EXPECT_THAT(word.callsStartingWith("height"), ElementsAre("height 1 45"));
    EXPECT_THAT(word.callsStartingWith("size "), Contains("size 16.5"));
}

TEST_F(WorksheetWriter, ReportsWhetherTheDocumentWasHandedOver)
{
    choose(ExerciseKind::Oral);
    word.activateResult = false;
    EXPECT_FALSE(write(" 1＋2", false));
}

// Each pupil's sheet written in turn becomes pages of one document: it is started once, each
// later sheet from a new page under its own name, and handed over once, at the end.
TEST_F(WorksheetWriter, SheetsInSequenceShareOneDocumentEachFromANewPage)
{
    choose(ExerciseKind::Oral);
    t.app.set = testing::listItems(1, listOf(7));
    prepareSheets(t.app, {1, 100});
    SheetSequence sequence(word);
    const std::vector<std::string> pupils{"甲", "乙", "丙"};
    for (const std::string& pupil : pupils) {
        WriterArguments args = testing::writerArguments(t.app, false);
        args.pupil = pupil;
        args.code = "K7M4P";
        ASSERT_TRUE(writeWorksheet(args, sequence));
    }
    EXPECT_THAT(word.callsStartingWith("activate"), IsEmpty()) << "handed over too early";
    ASSERT_TRUE(sequence.finish());
    std::vector<std::string> sheetStarts, names;
    for (const std::string& call : word.calls) {
        if (call == "addDocument" || call == "new page" || call == "activate")
            sheetStarts.push_back(call);
        if (call.starts_with("type 姓名："))
            names.push_back(
                call.substr(std::string("type 姓名：").size(), std::string("甲").size()));
    }
    EXPECT_THAT(sheetStarts, ElementsAre("addDocument", "new page", "new page", "activate"));
    EXPECT_THAT(names, ElementsAre("甲", "乙", "丙"));
}

// The title says what the sheet is: the grade when one is chosen, the kind as its option reads
// (fraction kinds that do not say so get "分数"), and which of the two sheets it is.
TEST(SheetTitle, NamesGradeKindAndSheet)
{
    testing::RecordingNotifier n;
    ExerciseSettings s;
    EXPECT_EQ(sheetTitle(s, false), "竖式计算练习");
    s.grade.index = 5;
    EXPECT_EQ(sheetTitle(s, true), "三年级上学期 竖式计算练习（答案）");
    s.grade.index = 0;
    clickCheck(s, s.fractions, n);
    EXPECT_EQ(sheetTitle(s, false), "通分计算练习");
    clickKindOption(s, ExerciseKind::Steps, n);
    EXPECT_EQ(sheetTitle(s, true), "分数脱式计算练习（答案）");
    clickKindOption(s, ExerciseKind::Estimation, n);
    EXPECT_EQ(sheetTitle(s, false), "约分练习");
}

} // namespace
} // namespace quill
