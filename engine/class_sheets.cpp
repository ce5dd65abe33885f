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
#include "output/sheet_sequence.h"
#include "output/worksheet_layout.h"
#include "output/writer_arguments.h"

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

// Each set avoids the items of the sets before it, as the days of a batch do; only the first
// tells that drawing has begun.
RunOutcome drawSheets(Application& app, RunEnvironment& env, const std::vector<std::string>& pupils,
                      std::vector<PupilSheet>& sheets)
{
    const std::vector<std::string> codes = drawSheetCodes(app.random, pupils.size());
    std::unordered_set<std::string> earlier;
    for (std::size_t k = 0; k < pupils.size(); ++k) {
        const RunOutcome drawn = avoidingEarlierItems(app, earlier, [&] {
            return k == 0 ? drawPreviewSet(app, env) : drawFurtherSet(app, env);
        });
        if (drawn != RunOutcome::Completed)
            return drawn;
        sheets.push_back({pupils[k], codes[k], app.set});
    }
    return RunOutcome::Completed;
}

// A stop while the sheets are typed leaves the later pupils out.
bool writeSheets(Application& app, const std::vector<PupilSheet>& sheets, DocumentWriter write,
                 bool answers, WordProcessor& document)
{
    SheetSequence sequence(document);
    for (const PupilSheet& sheet : sheets) {
        if (app.run.stopRequested)
            break;
        const WriterArguments args{app.settings, sheet.set,    sheetLayoutOf(app.settings),
                                   answers,      app.notifier, app.stop(),
                                   sheet.pupil,  sheet.code};
        if (!write(args, sequence))
            return false;
    }
    return sequence.finish();
}

DocumentsWritten writeClassDocuments(Application& app, RunEnvironment& env,
                                     const std::vector<PupilSheet>& sheets)
{
    const DocumentWriter write = choosePath(app.settings).write;
    const SheetDocuments documents{app.settings.option(app.settings.kind()).caption,
                                   [&](bool answers) { return sheetTitle(app.settings, answers); },
                                   [&](bool answers, WordProcessor& document) {
                                       return writeSheets(app, sheets, write, answers, document);
                                   }};
    return writeSheetDocuments(app, env, documents);
}

bool saveSheets(Application& app, RunEnvironment& env, const std::vector<PupilSheet>& sheets)
{
    const std::optional<std::filesystem::path> file = env.historyFile();
    if (!app.settings.saveToHistory.checked || !file)
        return true;
    env.waitSeconds(finishedNoticeSeconds);
    const int kind = historyKindOf(app.settings);
    for (const PupilSheet& sheet : sheets) {
        const std::string text =
            savedTextFor(app.settings, sheet.set) + "|" + pupilSheetField(sheet.code, sheet.pupil);
        if (const IoResult saved =
                appendHistoryLine(*file, historyLineText(shortDateText(), kind, text));
            !saved) {
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

} // namespace

std::vector<std::string> classPupils(std::vector<std::string> roster, std::size_t copies)
{
    return roster.empty() ? std::vector<std::string>(copies) : std::move(roster);
}

RunOutcome generateClassSheets(Application& app, RunEnvironment& env,
                               const std::vector<std::string>& pupils,
                               std::vector<PupilSheet>& sheets)
{
    sheets.clear();
    if (pupils.empty())
        return RunOutcome::Refused;
    const FirstNoticesOnly once(app);
    if (!historyUsable(app, env))
        return RunOutcome::Failed;
    app.run.stopRequested = true; // an earlier run still drawing sees this while we wait, and ends
    env.waitSeconds(earlierRunStopSeconds);
    if (const RunOutcome drawn = drawSheets(app, env, pupils, sheets);
        drawn != RunOutcome::Completed)
        return drawn == RunOutcome::Stopped ? finished(env, drawn) : drawn;
    const DocumentsWritten written = writeClassDocuments(app, env, sheets);
    if (written == DocumentsWritten::Failed)
        return finished(env, RunOutcome::Failed);
    if (app.run.stopRequested)
        return finished(env, RunOutcome::Stopped);
    app.notifier.notify(finishedMessage);
    if (written == DocumentsWritten::Written && !saveSheets(app, env, sheets))
        return finished(env, RunOutcome::Failed);
    return finished(env, RunOutcome::Completed);
}

} // namespace quill
