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

} // namespace

bool writeSimplifiedCalculationSheet(const WriterArguments& args, WordProcessor& word)
{
    const ExerciseSet& items = args.set;
    typeTitleBlock(word, args.answers, "\r");

    const auto columns = tableColumnCount(args);
    const WorksheetGeometry geometry{static_cast<int>(items.size()), columns.value_or(0), true};
    addWorksheetTable(word, geometry, args);
    int withoutAnswer = 0;
    for (int k = 0; columns && k < geometry.items; ++k) {
        if (args.stop.stopRequested())
            break;
        word.selectCell(geometry.row(k), geometry.column(k));
        word.typeText(cellText(items[k], args.answers));
        const LawItem* law = std::get_if<LawItem>(&items[k]);
        withoutAnswer += !law || !law->answer;
        word.setAlignment(Alignment::Left);
        word.selectCell(geometry.row(k) + 1, geometry.column(k));
        word.setAlignment(Alignment::Left);
    }
    reportItemsWithoutAnswers(args, withoutAnswer);
    return word.activate();
}

} // namespace quill
