#include "engine/answering_input.h"
#include "engine/answering_session.h"
#include "engine/generation_run.h"
#include "engine/settings_interlocks.h"
#include "support/recording_environment.h"
#include "support/test_application.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

AnsweringSession sessionOf(const std::vector<std::string>& items, AnsweringRules rules = {})
{
    std::vector<OperationItem> read;
    for (const std::string& item : items)
        read.push_back(OperationItem::read(item));
    return AnsweringSession(read, rules);
}

TEST(AnsweringSession, AtARemainderGradeADivisionWantsQuotientAndRemainder)
{
    AnsweringSession s = sessionOf({"36÷5"}, {.gradeIndex = 5, .divisionTicked = true});
    ASSERT_TRUE(s.asksRemainder());
    EXPECT_EQ(s.placesHint(), "");
    EXPECT_EQ(s.judge("7.2", "0"), Verdict::Wrong);
    EXPECT_EQ(s.wrongAnswerMessage(), "加油哦！正确答案是：7……1");
    EXPECT_EQ(s.judge("7", ""), Verdict::RemainderMissing) << "a whole quotient alone";
    EXPECT_EQ(s.judge("7", "1"), Verdict::Right);
    EXPECT_EQ(s.rightCount(), 0) << "judging marks nothing";
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

// Once judged, the pupil has seen the right answer: going back to type it changes nothing.
TEST(AnsweringSession, AJudgedItemKeepsItsMark)
{
    AnsweringSession s = sessionOf({"3＋4", "0.1＋0.2", "6×7"});
    EXPECT_EQ(s.submit("8", ""), Verdict::Wrong);
    EXPECT_EQ(s.submit("7", ""), Verdict::AlreadyMarked) << "the answer was shown";
    EXPECT_EQ(s.rightCount(), 0);
    ASSERT_TRUE(s.next());
    EXPECT_EQ(s.submit("0.3", ""), Verdict::Right);
    EXPECT_EQ(s.submit("0.4", ""), Verdict::AlreadyMarked);
    EXPECT_EQ(s.rightCount(), 1);
    ASSERT_TRUE(s.next());
    EXPECT_EQ(s.submit("", ""), Verdict::AnswerMissing) << "a blank box judges nothing";
    EXPECT_EQ(s.submit("42", ""), Verdict::Right);
    EXPECT_EQ(s.score(), 66);
}

TEST(AnsweringSession, WordsAreNoAnswerAndABlankIsNotJudged)
{
    AnsweringSession s = sessionOf({"3－3", "3＋4"});
    EXPECT_EQ(s.submit("", ""), Verdict::AnswerMissing);
    EXPECT_EQ(s.submit(" 　", ""), Verdict::AnswerMissing);
    EXPECT_EQ(s.submit("zero", ""), Verdict::NotAnAnswer);
    EXPECT_EQ(s.submit("0", "x"), Verdict::NotAnAnswer) << "the remainder box too";
    EXPECT_EQ(s.submit("0", ""), Verdict::Right);
    s.next();
    EXPECT_EQ(s.submit("", ""), Verdict::AnswerMissing);
    EXPECT_EQ(s.statusLine(), "共 2 题，现在是第 2 题；正确 1 题；得分：50 分");
}

TEST(AnsweringSession, FinishingStopsTheClockAndSumsUpWhatWasNotRight)
{
    AnsweringSession s =
        sessionOf({"36÷5", "3＋4", "6×7"}, {.gradeIndex = 5, .divisionTicked = true});
    EXPECT_EQ(s.submit("7", "2"), Verdict::Wrong);
    s.next();
    EXPECT_EQ(s.submit("7", ""), Verdict::Right);
    s.tick(62);
    EXPECT_FALSE(s.lastItem());
    s.next();
    EXPECT_TRUE(s.lastItem());
    s.finish();
    s.tick();
    EXPECT_EQ(s.elapsedSeconds(), 62) << "the clock stands still once finished";
    EXPECT_EQ(s.submit("42", ""), Verdict::AlreadyMarked) << "nothing is judged after 交卷";
    const std::vector<std::string> expected = {"共 3 题；正确 1 题；得分：33 分；用时：1分2秒",
                                               "做错的题：", "36÷5＝7……1（你的答案：7……2）",
                                               "6×7＝42（没有作答）"};
    EXPECT_EQ(s.summaryLines(), expected);
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

TEST(AnsweringItems, TakesTheOneOperationItemsOfTheSet)
{
    const ExerciseSet set{OperationItem::read("3＋4"), StepItem{"(1＋2)×3", std::nullopt},
                          OperationItem::read("5×6")};
    EXPECT_EQ(answeringItems(set), (std::vector<OperationItem>{OperationItem::read("3＋4"),
                                                               OperationItem::read("5×6")}));
    EXPECT_TRUE(answeringItems({}).empty());
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

struct TypedText {
    const char* name;
    const char* typed;
    AnswerCharacters allowed;
    bool accepted;
};

class AnswerText : public ::testing::TestWithParam<TypedText>
{
};

// Whatever an answer can hold passes, also half typed; letters, signs and a second point
// in one number do not.
TEST_P(AnswerText, HoldsOnlyWhatAnAnswerCanContain)
{
    const TypedText& t = GetParam();
    EXPECT_EQ(answerTextAllowed(t.typed, t.allowed), t.accepted) << t.typed;
}

constexpr AnswerCharacters plain{}, remainders{.remainders = true}, negatives{.negatives = true};

INSTANTIATE_TEST_SUITE_P(
    Typed, AnswerText,
    ::testing::Values(
        TypedText{"empty", "", plain, true}, TypedText{"decimal", " 7.25 ", plain, true},
        TypedText{"wideDecimal", "７．２", plain, true},
        TypedText{"halfTypedDecimal", "7.", plain, true}, TypedText{"fraction", "3/4", plain, true},
        TypedText{"wideFraction", "３／４", plain, true}, TypedText{"percent", "26%", plain, true},
        TypedText{"widePercent", "２６％", plain, true}, TypedText{"letters", "abc", plain, false},
        TypedText{"digitsThenLetters", "12abc", plain, false},
        TypedText{"twoPoints", "7.2.5", plain, false},
        TypedText{"twoSlashes", "1/2/3", plain, false},
        TypedText{"afterThePercent", "26%1", plain, false},
        TypedText{"plusSign", "+7", plain, false},
        TypedText{"minusWithoutNegatives", "-7", plain, false},
        TypedText{"minusWithNegatives", "-7", negatives, true},
        TypedText{"minusInside", "7-", negatives, false},
        TypedText{"remainderWithoutRemainders", "7……1", plain, false},
        TypedText{"remainderMarks", "7……1", remainders, true},
        TypedText{"remainderDotsTyped", "7..", remainders, true},
        TypedText{"remainderThreeDots", "7...1", remainders, true},
        TypedText{"remainderCharacter", "7余1", remainders, true},
        TypedText{"remainderBlank", "7 1\r", remainders, true},
        TypedText{"decimalRemainder", "4……0.19", remainders, true},
        TypedText{"twoRemainders", "7……1……1", remainders, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TypedAnswer, SplitsAQuotientFromItsRemainder)
{
    for (const char* typed : {"7……1", "7…1", " 7 ... 1 ", "7余1", "7 1\r"}) {
        const TypedAnswer split = splitTypedAnswer(typed, true);
        EXPECT_EQ(split.answer, "7") << typed;
        EXPECT_EQ(split.remainder, "1") << typed;
    }
    EXPECT_EQ(splitTypedAnswer("7", true).remainder, "");
    EXPECT_EQ(splitTypedAnswer(" 1 2 ", false).answer, "1 2");
}

// Over drawn percent sets: a percent answer is right typed as the percent (26%) and as its
// value (0.26), and wrong as the bare number (26).
TEST(DrawnPercentSets, APercentAnswerIsRightAsAPercentAndAsItsValue)
{
    int percentAnswers = 0;
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
        testing::TestApplication t(seed);
        ExerciseSettings& s = t.app.settings;
        clickKindOption(s, ExerciseKind::Oral, t.notifier);
        clickCheck(s, s.percentages, t.notifier);
        s.itemCount.text = "40";
        testing::RecordingEnvironment env;
        ASSERT_EQ(drawOnScreenSet(t.app, env), RunOutcome::Completed);
        AnsweringSession session(answeringItems(t.app.set), answeringRules(s));
        do {
            const std::string shown = session.currentAnswer().text();
            if (!shown.ends_with('%'))
                continue;
            ++percentAnswers;
            const std::string number = shown.substr(0, shown.size() - 1);
            const ExactDecimal value = ExactDecimal::parse(number) / ExactDecimal::whole(100);
            const std::string& item = session.currentItem();
            EXPECT_EQ(session.judge(shown, ""), Verdict::Right) << item;
            EXPECT_EQ(session.judge(value.text(), ""), Verdict::Right) << item;
            EXPECT_EQ(session.judge(number, ""), value.isZero() ? Verdict::Right : Verdict::Wrong)
                << item;
        } while (session.next());
    }
    EXPECT_GT(percentAnswers, 40);
}

// Over drawn fraction sets: the answer told is right, the same value not in lowest terms is
// sent back to be reduced, a decimal is asked to be written as a fraction, a value off by
// one is wrong; none of it marks the item.
TEST(DrawnFractionSets, AreRightOnlyInLowestTermsAndTellWhatToRewrite)
{
    int fractionAnswers = 0;
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
        testing::TestApplication t(seed);
        ExerciseSettings& s = t.app.settings;
        clickKindOption(s, ExerciseKind::Oral, t.notifier);
        clickCheck(s, s.fractions, t.notifier);
        s.itemCount.text = "30";
        testing::RecordingEnvironment env;
        ASSERT_EQ(drawOnScreenSet(t.app, env), RunOutcome::Completed);
        ASSERT_EQ(itemsOf<FractionExpression>(t.app.set).size(), 30u);
        AnsweringSession session(t.app.set, answeringRules(s));
        ASSERT_EQ(session.itemCount(), 30u);
        do {
            const std::string& item = session.currentItem();
            ASSERT_NE(item.find('/'), std::string::npos) << item;
            const std::string told = session.wrongAnswerMessage();
            const std::string right = told.substr(told.find("：") + std::string_view("：").size());
            const std::size_t slash = right.find('/');
            const long n = std::stol(right.substr(0, slash));
            const long d = slash == std::string::npos ? 1 : std::stol(right.substr(slash + 1));
            fractionAnswers += d != 1;
            EXPECT_EQ(session.judge(right, ""), Verdict::Right) << item;
            EXPECT_EQ(session.judge(std::to_string(3 * n) + "/" + std::to_string(3 * d), ""),
                      n == 0 ? Verdict::Right : Verdict::NotReduced)
                << item << " " << right;
            EXPECT_EQ(session.judge(std::to_string(n + d) + "/" + std::to_string(d), ""),
                      Verdict::Wrong)
                << item;
            EXPECT_EQ(session.judge("0.5", ""), Verdict::NotAFraction) << item;
        } while (session.next());
        EXPECT_EQ(session.rightCount(), 0);
    }
    EXPECT_GT(fractionAnswers, 60) << "most answers are fractions, not whole numbers";
}

// The decimal quotient of a ÷ b by long division, when it ends within 20 places.
std::optional<std::string> endingDecimal(long a, long b)
{
    std::string text = std::to_string(a / b);
    long rest = a % b;
    if (rest != 0)
        text += '.';
    for (int places = 0; rest != 0; ++places) {
        if (places == 20)
            return std::nullopt;
        rest *= 10;
        text += static_cast<char>('0' + rest / b);
        rest %= b;
    }
    return text;
}

struct DivisionDraw {
    const char* name;
    int grade;
    std::optional<int> keptPlaces = std::nullopt;
};

class DrawnDivisions : public ::testing::TestWithParam<DivisionDraw>
{
};

// Over drawn sets of oral divisions: one that does not come out whole is right as the whole
// quotient with its remainder and as its decimal quotient when that ends, and wrong with a
// wrong remainder. A quotient to be rounded is not: a longer exact decimal is wrong.
TEST_P(DrawnDivisions, AreRightInEitherExactFormAndWrongWithAWrongRemainder)
{
    const DivisionDraw& draw = GetParam();
    int withRemainder = 0, withDecimal = 0;
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        testing::TestApplication t(seed);
        ExerciseSettings& s = t.app.settings;
        clickKindOption(s, ExerciseKind::Oral, t.notifier);
        s.grade.index = draw.grade;
        s.addition.checked = s.subtraction.checked = s.multiplication.checked = false;
        s.exactOrProper.checked = false;
        s.roundAnswers.checked = draw.keptPlaces.has_value();
        s.answerPlaces.index = draw.keptPlaces.value_or(0);
        s.itemCount.text = "40";
        testing::RecordingEnvironment env;
        ASSERT_EQ(drawOnScreenSet(t.app, env), RunOutcome::Completed);
        AnsweringSession session(answeringItems(t.app.set), answeringRules(s));
        do {
            const std::string& item = session.currentItem();
            const size_t sign = item.find("÷");
            ASSERT_NE(sign, std::string::npos) << item;
            const long a = std::stol(item.substr(0, sign));
            const long b = std::stol(item.substr(sign + std::string_view("÷").size()));
            const std::string q = std::to_string(a / b), r = std::to_string(a % b);
            const std::optional<std::string> decimal = endingDecimal(a, b);
            if (a % b == 0)
                continue;
            const auto places = static_cast<size_t>(draw.keptPlaces.value_or(0));
            if (draw.keptPlaces) {
                if (decimal && decimal->size() - decimal->find('.') - 1 > places) {
                    ++withDecimal;
                    EXPECT_EQ(session.judge(*decimal, ""), Verdict::Wrong) << item;
                }
                continue;
            }
            ++withRemainder;
            EXPECT_EQ(session.judge(q + "……" + r, ""), Verdict::Right) << item;
            EXPECT_EQ(session.judge(q, r), Verdict::Right) << item << " in two boxes";
            EXPECT_EQ(session.judge(q + "……" + std::to_string(a % b + 1), ""), Verdict::Wrong)
                << item;
            EXPECT_EQ(session.judge(q, std::to_string(a % b + b)), Verdict::Wrong) << item;
            withDecimal += decimal.has_value();
            if (decimal) {
                EXPECT_EQ(session.judge(*decimal, ""), Verdict::Right) << item;
            }
        } while (session.next());
    }
    if (!draw.keptPlaces) {
        EXPECT_GT(withRemainder, 60) << "divisions that do not come out whole were drawn";
    }
    EXPECT_GT(withDecimal, 10) << "some of them end as decimals";
}

INSTANTIATE_TEST_SUITE_P(Grades, DrawnDivisions,
                         ::testing::Values(DivisionDraw{"oralSet", 0},
                                           DivisionDraw{"remainderGrade", 5},
                                           DivisionDraw{"lastRemainderGrade", 6},
                                           DivisionDraw{"keptPlaces", 0, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quill
