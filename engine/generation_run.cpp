#include "engine/generation_run.h"

#include "base/number_text.h"
#include "base/short_date.h"
#include "engine/application.h"
#include "engine/document_writing.h"
#include "engine/duplicate_filter.h"
#include "engine/generation_path.h"
#include "engine/run_environment.h"
#include "history/history_file.h"
#include "history/history_line.h"
#include "history/saved_sets.h"

#include <optional>

namespace quill
{

namespace
{

struct Range {
    int start;
    int end;
};

// The range the generators get, or nothing when the run must not start. The generators
// compute in 16-bit terms, so ends and widths beyond 32767 are refused up front, as are
// more items than the answer tables hold.
std::optional<Range> checkedRange(Application& app, RunEnvironment& env)
{
    const ExerciseSettings& s = app.settings;
    const double start = roundHalfEven(s.Text5.value());
    const double end = roundHalfEven(s.Text6.value());
    if (s.Text5.value() >= s.Text6.value() || s.Text6.text.empty()) {
        app.notifier.ShowTrayMessage(rangeMessage);
        env.focusRangeStart();
        return std::nullopt;
    }
    if (end > largestRangeNumber || end - start + 1 > largestRangeNumber || start < 0) {
        app.notifier.ShowTrayMessage("数据范围只能在0到32767之间，且不能超过32767个数！");
        env.focusRangeStart();
        return std::nullopt;
    }
    if (fixPart(s.Text1.value()) > largestItemCount) {
        app.notifier.ShowTrayMessage("题量不能超过10000题！");
        return std::nullopt;
    }
    return Range{static_cast<int>(start), static_cast<int>(end)};
}

long itemCount(const ExerciseSettings& s)
{
    return static_cast<long>(fixPart(s.Text1.value()));
}

void appendIfNew(RunState& run, DuplicateFilter& listed, const std::string& item, long& accepted)
{
    if (listed.occurs(item))
        return;
    listed.add(item);
    run.out += ' ';
    run.out += item;
    ++accepted;
}

int drawSelector(Application& app, const GenerationPath& path)
{
    return app.random.below(path.selectorSpan) + path.selectorOffset;
}

void drawList(Application& app, const GenerationPath& path, Range range)
{
    const long count = itemCount(app.settings);
    long accepted = 0;
    DuplicateFilter listed;
    while (accepted < count) {
        int r = path.selectorBeforeEvents ? drawSelector(app, path) : 0;
        app.processEvents();
        if (app.run.qt)
            return;
        if (!path.selectorBeforeEvents)
            r = drawSelector(app, path);
        if (ItemGenerator generate = path.pick(app.settings, r))
            appendIfNew(app.run, listed, generate(app, range.start, range.end), accepted);
    }
}

bool choiceMissing(Application& app, RunEnvironment& env, const GenerationPath& path)
{
    if (!path.hasChoice || path.hasChoice(app.settings))
        return false;
    app.run.qt = true;
    env.progressStopped();
    app.notifier.ShowTrayMessage(path.noChoiceMessage);
    env.openPopupMenu(path.choiceMenu);
    return true;
}

// Appends the set to the history file; true unless that failed.
bool saveSet(Application& app, RunEnvironment& env)
{
    const std::optional<std::filesystem::path> file = env.historyFile();
    if (!app.settings.Check20.checked || !file)
        return true;
    env.waitSeconds(3);
    const int kind = historyKindOf(app.settings);
    const FileResult saved = appendHistoryLine(
        *file, historyLineText(shortDateText(), kind, savedTextOf(kind, app.run)));
    app.notifier.ShowTrayMessage(saved ? std::string(savedMessage) : saveFailedMessage(saved));
    return saved.ok;
}

RunOutcome finishRun(RunEnvironment& env, RunOutcome outcome)
{
    env.refreshSavedSets();
    return outcome;
}

void beginDrawing(Application& app)
{
    app.run.out.clear();
    app.random.mixClock();
    app.notifier.ShowTrayMessage(drawingMessage);
}

} // namespace

RunOutcome generateExercises(Application& app, RunEnvironment& env)
{
    const std::optional<Range> range = checkedRange(app, env);
    if (!range)
        return RunOutcome::Refused;
    const GenerationPath& path = choosePath(app.settings);
    if (!path.available()) {
        app.notifier.ShowTrayMessage(path.unavailableMessage);
        return RunOutcome::Refused;
    }

    RunState& run = app.run;
    run.qt = true; // an earlier run still drawing sees this while we wait, and ends
    run.lsjl = false;
    run.fout.clear();
    env.waitSeconds(1);
    run.qt = false;
    run.jmz = 0;
    env.progressStarted();
    beginDrawing(app);
    if (choiceMissing(app, env, path))
        return RunOutcome::Stopped;
    drawList(app, path, *range);
    if (path.afterDraw)
        path.afterDraw(app, range->start, range->end);
    env.progressStopped();
    if (run.qt)
        return finishRun(env, RunOutcome::Stopped);
    const DocumentsWritten written = writeSetDocuments(app, env, path.write);
    if (written == DocumentsWritten::Failed)
        return finishRun(env, RunOutcome::Failed);
    app.notifier.ShowTrayMessage(finishedMessage);
    if (written == DocumentsWritten::Written && !saveSet(app, env))
        return finishRun(env, RunOutcome::Failed);
    return finishRun(env, RunOutcome::Completed);
}

RunOutcome drawOnScreenSet(Application& app, RunEnvironment& env)
{
    const std::optional<Range> range = checkedRange(app, env);
    if (!range)
        return RunOutcome::Refused;
    app.run.lsjl = false;
    app.run.qt = false;
    beginDrawing(app);
    const long count = itemCount(app.settings);
    for (long accepted = 0; accepted < count;) {
        app.processEvents();
        if (app.run.qt)
            return RunOutcome::Stopped;
        const int r = app.random.below(40) + 1;
        if (ItemGenerator generate = pickOperation(app.settings, r, app.settings.Check4.checked)) {
            app.run.out += ' ' + generate(app, range->start, range->end);
            ++accepted;
        }
    }
    return RunOutcome::Completed;
}

void requestStop(Application& app, RunEnvironment& env)
{
    app.run.qt = true;
    env.progressStopped();
    app.notifier.ShowTrayMessage(stoppedMessage);
}

std::string_view trimmedList(std::string_view list)
{
    while (!list.empty() && list.front() == ' ')
        list.remove_prefix(1);
    while (!list.empty() && list.back() == ' ')
        list.remove_suffix(1);
    return list;
}

} // namespace quill
