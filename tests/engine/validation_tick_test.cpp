#include "engine/settings_interlocks.h"
#include "engine/validation_tick.h"
#include "support/recording_notifier.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

using testing::RecordingNotifier;

class Validation : public ::testing::Test
{
protected:
    ExerciseSettings s;
    RecordingNotifier n;

    std::vector<std::string> tick()
    {
        n.messages.clear();
        ValidationTick(s, n);
        return n.messages;
    }
};

TEST_F(Validation, DefaultsNeedNoRepair)
{
    EXPECT_TRUE(tick().empty());
}

TEST_F(Validation, EachRuleRepairsSoTheNextTickIsQuiet)
{
    clickKindOption(s, ExerciseKind::Steps, n); // its column change leaves the count alone
    s.Check9.checked = false;
    s.Check1.checked = s.Check2.checked = s.Check3.checked = s.Check15.checked = false;
    s.Text2.text = "11";
    s.Text3.text = "";
    s.Text4.text = "19";
    s.Text5.text = "";
    s.Text1.text = "0";
    EXPECT_EQ(tick(), (std::vector<std::string>{
                          "请务必选择一种运算形式！", "请务必选择一种运算形式！",
                          "列数请不要少于1列，超过10列！", "字号请不要少于1号！",
                          "行距请不要少于20磅！", "起始数字不要小于0！", "数量至少一题！"}));
    EXPECT_TRUE(s.Check9.checked);
    EXPECT_TRUE(s.Check1.checked);
    EXPECT_EQ(s.Text3.text, "12") << "not the start value 11";
    EXPECT_EQ(s.Text4.text, "30");
    EXPECT_EQ(s.Text5.text, "1");
    EXPECT_EQ(s.Text1.text, "24");
    EXPECT_TRUE(tick().empty());
}

TEST_F(Validation, RepairedColumnsResetTheCountUnderVertical)
{
    s.Text2.text = "0";
    tick();
    EXPECT_EQ(s.Text2.text, "4");
    EXPECT_EQ(s.Text1.text, "24");
}

TEST_F(Validation, TheEasyVariantCountsAsANumberType)
{
    clickKindOption(s, ExerciseKind::Equations, n);
    s.Check9.checked = false;
    EXPECT_TRUE(tick().empty());
}

TEST_F(Validation, EarlyGradesKnowWholeNumbersOnly)
{
    s.Combo2.index = 1;
    clickCheck(s, s.Check5, n);
    s.Check11.checked = true;
    s.Text5.text = "5";
    EXPECT_EQ(tick(), std::vector<std::string>{"四年级上学期前仅学过整数运算！"});
    EXPECT_TRUE(s.Check9.checked);
    EXPECT_FALSE(s.Check5.checked);
    EXPECT_FALSE(s.Check11.checked);
    EXPECT_EQ(s.Text5.text, "1");
}

TEST_F(Validation, EarlyGradesDivideWithRemaindersAndSingleDigits)
{
    s.Combo2.index = 6;
    s.Check11.checked = true;
    s.Text5.text = "10";
    EXPECT_EQ(tick(), (std::vector<std::string>{
                          "四年级上学期前仅学过有余数的除法！不需要保留小数位数！",
                          "四年级上学期前还未学习除数是2位数的除法！初始数字不能大于9！"}));
    EXPECT_FALSE(s.Check11.checked);
    EXPECT_EQ(s.Text5.text, "1");
    s.Combo2.index = 7;
    s.Text5.text = "10";
    EXPECT_TRUE(tick().empty()) << "from 四年级上学期 on the start may exceed 9";
}

} // namespace
} // namespace quill
