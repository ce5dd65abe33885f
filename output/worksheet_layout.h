#pragma once

// The page every worksheet shares: the title block and the table of items, with an
// empty working row under each item row where the pupil needs room to work.

#include "output/word_processor.h"
#include "output/writer_arguments.h"

#include <optional>
#include <string_view>

namespace quill
{

struct WorksheetGeometry {
    int items = 0;
    int columns = 0;
    bool workRows = false; // an empty row under every item row

    int itemRows() const { return columns > 0 ? (items + columns - 1) / columns : 0; }
    int tableRows() const { return itemRows() * (workRows ? 2 : 1); }
    // 1-based cell of item k (from 0); the working cell is the one below it.
    int row(int k) const { return (k / columns) * (workRows ? 2 : 1) + 1; }
    int column(int k) const { return k % columns + 1; }
};

// The column count of the columns argument: a whole positive number, or none.
std::optional<int> columnCount(std::string_view text);

// The same, telling the user when the sheet gets no table because the count is unusable.
std::optional<int> tableColumnCount(const WriterArguments& args);

// On an answer sheet, tells the user how many items it shows as they stand, without an
// answer (a saved entry that lost its value, or one its kind cannot read).
void reportItemsWithoutAnswers(const WriterArguments& args, int count);

// Margins, title ("Quillmere" or "Quillmere(答案)") with the date, and on the question
// sheet the line for name, seat number and result, followed by `afterNameLine`; the
// selection is then where the table goes.
void typeTitleBlock(WordProcessor& word, bool answers, std::string_view afterNameLine = "\r\r");

// The table font and size, the table with its borders and row heights: each row at least
// the row height, or with working rows those three times as high.
void addWorksheetTable(WordProcessor& word, const WorksheetGeometry& geometry,
                       const WriterArguments& args);

} // namespace quill
