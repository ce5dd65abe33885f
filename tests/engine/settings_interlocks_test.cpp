#include "engine/settings_interlocks.h"
#include "support/recording_notifier.h"

#include <gtest/gtest.h>
#include <tuple>

namespace quill
{
namespace
{

using testing::RecordingNotifier;

class Interlocks : public ::testing::Test
{
protected:
    ExerciseSettings s;
    RecordingNotifier n;
};

TEST_F(Interlocks, StartsFromTheDefaults)
{
    EXPECT_EQ(s.kind(), ExerciseKind::Vertical);
    EXPECT_TRUE(s.wholeNumbers.checked);
    for (const CheckBox* op : {&s.addition, &s.subtraction, &s.multiplication, &s.division})
        EXPECT_TRUE(op->checked);
    EXPECT_TRUE(s.exactOrProper.checked);
    EXPECT_TRUE(s.borders.checked);
    EXPECT_TRUE(s.saveToHistory.checked);
    EXPECT_FALSE(s.answerSheet.checked);
    EXPECT_FALSE(s.easyMode.enabled);
    EXPECT_EQ(s.itemCount.text, "24");
    EXPECT_EQ(s.columns.text, "4");
    EXPECT_EQ(s.fontSize.text, "11");
    EXPECT_EQ(s.rowHeight.text, "30");
    EXPECT_EQ(s.rangeStart.text, "1");
    EXPECT_EQ(s.rangeEnd.text, "100");
    EXPECT_EQ(s.closeness, 50);
    EXPECT_EQ(s.font.selectedText(), "宋体");
    EXPECT_EQ(s.grade.items.size(), 13u);
    EXPECT_EQ(s.operandPlaces.selectedText(), "1位");
    EXPECT_EQ(s.answerPlaces.selectedText(), "2位");
    EXPECT_EQ(s.stepCount.selectedText(), "3步");
}

TEST_F(Interlocks, OralSetsColumnsAndTwentyItemsPerColumn)
{
    clickKindOption(s, ExerciseKind::Oral, n);
    EXPECT_EQ(s.columns.text, "4");
    EXPECT_EQ(s.itemCount.text, "80");
    setText(s, s.columns, "5");
    EXPECT_EQ(s.itemCount.text, "105");
    setText(s, s.columns, "");
    EXPECT_EQ(s.itemCount.text, "105") << "an emptied column box leaves the count alone";
}

TEST_F(Interlocks, ColumnsChangeFollowsTheKind)
{
    setText(s, s.columns, "3");
    EXPECT_EQ(s.itemCount.text, "18") << "vertical: six per column";
    clickKindOption(s, ExerciseKind::Equations, n);
    setText(s, s.columns, "5");
    EXPECT_EQ(s.itemCount.text, "24") << "other kinds leave the count alone";
}

TEST_F(Interlocks, StepByStepCountDependsOnTheFirstGrade)
{
    clickKindOption(s, ExerciseKind::Steps, n);
    EXPECT_EQ(s.itemCount.text, "24");
    EXPECT_FALSE(s.fillIn.enabled);
    s.grade.index = 2;
    clickKindOption(s, ExerciseKind::Steps, n);
    EXPECT_EQ(s.itemCount.text, "80");
}

TEST_F(Interlocks, SimplifiedCalculationKeepsTheBasicLaws)
{
    s.percentages.checked = true;
    s.wholeNumbers.checked = false;
    clickKindOption(s, ExerciseKind::Laws, n);
    EXPECT_TRUE(s.easyMode.checked);
    EXPECT_TRUE(s.easyMode.enabled);
    EXPECT_EQ(s.easyMode.caption, "简易简便");
    EXPECT_FALSE(s.percentages.checked);
    EXPECT_TRUE(s.wholeNumbers.checked);
    EXPECT_FALSE(s.addition.enabled);
    EXPECT_FALSE(s.division.enabled);
    int checkedLaws = 0;
    for (const MenuItem* law : s.lawItems())
        checkedLaws += law->checked;
    EXPECT_EQ(checkedLaws, 5);
    EXPECT_TRUE(s.additionCommutative.checked && s.additionAssociative.checked &&
                s.multiplicationCommutative.checked && s.multiplicationAssociative.checked &&
                s.distributive.checked);
}

TEST_F(Interlocks, EquationsTickWholeNumbersWhichClearsFractions)
{
    clickCheck(s, s.fractions, n);
    ASSERT_TRUE(s.fractions.checked);
    clickKindOption(s, ExerciseKind::Equations, n);
    EXPECT_FALSE(s.fractions.checked);
    EXPECT_TRUE(s.wholeNumbers.checked);
    EXPECT_TRUE(s.easyMode.checked);
    EXPECT_EQ(s.easyMode.caption, "简易方程");
    EXPECT_FALSE(s.answerPlaces.enabled);
    EXPECT_FALSE(s.stepCount.enabled);
    EXPECT_EQ(s.verticalOption.caption, "竖式计算");
}

TEST_F(Interlocks, UnitConversionSetsTwoColumnsOfForty)
{
    clickKindOption(s, ExerciseKind::Units, n);
    EXPECT_EQ(n.messages.size(), 0u)
        << "how to choose units is the window's and the command line's to say";
    EXPECT_EQ(s.columns.text, "2");
    EXPECT_EQ(s.itemCount.text, "40");
    EXPECT_FALSE(s.exactOrProper.enabled);
    clickMenuItem(s, s.money);
    clickMenuItem(s, s.area);
    clickMenuItem(s, s.money);
    EXPECT_TRUE(s.money.checked);
    EXPECT_FALSE(s.area.checked);
}

TEST_F(Interlocks, OnlyTheVolumeItemReopensTheUnitMenu)
{
    EXPECT_TRUE(clickMenuItem(s, s.volume));
    EXPECT_FALSE(clickMenuItem(s, s.length));
    EXPECT_FALSE(clickMenuItem(s, s.distributive));
}

TEST_F(Interlocks, LeavingUnitConversionEnablesTheOperationsAgain)
{
    clickKindOption(s, ExerciseKind::Units, n);
    clickKindOption(s, ExerciseKind::Oral, n);
    for (const CheckBox* box : {&s.addition, &s.exactOrProper, &s.percentages, &s.fillIn})
        EXPECT_TRUE(box->enabled);
    EXPECT_FALSE(s.easyMode.enabled);
}

TEST_F(Interlocks, SelectingFromCodeAppliesEffectsOnlyOnChange)
{
    s.itemCount.text = "7";
    selectKind(s, ExerciseKind::Vertical, n);
    EXPECT_EQ(s.itemCount.text, "7");
    clickKindOption(s, ExerciseKind::Vertical, n);
    EXPECT_EQ(s.itemCount.text, "24");
}

TEST_F(Interlocks, NumberTypesExcludeEachOtherAndRenameCaptions)
{
    clickCheck(s, s.fractions, n);
    EXPECT_FALSE(s.wholeNumbers.checked);
    EXPECT_EQ(s.exactOrProper.caption, "是真分数");
    EXPECT_EQ(s.estimationOption.caption, "约分");
    EXPECT_EQ(s.verticalOption.caption, "通分计算");
    clickCheck(s, s.wholeNumbers, n);
    EXPECT_FALSE(s.fractions.checked);
    EXPECT_EQ(s.exactOrProper.caption, "能够整除");
    EXPECT_EQ(s.estimationOption.caption, "估算");
    EXPECT_EQ(s.verticalOption.caption, "竖式计算");
    clickCheck(s, s.wholeNumbers, n);
    EXPECT_FALSE(s.wholeNumbers.checked)
        << "a number type can be cleared; the validation repairs it";
}

std::pair<std::string, std::string> rangeOf(const ExerciseSettings& s)
{
    return {s.rangeStart.text, s.rangeEnd.text};
}

// The boxes follow 分数, the kind and the grade until the user types a range, and never after.
TEST_F(Interlocks, FractionsShowTheGradesRangeUntilARangeIsTyped)
{
    using Range = std::pair<std::string, std::string>;
    setChoice(s, s.grade, 5); // 三年级上学期
    EXPECT_EQ(rangeOf(s), Range("1", "100")) << "whole numbers keep the default";
    clickCheck(s, s.fractions, n);
    EXPECT_EQ(rangeOf(s), Range("1", "10"));
    setChoice(s, s.grade, 8); // 四年级下学期
    EXPECT_EQ(rangeOf(s), Range("1", "12"));
    setChoice(s, s.grade, 0);
    EXPECT_EQ(rangeOf(s), Range("1", "20"));
    clickKindOption(s, ExerciseKind::Estimation, n);
    EXPECT_EQ(rangeOf(s), Range("1", "100")) << "约分 needs numbers to reduce";
    clickKindOption(s, ExerciseKind::Steps, n);
    EXPECT_EQ(rangeOf(s), Range("1", "20"));
    clickKindOption(s, ExerciseKind::Equations, n); // ticks 整数
    EXPECT_EQ(rangeOf(s), Range("1", "100"));
    clickCheck(s, s.fractions, n);
    setText(s, s.rangeEnd, "30");
    for (int grade : {1, 12})
        setChoice(s, s.grade, grade);
    clickCheck(s, s.decimals, n);
    clickCheck(s, s.fractions, n);
    EXPECT_EQ(rangeOf(s), Range("1", "30")) << "a typed range is the user's";
}

TEST_F(Interlocks, ZeroModifiersExcludeEachOther)
{
    clickCheck(s, s.zeroInMiddle, n);
    clickCheck(s, s.zeroAtEnd, n);
    EXPECT_FALSE(s.zeroInMiddle.checked);
    EXPECT_TRUE(s.zeroAtEnd.checked);
    clickCheck(s, s.wholeTens, n);
    EXPECT_FALSE(s.zeroAtEnd.checked);
    EXPECT_TRUE(s.wholeTens.checked);
}

// A tick that asks for items no sheet can show is refused with the reason; the box ticked
// before stays.
TEST(RefusedTicks, AreRefusedWithTheReason)
{
    using S = ExerciseSettings;
    const std::tuple<ExerciseKind, CheckBox S::*, CheckBox S::*, const char*> rows[] = {
        {ExerciseKind::Oral, &S::fractions, &S::fillIn,
         "分数题没有“填数”的形式，请先改选整数、小数或百分数！"},
        {ExerciseKind::Estimation, &S::fillIn, &S::fractions,
         "分数题没有“填数”的形式，请先取消“填数”！"},
        {ExerciseKind::Laws, &S::wholeNumbers, &S::fractions,
         "“简便计算”没有分数题，请选择整数或小数！"},
    };
    for (const auto& [kind, before, ticked, reason] : rows) {
        ExerciseSettings s;
        RecordingNotifier n;
        clickKindOption(s, kind, n);
        setCheck(s, s.*before, true, n);
        n.messages.clear();
        clickCheck(s, s.*ticked, n);
        EXPECT_FALSE((s.*ticked).checked) << reason;
        EXPECT_TRUE((s.*before).checked) << reason;
        EXPECT_EQ(n.messages, std::vector<std::string>{reason});
    }
}

TEST_F(Interlocks, EveryClickOnSaveShowsWhereTheFileIs)
{
    clickCheck(s, s.saveToHistory, n);
    clickCheck(s, s.saveToHistory, n);
    ASSERT_EQ(n.messages.size(), 2u);
    EXPECT_EQ(n.messages[1], "文件保存在“历史题目.txt”中，如果要全部删除，请直接删除该文件！");
}

} // namespace
} // namespace quill
