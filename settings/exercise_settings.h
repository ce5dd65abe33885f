#pragma once

// The settings of an exercise set, one field per control of the main window, named after
// the control. The window only mirrors this model; generators read it the moment they need
// a value, so a change made during a run takes effect from then on.

#include <array>
#include <string>
#include <vector>

namespace quill
{

struct CheckBox {
    bool checked = false;
    std::string caption;
    bool enabled = true;
};

struct OptionButton {
    bool selected = false;
    std::string caption;
    bool enabled = true;
};

// A number box holds text; readers take its leading number (empty or non-numeric reads 0).
struct NumberBox {
    std::string text;
    bool enabled = true;

    double value() const;
};

struct DropDown {
    std::vector<std::string> items;
    int index = 0;
    bool enabled = true;

    std::string selectedText() const;
};

struct MenuItem {
    std::string name; // the item's short pinyin name, e.g. "jfjh"
    std::string caption;
    bool checked = true;
};

enum class ExerciseKind { Oral = 1, Estimation, Vertical, Steps, Laws, Equations, Units };

struct ExerciseSettings {
    // Exercise kind: exactly one selected.
    OptionButton Option1{false, "口算"};
    OptionButton Option2{false, "估算"};
    OptionButton Option3{true, "竖式计算"};
    OptionButton Option4{false, "脱式计算"};
    OptionButton Option5{false, "简便计算"};
    OptionButton Option6{false, "解方程"};
    OptionButton Option7{false, "单位换算"};

    // Number type: at most one checked.
    CheckBox Check9{true, "整数"};
    CheckBox Check5{false, "小数"};
    CheckBox Check6{false, "分数"};
    CheckBox Check7{false, "百分数"};

    // Operations.
    CheckBox Check1{true, "加法"};
    CheckBox Check2{true, "减法"};
    CheckBox Check3{true, "乘法"};
    CheckBox Check15{true, "除法"};

    // Number-form modifiers.
    CheckBox Check4{true, "能够整除"};
    CheckBox Check13{false, "中间有零"};
    CheckBox Check14{false, "末尾有零"};
    CheckBox Check17{false, "整十百千"};
    CheckBox Check16{false, "填数"};
    CheckBox Check12{false, "简易简便", false};
    CheckBox Check21{false, "含答案"};

    // Decimals.
    DropDown Combo3{{"整数", "1位", "2位", "3位", "4位"}, 1};
    CheckBox Check11{false, "保留："};
    DropDown Combo4{{"整数", "1位", "2位", "3位", "4位"}, 2};

    // Range and difficulty.
    NumberBox Text5{"1"};
    NumberBox Text6{"100"};
    DropDown Combo2{{"小学阶段综合", "一年级上学期", "一年级下学期", "二年级上学期", "二年级下学期",
                     "三年级上学期", "三年级下学期", "四年级上学期", "四年级下学期", "五年级上学期",
                     "五年级下学期", "六年级上学期", "六年级下学期"},
                    0};
    int MyValue1 = 50; // closeness, 0..100

    // Page layout and amount.
    NumberBox Text1{"24"}; // items
    NumberBox Text2{"4"};  // columns
    NumberBox Text3{"11"}; // font size
    NumberBox Text4{"30"}; // row height
    DropDown Combo1{{"宋体", "楷体", "黑体", "微软雅黑"}, 0};

    // Output.
    CheckBox Check18{true, "边框"};
    CheckBox Check19{false, "答案"};
    CheckBox Check20{true, "保存"};

    DropDown Combo5{{"3步", "4步"}, 0};

    // Law items of the 简便计算 menu `jbjs`, in menu order.
    MenuItem jfjh{"jfjh", "加法交换律"};
    MenuItem jfjh1{"jfjh1", "加法结合律"};
    MenuItem jianfjh{"jianfjh", "减法性质（改变顺序）"};
    MenuItem jianfjh1{"jianfjh1", "减法性质（加括号变符号）"};
    MenuItem jjhh{"jjhh", "加减混合"};
    MenuItem cfjh{"cfjh", "乘法交换律"};
    MenuItem cfjh1{"cfjh1", "乘法结合律"};
    MenuItem cffp{"cffp", "乘法分配律"};
    MenuItem chufjh{"chufjh", "除法性质（改变顺序）"};
    MenuItem chufjh1{"chufjh1", "除法性质（加括号变符号）"};
    MenuItem cchh{"cchh", "乘除混合"};
    MenuItem tuoshijs{"tuoshijs", "无简便运算"};

    // Unit items of the 单位换算 menu `danwei`, in menu order.
    MenuItem jine{"jine", "金额"};
    MenuItem shijian{"shijian", "时间"};
    MenuItem changdu{"changdu", "长度"};
    MenuItem zhongliang{"zhongliang", "质量"};
    MenuItem mianji{"mianji", "面积"};
    MenuItem tiji{"tiji", "体积"};
    MenuItem rongji{"rongji", "容积"};

    // Ten per checked law / unit item; 0 until 简便计算 / 单位换算 is first chosen.
    int jbsl = 0;
    int dwsl = 0;

    ExerciseKind kind() const;
    OptionButton& option(ExerciseKind kind);
    const OptionButton& option(ExerciseKind kind) const;
    int gradeIndex() const { return Combo2.index; }

    std::array<MenuItem*, 12> lawItems();
    std::array<MenuItem*, 7> unitItems();
    std::array<CheckBox*, 19> checkBoxes();
};

// The grade indexes 1..6: the terms before 四年级上学期, which know whole numbers only.
inline bool beforeFourthGrade(int gradeIndex)
{
    return gradeIndex >= 1 && gradeIndex <= 6;
}

} // namespace quill
