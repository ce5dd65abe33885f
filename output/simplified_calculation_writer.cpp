#include "output/simplified_calculation_writer.h"

#include "output/worksheet_layout.h"

#include <string>
#include <vector>

namespace quill
{

namespace
{

// An entry read from a list that is no law item is shown as it stands.
std::string cellText(const SetItem& item, bool answers)
{
    if (const LawItem* law = std::get_if<LawItem>(&item); law && !answers)
        return law->expression;
    return itemText(item);
}

// Fills every cell until a stop; how many items it showed without an answer.
int fillCells(const WriterArguments& args, WordProcessor& word, const WorksheetGeometry& geometry)
{
    int withoutAnswer = 0;
    for (int k = 0; k < geometry.items; ++k) {
        if (args.stop.stopRequested())
            break;
        word.selectCell(geometry.row(k), geometry.column(k));
        word.typeText(cellText(args.set[k], args.answers));
        const LawItem* law = std::get_if<LawItem>(&args.set[k]);
        withoutAnswer += !law || !law->answer;
        word.setAlignment(Alignment::Left);
        word.selectCell(geometry.row(k) + 1, geometry.column(k));
        word.setAlignment(Alignment::Left);
    }
    return withoutAnswer;
}

} // namespace

bool writeSimplifiedCalculationSheet(const WriterArguments& args, WordProcessor& word)
{
    typeTitleBlock(word, args, "\r");
    const auto columns = tableColumnCount(args);
    WorksheetGeometry geometry{static_cast<int>(args.set.size()), columns.value_or(0), true};
    geometry.itemRowHeight = sharedItemRowHeight(
        args, geometry, [](const auto& a, auto& w, const auto& g) { fillCells(a, w, g); });
    addWorksheetTable(word, geometry, args);
    if (columns)
        reportItemsWithoutAnswers(args, fillCells(args, word, geometry));
    return word.activate();
}

} // namespace quill
