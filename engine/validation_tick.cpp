#include "engine/validation_tick.h"

#include "engine/settings_interlocks.h"
#include "settings/notifier.h"

#include <initializer_list>

namespace quill
{

namespace
{

bool anyChecked(std::initializer_list<const CheckBox*> boxes)
{
    for (const CheckBox* box : boxes)
        if (box->checked)
            return true;
    return false;
}

void repairLayout(ExerciseSettings& s, Notifier& n)
{
    if (s.columns.value() < 1 || s.columns.value() > 10) {
        n.notify("列数请不要少于1列，超过10列！");
        setText(s, s.columns, "4");
    }
    if (s.fontSize.value() < 1) {
        n.notify("字号请不要少于1号！");
        setText(s, s.fontSize, "12");
    }
    if (s.rowHeight.value() < 20) {
        n.notify("行距请不要少于20磅！");
        setText(s, s.rowHeight, "30");
    }
    if (s.rangeStart.value() < 0 || s.rangeStart.text.empty()) {
        n.notify("起始数字不要小于0！");
        setText(s, s.rangeStart, "1");
    }
    if (s.itemCount.value() < 1) {
        n.notify("数量至少一题！");
        setText(s, s.itemCount, "24");
    }
}

void repairGradeLimits(ExerciseSettings& s, Notifier& n)
{
    const bool early = beforeFourthGrade(s.gradeIndex());
    if (early && s.decimals.checked) {
        n.notify("四年级上学期前仅学过整数运算！");
        setCheck(s, s.decimals, false, n);
        setCheck(s, s.wholeNumbers, true, n);
        setCheck(s, s.roundAnswers, false, n);
        setText(s, s.rangeStart, "1");
    }
    if (early && s.division.checked && s.roundAnswers.checked && s.wholeNumbers.checked) {
        n.notify("四年级上学期前仅学过有余数的除法！不需要保留小数位数！");
        setCheck(s, s.roundAnswers, false, n);
    }
    if (s.rangeStart.value() > 9 && early && s.wholeNumbers.checked && s.division.checked) {
        n.notify("四年级上学期前还未学习除数是2位数的除法！初始数字不能大于9！");
        setText(s, s.rangeStart, "1");
    }
}

} // namespace

void repairSettings(ExerciseSettings& s, Notifier& n)
{
    if (!anyChecked({&s.wholeNumbers, &s.decimals, &s.fractions, &s.percentages, &s.easyMode})) {
        n.notify("请务必选择一种运算形式！");
        setCheck(s, s.wholeNumbers, true, n);
    }
    if (!anyChecked({&s.addition, &s.subtraction, &s.multiplication, &s.division})) {
        n.notify("请务必选择一种运算形式！");
        setCheck(s, s.addition, true, n);
    }
    repairLayout(s, n);
    repairGradeLimits(s, n);
}

} // namespace quill
