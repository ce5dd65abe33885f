#include "history/saved_set_load.h"

#include "settings/run_state.h"

namespace quill
{

bool isLoadable(const HistoryLine& line)
{
    if (line.kind == unknownHistoryKind || !line.savedList)
        return false;
    return !keepsEquations(line.kind) || line.equations.has_value();
}

bool takeSavedSet(RunState& run, const HistoryLine& line)
{
    if (!isLoadable(line))
        return false;
    run.writingSavedSet = true;
    run.questionList = *line.savedList;
    if (line.equations)
        run.equationList = *line.equations;
    return true;
}

} // namespace quill
