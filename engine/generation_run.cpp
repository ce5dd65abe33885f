#include "engine/generation_run.h"

#include "base/number_text.h"
#include "base/short_date.h"
#include "engine/application.h"
#include "engine/distinct_items.h"
#include "engine/document_writing.h"
#include "engine/draw_plan.h"
#include "engine/generation_path.h"
#include "engine/run_environment.h"
#include "history/history_file.h"
#include "history/history_line.h"
#include "history/saved_sets.h"
#include "output/document_folder.h"
#include "problems/trivial_items.h"

#include <algorithm>
#include <optional>

namespace quill
{

namespace
{

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

// An item equal to one already drawn is drawn again.
bool appendIfNew(ExerciseSet& set, DistinctItems& listed, SetItem item)
{
    if (!listed.add(item))
        return false;
    set.push_back(std::move(item));
    return true;
}

// The kind whose sheets the items are drawn for: the on-screen set is answered as 口算.
ExerciseKind drawnFor(const ExerciseSettings& s, DrawPurpose purpose)
{
    return purpose == DrawPurpose::OnScreen ? ExerciseKind::Oral : s.kind();
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

constexpr const char* othersTakenNote = "（本页前面各部分已有的题不再出。）";

enum class DrawEnd { Full, Stopped, NoChoice, TooFewItems };

// The path's menu choice is checked before every round, so unticking its last item while
// the run draws ends the run as surely as having none at the start. A trivial item is drawn
// again like a repeat, until the settings show they leave hardly anything else
// (problems/trivial_items.h). Settings that allow fewer items than asked end the draw with
// the user told how many there are.
DrawEnd drawList(Application& app, RunEnvironment& env, const GenerationPath& path, Range range,
                 DrawPurpose purpose, const ExerciseSet& elsewhere = {})
{
    const long count = itemCount(app.settings);
    long accepted = 0;
    DistinctItems listed(app.earlierItems);
    for (const SetItem& item : elsewhere)
        listed.exclude(item);
    TrivialRefusals trivial(app.settings);
    while (accepted < count) {
        int r = path.selectorBeforeEvents ? drawSelector(app, path) : 0;
        if (app.stop().stopRequested())
            return DrawEnd::Stopped;
        if (choiceMissing(app, env, path))
            return DrawEnd::NoChoice;
        if (!path.selectorBeforeEvents)
            r = drawSelector(app, path);
        if (ItemGenerator generate = path.pick(app, r)) {
            Draw draw = app.draw();
            SetItem item = generate(draw, range);
            if (trivial.refuses([&] {
                    return isTrivialItem(item, app.settings, drawnFor(app.settings, purpose));
                }))
                continue;
            if (appendIfNew(app.set, listed, std::move(item))) {
                ++accepted;
                trivial.kept();
            } else if (listed.exhausted()) {
                if (listed.allowEarlierItems()) {
                    app.notifier.notify(earlierItemsRepeatedMessage);
                    continue;
                }
                if (trivial.giveWay()) {
                    listed.countRepeatsAfresh();
                    continue;
                }
                app.notifier.notify(tooFewItemsMessage(listed.count(), count) +
                                    (elsewhere.empty() ? "" : othersTakenNote));
                return DrawEnd::TooFewItems;
            }
        }
    }
    return DrawEnd::Full;
}

// A plan that refuses the run is told and ends it; otherwise its notes are told, and forms of
// law items it leaves out are never drawn.
bool followPlan(Application& app, const DrawPlan& plan)
{
    if (plan.refusal) {
        app.notifier.notify(*plan.refusal);
        return false;
    }
    for (const std::string& note : plan.notes)
        app.notifier.notify(note);
    app.lawShapesLeftOut = plan.lawFormsLeftOut;
    app.operationsLeftOut = plan.operationsLeftOut;
    return true;
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
        *file, historyLineText(shortDateText(), kind, savedTextFor(app.settings, app.set)));
    app.notifier.notify(saved ? std::string(savedMessage) : saveFailedMessage(saved));
    return saved.ok();
}

RunOutcome finishRun(RunEnvironment& env, RunOutcome outcome)
{
    env.refreshSavedSets();
    return outcome;
}

// Settings that leave hardly anything else get trivial items anyway, and the user is told
// once how many the set holds.
void tellTrivialItemsKept(Application& app, DrawPurpose purpose)
{
    if (!avoidsTrivialItems(app.settings))
        return;
    const ExerciseKind kind = drawnFor(app.settings, purpose);
    const auto kept = std::ranges::count_if(
        app.set, [&](const SetItem& item) { return isTrivialItem(item, app.settings, kind); });
    if (kept > 0)
        app.notifier.notify(trivialItemsKeptMessage(kept));
}

// The range of a run that draws for the sheets, or nothing when its settings are refused
// (the user was told why).
std::optional<Range> plannedSheetsRange(Application& app, RunEnvironment& env)
{
    const std::optional<Range> range = checkedRange(app, env);
    if (!range || !formatsWritable(app) ||
        !followPlan(app, planDraw(app.settings, *range, DrawPurpose::Sheets)))
        return std::nullopt;
    return range;
}

void beginDrawing(Application& app, bool announce = true)
{
    app.set.clear();
    // A drawn set is nobody's own sheet, whatever sheet was loaded before it.
    app.pupilName.clear();
    app.sheetCode.clear();
    app.random.mixClock();
    if (announce)
        app.notifier.notify(drawingMessage);
}

} // namespace

RunOutcome generateExercises(Application& app, RunEnvironment& env)
{
    const std::optional<Range> range = plannedSheetsRange(app, env);
    if (!range)
        return RunOutcome::Refused;
    const GenerationPath& path = choosePath(app.settings);
    if (!historyUsable(app, env))
        return RunOutcome::Failed;

    RunState& run = app.run;
    run.stopRequested = true; // an earlier run still drawing sees this while we wait, and ends
    env.waitSeconds(earlierRunStopSeconds);
    run.stopRequested = false;
    run.progressTicks = 0;
    env.progressStarted();
    beginDrawing(app);
    // Without a menu choice the run ends at once: no builders, no documents, no refresh.
    const DrawEnd end = drawList(app, env, path, *range, DrawPurpose::Sheets);
    if (end == DrawEnd::NoChoice)
        return RunOutcome::Stopped;
    if (end == DrawEnd::TooFewItems) {
        env.progressStopped();
        app.set.clear(); // a part of a set is no set to answer or write
        return RunOutcome::Refused;
    }
    if (path.afterDraw)
        path.afterDraw(app, *range);
    env.progressStopped();
    if (run.stopRequested)
        return finishRun(env, RunOutcome::Stopped);
    tellTrivialItemsKept(app, DrawPurpose::Sheets);
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

RunOutcome avoidingEarlierItems(Application& app, std::unordered_set<std::string>& earlier,
                                const std::function<RunOutcome()>& run)
{
    app.earlierItems = std::move(earlier);
    const RunOutcome outcome = run();
    earlier = std::move(app.earlierItems);
    app.earlierItems.clear();
    for (const SetItem& item : app.set)
        earlier.insert(itemText(item));
    return outcome;
}

RunOutcome generateBatchSet(Application& app, RunEnvironment& env,
                            std::unordered_set<std::string>& earlier)
{
    return avoidingEarlierItems(app, earlier, [&] { return generateExercises(app, env); });
}

RunOutcome drawOnScreenSet(Application& app, RunEnvironment& env)
{
    const std::optional<Range> range = checkedRange(app, env);
    if (!range)
        return RunOutcome::Refused;
    // Distinct items, as 生成练习 draws them, can run out where repeats could not.
    if (!followPlan(app, planDraw(app.settings, *range, DrawPurpose::OnScreen)))
        return RunOutcome::Refused;
    app.run.stopRequested = false;
    app.run.progressTicks = 0;
    env.progressStarted();
    beginDrawing(app);
    const GenerationPath& path =
        app.settings.fractions.checked ? onScreenFractionPath() : onScreenPath();
    const DrawEnd end = drawList(app, env, path, *range, DrawPurpose::OnScreen);
    env.progressStopped();
    if (end == DrawEnd::TooFewItems) {
        app.set.clear();
        return RunOutcome::Refused;
    }
    if (end != DrawEnd::Full)
        return RunOutcome::Stopped;
    tellTrivialItemsKept(app, DrawPurpose::OnScreen);
    return RunOutcome::Completed;
}

RunOutcome drawPreviewSet(Application& app, RunEnvironment& env)
{
    return drawSheetPart(app, env, {});
}

namespace
{

RunOutcome drawSheetSet(Application& app, RunEnvironment& env, const ExerciseSet& elsewhere,
                        bool announce)
{
    const std::optional<Range> range = plannedSheetsRange(app, env);
    if (!range)
        return RunOutcome::Refused;
    const GenerationPath& path = choosePath(app.settings);
    app.run.stopRequested = false;
    app.run.progressTicks = 0;
    env.progressStarted();
    beginDrawing(app, announce);
    const DrawEnd end = drawList(app, env, path, *range, DrawPurpose::Sheets, elsewhere);
    if (end == DrawEnd::TooFewItems) {
        env.progressStopped();
        app.set.clear();
        return RunOutcome::Refused;
    }
    if (end != DrawEnd::NoChoice && path.afterDraw)
        path.afterDraw(app, *range);
    env.progressStopped();
    if (end == DrawEnd::NoChoice || app.run.stopRequested)
        return RunOutcome::Stopped;
    tellTrivialItemsKept(app, DrawPurpose::Sheets);
    return RunOutcome::Completed;
}

} // namespace

RunOutcome drawSheetPart(Application& app, RunEnvironment& env, const ExerciseSet& elsewhere)
{
    return drawSheetSet(app, env, elsewhere, true);
}

RunOutcome drawFurtherSet(Application& app, RunEnvironment& env)
{
    return drawSheetSet(app, env, {}, false);
}

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

bool formatsWritable(Application& app)
{
    const std::optional<std::string> refusal = formatRefusal(app.settings);
    if (refusal)
        app.notifier.notify(*refusal);
    return !refusal;
}

std::string trivialItemsKeptMessage(long count)
{
    return "这样的设置避不开简单题（如×1、÷1、得数为0），这套题里有" + std::to_string(count) +
           "道。要避开，请扩大数据范围或多选几种运算。";
}

void requestStop(Application& app, RunEnvironment& env)
{
    app.run.stopRequested = true;
    env.progressStopped();
    app.notifier.notify(stoppedMessage);
}

} // namespace quill
