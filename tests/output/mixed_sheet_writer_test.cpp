#include "output/docx_word_processor.h"
#include "output/mixed_sheet_writer.h"
#include "support/recording_word_processor.h"
#include "support/test_application.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

struct Ordinal {
    const char* name;
    int number;
    const char* text;
};

const Ordinal ordinals[] = {{"One", 1, "一"},
                            {"Nine", 9, "九"},
                            {"Ten", 10, "十"},
                            {"Eleven", 11, "十一"},
                            {"Twenty", 20, "二十"},
                            {"TwentyThree", 23, "二十三"},
                            {"NinetyNine", 99, "九十九"}};

class ChineseOrdinal : public ::testing::TestWithParam<Ordinal>
{
};

TEST_P(ChineseOrdinal, CountsAsAHeadingDoes)
{
    EXPECT_EQ(chineseOrdinal(GetParam().number), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Numbers, ChineseOrdinal, ::testing::ValuesIn(ordinals),
                         [](const auto& info) { return std::string(info.param.name); });

// Two parts of differing kinds and layouts, one table each, under their headings.
class MixedSheetWriter : public ::testing::Test
{
protected:
    MixedSheetWriter()
    {
        // Fresh settings select 竖式计算.
        oral.oralOption.selected = true;
        oral.verticalOption.selected = false;
        vertical.columns.text = "3";
        vertical.fontSize.text = "16";
        oral.columns.text = "4";
    }

    std::vector<WriterArguments> arguments(bool answers)
    {
        return {
            {oral, oralSet, sheetLayoutOf(oral), answers, t.notifier, t.app.stop()},
            {vertical, verticalSet, sheetLayoutOf(vertical), answers, t.notifier, t.app.stop()}};
    }

    testing::TestApplication t;
    ExerciseSettings oral, vertical;
    ExerciseSet oralSet{OperationItem::of("3", Operation::Addition, "5"),
                        OperationItem::of("9", Operation::Subtraction, "4"),
                        OperationItem::of("6", Operation::Addition, "7"),
                        OperationItem::of("8", Operation::Addition, "1"),
                        OperationItem::of("2", Operation::Addition, "9")};
    ExerciseSet verticalSet{OperationItem::of("12", Operation::Multiplication, "3"),
                            OperationItem::of("25", Operation::Multiplication, "4")};
};

TEST_F(MixedSheetWriter, EachPartGetsItsHeadingAndItsOwnTable)
{
    for (const bool answers : {false, true}) {
        testing::RecordingWordProcessor word;
        ASSERT_TRUE(writeMixedSheet(arguments(answers), word));
        EXPECT_EQ(word.callsStartingWith("table "),
                  (std::vector<std::string>{"table 2 4", "table 2 3"}));
        // The heading follows the end of what came before, and its table follows it.
        const auto& calls = word.calls;
        const auto second = std::find(calls.begin(), calls.end(), "type 二、竖式计算");
        ASSERT_NE(second, calls.end());
        EXPECT_EQ(std::count(calls.begin(), second, "end"), 2);
        EXPECT_NE(std::find(second, calls.end(), "size 16"), calls.end());
        EXPECT_NE(word.bodyText.find(answers ? "混合练习（答案）" : "混合练习"), std::string::npos);
        EXPECT_EQ(word.bodyText.find("姓名") != std::string::npos, !answers);
    }
}

// In the document, the second heading and table come after the first table, not inside it.
TEST_F(MixedSheetWriter, TheDocumentHoldsHeadingsAndTablesInOrder)
{
    DocxWordProcessor word{DocumentFolder("/nonexistent"),
                           DocumentName{"混合练习", "x", false, "", {}}};
    ASSERT_TRUE(writeMixedSheet(arguments(true), word));
    std::vector<std::string> order;
    for (const Block& block : word.document()->blocks) {
        if (const Table* table = std::get_if<Table>(&block)) {
            order.push_back("table " + std::to_string(table->columns));
            continue;
        }
        std::string text;
        for (const quill::Run& run : std::get<Paragraph>(block).runs)
            text += run.text;
        if (text.find("、") != std::string::npos)
            order.push_back(text);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"一、口算", "table 4", "二、竖式计算", "table 3"}));
}

} // namespace
} // namespace quill
