#pragma once

// The settings of an exercise set, one field per control of the main window, named after
// what it means (settings/control_glossary lists each control's short name and caption).
// The window only mirrors this model; generators read it the moment they need a value, so a
// change made during a run takes effect from then on.

#include "settings/default_range.h"

#include <array>
#include <string>
#include <string_view>
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
    std::string caption{};
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

// What a sum's or difference's columns must do, in the order of the carry and borrow lists:
// cross ten in some column (进位, 退位), in none (不进位, 不退位), or first grade's 凑十 / 破十.
enum class ColumnRule { Any, Across, Within, Ten };

// The items of 版式 (pageLayout).
enum class PageLayoutChoice { Standard = 0, Dense = 1, Large = 2 };
inline constexpr std::string_view denseCount = "100";
inline constexpr std::string_view denseColumns = "5";

// The items of 格式 (documentFormat).
enum class DocumentFormatChoice { Docx = 0, Pdf = 1, Both = 2 };

// A new kind is a value here, an option below and a row of settings/exercise_kinds.cpp.
enum class ExerciseKind { Oral = 1, Estimation, Vertical, Steps, Laws, Equations, Units };

struct ExerciseSettings {
    ExerciseSettings(); // the kind options' captions come from the kind table

    // Exercise kind: exactly one selected; 竖式计算 at start.
    OptionButton oralOption;
    OptionButton estimationOption;
    OptionButton verticalOption{.selected = true};
    OptionButton stepsOption;
    OptionButton lawsOption;
    OptionButton equationsOption;
    OptionButton unitsOption;

    // Number type: at most one checked.
    CheckBox wholeNumbers{true, "整数"};
    CheckBox decimals{false, "小数"};
    CheckBox fractions{false, "分数"};
    CheckBox percentages{false, "百分数"};

    // Operations.
    CheckBox addition{true, "加法"};
    CheckBox subtraction{true, "减法"};
    CheckBox multiplication{true, "乘法"};
    CheckBox division{true, "除法"};

    // Number-form modifiers. Two boxes mean one thing or another by the number type or
    // kind chosen; readers ask for the meaning they need.
    CheckBox exactOrProper{true, "能够整除"}; // 是真分数 while fractions are ticked
    CheckBox zeroInMiddle{false, "中间有零"};
    CheckBox zeroAtEnd{false, "末尾有零"};
    CheckBox wholeTens{false, "整十百千"};
    CheckBox fillIn{false, "填数"};
    CheckBox easyMode{false, "简易简便", false}; // 简易方程 under 解方程
    CheckBox capResults{false, "含答案"};        // sums and products stay within the range
    // No ×1, ÷1, 8÷8, 8－8, ＋0, nothing that comes to 0 or shows as 0 (problems/trivial_items).
    CheckBox avoidTrivial{true, "避免简单题"};

    // Decimals: places of drawn operands; answers rounded to `answerPlaces` when asked.
    DropDown operandPlaces{{"整数", "1位", "2位", "3位", "4位"}, 1};
    CheckBox roundAnswers{false, "保留："};
    DropDown answerPlaces{{"整数", "1位", "2位", "3位", "4位"}, 2};

    // Range and difficulty.
    NumberBox rangeStart{std::string(plainDefaultRange.start)};
    NumberBox rangeEnd{std::string(plainDefaultRange.end)};
    // The user changed a range box. Until then the boxes follow the number type and grade
    // (settings/default_range); afterwards neither changes them.
    bool rangeTyped = false;
    DropDown grade{{"小学阶段综合", "一年级上学期", "一年级下学期", "二年级上学期", "二年级下学期",
                    "三年级上学期", "三年级下学期", "四年级上学期", "四年级下学期", "五年级上学期",
                    "五年级下学期", "六年级上学期", "六年级下学期"},
                   0};
    int closeness = 50; // 接近度, 0..100: how close the two operands of an item lie

    // Page layout and amount; font size and row height in points.
    NumberBox itemCount{"24"};
    NumberBox columns{"4"};
    NumberBox fontSize{"11"};
    NumberBox rowHeight{"30"};
    DropDown font{{"宋体", "楷体", "黑体", "微软雅黑"}, 0};

    // Output.
    CheckBox borders{true, "边框"};
    CheckBox answerSheet{false, "答案"};
    CheckBox saveToHistory{true, "保存"};
    // The files of a sheet, in the order of `DocumentFormatChoice`.
    DropDown documentFormat{{"Word 文档", "PDF", "Word 和 PDF"}, 0};
    // 一页100题 fits a 口算 or 估算 sheet on one page in the largest print that fits; 大字
    // prints 1.5 times the font size and row height, for the first grades.
    DropDown pageLayout{{"标准", "一页100题", "大字"}, 0};

    DropDown stepCount{{"3步", "4步"}, 0}; // 脱式步数

    // Whether a sum must carry and a difference borrow in some column (ColumnRule order).
    // 凑十 and 破十 are first grade's sums and differences across ten within 20 (8＋5, 13－8).
    DropDown carry{{"不限", "进位", "不进位", "凑十"}, 0};
    DropDown borrow{{"不限", "退位", "不退位", "破十"}, 0};

    // Law items of the 简便计算 menu, in menu order; names are the command line's spellings.
    MenuItem additionCommutative{"jfjh", "加法交换律"};
    MenuItem additionAssociative{"jfjh1", "加法结合律"};
    MenuItem subtractionReorder{"jianfjh", "减法性质（改变顺序）"};
    MenuItem subtractionBrackets{"jianfjh1", "减法性质（加括号变符号）"};
    MenuItem addSubtractMixed{"jjhh", "加减混合"};
    MenuItem multiplicationCommutative{"cfjh", "乘法交换律"};
    MenuItem multiplicationAssociative{"cfjh1", "乘法结合律"};
    MenuItem distributive{"cffp", "乘法分配律"};
    MenuItem divisionReorder{"chufjh", "除法性质（改变顺序）"};
    MenuItem divisionBrackets{"chufjh1", "除法性质（加括号变符号）"};
    MenuItem multiplyDivideMixed{"cchh", "乘除混合"};
    MenuItem noShortcut{"tuoshijs", "无简便运算"};

    // Unit items of the 单位换算 menu, in menu order.
    MenuItem money{"jine", "金额"};
    MenuItem time{"shijian", "时间"};
    MenuItem length{"changdu", "长度"};
    MenuItem mass{"zhongliang", "质量"};
    MenuItem area{"mianji", "面积"};
    MenuItem volume{"tiji", "体积"};
    MenuItem capacity{"rongji", "容积"};

    ExerciseKind kind() const;
    OptionButton& option(ExerciseKind kind);
    const OptionButton& option(ExerciseKind kind) const;
    int gradeIndex() const { return grade.index; }
    bool exactDivision() const { return exactOrProper.checked; }
    bool properFractions() const { return exactOrProper.checked; }
    bool easyLaws() const { return easyMode.checked; }
    bool simpleEquations() const { return easyMode.checked; }
    // The choices in force: a disabled list asks for nothing.
    ColumnRule carryRule() const;
    ColumnRule borrowRule() const;

    std::array<MenuItem*, 12> lawItems();
    std::array<MenuItem*, 7> unitItems();
    std::array<CheckBox*, 20> checkBoxes();
};

// The field of a kind's option button (its row in the kind table).
OptionButton ExerciseSettings::*optionMember(ExerciseKind kind);

// The grade indexes 1..6: the terms before 四年级上学期, which know whole numbers only.
inline bool beforeFourthGrade(int gradeIndex)
{
    return gradeIndex >= 1 && gradeIndex <= 6;
}

} // namespace quill
