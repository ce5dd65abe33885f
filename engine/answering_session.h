#pragma once

// One pupil answering a drawn set on screen: the item shown, the latest judgement of every
// item, the score and the clock. Plain inputs, no window: the answering window only shows
// what this decides.

#include "engine/answering_input.h"
#include "problems/exercise_set.h"
#include "problems/expressions/one_operator_answer.h"
#include "settings/exercise_settings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quill
{

// What the settings say about judging, taken when the set is drawn.
struct AnsweringRules {
    int gradeIndex = 0;
    bool divisionTicked =
        false; // 除法: from 二年级下学期 to 三年级下学期 divisions have remainders
    std::optional<int> keptPlaces =
        std::nullopt; // 保留: products and quotients rounded to these places
};

// The rules of the current settings.
AnsweringRules answeringRules(const ExerciseSettings& settings);

// The items of a drawn set that can be answered on screen.
std::vector<OperationItem> answeringItems(const ExerciseSet& set);

enum class Verdict {
    Right,
    Wrong,
    AnswerMissing,    // the answer box is blank: nothing judged
    RemainderMissing, // a remainder is asked for, a whole quotient typed without it: nothing judged
    NotAnAnswer,      // letters or signs no answer holds: nothing judged
    AlreadyMarked,    // the item was judged and its answer known: the mark stays
    NotReduced,       // a fraction item's right value, not in lowest terms: nothing judged
    NotAFraction,     // a decimal or percent typed for a fraction item: nothing judged
};

inline constexpr std::string_view answeringMessageTitle = "友情提示";
inline constexpr std::string_view noPreviousItemMessage = "没有上一题咯~";
inline constexpr std::string_view noNextItemMessage = "已经是最后一题了，没有下一题咯~";
inline constexpr std::string_view nothingToAnswerMessage = "没有题目可以作答：题量至少要有一题！";
inline constexpr std::string_view notReducedMessage = "请约分：得数要化成最简分数，再写一次吧~";
inline constexpr std::string_view notAFractionMessage =
    "分数题的得数请写成分数（例如 3/4）或整数，再写一次吧~";
inline constexpr std::string_view alreadyMarkedMessage =
    "这道题已经判过了，正确答案也看过了，不能再改哦~";

class AnsweringSession
{
public:
    AnsweringSession(const std::vector<OperationItem>& items, const AnsweringRules& rules);
    // The one-operation and fraction items of a drawn set, in order; the others are left out.
    AnsweringSession(const ExerciseSet& set, const AnsweringRules& rules);

    std::size_t itemCount() const { return items_.size(); }
    std::size_t currentIndex() const { return current_; }
    const std::string& currentItem() const;
    // The current item as a saved list holds it ("3＋8", "3＋8＋1＋8"), for a pupil's records.
    const std::string& currentSavedText() const;
    const OneOperatorAnswer& currentAnswer() const;
    bool asksRemainder() const { return currentAnswer().remainder.has_value(); }
    // Whether the current item can be answered quotient……remainder, asked or not.
    bool takesRemainder() const { return currentAnswer().withRemainder.has_value(); }
    // "本题保留 2 位小数" when the current answer is rounded, else empty.
    std::string placesHint() const;

    // What the answer boxes of this set may hold.
    AnswerCharacters answerCharacters() const { return characters_; }

    // Judges the current item once: after its judgement the pupil knows the right answer, so
    // the mark stays. With the remainder left blank, `answer` may hold both, as "7……1".
    Verdict submit(std::string_view answer, std::string_view remainder);
    // How submit would judge these boxes on the current item, marking nothing.
    Verdict judge(std::string_view answer, std::string_view remainder) const;
    // "加油哦！正确答案是：7……1", shown after a wrong answer.
    std::string wrongAnswerMessage() const;

    // Move to the next or previous item; false at the end of the set.
    bool next();
    bool previous();

    int rightCount() const { return rightCount_; }
    // The whole part of 100 × right ÷ items: all right is 100.
    int score() const;
    // "共 24 题，现在是第 1 题；正确 0 题；得分：0 分"
    std::string statusLine() const;

    // More seconds on the clock; a finished set's clock stands still.
    void tick(int seconds = 1);
    int elapsedSeconds() const { return seconds_; }
    // "时间：2026/5/1，用了1分0秒"
    std::string caption(std::string_view date) const;

    // Ends the set (交卷, or the last item judged): the clock stops, nothing more is judged.
    void finish() { finished_ = true; }
    bool finished() const { return finished_; }
    bool lastItem() const { return current_ + 1 >= items_.size(); }
    // "共 4 题；正确 1 题；得分：25 分；用时：0分3秒", then under "做错的题：" every item
    // not answered right, with its right answer and what was typed:
    // "27÷8＝3……3（你的答案：3……1）".
    std::vector<std::string> summaryLines() const;

private:
    // The answer and the remainder, from two boxes or from the one line that holds both.
    TypedAnswer typedParts(std::string_view answer, std::string_view remainder) const;

    enum class Mark : unsigned char { Unanswered, Right, Wrong };

    void add(const OperationItem& item, const OneOperatorRules& rules);
    void add(const FractionExpression& item);
    Verdict judgeFraction(const Rational& expected, std::string_view typed) const;
    // "7……1", "3/4": the right answer of item i as shown to the pupil.
    std::string answerText(std::size_t i) const;

    std::vector<std::string> items_;
    std::vector<std::string> savedTexts_;
    std::vector<OneOperatorAnswer> answers_;         // of fraction items: none
    std::vector<std::optional<Rational>> fractions_; // the value of a fraction item
    std::vector<Mark> marks_;
    std::vector<std::string> given_; // what the pupil typed, as judged
    AnswerCharacters characters_;
    std::size_t current_ = 0;
    int rightCount_ = 0;
    int seconds_ = 0;
    bool finished_ = false;
};

} // namespace quill
