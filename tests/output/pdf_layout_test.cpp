#include "output/cell_fit.h"
#include "output/docx_word_processor.h"
#include "output/pdf_layout.h"
#include "output/sheet_sequence.h"

#include <gtest/gtest.h>
#include <random>

namespace quill
{
namespace
{

// Widths as the sheets' estimate counts them, so the tests need no font.
class EmMeasure : public TextMeasure
{
public:
    double width(const RunFormat& format, std::string_view text) const override
    {
        return textEms(text) * format.halfPoints / 2.0;
    }
};

Paragraph paragraphOf(std::string text, int halfPoints = 22)
{
    RunFormat format;
    format.halfPoints = halfPoints;
    return Paragraph{Alignment::Left, format, {Run{format, std::move(text), RunKind::Text, {}}}};
}

// A table of drawn row heights, every row's first cell naming its row ("r7"); item rows
// (odd in a 1-based count) kept with their working rows when `kept`.
Table drawnTable(std::mt19937& random, int rows, bool kept)
{
    Table table;
    table.columns = 3;
    table.insideLineStyle = table.outsideLineStyle = singleLine;
    std::uniform_int_distribution<int> height(20 * twipsPerPoint, 200 * twipsPerPoint);
    for (int r = 0; r < rows; ++r) {
        TableRow row{height(random), std::vector<TableCell>(3), kept && r % 2 == 0};
        row.cells[0].paragraphs.push_back(paragraphOf("r" + std::to_string(r)));
        table.rows.push_back(std::move(row));
    }
    return table;
}

int pageOfText(const PageLayout& layout, const std::string& text)
{
    for (std::size_t p = 0; p < layout.pages.size(); ++p)
        for (const PlacedText& placed : layout.pages[p].texts)
            if (placed.text == text)
                return static_cast<int>(p);
    return -1;
}

// Over many drawn tables: every row is placed once, within the page's margins, in order;
// an item row never ends a page without its working row; and a page ends only when the
// next rows that must stay together would not fit.
TEST(PdfLayout, RowsPageInOrderAndKeptRowsStayTogether)
{
    std::mt19937 random(7);
    const EmMeasure measure;
    for (int trial = 0; trial < 60; ++trial) {
        const bool kept = trial % 3 != 0;
        DocxDocument document;
        document.blocks = {paragraphOf("title"), drawnTable(random, 2 + trial % 40 * 2, kept)};
        const Table& table = std::get<Table>(document.blocks[1]);
        const PageLayout layout = layOutDocument(document, measure);
        const double bottom = (document.pageHeight - document.margins.bottom) / 20.0;
        int previousPage = 0;
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            const int page = pageOfText(layout, "r" + std::to_string(r));
            ASSERT_GE(page, previousPage) << "trial " << trial << " row " << r;
            previousPage = page;
            if (table.rows[r].keepWithNext) {
                EXPECT_EQ(page, pageOfText(layout, "r" + std::to_string(r + 1)))
                    << "trial " << trial << ": item row " << r << " parted from its working row";
            }
        }
        EXPECT_EQ(previousPage + 1, static_cast<int>(layout.pages.size())) << "trial " << trial;
        for (const LaidOutPage& page : layout.pages)
            for (const PlacedLine& line : page.lines)
                EXPECT_LE(std::max(line.y0, line.y1), bottom + 0.01) << "trial " << trial;
        // No page is left with room for the next row (or kept pair) that went on.
        for (std::size_t p = 0; p + 1 < layout.pages.size(); ++p) {
            double lowest = 0;
            for (const PlacedLine& line : layout.pages[p].lines)
                lowest = std::max(lowest, std::max(line.y0, line.y1));
            const int next = std::stoi(layout.pages[p + 1].texts.front().text.substr(1));
            double needed = table.rows[next].minimumHeightTwips / 20.0;
            if (table.rows[next].keepWithNext)
                needed += table.rows[next + 1].minimumHeightTwips / 20.0;
            EXPECT_GT(lowest + needed, bottom) << "trial " << trial << " page " << p;
        }
    }
}

// A sheet of `rows` drawn row heights under its title, as the writers type it.
void typeSheet(WordProcessor& word, std::mt19937& random, int sheet, int rows)
{
    std::uniform_int_distribution<int> height(20, 200);
    word.addDocument();
    word.typeText("sheet " + std::to_string(sheet) + "\r");
    word.addTable(rows, 2);
    for (int r = 1; r <= rows; ++r) {
        word.setRowHeight(r, height(random));
        word.selectCell(r, 1);
        word.typeText(std::to_string(sheet) + "." + std::to_string(r));
    }
    word.activate();
}

// Over many drawn classes: each sheet written into one document starts a page of its own with
// its title and takes as many pages as it does alone, so no page is left empty between them.
TEST(PdfLayout, EachSheetOfASequenceStartsItsOwnPagesAsIfAlone)
{
    std::mt19937 random(5);
    const EmMeasure measure;
    const DocumentName builtOnly{"口算", "x", false, {}, {}};
    for (int trial = 0; trial < 20; ++trial) {
        DocxWordProcessor whole(DocumentFolder("/nonexistent"), builtOnly);
        SheetSequence sequence(whole);
        std::size_t pagesAlone = 0;
        const int sheets = 2 + trial % 5;
        for (int k = 0; k < sheets; ++k) {
            const int rows = 1 + static_cast<int>(random() % 30);
            std::mt19937 same(random());
            std::mt19937 again = same;
            typeSheet(sequence, same, k, rows);
            DocxWordProcessor alone(DocumentFolder("/nonexistent"), builtOnly);
            typeSheet(alone, again, k, rows);
            pagesAlone += layOutDocument(*alone.document(), measure).pages.size();
        }
        const PageLayout layout = layOutDocument(*whole.document(), measure);
        EXPECT_EQ(layout.pages.size(), pagesAlone) << "trial " << trial;
        for (int k = 0; k < sheets; ++k) {
            const int page = pageOfText(layout, "sheet " + std::to_string(k));
            ASSERT_GE(page, 0) << "trial " << trial;
            EXPECT_EQ(layout.pages[page].texts.front().text, "sheet " + std::to_string(k))
                << "trial " << trial;
        }
    }
}

// A heading kept with its table goes to the next page with the table's first rows rather than
// end a page alone, wherever the text before it leaves off.
TEST(PdfLayout, AHeadingKeptWithItsTableNeverEndsAPage)
{
    std::mt19937 random(11);
    const EmMeasure measure;
    for (int trial = 0; trial < 60; ++trial) {
        DocxDocument document;
        document.blocks = {paragraphOf("title")};
        for (int k = 0; k < trial; ++k)
            document.blocks.push_back(paragraphOf("line " + std::to_string(k), 40));
        Paragraph heading = paragraphOf("heading", 28);
        heading.keepWithNext = true;
        document.blocks.push_back(heading);
        document.blocks.push_back(drawnTable(random, 6, trial % 2 == 0));
        const PageLayout layout = layOutDocument(document, measure);
        EXPECT_EQ(pageOfText(layout, "heading"), pageOfText(layout, "r0")) << "trial " << trial;
        if (trial % 2 == 0) {
            EXPECT_EQ(pageOfText(layout, "heading"), pageOfText(layout, "r1")) << "trial " << trial;
        }
    }
}

// Long texts wrap inside their cell: no line crosses the cell's edge, every word is drawn
// once and in order, and the row grows to hold the lines.
TEST(PdfLayout, CellTextWrapsWithinTheCellAndTheRowGrows)
{
    const EmMeasure measure;
    for (const int columns : {1, 2, 4, 7}) {
        DocxDocument document;
        Table table;
        table.columns = columns;
        std::string text;
        for (int k = 0; k < 60; ++k)
            text += std::to_string(k * 37) + "＋";
        TableRow row{30 * twipsPerPoint, std::vector<TableCell>(columns), false};
        row.cells[0].paragraphs.push_back(paragraphOf(text));
        table.rows.push_back(row);
        table.rows.push_back(TableRow{30 * twipsPerPoint, std::vector<TableCell>(columns), false});
        table.rows.back().cells[0].paragraphs.push_back(paragraphOf("below"));
        document.blocks = {table};
        const PageLayout layout = layOutDocument(document, measure);
        const double columnWidth = document.textWidth() / 20.0 / columns;
        std::string drawn;
        double lastBaseline = 0;
        for (const PlacedText& placed : layout.pages.front().texts) {
            if (placed.text == "below") {
                EXPECT_GT(placed.baseline, lastBaseline) << columns << " columns";
                continue;
            }
            drawn += placed.text;
            lastBaseline = placed.baseline;
            EXPECT_LE(placed.x + measure.width(placed.format, placed.text),
                      document.margins.left / 20.0 + columnWidth - 5.4 + 0.01)
                << columns << " columns: " << placed.text;
        }
        EXPECT_EQ(drawn, text) << columns << " columns";
    }
}

// A fraction: numerator above the bar, denominator below it, both centred on the bar; a
// bracket beside it is stretched to span both; the line is as high as a fraction's line.
TEST(PdfLayout, FractionsAreStackedOnTheirBar)
{
    const EmMeasure measure;
    for (const auto& [numerator, denominator] :
         std::vector<std::pair<std::string, std::string>>{{"1", "12"}, {"125", "8"}, {"7", "9"}}) {
        DocxDocument document;
        Paragraph paragraph = paragraphOf("(");
        paragraph.runs.push_back(
            quill::Run{paragraph.mark, numerator, RunKind::Fraction, denominator});
        paragraph.runs.push_back(quill::Run{paragraph.mark, ")＝", RunKind::Text, {}});
        document.blocks = {paragraph, paragraphOf("next")};
        const LaidOutPage page = layOutDocument(document, measure).pages.at(0);
        ASSERT_EQ(page.lines.size(), 1u);
        const PlacedLine& bar = page.lines.front();
        const PlacedText* top = nullptr;
        const PlacedText* bottom = nullptr;
        for (const PlacedText& text : page.texts) {
            if (text.text == numerator && !top) {
                top = &text;
            } else if (text.text == denominator) {
                bottom = &text;
            } else if (text.text == "(") {
                EXPECT_GT(text.verticalScale, 1.5);
            } else if (text.text == "next") {
                EXPECT_NEAR(text.baseline - bar.y0,
                            lineHeightOf(11, LineKind::Fraction) / 2 +
                                lineHeightOf(11, LineKind::Latin) / 2 + 0.36 * 11,
                            0.01);
            }
        }
        ASSERT_TRUE(top && bottom);
        EXPECT_LT(top->baseline, bar.y0);
        EXPECT_GT(bottom->baseline - 11 * 0.72, bar.y0);
        const auto centre = [&](const PlacedText& t) {
            return t.x + measure.width(t.format, t.text) / 2;
        };
        EXPECT_NEAR(centre(*top), (bar.x0 + bar.x1) / 2, 0.01);
        EXPECT_NEAR(centre(*bottom), (bar.x0 + bar.x1) / 2, 0.01);
    }
}

} // namespace
} // namespace quill
