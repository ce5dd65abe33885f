#include "engine/settings_options.h"

#include "engine/generate_options.h"
#include "settings/column_rule_words.h"
#include "settings/control_glossary.h"
#include "settings/exercise_kinds.h"
#include "settings/notifier.h"

#include <algorithm>
#include <optional>
#include <span>
#include <tuple>

namespace quill
{

namespace
{

using Options = std::vector<std::string>;

void add(Options& options, std::string name, std::string value = {})
{
    options.push_back(std::move(name));
    if (!value.empty())
        options.push_back(std::move(value));
}

// Grade, kind and number type: the choices the other controls' starting values follow.
Options headOptions(const ExerciseSettings& s)
{
    Options options;
    if (s.grade.index != ExerciseSettings().grade.index)
        add(options, "--grade", std::to_string(s.grade.index));
    if (s.kind() != ExerciseSettings().kind())
        add(options, "--kind", std::string(kindRow(s.kind()).commandName));
    const std::pair<const CheckBox*, const char*> types[] = {
        {&s.decimals, "decimal"}, {&s.fractions, "fraction"}, {&s.percentages, "percent"}};
    for (const auto& [box, name] : types)
        if (box->checked)
            add(options, "--numbers", name);
    return options;
}

void addOperations(Options& options, const ExerciseSettings& s, const ExerciseSettings& base)
{
    const std::pair<const CheckBox*, const char*> ops[] = {{&s.addition, "add"},
                                                           {&s.subtraction, "sub"},
                                                           {&s.multiplication, "mul"},
                                                           {&s.division, "div"}};
    const CheckBox* baseOps[] = {&base.addition, &base.subtraction, &base.multiplication,
                                 &base.division};
    std::string list;
    bool differs = false;
    // A disabled box keeps the value it starts with, so that applying the list leaves it be.
    for (std::size_t i = 0; i < std::size(ops); ++i) {
        const CheckBox& box = *ops[i].first;
        if (box.enabled ? box.checked : baseOps[i]->checked)
            list += (list.empty() ? "" : ",") + std::string(ops[i].second);
        differs = differs || (box.enabled && box.checked != baseOps[i]->checked);
    }
    if (differs && !list.empty())
        add(options, "--ops", list);
}

void addTexts(Options& options, const ExerciseSettings& s, const ExerciseSettings& base)
{
    if (s.rangeTyped && !s.rangeStart.text.empty() && !s.rangeEnd.text.empty()) {
        add(options, "--from", s.rangeStart.text);
        add(options, "--to", s.rangeEnd.text);
    }
    const std::tuple<const NumberBox*, const NumberBox*, const char*> texts[] = {
        {&s.itemCount, &base.itemCount, "--count"},
        {&s.columns, &base.columns, "--columns"},
        {&s.fontSize, &base.fontSize, "--font-size"},
        {&s.rowHeight, &base.rowHeight, "--row-height"},
    };
    for (const auto& [box, baseBox, name] : texts)
        if (box->text != baseBox->text && !box->text.empty())
            add(options, name, box->text);
}

// A box that differs from its starting value, said by the option for its new value.
void addBox(Options& options, const CheckBox& box, const CheckBox& base, const char* on,
            const char* off)
{
    if (!box.enabled || box.checked == base.checked)
        return;
    if (const char* name = box.checked ? on : off)
        add(options, name);
}

void addModifiers(Options& options, const ExerciseSettings& s, const ExerciseSettings& base)
{
    addBox(options, s.exactOrProper, base.exactOrProper, "--exact", "--no-exact");
    addBox(options, s.zeroInMiddle, base.zeroInMiddle, "--zero-middle", nullptr);
    addBox(options, s.zeroAtEnd, base.zeroAtEnd, "--zero-end", nullptr);
    addBox(options, s.wholeTens, base.wholeTens, "--round-tens", nullptr);
    addBox(options, s.fillIn, base.fillIn, "--fill-in", nullptr);
    addBox(options, s.easyMode, base.easyMode, "--easy", "--no-easy");
    addBox(options, s.capResults, base.capResults, "--cap-results", nullptr);
    addBox(options, s.avoidTrivial, base.avoidTrivial, nullptr, "--allow-trivial");
    if (s.roundAnswers.enabled && s.roundAnswers.checked)
        add(options, "--keep", std::to_string(s.answerPlaces.index));
    if (s.operandPlaces.enabled && s.operandPlaces.index != base.operandPlaces.index)
        add(options, "--places", std::to_string(s.operandPlaces.index));
    if (s.stepCount.enabled && s.stepCount.index != base.stepCount.index)
        add(options, "--steps", std::to_string(s.stepCount.index + 3));
    if (s.carry.enabled && s.carry.index != base.carry.index)
        add(options, "--carry", std::string(carryWords()[s.carry.index]));
    if (s.borrow.enabled && s.borrow.index != base.borrow.index)
        add(options, "--borrow", std::string(borrowWords()[s.borrow.index]));
    if (s.closeness != base.closeness)
        add(options, "--closeness", std::to_string(s.closeness));
}

// A menu's ticked items by the names the help lists, when they differ from the start.
template <size_t N>
void addMenu(Options& options, const std::array<MenuItem*, N>& items,
             const std::array<MenuItem*, N>& base, const char* name)
{
    std::string list;
    bool differs = false;
    for (std::size_t i = 0; i < N; ++i) {
        differs = differs || items[i]->checked != base[i]->checked;
        if (!items[i]->checked)
            continue;
        std::string_view spelling = items[i]->name;
        for (const GlossaryEntry& entry : controlGlossary())
            if (entry.control == items[i]->name)
                spelling = entry.field;
        list += (list.empty() ? "" : ",") + std::string(spelling);
    }
    if (differs && !list.empty())
        add(options, name, list);
}

void addPage(Options& options, ExerciseSettings s, ExerciseSettings base)
{
    addMenu(options, s.lawItems(), base.lawItems(), "--laws");
    addMenu(options, s.unitItems(), base.unitItems(), "--units");
    const char* fonts[] = {"宋体", "楷体", "黑体", "微软雅黑"};
    const char* formats[] = {"docx", "pdf", "both"};
    const char* layouts[] = {"standard", "dense", "large"};
    const std::tuple<const DropDown*, const DropDown*, const char*, std::span<const char*>> lists[] = {
        {&s.font, &base.font, "--font", fonts},
        {&s.documentFormat, &base.documentFormat, "--format", formats},
        {&s.pageLayout, &base.pageLayout, "--layout", layouts},
    };
    for (const auto& [list, baseList, name, words] : lists)
        if (list->index != baseList->index && list->index >= 0 &&
            static_cast<std::size_t>(list->index) < words.size())
            add(options, name, words[static_cast<std::size_t>(list->index)]);
    if (!s.borders.checked)
        add(options, "--no-borders");
    if (s.answerSheet.checked)
        add(options, "--answers");
}

} // namespace

std::vector<std::string> settingsOptions(const ExerciseSettings& s)
{
    Options options = headOptions(s);
    ExerciseSettings base;
    SilentNotifier silent;
    applyGenerateOptions(parseGenerateOptions(options), base, silent);
    addOperations(options, s, base);
    addTexts(options, s, base);
    addModifiers(options, s, base);
    addPage(options, s, base);
    return options;
}

ExerciseSettings settingsOfOptions(const std::vector<std::string>& options)
{
    const GenerateOptions parsed = parseGenerateOptions(options);
    if (!parsed.parts.empty())
        throw UsageError("这是混合练习的配方（有 [[part]]），窗口里不能设置；"
                         "请用 quillmere generate --recipe 出题。");
    ExerciseSettings settings;
    SilentNotifier silent;
    applyGenerateOptions(parsed, settings, silent);
    return settings;
}

std::optional<std::vector<std::string>> generateOptionsOf(const ExerciseSettings& settings)
{
    // 答案 and 格式 belong to the run, not to the sheet a part draws.
    ExerciseSettings sheet = settings;
    sheet.answerSheet.checked = false;
    sheet.documentFormat.index = ExerciseSettings().documentFormat.index;
    try {
        std::vector<std::string> options = settingsOptions(sheet);
        if (sameSheetSettings(settingsOfOptions(options), settings))
            return options;
    } catch (const UsageError&) {
    }
    return std::nullopt;
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
