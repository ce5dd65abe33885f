#include "engine/answering_input.h"
#include "engine/answering_session.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

AnsweringSession sessionOf(std::vector<std::string> items, AnsweringRules rules = {})
{
    return AnsweringSession(std::move(items), rules);
}

TEST(AnsweringSession, AtARemainderGradeADivisionWantsQuotientAndRemainder)
{
    AnsweringSession s = sessionOf({"36÷5"}, {.gradeIndex = 5, .divisionTicked = true});
    ASSERT_TRUE(s.asksRemainder());
    EXPECT_EQ(s.placesHint(), "");
    EXPECT_EQ(s.submit("7.2", "0"), Verdict::Wrong);
    EXPECT_EQ(s.wrongAnswerMessage(), "加油哦！正确答案是：7……1");
    EXPECT_EQ(s.submit("7.2", ""), Verdict::RemainderMissing);
    EXPECT_EQ(s.submit("7", "1"), Verdict::Right);
    EXPECT_EQ(s.rightCount(), 1);

    EXPECT_FALSE(sessionOf({"36÷5"}, {.gradeIndex = 5}).asksRemainder()) << "除法 unticked";
    EXPECT_FALSE(sessionOf({"36÷5"}, {.gradeIndex = 7, .divisionTicked = true}).asksRemainder());
}

TEST(AnsweringSession, KeptPlacesAreNamedInTheHint)
{
    AnsweringSession s = sessionOf({"36÷5", "3＋4"}, {.gradeIndex = 0, .keptPlaces = 2});
    EXPECT_FALSE(s.asksRemainder());
    EXPECT_EQ(s.placesHint(), "本题保留 2 位小数");
    EXPECT_EQ(s.submit("7.2", ""), Verdict::Right);
    ASSERT_TRUE(s.next());
    EXPECT_EQ(s.placesHint(), "") << "an item that is not rounded has no hint";
}

TEST(AnsweringSession, EachItemCountsOnceByItsLatestJudgement)
{
    AnsweringSession s = sessionOf({"3＋4", "0.1＋0.2", "6×7"});
    EXPECT_EQ(s.submit("7", ""), Verdict::Right);
    EXPECT_EQ(s.submit("7", ""), Verdict::Right);
    EXPECT_EQ(s.rightCount(), 1) << "a second right answer to the same item";
    EXPECT_EQ(s.submit("8", ""), Verdict::Wrong);
    EXPECT_EQ(s.rightCount(), 0) << "the latest judgement counts";
    EXPECT_EQ(s.submit("7", ""), Verdict::Right);
    ASSERT_TRUE(s.next());
    EXPECT_EQ(s.submit("0.3", ""), Verdict::Right);
    EXPECT_EQ(s.score(), 66);
    ASSERT_TRUE(s.next());
    EXPECT_EQ(s.submit("42", ""), Verdict::Right);
    EXPECT_EQ(s.submit("42", ""), Verdict::Right);
    EXPECT_EQ(s.rightCount(), 3);
    EXPECT_EQ(s.score(), 100) << "three right out of three";
}

TEST(AnsweringSession, ABlankAnswerIsNotJudgedButWordsReadAsZero)
{
    AnsweringSession s = sessionOf({"3－3", "3＋4"});
    EXPECT_EQ(s.submit("", ""), Verdict::AnswerMissing);
    EXPECT_EQ(s.submit(" 　", ""), Verdict::AnswerMissing);
    EXPECT_EQ(s.submit("zero", ""), Verdict::Right);
    s.next();
    EXPECT_EQ(s.submit("", ""), Verdict::AnswerMissing);
    EXPECT_EQ(s.statusLine(), "共 2 题，现在是第 2 题；正确 1 题；得分：50 分");
}

TEST(AnsweringSession, StopsAtBothEndsOfTheSet)
{
    AnsweringSession s = sessionOf({"1＋1", "2＋2"});
    EXPECT_FALSE(s.previous());
    EXPECT_EQ(s.currentIndex(), 0u);
    EXPECT_TRUE(s.next());
    EXPECT_EQ(s.currentItem(), "2＋2");
    EXPECT_FALSE(s.next());
    EXPECT_EQ(s.currentIndex(), 1u);
    EXPECT_TRUE(s.previous());
    EXPECT_EQ(s.statusLine(), "共 2 题，现在是第 1 题；正确 0 题；得分：0 分");
}

TEST(AnsweringSession, TheClockRollsOverToTheNextMinute)
{
    AnsweringSession s = sessionOf({"1＋1"});
    EXPECT_EQ(s.caption("2026/5/1"), "时间：2026/5/1，用了0分0秒");
    for (int i = 0; i < 59; ++i)
        s.tick();
    EXPECT_EQ(s.caption("2026/5/1"), "时间：2026/5/1，用了0分59秒");
    s.tick();
    EXPECT_EQ(s.caption("2026/5/1"), "时间：2026/5/1，用了1分0秒");
}

TEST(AnsweringItems, SplitsTheDrawnListAtSpaces)
{
    EXPECT_EQ(answeringItems(" 3＋4 5×6"), (std::vector<std::string>{"3＋4", "5×6"}));
    EXPECT_EQ(answeringItems("3＋4  5×6 "), (std::vector<std::string>{"3＋4", "5×6"}));
    EXPECT_TRUE(answeringItems(" ").empty());
}

TEST(TypedNumber, ReadsWhatAPupilTypes)
{
    const std::pair<const char*, double> typed[] = {
        {"7.2", 7.2},  {" 7 ", 7},    {"abc", 0},       {"12abc", 12},    {"７．２", 7.2},
        {"7。2", 7.2}, {"52%", 0.52}, {"５２％", 0.52}, {"－3.52", -3.52}};
    for (const auto& [text, value] : typed)
        EXPECT_EQ(typedNumber(text), value) << text;
    for (const char* blank : {"", "  ", "　"})
        EXPECT_EQ(typedNumber(blank), std::nullopt) << '"' << blank << '"';
}

} // namespace
} // namespace quill
