#include "engine/generation_run.h"

#include "base/number_text.h"
#include "base/short_date.h"
#include "engine/application.h"
#include "engine/document_writing.h"
#include "engine/duplicate_filter.h"
#include "engine/generation_path.h"
#include "engine/run_environment.h"
#include "engine/unmeetable_settings.h"
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
    const double start = roundHalfEven(s.rangeStart.value());
    const double end = roundHalfEven(s.rangeEnd.value());
    if (s.rangeStart.value() >= s.rangeEnd.value() || s.rangeEnd.text.empty()) {
        app.notifier.notify(rangeMessage);
        env.focusRangeStart();
        return std::nullopt;
    }
    if (end > largestRangeNumber || end - start + 1 > largestRangeNumber || start < 0) {
        app.notifier.notify("数据范围只能在0到32767之间，且不能超过32767个数！");
        env.focusRangeStart();
        return std::nullopt;
    }
    if (fixPart(s.itemCount.value()) > largestItemCount) {
        app.notifier.notify("题量不能超过10000题！");
        return std::nullopt;
    }
    return Range{static_cast<int>(start), static_cast<int>(end)};
}

long itemCount(const ExerciseSettings& s)
{
    return static_cast<long>(fixPart(s.itemCount.value()));
}

void appendIfNew(RunState& run, DuplicateFilter& listed, const std::string& item, long& accepted)
{
    if (listed.occurs(item))
        return;
    listed.add(item);
    run.questionList += ' ';
    run.questionList += item;
    ++accepted;
}

int drawSelector(Application& app, const GenerationPath& path)
{
    return app.random.below(path.selectorSpan) + path.selectorOffset;
}

bool choiceMissing(Application& app, RunEnvironment& env, const GenerationPath& path)
{
    if (!path.hasChoice || path.hasChoice(app.settings))
        return false;
    app.run.stopRequested = true;
    env.progressStopped();
    app.notifier.notify(path.noChoiceMessage);
    env.openPopupMenu(path.choiceMenu);
    return true;
}

enum class DrawEnd { Full, Stopped, NoChoice };

// The path's menu choice is checked before every round, so unticking its last item while
// the run draws ends the run as surely as having none at the start.
DrawEnd drawList(Application& app, RunEnvironment& env, const GenerationPath& path, Range range)
{
    const long count = itemCount(app.settings);
    long accepted = 0;
    DuplicateFilter listed;
    while (accepted < count) {
        int r = path.selectorBeforeEvents ? drawSelector(app, path) : 0;
        app.processEvents();
        if (app.run.stopRequested)
            return DrawEnd::Stopped;
        if (choiceMissing(app, env, path))
            return DrawEnd::NoChoice;
        if (!path.selectorBeforeEvents)
            r = drawSelector(app, path);
        if (ItemGenerator generate = path.pick(app, r))
            appendIfNew(app.run, listed, generate(app, range.start, range.end), accepted);
    }
    return DrawEnd::Full;
}

// Law forms these settings cannot give are left out before the draw, so that no round draws
// for ever; with no law left the run is refused.
bool planLawForms(Application& app, const GenerationPath& path, Range range)
{
    app.lawShapesLeftOut.clear();
    if (path.name != lawsPathName)
        return true;
    const LawFormsLeftOut leftOut = lawFormsLeftOut(app.settings, range.start, range.end);
    if (const auto reason = lawsUnmeetableReason(leftOut)) {
        app.notifier.notify(*reason);
        return false;
    }
    app.lawShapesLeftOut = leftOut.forms;
    if (const auto note = lawsLeftOutNote(leftOut))
        app.notifier.notify(*note);
    return true;
}

// A set written but not saved would be drawn and written again by a user who retries, so
// a history that cannot take it stops the run before anything is written.
bool historyUsable(Application& app, RunEnvironment& env)
{
    const std::optional<std::filesystem::path> file = env.historyFile();
    if (!app.settings.saveToHistory.checked || !file)
        return true;
    const IoResult usable = checkHistoryTarget(*file);
    if (!usable)
        app.notifier.notify(unsavableHistoryMessage(usable));
    return usable.ok();
}

// Appends the set to the history file; true unless that failed.
bool saveSet(Application& app, RunEnvironment& env)
{
    const std::optional<std::filesystem::path> file = env.historyFile();
    if (!app.settings.saveToHistory.checked || !file)
        return true;
    env.waitSeconds(finishedNoticeSeconds);
    const int kind = historyKindOf(app.settings);
    const IoResult saved = appendHistoryLine(
        *file, historyLineText(shortDateText(), kind, savedTextOf(kind, app.run)));
    app.notifier.notify(saved ? std::string(savedMessage) : saveFailedMessage(saved));
    return saved.ok();
}

RunOutcome finishRun(RunEnvironment& env, RunOutcome outcome)
{
    env.refreshSavedSets();
    return outcome;
}

void beginDrawing(Application& app)
{
    app.run.questionList.clear();
    app.random.mixClock();
    app.notifier.notify(drawingMessage);
}

} // namespace

RunOutcome generateExercises(Application& app, RunEnvironment& env)
{
    const std::optional<Range> range = checkedRange(app, env);
    if (!range)
        return RunOutcome::Refused;
    const GenerationPath& path = choosePath(app.settings);
    if (const auto reason = unmeetableReason(app.settings, range->start, range->end)) {
        app.notifier.notify(*reason);
        return RunOutcome::Refused;
    }
    if (const auto note = leftOutNote(app.settings))
        app.notifier.notify(*note);
    if (!planLawForms(app, path, *range))
        return RunOutcome::Refused;
    if (!historyUsable(app, env))
        return RunOutcome::Failed;

    RunState& run = app.run;
    run.stopRequested = true; // an earlier run still drawing sees this while we wait, and ends
    run.writingSavedSet = false;
    run.equationList.clear();
    env.waitSeconds(earlierRunStopSeconds);
    run.stopRequested = false;
    run.progressTicks = 0;
    env.progressStarted();
    beginDrawing(app);
    // Without a menu choice the run ends at once: no builders, no documents, no refresh.
    if (drawList(app, env, path, *range) == DrawEnd::NoChoice)
        return RunOutcome::Stopped;
    if (path.afterDraw)
        path.afterDraw(app, range->start, range->end);
    env.progressStopped();
    if (run.stopRequested)
        return finishRun(env, RunOutcome::Stopped);
    const DocumentsWritten written = writeSetDocuments(app, env, path.write);
    if (written == DocumentsWritten::Failed)
        return finishRun(env, RunOutcome::Failed);
    // A writer that lets events run can be stopped half way: what it wrote is shown, but
    // the set is neither announced as finished nor saved.
    if (run.stopRequested)
        return finishRun(env, RunOutcome::Stopped);
    app.notifier.notify(finishedMessage);
    if (written == DocumentsWritten::Written && !saveSet(app, env))
        return finishRun(env, RunOutcome::Failed);
    return finishRun(env, RunOutcome::Completed);
}

RunOutcome drawOnScreenSet(Application& app, RunEnvironment& env)
{
    const std::optional<Range> range = checkedRange(app, env);
    if (!range)
        return RunOutcome::Refused;
    // Distinct items, as 生成练习 draws them, can run out where repeats could not.
    if (const auto reason = unmeetableOnScreenReason(app.settings, range->start, range->end)) {
        app.notifier.notify(*reason);
        return RunOutcome::Refused;
    }
    app.run.writingSavedSet = false;
    app.run.stopRequested = false;
    app.run.progressTicks = 0;
    env.progressStarted();
    beginDrawing(app);
    const DrawEnd end = drawList(app, env, onScreenPath(), *range);
    env.progressStopped();
    return end == DrawEnd::Full ? RunOutcome::Completed : RunOutcome::Stopped;
}

void requestStop(Application& app, RunEnvironment& env)
{
    app.run.stopRequested = true;
    env.progressStopped();
    app.notifier.notify(stoppedMessage);
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
