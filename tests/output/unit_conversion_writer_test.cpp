#include "output/unit_conversion_writer.h"
#include "support/recording_word_processor.h"
#include "support/sets.h"
#include "support/test_application.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

class UnitConversionWriter : public ::testing::Test
{
protected:
    testing::TestApplication t;
    testing::RecordingWordProcessor word;

    bool write(const std::string& list, bool answers)
    {
        t.app.set = testing::listItems(7, list);
        t.app.settings.columns.text = "2";
        return writeUnitConversionSheet(testing::writerArguments(t.app, answers), word);
    }

    // What was typed outside the table after the name line's paragraph.
    std::string textBeforeTable() const
    {
        std::string text;
        for (const std::string& call : word.calls) {
            if (call.starts_with("table"))
                break;
            if (call.starts_with("type "))
                text = call.substr(5);
        }
        return text;
    }
};

TEST_F(UnitConversionWriter, QuestionAndAnswerCellsShowTheBlankOrTheAnswer)
{
    const std::string list = "5//米//500//厘米 90//秒//3/2//分 3/2//分//90//秒 2//月//28或29//日";
    ASSERT_TRUE(write(list, false));
    const std::vector<std::string> questions = {"5 米＝（        ）厘米", "90 秒＝（        ）分",
                                                "3/2 分＝（        ）秒", "2 月＝（        ）日"};
    for (int k = 0; k < 4; ++k) {
        const auto cell = word.cell(k / 2 + 1, k % 2 + 1);
        EXPECT_EQ(cell.text, questions[k]);
        EXPECT_TRUE(cell.aligned && cell.alignment == Alignment::Left);
    }
    word = {};
    ASSERT_TRUE(write(list, true));
    EXPECT_EQ(word.cellText(1, 1), "5 米＝（ 500 ）厘米");
    EXPECT_EQ(word.cellText(1, 2), "90 秒＝（ 3/2 ）分");
    EXPECT_EQ(word.cellText(2, 1), "3/2 分＝（ 90 ）秒");
    EXPECT_EQ(word.cellText(2, 2), "2 月＝（ 28或29 ）日");
    EXPECT_EQ(word.callsStartingWith("fraction "),
              (std::vector<std::string>{"fraction 3 2", "fraction 3 2"}))
        << "fractions are stacked";
}

TEST_F(UnitConversionWriter, OneRowPerItemRowEveryRowAtTheRowHeight)
{
    std::string list;
    for (int k = 1; k <= 41; ++k)
        list += " " + std::to_string(k) + "//元//" + std::to_string(10 * k) + "//角";
    t.app.settings.rowHeight.text = "26";
    ASSERT_TRUE(write(list.substr(1), false));
    EXPECT_EQ(word.tableRows, 21);
    EXPECT_EQ(word.tableColumns, 2);
    EXPECT_EQ(word.callsStartingWith("height ").size(), 21u);
    EXPECT_EQ(word.callsStartingWith("height ").back(), "height 21 26");
    EXPECT_EQ(word.cellText(21, 1), "41 元＝（        ）角");
    EXPECT_FALSE(word.touched(21, 2));
}

TEST_F(UnitConversionWriter, TheTimeNoteStandsAboveTheTableWhenTimeIsTicked)
{
    t.app.settings.time.checked = true;
    write("1//时//60//分", false);
    EXPECT_EQ(textBeforeTable(), "\r☆ 1个月≈4个星期、 1个月≈30天、1年≈365天");
    t.app.settings.time.checked = false;
    word = {};
    write("1//元//10//角", true);
    EXPECT_EQ(textBeforeTable(), "\r\r");
}

TEST_F(UnitConversionWriter, AStopFillsNoFurtherCellButTheSheetIsHandedOver)
{
    t.stopAfter(3);
    EXPECT_TRUE(write("1//元//10//角 2//元//20//角 3//元//30//角 4//元//40//角", true));
    EXPECT_TRUE(word.touched(1, 2));
    EXPECT_FALSE(word.touched(2, 1));
    EXPECT_EQ(word.calls.back(), "activate");
}

TEST_F(UnitConversionWriter, DamagedSavedItemsCostNoMoreThanTheirCells)
{
    ASSERT_TRUE(write("5//米 7", true));
    EXPECT_EQ(word.cellText(1, 1), "5 米＝（  ）");
    EXPECT_EQ(word.cellText(1, 2), "7 ＝（  ）");
}

} // namespace
} // namespace quill
