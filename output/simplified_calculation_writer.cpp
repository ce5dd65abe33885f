#include "output/simplified_calculation_writer.h"

#include "output/worksheet_layout.h"
#include "problems/expressions/answer_store.h"
#include "problems/workspace.h"

#include <string>
#include <vector>

namespace quill
{

namespace
{

std::string_view cellText(std::string_view item, bool answers)
{
    return answers ? item : item.substr(0, item.find("＝"));
}

// Before each item row and before each cell the window's events run; a stop ends the filling.
bool stopped(Workspace& work)
{
    work.processEvents();
    return work.run.stopRequested;
}

} // namespace

bool writeSimplifiedCalculationSheet(Workspace& work, Notifier& notifier, WordProcessor& word,
                                     const WriterArguments& args)
{
    const std::vector<std::string> items = splitAtSpaces(args.list);
    typeTitleBlock(word, args.answers(), "\r");

    const auto columns = tableColumnCount(args, notifier);
    const WorksheetGeometry geometry{static_cast<int>(items.size()), columns.value_or(0), true};
    addWorksheetTable(word, geometry, args);
    for (int k = 0; columns && k < geometry.items; ++k) {
        if (geometry.column(k) == 1 && stopped(work))
            break;
        if (stopped(work))
            break;
        word.selectCell(geometry.row(k), geometry.column(k));
        word.typeText(cellText(items[k], args.answers()));
        word.setAlignment(Alignment::Left);
        word.selectCell(geometry.row(k) + 1, geometry.column(k));
        word.setAlignment(Alignment::Left);
    }
    return word.activate();
}

} // namespace quill
