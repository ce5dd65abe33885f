#include "engine/settings_options.h"

#include "engine/generate_options.h"
#include "settings/column_rule_words.h"
#include "settings/exercise_kinds.h"
#include "settings/notifier.h"

#include <tuple>

namespace quill
{

namespace
{

constexpr std::string_view numberWords[] = {"whole", "decimal", "fraction", "percent"};
constexpr std::string_view operationWords[] = {"add", "sub", "mul", "div"};
constexpr std::string_view layoutWords[] = {"standard", "dense", "large"};

class OptionList
{
public:
    void add(std::string_view name) { args_.emplace_back(name); }
    void add(std::string_view name, std::string value)
    {
        add(name);
        args_.push_back(std::move(value));
    }
    void addIf(bool wanted, std::string_view name)
    {
        if (wanted)
            add(name);
    }
    std::vector<std::string> take() { return std::move(args_); }

private:
    std::vector<std::string> args_;
};

void addKindAndNumbers(const ExerciseSettings& s, OptionList& o)
{
    o.add("--grade", std::to_string(s.grade.index));
    o.add("--kind", std::string(kindRow(s.kind()).commandName));
    const CheckBox* numbers[] = {&s.wholeNumbers, &s.decimals, &s.fractions, &s.percentages};
    for (int k = 0; k < 4; ++k)
        if (numbers[k]->checked)
            o.add("--numbers", std::string(numberWords[k]));
    const CheckBox* operations[] = {&s.addition, &s.subtraction, &s.multiplication, &s.division};
    std::string ops;
    for (int k = 0; k < 4; ++k)
        if (operations[k]->checked)
            ops += (ops.empty() ? "" : ",") + std::string(operationWords[k]);
    if (!ops.empty())
        o.add("--ops", ops);
}

void addBoxes(const ExerciseSettings& s, OptionList& o)
{
    o.add("--from", s.rangeStart.text);
    o.add("--to", s.rangeEnd.text);
    o.add("--count", s.itemCount.text);
    o.add("--columns", s.columns.text);
    o.add("--font-size", s.fontSize.text);
    o.add("--row-height", s.rowHeight.text);
    o.add("--font", s.font.selectedText());
    o.add("--closeness", std::to_string(s.closeness));
}

void addRules(const ExerciseSettings& s, OptionList& o)
{
    if (s.operandPlaces.enabled)
        o.add("--places", std::to_string(s.operandPlaces.index));
    if (s.roundAnswers.checked)
        o.add("--keep", std::to_string(s.answerPlaces.index));
    if (s.exactOrProper.enabled)
        o.add(s.exactOrProper.checked ? "--exact" : "--no-exact");
    o.addIf(s.zeroInMiddle.checked, "--zero-middle");
    o.addIf(s.zeroAtEnd.checked, "--zero-end");
    o.addIf(s.wholeTens.checked, "--round-tens");
    o.addIf(s.fillIn.checked, "--fill-in");
    o.addIf(s.capResults.checked, "--cap-results");
    if (s.easyMode.enabled)
        o.add(s.easyMode.checked ? "--easy" : "--no-easy");
    o.addIf(!s.avoidTrivial.checked, "--allow-trivial");
    if (s.stepCount.enabled)
        o.add("--steps", std::to_string(s.stepCount.index + 3));
    if (s.carry.enabled && s.carry.index != 0)
        o.add("--carry", std::string(carryWords()[s.carry.index]));
    if (s.borrow.enabled && s.borrow.index != 0)
        o.add("--borrow", std::string(borrowWords()[s.borrow.index]));
    if (s.pageLayout.index != 0)
        o.add("--layout", std::string(layoutWords[s.pageLayout.index]));
    o.addIf(!s.borders.checked, "--no-borders");
}

} // namespace

std::optional<std::vector<std::string>> generateOptionsOf(const ExerciseSettings& settings)
{
    OptionList list;
    addKindAndNumbers(settings, list);
    addBoxes(settings, list);
    addRules(settings, list);
    std::vector<std::string> options = list.take();
    try {
        ExerciseSettings made;
        SilentNotifier quiet;
        applyGenerateOptions(parseGenerateOptions(options), made, quiet);
        if (!sameSheetSettings(made, settings))
            return std::nullopt;
    } catch (const UsageError&) {
        return std::nullopt;
    }
    return options;
}

bool sameSheetSettings(const ExerciseSettings& a, const ExerciseSettings& b)
{
    const auto texts = [](const ExerciseSettings& s) {
        return std::tuple(s.rangeStart.text, s.rangeEnd.text, s.itemCount.text, s.columns.text,
                          s.fontSize.text, s.rowHeight.text);
    };
    const auto checks = [](const ExerciseSettings& s) {
        return std::tuple(s.wholeNumbers.checked, s.decimals.checked, s.fractions.checked,
                          s.percentages.checked, s.addition.checked, s.subtraction.checked,
                          s.multiplication.checked, s.division.checked, s.exactOrProper.checked,
                          s.zeroInMiddle.checked, s.zeroAtEnd.checked, s.wholeTens.checked,
                          s.fillIn.checked, s.easyMode.checked, s.capResults.checked,
                          s.avoidTrivial.checked, s.roundAnswers.checked, s.borders.checked);
    };
    // A list the kind disables, or 保留 unticked, leaves its choice unused.
    const auto used = [](const DropDown& list, bool inUse = true) {
        return list.enabled && inUse ? list.index : -1;
    };
    const auto lists = [&](const ExerciseSettings& s) {
        return std::tuple(s.grade.index, used(s.operandPlaces),
                          used(s.answerPlaces, s.roundAnswers.checked), s.font.index,
                          s.pageLayout.index, used(s.stepCount), used(s.carry), used(s.borrow),
                          s.closeness, s.kind());
    };
    return texts(a) == texts(b) && checks(a) == checks(b) && lists(a) == lists(b);
}

} // namespace quill
