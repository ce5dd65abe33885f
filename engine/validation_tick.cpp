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
    if (s.Text2.value() < 1 || s.Text2.value() > 10) {
        n.ShowTrayMessage("列数请不要少于1列，超过10列！");
        setText(s, s.Text2, "4");
    }
    if (s.Text3.value() < 1) {
        n.ShowTrayMessage("字号请不要少于1号！");
        setText(s, s.Text3, "12");
    }
    if (s.Text4.value() < 20) {
        n.ShowTrayMessage("行距请不要少于20磅！");
        setText(s, s.Text4, "30");
    }
    if (s.Text5.value() < 0 || s.Text5.text.empty()) {
        n.ShowTrayMessage("起始数字不要小于0！");
        setText(s, s.Text5, "1");
    }
    if (s.Text1.value() < 1) {
        n.ShowTrayMessage("数量至少一题！");
        setText(s, s.Text1, "24");
    }
}

void repairGradeLimits(ExerciseSettings& s, Notifier& n)
{
    const bool early = beforeFourthGrade(s.gradeIndex());
    if (early && s.Check5.checked) {
        n.ShowTrayMessage("四年级上学期前仅学过整数运算！");
        setCheck(s, s.Check5, false, n);
        setCheck(s, s.Check9, true, n);
        setCheck(s, s.Check11, false, n);
        setText(s, s.Text5, "1");
    }
    if (early && s.Check15.checked && s.Check11.checked && s.Check9.checked) {
        n.ShowTrayMessage("四年级上学期前仅学过有余数的除法！不需要保留小数位数！");
        setCheck(s, s.Check11, false, n);
    }
    if (s.Text5.value() > 9 && early && s.Check9.checked && s.Check15.checked) {
        n.ShowTrayMessage("四年级上学期前还未学习除数是2位数的除法！初始数字不能大于9！");
        setText(s, s.Text5, "1");
    }
}

} // namespace

void ValidationTick(ExerciseSettings& s, Notifier& n)
{
    if (!anyChecked({&s.Check9, &s.Check5, &s.Check6, &s.Check7, &s.Check12})) {
        n.ShowTrayMessage("请务必选择一种运算形式！");
        setCheck(s, s.Check9, true, n);
    }
    if (!anyChecked({&s.Check1, &s.Check2, &s.Check3, &s.Check15})) {
        n.ShowTrayMessage("请务必选择一种运算形式！");
        setCheck(s, s.Check1, true, n);
    }
    repairLayout(s, n);
    repairGradeLimits(s, n);
}

} // namespace quill
