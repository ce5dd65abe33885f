#pragma once

// The page every worksheet shares: the title block and the table of items, with an
// empty working row under each item row where the pupil needs room to work.

#include "output/word_processor.h"
#include "output/writer_arguments.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quill
{

struct WorksheetGeometry {
    int items = 0;
    int columns = 0;
    bool workRows = false; // an empty row under every item row
    // The height item rows get on both sheets, when the widest text of a cell needs more than
    // one line (see sharedItemRowHeight); none leaves them to the row height.
    std::optional<double> itemRowHeight = std::nullopt;

    int itemRows() const { return columns > 0 ? (items + columns - 1) / columns : 0; }
    int tableRows() const { return itemRows() * (workRows ? 2 : 1); }
    // 1-based cell of item k (from 0); the working cell is the one below it.
    int row(int k) const { return (k / columns) * (workRows ? 2 : 1) + 1; }
    int column(int k) const { return k % columns + 1; }
};

// Fills the cells of a sheet: the writers' own filling, run once more to measure it.
using CellFiller =
    std::function<void(const WriterArguments&, WordProcessor&, const WorksheetGeometry&)>;

// The height both sheets give their item rows so that they page alike: none while every cell
// of either sheet fits its text on one line, otherwise as many lines as the widest text needs
// (stacked fractions two lines each). Measured by filling both sheets into a text capture.
std::optional<double> sharedItemRowHeight(const WriterArguments& args,
                                          const WorksheetGeometry& geometry,
                                          const CellFiller& fill);

// For a layout that fits one page: the largest row height and font size that put the whole
// table under the title block of one A4 page, every cell's text of both sheets on one line.
SheetLayout layoutOnOnePage(const WriterArguments& args, const WorksheetGeometry& geometry,
                            const CellFiller& fill);

// The column count of the columns argument: a whole positive number, or none.
std::optional<int> columnCount(std::string_view text);

// The same, telling the user when the sheet gets no table because the count is unusable.
std::optional<int> tableColumnCount(const WriterArguments& args);

// On an answer sheet, tells the user how many items it shows as they stand, without an
// answer (a saved entry that lost its value, or one its kind cannot read).
void reportItemsWithoutAnswers(const WriterArguments& args, int count);

// What the sheet is: the grade when one is chosen, the kind as its option reads ("分数" before
// a fraction kind that does not say so), "练习", and "（答案）" on the answer sheet:
// "三年级上学期 口算练习", "分数脱式计算练习（答案）", "约分练习".
std::string sheetTitle(const ExerciseSettings& settings, bool answers);

// Margins, the sheet's title with the date and the program's name in small print, and on the
// question sheet the line for name, seat number and result, followed by `afterNameLine`; the
// selection is then where the table goes.
void typeTitleBlock(WordProcessor& word, const WriterArguments& args,
                    std::string_view afterNameLine = "\r\r");
// The same under a title of the caller's.
void typeTitleBlock(WordProcessor& word, std::string_view title, bool answers,
                    std::string_view afterNameLine = "\r\r");

// A title with, on a pupil's own sheet, the pupil's name for the name line and the code that
// finds its key.
struct TitleBlock {
    std::string_view title;
    std::string_view pupil;
    std::string_view code;
};
void typeTitleBlock(WordProcessor& word, const TitleBlock& block, bool answers,
                    std::string_view afterNameLine = "\r\r");

// The table font and size, the table with its borders and row heights: each row at least
// the row height, or with working rows those three times as high.
void addWorksheetTable(WordProcessor& word, const WorksheetGeometry& geometry,
                       const WriterArguments& args);

} // namespace quill
