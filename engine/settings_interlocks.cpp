#include "engine/settings_interlocks.h"

#include "base/number_text.h"
#include "engine/sheet_combinations.h"
#include "settings/default_range.h"
#include "settings/exercise_kinds.h"
#include "settings/notifier.h"

#include <optional>
#include <string_view>
#include <variant>

namespace quill
{

namespace
{

constexpr std::string_view exactDivisionCaption = "能够整除";
constexpr std::string_view properFractionCaption = "是真分数";

bool& enabledFlag(ExerciseSettings& s, SwitchedControl control)
{
    return std::visit([&s](auto member) -> bool& { return (s.*member).enabled; }, control);
}

void applySwitches(ExerciseSettings& s, const ControlSwitches& switches)
{
    for (const SwitchedControl control : switches.enables)
        enabledFlag(s, control) = true;
    for (const SwitchedControl control : switches.disables)
        enabledFlag(s, control) = false;
}

std::string timesColumns(const ExerciseSettings& s, int factor)
{
    return shortestText(s.columns.value() * factor);
}

std::string defaultCount(const ExerciseSettings& s, const DefaultCount& count)
{
    if (count.perColumn != 0)
        return timesColumns(s, count.perColumn);
    const bool firstYear = s.gradeIndex() == 1 || s.gradeIndex() == 2;
    return std::string(firstYear && !count.firstYear.empty() ? count.firstYear : count.fixed);
}

// The selected kind's row; none while no option is selected.
const ExerciseKindRow* selectedKind(const ExerciseSettings& s)
{
    for (const ExerciseKindRow& row : exerciseKinds())
        if ((s.*row.option).selected)
            return &row;
    return nullptr;
}

// Boxes the user has not typed in show the range of the number type, kind and grade.
void showDefaultRange(ExerciseSettings& s)
{
    if (s.rangeTyped)
        return;
    const RangeTexts range = defaultRange(s);
    s.rangeStart.text = range.start;
    s.rangeEnd.text = range.end;
}

// 进位 and 退位 concern sums and differences worked column by column: 口算 and 竖式计算
// items of whole numbers, decimals or percentages, while the operation is ticked. The
// kinds that build on drawn items (脱式, 解方程) would lose the choice in what they add.
void showColumnRuleLists(ExerciseSettings& s)
{
    const bool columnItems =
        (s.oralOption.selected || s.verticalOption.selected) && !s.fractions.checked;
    s.carry.enabled = columnItems && s.addition.checked;
    s.borrow.enabled = columnItems && s.subtraction.checked;
}

void applyKindEffects(ExerciseSettings& s, const ExerciseKindRow& kind, Notifier& n)
{
    setText(s, s.columns, std::string(kind.columns));
    setText(s, s.itemCount, defaultCount(s, kind.count));
    if (kind.restoresExactDivisionCaption && !s.fractions.checked)
        s.exactOrProper.caption = exactDivisionCaption;
    applySwitches(s, kind.numberTypes);
    applySwitches(s, kind.controls);
    for (const auto& [box, checked] : kind.presets)
        setCheck(s, s.*box, checked, n);
    for (MenuItem ExerciseSettings::*item : kind.clearedMenuItems)
        (s.*item).checked = false;
    if (!kind.easyModeCaption.empty())
        s.easyMode.caption = kind.easyModeCaption;
    showDefaultRange(s);
    showColumnRuleLists(s);
}

// The options that read differently while 分数 is ticked (约分, 通分计算).
void showKindCaptions(ExerciseSettings& s, bool fractions)
{
    for (const ExerciseKindRow& row : exerciseKinds())
        if (!row.fractionCaption.empty())
            (s.*row.option).caption = fractions ? row.fractionCaption : row.caption;
}

void setWholeNumberCaptions(ExerciseSettings& s, bool keepCaptionUnderEquations)
{
    if (!(keepCaptionUnderEquations && s.equationsOption.selected))
        s.exactOrProper.caption = exactDivisionCaption;
    showKindCaptions(s, false);
}

void numberTypeClicked(ExerciseSettings& s, CheckBox& box, Notifier& n)
{
    if (box.checked)
        for (CheckBox* other : {&s.wholeNumbers, &s.decimals, &s.fractions, &s.percentages})
            if (other != &box)
                setCheck(s, *other, false, n);
    if (&box == &s.fractions) {
        s.exactOrProper.caption = properFractionCaption;
        showKindCaptions(s, true);
    } else {
        setWholeNumberCaptions(s, &box != &s.percentages);
    }
    showDefaultRange(s);
}

void zeroModifierClicked(ExerciseSettings& s, CheckBox& box, Notifier& n)
{
    if (!box.checked)
        return;
    for (CheckBox* other : {&s.zeroInMiddle, &s.zeroAtEnd, &s.wholeTens})
        if (other != &box)
            setCheck(s, *other, false, n);
}

void checkClicked(ExerciseSettings& s, CheckBox& box, Notifier& n)
{
    if (&box == &s.wholeNumbers || &box == &s.decimals || &box == &s.fractions ||
        &box == &s.percentages)
        numberTypeClicked(s, box, n);
    else if (&box == &s.zeroInMiddle || &box == &s.zeroAtEnd || &box == &s.wholeTens)
        zeroModifierClicked(s, box, n);
    else if (&box == &s.saveToHistory)
        n.notify("文件保存在“历史题目.txt”中，如果要全部删除，请直接删除该文件！");
    showColumnRuleLists(s);
}

void columnsChanged(ExerciseSettings& s)
{
    if (s.columns.text.empty())
        return;
    const ExerciseKindRow* kind = selectedKind(s);
    if (kind && kind->count.perColumnWhenRetyped != 0)
        s.itemCount.text = timesColumns(s, kind->count.perColumnWhenRetyped);
}

} // namespace

void clickKindOption(ExerciseSettings& settings, ExerciseKind kind, Notifier& notifier)
{
    for (const ExerciseKindRow& row : exerciseKinds())
        (settings.*row.option).selected = row.kind == kind;
    applyKindEffects(settings, kindRow(kind), notifier);
}

void selectKind(ExerciseSettings& settings, ExerciseKind kind, Notifier& notifier)
{
    if (!settings.option(kind).selected)
        clickKindOption(settings, kind, notifier);
}

void setCheck(ExerciseSettings& settings, CheckBox& box, bool checked, Notifier& notifier)
{
    if (box.checked == checked)
        return;
    box.checked = checked;
    checkClicked(settings, box, notifier);
}

void clickCheck(ExerciseSettings& settings, CheckBox& box, Notifier& notifier)
{
    if (!box.checked)
        if (const std::optional<std::string> refusal = refusedTick(settings, box)) {
            notifier.notify(*refusal);
            return;
        }
    setCheck(settings, box, !box.checked, notifier);
}

void setText(ExerciseSettings& settings, NumberBox& box, const std::string& text)
{
    if (box.text == text)
        return;
    box.text = text;
    if (&box == &settings.columns)
        columnsChanged(settings);
    if (&box == &settings.rangeStart || &box == &settings.rangeEnd)
        settings.rangeTyped = true;
}

void setChoice(ExerciseSettings& settings, DropDown& list, int index)
{
    list.index = index;
    if (&list == &settings.grade)
        showDefaultRange(settings);
    // 一页100题 shows the count and columns it lays out; they stay the user's to change.
    if (&list == &settings.pageLayout && index == static_cast<int>(PageLayoutChoice::Dense)) {
        setText(settings, settings.columns, std::string(denseColumns));
        setText(settings, settings.itemCount, std::string(denseCount));
    }
}

bool clickMenuItem(ExerciseSettings& settings, MenuItem& item)
{
    item.checked = !item.checked;
    return &item == &settings.volume;
}

} // namespace quill
