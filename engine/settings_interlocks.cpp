#include "engine/settings_interlocks.h"

#include "base/number_text.h"
#include "settings/notifier.h"

#include <vector>

namespace quill
{

namespace
{

CheckBox& check(ExerciseSettings& s, int number)
{
    switch (number) {
    case 1:
        return s.addition;
    case 2:
        return s.subtraction;
    case 3:
        return s.multiplication;
    case 4:
        return s.exactOrProper;
    case 5:
        return s.decimals;
    case 6:
        return s.fractions;
    case 7:
        return s.percentages;
    case 9:
        return s.wholeNumbers;
    case 11:
        return s.roundAnswers;
    case 12:
        return s.easyMode;
    case 13:
        return s.zeroInMiddle;
    case 14:
        return s.zeroAtEnd;
    case 15:
        return s.division;
    case 16:
        return s.fillIn;
    case 17:
        return s.wholeTens;
    case 18:
        return s.borders;
    case 19:
        return s.answerSheet;
    case 20:
        return s.saveToHistory;
    default:
        return s.capResults;
    }
}

DropDown& combo(ExerciseSettings& s, int number)
{
    switch (number) {
    case 1:
        return s.font;
    case 2:
        return s.grade;
    case 3:
        return s.operandPlaces;
    case 4:
        return s.answerPlaces;
    default:
        return s.stepCount;
    }
}

// Which check boxes and lists a kind option enables and disables.
struct Availability {
    std::vector<int> enabledChecks;
    std::vector<int> enabledCombos;
    std::vector<int> disabledChecks;
    std::vector<int> disabledCombos;
};

Availability availabilityOf(ExerciseKind kind)
{
    switch (kind) {
    case ExerciseKind::Oral:
    case ExerciseKind::Estimation:
        return {{1, 2, 3, 4, 5, 6, 7, 9, 11, 13, 14, 15, 16, 17}, {3, 4, 5}, {12}, {}};
    case ExerciseKind::Vertical:
        return {{1, 2, 3, 4, 5, 6, 9, 11, 13, 14, 15, 16, 17}, {3, 4, 5}, {12}, {}};
    case ExerciseKind::Steps:
        return {{1, 2, 3, 4, 5, 6, 7, 9, 11, 13, 14, 15, 17}, {3, 4, 5}, {12, 16}, {}};
    case ExerciseKind::Laws:
        return {{4, 5, 6, 9, 11, 12, 13, 14, 17}, {3, 4, 5}, {1, 2, 3, 7, 15, 16}, {}};
    case ExerciseKind::Equations:
        return {{1, 2, 3, 4, 5, 9, 12, 15}, {3}, {6, 11, 13, 14, 16, 17}, {4, 5}};
    case ExerciseKind::Units:
        return {{}, {}, {1, 2, 3, 4, 6, 7, 11, 12, 13, 14, 15, 16, 17}, {4, 5}};
    }
    return {};
}

void applyAvailability(ExerciseSettings& s, const Availability& a)
{
    for (int n : a.enabledChecks)
        check(s, n).enabled = true;
    for (int n : a.enabledCombos)
        combo(s, n).enabled = true;
    for (int n : a.disabledChecks)
        check(s, n).enabled = false;
    for (int n : a.disabledCombos)
        combo(s, n).enabled = false;
}

std::string timesColumns(const ExerciseSettings& s, int factor)
{
    return shortestText(s.columns.value() * factor);
}

std::string itemCountFor(const ExerciseSettings& s, ExerciseKind kind)
{
    switch (kind) {
    case ExerciseKind::Oral:
    case ExerciseKind::Estimation:
        return timesColumns(s, 20);
    case ExerciseKind::Vertical:
    case ExerciseKind::Laws:
        return timesColumns(s, 6);
    case ExerciseKind::Steps:
        return s.gradeIndex() == 1 || s.gradeIndex() == 2 ? "80" : "24";
    case ExerciseKind::Equations:
        return "24";
    case ExerciseKind::Units:
        return "40";
    }
    return "24";
}

void setValues(ExerciseSettings& s, ExerciseKind kind, Notifier& n)
{
    switch (kind) {
    case ExerciseKind::Oral:
    case ExerciseKind::Estimation:
    case ExerciseKind::Vertical:
        setCheck(s, s.easyMode, false, n);
        break;
    case ExerciseKind::Steps:
        setCheck(s, s.easyMode, false, n);
        setCheck(s, s.fillIn, false, n);
        break;
    case ExerciseKind::Laws:
        s.lawTally = 50;
        setCheck(s, s.exactOrProper, true, n);
        setCheck(s, s.easyMode, true, n);
        setCheck(s, s.percentages, false, n);
        setCheck(s, s.wholeNumbers, true, n);
        setCheck(s, s.fillIn, false, n);
        for (MenuItem* item :
             {&s.subtractionReorder, &s.subtractionBrackets, &s.addSubtractMixed,
              &s.divisionReorder, &s.divisionBrackets, &s.multiplyDivideMixed, &s.noShortcut})
            item->checked = false;
        break;
    case ExerciseKind::Equations:
        setCheck(s, s.exactOrProper, true, n);
        setCheck(s, s.wholeNumbers, true, n);
        setCheck(s, s.easyMode, true, n);
        setCheck(s, s.fillIn, false, n);
        break;
    case ExerciseKind::Units:
        setCheck(s, s.wholeNumbers, true, n);
        setCheck(s, s.easyMode, false, n);
        setCheck(s, s.fillIn, false, n);
        break;
    }
}

void applyKindEffects(ExerciseSettings& s, ExerciseKind kind, Notifier& n)
{
    if (kind == ExerciseKind::Units)
        s.unitTally = 70;
    setText(s, s.columns, kind == ExerciseKind::Units ? "2" : "4");
    setText(s, s.itemCount, itemCountFor(s, kind));
    if (kind != ExerciseKind::Equations && kind != ExerciseKind::Units && !s.fractions.checked)
        s.exactOrProper.caption = "能够整除";
    applyAvailability(s, availabilityOf(kind));
    setValues(s, kind, n);
    if (kind == ExerciseKind::Laws)
        s.easyMode.caption = "简易简便";
    else if (kind == ExerciseKind::Equations)
        s.easyMode.caption = "简易方程";
}

void setWholeNumberCaptions(ExerciseSettings& s, bool keepCaptionUnderEquations)
{
    if (!(keepCaptionUnderEquations && s.equationsOption.selected))
        s.exactOrProper.caption = "能够整除";
    s.estimationOption.caption = "估算";
    s.verticalOption.caption = "竖式计算";
}

void numberTypeClicked(ExerciseSettings& s, CheckBox& box, Notifier& n)
{
    if (box.checked)
        for (CheckBox* other : {&s.wholeNumbers, &s.decimals, &s.fractions, &s.percentages})
            if (other != &box)
                setCheck(s, *other, false, n);
    if (&box == &s.fractions) {
        s.exactOrProper.caption = "是真分数";
        s.estimationOption.caption = "约分";
        s.verticalOption.caption = "通分计算";
    } else {
        setWholeNumberCaptions(s, &box != &s.percentages);
    }
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
}

void columnsChanged(ExerciseSettings& s)
{
    if (s.columns.text.empty())
        return;
    if (s.oralOption.selected || s.estimationOption.selected)
        s.itemCount.text = timesColumns(s, 21);
    else if (s.verticalOption.selected)
        s.itemCount.text = timesColumns(s, 6);
}

bool isLawItem(ExerciseSettings& s, const MenuItem& item)
{
    for (const MenuItem* law : s.lawItems())
        if (law == &item)
            return true;
    return false;
}

} // namespace

void clickKindOption(ExerciseSettings& settings, ExerciseKind kind, Notifier& notifier)
{
    for (int k = 1; k <= 7; ++k)
        settings.option(static_cast<ExerciseKind>(k)).selected =
            static_cast<ExerciseKind>(k) == kind;
    applyKindEffects(settings, kind, notifier);
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
    setCheck(settings, box, !box.checked, notifier);
}

void setText(ExerciseSettings& settings, NumberBox& box, const std::string& text)
{
    if (box.text == text)
        return;
    box.text = text;
    if (&box == &settings.columns)
        columnsChanged(settings);
}

bool clickMenuItem(ExerciseSettings& settings, MenuItem& item)
{
    item.checked = !item.checked;
    int& counter = isLawItem(settings, item) ? settings.lawTally : settings.unitTally;
    counter += item.checked ? 10 : -10;
    return &item == &settings.volume;
}

} // namespace quill
