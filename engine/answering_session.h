#pragma once

// One pupil answering a drawn set on screen: the item shown, the latest judgement of every
// item, the score and the clock. Plain inputs, no window: the answering window only shows
// what this decides.

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
};

inline constexpr std::string_view answeringMessageTitle = "友情提示";
inline constexpr std::string_view noPreviousItemMessage = "没有上一题咯~";
inline constexpr std::string_view noNextItemMessage = "已经是最后一题了，没有下一题咯~";
inline constexpr std::string_view nothingToAnswerMessage = "没有题目可以作答：题量至少要有一题！";

class AnsweringSession
{
public:
    AnsweringSession(const std::vector<OperationItem>& items, const AnsweringRules& rules);

    std::size_t itemCount() const { return items_.size(); }
    std::size_t currentIndex() const { return current_; }
    const std::string& currentItem() const;
    const OneOperatorAnswer& currentAnswer() const;
    bool asksRemainder() const { return currentAnswer().remainder.has_value(); }
    // Whether the current item can be answered quotient……remainder, asked or not.
    bool takesRemainder() const { return currentAnswer().withRemainder.has_value(); }
    // "本题保留 2 位小数" when the current answer is rounded, else empty.
    std::string placesHint() const;

    // Judges the current item; a new judgement replaces the item's earlier one. With the
    // remainder left blank, `answer` may hold both, as "7……1".
    Verdict submit(std::string_view answer, std::string_view remainder);
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

    // One more second on the clock.
    void tick() { ++seconds_; }
    int elapsedSeconds() const { return seconds_; }
    // "时间：2026/5/1，用了1分0秒"
    std::string caption(std::string_view date) const;

private:
    enum class Mark : unsigned char { Unanswered, Right, Wrong };

    std::vector<std::string> items_;
    std::vector<OneOperatorAnswer> answers_;
    std::vector<Mark> marks_;
    std::size_t current_ = 0;
    int rightCount_ = 0;
    int seconds_ = 0;
};

} // namespace quill
