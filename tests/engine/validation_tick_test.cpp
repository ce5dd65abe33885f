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
        repairSettings(s, n);
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
    s.wholeNumbers.checked = false;
    s.addition.checked = s.subtraction.checked = s.multiplication.checked = s.division.checked =
        false;
    s.columns.text = "11";
    s.fontSize.text = "";
    s.rowHeight.text = "19";
    setText(s, s.rangeStart, ""); // typed: ticking 整数 again leaves it to the repair
    s.itemCount.text = "0";
    EXPECT_EQ(tick(), (std::vector<std::string>{
                          "请务必选择一种运算形式！", "请务必选择一种运算形式！",
                          "列数请不要少于1列，超过10列！", "字号请不要少于1号！",
                          "行距请不要少于20磅！", "起始数字不要小于0！", "数量至少一题！"}));
    EXPECT_TRUE(s.wholeNumbers.checked);
    EXPECT_TRUE(s.addition.checked);
    EXPECT_EQ(s.fontSize.text, "12") << "not the start value 11";
    EXPECT_EQ(s.rowHeight.text, "30");
    EXPECT_EQ(s.rangeStart.text, "1");
    EXPECT_EQ(s.itemCount.text, "24");
    EXPECT_TRUE(tick().empty());
}

TEST_F(Validation, RepairedColumnsResetTheCountUnderVertical)
{
    s.columns.text = "0";
    tick();
    EXPECT_EQ(s.columns.text, "4");
    EXPECT_EQ(s.itemCount.text, "24");
}

TEST_F(Validation, TheEasyVariantCountsAsANumberType)
{
    clickKindOption(s, ExerciseKind::Equations, n);
    s.wholeNumbers.checked = false;
    EXPECT_TRUE(tick().empty());
}

TEST_F(Validation, EarlyGradesKnowWholeNumbersOnly)
{
    s.grade.index = 1;
    clickCheck(s, s.decimals, n);
    s.roundAnswers.checked = true;
    s.rangeStart.text = "5";
    EXPECT_EQ(tick(), std::vector<std::string>{"四年级上学期前仅学过整数运算！"});
    EXPECT_TRUE(s.wholeNumbers.checked);
    EXPECT_FALSE(s.decimals.checked);
    EXPECT_FALSE(s.roundAnswers.checked);
    EXPECT_EQ(s.rangeStart.text, "1");
}

TEST_F(Validation, EarlyGradesDivideWithRemaindersAndSingleDigits)
{
    s.grade.index = 6;
    s.roundAnswers.checked = true;
    s.rangeStart.text = "10";
    EXPECT_EQ(tick(), (std::vector<std::string>{
                          "四年级上学期前仅学过有余数的除法！不需要保留小数位数！",
                          "四年级上学期前还未学习除数是2位数的除法！初始数字不能大于9！"}));
    EXPECT_FALSE(s.roundAnswers.checked);
    EXPECT_EQ(s.rangeStart.text, "1");
    s.grade.index = 7;
    s.rangeStart.text = "10";
    EXPECT_TRUE(tick().empty()) << "from 四年级上学期 on the start may exceed 9";
}

} // namespace
} // namespace quill
