#include "engine/settings_interlocks.h"
#include "support/recording_notifier.h"

#include <gtest/gtest.h>

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
    EXPECT_TRUE(s.Check9.checked);
    for (const CheckBox* op : {&s.Check1, &s.Check2, &s.Check3, &s.Check15})
        EXPECT_TRUE(op->checked);
    EXPECT_TRUE(s.Check4.checked);
    EXPECT_TRUE(s.Check18.checked);
    EXPECT_TRUE(s.Check20.checked);
    EXPECT_FALSE(s.Check19.checked);
    EXPECT_FALSE(s.Check12.enabled);
    EXPECT_EQ(s.Text1.text, "24");
    EXPECT_EQ(s.Text2.text, "4");
    EXPECT_EQ(s.Text3.text, "11");
    EXPECT_EQ(s.Text4.text, "30");
    EXPECT_EQ(s.Text5.text, "1");
    EXPECT_EQ(s.Text6.text, "100");
    EXPECT_EQ(s.MyValue1, 50);
    EXPECT_EQ(s.Combo1.selectedText(), "宋体");
    EXPECT_EQ(s.Combo2.items.size(), 13u);
    EXPECT_EQ(s.Combo3.selectedText(), "1位");
    EXPECT_EQ(s.Combo4.selectedText(), "2位");
    EXPECT_EQ(s.Combo5.selectedText(), "3步");
    EXPECT_EQ(s.jbsl, 0);
    EXPECT_EQ(s.dwsl, 0);
}

TEST_F(Interlocks, OralSetsColumnsAndTwentyItemsPerColumn)
{
    clickKindOption(s, ExerciseKind::Oral, n);
    EXPECT_EQ(s.Text2.text, "4");
    EXPECT_EQ(s.Text1.text, "80");
    setText(s, s.Text2, "5");
    EXPECT_EQ(s.Text1.text, "105");
    setText(s, s.Text2, "");
    EXPECT_EQ(s.Text1.text, "105") << "an emptied column box leaves the count alone";
}

TEST_F(Interlocks, ColumnsChangeFollowsTheKind)
{
    setText(s, s.Text2, "3");
    EXPECT_EQ(s.Text1.text, "18") << "vertical: six per column";
    clickKindOption(s, ExerciseKind::Equations, n);
    setText(s, s.Text2, "5");
    EXPECT_EQ(s.Text1.text, "24") << "other kinds leave the count alone";
}

TEST_F(Interlocks, StepByStepCountDependsOnTheFirstGrade)
{
    clickKindOption(s, ExerciseKind::Steps, n);
    EXPECT_EQ(s.Text1.text, "24");
    EXPECT_FALSE(s.Check16.enabled);
    s.Combo2.index = 2;
    clickKindOption(s, ExerciseKind::Steps, n);
    EXPECT_EQ(s.Text1.text, "80");
}

TEST_F(Interlocks, SimplifiedCalculationKeepsTheBasicLaws)
{
    s.Check7.checked = true;
    s.Check9.checked = false;
    clickKindOption(s, ExerciseKind::Laws, n);
    EXPECT_EQ(s.jbsl, 50);
    EXPECT_TRUE(s.Check12.checked);
    EXPECT_TRUE(s.Check12.enabled);
    EXPECT_EQ(s.Check12.caption, "简易简便");
    EXPECT_FALSE(s.Check7.checked);
    EXPECT_TRUE(s.Check9.checked);
    EXPECT_FALSE(s.Check1.enabled);
    EXPECT_FALSE(s.Check15.enabled);
    int checkedLaws = 0;
    for (const MenuItem* law : s.lawItems())
        checkedLaws += law->checked;
    EXPECT_EQ(checkedLaws, 5);
    EXPECT_TRUE(s.jfjh.checked && s.jfjh1.checked && s.cfjh.checked && s.cfjh1.checked &&
                s.cffp.checked);
}

TEST_F(Interlocks, EquationsTickWholeNumbersWhichClearsFractions)
{
    clickCheck(s, s.Check6, n);
    ASSERT_TRUE(s.Check6.checked);
    clickKindOption(s, ExerciseKind::Equations, n);
    EXPECT_FALSE(s.Check6.checked);
    EXPECT_TRUE(s.Check9.checked);
    EXPECT_TRUE(s.Check12.checked);
    EXPECT_EQ(s.Check12.caption, "简易方程");
    EXPECT_FALSE(s.Combo4.enabled);
    EXPECT_FALSE(s.Combo5.enabled);
    EXPECT_EQ(s.Option3.caption, "竖式计算");
}

TEST_F(Interlocks, UnitConversionHintsAndCountsSevenUnits)
{
    clickKindOption(s, ExerciseKind::Units, n);
    EXPECT_EQ(n.messages.front(), "请将鼠标移动到“单位换算”文字上，进行详细设置！");
    EXPECT_EQ(s.dwsl, 70);
    EXPECT_EQ(s.Text2.text, "2");
    EXPECT_EQ(s.Text1.text, "40");
    EXPECT_FALSE(s.Check4.enabled);
    clickMenuItem(s, s.jine);
    clickMenuItem(s, s.mianji);
    EXPECT_EQ(s.dwsl, 50);
    clickMenuItem(s, s.jine);
    EXPECT_EQ(s.dwsl, 60);
}

TEST_F(Interlocks, OnlyTheVolumeItemReopensTheUnitMenu)
{
    EXPECT_TRUE(clickMenuItem(s, s.tiji));
    EXPECT_FALSE(clickMenuItem(s, s.changdu));
    EXPECT_FALSE(clickMenuItem(s, s.cffp));
    EXPECT_EQ(s.jbsl, -10) << "law counter moves with law items only";
}

TEST_F(Interlocks, LeavingUnitConversionEnablesTheOperationsAgain)
{
    clickKindOption(s, ExerciseKind::Units, n);
    clickKindOption(s, ExerciseKind::Oral, n);
    for (const CheckBox* box : {&s.Check1, &s.Check4, &s.Check7, &s.Check16})
        EXPECT_TRUE(box->enabled);
    EXPECT_FALSE(s.Check12.enabled);
}

TEST_F(Interlocks, SelectingFromCodeAppliesEffectsOnlyOnChange)
{
    s.Text1.text = "7";
    selectKind(s, ExerciseKind::Vertical, n);
    EXPECT_EQ(s.Text1.text, "7");
    clickKindOption(s, ExerciseKind::Vertical, n);
    EXPECT_EQ(s.Text1.text, "24");
}

TEST_F(Interlocks, NumberTypesExcludeEachOtherAndRenameCaptions)
{
    clickCheck(s, s.Check6, n);
    EXPECT_FALSE(s.Check9.checked);
    EXPECT_EQ(s.Check4.caption, "是真分数");
    EXPECT_EQ(s.Option2.caption, "约分");
    EXPECT_EQ(s.Option3.caption, "通分计算");
    clickCheck(s, s.Check9, n);
    EXPECT_FALSE(s.Check6.checked);
    EXPECT_EQ(s.Check4.caption, "能够整除");
    EXPECT_EQ(s.Option2.caption, "估算");
    EXPECT_EQ(s.Option3.caption, "竖式计算");
    clickCheck(s, s.Check9, n);
    EXPECT_FALSE(s.Check9.checked) << "a number type can be cleared; the validation repairs it";
}

TEST_F(Interlocks, ZeroModifiersExcludeEachOther)
{
    clickCheck(s, s.Check13, n);
    clickCheck(s, s.Check14, n);
    EXPECT_FALSE(s.Check13.checked);
    EXPECT_TRUE(s.Check14.checked);
    clickCheck(s, s.Check17, n);
    EXPECT_FALSE(s.Check14.checked);
    EXPECT_TRUE(s.Check17.checked);
}

TEST_F(Interlocks, EveryClickOnSaveShowsWhereTheFileIs)
{
    clickCheck(s, s.Check20, n);
    clickCheck(s, s.Check20, n);
    ASSERT_EQ(n.messages.size(), 2u);
    EXPECT_EQ(n.messages[1], "文件保存在“历史题目.txt”中，如果要全部删除，请直接删除该文件！");
}

} // namespace
} // namespace quill
