#include "engine/class_sheets.h"

#include "base/short_date.h"
#include "engine/application.h"
#include "engine/document_writing.h"
#include "engine/generation_path.h"
#include "engine/run_environment.h"
#include "engine/sheet_code.h"
#include "history/history_file.h"
#include "history/history_line.h"
#include "history/saved_sets.h"
#include "output/mixed_sheet_writer.h"
#include "output/sheet_sequence.h"
#include "output/worksheet_layout.h"
#include "output/writer_arguments.h"

#include <functional>
#include <unordered_set>

namespace quill
{

namespace
{

// A class run draws and writes one set per pupil, and what one set gives cause to tell (that
// earlier items repeat, that a layout does not fit) the next gives again: each notice is told
// the first time only, for as long as the run lasts.
class FirstNoticesOnly : public Notifier
{
public:
    explicit FirstNoticesOnly(Application& app) : app_(app), host_(app.notifier.target())
    {
        app_.notifier.routeTo(*this);
    }
    ~FirstNoticesOnly() override { app_.notifier.routeTo(host_); }
    FirstNoticesOnly(const FirstNoticesOnly&) = delete;
    FirstNoticesOnly& operator=(const FirstNoticesOnly&) = delete;

protected:
    void show(const std::string& text, const std::string& title, TrayIcon icon) override
    {
        if (told_.insert(text).second)
            host_.notify(text, title, icon);
    }

private:
    Application& app_;
    Notifier& host_;
    std::unordered_set<std::string> told_;
};

// What differs between a class of single-kind sheets and one of mixed sheets.
struct ClassSheetSteps {
    // Draws pupil k's sheet into `sheet`, not drawing `earlier`'s items while the settings
    // allow others; its items then join `earlier`.
    std::function<RunOutcome(std::size_t k, std::unordered_set<std::string>& earlier,
                             PupilSheet& sheet)>
        draw;
    std::function<std::string()> documentName;
    std::function<std::string(bool answers)> title;
    std::function<bool(const PupilSheet& sheet, bool answers, WordProcessor& document)> write;
    // The sheet's history line, without the pupil's field.
    std::function<std::string(const PupilSheet& sheet)> savedLine;
};

RunOutcome drawSheets(Application& app, const std::vector<std::string>& pupils,
                      const ClassSheetSteps& steps, std::vector<PupilSheet>& sheets)
{
    const std::vector<std::string> codes = drawSheetCodes(app.random, pupils.size());
    std::unordered_set<std::string> earlier;
    for (std::size_t k = 0; k < pupils.size(); ++k) {
        PupilSheet sheet{pupils[k], codes[k], {}, {}};
        if (const RunOutcome drawn = steps.draw(k, earlier, sheet); drawn != RunOutcome::Completed)
            return drawn;
        sheets.push_back(std::move(sheet));
    }
    return RunOutcome::Completed;
}

// A stop while the sheets are typed leaves the later pupils out.
bool writeSheets(Application& app, const std::vector<PupilSheet>& sheets,
                 const ClassSheetSteps& steps, bool answers, WordProcessor& document)
{
    SheetSequence sequence(document);
    for (const PupilSheet& sheet : sheets) {
        if (app.run.stopRequested)
            break;
        if (!steps.write(sheet, answers, sequence))
            return false;
    }
    return sequence.finish();
}

DocumentsWritten writeClassDocuments(Application& app, RunEnvironment& env,
                                     const std::vector<PupilSheet>& sheets,
                                     const ClassSheetSteps& steps)
{
    const SheetDocuments documents{steps.documentName(), steps.title,
                                   [&](bool answers, WordProcessor& document) {
                                       return writeSheets(app, sheets, steps, answers, document);
                                   }};
    return writeSheetDocuments(app, env, documents);
}

bool saveSheets(Application& app, RunEnvironment& env, const std::vector<PupilSheet>& sheets,
                const ClassSheetSteps& steps)
{
    const std::optional<std::filesystem::path> file = env.historyFile();
    if (!app.settings.saveToHistory.checked || !file)
        return true;
    env.waitSeconds(finishedNoticeSeconds);
    for (const PupilSheet& sheet : sheets) {
        const std::string line =
            steps.savedLine(sheet) + "|" + pupilSheetField(sheet.code, sheet.pupil);
        if (const IoResult saved = appendHistoryLine(*file, line); !saved) {
            app.notifier.notify(saveFailedMessage(saved));
            return false;
        }
    }
    app.notifier.notify(savedMessage);
    return true;
}

RunOutcome finished(RunEnvironment& env, RunOutcome outcome)
{
    env.refreshSavedSets();
    return outcome;
}

RunOutcome runClass(Application& app, RunEnvironment& env, const std::vector<std::string>& pupils,
                    const ClassSheetSteps& steps, std::vector<PupilSheet>& sheets)
{
    sheets.clear();
    if (pupils.empty())
        return RunOutcome::Refused;
    const FirstNoticesOnly once(app);
    if (!historyUsable(app, env))
        return RunOutcome::Failed;
    app.run.stopRequested = true; // an earlier run still drawing sees this while we wait, and ends
    env.waitSeconds(earlierRunStopSeconds);
    if (const RunOutcome drawn = drawSheets(app, pupils, steps, sheets);
        drawn != RunOutcome::Completed)
        return drawn == RunOutcome::Stopped ? finished(env, drawn) : drawn;
    const DocumentsWritten written = writeClassDocuments(app, env, sheets, steps);
    if (written == DocumentsWritten::Failed)
        return finished(env, RunOutcome::Failed);
    if (app.run.stopRequested)
        return finished(env, RunOutcome::Stopped);
    app.notifier.notify(finishedMessage);
    if (written == DocumentsWritten::Written && !saveSheets(app, env, sheets, steps))
        return finished(env, RunOutcome::Failed);
    return finished(env, RunOutcome::Completed);
}

} // namespace

std::vector<std::string> classPupils(std::vector<std::string> roster, std::size_t copies)
{
    return roster.empty() ? std::vector<std::string>(copies) : std::move(roster);
}

// Only the first set tells that drawing has begun.
RunOutcome generateClassSheets(Application& app, RunEnvironment& env,
                               const std::vector<std::string>& pupils,
                               std::vector<PupilSheet>& sheets)
{
    const ClassSheetSteps steps{
        [&](std::size_t k, std::unordered_set<std::string>& earlier, PupilSheet& sheet) {
            const RunOutcome drawn = avoidingEarlierItems(app, earlier, [&] {
                return k == 0 ? drawPreviewSet(app, env) : drawFurtherSet(app, env);
            });
            sheet.set = app.set;
            return drawn;
        },
        [&] { return app.settings.option(app.settings.kind()).caption; },
        [&](bool answers) { return sheetTitle(app.settings, answers); },
        [&](const PupilSheet& sheet, bool answers, WordProcessor& document) {
            const WriterArguments args{app.settings, sheet.set,    sheetLayoutOf(app.settings),
                                       answers,      app.notifier, app.stop(),
                                       sheet.pupil,  sheet.code};
            return choosePath(app.settings).write(args, document);
        },
        [&](const PupilSheet& sheet) {
            return historyLineText(shortDateText(), historyKindOf(app.settings),
                                   savedTextFor(app.settings, sheet.set));
        }};
    return runClass(app, env, pupils, steps, sheets);
}

RunOutcome generateClassMixedSheets(Application& app, RunEnvironment& env,
                                    const std::vector<std::string>& pupils,
                                    const std::vector<SheetPart>& parts,
                                    std::vector<PupilSheet>& sheets)
{
    if (parts.empty() || !formatsWritable(app))
        return RunOutcome::Refused;
    const ClassSheetSteps steps{
        [&](std::size_t, std::unordered_set<std::string>& earlier, PupilSheet& sheet) {
            sheet.parts = parts;
            return avoidingEarlierParts(app, sheet.parts, earlier,
                                        [&] { return drawMixedParts(app, env, sheet.parts); });
        },
        [] { return std::string(mixedDocumentName); },
        [&](bool answers) { return mixedSheetTitle(parts.front().settings, answers); },
        [&](const PupilSheet& sheet, bool answers, WordProcessor& document) {
            return writeMixedParts(app, sheet.parts, answers, document, sheet.pupil, sheet.code);
        },
        [](const PupilSheet& sheet) { return mixedSetLine(sheet.parts); }};
    return runClass(app, env, pupils, steps, sheets);
}

} // namespace quill
