#include "engine/mistakes_sheet.h"

#include "base/printable_text.h"
#include "base/short_date.h"
#include "engine/application.h"
#include "engine/generate_options.h"
#include "engine/saved_set_loading.h"
#include "history/history_line.h"
#include "history/saved_set_load.h"
#include "settings/exercise_kinds.h"

#include <algorithm>
#include <random>
#include <set>

namespace quill
{

namespace
{

class QuietNotifier : public Notifier
{
protected:
    void show(const std::string&, const std::string&, TrayIcon) override {}
};

// The settings a recorded set was drawn with, as `quillmere answer` applied them; a set
// recorded with options this version does not read is reviewed with the defaults.
void applyRecordedOptions(Application& app, std::string_view recorded,
                          std::optional<std::size_t> count)
{
    GenerateOptions options;
    try {
        options = parseGenerateOptions(drawingOptionsOf(recorded));
    } catch (const UsageError&) {
        options = {};
    }
    const auto kinds = exerciseKinds();
    options.kind = std::find_if(kinds.begin(), kinds.end(), [](const ExerciseKindRow& row) {
                       return row.answeredOnScreen;
                   })->kind;
    if (count)
        options.count = std::to_string(*count);
    QuietNotifier quiet;
    applyGenerateOptions(options, app.settings, quiet);
}

// The stored item texts as a saved set of this kind reads them back.
ExerciseSet typedItems(int kind, const std::vector<std::string>& texts)
{
    std::string list;
    for (const std::string& text : texts)
        list += " " + text;
    return savedSetItems(parseHistoryLine(historyLineText(shortDateText(), kind, list)));
}

bool answerable(const SetItem& item)
{
    return std::holds_alternative<OperationItem>(item) ||
           std::holds_alternative<FractionExpression>(item);
}

// Fresh items of the settings' kind, none already on the sheet, until it holds `count`.
void topUp(Application& app, ExerciseSet& set, std::size_t count, std::uint64_t seed,
           RunEnvironment& drawing)
{
    std::set<std::string> onSheet;
    for (const SetItem& item : set)
        onSheet.insert(itemText(item));
    for (int draw = 0; draw < 5 && set.size() < count; ++draw) {
        app.random.seed(seed + static_cast<std::uint64_t>(draw));
        if (drawOnScreenSet(app, drawing) != RunOutcome::Completed)
            return;
        for (const SetItem& item : app.set)
            if (set.size() < count && answerable(item) && onSheet.insert(itemText(item)).second)
                set.push_back(item);
    }
}

} // namespace

std::vector<KindMistakes> mistakesByKind(const std::vector<MistakeRecord>& mistakes)
{
    std::vector<KindMistakes> groups;
    for (const MistakeRecord& mistake : mistakes) {
        QuietNotifier quiet;
        Application probe(quiet);
        applyRecordedOptions(probe, mistake.options, std::nullopt);
        const int kind = historyKindOf(probe.settings);
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const KindMistakes& g) { return g.kind == kind; });
        if (group == groups.end())
            group = groups.insert(groups.end(), {kind, {}, {}});
        group->options = mistake.options;
        group->items.push_back(mistake.item);
    }
    return groups;
}

std::size_t prepareMistakesSheet(Application& app, const KindMistakes& group,
                                 std::optional<std::size_t> count, std::uint64_t seed,
                                 RunEnvironment& drawing)
{
    applyRecordedOptions(app, group.options, count);
    ExerciseSet set = typedItems(group.kind, group.items);
    if (count && set.size() > *count)
        set.resize(*count);
    const std::size_t mistakes = set.size();
    if (count)
        topUp(app, set, *count, seed, drawing);
    app.set = set;
    return mistakes;
}

RunOutcome writeMistakesSheet(Application& app, int kind, RunEnvironment& env)
{
    const std::string line =
        historyLineText(shortDateText(), kind, savedTextFor(app.settings, app.set));
    return loadSavedSet(app, env, line);
}

std::string mistakesSheetMessage(std::string_view pupil, std::size_t mistakes, std::size_t total)
{
    std::string message =
        printableText(std::string(pupil)) + "的错题 " + std::to_string(mistakes) + " 道";
    if (total > mistakes)
        message += "，另出同类新题 " + std::to_string(total - mistakes) + " 道";
    return message + "。";
}

std::uint64_t freshSeed()
{
    std::random_device device;
    return static_cast<std::uint64_t>(device()) << 32 | device();
}

} // namespace quill
