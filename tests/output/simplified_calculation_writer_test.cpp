#include "output/simplified_calculation_writer.h"
#include "support/recording_word_processor.h"
#include "support/sets.h"
#include "support/test_application.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

class SimplifiedCalculationWriter : public ::testing::Test
{
protected:
    testing::TestApplication t;
    testing::RecordingWordProcessor word;

    bool write(const std::string& list, bool answers)
    {
        word = {};
        t.app.set = testing::listItems(5, list);
        t.app.settings.columns.text = "2";
        t.app.settings.rowHeight.text = "25";
        return writeSimplifiedCalculationSheet(testing::writerArguments(t.app, answers), word);
    }
};

// Three items in two columns: two item rows, each over a working row three row heights high
// that stays empty; questions lose "＝" and the answer, answers show the whole item.
TEST_F(SimplifiedCalculationWriter, ItemsStandOverEmptyWorkingRows)
{
    const std::string list = "37＋45＋63＝145 （25＋7）×4＝128 1500÷25÷6＝10";
    for (const bool answers : {false, true}) {
        ASSERT_TRUE(write(list, answers));
        EXPECT_EQ(word.tableRows, 4);
        EXPECT_EQ(word.callsStartingWith("height "),
                  (std::vector<std::string>{"height 2 75", "height 4 75"}));
        EXPECT_EQ(word.cellText(1, 1), answers ? "37＋45＋63＝145" : "37＋45＋63");
        EXPECT_EQ(word.cellText(1, 2), answers ? "（25＋7）×4＝128" : "（25＋7）×4");
        EXPECT_EQ(word.cellText(3, 1), answers ? "1500÷25÷6＝10" : "1500÷25÷6");
        for (const auto& [row, column] : {std::pair{1, 1}, {2, 1}, {2, 2}, {3, 1}, {4, 1}}) {
            const auto cell = word.cell(row, column);
            EXPECT_TRUE(cell.aligned && cell.alignment == Alignment::Left) << row << column;
            EXPECT_TRUE(row % 2 == 1 || cell.text.empty()) << row << column;
        }
        EXPECT_FALSE(word.touched(3, 2));
        EXPECT_EQ(word.calls.back(), "activate");
    }
}

TEST_F(SimplifiedCalculationWriter, AStopFillsNoFurtherCellButTheSheetIsHandedOver)
{
    t.stopAfter(3); // a stop test before each cell
    EXPECT_TRUE(write("1＋2＋8＝11 2＋3＋7＝12 3＋4＋6＝13", true));
    EXPECT_TRUE(word.touched(1, 2));
    EXPECT_FALSE(word.touched(3, 1));
    EXPECT_EQ(word.calls.back(), "activate");
}

} // namespace
} // namespace quill
