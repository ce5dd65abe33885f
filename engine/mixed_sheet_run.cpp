#include "engine/mixed_sheet_run.h"

#include "base/short_date.h"
#include "engine/application.h"
#include "engine/document_writing.h"
#include "engine/generate_options.h"
#include "engine/generation_path.h"
#include "engine/run_environment.h"
#include "engine/saved_set_loading.h"
#include "history/history_file.h"
#include "history/history_line.h"
#include "history/mixed_history_line.h"
#include "history/saved_set_load.h"
#include "history/saved_sets.h"
#include "output/mixed_sheet_writer.h"
#include "output/worksheet_writer.h"
#include "output/writer_arguments.h"

#include <algorithm>

namespace quill
{

namespace
{

constexpr std::string_view unreadableMixedMessage = "这条保存的混合练习格式不对，无法载入！";

void refuseUnmixable(const ExerciseSettings& s)
{
    const std::string caption = s.option(s.kind()).caption;
    const std::string usable = "混合练习可用口算、估算、竖式计算、脱式计算和解方程（整数、小数、"
                               "百分数），每部分自成一个表格。";
    if (s.fractions.checked)
        throw UsageError("分数的“" + caption + "”不能放进混合练习：分数题的版面自成一页。" +
                         usable);
    if (choosePath(s).write != &writeWorksheet)
        throw UsageError("“" + caption + "”不能放进混合练习：它的版面自成一页。" + usable);
    if (s.pageLayout.index == static_cast<int>(PageLayoutChoice::Dense))
        throw UsageError("混合练习不能用“一页100题”版式（--layout dense）：它把一种题排满一页。");
}

// The sheets' part of a run: each part's settings take the run's 答案 and 格式.
std::vector<WriterArguments> writerArguments(Application& app, const std::vector<SheetPart>& parts,
                                             bool answers, std::string_view pupil,
                                             std::string_view code)
{
    std::vector<WriterArguments> args;
    for (const SheetPart& part : parts)
        args.push_back({part.settings, part.set, sheetLayoutOf(part.settings), answers,
                        app.notifier, app.stop(), pupil, code});
    return args;
}

// A reloaded pupil's sheet comes back under the pupil's name and code.
DocumentsWritten writeMixedDocuments(Application& app, RunEnvironment& env,
                                     std::vector<SheetPart>& parts)
{
    const SheetDocuments sheets{
        std::string(mixedDocumentName),
        [&](bool answers) {
            return pupilTitle(mixedSheetTitle(parts.front().settings, answers), app.pupilName,
                              app.sheetCode);
        },
        [&](bool answers, WordProcessor& document) {
            return writeMixedParts(app, parts, answers, document, app.pupilName, app.sheetCode);
        }};
    return writeSheetDocuments(app, env, sheets);
}

bool saveMixedSet(Application& app, RunEnvironment& env, const std::vector<SheetPart>& parts)
{
    const std::optional<std::filesystem::path> file = env.historyFile();
    if (!app.settings.saveToHistory.checked || !file)
        return true;
    env.waitSeconds(finishedNoticeSeconds);
    const IoResult result = appendHistoryLine(*file, mixedSetLine(parts));
    app.notifier.notify(result ? std::string(savedMessage) : saveFailedMessage(result));
    return result.ok();
}

// Draws one part with the application's random source and stop; its items are in part.set.
RunOutcome drawPart(Application& app, RunEnvironment& env, SheetPart& part,
                    const ExerciseSet& elsewhere)
{
    app.settings = part.settings;
    const RunOutcome outcome = drawSheetPart(app, env, elsewhere);
    part.set = app.set;
    return outcome;
}

// Writes the sheets with the run's settings back in place, whatever the parts selected.
template <typename Step> auto withRunSettings(Application& app, Step step)
{
    const ExerciseSettings run = app.settings;
    auto result = step();
    app.settings = run;
    return result;
}

} // namespace

SheetPart sheetPart(std::vector<std::string> options, Notifier& notifier)
{
    SheetPart part{std::move(options), {}, {}};
    applyGenerateOptions(parseGenerateOptions(part.options), part.settings, notifier);
    refuseUnmixable(part.settings);
    return part;
}

std::vector<std::vector<std::string>> partOptions(const std::vector<std::string>& shared,
                                                  const std::vector<std::vector<std::string>>& own)
{
    std::vector<std::vector<std::string>> options;
    for (const std::vector<std::string>& part : own) {
        options.push_back(shared);
        options.back().insert(options.back().end(), part.begin(), part.end());
    }
    return options;
}

RunOutcome drawMixedParts(Application& app, RunEnvironment& env, std::vector<SheetPart>& parts)
{
    return withRunSettings(app, [&] {
        ExerciseSet elsewhere;
        for (SheetPart& part : parts) {
            if (const RunOutcome outcome = drawPart(app, env, part, elsewhere);
                outcome != RunOutcome::Completed)
                return outcome;
            elsewhere.insert(elsewhere.end(), part.set.begin(), part.set.end());
        }
        return RunOutcome::Completed;
    });
}

RunOutcome generateMixedSheet(Application& app, RunEnvironment& env, std::vector<SheetPart>& parts)
{
    if (parts.empty() || !formatsWritable(app))
        return RunOutcome::Refused;
    if (!historyUsable(app, env))
        return RunOutcome::Failed;
    if (const RunOutcome drawn = drawMixedParts(app, env, parts); drawn != RunOutcome::Completed)
        return drawn;
    const DocumentsWritten written = writeMixedDocuments(app, env, parts);
    if (written == DocumentsWritten::Failed)
        return RunOutcome::Failed;
    if (app.run.stopRequested)
        return RunOutcome::Stopped;
    app.notifier.notify(finishedMessage);
    if (written == DocumentsWritten::Written && !saveMixedSet(app, env, parts))
        return RunOutcome::Failed;
    env.refreshSavedSets();
    return RunOutcome::Completed;
}

RunOutcome avoidingEarlierParts(Application& app, std::vector<SheetPart>& parts,
                                std::unordered_set<std::string>& earlier,
                                const std::function<RunOutcome()>& run)
{
    app.earlierItems = std::move(earlier);
    const RunOutcome outcome = run();
    earlier = std::move(app.earlierItems);
    app.earlierItems.clear();
    for (const SheetPart& part : parts)
        for (const SetItem& item : part.set)
            earlier.insert(itemText(item));
    return outcome;
}

RunOutcome generateBatchMixedSheet(Application& app, RunEnvironment& env,
                                   std::vector<SheetPart>& parts,
                                   std::unordered_set<std::string>& earlier)
{
    return avoidingEarlierParts(app, parts, earlier,
                                [&] { return generateMixedSheet(app, env, parts); });
}

bool writeMixedParts(Application& app, const std::vector<SheetPart>& parts, bool answers,
                     WordProcessor& document, std::string_view pupil, std::string_view code)
{
    return writeMixedSheet(writerArguments(app, parts, answers, pupil, code), document);
}

std::string mixedSetLine(const std::vector<SheetPart>& parts)
{
    std::vector<std::vector<std::string>> options;
    std::vector<std::string> saved;
    for (const SheetPart& part : parts) {
        options.push_back(part.options);
        saved.push_back(std::to_string(historyKindOf(part.settings)) + "|" +
                        savedTextFor(part.settings, part.set));
    }
    return mixedHistoryLineText(shortDateText(), options, saved);
}

RunOutcome loadMixedSet(Application& app, RunEnvironment& env, std::string_view lineText)
{
    const auto lines = parseMixedHistoryLine(lineText);
    if (!lines) {
        app.notifier.notify(unreadableMixedMessage);
        return RunOutcome::Refused;
    }
    for (const MixedPartLine& line : *lines)
        if (const std::optional<std::string> refusal = loadRefusal(line.line)) {
            app.notifier.notify(*refusal);
            return RunOutcome::Refused;
        }
    std::vector<SheetPart> parts;
    try {
        for (const MixedPartLine& line : *lines)
            parts.push_back(sheetPart(line.options, app.notifier));
    } catch (const UsageError& error) {
        app.notifier.notify(std::string(unreadableMixedMessage) + error.what());
        return RunOutcome::Refused;
    }
    app.run.stopRequested = false;
    app.notifier.notify(drawingMessage);
    // A pupil's sheet comes back with its name and code, so its key can be told by them.
    const HistoryLine whole = parseHistoryLine(lineText);
    app.sheetCode = whole.sheetCode.value_or("");
    app.pupilName = whole.pupilName;
    withRunSettings(app, [&] {
        for (std::size_t k = 0; k < parts.size(); ++k) {
            app.settings = parts[k].settings;
            app.set = savedSetItems((*lines)[k].line);
            prepareSheets(app, sheetRange(app.settings));
            parts[k].set = app.set;
        }
        return 0;
    });
    if (writeMixedDocuments(app, env, parts) == DocumentsWritten::Failed)
        return RunOutcome::Failed;
    if (app.run.stopRequested)
        return RunOutcome::Stopped;
    app.notifier.notify(finishedMessage);
    return RunOutcome::Completed;
}

} // namespace quill
