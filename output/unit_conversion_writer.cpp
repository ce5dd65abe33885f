#include "output/unit_conversion_writer.h"

#include "output/worksheet_layout.h"
#include "problems/units/unit_item.h"

#include <string>
#include <vector>

namespace quill
{

namespace
{

constexpr std::string_view questionBlank = "＝（        ）";

// A value or answer as the sheet shows it; a fraction (3/2 分) stacked.
void typeQuantity(WordProcessor& word, std::string_view quantity)
{
    const size_t slash = quantity.find('/');
    if (slash == std::string_view::npos)
        word.typeText(quantity);
    else
        word.typeFraction(quantity.substr(0, slash), quantity.substr(slash + 1));
}

void typeCell(WordProcessor& word, const UnitItem& item, bool answers)
{
    typeQuantity(word, item.value);
    word.typeText(" " + item.unit);
    if (answers) {
        word.typeText("＝（ ");
        typeQuantity(word, item.answer);
        word.typeText(" ）" + item.answerUnit);
    } else {
        word.typeText(std::string(questionBlank) + item.answerUnit);
    }
    word.setAlignment(Alignment::Left);
}

void fillCells(const WriterArguments& args, WordProcessor& word, const WorksheetGeometry& geometry)
{
    for (int k = 0; k < geometry.items; ++k) {
        if (args.stop.stopRequested())
            break;
        word.selectCell(geometry.row(k), geometry.column(k));
        if (const UnitItem* item = std::get_if<UnitItem>(&args.set[k]))
            typeCell(word, *item, args.answers);
        else
            word.typeText(itemText(args.set[k]));
    }
}

} // namespace

bool writeUnitConversionSheet(const WriterArguments& args, WordProcessor& word)
{
    // The note takes the place of the empty paragraph above the table.
    typeTitleBlock(word, args, args.settings.time.checked ? "\r" + std::string(timeNote) : "\r\r");

    const auto columns = tableColumnCount(args);
    WorksheetGeometry geometry{static_cast<int>(args.set.size()), columns.value_or(0), false};
    geometry.itemRowHeight = sharedItemRowHeight(args, geometry, fillCells);
    addWorksheetTable(word, geometry, args);
    if (columns)
        fillCells(args, word, geometry);
    return word.activate();
}

} // namespace quill
