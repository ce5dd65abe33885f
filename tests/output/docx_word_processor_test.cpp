#include "output/docx_word_processor.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

// Building documents in memory; nothing here is written to disk.
class DocxEditing : public ::testing::Test
{
protected:
    DocxWordProcessor word{DocumentFolder("/nonexistent"), DocumentName{"口算", "x", false}};

    const DocxDocument& document() { return *word.document(); }
    const Paragraph& paragraph(std::size_t block)
    {
        return std::get<Paragraph>(document().blocks.at(block));
    }
    const Table& table(std::size_t block) { return std::get<Table>(document().blocks.at(block)); }
    static std::string text(const Paragraph& p)
    {
        std::string all;
        for (const quill::Run& run : p.runs)
            all += run.kind == RunKind::Field      ? "{" + run.text + "}"
                   : run.kind == RunKind::Fraction ? "[" + run.text + "/" + run.denominator + "]"
                                                   : run.text;
        return all;
    }
    std::string cellText(std::size_t block, int row, int column)
    {
        std::string all;
        for (const Paragraph& p : table(block).rows.at(row - 1).cells.at(column - 1).paragraphs)
            all += (all.empty() ? "" : "|") + text(p);
        return all;
    }
};

TEST_F(DocxEditing, NothingHappensBeforeADocumentIsAdded)
{
    word.typeText("lost");
    word.addTable(2, 2);
    EXPECT_FALSE(word.document());
    word.addDocument();
    ASSERT_EQ(document().blocks.size(), 1u);
    EXPECT_EQ(text(paragraph(0)), "");
}

TEST_F(DocxEditing, CarriageReturnsEndParagraphsThatKeepTheirFormat)
{
    word.addDocument();
    word.setBold(true);
    word.setFontSize(22);
    word.typeText("Quillmere");
    word.setFontSize("12");
    word.typeText("    2026/12/9");
    word.setAlignment(Alignment::Center);
    word.typeText("\r");
    word.typeText("\r");
    word.setBold(false);
    word.typeText("姓名\r\n座号\n");

    ASSERT_EQ(document().blocks.size(), 5u);
    const Paragraph& title = paragraph(0);
    ASSERT_EQ(title.runs.size(), 2u);
    EXPECT_EQ(title.runs[0].text, "Quillmere");
    EXPECT_EQ(title.runs[0].format, (RunFormat{true, "宋体", 44}));
    EXPECT_EQ(title.runs[1].text, "    2026/12/9");
    EXPECT_EQ(title.runs[1].format.halfPoints, 24);
    EXPECT_EQ(title.alignment, Alignment::Center);
    // The empty line carries its size on the paragraph mark and the centring over.
    EXPECT_EQ(paragraph(1).mark, (RunFormat{true, "宋体", 24}));
    EXPECT_EQ(paragraph(1).alignment, Alignment::Center);
    EXPECT_EQ(text(paragraph(2)), "姓名");
    EXPECT_FALSE(paragraph(2).runs[0].format.bold);
    EXPECT_EQ(text(paragraph(3)), "座号");
    EXPECT_EQ(text(paragraph(4)), "");
}

TEST_F(DocxEditing, ATableTakesTheEmptyParagraphsPlaceAndItsFormat)
{
    word.addDocument();
    word.typeText("title");
    word.setAlignment(Alignment::Center);
    word.typeText("\r");
    word.setFontName("楷体");
    word.setFontSize("11");
    word.addTable(3, 4);

    ASSERT_EQ(document().blocks.size(), 3u); // title, table, the paragraph after it
    const Table& t = table(1);
    ASSERT_EQ(t.rows.size(), 3u);
    EXPECT_EQ(t.columns, 4);
    for (const TableRow& row : t.rows) {
        ASSERT_EQ(row.cells.size(), 4u);
        for (const TableCell& cell : row.cells) {
            ASSERT_EQ(cell.paragraphs.size(), 1u);
            EXPECT_EQ(cell.paragraphs[0].alignment, Alignment::Center);
            EXPECT_EQ(cell.paragraphs[0].mark, (RunFormat{false, "楷体", 22}));
        }
    }
    EXPECT_EQ(text(paragraph(2)), "");
    EXPECT_EQ(paragraph(2).alignment, Alignment::Center);
}

TEST_F(DocxEditing, ATableAfterTextComesBelowIt)
{
    word.addDocument();
    word.typeText("no line end");
    word.addTable(1, 1);
    ASSERT_EQ(document().blocks.size(), 3u);
    EXPECT_EQ(text(paragraph(0)), "no line end");
    EXPECT_TRUE(std::holds_alternative<Table>(document().blocks[1]));
}

TEST_F(DocxEditing, TypingIntoASelectedCellReplacesItsContent)
{
    word.addDocument();
    word.addTable(2, 2);
    word.selectCell(2, 1);
    word.typeText("old");
    word.selectCell(1, 2);
    word.typeText("37＋48＝");
    word.typeText("85");
    word.setAlignment(Alignment::Left);
    word.selectCell(2, 1);
    word.typeText("new\rsecond");

    EXPECT_EQ(cellText(0, 1, 2), "37＋48＝85");
    EXPECT_EQ(table(0).rows[0].cells[1].paragraphs[0].alignment, Alignment::Left);
    EXPECT_EQ(cellText(0, 2, 1), "new|second");
    EXPECT_EQ(cellText(0, 1, 1), "");
}

TEST_F(DocxEditing, AFormatSetOnASelectedCellAppliesToItsContent)
{
    word.addDocument();
    word.addTable(1, 2);
    word.selectCell(1, 1);
    word.typeText("12");
    word.selectCell(1, 1);
    word.setBold(true);
    word.setAlignment(Alignment::Left);
    const Paragraph& cell = table(0).rows[0].cells[0].paragraphs[0];
    EXPECT_TRUE(cell.runs[0].format.bold);
    EXPECT_TRUE(cell.mark.bold);
    EXPECT_EQ(cell.alignment, Alignment::Left);
    EXPECT_EQ(cell.runs[0].text, "12");
}

TEST_F(DocxEditing, AFieldTakesTheTextTypedUntilTheSelectionMoves)
{
    word.addDocument();
    word.addTable(1, 2);
    word.selectCell(1, 1);
    word.insertField();
    word.typeText("EQ \\F(3,8)");
    word.typeText("＝");
    word.selectCell(1, 2);
    word.typeText("after");
    EXPECT_EQ(cellText(0, 1, 1), "{EQ \\F(3,8)＝}");
    EXPECT_EQ(cellText(0, 1, 2), "after");
}

TEST_F(DocxEditing, AFractionReplacesASelectedCellAndTextFollowsIt)
{
    word.addDocument();
    word.addTable(1, 2);
    word.selectCell(1, 1);
    word.typeText("old");
    word.selectCell(1, 1);
    word.typeFraction("3", "8");
    word.typeText("＋");
    word.typeFraction("1", "8");
    word.typeText("＝");
    word.selectCell(1, 2);
    word.insertField();
    word.typeFraction("", ""); // nothing to draw
    word.typeFraction("1", "2");
    word.typeText("after");
    EXPECT_EQ(cellText(0, 1, 1), "[3/8]＋[1/8]＝");
    EXPECT_EQ(cellText(0, 1, 2), "{}[1/2]after") << "a fraction ends the open field";
}

TEST_F(DocxEditing, ValuesThatCannotBeUsedAreIgnored)
{
    word.addDocument();
    word.setPageMargins(-1, 50, 50, 50);
    word.setPageMargins(50, 50, 300, 300); // no room left for text
    EXPECT_EQ(document().margins.left, PageMargins{}.left);
    word.setPageMargins(50, 50, 50, 50);
    EXPECT_EQ(document().margins.top, 1000);

    word.setFontSize("abc");
    word.setFontSize("0");
    word.setFontSize(2000);
    word.setFontName(" ");
    word.addTable(0, 3);
    word.addTable(2, 64);
    word.selectCell(1, 1); // no table yet
    word.typeText("x");
    EXPECT_EQ(paragraph(0).runs[0].format, RunFormat{});
    ASSERT_EQ(document().blocks.size(), 1u);

    word.addTable(2, 3);
    word.setRowHeight(1, "abc");
    word.setRowHeight(0, 30);
    word.setRowHeight(3, 30);
    word.setRowHeight(2, "-5");
    word.setOutsideLineStyle(7);
    word.selectCell(1, 2);
    word.selectCell(3, 1); // outside: the selection stays in (1, 2)
    word.selectCell(1, 4);
    word.typeText("kept");
    const Table& t = table(1);
    EXPECT_EQ(t.rows[0].minimumHeightTwips, 0);
    EXPECT_EQ(t.rows[1].minimumHeightTwips, 0);
    EXPECT_EQ(t.outsideLineStyle, noLine);
    EXPECT_EQ(cellText(1, 1, 2), "kept");

    word.setRowHeight(2, " 90 ");
    word.setRowHeight(1, 10.5);
    word.setOutsideLineStyle(singleLine);
    EXPECT_EQ(t.rows[1].minimumHeightTwips, 1800);
    EXPECT_EQ(t.rows[0].minimumHeightTwips, 210);
    EXPECT_EQ(t.outsideLineStyle, singleLine);
    EXPECT_EQ(t.insideLineStyle, noLine);
}

} // namespace
} // namespace quill
