#include "engine/saved_set_loading.h"

#include "base/number_text.h"
#include "engine/application.h"
#include "engine/document_writing.h"
#include "engine/generation_path.h"
#include "engine/generation_run.h"
#include "engine/mixed_sheet_run.h"
#include "engine/run_environment.h"
#include "engine/settings_interlocks.h"
#include "history/history_line.h"
#include "history/mixed_history_line.h"
#include "history/saved_set_load.h"
#include "settings/column_rule_words.h"
#include "settings/exercise_kinds.h"

#include <algorithm>
#include <optional>

namespace quill
{

namespace
{

// A fraction set clears 填数 as it ticks 分数: no fraction item has a blank to fill.
void selectSavedKind(ExerciseSettings& settings, const SavedSetKind& saved, Notifier& notifier)
{
    if (saved.fractions) {
        setCheck(settings, settings.fillIn, false, notifier);
        setCheck(settings, settings.fractions, true, notifier);
    }
    selectKind(settings, saved.kind, notifier);
}

// The family that writes a set of this kind, found on a copy of the settings so that a set
// that cannot be written yet leaves the window as it was.
const GenerationPath& writingPath(const ExerciseSettings& settings, const SavedSetKind& saved)
{
    ExerciseSettings preview = settings;
    SilentNotifier quiet;
    selectSavedKind(preview, saved, quiet);
    return choosePath(preview);
}

std::size_t itemCountOf(std::string_view list)
{
    std::size_t count = 0;
    bool inItem = false;
    for (const char c : list) {
        count += c != ' ' && !inItem;
        inItem = c != ' ';
    }
    return count;
}

} // namespace

std::optional<std::string> loadRefusal(const HistoryLine& line)
{
    const std::size_t count =
        std::max(itemCountOf(*line.savedList), itemCountOf(line.equations.value_or("")));
    if (count == 0)
        return "这条保存的练习是空的，无法载入！";
    if (count > largestItemCount)
        return "这条保存的练习有" + std::to_string(count) + "题，超过了10000题，无法载入！";
    return std::nullopt;
}

Range sheetRange(const ExerciseSettings& s)
{
    auto number = [](double value) {
        return static_cast<int>(std::clamp(roundHalfEven(value), -32768.0, 32767.0));
    };
    return {number(s.rangeStart.value()), number(s.rangeEnd.value())};
}

RunOutcome loadSavedSet(Application& app, RunEnvironment& env, std::string_view lineText)
{
    if (!formatsWritable(app))
        return RunOutcome::Refused;
    if (isMixedHistoryLine(lineText))
        return loadMixedSet(app, env, lineText);
    const HistoryLine line = parseHistoryLine(lineText);
    const std::optional<SavedSetKind> saved = savedSetKind(line.kind, line.writtenAs.value_or(""));
    if (!isLoadable(line) || !saved) {
        app.notifier.notify(unreadableSavedSetMessage);
        return RunOutcome::Refused;
    }
    if (const std::optional<std::string> refusal = loadRefusal(line)) {
        app.notifier.notify(*refusal);
        return RunOutcome::Refused;
    }
    const GenerationPath& path = writingPath(app.settings, *saved);
    app.set = savedSetItems(line);
    // A stop left from an earlier run must not keep the sheet writers from filling cells.
    app.run.stopRequested = false;
    app.notifier.notify(drawingMessage);
    selectSavedKind(app.settings, *saved, app.notifier);
    // The lists show what the set was drawn with; sets saved without a choice had none.
    setColumnRules(app.settings, line.drawnWith.value_or(""));
    // A pupil's sheet comes back with its name and code, so its key can be told by them.
    app.sheetCode = line.sheetCode.value_or("");
    app.pupilName = line.pupilName;
    if (saved->history.pauseBeforeWriting)
        env.waitSeconds(loadedKindShownSeconds);
    prepareSheets(app, sheetRange(app.settings));
    if (writeSetDocuments(app, env, path.write) == DocumentsWritten::Failed)
        return RunOutcome::Failed;
    // Stopped while a sheet was typed (another job asked for, the exit): not finished.
    if (app.run.stopRequested)
        return RunOutcome::Stopped;
    app.notifier.notify(finishedMessage);
    return RunOutcome::Completed;
}

} // namespace quill
