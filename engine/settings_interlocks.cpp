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
        return s.Check1;
    case 2:
        return s.Check2;
    case 3:
        return s.Check3;
    case 4:
        return s.Check4;
    case 5:
        return s.Check5;
    case 6:
        return s.Check6;
    case 7:
        return s.Check7;
    case 9:
        return s.Check9;
    case 11:
        return s.Check11;
    case 12:
        return s.Check12;
    case 13:
        return s.Check13;
    case 14:
        return s.Check14;
    case 15:
        return s.Check15;
    case 16:
        return s.Check16;
    case 17:
        return s.Check17;
    case 18:
        return s.Check18;
    case 19:
        return s.Check19;
    case 20:
        return s.Check20;
    default:
        return s.Check21;
    }
}

DropDown& combo(ExerciseSettings& s, int number)
{
    switch (number) {
    case 1:
        return s.Combo1;
    case 2:
        return s.Combo2;
    case 3:
        return s.Combo3;
    case 4:
        return s.Combo4;
    default:
        return s.Combo5;
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
    return shortestText(s.Text2.value() * factor);
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
        setCheck(s, s.Check12, false, n);
        break;
    case ExerciseKind::Steps:
        setCheck(s, s.Check12, false, n);
        setCheck(s, s.Check16, false, n);
        break;
    case ExerciseKind::Laws:
        s.jbsl = 50;
        setCheck(s, s.Check4, true, n);
        setCheck(s, s.Check12, true, n);
        setCheck(s, s.Check7, false, n);
        setCheck(s, s.Check9, true, n);
        setCheck(s, s.Check16, false, n);
        for (MenuItem* item :
             {&s.jianfjh, &s.jianfjh1, &s.jjhh, &s.chufjh, &s.chufjh1, &s.cchh, &s.tuoshijs})
            item->checked = false;
        break;
    case ExerciseKind::Equations:
        setCheck(s, s.Check4, true, n);
        setCheck(s, s.Check9, true, n);
        setCheck(s, s.Check12, true, n);
        setCheck(s, s.Check16, false, n);
        break;
    case ExerciseKind::Units:
        setCheck(s, s.Check9, true, n);
        setCheck(s, s.Check12, false, n);
        setCheck(s, s.Check16, false, n);
        break;
    }
}

void applyKindEffects(ExerciseSettings& s, ExerciseKind kind, Notifier& n)
{
    if (kind == ExerciseKind::Units) {
        n.ShowTrayMessage("请将鼠标移动到“单位换算”文字上，进行详细设置！");
        s.dwsl = 70;
    }
    setText(s, s.Text2, kind == ExerciseKind::Units ? "2" : "4");
    setText(s, s.Text1, itemCountFor(s, kind));
    if (kind != ExerciseKind::Equations && kind != ExerciseKind::Units && !s.Check6.checked)
        s.Check4.caption = "能够整除";
    applyAvailability(s, availabilityOf(kind));
    setValues(s, kind, n);
    if (kind == ExerciseKind::Laws)
        s.Check12.caption = "简易简便";
    else if (kind == ExerciseKind::Equations)
        s.Check12.caption = "简易方程";
}

void setWholeNumberCaptions(ExerciseSettings& s, bool keepCheck4UnderEquations)
{
    if (!(keepCheck4UnderEquations && s.Option6.selected))
        s.Check4.caption = "能够整除";
    s.Option2.caption = "估算";
    s.Option3.caption = "竖式计算";
}

void numberTypeClicked(ExerciseSettings& s, CheckBox& box, Notifier& n)
{
    if (box.checked)
        for (CheckBox* other : {&s.Check9, &s.Check5, &s.Check6, &s.Check7})
            if (other != &box)
                setCheck(s, *other, false, n);
    if (&box == &s.Check6) {
        s.Check4.caption = "是真分数";
        s.Option2.caption = "约分";
        s.Option3.caption = "通分计算";
    } else {
        setWholeNumberCaptions(s, &box != &s.Check7);
    }
}

void zeroModifierClicked(ExerciseSettings& s, CheckBox& box, Notifier& n)
{
    if (!box.checked)
        return;
    for (CheckBox* other : {&s.Check13, &s.Check14, &s.Check17})
        if (other != &box)
            setCheck(s, *other, false, n);
}

void checkClicked(ExerciseSettings& s, CheckBox& box, Notifier& n)
{
    if (&box == &s.Check9 || &box == &s.Check5 || &box == &s.Check6 || &box == &s.Check7)
        numberTypeClicked(s, box, n);
    else if (&box == &s.Check13 || &box == &s.Check14 || &box == &s.Check17)
        zeroModifierClicked(s, box, n);
    else if (&box == &s.Check20)
        n.ShowTrayMessage("文件保存在“历史题目.txt”中，如果要全部删除，请直接删除该文件！");
}

void columnsChanged(ExerciseSettings& s)
{
    if (s.Text2.text.empty())
        return;
    if (s.Option1.selected || s.Option2.selected)
        s.Text1.text = timesColumns(s, 21);
    else if (s.Option3.selected)
        s.Text1.text = timesColumns(s, 6);
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
    if (&box == &settings.Text2)
        columnsChanged(settings);
}

bool clickMenuItem(ExerciseSettings& settings, MenuItem& item)
{
    item.checked = !item.checked;
    int& counter = isLawItem(settings, item) ? settings.jbsl : settings.dwsl;
    counter += item.checked ? 10 : -10;
    return &item == &settings.tiji;
}

} // namespace quill
